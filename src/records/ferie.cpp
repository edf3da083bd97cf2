#include "ferie.h"

#include "config.h"
#include "dipendente.h"
#include "fileini.h"
#include "filesicuri.h"
#include "orologio.h"

#include <QDir>


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

// More days than any balance can hold, either way.
constexpr int kGiorniMassimi = 10000;

} // namespace

Ferie::Ferie(const QString& chiave)
    : m_chiave(chiave)
    , m_anno(Orologio::oggi().year())
{
}

double Ferie::settimaneVacanze(const DatiDipendente& d)
{
    bool ok = false;
    const double settimane = d.extra.value(QStringLiteral("vacanzeSettimane")).trimmed().toDouble(&ok);
    if (!ok || !(settimane > 0) || !(settimane < 52))
        return kSettimanePredefinite;
    return settimane;
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
    QByteArray contenuto;
    if (percorso.isEmpty() || !FileSicuri::leggi(percorso, &contenuto))
        return a;
    const FileIni ini = FileIni::leggi(contenuto);
    const QString gruppo = QString::number(anno);
    for (const CampoIntero& c : kInteri) {
        const QString chiave = QLatin1String(c.chiave);
        if (!ini.contiene(gruppo, chiave))
            continue;
        // Not a whole number of days a year can hold: 0.
        int giorni = 0;
        FileSicuri::intero(ini.valore(gruppo, chiave), -kGiorniMassimi, kGiorniMassimi, &giorni);
        a.*c.membro = giorni;
    }
    a.dataCessazione = ini.valore(gruppo, QStringLiteral("dataCessazione"));
    return a;
}

void Ferie::scriviAnno(int anno, const AnnoFerie& a) const
{
    QDir().mkpath(cartellaFerie());
    const QString percorso = percorsoFile();
    if (percorso.isEmpty())
        return;
    // The other years of the file stay; a file that cannot be read whole is
    // not written over.
    QByteArray contenuto;
    const FileSicuri::Esito esito = FileSicuri::leggiFile(percorso, &contenuto);
    if (esito != FileSicuri::Esito::Letto && esito != FileSicuri::Esito::Mancante)
        return;
    FileIni ini = FileIni::leggi(contenuto);
    if (!ini.pulito())
        return;
    const QString gruppo = QString::number(anno);
    for (const CampoIntero& c : kInteri)
        ini.imposta(gruppo, QLatin1String(c.chiave), QString::number(a.*c.membro));
    ini.imposta(gruppo, QStringLiteral("dataCessazione"), a.dataCessazione);
    FileSicuri::scrivi(percorso, ini.scrivi());
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
