#pragma once

#include <QString>
#include <QStringList>

// The Swiss four-digit postcodes: the localities each one serves and its
// canton, from the official locality directory built into the program
// (":/data/nap.csv", swisstopo). Loaded once per run; the lookups answer from
// whatever is loaded and never load by themselves.
namespace NAP {

// Loads the built-in directory; true at once when already loaded.
bool carica();

// Reads a directory file in the same layout in place of whatever is loaded.
// False, with nothing loaded, when it cannot be read or holds no valid row.
bool caricaDa(const QString& percorso);

// Canton of the postcode; empty when unknown or without canton
// (Liechtenstein). The postcode is looked up exactly as passed.
QString cantonePerNap(const QString& nap);

// Localities of the postcode, sorted ignoring case; eight French city names
// are given in their German form ("Genève" as "Genf").
QStringList localitaPerNap(const QString& nap);

// Postcodes, ascending, one of whose localities equals the trimmed name
// ignoring case. The German city names that localitaPerNap gives find the
// postcodes of their directory names too ("Genf" finds 1201).
QStringList napPerLocalita(const QString& localita);

// Every postcode, ascending.
QStringList tuttiINap();

// Forgets the loaded directory.
void azzera();

} // namespace NAP
