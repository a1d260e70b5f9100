#include "plexa/jx_COLLECTION.h"

#include <algorithm>
#include <cstring>

jx_COLLECTION* jx_COLLECTION::Create(int initial, int growth) { return new jx_COLLECTION(initial, growth); }

jx_COLLECTION::jx_COLLECTION(int initial, int growthStep)
    : items(nullptr), count(0), capacity(std::max(initial, 0)), growth(std::max(growthStep, 1)),
      itemDeleter(nullptr)
{
    if (capacity > 0)
        items = new void*[capacity];
}

jx_COLLECTION::~jx_COLLECTION()
{
    RemoveAll();
    delete[] items;
}

void jx_COLLECTION::Delete() { delete this; }

int jx_COLLECTION::Count() const { return count; }

void jx_COLLECTION::SetItemDeleter(jx_ITEMDELETER deleter) { itemDeleter = deleter; }

bool jx_COLLECTION::IsValidIndex(int index) const { return index >= 0 && index < count; }

void* jx_COLLECTION::At(int index) const { return IsValidIndex(index) ? items[index] : nullptr; }

void jx_COLLECTION::RemoveAt(int index)
{
    if (!IsValidIndex(index))
        return;
    void* item = items[index];
    std::memmove(items + index, items + index + 1, sizeof(void*) * (count - index - 1));
    --count;
    if (itemDeleter)
        itemDeleter(item);
}

void jx_COLLECTION::RemoveAll()
{
    // Empty first, so a deleter that looks at the collection sees no stale item.
    const int removed = count;
    count = 0;
    if (itemDeleter)
        for (int i = 0; i < removed; ++i)
            itemDeleter(items[i]);
}

int jx_COLLECTION::Add(void* item)
{
    InsertAt(count, item);
    return count - 1;
}

bool jx_COLLECTION::Search(const void* key, int* index) const
{
    const auto found = std::find(items, items + count, key);
    if (found == items + count)
        return false;
    if (index)
        *index = static_cast<int>(found - items);
    return true;
}

void jx_COLLECTION::InsertAt(int index, void* item)
{
    if (count == capacity) {
        const int newCapacity = capacity + std::max(growth, capacity / 2);
        auto* grown = new void*[newCapacity];
        if (count)
            std::memcpy(grown, items, sizeof(void*) * count);
        delete[] items;
        items = grown;
        capacity = newCapacity;
    }
    std::memmove(items + index + 1, items + index, sizeof(void*) * (count - index));
    items[index] = item;
    ++count;
}

jx_SORTEDCOLLECTION* jx_SORTEDCOLLECTION::Create(jx_COMPARE compare, int initial, int growth)
{
    return new jx_SORTEDCOLLECTION(compare, initial, growth);
}

jx_SORTEDCOLLECTION::jx_SORTEDCOLLECTION(jx_COMPARE order, int initial, int growth)
    : jx_COLLECTION(initial, growth), compare(order), duplicates(false)
{
}

void jx_SORTEDCOLLECTION::AllowDuplicates(int allow) { duplicates = allow != 0; }

int jx_SORTEDCOLLECTION::Add(void* item)
{
    int index = 0;
    if (Search(item, &index)) {
        if (!duplicates)
            return -1;
        index = Bound(item, true);
    }
    InsertAt(index, item);
    return index;
}

bool jx_SORTEDCOLLECTION::Search(const void* key, int* index) const
{
    const int lower = Bound(key, false);
    if (index)
        *index = lower;
    return lower < count && compare(key, items[lower], nullptr) == 0;
}

int jx_SORTEDCOLLECTION::Bound(const void* key, bool upper) const
{
    int low = 0;
    int high = count;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const int order = compare(key, items[middle], nullptr);
        if (order > 0 || (upper && order == 0))
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}
