#pragma once

#include "assegnifamiliari.h"
#include "dipendente.h"
#include "movimenti.h"
#include "storicopaghe.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// The figures of one employee and year, the one source of every yearly
// document, the pay summary and the accounting CSV: the sums of the months
// the closings saved; without any, an estimate made by the pay count of each
// month of employment in the year (not saved, marked "stima"); no figures at
// all for an employee with no month of employment in the year, whose pay
// history cannot be read, or whose estimate cannot compute the withholding
// tax.
class PagheAnno
{
    Q_DECLARE_TR_FUNCTIONS(PagheAnno)

public:
    enum class Origine
    {
        MesiSalvati, // what was paid
        Stima,       // no month saved: estimated
        FuoriServizio, // no month of employment in the year: left out
        Illeggibile, // the pay history (or what the estimate needs) cannot be read: left out
        // No month saved, and the estimate cannot compute the withholding
        // tax (no tariff of the canton or code): left out, not shown as a
        // tax of 0.
        ImpostaMancante
    };

    struct Somme
    {
        Origine origine = Origine::FuoriServizio;
        QString errore;             // Illeggibile: what could not be read, naming the employee;
                                    // ImpostaMancante: why the tax cannot be computed
        int mesi = 0;               // months summed (each month once)
        double lordo = 0.0;         // taxable gross, allowances included
        double contributiDip = 0.0;
        double contributiDat = 0.0; // employer's part, pension apart
        double lpp = 0.0;
        double assegni = 0.0;
        double imposta = 0.0;
        double netto = 0.0;         // paid out
        double salarioCaf = 0.0;    // gross the family fund's contribution is charged on
        double assegniMese[12] = {};
        // Each contribution, employee's and employer's part.
        double avsDip = 0.0, adDip = 0.0, cafDip = 0.0, lainfDip = 0.0;
        double avsDat = 0.0, adDat = 0.0, cafDat = 0.0, lainfDat = 0.0;
        // Extra movements inside `lordo`, by certificate category.
        double categoria2 = 0.0;    // fringe benefits
        double categoria3 = 0.0;    // irregular benefits
        double spese131 = 0.0;      // actual expenses
        double spese132 = 0.0;      // lump-sum expenses
        double spese133 = 0.0;      // training
        // The last month summed, as paid (or estimated).
        StoricoPaghe::PagaMese ultimoMese;
        // Canton and tariff code of the employee's withholding tax.
        QString cantone;
        QString tariffa;
        // The saved months summed that the latest closing of each could not
        // count (their figures are still those saved before), one line each,
        // "<Month year>: <reason>"; and a line naming the file and line when
        // the year's refusals did not read cleanly. Empty for an estimate.
        QStringList rifiuti;

        bool stima() const { return origine == Origine::Stima; }
        bool conCifre() const { return origine == Origine::MesiSalvati || origine == Origine::Stima; }
    };

    // The figures of employee `id` (record `d`) for the year.
    static Somme cifre(const QString& id, const DatiDipendente& d, int anno);
    // The same, the record loaded; a record that cannot be read gives no
    // figures (Illeggibile).
    static Somme cifre(const QString& id, int anno);

    // How many times this process computed an employee's year figures (an
    // export computes each employee's once).
    static int calcoli();

    // The saved month; false when it is not saved. `errore` (may be null) is
    // set, and false returned, when the year's pay history cannot be read.
    static bool meseSalvato(const QString& id, int anno, int mese, StoricoPaghe::PagaMese* paga,
                            QString* errore = nullptr);

    // The employer's contributions of a saved month: those stored with it;
    // for a month saved before they were stored, recomputed on the month's
    // bases (or its gross without the allowances) as the closing does.
    static StoricoPaghe::ContributiDatore contributiDatore(const StoricoPaghe::PagaMese& p);
    // The employee's contributions of a saved month, item by item (the
    // accident premium as `lainf`): the lines stored with it, else recomputed.
    static StoricoPaghe::ContributiDatore contributiDipendente(const StoricoPaghe::PagaMese& p);

    // The children's allowances of December (`s` the year's figures of
    // record `d`), for the yearly documents' detail: what December paid for
    // each child, as kept with the month when it was saved (or estimated),
    // adding up to what it paid; for a December saved before they were
    // kept, every child as the pay count decides and dates them from the
    // card, for December's days. None when December paid no allowance.
    // `cantone` (may be null) receives the canton whose amounts they are:
    // December's, else the card's.
    static QList<AssegniFamiliari::DettaglioFiglio> figliDicembre(const DatiDipendente& d, const Somme& s, int anno,
                                                                  QString* cantone = nullptr);

    // The employee's extra movements dated in the year.
    static QList<MovimentoStipendio> movimentiAnno(const QString& id, int anno);

    // Whether the employee was employed on some day of the month; always
    // true for a record without employment periods.
    static bool inServizio(const DatiDipendente& d, int anno, int mese);

    // Age in the year, 40 when the birth date is unknown; canton, "TI"
    // when empty; the tariff code of the withholding tax, "A0" when none.
    static int eta(const DatiDipendente& d, int anno);
    static QString cantone(const DatiDipendente& d);
    static QString tariffa(const DatiDipendente& d);

    // "Surname Name", the id when the record has no name.
    static QString nome(const QString& id, const DatiDipendente& d);

    // The line a list prints for an employee left out (no figures); empty
    // for one with figures.
    static QString rigaEsclusione(const QString& nome, const Somme& s, int anno);
    // The line every yearly document prints for an employee whose figures
    // hold saved months the latest closing refused (`Somme::rifiuti`);
    // empty when there are none.
    static QString rigaRifiuti(const QString& nome, const Somme& s);
};
