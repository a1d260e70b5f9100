// The color-name table: names for colors, sorted by color and then by name,
// filled from palette files and consulted by every tooltip that describes a
// color. A gray without a name of its own gets one made up from its
// brightness.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "plexa/jx_COLLECTION.h"
#include "plexa/jx_STRING.h"

struct ColorNameEntry {
    // The packed color the name belongs to (alpha byte 0 from the readers).
    std::uint32_t color;
    // The name as compared and looked up: in entries made here, stored right
    // after the entry. A null text (a search key) matches every entry of its
    // color.
    const char16_t* text;
};

// Orders by color (the signed difference of the packed words), then by text
// unit by unit without case folding; a null text equals any text.
int CompareColorNameEntries(const void* a, const void* b, void* extra);

// A new empty table (one reference, the caller's) that owns its entries.
jx_SORTEDCOLLECTION* CreateColorNameTable();

// A new entry holding a copy of text (null: the empty name), in one
// allocation. These and CColorNameBatch throw std::bad_alloc when memory
// runs out.
ColorNameEntry* MakeColorNameEntry(std::uint32_t color, const char16_t* text);
ColorNameEntry* MakeColorNameEntry(std::uint32_t color, std::u16string_view text);
// A copy of source with a copy of its text (a null text stays null).
ColorNameEntry* CloneColorNameEntry(const ColorNameEntry& source);
// Frees an entry made by the two above.
void DeleteColorNameEntry(ColorNameEntry* entry);

// The names of one file, gathered as they are read and then added to a
// table in one sort-and-merge step, without a search per pair: a pair the
// table holds already is not added again, nor a pair repeated in the file
// (the first of equal pairs stays).
class CColorNameBatch {
public:
    CColorNameBatch() = default;
    CColorNameBatch(const CColorNameBatch&) = delete;
    CColorNameBatch& operator=(const CColorNameBatch&) = delete;
    ~CColorNameBatch();

    // text must not be empty.
    void Add(std::uint32_t color, std::u16string_view text);
    // Adds the pairs the table lacks, each once, and forgets them all.
    void AddTo(jx_SORTEDCOLLECTION* table);

private:
    // The color beside its entry: sorting compares colors without reading
    // the entries, which lie all over the heap.
    struct Pending {
        std::uint32_t color;
        ColorNameEntry* entry;
    };
    void SortPending();

    std::vector<Pending> pending;
};

// The first name of a color in table order, or null.
const char16_t* FirstColorName(const jx_SORTEDCOLLECTION* table, std::uint32_t color);

// Holds one reference to a name table.
class CAColorName {
public:
    CAColorName() = default;
    explicit CAColorName(jx_SORTEDCOLLECTION* adopted) : table(adopted) {}
    CAColorName(const CAColorName&) = delete;
    CAColorName& operator=(const CAColorName&) = delete;
    virtual ~CAColorName();

    jx_SORTEDCOLLECTION* Table() const { return table; }
    // Holds `replacement` (adding a reference) instead of the present table.
    void SetTable(jx_SORTEDCOLLECTION* replacement);
    // Adds the names of `other` that the held table lacks; holds `other`
    // itself when no table is held yet. `other` is not changed.
    void MergeTable(jx_SORTEDCOLLECTION* other);
    // The same names as MergeTable, for a freshly loaded table nobody else
    // holds: when it is the larger one, the held names go into it and it
    // is held instead, so a large palette's names are not copied one by one.
    void MergeLoadedTable(jx_SORTEDCOLLECTION* loaded);
    // Appends the color's names to out, separated by "\r\n", in table order;
    // a gray without names gets "gray 50.2%" and the like (not black or
    // white). True when something was appended.
    bool GetColorNames(std::uint32_t color, jx_STRING& out) const;

private:
    jx_SORTEDCOLLECTION* table = nullptr;
};
