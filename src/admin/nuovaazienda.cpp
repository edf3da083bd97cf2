#include "nuovaazienda.h"

#include "azienda.h"
#include "bloccoindirizzo.h"
#include "config.h"
#include "linkaiuto.h"
#include "messaggi.h"
#include "nazioni.h"
#include "pain001.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

NuovaAzienda::NuovaAzienda(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("NuovaAzienda"));
    setWindowTitle(tr("Nuova Azienda"));
    setMinimumWidth(450);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    comboNazione = BloccoIndirizzo::creaNazione(BloccoIndirizzo::Modulo::NuovaAzienda, this);
    form->addRow(tr("Nazione"), comboNazione);

    comboValuta = new QComboBox(this);
    comboValuta->setObjectName(QStringLiteral("valuta"));
    comboValuta->addItem(tr("Franco svizzero (CHF)"), QStringLiteral("CHF"));
    comboValuta->addItem(tr("Euro (EUR)"), QStringLiteral("EUR"));
    form->addRow(tr("Valuta"), comboValuta);

    comboLingua = new QComboBox(this);
    comboLingua->setObjectName(QStringLiteral("lingua"));
    comboLingua->addItem(tr("Italiano"), QStringLiteral("it"));
    comboLingua->addItem(tr("Francese"), QStringLiteral("fr"));
    comboLingua->addItem(tr("Tedesco"), QStringLiteral("de"));
    comboLingua->addItem(tr("Inglese"), QStringLiteral("en"));
    comboLingua->addItem(tr("Spagnolo"), QStringLiteral("es"));
    form->addRow(tr("Lingua"), comboLingua);

    auto nuovoCampo = [this](const char* nome) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(nome));
        return e;
    };
    editRagioneSociale = nuovoCampo("ragioneSociale");
    form->addRow(tr("Ragione sociale"), editRagioneSociale);
    const BloccoIndirizzo::RigheIndirizzo righe =
        BloccoIndirizzo::creaRigheIndirizzo(BloccoIndirizzo::Modulo::NuovaAzienda, form, this);
    editIndirizzo = righe.indirizzo;
    editCap = righe.cap;
    editLocalita = righe.localita;
    editCantone = righe.cantone;
    QLabel* etichettaCantone = righe.etichettaCantone;
    editProvincia = nuovoCampo("provincia");
    auto* etichettaProvincia = new QLabel(tr("Provincia"), this);
    form->addRow(etichettaProvincia, editProvincia);
    // A new company starts from the year's accident insurance.
    infortuni = new CampiInfortuni(this);
    DatiAzienda predefiniti;
    CampiInfortuni::predefiniti(predefiniti);
    infortuni->mostra(predefiniti);
    layout->addWidget(infortuni->gruppo());

    layout->addStretch();
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    auto* btnSalva = new QPushButton(tr("Salva"), this);
    btnSalva->setObjectName(QStringLiteral("salva"));
    auto* btnChiudi = new QPushButton(tr("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("chiudi"));
    pulsanti->addWidget(btnSalva);
    pulsanti->addWidget(btnChiudi);
    layout->addLayout(pulsanti);

    layout->addLayout(LinkAiuto::riga(QStringLiteral("A02"), this));

    BloccoIndirizzo::Widget w;
    w.nazione = comboNazione;
    w.cap = editCap;
    w.localita = editLocalita;
    w.cantone = editCantone;
    w.form = form;
    w.soloSvizzera = {etichettaCantone, editCantone};
    w.soloEstero = {etichettaProvincia, editProvincia};
    w.valuta = comboValuta;
    w.lingua = comboLingua;
    blocco = new BloccoIndirizzo(BloccoIndirizzo::Modulo::NuovaAzienda, w, this, [this] { salva(); });

    connect(comboNazione, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &NuovaAzienda::cambiaNazione);
    connect(editCap, &QLineEdit::textChanged, this, &NuovaAzienda::aggiornaDaCap);
    connect(editCap, &QLineEdit::editingFinished, this, &NuovaAzienda::verificaCap);
    connect(editLocalita, &QLineEdit::textChanged, this, &NuovaAzienda::aggiornaDaLocalita);
    connect(editLocalita, &QLineEdit::editingFinished, this, &NuovaAzienda::verificaLocalita);
    connect(btnSalva, &QPushButton::clicked, this, &NuovaAzienda::salva);
    connect(btnChiudi, &QPushButton::clicked, this, &NuovaAzienda::chiudiConControllo);
    blocco->segnaModificheDi(editRagioneSociale);
    blocco->segnaModificheDi(editIndirizzo);
    for (QLineEdit* e : infortuni->campi())
        blocco->segnaModificheDi(e);
    auto segna = [this] { blocco->setModificato(true); };
    connect(comboValuta, QOverload<int>::of(&QComboBox::currentIndexChanged), this, segna);
    connect(comboLingua, QOverload<int>::of(&QComboBox::currentIndexChanged), this, segna);

    cambiaNazione(0);
}

bool NuovaAzienda::modificato() const
{
    return blocco->modificato();
}

void NuovaAzienda::cambiaNazione(int index)
{
    blocco->cambiaNazione(index);
}

void NuovaAzienda::aggiornaDaCap()
{
    blocco->aggiornaDaCap();
}

void NuovaAzienda::aggiornaDaLocalita()
{
    blocco->aggiornaDaLocalita();
}

void NuovaAzienda::verificaCap()
{
    blocco->verificaCap();
}

void NuovaAzienda::verificaLocalita()
{
    blocco->verificaLocalita();
}

void NuovaAzienda::chiudiConControllo()
{
    reject();
}

void NuovaAzienda::reject()
{
    blocco->chiudiConControllo();
}

QString NuovaAzienda::nomeFileDa(const QString& ragioneSociale)
{
    QString base = ragioneSociale.trimmed();
    base.replace(QLatin1Char(' '), QLatin1Char('_'));
    base.remove(QRegularExpression(QStringLiteral("[^a-zA-Z0-9_]")));
    if (base.isEmpty())
        return QString();
    const QString nome = base + QStringLiteral(".txt");
    // The data folder also holds files of the program's own (the currency
    // table, the role file): a company never takes their names.
    for (const QString& riservato : Azienda::nomiRiservati()) {
        if (nome.compare(riservato, Qt::CaseInsensitive) == 0)
            return QString();
    }
    return nome;
}

void NuovaAzienda::salva()
{
    const QString ragioneSociale = editRagioneSociale->text().trimmed();
    if (ragioneSociale.isEmpty()) {
        Messaggi::avviso(this, tr("Attenzione"), tr("La ragione sociale è obbligatoria."));
        return;
    }

    DatiAzienda a;
    a.ragioneSociale = ragioneSociale;
    a.indirizzo = editIndirizzo->text().trimmed();
    a.cap = editCap->text().trimmed();
    a.localita = editLocalita->text().trimmed();
    a.cantone = editCantone->text().trimmed();
    a.nazione = comboNazione->currentData().toString();
    blocco->scriviIdentificativi(a.campi);
    // The company's account pays the salaries: a wrong one is refused here,
    // not by the bank at the first payment file.
    const QString iban = a.campi.value(QStringLiteral("iban"));
    if (!iban.isEmpty() && !Pain001::ibanValido(iban)) {
        Messaggi::avviso(this, tr("Attenzione"),
                         tr("L'IBAN \"%1\" non e' valido: controllare le cifre (ad esempio CH93 0076 2011 6238 5295 7).")
                             .arg(iban));
        return;
    }
    const QString bic = a.campi.value(QStringLiteral("bic"));
    if (!bic.isEmpty() && !Pain001::bicValido(bic)) {
        Messaggi::avviso(this, tr("Attenzione"),
                         tr("Il BIC \"%1\" non e' valido: deve avere 8 o 11 caratteri (ad esempio UBSWCHZH80A).")
                             .arg(bic));
        return;
    }

    const QString erroreInfortuni = infortuni->leggi(a);
    if (!erroreInfortuni.isEmpty()) {
        Messaggi::avviso(this, tr("Attenzione"), erroreInfortuni);
        return;
    }

    const QString nomeFile = nomeFileDa(ragioneSociale);
    if (nomeFile.isEmpty()) {
        Messaggi::avviso(this, tr("Attenzione"),
                         tr("La ragione sociale non dà un nome di file utilizzabile: "
                            "usare anche lettere o cifre."));
        return;
    }
    if (QFileInfo::exists(Config::cartellaDati() + QLatin1Char('/') + nomeFile)
        && !Messaggi::conferma(this, tr("Azienda esistente"),
                               tr("Esiste già un'azienda salvata nel file %1.\nSostituirla?").arg(nomeFile))) {
        return;
    }
    QString motivo;
    if (!Azienda::salva(a, nomeFile, &motivo)) {
        Messaggi::critico(this, tr("Errore"), tr("Impossibile salvare i dati.") + QLatin1Char('\n') + motivo);
        return;
    }
    m_nomeFileCreato = nomeFile;
    accept();
}
