#pragma once

#include <QList>
#include <QStringList>
#include <QString>
#include <QStringList>

// The countries a company or an employee can belong to, with the
// identification fields (tax number, VAT number, register number...) that a
// record of each country carries. A process-wide table, loaded once at
// start-up from the user's copy "nazioni.ini" in the application-data folder
// when it lists at least one country, else from the built-in table.
namespace Nazioni {

struct CampoIdentificativo
{
    QString chiave;      // key of the value in the record's key/value map
    QString etichetta;   // label, already translated
    QString etichettaFile; // label as the countries file writes it (never translated)
    QString placeholder; // example shown in the empty input
    bool obbligatorio = false;
};

struct InfoNazione
{
    QString codice;
    QString nome;
    QString valuta;
    QStringList lingue;
    QList<CampoIdentificativo> campi;
};

// Loads the table; true at once when already loaded. False (and a later call
// tries again) when neither source lists a country.
bool carica();

// The codes in the order of the table's "elenco" entry.
QStringList codiciDisponibili();

// The country's record; an empty record for an unknown code.
InfoNazione info(const QString& codice);

// The country's name; the code itself when unknown or nameless.
QString nome(const QString& codice);

// The country's name in the user's language (context "Nazioni"), as every
// window shows it; a name the program does not know stays as the table
// writes it. What goes into files is nome().
QString nomeTradotto(const QString& codice);

// The translation (context "Nazioni") of the labels the program knows; any
// other label unchanged.
QString traduciEtichetta(const QString& etichetta);

// The user's copy of the table.
QString percorsoFileUtente();

// Forgets the loaded table, so the next carica() reads again.
void azzera();

} // namespace Nazioni
