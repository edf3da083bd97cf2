#include "generatoreelm.h"

#include "azienda.h"
#include "calcolopaga.h"
#include "certificatoannuo.h"
#include "datoteca.h"
#include "dipendente.h"
#include "filesicuri.h"
#include "impostafonte.h"
#include "pagheanno.h"
#include "storicostipendi.h"

#include <QXmlStreamWriter>

namespace {

QString importo(double v)
{
    QString t = QString::number(v, 'f', 2);
    return t == QLatin1String("-0.00") ? QStringLiteral("0.00") : t;
}

} // namespace

QString GeneratoreELM::generaXML(const QString& idDipendente, const QString& idAzienda, double salarioMensile,
                                 int eta, const QString& cantone, const QString& tabella, int anno) const
{
    Datoteca::carica(anno);
    const DatiAzienda azienda = Azienda::carica(idAzienda);
    DatiDipendente d;
    Dipendente::carica(idDipendente, d);
    const double m = salarioMensile;

    // Annual figures.
    double lordo = 0, dip = 0, dat = 0, lpp = 0, imposta = 0, netto = 0, impostaMensile = 0;
    bool stima = false;
    const PagheAnno::Somme s = PagheAnno::somme(idDipendente, anno);
    if (s.mesi > 0) {
        lordo = s.lordo;
        dip = s.contributiDip;
        dat = s.contributiDat;
        lpp = s.lpp;
        imposta = s.imposta;
        netto = s.netto;
        impostaMensile = s.imposta / s.mesi;
    } else {
        stima = true;
        QVector<PeriodoStipendio> periodi;
        StoricoStipendi::carica(idDipendente, periodi);
        if (!periodi.isEmpty()) {
            const RisultatiPeriodo& r = periodi.last().ris;
            lordo = 12 * r.lordo;
            dip = 12 * r.totaleContributiDip;
            dat = 12 * r.totaleContributiDat;
            lpp = 12 * r.lpp;
            imposta = 12 * r.imposta;
            netto = 12 * r.netto;
            impostaMensile = r.imposta;
        } else {
            const RiepilogoAnnuo r = CalcoloPaga::riepilogoAnnuoConImposta(m, eta, cantone, tabella);
            lordo = r.lordo;
            dip = r.contributiDip;
            dat = r.contributiDat;
            lpp = CalcoloPaga::calcolaLPP(12 * m, eta);
            impostaMensile = ImpostaFonte::calcolaMensile(m, cantone, tabella);
            imposta = 12 * impostaMensile;
            netto = r.netto;
        }
    }
    // The certificate figures are those of the year's salary certificate.
    const Certificato::DatiCertificato c = CertificatoAnnuo::calcola(idDipendente, d, anno);
    const ContributiSociali contributi = CalcoloPaga::calcolaAVSAD(m);

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
    campo("Eta", QString::number(eta));
    campo("Cantone", cantone);
    campo("TabellaImposta", tabella);
    campo("Anno", QString::number(anno));
    campo("Stima", stima ? QStringLiteral("true") : QStringLiteral("false"));
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

    x.writeStartElement(QStringLiteral("Contributi"));
    const struct { const char* nome; double dip; double dat; } voci[] = {
        {"AVS", contributi.avsDip, contributi.avsDat},
        {"AD", contributi.adDip, contributi.adDat},
        {"CAF", contributi.cafDip, contributi.cafDat},
        {"LAINF", contributi.lainfDip, contributi.lainfDat},
    };
    for (const auto& v : voci) {
        x.writeStartElement(QLatin1String(v.nome));
        campo("Dipendente", importo(v.dip));
        campo("Datore", importo(v.dat));
        x.writeEndElement();
    }
    x.writeEndElement();

    x.writeStartElement(QStringLiteral("LPP"));
    campo("ContributoAnnuoDipendente", importo(lpp));
    campo("ContributoMensileDipendente", importo(lpp / 12.0));
    x.writeEndElement();

    x.writeStartElement(QStringLiteral("RiepilogoAnnuo"));
    campo("LordoAnnuo", importo(lordo));
    campo("ContributiDipendente", importo(dip));
    campo("ContributiDatore", importo(dat));
    campo("LPPAnnuo", importo(lpp));
    campo("ImpostaFonteAnnuo", importo(imposta));
    campo("NettoAnnuo", importo(netto));
    x.writeEndElement();

    x.writeStartElement(QStringLiteral("SalarioMensile"));
    campo("Lordo", importo(m));
    campo("Netto", importo(CalcoloPaga::calcolaNetto(m, eta)));
    x.writeEndElement();

    x.writeStartElement(QStringLiteral("CertificatoSalario"));
    campo("AnnoValidita", QString::number(anno));
    campo("Cifra1_SalarioLordo", importo(c.cifra1));
    campo("Cifra8_TotaleLordo", importo(c.cifra8));
    campo("Cifra9_Contributi", importo(c.cifra9));
    campo("Cifra11_SalarioNetto", importo(c.cifra11));
    campo("ImpostaFonteMensile", importo(impostaMensile));
    // The year's tax as in the annual summary (figure 12 when months are saved).
    campo("ImpostaFonteAnnuo", importo(imposta));
    x.writeEndElement();

    x.writeEndElement(); // ELM
    x.writeEndDocument();
    return testo;
}

bool GeneratoreELM::salvaSuFile(const QString& percorso, const QString& idDipendente, const QString& idAzienda,
                                double salarioMensile, int eta, const QString& cantone, const QString& tabella,
                                int anno) const
{
    return FileSicuri::scrivi(percorso,
                              generaXML(idDipendente, idAzienda, salarioMensile, eta, cantone, tabella, anno).toUtf8());
}
