// Standard pipe and duct sizes offered beside the cross-section fields of
// the flow analysis, and the arithmetic on them. Constant data, no widgets.
#pragma once

#include <span>
#include <string_view>
#include <vector>

// The pi of the whole flow analysis: ten decimals, not full precision, so
// that areas and the nearest-size search agree with the published figures.
inline constexpr double kFlowPi = 3.1415926535;

enum class DuctShape { Round, Rectangular };

struct RoundSize {
    const char* name;
    double d; // inner diameter, m
};

struct RectangularSize {
    const char* name;
    double l; // first side, m
    double h; // second side, m
};

// Steel pipes followed by round ventilation ducts (50), and rectangular
// ventilation ducts (59), in list order.
std::span<const RoundSize> RoundSizes();
std::span<const RectangularSize> RectangularSizes();

// The names the size list shows for a shape, in catalogue order.
std::vector<std::string_view> SizeListNames(DuctShape shape);

// The entry whose cross-section is nearest to area (m²). Of equal distances
// the earlier entry wins; an area that is not a number gives 0.
int FindNearestSize(DuctShape shape, double area);

struct DuctGeometry {
    double D = 0; // diameter (of the circle of equal area for a rectangle), m
    double F = 0; // cross-section, m²
    double L = 0; // sides (of a 2:1 rectangle of equal area for a circle), m
    double H = 0;
};

// The geometry of one catalogue entry; an index outside the catalogue
// gives the all-zero geometry of the end marker.
DuctGeometry SizeGeometry(DuctShape shape, int index);
