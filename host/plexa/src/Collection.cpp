#include "plexa/jx_COLLECTION.h"

#include <new>

#include "host/plexa/src/BlockList.h"

jx_COLLECTION* jx_COLLECTION::Create(int, int) { return new jx_COLLECTION(); }

jx_COLLECTION::jx_COLLECTION() : items(new BlockList), itemDeleter(nullptr) {}

jx_COLLECTION::~jx_COLLECTION()
{
    RemoveAll();
    delete items;
}

void jx_COLLECTION::Delete() { delete this; }

int jx_COLLECTION::Count() const { return items->Count(); }

void jx_COLLECTION::SetItemDeleter(jx_ITEMDELETER deleter) { itemDeleter = deleter; }

bool jx_COLLECTION::IsValidIndex(int index) const { return index >= 0 && index < items->Count(); }

void* jx_COLLECTION::At(int index) const { return IsValidIndex(index) ? items->At(index) : nullptr; }

void jx_COLLECTION::RemoveAt(int index)
{
    if (!IsValidIndex(index))
        return;
    void* item = items->Remove(index);
    if (itemDeleter)
        itemDeleter(item);
}

void jx_COLLECTION::RemoveAll()
{
    items->Clear([this](void* item) {
        if (itemDeleter)
            itemDeleter(item);
    });
}

// A collection that cannot grow answers -1: no exception leaves the
// library for a module's code.
int jx_COLLECTION::Add(void* item)
{
    try {
        items->Insert(items->Count(), item);
    } catch (const std::bad_alloc&) {
        return -1;
    }
    return items->Count() - 1;
}

bool jx_COLLECTION::Search(const void* key, int* index) const
{
    for (int i = 0; i < items->Count(); ++i) {
        if (items->At(i) == key) {
            if (index)
                *index = i;
            return true;
        }
    }
    return false;
}

jx_SORTEDCOLLECTION* jx_SORTEDCOLLECTION::Create(jx_COMPARE compare, int, int)
{
    return new jx_SORTEDCOLLECTION(compare);
}

jx_SORTEDCOLLECTION::jx_SORTEDCOLLECTION(jx_COMPARE order) : compare(order), duplicates(false), hint(0) {}

void jx_SORTEDCOLLECTION::AllowDuplicates(int allow) { duplicates = allow != 0; }

int jx_SORTEDCOLLECTION::Add(void* item)
{
    int index = 0;
    if (Search(item, &index)) {
        if (!duplicates)
            return -1;
        index = Bound(item, true);
    }
    try {
        items->Insert(index, item);
    } catch (const std::bad_alloc&) {
        return -1;
    }
    return index;
}

int jx_SORTEDCOLLECTION::AddSorted(void* const* added, int count)
{
    if (!added || count <= 0)
        return 0;
    const int held = items->Count();
    // All after the held items: appended where they are.
    if (held == 0 || compare(items->At(held - 1), added[0], nullptr) <= 0) {
        int appended = 0;
        try {
            for (; appended < count; ++appended)
                items->Append(added[appended]);
        } catch (const std::bad_alloc&) {
        }
        return appended;
    }
    // Else merged into a new list that replaces the old one only when whole.
    try {
        BlockList merged;
        int next = 0;
        for (int i = 0; i < held; ++i) {
            void* item = items->At(i);
            for (; next < count && compare(added[next], item, nullptr) < 0; ++next)
                merged.Append(added[next]);
            merged.Append(item);
        }
        for (; next < count; ++next)
            merged.Append(added[next]);
        *items = std::move(merged);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return count;
}

bool jx_SORTEDCOLLECTION::Search(const void* key, int* index) const
{
    const int lower = Bound(key, false);
    if (index)
        *index = lower;
    return lower < items->Count() && compare(key, items->At(lower), nullptr) == 0;
}

int jx_SORTEDCOLLECTION::Bound(const void* key, bool upper) const
{
    const auto before = [&](const void* item) {
        const int order = compare(key, item, nullptr);
        return order > 0 || (upper && order == 0);
    };
    const int count = items->Count();
    if (hint <= count && (hint == 0 || before(items->At(hint - 1))) && (hint == count || !before(items->At(hint))))
        return hint;
    hint = items->PartitionPoint(before);
    return hint;
}
