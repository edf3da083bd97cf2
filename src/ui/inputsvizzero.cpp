#include "inputsvizzero.h"

#include "decimali.h"
#include "filesicuri.h"
#include "messaggi.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

bool InputSvizzero::leggiNumero(const QString& testo, double* valore, bool vuotoZero)
{
    const QString t = testo.trimmed();
    if (t.isEmpty()) {
        if (!vuotoZero)
            return false;
        *valore = 0.0;
        return true;
    }
    // Integer part plain or grouped by three with apostrophes; one decimal
    // separator at most, followed by at least one digit.
    static const QRegularExpression forma(QStringLiteral(
        "^(-?)(\\d+|\\d{1,3}(?:['\\x{2019}]\\d{3})+)(?:[.,](\\d+))?$"));
    const QRegularExpressionMatch m = forma.match(t);
    if (!m.hasMatch())
        return false;
    QString normale = m.captured(1) + m.captured(2);
    normale.remove(QLatin1Char('\'')).remove(QChar(0x2019));
    if (m.capturedLength(3) > 0)
        normale += QLatin1Char('.') + m.captured(3);
    bool ok = false;
    const double v = normale.toDouble(&ok);
    // No field holds more than a thousand million: a longer number is a slip.
    if (!ok || !qIsFinite(v) || qAbs(v) > FileSicuri::kImportoMassimo)
        return false;
    *valore = v;
    return true;
}

bool InputSvizzero::leggiImporto(const QString& testo, double* valore, bool vuotoZero)
{
    // Francs hold centimes: more decimals round half away from zero on the
    // value typed, as the count rounds (19.825 is 19.83, -456.275 is -456.28).
    double v = 0.0;
    if (!leggiNumero(testo, &v, vuotoZero))
        return false;
    *valore = Decimali::arrotonda(v, 100.0);
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
                                       double* valore, bool vuotoZero)
{
    if (leggiNumero(testo, valore, vuotoZero))
        return true;
    avvisoImporto(parent, campo, testo);
    return false;
}

void InputSvizzero::avvisoImporto(QWidget* parent, const QString& campo, const QString& testo)
{
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
