#include "ccl.h"

#include "config.h"
#include "fileini.h"
#include "filesicuri.h"

#include <QFileInfo>

QString CCL::percorsoTabella()
{
    const QString utente = Config::cartellaDatiPredefinita() + QStringLiteral("/ccl_minimi.ini");
    return QFileInfo::exists(utente) ? utente : QStringLiteral(":/data/ccl_minimi.ini");
}

EsitoCCL CCL::verifica(const QString& ccl, const QString& categoria, double salario)
{
    EsitoCCL esito;
    if (ccl.isEmpty())
        return esito;
    // Read by the program's own INI reader: a typed value is text that is no
    // number, never decoded.
    const QString percorso = percorsoTabella();
    QByteArray contenuto;
    const FileSicuri::Esito letto = FileSicuri::leggiFile(percorso, &contenuto, 1024 * 1024);
    // Edited by hand: an agreement's categories may stand in two groups of
    // its name; a category given twice is damage (which minimum holds?).
    const FileIni tabella = FileIni::leggi(contenuto, true);
    QStringList problemi;
    if (letto != FileSicuri::Esito::Letto)
        problemi.append(FileSicuri::messaggio(letto, percorso, 1024 * 1024));
    else
        problemi = tabella.problemi(percorso);
    const QString chiave = ccl + QLatin1Char('/') + categoria;
    double minimo = 0.0;
    const bool presente = !categoria.isEmpty() && tabella.contiene(ccl, categoria);
    if (presente) {
        bool leggibile = true;
        const QString valore = tabella.valore(ccl, categoria, &leggibile);
        if (!leggibile || !FileSicuri::numero(valore, 0.0, FileSicuri::kImportoMassimo, &minimo))
            problemi.append(FileIni::problema(percorso, tabella.riga(ccl, categoria),
                                              tr("valore non valido per %1: \"%2\"").arg(chiave, valore)));
    }
    // A table that did not read cleanly gives no minimum: a damaged group
    // could hand one agreement's minimum to another.
    if (!problemi.isEmpty()) {
        esito.errore = tr("La tabella dei minimi CCL non si è letta correttamente:\n%1").arg(problemi.join(QLatin1Char('\n')));
        esito.messaggio = esito.errore;
        return esito;
    }
    if (!presente) {
        esito.messaggio = tr("CCL %1 categoria %2 non trovato in ccl_minimi.ini").arg(ccl, categoria);
        return esito;
    }
    esito.trovato = true;
    esito.chiave = chiave;
    esito.minimo = minimo;
    esito.sottoMinimo = salario < esito.minimo;
    // An hourly category's minimum is an hourly rate, and says so.
    if (esito.sottoMinimo && categoria.endsWith(QLatin1String("_ora")))
        esito.messaggio = tr("ATTENZIONE: salario CHF %1 inferiore al minimo CCL %2 (%3) = CHF %4/ora. "
                             "Possibile violazione CCL. Procedere a proprio rischio.")
                              .arg(QString::number(salario, 'f', 2), ccl, categoria,
                                   QString::number(esito.minimo, 'f', 2));
    else if (esito.sottoMinimo)
        esito.messaggio = tr("ATTENZIONE: salario CHF %1 inferiore al minimo CCL %2 (%3) = CHF %4/mese. "
                             "Possibile violazione CCL. Procedere a proprio rischio.")
                              .arg(QString::number(salario, 'f', 2), ccl, categoria,
                                   QString::number(esito.minimo, 'f', 2));
    return esito;
}
