// Zero-terminated texts of a document, copied into blocks and known by a
// 32-bit place: a value costs its characters and one terminator, no
// pointer and no allocation of its own. Place 0 is the empty text.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

template <typename Char> class XmlTextArena {
public:
    XmlTextArena() { Clear(); }
    XmlTextArena(const XmlTextArena&) = delete;
    XmlTextArena& operator=(const XmlTextArena&) = delete;

    std::uint32_t Copy(std::basic_string_view<Char> text)
    {
        if (text.empty())
            return 0;
        const std::size_t units = text.size() + 1;
        std::uint32_t place = 0;
        Char* copy = nullptr;
        if (units > kBlockUnits / 4) {
            // A long text gets blocks of its own, in one piece, so that it
            // is read whole from its place like any other.
            const std::size_t count = (units + kBlockUnits - 1) / kBlockUnits;
            Char* piece = pieces.emplace_back(std::make_unique_for_overwrite<Char[]>(count * kBlockUnits)).get();
            place = static_cast<std::uint32_t>(blockStarts.size()) * kBlockUnits;
            for (std::size_t i = 0; i < count; ++i)
                blockStarts.push_back(piece + i * kBlockUnits);
            copy = piece;
        } else {
            if (used + units > kBlockUnits)
                AddBlock();
            place = block * kBlockUnits + used;
            copy = blockStarts[block] + used;
            used += static_cast<std::uint32_t>(units);
        }
        std::copy(text.begin(), text.end(), copy);
        copy[text.size()] = 0;
        return place;
    }

    const Char* At(std::uint32_t place) const { return blockStarts[place / kBlockUnits] + place % kBlockUnits; }

    void Clear()
    {
        pieces.clear();
        blockStarts.clear();
        AddBlock();
        blockStarts[0][0] = 0;
        used = 1;
    }

private:
    static constexpr std::uint32_t kBlockUnits = 16384;

    void AddBlock()
    {
        block = static_cast<std::uint32_t>(blockStarts.size());
        blockStarts.push_back(pieces.emplace_back(std::make_unique_for_overwrite<Char[]>(kBlockUnits)).get());
        used = 0;
    }

    // Each block, or each block's worth of a long text's piece.
    std::vector<Char*> blockStarts;
    std::vector<std::unique_ptr<Char[]>> pieces;
    // The block being filled, and how far.
    std::uint32_t block = 0;
    std::uint32_t used = 0;
};
