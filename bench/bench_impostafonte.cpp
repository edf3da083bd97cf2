// Loading time, memory and look-up speed of the withholding-tax tables on a
// generated folder of 26 canton files in the federal record format.
//
//   bench_impostafonte [folder]
//
// Without a folder the files are generated into a temporary folder.

#include "impostafonte.h"

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

const char* const kCantoni[] = {"ag", "ai", "ar", "be", "bl", "bs", "fr", "ge", "gl", "gr", "ju", "lu", "ne",
                                "nw", "ow", "sg", "sh", "so", "sz", "tg", "ti", "ur", "vd", "vs", "zg", "zh"};

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

// One record of types 06/11/12/13: 62 characters.
QByteArray record(const char* tipo, const QByteArray& cantone, const QByteArray& codice, qint64 da, qint64 passo,
                   int figli, qint64 minimo, int aliquota)
{
    QByteArray r;
    r.reserve(64);
    r += tipo;
    r += "01";
    r += cantone;
    r += codice.leftJustified(10, ' ');
    r += "20260101";
    r += QByteArray::number(da).rightJustified(9, '0');
    r += QByteArray::number(passo).rightJustified(9, '0');
    r += ' ';
    r += QByteArray::number(figli).rightJustified(2, '0');
    r += QByteArray::number(minimo).rightJustified(9, '0');
    r += QByteArray::number(aliquota).rightJustified(5, '0');
    r += "   ";
    return r;
}

// A canton file of about 25,000 records: tariffs A, B, C (0-5 children) and
// H (1-5), with and without church tax, brackets of 50 francs from 0.00 up to
// 27,000 francs and an open last bracket, plus the single-line codes.
qint64 scriviCantone(const QString& cartella, const QByteArray& kt)
{
    const QByteArray KT = kt.toUpper();
    QFile f(cartella + QStringLiteral("/tar26") + QString::fromLatin1(kt) + QStringLiteral(".txt"));
    if (!f.open(QIODevice::WriteOnly))
        return 0;
    QByteArray buffer;
    qint64 righe = 0;
    auto riga = [&](const QByteArray& r) {
        if (righe > 0)
            buffer += "\r\n";
        buffer += r;
        ++righe;
        if (buffer.size() > (1 << 20)) {
            f.write(buffer);
            buffer.clear();
        }
    };
    riga("00" + KT + QByteArray(15, ' ') + "20251025" + QByteArray(83, ' '));
    const char gruppi[] = {'A', 'B', 'C', 'H'};
    for (char g : gruppi) {
        for (int figli = (g == 'H' ? 1 : 0); figli <= 5; ++figli) {
            for (char chiesa : {'N', 'Y'}) {
                const QByteArray codice = QByteArray(1, g) + QByteArray::number(figli) + chiesa;
                const int passi = 540;
                for (int i = 0; i < passi; ++i) {
                    const qint64 da = qint64(i) * 5000;
                    const int aliquota = qMin(3500, i * 6 + (chiesa == 'Y' ? 20 : 0) - figli * 30);
                    riga(record("06", KT, codice, da, 5000, figli, 0, qMax(0, aliquota)));
                }
                riga(record("06", KT, codice, qint64(passi) * 5000, 100, figli, 0, 3500));
            }
        }
    }
    for (const char* c : {"E0N", "L0N", "L1N", "M0N", "N0N", "P1N", "Q9N"})
        riga(record("06", KT, c, 100, 999999999, 0, 0, 450));
    for (const char* c : {"HEN", "MEN", "NON"})
        riga(record("11", KT, c, 100, 999999999, 0, 0, 2500));
    for (const char* c : {"PEL", "PPA", "PSP"})
        riga(record("12", KT, c, 100, 999999999, 0, 0, 200));
    riga(record("13", KT, "MED", 100, 999999999, 0, 587500, 0));
    riga("99" + QByteArray(15, ' ') + KT + QByteArray::number(righe + 1).rightJustified(8, '0') + QByteArray(12, ' '));
    f.write(buffer);
    return righe;
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
        for (const char* kt : kCantoni)
            record += scriviCantone(cartella, QByteArray(kt));
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
