#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>

// The language the user reads the program in, for the month names and dates
// that windows and printed documents show. What the files store stays as it
// is (Italian month names in payment references, "dd/MM/yyyy" dates).
class LinguaUtente
{
    Q_DECLARE_TR_FUNCTIONS(LinguaUtente)

public:
    // "it", "de", "fr", "en" or "es": the language of the installed
    // translation, else the language chosen at start-up, else Italian.
    static QString codice();
    static QLocale locale();

    // The month's name in lower case as the language writes it inside a
    // sentence ("gennaio", "Januar", "janvier", "January", "enero"); empty
    // outside 1..12.
    static QString nomeMese(int mese);
    // The same with a capital initial, for a column or a list ("Gennaio").
    static QString nomeMeseMaiuscolo(int mese);
    // The month's name, a blank and the year ("Januar 2026"); a number that
    // is no month shows itself, 0 shows no name.
    static QString meseAnno(int mese, int anno);
    // A date written out ("9 dicembre 2026", "9. Dezember 2026",
    // "9 décembre 2026", "9 December 2026", "9 de diciembre de 2026").
    static QString data(const QDate& giorno);
};
