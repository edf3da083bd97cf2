#include "conteggiosalario.h"

#include "assegnifamiliari.h"
#include "azienda.h"
#include "calcolopaga.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "datetesto.h"
#include "datoteca.h"
#include "importi.h"
#include "impostafonte.h"
#include "movimenti.h"
#include "variabilimensili.h"

#include <QDate>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

using Importi::arrotonda5;

const double kQuotaTredicesimaOraria = 0.0833;
const double kQuotaFestivi = 0.0227;
const double kQuotaVacanzePredefinita = 0.08333333333333333;

// Whether some employment period touches the days from `primo` to `ultimo`.
bool periodoCopre(const QList<PeriodoRapporto>& periodi, const QDate& primo, const QDate& ultimo)
{
    for (const PeriodoRapporto& p : periodi) {
        const QDate entrata = DateTesto::daGiornoMeseAnno(p.entrata);
        if (!entrata.isValid() || entrata > ultimo)
            continue;
        const QDate uscita = DateTesto::daGiornoMeseAnno(p.uscita);
        if (p.uscita.isEmpty() || !uscita.isValid() || uscita >= primo)
            return true;
    }
    return false;
}

QDate ultimoGiorno(int anno, int mese)
{
    const QDate primo(anno, mese, 1);
    return primo.addDays(primo.daysInMonth() - 1);
}

// Months of the year that some period touches; 12 without any.
int mesiDiServizio(const QList<PeriodoRapporto>& periodi, int anno)
{
    int mesi = 0;
    for (int m = 1; m <= 12; ++m) {
        if (periodoCopre(periodi, QDate(anno, m, 1), ultimoGiorno(anno, m)))
            ++mesi;
    }
    return mesi == 0 ? 12 : mesi;
}

// The holiday pay rate of hourly pay from the weeks of holiday a year; a
// number of weeks that is not a number, not above 0 or not below 52 gives
// the rate of four weeks.
double quotaVacanze(const DatiDipendente& d)
{
    bool ok = false;
    const double settimane = d.extra.value(QStringLiteral("vacanzeSettimane"), QStringLiteral("4.0"))
                                 .trimmed().toDouble(&ok);
    if (!ok || !(settimane > 0) || !(settimane < 52))
        return kQuotaVacanzePredefinita;
    return settimane / (52.0 - settimane);
}

// Settlement permits ("C") and Swiss citizens ("CH", or no permit) are taxed
// by ordinary assessment; any other permit, or the explicit flag, makes the
// employee subject to withholding tax.
bool soggettoImposta(const DatiDipendente& d)
{
    if (d.extra.value(QStringLiteral("soggettoImpostaFonte")) == QLatin1String("1"))
        return true;
    const QString permesso = d.permessoLavoro.trimmed();
    return !permesso.isEmpty() && permesso != QLatin1String("C") && permesso != QLatin1String("CH");
}

QString codiceTariffa(const DatiDipendente& d)
{
    for (const char* chiave : {"tabellaIF", "codiceTariffa"}) {
        const QString codice = d.extra.value(QLatin1String(chiave)).trimmed();
        if (!codice.isEmpty())
            return codice;
    }
    return QStringLiteral("A0");
}

// The months of the year saved before `mese`: each month once (the first
// group of a month, the one a new save would replace); groups that name no
// month are left out.
QList<StoricoPaghe::PagaMese> mesiPrecedenti(const QString& codice, int anno, int mese)
{
    QList<StoricoPaghe::PagaMese> tutti;
    StoricoPaghe::caricaAnno(codice, anno, tutti);
    QList<StoricoPaghe::PagaMese> precedenti;
    QSet<int> visti;
    for (const StoricoPaghe::PagaMese& p : tutti) {
        if (p.mese >= 1 && p.mese < mese && !visti.contains(p.mese)) {
            visti.insert(p.mese);
            precedenti.append(p);
        }
    }
    return precedenti;
}

RisultatoConteggio errore(RisultatoConteggio r, const QString& testo)
{
    RisultatoConteggio vuoto;
    vuoto.anno = r.anno;
    vuoto.mese = r.mese;
    vuoto.errore = testo;
    return vuoto;
}

} // namespace

RisultatoConguaglio Conguaglio::calcola(const StoricoPaghe::Ytd& ytd, double lordoMese, double contributiMese,
                                        double lppMese, const QString& cantone, const QString& tariffa)
{
    RisultatoConguaglio r;
    int mesi = ytd.mesi + 1;
    if (mesi <= 0)
        mesi = 1;
    const double media = (lordoMese + ytd.lordoImponibile) / mesi;
    const double mensile = ImpostaFonte::calcolaMensile(media, cantone, tariffa);
    r.impostaAnnua = 12.0 * mensile;
    r.impostaGiaTrattenuta = ytd.impostaTrattenuta;
    r.conguaglio = mesi * mensile - ytd.impostaTrattenuta;
    r.lordo = lordoMese;
    r.netto = lordoMese - contributiMese - lppMese - r.conguaglio;
    return r;
}

RisultatoConteggio ConteggioSalario::genera(const QString& codice, const DatiDipendente& d, int anno, int mese,
                                            bool salva, int tredicesima)
{
    RisultatoConteggio r;
    r.anno = anno;
    r.mese = mese;
    if (mese < 1 || mese > 12 || !QDate(anno, mese, 1).isValid())
        return errore(r, tr("Mese non valido"));

    const QDate primo(anno, mese, 1);
    const QDate ultimo = ultimoGiorno(anno, mese);
    if (!d.periodi.isEmpty() && !periodoCopre(d.periodi, primo, ultimo))
        return errore(r, tr("Fuori periodo di rapporto"));

    // A company, variables or movements file that did not read cleanly
    // stops the count: counting it with the unreadable values as 0 would
    // pay a wrong net.
    QString erroreLettura;
    const DatiAzienda azienda = Azienda::carica(Config::aziendaCorrente(), &erroreLettura);
    if (!erroreLettura.isEmpty())
        return errore(r, erroreLettura);
    const VariabileMese v = VariabiliMensili::caricaMese(codice, anno, mese, &erroreLettura);
    if (!erroreLettura.isEmpty())
        return errore(r, erroreLettura);

    int eta = CalcoloPaga::etaDaDataNascita(d.dataNascita, anno);
    if (eta < 0)
        eta = 40;
    const bool automatica = tredicesima < 0 ? azienda.tredicesimaAutomatica : tredicesima == 1;
    const QString cantone = d.cantone.isEmpty() ? QStringLiteral("TI") : d.cantone;

    const AssegniFamiliari::Risultato assegni = AssegniFamiliari::calcola(cantone, d.figli, d.salarioMensile, ultimo);
    r.assegniFamiliari = assegni.totale;

    double lordo = 0.0;     // G
    double imponibile = 0.0; // X
    if (d.tipoPaga == 1) {
        const double p = d.pagaOraria;
        const double base = arrotonda5(p * v.oreFatte) + arrotonda5(p * 1.25 * v.oreExtra25)
            + arrotonda5(p * 1.5 * v.oreExtra50);
        const double quotaTredicesima = d.mensilitaAggiuntive >= 1 ? arrotonda5(base * kQuotaTredicesimaOraria) : 0.0;
        lordo = base + quotaTredicesima + arrotonda5(quotaVacanze(d) * base) + arrotonda5(base * kQuotaFestivi);
        imponibile = lordo + v.rimborsoMalattia + v.rimborsoInfortunio + v.rimborsoIPG;
        r.aggiunteNette = v.rimborsoSpese - v.acconti - v.rimborsoPrestiti - v.trattenuteUEF;
        r.tredicesima = quotaTredicesima;
    } else {
        const double s = d.salarioMensile;
        double quota = 0.0;
        if (automatica && d.mensilitaAggiuntive >= 1
            && (mese == 12 || (mese == 6 && d.mensilitaAggiuntive >= 2)))
            quota = arrotonda5(s * mesiDiServizio(d.periodi, anno) / 12.0);
        r.tredicesima = quota + v.tredicesimaGratifica;
        lordo = std::max(0.0, quota + v.tredicesimaGratifica + s + v.importiImponibili - v.deduzioneAssenze);
        imponibile = lordo + v.rimborsoAssicurativo;
        r.aggiunteNette = v.importiNonImponibili + v.rimborsoSpese + v.rimborsoTrasferte - v.acconti;
    }

    const QList<MovimentoStipendio> movimenti = Movimenti::carica(codice, &erroreLettura);
    if (!erroreLettura.isEmpty())
        return errore(r, erroreLettura);
    for (const MovimentoStipendio& m : movimenti) {
        const QDate data = DateTesto::daAnnoMeseGiorno(m.data);
        if (!data.isValid() || data.year() != anno || data.month() != mese || !(m.importo > 0))
            continue;
        if (m.soggettoAVS || m.soggettoAD || m.soggettoCAF || m.soggettoLAINF || m.soggettoLPP)
            lordo += m.importo;
        if (m.soggettoIF)
            imponibile += m.importo;
    }
    r.lordoContributivo = lordo;
    r.lordoImponibile = imponibile + r.assegniFamiliari;

    double premio = d.sesso.toUpper() == QLatin1String("F") ? azienda.lainfINPdonnaPerMille
                                                             : azienda.lainfINPuomoPerMille;
    if (d.gradoOccupazione >= 1 && d.gradoOccupazione <= 18)
        premio = 0.0;

    Datoteca::carica(anno);
    // Parameters that did not read as numbers would count contributions of 0.
    if (!Datoteca::problemiCaricamento().isEmpty())
        return errore(r, tr("Parametri dell'anno %1 non validi: %2")
                             .arg(QString::number(anno), Datoteca::problemiCaricamento().join(QStringLiteral(", "))));
    const ContributiSociali c = CalcoloPaga::calcolaAVSAD(lordo);
    // The accident part of the parameters gives way to the company's premium,
    // on the gross capped at one twelfth of the company's ceiling.
    const double premioINP = arrotonda5(std::min(lordo, azienda.lainfMassimale / 12.0) * premio / 1000.0);
    r.contributiDipendente = arrotonda5(c.totaleDip - c.lainfDip + premioINP);

    if (d.lppManuale > 0)
        r.lppDipendente = d.lppManuale;
    else
        r.lppDipendente = arrotonda5(
            CalcoloPaga::calcolaLPP((12 + d.mensilitaAggiuntive) * d.salarioMensile, eta) / 12.0);

    if (soggettoImposta(d)) {
        const QString tariffa = codiceTariffa(d);
        r.cantoneImposta = cantone;
        r.tariffaImposta = tariffa;
        r.scalaImpostaMancante = !ImpostaFonte::haScala(cantone, tariffa);
        const StoricoPaghe::Ytd ytd = StoricoPaghe::calcolaYtd(mesiPrecedenti(codice, anno, mese));
        if (ytd.mesi >= 1) {
            const RisultatoConguaglio g = Conguaglio::calcola(ytd, r.lordoImponibile, r.contributiDipendente,
                                                              r.lppDipendente, cantone, tariffa);
            r.impostaFonte = arrotonda5(g.conguaglio);
        } else {
            r.impostaFonte = arrotonda5(ImpostaFonte::calcolaMensile(r.lordoImponibile, cantone, tariffa));
        }
    }
    // The net is built from the rounded amounts of the slip's lines.
    r.netto = arrotonda5(r.lordoImponibile - r.contributiDipendente - r.lppDipendente - r.impostaFonte
                         + r.aggiunteNette);

    // A value that is not finite (a damaged record passed in) never becomes
    // a pay: the count is refused, and nothing is saved.
    for (const double importo : {r.lordoContributivo, r.lordoImponibile, r.contributiDipendente, r.lppDipendente,
                                 r.assegniFamiliari, r.impostaFonte, r.netto, r.tredicesima, r.aggiunteNette}) {
        if (!std::isfinite(importo))
            return errore(r, tr("Il conteggio dà un importo non valido: controllare i dati del dipendente"));
    }

    if (salva) {
        StoricoPaghe::PagaMese p;
        p.anno = anno;
        p.mese = mese;
        p.lordoImponibile = r.lordoImponibile;
        p.contributiDipendente = r.contributiDipendente;
        p.lppDipendente = r.lppDipendente;
        p.assegniFamiliari = r.assegniFamiliari;
        p.impostaTrattenuta = r.impostaFonte;
        p.netto = r.netto;
        // A closed year stores nothing and is no error; any other refusal is.
        QString motivo;
        if (!StoricoPaghe::salvaMese(codice, p, &motivo) && !ChiusuraAnnuale::isAnnoChiuso(anno))
            return errore(r, tr("Impossibile salvare lo storico paghe") + QStringLiteral(": ") + motivo);
    }
    return r;
}
