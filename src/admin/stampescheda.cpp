#include "stampescheda.h"

#include "anteprimastampa.h"
#include "azienda.h"
#include "calcolopaga.h"
#include "config.h"
#include "datoteca.h"
#include "dialoganno.h"
#include "documentichiusura.h"
#include "dipendente.h"
#include "linguautente.h"
#include "messaggi.h"
#include "orologio.h"
#include "scegliconteggio.h"
#include "storicopaghe.h"
#include "variabilimensili.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>


namespace {

QString base(const QString& id)
{
    return QFileInfo(id).completeBaseName();
}

// The current company's record; defaults when none is chosen or readable.
DatiAzienda aziendaCorrente()
{
    const QString nome = Config::aziendaCorrente();
    return nome.isEmpty() ? DatiAzienda() : Azienda::carica(nome);
}

// Says what stands against the figures a printout takes from the pay
// history: damage of the year's file (file and line) or, for a slip, the
// refusal of the month's last closing. The printout still shows what was read.
void avvisaStorico(QWidget* scheda, const QString& titolo, const QString& motivo)
{
    if (!motivo.isEmpty())
        Messaggi::avviso(scheda, titolo,
                         StampeScheda::tr("Stampa da verificare: lo storico paghe non si e' letto del tutto o il mese "
                                          "non e' il conteggio attuale.") + QLatin1Char('\n')
                             + motivo);
}

// The year's saved pay counts for the yearly summary, and what stands
// against them: the damage of the year's file and the months the last
// closing refused. A refused month was not paid: it is left out of
// `paghe`, and named in `esclusi` for the page.
QString caricaRiepilogo(const QString& id, int anno, QList<StoricoPaghe::PagaMese>* paghe, QStringList* esclusi)
{
    QString motivo;
    StoricoPaghe::caricaAnno(id, anno, *paghe, &motivo);
    QSet<int> rifiutati;
    *esclusi = DocumentiChiusura::mesiRifiutati(id, anno, *paghe, &rifiutati);
    paghe->erase(std::remove_if(paghe->begin(), paghe->end(),
                                [&rifiutati](const StoricoPaghe::PagaMese& p) { return rifiutati.contains(p.mese); }),
                 paghe->end());
    if (!esclusi->isEmpty())
        motivo += (motivo.isEmpty() ? QString() : QStringLiteral("\n"))
            + StampeScheda::tr("Mesi che l'ultima chiusura non ha potuto conteggiare, non pagati e esclusi dai "
                               "totali:")
            + QLatin1Char('\n') + esclusi->join(QLatin1Char('\n'));
    return motivo;
}

} // namespace

QString StampeScheda::intestazioneMese(int mese, int anno)
{
    // No month (0) shows no name; a number that is no month shows itself.
    return LinguaUtente::meseAnno(mese, anno);
}

QString StampeScheda::luogoData()
{
    return QStringLiteral("Lugano, ") + LinguaUtente::data(Orologio::oggi());
}

QString StampeScheda::nomeFilePaga(const QString& id, int anno, int mese)
{
    return Orologio::oggi().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("_paga_") + base(id)
        + QLatin1Char('_') + QString::number(anno) + QLatin1Char('_') + QString::number(mese) + QStringLiteral(".pdf");
}

QString StampeScheda::nomeFileVariabili(const QString& id, int anno, bool riepilogo)
{
    return Orologio::oggi().toString(QStringLiteral("yyyy-MM-dd"))
        + (riepilogo ? QStringLiteral("_riepilogo_") : QStringLiteral("_variabili_")) + base(id) + QLatin1Char('_')
        + QString::number(anno) + QStringLiteral(".pdf");
}

FoglioPaga StampeScheda::foglioPaga(const QString& id, int anno, int mese)
{
    StoricoPaghe::PagaMese paga; // a month not saved shows zeros
    StoricoPaghe::caricaMese(QFileInfo(id).fileName(), anno, mese, &paga);
    return foglioPaga(id, anno, mese, paga);
}

FoglioPaga StampeScheda::foglioPaga(const QString& id, int anno, int mese, const StoricoPaghe::PagaMese& paga)
{
    FoglioPaga f;
    DatiDipendente dip;
    Dipendente::carica(id, dip);
    // The same lines as the slips of the monthly closing.
    DocumentiChiusura::righePaga(paga, dip, anno, &f);
    f.comunicazioni = paga.comunicazioni.trimmed();

    f.dipendente = dip.nome + QLatin1Char(' ') + dip.cognome;
    f.dipendenteIndirizzo = dip.indirizzo;
    f.dipendenteLocalita = dip.cap + QLatin1Char(' ') + dip.localita;
    f.dataNascita = dip.dataNascita;
    f.numeroAVS = dip.numeroAVS;
    if (!dip.periodi.isEmpty()) {
        f.dataEntrata = dip.periodi.first().entrata;
        f.dataUscita = dip.periodi.first().uscita;
    }
    f.banca = dip.banca;
    f.iban = dip.iban;

    const DatiAzienda azienda = aziendaCorrente();
    f.azienda = azienda.ragioneSociale;
    f.aziendaIndirizzo = azienda.indirizzo;
    f.aziendaLocalita = azienda.cap + QLatin1Char(' ') + azienda.localita;

    f.mese = intestazioneMese(mese, anno);
    f.luogoData = luogoData();

    f.impostaVacanze(id, dip, anno, mese);
    return f;
}

void StampeScheda::stampaFoglioPaga(QWidget* scheda, const QString& id)
{
    // The card may pass the record's full path: the pay history knows the file name.
    ScegliConteggio scelta(QFileInfo(id).fileName(), scheda);
    if (scelta.exec() != QDialog::Accepted)
        return;
    const int anno = scelta.annoSelezionato();
    const int mese = scelta.meseSelezionato();
    // Confirming an empty chooser chooses nothing.
    if (anno <= 0 || mese <= 0)
        return;
    // A month the last closing refused was not paid: its slip would show
    // the amount saved before as paid into the account. Refusals that do
    // not read cleanly cannot tell, so no slip either.
    const QString rifiuto = DocumentiChiusura::rifiutoDelMese(QFileInfo(id).fileName(), anno, mese);
    if (!rifiuto.isEmpty()) {
        Messaggi::avviso(scheda, tr("Foglio paga"),
                         tr("%1 non e' stato pagato: l'ultima chiusura del mese non ha potuto conteggiarlo.\n%2\n\n"
                            "Il foglio paga si stampa quando una chiusura conteggia di nuovo il mese.")
                             .arg(intestazioneMese(mese, anno), rifiuto));
        return;
    }
    // The year's pay history read once, for the warning and the slip.
    QList<StoricoPaghe::PagaMese> mesi;
    QString danno;
    StoricoPaghe::caricaAnno(QFileInfo(id).fileName(), anno, mesi, &danno);
    avvisaStorico(scheda, tr("Foglio paga"), DocumentiChiusura::storicoDanneggiato(danno));
    // A month group without a net (written by hand) is no saved count: a
    // slip of zeros would look like one.
    const StoricoPaghe::PagaMese* paga = StoricoPaghe::trovaMese(mesi, mese);
    if (!paga || !paga->conNetto) {
        Messaggi::informazione(scheda, tr("Foglio paga"),
                               tr("Nessun conteggio salvato per %1.").arg(intestazioneMese(mese, anno)));
        return;
    }

    const FoglioPaga foglio = foglioPaga(id, anno, mese, *paga);
    AnteprimaStampa anteprima(scheda, tr("Anteprima foglio paga"),
                              [foglio](QPrinter& printer) { foglio.disegnaSu(printer); });
    anteprima.nomeFilePredefinito = nomeFilePaga(id, anno, mese);
    anteprima.cartellaPredefinita = QDir::homePath();
    anteprima.exec();
}

void StampeScheda::stampaVariabili(QWidget* scheda, const QString& id, bool riepilogo)
{
    DialogAnno dialogo(scheda, riepilogo ? tr("Riepilogo annuale") : tr("Stampa variabili mese"),
                       Orologio::oggi().year(), 2000, 2100);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    const int anno = dialogo.anno();

    DatiDipendente dip;
    Dipendente::carica(id, dip);
    const QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(id, anno);
    const QString azienda = aziendaCorrente().ragioneSociale;
    QString dipendente = base(id);
    dipendente.replace(QLatin1Char('_'), QLatin1Char(' '));
    const QString data = luogoData();
    const bool orario = dip.tipoPaga == 1;
    // The yearly summary adds the year's totals of the saved pay counts.
    QList<StoricoPaghe::PagaMese> paghe;
    QStringList esclusi;
    if (riepilogo)
        avvisaStorico(scheda, tr("Riepilogo annuale"),
                      caricaRiepilogo(QFileInfo(id).fileName(), anno, &paghe, &esclusi));

    AnteprimaStampa anteprima(scheda, riepilogo ? tr("Anteprima riepilogo annuale") : tr("Anteprima variabili mese"),
                              [=](QPrinter& printer) {
                                  if (riepilogo)
                                      FoglioPaga::disegnaRiepilogoAnnualeSu(printer, azienda, dipendente, anno, data,
                                                                            orario, mesi, paghe, esclusi);
                                  else
                                      FoglioPaga::disegnaVariabiliRealiSu(printer, azienda, dipendente, anno, data,
                                                                          orario, mesi);
                              });
    anteprima.nomeFilePredefinito = nomeFileVariabili(id, anno, riepilogo);
    anteprima.cartellaPredefinita = QDir::homePath();
    anteprima.exec();
}
