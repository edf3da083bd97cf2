#include "backup.h"

#include "chiusuraannuale.h"
#include "config.h"
#include "filesicuri.h"
#include "orologio.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>
#include <QtEndian>

#include <algorithm>
#include <cstdio>

namespace {

const QString kFormatoNome = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
// A backup being written, not yet complete: never listed.
const QString kInCorso = QStringLiteral(".in_corso_");
// A backup being pruned: out of the list before its files go.
const QString kEliminando = QStringLiteral(".eliminando_");
// Inside a backup: where each part came from, and the fingerprint.
const QString kIndice = QStringLiteral(".~indice");
const QString kChiaveDati = QStringLiteral(".~dati");
const QString kChiaveApplicazione = QStringLiteral(".~applicazione");
// A restored file beside its target, before it takes the target's place:
// a short name, so a target name of any length still has one.
const QString kTemporaneo = QStringLiteral(".~ripristino");
// The name of the last backup made, in the backup folder.
const QString kUltimo = QStringLiteral(".~ultimo");
// The restore's journal in the backup folder.
const QString kGiornale = QStringLiteral(".~ripristino_giornale");
// The password file never goes into a backup.
const QString kPassword = QStringLiteral("admin.hash");

// Backups and restores one at a time, whichever thread asks.
QMutex& blocco()
{
    static QMutex m;
    return m;
}

bool nomeBackup(const QString& nome)
{
    static const QRegularExpression schema(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2}$"));
    return schema.match(nome).hasMatch();
}

QString pulito(const QString& percorso)
{
    return QDir::cleanPath(QDir(percorso).absolutePath());
}

void aggiungiLunghezza(QCryptographicHash& h, quint64 n)
{
    char byte[8];
    qToBigEndian(n, byte);
    h.addData(byte, 8);
}

// Copies one file, creating the target's folders; an existing target is
// replaced. Written directly under the given name (no temporary file of the
// toolkit's own that a kill could leave behind).
bool copiaFile(const QString& origine, const QString& destinazione)
{
    if (!QDir().mkpath(QFileInfo(destinazione).absolutePath()))
        return false;
    if (QFileInfo(destinazione).isDir())
        return false;
    QFile da(origine);
    QFile a(destinazione);
    if (!da.open(QIODevice::ReadOnly) || !a.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    qint64 scritti = 0;
    while (!da.atEnd()) {
        const QByteArray pezzo = da.read(256 * 1024);
        if (pezzo.isEmpty())
            break;
        if (a.write(pezzo) != pezzo.size())
            return false;
        scritti += pezzo.size();
    }
    return scritti == da.size() && a.flush() && da.error() == QFileDevice::NoError;
}

// Puts `nuovo` in the place of `destinazione` in one step where the system
// allows it.
bool sostituisci(const QString& nuovo, const QString& destinazione)
{
#ifdef Q_OS_WIN
    if (QFileInfo::exists(destinazione) && !QFile::remove(destinazione))
        return false;
    return QFile::rename(nuovo, destinazione);
#else
    return std::rename(QFile::encodeName(nuovo).constData(), QFile::encodeName(destinazione).constData()) == 0;
#endif
}

// Whether an entry is a link (to a file or a folder, or to nothing): never
// copied, neither into a backup nor back.
bool collegamento(const QFileInfo& v)
{
    return v.isSymLink() || v.isJunction();
}

// The complete backups in the folder `cartella`, by name, unsorted: real
// folders only. An entry named like a backup that is a link (to a folder
// anywhere, or to nothing) is neither listed nor read; it goes into
// `collegamenti` (may be null) by its full path.
QStringList backupNellaCartella(const QString& cartella, QStringList* collegamenti)
{
    QStringList nomi;
    const QFileInfoList voci = QDir(cartella).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& v : voci) {
        if (!nomeBackup(v.fileName()))
            continue;
        if (collegamento(v)) {
            if (collegamenti)
                collegamenti->append(QDir::toNativeSeparators(v.absoluteFilePath()));
        } else if (v.isDir()) {
            nomi.append(v.fileName());
        }
    }
    return nomi;
}

// The files below `cartella`, relative, never entering the folders of
// `salta` (absolute, cleaned); a link is neither followed nor listed, it
// goes into `collegamenti` (may be null) by its full path.
void raccogli(const QString& base, const QString& cartella, const QSet<QString>& salta, bool primoLivello,
              const QStringList& nomiSaltati, QStringList& file, QStringList* collegamenti)
{
    const QFileInfoList voci =
        QDir(cartella).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& v : voci) {
        const QString nome = v.fileName();
        if (primoLivello && nomiSaltati.contains(nome))
            continue;
        if (nome.startsWith(kTemporaneo))
            continue;
        const QString relativo = base.isEmpty() ? nome : base + QLatin1Char('/') + nome;
        if (collegamento(v)) {
            if (collegamenti)
                collegamenti->append(QDir::toNativeSeparators(v.absoluteFilePath()));
        } else if (v.isDir()) {
            if (salta.contains(pulito(v.filePath())))
                continue;
            raccogli(relativo, v.filePath(), salta, false, nomiSaltati, file, collegamenti);
        } else {
            file.append(relativo);
        }
    }
}

// The files of one part of a backup, relative to its folder.
QStringList fileRadice(const Backup::Radice& r, const QList<Backup::Radice>& tutte, const QString& cartellaBackup,
                       QStringList* collegamenti)
{
    QSet<QString> salta{pulito(cartellaBackup)};
    for (const Backup::Radice& altra : tutte) {
        if (altra.chiave != r.chiave)
            salta.insert(pulito(altra.percorso));
    }
    QStringList nomi;
    if (r.chiave.isEmpty())
        nomi = QStringList{QStringLiteral("backup"), kIndice, kChiaveDati, kChiaveApplicazione};
    else if (r.chiave == kChiaveApplicazione)
        nomi = QStringList{kPassword};
    QStringList file;
    QFileInfo radice(r.percorso);
    if (radice.isDir())
        raccogli(QString(), r.percorso, salta, true, nomi, file, collegamenti);
    std::sort(file.begin(), file.end());
    return file;
}

// The first link on the way from the folder `radice` to its file
// `relativo`, the file itself included; empty when there is none.
QString collegamentoSullaVia(const QString& radice, const QString& relativo)
{
    QString percorso = radice;
    for (const QString& parte : relativo.split(QLatin1Char('/'))) {
        percorso += QLatin1Char('/') + parte;
        if (collegamento(QFileInfo(percorso)))
            return QDir::toNativeSeparators(percorso);
    }
    return QString();
}

QString percorsoDentro(const QString& cartellaBackup, const Backup::Radice& r)
{
    return r.chiave.isEmpty() ? cartellaBackup : cartellaBackup + QLatin1Char('/') + r.chiave;
}

QByteArray codifica(const QString& testo)
{
    return QUrl::toPercentEncoding(testo, "/");
}

QString decodifica(const QByteArray& testo)
{
    return QUrl::fromPercentEncoding(testo);
}

// The index of a backup: "radice=<key> <path>" per part, then the
// fingerprint.
QByteArray scriviIndice(const QList<Backup::Radice>& radici, const QByteArray& impronta)
{
    QByteArray testo = "formato=1\n";
    for (const Backup::Radice& r : radici)
        testo += "radice=" + codifica(r.chiave) + ' ' + codifica(r.percorso) + '\n';
    testo += "impronta=" + impronta.toHex() + '\n';
    return testo;
}

bool leggiIndice(const QString& backup, QList<Backup::Radice>* radici, QByteArray* impronta)
{
    // An index that is a link is not read: nothing of a backup is read
    // through a link.
    const QString percorso = backup + QLatin1Char('/') + kIndice;
    QByteArray contenuto;
    if (collegamento(QFileInfo(percorso)) || FileSicuri::leggiFile(percorso, &contenuto) != FileSicuri::Esito::Letto)
        return false;
    bool formato = false;
    QStringList chiavi;
    for (const QByteArray& riga : contenuto.split('\n')) {
        if (riga == "formato=1") {
            formato = true;
        } else if (riga.startsWith("radice=")) {
            const QList<QByteArray> parti = riga.mid(7).split(' ');
            if (parti.size() != 2)
                return false;
            // Only the known parts, each once, at an absolute path.
            const Backup::Radice r{decodifica(parti.at(0)), decodifica(parti.at(1))};
            if ((!r.chiave.isEmpty() && r.chiave != kChiaveDati && r.chiave != kChiaveApplicazione)
                || chiavi.contains(r.chiave) || !QDir::isAbsolutePath(r.percorso))
                return false;
            chiavi.append(r.chiave);
            if (radici)
                radici->append(r);
        } else if (riga.startsWith("impronta=")) {
            if (impronta)
                *impronta = QByteArray::fromHex(riga.mid(9));
        }
    }
    return formato;
}

QByteArray improntaRadici(const QList<Backup::Radice>& radici, const QList<QStringList>& file)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (int i = 0; i < radici.size(); ++i) {
        const QByteArray chiave = radici.at(i).chiave.toUtf8();
        const QByteArray percorso = pulito(radici.at(i).percorso).toUtf8();
        aggiungiLunghezza(h, quint64(chiave.size()));
        h.addData(chiave);
        aggiungiLunghezza(h, quint64(percorso.size()));
        h.addData(percorso);
        h.addData(Backup::impronta(radici.at(i).percorso, file.at(i)));
    }
    return h.result();
}

// Takes a backup out of the list, then deletes it; a kill in between leaves
// an unlisted folder that the next backup removes.
void elimina(const QString& cartellaBackup, const QString& nome)
{
    QDir radice(cartellaBackup);
    if (radice.rename(nome, kEliminando + nome))
        QDir(radice.filePath(kEliminando + nome)).removeRecursively();
}

// The restore's journal: its phase, then one line per file, "<temporary>
// <target>", then the audit note.
struct Giornale
{
    bool sostituzione = false;
    QList<QPair<QString, QString>> file;
    QString nota;
};

QString percorsoGiornale()
{
    return Backup::cartellaBackup() + QLatin1Char('/') + kGiornale;
}

bool scriviGiornale(const Giornale& g)
{
    QByteArray testo = g.sostituzione ? "fase=sostituzione\n" : "fase=preparazione\n";
    testo += "nota=" + codifica(g.nota) + '\n';
    for (const auto& f : g.file)
        testo += "file=" + codifica(f.first) + ' ' + codifica(f.second) + '\n';
    testo += "fine\n";
    return FileSicuri::scrivi(percorsoGiornale(), testo);
}

// Completes (all copies in place) or undoes (copies being made) a restore
// cut short. Call with the lock held.
bool completaRipristino(QString* errore)
{
    QByteArray contenuto;
    const FileSicuri::Esito esito = FileSicuri::leggiFile(percorsoGiornale(), &contenuto, 64 * 1024 * 1024);
    if (esito == FileSicuri::Esito::Mancante)
        return true;
    Giornale g;
    bool fine = false;
    bool letto = esito == FileSicuri::Esito::Letto;
    for (const QByteArray& riga : contenuto.split('\n')) {
        if (riga == "fase=sostituzione") {
            g.sostituzione = true;
        } else if (riga == "fase=preparazione" || riga.isEmpty()) {
        } else if (riga.startsWith("nota=")) {
            g.nota = decodifica(riga.mid(5));
        } else if (riga.startsWith("file=") && riga.mid(5).split(' ').size() == 2) {
            const QList<QByteArray> parti = riga.mid(5).split(' ');
            g.file.append({decodifica(parti.at(0)), decodifica(parti.at(1))});
        } else if (riga == "fine") {
            fine = true;
        } else {
            letto = false; // a line of no known kind: the journal is not acted on
        }
    }
    if (!letto || !fine) {
        if (errore)
            *errore = FileSicuri::messaggio(esito == FileSicuri::Esito::Letto ? FileSicuri::Esito::Illeggibile : esito,
                                            percorsoGiornale());
        return false;
    }
    QStringList falliti;
    for (const auto& f : qAsConst(g.file)) {
        if (!QFileInfo::exists(f.first))
            continue; // already in place, or never made
        if (!g.sostituzione) {
            QFile::remove(f.first);
        } else if (!sostituisci(f.first, f.second)) {
            falliti.append(f.second);
        }
    }
    if (!falliti.isEmpty()) {
        if (errore)
            *errore = Backup::tr("Impossibile sostituire %1.").arg(falliti.join(QStringLiteral(", ")));
        return false;
    }
    if (g.sostituzione)
        ChiusuraAnnuale::scriviAudit(QStringLiteral("RIPRISTINO_BACKUP"), 0, QString(), g.nota, QString());
    QFile::remove(percorsoGiornale());
    return true;
}

} // namespace

QString Backup::cartellaDati()
{
    const QString cartella = Config::cartellaDatiPredefinita();
    QDir().mkpath(cartella);
    return cartella;
}

QString Backup::cartellaBackup()
{
    const QString cartella = cartellaDati() + QStringLiteral("/backup");
    QDir().mkpath(cartella);
    return cartella;
}

QList<Backup::Radice> Backup::radici()
{
    QList<Radice> r{{QString(), pulito(cartellaDati())}};
    const QString dati = pulito(Config::cartellaDati());
    if (dati != r.first().percorso)
        r.append({kChiaveDati, dati});
    const QString applicazione = pulito(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    bool nuova = true;
    for (const Radice& altra : qAsConst(r))
        nuova = nuova && altra.percorso != applicazione;
    if (nuova)
        r.append({kChiaveApplicazione, applicazione});
    return r;
}

QStringList Backup::elencoBackup(QStringList* collegamenti)
{
    if (collegamenti)
        collegamenti->clear();
    QStringList nomi = backupNellaCartella(cartellaBackup(), collegamenti);
    std::sort(nomi.begin(), nomi.end(), [](const QString& a, const QString& b) { return a > b; });
    return nomi;
}

QStringList Backup::elencoFile(const QString& cartella, bool senzaBackup, QStringList* collegamenti)
{
    QStringList file;
    raccogli(QString(), cartella, {}, true, senzaBackup ? QStringList{QStringLiteral("backup")} : QStringList(),
             file, collegamenti);
    std::sort(file.begin(), file.end());
    return file;
}

QByteArray Backup::impronta(const QString& cartella, const QStringList& file)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const QString& relativo : file) {
        const QByteArray percorso = relativo.toUtf8();
        aggiungiLunghezza(h, quint64(percorso.size()));
        h.addData(percorso);
        QFile f(cartella + QLatin1Char('/') + relativo);
        if (!f.open(QIODevice::ReadOnly)) {
            aggiungiLunghezza(h, ~quint64(0)); // unreadable: differs from any content
            continue;
        }
        aggiungiLunghezza(h, quint64(f.size()));
        while (!f.atEnd()) {
            const QByteArray pezzo = f.read(256 * 1024);
            if (pezzo.isEmpty())
                break;
            h.addData(pezzo);
        }
    }
    return h.result();
}

bool Backup::eseguiBackup()
{
    return esegui(nullptr) == Esito::Eseguito;
}

Backup::Esito Backup::esegui(QString* errore, QStringList* collegamenti)
{
    return eseguiIn(radici(), cartellaBackup(), Orologio::adesso(), errore, nullptr, QString(), collegamenti);
}

Backup::Esito Backup::eseguiIn(const QList<Radice>& radici, const QString& cartellaBackup, const QDateTime& momento,
                               QString* errore, QString* nome, QStringList* collegamenti)
{
    return eseguiIn(radici, cartellaBackup, momento, errore, nome, QString(), collegamenti);
}

Backup::Esito Backup::eseguiIn(const QList<Radice>& radici, const QString& cartella, const QDateTime& momento,
                               QString* errore, QString* nomeFatto, const QString& daTenere,
                               QStringList* collegamenti)
{
    if (collegamenti)
        collegamenti->clear();
    QMutexLocker chiave(&blocco());
    QDir radice(cartella);
    if (!radice.exists() && !QDir().mkpath(cartella)) {
        if (errore)
            *errore = tr("Impossibile creare la cartella di backup.");
        return Esito::Fallito;
    }

    // A restore cut short is finished first: a backup never copies a data
    // folder half restored.
    completaRipristino(nullptr);

    // What an interrupted run left behind; a link of such a name is left
    // alone, never emptied through.
    const QFileInfoList resti = radice.entryInfoList({kInCorso + QLatin1Char('*'), kEliminando + QLatin1Char('*')},
                                                     QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& r : resti) {
        if (!collegamento(r))
            QDir(r.filePath()).removeRecursively();
    }

    QList<QStringList> file;
    int totale = 0;
    for (const Radice& r : radici) {
        file.append(fileRadice(r, radici, cartella, collegamenti));
        totale += file.last().size();
    }
    if (totale == 0)
        return Esito::Vuoto;

    // Unchanged when the fingerprint kept in the newest backup is the data's.
    const QByteArray attuale = improntaRadici(radici, file);
    // A link among the backups is neither compared, nor pruned, nor
    // emptied: it is named with the links left out.
    QStringList esistenti = backupNellaCartella(cartella, collegamenti);
    std::sort(esistenti.begin(), esistenti.end(), std::greater<QString>());
    // The newest by name, and the last one made (older by name when the
    // clock was set back).
    QStringList daConfrontare = esistenti.mid(0, 1);
    QByteArray ultimoFatto;
    if (FileSicuri::leggiFile(radice.filePath(kUltimo), &ultimoFatto, 1024) == FileSicuri::Esito::Letto
        && esistenti.contains(QString::fromUtf8(ultimoFatto)))
        daConfrontare.append(QString::fromUtf8(ultimoFatto));
    for (const QString& confronto : qAsConst(daConfrontare)) {
        QByteArray ultima;
        if (leggiIndice(radice.filePath(confronto), nullptr, &ultima) && ultima == attuale)
            return Esito::Invariato;
    }

    // A backup of the same second keeps its name (it may be the one being
    // restored): the new one takes the next free second.
    QDateTime quando = momento;
    QString nome = quando.toString(kFormatoNome);
    while (QFileInfo::exists(radice.filePath(nome))) {
        quando = quando.addSecs(1);
        nome = quando.toString(kFormatoNome);
    }
    const QString inCorso = radice.filePath(kInCorso + nome);
    const auto fallito = [&](const QString& testo) {
        QDir(inCorso).removeRecursively();
        if (errore)
            *errore = testo;
        return Esito::Fallito;
    };
    if (!QDir().mkpath(inCorso))
        return fallito(tr("Impossibile creare la cartella di backup."));
    for (int i = 0; i < radici.size(); ++i) {
        const QString dentro = percorsoDentro(inCorso, radici.at(i));
        for (const QString& relativo : file.at(i)) {
            if (!copiaFile(radici.at(i).percorso + QLatin1Char('/') + relativo, dentro + QLatin1Char('/') + relativo))
                return fallito(tr("Impossibile copiare %1.")
                                   .arg(QDir::toNativeSeparators(radici.at(i).percorso + QLatin1Char('/') + relativo)));
        }
    }
    if (!FileSicuri::scrivi(inCorso + QLatin1Char('/') + kIndice, scriviIndice(radici, attuale)))
        return fallito(tr("Impossibile completare il backup %1.").arg(nome));

    if (!radice.rename(kInCorso + nome, nome))
        return fallito(tr("Impossibile completare il backup %1.").arg(nome));
    if (nomeFatto)
        *nomeFatto = nome;
    FileSicuri::scrivi(radice.filePath(kUltimo), nome.toUtf8());

    // The oldest go first; the new backup and the one being restored stay,
    // whatever their names (a clock set back names the new one oldest).
    esistenti.append(nome);
    std::sort(esistenti.begin(), esistenti.end(), std::greater<QString>());
    int eccesso = esistenti.size() - kMassimo;
    for (int i = esistenti.size() - 1; i >= 0 && eccesso > 0; --i) {
        if (esistenti.at(i) == nome || esistenti.at(i) == daTenere)
            continue;
        elimina(cartella, esistenti.at(i));
        --eccesso;
    }
    return Esito::Eseguito;
}

bool Backup::riprendi(QString* errore)
{
    QMutexLocker chiave(&blocco());
    return completaRipristino(errore);
}

bool Backup::ripristina(const QString& nome, QString* errore, QList<int>* anniTenuti, QStringList* collegamenti)
{
    const auto rifiuta = [errore](const QString& testo) {
        if (errore)
            *errore = testo;
        qWarning().noquote() << "Backup::ripristina -" << testo;
        return false;
    };
    if (anniTenuti)
        anniTenuti->clear();
    QStringList lasciati;
    const auto elencaLasciati = [&] {
        lasciati.removeDuplicates();
        if (collegamenti)
            *collegamenti = lasciati;
    };
    if (collegamenti)
        collegamenti->clear();
    {
        QMutexLocker chiave(&blocco());
        QString motivo;
        if (!completaRipristino(&motivo))
            return rifiuta(motivo);
    }
    // Only a complete backup of the list: never a path, another folder or
    // a link named like a backup (named with the links left out).
    if (!backupNellaCartella(cartellaBackup(), &lasciati).contains(nome)) {
        elencaLasciati();
        return rifiuta(tr("Backup non trovato: %1").arg(nome));
    }

    const QString origine = cartellaBackup() + QLatin1Char('/') + nome;
    QList<Radice> parti;
    if (QFileInfo::exists(origine + QLatin1Char('/') + kIndice)) {
        if (!leggiIndice(origine, &parti, nullptr))
            return rifiuta(tr("Impossibile leggere l'indice del backup %1.").arg(nome));
    } else {
        // A backup of older versions: the default data folder only.
        parti.append({QString(), pulito(cartellaDati())});
    }

    // The safety backup first; without it nothing is touched.
    QString erroreSicurezza;
    if (eseguiIn(radici(), cartellaBackup(), Orologio::adesso(), &erroreSicurezza, nullptr, nome, &lasciati)
        == Esito::Fallito)
        return rifiuta(tr("Backup di sicurezza non riuscito: %1. I dati non sono stati modificati.")
                           .arg(erroreSicurezza));

    QMutexLocker chiave(&blocco());
    // The data folders the backup goes back into, and their closed years:
    // those years keep every file, state and log as they are now.
    QStringList cartelleDati{pulito(Config::cartellaDatiPredefinita()), pulito(Config::cartellaDati())};
    for (const Radice& r : qAsConst(parti)) {
        if (r.chiave == kChiaveDati)
            cartelleDati.append(pulito(r.percorso));
    }
    cartelleDati.removeDuplicates();
    QList<int> chiusi;
    for (const QString& d : qAsConst(cartelleDati))
        chiusi += ChiusuraAnnuale::anniChiusiIn(d);
    std::sort(chiusi.begin(), chiusi.end());
    chiusi.erase(std::unique(chiusi.begin(), chiusi.end()), chiusi.end());

    QList<int> tenuti;
    const auto daTenere = [&](const QString& destinazione) {
        const QFileInfo info(destinazione);
        for (const QString& d : qAsConst(cartelleDati)) {
            const QString chiusure = d + QStringLiteral("/chiusure_annuali");
            // The log only grows and a year's state stays as it is now.
            if (info.path() == chiusure && info.exists())
                return true;
            for (int anno : qAsConst(chiusi)) {
                if (ChiusuraAnnuale::fileDellAnno(destinazione, anno, d)) {
                    if (!tenuti.contains(anno))
                        tenuti.append(anno);
                    return true;
                }
            }
        }
        return false;
    };

    // Which file goes where.
    Giornale g;
    QStringList relativi;
    QStringList sorgenti;
    for (const Radice& r : qAsConst(parti)) {
        const QString dentro = percorsoDentro(origine, r);
        QStringList file;
        QStringList nomi;
        if (r.chiave.isEmpty())
            nomi = QStringList{kIndice, kChiaveDati, kChiaveApplicazione};
        else if (r.chiave == kChiaveApplicazione)
            nomi = QStringList{kPassword};
        if (QFileInfo(dentro).isDir())
            raccogli(QString(), dentro, {}, true, nomi, file, &lasciati);
        std::sort(file.begin(), file.end());
        for (const QString& relativo : qAsConst(file)) {
            const QString destinazione = pulito(r.percorso) + QLatin1Char('/') + relativo;
            if (daTenere(destinazione))
                continue;
            // A link in the data folder stays as it is: nothing is written
            // through it, wherever it leads.
            const QString via = collegamentoSullaVia(pulito(r.percorso), relativo);
            if (!via.isEmpty()) {
                lasciati.append(via);
                continue;
            }
            if (QFileInfo(destinazione).isDir())
                return rifiuta(tr("Impossibile ripristinare %1. I dati non sono stati modificati.").arg(relativo));
            const QString temporaneo = QFileInfo(destinazione).path() + QLatin1Char('/') + kTemporaneo
                + QString::number(g.file.size());
            g.file.append({temporaneo, destinazione});
            sorgenti.append(dentro + QLatin1Char('/') + relativo);
            relativi.append(relativo);
        }
    }
    std::sort(tenuti.begin(), tenuti.end());
    if (anniTenuti)
        *anniTenuti = tenuti;
    elencaLasciati();
    QStringList anniTesto;
    for (int anno : qAsConst(tenuti))
        anniTesto.append(QString::number(anno));
    g.nota = anniTesto.isEmpty()
        ? QStringLiteral("Backup %1").arg(nome)
        : QStringLiteral("Backup %1; esercizi chiusi mantenuti: %2").arg(nome, anniTesto.join(QStringLiteral(", ")));

    // First every file beside its target under a temporary name, each one
    // named in the journal before it is made...
    if (!scriviGiornale(g))
        return rifiuta(tr("Impossibile scrivere il giornale del ripristino. I dati non sono stati modificati."));
    for (int i = 0; i < g.file.size(); ++i) {
        if (!copiaFile(sorgenti.at(i), g.file.at(i).first)) {
            completaRipristino(nullptr);
            return rifiuta(tr("Impossibile ripristinare %1. I dati non sono stati modificati.").arg(relativi.at(i)));
        }
    }
    // ...then, once the journal says all are in place, each takes its
    // target's place; a kill from here on is completed at the next start.
    g.sostituzione = true;
    if (!scriviGiornale(g)) {
        g.sostituzione = false;
        completaRipristino(nullptr);
        return rifiuta(tr("Impossibile scrivere il giornale del ripristino. I dati non sono stati modificati."));
    }
    QString motivo;
    if (!completaRipristino(&motivo))
        return rifiuta(motivo);
    return true;
}
