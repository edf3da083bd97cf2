#include "generisalario.h"

#include "fileini.h"
#include "filesicuri.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QMap<QString, GeneriSalario::GenereSalario> GeneriSalario::g_generi;
bool GeneriSalario::g_caricato = false;
QStringList GeneriSalario::g_problemi;

QString GeneriSalario::percorsoFileUtente()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/generi_salario.ini");
}

bool GeneriSalario::leggiFile(const QString& percorso, QMap<QString, GenereSalario>* tabella, QStringList* problemi)
{
    QByteArray contenuto;
    const FileSicuri::Esito esito = FileSicuri::leggiFile(percorso, &contenuto, 1024 * 1024);
    if (esito != FileSicuri::Esito::Letto) {
        problemi->append(FileSicuri::messaggio(esito, percorso, 1024 * 1024));
        return false;
    }
    GenereSalario lavoro;
    bool gruppoAperto = false;
    const auto conserva = [&] {
        if (gruppoAperto)
            tabella->insert(lavoro.codice, lavoro);
    };
    for (const FileIni::Riga& r : FileIni::righe(contenuto, percorso, problemi)) {
        if (r.chiave.isEmpty()) {
            conserva();
            lavoro = GenereSalario();
            lavoro.codice = r.gruppo;
            gruppoAperto = true;
            continue;
        }
        const QString& chiave = r.chiave;
        const QString& valore = r.valore;
        bool* flag = chiave == QLatin1String("avs")     ? &lavoro.avs
                     : chiave == QLatin1String("caf")   ? &lavoro.caf
                     : chiave == QLatin1String("lainf") ? &lavoro.lainf
                     : chiave == QLatin1String("lpp")   ? &lavoro.lpp
                     : chiave == QLatin1String("igm")   ? &lavoro.igm
                                                        : nullptr;
        if (chiave == QLatin1String("descrizione")) {
            lavoro.descrizione = valore;
        } else if (chiave == QLatin1String("tipo")) {
            lavoro.tipo = valore;
        } else if (flag) {
            // A flag is "1" or "0": anything else would silently turn a
            // contribution off.
            if (valore != QLatin1String("1") && valore != QLatin1String("0"))
                problemi->append(FileIni::problema(
                    percorso, r.numero,
                    QCoreApplication::translate("GeneriSalario", "valore non valido per %1: \"%2\"").arg(chiave, valore)));
            *flag = valore == QLatin1String("1");
        }
    }
    conserva();
    return true;
}

bool GeneriSalario::carica()
{
    if (g_caricato)
        return true;
    g_generi.clear();
    g_problemi.clear();
    g_caricato = true;
    // The user's saved types take the place of the built-in ones; what a
    // damaged file did hold is shown, and the file is not saved over.
    const QString utente = percorsoFileUtente();
    if (QFileInfo(utente).isFile()) {
        QMap<QString, GenereSalario> letti;
        if (leggiFile(utente, &letti, &g_problemi) && !letti.isEmpty()) {
            g_generi = letti;
            return true;
        }
        if (g_problemi.isEmpty())
            qWarning() << "GeneriSalario::carica - file utente senza generi, uso la tabella predefinita" << utente;
    }
    QStringList predefiniti;
    return leggiFile(QStringLiteral(":/data/generi_salario.ini"), &g_generi, &predefiniti);
}

QStringList GeneriSalario::problemiCaricamento()
{
    carica();
    return g_problemi;
}

QStringList GeneriSalario::codiciDisponibili()
{
    carica();
    return g_generi.keys();
}

GeneriSalario::GenereSalario GeneriSalario::info(const QString& codice)
{
    carica();
    return g_generi.value(codice);
}

QString GeneriSalario::descrizione(const QString& codice)
{
    carica();
    return g_generi.value(codice).descrizione;
}

void GeneriSalario::aggiorna(const GenereSalario& genere)
{
    g_generi.insert(genere.codice, genere);
}

void GeneriSalario::rimuovi(const QString& codice)
{
    g_generi.remove(codice);
}

bool GeneriSalario::salva()
{
    carica();
    if (!g_problemi.isEmpty())
        return false;
    const auto flag = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
    QString testo = QStringLiteral("# Generi di salario (utente)\n\n");
    for (const GenereSalario& g : qAsConst(g_generi)) {
        // One line per key: a line break typed in a text cannot open a key
        // or a group of its own.
        testo += QLatin1Char('[') + FileSicuri::unaRiga(g.codice) + QStringLiteral("]\n");
        testo += QStringLiteral("descrizione=") + FileSicuri::unaRiga(g.descrizione) + QLatin1Char('\n');
        testo += QStringLiteral("tipo=") + FileSicuri::unaRiga(g.tipo) + QLatin1Char('\n');
        testo += QStringLiteral("avs=") + flag(g.avs) + QLatin1Char('\n');
        testo += QStringLiteral("caf=") + flag(g.caf) + QLatin1Char('\n');
        testo += QStringLiteral("lainf=") + flag(g.lainf) + QLatin1Char('\n');
        testo += QStringLiteral("lpp=") + flag(g.lpp) + QLatin1Char('\n');
        testo += QStringLiteral("igm=") + flag(g.igm) + QStringLiteral("\n\n");
    }
    return FileSicuri::scrivi(percorsoFileUtente(), testo.toUtf8());
}

void GeneriSalario::azzera()
{
    g_generi.clear();
    g_problemi.clear();
    g_caricato = false;
}
