#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>

class QDoubleSpinBox;
class QWidget;

// Reading amounts and dates that the user typed, in the forms used in
// Switzerland. Anything else is refused, never read as 0 or as a default date.
class InputSvizzero
{
    Q_DECLARE_TR_FUNCTIONS(InputSvizzero)

public:
    // An amount: an optional "-", digits with an optional decimal part after
    // "." or ",", the integer digits either plain ("5000.50") or grouped by
    // three with apostrophes ("5'000.50", also the typographic "’").
    // Blanks around it are ignored. An empty text is 0 when `vuotoZero`,
    // else refused. False (and *valore untouched) when the text is refused.
    // An amount in francs is kept to the centime: more decimals round half
    // away from zero on the value typed (19.825 is 19.83).
    static bool leggiImporto(const QString& testo, double* valore, bool vuotoZero = true);
    // The same forms read as they are typed, for what is no franc amount: a
    // rate, an exchange rate, hours, days, a grade.
    static bool leggiNumero(const QString& testo, double* valore, bool vuotoZero = true);

    // A date "dd.MM.yyyy" or "dd/MM/yyyy" (day and month with one or two
    // digits, four-digit year), blanks around it ignored. Invalid when the
    // text is not such a date or names no day of the calendar.
    static QDate leggiData(const QString& testo);

    // As above, warning the user (title "Attenzione") about the field
    // `campo` when the text is refused.
    static bool importoOppureAvviso(QWidget* parent, const QString& campo, const QString& testo,
                                    double* valore, bool vuotoZero = true);
    // `decimaliMassimi` >= 0: a number typed with more decimals is refused
    // too (hours and days), with a warning that says how many are allowed.
    static bool numeroOppureAvviso(QWidget* parent, const QString& campo, const QString& testo,
                                   double* valore, bool vuotoZero = true, int decimaliMassimi = -1);
    static bool dataOppureAvviso(QWidget* parent, const QString& campo, const QString& testo, QDate* data);

    // True when `valore` lies within [minimo, massimo]; else warns the user
    // (title "Attenzione") naming the field `campo` and its range.
    static bool nelLimiteOppureAvviso(QWidget* parent, const QString& campo, double valore, double minimo,
                                      double massimo);
    // The same message without showing it; empty when `valore` lies within
    // the range.
    static QString fuoriLimite(const QString& campo, double valore, double minimo, double massimo);

    // Shows a stored value in a number box as it is: the box's range 0 to
    // `massimo` widened to hold it, the value rounded half away from zero
    // to the box's decimals. Returns what the box shows: while it still
    // shows that, the user has not touched it, and a save keeps the stored
    // value whatever its decimals or size.
    static double mostraInCasella(QDoubleSpinBox* casella, double valore, double massimo);

private:
    // The warning of a refused amount or number.
    static void avvisoImporto(QWidget* parent, const QString& campo, const QString& testo);
};
