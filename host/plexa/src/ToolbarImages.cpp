#include "host/plexa/src/ToolbarImages.h"

#include <charconv>
#include <string>
#include <vector>

#include "host/plexa/src/PlexaModule.h"

namespace {

// The host's own set: the standard toolbar images of Plexa.dll.
constexpr jx_GUID kHostImages = {0x23FCA3DE, 0xB483, 0x441C, {0x0C, 0xB1, 0xCB, 0x57, 0x29, 0xEA, 0xEA, 0xDD}};
constexpr int kHostImagesBitmap = 200;
constexpr int kHostImageCount = 18;
constexpr int kImageSize = 16;
constexpr int kLargestImage = 64;
constexpr int kMostImages = 256;
constexpr std::size_t kLongestName = 64;
constexpr COLORREF kTransparent = RGB(255, 0, 255);

struct RegisteredSet {
    HMODULE module;
    ToolbarImageSet set;
};

std::vector<RegisteredSet>& Registered()
{
    static std::vector<RegisteredSet> sets{
        RegisteredSet{nullptr, ToolbarImageSet{kHostImages, kHostImagesBitmap, {}, kHostImageCount, kImageSize}}};
    return sets;
}

std::string_view NextWord(std::string_view& line)
{
    const auto start = line.find_first_not_of(" \t\r");
    if (start == std::string_view::npos)
        return line = {};
    line.remove_prefix(start);
    const auto end = line.find_first_of(" \t\r");
    const std::string_view word = line.substr(0, end);
    line.remove_prefix(end == std::string_view::npos ? line.size() : end);
    return word;
}

bool ReadInt(std::string_view word, int low, int high, int& value)
{
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size() && value >= low && value <= high;
}

} // namespace

bool ParseToolbarImageLine(std::string_view line, ToolbarImageSet& set)
{
    const std::string_view guid = NextWord(line);
    if (guid.empty() || guid.front() == '#')
        return false;
    if (!set.guid.FromStr(std::string(guid).c_str()))
        return false;
    const std::string_view bitmap = NextWord(line);
    if (bitmap.empty() || bitmap.size() > kLongestName)
        return false;
    if (!ReadInt(bitmap, 1, 0xFFFF, set.bitmap)) {
        set.bitmap = 0;
        set.bitmapName.assign(bitmap.begin(), bitmap.end());
    }
    return ReadInt(NextWord(line), 1, kMostImages, set.count) && ReadInt(NextWord(line), 1, kLargestImage, set.size);
}

void RegisterModuleToolbarImages(HMODULE module)
{
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), L"JXCOMMANDS");
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const char* text = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (!text)
        return;
    std::string_view rest(text, SizeofResource(module, found));
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        ToolbarImageSet set;
        if (!ParseToolbarImageLine(line, set))
            continue;
        auto& sets = Registered();
        // A module started again declares its sets again: the newest wins.
        std::erase_if(sets, [&](const RegisteredSet& known) { return known.set.guid == set.guid && known.module; });
        sets.push_back({module, set});
    }
}

HIMAGELIST CreateToolbarImageList(const jx_GUID& images)
{
    for (const RegisteredSet& known : Registered()) {
        if (!(known.set.guid == images))
            continue;
        const HMODULE module = known.module ? known.module : PlexaModule();
        const wchar_t* name = known.set.bitmap ? MAKEINTRESOURCEW(known.set.bitmap) : known.set.bitmapName.c_str();
        const auto strip = static_cast<HBITMAP>(LoadImageW(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (!strip)
            return nullptr;
        HIMAGELIST list = ImageList_Create(known.set.size, known.set.size, ILC_COLOR24 | ILC_MASK, known.set.count, 0);
        if (list)
            ImageList_AddMasked(list, strip, kTransparent);
        DeleteObject(strip);
        return list;
    }
    return nullptr;
}
