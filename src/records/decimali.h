#pragma once

#include <QString>

#include <algorithm>
#include <cmath>

// Rounding half away from zero on the decimal value an amount stands for:
// a refund of -456.275 rounds as a deduction of 456.275 does, to -456.30.
// A double holds 19.825 as 19.82499..., and 25 x 10.2 / 12 comes out as
// 21.24999...: rounded as they are, both would go down. The size of the
// value counted in steps (x 20 for 0.05, x 100 for the centime, x 10 for a
// tenth) is raised by a hundred-billionth of itself (of one step at least)
// before it is rounded: far more than the binary error of a few operations,
// far less than any two amounts in centimes can differ.
namespace Decimali {

// Half away from zero to 1 / `passi`: floor(|x| + 0.5) / passi with the
// sign of x; what rounds to nothing is 0, never -0.
inline double arrotonda(double valore, double passi)
{
    const double x = valore * passi;
    if (!std::isfinite(x))
        return valore;
    const double a = std::fabs(x);
    const double passiInteri = std::floor(a + 0.5 + 1e-11 * std::max(1.0, a));
    if (passiInteri == 0.0)
        return 0.0;
    return (x < 0 ? -passiInteri : passiInteri) / passi;
}

// The value with `decimali` decimals (0 to 6), rounded as above; never "-0.00".
inline QString testo(double valore, int decimali = 2)
{
    decimali = std::clamp(decimali, 0, 6);
    const double r = arrotonda(valore, std::pow(10.0, decimali));
    return QString::number(r == 0.0 ? 0.0 : r, 'f', decimali);
}

} // namespace Decimali
