#include "host/plexa/src/FileDialogFilter.h"

#include <vector>

namespace {

std::vector<std::u16string_view> SplitFields(std::u16string_view text)
{
    std::vector<std::u16string_view> fields;
    while (!text.empty()) {
        const auto bar = text.find(u'|');
        fields.push_back(text.substr(0, bar));
        if (bar == std::u16string_view::npos)
            break;
        text.remove_prefix(bar + 1);
    }
    return fields;
}

} // namespace

FileDialogFilter ParseFileDialogFilter(std::u16string_view filter)
{
    const auto fields = SplitFields(filter);
    FileDialogFilter parsed;
    if (!fields.empty())
        parsed.title = fields[0];
    for (std::size_t i = 1; i + 1 < fields.size(); i += 2) {
        if (fields[i + 1].empty())
            continue;
        parsed.pairs.append(fields[i]).push_back(0);
        parsed.pairs.append(fields[i + 1]).push_back(0);
    }
    parsed.pairs.push_back(0);
    return parsed;
}
