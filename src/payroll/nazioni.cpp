#include "nazioni.h"

#include "fileini.h"
#include "filesicuri.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QMap>
#include <QStandardPaths>
#include <QtGlobal>

#include <cstddef>

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

// The examples of the shipped table that name a language's own word: the
// Swiss VAT number ends in MWST, TVA or IVA after the language of the form.
const char* const kSegnapostiTradotti[] = {
    QT_TRANSLATE_NOOP("Nazioni", "CHE-123.456.789 IVA"),
};

// The country names of the shipped table, shown in the user's language.
const char* const kNomiTradotti[] = {
    QT_TRANSLATE_NOOP("Nazioni", "Svizzera"),    QT_TRANSLATE_NOOP("Nazioni", "Italia"),
    QT_TRANSLATE_NOOP("Nazioni", "Francia"),     QT_TRANSLATE_NOOP("Nazioni", "Germania"),
    QT_TRANSLATE_NOOP("Nazioni", "Austria"),     QT_TRANSLATE_NOOP("Nazioni", "Spagna"),
    QT_TRANSLATE_NOOP("Nazioni", "Belgio"),      QT_TRANSLATE_NOOP("Nazioni", "Paesi Bassi"),
    QT_TRANSLATE_NOOP("Nazioni", "Regno Unito"), QT_TRANSLATE_NOOP("Nazioni", "Stati Uniti"),
};

// `testo` translated (context "Nazioni") when it is one of `noti`.
template <std::size_t N>
QString traduciSeNoto(const QString& testo, const char* const (&noti)[N])
{
    for (const char* nota : noti) {
        if (testo == QString::fromUtf8(nota))
            return QCoreApplication::translate("Nazioni", nota);
    }
    return testo;
}

// An INI value as a list: an unquoted comma makes a list, a single value
// a list of one; items trimmed, empty ones dropped.
QStringList lista(const FileIni& ini, const QString& gruppo, const QString& chiave)
{
    QStringList pulita;
    const QStringList grezza = ini.lista(gruppo, chiave);
    for (const QString& voce : grezza) {
        const QString v = voce.trimmed();
        if (!v.isEmpty())
            pulita.append(v);
    }
    return pulita;
}

// A value as text; a value split at commas is joined back, so a name
// holding a comma is not lost.
QString testo(const FileIni& ini, const QString& gruppo, const QString& chiave)
{
    return ini.valore(gruppo, chiave);
}

// A flag: missing, empty, "0" or "false" is false, anything else true.
bool flag(const FileIni& ini, const QString& gruppo, const QString& chiave)
{
    const QString v = ini.valore(gruppo, chiave);
    return !v.isEmpty() && v != QLatin1String("0") && v.compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
}

void leggiDa(const FileIni& ini)
{
    g_info.clear();
    g_codici.clear();
    const QStringList elenco = lista(ini, QStringLiteral("generale"), QStringLiteral("elenco"));
    for (const QString& codice : elenco) {
        InfoNazione n;
        n.codice = codice;
        n.nome = testo(ini, codice, QStringLiteral("nome"));
        n.valuta = testo(ini, codice, QStringLiteral("valuta"));
        n.lingue = lista(ini, codice, QStringLiteral("lingue"));
        const QStringList chiavi = lista(ini, codice, QStringLiteral("campi"));
        for (const QString& chiave : chiavi) {
            CampoIdentificativo c;
            c.chiave = chiave;
            const QString gruppo = codice + QLatin1Char('_') + chiave;
            c.etichettaFile = testo(ini, gruppo, QStringLiteral("etichetta"));
            c.etichetta = traduciEtichetta(c.etichettaFile);
            c.placeholder = traduciSeNoto(testo(ini, gruppo, QStringLiteral("placeholder")), kSegnapostiTradotti);
            c.obbligatorio = flag(ini, gruppo, QStringLiteral("obbligatorio"));
            n.campi.append(c);
        }
        g_info.insert(codice, n);
        g_codici.append(codice);
    }
}

// Read by the program's own INI reader: a user copy is never decoded with
// the toolkit's typed values.
bool leggiFile(const QString& percorso)
{
    QByteArray contenuto;
    if (!FileSicuri::leggi(percorso, &contenuto, 1024 * 1024)) {
        g_info.clear();
        g_codici.clear();
        return false;
    }
    leggiDa(FileIni::leggi(contenuto));
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

QString nomeTradotto(const QString& codice)
{
    return traduciSeNoto(nome(codice), kNomiTradotti);
}

QString traduciEtichetta(const QString& etichetta)
{
    return traduciSeNoto(etichetta, kEtichetteTradotte);
}

void azzera()
{
    g_info.clear();
    g_codici.clear();
    g_caricato = false;
}

} // namespace Nazioni
