#include "certificato.h"

#include "chiusuraannuale.h"
#include "config.h"
#include "filesicuri.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

// Two decimals for an amount in centimes; any other amount with all the
// digits that read it back exactly.
QString importo(double v)
{
    if (!std::isfinite(v))
        v = 0.0;
    QString testo = QString::number(v, 'f', 2);
    if (testo.toDouble() != v)
        testo = QString::number(v, 'g', 17);
    if (testo == QLatin1String("-0.00"))
        testo = QStringLiteral("0.00");
    return testo;
}

double leggiImporto(const QString& testo)
{
    bool ok = false;
    const double v = testo.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

QString bandiera(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

void Certificato::calcolaTotali(DatiCertificato& c)
{
    c.cifra8 = c.cifra1 + c.cifra2 + c.cifra3;
    c.cifra11 = c.cifra8 - c.cifra9 - c.cifra10_1 - c.cifra10_2;
}

QString Certificato::cartella()
{
    return Config::cartellaDatiPredefinita() + QStringLiteral("/certificati");
}

QString Certificato::percorsoFile(const DatiCertificato& c)
{
    // The id is a plain file name; its base, with blanks as "_", names the
    // certificate, so no id can put a certificate outside its folder.
    if (!FileSicuri::nomeSicuro(c.idDipendente))
        return QString();
    QString base = QFileInfo(c.idDipendente).completeBaseName();
    base.replace(QLatin1Char(' '), QLatin1Char('_'));
    const QString nome = QStringLiteral("certificato_") + base + QLatin1Char('_')
        + QString::number(c.annoValidita) + QStringLiteral(".txt");
    if (!FileSicuri::nomeSicuro(nome))
        return QString();
    QDir().mkpath(cartella());
    return cartella() + QLatin1Char('/') + nome;
}

QStringList Certificato::elencoCertificati()
{
    const QDir dir(cartella());
    if (!dir.exists())
        return {};
    return dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
}

bool Certificato::salva(const DatiCertificato& c, QString* errore)
{
    // A certificate belongs to the sealed files of its year.
    if (ChiusuraAnnuale::isAnnoChiuso(c.annoValidita)) {
        if (errore)
            *errore = tr("L'esercizio %1 è chiuso e bloccato: il certificato non può essere scritto.")
                          .arg(c.annoValidita);
        return false;
    }
    const QString percorso = percorsoFile(c);
    if (percorso.isEmpty())
        return false;
    QString t;
    auto riga = [&t](const char* chiave, const QString& valore) {
        // A line break in a text would start a line of its own, which could
        // read back as another key: it is kept as a blank.
        t += QLatin1String(chiave) + QLatin1Char('=') + FileSicuri::unaRiga(valore) + QLatin1Char('\n');
    };
    riga("idDipendente", c.idDipendente);
    riga("annoValidita", QString::number(c.annoValidita));
    riga("cifra1", importo(c.cifra1));
    riga("cifra2", importo(c.cifra2));
    riga("cifra3", importo(c.cifra3));
    riga("cifra8", importo(c.cifra8));
    riga("cifra9", importo(c.cifra9));
    riga("cifra10_1", importo(c.cifra10_1));
    riga("cifra10_2", importo(c.cifra10_2));
    riga("cifra11", importo(c.cifra11));
    riga("cifra12", importo(c.cifra12));
    riga("cifra13_1", importo(c.cifra13_1));
    riga("cifra13_2", importo(c.cifra13_2));
    riga("cifra13_3", importo(c.cifra13_3));
    riga("casellaA", bandiera(c.casellaA));
    riga("casellaB", bandiera(c.casellaB));
    riga("casellaC", bandiera(c.casellaC));
    riga("osservazioni", c.osservazioni);
    riga("stima", bandiera(c.stima));
    return FileSicuri::scrivi(percorso, t.toUtf8());
}

bool Certificato::carica(DatiCertificato& c, const QString& percorso)
{
    QByteArray contenuto;
    if (!FileSicuri::leggi(percorso, &contenuto, 1024 * 1024))
        return false;
    const QStringList righe = QString::fromUtf8(contenuto).split(QLatin1Char('\n'));
    const struct { const char* chiave; double DatiCertificato::*campo; } importi[] = {
        {"cifra1", &DatiCertificato::cifra1},       {"cifra2", &DatiCertificato::cifra2},
        {"cifra3", &DatiCertificato::cifra3},       {"cifra8", &DatiCertificato::cifra8},
        {"cifra9", &DatiCertificato::cifra9},       {"cifra10_1", &DatiCertificato::cifra10_1},
        {"cifra10_2", &DatiCertificato::cifra10_2}, {"cifra11", &DatiCertificato::cifra11},
        {"cifra12", &DatiCertificato::cifra12},     {"cifra13_1", &DatiCertificato::cifra13_1},
        {"cifra13_2", &DatiCertificato::cifra13_2}, {"cifra13_3", &DatiCertificato::cifra13_3},
    };
    const struct { const char* chiave; bool DatiCertificato::*campo; } bandiere[] = {
        {"casellaA", &DatiCertificato::casellaA}, {"casellaB", &DatiCertificato::casellaB},
        {"casellaC", &DatiCertificato::casellaC}, {"stima", &DatiCertificato::stima},
    };
    for (QString riga : righe) {
        if (riga.endsWith(QLatin1Char('\r')))
            riga.chop(1);
        const int uguale = riga.indexOf(QLatin1Char('='));
        if (uguale < 0)
            continue;
        const QString chiave = riga.left(uguale);
        const QString valore = riga.mid(uguale + 1);
        if (chiave == QLatin1String("idDipendente")) {
            c.idDipendente = valore;
        } else if (chiave == QLatin1String("osservazioni")) {
            c.osservazioni = valore;
        } else if (chiave == QLatin1String("annoValidita")) {
            c.annoValidita = valore.toInt();
        } else {
            for (const auto& i : importi) {
                if (chiave == QLatin1String(i.chiave))
                    c.*(i.campo) = leggiImporto(valore);
            }
            for (const auto& b : bandiere) {
                if (chiave == QLatin1String(b.chiave))
                    c.*(b.campo) = valore == QLatin1String("1");
            }
        }
    }
    return true;
}
