#pragma once

#include <QCoreApplication>
#include <QString>

// The salary statement ("Rendiconto salari"): a short yearly summary of one
// employee's pay.
class RSS
{
    Q_DECLARE_TR_FUNCTIONS(RSS)

public:
    struct Rendiconto
    {
        QString idFile;
        QString nome;
        int anno = 0;
        double lordoAnnuo = 0.0;
        double contributiDipendente = 0.0;
        double contributiDatore = 0.0;
        double lppAnnuo = 0.0;
        double impostaFonte = 0.0;
        double nettoAnnuo = 0.0;
        bool stima = false; // no month of the year saved: figures estimated
        // Not empty: the employee has no figures for the year (no month of
        // employment, pay history unreadable); the line saying so.
        QString esclusione;
        // Not empty: the figures hold saved months the latest closing
        // refused; the line naming them (PagheAnno::rigaRifiuti()).
        QString rifiuti;
    };

    // The statement of the year from the year's figures (PagheAnno): the sums
    // of the saved months; without any, the estimate of the months of
    // employment. `salarioRiserva` stands in for a monthly salary the record
    // lacks, `etaRiserva` for a birth date it lacks; the canton and tariff
    // are the record's.
    static Rendiconto genera(const QString& id, double salarioRiserva, int etaRiserva,
                             const QString& cantoneRiserva, const QString& tariffa, int anno);

    static QString formattaTesto(const Rendiconto& r);

    // The text written as UTF-8; false when the file was not completely written.
    static bool salvaSuFile(const Rendiconto& r, const QString& percorso);
};
