#include "documentiannuali.h"

#include "chiusuraannuale.h"

#include "calcolopaga.h"
#include "certificato.h"
#include "certificatoannuo.h"
#include "conteggiocaf.h"
#include "dialoganno.h"
#include "dialogofile.h"
#include "esportapdf.h"
#include "filesicuri.h"
#include "formularioassegni.h"
#include "generatoreelm.h"
#include "messaggi.h"
#include "orologio.h"
#include "pagheanno.h"
#include "rss.h"
#include "sceglidipendente.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QInputDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace DocumentiAnnuali {

namespace {

QString tr(const char* testo)
{
    return QCoreApplication::translate("DocumentiAnnuali", testo);
}

QString base(const QString& id)
{
    return id.endsWith(QLatin1String(".txt")) ? id.left(id.size() - 4) : id;
}

// The employees ticked in the chooser, whose `istruzioni` name the
// document; empty when cancelled.
QStringList scegliDipendenti(QWidget* parent, const QString& istruzioni)
{
    ScegliDipendente scelta(parent, false, true, istruzioni);
    if (scelta.exec() != QDialog::Accepted)
        return {};
    return scelta.idsSelezionati();
}

// The final message: information when every file was written, else a
// warning naming the files that were not.
void rapporto(QWidget* parent, const QString& titolo, const QString& testo, const QStringList& falliti)
{
    if (falliti.isEmpty()) {
        Messaggi::informazione(parent, titolo, testo);
        return;
    }
    Messaggi::avviso(parent, tr("Errore"),
                     testo + QLatin1Char('\n') + tr("Impossibile scrivere:\n%1").arg(falliti.join(QLatin1Char('\n'))));
}

// Some of the files exist already: "Sovrascrivi tutti" (Yes), "Chiedi uno
// per uno" (No) or "Annulla" (Cancel, also when the box is closed).
QMessageBox::StandardButton chiediSovrascrittura(QWidget* parent, const QString& titolo, const QString& testo)
{
    return Messaggi::scelta(parent, titolo, testo,
                            {{QMessageBox::Yes, tr("Sovrascrivi tutti")},
                             {QMessageBox::No, tr("Chiedi uno per uno")},
                             {QMessageBox::Cancel, tr("Annulla")}},
                            QMessageBox::Question);
}

// The report's text followed by one line for each employee left out.
QString conEsclusi(const QString& testo, const QStringList& esclusi)
{
    return esclusi.isEmpty() ? testo : testo + QLatin1Char('\n') + esclusi.join(QLatin1Char('\n'));
}

void avvisoScheda(QWidget* parent)
{
    Messaggi::avviso(parent, tr("Errore"), tr("Impossibile leggere la scheda del dipendente."));
}

// An HTML document of the company for the year: target asked, file written,
// outcome shown.
void esportaHtml(QWidget* parent, const QString& titolo, const QString& nome,
                 bool (*esporta)(const QString&, int))
{
    const int anno = chiediAnno(parent);
    if (anno == 0)
        return;
    const QString percorso =
        DialogoFile::salva(parent, titolo, QDir::homePath() + QLatin1Char('/') + nome, QStringLiteral("HTML (*.html)"));
    if (percorso.isEmpty())
        return;
    if (esporta(percorso, anno))
        Messaggi::informazione(parent, QObject::tr("Esportato"), QObject::tr("HTML salvato in:\n") + percorso);
    else
        Messaggi::avviso(parent, QObject::tr("Errore"), QObject::tr("Impossibile salvare il file.") + QLatin1Char('\n')
                                                         + percorso);
}

} // namespace

int chiediAnno(QWidget* parent)
{
    const QDate oggi = Orologio::oggi();
    const int proposto = oggi.month() <= 3 ? oggi.year() - 1 : oggi.year();
    DialogAnno dialogo(parent, tr("Anno dei documenti"), proposto, 2000, 2100);
    dialogo.setObjectName(QStringLiteral("annoDocumenti"));
    return dialogo.exec() == QDialog::Accepted ? dialogo.anno() : 0;
}

QMap<QString, QString> scegliDestinazioni(QWidget* parent, const QStringList& ids, const QString& titoloSalva,
                                          const QString& titoloCartella, const QString& filtro,
                                          const QString& suffisso)
{
    QMap<QString, QString> mappa;
    if (ids.size() == 1) {
        const QString percorso = DialogoFile::salva(
            parent, titoloSalva, QDir::homePath() + QLatin1Char('/') + base(ids.first()) + suffisso, filtro);
        if (!percorso.isEmpty())
            mappa.insert(ids.first(), percorso);
        return mappa;
    }
    const QString cartella = DialogoFile::cartella(parent, titoloCartella, QString());
    if (cartella.isEmpty())
        return mappa;

    QMap<QString, QString> destinazioni;
    int esistenti = 0;
    for (const QString& id : ids) {
        const QString nome = base(id) + suffisso;
        // An id that is no plain file name could write outside the folder.
        if (!FileSicuri::nomeSicuro(nome))
            continue;
        destinazioni.insert(id, cartella + QLatin1Char('/') + nome);
        if (QFileInfo::exists(destinazioni.value(id)))
            ++esistenti;
    }
    bool tutti = true;
    if (esistenti > 0) {
        const QMessageBox::StandardButton r = chiediSovrascrittura(
            parent, tr("File gia' presenti"),
            tr("Nella cartella esistono gia' %1 file su %2 selezionati.\nVuoi sovrascriverli tutti?")
                .arg(esistenti)
                .arg(ids.size()));
        if (r == QMessageBox::Yes)
            tutti = true;
        else if (r == QMessageBox::No)
            tutti = false;
        else
            return mappa;
    }
    for (const QString& id : ids) {
        if (!destinazioni.contains(id))
            continue;
        const QString percorso = destinazioni.value(id);
        if (!tutti && QFileInfo::exists(percorso)) {
            const QMessageBox::StandardButton r = Messaggi::domanda(
                parent, tr("Sovrascrivere file?"),
                tr("Il file %1 esiste gia'. Sovrascrivere?").arg(QFileInfo(percorso).fileName()),
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            if (r == QMessageBox::Cancel)
                return {};
            if (r != QMessageBox::Yes)
                continue;
        }
        mappa.insert(id, percorso);
    }
    return mappa;
}

bool completaSalarioEta(QWidget* parent, const DatiDipendente& d, int anno, double& salario, int& eta)
{
    const int calcolata = CalcoloPaga::etaDaDataNascita(d.dataNascita, anno);
    // Hourly pay is counted from the hours: it needs no monthly salary, and
    // only a record without a birth date (of an earlier year) lacks its age.
    const bool oraria = d.tipoPaga == 1;
    if (oraria ? calcolata >= 1 : calcolata > 14 && d.salarioMensile > 0) {
        salario = d.salarioMensile;
        eta = calcolata;
        return true;
    }
    // Asked for one employee of possibly many: each question names him.
    const QString chi = (d.nome.trimmed() + QLatin1Char(' ') + d.cognome.trimmed()).trimmed();
    Messaggi::informazione(parent, tr("Dati incompleti"),
                           oraria ? tr("La scheda di %1 e' incompleta: verra' richiesta l'eta.").arg(chi)
                                  : tr("La scheda di %1 e' incompleta: verranno richiesti salario ed eta.").arg(chi));
    double salarioDato = d.salarioMensile;
    if (!oraria) {
        QInputDialog chiediSalario(parent);
        chiediSalario.setObjectName(QStringLiteral("chiediSalario"));
        chiediSalario.setWindowTitle(tr("Salario"));
        chiediSalario.setLabelText(tr("Salario mensile lordo di %1 (CHF):").arg(chi));
        chiediSalario.setInputMode(QInputDialog::DoubleInput);
        chiediSalario.setDoubleRange(0, 100000);
        chiediSalario.setDoubleDecimals(2);
        chiediSalario.setDoubleValue(d.salarioMensile);
        chiediSalario.setOkButtonText(tr("OK"));
        chiediSalario.setCancelButtonText(tr("Annulla"));
        if (chiediSalario.exec() != QDialog::Accepted)
            return false;
        salarioDato = chiediSalario.doubleValue();
    }
    QInputDialog chiediEta(parent);
    chiediEta.setObjectName(QStringLiteral("chiediEta"));
    chiediEta.setWindowTitle(tr("Eta"));
    chiediEta.setLabelText(tr("Eta di %1:").arg(chi));
    chiediEta.setInputMode(QInputDialog::IntInput);
    chiediEta.setIntRange(15, 80);
    chiediEta.setIntStep(1);
    chiediEta.setIntValue(calcolata >= 15 ? calcolata : 40);
    chiediEta.setOkButtonText(tr("OK"));
    chiediEta.setCancelButtonText(tr("Annulla"));
    if (chiediEta.exec() != QDialog::Accepted)
        return false;
    salario = salarioDato;
    eta = chiediEta.intValue();
    return true;
}

void esportaCertificati(QWidget* parent)
{
    const QStringList ids = scegliDipendenti(
        parent, tr("Spunta i dipendenti di cui esportare il certificato di salario:"));
    if (ids.isEmpty())
        return;
    const int anno = chiediAnno(parent);
    if (anno == 0)
        return;
    // The certificates of a closed year are sealed like its pay history.
    QString chiuso;
    Certificato::DatiCertificato prova;
    prova.annoValidita = anno;
    if (ChiusuraAnnuale::isAnnoChiuso(anno) && !Certificato::salva(prova, &chiuso)) {
        Messaggi::avviso(parent, tr("Errore"), chiuso);
        return;
    }
    int esistenti = 0;
    for (const QString& id : ids) {
        Certificato::DatiCertificato c;
        c.idDipendente = id;
        c.annoValidita = anno;
        const QString percorso = Certificato::percorsoFile(c);
        if (!percorso.isEmpty() && QFileInfo::exists(percorso))
            ++esistenti;
    }
    bool tutti = true;
    if (esistenti > 0) {
        const QMessageBox::StandardButton r = chiediSovrascrittura(
            parent, tr("Certificati gia' presenti"),
            tr("Esistono gia' %1 certificati su %2 selezionati.\nVuoi sovrascriverli tutti?")
                .arg(esistenti)
                .arg(ids.size()));
        if (r == QMessageBox::No)
            tutti = false;
        else if (r != QMessageBox::Yes)
            return;
    }
    int salvati = 0;
    QStringList falliti;
    QStringList esclusi;
    QStringList notate; // saved, with months the latest closing refused
    for (const QString& id : ids) {
        DatiDipendente d;
        if (!Dipendente::carica(id, d)) {
            avvisoScheda(parent);
            return;
        }
        // No certificate without figures for the year.
        const PagheAnno::Somme cifre = PagheAnno::cifre(id, d, anno);
        if (!cifre.conCifre()) {
            esclusi << PagheAnno::rigaEsclusione(PagheAnno::nome(id, d), cifre, anno);
            continue;
        }
        const Certificato::DatiCertificato c = CertificatoAnnuo::daCifre(id, anno, cifre);
        const QString percorso = Certificato::percorsoFile(c);
        if (!tutti && !percorso.isEmpty() && QFileInfo::exists(percorso)) {
            const QMessageBox::StandardButton r = Messaggi::domanda(
                parent, tr("Sovrascrivere certificato?"),
                tr("Il certificato %1 esiste gia'. Sovrascrivere?").arg(QFileInfo(percorso).fileName()),
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            if (r == QMessageBox::Cancel)
                return;
            if (r != QMessageBox::Yes)
                continue;
        }
        QString motivo;
        if (Certificato::salva(c, &motivo)) {
            ++salvati;
            const QString rifiuti = PagheAnno::rigaRifiuti(PagheAnno::nome(id, d), cifre);
            if (!rifiuti.isEmpty())
                notate << rifiuti;
        } else {
            falliti.append(motivo.isEmpty() ? (percorso.isEmpty() ? id : percorso) : motivo);
        }
    }
    rapporto(parent, tr("Esportato"),
             conEsclusi(tr("Esportati %1 certificati di salario.").arg(salvati), notate + esclusi), falliti);
}

void esportaCertificatiPdf(QWidget* parent)
{
    if (Dipendente::elencoDipendenti(false).isEmpty()) {
        Messaggi::avviso(parent, tr("Nessun dipendente"), tr("Crea prima un dipendente."));
        return;
    }
    const QStringList ids = scegliDipendenti(
        parent, tr("Spunta i dipendenti di cui esportare il certificato di salario in PDF:"));
    if (ids.isEmpty())
        return;
    const int anno = chiediAnno(parent);
    if (anno == 0)
        return;
    const QMap<QString, QString> destinazioni =
        scegliDestinazioni(parent, ids, tr("Salva PDF"), tr("Cartella destinazione Certificati PDF"),
                           tr("PDF (*.pdf)"), QStringLiteral("_certificato_%1.pdf").arg(anno));
    if (destinazioni.isEmpty())
        return;
    int scritti = 0;
    QString ultimo;
    QStringList falliti;
    QStringList esclusi;
    for (auto it = destinazioni.cbegin(); it != destinazioni.cend(); ++it) {
        DatiDipendente d;
        if (!Dipendente::carica(it.key(), d)) {
            avvisoScheda(parent);
            return;
        }
        const PagheAnno::Somme cifre = PagheAnno::cifre(it.key(), d, anno);
        if (!cifre.conCifre()) {
            esclusi << PagheAnno::rigaEsclusione(PagheAnno::nome(it.key(), d), cifre, anno);
            continue;
        }
        if (EsportaPdf::salvaTestoPdf(it.value(), tr("Certificato di salario %1").arg(anno),
                                      CertificatoAnnuo::testoPdf(it.key(), d, anno, cifre))) {
            ++scritti;
            ultimo = it.value();
        } else {
            falliti.append(it.value());
        }
    }
    if (scritti == 0 && falliti.isEmpty() && esclusi.isEmpty())
        return;
    const QString testo = destinazioni.size() == 1 && scritti == 1
        ? tr("PDF salvato in:\n") + ultimo
        : tr("Esportati %1 certificati PDF.").arg(scritti);
    rapporto(parent, tr("Esportato"), conEsclusi(testo, esclusi), falliti);
}

void esportaRss(QWidget* parent)
{
    const QStringList ids = scegliDipendenti(
        parent, tr("Spunta i dipendenti di cui esportare il rendiconto salari (RSS):"));
    if (ids.isEmpty())
        return;
    const int anno = chiediAnno(parent);
    if (anno == 0)
        return;
    QStringList testi;
    QStringList saltati;
    for (const QString& id : ids) {
        DatiDipendente d;
        if (!Dipendente::carica(id, d)) {
            saltati.append(tr("%1: scheda non leggibile").arg(Dipendente::nomeCognome(id)));
            continue;
        }
        double salario = 0;
        int eta = 0;
        // "Annulla" leaves out this employee only.
        if (!completaSalarioEta(parent, d, anno, salario, eta)) {
            saltati.append(tr("%1: salario ed eta non dati").arg(Dipendente::nomeCognome(id)));
            continue;
        }
        testi.append(RSS::formattaTesto(
            RSS::genera(id, salario, eta, PagheAnno::cantone(d), PagheAnno::tariffa(d), anno)));
    }
    if (!saltati.isEmpty())
        Messaggi::avviso(parent, tr("Rendiconto salari"),
                         tr("Senza rendiconto:\n%1").arg(saltati.join(QLatin1Char('\n'))));
    if (testi.isEmpty())
        return;
    QDialog finestra(parent);
    finestra.setObjectName(QStringLiteral("rendicontoSalari"));
    finestra.setWindowTitle(tr("Rendiconto Salari"));
    finestra.resize(520, 440);
    auto* layout = new QVBoxLayout(&finestra);
    auto* testo = new QPlainTextEdit(&finestra);
    testo->setObjectName(QStringLiteral("testo"));
    testo->setReadOnly(true);
    testo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)); // the amounts stand in a column
    testo->setPlainText(testi.join(QLatin1Char('\n') + QString(40, QLatin1Char('-')) + QLatin1Char('\n')));
    layout->addWidget(testo);
    auto* ok = new QPushButton(tr("OK"), &finestra);
    ok->setObjectName(QStringLiteral("ok"));
    QObject::connect(ok, &QPushButton::clicked, &finestra, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
    finestra.exec();
}

void esportaRssPdf(QWidget* parent)
{
    const QStringList ids = scegliDipendenti(
        parent, tr("Spunta i dipendenti di cui esportare il rendiconto salari (RSS) in PDF:"));
    if (ids.isEmpty())
        return;
    const int anno = chiediAnno(parent);
    if (anno == 0)
        return;
    const QMap<QString, QString> destinazioni = scegliDestinazioni(
        parent, ids, tr("Salva RSS PDF"), tr("Cartella destinazione RSS PDF"), tr("PDF (*.pdf)"),
        QStringLiteral("_rss_") + Orologio::oggi().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".pdf"));
    if (destinazioni.isEmpty())
        return;
    int scritti = 0;
    QStringList falliti;
    QStringList esclusi;
    QStringList saltati;
    for (auto it = destinazioni.cbegin(); it != destinazioni.cend(); ++it) {
        DatiDipendente d;
        if (!Dipendente::carica(it.key(), d)) {
            saltati.append(tr("%1: scheda non leggibile").arg(Dipendente::nomeCognome(it.key())));
            continue;
        }
        double salario = 0;
        int eta = 0;
        // "Annulla" leaves out this employee only.
        if (!completaSalarioEta(parent, d, anno, salario, eta)) {
            saltati.append(tr("%1: salario ed eta non dati").arg(Dipendente::nomeCognome(it.key())));
            continue;
        }
        const RSS::Rendiconto r = RSS::genera(it.key(), salario, eta, PagheAnno::cantone(d), PagheAnno::tariffa(d), anno);
        if (!r.esclusione.isEmpty()) {
            esclusi << r.esclusione;
            continue;
        }
        if (EsportaPdf::salvaTestoPdf(it.value(), tr("Rendiconto Salari %1").arg(anno), RSS::formattaTesto(r)))
            ++scritti;
        else
            falliti.append(it.value());
    }
    QString esito = conEsclusi(tr("Esportati %1 PDF RSS.").arg(scritti), esclusi);
    if (!saltati.isEmpty())
        esito += QLatin1Char('\n') + tr("Senza rendiconto:\n%1").arg(saltati.join(QLatin1Char('\n')));
    if (!saltati.isEmpty() && falliti.isEmpty())
        Messaggi::avviso(parent, tr("Esportato"), esito);
    else
        rapporto(parent, tr("Esportato"), esito, falliti);
}

void esportaXmlElm(QWidget* parent, const QString& azienda)
{
    const QStringList ids = scegliDipendenti(
        parent, tr("Spunta i dipendenti da esportare in XML ELM:"));
    if (ids.isEmpty())
        return;
    const int anno = chiediAnno(parent);
    if (anno == 0)
        return;
    const QMap<QString, QString> destinazioni = scegliDestinazioni(
        parent, ids, tr("Salva XML ELM"), tr("Cartella destinazione XML ELM"), tr("XML (*.xml)"), QStringLiteral(".xml"));
    if (destinazioni.isEmpty())
        return;
    int scritti = 0;
    QStringList falliti;
    QStringList esclusi;
    const GeneratoreELM generatore;
    for (auto it = destinazioni.cbegin(); it != destinazioni.cend(); ++it) {
        DatiDipendente d;
        if (!Dipendente::carica(it.key(), d)) {
            falliti.append(it.value());
            continue;
        }
        const PagheAnno::Somme cifre = PagheAnno::cifre(it.key(), d, anno);
        if (!cifre.conCifre()) {
            esclusi << PagheAnno::rigaEsclusione(PagheAnno::nome(it.key(), d), cifre, anno);
            continue;
        }
        if (generatore.salvaSuFile(it.value(), it.key(), azienda, d.salarioMensile, PagheAnno::eta(d, anno),
                                   PagheAnno::cantone(d), PagheAnno::tariffa(d), anno, &cifre))
            ++scritti;
        else
            falliti.append(it.value());
    }
    rapporto(parent, tr("Esportato"), conEsclusi(tr("Esportati %1 file XML ELM.").arg(scritti), esclusi), falliti);
}

void esportaFormularioAssegni(QWidget* parent)
{
    esportaHtml(parent, QObject::tr("Salva formulario assegni"), QStringLiteral("formulario_assegni.html"),
                &FormularioAssegni::esportaHtml);
}

void esportaConteggioCaf(QWidget* parent)
{
    esportaHtml(parent, QObject::tr("Salva conteggio CAF"), QStringLiteral("conteggio_caf.html"),
                &ConteggioCAF::esportaHtml);
}

} // namespace DocumentiAnnuali
