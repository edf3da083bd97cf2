#include "filesicuri.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace FileSicuri {

bool scrivi(const QString& percorso, const QByteArray& contenuto)
{
    const QFileInfo info(percorso);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QSaveFile f(percorso);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    // The written bytes are flushed here and the flush checked: commit()
    // alone would put an empty or cut file in place of the old one when the
    // disk is full, and report success.
    if (f.write(contenuto) != contenuto.size() || !f.flush()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool aggiungi(const QString& percorso, const QByteArray& contenuto)
{
    const QFileInfo info(percorso);
    QDir().mkpath(info.absolutePath());
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const bool ok = f.write(contenuto) == contenuto.size();
    return f.flush() && ok;
}

bool nomeSicuro(const QString& nome)
{
    if (nome.isEmpty() || nome == QLatin1String(".") || nome == QLatin1String(".."))
        return false;
    for (const QChar c : nome) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() == 0)
            return false;
    }
    return true;
}

bool leggi(const QString& percorso, QByteArray* contenuto, qint64 limite)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    // Read in pieces: asking for the whole limit at once would reserve it in
    // memory for every small file.
    contenuto->clear();
    while (contenuto->size() < limite) {
        const QByteArray pezzo = f.read(qMin<qint64>(limite - contenuto->size(), 64 * 1024));
        if (pezzo.isEmpty())
            break;
        contenuto->append(pezzo);
    }
    return true;
}

QString unaRiga(const QString& testo)
{
    QString r = testo;
    for (QChar& c : r) {
        const ushort u = c.unicode();
        if (u == '\n' || u == '\r' || u == 0x0b || u == 0x0c || u == 0x85 || u == 0x2028 || u == 0x2029)
            c = QLatin1Char(' ');
    }
    return r;
}

} // namespace FileSicuri
