#pragma once

#include "dipendente.h"
#include "movimenti.h"
#include "storicopaghe.h"
#include "variabilimensili.h"

#include <QList>
#include <QString>

// The extra monthly salaries (thirteenth, fourteenth) of monthly pay over one
// year: what the year owes of them and what it has already paid, each
// payment counted once. The pay count (December's thirteenth, June's
// fourteenth, the month an employment ends), the payout "Liquida 13a/14a
// pro-rata" and the year estimate all go by it.
class MensilitaAggiuntive
{
public:
    // What the year paid of them up to a month.
    struct Pagato
    {
        // Each payment once: the movements of an extra salary's kind, the
        // count's own lines and what the payout wrote in the variables.
        double mensilita = 0.0;
        // Typed by hand in the variables' "13a / 14a / gratifica": a bonus to
        // December's and June's payment, counted as paid by the month an
        // employment ends.
        double gratifiche = 0.0;
        // Of `mensilita`, the movements of a thirteenth's kind: an advance of
        // the thirteenth, due in December, does not lessen June's fourteenth.
        double tredicesime = 0.0;
    };

    // One extra salary owed for the months employed in the year
    // (`Dipendente::mesiLavorati`): months / 12 of `salarioMensile`, to 0.05.
    static double quota(const DatiDipendente& d, int anno, double salarioMensile);

    // The months of the year saved before `mese`, each month once (the first
    // group of a month, the one a new save would replace).
    static QList<StoricoPaghe::PagaMese> mesiPrecedenti(const QString& codice, int anno, int mese);
    // The same from the year's pay history already read (`mesiAnno`).
    static QList<StoricoPaghe::PagaMese> mesiPrecedenti(const QList<StoricoPaghe::PagaMese>& mesiAnno, int mese);

    // What the year paid up to `mese`: the movements of an extra salary's
    // kind dated to the month included (of a month saved before it,
    // `precedenti`, those the month kept as paid, never one entered after
    // it was saved), the count's own lines of the months saved (or, for a
    // year estimate, counted) before it, and the variables' "13a / 14a / gratifica" of the months before it, of
    // the month too with `conMeseCorrente`.
    static Pagato pagato(const QString& codice, int anno, int mese, const QList<StoricoPaghe::PagaMese>& precedenti,
                         bool conMeseCorrente);
    // The same from what a count has already read: the employee's
    // `movimenti` and the year's twelve months of `variabili`.
    static Pagato pagato(const QList<MovimentoStipendio>& movimenti, const QList<VariabileMese>& variabili, int anno,
                         int mese, const QList<StoricoPaghe::PagaMese>& precedenti, bool conMeseCorrente);

    // How many extra salaries December (at most two) and June (the
    // fourteenth, with two extra salaries) pay automatically; 0 in any other
    // month, and in June without a fourteenth.
    static int dovuteNelMese(const DatiDipendente& d, int mese);

    // What December's thirteenth (June's fourteenth, with two extra
    // salaries) pays automatically: the extra salaries due by the month less
    // what the year paid of them, at most the month's own `quota` (in
    // December the fourteenth's too when June fell outside the employment),
    // never below 0; 0 in any other month. Bonuses typed by hand do not
    // lessen it.
    static double delMese(const DatiDipendente& d, int anno, int mese, double quota, const Pagato& p);

    // What the year still owes of all its extra salaries: each `quota`, less
    // what it paid, the bonuses typed by hand and `giaNelMese` (paid by the
    // month's own count); never below 0, to 0.05.
    static double resto(const DatiDipendente& d, double quota, const Pagato& p, double giaNelMese = 0.0);

    // What "Liquida 13a/14a pro-rata" suggests in the month: what the year
    // still owes, the month's own "13a / 14a / gratifica" (the payout takes
    // its place) set aside; 0 for hourly pay and for a month outside the
    // employment, whose count would not pay it.
    static double daLiquidare(const QString& codice, const DatiDipendente& d, int anno, int mese,
                              double salarioMensile);

    // Of the month's "13a / 14a / gratifica", the part the payout wrote.
    static double liquidata(const VariabileMese& v);

    // The movements of an extra salary's kind dated in the month, and of
    // those the thirteenth's, as the month's count pays them.
    static void movimentiDelMese(const QList<MovimentoStipendio>& movimenti, int anno, int mese, double* tutte,
                                 double* tredicesime);
};
