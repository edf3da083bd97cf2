#pragma once

// The generated withholding-tax tariff files of the benches: 26 canton files
// in the federal record format, about 25,000 records (1.5 MB) each.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace TariffeGenerate {

inline const char* const kCantoni[] = {"ag", "ai", "ar", "be", "bl", "bs", "fr", "ge", "gl", "gr", "ju", "lu", "ne",
                                "nw", "ow", "sg", "sh", "so", "sz", "tg", "ti", "ur", "vd", "vs", "zg", "zh"};

// One record of types 06/11/12/13: 62 characters.
inline QByteArray record(const char* tipo, const QByteArray& cantone, const QByteArray& codice, qint64 da, qint64 passo,
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
inline qint64 scriviCantone(const QString& cartella, const QByteArray& kt)
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

// The 26 canton files into `cartella`; the records written.
inline qint64 scriviCantoni(const QString& cartella)
{
    qint64 righe = 0;
    for (const char* kt : kCantoni)
        righe += scriviCantone(cartella, QByteArray(kt));
    return righe;
}

} // namespace TariffeGenerate
