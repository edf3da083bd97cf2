#pragma once

#include <cmath>

// Amount helpers shared by the pay computations.
namespace Importi {

// Rounds to 0.05 francs: floor(amount x 20 + 0.5) / 20.
inline double arrotonda5(double importo)
{
    return std::floor(importo * 20.0 + 0.5) / 20.0;
}

// Rounds to the centime, for comparisons and written amounts.
inline double arrotonda2(double importo)
{
    return std::floor(importo * 100.0 + 0.5) / 100.0;
}

} // namespace Importi
