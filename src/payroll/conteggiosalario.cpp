#include "conteggiosalario.h"

#include "assegnifamiliari.h"
#include "azienda.h"
#include "calcolopaga.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "datetesto.h"
#include "datoteca.h"
#include "ferie.h"
#include "importi.h"
#include "impostafonte.h"
#include "mensilitaaggiuntive.h"
#include "movimenti.h"
#include "storicostipendi.h"
#include "variabilimensili.h"

#include <QDate>
#include <QDir>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

using Importi::arrotonda5;

const double kQuotaTredicesimaOraria = 0.0833;
const double kQuotaFestivi = 0.0227;

// The slip's lines of the extra monthly salaries the count pays by itself:
// December's thirteenth, June's fourteenth and what the month an employment
// ends pays of them.
const char* const kTredicesima = QT_TRANSLATE_NOOP("ConteggioSalario", "13a mensilità");
const char* const kQuattordicesima = QT_TRANSLATE_NOOP("ConteggioSalario", "14a mensilità");
const char* const kTredicesimaProRata = QT_TRANSLATE_NOOP("ConteggioSalario", "13a mensilità pro rata");
const char* const kMensilitaProRata = QT_TRANSLATE_NOOP("ConteggioSalario", "13a/14a mensilità pro rata");

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

// The month's last day of employment: its last day, or the exit of a
// period that ends in it when no period lasts longer.
QDate ultimoGiornoInServizio(const QList<PeriodoRapporto>& periodi, int anno, int mese)
{
    const QDate primo(anno, mese, 1);
    const QDate ultimo = ultimoGiorno(anno, mese);
    if (periodi.isEmpty())
        return ultimo;
    QDate fine;
    for (const PeriodoRapporto& p : periodi) {
        const QDate entrata = DateTesto::daGiornoMeseAnno(p.entrata);
        const QDate uscita = DateTesto::daGiornoMeseAnno(p.uscita);
        if (!entrata.isValid() || entrata > ultimo || (uscita.isValid() && uscita < primo))
            continue;
        const QDate finePeriodo = uscita.isValid() && uscita < ultimo ? uscita : ultimo;
        fine = fine.isValid() ? std::max(fine, finePeriodo) : finePeriodo;
    }
    return fine.isValid() ? fine : ultimo;
}

// The holiday pay rate of hourly pay from the weeks of holiday a year (the
// same weeks the slip's holiday entitlement shows): weeks / (52 - weeks).
double quotaVacanze(const DatiDipendente& d)
{
    const double settimane = Ferie::settimaneVacanze(d);
    return settimane / (52.0 - settimane);
}

// Months of the year up to `mese` that some period touches; `mese` without
// any period.
int mesiDiServizioFinora(const QList<PeriodoRapporto>& periodi, int anno, int mese)
{
    if (periodi.isEmpty())
        return mese;
    int mesi = 0;
    for (int m = 1; m <= mese; ++m) {
        if (periodoCopre(periodi, QDate(anno, m, 1), ultimoGiorno(anno, m)))
            ++mesi;
    }
    return mesi;
}

// Whether an employment ends in the month: a period's exit lies in it and
// no period goes on later in the year.
bool finisceNelMese(const QList<PeriodoRapporto>& periodi, int anno, int mese)
{
    const QDate primo(anno, mese, 1);
    const QDate ultimo = ultimoGiorno(anno, mese);
    bool esce = false;
    for (const PeriodoRapporto& p : periodi) {
        const QDate entrata = DateTesto::daGiornoMeseAnno(p.entrata);
        const QDate uscita = DateTesto::daGiornoMeseAnno(p.uscita);
        esce = esce
            || (entrata.isValid() && entrata <= ultimo && uscita.isValid() && uscita >= primo && uscita <= ultimo);
    }
    return esce && (mese == 12 || !periodoCopre(periodi, ultimo.addDays(1), QDate(anno, 12, 31)));
}

// The extra monthly salaries a month of monthly pay pays by itself.
struct MensilitaMese
{
    double automatica = 0.0; // December's thirteenth, June's fourteenth
    double proRata = 0.0;    // what the month an employment ends pays of the year's
    double dovute = 0.0;     // what that month owes and, not paid automatically, names
};

// Whether a month of monthly pay pays or owes extra monthly salaries by
// itself: December and June when they pay one automatically, the month an
// employment ends.
bool conMensilita(const DatiDipendente& d, int anno, int mese, bool automatica)
{
    return d.tipoPaga != 1 && d.mensilitaAggiuntive >= 1
        && ((automatica && MensilitaAggiuntive::dovuteNelMese(d, mese) > 0) || finisceNelMese(d.periodi, anno, mese));
}

// `movimenti` and the year's twelve months of `variabili`, as the count read
// them, tell what the year paid.
MensilitaMese mensilitaDelMese(const DatiDipendente& d, int anno, int mese, double salario, bool automatica,
                               const QList<StoricoPaghe::PagaMese>& precedenti,
                               const QList<MovimentoStipendio>& movimenti, const QList<VariabileMese>& variabili)
{
    MensilitaMese r;
    if (!conMensilita(d, anno, mese, automatica))
        return r;
    const bool fine = finisceNelMese(d.periodi, anno, mese);
    const double quota = MensilitaAggiuntive::quota(d, anno, salario);
    const MensilitaAggiuntive::Pagato pagato =
        MensilitaAggiuntive::pagato(movimenti, variabili, anno, mese, precedenti, true);
    if (automatica)
        r.automatica = MensilitaAggiuntive::delMese(d, anno, mese, quota, pagato);
    if (fine)
        (automatica ? r.proRata : r.dovute) = MensilitaAggiuntive::resto(d, quota, pagato, r.automatica);
    return r;
}

// Which contributions a month bears by the employee's age.
enum class Fascia { Giovane, Attiva, Pensionata };

// AHV/IV/EO, unemployment and family-fund contributions begin on 1 January
// after the 17th birthday. The reference age is 65, for women born 1960 or
// earlier 64, for those born 1961 to 1963 64 and three months more for each
// year; from the month after it the employee is retired. A birth date that
// cannot be read or lies after the year counts as of working age, as the
// pension counts it at 40.
Fascia fasciaEta(const DatiDipendente& d, int anno, int mese)
{
    const QDate nascita = DateTesto::daGiornoMeseAnno(d.dataNascita);
    if (!nascita.isValid() || nascita.year() > anno)
        return Fascia::Attiva;
    if (anno - nascita.year() < 18)
        return Fascia::Giovane;
    int anni = 65;
    int mesiInPiu = 0;
    if (d.sesso.trimmed().toUpper() == QLatin1String("F")) {
        if (nascita.year() <= 1960) {
            anni = 64;
        } else if (nascita.year() <= 1963) {
            anni = 64;
            mesiInPiu = 3 * (nascita.year() - 1960);
        }
    }
    const QDate riferimento = nascita.addYears(anni).addMonths(mesiInPiu);
    if (QDate(anno, mese, 1) > QDate(riferimento.year(), riferimento.month(), 1))
        return Fascia::Pensionata;
    return Fascia::Attiva;
}

// An insurance whose annual ceiling applies over the year: the insured
// earnings up to this month are the gross to date, at most the ceiling times
// the months of service so far / 12; the month charges what they add to the
// earnings charged in the saved months before it.
struct Cumulo
{
    double lordoPrima = 0.0;    // gross subject to it in the saved months
    double guadagnoPrima = 0.0; // insured earnings they charged

    double guadagnoDelMese(double lordoMese, double massimaleAnnuo, int mesiServizio) const
    {
        if (!(massimaleAnnuo > 0))
            return lordoMese;
        const double tetto = massimaleAnnuo * mesiServizio / 12.0;
        const double finora = std::min(lordoPrima + lordoMese, tetto);
        return std::max(0.0, finora - guadagnoPrima);
    }
};

// The names of the slip's lines are stored with the month in Italian,
// whatever the language of the interface, so a month counted in German stores
// the same file; the slip translates them when it draws them.
QString italiano(const char* testo)
{
    return QString::fromUtf8(testo);
}

// Appends a line of the slip when its amount is not 0: the description typed
// with the variable, else the usual one; a movement's line carries its
// certificate category.
void aggiungiVoce(QList<StoricoPaghe::Voce>& voci, double importo, const QString& descrizione,
                  const QString& usuale, int categoriaCertificato = -1)
{
    if (std::fabs(importo) < 0.005)
        return;
    const QString testo = descrizione.trimmed();
    voci.append({testo.isEmpty() ? usuale : testo, importo, categoriaCertificato});
}

// A contribution as deducted at the employee's rate: the base it was charged
// on follows from the two.
StoricoPaghe::Trattenuta trattenuta(double importo, double aliquota)
{
    StoricoPaghe::Trattenuta t;
    t.importo = importo;
    t.aliquota = aliquota;
    t.imponibile = aliquota > 0 ? importo * 100.0 / aliquota : 0.0;
    return t;
}

QString dueDecimali(double v)
{
    return Decimali::testo(v);
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
                                        double lppMese, const QString& cantone, const QString& tariffa,
                                        double quotaMese, double mesiPrima)
{
    RisultatoConguaglio r;
    double mesi = (mesiPrima >= 0 ? mesiPrima : double(ytd.mesi)) + quotaMese;
    if (!(mesi > 0))
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

ContestoConteggio ContestoConteggio::carica()
{
    ContestoConteggio c;
    c.azienda = Azienda::carica(Config::aziendaCorrente(), &c.errore);
    return c;
}

RisultatoConteggio ConteggioSalario::genera(const QString& codice, const DatiDipendente& d, int anno, int mese,
                                            bool salva, int tredicesima, const ContestoConteggio* contesto,
                                            const QList<StoricoPaghe::PagaMese>* storicoAnno)
{
    RisultatoConteggio r;
    r.anno = anno;
    r.mese = mese;
    if (mese < 1 || mese > 12 || !QDate(anno, mese, 1).isValid())
        return errore(r, tr("Mese non valido"));

    if (!inServizio(d, anno, mese)) {
        RisultatoConteggio fuori = errore(r, tr("Fuori periodo di rapporto"));
        fuori.fuoriPeriodo = true;
        return fuori;
    }
    // A month begun or ended during the employment pays its days.
    const int giorni = giorniDelMese(d, anno, mese);
    const bool parziale = giorni < 30;
    r.giorni = giorni;
    auto perGiorni = [giorni, parziale](double importoMensile) {
        return parziale ? importoMensile * giorni / 30.0 : importoMensile;
    };

    // A company, variables or movements file that did not read cleanly
    // stops the count: counting it with the unreadable values as 0 would
    // pay a wrong net.
    const ContestoConteggio letto = contesto ? ContestoConteggio() : ContestoConteggio::carica();
    const ContestoConteggio& comune = contesto ? *contesto : letto;
    if (!comune.errore.isEmpty())
        return errore(r, comune.errore);
    const DatiAzienda& azienda = comune.azienda;
    const bool automatica = tredicesima < 0 ? azienda.tredicesimaAutomatica : tredicesima == 1;
    QString erroreLettura;
    // A month that pays extra salaries by itself reads the year's variables
    // with the month's, for what the year paid of them.
    QList<VariabileMese> variabiliAnno;
    const VariabileMese v = VariabiliMensili::caricaMese(codice, anno, mese, &erroreLettura,
                                                         conMensilita(d, anno, mese, automatica) ? &variabiliAnno
                                                                                                 : nullptr);
    if (!erroreLettura.isEmpty())
        return errore(r, erroreLettura);

    const double salarioMensile = salarioDelMese(codice, d, anno, mese, &erroreLettura);
    if (!erroreLettura.isEmpty())
        return errore(r, erroreLettura);
    const QList<StoricoPaghe::PagaMese> precedenti = storicoAnno
        ? MensilitaAggiuntive::mesiPrecedenti(*storicoAnno, mese)
        : MensilitaAggiuntive::mesiPrecedenti(codice, anno, mese);
    // Read once for the extra salaries and the month's lines; a file that did
    // not read cleanly stops the count below.
    QString erroreMovimenti;
    const QList<MovimentoStipendio> movimenti = Movimenti::carica(codice, &erroreMovimenti);

    int eta = CalcoloPaga::etaDaDataNascita(d.dataNascita, anno);
    if (eta < 0)
        eta = 40;
    const QString cantone = cantoneDelConteggio(d);

    Datoteca::carica(anno);
    const Fascia fascia = fasciaEta(d, anno, mese);

    // The monthly salary: the month's salary for monthly pay, the hours' for
    // hourly pay. It is the income tested for the family allowances.
    double salarioDelMese = salarioMensile;
    // The pension's annual salary: the monthly salary with the extra monthly
    // salaries; for hourly pay twelve times the month's gross from hours with
    // its holiday, public-holiday and thirteenth shares.
    double salarioAnnuoLPP = (12 + d.mensilitaAggiuntive) * salarioMensile;
    double lordo = 0.0;     // G
    double imponibile = 0.0; // X
    if (d.tipoPaga == 1) {
        const double p = d.pagaOraria;
        const double ore = arrotonda5(p * v.oreFatte);
        const double extra25 = arrotonda5(p * 1.25 * v.oreExtra25);
        const double extra50 = arrotonda5(p * 1.5 * v.oreExtra50);
        const double base = ore + extra25 + extra50;
        salarioDelMese = base;
        const double quotaTredicesima = d.mensilitaAggiuntive >= 1 ? arrotonda5(base * kQuotaTredicesimaOraria) : 0.0;
        const double vacanze = arrotonda5(quotaVacanze(d) * base);
        const double festivi = arrotonda5(base * kQuotaFestivi);
        lordo = base + quotaTredicesima + vacanze + festivi;
        salarioAnnuoLPP = 12.0 * lordo;
        imponibile = lordo + v.rimborsoMalattia + v.rimborsoInfortunio + v.rimborsoIPG;
        r.aggiunteNette = v.rimborsoSpese - v.acconti - v.rimborsoPrestiti - v.trattenuteUEF;
        r.tredicesima = quotaTredicesima;
        // Paid of the thirteenth by the count itself: a month paid by the
        // hour before a change to monthly pay counts for December's.
        r.mensilitaConteggio = quotaTredicesima;

        QList<StoricoPaghe::Voce>& voci = r.dettaglio.vociSalario;
        aggiungiVoce(voci, ore, QString(), italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Salario orario (%1 h x %2)")).arg(dueDecimali(v.oreFatte), dueDecimali(p)));
        aggiungiVoce(voci, extra25, QString(), italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Ore straordinarie 25% (%1 h)")).arg(dueDecimali(v.oreExtra25)));
        aggiungiVoce(voci, extra50, QString(), italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Ore straordinarie 50% (%1 h)")).arg(dueDecimali(v.oreExtra50)));
        aggiungiVoce(voci, quotaTredicesima, QString(), italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "13a mensilità (8.33%)")));
        aggiungiVoce(voci, vacanze, QString(), italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Indennità vacanze")));
        aggiungiVoce(voci, festivi, QString(), italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Indennità giorni festivi (2.27%)")));
        aggiungiVoce(voci, v.rimborsoMalattia, v.rimborsoMalattiaDesc, italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Indennità malattia")));
        aggiungiVoce(voci, v.rimborsoInfortunio, v.rimborsoInfortunioDesc, italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Indennità infortunio")));
        aggiungiVoce(voci, v.rimborsoIPG, v.rimborsoIPGDesc, italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Indennità IPG")));
        QList<StoricoPaghe::Voce>& altre = r.dettaglio.altreVoci;
        aggiungiVoce(altre, v.rimborsoSpese, v.rimborsoSpeseDesc, italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Rimborso spese")));
        aggiungiVoce(altre, -v.acconti, v.accontiDesc, italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Acconto")));
        aggiungiVoce(altre, -v.rimborsoPrestiti, v.rimborsoPrestitiDesc, italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Rimborso prestito")));
        aggiungiVoce(altre, -v.trattenuteUEF, v.trattenuteUEFDesc, italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Trattenuta UEF")));
    } else {
        const double s = salarioMensile;
        // In a partial month the salary paid is its days' share (to the
        // centime); the thirteenth and the overtime rate stay on the whole.
        const double pagato = parziale ? Importi::arrotonda2(s * giorni / 30.0) : s;
        // December's thirteenth and June's fourteenth, and what the month an
        // employment ends owes of the year's extra salaries: paid, or, when
        // not paid automatically, told.
        const MensilitaMese extra = mensilitaDelMese(d, anno, mese, s, automatica, precedenti, movimenti,
                                                     variabiliAnno);
        const double quota = extra.automatica + extra.proRata;
        r.mensilitaDovute = extra.dovute;
        r.mensilitaConteggio = quota;
        r.tredicesima = quota + v.tredicesimaGratifica;
        // Overtime at the hourly equivalent of the monthly salary.
        double extra25 = 0.0;
        double extra50 = 0.0;
        if (v.oreExtra25 != 0 || v.oreExtra50 != 0) {
            const double grado = d.gradoOccupazione > 0 ? d.gradoOccupazione : 100.0;
            const double oreMese = Datoteca::oreSettimanaliNormali() * 52.0 / 12.0 * grado / 100.0;
            const double orario = s / oreMese;
            extra25 = arrotonda5(orario * 1.25 * v.oreExtra25);
            extra50 = arrotonda5(orario * 1.5 * v.oreExtra50);
        }
        const double straordinari = extra25 + extra50;
        lordo = std::max(0.0, quota + v.tredicesimaGratifica + pagato + straordinari + v.importiImponibili
                                  - v.deduzioneAssenze);
        imponibile = lordo + v.rimborsoAssicurativo;
        r.aggiunteNette = v.importiNonImponibili + v.rimborsoSpese + v.rimborsoTrasferte - v.acconti;

        QList<StoricoPaghe::Voce>& voci = r.dettaglio.vociSalario;
        aggiungiVoce(voci, pagato, QString(),
                     parziale ? italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Salario mensile (%1/30)")).arg(giorni)
                              : italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Salario mensile")));
        aggiungiVoce(voci, extra.automatica, QString(), italiano(mese == 6 ? kQuattordicesima : kTredicesima));
        aggiungiVoce(voci, extra.proRata, QString(),
                     italiano(d.mensilitaAggiuntive >= 2 ? kMensilitaProRata : kTredicesimaProRata));
        aggiungiVoce(voci, extra25, QString(), italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Ore straordinarie 25% (%1 h)")).arg(dueDecimali(v.oreExtra25)));
        aggiungiVoce(voci, extra50, QString(), italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Ore straordinarie 50% (%1 h)")).arg(dueDecimali(v.oreExtra50)));
        aggiungiVoce(voci, v.tredicesimaGratifica, v.tredicesimaGratificaDesc, italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "13a / 14a / gratifica")));
        aggiungiVoce(voci, v.importiImponibili, v.importiImponibiliDesc, italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Importi imponibili")));
        aggiungiVoce(voci, -v.deduzioneAssenze, v.deduzioneAssenzeDesc, italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Deduzione assenze")));
        aggiungiVoce(voci, v.rimborsoAssicurativo, v.rimborsoAssicurativoDesc, italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Rimborso assicurativo")));
        QList<StoricoPaghe::Voce>& altre = r.dettaglio.altreVoci;
        aggiungiVoce(altre, v.importiNonImponibili, v.importiNonImponibiliDesc, italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Importi non imponibili")));
        aggiungiVoce(altre, v.rimborsoSpese, v.rimborsoSpeseDesc, italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Rimborso spese")));
        aggiungiVoce(altre, v.rimborsoTrasferte, v.rimborsoTrasferteDesc, italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Rimborso trasferte")));
        aggiungiVoce(altre, -v.acconti, v.accontiDesc, italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Acconto")));
    }

    // The taxable payments of this month alone, not paid again every month:
    // for monthly pay the thirteenth or fourteenth and the bonus of the
    // variables, and the movements of a kind that does not recur (the
    // hourly thirteenth is a share of every month's hours).
    double unaTantum = d.tipoPaga == 1 ? 0.0 : r.tredicesima;

    const AssegniFamiliari::Risultato assegni = assegniDelMese(d, anno, mese, salarioDelMese);
    // A damaged table would pay the children nothing, without a word.
    if (!assegni.errore.isEmpty() && !d.figli.isEmpty())
        return errore(r, assegni.errore);
    // Allowances of a partial month for its days, unrounded.
    r.assegniFamiliari = perGiorni(assegni.totale);
    r.figliAssegni = figliPerGiorni(assegni, giorni);
    r.cantoneAssegni = r.figliAssegni.isEmpty() ? QString() : cantone;

    if (!erroreMovimenti.isEmpty())
        return errore(r, erroreMovimenti);
    MensilitaAggiuntive::movimentiDelMese(movimenti, anno, mese, &r.mensilitaMovimenti, &r.tredicesimaMovimenti);
    for (const MovimentoStipendio& m : movimenti) {
        const QDate data = DateTesto::daMovimento(m.data);
        if (!data.isValid() || data.year() != anno || data.month() != mese
            || Movimenti::scarto(m) != Movimenti::Scarto::Nessuno)
            continue;
        if (m.soggettoAVS || m.soggettoAD || m.soggettoCAF || m.soggettoLAINF || m.soggettoLPP)
            lordo += m.importo;
        if (m.soggettoIF) {
            imponibile += m.importo;
            if (!Movimenti::ricorrente(m))
                unaTantum += m.importo;
            StoricoPaghe::Voce voce;
            if (voceMovimento(m, &voce))
                r.dettaglio.vociSalario.append(voce);
        }
    }
    r.lordoContributivo = lordo;
    r.lordoImponibile = imponibile + r.assegniFamiliari;

    double premio = d.sesso.toUpper() == QLatin1String("F") ? azienda.lainfINPdonnaPerMille
                                                             : azienda.lainfINPuomoPerMille;
    if (d.gradoOccupazione >= 1 && d.gradoOccupazione <= 18)
        premio = 0.0;

    // Parameters that did not read as numbers would count contributions of 0.
    if (!Datoteca::problemiCaricamento().isEmpty())
        return errore(r, tr("Parametri dell'anno %1 non validi: %2")
                             .arg(QString::number(anno), Datoteca::problemiCaricamento().join(QStringLiteral(", "))));
    // AHV/IV/EO and family fund: nothing before the 18th year, only the part
    // above the allowance after the reference age.
    double baseAVS = lordo;
    if (fascia == Fascia::Giovane)
        baseAVS = 0.0;
    else if (fascia == Fascia::Pensionata)
        baseAVS = std::max(0.0, lordo - Datoteca::franchigiaPensionati());
    ContributiSociali c = CalcoloPaga::calcolaAVSAD(baseAVS);

    // Unemployment (none when young or retired) and accident insurance, each
    // with its annual ceiling over the year.
    const double massimaleAD = Datoteca::contributo(QStringLiteral("AD")).massimale;
    Cumulo cumuloAD;
    Cumulo cumuloLAINF;
    for (const StoricoPaghe::PagaMese& p : precedenti) {
        if (p.guadagniAssicurati) {
            cumuloAD.lordoPrima += p.lordoSoggettoAD;
            cumuloAD.guadagnoPrima += p.guadagnoAssicuratoAD;
            cumuloLAINF.lordoPrima += p.lordoSoggettoLAINF;
            cumuloLAINF.guadagnoPrima += p.guadagnoAssicuratoLAINF;
        } else {
            // Saved before the months kept their insured earnings: the gross
            // is the taxable one less the allowances, charged up to one
            // twelfth of the ceiling as the count of that time did.
            const double g = std::max(0.0, p.lordoImponibile - p.assegniFamiliari);
            cumuloAD.lordoPrima += g;
            cumuloAD.guadagnoPrima += massimaleAD > 0 ? std::min(g, massimaleAD / 12.0) : g;
            cumuloLAINF.lordoPrima += g;
            cumuloLAINF.guadagnoPrima +=
                azienda.lainfMassimale > 0 ? std::min(g, azienda.lainfMassimale / 12.0) : g;
        }
    }
    const int mesiServizio = mesiDiServizioFinora(d.periodi, anno, mese);
    const double lordoAD = fascia == Fascia::Attiva ? lordo : 0.0;
    const double guadagnoAD = fascia == Fascia::Attiva ? cumuloAD.guadagnoDelMese(lordoAD, massimaleAD, mesiServizio)
                                                       : 0.0;
    const double guadagnoLAINF = cumuloLAINF.guadagnoDelMese(lordo, azienda.lainfMassimale, mesiServizio);
    const Datoteca::VoceContributo ad = Datoteca::contributo(QStringLiteral("AD"));
    c.adDip = guadagnoAD * ad.aliquotaDipendente / 100.0;
    c.adDat = guadagnoAD * ad.aliquotaDatore / 100.0;
    // The employer's accident premium on the insured earnings of the
    // employee's premium: a month with a thirteenth charges what the year's
    // ceiling leaves to date, not one twelfth of it.
    c.lainfDat = guadagnoLAINF * Datoteca::contributo(QStringLiteral("LAINF")).aliquotaDatore / 100.0;
    c.totaleDip = c.avsDip + c.adDip + c.cafDip + c.lainfDip;
    c.totaleDat = c.avsDat + c.adDat + c.cafDat + c.lainfDat;

    // The accident part of the parameters gives way to the company's premium
    // on the insured earnings of the accident insurance.
    const double premioINP = arrotonda5(guadagnoLAINF * premio / 1000.0);
    r.contributiDipendente = arrotonda5(c.totaleDip - c.lainfDip + premioINP);

    // Each contribution as deducted, for the slip's lines.
    r.dettaglio.presente = true;
    r.dettaglio.avs = trattenuta(c.avsDip, Datoteca::contributo(QStringLiteral("AVS")).aliquotaDipendente);
    r.dettaglio.ad = trattenuta(c.adDip, Datoteca::contributo(QStringLiteral("AD")).aliquotaDipendente);
    r.dettaglio.caf = trattenuta(c.cafDip, Datoteca::contributo(QStringLiteral("CAF")).aliquotaDipendente);
    r.dettaglio.infortuni.importo = premioINP;
    r.dettaglio.infortuni.imponibile = premioINP > 0 ? guadagnoLAINF : 0.0;
    r.dettaglio.infortuni.aliquota = premio / 10.0; // per mille to percent

    // The pension of monthly pay in a partial month: its days' share of the
    // month's (hourly pay already bears only the hours worked).
    const auto lppDelMese = [&](double mensile) { return d.tipoPaga == 1 ? mensile : perGiorni(mensile); };
    if (d.lppManuale > 0)
        r.lppDipendente = lppDelMese(d.lppManuale);
    else if (fascia == Fascia::Pensionata) // no savings credit after the reference age
        r.lppDipendente = 0.0;
    else
        r.lppDipendente = arrotonda5(lppDelMese(CalcoloPaga::calcolaLPP(salarioAnnuoLPP, eta) / 12.0));
    // The employee pays half the savings credit of the age; an amount
    // entered by hand has no rate.
    if (!(d.lppManuale > 0) && r.lppDipendente > 0)
        r.dettaglio.aliquotaLpp = Datoteca::aliquotaLPP(eta) / 2.0;

    if (soggettoImposta(d)) {
        const QString tariffa = tariffaImposta(d);
        r.cantoneImposta = cantone;
        r.tariffaImposta = tariffa;
        r.scalaImpostaMancante = !ImpostaFonte::haScala(cantone, tariffa);
        // A tax that cannot be computed is never saved as 0: the employer
        // would owe a tax nobody withheld. Only a count that saves nothing
        // (the preview) goes on, with the flag set.
        if (r.scalaImpostaMancante && salva)
            return errore(r, impostaNonCalcolabile(cantone, tariffa));
        const StoricoPaghe::Ytd ytd = StoricoPaghe::calcolaYtd(precedenti);
        // A partial month is taxed at the rate of its income converted to a
        // whole month, applied to the income paid. In the monthly model only
        // the periodic income is converted; a one-off payment of the month
        // is added to it as paid.
        const double quota = giorni / 30.0;
        const bool annuale = Datoteca::modelloAnnuale(cantone);
        const double soloMese = parziale && !annuale ? std::min(unaTantum, r.lordoImponibile) : 0.0;
        const double meseIntero =
            parziale ? (r.lordoImponibile - soloMese) * 30.0 / giorni + soloMese : r.lordoImponibile;
        // The part of that whole month paid: its days' share, or with a
        // one-off payment the income paid over the whole month's.
        const double quotaPagata = soloMese > 0 ? r.lordoImponibile / meseIntero : quota;
        if (Datoteca::modelloAnnuale(cantone) && ytd.mesi >= 1) {
            // Annual model: the year so far at the rate of its average month,
            // less what the earlier months withheld; a partial month counts
            // as its days / 30 of a month, before and now.
            double mesiPrima = 0.0;
            for (const StoricoPaghe::PagaMese& p : precedenti) {
                const int g = giorniDelMese(d, anno, p.mese);
                mesiPrima += g > 0 ? g / 30.0 : 1.0;
            }
            const RisultatoConguaglio g = Conguaglio::calcola(ytd, r.lordoImponibile, r.contributiDipendente,
                                                              r.lppDipendente, cantone, tariffa, quota, mesiPrima);
            r.impostaFonte = arrotonda5(g.conguaglio);
        } else {
            // Monthly model (and the first month of the annual one): the
            // month's gross at the tariff's rate for it, never adjusted.
            const double imposta = ImpostaFonte::calcolaMensile(meseIntero, cantone, tariffa);
            r.impostaFonte = arrotonda5(parziale ? imposta * quotaPagata : imposta);
            if (!Datoteca::modelloAnnuale(cantone) && r.impostaFonte > 0)
                r.aliquotaImposta = ImpostaFonte::aliquotaMensile(meseIntero, cantone, tariffa);
        }
        r.dettaglio.aliquotaImposta = r.aliquotaImposta;
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

    r.lordoSoggettoAD = lordoAD;
    r.guadagnoAssicuratoAD = guadagnoAD;
    r.lordoSoggettoLAINF = lordo;
    r.guadagnoAssicuratoLAINF = guadagnoLAINF;
    r.datore.presente = true;
    r.datore.avs = c.avsDat;
    r.datore.ad = c.adDat;
    r.datore.caf = c.cafDat;
    r.datore.lainf = c.lainfDat;

    if (salva) {
        const StoricoPaghe::PagaMese p = comeMese(r);
        // A closed year stores nothing and is no error; any other refusal is.
        QString motivo;
        if (!StoricoPaghe::salvaMese(codice, p, &motivo) && !ChiusuraAnnuale::isAnnoChiuso(anno))
            return errore(r, tr("Impossibile salvare lo storico paghe") + QStringLiteral(": ") + motivo);
    }
    return r;
}

StoricoPaghe::PagaMese ConteggioSalario::comeMese(const RisultatoConteggio& r)
{
    StoricoPaghe::PagaMese p;
    p.anno = r.anno;
    p.mese = r.mese;
    p.lordoImponibile = r.lordoImponibile;
    p.contributiDipendente = r.contributiDipendente;
    p.lppDipendente = r.lppDipendente;
    p.assegniFamiliari = r.assegniFamiliari;
    p.impostaTrattenuta = r.impostaFonte;
    p.netto = r.netto;
    p.dettaglio = r.dettaglio;
    p.guadagniAssicurati = true;
    p.lordoSoggettoAD = r.lordoSoggettoAD;
    p.guadagnoAssicuratoAD = r.guadagnoAssicuratoAD;
    p.lordoSoggettoLAINF = r.lordoSoggettoLAINF;
    p.guadagnoAssicuratoLAINF = r.guadagnoAssicuratoLAINF;
    p.datore = r.datore;
    p.conMensilita = true;
    p.mensilitaConteggio = r.mensilitaConteggio;
    p.conMovimenti = true;
    p.mensilitaMovimenti = r.mensilitaMovimenti;
    p.tredicesimaMovimenti = r.tredicesimaMovimenti;
    p.cantoneAssegni = r.cantoneAssegni;
    p.figliAssegni = r.figliAssegni;
    return p;
}

double ConteggioSalario::salarioDelMese(const QString& codice, const DatiDipendente& d, int anno, int mese,
                                        QString* errore)
{
    QString problema;
    double salario = d.salarioMensile;
    if (d.tipoPaga != 1) {
        QVector<PeriodoStipendio> storico;
        const bool letto = StoricoStipendi::carica(codice, storico, &problema);
        if (letto && problema.isEmpty()) {
            if (const PeriodoStipendio* p = StoricoStipendi::periodoDelMese(storico, anno, mese))
                salario = p->salarioMensile;
        }
    }
    if (errore)
        *errore = problema;
    return salario;
}

bool ConteggioSalario::voceMovimento(const MovimentoStipendio& m, StoricoPaghe::Voce* voce)
{
    if (!m.soggettoIF || Movimenti::scarto(m) != Movimenti::Scarto::Nessuno)
        return false;
    const QString descrizione = m.descrizione.trimmed();
    const QString tipo = m.tipo.trimmed();
    voce->descrizione = !descrizione.isEmpty() ? descrizione
        : !tipo.isEmpty()                      ? tipo
                                               : italiano(QT_TRANSLATE_NOOP("ConteggioSalario", "Movimento"));
    voce->importo = m.importo;
    voce->categoriaCertificato = std::max(0, m.categoriaCertificato);
    return true;
}

QString ConteggioSalario::impostaNonCalcolabile(const QString& cantone, const QString& tariffa)
{
    const QString dove = QDir::toNativeSeparators(ImpostaFonte::cartelle().join(QStringLiteral(", ")));
    // A scale the reader left out is no missing code: the file holds it, unusable.
    if (ImpostaFonte::scalaDanneggiata(cantone, tariffa))
        return tr("Imposta alla fonte non calcolabile: il file delle tariffe del cantone %2 contiene la tariffa %1 "
                  "danneggiata o in contraddizione con se stessa, che non viene usata (file tar*.txt cercati in %3)")
            .arg(tariffa, cantone, dove);
    if (ImpostaFonte::scalePerCantone(cantone).isEmpty())
        return tr("Imposta alla fonte non calcolabile: mancano le tabelle del cantone %1 "
                  "(file tar*.txt cercati in %2)")
            .arg(cantone, dove);
    return tr("Imposta alla fonte non calcolabile: la tariffa %1 non si trova nelle tabelle "
              "del cantone %2 (file tar*.txt cercati in %3)")
        .arg(tariffa, cantone, dove);
}

AssegniFamiliari::Risultato ConteggioSalario::assegniDelMese(const DatiDipendente& d, int anno, int mese,
                                                            double reddito)
{
    return AssegniFamiliari::calcola(cantoneDelConteggio(d), d.figli, reddito,
                                     ultimoGiornoInServizio(d.periodi, anno, mese));
}

QList<AssegniFamiliari::DettaglioFiglio> ConteggioSalario::figliPerGiorni(const AssegniFamiliari::Risultato& a,
                                                                          int giorni)
{
    const auto perGiorni = [giorni](double importo) { return giorni < 30 ? importo * giorni / 30.0 : importo; };
    QList<AssegniFamiliari::DettaglioFiglio> figli = a.dettagli;
    // The centime the rounding leaves goes to the child with the largest
    // allowance (the last of those with the same): never below 0, also
    // beside a child whose allowance is 0.
    int ultimo = -1;
    for (int i = 0; i < figli.size(); ++i) {
        if (ultimo < 0 || figli.at(i).importo >= figli.at(ultimo).importo)
            ultimo = i;
    }
    double resto = Importi::arrotonda2(perGiorni(a.totale));
    for (int i = 0; i < figli.size(); ++i) {
        if (i == ultimo)
            continue;
        AssegniFamiliari::DettaglioFiglio& f = figli[i];
        f.importo = Importi::arrotonda2(perGiorni(f.importo));
        resto -= f.importo;
    }
    if (ultimo >= 0)
        figli[ultimo].importo = Importi::arrotonda2(resto);
    return figli;
}

bool ConteggioSalario::inServizio(const DatiDipendente& d, int anno, int mese)
{
    return d.periodi.isEmpty() || periodoCopre(d.periodi, QDate(anno, mese, 1), ultimoGiorno(anno, mese));
}

int ConteggioSalario::giorniDelMese(const DatiDipendente& d, int anno, int mese)
{
    if (d.periodi.isEmpty())
        return 30;
    const QDate primo(anno, mese, 1);
    if (!primo.isValid())
        return 0;
    const QDate ultimo = ultimoGiorno(anno, mese);
    int giorni = 0;
    for (const PeriodoRapporto& p : d.periodi) {
        const QDate entrata = DateTesto::daGiornoMeseAnno(p.entrata);
        if (!entrata.isValid() || entrata > ultimo)
            continue;
        const QDate uscita = DateTesto::daGiornoMeseAnno(p.uscita);
        const bool aperto = p.uscita.isEmpty() || !uscita.isValid();
        if (!aperto && uscita < primo)
            continue;
        const QDate da = std::max(entrata, primo);
        const QDate a = aperto ? ultimo : std::min(uscita, ultimo);
        const int fine = a == ultimo ? 30 : std::min(a.day(), 30);
        const int inizio = std::min(da.day(), 30);
        giorni += std::max(1, std::min(30, fine - inizio + 1));
    }
    return std::min(giorni, 30);
}

bool ConteggioSalario::soggettoImposta(const DatiDipendente& d)
{
    if (d.extra.value(QStringLiteral("soggettoImpostaFonte")) == QLatin1String("1"))
        return true;
    const QString permesso = d.permessoLavoro.trimmed();
    return !permesso.isEmpty() && permesso != QLatin1String("C") && permesso != QLatin1String("CH");
}

QString ConteggioSalario::cantoneDelConteggio(const DatiDipendente& d)
{
    const QString sigla = d.cantone.trimmed().toUpper();
    return sigla.isEmpty() ? QStringLiteral("TI") : sigla;
}

QString ConteggioSalario::tariffaImposta(const DatiDipendente& d)
{
    for (const char* chiave : {"tabellaIF", "codiceTariffa"}) {
        const QString codice = d.extra.value(QLatin1String(chiave)).trimmed();
        if (!codice.isEmpty())
            return codice;
    }
    return QStringLiteral("A0");
}
