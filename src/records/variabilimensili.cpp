#include "variabilimensili.h"

#include "chiusuraannuale.h"
#include "config.h"
#include "decimali.h"
#include "fileini.h"
#include "filesicuri.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

enum class Tipo { Importo, Testo };

struct Campo
{
    const char* chiave;
    Tipo tipo;
    double VariabileMese::*importo;
    QString VariabileMese::*testo;
};

#define IMPORTO(n) {#n, Tipo::Importo, &VariabileMese::n, nullptr}
#define TESTO(n) {#n, Tipo::Testo, nullptr, &VariabileMese::n}

// The 35 stored keys, in the order of the record.
const Campo kCampi[] = {
    IMPORTO(rimborsoSpese),        TESTO(rimborsoSpeseDesc),
    IMPORTO(acconti),              TESTO(accontiDesc),
    IMPORTO(vacanzePrese),         TESTO(vacanzePreseDesc),
    TESTO(dataConteggio),          TESTO(comunicazioni),
    IMPORTO(importiImponibili),    TESTO(importiImponibiliDesc),
    IMPORTO(importiNonImponibili), TESTO(importiNonImponibiliDesc),
    IMPORTO(rimborsoTrasferte),    TESTO(rimborsoTrasferteDesc),
    IMPORTO(deduzioneAssenze),     TESTO(deduzioneAssenzeDesc),
    IMPORTO(rimborsoAssicurativo), TESTO(rimborsoAssicurativoDesc),
    IMPORTO(tredicesimaGratifica), TESTO(tredicesimaGratificaDesc),
    IMPORTO(tredicesimaLiquidata),
    IMPORTO(oreFatte),             IMPORTO(oreExtra25),
    IMPORTO(oreExtra50),           IMPORTO(oreExtraCompensate),
    IMPORTO(rimborsoMalattia),     TESTO(rimborsoMalattiaDesc),
    IMPORTO(rimborsoInfortunio),   TESTO(rimborsoInfortunioDesc),
    IMPORTO(rimborsoIPG),          TESTO(rimborsoIPGDesc),
    IMPORTO(rimborsoPrestiti),     TESTO(rimborsoPrestitiDesc),
    IMPORTO(trattenuteUEF),        TESTO(trattenuteUEFDesc),
};

#undef IMPORTO
#undef TESTO

QString gruppo(int mese)
{
    return QStringLiteral("Mese_") + QString::number(mese);
}

bool imposta(QString* errore, const QString& testo)
{
    if (errore)
        *errore = testo;
    return false;
}

// The file as read: nothing (no file), the parsed groups, or the reason it
// could not be read.
struct Lettura
{
    bool presente = false;
    FileIni ini;
    QString errore;
};

Lettura leggiFile(const QString& percorso)
{
    Lettura l;
    if (percorso.isEmpty())
        return l;
    QByteArray contenuto;
    const FileSicuri::Esito esito = FileSicuri::leggiFile(percorso, &contenuto);
    if (esito == FileSicuri::Esito::Mancante)
        return l;
    if (esito != FileSicuri::Esito::Letto) {
        l.errore = FileSicuri::messaggio(esito, percorso);
        return l;
    }
    l.presente = true;
    l.ini = FileIni::leggi(contenuto);
    // What did read can be looked at; the file is not written over.
    if (!l.ini.pulito())
        l.errore = l.ini.problemi(percorso).join(QLatin1Char('\n'));
    return l;
}

// One month's record; every field that holds no valid value is added to
// `illeggibili` as "Mese_<n>/<key> (riga <line>)" and reads as 0 or empty.
VariabileMese leggiMese(const Lettura& l, int mese, QStringList* illeggibili)
{
    VariabileMese v;
    v.mese = mese;
    if (!l.presente)
        return v;
    const QString g = gruppo(mese);
    for (const Campo& c : kCampi) {
        const QString chiave = QLatin1String(c.chiave);
        if (!l.ini.contiene(g, chiave))
            continue;
        bool leggibile = true;
        const QString valore = l.ini.valore(g, chiave, &leggibile);
        if (c.tipo == Tipo::Importo) {
            double importo = 0.0;
            if (leggibile && (valore.trimmed().isEmpty()
                              || FileSicuri::numero(valore, -FileSicuri::kImportoMassimo,
                                                    FileSicuri::kImportoMassimo, &importo))) {
                v.*c.importo = importo;
                continue;
            }
        } else if (leggibile) {
            v.*c.testo = valore;
            continue;
        }
        illeggibili->append(VariabiliMensili::tr("%1 (riga %2)").arg(g + QLatin1Char('/') + chiave).arg(l.ini.riga(g, chiave)));
    }
    return v;
}

QString descriviIlleggibili(const QString& percorso, const QStringList& campi)
{
    return VariabiliMensili::tr("Il file %1 contiene valori non validi: %2.")
        .arg(percorso, campi.join(QStringLiteral(", ")));
}

} // namespace

QString VariabiliMensili::percorsoFile(const QString& codice, int anno)
{
    const QString base = QFileInfo(codice).completeBaseName();
    const QString nome = base + QLatin1Char('_') + QString::number(anno) + QStringLiteral(".ini");
    if (base.isEmpty() || !FileSicuri::nomeSicuro(nome))
        return QString();
    const QString cartella = Config::cartellaDati() + QStringLiteral("/variabili");
    QDir().mkpath(cartella);
    return cartella + QLatin1Char('/') + nome;
}

QList<VariabileMese> VariabiliMensili::caricaAnno(const QString& codice, int anno, QString* errore)
{
    const QString percorso = percorsoFile(codice, anno);
    const Lettura l = leggiFile(percorso);
    QList<VariabileMese> mesi;
    QStringList illeggibili;
    for (int m = 1; m <= 12; ++m)
        mesi.append(leggiMese(l, m, &illeggibili));
    if (errore)
        *errore = (l.errore + QLatin1Char('\n')
                   + (illeggibili.isEmpty() ? QString() : descriviIlleggibili(percorso, illeggibili)))
                      .trimmed();
    return mesi;
}

VariabileMese VariabiliMensili::caricaMese(const QString& codice, int anno, int mese, QString* errore)
{
    return caricaMese(codice, anno, mese, errore, nullptr);
}

VariabileMese VariabiliMensili::caricaMese(const QString& codice, int anno, int mese, QString* errore,
                                           QList<VariabileMese>* mesiAnno)
{
    if (errore)
        errore->clear();
    if (mesiAnno)
        mesiAnno->clear();
    const bool meseValido = mese >= 1 && mese <= 12;
    if (!meseValido && !mesiAnno)
        return VariabileMese();
    const QString percorso = percorsoFile(codice, anno);
    const Lettura l = leggiFile(percorso);
    QStringList illeggibili;
    VariabileMese v;
    if (mesiAnno) {
        QStringList altri; // the other months' are told by whoever reads them on their own
        for (int m = 1; m <= 12; ++m)
            mesiAnno->append(leggiMese(l, m, m == mese ? &illeggibili : &altri));
        if (meseValido)
            v = mesiAnno->at(mese - 1);
    } else {
        v = leggiMese(l, mese, &illeggibili);
    }
    if (!meseValido)
        return VariabileMese();
    if (errore)
        *errore = (l.errore + QLatin1Char('\n')
                   + (illeggibili.isEmpty() ? QString() : descriviIlleggibili(percorso, illeggibili)))
                      .trimmed();
    return v;
}

double VariabiliMensili::massimo(double VariabileMese::*campo)
{
    if (ore(campo))
        return kOreMeseMassime;
    if (campo == &VariabileMese::vacanzePrese)
        return kGiorniMeseMassimi;
    return FileSicuri::kImportoMassimo;
}

bool VariabiliMensili::importo(double VariabileMese::*campo)
{
    return !ore(campo) && campo != &VariabileMese::vacanzePrese;
}

bool VariabiliMensili::ore(double VariabileMese::*campo)
{
    return campo == &VariabileMese::oreFatte || campo == &VariabileMese::oreExtra25
        || campo == &VariabileMese::oreExtra50 || campo == &VariabileMese::oreExtraCompensate;
}

int VariabiliMensili::decimali(double VariabileMese::*campo)
{
    return importo(campo) ? 2 : kDecimaliOre;
}

QString VariabiliMensili::testo(double VariabileMese::*campo, double valore)
{
    return Decimali::testoFino(valore, 2, decimali(campo));
}

double VariabiliMensili::oreDelMese(const VariabileMese& v)
{
    return v.oreFatte + v.oreExtra25 + v.oreExtra50;
}

bool VariabiliMensili::salvaAnno(const QString& codice, int anno, const QList<VariabileMese>& mesi,
                                 QString* errore)
{
    if (ChiusuraAnnuale::isAnnoChiuso(anno))
        return imposta(errore, tr("L'esercizio %1 è chiuso: le variabili non si possono modificare.").arg(anno));
    if (mesi.size() < 12)
        return imposta(errore, tr("Mancano dei mesi: le variabili non vengono salvate."));
    const QString percorso = percorsoFile(codice, anno);
    if (percorso.isEmpty())
        return imposta(errore, tr("Codice dipendente non utilizzabile come nome di file."));
    for (int m = 1; m <= 12; ++m) {
        for (const Campo& c : kCampi) {
            if (c.tipo != Tipo::Importo)
                continue;
            const double v = mesi.at(m - 1).*c.importo;
            if (!std::isfinite(v) || std::fabs(v) > FileSicuri::kImportoMassimo)
                return imposta(errore, tr("Valore non valido in %1/%2: le variabili non vengono salvate.")
                                           .arg(gruppo(m), QLatin1String(c.chiave)));
        }
    }

    // The file is rewritten whole: one that did not read cleanly would lose
    // what could not be read, so it is left as it is.
    Lettura l = leggiFile(percorso);
    if (!l.errore.isEmpty())
        return imposta(errore, l.errore + QLatin1Char(' ') + tr("Il file non viene sovrascritto."));
    QStringList illeggibili;
    for (int m = 1; m <= 12; ++m)
        leggiMese(l, m, &illeggibili);
    if (!illeggibili.isEmpty())
        return imposta(errore, descriviIlleggibili(percorso, illeggibili) + QLatin1Char(' ')
                                   + tr("Il file non viene sovrascritto: correggerlo prima di salvare."));

    for (int m = 1; m <= 12; ++m) {
        const VariabileMese& v = mesi.at(m - 1);
        for (const Campo& c : kCampi) {
            const QString chiave = QLatin1String(c.chiave);
            if (c.tipo == Tipo::Importo)
                l.ini.imposta(gruppo(m), chiave, FileIni::testoNumero(v.*c.importo));
            else
                l.ini.imposta(gruppo(m), chiave, v.*c.testo);
        }
    }
    if (!FileSicuri::scrivi(percorso, l.ini.scrivi()))
        return imposta(errore, tr("Impossibile scrivere il file %1.").arg(percorso));
    if (errore)
        errore->clear();
    return true;
}
