#include "dialog/PaletteFolders.h"

#include "plexa/TextHelpers.h"
#include "plexa/jx_CORE.h"
#include "plexa/jx_REF.h"
#include "plexa/jx_STREAM.h"
#include "module/ModuleState.h"
#include "module/TextShims.h"

namespace {

constexpr int kPathUnits = 1024;

std::u16string HostFolder(int kind)
{
    char16_t path[kPathUnits] = {};
    if (!HostObject || !HostObject->GetHostFolder(kind, path, kPathUnits) || !AddSlash(path, kPathUnits))
        return {};
    return path;
}

} // namespace

std::u16string UserPaletteFolder()
{
    std::u16string folder = HostFolder(kFolderUser);
    if (folder.empty())
        return {};
    folder += u"Palettes\\";
    // A folder that cannot be made (a file of that name, no rights) is still
    // the folder: reading from it fails and the built-in palettes stand in.
    if (!IsDirectoryPath(folder.c_str()))
        CreateDirectoryPath(folder.c_str());
    return folder;
}

std::u16string PaletteFolder()
{
    const std::u16string shared = HostFolder(kFolderPalettes);
    return !shared.empty() && IsDirectoryPath(shared.c_str()) ? shared : UserPaletteFolder();
}

bool PaletteFileExists(const std::u16string& name)
{
    return GetFileAttributesAW((PaletteFolder() + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void CopyResourceToFile(const char16_t* reference, const std::u16string& path)
{
    if (!HostObject || GetFileAttributesAW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return;
    const jx_REF<jx_STREAM> file(HostObject->OpenStream(nullptr, path.c_str(), kStreamCreateNewFile));
    const jx_REF<jx_STREAM> resource(HostObject->OpenStream(ModuleInstance, reference, kStreamReadResource));
    if (file && resource && resource->CopyTo(file.get(), 0, -1) >= 0)
        file->Commit();
}
