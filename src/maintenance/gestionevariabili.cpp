#include "gestionevariabili.h"

#include "anteprimastampa.h"
#include "azienda.h"
#include "config.h"
#include "decimali.h"
#include "fogliopaga.h"
#include "inputsvizzero.h"
#include "linguautente.h"
#include "messaggi.h"
#include "modifichenonsalvate.h"
#include "orologio.h"
#include "variabilimensili.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const int kRigaTotali = 12;
const int kColonnaNote = 13; // monthly layout only

struct Colonna
{
    const char* intestazione;
    double VariabileMese::*campo; // null: the month name, or the note column
};

const QList<Colonna>& colonneOrarie()
{
    static const QList<Colonna> c{
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Mese"), nullptr},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Ore\nfatte"), &VariabileMese::oreFatte},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Ore extra\n25%"), &VariabileMese::oreExtra25},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Ore extra\n50%"), &VariabileMese::oreExtra50},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Ore extra\ncompensate"), &VariabileMese::oreExtraCompensate},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Rimb.\nmalattia"), &VariabileMese::rimborsoMalattia},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Rimb.\ninfortunio"), &VariabileMese::rimborsoInfortunio},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Rimb.\nIPG"), &VariabileMese::rimborsoIPG},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Rimb.\nspese"), &VariabileMese::rimborsoSpese},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Acconti"), &VariabileMese::acconti},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Rimb.\nprestiti"), &VariabileMese::rimborsoPrestiti},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Tratt.\nUEF"), &VariabileMese::trattenuteUEF},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Vacanze\n(gg)"), &VariabileMese::vacanzePrese},
    };
    return c;
}

const QList<Colonna>& colonneMensili()
{
    static const QList<Colonna> c{
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Mese"), nullptr},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Imp.\nimponibili"), &VariabileMese::importiImponibili},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Imp. non\nimponibili"), &VariabileMese::importiNonImponibili},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Ore extra\n25%"), &VariabileMese::oreExtra25},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Ore extra\n50%"), &VariabileMese::oreExtra50},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Ore extra\ncompensate"), &VariabileMese::oreExtraCompensate},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Rimb.\nspese"), &VariabileMese::rimborsoSpese},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Rimb.\ntrasferte"), &VariabileMese::rimborsoTrasferte},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Deduz.\nassenze"), &VariabileMese::deduzioneAssenze},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Rimb.\nassicur."), &VariabileMese::rimborsoAssicurativo},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "13a / 14a /\nGratifica"), &VariabileMese::tredicesimaGratifica},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Acconti"), &VariabileMese::acconti},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Vacanze\n(gg)"), &VariabileMese::vacanzePrese},
        {QT_TRANSLATE_NOOP("GestioneVariabili", "Note /\nDescrizione"), nullptr},
    };
    return c;
}

const Qt::Alignment kDestra = Qt::AlignRight | Qt::AlignVCenter;
// The text a cell was shown with.
const int kRuoloMostrato = Qt::UserRole + 1;

// Every header and cell shows whole, in any language: a column is at least
// as wide as the longest word of its header and its widest cell (a note
// counts up to a limit), the room left is shared out, and the header is as
// tall as its most wrapped title.
void adattaColonne(QTableWidget* t)
{
    const int colonne = t->columnCount();
    if (colonne == 0)
        return;
    QHeaderView* h = t->horizontalHeader();
    const QFontMetrics metricaTitoli(h->font());
    constexpr int kMargine = 14;       // the header's and the cell's own margins
    constexpr int kCellaMassima = 220; // a long note wraps no column wider
    QVector<int> larghezze(colonne);
    int somma = 0;
    for (int c = 0; c < colonne; ++c) {
        int w = 0;
        const QTableWidgetItem* titolo = t->horizontalHeaderItem(c);
        const QString testo = titolo ? titolo->text() : QString();
        for (const QString& parola : testo.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
            w = std::max(w, metricaTitoli.horizontalAdvance(parola));
        for (int r = 0; r < t->rowCount(); ++r) {
            if (const QTableWidgetItem* cella = t->item(r, c))
                w = std::max(w, std::min(kCellaMassima, QFontMetrics(cella->font()).horizontalAdvance(cella->text())));
        }
        larghezze[c] = w + kMargine;
        somma += larghezze[c];
    }
    const int resto = std::max(0, t->viewport()->width() - somma);
    int altezza = 0;
    h->setSectionResizeMode(QHeaderView::Interactive);
    for (int c = 0; c < colonne; ++c) {
        const int w = larghezze.at(c) + resto / colonne + (c < resto % colonne ? 1 : 0);
        h->resizeSection(c, w);
        const QTableWidgetItem* titolo = t->horizontalHeaderItem(c);
        const QRect spazio = metricaTitoli.boundingRect(QRect(0, 0, w - kMargine, 10000),
                                                        Qt::AlignCenter | Qt::TextWordWrap,
                                                        titolo ? titolo->text() : QString());
        altezza = std::max(altezza, spazio.height());
    }
    h->setFixedHeight(altezza + 12);
}

QTableWidgetItem* cellaFissa(const QString& testo)
{
    auto* c = new QTableWidgetItem(testo);
    c->setFlags(c->flags() & ~Qt::ItemIsEditable);
    return c;
}

QString dueDecimali(double v)
{
    return Decimali::testo(v);
}

// Francs are kept to the centime; hours and days are read as typed.
bool leggiCella(const Colonna& colonna, const QString& testo, double* valore)
{
    return VariabiliMensili::importo(colonna.campo) ? InputSvizzero::leggiImporto(testo, valore)
                                                    : InputSvizzero::leggiNumero(testo, valore);
}

QTableWidgetItem* cellaMostrata(const QString& testo)
{
    auto* cella = new QTableWidgetItem(testo);
    cella->setData(kRuoloMostrato, testo);
    return cella;
}

} // namespace

GestioneVariabili::GestioneVariabili(const QString& codice, int anno, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Inserimento variabili mensili"));
    QScreen* schermo = QGuiApplication::primaryScreen();
    if (schermo) {
        const QRect disponibile = schermo->availableGeometry();
        resize(std::min(1240, disponibile.width() - 40), std::min(640, disponibile.height() - 60));
    } else {
        resize(1240, 640);
    }

    sceltaDipendente = new QComboBox(this);
    sceltaDipendente->setObjectName(QStringLiteral("dipendente"));
    sceltaAnno = new QSpinBox(this);
    sceltaAnno->setObjectName(QStringLiteral("anno"));
    sceltaAnno->setRange(2000, 2100);
    contratto = new QLabel(this);
    contratto->setObjectName(QStringLiteral("contratto"));
    contratto->setStyleSheet(QStringLiteral("font-weight: bold; color: #2E5A36; padding-left: 12px;"));

    auto* riga = new QHBoxLayout;
    riga->addWidget(new QLabel(tr("Dipendente:"), this));
    riga->addWidget(sceltaDipendente, 1);
    riga->addWidget(new QLabel(tr("Anno:"), this));
    riga->addWidget(sceltaAnno);
    riga->addWidget(contratto);

    griglia = new QTableWidget(this);
    griglia->setObjectName(QStringLiteral("griglia"));
    griglia->setAlternatingRowColors(true);
    griglia->verticalHeader()->setVisible(false);
    // Titles wrap at their blanks; the widths follow the texts (adattaColonne).
    griglia->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter | static_cast<Qt::AlignmentFlag>(Qt::TextWordWrap));
    griglia->viewport()->installEventFilter(this);

    auto* anteprima = new QPushButton(tr("Anteprima / Stampa variabili PDF..."), this);
    anteprima->setObjectName(QStringLiteral("anteprima"));
    anteprima->setAutoDefault(false);
    auto* salvaBtn = new QPushButton(tr("Salva"), this);
    salvaBtn->setObjectName(QStringLiteral("salva"));
    salvaBtn->setDefault(true);
    auto* chiudi = new QPushButton(tr("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("chiudi"));
    chiudi->setAutoDefault(false);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(anteprima);
    pulsanti->addStretch();
    pulsanti->addWidget(salvaBtn);
    pulsanti->addWidget(chiudi);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(riga);
    layout->addWidget(griglia, 1);
    layout->addLayout(pulsanti);

    // The employee asked for: the last entry with that id, or with the same
    // file name when the id carries a folder; else the first.
    const QString cercato = QFileInfo(codice).fileName();
    int scelto = 0;
    const QStringList ids = Dipendente::elencoDipendenti(false);
    for (int i = 0; i < ids.size(); ++i) {
        sceltaDipendente->addItem(Dipendente::etichetta(ids.at(i)), ids.at(i));
        if (!codice.isEmpty() && (ids.at(i) == codice || QFileInfo(ids.at(i)).fileName() == cercato))
            scelto = i;
    }
    if (sceltaDipendente->count() > 0)
        sceltaDipendente->setCurrentIndex(scelto);
    sceltaAnno->setValue(anno > 2000 ? anno : Orologio::oggi().year());

    connect(sceltaDipendente, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &GestioneVariabili::sceltaCambiata);
    connect(sceltaAnno, QOverload<int>::of(&QSpinBox::valueChanged), this, &GestioneVariabili::sceltaCambiata);
    connect(salvaBtn, &QPushButton::clicked, this, &GestioneVariabili::salvaDati);
    connect(anteprima, &QPushButton::clicked, this, &GestioneVariabili::stampaAnteprima);
    // "Chiudi" ends the window accepted, once nothing unsaved is left.
    connect(chiudi, &QPushButton::clicked, this, [this] {
        if (chiusuraConsentita())
            accept();
    });
    connect(griglia, &QTableWidget::itemChanged, this, &GestioneVariabili::cellaCambiata);

    caricaDati();

    if (schermo) {
        QRect r = frameGeometry();
        r.moveCenter(schermo->availableGeometry().center());
        move(r.topLeft());
    }
}

void GestioneVariabili::sceltaCambiata()
{
    if (!ModificheNonSalvate::puoCambiare(this, modificato, [this] { return salva(); })) {
        // The grid keeps the edits of the employee and year it shows.
        const QSignalBlocker b1(sceltaDipendente);
        const QSignalBlocker b2(sceltaAnno);
        sceltaDipendente->setCurrentIndex(indiceMostrato);
        sceltaAnno->setValue(annoMostrato);
        return;
    }
    caricaDati();
}

void GestioneVariabili::cellaCambiata(QTableWidgetItem* cella)
{
    if (caricamento || !cella || cella->row() >= kRigaTotali)
        return;
    modificato = true;
    ricalcolaTotali();
}

void GestioneVariabili::impostaColonne()
{
    const QList<Colonna>& colonne = orario ? colonneOrarie() : colonneMensili();
    griglia->clear();
    griglia->setColumnCount(colonne.size());
    QStringList intestazioni;
    for (const Colonna& c : colonne)
        intestazioni << tr(c.intestazione);
    griglia->setHorizontalHeaderLabels(intestazioni);
    griglia->setRowCount(13);
}

void GestioneVariabili::caricaDati()
{
    if (sceltaDipendente->count() == 0)
        return;

    id = sceltaDipendente->currentData().toString();
    dipendente = DatiDipendente();
    Dipendente::carica(id, dipendente);
    orario = dipendente.tipoPaga == 1;
    contratto->setText(orario ? tr("Contratto: Salario orario (CHF %1/h)").arg(dueDecimali(dipendente.pagaOraria))
                              : tr("Contratto: Stipendio mensile (CHF %1/mese)")
                                    .arg(dueDecimali(dipendente.salarioMensile)));

    caricamento = true;
    impostaColonne();
    caricamento = false;
    mostraMesi(VariabiliMensili::caricaAnno(id, sceltaAnno->value()));
    indiceMostrato = sceltaDipendente->currentIndex();
    annoMostrato = sceltaAnno->value();
}

void GestioneVariabili::mostraMesi(const QList<VariabileMese>& mesi)
{
    caricamento = true;
    const QList<Colonna>& colonne = orario ? colonneOrarie() : colonneMensili();
    for (int r = 0; r < 12 && r < mesi.size(); ++r) {
        griglia->setItem(r, 0, cellaFissa(LinguaUtente::nomeMeseMaiuscolo(r + 1)));
        for (int c = 1; c < colonne.size(); ++c) {
            if (colonne.at(c).campo) {
                auto* cella = cellaMostrata(VariabiliMensili::testo(colonne.at(c).campo, mesi.at(r).*(colonne.at(c).campo)));
                cella->setTextAlignment(kDestra);
                griglia->setItem(r, c, cella);
            } else {
                griglia->setItem(r, c, cellaMostrata(mesi.at(r).comunicazioni));
            }
        }
    }
    QTableWidgetItem* totale = cellaFissa(tr("Totale annuo"));
    QFont grassetto = totale->font();
    grassetto.setBold(true);
    totale->setFont(grassetto);
    griglia->setItem(kRigaTotali, 0, totale);
    caricamento = false;

    mesiMostrati = mesi;
    modificato = false;
    ricalcolaTotali();
}

bool GestioneVariabili::toccata(int riga, int colonna) const
{
    const QTableWidgetItem* cella = griglia->item(riga, colonna);
    return cella && cella->text() != cella->data(kRuoloMostrato).toString();
}

bool GestioneVariabili::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == griglia->viewport() && evento->type() == QEvent::Resize)
        adattaColonne(griglia);
    return QDialog::eventFilter(oggetto, evento);
}

void GestioneVariabili::ricalcolaTotali()
{
    caricamento = true;
    QFont grassetto = griglia->font();
    grassetto.setBold(true);
    const QList<Colonna>& colonne = orario ? colonneOrarie() : colonneMensili();
    for (int c = 1; c <= 12 && c < griglia->columnCount() && c < colonne.size(); ++c) {
        double somma = 0.0;
        for (int r = 0; r < 12; ++r) {
            // A cell left as shown counts what is stored; text that is no
            // amount counts 0 here, and saving refuses it.
            double v = 0.0;
            const QTableWidgetItem* cella = griglia->item(r, c);
            if (!cella || !colonne.at(c).campo)
                continue;
            if (!toccata(r, c) && r < mesiMostrati.size())
                somma += mesiMostrati.at(r).*(colonne.at(c).campo);
            else if (leggiCella(colonne.at(c), cella->text(), &v))
                somma += v;
        }
        QTableWidgetItem* totale
            = cellaFissa(colonne.at(c).campo ? VariabiliMensili::testo(colonne.at(c).campo, somma) : QString());
        totale->setTextAlignment(kDestra);
        totale->setFont(grassetto);
        griglia->setItem(kRigaTotali, c, totale);
    }
    if (!orario && griglia->columnCount() > kColonnaNote)
        griglia->setItem(kRigaTotali, kColonnaNote, cellaFissa(QString()));
    caricamento = false;
    adattaColonne(griglia);
}

bool GestioneVariabili::salva()
{
    griglia->setCurrentItem(nullptr); // commits a cell still being edited
    if (id.isEmpty())
        return false;

    // The year the grid shows: when the user has just picked another one and
    // saves first, the box already holds the new year.
    const int anno = annoMostrato;
    const QList<Colonna>& colonne = orario ? colonneOrarie() : colonneMensili();
    // The stored year: what the grid does not show, and every cell the user
    // left as it was shown, keep the value the file holds, whatever its
    // decimals or size.
    QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(id, anno);
    for (int r = 0; r < 12 && r < mesi.size(); ++r) {
        VariabileMese& m = mesi[r];
        m.mese = r + 1;
        bool oreToccate = false;
        for (int c = 1; c < colonne.size(); ++c) {
            if (!toccata(r, c))
                continue;
            const QString testo = griglia->item(r, c)->text();
            double VariabileMese::*membro = colonne.at(c).campo;
            if (!membro) {
                m.comunicazioni = testo.trimmed();
                continue;
            }
            // A typed value that cannot be read is refused, never saved as 0;
            // hours and days take three decimals at most.
            double valore = 0.0;
            const QString campo = QStringLiteral("%1 - %2")
                                      .arg(LinguaUtente::nomeMeseMaiuscolo(r + 1),
                                           tr(colonne.at(c).intestazione).replace(QLatin1Char('\n'), QLatin1Char(' ')));
            const bool letto = VariabiliMensili::importo(membro)
                ? InputSvizzero::importoOppureAvviso(this, campo, testo, &valore)
                : InputSvizzero::numeroOppureAvviso(this, campo, testo, &valore, true, VariabiliMensili::kDecimaliOre);
            if (!letto || !InputSvizzero::nelLimiteOppureAvviso(this, campo, valore, 0.0, VariabiliMensili::massimo(membro))) {
                griglia->setCurrentCell(r, c);
                return false;
            }
            m.*membro = valore;
            oreToccate = oreToccate || VariabiliMensili::ore(membro);
        }
        // A month has 744 hours at most, worked and overtime together.
        if (oreToccate
            && !InputSvizzero::nelLimiteOppureAvviso(
                this, tr("%1 - ore fatte e straordinarie del mese").arg(LinguaUtente::nomeMeseMaiuscolo(r + 1)),
                VariabiliMensili::oreDelMese(m), 0.0, VariabiliMensili::kOreMeseMassime)) {
            griglia->setCurrentCell(r, 1);
            return false;
        }
    }

    double picco = 0.0;
    double totale = 0.0;
    for (int r = 0; r < 12 && r < mesi.size(); ++r) {
        const VariabileMese& m = mesi.at(r);
        const double ore = std::max(0.0, m.oreExtra25 + m.oreExtra50 - m.oreExtraCompensate);
        picco = std::max(picco, ore);
        totale += ore;
    }
    if (picco > 40.0 || totale > 140.0) {
        const QMessageBox::StandardButton risposta = Messaggi::scelta(
            this, tr("AVVISO IMPORTANTE - Limite legale ore straordinarie (art. 12 LL)"),
            tr("Attenzione: le ore extra non compensate superano i limiti di riferimento della Legge federale sul "
               "lavoro (art. 12 LL):\n\n- Picco mensile: %1 h (soglia mensile prudenziale: 40 h)\n- Totale annuo "
               "%2: %3 h (limite legale: 140 h/anno, o 170 h/anno per settimana di 45 h)\n\nVuoi comunque salvare "
               "questi dati a tuo rischio e pericolo?")
                .arg(Decimali::testoFino(picco, 2, VariabiliMensili::kDecimaliOre))
                .arg(anno)
                .arg(Decimali::testoFino(totale, 2, VariabiliMensili::kDecimaliOre)),
            {{QMessageBox::Save, tr("Salva a mio rischio e pericolo")},
             {QMessageBox::Cancel, tr("Annulla e correggi")}},
            QMessageBox::Warning);
        if (risposta != QMessageBox::Save)
            return false;
    }

    QString motivo;
    if (!VariabiliMensili::salvaAnno(id, anno, mesi, &motivo)) {
        Messaggi::avviso(this, tr("Errore"), tr("Impossibile salvare le variabili.") + QLatin1Char('\n') + motivo);
        return false;
    }
    // The grid shows what is stored now: 19.825 typed is 19.83.
    mostraMesi(mesi);
    Messaggi::informazione(this, tr("Salvato"), tr("Variabili mensili salvate."));
    return true;
}

void GestioneVariabili::reject()
{
    if (chiusuraConsentita())
        QDialog::reject();
}

bool GestioneVariabili::chiusuraConsentita()
{
    griglia->setCurrentItem(nullptr); // a cell still being edited counts too
    return ModificheNonSalvate::puoChiudere(this, modificato, [this] { return salva(); });
}

void GestioneVariabili::salvaDati()
{
    salva();
}

void GestioneVariabili::stampaAnteprima()
{
    salva();

    const int anno = sceltaAnno->value();
    const QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(id, anno);
    const DatiAzienda azienda = Azienda::carica(Config::aziendaCorrente());
    const QString nomeDipendente = (dipendente.cognome + QLatin1Char(' ') + dipendente.nome).trimmed();
    const QString luogoData = azienda.localita + QStringLiteral(", ")
        + LinguaUtente::data(Orologio::oggi());
    const bool orarioStampa = orario;

    AnteprimaStampa anteprima(this, tr("Anteprima variabili mese"), [=](QPrinter& printer) {
        FoglioPaga::disegnaVariabiliRealiSu(printer, azienda.ragioneSociale, nomeDipendente, anno, luogoData,
                                            orarioStampa, mesi);
    });
    anteprima.nomeFilePredefinito
        = QStringLiteral("variabili_%1_%2.pdf").arg(QFileInfo(id).completeBaseName()).arg(anno);
    anteprima.cartellaPredefinita = QDir::homePath();
    anteprima.exec();
}
