#include "generatoreelm.h"

#include "azienda.h"
#include "certificatoannuo.h"
#include "decimali.h"
#include "dipendente.h"
#include "filesicuri.h"
#include "importi.h"
#include "pagheanno.h"

#include <QXmlStreamWriter>

namespace {

QString importo(double v)
{
    return Decimali::testo(v);
}

// The year's figures: contributions, pension, the summary, the last month
// and the certificate's figures (`c`, those of the year's certificate).
void scriviCifre(QXmlStreamWriter& x, const PagheAnno::Somme& s, const Certificato::DatiCertificato& c, int anno)
{
    auto campo = [&x](const char* nome, const QString& valore) {
        x.writeTextElement(QLatin1String(nome), valore);
    };
    // The monthly figures are those of the last month of the year, as paid.
    const StoricoPaghe::PagaMese& mese = s.ultimoMese;
    x.writeStartElement(QStringLiteral("Contributi"));
    const struct { const char* nome; double dip; double dat; } voci[] = {
        {"AVS", s.avsDip, s.avsDat},
        {"AD", s.adDip, s.adDat},
        {"CAF", s.cafDip, s.cafDat},
        {"LAINF", s.lainfDip, s.lainfDat},
    };
    for (const auto& v : voci) {
        x.writeStartElement(QLatin1String(v.nome));
        campo("Dipendente", importo(v.dip));
        campo("Datore", importo(v.dat));
        x.writeEndElement();
    }
    x.writeEndElement();

    x.writeStartElement(QStringLiteral("LPP"));
    campo("ContributoAnnuoDipendente", importo(s.lpp));
    campo("ContributoMensileDipendente", importo(mese.lppDipendente));
    x.writeEndElement();

    // As on the pay slip: the contributions are the sum of their lines, to
    // the centime; the difference each month's deduction to 0.05 francs
    // makes is a line of its own before the net.
    const double contributiDip = Importi::arrotonda2(s.avsDip + s.adDip + s.cafDip + s.lainfDip);
    const double contributiDat = Importi::arrotonda2(s.avsDat + s.adDat + s.cafDat + s.lainfDat);
    x.writeStartElement(QStringLiteral("RiepilogoAnnuo"));
    campo("LordoAnnuo", importo(s.lordo));
    campo("ContributiDipendente", importo(contributiDip));
    campo("ContributiDatore", importo(contributiDat));
    campo("LPPAnnuo", importo(s.lpp));
    campo("ImpostaFonteAnnuo", importo(s.imposta));
    campo("Arrotondamento", importo(Importi::arrotonda2(contributiDip - s.contributiDip)));
    campo("NettoAnnuo", importo(s.netto));
    x.writeEndElement();

    x.writeStartElement(QStringLiteral("SalarioMensile"));
    campo("Mese", QString::number(mese.mese));
    campo("Lordo", importo(mese.lordoImponibile));
    campo("Netto", importo(mese.netto));
    x.writeEndElement();

    x.writeStartElement(QStringLiteral("CertificatoSalario"));
    campo("AnnoValidita", QString::number(anno));
    campo("Cifra1_SalarioLordo", importo(c.cifra1));
    campo("Cifra8_TotaleLordo", importo(c.cifra8));
    campo("Cifra9_Contributi", importo(c.cifra9));
    campo("Cifra11_SalarioNetto", importo(c.cifra11));
    campo("ImpostaFonteMensile", importo(mese.impostaTrattenuta));
    campo("ImpostaFonteAnnuo", importo(s.imposta));
    x.writeEndElement();
}

} // namespace

QString GeneratoreELM::generaXML(const QString& idDipendente, const QString& idAzienda, double salarioMensile,
                                 int eta, const QString& cantone, const QString& tabella, int anno,
                                 const PagheAnno::Somme* cifre) const
{
    const DatiAzienda azienda = Azienda::carica(idAzienda);
    DatiDipendente d;
    const bool scheda = Dipendente::carica(idDipendente, d);
    if (scheda && d.tipoPaga != 1 && !(d.salarioMensile > 0) && salarioMensile > 0)
        d.salarioMensile = salarioMensile;
    // The year's figures, and the canton and tariff of the employee's own
    // withholding tax.
    const PagheAnno::Somme s = cifre ? *cifre
        : scheda                       ? PagheAnno::cifre(idDipendente, d, anno)
                                       : PagheAnno::cifre(idDipendente, anno);
    const QString cantoneImposta = scheda ? PagheAnno::cantone(d) : cantone;
    const QString tabellaImposta = scheda ? PagheAnno::tariffa(d) : tabella;
    const int etaAnno = scheda ? PagheAnno::eta(d, anno) : eta;

    QString testo;
    QXmlStreamWriter x(&testo);
    x.setAutoFormatting(true);
    x.setAutoFormattingIndent(4);
    x.writeStartDocument(QStringLiteral("1.0"));
    x.writeStartElement(QStringLiteral("ELM"));
    x.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    x.writeDefaultNamespace(QStringLiteral("urn:vardello:elm:semplificato:v1"));
    auto campo = [&x](const char* nome, const QString& valore) {
        x.writeTextElement(QLatin1String(nome), valore);
    };

    x.writeStartElement(QStringLiteral("Parametri"));
    campo("Eta", QString::number(etaAnno));
    campo("Cantone", cantoneImposta);
    campo("TabellaImposta", tabellaImposta);
    campo("Anno", QString::number(anno));
    campo("Stima", s.stima() ? QStringLiteral("true") : QStringLiteral("false"));
    campo("MesiConteggiati", QString::number(s.mesi));
    if (!s.conCifre())
        campo("Esclusione", PagheAnno::rigaEsclusione(PagheAnno::nome(idDipendente, d), s, anno));
    x.writeEndElement();

    x.writeStartElement(QStringLiteral("Azienda"));
    campo("RagioneSociale", azienda.ragioneSociale);
    campo("CAP", azienda.cap);
    campo("Localita", azienda.localita);
    campo("Nazione", azienda.nazione);
    x.writeEndElement();

    x.writeStartElement(QStringLiteral("Dipendente"));
    campo("Nome", d.nome);
    campo("Cognome", d.cognome);
    campo("DataNascita", d.dataNascita);
    campo("Sesso", d.sesso);
    campo("StatoCivile", d.statoCivile);
    campo("Nazionalita", d.nazionalita);
    campo("Indirizzo", d.indirizzo);
    campo("CAP", d.cap);
    campo("Localita", d.localita);
    campo("Cantone", d.cantone);
    campo("NumeroAVS", d.numeroAVS);
    campo("PermessoLavoro", d.permessoLavoro);
    campo("DataAssunzione", Dipendente::dataAssunzione(d));
    // Only an employment that ended in the year has an exit date.
    const QString uscita = Dipendente::dataUscita(d, anno);
    if (!uscita.isEmpty())
        campo("DataUscita", uscita);
    campo("TipoContratto", d.tipoContratto);
    campo("MensilitaAggiuntive", QString::number(d.mensilitaAggiuntive));
    x.writeEndElement();

    x.writeStartElement(QStringLiteral("Pagamento"));
    campo("Modalita", d.modalitaPagamento);
    campo("IBAN", d.iban);
    campo("Intestatario", d.intestatarioConto);
    campo("Banca", d.banca);
    campo("BICSWIFT", d.bicSwift);
    campo("BancaEstera", d.bancaEstera ? QStringLiteral("true") : QStringLiteral("false"));
    x.writeEndElement();

    // An employee without figures (named with the reason above) has none
    // written, not even a tax of 0.
    if (s.conCifre())
        scriviCifre(x, s, CertificatoAnnuo::daCifre(idDipendente, anno, s), anno);

    x.writeEndElement(); // ELM
    x.writeEndDocument();
    return testo;
}

bool GeneratoreELM::salvaSuFile(const QString& percorso, const QString& idDipendente, const QString& idAzienda,
                                double salarioMensile, int eta, const QString& cantone, const QString& tabella,
                                int anno, const PagheAnno::Somme* cifre) const
{
    return FileSicuri::scrivi(
        percorso, generaXML(idDipendente, idAzienda, salarioMensile, eta, cantone, tabella, anno, cifre).toUtf8());
}
