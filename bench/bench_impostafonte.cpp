// Loading time, memory and look-up speed of the withholding-tax tables on a
// generated folder of 26 canton files in the federal record format.
//
//   bench_impostafonte [folder]
//
// Without a folder the files are generated into a temporary folder.

#include "impostafonte.h"
#include "tariffegenerate.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

long kbDaStatus(const char* campo)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> righe = f.readAll().split('\n');
    for (const QByteArray& r : righe) {
        if (r.startsWith(campo))
            return r.mid(int(qstrlen(campo))).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporanea;
    QString cartella;
    qint64 record = 0;
    QElapsedTimer t;
    if (argc > 1) {
        cartella = QString::fromLocal8Bit(argv[1]);
    } else {
        cartella = temporanea.path();
        t.start();
        for (const char* kt : TariffeGenerate::kCantoni)
            record += TariffeGenerate::scriviCantone(cartella, QByteArray(kt));
        std::printf("generated %lld records in 26 canton files (%lld ms)\n", record, t.elapsed());
    }

    const long rssPrima = kbDaStatus("VmRSS:");
    // The first load is the one start-up pays (files possibly cold); the
    // following ones show the steady figure.
    double migliore = 1e9;
    double primo = 0;
    for (int i = 0; i < 5; ++i) {
        t.start();
        if (!ImpostaFonte::caricaDa(cartella)) {
            std::printf("nothing loaded from %s\n", qPrintable(cartella));
            return 1;
        }
        const double ms = t.nsecsElapsed() / 1e6;
        if (i == 0)
            primo = ms;
        migliore = qMin(migliore, ms);
    }
    const long rssDopo = kbDaStatus("VmRSS:");
    const QStringList cantoni = ImpostaFonte::cantoniDisponibili();
    int scale = 0;
    for (const QString& c : cantoni)
        scale += ImpostaFonte::scalePerCantone(c).size();
    std::printf("caricaDa: %d cantons, %d scales; first %.1f ms, best of 5 %.1f ms\n", int(cantoni.size()), scale,
                primo, migliore);
    std::printf("memory: tables %.1f MB (resident %.1f MB before loading, %.1f MB after), peak %.1f MB\n",
                (rssDopo - rssPrima) / 1024.0, rssPrima / 1024.0, rssDopo / 1024.0, kbDaStatus("VmHWM:") / 1024.0);

    // A million look-ups of random employees: canton, code without church
    // letter (found through the suffixes) or with it, income.
    const int n = 1000000;
    std::vector<QString> ct;
    std::vector<QString> tar;
    std::vector<double> redditi;
    QRandomGenerator caso(2026);
    const QStringList codici = {QStringLiteral("A0"), QStringLiteral("A0N"), QStringLiteral("B2"),
                                QStringLiteral("B1Y"), QStringLiteral("C0"), QStringLiteral("H1"),
                                QStringLiteral("A3Y"), QStringLiteral("C5N")};
    for (int i = 0; i < 4096; ++i) {
        ct.push_back(cantoni.at(int(caso.bounded(cantoni.size()))));
        tar.push_back(codici.at(int(caso.bounded(codici.size()))));
        redditi.push_back(caso.bounded(30000.0));
    }
    double somma = 0;
    t.start();
    for (int i = 0; i < n; ++i) {
        const int k = i & 4095;
        somma += ImpostaFonte::calcolaMensile(redditi[size_t(k)] + i * 1e-6, ct[size_t(k)], tar[size_t(k)]);
    }
    const double ns = double(t.nsecsElapsed()) / n;
    std::printf("calcolaMensile: %d look-ups, %.0f ns each (checksum %.2f)\n", n, ns, somma);
    return 0;
}
