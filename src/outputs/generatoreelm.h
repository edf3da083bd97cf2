#pragma once

#include "pagheanno.h"

#include <QString>

// The program's own per-employee export of a year's pay as XML (namespace
// "urn:vardello:elm:semplificato:v1"). It is not a declaration to the Swiss
// salary-reporting channel.
class GeneratoreELM
{
public:
    GeneratoreELM() = default;

    // The document from the year's figures (PagheAnno): the sums of the saved
    // months, an estimate (marked <Stima>true</Stima>) only when none is
    // saved; the monthly figures are those of the year's last month. An
    // employee without figures has the line that names him and says why
    // (<Esclusione>) and no amount at all. The
    // canton, tariff and age are the employee record's; the arguments stand
    // in when the record cannot be read (the salary when it has none).
    // `cifre`, when given, are the year's figures the caller already
    // computed for this employee, record and year; else they are computed.
    QString generaXML(const QString& idDipendente, const QString& idAzienda, double salarioMensile, int eta,
                      const QString& cantone, const QString& tabella, int anno,
                      const PagheAnno::Somme* cifre = nullptr) const;

    // Writes the document as UTF-8; false when it was not completely written.
    bool salvaSuFile(const QString& percorso, const QString& idDipendente, const QString& idAzienda,
                     double salarioMensile, int eta, const QString& cantone, const QString& tabella,
                     int anno, const PagheAnno::Somme* cifre = nullptr) const;
};
