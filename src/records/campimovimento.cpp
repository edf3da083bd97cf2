#include "campimovimento.h"

#include "fileini.h"
#include "filesicuri.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString kRisorsa = QStringLiteral(":/data/campi_movimenti.ini");

void scriviGruppo(FileIni& ini, const CampoMovimento& c)
{
    const auto uno = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
    const QString& g = c.nome;
    ini.imposta(g, QStringLiteral("tipo"), c.tipo);
    ini.imposta(g, QStringLiteral("importoTipo"), c.importoTipo);
    ini.imposta(g, QStringLiteral("soggetto"), uno(c.soggetto));
    ini.imposta(g, QStringLiteral("avs"), uno(c.avs));
    ini.imposta(g, QStringLiteral("ad"), uno(c.ad));
    ini.imposta(g, QStringLiteral("applicaMassimaleAD"), uno(c.applicaMassimaleAD));
    ini.imposta(g, QStringLiteral("caf"), uno(c.caf));
    ini.imposta(g, QStringLiteral("lainf"), uno(c.lainf));
    ini.imposta(g, QStringLiteral("applicaMassimaleLAINF"), uno(c.applicaMassimaleLAINF));
    ini.imposta(g, QStringLiteral("lpp"), uno(c.lpp));
    ini.imposta(g, QStringLiteral("if"), uno(c.soggettoIF));
    ini.imposta(g, QStringLiteral("categoriaCertificato"), QString::number(c.categoriaCertificato));
    ini.imposta(g, QStringLiteral("massimaleAuto"), uno(c.massimaleAuto));
    ini.imposta(g, QStringLiteral("dataScadenza"), c.dataScadenza);
    ini.imposta(g, QStringLiteral("importoTotale"), FileIni::testoNumero(c.importoTotale));
    ini.imposta(g, QStringLiteral("pianoRientro"), c.pianoRientro);
    ini.imposta(g, QStringLiteral("dataInizio"), c.dataInizio);
}

} // namespace

QString CampiMovimento::percorsoUtente()
{
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(cartella);
    return cartella + QStringLiteral("/campi_movimenti.ini");
}

QList<CampoMovimento> CampiMovimento::leggiDa(const QString& percorso, QStringList* problemi)
{
    QList<CampoMovimento> campi;
    QByteArray contenuto;
    const FileSicuri::Esito esito = FileSicuri::leggiFile(percorso, &contenuto, 1024 * 1024);
    if (esito == FileSicuri::Esito::Mancante)
        return campi;
    if (esito != FileSicuri::Esito::Letto) {
        problemi->append(FileSicuri::messaggio(esito, percorso, 1024 * 1024));
        return campi;
    }
    // Read by the program's own INI reader: a typed value ("@Variant(...)")
    // is never decoded; it is reported as a value that cannot be read.
    const FileIni ini = FileIni::leggi(contenuto);
    *problemi += ini.problemi(percorso);
    QStringList gruppi = ini.gruppi();
    // Keys before any group belong to no kind: never dropped unseen, since
    // a save would lose them.
    for (const QString& chiave : ini.chiavi(QString()))
        problemi->append(FileIni::problema(percorso, ini.riga(QString(), chiave),
                                           FileIni::tr("chiave fuori da ogni gruppo")));
    gruppi.removeAll(QString());
    std::sort(gruppi.begin(), gruppi.end());
    for (const QString& g : qAsConst(gruppi)) {
        CampoMovimento c;
        c.nome = g;
        const auto danno = [&](const QString& chiave) {
            problemi->append(FileIni::problema(percorso, ini.riga(g, chiave),
                                               tr("valore non valido per %1/%2: \"%3\"")
                                                   .arg(g, chiave, ini.valore(g, chiave))));
        };
        const auto testo = [&](const char* nome, const QString& predefinito) {
            const QString chiave = QLatin1String(nome);
            if (!ini.contiene(g, chiave))
                return predefinito;
            bool leggibile = true;
            const QString v = ini.valore(g, chiave, &leggibile);
            if (!leggibile)
                danno(chiave);
            return v;
        };
        const auto intero = [&](const char* nome, int predefinito, int minimo, int massimo) {
            const QString chiave = QLatin1String(nome);
            int v = predefinito;
            if (ini.contiene(g, chiave) && !FileSicuri::intero(testo(nome, QString()), minimo, massimo, &v)) {
                danno(chiave);
                v = predefinito;
            }
            return v;
        };
        const auto flag = [&](const char* nome) { return intero(nome, 0, -1000000000, 1000000000) != 0; };
        c.tipo = testo("tipo", QString());
        c.importoTipo = testo("importoTipo", QStringLiteral("fisso"));
        c.soggetto = flag("soggetto");
        c.avs = flag("avs");
        c.ad = flag("ad");
        c.applicaMassimaleAD = flag("applicaMassimaleAD");
        c.caf = flag("caf");
        c.lainf = flag("lainf");
        c.applicaMassimaleLAINF = flag("applicaMassimaleLAINF");
        c.lpp = flag("lpp");
        c.soggettoIF = flag("if");
        c.categoriaCertificato = intero("categoriaCertificato", 3, -1000000000, 1000000000);
        c.massimaleAuto = flag("massimaleAuto");
        c.dataScadenza = testo("dataScadenza", QString());
        if (ini.contiene(g, QStringLiteral("importoTotale"))
            && !FileSicuri::numero(testo("importoTotale", QString()), -FileSicuri::kImportoMassimo,
                                   FileSicuri::kImportoMassimo, &c.importoTotale))
            danno(QStringLiteral("importoTotale"));
        c.pianoRientro = testo("pianoRientro", QString());
        c.dataInizio = testo("dataInizio", QString());
        campi.append(c);
    }
    return campi;
}

QList<CampoMovimento> CampiMovimento::tutti()
{
    QStringList problemi;
    const QList<CampoMovimento> utente = leggiDa(percorsoUtente(), &problemi);
    if (!utente.isEmpty())
        return utente;
    QStringList predefiniti;
    return leggiDa(kRisorsa, &predefiniti);
}

QStringList CampiMovimento::problemiCaricamento()
{
    QStringList problemi;
    leggiDa(percorsoUtente(), &problemi);
    return problemi;
}

QList<CampoMovimento> CampiMovimento::perTipo(const QString& tipo)
{
    QList<CampoMovimento> scelti;
    for (const CampoMovimento& c : tutti()) {
        if (c.tipo == tipo)
            scelti.append(c);
    }
    return scelti;
}

bool CampiMovimento::carica()
{
    return true;
}

bool CampiMovimento::salva()
{
    const QList<CampoMovimento> campi = tutti();
    const QString percorso = percorsoUtente();
    const QString copia = percorso + QStringLiteral(".bak");
    if (QFileInfo::exists(percorso) && !QFileInfo::exists(copia))
        QFile::copy(percorso, copia);
    return scrivi(campi);
}

QString CampiMovimento::controllaNomi(const QList<CampoMovimento>& campi)
{
    QSet<QString> visti;
    for (const CampoMovimento& c : campi) {
        if (c.nome.isEmpty())
            return tr("Un campo senza nome non puo' essere salvato.");
        if (c.nome.contains(QLatin1Char('/')) || c.nome.contains(QLatin1Char('\\')))
            return tr("Il nome \"%1\" non puo' contenere \"/\" o \"\\\".").arg(c.nome);
        const QString chiave = c.nome.toLower();
        if (visti.contains(chiave))
            return tr("Il nome \"%1\" compare piu' volte.").arg(c.nome);
        visti.insert(chiave);
    }
    return QString();
}

bool CampiMovimento::scrivi(const QList<CampoMovimento>& campi, QString* errore)
{
    const auto fallito = [errore](const QString& testo) {
        if (errore)
            *errore = testo;
        return false;
    };
    const QString nomi = controllaNomi(campi);
    if (!nomi.isEmpty())
        return fallito(nomi);

    const QStringList problemi = problemiCaricamento();
    if (!problemi.isEmpty())
        return fallito(tr("Il file %1 non si è letto correttamente e non viene sovrascritto:\n%2")
                           .arg(percorsoUtente(), problemi.join(QLatin1Char('\n'))));
    FileIni ini;
    for (const CampoMovimento& c : campi)
        scriviGruppo(ini, c);
    const QString percorso = percorsoUtente();
    if (!FileSicuri::scrivi(percorso, ini.scrivi()))
        return fallito(tr("Impossibile scrivere %1.").arg(percorso));
    return true;
}
