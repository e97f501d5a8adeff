#include "tabstore/MapList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

using namespace tabstore;

namespace {

RowBuffer NewBuffer(unsigned char tag) {
    auto* buffer = new unsigned char[4]();
    buffer[0] = tag;
    return buffer;
}

} // namespace

TEST(MapListInteger, AddSafetyReplacesAddRefusesUpdateHandsBack) {
    CMapListIntegerID list;
    RowBuffer p = NewBuffer('p');
    ASSERT_EQ(list.AddSafety(5, NewBuffer('o')), 1);
    ASSERT_EQ(list.AddSafety(5, p), 1); // frees 'o': the sanitizer build would report a leak
    EXPECT_EQ(list.AddSafety(5, p), 1);
    EXPECT_EQ(list.SearchByID(5)[0], 'p'); // would read freed memory if p had been released
    EXPECT_EQ(list.TotalListSize(), 1u);

    RowBuffer q = NewBuffer('q');
    EXPECT_EQ(list.Add(5, q), kListNotTaken);
    EXPECT_EQ(list.SearchByID(5), p);
    EXPECT_EQ(list.Update(5, q), 1);
    EXPECT_EQ(p[0], 'p'); // still valid, the caller owns it again
    delete[] p;
    EXPECT_EQ(list.Update(4, NewBuffer('r')), 1); // absent key: inserted
    EXPECT_EQ(list.TotalListSize(), 2u);
}

TEST(MapListInteger, RefusalCodes) {
    CMapListIntegerID list;
    RowBuffer p = NewBuffer('p');
    EXPECT_EQ(list.AddSafety(0, p), -1);
    EXPECT_EQ(list.Add(0, p), -1);
    EXPECT_EQ(list.Update(0, p), -1);
    EXPECT_EQ(list.AddSafety(1, nullptr), -2);
    EXPECT_EQ(list.Remove(7), -3); // empty list
    list.Add(1, p);
    EXPECT_EQ(list.Remove(7), -2); // absent key
    EXPECT_EQ(list.Remove(0), -1);
    EXPECT_EQ(list.SearchByID(0), nullptr);
    EXPECT_EQ(list.Remove(1), 1);
    EXPECT_TRUE(list.IsEmpty());
}

TEST(MapListInteger, WalksInNumericKeyOrder) {
    CMapListIntegerID list;
    for (unsigned key : {30u, 2u, 100u, 7u})
        list.Add(key, NewBuffer(static_cast<unsigned char>(key)));
    std::vector<int> forward;
    for (RowBuffer at = list.GetNextIDUnsafety(0); at; at = list.GetNextIDUnsafety(at[0]))
        forward.push_back(at[0]);
    EXPECT_EQ(forward, (std::vector<int>{2, 7, 30, 100}));
    std::vector<int> backward;
    for (RowBuffer at = list.GetPrevIDUnsafety(0); at; at = list.GetPrevIDUnsafety(at[0]))
        backward.push_back(at[0]);
    EXPECT_EQ(backward, (std::vector<int>{100, 30, 7, 2}));
    EXPECT_EQ(list.GetNextIDUnsafety(8), nullptr); // absent key
    CMapListIntegerID empty;
    EXPECT_EQ(empty.GetNextIDUnsafety(0), nullptr);
    EXPECT_EQ(empty.GetPrevIDUnsafety(0), nullptr);
    EXPECT_EQ(empty.SearchOneByExtendedCallback([](RowBuffer) { return 1; }), nullptr);
}

TEST(MapListInteger, CallbackSearchFindsFirstNonZeroInKeyOrder) {
    CMapListIntegerID list;
    for (unsigned key : {5u, 1u, 3u})
        list.Add(key, NewBuffer(static_cast<unsigned char>(key)));
    RowBuffer found =
        list.SearchOneByExtendedCallback([](RowBuffer b) { return b[0] >= 3 ? -1 : 0; });
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found[0], 3); // -1 counts as a match for the integer list
}

TEST(MapListString, ByteWiseOrderAndPositiveCallback) {
    CMapListStringID list;
    for (const char* key : {"b", "B", "a", "ab"}) {
        RowBuffer buffer = new unsigned char[3]();
        std::strncpy(reinterpret_cast<char*>(buffer), key, 2);
        list.Add(key, buffer);
    }
    std::vector<std::string> keys;
    for (RowBuffer at = list.GetNextIDUnsafety(nullptr); at;
         at = list.GetNextIDUnsafety(reinterpret_cast<const char*>(at)))
        keys.emplace_back(reinterpret_cast<const char*>(at));
    EXPECT_EQ(keys, (std::vector<std::string>{"B", "a", "ab", "b"}));
    EXPECT_EQ(list.SearchOneByExtendedCallback([](RowBuffer) { return -1; }), nullptr);
    RowBuffer refused = new unsigned char[1]();
    EXPECT_EQ(list.AddSafety(nullptr, refused), -1);
    delete[] refused; // a refused buffer stays the caller's
}

TEST(MapListInteger, ConcurrentAddsFromManyThreadsAllArrive) {
    CMapListIntegerID list;
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < 4; ++t)
        threads.emplace_back([&list, t] {
            for (unsigned i = 1; i <= 2000; ++i)
                list.AddSafety(t * 10000 + i, new unsigned char[1]());
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(list.TotalListSize(), 8000u);
}
