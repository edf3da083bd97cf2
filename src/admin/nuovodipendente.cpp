#include "nuovodipendente.h"

#include "bloccoindirizzo.h"
#include "campodata.h"
#include "dipendente.h"
#include "filesicuri.h"
#include "linkaiuto.h"
#include "messaggi.h"
#include "orologio.h"
#include "schedadipendente.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kFormatoData = QStringLiteral("dd/MM/yyyy");
const QString kSvizzera = QStringLiteral("CH");

// The fields of the Swiss entry that hold a social-insurance number.
bool campoAVS(const Nazioni::CampoIdentificativo& c)
{
    return c.chiave.contains(QLatin1String("avs"), Qt::CaseInsensitive)
        || c.chiave.contains(QLatin1String("uid"), Qt::CaseInsensitive);
}

// Drops what a file name part may not hold: separators of folders and
// drives, and control characters.
QString parteNome(const QString& testo)
{
    QString r;
    for (const QChar c : testo) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.category() == QChar::Other_Control)
            continue;
        r.append(c);
    }
    return r.trimmed();
}

// "Cognome Nome" of an employee of the current company already registered
// with the social-insurance number `numero` (separators ignored); empty when
// none is.
QString conStessoAVS(const QString& numero)
{
    const auto cifre = [](const QString& testo) {
        QString r;
        for (const QChar c : testo) {
            if (c.isDigit())
                r.append(c);
        }
        return r;
    };
    const QString cercato = cifre(numero);
    if (cercato.isEmpty())
        return QString();
    for (const QString& id : Dipendente::elencoDipendenti(false)) {
        DatiDipendente d;
        if (Dipendente::carica(id, d) && cifre(d.numeroAVS) == cercato)
            return (d.cognome + QLatin1Char(' ') + d.nome).trimmed();
    }
    return QString();
}

} // namespace

NuovoDipendente::NuovoDipendente(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("NuovoDipendente"));
    setWindowTitle(tr("Nuovo Dipendente"));
    setMinimumWidth(450);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    auto nuovoCampo = [this](const char* nome) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(nome));
        return e;
    };
    auto nuovaData = [this](const char* nome) {
        auto* d = new QDateEdit(Orologio::oggi(), this);
        d->setObjectName(QLatin1String(nome));
        d->setDisplayFormat(kFormatoData);
        d->setCalendarPopup(true);
        return d;
    };
    auto nuovaCombo = [this](const char* nome) {
        auto* c = new QComboBox(this);
        c->setObjectName(QLatin1String(nome));
        return c;
    };

    editNome = nuovoCampo("nome");
    form->addRow(tr("Nome"), editNome);
    editCognome = nuovoCampo("cognome");
    form->addRow(tr("Cognome"), editCognome);
    // The birth date is the user's to type: the field starts empty.
    dataNascita = new CampoData(this);
    dataNascita->setObjectName(QStringLiteral("dataNascita"));
    form->addRow(tr("Data di nascita"), dataNascita);

    comboSesso = nuovaCombo("sesso");
    comboSesso->addItem(tr("(non specificato)"), QString());
    comboSesso->addItem(tr("Maschile"), QStringLiteral("M"));
    comboSesso->addItem(tr("Femminile"), QStringLiteral("F"));
    form->addRow(tr("Sesso"), comboSesso);

    comboStatoCivile = nuovaCombo("statoCivile");
    comboStatoCivile->addItem(tr("(non specificato)"), QString());
    comboStatoCivile->addItem(tr("Celibe/Nubile"), QStringLiteral("celibe"));
    comboStatoCivile->addItem(tr("Coniugato/a"), QStringLiteral("coniugato"));
    comboStatoCivile->addItem(tr("Separato legalmente"), QStringLiteral("separato"));
    comboStatoCivile->addItem(tr("Divorziato/a"), QStringLiteral("divorziato"));
    comboStatoCivile->addItem(tr("Vedovo/a"), QStringLiteral("vedovo"));
    comboStatoCivile->addItem(tr("Unione domestica registrata"), QStringLiteral("unione"));
    form->addRow(tr("Stato civile"), comboStatoCivile);

    editNazionalita = nuovoCampo("nazionalita");
    form->addRow(tr("Nazionalita"), editNazionalita);

    comboNazione = BloccoIndirizzo::creaNazione(BloccoIndirizzo::Modulo::NuovoDipendente, this);
    form->addRow(tr("Nazione"), comboNazione);

    const BloccoIndirizzo::RigheIndirizzo righe =
        BloccoIndirizzo::creaRigheIndirizzo(BloccoIndirizzo::Modulo::NuovoDipendente, form, this);
    editIndirizzo = righe.indirizzo;
    editCap = righe.cap;
    editLocalita = righe.localita;
    editCantone = righe.cantone;
    QLabel* etichettaCantone = righe.etichettaCantone;

    comboPermesso = nuovaCombo("permessoLavoro");
    comboPermesso->addItem(tr("(non specificato)"), QString());
    comboPermesso->addItem(tr("Cittadino svizzero"), QStringLiteral("CH"));
    comboPermesso->addItem(tr("Permesso C (stabilito)"), QStringLiteral("C"));
    comboPermesso->addItem(tr("Permesso B (dimora)"), QStringLiteral("B"));
    comboPermesso->addItem(tr("Permesso L (breve durata)"), QStringLiteral("L"));
    comboPermesso->addItem(tr("Permesso G (frontaliero)"), QStringLiteral("G"));
    comboPermesso->addItem(tr("Permesso F (ammesso provvisorio)"), QStringLiteral("F"));
    comboPermesso->addItem(tr("Permesso S (protezione)"), QStringLiteral("S"));
    auto* etichettaPermesso = new QLabel(tr("Permesso di lavoro"), this);
    form->addRow(etichettaPermesso, comboPermesso);

    dataAssunzione = nuovaData("dataAssunzione");
    form->addRow(tr("Data di assunzione"), dataAssunzione);

    comboContratto = nuovaCombo("tipoContratto");
    comboContratto->addItem(tr("Tempo indeterminato"), QStringLiteral("indeterminato"));
    comboContratto->addItem(tr("Tempo determinato"), QStringLiteral("determinato"));
    comboContratto->addItem(tr("Apprendistato"), QStringLiteral("apprendistato"));
    form->addRow(tr("Tipo di contratto"), comboContratto);

    comboMensilita = nuovaCombo("mensilitaAggiuntive");
    comboMensilita->addItem(tr("Nessuna (12 mensilita)"), 0);
    comboMensilita->addItem(tr("13a mensilita"), 1);
    comboMensilita->addItem(tr("13a + 14a mensilita"), 2);
    form->addRow(tr("Mensilita aggiuntive"), comboMensilita);

    layout->addStretch();
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    auto* btnSalva = new QPushButton(tr("Salva"), this);
    btnSalva->setObjectName(QStringLiteral("salva"));
    btnSalva->setAutoDefault(false);
    auto* btnChiudi = new QPushButton(tr("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("chiudi"));
    btnChiudi->setAutoDefault(false);
    pulsanti->addWidget(btnSalva);
    pulsanti->addWidget(btnChiudi);
    layout->addLayout(pulsanti);

    layout->addLayout(LinkAiuto::riga(QStringLiteral("D01"), this));

    BloccoIndirizzo::Widget w;
    w.nazione = comboNazione;
    w.cap = editCap;
    w.localita = editLocalita;
    w.cantone = editCantone;
    w.form = form;
    w.soloSvizzera = {etichettaCantone, editCantone, etichettaPermesso, comboPermesso};
    blocco = new BloccoIndirizzo(BloccoIndirizzo::Modulo::NuovoDipendente, w, this, [this] { salva(); });

    // The first country is applied once its combo is wired and before the
    // other inputs are; the form it leaves is the untouched one: closing it
    // asks nothing until the user changes something (a country chosen later
    // marks it).
    connect(comboNazione, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &NuovoDipendente::cambiaNazione);
    cambiaNazione(0);
    blocco->setModificato(false);

    connect(editCap, &QLineEdit::textChanged, this, &NuovoDipendente::aggiornaDaCap);
    connect(editCap, &QLineEdit::editingFinished, this, &NuovoDipendente::verificaCap);
    connect(editLocalita, &QLineEdit::textChanged, this, &NuovoDipendente::aggiornaDaLocalita);
    connect(editLocalita, &QLineEdit::editingFinished, this, &NuovoDipendente::verificaLocalita);
    connect(btnSalva, &QPushButton::clicked, this, &NuovoDipendente::salva);
    connect(btnChiudi, &QPushButton::clicked, this, &NuovoDipendente::chiudiConControllo);
    for (QLineEdit* e : {editNome, editCognome, editNazionalita, editIndirizzo})
        blocco->segnaModificheDi(e);
    auto segna = [this] { blocco->setModificato(true); };
    for (QComboBox* c : {comboSesso, comboStatoCivile, comboPermesso, comboContratto, comboMensilita})
        connect(c, QOverload<int>::of(&QComboBox::currentIndexChanged), this, segna);
    for (QDateEdit* d : std::initializer_list<QDateEdit*>{dataNascita, dataAssunzione})
        connect(d, &QDateEdit::dateChanged, this, segna);
}

bool NuovoDipendente::modificato() const
{
    return blocco->modificato();
}

void NuovoDipendente::cambiaNazione(int index)
{
    blocco->cambiaNazione(index);
}

void NuovoDipendente::creaCampiDinamici(const Nazioni::InfoNazione& info)
{
    blocco->creaCampiDinamici(info);
}

void NuovoDipendente::aggiornaDaCap()
{
    blocco->aggiornaDaCap();
}

void NuovoDipendente::aggiornaDaLocalita()
{
    blocco->aggiornaDaLocalita();
}

void NuovoDipendente::verificaCap()
{
    blocco->verificaCap();
}

void NuovoDipendente::verificaLocalita()
{
    blocco->verificaLocalita();
}

void NuovoDipendente::chiudiConControllo()
{
    reject();
}

QString NuovoDipendente::nomeFileDa(const QString& cognome, const QString& nome)
{
    QString parteCognome = parteNome(cognome);
    // A name beginning with "." or "_" would be left out of every list.
    int inizio = 0;
    while (inizio < parteCognome.size()
           && (parteCognome.at(inizio) == QLatin1Char('.') || parteCognome.at(inizio) == QLatin1Char('_')
               || parteCognome.at(inizio).isSpace()))
        ++inizio;
    parteCognome = parteCognome.mid(inizio);
    const QString parteNomeProprio = parteNome(nome);
    if (parteCognome.isEmpty() || parteNomeProprio.isEmpty())
        return QString();
    const QString file = parteCognome + QLatin1Char('_') + parteNomeProprio + QStringLiteral(".txt");
    return FileSicuri::nomeSicuro(file) ? file : QString();
}

void NuovoDipendente::salva()
{
    const QString nome = editNome->text().trimmed();
    const QString cognome = editCognome->text().trimmed();
    if (nome.isEmpty() || cognome.isEmpty()) {
        Messaggi::avviso(this, tr("Attenzione"), tr("Nome e cognome sono obbligatori."));
        return;
    }
    if (dataNascita->vuota()) {
        Messaggi::avviso(this, tr("Attenzione"), tr("\"%1\": campo obbligatorio.").arg(tr("Data di nascita")));
        dataNascita->setFocus();
        return;
    }

    const QString codiceNazione = comboNazione->currentData().toString();
    const QList<QLineEdit*>& campi = blocco->campiIdentificativi();
    QString numeroAVS;
    if (codiceNazione == kSvizzera) {
        const QList<Nazioni::CampoIdentificativo>& campiCH = blocco->campiMostrati();
        for (int i = 0; i < campi.size() && i < campiCH.size(); ++i) {
            if (!campoAVS(campiCH.at(i)))
                continue;
            if (!Dipendente::validaAVS(campi.at(i)->text())) {
                Messaggi::avviso(this, tr("Attenzione"), tr("Numero AVS non valido."));
                return;
            }
            if (numeroAVS.isEmpty())
                numeroAVS = campi.at(i)->text().trimmed();
        }
    }

    DatiDipendente d;
    d.nome = nome;
    d.cognome = cognome;
    d.dataNascita = dataNascita->testo(kFormatoData);
    d.sesso = comboSesso->currentData().toString();
    d.statoCivile = comboStatoCivile->currentData().toString();
    d.nazionalita = editNazionalita->text().trimmed();
    d.indirizzo = editIndirizzo->text().trimmed();
    d.cap = editCap->text().trimmed();
    d.localita = editLocalita->text().trimmed();
    d.cantone = codiceNazione == kSvizzera ? editCantone->text().trimmed() : QString();
    blocco->scriviIdentificativi(d.extra);
    d.permessoLavoro = comboPermesso->currentData().toString();
    Dipendente::setDataAssunzione(d, dataAssunzione->date().toString(kFormatoData));
    d.tipoContratto = comboContratto->currentData().toString();
    d.mensilitaAggiuntive = comboMensilita->currentData().toInt();
    d.extra.insert(QStringLiteral("nazione"), codiceNazione);
    // The number checked above is the employee's social-insurance number:
    // lists and exports read it from the record's own field.
    d.numeroAVS = numeroAVS;
    // The bank rows are the employee's own bank data: their values go into
    // the record's own fields, where the card, the checks and the payment
    // file read them.
    d.iban = d.extra.take(QStringLiteral("iban"));
    d.bicSwift = d.extra.take(QStringLiteral("bic"));
    // What the card would refuse is refused here too, by the same checks.
    QString campo;
    const QString rifiuto = SchedaDipendente::controllaDati(d, &campo);
    if (!rifiuto.isEmpty()) {
        Messaggi::avviso(this, tr("Attenzione"), rifiuto);
        if (auto* w = findChild<QWidget*>(campo))
            w->setFocus();
        return;
    }

    const QString nomeFile = nomeFileDa(cognome, nome);
    if (nomeFile.isEmpty()) {
        Messaggi::avviso(this, tr("Attenzione"),
                         tr("Nome e cognome non danno un nome di file utilizzabile: usare anche lettere o cifre."));
        return;
    }
    const QString doppione = conStessoAVS(numeroAVS);
    if (!doppione.isEmpty()
        && !Messaggi::conferma(this, tr("Numero AVS gia' presente"),
                               tr("Il numero AVS %1 e' gia' registrato per %2.\nSalvare comunque il nuovo dipendente?")
                                   .arg(numeroAVS, doppione))) {
        return;
    }
    // No employee of any company ever shares the files of another one.
    const QString id = Dipendente::idLibero(nomeFile);
    QString motivo;
    if (!Dipendente::salva(d, id, &motivo)) {
        Messaggi::critico(this, tr("Errore"),
                          tr("Impossibile salvare i dati del dipendente.") + QLatin1Char('\n') + motivo);
        return;
    }
    m_idCreato = id;
    if (id != nomeFile)
        Messaggi::informazione(this, tr("Dipendente salvato"),
                               tr("Il nome di file %1 e' gia' in uso o troppo lungo: il dipendente e' stato "
                                  "salvato come %2.")
                                   .arg(nomeFile, id));
    accept();
}

void NuovoDipendente::reject()
{
    blocco->chiudiConControllo();
}
