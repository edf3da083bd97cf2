#pragma once

#include <QString>

#include <algorithm>
#include <cmath>

// Rounding half up on the decimal value an amount stands for. A double holds
// 19.825 as 19.82499..., and 25 x 10.2 / 12 comes out as 21.24999...: rounded
// as they are, both would go down. The value counted in steps (x 20 for 0.05,
// x 100 for the centime, x 10 for a tenth) is raised by a hundred-billionth of
// itself (of one step at least) before it is rounded: far more than the
// binary error of a few operations, far less than any two amounts in
// centimes can differ.
namespace Decimali {

// Half up (towards plus infinity) to 1 / `passi`: floor(x + 0.5) / passi.
inline double arrotonda(double valore, double passi)
{
    const double x = valore * passi;
    if (!std::isfinite(x))
        return valore;
    return std::floor(x + 0.5 + 1e-11 * std::max(1.0, std::fabs(x))) / passi;
}

// The value with `decimali` decimals (0 to 6), rounded as above; never "-0.00".
inline QString testo(double valore, int decimali = 2)
{
    decimali = std::clamp(decimali, 0, 6);
    const double r = arrotonda(valore, std::pow(10.0, decimali));
    return QString::number(r == 0.0 ? 0.0 : r, 'f', decimali);
}

} // namespace Decimali
