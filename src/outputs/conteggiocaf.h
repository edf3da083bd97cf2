#pragma once

#include "assegnifamiliari.h"

#include <QList>
#include <QMap>
#include <QString>

// The yearly count for the family-compensation fund as one HTML page
// (landscape A4): the employees with children grouped by canton, with their
// yearly salary subject to the fund and the allowances of their months of
// employment, canton totals and a grand total.
namespace ConteggioCAF {

struct RigaDip
{
    QString nome;
    QString numeroAVS;
    QString cantone;
    double salarioCaf = 0.0;
    double assegni = 0.0;
    int numFigli = 0;
    QList<AssegniFamiliari::DettaglioFiglio> dettagli;
};

// The rows of the year by canton (canton text as written, "TI" when empty).
QMap<QString, QList<RigaDip>> righe(int anno);

QString html(int anno);

// False when the file was not completely written.
bool esportaHtml(const QString& percorso, int anno);

} // namespace ConteggioCAF
