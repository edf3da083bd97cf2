#pragma once

// Money amounts in whole hundredths and the currency table. Texts are UTF-8
// in std::string; the file is read and written through the program's safe
// file helpers.

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

// Writes one line per currency ("codice;nome;simbolo;tasso;0|1"); the new
// content replaces the old file only once written whole, so a failure (a full
// disk) leaves the old file as it was. False when a text is not testoValuta
// (nothing is written then) or the file could not be written.
bool salvaValute(const std::vector<Valuta>& valute, const std::string& percorso);

// What could not be read in the currency file.
struct ProblemaValute
{
    enum Tipo {
        TroppoGrande,   // the whole file: above the size limit, nothing read
        Illeggibile,    // the whole file: could not be opened or read
        CampiMancanti,  // fewer than five fields
        CampiInPiu,     // more than five fields
        TassoNonValido, // the rate is no whole number (junk after the digits)
        FlagNonValido,  // the rounding flag is neither 0 nor 1
        CodiceVuoto,
        Nul,            // a NUL byte in the line
    };
    Tipo tipo;
    int riga = 0; // from 1; 0 for the whole file
};

// The currencies of the file, in file order. A line that cannot be read is
// left out and reported in `problemi` (may be null) with its number; such a
// list must never be saved over the file. A CR before the line end, a
// byte-order mark and blanks at the end of a line are no damage. A missing
// file, or one without any line, gives valuteDiBase().
std::vector<Valuta> leggiValute(const std::string& percorso, std::vector<ProblemaValute>* problemi = nullptr);
