#include "filesicuri.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cmath>

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
    QByteArray dati = contenuto;
    // Opened for reading too, the last byte tells whether the log ends
    // mid-line; every write still goes to the end of the file. A log that
    // can only be written is appended to as it is.
    if (f.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
        // A log whose last line was cut (a kill during an append) gets the
        // next line on a line of its own; the fragment stays as it is.
        const qint64 dimensione = f.size();
        char ultimo = '\n';
        if (!dati.isEmpty() && dimensione > 0 && f.seek(dimensione - 1) && f.getChar(&ultimo) && ultimo != '\n')
            dati.prepend('\n');
        f.seek(f.size());
    } else if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return false;
    }
    const bool ok = f.write(dati) == dati.size();
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

Esito leggiFile(const QString& percorso, QByteArray* contenuto, qint64 limite)
{
    contenuto->clear();
    QFile f(percorso);
    if (!f.exists())
        return Esito::Mancante;
    if (!f.open(QIODevice::ReadOnly))
        return Esito::Illeggibile;
    // Read in pieces: asking for the whole limit at once would reserve it in
    // memory for every small file. One byte past the limit tells a file that
    // is too large from one that fills it exactly.
    while (contenuto->size() <= limite) {
        const QByteArray pezzo = f.read(qMin<qint64>(limite + 1 - contenuto->size(), 64 * 1024));
        if (pezzo.isEmpty())
            break;
        contenuto->append(pezzo);
    }
    if (contenuto->size() > limite) {
        contenuto->clear();
        return Esito::TroppoGrande;
    }
    if (f.error() != QFileDevice::NoError) {
        contenuto->clear();
        return Esito::Illeggibile;
    }
    return Esito::Letto;
}

bool leggi(const QString& percorso, QByteArray* contenuto, qint64 limite)
{
    return leggiFile(percorso, contenuto, limite) == Esito::Letto;
}

QString messaggio(Esito esito, const QString& percorso, qint64 limite)
{
    switch (esito) {
    case Esito::Letto:
        return QString();
    case Esito::Mancante:
        return QCoreApplication::translate("FileSicuri", "Il file %1 non esiste.").arg(percorso);
    case Esito::TroppoGrande:
        return QCoreApplication::translate("FileSicuri", "Il file %1 supera %2 KB e non viene letto.").arg(percorso).arg(limite / 1024);
    case Esito::Illeggibile:
        break;
    }
    return QCoreApplication::translate("FileSicuri", "Il file %1 non si può leggere.").arg(percorso);
}

QString testo(const QByteArray& contenuto)
{
    // The conversion from a QByteArray alone stops at the first NUL: the
    // explicit size keeps every byte.
    return QString::fromUtf8(contenuto.constData(), contenuto.size());
}

bool numero(const QString& testo, double minimo, double massimo, double* valore)
{
    bool ok = false;
    const double v = testo.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < minimo || v > massimo)
        return false;
    *valore = v;
    return true;
}

bool intero(const QString& testo, int minimo, int massimo, int* valore)
{
    bool ok = false;
    const int v = testo.trimmed().toInt(&ok);
    if (!ok || v < minimo || v > massimo)
        return false;
    *valore = v;
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
