#include "ccl.h"

#include "config.h"

#include <QFileInfo>
#include <QSettings>

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
    QSettings tabella(percorsoTabella(), QSettings::IniFormat);
    tabella.setIniCodec("UTF-8");
    const QString chiave = ccl + QLatin1Char('/') + categoria;
    if (!tabella.contains(chiave)) {
        esito.messaggio = tr("CCL %1 categoria %2 non trovato in ccl_minimi.ini").arg(ccl, categoria);
        return esito;
    }
    esito.trovato = true;
    esito.chiave = chiave;
    esito.minimo = tabella.value(chiave).toString().trimmed().toDouble();
    esito.sottoMinimo = salario < esito.minimo;
    if (esito.sottoMinimo)
        esito.messaggio = tr("ATTENZIONE: salario CHF %1 inferiore al minimo CCL %2 (%3) = CHF %4/mese. "
                             "Possibile violazione CCL. Procedere a proprio rischio.")
                              .arg(QString::number(salario, 'f', 2), ccl, categoria,
                                   QString::number(esito.minimo, 'f', 2));
    return esito;
}
