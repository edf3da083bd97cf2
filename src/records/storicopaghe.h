#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>

// The pay history: per employee and year, the outcome of every saved monthly
// pay count, one group per month in "<data>/paghe/<dir>/<anno>.ini".
class StoricoPaghe
{
    Q_DECLARE_TR_FUNCTIONS(StoricoPaghe)

public:
    // One line of the pay: a salary item, or an amount added to or taken
    // from the net after the deductions (negative when taken).
    struct Voce
    {
        QString descrizione;
        double importo = 0.0;
        // A salary line of an extra movement: the salary certificate's
        // category it counts in (0 for none). -1 for every other line, and
        // for the lines of months saved before it was stored.
        int categoriaCertificato = -1;
    };

    // One employee contribution as the pay count deducted it: the amount,
    // the base it was charged on and the employee's own rate in percent.
    struct Trattenuta
    {
        double importo = 0.0;
        double imponibile = 0.0;
        double aliquota = 0.0;
    };

    // The lines of a month as the pay count made them, so that the slip adds
    // up line by line. Months saved before the count stored them have none
    // (`presente` false) and print from their totals.
    struct Dettaglio
    {
        bool presente = false;
        Trattenuta avs;       // AHV/IV/EO
        Trattenuta ad;        // unemployment insurance
        Trattenuta caf;       // family fund
        Trattenuta infortuni; // the company's non-occupational accident premium
        double aliquotaLpp = 0.0; // the employee's pension rate; 0 for an amount entered by hand
        // The withholding-tax tariff's rate applied to the taxable gross
        // (monthly model); 0 when the tax is no single rate of it.
        double aliquotaImposta = 0.0;
        QList<Voce> vociSalario;  // add up to lordoImponibile less assegniFamiliari
        QList<Voce> altreVoci;    // expenses, advances, deductions: added to the net
    };

    // The employer's contributions of a month as the closing computed them
    // (the cumulative ceilings of the year, on the gross without the family
    // allowances). Months saved before they were stored have none
    // (`presente` false).
    struct ContributiDatore
    {
        bool presente = false;
        double avs = 0.0;   // AHV/IV/EO
        double ad = 0.0;    // unemployment insurance
        double caf = 0.0;   // family fund
        double lainf = 0.0; // accident insurance
        double totale() const { return avs + ad + caf + lainf; }
    };

    // One child's family allowance in a month, as the pay count paid it.
    struct AssegnoFiglio
    {
        QString nome;        // surname, blank, first name
        QString dataNascita; // as recorded
        QString tipo;        // "figli" or "formazione"
        double importo = 0.0;
        int eta = 0;         // on the reference date
    };

    // One saved month.
    struct PagaMese
    {
        int anno = 0;
        int mese = 0;
        double lordoImponibile = 0.0;
        double contributiDipendente = 0.0;
        double lppDipendente = 0.0;
        double assegniFamiliari = 0.0;
        double impostaTrattenuta = 0.0;
        double netto = 0.0;
        QString comunicazioni;
        // Paid in cash: read only (a value entered in the file by hand); the
        // store never writes it.
        double importoContanti = 0.0;
        // The unemployment and the accident insurance over the year: the
        // month's gross subject to each and the insured earnings the month
        // charged. Written only when `guadagniAssicurati` is set (months
        // saved before these keys existed read back without them).
        bool guadagniAssicurati = false;
        double lordoSoggettoAD = 0.0;
        double guadagnoAssicuratoAD = 0.0;
        double lordoSoggettoLAINF = 0.0;
        double guadagnoAssicuratoLAINF = 0.0;
        // The extra monthly salaries the count paid by itself in the month
        // (December's thirteenth, June's fourteenth, what an employment's
        // last month paid of them). Written only when `conMensilita` is set:
        // months saved before the key existed read back without it.
        bool conMensilita = false;
        double mensilitaConteggio = 0.0;
        // The month's movements of an extra salary's kind it paid, and of
        // those the thirteenth's: written with the key above, so that a
        // movement entered after the month was saved is never taken as paid.
        // `conMovimenti`: the month's group holds them.
        bool conMovimenti = false;
        double mensilitaMovimenti = 0.0;
        double tredicesimaMovimenti = 0.0;
        // Whether the month's group holds a "netto": a group without one is
        // no saved pay count.
        bool conNetto = false;
        // The family allowances the month paid, child by child (for the
        // month's days, adding up to `assegniFamiliari`), and the canton whose
        // amounts they are: what the month paid, whatever the card says
        // later. None for a month that paid no allowance or was saved before
        // they were stored.
        QString cantoneAssegni;
        QList<AssegnoFiglio> figliAssegni;
        Dettaglio dettaglio;
        ContributiDatore datore;
    };

    // Sums of a list of months (net pay is not summed).
    struct Ytd
    {
        double lordoImponibile = 0.0;
        double contributiDipendente = 0.0;
        double lppDipendente = 0.0;
        double assegniFamiliari = 0.0;
        double impostaTrattenuta = 0.0;
        int mesi = 0;
    };

    // The employee's pay-history folder (not created); empty when the id
    // would name a folder outside "paghe".
    static QString cartella(const QString& id);

    // The year's file; creates its folder. Empty when the id would name a
    // folder outside "paghe" (holds "/" or is ".." once ".txt" is removed).
    static QString percorsoFile(const QString& id, int anno);

    // The months of the file in file order; false (list empty) when the file
    // cannot be read. `errore` (may be null) is set, one line per problem with
    // the file and line, when the file is too large or did not read cleanly:
    // a damaged line, a group that is no month, a month given twice ("[03]"
    // and "[3]" are one month), a key given twice in a month, an amount that
    // is no valid number (it reads as 0), children's allowances that are no
    // allowance the pay count pays (a negative amount, an age that is no
    // whole number, a kind the allowance table does not know, a birth date
    // that is no "dd/MM/yyyy" date, children not numbered 1..n, a canton
    // that is none of the 26, children without a canton or a canton
    // without children, children not adding up to the month's
    // `assegniFamiliari`). What did read is loaded; a group whose header
    // is damaged is left out, never merged into the month before.
    static bool caricaAnno(const QString& id, int anno, QList<PagaMese>& mesi, QString* errore = nullptr);

    // The saved month (the first group of that month, the one a new save
    // replaces); false when the year holds no such month. `errore` (may be
    // null) as caricaAnno() sets it.
    static bool caricaMese(const QString& id, int anno, int mese, PagaMese* paga, QString* errore = nullptr);
    // The month as caricaMese() finds it in the year's `mesi` already read;
    // null when the year holds no such month.
    static const PagaMese* trovaMese(const QList<PagaMese>& mesi, int mese);

    // Stores one month in the year of its `anno`, replacing the first entry
    // of the same month; the year is rewritten whole, sorted by month. False
    // without writing when the year is closed, the month is outside 1..12,
    // the id is unusable, an amount is not finite, the children's
    // allowances are none the reader would take, or the year's file did
    // not read cleanly (so nothing it holds is lost); false when the file
    // cannot be written. `errore` (may be null) says why.
    static bool salvaMese(const QString& id, const PagaMese& paga, QString* errore = nullptr);

    static Ytd calcolaYtd(const QList<PagaMese>& mesi);

    // What the last monthly closing of each month could not count, kept
    // beside the year's file in "<anno>.rifiuti": one "[<mese>]" group with
    // "motivo=<why>". A month saved before such a refusal is no current pay
    // until a closing counts the month again (and clears it).
    static QString percorsoRifiuti(const QString& id, int anno);

    // The refused months of the year with their reasons; empty when there is
    // no file. `errore` (may be null) is set, one line per problem with the
    // file and line, when the file could not be read or did not read
    // cleanly (a damaged line, a group that is no month, a month given
    // twice, a key other than "motivo", a month without a reason).
    static QMap<int, QString> caricaRifiuti(const QString& id, int anno, QString* errore = nullptr);

    // Records why the closing could not count the month, or clears the
    // month's refusal when `motivo` is empty (writing nothing when there was
    // none). False without writing when the year is closed, the month is
    // outside 1..12, the id is unusable or the file did not read cleanly;
    // false when the file cannot be written. `errore` (may be null) says why.
    static bool segnaRifiuto(const QString& id, int anno, int mese, const QString& motivo,
                             QString* errore = nullptr);
};
