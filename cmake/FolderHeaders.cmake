# Every header of the project is included by its path from the repository
# root ("color/HsvConversion.h"), and a folder's headers can be found only by
# targets that link the folder's own target. Each folder therefore gets an
# include root of its own in the build tree, holding nothing but a link to
# that folder; an include that crosses the layering the wrong way (the
# palette formats reaching into the module, say) finds no file and fails to
# build.
function(expose_folder_headers target scope folder)
    string(MAKE_C_IDENTIFIER "${folder}" root_name)
    set(root "${CMAKE_BINARY_DIR}/folder-headers/${root_name}")
    set(link "${root}/${folder}")
    if(NOT IS_SYMLINK "${link}")
        get_filename_component(parent "${link}" DIRECTORY)
        file(MAKE_DIRECTORY "${parent}")
        file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${link}" SYMBOLIC)
    endif()
    target_include_directories(${target} ${scope} "${root}")
endfunction()
