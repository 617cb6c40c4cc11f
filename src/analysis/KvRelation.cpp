#include "analysis/KvRelation.h"

#include <cmath>

double KvFromZeta(double zeta, double area) { return std::sqrt(2.0 / zeta) * 36000.0 * area; }

double ZetaFromKv(double kv, double area)
{
    const double p = std::pow(area * 36000.0, 2);
    return (p + p) / std::pow(kv, 2);
}
