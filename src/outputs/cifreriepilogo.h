#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

// The pay summary's year and its accounting CSV.
namespace CifreRiepilogo {

// The year the summary opens with: from January to March the year just
// ended (its figures are still being checked), otherwise the current year.
int annoPredefinito(const QDate& oggi);

// The CSV's first line, without the line end.
QString intestazioneCsv();

// One field: quoted (quotes doubled) when it holds ";", a quote or a line
// break, else as it is.
QString campoCsv(const QString& testo);

// The accounting CSV of one saved month, UTF-8 with "\n" line ends: one row
// per employee with the month saved, the amounts as paid (stato "pagato");
// after them, apart, those whose saved month the last closing refused, with
// the amounts saved before and the reason (stato "rifiutato dall'ultima
// chiusura: <reason>"); last, the employees without it, marked, with no
// amounts.
QByteArray testoCsv(const QStringList& ids, int anno, int mese);

// The employees of `ids` whose saved month the last closing of the month
// refused, one line each: "<Surname Name>: <reason>".
QStringList mesiRifiutati(const QStringList& ids, int anno, int mese);

} // namespace CifreRiepilogo
