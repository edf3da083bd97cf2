#include "linguautente.h"

#include <QSettings>
#include <QStringList>

namespace {

const QStringList& codiciNoti()
{
    static const QStringList codici{QStringLiteral("it"), QStringLiteral("de"), QStringLiteral("fr"),
                                    QStringLiteral("en"), QStringLiteral("es")};
    return codici;
}

} // namespace

QString LinguaUtente::codice()
{
    // Each translation names its own language here, so the month names
    // follow the texts the user sees.
    //: The two-letter code of the language of this translation: de, fr, en or es.
    const QString tradotto = tr("it").trimmed().toLower();
    if (tradotto != QLatin1String("it") && codiciNoti().contains(tradotto))
        return tradotto;
    const QString scelta = QSettings(QStringLiteral("Vardello"), QStringLiteral("Lingua"))
                               .value(QStringLiteral("lingua"))
                               .toString()
                               .trimmed()
                               .toLower();
    return codiciNoti().contains(scelta) ? scelta : QStringLiteral("it");
}

QLocale LinguaUtente::locale()
{
    const QString c = codice();
    if (c == QLatin1String("de"))
        return QLocale(QLocale::German, QLocale::Switzerland);
    if (c == QLatin1String("fr"))
        return QLocale(QLocale::French, QLocale::Switzerland);
    if (c == QLatin1String("en"))
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    if (c == QLatin1String("es"))
        return QLocale(QLocale::Spanish, QLocale::Spain);
    return QLocale(QLocale::Italian, QLocale::Switzerland);
}

QString LinguaUtente::nomeMese(int mese)
{
    if (mese < 1 || mese > 12)
        return QString();
    // The form used after a day or inside a sentence; German and English
    // write it with a capital, the others in lower case.
    return locale().monthName(mese, QLocale::LongFormat);
}

QString LinguaUtente::nomeMeseMaiuscolo(int mese)
{
    QString nome = nomeMese(mese);
    if (!nome.isEmpty())
        nome[0] = nome.at(0).toUpper();
    return nome;
}

QString LinguaUtente::meseAnno(int mese, int anno)
{
    QString nome = nomeMese(mese);
    if (nome.isEmpty() && mese != 0)
        nome = QString::number(mese);
    return nome + QLatin1Char(' ') + QString::number(anno);
}

QString LinguaUtente::data(const QDate& giorno)
{
    const QString c = codice();
    QString formato = QStringLiteral("d MMMM yyyy");
    if (c == QLatin1String("de"))
        formato = QStringLiteral("d. MMMM yyyy");
    else if (c == QLatin1String("es"))
        formato = QStringLiteral("d 'de' MMMM 'de' yyyy");
    return locale().toString(giorno, formato);
}
