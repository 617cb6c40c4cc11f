#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "analysis/SizeCatalogue.h"

TEST(SizeCatalogue, ListsHoldEveryNameInOrderByteForByte)
{
    const auto round = SizeListNames(DuctShape::Round);
    ASSERT_EQ(round.size(), 50u);
    EXPECT_EQ(round[0], "10 3/8\" (17,2 x 2)");
    EXPECT_EQ(round[4], "32 1 1/4\" (42,4 x 2,9)");
    EXPECT_EQ(round[20], "1200 48\" (1240 x 20)");
    EXPECT_EQ(round[21], "80   (Went)");
    EXPECT_EQ(round[22], "90   (Went)");
    EXPECT_EQ(round[23], "100 (Went)");
    EXPECT_EQ(round[24], "110  (Went)");
    EXPECT_EQ(round[43], "1000 (Went)");
    EXPECT_EQ(round[49], "2000 (Went)");

    const auto rect = SizeListNames(DuctShape::Rectangular);
    ASSERT_EQ(rect.size(), 59u);
    EXPECT_EQ(rect[0], "100 x 100");
    EXPECT_EQ(rect[34], "400 x 1000");
    EXPECT_EQ(rect[58], "2000 x 2000");
}

TEST(SizeCatalogue, EntriesAgreeWithTheirNames)
{
    // Steel pipes: d = outer diameter - 2 x wall, as the name gives them.
    for (int i = 0; i < 21; ++i) {
        const std::string name = RoundSizes()[i].name;
        const auto open = name.find('(');
        std::string inner = name.substr(open + 1, name.size() - open - 2);
        for (char& c : inner)
            if (c == ',')
                c = '.';
        const double outer = std::stod(inner.substr(0, inner.find(" x ")));
        const double wall = std::stod(inner.substr(inner.find(" x ") + 3));
        EXPECT_NEAR(RoundSizes()[i].d, (outer - 2 * wall) / 1000, 1e-12) << name;
    }
    // Ventilation ducts: the leading millimetres, and every name ends "(Went)".
    for (int i = 21; i < 50; ++i) {
        const std::string name = RoundSizes()[i].name;
        EXPECT_EQ(name.substr(name.size() - 6), "(Went)");
        EXPECT_EQ(RoundSizes()[i].d, std::stoi(name) / 1000.0) << name;
    }
    for (const RectangularSize& s : RectangularSizes()) {
        const std::string name = s.name;
        EXPECT_EQ(s.l, std::stoi(name) / 1000.0) << name;
        EXPECT_EQ(s.h, std::stoi(name.substr(name.find(" x ") + 3)) / 1000.0) << name;
    }
}

TEST(SizeCatalogue, NearestSizeTiesKeepTheEarlierEntry)
{
    // d = 0.125 twice: the steel pipe (10) wins over the duct (25).
    EXPECT_EQ(FindNearestSize(DuctShape::Round, 0.0123), 10);
    const DuctGeometry duct125 = SizeGeometry(DuctShape::Round, 25);
    EXPECT_EQ(FindNearestSize(DuctShape::Round, duct125.F), 10);
    EXPECT_EQ(FindNearestSize(DuctShape::Round, SizeGeometry(DuctShape::Round, 41).F), 18);

    // "125 x 200" has the same area as "100 x 250", which comes first.
    const DuctGeometry r125x200 = SizeGeometry(DuctShape::Rectangular, 7);
    EXPECT_DOUBLE_EQ(r125x200.F, 0.025);
    EXPECT_EQ(FindNearestSize(DuctShape::Rectangular, r125x200.F), 4);
    // "125 x 160" and "100 x 200" differ in the last bit: each keeps its own.
    EXPECT_EQ(0.1 * 0.2, 0.020000000000000004);
    EXPECT_EQ(FindNearestSize(DuctShape::Rectangular, SizeGeometry(DuctShape::Rectangular, 6).F), 6);
    EXPECT_EQ(FindNearestSize(DuctShape::Rectangular, SizeGeometry(DuctShape::Rectangular, 3).F), 3);
}

TEST(SizeCatalogue, NearestSizeAtTheEdges)
{
    EXPECT_EQ(FindNearestSize(DuctShape::Round, 0), 0);
    EXPECT_EQ(FindNearestSize(DuctShape::Rectangular, 0), 0);
    EXPECT_EQ(FindNearestSize(DuctShape::Round, 1000), 49);
    EXPECT_EQ(FindNearestSize(DuctShape::Rectangular, 1000), 58);
    EXPECT_EQ(FindNearestSize(DuctShape::Round, -5), 0);
    EXPECT_EQ(FindNearestSize(DuctShape::Round, std::nan("")), 0);
    EXPECT_EQ(FindNearestSize(DuctShape::Rectangular, std::numeric_limits<double>::infinity()), 0);
    // The first flow analysis opening: F = 0.001 m² is nearest to DN 32.
    EXPECT_EQ(FindNearestSize(DuctShape::Round, 0.001), 4);
}

TEST(SizeCatalogue, GeometryOfRoundAndRectangularEntries)
{
    const DuctGeometry g = SizeGeometry(DuctShape::Round, 0);
    EXPECT_EQ(g.D, 0.0132);
    EXPECT_EQ(g.F, 0.0132 * 3.1415926535 * 0.0132 * 0.25);
    EXPECT_EQ(g.L, std::sqrt(2 * g.F));
    EXPECT_EQ(g.H, g.L / 2);

    const DuctGeometry r = SizeGeometry(DuctShape::Rectangular, 31); // 400 x 500
    EXPECT_EQ(r.L, 0.4);
    EXPECT_EQ(r.H, 0.5);
    EXPECT_EQ(r.F, 0.4 * 0.5);
    EXPECT_EQ(r.D, std::sqrt(r.F * 4 / 3.1415926535));

    // Outside the catalogue: the end marker's zeros, never a stray read.
    for (int index : {-1, 50, 100, 1000000}) {
        const DuctGeometry z = SizeGeometry(DuctShape::Round, index);
        EXPECT_EQ(z.D, 0);
        EXPECT_EQ(z.F, 0);
    }
    EXPECT_EQ(SizeGeometry(DuctShape::Rectangular, 59).L, 0);
}
