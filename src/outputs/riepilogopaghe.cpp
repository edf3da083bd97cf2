#include "riepilogopaghe.h"

#include "cifreriepilogo.h"
#include "decimali.h"
#include "pagheanno.h"
#include "dialogofile.h"
#include "dipendente.h"
#include "esportapdf.h"
#include "filesicuri.h"
#include "linguautente.h"
#include "linkaiuto.h"
#include "messaggi.h"
#include "orologio.h"
#include "storicostipendi.h"
#include "tabellautils.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const int kColonne = 9;
const int kColonnaSalario = 3;
const int kPrimaColonnaAnno = 4;
const int kColonnaOrigine = 8;

QString dueDecimali(double v)
{
    return Decimali::testo(v);
}

QTableWidgetItem* cellaDestra(const QString& testo)
{
    auto* cella = new QTableWidgetItem(testo);
    cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return cella;
}

// True when one of `ids` has the month saved: else the accounting CSV holds
// no amount.
bool qualcheMeseSalvato(const QStringList& ids, int anno, int mese)
{
    for (const QString& id : ids) {
        StoricoPaghe::PagaMese paga;
        if (PagheAnno::meseSalvato(id, anno, mese, &paga))
            return true;
    }
    return false;
}

// Tells where the accounting CSV was written, and what it holds that is no
// current pay: no amount at all, or months the last closing refused.
void avvisaCsv(QWidget* finestra, const QString& percorso, const QStringList& ids, int anno, int mese)
{
    const QString titolo = RiepilogoPaghe::tr("Esportato");
    const QString salvato = RiepilogoPaghe::tr("CSV salvato in:\n") + percorso;
    const QString nome = LinguaUtente::meseAnno(mese, anno);
    if (!qualcheMeseSalvato(ids, anno, mese)) {
        Messaggi::avviso(finestra, titolo,
                         salvato + QStringLiteral("\n\n")
                             + RiepilogoPaghe::tr("Nessun dipendente spuntato ha %1 salvato nello storico paghe: il "
                                                  "file non contiene nessun importo. Esegui prima la chiusura del "
                                                  "mese.")
                                   .arg(nome));
        return;
    }
    // A month saved before the last closing refused it is in the file, marked.
    const QStringList rifiutati = CifreRiepilogo::mesiRifiutati(ids, anno, mese);
    if (rifiutati.isEmpty()) {
        Messaggi::informazione(finestra, titolo, salvato);
        return;
    }
    Messaggi::avviso(finestra, titolo,
                     salvato + QStringLiteral("\n\n")
                         + RiepilogoPaghe::tr("L'ultima chiusura di %1 non ha potuto conteggiare questi dipendenti: "
                                              "il file riporta il mese salvato prima, con lo stato \"rifiutato "
                                              "dall'ultima chiusura\":")
                               .arg(nome)
                         + QLatin1Char('\n') + rifiutati.join(QLatin1Char('\n')));
}

// The cell of a row's origin: how its figures were found, the reason in its
// tooltip. Its data is the line the totals and the PDF add for the row: why
// an employee without figures is left out, or which of the saved months in
// his figures the last closing refused. Empty when nothing needs saying.
QTableWidgetItem* cellaOrigine(const PagheAnno::Somme& cifre, const QString& nome, int anno)
{
    QString origine = RiepilogoPaghe::tr("mesi salvati");
    QString nota;
    QString motivo = cifre.errore;
    if (cifre.stima())
        origine = RiepilogoPaghe::tr("stima");
    else if (cifre.origine == PagheAnno::Origine::FuoriServizio)
        origine = RiepilogoPaghe::tr("nessun mese nell'anno");
    else if (cifre.origine == PagheAnno::Origine::Illeggibile)
        origine = RiepilogoPaghe::tr("illeggibile");
    else if (cifre.origine == PagheAnno::Origine::ImpostaMancante)
        origine = RiepilogoPaghe::tr("imposta mancante");
    if (!cifre.conCifre())
        nota = PagheAnno::rigaEsclusione(nome, cifre, anno);
    // The figures keep what was saved before; the row says so.
    if (!cifre.rifiuti.isEmpty()) {
        origine = RiepilogoPaghe::tr("mesi salvati, con rifiuti");
        motivo = cifre.rifiuti.join(QLatin1Char('\n'));
        nota = PagheAnno::rigaRifiuti(nome, cifre);
    }
    auto* cella = new QTableWidgetItem(origine);
    cella->setToolTip(motivo);
    cella->setData(Qt::UserRole, nota);
    return cella;
}

} // namespace

RiepilogoPaghe::RiepilogoPaghe(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RiepilogoPaghe"));
    setWindowTitle(tr("Riepilogo Paghe"));
    setMinimumSize(1020, 520);
    resize(1180, 650);
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QSize area = schermo->availableGeometry().size();
        setMaximumSize(area.width() - 40, area.height() - 80);
    }

    auto* etichetta = new QLabel(tr("Riepilogo automatico dell'anno: somme dei mesi salvati nello storico paghe; per chi "
                                    "non ha mesi salvati, stima dei mesi di servizio con il salario dei periodi registrati "
                                    "(spunta i dipendenti da includere):"),
                                 this);
    etichetta->setObjectName(QStringLiteral("introduzione"));
    etichetta->setWordWrap(true);

    spinAnno = new QSpinBox(this);
    spinAnno->setObjectName(QStringLiteral("anno"));
    spinAnno->setRange(2000, 2100);
    spinAnno->setKeyboardTracking(false); // computed once the year is typed whole
    spinAnno->setValue(CifreRiepilogo::annoPredefinito(Orologio::oggi()));

    tabella = new QTableWidget(0, kColonne, this);
    tabella->setObjectName(QStringLiteral("tabella"));
    tabella->setHorizontalHeaderLabels({QString(), tr("Dipendente"), tr("Periodo"), tr("Salario mensile"),
                                        tr("Lordo annuo"), tr("Contributi"), tr("Imposta fonte"), tr("Netto annuo"),
                                        tr("Origine")});
    tabella->setShowGrid(true);
    tabella->setAlternatingRowColors(true);
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->verticalHeader()->setVisible(false);

    pulsanteTutti = new QPushButton(tr("Deseleziona tutti"), this);
    pulsanteTutti->setObjectName(QStringLiteral("selezionaTutti"));
    auto* pulsantePdf = new QPushButton(tr("Esporta PDF"), this);
    pulsantePdf->setObjectName(QStringLiteral("esportaPdf"));
    auto* pulsanteCsv = new QPushButton(tr("Esporta CSV"), this);
    pulsanteCsv->setObjectName(QStringLiteral("esportaCsv"));
    pulsanteRicalcola = new QPushButton(tr("Ricalcola totali"), this);
    pulsanteRicalcola->setObjectName(QStringLiteral("ricalcola"));
    pulsanteChiudi = new QPushButton(tr("Chiudi"), this);
    pulsanteChiudi->setObjectName(QStringLiteral("chiudi"));
    for (QPushButton* p : findChildren<QPushButton*>()) {
        p->setAutoDefault(false);
        p->setDefault(false);
    }

    auto* rigaIntro = new QHBoxLayout;
    rigaIntro->addWidget(etichetta, 1);
    rigaIntro->addWidget(new QLabel(tr("Anno:"), this));
    rigaIntro->addWidget(spinAnno);

    auto* rigaPulsanti = new QHBoxLayout;
    rigaPulsanti->addWidget(pulsanteTutti);
    rigaPulsanti->addStretch();
    rigaPulsanti->addWidget(pulsantePdf);
    rigaPulsanti->addWidget(pulsanteCsv);
    rigaPulsanti->addWidget(pulsanteRicalcola);
    rigaPulsanti->addWidget(pulsanteChiudi);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rigaIntro);
    layout->addWidget(tabella, 1);
    layout->addLayout(rigaPulsanti);
    layout->addLayout(LinkAiuto::riga(QStringLiteral("E03"), this));

    connect(pulsanteTutti, &QPushButton::clicked, this, &RiepilogoPaghe::toggleTutti);
    connect(pulsantePdf, &QPushButton::clicked, this, &RiepilogoPaghe::esportaPdf);
    connect(pulsanteCsv, &QPushButton::clicked, this, &RiepilogoPaghe::esportaCsv);
    connect(pulsanteRicalcola, &QPushButton::clicked, this, [this] { calcola(true); });
    connect(pulsanteChiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(spinAnno, QOverload<int>::of(&QSpinBox::valueChanged), this, [this] { calcola(false); });
    connect(tabella, &QTableWidget::cellDoubleClicked, this, [this](int riga, int) {
        QTableWidgetItem* spunta = tabella->item(riga, 0);
        if (spunta)
            spunta->setCheckState(spunta->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });

    caricaDipendenti();
    TabellaUtils::configuraESalva(tabella, QStringLiteral("RiepilogoPaghe"), {34, 210, 175, 120, 120, 115, 115, 120, 110});
    calcola(false);
}

RiepilogoPaghe::~RiepilogoPaghe() = default;

int RiepilogoPaghe::anno() const
{
    return spinAnno->value();
}

void RiepilogoPaghe::caricaDipendenti()
{
    const QStringList ids = Dipendente::elencoDipendenti(false);
    tabella->setRowCount(0);
    tabella->setRowCount(ids.size());
    for (int r = 0; r < ids.size(); ++r) {
        const QString& id = ids.at(r);
        auto* spunta = new QTableWidgetItem;
        spunta->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        spunta->setCheckState(Qt::Checked);
        spunta->setData(Qt::UserRole, id);
        tabella->setItem(r, 0, spunta);

        DatiDipendente d;
        Dipendente::carica(id, d); // an unreadable record leaves it empty
        auto* nome = new QTableWidgetItem(d.cognome.isEmpty() ? id : d.cognome + QLatin1Char(' ') + d.nome);
        nome->setData(Qt::UserRole, id);
        tabella->setItem(r, 1, nome);

        QVector<PeriodoStipendio> periodi;
        StoricoStipendi::carica(id, periodi);
        QString periodo = QStringLiteral("-");
        double salario = d.salarioMensile;
        if (!periodi.isEmpty()) {
            const PeriodoStipendio& ultimo = periodi.last();
            periodo = ultimo.dataInizio + QStringLiteral(" - ") + ultimo.dataFine;
            if (ultimo.salarioMensile > 0)
                salario = ultimo.salarioMensile;
        }
        tabella->setItem(r, 2, new QTableWidgetItem(periodo));
        tabella->setItem(r, kColonnaSalario, cellaDestra(dueDecimali(salario)));
        for (int c = kPrimaColonnaAnno; c < kColonne; ++c)
            tabella->setItem(r, c, cellaDestra(QStringLiteral("-")));
        tabella->setItem(r, kColonnaOrigine, new QTableWidgetItem(QStringLiteral("-")));
    }
}

void RiepilogoPaghe::calcola(bool mostraTotali)
{
    const int a = anno();
    double totali[4] = {};
    int contati = 0;
    int stimati = 0;
    QStringList note;
    for (int r = 0; r < tabella->rowCount(); ++r) {
        const QTableWidgetItem* spunta = tabella->item(r, 0);
        const bool spuntato = spunta && spunta->checkState() == Qt::Checked;
        const QTableWidgetItem* nome = tabella->item(r, 1);
        const QString id = nome ? nome->data(Qt::UserRole).toString() : QString();

        const PagheAnno::Somme cifre = PagheAnno::cifre(id, a);
        const double valori[4] = {cifre.lordo, cifre.contributiDip, cifre.imposta, cifre.netto};
        for (int i = 0; i < 4; ++i) {
            tabella->setItem(r, kPrimaColonnaAnno + i,
                             cellaDestra(cifre.conCifre() ? dueDecimali(valori[i]) : QStringLiteral("-")));
            if (spuntato && cifre.conCifre())
                totali[i] += valori[i];
        }
        // The line an export prints for the row, kept in its origin cell
        // so the export does not compute the year again.
        QTableWidgetItem* cella = cellaOrigine(cifre, nome ? nome->text() : id, a);
        tabella->setItem(r, kColonnaOrigine, cella);
        if (!spuntato)
            continue;
        const QString nota = cella->data(Qt::UserRole).toString();
        if (!nota.isEmpty())
            note << nota;
        // An employee without figures is in no total.
        if (!cifre.conCifre())
            continue;
        ++contati;
        if (cifre.stima())
            ++stimati;
    }
    if (!mostraTotali)
        return;
    QString testo = tr("Lordo annuo: %1 CHF\nContributi: %2 CHF\nImposta fonte: %3 CHF\nNetto annuo: %4 CHF")
                        .arg(dueDecimali(totali[0]), dueDecimali(totali[1]), dueDecimali(totali[2]),
                             dueDecimali(totali[3]));
    if (stimati > 0)
        testo += QLatin1Char('\n') + tr("Di cui %1 dipendenti senza mesi salvati: importi stimati (stima).").arg(stimati);
    for (const QString& riga : qAsConst(note))
        testo += QLatin1Char('\n') + riga;
    Messaggi::informazione(this, tr("Totali (%1 dipendenti)").arg(contati), testo);
}

void RiepilogoPaghe::toggleTutti()
{
    bool tutti = true;
    for (int r = 0; r < tabella->rowCount(); ++r) {
        const QTableWidgetItem* spunta = tabella->item(r, 0);
        if (!spunta || spunta->checkState() != Qt::Checked)
            tutti = false;
    }
    const Qt::CheckState stato = tutti ? Qt::Unchecked : Qt::Checked;
    for (int r = 0; r < tabella->rowCount(); ++r) {
        if (QTableWidgetItem* spunta = tabella->item(r, 0))
            spunta->setCheckState(stato);
    }
    pulsanteTutti->setText(tutti ? tr("Seleziona tutti") : tr("Deseleziona tutti"));
}

void RiepilogoPaghe::esportaPdf()
{
    calcola(false);
    const QString percorso = DialogoFile::salva(
        this, tr("Salva PDF"),
        QDir::homePath() + QStringLiteral("/riepilogo_paghe_")
            + Orologio::oggi().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".pdf"),
        tr("PDF (*.pdf)"));
    if (percorso.isEmpty())
        return;

    QString testo;
    for (int r = 0; r < tabella->rowCount(); ++r) {
        const QTableWidgetItem* spunta = tabella->item(r, 0);
        if (!spunta || spunta->checkState() != Qt::Checked)
            continue;
        QStringList celle;
        for (int c = 1; c < kColonne; ++c) {
            const QTableWidgetItem* cella = tabella->item(r, c);
            celle << (cella ? cella->text() : QStringLiteral("-"));
        }
        testo += celle.join(QStringLiteral("  |  ")) + QLatin1Char('\n');
    }
    // The employees without figures, and those whose figures hold a month
    // the last closing refused, one line each, as the table's count left them.
    for (int r = 0; r < tabella->rowCount(); ++r) {
        const QTableWidgetItem* spunta = tabella->item(r, 0);
        const QTableWidgetItem* origine = tabella->item(r, kColonnaOrigine);
        if (!spunta || spunta->checkState() != Qt::Checked || !origine)
            continue;
        const QString esclusione = origine->data(Qt::UserRole).toString();
        if (!esclusione.isEmpty())
            testo += esclusione + QLatin1Char('\n');
    }
    if (EsportaPdf::salvaTestoPdf(percorso, tr("Riepilogo Paghe"), testo))
        Messaggi::informazione(this, tr("Esportato"), tr("PDF salvato in:\n") + percorso);
    else
        Messaggi::avviso(this, tr("Errore"), tr("Impossibile salvare il PDF."));
}

bool RiepilogoPaghe::scegliMese(int& annoCsv, int& meseCsv)
{
    QDialog dialogo(this);
    dialogo.setObjectName(QStringLiteral("meseContabilita"));
    dialogo.setWindowTitle(tr("Mese del CSV contabilità"));
    auto* spin = new QSpinBox(&dialogo);
    spin->setObjectName(QStringLiteral("anno"));
    spin->setRange(2000, 2100);
    spin->setValue(annoCsv);
    auto* mesi = new QComboBox(&dialogo);
    mesi->setObjectName(QStringLiteral("mese"));
    for (int m = 1; m <= 12; ++m)
        mesi->addItem(LinguaUtente::nomeMeseMaiuscolo(m), m);
    mesi->setCurrentIndex(meseCsv - 1);
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogo);
    pulsanti->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    pulsanti->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    connect(pulsanti, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    auto* layout = new QFormLayout(&dialogo);
    layout->addRow(tr("Anno:"), spin);
    layout->addRow(tr("Mese:"), mesi);
    layout->addRow(pulsanti);
    if (dialogo.exec() != QDialog::Accepted)
        return false;
    annoCsv = spin->value();
    meseCsv = mesi->currentData().toInt();
    return true;
}

void RiepilogoPaghe::esportaCsv()
{
    // The CSV holds the chosen month as saved: it needs none of the year's
    // figures the table shows.
    // The month of the accountant's lines: the current one in the current
    // year, December of an earlier year.
    const QDate oggi = Orologio::oggi();
    int annoCsv = anno();
    int meseCsv = annoCsv == oggi.year() ? oggi.month() : 12;
    if (!scegliMese(annoCsv, meseCsv))
        return;
    QStringList spuntati;
    for (int r = 0; r < tabella->rowCount(); ++r) {
        const QTableWidgetItem* spunta = tabella->item(r, 0);
        if (!spunta || spunta->checkState() != Qt::Checked)
            continue;
        const QTableWidgetItem* nome = tabella->item(r, 1);
        spuntati << (nome ? nome->data(Qt::UserRole).toString() : QString());
    }
    const QString percorso = DialogoFile::salva(this, tr("Salva CSV"),
                                                QDir::homePath() + QStringLiteral("/riepilogo_paghe.csv"),
                                                tr("CSV (*.csv)"));
    if (percorso.isEmpty())
        return;
    // Written whole or not at all: "Esportato" only for a complete file.
    if (!FileSicuri::scrivi(percorso, CifreRiepilogo::testoCsv(spuntati, annoCsv, meseCsv))) {
        Messaggi::avviso(this, tr("Errore"), tr("Impossibile aprire il file per la scrittura."));
        return;
    }
    avvisaCsv(this, percorso, spuntati, annoCsv, meseCsv);
}
