#include "host/plexa/src/BlockList.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

int BlockList::BlockOf(int index) const
{
    if (lastBlock < blocks.size() && index >= starts[lastBlock] &&
        index - starts[lastBlock] < static_cast<int>(blocks[lastBlock].size()))
        return static_cast<int>(lastBlock);
    const auto next = std::upper_bound(starts.begin(), starts.end(), index);
    lastBlock = static_cast<std::size_t>(next - starts.begin()) - 1;
    return static_cast<int>(lastBlock);
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
    ShiftStartsAfter(block, 1);
    if (static_cast<int>(items.size()) > kMaxBlock) {
        std::vector<void*> upper(items.begin() + kMaxBlock / 2, items.end());
        items.resize(kMaxBlock / 2);
        upper.reserve(kMaxBlock);
        blocks.insert(blocks.begin() + block + 1, std::move(upper));
        starts.insert(starts.begin() + block + 1, starts[block] + kMaxBlock / 2);
    }
}

void BlockList::Append(void* item)
{
    if (blocks.empty() || static_cast<int>(blocks.back().size()) >= kMaxBlock) {
        blocks.emplace_back().reserve(kMaxBlock);
        starts.push_back(count);
    }
    blocks.back().push_back(item);
    ++count;
}

void* BlockList::Remove(int index)
{
    const int block = BlockOf(index);
    auto& items = blocks[block];
    void* item = items[index - starts[block]];
    items.erase(items.begin() + (index - starts[block]));
    --count;
    ShiftStartsAfter(block, -1);
    if (items.empty()) {
        blocks.erase(blocks.begin() + block);
        starts.erase(starts.begin() + block);
    }
    return item;
}

void BlockList::ShiftStartsAfter(int block, int change)
{
    // Every insertion pays this, so four starts at a time.
    int* start = starts.data() + block + 1;
    int* const end = starts.data() + starts.size();
#if defined(__SSE2__)
    const __m128i step = _mm_set1_epi32(change);
    for (; end - start >= 4; start += 4) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(start));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(start), _mm_add_epi32(four, step));
    }
#endif
    for (; start < end; ++start)
        *start += change;
}
