#include "palette/formats/PaletteDispatch.h"

#include <cstring>
#include <new>
#include <string_view>

#include "palette/formats/AcoPalette.h"
#include "palette/formats/AsePalette.h"
#include "common/AsciiText.h"
#include "palette/formats/GimpPalette.h"
#include "palette/formats/HtmlPalette.h"
#include "palette/formats/PlainPalettes.h"
#include "common/PathNames.h"

namespace {

constexpr int kFileNameUnits = 256;
constexpr int kSniffBytes = 100;

} // namespace

std::u16string_view FileExtension(const char16_t* fileName)
{
    const std::u16string_view title(fileName ? fileName + GetFileNameOffset(fileName) : u"");
    const auto dot = title.rfind(u'.');
    return dot == std::u16string_view::npos ? std::u16string_view() : title.substr(dot);
}

PaletteFormat WriterFormatForFileName(const char16_t* fileName)
{
    const std::u16string_view extension = FileExtension(fileName);
    if (extension.empty() || EqualsIgnoringAsciiCase(extension, std::u16string_view(u".gpl")))
        return PaletteFormat::Gimp;
    if (EqualsIgnoringAsciiCase(extension, std::u16string_view(u".aco")))
        return PaletteFormat::Aco;
    return PaletteFormat::Html;
}

PaletteFormat ReaderFormatForContent(const unsigned char* bytes, int count)
{
    if (count >= 2 && bytes[0] == 0 && (bytes[1] == 1 || bytes[1] == 2))
        return PaletteFormat::Aco;
    if (count >= 12 && std::memcmp(bytes, "GIMP Palette", 12) == 0)
        return PaletteFormat::Gimp;
    // Formats beyond the picker's three are recognised after those and
    // before the markup that takes everything else.
    if (IsAseFile(bytes, count))
        return PaletteFormat::Ase;
    if (PlainFormatForContent(bytes, count) != PlainFormat::None)
        return PaletteFormat::Plain;
    return PaletteFormat::Html;
}

bool SavePaletteStream(jx_STREAM* stream, const CPaletteSlots& slots, const jx_SORTEDCOLLECTION* names,
                       PaletteHost& host)
{
    char16_t fileName[kFileNameUnits] = {};
    stream->GetFileName(fileName, kFileNameUnits, 1);
    switch (WriterFormatForFileName(fileName)) {
    case PaletteFormat::Gimp:
        WriteGimpPalette(stream, slots, names);
        return true;
    case PaletteFormat::Aco:
        WriteAcoPalette(stream, slots, names);
        return true;
    case PaletteFormat::Ase: // read by content only: no file name chooses these
    case PaletteFormat::Plain:
    case PaletteFormat::Html:
        return WriteHtmlPalette(stream, slots, names, host);
    }
    return false;
}

PaletteRead ReadPaletteStream(jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names, PaletteHost& host)
{
    const std::int32_t start = stream->Tell();
    unsigned char bytes[kSniffBytes];
    const int count = stream->Read(bytes, kSniffBytes);
    if (count < kMinimumPaletteBytes)
        return PaletteRead::TooShort;
    if (stream->Seek(start, 0) != 0)
        return PaletteRead::CannotRewind;
    // The readers and the lists throw when memory runs out (the lists'
    // host calls answer failure and the list helpers turn that into the
    // exception): the palette is then refused as a whole.
    try {
        switch (ReaderFormatForContent(bytes, count)) {
        case PaletteFormat::Aco:
            ReadAcoPalette(stream, colors, names, host);
            break;
        case PaletteFormat::Gimp:
            ReadGimpPalette(stream, colors, names);
            break;
        case PaletteFormat::Ase:
            ReadAsePalette(stream, colors, names, host);
            break;
        case PaletteFormat::Plain:
            ReadPlainPalette(stream, PlainFormatForContent(bytes, count), colors);
            break;
        case PaletteFormat::Html:
            ReadHtmlPalette(stream, colors, names, host);
            break;
        }
    } catch (const std::bad_alloc&) {
        return PaletteRead::OutOfMemory;
    }
    return PaletteRead::Done;
}
