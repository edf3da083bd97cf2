#pragma once

#include "storicopaghe.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

struct DatiDipendente;
struct VariabileMese;
class QPrinter;
class QPainter;

// The content of one monthly pay slip as ready-made texts and rows, drawn on
// one A4 portrait page. Computes nothing of the pay: only the subtotal and the
// holiday weeks when none are given, and the signs and formats it shows.
class FoglioPaga
{
    Q_DECLARE_TR_FUNCTIONS(FoglioPaga)

public:
    struct Voce
    {
        QString descrizione;
        QString imponibile;
        QString aliquota;
        double importo = 0.0;
    };

    QString azienda;
    QString aziendaIndirizzo;
    QString aziendaLocalita;
    QString dipendente;
    QString dipendenteIndirizzo;
    QString dipendenteLocalita;
    QString dataNascita;
    QString numeroAVS;
    QString dataEntrata;
    QString dataUscita;
    QString mese;
    QString luogoData;
    QList<Voce> vociLorde;
    double totaleLordo = 0.0;
    QList<Voce> deduzioni;
    double totaleDeduzioni = 0.0;
    double totaleParziale = 0.0;
    QList<Voce> altreVoci;
    double importoVersato = 0.0;
    QString banca;
    QString iban;
    double settimaneVacanze = 0.0;
    double giorniVacanzeAnno = 0.0;
    double vacanzePrese = 0.0;
    double riportoVacanze = 0.0;
    double saldoVacanze = 0.0;
    double vacanzeMaturate = 0.0;
    double importoContanti = 0.0;
    QString comunicazioni;

    // Fills the holiday figures of the slip of month `mese`: the entitlement
    // from the employee's holiday weeks (five days a week) and the extra
    // days of the holiday file, the days taken as the holiday file's plus
    // the "Vacanze prese" of the year's months up to `mese`; accrued: the
    // entitlement of a year employed only part of the time, in proportion
    // to the months employed (each month its days of the pay count / 30);
    // the balance as accrued less taken; nothing carried over.
    void impostaVacanze(const QString& idDipendente, int anno, int mese);
    // The same with the employee's record `d` already read.
    void impostaVacanze(const QString& idDipendente, const DatiDipendente& d, int anno, int mese);

    // Draws the slip on the printer, one page, with a painter of its own.
    void disegnaSu(QPrinter& printer) const;
    // Writes the slip as an A4 PDF with zero margins. True only when the PDF
    // was written and is not empty.
    bool stampaPdf(const QString& percorso) const;
    // The slip has no HTML form.
    QString generaHtml() const { return QString(); }

    // The Italian month name, "gennaio" .. "dicembre", as the payment files
    // write it whatever the user's language; empty outside 1..12.
    static QString nomeDelMese(int mese);

    // "SFr. " and the amount in the Swiss German format, "SFr. -" below 0.005.
    static QString testoImporto(double importo);
    // "SFr. " and the amount, never the dash.
    static QString testoTotale(double importo);
    // The subtotal the slip shows.
    double parzialeMostrato() const;
    // The label of the payment box.
    QString etichettaVersamento() const;

    // The month's name in the user's language ("gennaio", "Januar" ..., else
    // the number) and the year: the slip's heading.
    static QString nomeMese(int mese, int anno);

    // The monthly variables sheet of one employee and year, one page: a row
    // per month with the variables entered, the yearly total below. `orario`
    // chooses the columns of an employee paid by the hour.
    static void disegnaVariabiliRealiSu(QPrinter& printer, const QString& azienda, const QString& dipendente,
                                        int anno, const QString& luogoData, bool orario,
                                        const QList<VariabileMese>& mesi);

    // "Riepilogo annuale": the monthly variables sheet, then the summary
    // page of the pay-history year sheet, its header and the year's total
    // row of the saved pay counts (`paghe`); below it, the lines of
    // `esclusi`: the saved months left out of the total as not paid.
    static void disegnaRiepilogoAnnualeSu(QPrinter& printer, const QString& azienda, const QString& dipendente,
                                          int anno, const QString& luogoData, bool orario,
                                          const QList<VariabileMese>& variabili,
                                          const QList<StoricoPaghe::PagaMese>& paghe,
                                          const QStringList& esclusi = {});

    // The pay-history year sheet: a row per month of the pay history and the
    // yearly total; with `riepilogo` a second page repeating the total alone.
    static void disegnaVariabiliSu(QPrinter& printer, const QString& azienda, const QString& dipendente, int anno,
                                   const QString& data, const QList<StoricoPaghe::PagaMese>& mesi,
                                   bool riepilogo);

    // disegnaVariabiliSu into an A4 PDF with zero margins. True only when the
    // PDF was written and is not empty.
    static bool stampaVariabiliMese(const QString& percorso, const QString& azienda, const QString& dipendente,
                                    int anno, const QString& data, const QList<StoricoPaghe::PagaMese>& mesi,
                                    bool riepilogo);

private:
    void disegna(QPainter& p) const;
};
