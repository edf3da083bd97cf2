#pragma once

#include "certificato.h"
#include "dipendente.h"
#include "pagheanno.h"

#include <QCoreApplication>
#include <QString>

// The salary certificate of a year and its printed sheets, from the year's
// figures (PagheAnno): the sums of the saved months, an estimate marked as
// such when none is saved.
class CertificatoAnnuo
{
    Q_DECLARE_TR_FUNCTIONS(Certificato)

public:
    // The certificate of employee `id` (record `d`) for the year.
    static Certificato::DatiCertificato calcola(const QString& id, const DatiDipendente& d, int anno);
    // The certificate of the year's figures; all 0 for figures that do not
    // exist (no month of employment, pay history unreadable).
    static Certificato::DatiCertificato daCifre(const QString& id, int anno, const PagheAnno::Somme& s);

    // The text the certificate manager shows ("Apri") and the text of its
    // PDF sheet (amounts one column further right).
    static QString testoApri(const Certificato::DatiCertificato& c);
    static QString testoScheda(const Certificato::DatiCertificato& c);

    // The sheet of "Esporta certificato PDF...": the year's pay, employer
    // contributions included, without a certificate file.
    static QString testoPdf(const QString& id, const DatiDipendente& d, int anno);
    // The same from the year's figures already computed for the employee.
    static QString testoPdf(const QString& id, const DatiDipendente& d, int anno, const PagheAnno::Somme& s);

    // The line that marks estimated figures on every document.
    static QString rigaStima();
};
