#pragma once

#include "fogliopaga.h"
#include "movimenti.h"
#include "pain001.h"
#include "storicopaghe.h"

#include <QMap>
#include <QSet>

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

struct DatiDipendente;

// What the monthly closing makes of the months it saved: one pay slip per
// employee and the lines of the file that pays the net salaries. Both are
// built from the month as the pay history holds it, never from a new count.
class DocumentiChiusura
{
    Q_DECLARE_TR_FUNCTIONS(ChiusuraMensile)

public:
    // A rate in percent: four decimals, a point and "%" ("5.3000%").
    static QString formattaAliquota(double aliquota);

    // Why the saved month may be neither paid nor printed as the current
    // pay: the reason the last closing of the month could not count the
    // employee, or what of the year's pay history or of its refusals did not
    // read cleanly (file and line). Empty when nothing stands against it.
    static QString motivoEscluso(const QString& id, int anno, int mese);
    // The same for a caller that reads the year's pay history itself:
    // `dannoStorico` is what of it did not read cleanly (the `errore` of
    // StoricoPaghe::caricaAnno()); only the refusals are read here.
    static QString motivoEscluso(const QString& id, int anno, int mese, const QString& dannoStorico);

    // The saved months of the year that the last closing of each could not
    // count, in month order, one line each: "<Month year>: <reason>"; and a
    // line naming the file and line when the year's refusals did not read
    // cleanly. Empty when every saved month is the current pay. The figures
    // of such a month are still those saved before the refusal. `mesi` is
    // the year's pay history as read; `rifiutati` (may be null) receives the
    // refused months it holds.
    static QStringList mesiRifiutati(const QString& id, int anno, const QList<StoricoPaghe::PagaMese>& mesi,
                                     QSet<int>* rifiutati = nullptr);

    // The reason the last closing of the month could not count the
    // employee, or what of the year's refusals did not read cleanly (which
    // leaves it unknown whether the month was paid); empty when the month
    // was not refused. The pay history itself is not read.
    static QString rifiutoDelMese(const QString& id, int anno, int mese);
    // What motivoEscluso() says of a pay history of which `danno` did not
    // read cleanly (the `errore` of StoricoPaghe::caricaAnno()); empty when
    // it read cleanly.
    static QString storicoDanneggiato(const QString& danno);

    // The extra movements of `movimenti` dated in a month the employee's
    // pay history holds as saved (with `anno` and `mese` above 0, in that
    // month only) that the saved month did not pay: it must be counted
    // again to pay them. One line each, by date: "<Month year>: <name>
    // <amount> CHF". The month's stored slip lines tell what it paid, each
    // line one movement of its name and amount. A month saved without its
    // lines cannot tell: there a movement of `giaSalvati` (the file as it
    // was) counts as paid, any other as not.
    static QStringList movimentiNonPagati(const QString& id, const QList<MovimentoStipendio>& movimenti,
                                          const QList<MovimentoStipendio>& giaSalvati, int anno = 0, int mese = 0);

    // The slip of the saved month. `comunicazioni`, the text the closing
    // gives everyone, comes before the month's own. False without a saved
    // month (no group of the month, or one without "netto") and when
    // motivoEscluso() names a reason, which lands in `motivo` (may be null).
    static bool foglioPaga(const QString& id, int anno, int mese, const QString& comunicazioni, FoglioPaga* foglio,
                           QString* motivo = nullptr);

    // The lines of the slip from the saved month of `anno`: earnings,
    // deductions, the items after the subtotal and the amounts paid. A month
    // whose lines the pay count stored adds up line by line from the gross
    // to the amount paid; an older month prints from its totals.
    static void righePaga(const StoricoPaghe::PagaMese& paga, const DatiDipendente& d, int anno, FoglioPaga* f);

    // The slip's file in `cartella`: today's date, "_", the employee id
    // without its extension, "_", the pay month "yyyy-MM", ".pdf"; so the
    // slips of different months never share a name.
    static QString fileFoglio(const QString& cartella, const QString& id, int anno, int mese);

    // The 25th of the month, or tomorrow when the 25th has already passed.
    static QDate dataEsecuzione(int anno, int mese, const QDate& oggi);

    // The remittance text of every payment: "Stipendio <month> <year>".
    static QString causale(int anno, int mese);

    // The payments of the saved month for `ids`, in their order: each
    // employee with a positive net, not paid in cash, with an IBAN whose
    // check digits are right and nothing motivoEscluso() names. Every other
    // one goes into `esclusi`, when given, as "<name>: <reason>"; but for one
    // employed in no day of the month and without a saved month, who is
    // owed nothing.
    static QList<Pain001::Pagamento> pagamenti(const QStringList& ids, int anno, int mese,
                                               QStringList* esclusi = nullptr);

private:
    // The line naming refusals that did not read cleanly (file and line).
    static QString rifiutiDanneggiati(const QString& danno);
    // The lines of mesiRifiutati() from the year's refusals `rifiuti` (of
    // which `danno` did not read cleanly) and its pay history `mesi`.
    static QStringList righeRifiuti(const QMap<int, QString>& rifiuti, const QString& danno, int anno,
                                    const QList<StoricoPaghe::PagaMese>& mesi, QSet<int>* rifiutati);
};
