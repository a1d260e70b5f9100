// Where each entry of the palette menu takes its palette from: a file name
// relative to the palette folder and a resource reference ("TYPE|NAME"),
// either of which may be empty. An entry's position plus 4001 is its menu
// command.
#pragma once

#include <string_view>

#include "plexa/jx_COLLECTION.h"

// The palette used when no catalog entry is chosen.
inline constexpr char16_t kDefaultPaletteFile[] = u"Default palette.gpl";
inline constexpr char16_t kDefaultPaletteResource[] = u"PALETTE|SIMPLE_PALETTE";

class CDefaultPaletteContainer {
public:
    CDefaultPaletteContainer() = default;
    CDefaultPaletteContainer(const CDefaultPaletteContainer&) = delete;
    CDefaultPaletteContainer& operator=(const CDefaultPaletteContainer&) = delete;
    virtual ~CDefaultPaletteContainer();

    // Drops every entry (and the collection).
    void Clear();
    // Appends an entry; returns its position.
    int Add(std::u16string_view fileName, std::u16string_view resourceReference);
    int Count() const;
    // Empty texts for a position without an entry.
    const char16_t* FileName(int position) const;
    const char16_t* ResourceReference(int position) const;

private:
    const char16_t* Block(int position) const;

    jx_COLLECTION* entries = nullptr;
};
