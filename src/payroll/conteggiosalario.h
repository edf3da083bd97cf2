#pragma once

#include "assegnifamiliari.h"
#include "azienda.h"
#include "dipendente.h"
#include "storicopaghe.h"

#include <QCoreApplication>
#include <QString>

struct MovimentoStipendio;

// The outcome of one employee's monthly pay count.
struct RisultatoConteggio
{
    int anno = 0;
    int mese = 0;
    double lordoContributivo = 0.0;    // gross subject to contributions
    double lordoImponibile = 0.0;      // taxable gross with family allowances
    double contributiDipendente = 0.0; // with the non-occupational accident premium
    double lppDipendente = 0.0;
    double assegniFamiliari = 0.0;
    double impostaFonte = 0.0;
    double netto = 0.0;
    double tredicesima = 0.0;          // thirteenth/fourteenth salary of the month
    double aggiunteNette = 0.0;        // added to or taken from the net only
    // The month an employment ends: the extra monthly salaries owed for the
    // year and not paid, because the count was asked not to pay them.
    double mensilitaDovute = 0.0;
    // What the count paid by itself of the extra monthly salaries (December's,
    // June's, the last month's), stored with the month.
    double mensilitaConteggio = 0.0;
    // The month's movements of an extra salary's kind, and of those the
    // thirteenth's, stored with the month.
    double mensilitaMovimenti = 0.0;
    double tredicesimaMovimenti = 0.0;
    // Days employed in the month on a 30-day month: below 30 in a month where
    // the employment begins after the 1st or ends before the month's end.
    int giorni = 30;
    // The tariff's rate the month's tax was withheld at (monthly model); 0
    // when the tax is no single rate of the taxable gross (annual model).
    double aliquotaImposta = 0.0;
    // Subject to withholding tax, but no tariff scale of the canton and code
    // is loaded: the tax of the count is 0 and the clerk must be told. A
    // count that saves refuses such a month instead.
    bool scalaImpostaMancante = false;
    QString cantoneImposta;            // canton and tariff code the tax used
    QString tariffaImposta;
    // The family allowances child by child, for the month's days, and the
    // canton whose amounts they are; stored with the month.
    QString cantoneAssegni;
    QList<AssegniFamiliari::DettaglioFiglio> figliAssegni;
    QString errore;                    // empty when counted; else every amount is 0
    // What makes up the amounts above, line by line: each contribution as
    // deducted, the salary items and what is added to or taken from the net.
    // Stored with the month for its pay slip.
    StoricoPaghe::Dettaglio dettaglio;
    // The unemployment and the accident insurance over the year: the month's
    // gross subject to each and the insured earnings it charges, within the
    // annual ceiling to date.
    double lordoSoggettoAD = 0.0;
    double guadagnoAssicuratoAD = 0.0;
    double lordoSoggettoLAINF = 0.0;
    double guadagnoAssicuratoLAINF = 0.0;
    // The employer's contributions of the month, unemployment and accident
    // insurance on the same insured earnings as the employee's.
    StoricoPaghe::ContributiDatore datore;
    // Not counted because the month lies outside every employment period: no
    // fault of the closing (the message above is in the user's language).
    bool fuoriPeriodo = false;
};

// The year-to-date adjustment of the withholding tax.
struct RisultatoConguaglio
{
    double lordo = 0.0;
    double impostaAnnua = 0.0;         // twelve months of tax on the average month
    double impostaGiaTrattenuta = 0.0;
    double conguaglio = 0.0;           // tax due this month
    double netto = 0.0;
    QString messaggio;
};

class Conguaglio
{
public:
    // The tax due to date is the number of months counted (the earlier months
    // summed in `ytd` plus this one) times the monthly tax of the average
    // month; this month withholds that less what was already withheld.
    // A month employed for only some days counts as days / 30 of a month:
    // `quotaMese` is this month's share, `mesiPrima` (when not negative)
    // the earlier months' shares added up instead of `ytd.mesi`.
    static RisultatoConguaglio calcola(const StoricoPaghe::Ytd& ytd, double lordoMese, double contributiMese,
                                       double lppMese, const QString& cantone, const QString& tariffa,
                                       double quotaMese = 1.0, double mesiPrima = -1.0);
};

// What every count of one closing shares: the current company's record,
// read once for all the employees instead of once per count.
struct ContestoConteggio
{
    DatiAzienda azienda;
    QString errore; // the company record did not read cleanly: every count stops on it

    // The current company's record as a count reads it.
    static ContestoConteggio carica();
};

// The monthly pay count of one employee.
class ConteggioSalario
{
    Q_DECLARE_TR_FUNCTIONS(ConteggioSalario)

public:
    // `codice` is the employee id; `salva` stores the month in the pay
    // history (a closed year stores nothing and is no error); `tredicesima`:
    // 1 pays the automatic thirteenth/fourteenth salary, other values >= 0 do
    // not, a negative value follows the company's setting. The automatic
    // extra salaries are paid in December and June, and in the month an
    // employment ends what the year owes of them and was not yet paid, by
    // the rule of `MensilitaAggiuntive`.
    // A month whose withholding tax has no tariff is never saved: with
    // `salva` the count is refused, naming the canton or the code.
    // `contesto`, when given, is the company record read once by a caller
    // counting many employees; without it the count reads the record itself.
    // `storicoAnno`, when given, is the employee's pay history of `anno` as
    // the caller has just read it (StoricoPaghe::caricaAnno()), not read
    // again; a year estimate passes the months it has counted without
    // saving them.
    static RisultatoConteggio genera(const QString& codice, const DatiDipendente& d, int anno, int mese,
                                     bool salva, int tredicesima, const ContestoConteggio* contesto = nullptr,
                                     const QList<StoricoPaghe::PagaMese>* storicoAnno = nullptr);

    // The month of the pay history a count makes: its amounts, slip lines,
    // insured earnings and the employer's part.
    static StoricoPaghe::PagaMese comeMese(const RisultatoConteggio& r);

    // The monthly salary of monthly pay in the month: the salary period's in
    // force in it, else the card's. `errore` (may be null) names a salary
    // history that did not read cleanly (the card's salary is returned).
    static double salarioDelMese(const QString& codice, const DatiDipendente& d, int anno, int mese,
                                 QString* errore = nullptr);

    // Why the withholding tax of the canton and tariff code cannot be
    // computed (no tariff scale loaded): the text a count that saves refuses
    // the month with, naming the canton or the code and the folders searched.
    static QString impostaNonCalcolabile(const QString& cantone, const QString& tariffa);

    // The family allowances the count pays in the month for the children on
    // the card, for a whole month: the card's canton ("TI" when empty) on the
    // month's income `reddito`, dated on the month's last day of employment
    // (a child born in the month is paid for from that month, unless born
    // after the employment ended).
    static AssegniFamiliari::Risultato assegniDelMese(const DatiDipendente& d, int anno, int mese, double reddito);
    // The children's allowances of `a` for `giorni` days employed in the
    // month (30 the whole month), each to the centime; the last takes what
    // the rounding of the others leaves, so that they add up to the month's
    // allowances to the centime.
    static QList<AssegniFamiliari::DettaglioFiglio> figliPerGiorni(const AssegniFamiliari::Risultato& a, int giorni);

    // Whether the employee is employed in the month: no employment period at
    // all, or one that touches a day of the month. A month outside is not
    // counted.
    static bool inServizio(const DatiDipendente& d, int anno, int mese);

    // Days employed in the month on a 30-day month: for each employment
    // period touching the month, (the last day employed, the month's last
    // day counting as 30) - (the first day employed, a 31st counting as the
    // 30th) + 1, at least 1; the periods' days added up, at most 30. 30
    // without any period; 0 when no period touches the month.
    static int giorniDelMese(const DatiDipendente& d, int anno, int mese);

    // The slip line the count pays an extra movement dated in the month
    // with: named by its description, else its kind, else "Movimento", with
    // its certificate category. False for a movement paid in no line (not
    // subject to withholding tax, or one the count passes over:
    // Movimenti::scarto).
    static bool voceMovimento(const MovimentoStipendio& m, StoricoPaghe::Voce* voce);

    // Settlement permits ("C") and Swiss citizens ("CH", or no permit) are
    // taxed by ordinary assessment; any other permit, or the explicit flag,
    // makes the employee subject to withholding tax.
    static bool soggettoImposta(const DatiDipendente& d);
    // The canton a count uses, as the tariffs and the allowance table name
    // it (a card may hold it in lower case or with blanks): TI when none.
    static QString cantoneDelConteggio(const DatiDipendente& d);
    // The tariff code the withholding tax is looked up with: the card's,
    // A0 when none is stored.
    static QString tariffaImposta(const DatiDipendente& d);
};
