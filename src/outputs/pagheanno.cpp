#include "pagheanno.h"

#include "azienda.h"
#include "calcolopaga.h"
#include "config.h"
#include "conteggiosalario.h"
#include "datetesto.h"
#include "datoteca.h"
#include "documentichiusura.h"
#include "filesicuri.h"
#include "importi.h"
#include "mensilitaaggiuntive.h"
#include "storicostipendi.h"

#include <QDate>
#include <QFileInfo>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <atomic>

using Importi::arrotonda2;

namespace {

// Every sum rounded to the centime: the amounts added are stored with two
// decimals, so what is left beyond them is binary noise.
void arrotondaSomme(PagheAnno::Somme& s)
{
    for (double* v : {&s.lordo, &s.contributiDip, &s.contributiDat, &s.lpp, &s.assegni, &s.imposta, &s.netto,
                      &s.salarioCaf, &s.avsDip, &s.adDip, &s.cafDip, &s.lainfDip, &s.avsDat, &s.adDat, &s.cafDat,
                      &s.lainfDat, &s.categoria2, &s.categoria3, &s.spese131, &s.spese132, &s.spese133})
        *v = arrotonda2(*v);
    for (double& v : s.assegniMese)
        v = arrotonda2(v);
}

// Adds one month, paid or estimated, to the sums.
void aggiungiMese(PagheAnno::Somme& s, const StoricoPaghe::PagaMese& p, double salarioCaf)
{
    ++s.mesi;
    s.lordo += p.lordoImponibile;
    s.contributiDip += p.contributiDipendente;
    s.lpp += p.lppDipendente;
    s.assegni += p.assegniFamiliari;
    s.imposta += p.impostaTrattenuta;
    s.netto += p.netto;
    s.salarioCaf += salarioCaf;
    s.assegniMese[p.mese - 1] += p.assegniFamiliari;
    const StoricoPaghe::ContributiDatore dip = PagheAnno::contributiDipendente(p);
    s.avsDip += dip.avs;
    s.adDip += dip.ad;
    s.cafDip += dip.caf;
    s.lainfDip += dip.lainf;
    const StoricoPaghe::ContributiDatore dat = PagheAnno::contributiDatore(p);
    s.avsDat += dat.avs;
    s.adDat += dat.ad;
    s.cafDat += dat.caf;
    s.lainfDat += dat.lainf;
    s.contributiDat += dat.totale();
    s.ultimoMese = p;
}

// An estimated month as the pay history would keep it, every amount to the
// centime: the months after it carry it over the year, and the sums add it
// up, as they do a saved month's (the employer's part of a month, rounded
// item by item, adds up to its total).
StoricoPaghe::PagaMese comeNelloStorico(StoricoPaghe::PagaMese p)
{
    for (double* v : {&p.lordoImponibile, &p.contributiDipendente, &p.lppDipendente, &p.assegniFamiliari,
                      &p.impostaTrattenuta, &p.netto, &p.lordoSoggettoAD, &p.guadagnoAssicuratoAD,
                      &p.lordoSoggettoLAINF, &p.guadagnoAssicuratoLAINF, &p.mensilitaConteggio,
                      &p.mensilitaMovimenti, &p.tredicesimaMovimenti, &p.datore.avs, &p.datore.ad, &p.datore.caf,
                      &p.datore.lainf})
        *v = arrotonda2(*v);
    for (StoricoPaghe::Trattenuta* t : {&p.dettaglio.avs, &p.dettaglio.ad, &p.dettaglio.caf, &p.dettaglio.infortuni}) {
        t->importo = arrotonda2(t->importo);
        t->imponibile = arrotonda2(t->imponibile);
    }
    return p;
}

// The gross the month's AHV/IV/EO and family fund were charged on.
double baseAvs(const StoricoPaghe::PagaMese& p)
{
    if (p.dettaglio.presente && p.dettaglio.avs.aliquota > 0)
        return p.dettaglio.avs.imponibile;
    return std::max(0.0, p.lordoImponibile - p.assegniFamiliari);
}

// The part of the insured earnings of the months estimated that lies above
// the year's ceiling for those months.
double oltreMassimale(double guadagni, double massimaleAnnuo, int mesi)
{
    if (!(massimaleAnnuo > 0))
        return 0.0;
    return std::max(0.0, guadagni - massimaleAnnuo * mesi / 12.0);
}

// No figures, for the reason given.
PagheAnno::Somme senzaCifre(PagheAnno::Origine origine, const QString& errore)
{
    PagheAnno::Somme s;
    s.origine = origine;
    s.errore = errore;
    return s;
}

// The estimate: the pay count of each month of employment in the year,
// not saved, with the salary in force in that month.
PagheAnno::Somme stima(const QString& id, const DatiDipendente& d, int anno)
{
    PagheAnno::Somme s;
    s.origine = PagheAnno::Origine::Stima;
    QVector<PeriodoStipendio> periodi;
    QString errore;
    if (!id.isEmpty())
        StoricoStipendi::carica(id, periodi, &errore);
    if (!errore.isEmpty())
        return senzaCifre(PagheAnno::Origine::Illeggibile, errore);
    double guadagnoAD = 0.0;
    double guadagnoLAINF = 0.0;
    double aliquotaLAINF = 0.0;
    double salarioUltimo = 0.0;
    RisultatoConteggio ultimo;
    // The company record once for the twelve counts.
    const ContestoConteggio contesto = ContestoConteggio::carica();
    // The months estimated so far stand for the year's pay history: each
    // count carries them over the year as the closing carries the saved
    // months (the ceilings of the unemployment and accident insurance to
    // date, the extra salaries already paid, the withholding tax to date).
    QList<StoricoPaghe::PagaMese> stimati;
    for (int mese = 1; mese <= 12; ++mese) {
        if (!PagheAnno::inServizio(d, anno, mese))
            continue;
        DatiDipendente delMese = d;
        if (const PeriodoStipendio* p = StoricoStipendi::periodoDelMese(periodi, anno, mese)) {
            if (p->tipoPaga == 1 && p->pagaOraria > 0) {
                delMese.tipoPaga = 1;
                delMese.pagaOraria = p->pagaOraria;
            } else if (p->salarioMensile > 0) {
                delMese.tipoPaga = 0;
                delMese.salarioMensile = p->salarioMensile;
            }
        }
        const RisultatoConteggio r = ConteggioSalario::genera(id, delMese, anno, mese, false, -1, &contesto, &stimati);
        if (r.fuoriPeriodo)
            continue;
        // A month the count could not do, or whose tax it counted as 0 for
        // want of a tariff, leaves the year without figures.
        if (!r.errore.isEmpty())
            return senzaCifre(PagheAnno::Origine::Illeggibile, r.errore);
        if (r.scalaImpostaMancante)
            return senzaCifre(PagheAnno::Origine::ImpostaMancante,
                              ConteggioSalario::impostaNonCalcolabile(r.cantoneImposta, r.tariffaImposta));
        StoricoPaghe::PagaMese p = comeNelloStorico(ConteggioSalario::comeMese(r));
        p.conNetto = true;
        aggiungiMese(s, p, baseAvs(p));
        stimati.append(p);
        salarioUltimo = delMese.salarioMensile;
        ultimo = r;
        guadagnoAD += r.dettaglio.ad.imponibile;
        guadagnoLAINF += r.guadagnoAssicuratoLAINF;
        aliquotaLAINF = r.dettaglio.infortuni.aliquota;
    }
    if (s.mesi == 0) {
        s.origine = PagheAnno::Origine::FuoriServizio;
        return s;
    }
    // Not paid automatically, the extra monthly salaries are owed all the
    // same: what the year still owes of them by the one rule, at the last
    // salary, added with the last month's rates of contributions and tax.
    double mancanti = 0.0;
    if (d.tipoPaga != 1 && !contesto.azienda.tredicesimaAutomatica) {
        const MensilitaAggiuntive::Pagato pagato =
            MensilitaAggiuntive::pagato(id, anno, ultimo.mese, stimati, true);
        mancanti = MensilitaAggiuntive::resto(d, MensilitaAggiuntive::quota(d, anno, salarioUltimo), pagato);
    }
    if (mancanti > 0 && ultimo.lordoContributivo > 0) {
        const double quota = mancanti / ultimo.lordoContributivo;
        const double contributi = Importi::arrotonda5(ultimo.contributiDipendente * quota);
        const double imposta = ultimo.lordoImponibile > 0
            ? Importi::arrotonda5(ultimo.impostaFonte * mancanti / ultimo.lordoImponibile)
            : 0.0;
        const StoricoPaghe::ContributiDatore dat = PagheAnno::contributiDatore(s.ultimoMese);
        s.lordo += mancanti;
        s.salarioCaf += mancanti;
        s.contributiDip += contributi;
        s.avsDip += ultimo.dettaglio.avs.importo * quota;
        s.adDip += ultimo.dettaglio.ad.importo * quota;
        s.cafDip += ultimo.dettaglio.caf.importo * quota;
        s.lainfDip += ultimo.dettaglio.infortuni.importo * quota;
        s.avsDat += dat.avs * quota;
        s.adDat += dat.ad * quota;
        s.cafDat += dat.caf * quota;
        s.lainfDat += dat.lainf * quota;
        s.contributiDat += dat.totale() * quota;
        s.imposta += imposta;
        s.netto += mancanti - contributi - imposta;
        guadagnoAD += ultimo.dettaglio.ad.imponibile * quota;
        guadagnoLAINF += ultimo.guadagnoAssicuratoLAINF * quota;
    }
    // Over the year the unemployment and accident insurance charge their
    // annual ceiling once, for the months of employment: what the extra
    // salaries added above at the last month's rates charged beyond it comes
    // back to the net.
    const Datoteca::VoceContributo ad = Datoteca::contributo(QStringLiteral("AD"));
    const double oltreAD = oltreMassimale(guadagnoAD, ad.massimale, s.mesi);
    const double oltreLAINF =
        oltreMassimale(guadagnoLAINF, Azienda::carica(Config::aziendaCorrente()).lainfMassimale, s.mesi);
    const double dipAD = oltreAD * ad.aliquotaDipendente / 100.0;
    const double datAD = oltreAD * ad.aliquotaDatore / 100.0;
    const double dipLAINF = oltreLAINF * aliquotaLAINF / 100.0;
    const double datLAINF = oltreLAINF * Datoteca::contributo(QStringLiteral("LAINF")).aliquotaDatore / 100.0;
    s.adDip -= dipAD;
    s.adDat -= datAD;
    s.lainfDip -= dipLAINF;
    s.lainfDat -= datLAINF;
    s.contributiDip -= dipAD + dipLAINF;
    s.contributiDat -= datAD + datLAINF;
    s.netto += dipAD + dipLAINF;
    return s;
}

// Adds an extra movement's amount to its certificate category.
void aggiungiCategoria(PagheAnno::Somme& s, int categoria, double importo)
{
    switch (categoria) {
    case 2: s.categoria2 += importo; break;
    case 3: s.categoria3 += importo; break;
    case 131: s.spese131 += importo; break;
    case 132: s.spese132 += importo; break;
    case 133: s.spese133 += importo; break;
    default: break;
    }
}

// The text of a movement's slip line, as the count writes and the store
// keeps it.
QString testoRiga(const MovimentoStipendio& m)
{
    QString testo = m.descrizione.trimmed();
    if (testo.isEmpty())
        testo = m.tipo.trimmed().isEmpty() ? QStringLiteral("Movimento") : m.tipo.trimmed();
    return FileSicuri::unaRiga(testo).trimmed();
}

// The extra movements of the months counted, by certificate category. A
// month saved with its slip lines counts what its movements' lines paid,
// never a movement entered after it was saved: by the category each line
// keeps; for a month saved before the lines kept it, the movements that have
// a line of their amount and text (each line once). A month estimated, or
// saved before its lines were stored, counts the movements dated in it.
void aggiungiCategorie(PagheAnno::Somme& s, const QString& id, int anno, const QList<StoricoPaghe::PagaMese>& mesi,
                       const QSet<int>& visti)
{
    QSet<int> conRighe;
    QMap<int, QList<StoricoPaghe::Voce>> daAbbinare;
    for (const StoricoPaghe::PagaMese& p : mesi) {
        if (!visti.contains(p.mese) || conRighe.contains(p.mese) || !p.dettaglio.presente)
            continue;
        conRighe.insert(p.mese);
        const QList<StoricoPaghe::Voce>& voci = p.dettaglio.vociSalario;
        const bool conCategorie = std::any_of(voci.cbegin(), voci.cend(), [](const StoricoPaghe::Voce& v) {
            return v.categoriaCertificato >= 0;
        });
        for (const StoricoPaghe::Voce& v : voci)
            aggiungiCategoria(s, v.categoriaCertificato, v.importo);
        if (!conCategorie)
            daAbbinare.insert(p.mese, voci);
    }
    for (const MovimentoStipendio& m : PagheAnno::movimentiAnno(id, anno)) {
        const int mese = DateTesto::daMovimento(m.data).month();
        if (!visti.contains(mese) || Movimenti::scarto(m) != Movimenti::Scarto::Nessuno || !m.soggettoIF)
            continue;
        if (daAbbinare.contains(mese)) {
            QList<StoricoPaghe::Voce>& voci = daAbbinare[mese];
            const QString testo = testoRiga(m);
            const auto riga = std::find_if(voci.begin(), voci.end(), [&](const StoricoPaghe::Voce& v) {
                return std::fabs(v.importo - m.importo) < 0.005 && v.descrizione == testo;
            });
            if (riga == voci.end())
                continue;
            voci.erase(riga);
        } else if (conRighe.contains(mese)) {
            continue;
        }
        aggiungiCategoria(s, m.categoriaCertificato, m.importo);
    }
}

} // namespace

PagheAnno::Somme PagheAnno::cifre(const QString& id, int anno)
{
    DatiDipendente d;
    if (!Dipendente::carica(id, d)) {
        Somme s;
        s.origine = Origine::Illeggibile;
        s.errore = tr("Impossibile leggere la scheda del dipendente %1.").arg(id);
        return s;
    }
    return cifre(id, d, anno);
}

namespace {

std::atomic<int> g_calcoli{0};

} // namespace

int PagheAnno::calcoli()
{
    return g_calcoli.load();
}

PagheAnno::Somme PagheAnno::cifre(const QString& id, const DatiDipendente& d, int anno)
{
    ++g_calcoli;
    Somme s;
    Datoteca::carica(anno);
    QList<StoricoPaghe::PagaMese> mesi;
    // Reading must not leave an empty pay-history folder behind for every
    // employee listed: a year without a file has no saved month.
    const QString cartella = StoricoPaghe::cartella(id);
    const bool conFile = !cartella.isEmpty()
        && QFileInfo(cartella + QLatin1Char('/') + QString::number(anno) + QStringLiteral(".ini")).exists();
    if (conFile) {
        QString errore;
        // A pay history too large or damaged is no year without saved
        // months: no estimate stands in for what was paid.
        if (!StoricoPaghe::caricaAnno(id, anno, mesi, &errore) || !errore.isEmpty()) {
            s.origine = Origine::Illeggibile;
            s.errore = tr("Lo storico paghe %1 di %2 non si può leggere: %3")
                           .arg(QString::number(anno), nome(id, d),
                                errore.isEmpty() ? StoricoPaghe::percorsoFile(id, anno) : errore);
            return s;
        }
    }
    // Each month once: the first group of a month is the one the closing
    // replaces and the pay slip shows.
    QSet<int> visti;
    for (const StoricoPaghe::PagaMese& p : qAsConst(mesi)) {
        if (p.mese < 1 || p.mese > 12 || visti.contains(p.mese))
            continue;
        visti.insert(p.mese);
        aggiungiMese(s, p, baseAvs(p));
    }
    if (visti.isEmpty()) {
        s = stima(id, d, anno);
        if (!s.conCifre()) {
            if (s.origine == Origine::Illeggibile)
                s.errore = tr("Impossibile stimare l'anno %1 di %2: %3").arg(QString::number(anno), nome(id, d), s.errore);
            return s;
        }
        for (int m = 1; m <= 12; ++m) {
            if (inServizio(d, anno, m))
                visti.insert(m);
        }
    } else {
        s.origine = Origine::MesiSalvati;
        // The figures keep what was saved before a refusal; every document
        // names such a month.
        s.rifiuti = DocumentiChiusura::mesiRifiutati(id, anno, mesi);
    }
    s.cantone = cantone(d);
    s.tariffa = tariffa(d);
    aggiungiCategorie(s, id, anno, mesi, visti);
    arrotondaSomme(s);
    return s;
}

bool PagheAnno::meseSalvato(const QString& id, int anno, int mese, StoricoPaghe::PagaMese* paga, QString* errore)
{
    if (errore)
        errore->clear();
    const QString cartella = StoricoPaghe::cartella(id);
    if (cartella.isEmpty()
        || !QFileInfo(cartella + QLatin1Char('/') + QString::number(anno) + QStringLiteral(".ini")).exists())
        return false;
    QList<StoricoPaghe::PagaMese> mesi;
    QString problema;
    if (!StoricoPaghe::caricaAnno(id, anno, mesi, &problema) || !problema.isEmpty()) {
        if (errore)
            *errore = problema.isEmpty() ? StoricoPaghe::percorsoFile(id, anno) : problema;
        return false;
    }
    for (const StoricoPaghe::PagaMese& p : qAsConst(mesi)) {
        if (p.mese == mese) {
            *paga = p;
            return true;
        }
    }
    return false;
}

StoricoPaghe::ContributiDatore PagheAnno::contributiDatore(const StoricoPaghe::PagaMese& p)
{
    if (p.datore.presente)
        return p.datore;
    // Saved before the employer's part was stored: AHV/IV/EO and family
    // fund on the month's base, unemployment and accident on the insured
    // earnings the month charged when it kept them (else on the base, up to
    // one twelfth of the ceiling, as the count of that time did).
    const ContributiSociali c = CalcoloPaga::calcolaAVSAD(baseAvs(p));
    StoricoPaghe::ContributiDatore d;
    d.presente = true;
    d.avs = arrotonda2(c.avsDat);
    d.caf = arrotonda2(c.cafDat);
    d.lainf = p.guadagniAssicurati
        ? arrotonda2(p.guadagnoAssicuratoLAINF * Datoteca::contributo(QStringLiteral("LAINF")).aliquotaDatore / 100.0)
        : arrotonda2(c.lainfDat);
    const Datoteca::VoceContributo ad = Datoteca::contributo(QStringLiteral("AD"));
    if (p.dettaglio.presente && ad.aliquotaDipendente > 0)
        d.ad = arrotonda2(p.dettaglio.ad.importo * ad.aliquotaDatore / ad.aliquotaDipendente);
    else if (p.guadagniAssicurati)
        d.ad = arrotonda2(p.guadagnoAssicuratoAD * ad.aliquotaDatore / 100.0);
    else
        d.ad = arrotonda2(c.adDat);
    return d;
}

StoricoPaghe::ContributiDatore PagheAnno::contributiDipendente(const StoricoPaghe::PagaMese& p)
{
    StoricoPaghe::ContributiDatore d;
    d.presente = true;
    if (p.dettaglio.presente) {
        d.avs = p.dettaglio.avs.importo;
        d.ad = p.dettaglio.ad.importo;
        d.caf = p.dettaglio.caf.importo;
        d.lainf = p.dettaglio.infortuni.importo;
        return d;
    }
    const ContributiSociali c = CalcoloPaga::calcolaAVSAD(baseAvs(p));
    d.avs = arrotonda2(c.avsDip);
    d.ad = arrotonda2(c.adDip);
    d.caf = arrotonda2(c.cafDip);
    // The accident premium is what the month's total leaves.
    d.lainf = arrotonda2(std::max(0.0, p.contributiDipendente - d.avs - d.ad - d.caf));
    return d;
}

QList<AssegniFamiliari::DettaglioFiglio> PagheAnno::figliDicembre(const DatiDipendente& d, const Somme& s, int anno,
                                                                  QString* cantoneAssegni)
{
    if (cantoneAssegni)
        *cantoneAssegni = cantone(d);
    if (!(s.assegniMese[11] > 0))
        return {};
    const StoricoPaghe::PagaMese& dicembre = s.ultimoMese;
    if (dicembre.mese == 12 && !dicembre.figliAssegni.isEmpty()) {
        if (cantoneAssegni && !dicembre.cantoneAssegni.trimmed().isEmpty())
            *cantoneAssegni = dicembre.cantoneAssegni.trimmed();
        return dicembre.figliAssegni;
    }
    if (d.figli.isEmpty() || !inServizio(d, anno, 12))
        return {};
    // December paid allowances, so its income passed the count's threshold:
    // the monthly salary, or the gross December paid when higher (hourly pay).
    double reddito = d.salarioMensile;
    if (s.ultimoMese.mese == 12)
        reddito = std::max(reddito, s.ultimoMese.lordoImponibile - s.ultimoMese.assegniFamiliari);
    // A December employed for some days paid their share of each allowance.
    return ConteggioSalario::figliPerGiorni(ConteggioSalario::assegniDelMese(d, anno, 12, reddito),
                                            ConteggioSalario::giorniDelMese(d, anno, 12));
}

QList<MovimentoStipendio> PagheAnno::movimentiAnno(const QString& id, int anno)
{
    QList<MovimentoStipendio> anno_;
    for (const MovimentoStipendio& m : Movimenti::carica(id)) {
        const QDate data = DateTesto::daMovimento(m.data);
        if (data.isValid() && data.year() == anno)
            anno_.append(m);
    }
    return anno_;
}

bool PagheAnno::inServizio(const DatiDipendente& d, int anno, int mese)
{
    return ConteggioSalario::inServizio(d, anno, mese);
}

int PagheAnno::eta(const DatiDipendente& d, int anno)
{
    const int e = CalcoloPaga::etaDaDataNascita(d.dataNascita, anno);
    return e < 0 ? 40 : e;
}

QString PagheAnno::cantone(const DatiDipendente& d)
{
    return ConteggioSalario::cantoneDelConteggio(d);
}

QString PagheAnno::tariffa(const DatiDipendente& d)
{
    return ConteggioSalario::tariffaImposta(d);
}

QString PagheAnno::nome(const QString& id, const DatiDipendente& d)
{
    const QString n = (d.cognome + QLatin1Char(' ') + d.nome).trimmed();
    return n.isEmpty() ? id : n;
}

QString PagheAnno::rigaEsclusione(const QString& nome, const Somme& s, int anno)
{
    switch (s.origine) {
    case Origine::FuoriServizio:
        return tr("%1: nessun mese di servizio nel %2, escluso dai totali.").arg(nome, QString::number(anno));
    case Origine::Illeggibile:
        return tr("%1: escluso, %2").arg(nome, s.errore);
    case Origine::ImpostaMancante:
        return tr("%1: nessun mese salvato nel %2 e imposta alla fonte della stima mancante, escluso dai totali: %3")
            .arg(nome, QString::number(anno), s.errore);
    default:
        return QString();
    }
}

QString PagheAnno::rigaRifiuti(const QString& nome, const Somme& s)
{
    if (s.rifiuti.isEmpty())
        return QString();
    return tr("%1: nelle cifre anche mesi salvati prima che l'ultima chiusura non ha potuto conteggiare: %2")
        .arg(nome, s.rifiuti.join(QStringLiteral("; ")));
}
