#include "analysis/SizeCatalogue.h"

#include <cmath>
#include <limits>

namespace {

constexpr RoundSize kRound[] = {
    // Steel pipes: DN, inches, outer diameter x wall (mm); d = outer - 2 wall.
    {"10 3/8\" (17,2 x 2)", 0.0132},
    {"15 1/2\" (21,3 x 2,3)", 0.0167},
    {"20 3/4\" (26,9 x 2,3)", 0.0223},
    {"25 1\" (33,7 x 2,9)", 0.0279},
    {"32 1 1/4\" (42,4 x 2,9)", 0.0366},
    {"40 1 1/2\" (48,3 x 2,9)", 0.0425},
    {"50 2\" (60,3 x 3,2)", 0.0539},
    {"65 2 1/2\" (76,1 x 3,2)", 0.0697},
    {"80 3\" (88,9 x 3,6)", 0.0817},
    {"100 4\" (114,3 x 4)", 0.1063},
    {"125 5\" (133 x 4)", 0.125},
    {"150 6\" (159 x 4,5)", 0.15},
    {"200 8\" (219,1 x 8)", 0.2031},
    {"250 10\" (273 x 11)", 0.251},
    {"300 12\" (323,9 x 12,5)", 0.2989},
    {"350 14\" (355,6 x 12,5)", 0.3306},
    {"400 16\" (406,4 x 12,5)", 0.3814},
    {"500 20\" (508 x 14,2)", 0.4796},
    {"800 32\" (832 x 16)", 0.8},
    {"1000 40\" (1035 x 17,5)", 1.0},
    {"1200 48\" (1240 x 20)", 1.2},
    // Round ventilation ducts; the uneven spacing is part of the names.
    {"80   (Went)", 0.08},
    {"90   (Went)", 0.09},
    {"100 (Went)", 0.1},
    {"110  (Went)", 0.11},
    {"125  (Went)", 0.125},
    {"140  (Went)", 0.14},
    {"160  (Went)", 0.16},
    {"180  (Went)", 0.18},
    {"200  (Went)", 0.2},
    {"225  (Went)", 0.225},
    {"250  (Went)", 0.25},
    {"280  (Went)", 0.28},
    {"315  (Went)", 0.315},
    {"355  (Went)", 0.355},
    {"400  (Went)", 0.4},
    {"450  (Went)", 0.45},
    {"500  (Went)", 0.5},
    {"560  (Went)", 0.56},
    {"630  (Went)", 0.63},
    {"710  (Went)", 0.71},
    {"800  (Went)", 0.8},
    {"900  (Went)", 0.9},
    {"1000 (Went)", 1.0},
    {"1120 (Went)", 1.12},
    {"1250 (Went)", 1.25},
    {"1400 (Went)", 1.4},
    {"1600 (Went)", 1.6},
    {"1800 (Went)", 1.8},
    {"2000 (Went)", 2.0},
};

// Sides in millimetres divided by 1000, as the names read.
constexpr RectangularSize kRectangular[] = {
    {"100 x 100", 100 / 1000.0, 100 / 1000.0},
    {"100 x 125", 100 / 1000.0, 125 / 1000.0},
    {"100 x 160", 100 / 1000.0, 160 / 1000.0},
    {"100 x 200", 100 / 1000.0, 200 / 1000.0},
    {"100 x 250", 100 / 1000.0, 250 / 1000.0},
    {"125 x 125", 125 / 1000.0, 125 / 1000.0},
    {"125 x 160", 125 / 1000.0, 160 / 1000.0},
    {"125 x 200", 125 / 1000.0, 200 / 1000.0},
    {"125 x 250", 125 / 1000.0, 250 / 1000.0},
    {"125 x 315", 125 / 1000.0, 315 / 1000.0},
    {"160 x 160", 160 / 1000.0, 160 / 1000.0},
    {"160 x 200", 160 / 1000.0, 200 / 1000.0},
    {"160 x 250", 160 / 1000.0, 250 / 1000.0},
    {"160 x 315", 160 / 1000.0, 315 / 1000.0},
    {"160 x 400", 160 / 1000.0, 400 / 1000.0},
    {"200 x 200", 200 / 1000.0, 200 / 1000.0},
    {"200 x 250", 200 / 1000.0, 250 / 1000.0},
    {"200 x 315", 200 / 1000.0, 315 / 1000.0},
    {"200 x 400", 200 / 1000.0, 400 / 1000.0},
    {"200 x 500", 200 / 1000.0, 500 / 1000.0},
    {"250 x 250", 250 / 1000.0, 250 / 1000.0},
    {"250 x 315", 250 / 1000.0, 315 / 1000.0},
    {"250 x 400", 250 / 1000.0, 400 / 1000.0},
    {"250 x 500", 250 / 1000.0, 500 / 1000.0},
    {"250 x 630", 250 / 1000.0, 630 / 1000.0},
    {"315 x 315", 315 / 1000.0, 315 / 1000.0},
    {"315 x 400", 315 / 1000.0, 400 / 1000.0},
    {"315 x 500", 315 / 1000.0, 500 / 1000.0},
    {"315 x 630", 315 / 1000.0, 630 / 1000.0},
    {"315 x 800", 315 / 1000.0, 800 / 1000.0},
    {"400 x 400", 400 / 1000.0, 400 / 1000.0},
    {"400 x 500", 400 / 1000.0, 500 / 1000.0},
    {"400 x 630", 400 / 1000.0, 630 / 1000.0},
    {"400 x 800", 400 / 1000.0, 800 / 1000.0},
    {"400 x 1000", 400 / 1000.0, 1000 / 1000.0},
    {"500 x 500", 500 / 1000.0, 500 / 1000.0},
    {"500 x 630", 500 / 1000.0, 630 / 1000.0},
    {"500 x 800", 500 / 1000.0, 800 / 1000.0},
    {"500 x 1000", 500 / 1000.0, 1000 / 1000.0},
    {"500 x 1250", 500 / 1000.0, 1250 / 1000.0},
    {"630 x 630", 630 / 1000.0, 630 / 1000.0},
    {"630 x 800", 630 / 1000.0, 800 / 1000.0},
    {"630 x 1000", 630 / 1000.0, 1000 / 1000.0},
    {"630 x 1250", 630 / 1000.0, 1250 / 1000.0},
    {"630 x 1600", 630 / 1000.0, 1600 / 1000.0},
    {"800 x 800", 800 / 1000.0, 800 / 1000.0},
    {"800 x 1000", 800 / 1000.0, 1000 / 1000.0},
    {"800 x 1250", 800 / 1000.0, 1250 / 1000.0},
    {"800 x 1600", 800 / 1000.0, 1600 / 1000.0},
    {"800 x 2000", 800 / 1000.0, 2000 / 1000.0},
    {"1000 x 1000", 1000 / 1000.0, 1000 / 1000.0},
    {"1000 x 1250", 1000 / 1000.0, 1250 / 1000.0},
    {"1000 x 1600", 1000 / 1000.0, 1600 / 1000.0},
    {"1000 x 2000", 1000 / 1000.0, 2000 / 1000.0},
    {"1250 x 1600", 1250 / 1000.0, 1600 / 1000.0},
    {"1250 x 2000", 1250 / 1000.0, 2000 / 1000.0},
    {"1600 x 1600", 1600 / 1000.0, 1600 / 1000.0},
    {"1600 x 2000", 1600 / 1000.0, 2000 / 1000.0},
    {"2000 x 2000", 2000 / 1000.0, 2000 / 1000.0},
};

static_assert(std::size(kRound) == 50);
static_assert(std::size(kRectangular) == 59);

double RoundArea(double d) { return d * kFlowPi * d * 0.25; }

} // namespace

std::span<const RoundSize> RoundSizes() { return kRound; }
std::span<const RectangularSize> RectangularSizes() { return kRectangular; }

std::vector<std::string_view> SizeListNames(DuctShape shape)
{
    std::vector<std::string_view> names;
    if (shape == DuctShape::Round) {
        for (const RoundSize& s : kRound)
            names.emplace_back(s.name);
    } else {
        for (const RectangularSize& s : kRectangular)
            names.emplace_back(s.name);
    }
    return names;
}

int FindNearestSize(DuctShape shape, double area)
{
    int best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    const auto consider = [&](int index, double entryArea) {
        const double distance = std::fabs(area - entryArea);
        if (distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    };
    if (shape == DuctShape::Round) {
        for (int i = 0; i < static_cast<int>(std::size(kRound)); ++i)
            consider(i, RoundArea(kRound[i].d));
    } else {
        for (int i = 0; i < static_cast<int>(std::size(kRectangular)); ++i)
            consider(i, kRectangular[i].l * kRectangular[i].h);
    }
    return best;
}

DuctGeometry SizeGeometry(DuctShape shape, int index)
{
    DuctGeometry g;
    if (shape == DuctShape::Round) {
        if (index < 0 || index >= static_cast<int>(std::size(kRound)))
            return g;
        g.D = kRound[index].d;
        g.F = g.D * kFlowPi * g.D * 0.25;
        g.L = std::sqrt(g.F + g.F);
        g.H = 0.5 * g.L;
    } else {
        if (index < 0 || index >= static_cast<int>(std::size(kRectangular)))
            return g;
        g.L = kRectangular[index].l;
        g.H = kRectangular[index].h;
        g.F = g.L * g.H;
        g.D = std::sqrt(g.F * 4 / kFlowPi);
    }
    return g;
}
