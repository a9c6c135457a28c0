#include "LengthSequence.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace {

void ExpectSame(const CLengthSequence& seq, const std::vector<DWORD>& ref, std::mt19937& random)
{
    ASSERT_EQ(seq.GetCount(), static_cast<LONG>(ref.size()));
    LONG nTotal = 0;
    for (DWORD d : ref)
        nTotal += static_cast<LONG>(d & 0xFFFF);
    ASSERT_EQ(seq.GetTotal(), nTotal);
    std::vector<DWORD> all;
    seq.CopyItems(0, seq.GetCount(), all);
    ASSERT_EQ(all, ref);
    if (ref.empty())
        return;
    // Random position and index look-ups, against a linear walk.
    for (int i = 0; i < 20; ++i) {
        LONG nPos = static_cast<LONG>(random() % static_cast<unsigned>(nTotal + 1));
        LONG nStart = 0, nIndex = 0, nAt = 0;
        for (; nIndex < static_cast<LONG>(ref.size()); ++nIndex) {
            LONG nLength = static_cast<LONG>(ref[static_cast<size_t>(nIndex)] & 0xFFFF);
            if (nPos < nAt + nLength || nIndex + 1 == static_cast<LONG>(ref.size()))
                break;
            nAt += nLength;
        }
        nStart = nAt;
        LONG nGotStart;
        ASSERT_EQ(seq.FindIndex(nPos, nGotStart), nIndex) << nPos;
        ASSERT_EQ(nGotStart, nStart);
        ASSERT_EQ(seq.GetStart(nIndex), nStart);
        ASSERT_EQ(seq.GetAt(nIndex), ref[static_cast<size_t>(nIndex)]);
    }
}

}  // namespace

TEST(LengthSequenceTest, RandomReplacesMatchAVector)
{
    std::mt19937 random(77);
    CLengthSequence seq(0xFFFF);
    std::vector<DWORD> ref;
    for (int nStep = 0; nStep < 1500; ++nStep) {
        LONG nCount = static_cast<LONG>(ref.size());
        LONG nFirst = static_cast<LONG>(random() % static_cast<unsigned>(nCount + 1));
        LONG nRemove = nCount == nFirst ? 0 : static_cast<LONG>(random() % static_cast<unsigned>(std::min<LONG>(nCount - nFirst, 3000) + 1));
        // Mostly small edits, now and then a bulk insert of thousands.
        LONG nInsert = random() % 10 == 0 ? static_cast<LONG>(random() % 6000) : static_cast<LONG>(random() % 5);
        if (random() % 7 == 0)
            nRemove = 0;
        std::vector<DWORD> items(static_cast<size_t>(nInsert));
        for (DWORD& d : items)
            d = static_cast<DWORD>(1 + random() % 100) | (static_cast<DWORD>(random() % 8) << 16);
        seq.Replace(nFirst, nRemove, items.data(), nInsert);
        ref.erase(ref.begin() + nFirst, ref.begin() + nFirst + nRemove);
        ref.insert(ref.begin() + nFirst, items.begin(), items.end());
        ASSERT_NO_FATAL_FAILURE(ExpectSame(seq, ref, random)) << "step " << nStep;
    }
}

TEST(LengthSequenceTest, ZeroLengthLastItemOwnsTheEnd)
{
    // The line table's shape: lines with their line ends and an empty last line.
    CLengthSequence seq;
    std::vector<DWORD> lines(5000, 4);
    lines.push_back(0);
    seq.Replace(0, 0, lines.data(), static_cast<LONG>(lines.size()));
    LONG nStart;
    EXPECT_EQ(seq.FindIndex(20000, nStart), 5000);
    EXPECT_EQ(nStart, 20000);
    EXPECT_EQ(seq.FindIndex(19999, nStart), 4999);
    EXPECT_EQ(seq.FindIndex(0, nStart), 0);
    seq.Replace(0, 5001, nullptr, 0);
    EXPECT_EQ(seq.FindIndex(0, nStart), -1);
    EXPECT_EQ(seq.GetMemoryUsage(), sizeof(CLengthSequence));
}
