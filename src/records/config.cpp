#include "config.h"

#include "filesicuri.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

// The company's folder name: the file name less a final ".txt".
QString cartellaAzienda(const QString& nomeFile)
{
    QString nome = nomeFile;
    if (nome.endsWith(QLatin1String(".txt")))
        nome.chop(4);
    return nome;
}

} // namespace

QString Config::percorsoFileConfig()
{
    return QDir::homePath() + QStringLiteral("/.vardello_config.txt");
}

QString Config::cartellaDatiPredefinita()
{
    return QDir::homePath() + QStringLiteral("/.vardello_dati");
}

QString Config::cartellaDati()
{
    QFile f(percorsoFileConfig());
    if (f.open(QIODevice::ReadOnly)) {
        const QString percorso = QString::fromUtf8(f.read(64 * 1024)).trimmed();
        if (!percorso.isEmpty() && QFileInfo(percorso).isDir())
            return percorso;
    }
    const QString predefinita = cartellaDatiPredefinita();
    QDir().mkpath(predefinita);
    return predefinita;
}

bool Config::setCartellaDati(const QString& percorso)
{
    const bool scritto = FileSicuri::scrivi(percorsoFileConfig(), percorso.toUtf8());
    QDir().mkpath(percorso);
    return scritto;
}

QString Config::aziendaCorrente()
{
    QSettings s(QStringLiteral("Vardello"), QStringLiteral("AziendaCorrente"));
    const QString nome = s.value(QStringLiteral("nomeFile")).toString().trimmed();
    // A stored name that would lead outside the data folder counts as none.
    if (!FileSicuri::nomeSicuro(nome) || cartellaAzienda(nome).isEmpty())
        return QString();
    return nome;
}

void Config::setAziendaCorrente(const QString& nomeFile)
{
    QSettings s(QStringLiteral("Vardello"), QStringLiteral("AziendaCorrente"));
    s.setValue(QStringLiteral("nomeFile"), nomeFile);
    s.sync();
}

QString Config::cartellaExportAzienda()
{
    const QString dati = cartellaDati();
    const QString azienda = aziendaCorrente();
    const QString cartella = azienda.isEmpty()
        ? dati + QStringLiteral("/export")
        : dati + QStringLiteral("/aziende/") + cartellaAzienda(azienda) + QStringLiteral("/export");
    QDir().mkpath(cartella);
    return cartella;
}

QString Config::cartellaDipendenti()
{
    const QString dati = cartellaDati();
    const QString piatta = dati + QStringLiteral("/dipendenti");
    const QString azienda = aziendaCorrente();
    if (azienda.isEmpty()) {
        QDir().mkpath(piatta);
        return piatta;
    }
    const QString cartella = dati + QStringLiteral("/aziende/") + cartellaAzienda(azienda)
        + QStringLiteral("/dipendenti");
    if (!QFileInfo::exists(cartella) && QFileInfo(piatta).isDir()) {
        // Data of older versions kept every employee in one flat folder: copy
        // them forward once; the flat folder stays as it is.
        QDir().mkpath(cartella);
        const QDir vecchia(piatta);
        const QStringList nomi = vecchia.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::NoSort);
        for (const QString& nome : nomi)
            QFile::copy(vecchia.filePath(nome), cartella + QLatin1Char('/') + nome);
    }
    QDir().mkpath(cartella);
    return cartella;
}
