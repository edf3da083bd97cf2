#pragma once

#include "assegnifamiliari.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// The yearly count for the family-compensation fund as one HTML page
// (landscape A4): the employees grouped by canton, with their yearly salary
// subject to the fund and the allowances paid (the year's figures,
// PagheAnno), canton totals and a grand total.
namespace ConteggioCAF {

struct RigaDip
{
    QString nome;
    QString numeroAVS;
    QString cantone;
    double salarioCaf = 0.0;
    double assegni = 0.0;
    int numFigli = 0;
    bool stima = false; // no month saved: estimated
    // The line naming saved months the latest closing refused (their
    // figures are those saved before); empty when there are none.
    QString rifiuti;

    QList<AssegniFamiliari::DettaglioFiglio> dettagli;
};

// The rows of the year by canton (the canton December paid the children's
// allowances by, as saved with it; else the card's, "TI" when empty):
// every employee with a salary subject to the fund or allowances paid in the
// year. `esclusi` (may be null) receives a line for each employee without
// figures for the year.
QMap<QString, QList<RigaDip>> righe(int anno, QStringList* esclusi = nullptr);

QString html(int anno);

// False when the file was not completely written.
bool esportaHtml(const QString& percorso, int anno);

} // namespace ConteggioCAF
