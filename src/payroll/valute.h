#pragma once

// Money amounts in whole hundredths and the currency table. Standard C++
// only: texts are UTF-8 in std::string, the file is read and written with
// standard streams.

#include <cstdint>
#include <string>
#include <vector>

// One currency.
struct Valuta
{
    std::string codice;  // "CHF"; compared byte for byte
    std::string nome;
    std::string simbolo;
    std::int64_t tasso = 1000000; // francs per unit, times 1,000,000
    bool arrotonda5 = false;      // amounts rounded to 5 hundredths

    bool operator==(const Valuta& o) const
    {
        return codice == o.codice && nome == o.nome && simbolo == o.simbolo && tasso == o.tasso
            && arrotonda5 == o.arrotonda5;
    }
};

// Amounts are hundredths (12345 is 123.45); rates of `percentuale` are
// hundredths of a percent (10000 is 100 %).
std::int64_t arrotondaA5(std::int64_t importo);
std::int64_t arrotondaA1(std::int64_t importo);
std::int64_t percentuale(std::int64_t importo, std::int64_t tassoCentesimiPercento);
std::string inTesto(std::int64_t importo);

// CHF, EUR and USD.
std::vector<Valuta> valuteDiBase();

// The amount in the target currency, not rounded to 5 hundredths. Same code:
// unchanged. A target whose rate is 0 or less has no value in francs: 0.
std::int64_t converti(std::int64_t importo, const Valuta& da, const Valuta& a);
std::int64_t arrotondaValuta(std::int64_t importo, const Valuta& valuta);

// A text the currency file can hold: no ";" and no line break.
bool testoValuta(const std::string& testo);

// Writes one line per currency ("codice;nome;simbolo;tasso;0|1") into a
// temporary file next to `percorso`, then renames it over the old file, so a
// failure leaves the old file whole. False when a text is not testoValuta
// (nothing is written then) or the file could not be written.
bool salvaValute(const std::vector<Valuta>& valute, const std::string& percorso);

// The currencies of the file; malformed lines are skipped. Never empty: a
// missing or unusable file gives valuteDiBase().
std::vector<Valuta> leggiValute(const std::string& percorso);
