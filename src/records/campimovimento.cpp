#include "campimovimento.h"

#include "filesicuri.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kRisorsa = QStringLiteral(":/data/campi_movimenti.ini");

bool flag(const QSettings& s, const QString& chiave)
{
    bool ok = false;
    const int n = s.value(chiave).toString().trimmed().toInt(&ok);
    return ok && n != 0;
}

void scriviGruppo(QSettings& s, const CampoMovimento& c)
{
    const auto uno = [](bool b) { return b ? 1 : 0; };
    s.setValue(QStringLiteral("tipo"), c.tipo);
    s.setValue(QStringLiteral("importoTipo"), c.importoTipo);
    s.setValue(QStringLiteral("soggetto"), uno(c.soggetto));
    s.setValue(QStringLiteral("avs"), uno(c.avs));
    s.setValue(QStringLiteral("ad"), uno(c.ad));
    s.setValue(QStringLiteral("applicaMassimaleAD"), uno(c.applicaMassimaleAD));
    s.setValue(QStringLiteral("caf"), uno(c.caf));
    s.setValue(QStringLiteral("lainf"), uno(c.lainf));
    s.setValue(QStringLiteral("applicaMassimaleLAINF"), uno(c.applicaMassimaleLAINF));
    s.setValue(QStringLiteral("lpp"), uno(c.lpp));
    s.setValue(QStringLiteral("if"), uno(c.soggettoIF));
    s.setValue(QStringLiteral("categoriaCertificato"), c.categoriaCertificato);
    s.setValue(QStringLiteral("massimaleAuto"), uno(c.massimaleAuto));
    s.setValue(QStringLiteral("dataScadenza"), c.dataScadenza);
    s.setValue(QStringLiteral("importoTotale"), c.importoTotale);
    s.setValue(QStringLiteral("pianoRientro"), c.pianoRientro);
    s.setValue(QStringLiteral("dataInizio"), c.dataInizio);
}

} // namespace

QString CampiMovimento::percorsoUtente()
{
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(cartella);
    return cartella + QStringLiteral("/campi_movimenti.ini");
}

QList<CampoMovimento> CampiMovimento::leggiDa(const QString& percorso)
{
    QList<CampoMovimento> campi;
    if (!QFileInfo::exists(percorso))
        return campi;
    QSettings s(percorso, QSettings::IniFormat);
    const QStringList gruppi = s.childGroups();
    for (const QString& g : gruppi) {
        CampoMovimento c;
        c.nome = g;
        s.beginGroup(g);
        c.tipo = s.value(QStringLiteral("tipo")).toString();
        c.importoTipo = s.value(QStringLiteral("importoTipo"), QStringLiteral("fisso")).toString();
        c.soggetto = flag(s, QStringLiteral("soggetto"));
        c.avs = flag(s, QStringLiteral("avs"));
        c.ad = flag(s, QStringLiteral("ad"));
        c.applicaMassimaleAD = flag(s, QStringLiteral("applicaMassimaleAD"));
        c.caf = flag(s, QStringLiteral("caf"));
        c.lainf = flag(s, QStringLiteral("lainf"));
        c.applicaMassimaleLAINF = flag(s, QStringLiteral("applicaMassimaleLAINF"));
        c.lpp = flag(s, QStringLiteral("lpp"));
        c.soggettoIF = flag(s, QStringLiteral("if"));
        c.categoriaCertificato = s.value(QStringLiteral("categoriaCertificato"), 3).toInt();
        c.massimaleAuto = flag(s, QStringLiteral("massimaleAuto"));
        c.dataScadenza = s.value(QStringLiteral("dataScadenza")).toString();
        c.importoTotale = s.value(QStringLiteral("importoTotale"), 0.0).toDouble();
        c.pianoRientro = s.value(QStringLiteral("pianoRientro")).toString();
        c.dataInizio = s.value(QStringLiteral("dataInizio")).toString();
        s.endGroup();
        campi.append(c);
    }
    return campi;
}

QList<CampoMovimento> CampiMovimento::tutti()
{
    const QList<CampoMovimento> utente = leggiDa(percorsoUtente());
    return utente.isEmpty() ? leggiDa(kRisorsa) : utente;
}

QList<CampoMovimento> CampiMovimento::perTipo(const QString& tipo)
{
    QList<CampoMovimento> scelti;
    for (const CampoMovimento& c : tutti()) {
        if (c.tipo == tipo)
            scelti.append(c);
    }
    return scelti;
}

bool CampiMovimento::carica()
{
    return true;
}

bool CampiMovimento::salva()
{
    const QList<CampoMovimento> campi = tutti();
    const QString percorso = percorsoUtente();
    const QString copia = percorso + QStringLiteral(".bak");
    if (QFileInfo::exists(percorso) && !QFileInfo::exists(copia))
        QFile::copy(percorso, copia);
    return scrivi(campi);
}

QString CampiMovimento::controllaNomi(const QList<CampoMovimento>& campi)
{
    QSet<QString> visti;
    for (const CampoMovimento& c : campi) {
        if (c.nome.isEmpty())
            return tr("Un campo senza nome non puo' essere salvato.");
        if (c.nome.contains(QLatin1Char('/')) || c.nome.contains(QLatin1Char('\\')))
            return tr("Il nome \"%1\" non puo' contenere \"/\" o \"\\\".").arg(c.nome);
        const QString chiave = c.nome.toLower();
        if (visti.contains(chiave))
            return tr("Il nome \"%1\" compare piu' volte.").arg(c.nome);
        visti.insert(chiave);
    }
    return QString();
}

bool CampiMovimento::scrivi(const QList<CampoMovimento>& campi, QString* errore)
{
    const auto fallito = [errore](const QString& testo) {
        if (errore)
            *errore = testo;
        return false;
    };
    const QString nomi = controllaNomi(campi);
    if (!nomi.isEmpty())
        return fallito(nomi);

    // The settings class writes the INI text into a scratch file beside the
    // catalogue; its bytes then replace the catalogue in one step.
    const QString percorso = percorsoUtente();
    const QString bozza = percorso + QStringLiteral(".nuovo");
    QFile::remove(bozza);
    {
        QSettings s(bozza, QSettings::IniFormat);
        s.clear();
        for (const CampoMovimento& c : campi) {
            s.beginGroup(c.nome);
            scriviGruppo(s, c);
            s.endGroup();
        }
        s.sync();
        if (s.status() != QSettings::NoError)
            return fallito(tr("Impossibile scrivere %1.").arg(bozza));
    }
    QByteArray contenuto;
    if (!campi.isEmpty() && !FileSicuri::leggi(bozza, &contenuto))
        return fallito(tr("Impossibile leggere %1.").arg(bozza));
    QFile::remove(bozza);
    if (!FileSicuri::scrivi(percorso, contenuto))
        return fallito(tr("Impossibile scrivere %1.").arg(percorso));
    return true;
}
