#pragma once

#include <QDate>
#include <QString>

// Date texts of the records. Reading "dd/MM/yyyy" through QDate::fromString
// parses the format at every call; the counts read many dates, so the usual
// form is read directly, an empty text (an employment still open) is no
// date, and anything else goes the general way.
namespace DateTesto {

inline QDate daGiornoMeseAnno(const QString& testo)
{
    if (testo.isEmpty())
        return QDate();
    auto cifra = [&testo](int i) { return testo.at(i).unicode() - '0'; };
    auto eCifra = [&testo](int i) { return testo.at(i).unicode() >= '0' && testo.at(i).unicode() <= '9'; };
    if (testo.size() == 10 && testo.at(2) == QLatin1Char('/') && testo.at(5) == QLatin1Char('/') && eCifra(0)
        && eCifra(1) && eCifra(3) && eCifra(4) && eCifra(6) && eCifra(7) && eCifra(8) && eCifra(9)) {
        const int anno = cifra(6) * 1000 + cifra(7) * 100 + cifra(8) * 10 + cifra(9);
        if (anno > 0)
            return QDate(anno, cifra(3) * 10 + cifra(4), cifra(0) * 10 + cifra(1));
    }
    return QDate::fromString(testo, QStringLiteral("dd/MM/yyyy"));
}

// "yyyy-MM-dd", as the movements write it.
inline QDate daAnnoMeseGiorno(const QString& testo)
{
    if (testo.isEmpty())
        return QDate();
    auto cifra = [&testo](int i) { return testo.at(i).unicode() - '0'; };
    auto eCifra = [&testo](int i) { return testo.at(i).unicode() >= '0' && testo.at(i).unicode() <= '9'; };
    if (testo.size() == 10 && testo.at(4) == QLatin1Char('-') && testo.at(7) == QLatin1Char('-') && eCifra(0)
        && eCifra(1) && eCifra(2) && eCifra(3) && eCifra(5) && eCifra(6) && eCifra(8) && eCifra(9)) {
        const int anno = cifra(0) * 1000 + cifra(1) * 100 + cifra(2) * 10 + cifra(3);
        if (anno > 0)
            return QDate(anno, cifra(5) * 10 + cifra(6), cifra(8) * 10 + cifra(9));
    }
    return QDate::fromString(testo, QStringLiteral("yyyy-MM-dd"));
}

// The date of an extra movement: the stored "yyyy-MM-dd", or a Swiss
// "dd/MM/yyyy" / "dd.MM.yyyy" that files written by hand or by older versions
// hold, so no movement drops out of its month.
inline QDate daMovimento(const QString& testo)
{
    const QDate iso = daAnnoMeseGiorno(testo);
    if (iso.isValid())
        return iso;
    const QDate svizzera = daGiornoMeseAnno(testo);
    if (svizzera.isValid())
        return svizzera;
    return QDate::fromString(testo, QStringLiteral("dd.MM.yyyy"));
}

} // namespace DateTesto
