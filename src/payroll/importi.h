#pragma once

#include "decimali.h"

// Amount helpers shared by the pay computations.
namespace Importi {

// Rounds to 0.05 francs, half away from zero on the decimal value: the sign
// of the amount times floor(|amount| x 20 + 0.5) / 20.
inline double arrotonda5(double importo)
{
    return Decimali::arrotonda(importo, 20.0);
}

// Rounds to the centime, half away from zero on the decimal value, for
// comparisons and written amounts.
inline double arrotonda2(double importo)
{
    return Decimali::arrotonda(importo, 100.0);
}

} // namespace Importi
