#include "schedadipendente.h"

#include "bloccoindirizzo.h"
#include "campodata.h"
#include "ccl.h"
#include "config.h"
#include "conteggiosalario.h"
#include "decimali.h"
#include "dialogamministrativi.h"
#include "dialogfigli.h"
#include "dialogperiodirapporto.h"
#include "fileini.h"
#include "filesicuri.h"
#include "finestreaperte.h"
#include "gestionestipendi.h"
#include "importi.h"
#include "impostafonte.h"
#include "inputsvizzero.h"
#include "linkaiuto.h"
#include "messaggi.h"
#include "orologio.h"
#include "pain001.h"
#include "schedavariabilidipendente.h"
#include "stampescheda.h"
#include "storicostipendi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QMap>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

const QString kFormatoData = QStringLiteral("dd/MM/yyyy");
const QString kSvizzera = QStringLiteral("CH");
const QString kContanti = QStringLiteral("cash");

// The collective-agreement minimum table: the user's copy when there is
// one, else the built-in table.
QString tabellaCcl()
{
    const QString utente = Config::cartellaDatiPredefinita() + QStringLiteral("/ccl_minimi.ini");
    return QFileInfo::exists(utente) ? utente : QStringLiteral(":/data/ccl_minimi.ini");
}

// The agreements of the table (sorted) and the categories of each (sorted),
// read by the program's own INI reader: a user copy is never decoded with
// the toolkit's typed values.
QMap<QString, QStringList> categorieCcl()
{
    QByteArray contenuto;
    QMap<QString, QStringList> tabella;
    if (!FileSicuri::leggi(tabellaCcl(), &contenuto, 1024 * 1024))
        return tabella;
    const FileIni ini = FileIni::leggi(contenuto);
    for (const QString& gruppo : ini.gruppi()) {
        QStringList categorie = ini.chiavi(gruppo);
        if (gruppo.isEmpty() || categorie.isEmpty())
            continue;
        std::sort(categorie.begin(), categorie.end());
        tabella.insert(gruppo, categorie);
    }
    return tabella;
}

// Selects the item whose data equals `valore` exactly; no current item when
// none does.
void seleziona(QComboBox* c, const QVariant& valore)
{
    c->setCurrentIndex(c->findData(valore, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QString numero(double v)
{
    return Decimali::testo(v);
}

} // namespace

SchedaDipendente::SchedaDipendente(const QString& file, QWidget* parent)
    : QDialog(parent)
    , id(file)
{
    setObjectName(QStringLiteral("SchedaDipendente"));
    setWindowTitle(tr("Scheda Dipendente"));
    setMinimumWidth(500);
    setMaximumHeight(700);
    resize(560, 700);

    // A missing or unreadable file leaves the default record: a save then
    // creates the file under the id. A value that is not valid for its field
    // reads as 0 and is shown to the user once the card is open.
    QString erroreLettura;
    if (!Dipendente::carica(id, dati, &erroreLettura) && !erroreLettura.isEmpty())
        QTimer::singleShot(0, this, [this, erroreLettura] {
            Messaggi::avviso(this, tr("Dati non validi"), erroreLettura);
        });
    letto = dati;
    // The month's salary is that of the salary period covering it: the card
    // shows the salary of the current month as the history holds it.
    double delMese = 0;
    if (dati.tipoPaga != 1 && salarioDelMese(&delMese))
        dati.salarioMensile = delMese;
    salarioMostrato = dati.salarioMensile;
    FinestreAperte::registra(this, Dipendente::percorsoFile(id));

    // Header.
    auto* testata = new QHBoxLayout;
    auto* etichettaAVS = new QLabel(tr("<b>N° AVS:</b>"), this);
    etichettaAVS->setTextFormat(Qt::RichText);
    editAVS = new QLineEdit(dati.numeroAVS, this);
    editAVS->setObjectName(QStringLiteral("numeroAVS"));
    editAVS->setPlaceholderText(QStringLiteral("756.xxxx.xxxx.xx"));
    // The names as loaded, escaped: a name is never read as markup.
    intestazione = new QLabel(
        tr("<b>Dipendente:</b> %1 %2").arg(dati.nome.toHtmlEscaped(), dati.cognome.toHtmlEscaped()), this);
    intestazione->setObjectName(QStringLiteral("intestazione"));
    intestazione->setTextFormat(Qt::RichText);
    testata->addWidget(etichettaAVS);
    testata->addWidget(editAVS, 1);
    testata->addWidget(intestazione);

    // The form in a scroll area.
    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("area"));
    area->setWidgetResizable(true);
    auto* contenuto = new QWidget;
    auto* colonna = new QVBoxLayout(contenuto);
    auto* form = new QFormLayout;
    colonna->addLayout(form);
    colonna->addStretch();
    area->setWidget(contenuto);
    costruisciForm(form);

    // Buttons.
    auto pulsante = [this](const QString& testo, const char* nome) {
        auto* b = new QPushButton(testo, this);
        b->setObjectName(QLatin1String(nome));
        b->setAutoDefault(false);
        return b;
    };
    // The eight window buttons in two rows of four, in their order: in one
    // row they would make the card wider than a laptop screen.
    auto* rigaFinestre = new QGridLayout;
    QPushButton* periodi = pulsante(tr("Periodi di rapporto..."), "periodi");
    QPushButton* storico = pulsante(tr("Storico stipendi"), "storicoStipendi");
    QPushButton* foglioPaga = pulsante(tr("Stampa foglio paga"), "stampaFoglioPaga");
    QPushButton* variabili = pulsante(tr("Variabili mensili..."), "variabiliMensili");
    QPushButton* stampaVariabili = pulsante(tr("Stampa variabili mese"), "stampaVariabiliMese");
    QPushButton* riepilogo = pulsante(tr("Riepilogo annuale"), "riepilogoAnnuale");
    QPushButton* figli = pulsante(tr("Gestisci figli..."), "figli");
    QPushButton* amministrativi = pulsante(tr("Dati amministrativi..."), "datiAmministrativi");
    int posizione = 0;
    for (QPushButton* b : {periodi, storico, foglioPaga, variabili, stampaVariabili, riepilogo, figli, amministrativi}) {
        rigaFinestre->addWidget(b, posizione / 4, posizione % 4);
        ++posizione;
    }

    auto* rigaSalva = new QHBoxLayout;
    rigaSalva->addStretch();
    QPushButton* btnSalva = pulsante(tr("Salva"), "salva");
    QPushButton* btnElimina = pulsante(tr("Elimina"), "elimina");
    QPushButton* btnChiudi = pulsante(tr("Chiudi"), "chiudi");
    rigaSalva->addWidget(btnSalva);
    rigaSalva->addWidget(btnElimina);
    rigaSalva->addWidget(btnChiudi);

    auto* rigaAiuto = new QHBoxLayout;
    rigaAiuto->addStretch();
    QPushButton* aiuto = pulsante(QStringLiteral("D03"), "aiuto");
    aiuto->setFlat(true);
    aiuto->setStyleSheet(QStringLiteral("color: gray;"));
    aiuto->setToolTip(tr("Apri il manuale (D03)"));
    rigaAiuto->addWidget(aiuto);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->addLayout(testata);
    layout->addWidget(area, 1);
    layout->addLayout(rigaFinestre);
    layout->addLayout(rigaSalva);
    layout->addLayout(rigaAiuto);

    // The address block: country, postcode, locality, canton and the
    // country's VAT fields, prefilled from the record.
    BloccoIndirizzo::Widget w;
    w.nazione = comboNazione;
    w.cap = editCap;
    w.localita = editLocalita;
    w.cantone = editCantone;
    w.form = form;
    w.soloSvizzera = {etichettaCantone, editCantone};
    blocco = new BloccoIndirizzo(BloccoIndirizzo::Modulo::SchedaDipendente, w, this, [this] { salva(); });
    blocco->setValoriIdentificativi(dati.extra);

    connect(btnSalva, &QPushButton::clicked, this, &SchedaDipendente::salva);
    connect(btnElimina, &QPushButton::clicked, this, &SchedaDipendente::cancella);
    connect(btnChiudi, &QPushButton::clicked, this, &SchedaDipendente::chiudiConControllo);
    connect(aiuto, &QPushButton::clicked, this, [this] { LinkAiuto::apri(QStringLiteral("D03"), this); });

    connect(comboNazione, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &SchedaDipendente::cambiaNazione);
    connect(editCap, &QLineEdit::textChanged, this, &SchedaDipendente::aggiornaDaCap);
    connect(editCap, &QLineEdit::editingFinished, this, &SchedaDipendente::verificaCap);
    connect(editLocalita, &QLineEdit::textChanged, this, &SchedaDipendente::aggiornaDaLocalita);
    connect(editLocalita, &QLineEdit::editingFinished, this, &SchedaDipendente::verificaLocalita);

    connect(comboTipoPaga, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int i) {
        const bool oraria = comboTipoPaga->itemData(i).toInt() == 1;
        editSalario->setEnabled(!oraria);
        editPagaOraria->setEnabled(oraria);
    });
    connect(comboModalita, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int i) {
        const bool contanti = comboModalita->itemData(i).toString() == kContanti;
        for (QWidget* x : std::initializer_list<QWidget*>{editIban, editIntestatario, editBanca, editBic, checkBancaEstera})
            x->setEnabled(!contanti);
        if (contanti) {
            for (QLineEdit* e : {editIban, editIntestatario, editBanca, editBic})
                e->clear();
        }
    });

    // Every input the user changes marks the card modified, so that
    // "Chiudi" never drops typed input without asking; the block's own
    // fills of postcode, locality and canton do not.
    for (QLineEdit* e : {editNome, editCognome, editNazionalita, editIndirizzo, editCap, editLocalita, editCantone,
                         editAVS, editStatoCivileDal, editCellulare, editEmail, editTariffa, editGrado, editSalario,
                         editLpp, editPagaOraria, editIban, editIntestatario, editBanca, editBic})
        blocco->segnaModificheDi(e);
    auto segna = [this] { blocco->setModificato(true); };
    for (QComboBox* c : {comboSesso, comboStatoCivile, comboNazione, comboPermesso, comboConiuge, comboContratto,
                         comboMensilita, comboTipoPaga, comboCcl, comboCategoria, comboModalita})
        connect(c, QOverload<int>::of(&QComboBox::currentIndexChanged), this, segna);
    for (QCheckBox* c : {checkAltreAttivita, checkBancaEstera})
        connect(c, &QCheckBox::toggled, this, segna);
    connect(dataNascita, &QDateEdit::dateChanged, this, segna);

    connect(periodi, &QPushButton::clicked, this, &SchedaDipendente::apriPeriodi);
    connect(figli, &QPushButton::clicked, this, &SchedaDipendente::apriFigli);
    connect(amministrativi, &QPushButton::clicked, this, &SchedaDipendente::apriAmministrativi);
    connect(storico, &QPushButton::clicked, this, &SchedaDipendente::apriStoricoStipendi);
    connect(variabili, &QPushButton::clicked, this, [this] {
        SchedaVariabiliDipendente v(id, this);
        v.exec();
    });
    connect(foglioPaga, &QPushButton::clicked, this, [this] { StampeScheda::stampaFoglioPaga(this, id); });
    connect(stampaVariabili, &QPushButton::clicked, this, [this] { StampeScheda::stampaVariabili(this, id, false); });
    connect(riepilogo, &QPushButton::clicked, this, [this] { StampeScheda::stampaVariabili(this, id, true); });

    // The country applies under the auto-fill flag; the card opens unmodified.
    blocco->setInAggiornamento(true);
    cambiaNazione(comboNazione->currentIndex());
    blocco->setModificato(false);
    blocco->setInAggiornamento(false);
    // What the card shows now, read back as its save would: the base its
    // save compares with a file another window saved meanwhile.
    if (!recordDellaScheda(&mostrato, false))
        mostrato = letto;

    // Centred on the screen at the size the layout really takes.
    if (QScreen* schermo = QGuiApplication::primaryScreen()) {
        layout->activate();
        QRect r(QPoint(0, 0), size().expandedTo(minimumSize()));
        r.moveCenter(schermo->availableGeometry().center());
        move(r.topLeft());
    }
}

void SchedaDipendente::costruisciForm(QFormLayout* form)
{
    QWidget* genitore = form->parentWidget();
    auto campo = [genitore](const char* nome, const QString& testo) {
        auto* e = new QLineEdit(testo, genitore);
        e->setObjectName(QLatin1String(nome));
        return e;
    };
    auto combo = [genitore](const char* nome) {
        auto* c = new QComboBox(genitore);
        c->setObjectName(QLatin1String(nome));
        return c;
    };

    editNome = campo("nome", dati.nome);
    form->addRow(tr("Nome"), editNome);
    editCognome = campo("cognome", dati.cognome);
    form->addRow(tr("Cognome"), editCognome);

    // An empty or unreadable birth date shows an empty field.
    dataNascita = new CampoData(genitore);
    dataNascita->setObjectName(QStringLiteral("dataNascita"));
    nascitaCaricata = dati.dataNascita;
    dataNascita->imposta(InputSvizzero::leggiData(dati.dataNascita));
    form->addRow(tr("Data di nascita"), dataNascita);

    comboSesso = combo("sesso");
    comboSesso->addItem(tr("(non specificato)"), QString());
    comboSesso->addItem(tr("Maschile"), QStringLiteral("M"));
    comboSesso->addItem(tr("Femminile"), QStringLiteral("F"));
    seleziona(comboSesso, dati.sesso);
    form->addRow(tr("Sesso"), comboSesso);

    comboStatoCivile = combo("statoCivile");
    comboStatoCivile->addItem(tr("(non specificato)"), QString());
    comboStatoCivile->addItem(tr("Celibe/Nubile"), QStringLiteral("celibe"));
    comboStatoCivile->addItem(tr("Coniugato/a"), QStringLiteral("coniugato"));
    comboStatoCivile->addItem(tr("Separato legalmente"), QStringLiteral("separato"));
    comboStatoCivile->addItem(tr("Divorziato/a"), QStringLiteral("divorziato"));
    comboStatoCivile->addItem(tr("Vedovo/a"), QStringLiteral("vedovo"));
    comboStatoCivile->addItem(tr("Unione domestica registrata"), QStringLiteral("unione"));
    seleziona(comboStatoCivile, dati.statoCivile);
    form->addRow(tr("Stato civile"), comboStatoCivile);

    editStatoCivileDal = campo("statoCivileDal", dati.statoCivileDal);
    editStatoCivileDal->setPlaceholderText(tr("gg/mm/aaaa"));
    statoCivileDalMostrato = dati.statoCivileDal;
    form->addRow(tr("Stato civile dal"), editStatoCivileDal);
    editCellulare = campo("cellulare", dati.cellulare);
    form->addRow(tr("Cellulare"), editCellulare);
    editEmail = campo("email", dati.email);
    form->addRow(tr("E-mail"), editEmail);
    editNazionalita = campo("nazionalita", dati.nazionalita);
    form->addRow(tr("Nazionalita"), editNazionalita);

    comboNazione = BloccoIndirizzo::creaNazione(BloccoIndirizzo::Modulo::SchedaDipendente, genitore);
    const int nazione = comboNazione->findData(dati.extra.value(QStringLiteral("nazione"), kSvizzera), Qt::UserRole,
                                               Qt::MatchExactly | Qt::MatchCaseSensitive);
    comboNazione->setCurrentIndex(nazione >= 0 ? nazione : 0);
    form->addRow(tr("Nazione"), comboNazione);

    const BloccoIndirizzo::RigheIndirizzo righe =
        BloccoIndirizzo::creaRigheIndirizzo(BloccoIndirizzo::Modulo::SchedaDipendente, form, genitore);
    editIndirizzo = righe.indirizzo;
    editCap = righe.cap;
    editLocalita = righe.localita;
    editCantone = righe.cantone;
    etichettaCantone = righe.etichettaCantone;
    editIndirizzo->setText(dati.indirizzo);
    editCap->setText(dati.cap);
    editLocalita->setText(dati.localita);
    editCantone->setText(dati.cantone);

    comboPermesso = combo("permessoLavoro");
    comboPermesso->addItem(tr("(non specificato)"), QString());
    comboPermesso->addItem(tr("Cittadino svizzero"), QStringLiteral("CH"));
    comboPermesso->addItem(tr("Permesso C (stabilito)"), QStringLiteral("C"));
    comboPermesso->addItem(tr("Permesso B (dimora)"), QStringLiteral("B"));
    comboPermesso->addItem(tr("Permesso L (breve durata)"), QStringLiteral("L"));
    comboPermesso->addItem(tr("Permesso G (frontaliero)"), QStringLiteral("G"));
    comboPermesso->addItem(tr("Permesso F (ammesso provvisorio)"), QStringLiteral("F"));
    comboPermesso->addItem(tr("Permesso S (protezione)"), QStringLiteral("S"));
    seleziona(comboPermesso, dati.permessoLavoro);
    form->addRow(tr("Permesso di lavoro"), comboPermesso);

    comboConiuge = combo("coniugeLavora");
    comboConiuge->addItem(tr("No"), QStringLiteral("no"));
    comboConiuge->addItem(tr("Si - in Svizzera"), QStringLiteral("CH"));
    comboConiuge->addItem(tr("Si - all'Estero"), QStringLiteral("estero"));
    seleziona(comboConiuge, dati.extra.value(QStringLiteral("coniugeLavora"), QStringLiteral("no")));
    if (comboConiuge->currentIndex() < 0)
        comboConiuge->setCurrentIndex(0);
    form->addRow(tr("Coniuge/partner lavora"), comboConiuge);

    checkAltreAttivita = new QCheckBox(tr("Altre attivita lucrative contemporanee (CH/Estero)"), genitore);
    checkAltreAttivita->setObjectName(QStringLiteral("altreAttivita"));
    checkAltreAttivita->setChecked(dati.extra.value(QStringLiteral("altreAttivita")) == QLatin1String("1"));
    form->addRow(QString(), checkAltreAttivita);

    const QString tariffa = dati.extra.contains(QStringLiteral("tabellaIF"))
        ? dati.extra.value(QStringLiteral("tabellaIF"))
        : dati.extra.value(QStringLiteral("codiceTariffa"));
    editTariffa = campo("tariffa", tariffa);
    editTariffa->setPlaceholderText(tr("es. A0, B1, C2, H1, G0"));
    form->addRow(tr("Tariffa Imposte alla Fonte"), editTariffa);

    editGrado = campo("gradoOccupazione", QString::number(dati.gradoOccupazione < 1 ? 100 : dati.gradoOccupazione));
    form->addRow(tr("Grado di occupazione (%)"), editGrado);

    comboContratto = combo("tipoContratto");
    comboContratto->addItem(tr("Tempo indeterminato"), QStringLiteral("indeterminato"));
    comboContratto->addItem(tr("Tempo determinato"), QStringLiteral("determinato"));
    comboContratto->addItem(tr("Apprendistato"), QStringLiteral("apprendistato"));
    comboContratto->addItem(tr("Indipendente"), QStringLiteral("indipendente"));
    seleziona(comboContratto, dati.tipoContratto);
    form->addRow(tr("Tipo di contratto"), comboContratto);

    comboMensilita = combo("mensilitaAggiuntive");
    comboMensilita->addItem(tr("Nessuna (12 mensilita)"), 0);
    comboMensilita->addItem(tr("13a mensilita"), 1);
    comboMensilita->addItem(tr("13a + 14a mensilita"), 2);
    seleziona(comboMensilita, dati.mensilitaAggiuntive);
    form->addRow(tr("Mensilita aggiuntive"), comboMensilita);

    comboTipoPaga = combo("tipoPaga");
    comboTipoPaga->addItem(tr("Salario mensile"), 0);
    comboTipoPaga->addItem(tr("Paga oraria"), 1);
    seleziona(comboTipoPaga, dati.tipoPaga);
    form->addRow(tr("Tipo di paga"), comboTipoPaga);

    editSalario = campo("salarioMensile", numero(dati.salarioMensile));
    form->addRow(tr("Salario mensile (CHF)"), editSalario);
    editLpp = campo("lppManuale", numero(dati.lppManuale));
    editLpp->setPlaceholderText(tr("0 = calcola automaticamente"));
    form->addRow(tr("LPP trattenuta (CHF)"), editLpp);
    editPagaOraria = campo("pagaOraria", numero(dati.pagaOraria));
    form->addRow(tr("Paga oraria (CHF/h)"), editPagaOraria);
    editSalario->setEnabled(dati.tipoPaga != 1);
    editPagaOraria->setEnabled(dati.tipoPaga == 1);

    comboCcl = combo("ccl");
    comboCcl->addItem(tr("(nessuno)"), QString());
    {
        const QStringList accordi = categorieCcl().keys();
        for (const QString& gruppo : accordi)
            comboCcl->addItem(gruppo, gruppo);
    }
    const int ccl = comboCcl->findData(dati.ccl, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    comboCcl->setCurrentIndex(ccl >= 0 ? ccl : 0);
    form->addRow(tr("CCL applicabile"), comboCcl);
    comboCategoria = combo("categoriaCcl");
    form->addRow(tr("Categoria CCL"), comboCategoria);
    riempiCategorie(comboCcl->currentText());
    connect(comboCcl, &QComboBox::currentTextChanged, this, &SchedaDipendente::riempiCategorie);

    comboModalita = combo("modalitaPagamento");
    comboModalita->addItem(tr("Banca"), QStringLiteral("banca"));
    comboModalita->addItem(tr("Posta"), QStringLiteral("posta"));
    comboModalita->addItem(tr("Contanti"), kContanti);
    seleziona(comboModalita, dati.modalitaPagamento);
    form->addRow(tr("Modalita di pagamento"), comboModalita);

    editIban = campo("iban", dati.iban);
    editIban->setPlaceholderText(tr("CH.. / IT.. / ES.. ecc."));
    form->addRow(tr("IBAN"), editIban);
    editIntestatario = campo("intestatarioConto", dati.intestatarioConto);
    form->addRow(tr("Intestatario conto"), editIntestatario);
    editBanca = campo("banca", dati.banca);
    form->addRow(tr("Banca"), editBanca);
    editBic = campo("bicSwift", dati.bicSwift);
    editBic->setPlaceholderText(tr("BIC/SWIFT (banche estere)"));
    form->addRow(tr("BIC/SWIFT"), editBic);
    checkBancaEstera = new QCheckBox(tr("Banca estera"), genitore);
    checkBancaEstera->setObjectName(QStringLiteral("bancaEstera"));
    checkBancaEstera->setChecked(dati.bancaEstera);
    form->addRow(QString(), checkBancaEstera);
    const bool contanti = dati.modalitaPagamento == kContanti;
    for (QWidget* x : std::initializer_list<QWidget*>{editIban, editIntestatario, editBanca, editBic, checkBancaEstera})
        x->setEnabled(!contanti);
}

void SchedaDipendente::riempiCategorie(const QString& ccl)
{
    comboCategoria->clear();
    if (ccl.isEmpty())
        return;
    // "(nessuno)" names no group: the list stays empty.
    const QStringList categorie = categorieCcl().value(ccl);
    for (const QString& categoria : categorie)
        comboCategoria->addItem(categoria, categoria);
    seleziona(comboCategoria, dati.categoriaCcl);
}

bool SchedaDipendente::modificato() const
{
    return blocco->modificato();
}

void SchedaDipendente::cambiaNazione(int index)
{
    blocco->cambiaNazione(index);
}

void SchedaDipendente::creaCampiDinamici(const Nazioni::InfoNazione& info)
{
    blocco->creaCampiDinamici(info);
}

void SchedaDipendente::aggiornaDaCap()
{
    blocco->aggiornaDaCap();
}

void SchedaDipendente::aggiornaDaLocalita()
{
    blocco->aggiornaDaLocalita();
}

void SchedaDipendente::verificaCap()
{
    blocco->verificaCap();
}

void SchedaDipendente::verificaLocalita()
{
    blocco->verificaLocalita();
}

void SchedaDipendente::chiudiConControllo()
{
    reject();
}

void SchedaDipendente::reject()
{
    blocco->chiudiConControllo();
}

bool SchedaDipendente::leggiInput(double* salario, double* lpp, double* oraria, int* grado, QString* nascita,
                                  QString* statoCivileDal, bool avvisa)
{
    const struct
    {
        QLineEdit* edit;
        QString campo;
        double* valore;
    } importi[] = {{editSalario, tr("Salario mensile (CHF)"), salario},
                   {editLpp, tr("LPP trattenuta (CHF)"), lpp},
                   {editPagaOraria, tr("Paga oraria (CHF/h)"), oraria}};
    for (const auto& i : importi) {
        if (!avvisa) {
            if (!InputSvizzero::leggiImporto(i.edit->text(), i.valore))
                return false;
        } else if (!InputSvizzero::importoOppureAvviso(this, i.campo, i.edit->text(), i.valore)) {
            i.edit->setFocus();
            return false;
        }
    }

    double g = 0;
    if (!InputSvizzero::leggiNumero(editGrado->text(), &g, false) || g != std::floor(g) || std::fabs(g) > 100000) {
        if (avvisa)
            Messaggi::avviso(this, tr("Attenzione"),
                             tr("Il grado di occupazione \"%1\" non e' valido: scrivere un numero intero, ad esempio "
                                "80.")
                                 .arg(editGrado->text().trimmed()));
        return false;
    }
    *grado = int(g);

    // An empty field keeps the birth date as it was loaded, even when it
    // was empty or unreadable.
    *nascita = dataNascita->vuota() ? nascitaCaricata : dataNascita->testo(kFormatoData);

    const QString dal = editStatoCivileDal->text().trimmed();
    if (dal.isEmpty() || dal == statoCivileDalMostrato.trimmed()) {
        *statoCivileDal = dal;
    } else {
        QDate d = InputSvizzero::leggiData(dal);
        if (avvisa && !InputSvizzero::dataOppureAvviso(this, tr("Stato civile dal"), dal, &d))
            return false;
        if (!d.isValid())
            return false;
        *statoCivileDal = d.toString(kFormatoData);
    }
    return true;
}

QString SchedaDipendente::controllaPeriodi(const QList<PeriodoRapporto>& periodi)
{
    // A period whose dates do not read is kept as it is and not compared.
    struct Intervallo
    {
        int riga;
        QDate entrata;
        QDate uscita; // the last day of a lasting period: the last the calendar has
    };
    QList<Intervallo> letti;
    for (int i = 0; i < periodi.size(); ++i) {
        const PeriodoRapporto& p = periodi.at(i);
        const QDate entrata = InputSvizzero::leggiData(p.entrata);
        const QDate uscita = p.uscita.trimmed().isEmpty() ? QDate(9999, 12, 31) : InputSvizzero::leggiData(p.uscita);
        if (!entrata.isValid() || !uscita.isValid())
            continue;
        if (uscita < entrata)
            return tr("\"%1\": il periodo %2 finisce il %3, prima del suo inizio il %4.")
                .arg(tr("Periodi di rapporto"))
                .arg(i + 1)
                .arg(p.uscita, p.entrata);
        letti.append({i + 1, entrata, uscita});
    }
    // The exit day is a working day: a period that starts on it overlaps.
    for (int a = 0; a < letti.size(); ++a) {
        for (int b = a + 1; b < letti.size(); ++b) {
            if (letti.at(a).entrata <= letti.at(b).uscita && letti.at(b).entrata <= letti.at(a).uscita)
                return tr("\"%1\": i periodi %2 e %3 si sovrappongono: un dipendente ha un solo rapporto alla volta.")
                    .arg(tr("Periodi di rapporto"))
                    .arg(letti.at(a).riga)
                    .arg(letti.at(b).riga);
        }
    }
    return QString();
}

QString SchedaDipendente::controllaDati(const DatiDipendente& d, QString* campo)
{
    const auto rifiuto = [campo](const char* nome, const QString& messaggio) {
        if (campo)
            *campo = QLatin1String(nome);
        return messaggio;
    };
    if (d.extra.value(QStringLiteral("nazione")) == kSvizzera && !d.numeroAVS.isEmpty()
        && !Dipendente::validaAVS(d.numeroAVS))
        return rifiuto("numeroAVS", tr("Numero AVS non valido."));

    // Amounts are never below 0 nor above what the record file holds.
    const struct
    {
        const char* nome;
        QString campo;
        double valore;
    } importi[] = {{"salarioMensile", tr("Salario mensile (CHF)"), d.salarioMensile},
                   {"lppManuale", tr("LPP trattenuta (CHF)"), d.lppManuale},
                   {"pagaOraria", tr("Paga oraria (CHF/h)"), d.pagaOraria}};
    for (const auto& i : importi) {
        const QString fuori = InputSvizzero::fuoriLimite(i.campo, i.valore, 0.0, FileSicuri::kImportoMassimo);
        if (!fuori.isEmpty())
            return rifiuto(i.nome, fuori);
    }
    const QString grado = InputSvizzero::fuoriLimite(tr("Grado di occupazione (%)"), d.gradoOccupazione, 1.0, 100.0);
    if (!grado.isEmpty())
        return rifiuto("gradoOccupazione", grado);

    // A birth date that does not read is kept as it is; one of today is
    // no birth date either (a newborn pays no contributions).
    const QDate oggi = Orologio::oggi();
    const QDate nascita = InputSvizzero::leggiData(d.dataNascita);
    if (nascita.isValid() && nascita >= oggi)
        return rifiuto("dataNascita", tr("\"%1\": il %2 non e' prima di oggi.")
                                          .arg(tr("Data di nascita"), d.dataNascita.trimmed()));

    const QString periodi = controllaPeriodi(d.periodi);
    if (!periodi.isEmpty())
        return rifiuto("periodi", periodi);
    for (const Figlio& f : d.figli) {
        const QDate nato = InputSvizzero::leggiData(f.dataNascita);
        if (nato.isValid() && nato > oggi)
            return rifiuto("figli",
                           tr("\"%1\": la data di nascita %2 di %3 e' dopo oggi.")
                               .arg(tr("Figli"), f.dataNascita, (f.nome + QLatin1Char(' ') + f.cognome).trimmed()));
    }
    // The account number the bank file will use: check digits as the bank
    // checks them, so a typing error is caught now, not on payday.
    const QString iban = d.iban.trimmed();
    if (d.modalitaPagamento != kContanti && !iban.isEmpty() && !Pain001::ibanValido(iban))
        return rifiuto("iban", tr("\"%1\": %2 non e' un IBAN valido, controlla le cifre.").arg(tr("IBAN"), iban));
    return QString();
}

bool SchedaDipendente::recordDellaScheda(DatiDipendente* nuovi, bool avvisa)
{
    double salario = 0, lpp = 0, oraria = 0;
    int grado = 0;
    QString nascita, statoCivileDal;
    if (!leggiInput(&salario, &lpp, &oraria, &grado, &nascita, &statoCivileDal, avvisa))
        return false;
    const QString nazione = comboNazione->currentData().toString();

    *nuovi = dati;
    nuovi->nome = editNome->text();
    nuovi->cognome = editCognome->text();
    nuovi->dataNascita = nascita;
    nuovi->sesso = comboSesso->currentData().toString();
    nuovi->statoCivile = comboStatoCivile->currentData().toString();
    nuovi->nazionalita = editNazionalita->text();
    nuovi->indirizzo = editIndirizzo->text();
    nuovi->cap = editCap->text();
    nuovi->localita = editLocalita->text();
    nuovi->cantone = nazione == kSvizzera ? editCantone->text() : QString();
    nuovi->permessoLavoro = comboPermesso->currentData().toString();
    nuovi->tipoContratto = comboContratto->currentData().toString();
    nuovi->mensilitaAggiuntive = comboMensilita->currentData().toInt();
    nuovi->tipoPaga = comboTipoPaga->currentData().toInt();
    nuovi->salarioMensile = salario;
    nuovi->lppManuale = lpp;
    nuovi->pagaOraria = oraria;
    nuovi->ccl = comboCcl->currentData().toString();
    nuovi->categoriaCcl = comboCategoria->currentData().toString();
    nuovi->modalitaPagamento = comboModalita->currentData().toString();
    nuovi->iban = editIban->text().trimmed();
    nuovi->intestatarioConto = editIntestatario->text().trimmed();
    nuovi->banca = editBanca->text().trimmed();
    nuovi->bicSwift = editBic->text().trimmed();
    nuovi->bancaEstera = checkBancaEstera->isChecked();
    nuovi->numeroAVS = editAVS->text().trimmed();
    nuovi->gradoOccupazione = grado;
    nuovi->statoCivileDal = statoCivileDal;
    nuovi->cellulare = editCellulare->text().trimmed();
    nuovi->email = editEmail->text().trimmed();
    nuovi->extra.insert(QStringLiteral("nazione"), nazione);
    nuovi->extra.insert(QStringLiteral("coniugeLavora"), comboConiuge->currentData().toString());
    nuovi->extra.insert(QStringLiteral("altreAttivita"),
                        checkAltreAttivita->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    // An empty tariff leaves the stored one: a tariff cannot be removed here.
    const QString tariffa = editTariffa->text().trimmed().toUpper();
    if (!tariffa.isEmpty()) {
        nuovi->extra.insert(QStringLiteral("tabellaIF"), tariffa);
        nuovi->extra.insert(QStringLiteral("codiceTariffa"), tariffa);
    }
    for (QLineEdit* e : blocco->campiIdentificativi()) {
        if (!e->objectName().isEmpty())
            nuovi->extra.insert(e->objectName(), e->text().trimmed());
    }
    return true;
}

void SchedaDipendente::salva()
{
    DatiDipendente nuovi;
    if (!recordDellaScheda(&nuovi, true))
        return;
    QString campo;
    const QString rifiuto = controllaDati(nuovi, &campo);
    if (!rifiuto.isEmpty()) {
        Messaggi::avviso(this, tr("Attenzione"), rifiuto);
        if (auto* w = findChild<QWidget*>(campo))
            w->setFocus();
        return;
    }
    dati = nuovi;
    // The salary goes into the history only when the user typed another one
    // than the card showed: decided on the card's own value, before a merge
    // with the file may bring back the record's.
    const bool salarioDigitato =
        dati.tipoPaga != 1 && Importi::arrotonda2(dati.salarioMensile) != Importi::arrotonda2(salarioMostrato);

    // A file on disk that could not be read at all (too large, no access)
    // is never replaced by what the card shows.
    QByteArray presente;
    const FileSicuri::Esito esito = FileSicuri::leggiFile(Dipendente::percorsoFile(id), &presente);
    if (esito == FileSicuri::Esito::TroppoGrande || esito == FileSicuri::Esito::Illeggibile) {
        Messaggi::avviso(this, tr("Errore"),
                         FileSicuri::messaggio(esito, Dipendente::percorsoFile(id)) + QLatin1Char('\n')
                             + tr("Il file non viene sovrascritto."));
        return;
    }
    // Nor is one that read with damage: where it holds a value the card
    // shows as 0 or blank, a save would lose that value without a word.
    DatiDipendente suDisco;
    QString danno;
    if (esito == FileSicuri::Esito::Letto && !Dipendente::carica(id, suDisco, &danno) && !danno.isEmpty()) {
        Messaggi::avviso(this, tr("Errore"), danno + QLatin1Char('\n') + tr("Il file non viene sovrascritto."));
        return;
    }

    // Another window may have saved this employee since the card read the
    // file: what it changed stays, and a field changed there and here alike
    // is named before the card's value replaces it.
    if (esito == FileSicuri::Esito::Letto && !(suDisco == letto) && !unisciConIlFile(suDisco))
        return;

    // The agreement's minimum is advice: the card warns and saves all the
    // same. Hourly categories hold an hourly rate; an amount not entered (0)
    // is not checked.
    const double paga = dati.categoriaCcl.endsWith(QLatin1String("_ora")) ? dati.pagaOraria : dati.salarioMensile;
    const EsitoCCL minimo = CCL::verifica(dati.ccl, dati.categoriaCcl, paga);
    if (!minimo.errore.isEmpty() || (paga > 0 && minimo.sottoMinimo))
        Messaggi::avviso(this, tr("Attenzione"), minimo.messaggio);
    avvisaTariffa();

    QVector<PeriodoStipendio> periodi;
    int periodoOggi = -1;
    if (salarioDigitato && !periodoDaAggiornare(&periodi, &periodoOggi))
        return;

    QString motivoSalvataggio;
    if (!Dipendente::salva(dati, id, &motivoSalvataggio)) {
        Messaggi::avviso(this, tr("Errore"), tr("Salvataggio non riuscito.") + QLatin1Char('\n') + motivoSalvataggio);
        return;
    }
    if (periodoOggi >= 0) {
        periodi[periodoOggi].salarioMensile = dati.salarioMensile;
        GestioneStipendi::completaPeriodo(&periodi[periodoOggi], dati);
        QString motivo;
        if (!StoricoStipendi::salva(id, periodi, &motivo))
            Messaggi::avviso(this, tr("Errore"),
                             tr("Dipendente salvato, ma il salario del periodo in corso nello storico stipendi non e' "
                                "stato aggiornato.")
                                 + QLatin1Char('\n') + motivo);
    }
    letto = dati;
    mostrato = dati;
    nascitaCaricata = dati.dataNascita;
    statoCivileDalMostrato = dati.statoCivileDal;
    salarioMostrato = dati.salarioMensile;
    blocco->setModificato(false);
    Messaggi::informazione(this, tr("Salvato"), tr("Dipendente salvato."));
    accept();
}

bool SchedaDipendente::unisciConIlFile(const DatiDipendente& suDisco)
{
    QStringList conflitti;
    const DatiDipendente unito = Dipendente::unisci(mostrato, dati, suDisco, &conflitti);
    QStringList campi;
    for (const QString& chiave : qAsConst(conflitti))
        campi << QStringLiteral("- ") + nomeCampo(chiave);
    campi.removeDuplicates();
    if (!campi.isEmpty()) {
        const QString nome = (suDisco.nome.trimmed() + QLatin1Char(' ') + suDisco.cognome.trimmed()).trimmed();
        const QMessageBox::StandardButton scelta = Messaggi::scelta(
            this, tr("Dipendente modificato altrove"),
            tr("Dopo l'apertura di questa scheda un'altra finestra ha salvato %1. Quello che ha cambiato resta; "
               "questi campi sono stati cambiati sia li' sia qui:\n%2\n\nSalvare in questi campi i valori di questa "
               "scheda?")
                .arg(nome, campi.join(QLatin1Char('\n'))),
            {{QMessageBox::Save, tr("Salva i valori della scheda")}, {QMessageBox::Cancel, tr("Annulla")}},
            QMessageBox::Warning);
        if (scelta != QMessageBox::Save)
            return false;
    }
    dati = unito;
    return true;
}

QString SchedaDipendente::nomeCampo(const QString& chiave) const
{
    if (chiave == QLatin1String("periodi"))
        return tr("Periodi di rapporto");
    if (chiave == QLatin1String("figli"))
        return tr("Figli");
    if (chiave == QLatin1String("numeroAVS"))
        return tr("N° AVS");
    // A field of the card, by its label.
    const bool tariffa = chiave == QLatin1String("tabellaIF") || chiave == QLatin1String("codiceTariffa");
    QWidget* campo = findChild<QWidget*>(tariffa ? QStringLiteral("tariffa") : chiave);
    if (auto* casella = qobject_cast<QCheckBox*>(campo))
        return casella->text();
    for (const QFormLayout* form : findChildren<QFormLayout*>()) {
        if (const auto* etichetta = qobject_cast<QLabel*>(campo ? form->labelForField(campo) : nullptr))
            return etichetta->text();
    }
    // The administrative data, by the names their dialog shows.
    const QString amministrativo = DialogAmministrativi::etichetta(chiave);
    return amministrativo.isEmpty() ? chiave : amministrativo;
}

void SchedaDipendente::cancella()
{
    if (!Messaggi::conferma(this, tr("Conferma"), tr("Eliminare definitivamente questo dipendente?")))
        return;
    if (!Dipendente::elimina(id)) {
        Messaggi::avviso(this, tr("Errore"), tr("Eliminazione non riuscita."));
        return;
    }
    blocco->setModificato(false);
    Messaggi::informazione(this, tr("Eliminato"), tr("Dipendente eliminato."));
    accept();
}

void SchedaDipendente::apriPeriodi()
{
    // Only a real change marks the card: a look at the periods is none.
    const QList<PeriodoRapporto> prima = dati.periodi;
    DialogPeriodiRapporto d(dati.periodi, this);
    d.exec();
    if (dati.periodi != prima)
        blocco->setModificato(true);
}

void SchedaDipendente::apriFigli()
{
    const QList<Figlio> prima = dati.figli;
    DialogFigli d(dati.figli, this);
    d.exec();
    if (dati.figli != prima)
        blocco->setModificato(true);
}

void SchedaDipendente::apriAmministrativi()
{
    // The dialog shows what the card's rows hold now, and what the user
    // changes there comes back into the rows: the save then keeps it.
    dati.statoCivileDal = editStatoCivileDal->text().trimmed();
    dati.cellulare = editCellulare->text().trimmed();
    dati.email = editEmail->text().trimmed();
    const QString dalPrima = dati.statoCivileDal;
    const DatiDipendente prima = dati;

    DialogAmministrativi d(dati, this);
    if (d.exec() != QDialog::Accepted || dati == prima)
        return;
    editCellulare->setText(dati.cellulare);
    editEmail->setText(dati.email);
    editStatoCivileDal->setText(dati.statoCivileDal);
    if (dati.statoCivileDal != dalPrima)
        statoCivileDalMostrato = dati.statoCivileDal;
    blocco->setModificato(true);
}

bool SchedaDipendente::salarioDelMese(double* salario) const
{
    QVector<PeriodoStipendio> periodi;
    QString errore;
    const QDate oggi = Orologio::oggi();
    if (!StoricoStipendi::carica(id, periodi, &errore) || !errore.isEmpty())
        return false;
    const PeriodoStipendio* p = StoricoStipendi::periodoDelMese(periodi, oggi.year(), oggi.month());
    if (!p)
        return false;
    *salario = p->salarioMensile;
    return true;
}

bool SchedaDipendente::periodoDaAggiornare(QVector<PeriodoStipendio>* periodi, int* indice)
{
    *indice = -1;
    // A salary the user did not type is not the card's to write: the
    // history may hold a newer one.
    if (dati.tipoPaga == 1 || Importi::arrotonda2(dati.salarioMensile) == Importi::arrotonda2(salarioMostrato))
        return true;
    QString erroreStorico;
    const QDate oggi = Orologio::oggi();
    const bool letto = StoricoStipendi::carica(id, *periodi, &erroreStorico);
    const PeriodoStipendio* p = letto ? StoricoStipendi::periodoDelMese(*periodi, oggi.year(), oggi.month()) : nullptr;
    if (!p || Importi::arrotonda2(p->salarioMensile) == Importi::arrotonda2(dati.salarioMensile))
        return true;
    if (!erroreStorico.isEmpty()) {
        Messaggi::avviso(this, tr("Errore"),
                         erroreStorico + QLatin1Char('\n')
                             + tr("Lo storico stipendi non viene aggiornato: il dipendente non e' salvato."));
        return false;
    }
    *indice = int(p - periodi->constData());
    return true;
}

void SchedaDipendente::apriStoricoStipendi()
{
    // The history this card was opened from is shown again, never a second
    // one of the same employee.
    if (FinestreAperte::mostra(GestioneStipendi::staticMetaObject.className(), Dipendente::percorsoFile(id), this))
        return;
    GestioneStipendi g(id, this);
    g.exec();
    // The card shows what the history holds now; the refresh is no edit of
    // the user's. A salary typed on the card and changed in the history
    // since gives way to the history's, and the user is told.
    double storico = 0;
    if (dati.tipoPaga == 1 || !salarioDelMese(&storico)
        || Importi::arrotonda2(storico) == Importi::arrotonda2(salarioMostrato))
        return;
    const QString digitato = editSalario->text().trimmed();
    double importo = 0;
    const bool diverso = !InputSvizzero::leggiImporto(digitato, &importo)
        || (Importi::arrotonda2(importo) != Importi::arrotonda2(salarioMostrato)
            && Importi::arrotonda2(importo) != Importi::arrotonda2(storico));
    const bool modificato = blocco->modificato();
    editSalario->setText(numero(storico));
    blocco->setModificato(modificato);
    salarioMostrato = storico;
    mostrato.salarioMensile = storico;
    if (diverso)
        Messaggi::informazione(this, tr("Storico stipendi"),
                               tr("Lo storico stipendi indica ora %1 per il mese in corso: la scheda mostra questo "
                                  "salario al posto di \"%2\" scritto prima.")
                                   .arg(numero(storico), digitato));
}

void SchedaDipendente::avvisaTariffa()
{
    if (!ConteggioSalario::soggettoImposta(dati))
        return;
    const QString cantone = ConteggioSalario::cantoneDelConteggio(dati);
    const QString tariffa = ConteggioSalario::tariffaImposta(dati);
    if (ImpostaFonte::haScala(cantone, tariffa))
        return;
    QString testo = ImpostaFonte::scalePerCantone(cantone).isEmpty()
        ? tr("Nessuna tabella dell'imposta alla fonte e' caricata per il cantone %1: la tariffa %2 non puo' essere "
             "controllata.")
              .arg(cantone, tariffa)
        : tr("La tariffa %1 non si trova nelle tabelle dell'imposta alla fonte caricate per il cantone %2.")
              .arg(tariffa, cantone);
    if (ImpostaFonte::scalaDanneggiata(cantone, tariffa))
        testo = tr("Il file delle tariffe del cantone %1 contiene la tariffa %2 danneggiata o in contraddizione con se "
                   "stessa: non viene usata.")
                    .arg(cantone, tariffa);
    Messaggi::avviso(this, tr("Attenzione"),
                     testo + QLatin1Char('\n')
                         + tr("Il dipendente viene salvato, ma la chiusura mensile non lo conteggia finche' la sua "
                              "tariffa non si trova nelle tabelle caricate."));
}
