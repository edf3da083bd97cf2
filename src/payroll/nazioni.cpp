#include "nazioni.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QMap>
#include <QStandardPaths>
#include <QtGlobal>

namespace Nazioni {

namespace {

QStringList g_codici;
QMap<QString, InfoNazione> g_info;
bool g_caricato = false;

// The labels the translation files carry.
const char* const kEtichetteTradotte[] = {
    QT_TRANSLATE_NOOP("Nazioni", "Partita IVA"),
    QT_TRANSLATE_NOOP("Nazioni", "Codice Fiscale"),
    QT_TRANSLATE_NOOP("Nazioni", "IBAN azienda"),
    QT_TRANSLATE_NOOP("Nazioni", "BIC azienda"),
    QT_TRANSLATE_NOOP("Nazioni", "UID"),
    QT_TRANSLATE_NOOP("Nazioni", "Numéro d'entreprise (BCE/KBO)"),
};

// An INI value as a list: an unquoted comma makes a list, a single value
// a list of one; items trimmed, empty ones dropped.
QStringList lista(const QVariant& valore)
{
    QStringList grezza;
    if (valore.type() == QVariant::StringList)
        grezza = valore.toStringList();
    else if (!valore.isNull())
        grezza.append(valore.toString());
    QStringList pulita;
    for (const QString& voce : qAsConst(grezza)) {
        const QString v = voce.trimmed();
        if (!v.isEmpty())
            pulita.append(v);
    }
    return pulita;
}

// A value as text; a value that the INI reader split at commas is joined
// back, so a name holding a comma is not lost.
QString testo(const QVariant& valore)
{
    if (valore.type() == QVariant::StringList)
        return valore.toStringList().join(QStringLiteral(", "));
    return valore.toString();
}

void leggiDa(QSettings& ini)
{
    g_info.clear();
    g_codici.clear();
    const QStringList elenco = lista(ini.value(QStringLiteral("generale/elenco")));
    for (const QString& codice : elenco) {
        InfoNazione n;
        n.codice = codice;
        ini.beginGroup(codice);
        n.nome = testo(ini.value(QStringLiteral("nome")));
        n.valuta = testo(ini.value(QStringLiteral("valuta")));
        n.lingue = lista(ini.value(QStringLiteral("lingue")));
        const QStringList chiavi = lista(ini.value(QStringLiteral("campi")));
        ini.endGroup();
        for (const QString& chiave : chiavi) {
            CampoIdentificativo c;
            c.chiave = chiave;
            ini.beginGroup(codice + QLatin1Char('_') + chiave);
            c.etichettaFile = testo(ini.value(QStringLiteral("etichetta")));
            c.etichetta = traduciEtichetta(c.etichettaFile);
            c.placeholder = testo(ini.value(QStringLiteral("placeholder")));
            c.obbligatorio = ini.value(QStringLiteral("obbligatorio"), false).toBool();
            ini.endGroup();
            n.campi.append(c);
        }
        g_info.insert(codice, n);
        g_codici.append(codice);
    }
}

bool leggiFile(const QString& percorso)
{
    QSettings ini(percorso, QSettings::IniFormat);
    ini.setIniCodec("UTF-8");
    leggiDa(ini);
    return !g_codici.isEmpty();
}

} // namespace

QString percorsoFileUtente()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/nazioni.ini");
}

bool carica()
{
    if (g_caricato)
        return true;
    const QString utente = percorsoFileUtente();
    if (QFileInfo::exists(utente) && leggiFile(utente)) {
        qInfo() << "Nazioni::carica - caricate" << g_codici.size() << "nazioni da file utente" << utente;
        g_caricato = true;
        return true;
    }
    if (leggiFile(QStringLiteral(":/data/nazioni.ini"))) {
        qInfo() << "Nazioni::carica - caricate" << g_codici.size() << "nazioni dalla risorsa";
        g_caricato = true;
        return true;
    }
    qWarning() << "Nazioni::carica - nessuna nazione caricata";
    return false;
}

QStringList codiciDisponibili()
{
    return g_codici;
}

InfoNazione info(const QString& codice)
{
    return g_info.value(codice);
}

QString nome(const QString& codice)
{
    const QString n = g_info.value(codice).nome;
    return n.isEmpty() ? codice : n;
}

QString traduciEtichetta(const QString& etichetta)
{
    for (const char* nota : kEtichetteTradotte) {
        if (etichetta == QString::fromUtf8(nota))
            return QCoreApplication::translate("Nazioni", nota);
    }
    return etichetta;
}

void azzera()
{
    g_info.clear();
    g_codici.clear();
    g_caricato = false;
}

} // namespace Nazioni
