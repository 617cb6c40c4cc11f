#include "analysis/FrictionFactor.h"

#include <cmath>

namespace {

// Far above need (the iteration settles within five steps for Re up to 1e9
// and eps up to 1); it only stops a pathological input from spinning.
constexpr int kMaxSteps = 200;

} // namespace

double FrictionFactor(double re, double eps)
{
    if (re < 2320.0)
        return 64.0 / re;

    const double e1 = eps / 3.72;
    const double e2 = eps * 0.268817;
    const double g = eps * 2500.0 * re;
    const auto step = [&](double lambda) {
        const double s = std::sqrt(lambda);
        const double a = 2.51 / (s * re);
        const double r = 1 / std::pow(-2.0 * std::log10(a + e1), 2) - lambda;
        const double u = std::pow(std::log(a + e2), 3);
        const double d = 30940.5 / (u * lambda * (s * g + 23343.0)) - 1;
        return lambda - r / d;
    };

    double lambda = step(0.005);
    for (int i = 0; i < kMaxSteps && std::isfinite(lambda); ++i) {
        const double previous = lambda;
        lambda = step(previous);
        if (!(std::fabs((lambda - previous) * 0.5) > 1e-05))
            break;
    }
    return lambda;
}
