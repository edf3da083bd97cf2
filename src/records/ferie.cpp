#include "ferie.h"

#include "config.h"
#include "filesicuri.h"
#include "orologio.h"

#include <QDir>
#include <QSettings>

namespace {

struct CampoIntero
{
    const char* chiave;
    int Ferie::AnnoFerie::*membro;
};

const CampoIntero kInteri[] = {
    {"legaliDiritto", &Ferie::AnnoFerie::legaliDiritto},
    {"legaliPrese", &Ferie::AnnoFerie::legaliPrese},
    {"regalateDiritto", &Ferie::AnnoFerie::regalateDiritto},
    {"regalatePrese", &Ferie::AnnoFerie::regalatePrese},
    {"aggiuntiveDiritto", &Ferie::AnnoFerie::aggiuntiveDiritto},
    {"aggiuntivePrese", &Ferie::AnnoFerie::aggiuntivePrese},
    {"giorniLavorati", &Ferie::AnnoFerie::giorniLavorati},
};

} // namespace

Ferie::Ferie(const QString& chiave)
    : m_chiave(chiave)
    , m_anno(Orologio::oggi().year())
{
}

QString Ferie::cartellaFerie()
{
    return Config::cartellaDatiPredefinita() + QStringLiteral("/ferie");
}

QString Ferie::percorsoFile() const
{
    if (!FileSicuri::nomeSicuro(m_chiave + QStringLiteral(".ini")) || m_chiave.isEmpty())
        return QString();
    return cartellaFerie() + QLatin1Char('/') + m_chiave + QStringLiteral(".ini");
}

Ferie::AnnoFerie Ferie::leggiAnno(int anno) const
{
    QDir().mkpath(cartellaFerie());
    AnnoFerie a;
    const QString percorso = percorsoFile();
    if (percorso.isEmpty())
        return a;
    QSettings s(percorso, QSettings::IniFormat);
    s.setIniCodec("UTF-8");
    s.beginGroup(QString::number(anno));
    for (const CampoIntero& c : kInteri) {
        const QString chiave = QLatin1String(c.chiave);
        if (s.contains(chiave))
            a.*c.membro = s.value(chiave).toInt(); // not a number: 0
    }
    a.dataCessazione = s.value(QStringLiteral("dataCessazione")).toString();
    return a;
}

void Ferie::scriviAnno(int anno, const AnnoFerie& a) const
{
    QDir().mkpath(cartellaFerie());
    const QString percorso = percorsoFile();
    if (percorso.isEmpty())
        return;
    QSettings s(percorso, QSettings::IniFormat);
    s.setIniCodec("UTF-8");
    s.beginGroup(QString::number(anno));
    for (const CampoIntero& c : kInteri)
        s.setValue(QLatin1String(c.chiave), a.*c.membro);
    s.setValue(QStringLiteral("dataCessazione"), a.dataCessazione);
    s.endGroup();
    s.sync();
}

int Ferie::saldoLegali() const
{
    const AnnoFerie a = leggiAnno(m_anno);
    return a.legaliDiritto - a.legaliPrese;
}

int Ferie::saldoRegalate() const
{
    const AnnoFerie a = leggiAnno(m_anno);
    return a.regalateDiritto - a.regalatePrese;
}

int Ferie::saldoAggiuntive() const
{
    const AnnoFerie a = leggiAnno(m_anno);
    return a.aggiuntiveDiritto - a.aggiuntivePrese;
}

int Ferie::saldoTotale() const
{
    const AnnoFerie a = leggiAnno(m_anno);
    return (a.legaliDiritto + a.regalateDiritto + a.aggiuntiveDiritto)
        - (a.legaliPrese + a.regalatePrese + a.aggiuntivePrese);
}

double Ferie::proRataLegali(int giorni) const
{
    const AnnoFerie a = leggiAnno(m_anno);
    if (giorni < 1 || giorni > 364)
        return a.legaliDiritto;
    return (giorni * a.legaliDiritto) / 365.0;
}
