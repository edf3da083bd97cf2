#pragma once

#include <QString>

#include <algorithm>
#include <cmath>

// Rounding half away from zero on the decimal value an amount stands for:
// a refund of -456.275 rounds as a deduction of 456.275 does, to -456.30.
// A double holds 19.825 as 19.82499..., and 25 x 10.2 / 12 comes out as
// 21.24999...: rounded as they are, both would go down. The size of the
// value counted in steps (x 20 for 0.05, x 100 for the centime, x 10 for a
// tenth) is raised by 2^-46 of itself (of one step at least) before it is
// rounded: some 64 times the error a double carries at that size, so the
// few operations of a count stay below it, and still under 0.0015 of a
// centime at the widest amount a field holds (10^11 centimes): an amount
// written with up to four decimals rounds on its digits up to that
// maximum (123'456'789.994 stays 123'456'789.99, 1'000'000'000 stays what
// it is).
namespace Decimali {

// Half away from zero to 1 / `passi`: floor(|x| + 0.5) / passi with the
// sign of x; what rounds to nothing is 0, never -0.
inline double arrotonda(double valore, double passi)
{
    const double x = valore * passi;
    if (!std::isfinite(x))
        return valore;
    const double a = std::fabs(x);
    const double passiInteri = std::floor(a + 0.5 + std::ldexp(std::max(1.0, a), -46));
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

// The value with the decimals it holds, at least `minimi` and at most
// `massimi` (rounded there as above): 1.5 hours "1.50", 1.125 "1.125".
inline QString testoFino(double valore, int minimi, int massimi)
{
    QString t = testo(valore, massimi);
    for (int d = massimi; d > minimi && t.endsWith(QLatin1Char('0')); --d)
        t.chop(1);
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    return t;
}

} // namespace Decimali
