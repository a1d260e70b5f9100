#include "plexa/jx_COLLECTION.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

void* Item(std::intptr_t value) { return reinterpret_cast<void*>(value); }
std::intptr_t Value(void* item) { return reinterpret_cast<std::intptr_t>(item); }

std::vector<std::intptr_t> deleted;
void RecordDeleted(void* item) { deleted.push_back(Value(item)); }

// Orders items by their value divided by 10, so 31 and 35 are equal.
int CompareTens(const void* a, const void* b, void*)
{
    const auto x = reinterpret_cast<std::intptr_t>(a) / 10;
    const auto y = reinterpret_cast<std::intptr_t>(b) / 10;
    return x < y ? -1 : x > y ? 1 : 0;
}

std::vector<std::intptr_t> Contents(const jx_COLLECTION& collection)
{
    std::vector<std::intptr_t> values;
    for (int i = 0; i < collection.Count(); ++i)
        values.push_back(Value(collection.At(i)));
    return values;
}

class CollectionFixture : public ::testing::Test {
protected:
    void SetUp() override { deleted.clear(); }
};

} // namespace

using Collection = CollectionFixture;
using SortedCollection = CollectionFixture;

TEST_F(Collection, InvalidIndexesAreHarmless)
{
    jx_COLLECTION* collection = jx_COLLECTION::Create(0, 0);
    collection->Add(Item(7));
    EXPECT_FALSE(collection->IsValidIndex(-1));
    EXPECT_FALSE(collection->IsValidIndex(1));
    EXPECT_EQ(collection->At(1), nullptr);
    EXPECT_EQ(collection->At(-1), nullptr);
    collection->RemoveAt(5);
    EXPECT_EQ(collection->Count(), 1);
    collection->Release();
}

TEST_F(Collection, SearchFindsTheFirstIdenticalItem)
{
    jx_COLLECTION* collection = jx_COLLECTION::Create(4, 4);
    collection->Add(Item(5));
    collection->Add(Item(9));
    collection->Add(Item(9));
    int index = -1;
    EXPECT_TRUE(collection->Search(Item(9), &index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(collection->Search(Item(6), &index));
    collection->Release();
}

TEST_F(Collection, DeleterRunsForRemovedItemsAndAtTheLastRelease)
{
    jx_COLLECTION* collection = jx_COLLECTION::Create(4, 4);
    collection->SetItemDeleter(RecordDeleted);
    for (int i = 1; i <= 4; ++i)
        collection->Add(Item(i));
    collection->RemoveAt(1);
    EXPECT_EQ(Contents(*collection), (std::vector<std::intptr_t>{1, 3, 4}));
    EXPECT_EQ(deleted, std::vector<std::intptr_t>{2});

    collection->AddRef();
    EXPECT_EQ(collection->Release(), 1);
    EXPECT_EQ(deleted.size(), 1u);
    EXPECT_EQ(collection->Release(), 0);
    EXPECT_EQ(deleted, (std::vector<std::intptr_t>{2, 1, 3, 4}));
}

TEST_F(Collection, RemoveAllEmptiesAndDeletesEveryItem)
{
    jx_COLLECTION* collection = jx_COLLECTION::Create(4, 4);
    collection->SetItemDeleter(RecordDeleted);
    collection->Add(Item(1));
    collection->Add(Item(2));
    collection->RemoveAll();
    EXPECT_EQ(collection->Count(), 0);
    EXPECT_EQ(deleted.size(), 2u);
    collection->Add(Item(3));
    EXPECT_EQ(Value(collection->At(0)), 3);
    collection->Release();
    EXPECT_EQ(deleted.size(), 3u);
}

TEST_F(SortedCollection, RefusesEqualItemsUntilDuplicatesAreAllowed)
{
    jx_SORTEDCOLLECTION* sorted = jx_SORTEDCOLLECTION::Create(CompareTens, 32, 16);
    EXPECT_EQ(sorted->Add(Item(31)), 0);
    EXPECT_EQ(sorted->Add(Item(35)), -1);
    sorted->AllowDuplicates(1);
    EXPECT_EQ(sorted->Add(Item(35)), 1);
    EXPECT_EQ(sorted->Count(), 2);
    sorted->Release();
}

TEST_F(SortedCollection, SearchReportsTheLowestIndexAmongEqualItems)
{
    jx_SORTEDCOLLECTION* sorted = jx_SORTEDCOLLECTION::Create(CompareTens, 32, 16);
    sorted->AllowDuplicates(1);
    for (const std::intptr_t value : {10, 31, 20, 32, 33, 40, 34})
        sorted->Add(Item(value));
    // Equal items keep the order they were added in.
    EXPECT_EQ(Contents(*sorted), (std::vector<std::intptr_t>{10, 20, 31, 32, 33, 34, 40}));
    int index = -1;
    EXPECT_TRUE(sorted->Search(Item(39), &index));
    EXPECT_EQ(index, 2);
    EXPECT_TRUE(sorted->Search(Item(10), &index));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(sorted->Search(Item(5), &index));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(sorted->Search(Item(99), &index));
    EXPECT_EQ(index, 7);
    sorted->Release();
}

TEST_F(SortedCollection, ManyItemsInShuffledOrderStaySortedAcrossStorageBlocks)
{
    jx_SORTEDCOLLECTION* sorted = jx_SORTEDCOLLECTION::Create(CompareTens, 32, 16);
    sorted->AllowDuplicates(1);
    // 5000 distinct tens, visited in a scrambled but complete order.
    for (std::intptr_t i = 0; i < 5000; ++i)
        sorted->Add(Item((i * 2887 % 5000) * 10));
    ASSERT_EQ(sorted->Count(), 5000);
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(Value(sorted->At(i)), i * 10) << i;
    // Remove every other item, then check lookups still find the right index.
    for (int i = 4999; i >= 0; i -= 2)
        sorted->RemoveAt(i);
    ASSERT_EQ(sorted->Count(), 2500);
    int index = -1;
    EXPECT_TRUE(sorted->Search(Item(4000 * 10), &index));
    EXPECT_EQ(index, 2000);
    EXPECT_FALSE(sorted->Search(Item(4001 * 10), &index));
    EXPECT_EQ(index, 2001);
    sorted->Release();
}

TEST_F(SortedCollection, SortedRunsAreAppendedOrMergedAfterTheirEquals)
{
    jx_SORTEDCOLLECTION* sorted = jx_SORTEDCOLLECTION::Create(CompareTens, 32, 16);
    std::vector<void*> first;
    for (std::intptr_t i = 0; i < 1500; ++i)
        first.push_back(Item(i * 20));
    EXPECT_EQ(sorted->AddSorted(first.data(), 1500), 1500);
    // Between, after and equal to held items (31 after 30).
    void* between[] = {Item(10), Item(31), Item(50), Item(29995), Item(40000)};
    EXPECT_EQ(sorted->AddSorted(between, 5), 5);
    ASSERT_EQ(sorted->Count(), 1505);
    const std::vector<std::intptr_t> held = Contents(*sorted);
    EXPECT_EQ(std::vector<std::intptr_t>(held.begin(), held.begin() + 7),
              (std::vector<std::intptr_t>{0, 10, 20, 31, 40, 50, 60}));
    EXPECT_EQ(std::vector<std::intptr_t>(held.end() - 3, held.end()),
              (std::vector<std::intptr_t>{29980, 29995, 40000}));
    int index = -1;
    EXPECT_TRUE(sorted->Search(Item(29980), &index));
    EXPECT_EQ(index, 1502);
    sorted->Release();
}

TEST_F(Collection, AppendsAndRemovesAcrossStorageBlocks)
{
    jx_COLLECTION* collection = jx_COLLECTION::Create(4, 4);
    for (int i = 0; i < 3000; ++i)
        collection->Add(Item(i));
    for (int i = 0; i < 1500; ++i)
        collection->RemoveAt(0);
    EXPECT_EQ(collection->Count(), 1500);
    EXPECT_EQ(Value(collection->At(0)), 1500);
    EXPECT_EQ(Value(collection->At(1499)), 2999);
    collection->Release();
}
