#include "tools/PaletteTool.h"

#include <algorithm>
#include <map>
#include <utility>
#include <string>

#include "common/Utf8.h"
#include "palette/ColorNameTable.h"
#include "common/AsciiText.h"
#include "palette/formats/AcoPalette.h"
#include "palette/formats/AsePalette.h"
#include "palette/formats/PaletteDispatch.h"
#include "palette/formats/PaletteLists.h"
#include "plexa/HostStreams.h"
#include "plexa/jx_CORE.h"
#include "plexa/jx_REF.h"
#include "plexa/jx_XML.h"

namespace {

constexpr char kUsage[] = "usage: palette show [--json] FILE\n"
                          "       palette convert IN OUT   (OUT's extension: .gpl, .aco, .ase, anything else HTML)\n"
                          "FILE and IN may be - for standard input, OUT - for standard output (GIMP text).\n";
constexpr int kErrorTextBytes = 256;
// A slot shows this many of its color's names, each cut to this many characters.
constexpr std::size_t kShownNames = 3;
constexpr std::size_t kShownNameLength = 64;

// Reports from the readers, each kind once per file with how often it came.
class ToolHost final : public PaletteHost {
public:
    jx_XMLDOCUMENT* CreateXmlDocument() override { return ::CreateXmlDocument(); }
    void ReportMessage(const char* text) override { ++counts[text]; }
    void PrintWarnings(const std::string& file, std::FILE* err) const
    {
        for (const auto& [text, count] : counts)
            std::fprintf(err, "palette: warning: %s: %s%s\n", file.c_str(), text.c_str(),
                         count > 1 ? (" (" + std::to_string(count) + " times)").c_str() : "");
    }

private:
    std::map<std::string, int> counts;
};

// The C0 controls and DEL: bytes a terminal acts on instead of showing.
bool IsControlByte(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

// Text from a file or the command line made safe for a terminal: control
// characters (an escape sequence planted in a name) show as '?'.
std::string Printable(std::u16string_view text, std::size_t limit = std::string::npos)
{
    std::string shown = Utf16ToUtf8(text.substr(0, std::min(limit, text.size())));
    for (char& c : shown)
        if (IsControlByte(c))
            c = '?';
    if (limit < text.size())
        shown += "...";
    return shown;
}

std::string Why(int error)
{
    char text[kErrorTextBytes];
    DescribeFileError(error, text, kErrorTextBytes);
    return text;
}

struct LoadedPalette {
    CPaletteSlots slots;
    jx_REF<jx_SORTEDCOLLECTION> names{CreateColorNameTable()};
};

// Reads file whole (so a pipe reads like a file) into palette; prints why
// not and returns false on failure.
bool LoadPalette(const std::u16string& file, LoadedPalette& palette, ToolHost& host, std::FILE* err)
{
    const std::string name = Printable(file);
    int error = 0;
    const jx_REF<jx_STREAM> stream(ReadWholeFile(file.c_str(), &error));
    if (!stream) {
        std::fprintf(err, "palette: cannot read %s: %s\n", name.c_str(), Why(error).c_str());
        return false;
    }
    const jx_REF<jx_COLLECTION> colors(CreateColorList());
    switch (ReadPaletteStream(stream.get(), colors.get(), palette.names.get(), host)) {
    case PaletteRead::Done:
        break;
    case PaletteRead::TooShort: {
        // A swatch file without swatches is shorter than any other palette.
        unsigned char bytes[kMinimumPaletteBytes];
        stream->Seek(0, 0);
        if (IsEmptyAcoFile(bytes, stream->Read(bytes, kMinimumPaletteBytes)))
            return true;
        std::fprintf(err, "palette: %s is too short to be a palette\n", name.c_str());
        return false;
    }
    case PaletteRead::CannotRewind:
        std::fprintf(err, "palette: cannot read %s: it cannot be read twice\n", name.c_str());
        return false;
    case PaletteRead::OutOfMemory:
        std::fprintf(err, "palette: not enough memory to read %s\n", name.c_str());
        return false;
    }
    palette.slots.SetSlotCount(colors->Count());
    for (int i = 0; i < colors->Count(); ++i)
        palette.slots.Set(i, ColorAt(colors.get(), i));
    host.PrintWarnings(name, err);
    return true;
}

// The table's entries of one color, [first, end), found by search, not one
// by one: a color may have a great many names, on a great many slots.
std::pair<int, int> EntriesOf(const jx_SORTEDCOLLECTION* names, std::uint32_t color)
{
    const ColorNameEntry key{color, nullptr};
    const ColorNameEntry next{color + 1, nullptr};
    int first = 0;
    int end = 0;
    if (!names->Search(&key, &first))
        return {0, 0};
    names->Search(&next, &end);
    return {first, end};
}

const char16_t* TextAt(const jx_SORTEDCOLLECTION* names, int index)
{
    const char16_t* text = static_cast<const ColorNameEntry*>(names->At(index))->text;
    return text ? text : u"";
}

// The first few names the file gave the color, in table order, joined by
// " / ", and how many more there are.
std::string NamesOf(const jx_SORTEDCOLLECTION* names, std::uint32_t color)
{
    const auto [first, end] = EntriesOf(names, color);
    const int shown = std::min(end - first, static_cast<int>(kShownNames));
    std::string joined;
    for (int index = first; index < first + shown; ++index)
        joined += (joined.empty() ? "" : " / ") + Printable(TextAt(names, index), kShownNameLength);
    if (end - first > shown)
        joined += " (+" + std::to_string(end - first - shown) + " more)";
    return joined;
}

// "#rrggbb" of a packed color.
std::string HexOf(std::uint32_t color)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", color & 0xFF, color >> 8 & 0xFF, color >> 16 & 0xFF);
    return hex;
}

// Output that could not be written (a closed pipe, a full device) fails the run.
int Finish(int code, std::FILE* out, std::FILE* err)
{
    if (std::fflush(out) != 0 || std::ferror(out)) {
        std::fputs("palette: cannot write the output\n", err);
        return 1;
    }
    return code;
}

// A JSON string: quotes, backslashes and control characters (DEL too, which
// JSON would allow raw but a terminal acts on) escaped, the rest as UTF-8.
std::string JsonString(std::u16string_view text)
{
    std::string json = "\"";
    for (const char c : Utf16ToUtf8(text)) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (IsControlByte(c)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + '"';
}

// Every slot as {"index", "hex" (null when empty), "names"}, for scripts.
int ShowJson(const std::u16string& file, std::FILE* out, std::FILE* err)
{
    ToolHost host;
    LoadedPalette palette;
    if (!LoadPalette(file, palette, host, err))
        return 1;
    std::fprintf(out, "{\"file\": %s, \"slots\": [", JsonString(file).c_str());
    for (int i = 0; i < palette.slots.Count() && !std::ferror(out); ++i) {
        const std::uint32_t value = palette.slots.At(i);
        std::string names;
        const auto [first, end] = value == EMPTY_SLOT ? std::pair{0, 0} : EntriesOf(palette.names.get(), value);
        for (int index = first; index < end; ++index)
            names += (names.empty() ? "" : ", ") + JsonString(TextAt(palette.names.get(), index));
        const std::string hex = value == EMPTY_SLOT ? "null" : "\"" + HexOf(value) + "\"";
        std::fprintf(out, "%s\n  {\"index\": %d, \"hex\": %s, \"names\": [%s]}", i ? "," : "", i, hex.c_str(),
                     names.c_str());
    }
    std::fputs("\n]}\n", out);
    return Finish(0, out, err);
}

int Show(const std::u16string& file, std::FILE* out, std::FILE* err)
{
    ToolHost host;
    LoadedPalette palette;
    if (!LoadPalette(file, palette, host, err))
        return 1;
    std::fprintf(out, "%s: %d slots\n", Printable(file).c_str(), palette.slots.Count());
    for (int i = 0; i < palette.slots.Count() && !std::ferror(out); ++i) {
        const std::uint32_t value = palette.slots.At(i);
        if (value == EMPTY_SLOT) {
            std::fprintf(out, "%5d  empty\n", i);
            continue;
        }
        const std::string names = NamesOf(palette.names.get(), value);
        std::fprintf(out, "%5d  %s%s%s\n", i, HexOf(value).c_str(), names.empty() ? "" : "  ", names.c_str());
    }
    return Finish(0, out, err);
}

// The written file takes the target's place only once it is complete, so a
// failure leaves the old target as it was.
int Convert(const std::u16string& source, const std::u16string& target, std::FILE* out, std::FILE* err)
{
    ToolHost host;
    LoadedPalette palette;
    if (!LoadPalette(source, palette, host, err))
        return 1;
    const std::string targetName = Printable(target);
    if (palette.slots.LastUsed() < 0) {
        std::fprintf(err, "palette: %s holds no colors; %s is not written\n", Printable(source).c_str(),
                     targetName.c_str());
        return 1;
    }
    if (target == u"-") {
        const jx_REF<jx_STREAM> written(CreateMemoryStream(nullptr));
        if (!SavePaletteStream(written.get(), palette.slots, palette.names.get(), host)) {
            std::fputs("palette: not enough memory to write the palette\n", err);
            return 1;
        }
        std::string text(static_cast<std::size_t>(written->Tell()), '\0');
        written->Seek(0, 0);
        written->Read(text.data(), static_cast<int>(text.size()));
        std::fwrite(text.data(), 1, text.size(), out);
        return Finish(0, out, err);
    }
    int error = 0;
    const jx_REF<jx_STREAM> file(OpenHostFileStream(target.c_str(), kStreamCreateFile, &error));
    if (!file) {
        std::fprintf(err, "palette: cannot write %s: %s\n", targetName.c_str(), Why(error).c_str());
        return 1;
    }
    // The tool alone writes swatch exchange files; the picker keeps to its three formats.
    const bool ase = EqualsIgnoringAsciiCase(FileExtension(target.c_str()), std::u16string_view(u".ase"));
    if (ase)
        WriteAsePalette(file.get(), palette.slots, palette.names.get());
    else if (!SavePaletteStream(file.get(), palette.slots, palette.names.get(), host)) {
        std::fprintf(err, "palette: not enough memory to write %s\n", targetName.c_str());
        return 1;
    }
    if (const int committed = file->Commit(); committed != 0) {
        std::fprintf(err, "palette: cannot write %s: %s\n", targetName.c_str(), Why(committed).c_str());
        return 1;
    }
    return 0;
}

} // namespace

int RunPaletteTool(const std::vector<std::u16string>& args, std::FILE* out, std::FILE* err)
{
    try {
        if (args.size() == 2 && args[0] == u"show")
            return Show(args[1], out, err);
        if (args.size() == 3 && args[0] == u"show" && args[1] == u"--json")
            return ShowJson(args[2], out, err);
        if (args.size() == 3 && args[0] == u"convert")
            return Convert(args[1], args[2], out, err);
    } catch (const std::bad_alloc&) {
        std::fputs("palette: not enough memory\n", err);
        return 1;
    }
    std::fputs(kUsage, err);
    return 2;
}
