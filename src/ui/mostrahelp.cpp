#include "mostrahelp.h"

#include "filesicuri.h"
#include "messaggi.h"
#include "piattaforma.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

QString MostraHelp::percorsoManuale()
{
    QSettings s(QStringLiteral("Vardello"), QStringLiteral("Lingua"));
    QString lingua = s.value(QStringLiteral("lingua"), QStringLiteral("it")).toString();
    if (lingua.isEmpty())
        lingua = QStringLiteral("it");
    const QString fileLingua = QStringLiteral("manuale_") + lingua + QStringLiteral(".html");
    const QString fileGenerico = QStringLiteral("manuale.html");

    const QStringList cartelle = {
        Piattaforma::attuale().cartellaProgramma() + QStringLiteral("/../manuale/"),
        QDir::homePath() + QStringLiteral("/01.Vardello/manuale/"),
    };
    // A stored language that is not a plain code never leads outside the
    // manual folders.
    if (FileSicuri::nomeSicuro(fileLingua)) {
        for (const QString& c : cartelle) {
            if (QFileInfo(c + fileLingua).isFile())
                return QDir::cleanPath(c + fileLingua);
        }
    }
    for (const QString& c : cartelle) {
        if (QFileInfo(c + fileGenerico).isFile())
            return QDir::cleanPath(c + fileGenerico);
    }
    return QString();
}

void MostraHelp::apri(const QString& anchor, QWidget* parent)
{
    const QString percorso = percorsoManuale();
    if (percorso.isEmpty()) {
        Messaggi::informazione(parent, tr("Manuale"), tr("File manuale non trovato."));
        return;
    }
    QUrl url = QUrl::fromLocalFile(percorso);
    url.setFragment(anchor);
    if (!ApriBrowser::apri(url))
        Messaggi::avviso(parent, tr("Manuale"),
                         tr("Impossibile aprire il manuale:\n%1\n\nAprire il file con un browser.")
                             .arg(QDir::toNativeSeparators(percorso)));
}

bool ApriBrowser::apri(const QUrl& url)
{
    if (!url.isValid())
        return false;
    Piattaforma& piattaforma = Piattaforma::attuale();
    const QString firefox = piattaforma.trovaEseguibile(QStringLiteral("firefox"));
    if (!firefox.isEmpty())
        return piattaforma.avviaDistaccato(firefox, {QStringLiteral("--new-window"), url.toString()});
    return piattaforma.apriUrl(url);
}
