#include "tools/PaletteTool.h"

#include <string>

#include "palette/ColorNameTable.h"
#include "palette/formats/PaletteDispatch.h"
#include "palette/formats/PaletteLists.h"
#include "common/Utf8.h"
#include "plexa/HostStreams.h"
#include "plexa/jx_CORE.h"
#include "plexa/jx_REF.h"
#include "plexa/jx_XML.h"

namespace {

constexpr char kUsage[] = "usage: palette show FILE\n"
                          "       palette convert IN OUT   (OUT's extension: .gpl, .aco, anything else HTML)\n";

class ToolHost : public PaletteHost {
public:
    explicit ToolHost(std::FILE* err) : err(err) {}
    jx_XMLDOCUMENT* CreateXmlDocument() override { return ::CreateXmlDocument(); }
    void ReportMessage(const char* text) override { std::fprintf(err, "palette: warning: %s\n", text); }

private:
    std::FILE* err;
};

std::string Printable(const std::u16string& text) { return Utf16ToUtf8(text); }

struct LoadedPalette {
    CPaletteSlots slots;
    jx_REF<jx_SORTEDCOLLECTION> names{CreateColorNameTable()};
};

// Reads file into palette; prints why not and returns false on failure.
bool LoadPalette(const std::u16string& file, LoadedPalette& palette, PaletteHost& host, std::FILE* err)
{
    const jx_REF<jx_STREAM> stream(OpenHostFileStream(file.c_str(), kStreamReadFile));
    if (!stream) {
        std::fprintf(err, "palette: cannot read %s\n", Printable(file).c_str());
        return false;
    }
    const jx_REF<jx_COLLECTION> colors(CreateColorList());
    if (!ReadPaletteStream(stream.get(), colors.get(), palette.names.get(), host)) {
        std::fprintf(err, "palette: %s is too short to be a palette\n", Printable(file).c_str());
        return false;
    }
    palette.slots.SetSlotCount(colors->Count());
    for (int i = 0; i < colors->Count(); ++i)
        palette.slots.Set(i, ColorAt(colors.get(), i));
    return true;
}

// Every name the file gave the color, in table order, joined by " / ".
std::string NamesOf(const jx_SORTEDCOLLECTION* names, std::uint32_t color)
{
    std::string joined;
    const ColorNameEntry key{color, nullptr, {}};
    int index = -1;
    if (!names->Search(&key, &index))
        return joined;
    for (; index < names->Count(); ++index) {
        const auto* entry = static_cast<const ColorNameEntry*>(names->At(index));
        if (entry->color != color)
            break;
        if (!joined.empty())
            joined += " / ";
        joined += Utf16ToUtf8(entry->text ? entry->text : u"");
    }
    return joined;
}

int Show(const std::u16string& file, std::FILE* out, std::FILE* err)
{
    ToolHost host(err);
    LoadedPalette palette;
    if (!LoadPalette(file, palette, host, err))
        return 1;
    std::fprintf(out, "%s: %d slots\n", Printable(file).c_str(), palette.slots.Count());
    for (int i = 0; i < palette.slots.Count(); ++i) {
        const std::uint32_t value = palette.slots.At(i);
        if (value == EMPTY_SLOT) {
            std::fprintf(out, "%5d  empty\n", i);
            continue;
        }
        const std::string names = NamesOf(palette.names.get(), value);
        std::fprintf(out, "%5d  #%02x%02x%02x%s%s\n", i, value & 0xFF, value >> 8 & 0xFF, value >> 16 & 0xFF,
                     names.empty() ? "" : "  ", names.c_str());
    }
    return 0;
}

// The written file takes the target's place only once it is complete, so a
// failure leaves the old target as it was.
int Convert(const std::u16string& source, const std::u16string& target, std::FILE* err)
{
    ToolHost host(err);
    LoadedPalette palette;
    if (!LoadPalette(source, palette, host, err))
        return 1;
    const jx_REF<jx_STREAM> file(OpenHostFileStream(target.c_str(), kStreamCreateFile));
    const int error =
        file ? (SavePaletteStream(file.get(), palette.slots, palette.names.get(), host), file->Commit()) : 1;
    if (error != 0) {
        std::fprintf(err, "palette: cannot write %s\n", Printable(target).c_str());
        return 1;
    }
    return 0;
}

} // namespace

int RunPaletteTool(const std::vector<std::u16string>& args, std::FILE* out, std::FILE* err)
{
    if (args.size() == 2 && args[0] == u"show")
        return Show(args[1], out, err);
    if (args.size() == 3 && args[0] == u"convert")
        return Convert(args[1], args[2], err);
    std::fputs(kUsage, err);
    return 2;
}
