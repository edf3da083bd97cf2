#include "variabilimensili.h"

#include "chiusuraannuale.h"
#include "config.h"
#include "filesicuri.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

enum class Tipo { Importo, Testo };

struct Campo
{
    const char* chiave;
    Tipo tipo;
    double VariabileMese::*importo;
    QString VariabileMese::*testo;
};

#define IMPORTO(n) {#n, Tipo::Importo, &VariabileMese::n, nullptr}
#define TESTO(n) {#n, Tipo::Testo, nullptr, &VariabileMese::n}

// The 34 stored keys, in the order of the record.
const Campo kCampi[] = {
    IMPORTO(rimborsoSpese),        TESTO(rimborsoSpeseDesc),
    IMPORTO(acconti),              TESTO(accontiDesc),
    IMPORTO(vacanzePrese),         TESTO(vacanzePreseDesc),
    TESTO(dataConteggio),          TESTO(comunicazioni),
    IMPORTO(importiImponibili),    TESTO(importiImponibiliDesc),
    IMPORTO(importiNonImponibili), TESTO(importiNonImponibiliDesc),
    IMPORTO(rimborsoTrasferte),    TESTO(rimborsoTrasferteDesc),
    IMPORTO(deduzioneAssenze),     TESTO(deduzioneAssenzeDesc),
    IMPORTO(rimborsoAssicurativo), TESTO(rimborsoAssicurativoDesc),
    IMPORTO(tredicesimaGratifica), TESTO(tredicesimaGratificaDesc),
    IMPORTO(oreFatte),             IMPORTO(oreExtra25),
    IMPORTO(oreExtra50),           IMPORTO(oreExtraCompensate),
    IMPORTO(rimborsoMalattia),     TESTO(rimborsoMalattiaDesc),
    IMPORTO(rimborsoInfortunio),   TESTO(rimborsoInfortunioDesc),
    IMPORTO(rimborsoIPG),          TESTO(rimborsoIPGDesc),
    IMPORTO(rimborsoPrestiti),     TESTO(rimborsoPrestitiDesc),
    IMPORTO(trattenuteUEF),        TESTO(trattenuteUEFDesc),
};

#undef IMPORTO
#undef TESTO

QString gruppo(int mese)
{
    return QStringLiteral("Mese_") + QString::number(mese);
}

// A value that is no number (text typed into the file, a list) reads as 0.
double leggiImporto(const QVariant& v)
{
    if (v.type() == QVariant::Double || v.type() == QVariant::Int || v.type() == QVariant::LongLong)
        return v.toDouble();
    if (v.type() != QVariant::String)
        return 0.0;
    bool ok = false;
    const double d = v.toString().trimmed().toDouble(&ok);
    return ok ? d : 0.0;
}

// An unquoted text with commas comes back from the INI reader as a list.
QString leggiTesto(const QVariant& v)
{
    if (v.type() == QVariant::StringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

// One month's record from the open file; empty values without a file.
VariabileMese leggiMese(QSettings* s, int mese)
{
    VariabileMese v;
    v.mese = mese;
    if (!s)
        return v;
    s->beginGroup(gruppo(mese));
    for (const Campo& c : kCampi) {
        const QVariant valore = s->value(QLatin1String(c.chiave));
        if (c.tipo == Tipo::Importo)
            v.*c.importo = leggiImporto(valore);
        else
            v.*c.testo = leggiTesto(valore);
    }
    s->endGroup();
    return v;
}

} // namespace

QString VariabiliMensili::percorsoFile(const QString& codice, int anno)
{
    const QString base = QFileInfo(codice).completeBaseName();
    const QString nome = base + QLatin1Char('_') + QString::number(anno) + QStringLiteral(".ini");
    if (base.isEmpty() || !FileSicuri::nomeSicuro(nome))
        return QString();
    const QString cartella = Config::cartellaDati() + QStringLiteral("/variabili");
    QDir().mkpath(cartella);
    return cartella + QLatin1Char('/') + nome;
}

QList<VariabileMese> VariabiliMensili::caricaAnno(const QString& codice, int anno)
{
    QList<VariabileMese> mesi;
    const QString percorso = percorsoFile(codice, anno);
    QScopedPointer<QSettings> s;
    if (!percorso.isEmpty() && QFileInfo(percorso).isFile()) {
        s.reset(new QSettings(percorso, QSettings::IniFormat));
        s->setIniCodec("UTF-8");
    }
    for (int m = 1; m <= 12; ++m)
        mesi.append(leggiMese(s.data(), m));
    return mesi;
}

VariabileMese VariabiliMensili::caricaMese(const QString& codice, int anno, int mese)
{
    if (mese < 1 || mese > 12)
        return VariabileMese();
    // Only the month's group is read: the pay count asks for one month of
    // every employee.
    const QString percorso = percorsoFile(codice, anno);
    if (percorso.isEmpty() || !QFileInfo(percorso).isFile())
        return leggiMese(nullptr, mese);
    QSettings s(percorso, QSettings::IniFormat);
    s.setIniCodec("UTF-8");
    return leggiMese(&s, mese);
}

bool VariabiliMensili::salvaAnno(const QString& codice, int anno, const QList<VariabileMese>& mesi)
{
    if (ChiusuraAnnuale::isAnnoChiuso(anno))
        return false;
    if (mesi.size() < 12)
        return false;
    const QString percorso = percorsoFile(codice, anno);
    if (percorso.isEmpty())
        return false;
    QSettings s(percorso, QSettings::IniFormat);
    s.setIniCodec("UTF-8");
    for (int m = 1; m <= 12; ++m) {
        const VariabileMese& v = mesi.at(m - 1);
        s.beginGroup(gruppo(m));
        for (const Campo& c : kCampi) {
            if (c.tipo == Tipo::Importo)
                s.setValue(QLatin1String(c.chiave), v.*c.importo);
            else
                s.setValue(QLatin1String(c.chiave), v.*c.testo);
        }
        s.endGroup();
    }
    s.sync();
    return s.status() == QSettings::NoError;
}
