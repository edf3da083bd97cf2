#include "gestioneazienda.h"

#include "bloccoindirizzo.h"
#include "config.h"
#include "filesicuri.h"
#include "linkaiuto.h"
#include "messaggi.h"
#include "modifichenonsalvate.h"
#include "nazioni.h"
#include "pain001.h"

#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

GestioneAzienda::GestioneAzienda(const QString& nomeFile, QWidget* parent)
    : QDialog(parent)
    , m_nomeFile(nomeFile)
{
    setObjectName(QStringLiteral("GestioneAzienda"));
    setWindowTitle(tr("Azienda"));
    setMinimumWidth(500);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    auto nuovoCampo = [this](const char* nome) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(nome));
        return e;
    };
    editRagioneSociale = nuovoCampo("ragioneSociale");
    form->addRow(tr("Ragione sociale"), editRagioneSociale);
    const BloccoIndirizzo::RigheIndirizzo righe =
        BloccoIndirizzo::creaRigheIndirizzo(BloccoIndirizzo::Modulo::GestioneAzienda, form, this);
    editIndirizzo = righe.indirizzo;
    editCap = righe.cap;
    editLocalita = righe.localita;
    editCantone = righe.cantone;
    QLabel* etichettaCantone = righe.etichettaCantone;
    comboNazione = BloccoIndirizzo::creaNazione(BloccoIndirizzo::Modulo::GestioneAzienda, this);
    form->addRow(tr("Nazione"), comboNazione);
    infortuni = new CampiInfortuni(this);
    layout->addWidget(infortuni->gruppo());

    layout->addStretch();
    auto* pulsanti = new QHBoxLayout;
    auto* btnElimina = new QPushButton(tr("Elimina"), this);
    btnElimina->setObjectName(QStringLiteral("elimina"));
    auto* btnSalva = new QPushButton(tr("Salva"), this);
    btnSalva->setObjectName(QStringLiteral("salva"));
    auto* btnChiudi = new QPushButton(tr("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("chiudi"));
    pulsanti->addWidget(btnElimina);
    pulsanti->addStretch();
    pulsanti->addWidget(btnSalva);
    pulsanti->addWidget(btnChiudi);
    layout->addLayout(pulsanti);
    layout->addLayout(LinkAiuto::riga(QStringLiteral("A01"), this));

    BloccoIndirizzo::Widget w;
    w.nazione = comboNazione;
    w.cap = editCap;
    w.localita = editLocalita;
    w.cantone = editCantone;
    w.form = form;
    w.soloSvizzera = {etichettaCantone, editCantone};
    blocco = new BloccoIndirizzo(BloccoIndirizzo::Modulo::GestioneAzienda, w, this, [this] { salvaDati(); });

    // What did read is shown; a file that did not read cleanly is never
    // saved over, and the user is told which lines are wrong.
    m_dati = Azienda::carica(m_nomeFile, &m_erroreLettura);
    if (!m_erroreLettura.isEmpty())
        QTimer::singleShot(0, this, [this] { Messaggi::avviso(this, tr("Azienda"), m_erroreLettura); });
    mostraDati();

    connect(comboNazione, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &GestioneAzienda::cambiaNazione);
    connect(editCap, &QLineEdit::textChanged, this, &GestioneAzienda::aggiornaDaCap);
    connect(editLocalita, &QLineEdit::editingFinished, this, &GestioneAzienda::aggiornaDaLocalita);
    connect(btnSalva, &QPushButton::clicked, this, &GestioneAzienda::salva);
    connect(btnElimina, &QPushButton::clicked, this, &GestioneAzienda::cancella);
    connect(btnChiudi, &QPushButton::clicked, this, &GestioneAzienda::chiudiConControllo);
    // Every input the save writes marks the form, except the block's own
    // fills of locality, postcode and canton: nothing typed is lost unasked.
    for (QLineEdit* e : {editRagioneSociale, editIndirizzo, editCantone, editCap, editLocalita})
        blocco->segnaModificheDi(e);
    for (QLineEdit* e : infortuni->campi())
        blocco->segnaModificheDi(e);
    segnaIdentificativi();
}

void GestioneAzienda::mostraDati()
{
    // A field already showing its text is left alone: no fill of the
    // address block runs for it.
    auto mostra = [](QLineEdit* campo, const QString& testo) {
        if (campo->text() != testo)
            campo->setText(testo);
    };
    mostra(editRagioneSociale, m_dati.ragioneSociale);
    mostra(editIndirizzo, m_dati.indirizzo);
    mostra(editCap, m_dati.cap);
    mostra(editLocalita, m_dati.localita);
    mostra(editCantone, m_dati.cantone);
    const int indice = comboNazione->findData(m_dati.nazione);
    if (comboNazione->currentIndex() != (indice >= 0 ? indice : 0) || blocco->campiIdentificativi().isEmpty()) {
        comboNazione->setCurrentIndex(indice >= 0 ? indice : 0);
        blocco->cambiaNazione(comboNazione->currentIndex());
    }
    infortuni->mostra(m_dati);
    const QList<QLineEdit*>& campi = blocco->campiIdentificativi();
    for (QLineEdit* campo : campi)
        mostra(campo, m_dati.campi.value(campo->objectName()));
}

bool GestioneAzienda::modificato() const
{
    return blocco->modificato();
}

void GestioneAzienda::segnaIdentificativi()
{
    for (QLineEdit* campo : blocco->campiIdentificativi())
        blocco->segnaModificheDi(campo);
}

void GestioneAzienda::aggiornaDaCap()
{
    blocco->aggiornaDaCap();
}

void GestioneAzienda::aggiornaDaLocalita()
{
    blocco->aggiornaDaLocalita();
}

void GestioneAzienda::cambiaNazione(int index)
{
    blocco->cambiaNazione(index);
    segnaIdentificativi();
    blocco->setModificato(true);
}

void GestioneAzienda::chiudiConControllo()
{
    reject();
}

void GestioneAzienda::reject()
{
    if (ModificheNonSalvate::puoChiudere(this, blocco->modificato(), [this] { return salvaDati(); }))
        QDialog::reject();
}

void GestioneAzienda::salva()
{
    salvaDati();
}

bool GestioneAzienda::salvaDati()
{
    // The file is rewritten whole: what could not be read would be lost or
    // stored as 0.
    if (!m_erroreLettura.isEmpty()) {
        Messaggi::avviso(this, tr("Azienda"),
                         m_erroreLettura + QLatin1Char('\n')
                             + tr("Il file non viene sovrascritto: correggerlo prima di salvare."));
        return false;
    }
    DatiAzienda a = m_dati;
    a.ragioneSociale = editRagioneSociale->text().trimmed();
    a.indirizzo = editIndirizzo->text().trimmed();
    a.cap = editCap->text().trimmed();
    a.localita = editLocalita->text().trimmed();
    a.cantone = editCantone->text().trimmed().toUpper();
    a.nazione = comboNazione->currentData().toString();
    const QList<QLineEdit*>& campi = blocco->campiIdentificativi();
    const QList<Nazioni::CampoIdentificativo> definiti = Nazioni::info(a.nazione).campi;
    for (int i = 0; i < campi.size() && i < definiti.size(); ++i)
        a.campi.insert(definiti.at(i).chiave, campi.at(i)->text().trimmed());

    const bool svizzera = a.nazione == QLatin1String("CH");
    bool capNumero = a.cap.size() == 4;
    for (const QChar c : a.cap)
        capNumero = capNumero && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    QString errore;
    if (a.ragioneSociale.isEmpty())
        errore = tr("La ragione sociale è obbligatoria.");
    else if (svizzera && (!capNumero || a.cap.toInt() == 0))
        errore = tr("Il CAP deve essere di 4 cifre.");
    else if (svizzera && a.cantone.size() != 2)
        errore = tr("Il cantone deve essere di 2 lettere (es. TI).");
    else if (!a.campi.value(QStringLiteral("iban")).isEmpty() && !Pain001::ibanValido(a.campi.value(QStringLiteral("iban"))))
        errore = tr("L'IBAN dell'azienda non è valido: controlla le cifre.");
    else
        errore = infortuni->leggi(a);
    if (!errore.isEmpty()) {
        Messaggi::avviso(this, tr("Azienda"), errore);
        return false;
    }

    if (!Azienda::salva(a, m_nomeFile, &errore)) {
        Messaggi::avviso(this, tr("Azienda"), tr("Salvataggio non riuscito.") + QLatin1Char('\n') + errore);
        return false;
    }
    // The form shows what the file now holds: a ceiling typed 148200.005
    // is stored 148200.01.
    m_dati = Azienda::carica(m_nomeFile, &m_erroreLettura);
    mostraDati();
    blocco->setModificato(false);
    Messaggi::informazione(this, tr("Azienda"), tr("Dati salvati."));
    return true;
}

void GestioneAzienda::cancella()
{
    if (!Messaggi::conferma(this, tr("Conferma"), tr("Eliminare definitivamente questa azienda?")))
        return;
    const bool rimosso = FileSicuri::nomeSicuro(m_nomeFile)
                         && QFile::remove(Config::cartellaDati() + QLatin1Char('/') + m_nomeFile);
    if (!rimosso) {
        Messaggi::avviso(this, tr("Errore"), tr("Eliminazione non riuscita."));
        return;
    }
    blocco->setModificato(false);
    Messaggi::informazione(this, tr("Eliminato"), tr("Azienda eliminata."));
    accept();
}
