// Reference-counted collections of pointer-sized items, in insertion order
// (jx_COLLECTION) or kept sorted by a comparison (jx_SORTEDCOLLECTION).
#pragma once

#include "plexa/jx_interface.h"

// Called for each item a collection removes, and for each item still held
// when the last reference is released.
using jx_ITEMDELETER = void (*)(void* item);
// Signed order of a and b; extra is always null.
using jx_COMPARE = int (*)(const void* a, const void* b, void* extra);

class PLEXA_API jx_COLLECTION : public jx_interface {
public:
    // initial and growth are sizing hints of the host's interface; the
    // storage grows in blocks whatever they say. One reference is held by
    // the caller.
    static jx_COLLECTION* Create(int initial, int growth);

    void Delete() override;

    int Count() const;
    void SetItemDeleter(jx_ITEMDELETER deleter);
    bool IsValidIndex(int index) const;
    // Null for an invalid index.
    void* At(int index) const;
    // Removes one item (nothing for an invalid index) or all of them; the
    // item deleter, if set, is called for each.
    void RemoveAt(int index);
    void RemoveAll();
    // Returns the index of the new item, or -1 when it was not added (an
    // equal item refused, or no memory to grow).
    virtual int Add(void* item);
    // Unsorted: the first item identical to key. Sorted: see below. On
    // success *index is the item's index.
    virtual bool Search(const void* key, int* index) const;

protected:
    jx_COLLECTION();
    // Virtual, so Delete frees a sorted collection whole.
    virtual ~jx_COLLECTION();

    class BlockList* items;
    jx_ITEMDELETER itemDeleter;
};

class PLEXA_API jx_SORTEDCOLLECTION final : public jx_COLLECTION {
public:
    static jx_SORTEDCOLLECTION* Create(jx_COMPARE compare, int initial, int growth);

    // Items that compare equal to one already held are refused (Add answers
    // -1) until this is called with 1; equal items then keep the order in
    // which they were added.
    void AllowDuplicates(int allow);
    // Inserts in order.
    int Add(void* item) override;
    // Adds count items that are in order already (each equal to or after
    // the one before), in one pass instead of a search each; items equal
    // to held ones go after them, also when duplicates are refused. Answers
    // how many of the first items were added: all, or fewer when memory
    // ran out (the rest are not the collection's).
    int AddSorted(void* const* added, int count);
    // Binary search with compare(key, item). Found: *index is the lowest
    // index among equal items. Not found: *index is where key would go.
    bool Search(const void* key, int* index) const override;

private:
    explicit jx_SORTEDCOLLECTION(jx_COMPARE compare);
    ~jx_SORTEDCOLLECTION() override = default;
    // First index whose item orders after key (upper) or not before it (lower).
    int Bound(const void* key, bool upper) const;

    jx_COMPARE compare;
    bool duplicates;
    // Where the last search ended: a search for the same key again (a
    // lookup, then the insertion of what was looked up) checks it with two
    // comparisons instead of searching anew.
    mutable int hint;
};
