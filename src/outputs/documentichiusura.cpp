#include "documentichiusura.h"

#include "azienda.h"
#include "calcolopaga.h"
#include "config.h"
#include "datoteca.h"
#include "dipendente.h"
#include "orologio.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace {

// The employee id less its extension: the name of the slip's file and the key
// of the holiday file.
QString base(const QString& id)
{
    return QFileInfo(id).completeBaseName();
}

void aggiungiVoce(FoglioPaga* f, const QString& descrizione, const QString& imponibile, const QString& aliquota,
                  double importo)
{
    f->deduzioni.append({descrizione, imponibile, aliquota, importo});
    f->totaleDeduzioni += importo;
}

} // namespace

QString DocumentiChiusura::formattaAliquota(double aliquota)
{
    return QString::number(aliquota, 'f', 4) + QLatin1Char('%');
}

bool DocumentiChiusura::foglioPaga(const QString& id, int anno, int mese, const QString& comunicazioni,
                                   FoglioPaga* foglio)
{
    StoricoPaghe::PagaMese paga;
    if (!StoricoPaghe::caricaMese(id, anno, mese, &paga))
        return false;

    FoglioPaga f;
    f.comunicazioni = comunicazioni.trimmed();
    if (f.comunicazioni.isEmpty())
        f.comunicazioni = paga.comunicazioni.trimmed();
    f.mese = FoglioPaga::nomeMese(mese, anno);
    f.luogoData = QStringLiteral("Lugano, ")
        + QLocale(QLocale::Italian).toString(Orologio::oggi(), QStringLiteral("d MMMM yyyy"));

    const double lordo = paga.lordoImponibile;
    const double netto = paga.netto;
    const double contributi = paga.contributiDipendente;
    const double lpp = paga.lppDipendente;
    const double imposta = paga.impostaTrattenuta;
    const double assegni = paga.assegniFamiliari;

    // The taxable salary without the family allowances.
    const double salario = std::max(lordo - assegni, 0.0);
    f.vociLorde.append({tr("Salario imponibile"), QString(), QString(), salario});
    if (assegni > 0)
        f.vociLorde.append({tr("Assegni familiari"), QString(), QString(), assegni});

    // The rates of the slip's year.
    Datoteca::carica(anno);
    const double rAVS = Datoteca::contributo(QStringLiteral("AVS")).aliquotaDipendente;
    const double rAD = Datoteca::contributo(QStringLiteral("AD")).aliquotaDipendente;
    const double rLAINF = Datoteca::contributo(QStringLiteral("LAINF")).aliquotaDipendente;
    const double avs = salario * rAVS / 100.0;
    const double ad = salario * rAD / 100.0;
    // The non-occupational accident premium is what the saved contributions
    // hold beyond the two computed here.
    const double inp = std::max(contributi - avs - ad, 0.0);
    const double rINP = salario > 0 ? inp * 100.0 / salario : rLAINF;

    DatiDipendente d;
    Dipendente::carica(id, d); // an unreadable record leaves its lines empty
    const int eta = CalcoloPaga::etaDaDataNascita(d.dataNascita, anno);
    const double rLPP = lpp > 0 ? Datoteca::aliquotaLPP(eta) : 0.0;
    const double rIF = lordo > 0 && imposta > 0 ? imposta * 100.0 / lordo : 0.0;

    const QString trattino = QStringLiteral("-");
    const QString testoSalario = FoglioPaga::testoImporto(salario);
    aggiungiVoce(&f, tr("AVS-AI-IPG"), testoSalario, formattaAliquota(rAVS), avs);
    aggiungiVoce(&f, tr("AD"), testoSalario, formattaAliquota(rAD), ad);
    aggiungiVoce(&f, tr("Infortuni non professionali"), inp > 0 ? testoSalario : FoglioPaga::testoImporto(0),
                 inp > 0 ? formattaAliquota(rINP) : trattino, inp);
    aggiungiVoce(&f, tr("Cassa pensione (LPP)"), QString(), rLPP > 0 ? formattaAliquota(rLPP) : QString(), lpp);
    aggiungiVoce(&f, tr("Imposte alla fonte"), imposta > 0 ? FoglioPaga::testoImporto(lordo) : FoglioPaga::testoImporto(0),
                 imposta > 0 ? formattaAliquota(rIF) : trattino, imposta);

    f.totaleLordo = lordo;
    f.importoVersato = netto;

    f.impostaVacanze(id, anno);

    f.dipendente = d.nome + QLatin1Char(' ') + d.cognome;
    f.dipendenteIndirizzo = d.indirizzo;
    f.dipendenteLocalita = d.cap + QLatin1Char(' ') + d.localita;
    f.banca = d.banca;
    f.iban = d.iban;

    const DatiAzienda azienda = Azienda::carica(Config::aziendaCorrente());
    f.azienda = azienda.ragioneSociale;
    f.aziendaIndirizzo = azienda.indirizzo;
    f.aziendaLocalita = azienda.cap + QLatin1Char(' ') + azienda.localita;

    *foglio = f;
    return true;
}

QString DocumentiChiusura::fileFoglio(const QString& cartella, const QString& id)
{
    return cartella + QLatin1Char('/') + Orologio::oggi().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('_')
        + base(id) + QStringLiteral(".pdf");
}

QDate DocumentiChiusura::dataEsecuzione(int anno, int mese, const QDate& oggi)
{
    const QDate venticinque(anno, mese, 25);
    return venticinque < oggi ? oggi.addDays(1) : venticinque;
}

QString DocumentiChiusura::causale(int anno, int mese)
{
    // Written into the payment file, so always in Italian whatever the
    // language of the interface.
    return QStringLiteral("Stipendio ") + FoglioPaga::nomeDelMese(mese) + QLatin1Char(' ') + QString::number(anno);
}

QList<Pain001::Pagamento> DocumentiChiusura::pagamenti(const QStringList& ids, int anno, int mese)
{
    const QString testo = causale(anno, mese);
    QList<Pain001::Pagamento> elenco;
    for (const QString& id : ids) {
        StoricoPaghe::PagaMese paga;
        if (!StoricoPaghe::caricaMese(id, anno, mese, &paga) || !(paga.netto > 0))
            continue;
        DatiDipendente d;
        Dipendente::carica(id, d); // an unreadable record has no IBAN
        // Paid in cash: a transfer would pay the salary twice.
        if (d.modalitaPagamento.trimmed().compare(QLatin1String("cash"), Qt::CaseInsensitive) == 0)
            continue;
        // A wrong IBAN would make the bank refuse the whole file.
        const QString iban = d.iban.trimmed();
        if (iban.isEmpty() || !Pain001::ibanValido(iban))
            continue;
        elenco.append({(d.nome + QLatin1Char(' ') + d.cognome).trimmed(), iban, paga.netto, testo});
    }
    return elenco;
}
