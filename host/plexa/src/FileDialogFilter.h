// The host's file-dialog filter text, "title|description|patterns|...|",
// taken apart for the common file dialogs.
#pragma once

#include <string>
#include <string_view>

struct FileDialogFilter {
    std::u16string title;
    // Description and pattern pairs, each zero-terminated, the whole list
    // ended by a second zero, as the common dialogs take them. A description
    // without patterns is dropped.
    std::u16string pairs;
};

FileDialogFilter ParseFileDialogFilter(std::u16string_view filter);
