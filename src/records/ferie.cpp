#include "ferie.h"

#include "config.h"
#include "decimali.h"
#include "dipendente.h"
#include "fileini.h"
#include "filesicuri.h"
#include "orologio.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <cmath>


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

double Ferie::dirittoMaturato(double dirittoAnnuo, double mesi)
{
    if (!(mesi < 12))
        return dirittoAnnuo;
    if (!(mesi > 0))
        return 0.0;
    return Decimali::arrotonda(dirittoAnnuo * mesi / 12.0, 10.0);
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

Ferie::AnnoFerie Ferie::leggiAnno(int anno, QString* errore) const
{
    QDir().mkpath(cartellaFerie());
    if (errore)
        errore->clear();
    AnnoFerie a;
    const QString percorso = percorsoFile();
    QByteArray contenuto;
    if (percorso.isEmpty())
        return a;
    const FileSicuri::Esito esito = FileSicuri::leggiFile(percorso, &contenuto);
    if (esito != FileSicuri::Esito::Letto) {
        if (errore && esito != FileSicuri::Esito::Mancante)
            *errore = FileSicuri::messaggio(esito, percorso);
        return a;
    }
    const FileIni ini = FileIni::leggi(contenuto);
    QStringList problemi = ini.problemi(percorso);
    const QString gruppo = QString::number(anno);
    for (const CampoIntero& c : kInteri) {
        const QString chiave = QLatin1String(c.chiave);
        if (!ini.contiene(gruppo, chiave))
            continue;
        // Not a whole number of days a year can hold: 0, and reported.
        int giorni = 0;
        if (!FileSicuri::intero(ini.valore(gruppo, chiave), -kGiorniMassimi, kGiorniMassimi, &giorni))
            problemi.append(FileIni::problema(
                percorso, ini.riga(gruppo, chiave),
                QCoreApplication::translate("Ferie", "valore non valido per %1: \"%2\"")
                    .arg(gruppo + QLatin1Char('/') + chiave, ini.valore(gruppo, chiave))));
        a.*c.membro = giorni;
    }
    a.dataCessazione = ini.valore(gruppo, QStringLiteral("dataCessazione"));
    if (errore)
        *errore = problemi.join(QLatin1Char('\n'));
    return a;
}

bool Ferie::scriviAnno(int anno, const AnnoFerie& a, QString* errore) const
{
    QDir().mkpath(cartellaFerie());
    const QString percorso = percorsoFile();
    if (percorso.isEmpty())
        return false;
    // The other years of the file stay; a file that did not read cleanly
    // (the year written included) is not written over.
    QString problemi;
    leggiAnno(anno, &problemi);
    if (!problemi.isEmpty()) {
        if (errore)
            *errore = problemi;
        return false;
    }
    QByteArray contenuto;
    FileSicuri::leggiFile(percorso, &contenuto);
    FileIni ini = FileIni::leggi(contenuto);
    const QString gruppo = QString::number(anno);
    for (const CampoIntero& c : kInteri)
        ini.imposta(gruppo, QLatin1String(c.chiave), QString::number(a.*c.membro));
    ini.imposta(gruppo, QStringLiteral("dataCessazione"), a.dataCessazione);
    if (!FileSicuri::scrivi(percorso, ini.scrivi())) {
        if (errore)
            *errore = QCoreApplication::translate("Ferie", "Impossibile scrivere il file %1.").arg(percorso);
        return false;
    }
    return true;
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
