#include "schedavariabilidipendente.h"

#include "anteprimastampa.h"
#include "azienda.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "decimali.h"
#include "fogliopaga.h"
#include "inputsvizzero.h"
#include "linguautente.h"
#include "messaggi.h"
#include "tabellautils.h"
#include "modifichenonsalvate.h"
#include "orologio.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>


namespace {

struct Input
{
    const char* etichetta;
    const char* nome;
    double VariabileMese::*campo;
};

const Input kInputOrari[] = {
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Ore lavorate normali"), "oreFatte", &VariabileMese::oreFatte},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Ore extra 25%"), "oreExtra25", &VariabileMese::oreExtra25},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Ore extra 50%"), "oreExtra50", &VariabileMese::oreExtra50},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Rimborso malattia (CHF)"), "rimborsoMalattia",
     &VariabileMese::rimborsoMalattia},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Rimborso infortunio (CHF)"), "rimborsoInfortunio",
     &VariabileMese::rimborsoInfortunio},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Rimborso IPG (CHF)"), "rimborsoIPG", &VariabileMese::rimborsoIPG},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Rimborso spese (CHF)"), "rimborsoSpese",
     &VariabileMese::rimborsoSpese},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Acconti (CHF)"), "acconti", &VariabileMese::acconti},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Rimborso prestiti (CHF)"), "rimborsoPrestiti",
     &VariabileMese::rimborsoPrestiti},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Trattenute UEF (CHF)"), "trattenuteUEF",
     &VariabileMese::trattenuteUEF},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Vacanze prese (gg)"), "vacanzePrese", &VariabileMese::vacanzePrese},
};

const Input kInputMensili[] = {
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Importi imponibili / straordinari (CHF)"), "importiImponibili",
     &VariabileMese::importiImponibili},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Importi non imponibili (CHF)"), "importiNonImponibili",
     &VariabileMese::importiNonImponibili},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Rimborso spese (CHF)"), "rimborsoSpese",
     &VariabileMese::rimborsoSpese},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Rimborso trasferte (CHF)"), "rimborsoTrasferte",
     &VariabileMese::rimborsoTrasferte},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Deduzione assenze (CHF)"), "deduzioneAssenze",
     &VariabileMese::deduzioneAssenze},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Rimborso assicurativo (CHF)"), "rimborsoAssicurativo",
     &VariabileMese::rimborsoAssicurativo},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "13a / Gratifica (CHF)"), "tredicesimaGratifica",
     &VariabileMese::tredicesimaGratifica},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Acconti (CHF)"), "acconti", &VariabileMese::acconti},
    {QT_TRANSLATE_NOOP("SchedaVariabiliDipendente", "Vacanze prese (gg)"), "vacanzePrese", &VariabileMese::vacanzePrese},
};

QString due(double v)
{
    return Decimali::testo(v);
}

// What the form lets the user type; a stored value beyond it is still shown
// as it is (the input's range is widened for it) and kept while untouched.
const double kMassimoModulo = 250000.0;

// Hours and days with the decimals they hold.
QString testoOre(double v, int minimi = 2)
{
    return Decimali::testoFino(v, minimi, VariabiliMensili::kDecimaliOre);
}

double oreExtra(const VariabileMese& v)
{
    return v.oreExtra25 + v.oreExtra50;
}

} // namespace

SchedaVariabiliDipendente::SchedaVariabiliDipendente(const QString& id_, QWidget* parent)
    : QDialog(parent)
    , id(id_)
{
    setObjectName(QStringLiteral("SchedaVariabiliDipendente"));
    Dipendente::carica(id, dip);
    orario = dip.tipoPaga == 1;

    setWindowTitle(tr("Variabili mensili dipendente - %1 %2").arg(dip.cognome, dip.nome));
    resize(1040, 680);

    // Header: the names and numbers are shown as text, never as markup.
    const QString contratto = orario ? tr("Salario orario (CHF %1/h)").arg(due(dip.pagaOraria))
                                     : tr("Stipendio mensile (CHF %1/mese)").arg(due(dip.salarioMensile));
    auto* testata = new QLabel(
        tr("<b>Dipendente:</b> %1 %2 &nbsp;&nbsp;|&nbsp;&nbsp; <b>N° AVS:</b> %3 &nbsp;&nbsp;|&nbsp;&nbsp; "
           "<b>Contratto:</b> %4")
            .arg(dip.cognome.toHtmlEscaped(), dip.nome.toHtmlEscaped(), dip.numeroAVS.toHtmlEscaped(),
                 contratto.toHtmlEscaped()),
        this);
    testata->setObjectName(QStringLiteral("intestazione"));
    testata->setTextFormat(Qt::RichText);
    testata->setStyleSheet(
        QStringLiteral("background:#EEF3F7; padding:8px; border:1px solid #C5D1DC; border-radius:4px;"));

    const QDate oggi = Orologio::oggi();
    spinAnno = new QSpinBox(this);
    spinAnno->setObjectName(QStringLiteral("anno"));
    spinAnno->setRange(2000, 2100);
    spinAnno->setValue(oggi.year());
    comboMese = new QComboBox(this);
    comboMese->setObjectName(QStringLiteral("mese"));
    for (int m = 1; m <= 12; ++m)
        comboMese->addItem(LinguaUtente::nomeMeseMaiuscolo(m), m);
    comboMese->setCurrentIndex(oggi.month() - 1);
    auto* rigaScelta = new QHBoxLayout;
    rigaScelta->addWidget(new QLabel(tr("Anno:"), this));
    rigaScelta->addWidget(spinAnno);
    rigaScelta->addSpacing(16);
    rigaScelta->addWidget(new QLabel(tr("Mese da inserire:"), this));
    rigaScelta->addWidget(comboMese);
    rigaScelta->addStretch();

    auto* gruppo = new QGroupBox(tr("Dati variabili del mese selezionato"), this);
    auto* griglia = new QGridLayout(gruppo);
    auto aggiungi = [&](const auto& tabella) {
        int k = 0;
        for (const Input& in : tabella) {
            auto* box = new QDoubleSpinBox(gruppo);
            box->setObjectName(QLatin1String(in.nome));
            box->setAccessibleName(tr(in.etichetta)); // names the field in the range warning
            box->setDecimals(VariabiliMensili::decimali(in.campo));
            box->setRange(0, kMassimoModulo);
            box->setAlignment(Qt::AlignRight);
            griglia->addWidget(new QLabel(tr(in.etichetta) + QLatin1Char(':'), gruppo), k / 3, 2 * (k % 3));
            griglia->addWidget(box, k / 3, 2 * (k % 3) + 1);
            campi.append({box, in.campo});
            ++k;
        }
    };
    if (orario) {
        aggiungi(kInputOrari);
    } else {
        aggiungi(kInputMensili);
        editNote = new QLineEdit(gruppo);
        editNote->setObjectName(QStringLiteral("comunicazioni"));
        griglia->addWidget(new QLabel(tr("Note / Descrizione:"), gruppo), 3, 0);
        griglia->addWidget(editNote, 3, 1, 1, 5);
    }

    riepilogo = new QTableWidget(12, 6, this);
    riepilogo->setObjectName(QStringLiteral("riepilogo"));
    riepilogo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    riepilogo->setSelectionBehavior(QAbstractItemView::SelectRows);
    riepilogo->verticalHeader()->setVisible(false);
    riepilogo->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    riepilogo->horizontalHeader()->setStretchLastSection(true);
    if (orario)
        riepilogo->setHorizontalHeaderLabels({tr("Mese"), tr("Ore fatte"), tr("Ore extra tot."), tr("Rimborsi (CHF)"),
                                              tr("Acconti (CHF)"), tr("Vacanze (gg)")});
    else
        riepilogo->setHorizontalHeaderLabels({tr("Mese"), tr("Imponibili (CHF)"), tr("Non impon. (CHF)"),
                                              tr("Rimborsi (CHF)"), tr("13a/Gratifica"), tr("Note")});
    TabellaUtils::titoliInteri(riepilogo);

    auto* stampa = new QPushButton(tr("Stampa riepilogo PDF..."), this);
    stampa->setObjectName(QStringLiteral("stampaRiepilogo"));
    stampa->setAutoDefault(false);
    auto* salva = new QPushButton(tr("Salva mese"), this);
    salva->setObjectName(QStringLiteral("salvaMese"));
    salva->setDefault(true);
    auto* chiudi = new QPushButton(tr("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("chiudi"));
    chiudi->setAutoDefault(false);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(stampa);
    pulsanti->addStretch();
    pulsanti->addWidget(salva);
    pulsanti->addWidget(chiudi);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(testata);
    layout->addLayout(rigaScelta);
    layout->addWidget(gruppo);
    layout->addWidget(riepilogo, 1);
    layout->addLayout(pulsanti);

    connect(spinAnno, QOverload<int>::of(&QSpinBox::valueChanged), this, &SchedaVariabiliDipendente::sceltaCambiata);
    connect(comboMese, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SchedaVariabiliDipendente::sceltaCambiata);
    connect(riepilogo, &QTableWidget::cellClicked, this, [this](int riga, int) { comboMese->setCurrentIndex(riga); });
    connect(salva, &QPushButton::clicked, this, &SchedaVariabiliDipendente::salvaMeseCorrente);
    connect(stampa, &QPushButton::clicked, this, &SchedaVariabiliDipendente::stampaRiepilogo);
    // "Chiudi" ends the window accepted, once nothing unsaved is left.
    connect(chiudi, &QPushButton::clicked, this, [this] {
        if (chiusuraConsentita())
            accept();
    });
    // A value typed into the month's form is an edit not yet saved.
    for (const auto& c : qAsConst(campi))
        connect(c.first, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, [this] { modificato = !caricamento; });
    if (editNote)
        connect(editNote, &QLineEdit::textChanged, this, [this] { modificato = !caricamento; });

    caricaAnno();
}

void SchedaVariabiliDipendente::reject()
{
    if (chiusuraConsentita())
        QDialog::reject();
}

bool SchedaVariabiliDipendente::chiusuraConsentita()
{
    return ModificheNonSalvate::puoChiudere(this, modificato, [this] { return salvaMese(); });
}

void SchedaVariabiliDipendente::sceltaCambiata()
{
    const int mese = comboMese->currentIndex();
    const int annoScelto = spinAnno->value();
    if (modificato) {
        // The question is about the month the form shows, and so is its
        // save: the boxes show that month again while it is asked, and stay
        // there on "Annulla".
        {
            const QSignalBlocker b1(comboMese);
            const QSignalBlocker b2(spinAnno);
            comboMese->setCurrentIndex(meseMostrato);
            spinAnno->setValue(annoMostrato);
        }
        if (!ModificheNonSalvate::puoCambiare(this, modificato, [this] { return salvaMese(); })) {
            // A click on a summary row selected it: the row of the month
            // the form still shows is selected again.
            selezionaMeseNelRiepilogo();
            return;
        }
        const QSignalBlocker b1(comboMese);
        const QSignalBlocker b2(spinAnno);
        comboMese->setCurrentIndex(mese);
        spinAnno->setValue(annoScelto);
    }
    if (annoScelto != annoMostrato)
        caricaAnno();
    else
        caricaMeseNelForm();
}

void SchedaVariabiliDipendente::caricaAnno()
{
    annoMostrato = spinAnno->value();
    anno = VariabiliMensili::caricaAnno(id, spinAnno->value());
    caricaMeseNelForm();
    aggiornaTabellaRiepilogo();
}

void SchedaVariabiliDipendente::caricaMeseNelForm()
{
    const int i = comboMese->currentIndex();
    if (i < 0 || i > 11 || anno.size() < 12)
        return;
    const VariabileMese& v = anno.at(i);
    meseMostrato = i;
    caricamento = true;
    valoriMostrati.clear();
    for (const auto& c : qAsConst(campi))
        valoriMostrati.append(InputSvizzero::mostraInCasella(c.first, v.*c.second, kMassimoModulo));
    if (editNote)
        editNote->setText(v.comunicazioni);
    notaMostrata = editNote ? editNote->text() : QString();
    caricamento = false;
    modificato = false;
    selezionaMeseNelRiepilogo();
}

void SchedaVariabiliDipendente::selezionaMeseNelRiepilogo()
{
    const QSignalBlocker blocco(riepilogo);
    riepilogo->selectRow(meseMostrato);
}

void SchedaVariabiliDipendente::aggiornaTabellaRiepilogo()
{
    for (int r = 0; r < 12 && r < anno.size(); ++r) {
        const VariabileMese& v = anno.at(r);
        QStringList celle;
        celle << LinguaUtente::nomeMeseMaiuscolo(r + 1);
        if (orario) {
            celle << testoOre(v.oreFatte) << testoOre(oreExtra(v))
                  << due(v.rimborsoMalattia + v.rimborsoInfortunio + v.rimborsoIPG + v.rimborsoSpese
                         + v.rimborsoPrestiti)
                  << due(v.acconti) << testoOre(v.vacanzePrese, 1);
        } else {
            celle << due(v.importiImponibili) << due(v.importiNonImponibili)
                  << due(v.rimborsoSpese + v.rimborsoTrasferte + v.rimborsoAssicurativo) << due(v.tredicesimaGratifica)
                  << v.comunicazioni;
        }
        for (int c = 0; c < celle.size(); ++c) {
            auto* item = new QTableWidgetItem(celle.at(c));
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            riepilogo->setItem(r, c, item);
        }
    }
}

void SchedaVariabiliDipendente::salvaMeseCorrente()
{
    salvaMese();
}

bool SchedaVariabiliDipendente::salvaMese()
{
    const int i = comboMese->currentIndex();
    if (i < 0 || i > 11 || anno.size() < 12)
        return false;
    const int annoScelto = spinAnno->value();

    // The month as it will be stored: the stored values of the inputs the
    // user left as they were shown, whatever their decimals or size, and
    // what he typed, each within its field's range, the month's hours
    // together too; nothing is saved otherwise.
    VariabileMese nuovo = anno.at(i);
    nuovo.mese = i + 1;
    bool oreToccate = false;
    for (int k = 0; k < campi.size(); ++k) {
        QDoubleSpinBox* box = campi.at(k).first;
        double VariabileMese::*membro = campi.at(k).second;
        if (k < valoriMostrati.size() && box->value() == valoriMostrati.at(k))
            continue;
        if (!InputSvizzero::nelLimiteOppureAvviso(this, box->accessibleName(), box->value(), 0.0,
                                                  VariabiliMensili::massimo(membro))) {
            box->setFocus();
            return false;
        }
        nuovo.*membro = box->value();
        oreToccate = oreToccate || VariabiliMensili::ore(membro);
    }
    if (oreToccate
        && !InputSvizzero::nelLimiteOppureAvviso(this, tr("Ore lavorate del mese (normali e extra)"),
                                                 VariabiliMensili::oreDelMese(nuovo), 0.0,
                                                 VariabiliMensili::kOreMeseMassime))
        return false;
    if (editNote && editNote->text() != notaMostrata)
        nuovo.comunicazioni = editNote->text().trimmed();

    if (orario) {
        const double mese = oreExtra(nuovo);
        double annuale = mese;
        for (int m = 0; m < 12; ++m) {
            if (m != i)
                annuale += oreExtra(anno.at(m));
        }
        if (mese > 40 || annuale > 140) {
            const QString testo =
                tr("Attenzione: le ore extra inserite superano i limiti della Legge federale sul lavoro (art. 12 LL):\n\n"
                   "- Ore extra nel mese: %1 h (soglia mensile prudenziale: 40 h)\n"
                   "- Totale ore extra nell'anno %2: %3 h (limite legale: 140 h/anno, o 170 h/anno per settimana di "
                   "45 h)\n\nVuoi comunque salvare questi dati a tuo rischio e pericolo?")
                    .arg(testoOre(mese))
                    .arg(annoScelto)
                    .arg(testoOre(annuale));
            const QMessageBox::StandardButton risposta = Messaggi::scelta(
                this, tr("AVVISO IMPORTANTE - Limite legale ore straordinarie (art. 12 LL)"), testo,
                {{QMessageBox::Save, tr("Salva a mio rischio e pericolo")},
                 {QMessageBox::Cancel, tr("Annulla e correggi")}},
                QMessageBox::Warning);
            if (risposta != QMessageBox::Save)
                return false;
        }
    }

    const VariabileMese prima = anno.at(i);
    anno[i] = nuovo;

    QString motivo;
    if (!VariabiliMensili::salvaAnno(id, annoScelto, anno, &motivo)) {
        // The window's year stays as the file holds it; the form keeps the
        // values, so the user can try again.
        anno[i] = prima;
        if (ChiusuraAnnuale::isAnnoChiuso(annoScelto))
            Messaggi::avviso(this, tr("Errore"),
                             tr("L'anno %1 e' chiuso: le variabili non possono essere modificate.").arg(annoScelto));
        else
            Messaggi::avviso(this, tr("Errore"), tr("Impossibile salvare le variabili.") + QLatin1Char('\n') + motivo);
        return false;
    }
    // The form shows what is stored now.
    caricaMeseNelForm();
    aggiornaTabellaRiepilogo();
    Messaggi::informazione(this, tr("Salvato"),
                           tr("Variabili di %1 %2 salvate.").arg(LinguaUtente::nomeMeseMaiuscolo(i + 1)).arg(annoScelto));
    return true;
}

void SchedaVariabiliDipendente::stampaRiepilogo()
{
    const int annoScelto = spinAnno->value();
    const QString nomeAzienda = Config::aziendaCorrente();
    const DatiAzienda azienda = nomeAzienda.isEmpty() ? DatiAzienda() : Azienda::carica(nomeAzienda);
    const QString dipendente = dip.cognome + QLatin1Char(' ') + dip.nome;
    const QString data = azienda.localita + QStringLiteral(", ")
        + LinguaUtente::data(Orologio::oggi());
    const QString ragioneSociale = azienda.ragioneSociale;
    const bool oraria = orario;
    const QList<VariabileMese> mesi = anno;

    AnteprimaStampa anteprima(this, tr("Anteprima variabili mese"), [=](QPrinter& printer) {
        FoglioPaga::disegnaVariabiliRealiSu(printer, ragioneSociale, dipendente, annoScelto, data, oraria, mesi);
    });
    anteprima.nomeFilePredefinito =
        QStringLiteral("variabili_%1_%2.pdf").arg(QFileInfo(id).completeBaseName()).arg(annoScelto);
    anteprima.cartellaPredefinita = QDir::homePath();
    anteprima.exec();
}
