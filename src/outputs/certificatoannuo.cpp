#include "certificatoannuo.h"

#include "decimali.h"
#include "importi.h"

using Importi::arrotonda5;

namespace {

QString cifre(double v)
{
    return Decimali::testo(v);
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
    return daCifre(id, anno, PagheAnno::cifre(id, d, anno));
}

Certificato::DatiCertificato CertificatoAnnuo::daCifre(const QString& id, int anno, const PagheAnno::Somme& s)
{
    Certificato::DatiCertificato c;
    c.idDipendente = id;
    c.annoValidita = anno;
    if (!s.conCifre())
        return c;
    // The movements of figures 2, 3 and 13 come out of the gross, the rest
    // of it is figure 1.
    c.cifra2 = arrotonda5(s.categoria2);
    c.cifra3 = arrotonda5(s.categoria3);
    c.cifra13_1 = arrotonda5(s.spese131);
    c.cifra13_2 = arrotonda5(s.spese132);
    c.cifra13_3 = arrotonda5(s.spese133);
    c.cifra1 = arrotonda5(s.lordo) - c.cifra2 - c.cifra3 - c.cifra13_1 - c.cifra13_2 - c.cifra13_3;
    c.cifra9 = arrotonda5(s.contributiDip);
    c.cifra10_1 = arrotonda5(s.lpp);
    c.cifra12 = arrotonda5(s.imposta);
    c.stima = s.stima();
    Certificato::calcolaTotali(c);
    c.cifra1 = Importi::arrotonda2(c.cifra1);
    c.cifra8 = Importi::arrotonda2(c.cifra8);
    c.cifra11 = Importi::arrotonda2(c.cifra11);
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
    return testoPdf(id, d, anno, PagheAnno::cifre(id, d, anno));
}

QString CertificatoAnnuo::testoPdf(const QString& id, const DatiDipendente& d, int anno, const PagheAnno::Somme& s)
{
    const QString chi = (d.nome.trimmed() + QLatin1Char(' ') + d.cognome.trimmed()).trimmed();
    QString t = tr("Dipendente: ") + (chi.isEmpty() ? Dipendente::nomeCognome(id) : chi) + QLatin1Char('\n');
    t += tr("Anno: ") + QString::number(anno) + QLatin1Char('\n');
    if (!s.conCifre())
        return t + PagheAnno::rigaEsclusione(PagheAnno::nome(id, d), s, anno) + QLatin1Char('\n');
    t += tr("Salario mensile lordo: %1 CHF\n").arg(cifre(d.salarioMensile));
    t += tr("Salario annuo lordo: %1 CHF\n").arg(cifre(s.lordo));
    t += tr("Contributi dipendente: %1 CHF\n").arg(cifre(s.contributiDip));
    t += tr("Contributi datore: %1 CHF\n").arg(cifre(s.contributiDat));
    t += tr("LPP annuo: %1 CHF\n").arg(cifre(s.lpp));
    t += tr("Imposta fonte annua: %1 CHF\n").arg(cifre(s.imposta));
    t += tr("Netto annuo: %1 CHF\n").arg(cifre(s.netto));
    if (s.stima())
        t += QLatin1Char('\n') + rigaStima() + QLatin1Char('\n');
    const QString rifiuti = PagheAnno::rigaRifiuti(PagheAnno::nome(id, d), s);
    if (!rifiuti.isEmpty())
        t += QLatin1Char('\n') + rifiuti + QLatin1Char('\n');
    return t;
}
