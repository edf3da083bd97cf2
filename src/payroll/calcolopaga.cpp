#include "calcolopaga.h"

#include "datetesto.h"
#include "datoteca.h"
#include "impostafonte.h"

#include <QDate>

#include <algorithm>

namespace {

// Base of a capped contribution: the amount, or the ceiling when one is set
// and the amount exceeds it.
double baseConMassimale(double importo, double massimale)
{
    return massimale > 0 && importo > massimale ? massimale : importo;
}

// The savings credit of the age on the coordinated salary, of which the
// employee pays half and the employer at least the other half.
double accreditoLPP(double salarioAnnuo, int eta)
{
    const Datoteca::ParametriLPP l = Datoteca::lpp();
    if (l.sogliaEntrata > salarioAnnuo)
        return 0.0;
    const double minimo = l.coordinatoMinimo > 0 ? l.coordinatoMinimo : 3780.0;
    const double massimo = l.coordinatoMassimo > 0 ? l.coordinatoMassimo : 64260.0;
    double coordinato = salarioAnnuo - l.deduzioneCoordinamento;
    if (coordinato < minimo)
        coordinato = minimo;
    if (coordinato > massimo)
        coordinato = massimo;
    return Datoteca::aliquotaLPP(eta) * coordinato / 100.0;
}

// Contributions on an amount whose unemployment and accident ceilings are
// `massimaleAD` and `massimaleLAINF` (0: none).
ContributiSociali contributi(double importo, double massimaleAD, double massimaleLAINF)
{
    ContributiSociali c;
    if (importo <= 0)
        return c;
    const Datoteca::VoceContributo avs = Datoteca::contributo(QStringLiteral("AVS"));
    const Datoteca::VoceContributo ad = Datoteca::contributo(QStringLiteral("AD"));
    const Datoteca::VoceContributo caf = Datoteca::contributo(QStringLiteral("CAF"));
    const Datoteca::VoceContributo lainf = Datoteca::contributo(QStringLiteral("LAINF"));

    c.avsDip = importo * avs.aliquotaDipendente / 100.0;
    c.avsDat = importo * avs.aliquotaDatore / 100.0;

    const double baseAD = baseConMassimale(importo, massimaleAD);
    c.adDip = baseAD * ad.aliquotaDipendente / 100.0;
    c.adDat = baseAD * ad.aliquotaDatore / 100.0;

    c.cafDip = importo * caf.aliquotaDipendente / 100.0;
    c.cafDat = importo * caf.aliquotaDatore / 100.0;

    const double baseLAINF = baseConMassimale(importo, massimaleLAINF);
    c.lainfDip = baseLAINF * lainf.aliquotaDipendente / 100.0;
    c.lainfDat = baseLAINF * lainf.aliquotaDatore / 100.0;

    c.totaleDip = c.avsDip + c.adDip + c.cafDip + c.lainfDip;
    c.totaleDat = c.avsDat + c.adDat + c.cafDat + c.lainfDat;
    return c;
}

// Contributions on a year's pay: the annual ceilings as they stand.
ContributiSociali contributiAnnui(double lordoAnnuo)
{
    return contributi(lordoAnnuo, Datoteca::contributo(QStringLiteral("AD")).massimale,
                      Datoteca::contributo(QStringLiteral("LAINF")).massimale);
}

} // namespace

ContributiSociali CalcoloPaga::calcolaAVSAD(double importo)
{
    // The ceilings are annual; the amount is one month's pay.
    return contributi(importo, Datoteca::contributo(QStringLiteral("AD")).massimale / 12.0,
                      Datoteca::contributo(QStringLiteral("LAINF")).massimale / 12.0);
}

double CalcoloPaga::calcolaLPP(double salarioAnnuo, int eta)
{
    return accreditoLPP(salarioAnnuo, eta) / 2.0;
}

double CalcoloPaga::calcolaNetto(double mensile, int eta)
{
    return mensile - calcolaAVSAD(mensile).totaleDip - calcolaLPP(12.0 * mensile, eta) / 12.0;
}

RiepilogoAnnuo CalcoloPaga::riepilogoAnnuo(double mensile, int eta)
{
    RiepilogoAnnuo r;
    r.lordo = 12.0 * mensile;
    const ContributiSociali c = contributiAnnui(r.lordo);
    r.contributiDip = c.totaleDip;
    r.contributiDat = c.totaleDat;
    r.lpp = calcolaLPP(12.0 * mensile, eta);
    r.netto = r.lordo - r.contributiDip - r.lpp;
    return r;
}

RiepilogoAnnuo CalcoloPaga::riepilogoAnnuoConImposta(double mensile, int eta, const QString& cantone,
                                                     const QString& tariffa)
{
    RiepilogoAnnuo r = riepilogoAnnuo(mensile, eta);
    r.imposta = 12.0 * ImpostaFonte::calcolaMensile(mensile, cantone, tariffa);
    r.netto = r.lordo - r.contributiDip - r.lpp - r.imposta;
    return r;
}

RiepilogoAnnuo CalcoloPaga::riepilogoAnnuoConImpostaEMensilita(double mensile, int eta, const QString& cantone,
                                                               const QString& tariffa, int mensilita)
{
    const int n = qMax(mensilita, 12);
    RiepilogoAnnuo r;
    r.lordo = n * mensile;
    // Twelve salaries and the extra ones together stop at the annual ceilings.
    const ContributiSociali c = contributiAnnui(r.lordo);
    r.contributiDip = c.totaleDip;
    r.contributiDat = c.totaleDat;
    r.lpp = calcolaLPP(n * mensile, eta);
    r.imposta = 12.0 * ImpostaFonte::calcolaMensile(r.lordo / 12.0, cantone, tariffa);
    r.netto = r.lordo - r.contributiDip - r.lpp - r.imposta;
    return r;
}

RiepilogoAnnuo CalcoloPaga::riepilogoAnnuoConMovimenti(double mensile, int eta, const QString& cantone,
                                                       const QString& tariffa, int mensilita,
                                                       const QList<MovimentoStipendio>& movimenti, int mesi)
{
    RiepilogoAnnuo r = riepilogoAnnuoConImpostaEMensilita(mensile, eta, cantone, tariffa, mensilita);
    const int n = qMax(mensilita, 12);

    const Datoteca::VoceContributo avs = Datoteca::contributo(QStringLiteral("AVS"));
    const Datoteca::VoceContributo ad = Datoteca::contributo(QStringLiteral("AD"));
    const Datoteca::VoceContributo caf = Datoteca::contributo(QStringLiteral("CAF"));
    const Datoteca::VoceContributo lainf = Datoteca::contributo(QStringLiteral("LAINF"));

    // What the salaries leave below the annual ceilings: a movement bound to a
    // ceiling bears its contribution only on what is left of it.
    const double salari = n * mensile;
    double restoAD = ad.massimale > 0 ? std::max(0.0, ad.massimale - std::max(salari, 0.0)) : 0.0;
    double restoLAINF = lainf.massimale > 0 ? std::max(0.0, lainf.massimale - std::max(salari, 0.0)) : 0.0;
    auto baseEntro = [](double v, double massimale, double& resto) {
        if (!(massimale > 0))
            return v;
        const double base = std::min(v, resto);
        resto -= base;
        return base;
    };

    double dip = 0.0;
    double dat = 0.0;
    double baseLPP = 0.0;
    for (const MovimentoStipendio& m : movimenti) {
        const double v = m.importo;
        r.lordoMovimenti += v;
        if (v <= 0)
            continue;
        if (m.soggettoAVS) {
            dip += v * avs.aliquotaDipendente / 100.0;
            dat += v * avs.aliquotaDatore / 100.0;
        }
        if (m.soggettoAD) {
            const double base = m.applicaMassimaleAD ? baseEntro(v, ad.massimale, restoAD) : v;
            dip += base * ad.aliquotaDipendente / 100.0;
            dat += base * ad.aliquotaDatore / 100.0;
        }
        if (m.soggettoCAF) {
            dip += v * caf.aliquotaDipendente / 100.0;
            dat += v * caf.aliquotaDatore / 100.0;
        }
        if (m.soggettoLAINF) {
            const double base = m.applicaMassimaleLAINF ? baseEntro(v, lainf.massimale, restoLAINF) : v;
            dip += base * lainf.aliquotaDipendente / 100.0;
            dat += base * lainf.aliquotaDatore / 100.0;
        }
        if (m.soggettoLPP)
            baseLPP += v;
    }
    r.lordo += r.lordoMovimenti;
    r.contributiMovimenti = dip;
    r.contributiDip += dip;
    r.contributiDat += dat;
    r.lpp = calcolaLPP(baseLPP + n * mensile, eta);
    r.imposta = 12.0 * ImpostaFonte::calcolaMensile(r.lordo / 12.0, cantone, tariffa);
    r.netto = r.lordo - r.contributiDip - r.lpp - r.imposta;

    if (mesi > 0 && mesi <= 11) {
        const double f = mesi / 12.0;
        r.lordo *= f;
        r.contributiDip *= f;
        r.contributiDat *= f;
        r.lpp *= f;
        r.imposta *= f;
        r.netto = r.lordo - r.contributiDip - r.lpp - r.imposta;
    }
    return r;
}

int CalcoloPaga::etaDaDataNascita(const QString& dataNascita, int anno)
{
    if (dataNascita.isEmpty())
        return -1;
    const QDate d = DateTesto::daGiornoMeseAnno(dataNascita);
    if (!d.isValid())
        return -1;
    return anno - d.year();
}
