#include "inputsvizzero.h"

#include "decimali.h"
#include "filesicuri.h"
#include "messaggi.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {

enum class Forma { Valida, NonValida, OltreMassimo };

// The typed text in plain form ("-1234.5"): an optional "-", the integer
// digits without their apostrophes, the decimals after a ".". Integer part
// plain or grouped by three with apostrophes; one decimal separator at
// most, followed by at least one digit. No field holds more than a thousand
// million: a longer number is a slip.
Forma formaNumero(const QString& t, QString* segno, QString* intero, QString* decimali, double* valore)
{
    static const QRegularExpression forma(QStringLiteral(
        "^(-?)(\\d+|\\d{1,3}(?:['\\x{2019}]\\d{3})+)(?:[.,](\\d+))?$"));
    const QRegularExpressionMatch m = forma.match(t);
    if (!m.hasMatch())
        return Forma::NonValida;
    *segno = m.captured(1);
    *intero = m.captured(2);
    intero->remove(QLatin1Char('\'')).remove(QChar(0x2019));
    *decimali = m.captured(3);
    QString normale = *segno + *intero;
    if (!decimali->isEmpty())
        normale += QLatin1Char('.') + *decimali;
    bool ok = false;
    *valore = normale.toDouble(&ok);
    if (!ok || !qIsFinite(*valore))
        return Forma::NonValida;
    return qAbs(*valore) > FileSicuri::kImportoMassimo ? Forma::OltreMassimo : Forma::Valida;
}

Forma formaNumero(const QString& t, double* valore)
{
    QString segno, intero, decimali;
    return formaNumero(t, &segno, &intero, &decimali, valore);
}

} // namespace

bool InputSvizzero::leggiNumero(const QString& testo, double* valore, bool vuotoZero)
{
    const QString t = testo.trimmed();
    if (t.isEmpty()) {
        if (!vuotoZero)
            return false;
        *valore = 0.0;
        return true;
    }
    double v = 0.0;
    if (formaNumero(t, &v) != Forma::Valida)
        return false;
    *valore = v;
    return true;
}

bool InputSvizzero::leggiImporto(const QString& testo, double* valore, bool vuotoZero)
{
    const QString t = testo.trimmed();
    if (t.isEmpty())
        return leggiNumero(t, valore, vuotoZero);
    // Francs hold centimes: more decimals round half away from zero on the
    // digits typed, as the count rounds (19.825 is 19.83, -456.275 is
    // -456.28), counted in whole centimes so that no binary fraction moves
    // the half at any size (123'456'789.995 is 123'456'790.00).
    QString segno, intero, decimali;
    double v = 0.0;
    if (formaNumero(t, &segno, &intero, &decimali, &v) != Forma::Valida)
        return false;
    if (decimali.size() > 2) {
        qint64 centesimi = (intero + decimali.left(2)).toLongLong();
        if (decimali.at(2) >= QLatin1Char('5'))
            ++centesimi;
        v = double(centesimi) / 100.0;
        if (!segno.isEmpty() && centesimi != 0)
            v = -v;
    }
    *valore = v == 0.0 ? 0.0 : v;
    return true;
}

QDate InputSvizzero::leggiData(const QString& testo)
{
    static const QRegularExpression forma(QStringLiteral("^(\\d{1,2})([./])(\\d{1,2})\\2(\\d{4})$"));
    const QRegularExpressionMatch m = forma.match(testo.trimmed());
    if (!m.hasMatch())
        return QDate();
    return QDate(m.captured(4).toInt(), m.captured(3).toInt(), m.captured(1).toInt());
}

bool InputSvizzero::importoOppureAvviso(QWidget* parent, const QString& campo, const QString& testo,
                                        double* valore, bool vuotoZero)
{
    if (leggiImporto(testo, valore, vuotoZero))
        return true;
    avvisoImporto(parent, campo, testo);
    return false;
}

bool InputSvizzero::numeroOppureAvviso(QWidget* parent, const QString& campo, const QString& testo,
                                       double* valore, bool vuotoZero, int decimaliMassimi)
{
    double letto = 0.0;
    if (!leggiNumero(testo, &letto, vuotoZero)) {
        avvisoImporto(parent, campo, testo);
        return false;
    }
    QString segno, intero, decimali;
    double v = 0.0;
    if (decimaliMassimi >= 0 && formaNumero(testo.trimmed(), &segno, &intero, &decimali, &v) == Forma::Valida
        && decimali.size() > decimaliMassimi) {
        Messaggi::avviso(parent, tr("Attenzione"),
                         tr("Il valore \"%1\" in \"%2\" ha troppi decimali: se ne possono scrivere al massimo %3.")
                             .arg(testo.trimmed(), campo)
                             .arg(decimaliMassimi));
        return false;
    }
    *valore = letto;
    return true;
}

void InputSvizzero::avvisoImporto(QWidget* parent, const QString& campo, const QString& testo)
{
    double v = 0.0;
    if (formaNumero(testo.trimmed(), &v) == Forma::OltreMassimo) {
        const QLocale svizzera(QLocale::German, QLocale::Switzerland);
        Messaggi::avviso(parent, tr("Attenzione"),
                         tr("L'importo \"%1\" in \"%2\" supera il massimo ammesso di %3.")
                             .arg(testo.trimmed(), campo, svizzera.toString(FileSicuri::kImportoMassimo, 'f', 2)));
        return;
    }
    Messaggi::avviso(parent, tr("Attenzione"),
                     tr("L'importo \"%1\" in \"%2\" non e' valido: scrivere ad esempio 5'000.50 oppure 5000,50.")
                         .arg(testo.trimmed(), campo));
}

bool InputSvizzero::dataOppureAvviso(QWidget* parent, const QString& campo, const QString& testo, QDate* data)
{
    const QDate d = leggiData(testo);
    if (d.isValid()) {
        *data = d;
        return true;
    }
    Messaggi::avviso(parent, tr("Attenzione"),
                     tr("La data \"%1\" in \"%2\" non e' valida: scrivere ad esempio 31.12.2025 oppure 31/12/2025.")
                         .arg(testo.trimmed(), campo));
    return false;
}

bool InputSvizzero::nelLimiteOppureAvviso(QWidget* parent, const QString& campo, double valore, double minimo,
                                          double massimo)
{
    const QString messaggio = fuoriLimite(campo, valore, minimo, massimo);
    if (messaggio.isEmpty())
        return true;
    Messaggi::avviso(parent, tr("Attenzione"), messaggio);
    return false;
}

QString InputSvizzero::fuoriLimite(const QString& campo, double valore, double minimo, double massimo)
{
    if (std::isfinite(valore) && valore >= minimo && valore <= massimo)
        return QString();
    const QLocale svizzera(QLocale::German, QLocale::Switzerland);
    return tr("Il valore %1 in \"%2\" non e' ammesso: deve essere tra %3 e %4.")
        .arg(svizzera.toString(valore, 'f', 2), campo, svizzera.toString(minimo, 'f', 2),
             svizzera.toString(massimo, 'f', 2));
}
