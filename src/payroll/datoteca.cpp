#include "datoteca.h"

#include "chiusuraannuale.h"
#include "config.h"
#include "fileini.h"
#include "filesicuri.h"
#include "orologio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>
#include <limits>

int Datoteca::g_anno = 2026;
bool Datoteca::g_caricato = false;
QMap<QString, Datoteca::VoceContributo> Datoteca::g_contributi;
Datoteca::ParametriLPP Datoteca::g_lpp;
double Datoteca::g_igm = 0.0;
QMap<int, double> Datoteca::g_lppEta;
double Datoteca::g_franchigiaPensionati = 1400.0;
double Datoteca::g_oreSettimanali = 42.0;
QStringList Datoteca::g_cantoniAnnuali;
QStringList Datoteca::g_problemi;

namespace {

const QString kLpp = QStringLiteral("LPP");
const QString kIgm = QStringLiteral("IGM");
const QString kLppEta = QStringLiteral("LPP_ETA");
const QString kPensionati = QStringLiteral("PENSIONATI");
const QString kOrario = QStringLiteral("ORARIO");
const QString kImpostaFonte = QStringLiteral("IMPOSTA_FONTE");
const QString kChiaveAnnuali = QStringLiteral("cantoniModelloAnnuale");

const double kFranchigiaPredefinita = 1400.0;
const double kOrePredefinite = 42.0;

// The cantons of the annual withholding-tax model since 2021.
QStringList cantoniAnnualiPredefiniti()
{
    return {QStringLiteral("FR"), QStringLiteral("GE"), QStringLiteral("TI"), QStringLiteral("VD"),
            QStringLiteral("VS")};
}

// A list of canton abbreviations separated by commas or blanks, upper-cased;
// false when an item is not two letters.
bool leggiCantoni(const QString& testo, QStringList* cantoni)
{
    cantoni->clear();
    const QStringList parti = testo.split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts);
    for (const QString& parte : parti) {
        const QString c = parte.toUpper();
        if (c.size() != 2 || !c.at(0).isLetter() || !c.at(1).isLetter() || c.at(0).unicode() > 'Z'
            || c.at(1).unicode() > 'Z')
            return false;
        if (!cantoni->contains(c))
            cantoni->append(c);
    }
    cantoni->sort();
    return true;
}

// Groups of the file that are no contribution entry.
bool gruppoSpeciale(const QString& gruppo)
{
    return gruppo == kLpp || gruppo == kIgm || gruppo == kLppEta || gruppo == kPensionati || gruppo == kOrario
        || gruppo == kImpostaFonte;
}

// Ages outside this range have no pension credit; bounding the bands keeps a
// mistyped band ("18-999999999") from filling memory.
constexpr int kEtaMassima = 150;

// The shortest form that reads back as the same number: an amount keeps
// every decimal it was saved with.
QString breve(double v)
{
    return FileIni::testoNumero(v);
}

QString cartellaBase()
{
    return Config::cartellaDatiPredefinita();
}

QString percorsoAnno(int anno)
{
    return cartellaBase() + QStringLiteral("/datoteca_") + QString::number(anno) + QStringLiteral(".ini");
}

// A field of the change log, quoted when it holds a separator or a quote.
QString campoCsv(const QString& testo)
{
    if (!testo.contains(QLatin1Char(',')) && !testo.contains(QLatin1Char('"'))
        && !testo.contains(QLatin1Char('\n')) && !testo.contains(QLatin1Char('\r')))
        return testo;
    QString t = testo;
    t.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

} // namespace

int Datoteca::annoCorrente()
{
    return g_anno;
}

void Datoteca::caricaSeServe()
{
    if (!g_caricato)
        carica(g_anno);
}

bool Datoteca::carica(int anno)
{
    if (anno <= 2000) {
        if (g_caricato)
            return true;
        anno = g_anno;
    } else if (g_caricato && anno == g_anno) {
        return true;
    }

    g_anno = anno;
    g_contributi.clear();
    g_lpp = ParametriLPP();
    // A year that sets no allowance for retired employees or no normal
    // weekly hours has the legal defaults.
    g_franchigiaPensionati = kFranchigiaPredefinita;
    g_oreSettimanali = kOrePredefinite;
    g_cantoniAnnuali = cantoniAnnualiPredefiniti();
    // The maximum insured earnings and the age table keep the values of the
    // year loaded before where the new file does not set them.

    g_problemi.clear();
    QByteArray contenuto;
    QString percorso = percorsoAnno(anno);
    const FileSicuri::Esito esito = FileSicuri::leggiFile(percorso, &contenuto);
    if (esito != FileSicuri::Esito::Letto && esito != FileSicuri::Esito::Mancante)
        g_problemi.append(FileSicuri::messaggio(esito, percorso));
    if (esito != FileSicuri::Esito::Letto) {
        percorso = QStringLiteral(":/data/datoteca.ini");
        if (!FileSicuri::leggi(percorso, &contenuto)) {
            g_caricato = true;
            return false;
        }
    }

    const QVector<FileIni::Riga> righe = FileIni::righe(contenuto, percorso, &g_problemi);
    const FileIni::Riga* riga = nullptr;
    // A value that is no finite number within range reads as 0 and is
    // reported with its line, group and key.
    auto numero = [&](const QString& testo) {
        double v = 0.0;
        if (!FileSicuri::numero(testo, 0.0, FileSicuri::kImportoMassimo, &v))
            g_problemi.append(FileIni::problema(percorso, riga->numero,
                                                QCoreApplication::translate("Datoteca", "valore non valido per %1/%2: \"%3\"")
                                                    .arg(riga->gruppo, riga->chiave, testo)));
        return v;
    };
    bool inVoce = false;
    VoceContributo voce;
    auto chiudiVoce = [&]() {
        if (inVoce)
            g_contributi.insert(voce.codice, voce);
        inVoce = false;
    };

    QString gruppo;
    for (const FileIni::Riga& r : righe) {
        riga = &r;
        if (r.chiave.isEmpty()) {
            chiudiVoce();
            gruppo = r.gruppo;
            if (!gruppoSpeciale(gruppo)) {
                voce = VoceContributo();
                voce.codice = gruppo;
                inVoce = true;
            }
            continue;
        }
        const QString& chiave = r.chiave;
        const QString& valore = r.valore;

        if (gruppo == kLpp) {
            if (chiave == QLatin1String("sogliaEntrata"))
                g_lpp.sogliaEntrata = numero(valore);
            else if (chiave == QLatin1String("deduzioneCoordinamento"))
                g_lpp.deduzioneCoordinamento = numero(valore);
            else if (chiave == QLatin1String("salarioMassimo"))
                g_lpp.salarioMassimo = numero(valore);
            else if (chiave == QLatin1String("coordinatoMinimo"))
                g_lpp.coordinatoMinimo = numero(valore);
            else if (chiave == QLatin1String("coordinatoMassimo"))
                g_lpp.coordinatoMassimo = numero(valore);
        } else if (gruppo == kIgm) {
            if (chiave == QLatin1String("valore"))
                g_igm = numero(valore);
        } else if (gruppo == kPensionati) {
            // A value that is no positive number keeps the default.
            if (chiave == QLatin1String("franchigia")) {
                const double v = numero(valore);
                if (v > 0)
                    g_franchigiaPensionati = v;
            }
        } else if (gruppo == kOrario) {
            if (chiave == QLatin1String("oreSettimanali")) {
                const double v = numero(valore);
                if (v > 0)
                    g_oreSettimanali = v;
            }
        } else if (gruppo == kImpostaFonte) {
            // A list that cannot be read keeps the default and is reported:
            // a canton taxed in the wrong model would withhold a wrong tax.
            QStringList cantoni;
            if (chiave == kChiaveAnnuali) {
                if (leggiCantoni(valore, &cantoni))
                    g_cantoniAnnuali = cantoni;
                else
                    g_problemi.append(FileIni::problema(
                        percorso, r.numero,
                        QCoreApplication::translate("Datoteca", "valore non valido per %1/%2: \"%3\"")
                            .arg(gruppo, chiave, valore)));
            }
        } else if (gruppo == kLppEta) {
            const QStringList eta = chiave.split(QLatin1Char('-'));
            int da = 0;
            int a = 0;
            if (eta.size() != 2 || !FileSicuri::intero(eta.at(0), std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), &da)
                || !FileSicuri::intero(eta.at(1), std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), &a)) {
                g_problemi.append(FileIni::problema(
                    percorso, r.numero,
                    QCoreApplication::translate("Datoteca", "fascia d'età non valida: %1").arg(chiave)));
                continue;
            }
            const double aliquota = numero(valore);
            for (int e = qMax(da, 0); e <= qMin(a, kEtaMassima); ++e)
                g_lppEta.insert(e, aliquota);
        } else if (inVoce) {
            if (chiave == QLatin1String("descrizione"))
                voce.descrizione = valore;
            else if (chiave == QLatin1String("aliquotaDipendente"))
                voce.aliquotaDipendente = numero(valore);
            else if (chiave == QLatin1String("aliquotaDatore"))
                voce.aliquotaDatore = numero(valore);
            else if (chiave == QLatin1String("massimale"))
                voce.massimale = numero(valore);
        }
    }
    chiudiVoce();
    g_caricato = true;
    return true;
}

QStringList Datoteca::problemiCaricamento()
{
    return g_problemi;
}

Datoteca::VoceContributo Datoteca::contributo(const QString& codice)
{
    caricaSeServe();
    return g_contributi.value(codice);
}

Datoteca::ParametriLPP Datoteca::lpp()
{
    caricaSeServe();
    return g_lpp;
}

QStringList Datoteca::codiciContributi()
{
    caricaSeServe();
    return g_contributi.keys();
}

double Datoteca::guadagnoMassimo()
{
    caricaSeServe();
    return g_igm;
}

double Datoteca::aliquotaLPP(int eta)
{
    caricaSeServe();
    return g_lppEta.value(eta, 0.0);
}

double Datoteca::franchigiaPensionati()
{
    caricaSeServe();
    return g_franchigiaPensionati;
}

double Datoteca::oreSettimanaliNormali()
{
    caricaSeServe();
    return g_oreSettimanali;
}

QStringList Datoteca::cantoniModelloAnnuale()
{
    caricaSeServe();
    return g_cantoniAnnuali;
}

bool Datoteca::modelloAnnuale(const QString& cantone)
{
    caricaSeServe();
    return g_cantoniAnnuali.contains(cantone.trimmed().toUpper());
}

bool Datoteca::salvaCon(const QMap<QString, VoceContributo>& contributi, const ParametriLPP& lpp, double igm,
                        int anno, bool* logScritto)
{
    if (logScritto)
        *logScritto = false;
    if (anno > 2000)
        carica(anno);
    else
        caricaSeServe();
    anno = g_anno;

    // The parameter files live in the default data folder: a year closed
    // there refuses the save as well as one closed in the configured folder.
    if (ChiusuraAnnuale::isAnnoChiuso(anno) || ChiusuraAnnuale::isAnnoChiusoIn(cartellaBase(), anno))
        return false;
    // The file is rewritten whole: one that did not read cleanly would lose
    // what could not be read, so it is left as it is.
    if (!g_problemi.isEmpty())
        return false;
    auto finito = [](double v) { return std::isfinite(v) && std::fabs(v) <= FileSicuri::kImportoMassimo; };
    for (const VoceContributo& v : contributi) {
        if (!finito(v.aliquotaDipendente) || !finito(v.aliquotaDatore) || !finito(v.massimale))
            return false;
    }
    if (!finito(lpp.sogliaEntrata) || !finito(lpp.deduzioneCoordinamento) || !finito(lpp.salarioMassimo)
        || !finito(lpp.coordinatoMinimo) || !finito(lpp.coordinatoMassimo) || !finito(igm))
        return false;

    const QString base = cartellaBase();
    const QString file = percorsoAnno(anno);
    const QString cartellaBackup = base + QStringLiteral("/backup");
    const QString log = base + QStringLiteral("/log_parametri_critici.csv");
    if (!QDir().mkpath(cartellaBackup))
        return false;

    const QDateTime ora = Orologio::adesso();
    const QString momento = ora.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    const QString operatore = campoCsv(QDir(QDir::homePath()).dirName());

    // The change log: one line per changed value.
    QString righeLog;
    auto confronta = [&](const QString& chiave, double vecchio, double nuovo) {
        if (std::fabs(vecchio - nuovo) > 1e-9)
            righeLog += momento + QLatin1Char(',') + operatore + QLatin1Char(',') + chiave + QLatin1Char(',')
                        + breve(vecchio) + QLatin1Char(',') + breve(nuovo) + QLatin1Char('\n');
    };
    for (const QString& codice : {QStringLiteral("AVS"), QStringLiteral("AD"), QStringLiteral("CAF"),
                                  QStringLiteral("LAINF")}) {
        const VoceContributo v = g_contributi.value(codice);
        const VoceContributo n = contributi.value(codice);
        confronta(codice + QStringLiteral(".aliquotaDipendente"), v.aliquotaDipendente, n.aliquotaDipendente);
        confronta(codice + QStringLiteral(".aliquotaDatore"), v.aliquotaDatore, n.aliquotaDatore);
        confronta(codice + QStringLiteral(".massimale"), v.massimale, n.massimale);
    }
    confronta(QStringLiteral("LPP.sogliaEntrata"), g_lpp.sogliaEntrata, lpp.sogliaEntrata);
    confronta(QStringLiteral("LPP.deduzioneCoordinamento"), g_lpp.deduzioneCoordinamento,
              lpp.deduzioneCoordinamento);
    confronta(QStringLiteral("LPP.salarioMassimo"), g_lpp.salarioMassimo, lpp.salarioMassimo);
    confronta(QStringLiteral("IGM.valore"), g_igm, igm);
    if (righeLog.isEmpty())
        righeLog = momento + QLatin1Char(',') + operatore + QStringLiteral(",nessuna_modifica,,\n");

    // Backup copy of the file being replaced.
    if (QFileInfo::exists(file)) {
        const QString copia = cartellaBackup + QStringLiteral("/datoteca_") + QString::number(anno)
                              + QStringLiteral(".ini.") + ora.toString(QStringLiteral("yyyyMMdd_HHmmss"));
        if (!QFileInfo::exists(copia) && !QFile::copy(file, copia))
            return false;
    }

    const QString annoTesto = QString::number(anno);
    QString testo;
    testo += QStringLiteral("# Datoteca GS - parametri ufficiali ") + annoTesto + QLatin1Char('\n');
    testo += QStringLiteral("# Modifiche via UI con popup R01 + log + backup\n\n");
    testo += QStringLiteral("[META]\nanno=") + annoTesto + QLatin1Char('\n');
    testo += QStringLiteral("data_modifica=") + Orologio::oggi().toString(QStringLiteral("yyyy-MM-dd"))
             + QStringLiteral("\n\n");
    for (auto it = contributi.constBegin(); it != contributi.constEnd(); ++it) {
        const VoceContributo& v = it.value();
        testo += QLatin1Char('[') + FileSicuri::unaRiga(it.key()) + QStringLiteral("]\n");
        const QString descrizione = FileSicuri::unaRiga(v.descrizione);
        if (!descrizione.isEmpty())
            testo += QStringLiteral("descrizione=") + descrizione + QLatin1Char('\n');
        testo += QStringLiteral("aliquotaDipendente=") + breve(v.aliquotaDipendente) + QLatin1Char('\n');
        testo += QStringLiteral("aliquotaDatore=") + breve(v.aliquotaDatore) + QLatin1Char('\n');
        if (v.massimale > 0)
            testo += QStringLiteral("massimale=") + breve(v.massimale) + QLatin1Char('\n');
        testo += QLatin1Char('\n');
    }
    testo += QStringLiteral("[LPP]\n");
    testo += QStringLiteral("sogliaEntrata=") + breve(lpp.sogliaEntrata) + QLatin1Char('\n');
    testo += QStringLiteral("deduzioneCoordinamento=") + breve(lpp.deduzioneCoordinamento) + QLatin1Char('\n');
    testo += QStringLiteral("salarioMassimo=") + breve(lpp.salarioMassimo) + QLatin1Char('\n');
    testo += QStringLiteral("coordinatoMinimo=") + breve(lpp.coordinatoMinimo) + QLatin1Char('\n');
    testo += QStringLiteral("coordinatoMassimo=") + breve(lpp.coordinatoMassimo) + QStringLiteral("\n\n");
    testo += QStringLiteral("[IGM]\nvalore=") + breve(igm) + QStringLiteral("\n\n");
    testo += QStringLiteral("[LPP_ETA]\n");
    const QList<QPair<QString, int>> fasce = {
        {QStringLiteral("18-24"), 18}, {QStringLiteral("25-34"), 25}, {QStringLiteral("35-44"), 35},
        {QStringLiteral("45-54"), 45}, {QStringLiteral("55-65"), 55}};
    for (const auto& fascia : fasce)
        testo += fascia.first + QLatin1Char('=') + breve(g_lppEta.value(fascia.second, 0.0)) + QLatin1Char('\n');
    testo += QStringLiteral("\n[PENSIONATI]\nfranchigia=") + breve(g_franchigiaPensionati) + QLatin1Char('\n');
    testo += QStringLiteral("\n[ORARIO]\noreSettimanali=") + breve(g_oreSettimanali) + QLatin1Char('\n');
    testo += QStringLiteral("\n[IMPOSTA_FONTE]\n") + kChiaveAnnuali + QLatin1Char('=')
             + g_cantoniAnnuali.join(QLatin1Char(',')) + QLatin1Char('\n');

    // The change log takes its lines before the file is replaced: a change
    // that reaches the file is in the log whenever the log can be written. A
    // log that cannot be written does not stop the save; the caller is told.
    const bool scritto = FileSicuri::aggiungi(log, righeLog.toUtf8());

    if (!FileSicuri::scrivi(file, testo.toUtf8()))
        return false;

    g_contributi.clear();
    for (auto it = contributi.constBegin(); it != contributi.constEnd(); ++it) {
        VoceContributo v = it.value();
        v.codice = it.key();
        g_contributi.insert(it.key(), v);
    }
    g_lpp = lpp;
    g_igm = igm;
    g_problemi.clear(); // the tables now hold what was just written
    if (logScritto)
        *logScritto = scritto;
    return true;
}

bool Datoteca::salva()
{
    caricaSeServe();
    return salvaCon(g_contributi, g_lpp, g_igm, g_anno);
}
