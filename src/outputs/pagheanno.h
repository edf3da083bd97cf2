#pragma once

#include "dipendente.h"
#include "movimenti.h"

#include <QList>
#include <QString>

// What the pay history holds for one employee and year, summed for the
// yearly documents: the months saved by the closings and the extra movements
// of those months by their certificate category.
class PagheAnno
{
public:
    struct Somme
    {
        int mesi = 0;               // saved months summed (each month once)
        double lordo = 0.0;         // taxable gross, allowances included
        double contributiDip = 0.0;
        double contributiDat = 0.0; // employer part on each month's gross
        double lpp = 0.0;
        double assegni = 0.0;
        double imposta = 0.0;
        double netto = 0.0;         // paid out
        // Extra movements inside `lordo`, by certificate category.
        double categoria2 = 0.0;    // fringe benefits
        double categoria3 = 0.0;    // irregular benefits
        double spese131 = 0.0;      // actual expenses
        double spese132 = 0.0;      // lump-sum expenses
        double spese133 = 0.0;      // training
    };

    // The sums of the saved months of the year; `mesi` 0 when none is saved.
    static Somme somme(const QString& id, int anno);

    // The employee's extra movements dated in the year.
    static QList<MovimentoStipendio> movimentiAnno(const QString& id, int anno);

    // Whether the employee was employed on some day of the month; always
    // true for a record without employment periods.
    static bool inServizio(const DatiDipendente& d, int anno, int mese);

    // Age in the year, 40 when the birth date is unknown; canton, "TI"
    // when empty.
    static int eta(const DatiDipendente& d, int anno);
    static QString cantone(const DatiDipendente& d);
};
