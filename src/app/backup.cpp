#include "backup.h"

#include "config.h"
#include "orologio.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>
#include <cstdio>

namespace {

const QString kFormatoNome = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
// A backup being written, not yet complete: never listed.
const QString kInCorso = QStringLiteral(".in_corso_");
// A restored file beside its target, before it takes the target's place.
const QString kSuffissoRipristino = QStringLiteral(".~ripristino");

bool nomeBackup(const QString& nome)
{
    static const QRegularExpression schema(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2}$"));
    return schema.match(nome).hasMatch();
}

void aggiungiLunghezza(QCryptographicHash& h, quint64 n)
{
    char byte[8];
    qToBigEndian(n, byte);
    h.addData(byte, 8);
}

// Copies one file, creating the target's folders; an existing target is
// replaced.
bool copiaFile(const QString& origine, const QString& destinazione)
{
    if (!QDir().mkpath(QFileInfo(destinazione).absolutePath()))
        return false;
    if (QFileInfo::exists(destinazione) && !QFile::remove(destinazione))
        return false;
    return QFile::copy(origine, destinazione);
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

QStringList Backup::elencoBackup()
{
    QStringList nomi;
    const QStringList voci = QDir(cartellaBackup()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& v : voci) {
        if (nomeBackup(v))
            nomi.append(v);
    }
    std::sort(nomi.begin(), nomi.end(), [](const QString& a, const QString& b) { return a > b; });
    return nomi;
}

QStringList Backup::elencoFile(const QString& cartella, bool senzaBackup)
{
    const QDir base(cartella);
    QStringList file;
    QDirIterator it(cartella, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relativo = base.relativeFilePath(it.next());
        if (senzaBackup && relativo.startsWith(QLatin1String("backup/")))
            continue;
        file.append(relativo);
    }
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

Backup::Esito Backup::esegui(QString* errore)
{
    return esegui(errore, QString());
}

Backup::Esito Backup::esegui(QString* errore, const QString& daTenere)
{
    const QString dati = cartellaDati();
    const QString cartella = cartellaBackup();
    QDir radice(cartella);

    // What an interrupted run left behind.
    const QStringList resti = radice.entryList({kInCorso + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden);
    for (const QString& r : resti)
        QDir(radice.filePath(r)).removeRecursively();

    const QStringList file = elencoFile(dati, true);
    if (file.isEmpty())
        return Esito::Vuoto;

    const QStringList esistenti = elencoBackup();
    if (!esistenti.isEmpty()) {
        const QString ultimo = radice.filePath(esistenti.first());
        if (impronta(dati, file) == impronta(ultimo, elencoFile(ultimo, false)))
            return Esito::Invariato;
    }

    // A backup of the same second keeps its name (it may be the one being
    // restored): the new one takes the next free second.
    QDateTime momento = Orologio::adesso();
    QString nome = momento.toString(kFormatoNome);
    while (QFileInfo::exists(radice.filePath(nome))) {
        momento = momento.addSecs(1);
        nome = momento.toString(kFormatoNome);
    }
    const QString inCorso = radice.filePath(kInCorso + nome);
    const auto fallito = [&](const QString& testo) {
        QDir(inCorso).removeRecursively();
        if (errore)
            *errore = testo;
        return Esito::Fallito;
    };
    for (const QString& relativo : file) {
        if (!copiaFile(dati + QLatin1Char('/') + relativo, inCorso + QLatin1Char('/') + relativo))
            return fallito(tr("Impossibile copiare %1.").arg(relativo));
    }
    if (!QFileInfo(inCorso).isDir())
        return fallito(tr("Impossibile creare la cartella di backup."));

    if (!radice.rename(kInCorso + nome, nome))
        return fallito(tr("Impossibile completare il backup %1.").arg(nome));

    const QStringList tutti = elencoBackup();
    for (int i = kMassimo; i < tutti.size(); ++i) {
        if (tutti.at(i) != daTenere)
            QDir(radice.filePath(tutti.at(i))).removeRecursively();
    }
    return Esito::Eseguito;
}

bool Backup::ripristina(const QString& nome, QString* errore)
{
    const auto rifiuta = [errore](const QString& testo) {
        if (errore)
            *errore = testo;
        qWarning().noquote() << "Backup::ripristina -" << testo;
        return false;
    };
    // Only a complete backup of the list: never a path or another folder.
    if (!elencoBackup().contains(nome))
        return rifiuta(tr("Backup non trovato: %1").arg(nome));

    QString erroreSicurezza;
    if (esegui(&erroreSicurezza, nome) == Esito::Fallito)
        return rifiuta(tr("Backup di sicurezza non riuscito: %1").arg(erroreSicurezza));

    const QString dati = cartellaDati();
    const QString origine = cartellaBackup() + QLatin1Char('/') + nome;
    const QStringList file = elencoFile(origine, false);

    // First every file beside its target under a temporary name...
    QStringList pronti;
    const auto annulla = [&pronti] {
        for (const QString& p : qAsConst(pronti))
            QFile::remove(p + kSuffissoRipristino);
    };
    for (const QString& relativo : file) {
        const QString destinazione = dati + QLatin1Char('/') + relativo;
        const QString temporaneo = destinazione + kSuffissoRipristino;
        bool ok = !QFileInfo(destinazione).isDir() && copiaFile(origine + QLatin1Char('/') + relativo, temporaneo);
        if (!ok) {
            QFile::remove(temporaneo);
            annulla();
            return rifiuta(tr("Impossibile ripristinare %1. I dati non sono stati modificati.").arg(relativo));
        }
        pronti.append(destinazione);
    }
    // ...then each takes its target's place.
    for (int i = 0; i < pronti.size(); ++i) {
        if (!sostituisci(pronti.at(i) + kSuffissoRipristino, pronti.at(i))) {
            const QStringList resto = pronti.mid(i);
            pronti = resto;
            annulla();
            return rifiuta(tr("Impossibile sostituire %1.").arg(file.at(i)));
        }
    }
    return true;
}
