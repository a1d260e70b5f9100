#include "palette/ColorNameTable.h"

#include <memory>
#include <new>

#include "plexa/TextHelpers.h"

namespace {

void DeleteColorNameEntry(void* item) { delete static_cast<ColorNameEntry*>(item); }

const ColorNameEntry* EntryAt(const jx_SORTEDCOLLECTION* table, int index)
{
    return static_cast<const ColorNameEntry*>(table->At(index));
}

// Index of the color's first entry, or -1.
int FirstIndexOf(const jx_SORTEDCOLLECTION* table, std::uint32_t color)
{
    if (!table)
        return -1;
    const ColorNameEntry key{color, nullptr, {}};
    int index = -1;
    return table->Search(&key, &index) ? index : -1;
}

bool SameText(const char16_t* a, const char16_t* b)
{
    if (!a || !b)
        return a == b;
    for (; *a == *b; ++a, ++b)
        if (!*a)
            return true;
    return false;
}

// Whether the table holds an entry of key's color with exactly key's text.
bool ContainsPair(const jx_SORTEDCOLLECTION* table, const ColorNameEntry& key)
{
    int index = -1;
    if (!table->Search(&key, &index))
        return false;
    for (; index < table->Count() && EntryAt(table, index)->color == key.color; ++index)
        if (SameText(EntryAt(table, index)->text, key.text))
            return true;
    return false;
}

// Made-up gray names fit in this many units.
constexpr int kGrayNameUnits = 50;

// Copies into `table` the pairs of `from` it lacks.
void AddMissingPairs(jx_SORTEDCOLLECTION* table, const jx_SORTEDCOLLECTION* from)
{
    for (int i = 0; i < from->Count(); ++i) {
        const ColorNameEntry* entry = EntryAt(from, i);
        if (!ContainsPair(table, *entry))
            table->Add(CloneColorNameEntry(*entry));
    }
}

} // namespace

int CompareColorNameEntries(const void* a, const void* b, void*)
{
    const auto* x = static_cast<const ColorNameEntry*>(a);
    const auto* y = static_cast<const ColorNameEntry*>(b);
    if (x->color != y->color)
        return static_cast<std::int32_t>(x->color - y->color);
    if (!x->text || !y->text)
        return 0;
    const char16_t* p = x->text;
    const char16_t* q = y->text;
    for (; *p == *q; ++p, ++q)
        if (!*p)
            return 0;
    return *p < *q ? -1 : 1;
}

jx_SORTEDCOLLECTION* CreateColorNameTable()
{
    jx_SORTEDCOLLECTION* table = jx_SORTEDCOLLECTION::Create(CompareColorNameEntries, 32, 16);
    table->AllowDuplicates(1);
    table->SetItemDeleter(DeleteColorNameEntry);
    return table;
}

ColorNameEntry* MakeColorNameEntry(std::uint32_t color, const char16_t* text)
{
    auto entry = std::make_unique<ColorNameEntry>(ColorNameEntry{color, nullptr, {}});
    entry->name.Set(text);
    // The host's string keeps its old (empty) text when it cannot grow.
    if (text && *text && entry->name.Length() == 0)
        throw std::bad_alloc();
    entry->text = entry->name.GetBuffer();
    return entry.release();
}

ColorNameEntry* CloneColorNameEntry(const ColorNameEntry& source)
{
    if (source.name.Length() > 0)
        return MakeColorNameEntry(source.color, source.name.GetBuffer());
    return new ColorNameEntry{source.color, source.text, {}};
}

void AddColorNameIfNew(jx_SORTEDCOLLECTION* table, std::uint32_t color, const char16_t* text)
{
    const ColorNameEntry key{color, text, {}};
    if (ContainsPair(table, key))
        return;
    std::unique_ptr<ColorNameEntry> entry(MakeColorNameEntry(color, text));
    // The table takes the entry unless it cannot grow.
    if (table->Add(entry.get()) < 0)
        throw std::bad_alloc();
    entry.release();
}

const char16_t* FirstColorName(const jx_SORTEDCOLLECTION* table, std::uint32_t color)
{
    const int index = FirstIndexOf(table, color);
    return index < 0 ? nullptr : EntryAt(table, index)->text;
}

CAColorName::~CAColorName()
{
    if (table)
        table->Release();
}

void CAColorName::SetTable(jx_SORTEDCOLLECTION* replacement)
{
    if (replacement)
        replacement->AddRef();
    if (table)
        table->Release();
    table = replacement;
}

void CAColorName::MergeTable(jx_SORTEDCOLLECTION* other)
{
    if (!other)
        return;
    if (!table) {
        SetTable(other);
        return;
    }
    AddMissingPairs(table, other);
}

void CAColorName::MergeLoadedTable(jx_SORTEDCOLLECTION* loaded)
{
    if (!loaded || !table || loaded->Count() <= table->Count()) {
        MergeTable(loaded);
        return;
    }
    AddMissingPairs(loaded, table);
    SetTable(loaded);
}

bool CAColorName::GetColorNames(std::uint32_t color, jx_STRING& out) const
{
    int index = FirstIndexOf(table, color);
    if (index >= 0) {
        out.Add(EntryAt(table, index)->text);
        while (++index < table->Count() && EntryAt(table, index)->color == color) {
            out.Add(u"\r\n");
            out.Add(EntryAt(table, index)->text);
        }
        return true;
    }
    const std::uint32_t red = color & 0xFF;
    if (red != (color >> 8 & 0xFF) || red != (color >> 16 & 0xFF))
        return false;
    const float percent = red * 100 / 255.0f;
    if (!(percent > 0 && percent < 100))
        return false;
    char16_t name[kGrayNameUnits];
    jxsprintf(name, kGrayNameUnits, u"gray %3.1f%%", static_cast<double>(percent));
    out.Add(name);
    return true;
}
