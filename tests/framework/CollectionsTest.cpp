#include "DWordArray.h"
#include "MapStringToPtr.h"
#include "PtrList.h"
#include "StringList.h"

#include <gtest/gtest.h>

namespace {

std::string Join(const CStringList& list)
{
    std::string s;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        s += list.GetNext(pos).str() + ",";
    return s;
}

} // namespace

TEST(CollectionsTest, ListInsertsAndRemovesByPosition)
{
    CStringList list;
    POSITION b = list.AddTail("b");
    list.AddHead("a");
    list.AddTail("d");
    list.InsertAfter(b, "c");
    EXPECT_EQ(Join(list), "a,b,c,d,");
    list.RemoveAt(b);
    EXPECT_EQ(Join(list), "a,c,d,");
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_STREQ(list.RemoveHead(), "a");
    EXPECT_STREQ(list.RemoveTail(), "d");
    EXPECT_STREQ(list.GetAt(list.FindIndex(0)), "c");
    EXPECT_EQ(list.FindIndex(1), nullptr);
    EXPECT_NE(list.Find(CString("c")), nullptr);
    EXPECT_EQ(list.Find(CString("x")), nullptr);
    CStringList copy(list);
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(Join(copy), "c,");
    POSITION pos = copy.GetTailPosition();
    copy.GetPrev(pos);
    EXPECT_EQ(pos, nullptr);
}

TEST(CollectionsTest, ArraysAndMaps)
{
    CDWordArray arr;
    arr.SetAtGrow(3, 7);
    EXPECT_EQ(arr.GetSize(), 4);
    EXPECT_EQ(arr[0], 0u);
    arr.InsertAt(0, 9);
    arr.RemoveAt(1, 2);
    EXPECT_EQ(arr.GetSize(), 3);
    EXPECT_EQ(arr[0], 9u);
    EXPECT_EQ(arr[2], 7u);

    CMapStringToPtr map;
    int a = 1, b = 2;
    map.SetAt("b", &b);
    map.SetAt("a", &a);
    void* p = nullptr;
    EXPECT_TRUE(map.Lookup("a", p));
    EXPECT_EQ(p, &a);
    EXPECT_FALSE(map.Lookup("A", p));
    std::string keys;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        CString key;
        map.GetNextAssoc(pos, key, p);
        keys += key.str();
    }
    EXPECT_EQ(keys, "ab");
    EXPECT_TRUE(map.RemoveKey("a"));
    EXPECT_FALSE(map.RemoveKey("a"));
    EXPECT_EQ(map.GetCount(), 1);
}
