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
    };

    // The statement of the year: the sums of the saved months; without any,
    // an estimate from the last salary period or from the salary. The
    // reserve values stand in for what the employee record lacks.
    static Rendiconto genera(const QString& id, double salarioRiserva, int etaRiserva,
                             const QString& cantoneRiserva, const QString& tariffa, int anno);

    static QString formattaTesto(const Rendiconto& r);

    // The text written as UTF-8; false when the file was not completely written.
    static bool salvaSuFile(const Rendiconto& r, const QString& percorso);
};
