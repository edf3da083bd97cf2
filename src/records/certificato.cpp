#include "certificato.h"

#include "chiusuraannuale.h"
#include "config.h"
#include "decimali.h"
#include "fileini.h"
#include "filesicuri.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include <cmath>

namespace {

// Every amount with two decimals: figures are francs and centimes, and
// what a sum leaves beyond them is binary noise.
QString importo(double v)
{
    if (!std::isfinite(v))
        v = 0.0;
    return Decimali::testo(v);
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

bool Certificato::carica(DatiCertificato& c, const QString& percorso, QString* errore)
{
    if (errore)
        errore->clear();
    QByteArray contenuto;
    const FileSicuri::Esito esito = FileSicuri::leggiFile(percorso, &contenuto, 1024 * 1024);
    if (esito != FileSicuri::Esito::Letto) {
        if (errore)
            *errore = FileSicuri::messaggio(esito, percorso, 1024 * 1024);
        return false;
    }
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
    QStringList problemi;
    QSet<QString> lette;
    DatiCertificato letto;
    for (const FileIni::Riga& r : FileIni::righe(contenuto, percorso, &problemi, false)) {
        const QString& chiave = r.chiave;
        const QString& valore = r.valore;
        auto nonValido = [&] {
            problemi.append(FileIni::problema(percorso, r.numero, tr("valore non valido per %1: \"%2\"").arg(chiave, valore)));
        };
        bool nota = true;
        if (chiave == QLatin1String("idDipendente")) {
            letto.idDipendente = valore;
        } else if (chiave == QLatin1String("osservazioni")) {
            letto.osservazioni = valore;
        } else if (chiave == QLatin1String("annoValidita")) {
            if (!FileSicuri::intero(valore, 0, 9999, &letto.annoValidita))
                nonValido();
        } else {
            nota = false;
            for (const auto& i : importi) {
                if (chiave == QLatin1String(i.chiave)) {
                    nota = true;
                    if (!FileSicuri::numero(valore, -FileSicuri::kImportoMassimo, FileSicuri::kImportoMassimo,
                                            &(letto.*(i.campo))))
                        nonValido();
                }
            }
            for (const auto& b : bandiere) {
                if (chiave == QLatin1String(b.chiave)) {
                    nota = true;
                    if (valore != QLatin1String("1") && valore != QLatin1String("0"))
                        nonValido();
                    letto.*(b.campo) = valore == QLatin1String("1");
                }
            }
        }
        if (!nota)
            problemi.append(FileIni::problema(percorso, r.numero, tr("chiave sconosciuta: %1").arg(chiave)));
        lette.insert(chiave);
    }
    // A file cut short (a disk error, a NUL) lacks the lines after the cut.
    QStringList mancanti;
    for (const char* chiave : {"idDipendente", "annoValidita"})
        mancanti.append(QLatin1String(chiave));
    for (const auto& i : importi)
        mancanti.append(QLatin1String(i.chiave));
    for (const char* chiave : {"casellaA", "casellaB", "casellaC", "osservazioni"})
        mancanti.append(QLatin1String(chiave));
    mancanti.erase(std::remove_if(mancanti.begin(), mancanti.end(), [&lette](const QString& k) { return lette.contains(k); }),
                   mancanti.end());
    if (!mancanti.isEmpty())
        problemi.append(tr("Nel file %1 mancano le chiavi: %2.").arg(percorso, mancanti.join(QStringLiteral(", "))));
    c = letto;
    if (!problemi.isEmpty()) {
        if (errore)
            *errore = problemi.join(QLatin1Char('\n'));
        return false;
    }
    return true;
}
