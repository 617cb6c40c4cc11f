#include <gtest/gtest.h>

#include "base/StringTable.h"
#include "media/Messages.h"
#include "units/Quantities.h"

namespace {

TEST(StringTable, SampleTextsAsWritten)
{
    EXPECT_EQ(LoadText(101), "&Informacje - Zentaro...");
    EXPECT_EQ(LoadText(102), "Zakończ");
    EXPECT_EQ(LoadText(kQuantityLength), "Długość");
    EXPECT_EQ(LoadText(1008), "mile");
    EXPECT_EQ(LoadText(3104), "st Rank");
    EXPECT_EQ(LoadText(9901), "bez miana");
    EXPECT_EQ(LoadText(10000).substr(0, 17), "Komentarz:\n in (\"");
    EXPECT_EQ(LoadText(10025), LoadText(10021));
    EXPECT_EQ(LoadText(10031), "Komentarz:\n");
    EXPECT_EQ(LoadText(kMsgTemperatureBelowDewPoint), "Temperatura niższa od punktu rosy");
    EXPECT_EQ(LoadText(10522), "A--->B(");
    EXPECT_EQ(LoadText(11104), "Nie można zapisać danych w Schowku");
    EXPECT_EQ(LoadText(kIdsNumberExpected), "Proszę podać liczbę.");
    EXPECT_EQ(LoadText(kIdsNumberOutOfRange), "Proszę podać liczbę z zakresu od %1 do %2.");
    EXPECT_NE(LoadText(kIdsMassFlowChanged).find("\n\nCzy aktualizować"), std::string::npos);
}

TEST(StringTable, UnknownIdGivesEmptyText)
{
    EXPECT_TRUE(LoadText(0).empty());
    EXPECT_TRUE(LoadText(1010).empty()); // after the nine length units
    EXPECT_TRUE(LoadText(-5).empty());
    EXPECT_TRUE(LoadText(99999).empty());
}

TEST(StringTable, EveryNamedIdExists)
{
    std::vector<int> ids = {101,
                            102,
                            kQuantityPercent,
                            kQuantityPercent + 1,
                            kQuantityDimensionless,
                            kQuantityDimensionless + 1,
                            kIdsMassFlowChanged,
                            11102,
                            11103,
                            11104};
    for (int q = kQuantityFirst; q <= kQuantityLast; q += kQuantityStep)
        ids.push_back(q);
    for (int id = 10000; id <= 10032; ++id)
        ids.push_back(id);
    for (int id = kMsgTemperatureBelowMinimum; id <= kMsgValueNotFinite; ++id)
        ids.push_back(id);
    for (int id = 10499; id <= 10523; ++id)
        ids.push_back(id);
    for (int id : ids)
        EXPECT_FALSE(LoadText(id).empty()) << id;
}

TEST(StringTable, UnitCountsPerQuantity)
{
    // Unit ids of a quantity are consecutive, without gaps.
    const int counts[31] = {9, 11, 12, 6, 14, 7, 8, 6, 5, 24, 4, 5, 9, 24, 22, 9,
                            5, 7, 5, 5, 5, 4, 1, 1, 4, 4, 9, 1, 5, 5, 2};
    for (int q = 0; q < 31; ++q) {
        const int base = kQuantityFirst + kQuantityStep * q;
        for (int u = 0; u < counts[q]; ++u)
            EXPECT_FALSE(LoadText(base + 1 + u).empty()) << base + 1 + u;
        EXPECT_TRUE(LoadText(base + 1 + counts[q]).empty()) << base;
    }
}

} // namespace
