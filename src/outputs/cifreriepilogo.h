#pragma once

#include "storicostipendi.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

// The year figures of one employee in the pay summary.
struct CifreAnno
{
    double lordo = 0.0;
    double contributi = 0.0; // employee contributions, pension apart
    double imposta = 0.0;
    double netto = 0.0;
};

// One employee of the accountant's CSV: the id and the monthly salary shown
// in the pay summary.
struct DipendenteCsv
{
    QString id;
    double salario = 0.0;
};

// The figures behind the pay summary and its accounting CSV.
namespace CifreRiepilogo {

// The year the summary opens with: from January to March the year just
// ended (its figures are still being checked), otherwise the current year.
int annoPredefinito(const QDate& oggi);

// The saved months of the year in the pay history, added up: the first group
// of each month 1 to 12, as the pay count reads them. False (figures 0) when
// the year holds no saved month.
bool sommaMesiSalvati(const QString& id, int anno, CifreAnno* cifre);

// The salary periods that overlap the year, each counted for the months it
// covers in the year (a month partly covered counts whole) times its stored
// monthly results. Periods without both dates are ignored. `coperto` tells
// whether any period overlapped the year.
CifreAnno daPeriodi(const QVector<PeriodoStipendio>& periodi, int anno, bool* coperto);

// What was really paid when the year has saved months; otherwise the
// estimate from the salary periods, or, when no period overlaps the year and
// the salary is above 0, the annual summary of that salary.
CifreAnno cifreAnno(const QString& id, double salario, int anno);

// The CSV's first line, without the line end.
QString intestazioneCsv();

// One field: quoted (quotes doubled) when it holds ";", a quote or a line
// break, else as it is.
QString campoCsv(const QString& testo);

// The whole CSV of the given employees (salary 0 or less left out), UTF-8
// with "\n" line ends. `periodo` is "yyyy-MM"; the age counts in `anno`.
QByteArray testoCsv(const QList<DipendenteCsv>& dipendenti, const QString& periodo, int anno);

} // namespace CifreRiepilogo
