#include "certificatoannuo.h"

#include "calcolopaga.h"
#include "datetesto.h"
#include "datoteca.h"
#include "importi.h"
#include "pagheanno.h"
#include "storicostipendi.h"

#include <QDate>

using Importi::arrotonda5;

namespace {

QString cifre(double v)
{
    return QString::number(v, 'f', 2);
}

QString testoCifre(const Certificato::DatiCertificato& c, const QStringList& etichette)
{
    QString t = CertificatoAnnuo::tr("ID dipendente: ") + c.idDipendente + QLatin1Char('\n');
    t += CertificatoAnnuo::tr("Anno: ") + QString::number(c.annoValidita) + QStringLiteral("\n\n");
    const double importi[] = {c.cifra1, c.cifra2, c.cifra3, c.cifra8, c.cifra9, c.cifra10_1, c.cifra10_2,
                              c.cifra11, c.cifra12};
    // Figures 2, 3 and 10.2 are printed when they hold an amount.
    const bool sempre[] = {true, false, false, true, true, true, false, true, true};
    for (int i = 0; i < 9; ++i) {
        if (sempre[i] || importi[i] != 0.0)
            t += etichette.at(i).arg(cifre(importi[i]));
    }
    if (c.stima)
        t += QLatin1Char('\n') + CertificatoAnnuo::rigaStima() + QLatin1Char('\n');
    if (!c.osservazioni.isEmpty())
        t += CertificatoAnnuo::tr("\nOsservazioni:\n") + c.osservazioni + QLatin1Char('\n');
    return t;
}

} // namespace

QString CertificatoAnnuo::rigaStima()
{
    return tr("Importi stimati (stima): nessun mese dell'anno e' salvato nello storico paghe.");
}

Certificato::DatiCertificato CertificatoAnnuo::calcola(const QString& id, const DatiDipendente& d, int anno)
{
    Certificato::DatiCertificato c;
    c.idDipendente = id;
    c.annoValidita = anno;
    const PagheAnno::Somme s = PagheAnno::somme(id, anno);
    if (s.mesi > 0) {
        // What was paid: the movements of figures 2, 3 and 13 come out of
        // the gross, the rest of it is figure 1.
        c.cifra2 = arrotonda5(s.categoria2);
        c.cifra3 = arrotonda5(s.categoria3);
        c.cifra13_1 = arrotonda5(s.spese131);
        c.cifra13_2 = arrotonda5(s.spese132);
        c.cifra13_3 = arrotonda5(s.spese133);
        c.cifra1 = arrotonda5(s.lordo) - c.cifra2 - c.cifra3 - c.cifra13_1 - c.cifra13_2 - c.cifra13_3;
        c.cifra9 = arrotonda5(s.contributiDip);
        c.cifra10_1 = arrotonda5(s.lpp);
        c.cifra12 = arrotonda5(s.imposta);
    } else {
        Datoteca::carica(anno);
        const double m = d.salarioMensile;
        const int n = 12 + d.mensilitaAggiuntive;
        const int mesi = Dipendente::mesiLavorati(d, anno);
        const RiepilogoAnnuo r = CalcoloPaga::riepilogoAnnuoConMovimenti(
            m, PagheAnno::eta(d, anno), PagheAnno::cantone(d), QStringLiteral("A0"), n,
            PagheAnno::movimentiAnno(id, anno), mesi);
        // The salaries of the months worked, as the contributions, the
        // pension and the tax of the summary.
        const double quota = mesi >= 1 && mesi <= 11 ? mesi / 12.0 : 1.0;
        c.cifra1 = arrotonda5(n * m * quota);
        c.cifra2 = arrotonda5(r.lordoMovimenti);
        c.cifra9 = arrotonda5(r.contributiDip);
        c.cifra10_1 = arrotonda5(r.lpp);
        c.cifra12 = arrotonda5(r.imposta);
        c.stima = true;
    }
    Certificato::calcolaTotali(c);
    return c;
}

QString CertificatoAnnuo::testoApri(const Certificato::DatiCertificato& c)
{
    return testoCifre(c, {tr("Cifra 1 (lordo):     %1 CHF\n"), tr("Cifra 2 (accessorie):%1 CHF\n"),
                          tr("Cifra 3 (irregolari):%1 CHF\n"), tr("Cifra 8 (totale):    %1 CHF\n"),
                          tr("Cifra 9 (contributi):%1 CHF\n"), tr("Cifra 10.1 (LPP):    %1 CHF\n"),
                          tr("Cifra 10.2 (LPP):    %1 CHF\n"), tr("Cifra 11 (netto):    %1 CHF\n"),
                          tr("Cifra 12 (imposta):  %1 CHF\n")});
}

QString CertificatoAnnuo::testoScheda(const Certificato::DatiCertificato& c)
{
    return testoCifre(c, {tr("Cifra 1 (lordo):      %1 CHF\n"), tr("Cifra 2 (accessorie): %1 CHF\n"),
                          tr("Cifra 3 (irregolari): %1 CHF\n"), tr("Cifra 8 (totale):     %1 CHF\n"),
                          tr("Cifra 9 (contributi): %1 CHF\n"), tr("Cifra 10.1 (LPP):     %1 CHF\n"),
                          tr("Cifra 10.2 (LPP):     %1 CHF\n"), tr("Cifra 11 (netto):     %1 CHF\n"),
                          tr("Cifra 12 (imposta):   %1 CHF\n")});
}

QString CertificatoAnnuo::testoPdf(const QString& id, const DatiDipendente& d, int anno)
{
    double lordo = 0, dip = 0, dat = 0, lpp = 0, imposta = 0, netto = 0;
    bool stima = false;
    const PagheAnno::Somme s = PagheAnno::somme(id, anno);
    if (s.mesi > 0) {
        lordo = s.lordo;
        dip = s.contributiDip;
        dat = s.contributiDat;
        lpp = s.lpp;
        imposta = s.imposta;
        netto = s.netto;
    } else {
        stima = true;
        // The salary periods' monthly results for the months of the year
        // they cover.
        bool coperto = false;
        QVector<PeriodoStipendio> periodi;
        StoricoStipendi::carica(id, periodi);
        const QDate inizioAnno(anno, 1, 1);
        const QDate fineAnno(anno, 12, 31);
        for (const PeriodoStipendio& p : periodi) {
            const QDate inizio = DateTesto::daGiornoMeseAnno(p.dataInizio);
            const QDate fine = DateTesto::daGiornoMeseAnno(p.dataFine);
            if (!inizio.isValid() || !fine.isValid())
                continue;
            const QDate da = qMax(inizio, inizioAnno);
            const QDate a = qMin(fine, fineAnno);
            if (a < da)
                continue;
            const int k = (a.year() - da.year()) * 12 + a.month() - da.month() + 1;
            lordo += k * p.ris.lordo;
            dip += k * p.ris.totaleContributiDip;
            dat += k * p.ris.totaleContributiDat;
            lpp += k * p.ris.lpp;
            imposta += k * p.ris.imposta;
            netto += k * p.ris.netto;
            coperto = true;
        }
        if (!coperto) {
            Datoteca::carica(anno);
            const RiepilogoAnnuo r = CalcoloPaga::riepilogoAnnuoConMovimenti(
                d.salarioMensile, PagheAnno::eta(d, anno), PagheAnno::cantone(d), QStringLiteral("A0"),
                12 + d.mensilitaAggiuntive, PagheAnno::movimentiAnno(id, anno), Dipendente::mesiLavorati(d, anno));
            lordo = r.lordo;
            dip = r.contributiDip;
            dat = r.contributiDat;
            lpp = r.lpp;
            imposta = r.imposta;
            netto = r.netto;
        }
    }
    const QString chi = (d.nome.trimmed() + QLatin1Char(' ') + d.cognome.trimmed()).trimmed();
    QString t = tr("Dipendente: ") + (chi.isEmpty() ? Dipendente::nomeCognome(id) : chi) + QLatin1Char('\n');
    t += tr("Anno: ") + QString::number(anno) + QLatin1Char('\n');
    t += tr("Salario mensile lordo: %1 CHF\n").arg(cifre(d.salarioMensile));
    t += tr("Salario annuo lordo: %1 CHF\n").arg(cifre(lordo));
    t += tr("Contributi dipendente: %1 CHF\n").arg(cifre(dip));
    t += tr("Contributi datore: %1 CHF\n").arg(cifre(dat));
    t += tr("LPP annuo: %1 CHF\n").arg(cifre(lpp));
    t += tr("Imposta fonte annua: %1 CHF\n").arg(cifre(imposta));
    t += tr("Netto annuo: %1 CHF\n").arg(cifre(netto));
    if (stima)
        t += QLatin1Char('\n') + rigaStima() + QLatin1Char('\n');
    return t;
}
