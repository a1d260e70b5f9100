#include "palette/ColorNameTable.h"

#include <algorithm>
#include <memory>
#include <new>

#include "plexa/TextHelpers.h"

namespace {

void DeleteItem(void* item) { DeleteColorNameEntry(static_cast<ColorNameEntry*>(item)); }

// Owns an entry until a table takes it.
using OwnedEntry = std::unique_ptr<ColorNameEntry, void (*)(ColorNameEntry*)>;

const ColorNameEntry* EntryAt(const jx_SORTEDCOLLECTION* table, int index)
{
    return static_cast<const ColorNameEntry*>(table->At(index));
}

// Index of the color's first entry, or -1.
int FirstIndexOf(const jx_SORTEDCOLLECTION* table, std::uint32_t color)
{
    if (!table)
        return -1;
    const ColorNameEntry key{color, nullptr};
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

// Colors are sorted twelve bits at a time: two passes over the names.
constexpr int kRadixBits = 12;
constexpr std::size_t kRadixBuckets = std::size_t{1} << kRadixBits;

// Made-up gray names fit in this many units.
constexpr int kGrayNameUnits = 50;

// Copies into `table` the pairs of `from` it lacks.
void AddMissingPairs(jx_SORTEDCOLLECTION* table, const jx_SORTEDCOLLECTION* from)
{
    for (int i = 0; i < from->Count(); ++i) {
        const ColorNameEntry* entry = EntryAt(from, i);
        if (ContainsPair(table, *entry))
            continue;
        OwnedEntry clone(CloneColorNameEntry(*entry), DeleteColorNameEntry);
        if (table->Add(clone.get()) < 0)
            throw std::bad_alloc();
        clone.release();
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
    table->SetItemDeleter(DeleteItem);
    return table;
}

// An entry and its text are one allocation: the text follows the entry.
ColorNameEntry* MakeColorNameEntry(std::uint32_t color, std::u16string_view text)
{
    void* block = ::operator new(sizeof(ColorNameEntry) + sizeof(char16_t) * (text.size() + 1));
    auto* entry = new (block) ColorNameEntry{color, nullptr};
    auto* stored = reinterpret_cast<char16_t*>(entry + 1);
    text.copy(stored, text.size());
    stored[text.size()] = 0;
    entry->text = stored;
    return entry;
}

ColorNameEntry* MakeColorNameEntry(std::uint32_t color, const char16_t* text)
{
    return MakeColorNameEntry(color, std::u16string_view(text ? text : u""));
}

ColorNameEntry* CloneColorNameEntry(const ColorNameEntry& source)
{
    if (!source.text) {
        ColorNameEntry* entry = MakeColorNameEntry(source.color, u"");
        entry->text = nullptr;
        return entry;
    }
    return MakeColorNameEntry(source.color, source.text);
}

void DeleteColorNameEntry(ColorNameEntry* entry)
{
    entry->~ColorNameEntry();
    ::operator delete(entry);
}

CColorNameBatch::~CColorNameBatch()
{
    for (const Pending& name : pending)
        DeleteColorNameEntry(name.entry);
}

void CColorNameBatch::Add(std::uint32_t color, std::u16string_view text)
{
    OwnedEntry entry(MakeColorNameEntry(color, text), DeleteColorNameEntry);
    pending.push_back({color, entry.get()});
    entry.release();
}

// Stable, so that of equal pairs the first in the file stays, as when the
// pairs were added one by one and a pair already present was passed over.
// Colors of 24 bits (all the readers make) are sorted by their digits, in
// time linear in the names; then each color's names by their text.
void CColorNameBatch::SortPending()
{
    const auto before = [](const Pending& a, const Pending& b) {
        if (a.color != b.color)
            return static_cast<std::int32_t>(a.color - b.color) < 0;
        return CompareColorNameEntries(a.entry, b.entry, nullptr) < 0;
    };
    if (std::any_of(pending.begin(), pending.end(), [](const Pending& name) { return name.color > 0xFFFFFF; })) {
        std::stable_sort(pending.begin(), pending.end(), before);
        return;
    }
    std::vector<Pending> sorted(pending.size());
    std::vector<std::size_t> starts(kRadixBuckets + 1);
    for (int shift = 0; shift < 24; shift += kRadixBits) {
        std::fill(starts.begin(), starts.end(), 0);
        for (const Pending& name : pending)
            ++starts[(name.color >> shift & (kRadixBuckets - 1)) + 1];
        for (std::size_t i = 1; i < starts.size(); ++i)
            starts[i] += starts[i - 1];
        for (const Pending& name : pending)
            sorted[starts[name.color >> shift & (kRadixBuckets - 1)]++] = name;
        pending.swap(sorted);
    }
    for (auto run = pending.begin(); run != pending.end();) {
        const auto end =
            std::find_if(run, pending.end(), [&](const Pending& name) { return name.color != run->color; });
        if (end - run > 1)
            std::stable_sort(run, end, before);
        run = end;
    }
}

void CColorNameBatch::AddTo(jx_SORTEDCOLLECTION* table)
{
    SortPending();
    std::vector<void*> kept;
    kept.reserve(pending.size());
    const bool tableHadNames = table->Count() > 0;
    const Pending* last = nullptr;
    for (const Pending& name : pending) {
        // Texts are read only for names of one color: the entries lie all
        // over the heap.
        const bool repeated = (last && last->color == name.color && SameText(last->entry->text, name.entry->text)) ||
                              (tableHadNames && ContainsPair(table, *name.entry));
        if (repeated) {
            DeleteColorNameEntry(name.entry);
        } else {
            kept.push_back(name.entry);
            last = &name;
        }
    }
    pending.clear();
    const int added = std::max(table->AddSorted(kept.data(), static_cast<int>(kept.size())), 0);
    // What the table could not take is still this batch's to free.
    for (std::size_t i = static_cast<std::size_t>(added); i < kept.size(); ++i)
        pending.push_back({0, static_cast<ColorNameEntry*>(kept[i])});
    if (!pending.empty())
        throw std::bad_alloc();
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
