#include "palette/formats/HtmlPalette.h"

#include <new>

#include <cstdio>
#include <string>

#include "common/AsciiText.h"
#include "palette/ColorNameTable.h"
#include "palette/formats/PaletteLists.h"
#include "plexa/TextHelpers.h"
#include "plexa/jx_REF.h"
#include "plexa/jx_XML.h"

namespace {

constexpr int kCellsPerRow = 8;
constexpr int kColorTextUnits = 20;
constexpr int kColorValueBytes = 9;

// The first element so named in document order, at any depth: a table of
// another program sits inside html and body, or among text.
jx_XMLNODE* FindElement(jx_XMLNODE* parent, const char16_t* name, int depth = 0)
{
    for (jx_XMLNODE* child = parent->FirstChild(); child; child = child->NextSibling()) {
        if (child->Kind() != kXmlElementNode)
            continue;
        if (EqualsIgnoringAsciiCase<char16_t>(child->Name(), name))
            return child;
        if (jx_XMLNODE* found = depth < 64 ? FindElement(child, name, depth + 1) : nullptr)
            return found;
    }
    return nullptr;
}

// The next element child so named after `after` (null: the first).
jx_XMLNODE* NextChildNamed(jx_XMLNODE* parent, const char16_t* name, jx_XMLNODE* after)
{
    for (jx_XMLNODE* child = after ? after->NextSibling() : parent->FirstChild(); child; child = child->NextSibling())
        if (child->Kind() == kXmlElementNode && EqualsIgnoringAsciiCase<char16_t>(child->Name(), name))
            return child;
    return nullptr;
}

// The rows of a table, also inside thead, tbody and tfoot sections: pages
// saved by browsers and HTML editors put every row in a tbody, and
// spreadsheet exports put the first row in a thead, so rows directly under
// the table alone would read such palettes as empty.
template <typename Visit> void ForEachRow(jx_XMLNODE* table, Visit visit)
{
    for (jx_XMLNODE* child = table->FirstChild(); child; child = child->NextSibling()) {
        if (child->Kind() != kXmlElementNode)
            continue;
        if (EqualsIgnoringAsciiCase<char16_t>(child->Name(), u"tr"))
            visit(child);
        else if (EqualsIgnoringAsciiCase<char16_t>(child->Name(), u"tbody") ||
                 EqualsIgnoringAsciiCase<char16_t>(child->Name(), u"thead") ||
                 EqualsIgnoringAsciiCase<char16_t>(child->Name(), u"tfoot"))
            ForEachRow(child, visit);
    }
}

// "#rrggbb": the first character is skipped whatever it is, then up to six
// hexadecimal digits in pairs; what cannot be read stays 0.
std::uint32_t ParseCellColor(const jx_STRING& value)
{
    char text[kColorValueBytes];
    value.Get(text, kColorValueBytes);
    unsigned red = 0;
    unsigned green = 0;
    unsigned blue = 0;
    if (text[0])
        std::sscanf(text + 1, "%02x%02x%02x", &red, &green, &blue);
    return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}

// Cell text without the white space around it: the writer indents its
// markup, and hand-written pages break lines inside cells, so the spaces
// around a name belong to the layout, not to the name. A name's own leading
// or trailing spaces are lost with them.
std::u16string CellName(jx_XMLNODE* cell)
{
    std::u16string text = cell->Text().GetBuffer();
    const auto isSpace = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0xA0; };
    while (!text.empty() && isSpace(text.back()))
        text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && isSpace(text[start]))
        ++start;
    return text.substr(start);
}

} // namespace

bool WriteHtmlPalette(jx_STREAM* stream, const CPaletteSlots& slots, const jx_SORTEDCOLLECTION* names,
                      PaletteHost& host)
{
    jx_REF<jx_XMLDOCUMENT> document(host.CreateXmlDocument());
    jx_XMLNODE* table = document ? document->AddChild(u"table") : nullptr;
    if (!table)
        return false;
    table->SetAttribute(u"id", u"Palette");
    table->SetAttribute(u"width", u"95%");
    table->SetAttribute(u"border", u"1");
    table->SetAttribute(u"bordercolor", u"#000000");
    for (int i = 0; i < slots.Count();) {
        jx_XMLNODE* row = table->AddChild(u"tr");
        if (!row)
            return false;
        row->SetAttribute(u"height", u"40");
        for (int cells = 0; cells < kCellsPerRow && i < slots.Count(); ++cells, ++i) {
            jx_XMLNODE* cell = row->AddChild(u"td");
            if (!cell)
                return false;
            const std::uint32_t value = slots.At(i);
            if (value == EMPTY_SLOT)
                continue;
            char16_t color[kColorTextUnits];
            jxsprintf(color, kColorTextUnits, u"#%02x%02x%02x", value & 0xFF, value >> 8 & 0xFF, value >> 16 & 0xFF);
            cell->SetAttribute(u"bgcolor", color);
            if (const char16_t* name = FirstColorName(names, value))
                cell->Text().Set(name);
            cell->SetAttribute(u"width", u"5%");
        }
    }
    return document->Save(stream, kXmlSaveDeclaration | kXmlSaveIndent);
}

void ReadHtmlPalette(jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names, PaletteHost& host)
{
    jx_REF<jx_XMLDOCUMENT> document(host.CreateXmlDocument());
    if (!document)
        return;
    // A document that did not parse whole still gives the cells read before
    // the fault: pages are often cut short or carry markup that is not well
    // formed after the table, and their colors are still what the user wants.
    if (!document->Load(stream) && document->LoadRanOutOfMemory())
        throw std::bad_alloc();
    jx_XMLNODE* table = FindElement(document.get(), u"table");
    if (!table)
        return;
    CColorNameBatch batch;
    ForEachRow(table, [&](jx_XMLNODE* row) {
        for (jx_XMLNODE* cell = NextChildNamed(row, u"td", nullptr); cell; cell = NextChildNamed(row, u"td", cell)) {
            const jx_XMLATTRIBUTE* bgcolor = cell->GetAttribute(u"bgcolor");
            if (!bgcolor || bgcolor->value.Length() == 0) {
                AppendColor(colors, EMPTY_SLOT);
                continue;
            }
            const std::uint32_t color = ParseCellColor(bgcolor->value);
            AppendColor(colors, color);
            const std::u16string name = CellName(cell);
            if (!name.empty())
                batch.Add(color, name);
        }
    });
    batch.AddTo(names);
}
