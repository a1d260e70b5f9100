// The palette's slots: a flat array laid out in rows of twelve, each slot a
// packed color (alpha byte 0) or EMPTY_SLOT.
#pragma once

#include <cstdint>
#include <memory>

// An empty slot. Its low bytes are 0, so reading channels without testing
// for emptiness sees black.
constexpr std::uint32_t EMPTY_SLOT = 0xF0000000;

class CPaletteSlots {
public:
    static constexpr int kColumns = 12;

    int Count() const { return count; }
    int Columns() const { return columns; }
    int Rows() const { return rows; }
    void SetRows(int newRows) { rows = newRows; }
    std::uint32_t At(int index) const { return slots[index]; }
    void Set(int index, std::uint32_t value) { slots[index] = value; }
    const std::uint32_t* Data() const { return slots.get(); }
    // Index of the last slot that is not empty, or -1.
    int LastUsed() const;

    // Resizes to n slots (a negative n counts as 0): the first slots are
    // kept and new ones are empty. Returns whether the count changed.
    bool SetSlotCount(int n);
    // Keeps exactly one complete empty row after the last used slot, and at
    // least minimumCount slots: grows by a row when less than a complete
    // empty row follows, drops surplus empty rows down to one. Relies on
    // rows being count / columns on entry, as the loaders leave it.
    // Returns whether the count changed.
    bool NormalizeRows(int minimumCount);

private:
    int columns = kColumns;
    int rows = 0;
    std::unique_ptr<std::uint32_t[]> slots;
    int count = 0;
};
