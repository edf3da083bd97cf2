#include "chiusuraannualedialog.h"

#include "azienda.h"
#include "chiusuraannuale.h"
#include "filesicuri.h"
#include "messaggi.h"
#include "orologio.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace {

const QString kOperatore = QStringLiteral("Amministratore");

} // namespace

ChiusuraAnnualeDialog::ChiusuraAnnualeDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ChiusuraAnnualeDialog"));
    setWindowTitle(tr("Chiusura esercizio / Blocco annuale"));
    setMinimumSize(720, 520);

    auto* spiegazione = new QLabel(
        tr("La chiusura dell'esercizio sigilla le buste paga, le variabili mensili e le aliquote dell'anno "
           "selezionato con impronta crittografica SHA-256, impedendo modifiche retroattive. La consultazione e la "
           "stampa di cedolini, certificati di salario e riepiloghi restano sempre disponibili."),
        this);
    spiegazione->setWordWrap(true);

    comboAnno = new QComboBox(this);
    comboAnno->setObjectName(QStringLiteral("anno"));
    etichettaStato = new QLabel(this);
    etichettaStato->setObjectName(QStringLiteral("stato"));
    etichettaStato->setTextFormat(Qt::RichText);
    etichettaIntegrita = new QLabel(this);
    etichettaIntegrita->setObjectName(QStringLiteral("integrita"));
    etichettaIntegrita->setTextFormat(Qt::RichText);
    etichettaIntegrita->setWordWrap(true);
    etichettaSigillo = new QLabel(this);
    etichettaSigillo->setObjectName(QStringLiteral("sigillo"));
    etichettaSigillo->setTextFormat(Qt::PlainText);
    etichettaSigillo->setWordWrap(true);
    etichettaSigillo->setMinimumHeight(46);
    etichettaSigillo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    editNote = new QLineEdit(this);
    editNote->setObjectName(QStringLiteral("note"));
    editNote->setPlaceholderText(tr("Es. Chiusura definitiva post-revisione e invio certificati di salario"));

    auto* gruppo = new QGroupBox(tr("Stato e sigillo dell'esercizio contabile"), this);
    auto* modulo = new QFormLayout(gruppo);
    modulo->addRow(tr("Esercizio (Anno):"), comboAnno);
    modulo->addRow(tr("Stato attuale:"), etichettaStato);
    modulo->addRow(tr("Verifica integrità:"), etichettaIntegrita);
    modulo->addRow(tr("Dettagli sigillo:"), etichettaSigillo);
    modulo->addRow(tr("Note di chiusura:"), editNote);

    pulsanteChiudi = new QPushButton(tr("Chiudi e blocca esercizio"), this);
    pulsanteChiudi->setObjectName(QStringLiteral("chiudiEsercizio"));
    pulsanteChiudi->setStyleSheet(QStringLiteral("font-weight: bold; padding: 6px 14px;"));
    pulsanteRiapri = new QPushButton(tr("Sblocco straordinario..."), this);
    pulsanteRiapri->setObjectName(QStringLiteral("sblocco"));
    auto* pulsanteFine = new QPushButton(tr("Chiudi finestra"), this);
    pulsanteFine->setObjectName(QStringLiteral("chiudiFinestra"));
    for (QPushButton* p : findChildren<QPushButton*>())
        p->setAutoDefault(false);

    auto* rigaPulsanti = new QHBoxLayout;
    rigaPulsanti->addWidget(pulsanteChiudi);
    rigaPulsanti->addWidget(pulsanteRiapri);
    rigaPulsanti->addStretch();
    rigaPulsanti->addWidget(pulsanteFine);

    vistaLog = new QPlainTextEdit(this);
    vistaLog->setObjectName(QStringLiteral("logAudit"));
    vistaLog->setReadOnly(true);
    vistaLog->setMaximumHeight(160);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(spiegazione);
    layout->addWidget(gruppo);
    layout->addLayout(rigaPulsanti);
    layout->addWidget(new QLabel(tr("Registro storico chiusure e sblocchi (Audit Log):"), this));
    layout->addWidget(vistaLog);

    popolaAnni();

    connect(comboAnno, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ChiusuraAnnualeDialog::aggiornaVistaAnno);
    connect(pulsanteChiudi, &QPushButton::clicked, this, &ChiusuraAnnualeDialog::eseguiChiusura);
    connect(pulsanteRiapri, &QPushButton::clicked, this, &ChiusuraAnnualeDialog::eseguiRiapertura);
    connect(pulsanteFine, &QPushButton::clicked, this, &QDialog::accept);

    aggiornaVistaAnno();
    caricaLogAudit();
}

ChiusuraAnnualeDialog::~ChiusuraAnnualeDialog() = default;

int ChiusuraAnnualeDialog::annoScelto() const
{
    return comboAnno->currentData().toInt();
}

void ChiusuraAnnualeDialog::popolaAnni()
{
    comboAnno->clear();
    const int oggi = Orologio::oggi().year();
    QList<int> anni;
    for (int a = oggi - 4; a <= oggi + 1; ++a)
        anni.append(a);

    const QDir cartella(ChiusuraAnnuale::cartellaChiusure());
    const QFileInfoList stati = cartella.entryInfoList({QStringLiteral("*.ini")}, QDir::Files);
    for (const QFileInfo& f : stati) {
        bool numero = false;
        const int a = f.completeBaseName().toInt(&numero);
        if (numero && !anni.contains(a))
            anni.append(a);
    }
    std::sort(anni.begin(), anni.end(), std::greater<int>());
    for (int a : qAsConst(anni))
        comboAnno->addItem(QString::number(a), a);
    comboAnno->setCurrentIndex(comboAnno->findData(oggi));
}

void ChiusuraAnnualeDialog::aggiornaVistaAnno()
{
    const int anno = annoScelto();
    const StatoEsercizio stato = ChiusuraAnnuale::statoAnno(anno);
    int conteggio = 0;
    const QString attuale = ChiusuraAnnuale::calcolaImprontaAnno(anno, &conteggio);

    pulsanteChiudi->setEnabled(!stato.chiuso && stato.errore.isEmpty());
    pulsanteRiapri->setEnabled(stato.chiuso && stato.errore.isEmpty());
    if (!stato.errore.isEmpty()) {
        // A damaged state file locks the year: it is neither closed nor
        // reopened over it.
        etichettaStato->setText(tr("<b style='color:#B00020;'>FILE DI STATO DANNEGGIATO: esercizio bloccato</b>"));
        editNote->setText(stato.note);
        editNote->setReadOnly(true);
        etichettaIntegrita->setText(ChiusuraAnnuale::danneggiato(stato).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
        etichettaSigillo->setText(tr("Impronta attuale:\nSHA-256: %1").arg(attuale));
    } else if (stato.chiuso) {
        etichettaStato->setText(tr("<b style='color:#B00020;'>CHIUSO E BLOCCATO (Sola lettura)</b>"));
        editNote->setText(stato.note);
        editNote->setReadOnly(true);
        if (ChiusuraAnnuale::sigilloIntegro(stato, attuale))
            etichettaIntegrita->setText(
                tr("<b style='color:#1B5E20;'>INTEGRITÀ VERIFICATA (SHA-256 corrispondente)</b>"));
        else
            etichettaIntegrita->setText(
                tr("<b style='color:#B00020;'>ATTENZIONE: I file su disco differiscono dall'impronta sigillata!</b>"));
        etichettaSigillo->setText(tr("Chiuso il: %1 | Operatore: %2 | File sigillati: %3\nSHA-256: %4")
                                      .arg(stato.dataChiusura, stato.operatore,
                                           QString::number(stato.fileSigillati), stato.sha256));
    } else {
        etichettaStato->setText(tr("<b style='color:#1B5E20;'>APERTO (Modificabile)</b>"));
        editNote->clear();
        editNote->setReadOnly(false);
        etichettaIntegrita->setText(tr("Esercizio in corso (%1 file annuali rilevati).").arg(conteggio));
        etichettaSigillo->setText(tr("Impronta attuale non sigillata:\nSHA-256: %1").arg(attuale));
    }
}

void ChiusuraAnnualeDialog::caricaLogAudit()
{
    QByteArray contenuto;
    if (!FileSicuri::leggi(ChiusuraAnnuale::percorsoAudit(), &contenuto)) {
        vistaLog->setPlainText(tr("Nessuna operazione registrata finora."));
        return;
    }
    // The log is written in UTF-8: notes and reasons show as typed.
    vistaLog->setPlainText(QString::fromUtf8(contenuto));
}

void ChiusuraAnnualeDialog::eseguiChiusura()
{
    const int anno = annoScelto();
    const QString a = QString::number(anno);
    // The seal and the lock hold for the whole data folder: the question
    // names every company whose year it closes.
    QStringList aziende;
    for (const QString& nomeFile : Azienda::elencoAziende()) {
        const QString nome = Azienda::carica(nomeFile).ragioneSociale.trimmed();
        aziende.append(nome.isEmpty() ? QFileInfo(nomeFile).completeBaseName() : nome);
    }
    QString domanda = tr("Vuoi davvero chiudere e bloccare definitivamente l'esercizio %1?\n\nDopo la chiusura "
                         "non sarà più possibile modificare buste paga, variabili mensili o aliquote per "
                         "l'anno %1.")
                          .arg(a);
    if (!aziende.isEmpty())
        domanda += QStringLiteral("\n\n")
            + tr("Il sigillo e il blocco valgono per tutte le aziende della cartella dati. Saranno sigillati i "
                 "file dell'anno %1 di: %2.")
                  .arg(a, aziende.join(QStringLiteral(", ")));
    if (!Messaggi::conferma(this, tr("Conferma chiusura esercizio %1").arg(a), domanda))
        return;
    QString errore;
    if (!ChiusuraAnnuale::chiudiAnno(anno, kOperatore, editNote->text(), &errore)) {
        Messaggi::avviso(this, tr("Errore chiusura"), errore);
        return;
    }
    Messaggi::informazione(this, tr("Esercizio chiuso"),
                           tr("L'esercizio %1 è stato chiuso e sigillato con successo.").arg(a));
    aggiornaVistaAnno();
    caricaLogAudit();
}

void ChiusuraAnnualeDialog::eseguiRiapertura()
{
    const int anno = annoScelto();
    const QString a = QString::number(anno);
    QInputDialog chiedi(this);
    chiedi.setObjectName(QStringLiteral("motivazione"));
    chiedi.setWindowTitle(tr("Sblocco straordinario esercizio %1").arg(a));
    chiedi.setLabelText(tr("La riapertura verrà registrata in modo permanente nel registro di audit.\n"
                           "Inserisci la motivazione obbligatoria:"));
    chiedi.setInputMode(QInputDialog::TextInput);
    chiedi.setTextEchoMode(QLineEdit::Normal);
    chiedi.setTextValue(QString());
    chiedi.setOkButtonText(tr("OK"));
    chiedi.setCancelButtonText(tr("Annulla"));
    if (chiedi.exec() != QDialog::Accepted)
        return;
    QString errore;
    if (!ChiusuraAnnuale::riapriAnno(anno, kOperatore, chiedi.textValue(), &errore)) {
        Messaggi::avviso(this, tr("Sblocco non consentito"), errore);
        return;
    }
    Messaggi::informazione(this, tr("Esercizio riaperto"),
                           tr("L'esercizio %1 è stato riaperto e registrato nel log.").arg(a));
    aggiornaVistaAnno();
    caricaLogAudit();
}
