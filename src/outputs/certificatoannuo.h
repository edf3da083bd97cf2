#pragma once

#include "certificato.h"
#include "dipendente.h"

#include <QCoreApplication>
#include <QString>

// The salary certificate of a year and its printed sheets. The figures are
// the sums of the months the closings saved; only when no month of the year
// is saved are they estimated from the salary, and then marked as estimate.
class CertificatoAnnuo
{
    Q_DECLARE_TR_FUNCTIONS(Certificato)

public:
    // The certificate of employee `id` (record `d`) for the year.
    static Certificato::DatiCertificato calcola(const QString& id, const DatiDipendente& d, int anno);

    // The text the certificate manager shows ("Apri") and the text of its
    // PDF sheet (amounts one column further right).
    static QString testoApri(const Certificato::DatiCertificato& c);
    static QString testoScheda(const Certificato::DatiCertificato& c);

    // The sheet of "Esporta certificato PDF...": the year's pay, employer
    // contributions included, without a certificate file.
    static QString testoPdf(const QString& id, const DatiDipendente& d, int anno);

    // The line that marks estimated figures on every document.
    static QString rigaStima();
};
