#include "inputsvizzero.h"

#include "decimali.h"
#include "filesicuri.h"
#include "messaggi.h"

#include <QDoubleSpinBox>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// A typed number in plain form: "-1'234.567" is negative, "1234" and "567".
struct Numero
{
    enum class Forma { Valida, NonValida, OltreMassimo } forma = Forma::NonValida;
    bool negativo = false;
    QString intero;
    QString decimali;
    double valore = 0.0;
};

// An optional "-", the integer part plain or grouped by three with
// apostrophes, one decimal separator at most followed by at least one
// digit; blanks around it ignored. No field holds more than a thousand
// million: a longer number is a slip.
Numero leggiForma(const QString& testo)
{
    static const QRegularExpression forma(QStringLiteral(
        "^(-?)(\\d+|\\d{1,3}(?:['\\x{2019}]\\d{3})+)(?:[.,](\\d+))?$"));
    Numero n;
    const QRegularExpressionMatch m = forma.match(testo.trimmed());
    if (!m.hasMatch())
        return n;
    n.negativo = m.capturedLength(1) > 0;
    n.intero = m.captured(2).remove(QLatin1Char('\'')).remove(QChar(0x2019));
    n.decimali = m.captured(3);
    QString normale = m.captured(1) + n.intero;
    if (!n.decimali.isEmpty())
        normale += QLatin1Char('.') + n.decimali;
    bool ok = false;
    n.valore = normale.toDouble(&ok);
    if (ok && qIsFinite(n.valore))
        n.forma = qAbs(n.valore) > FileSicuri::kImportoMassimo ? Numero::Forma::OltreMassimo : Numero::Forma::Valida;
    return n;
}

} // namespace

bool InputSvizzero::leggiNumero(const QString& testo, double* valore, bool vuotoZero)
{
    if (testo.trimmed().isEmpty()) {
        if (!vuotoZero)
            return false;
        *valore = 0.0;
        return true;
    }
    const Numero n = leggiForma(testo);
    if (n.forma != Numero::Forma::Valida)
        return false;
    *valore = n.valore;
    return true;
}

bool InputSvizzero::leggiImporto(const QString& testo, double* valore, bool vuotoZero)
{
    if (testo.trimmed().isEmpty())
        return leggiNumero(testo, valore, vuotoZero);
    // Francs hold centimes: more decimals round half away from zero on the
    // digits typed, as the count rounds (19.825 is 19.83, -456.275 is
    // -456.28), counted in whole centimes so that no binary fraction moves
    // the half at any size (123'456'789.995 is 123'456'790.00).
    const Numero n = leggiForma(testo);
    if (n.forma != Numero::Forma::Valida)
        return false;
    double v = n.valore;
    if (n.decimali.size() > 2) {
        const qint64 centesimi = (n.intero + n.decimali.left(2)).toLongLong() + (n.decimali.at(2) >= QLatin1Char('5'));
        v = (n.negativo ? -1.0 : 1.0) * double(centesimi) / 100.0;
    }
    *valore = v == 0.0 ? 0.0 : v; // never -0
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
    if (decimaliMassimi >= 0 && leggiForma(testo).decimali.size() > decimaliMassimi) {
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
    if (leggiForma(testo).forma == Numero::Forma::OltreMassimo) {
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

double InputSvizzero::mostraInCasella(QDoubleSpinBox* casella, double valore, double massimo)
{
    casella->setRange(std::min(0.0, valore), std::max(massimo, valore));
    casella->setValue(Decimali::arrotonda(valore, std::pow(10.0, casella->decimals())));
    return casella->value();
}
