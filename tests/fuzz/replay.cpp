// Replays the kept fuzz inputs (corpus and crash cases) through the same
// entries as the fuzz targets, without libFuzzer:
//   replay_lettori <reader> <file or folder>...
#include "bersagli.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s <lettore> <file o cartella>...\n", argv[0]);
        return 2;
    }
    const Bersagli::Funzione funzione = Bersagli::trova(argv[1]);
    if (!funzione) {
        std::fprintf(stderr, "lettore sconosciuto: %s\n", argv[1]);
        return 2;
    }
    QStringList file;
    for (int i = 2; i < argc; ++i) {
        const QString percorso = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(percorso).isFile()) {
            file.append(percorso);
            continue;
        }
        QDirIterator it(percorso, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            file.append(it.next());
    }
    file.sort();
    for (const QString& percorso : qAsConst(file)) {
        QFile f(percorso);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "impossibile leggere %s\n", qPrintable(percorso));
            return 1;
        }
        const QByteArray dati = f.readAll();
        funzione(reinterpret_cast<const uint8_t*>(dati.constData()), size_t(dati.size()));
    }
    Bersagli::pulisci();
    std::printf("%s: %d input\n", argv[1], int(file.size()));
    return 0;
}
