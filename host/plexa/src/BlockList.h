// The storage behind host collections: items in a list of blocks of at most
// kMaxBlock items, so that inserting in the middle moves at most one block's
// items, while indexed access stays a binary search over the block starts.
// A sorted collection of 100,000 names fills in linear-ish time this way,
// where one flat array would move half of itself for every insertion.
#pragma once

#include <vector>

class BlockList {
public:
    int Count() const { return count; }
    void* At(int index) const;
    void Insert(int index, void* item);
    // Adds an item at the end: full blocks are left as they are, so a list
    // filled in order has no half-empty blocks.
    void Append(void* item);
    void* Remove(int index);
    // Calls visit for every item in order, then empties the list.
    template <typename Visit> void Clear(Visit visit);
    // For items partitioned by `before` (true for a prefix of the list, false
    // after it): the index of the first item for which it is false. Searches
    // the blocks by their last items, then inside one block, without the
    // per-item index lookups of At.
    template <typename Before> int PartitionPoint(Before before) const;

private:
    static constexpr int kMaxBlock = 512;
    // Block holding index and the index's position inside it.
    int BlockOf(int index) const;
    // Moves the starts of the blocks after `block` by change items.
    void ShiftStartsAfter(int block, int change);

    std::vector<std::vector<void*>> blocks;
    // starts[b]: index of the first item of block b.
    std::vector<int> starts;
    int count = 0;
    // The block of the last lookup: searches and the accesses right after
    // them stay in one block, so it is tried before searching the starts.
    mutable std::size_t lastBlock = 0;
};

template <typename Visit> void BlockList::Clear(Visit visit)
{
    // Emptied first, so a visitor that looks back at the list finds nothing.
    auto old = std::move(blocks);
    blocks.clear();
    starts.clear();
    count = 0;
    for (const auto& block : old)
        for (void* item : block)
            visit(item);
}

template <typename Before> int BlockList::PartitionPoint(Before before) const
{
    int low = 0;
    int high = static_cast<int>(blocks.size());
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (before(blocks[middle].back()))
            low = middle + 1;
        else
            high = middle;
    }
    if (low == static_cast<int>(blocks.size()))
        return count;
    lastBlock = static_cast<std::size_t>(low);
    const auto& items = blocks[low];
    int first = 0;
    int last = static_cast<int>(items.size());
    while (first < last) {
        const int middle = first + (last - first) / 2;
        if (before(items[middle]))
            first = middle + 1;
        else
            last = middle;
    }
    return starts[low] + first;
}
