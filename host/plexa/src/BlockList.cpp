#include "BlockList.h"

#include <algorithm>

int BlockList::BlockOf(int index) const
{
    const auto next = std::upper_bound(starts.begin(), starts.end(), index);
    return static_cast<int>(next - starts.begin()) - 1;
}

void* BlockList::At(int index) const
{
    const int block = BlockOf(index);
    return blocks[block][index - starts[block]];
}

void BlockList::Insert(int index, void* item)
{
    if (blocks.empty()) {
        blocks.emplace_back().reserve(kMaxBlock);
        starts.push_back(0);
    }
    // The end of the list belongs to the last block.
    const int block = index == count ? static_cast<int>(blocks.size()) - 1 : BlockOf(index);
    auto& items = blocks[block];
    items.insert(items.begin() + (index - starts[block]), item);
    ++count;
    if (static_cast<int>(items.size()) > kMaxBlock) {
        std::vector<void*> upper(items.begin() + kMaxBlock / 2, items.end());
        items.resize(kMaxBlock / 2);
        upper.reserve(kMaxBlock);
        blocks.insert(blocks.begin() + block + 1, std::move(upper));
        starts.insert(starts.begin() + block + 1, 0);
    }
    RecountFrom(block + 1);
}

void* BlockList::Remove(int index)
{
    const int block = BlockOf(index);
    auto& items = blocks[block];
    void* item = items[index - starts[block]];
    items.erase(items.begin() + (index - starts[block]));
    --count;
    if (items.empty()) {
        blocks.erase(blocks.begin() + block);
        starts.erase(starts.begin() + block);
        RecountFrom(block);
    } else {
        RecountFrom(block + 1);
    }
    return item;
}

void BlockList::RecountFrom(int block)
{
    for (int b = std::max(block, 1); b < static_cast<int>(blocks.size()); ++b)
        starts[b] = starts[b - 1] + static_cast<int>(blocks[b - 1].size());
    if (!starts.empty())
        starts[0] = 0;
}
