#include "bankprofile.h"

#include "filesicuri.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace {

QString testo(const QJsonObject& o, const char* chiave)
{
    const QJsonValue v = o.value(QLatin1String(chiave));
    return v.isString() ? v.toString() : QString();
}

bool flag(const QJsonObject& o, const char* chiave)
{
    const QJsonValue v = o.value(QLatin1String(chiave));
    return v.isBool() ? v.toBool() : true;
}

} // namespace

bool BankProfile::valido() const
{
    return !id.isEmpty() && !nome.isEmpty() && !versionePain.isEmpty() && !namespace_.isEmpty();
}

BankProfile BankProfile::caricaDaFile(const QString& percorso, bool* ok)
{
    if (ok)
        *ok = false;
    BankProfile p;
    QByteArray contenuto;
    // A profile is a few hundred bytes; a huge file is not one.
    if (!FileSicuri::leggi(percorso, &contenuto, 1024 * 1024))
        return p;
    QJsonParseError errore;
    const QJsonDocument doc = QJsonDocument::fromJson(contenuto, &errore);
    if (errore.error != QJsonParseError::NoError || !doc.isObject())
        return p;
    const QJsonObject o = doc.object();
    p.id = testo(o, "id");
    p.nome = testo(o, "nome");
    p.versionePain = testo(o, "versionePain");
    p.namespace_ = testo(o, "namespace");
    p.usaSala = flag(o, "usaSala");
    const QJsonValue giorni = o.value(QLatin1String("msgIdUnivocoGiorni"));
    p.msgIdUnivocoGiorni = giorni.isDouble() ? giorni.toInt(90) : 90;
    p.indirizziStrutturati = flag(o, "indirizziStrutturati");
    const QJsonValue campi = o.value(QLatin1String("campiObbligatori"));
    if (campi.isArray()) {
        const QJsonArray a = campi.toArray();
        for (const QJsonValue& v : a)
            p.campiObbligatori.append(v.isString() ? v.toString() : QString());
    }
    p.note = testo(o, "note");
    if (ok)
        *ok = p.valido();
    return p;
}

QList<BankProfile> BankProfile::caricaTutti(const QString& cartella)
{
    QList<BankProfile> profili;
    const QDir dir(cartella);
    if (cartella.isEmpty() || !dir.exists())
        return profili;
    const QStringList nomi = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::NoSort);
    for (const QString& nome : nomi) {
        bool ok = false;
        const BankProfile p = caricaDaFile(dir.filePath(nome), &ok);
        if (ok)
            profili.append(p);
    }
    return profili;
}

bool BankProfile::copiaPredefiniti(const QString& sorgente, const QString& destinazione)
{
    const QDir src(sorgente);
    if (sorgente.isEmpty() || !src.exists())
        return false;
    if (!QDir().mkpath(destinazione))
        return false;
    const QDir dst(destinazione);
    const QStringList nomi = src.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::NoSort);
    for (const QString& nome : nomi) {
        // Names come from the folder listing: plain names, never a path.
        if (!FileSicuri::nomeSicuro(nome) || QFileInfo::exists(dst.filePath(nome)))
            continue;
        QByteArray contenuto;
        if (FileSicuri::leggi(src.filePath(nome), &contenuto, 1024 * 1024))
            FileSicuri::scrivi(dst.filePath(nome), contenuto); // a failed copy is skipped
    }
    return true;
}

bool BankProfile::salvaSuFile(const QString& percorso) const
{
    QJsonObject o;
    o.insert(QStringLiteral("id"), id);
    o.insert(QStringLiteral("nome"), nome);
    o.insert(QStringLiteral("versionePain"), versionePain);
    o.insert(QStringLiteral("namespace"), namespace_);
    o.insert(QStringLiteral("usaSala"), usaSala);
    o.insert(QStringLiteral("msgIdUnivocoGiorni"), msgIdUnivocoGiorni);
    o.insert(QStringLiteral("indirizziStrutturati"), indirizziStrutturati);
    o.insert(QStringLiteral("campiObbligatori"), QJsonArray::fromStringList(campiObbligatori));
    o.insert(QStringLiteral("note"), note);
    return FileSicuri::scrivi(percorso, QJsonDocument(o).toJson(QJsonDocument::Indented));
}

QString BankProfile::cartellaProfili()
{
    return QStandardPaths::writableLocation(QStandardPaths::HomeLocation) + QStringLiteral("/.vardello_dati/banche");
}
