#include "ruolo.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

bool Ruolo::amministratore() const
{
    return !fileLetto || ruolo.isEmpty() || ruolo == QLatin1String("admin");
}

bool Ruolo::accessoParametri() const
{
    return !fileLetto || ruolo == QLatin1String("admin");
}

QString Ruolo::percorsoFile()
{
    return QDir::homePath() + QStringLiteral("/.vardello_dati/utente.txt");
}

Ruolo Ruolo::leggi()
{
    return leggiDa(percorsoFile());
}

Ruolo Ruolo::leggiDa(const QString& percorso)
{
    Ruolo r;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return r;
    r.fileLetto = true;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    const QString prefisso = QStringLiteral("ruolo=");
    while (!in.atEnd()) {
        const QString riga = in.readLine().trimmed();
        if (riga.startsWith(prefisso, Qt::CaseInsensitive)) {
            r.ruolo = riga.mid(prefisso.size()).trimmed().toLower();
            break;
        }
    }
    return r;
}
