#include "chiusuraannuale.h"

#include "config.h"
#include "fileini.h"
#include "filesicuri.h"
#include "orologio.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

const QString kOperatorePredefinito = QStringLiteral("Amministratore");
// The refusals of the closings beside a pay history ("<anno>.rifiuti").
const QString kEstensioneRifiuti = QStringLiteral(".rifiuti");

QString momento()
{
    return Orologio::adesso().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

// Operator and notes go on one line each: a line break can never add a key
// (such as "chiuso=0") to the state file or a line to the audit log.
QString operatore(const QString& testo)
{
    const QString o = FileSicuri::unaRiga(testo).trimmed();
    return o.isEmpty() ? kOperatorePredefinito : o;
}

QString nota(const QString& testo)
{
    return FileSicuri::unaRiga(testo).trimmed();
}

} // namespace

QString ChiusuraAnnuale::cartellaChiusure()
{
    const QString cartella = Config::cartellaDati() + QStringLiteral("/chiusure_annuali");
    QDir().mkpath(cartella);
    return cartella;
}

QString ChiusuraAnnuale::percorsoStatoAnno(int anno)
{
    return cartellaChiusure() + QLatin1Char('/') + QString::number(anno) + QStringLiteral(".ini");
}

QString ChiusuraAnnuale::percorsoAudit()
{
    return cartellaChiusure() + QStringLiteral("/audit_chiusure.log");
}

void ChiusuraAnnuale::scriviAudit(const QString& azione, int anno, const QString& op,
                                  const QString& note, const QString& sha256)
{
    const QString riga = QStringLiteral("%1 | ANNO=%2 | AZIONE=%3 | OPERATORE=%4 | SHA256=%5 | NOTE=%6\n")
                             .arg(momento(), QString::number(anno), azione, operatore(op), sha256, nota(note));
    // A log that cannot be written loses the line; the closing stands.
    FileSicuri::aggiungi(percorsoAudit(), riga.toUtf8());
}

QString ChiusuraAnnuale::danneggiato(const StatoEsercizio& stato)
{
    return tr("Il file di stato dell'esercizio %1 non si legge correttamente: l'esercizio resta bloccato "
              "finché il file non è corretto.\n%2")
        .arg(stato.anno)
        .arg(stato.errore);
}

StatoEsercizio ChiusuraAnnuale::statoAnno(int anno)
{
    return statoDaFile(percorsoStatoAnno(anno), anno);
}

StatoEsercizio ChiusuraAnnuale::statoAnnoIn(const QString& cartellaDati, int anno)
{
    return statoDaFile(cartellaDati + QStringLiteral("/chiusure_annuali/") + QString::number(anno)
                           + QStringLiteral(".ini"),
                       anno);
}

bool ChiusuraAnnuale::isAnnoChiusoIn(const QString& cartellaDati, int anno)
{
    if (anno <= 0)
        return false;
    const StatoEsercizio s = statoAnnoIn(cartellaDati, anno);
    return s.chiuso || !s.errore.isEmpty();
}

StatoEsercizio ChiusuraAnnuale::statoDaFile(const QString& percorso, int anno)
{
    StatoEsercizio s;
    s.anno = anno;
    QByteArray contenuto;
    // A state file is a few lines; one larger than this is not read at all
    // (never cut, which could drop its "chiuso" line).
    const FileSicuri::Esito esito = FileSicuri::leggiFile(percorso, &contenuto, 1024 * 1024);
    if (esito == FileSicuri::Esito::Mancante)
        return s;
    if (esito != FileSicuri::Esito::Letto) {
        s.errore = FileSicuri::messaggio(esito, percorso, 1024 * 1024);
        return s;
    }
    // A damaged state file must never open a closed year: every line that
    // is not one of the file's keys with a value of its kind is damage, and
    // the year then counts as closed.
    QStringList problemi;
    bool conChiuso = false;
    for (const FileIni::Riga& r : FileIni::righe(contenuto, percorso, &problemi, false)) {
        const QString& chiave = r.chiave;
        const QString& valore = r.valore;
        auto danno = [&](const QString& testo) { problemi.append(FileIni::problema(percorso, r.numero, testo)); };
        if (chiave == QLatin1String("chiuso")) {
            conChiuso = true;
            if (valore == QLatin1String("1") || valore.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
                s.chiuso = true;
            else if (valore != QLatin1String("0") && valore.compare(QLatin1String("false"), Qt::CaseInsensitive) != 0)
                danno(tr("valore non valido per chiuso: \"%1\"").arg(valore));
        } else if (chiave == QLatin1String("anno")) {
            int letto = 0;
            if (!FileSicuri::intero(valore, 0, 9999, &letto) || letto != anno)
                danno(tr("valore non valido per anno: \"%1\"").arg(valore));
        } else if (chiave == QLatin1String("dataChiusura")) {
            s.dataChiusura = valore;
        } else if (chiave == QLatin1String("operatore")) {
            s.operatore = valore;
        } else if (chiave == QLatin1String("note")) {
            s.note = valore;
        } else if (chiave == QLatin1String("sha256")) {
            s.sha256 = valore;
        } else if (chiave == QLatin1String("fileSigillati")) {
            if (!FileSicuri::intero(valore, 0, 1000000000, &s.fileSigillati))
                danno(tr("valore non valido per fileSigillati: \"%1\"").arg(valore));
        } else if (chiave == QLatin1String("rifiutiSigillati")) {
            if (valore == QLatin1String("1"))
                s.rifiutiSigillati = true;
            else if (valore != QLatin1String("0"))
                danno(tr("valore non valido per rifiutiSigillati: \"%1\"").arg(valore));
        } else if (chiave != QLatin1String("dataRiapertura") && chiave != QLatin1String("motivazioneRiapertura")
                   && chiave != QLatin1String("sha256Precedente")) {
            danno(tr("chiave sconosciuta: %1").arg(chiave));
        }
    }
    if (!conChiuso)
        problemi.append(tr("Nel file %1 manca la riga \"chiuso\".").arg(percorso));
    s.errore = problemi.join(QLatin1Char('\n'));
    return s;
}

bool ChiusuraAnnuale::isAnnoChiuso(int anno)
{
    if (anno <= 0)
        return false;
    const StatoEsercizio s = statoAnno(anno);
    return s.chiuso || !s.errore.isEmpty();
}

namespace {

QString pulito(const QString& percorso)
{
    return QDir::cleanPath(QDir(percorso).absolutePath());
}

bool nomeCertificato(const QString& nome, const QString& annoTesto)
{
    return nome.startsWith(QLatin1String("certificato_"))
        && nome.endsWith(QLatin1Char('_') + annoTesto + QStringLiteral(".txt"))
        && nome.size() > int(qstrlen("certificato_")) + annoTesto.size() + 5;
}

} // namespace

QStringList ChiusuraAnnuale::fileAnno(int anno)
{
    return fileAnno(anno, true);
}

QStringList ChiusuraAnnuale::fileAnno(int anno, bool conRifiuti)
{
    const QString dati = pulito(Config::cartellaDati());
    const QString predefinita = pulito(Config::cartellaDatiPredefinita());
    const QString annoTesto = QString::number(anno);
    QStringList percorsi;

    // The pay histories, and beside each the months its last closings
    // refused: both say what the year paid.
    const QString paghe = dati + QStringLiteral("/paghe");
    QStringList nomiPaghe{annoTesto + QStringLiteral(".ini")};
    if (conRifiuti)
        nomiPaghe.append(annoTesto + kEstensioneRifiuti);
    if (QFileInfo(paghe).isDir()) {
        QDirIterator it(paghe, nomiPaghe, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            if (nomiPaghe.contains(it.fileName()))
                percorsi.append(it.fileInfo().absoluteFilePath());
        }
    }
    const QString variabili = dati + QStringLiteral("/variabili");
    if (QFileInfo(variabili).isDir()) {
        const QStringList nomi = QDir(variabili).entryList({QStringLiteral("*_") + annoTesto + QStringLiteral(".ini")},
                                                           QDir::Files);
        for (const QString& nome : nomi)
            percorsi.append(variabili + QLatin1Char('/') + nome);
    }
    const QStringList nomiDati = QDir(dati).entryList({QLatin1Char('*') + annoTesto + QStringLiteral("*.ini")},
                                                      QDir::Files);
    for (const QString& nome : nomiDati)
        percorsi.append(dati + QLatin1Char('/') + nome);
    const QString parametri = predefinita + QStringLiteral("/datoteca_") + annoTesto + QStringLiteral(".ini");
    if (QFileInfo(parametri).isFile())
        percorsi.append(parametri);
    // The certificates of the year: in the default folder, and where older
    // versions kept them in a data folder chosen elsewhere.
    for (const QString& cartella : {predefinita, dati}) {
        const QString certificati = cartella + QStringLiteral("/certificati");
        const QStringList nomi = QDir(certificati).entryList(
            {QStringLiteral("certificato_*_") + annoTesto + QStringLiteral(".txt")}, QDir::Files);
        for (const QString& nome : nomi) {
            if (nomeCertificato(nome, annoTesto))
                percorsi.append(certificati + QLatin1Char('/') + nome);
        }
    }

    std::sort(percorsi.begin(), percorsi.end());
    percorsi.erase(std::unique(percorsi.begin(), percorsi.end()), percorsi.end());
    return percorsi;
}

bool ChiusuraAnnuale::fileDellAnno(const QString& percorso, int anno, const QString& cartellaDati)
{
    if (anno <= 0)
        return false;
    const QString dati = pulito(cartellaDati);
    const QString predefinita = pulito(Config::cartellaDatiPredefinita());
    const QString p = pulito(percorso);
    const QFileInfo info(p);
    const QString nome = info.fileName();
    const QString cartella = info.path();
    const QString annoTesto = QString::number(anno);
    const QString ini = annoTesto + QStringLiteral(".ini");

    if (p.startsWith(dati + QStringLiteral("/paghe/")) && (nome == ini || nome == annoTesto + kEstensioneRifiuti))
        return true;
    if (cartella == dati + QStringLiteral("/variabili") && nome.endsWith(QLatin1Char('_') + ini))
        return true;
    if (cartella == dati && !nome.startsWith(QLatin1Char('.')) && nome.endsWith(QStringLiteral(".ini"))
        && nome.contains(annoTesto))
        return true;
    if (p == predefinita + QStringLiteral("/datoteca_") + ini)
        return true;
    if ((cartella == predefinita + QStringLiteral("/certificati") || cartella == dati + QStringLiteral("/certificati"))
        && nomeCertificato(nome, annoTesto))
        return true;
    return p == dati + QStringLiteral("/chiusure_annuali/") + ini;
}

QList<int> ChiusuraAnnuale::anniChiusiIn(const QString& cartellaDati)
{
    QList<int> anni;
    const QStringList stati =
        QDir(cartellaDati + QStringLiteral("/chiusure_annuali")).entryList({QStringLiteral("*.ini")}, QDir::Files);
    for (const QString& nome : stati) {
        bool numero = false;
        const int anno = QFileInfo(nome).completeBaseName().toInt(&numero);
        if (numero && anno > 0 && QString::number(anno) + QStringLiteral(".ini") == nome
            && isAnnoChiusoIn(cartellaDati, anno))
            anni.append(anno);
    }
    std::sort(anni.begin(), anni.end());
    return anni;
}

QString ChiusuraAnnuale::calcolaImprontaAnno(int anno, int* count)
{
    return impronta(anno, true, count);
}

bool ChiusuraAnnuale::sigilloIntegro(const StatoEsercizio& stato)
{
    return sigilloIntegro(stato, calcolaImprontaAnno(stato.anno));
}

bool ChiusuraAnnuale::sigilloIntegro(const StatoEsercizio& stato, const QString& attuale)
{
    if (stato.sha256.isEmpty())
        return false;
    if (stato.sha256 == attuale)
        return true;
    // A year sealed with its refusals is checked only with them: a
    // refusals file added, changed or removed since breaks it, also when
    // the closing found none. A year sealed before the refusals were
    // sealed: its seal holds the other files alone.
    if (stato.rifiutiSigillati)
        return false;
    return stato.sha256 == impronta(stato.anno, false, nullptr);
}

QString ChiusuraAnnuale::impronta(int anno, bool conRifiuti, int* count)
{
    const QString dati = pulito(Config::cartellaDati());
    const QStringList percorsi = fileAnno(anno, conRifiuti);
    if (count)
        *count = percorsi.size();

    const QString base = dati + QLatin1Char('/');
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QStringLiteral("KORMANTEL_ANNO_%1\n").arg(anno).toUtf8());
    for (const QString& percorso : percorsi) {
        const QString nome = percorso.startsWith(base) ? percorso.mid(base.size()) : percorso;
        hash.addData(nome.toUtf8());
        hash.addData("\n", 1);
        QFile f(percorso);
        if (f.open(QIODevice::ReadOnly))
            hash.addData(&f);
        hash.addData("\n---\n", 5);
    }
    return QString::fromLatin1(hash.result().toHex());
}

bool ChiusuraAnnuale::chiudiAnno(int anno, const QString& op, const QString& note, QString* error)
{
    auto errore = [error](const QString& testo) {
        if (error)
            *error = testo;
        return false;
    };
    if (anno < 2000 || anno > 2100)
        return errore(tr("Anno non valido."));
    if (!statoAnno(anno).errore.isEmpty())
        return errore(danneggiato(statoAnno(anno)));
    if (statoAnno(anno).chiuso)
        return errore(tr("L'esercizio %1 risulta già chiuso.").arg(anno));

    int conteggio = 0;
    const QString sigillo = calcolaImprontaAnno(anno, &conteggio);
    const QString quando = momento();
    const QString chi = operatore(op);
    const QString testoNota = nota(note);
    // The mark tells this seal from one of an earlier version, made
    // without the refusals.
    const QString stato = QStringLiteral("anno=%1\nchiuso=1\ndataChiusura=%2\noperatore=%3\nnote=%4\n"
                                         "fileSigillati=%5\nsha256=%6\nrifiutiSigillati=1\n")
                              .arg(QString::number(anno), quando, chi, testoNota,
                                   QString::number(conteggio), sigillo);
    if (!FileSicuri::scrivi(percorsoStatoAnno(anno), stato.toUtf8()))
        return errore(tr("Impossibile scrivere il file di chiusura esercizio."));
    scriviAudit(QStringLiteral("CHIUSURA_ESERCIZIO"), anno, chi,
                QStringLiteral("File sigillati: %1. %2").arg(conteggio).arg(testoNota), sigillo);
    return true;
}

bool ChiusuraAnnuale::riapriAnno(int anno, const QString& op, const QString& motivo, QString* error)
{
    auto errore = [error](const QString& testo) {
        if (error)
            *error = testo;
        return false;
    };
    if (anno > 0 && !statoAnno(anno).errore.isEmpty())
        return errore(danneggiato(statoAnno(anno)));
    if (anno <= 0 || !statoAnno(anno).chiuso)
        return errore(tr("L'esercizio %1 è già aperto.").arg(anno));
    const QString ragione = nota(motivo);
    if (ragione.size() < 5)
        return errore(tr("Inserire una motivazione dettagliata (almeno 5 caratteri) per il registro di audit."));

    const QString precedente = statoAnno(anno).sha256;
    const QString chi = operatore(op);
    const QString stato = QStringLiteral("anno=%1\nchiuso=0\ndataRiapertura=%2\noperatore=%3\n"
                                         "motivazioneRiapertura=%4\nsha256Precedente=%5\n")
                              .arg(QString::number(anno), momento(), chi, ragione, precedente);
    if (!FileSicuri::scrivi(percorsoStatoAnno(anno), stato.toUtf8()))
        return errore(tr("Impossibile aggiornare il file di stato dell'esercizio."));
    scriviAudit(QStringLiteral("RIAPERTURA_STRAORDINARIA"), anno, chi, ragione, precedente);
    return true;
}
