#include "dialogfigli.h"

#include "messaggi.h"
#include "tabellautils.h"
#include "orologio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QString kFormato = QStringLiteral("dd/MM/yyyy");

// Relationship entries: the label shown in the user's language and the code
// stored in the employee's file.
struct Parentela
{
    const char* testo;
    const char* codice;
};
const Parentela kParentele[] = {
    {QT_TRANSLATE_NOOP("DialogFigli", "F (Figlio)"), "F"},
    {QT_TRANSLATE_NOOP("DialogFigli", "FC (Figlio del coniuge)"), "FC"},
    {QT_TRANSLATE_NOOP("DialogFigli", "F/S (Fratello/Sorella)"), "F/S"},
    {QT_TRANSLATE_NOOP("DialogFigli", "A (Abiatico)"), "A"},
};

// The relationship as the user reads it; a code the program does not know
// is shown as stored.
QString parentelaMostrata(const QString& codice)
{
    for (const Parentela& p : kParentele) {
        if (codice == QLatin1String(p.codice))
            return DialogFigli::tr(p.testo);
    }
    return codice;
}
} // namespace

DialogFigli::DialogFigli(QList<Figlio>& figli, QWidget* parent)
    : QDialog(parent)
    , figli(figli)
{
    setWindowTitle(tr("Figli"));
    setMinimumSize(800, 500);
    resize(1000, 650);

    tabella = new QTableWidget(this);
    tabella->setObjectName(QStringLiteral("tabella"));
    tabella->setColumnCount(5);
    tabella->setHorizontalHeaderLabels({tr("Nome"), tr("Data nascita"), tr("Parentela"), tr("Studi"), tr("Convive")});
    tabella->setShowGrid(true);
    tabella->setAlternatingRowColors(true);
    tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tabella->horizontalHeader()->setMinimumSectionSize(80);
    tabella->horizontalHeader()->setStretchLastSection(true);
    tabella->setWordWrap(false);
    tabella->verticalHeader()->setVisible(false);
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);

    auto* aggiungi = new QPushButton(tr("Aggiungi"), this);
    aggiungi->setObjectName(QStringLiteral("aggiungi"));
    auto* modifica = new QPushButton(tr("Modifica"), this);
    modifica->setObjectName(QStringLiteral("modifica"));
    auto* elimina = new QPushButton(tr("Elimina"), this);
    elimina->setObjectName(QStringLiteral("elimina"));
    auto* chiudi = new QPushButton(tr("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("chiudi"));

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(aggiungi);
    pulsanti->addWidget(modifica);
    pulsanti->addWidget(elimina);
    pulsanti->addStretch();
    pulsanti->addWidget(chiudi);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabella);
    layout->addLayout(pulsanti);

    connect(aggiungi, &QPushButton::clicked, this, &DialogFigli::aggiungi);
    connect(modifica, &QPushButton::clicked, this, &DialogFigli::modificaSelezionata);
    connect(elimina, &QPushButton::clicked, this, &DialogFigli::elimina);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(tabella, &QTableWidget::cellDoubleClicked, this, &DialogFigli::modifica);

    aggiornaTabella();
}

void DialogFigli::aggiornaTabella()
{
    tabella->setRowCount(0);
    const QString si = tr("Si");
    const QString no = tr("No");
    for (const Figlio& f : qAsConst(figli)) {
        const int riga = tabella->rowCount();
        tabella->insertRow(riga);
        tabella->setItem(riga, 0, new QTableWidgetItem(f.nome + QLatin1Char(' ') + f.cognome));
        tabella->setItem(riga, 1, new QTableWidgetItem(f.dataNascita));
        tabella->setItem(riga, 2, new QTableWidgetItem(parentelaMostrata(f.parentela)));
        tabella->setItem(riga, 3, new QTableWidgetItem(f.agliStudi ? si : no));
        tabella->setItem(riga, 4, new QTableWidgetItem(f.viveConDipendente ? si : no));
    }
    tabella->resizeColumnsToContents();
    TabellaUtils::titoliInteri(tabella);
}

bool DialogFigli::formFiglio(Figlio& figlio, bool nuovo)
{
    QDialog form(this);
    form.setObjectName(QStringLiteral("formFiglio"));
    form.setWindowTitle(nuovo ? tr("Nuovo figlio") : tr("Modifica figlio"));
    auto* layout = new QFormLayout(&form);

    auto* nome = new QLineEdit(figlio.nome, &form);
    nome->setObjectName(QStringLiteral("nome"));
    auto* cognome = new QLineEdit(figlio.cognome, &form);
    cognome->setObjectName(QStringLiteral("cognome"));

    auto* nascita = new QDateEdit(&form);
    nascita->setObjectName(QStringLiteral("dataNascita"));
    nascita->setDisplayFormat(kFormato);
    nascita->setCalendarPopup(true);
    const QDate data = nuovo ? Orologio::oggi() : QDate::fromString(figlio.dataNascita, kFormato);
    if (data.isValid())
        nascita->setDate(data);
    // A stored birth date that is no date is kept as it was unless the user
    // changes the date shown.
    bool dataToccata = nuovo;
    connect(nascita, &QDateEdit::dateChanged, &form, [&dataToccata] { dataToccata = true; });

    auto* parentela = new QComboBox(&form);
    parentela->setObjectName(QStringLiteral("parentela"));
    for (const Parentela& p : kParentele)
        parentela->addItem(tr(p.testo), QString::fromUtf8(p.codice));
    // Every label whole in the closed box too: the style sheet's padding
    // leaves the box a pixel short of its longest label.
    parentela->ensurePolished();
    parentela->setMinimumWidth(parentela->sizeHint().width() + parentela->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    parentela->setCurrentIndex(nuovo ? 0 : parentela->findData(figlio.parentela, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));

    auto* convive = new QCheckBox(tr("Vive con il dipendente"), &form);
    convive->setObjectName(QStringLiteral("viveConDipendente"));
    convive->setChecked(figlio.viveConDipendente);
    auto* studi = new QCheckBox(tr("Agli studi / formazione"), &form);
    studi->setObjectName(QStringLiteral("agliStudi"));
    studi->setChecked(figlio.agliStudi);
    auto* incapace = new QCheckBox(tr("Incapacità al guadagno"), &form);
    incapace->setObjectName(QStringLiteral("incapacitaGuadagno"));
    incapace->setChecked(figlio.incapacitaGuadagno);

    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &form);
    pulsanti->setObjectName(QStringLiteral("pulsanti"));
    connect(pulsanti, &QDialogButtonBox::accepted, &form, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, &form, &QDialog::reject);

    layout->addRow(tr("Nome"), nome);
    layout->addRow(tr("Cognome"), cognome);
    layout->addRow(tr("Data di nascita"), nascita);
    layout->addRow(tr("Parentela"), parentela);
    layout->addRow(convive);
    layout->addRow(studi);
    layout->addRow(incapace);
    layout->addRow(pulsanti);

    if (form.exec() != QDialog::Accepted)
        return false;

    figlio.nome = nome->text();
    figlio.cognome = cognome->text();
    if (dataToccata)
        figlio.dataNascita = nascita->date().toString(kFormato);
    figlio.parentela = parentela->currentIndex() >= 0 ? parentela->currentData().toString() : QString();
    figlio.viveConDipendente = convive->isChecked();
    figlio.agliStudi = studi->isChecked();
    figlio.incapacitaGuadagno = incapace->isChecked();
    return true;
}

void DialogFigli::aggiungi()
{
    Figlio nuovo;
    if (!formFiglio(nuovo, true))
        return;
    figli.append(nuovo);
    aggiornaTabella();
}

void DialogFigli::modifica(int riga, int /*colonna*/)
{
    if (riga < 0 || riga >= figli.size())
        return;
    Figlio figlio = figli.at(riga);
    if (!formFiglio(figlio, false))
        return;
    figli[riga] = figlio;
    aggiornaTabella();
}

void DialogFigli::modificaSelezionata()
{
    const int riga = tabella->currentRow();
    if (riga < 0 || riga >= figli.size()) {
        Messaggi::informazione(this, tr("Modifica"), tr("Seleziona prima un figlio nella tabella."));
        return;
    }
    modifica(riga, 0);
}

void DialogFigli::elimina()
{
    const int riga = tabella->currentRow();
    if (riga < 0 || riga >= figli.size())
        return;
    if (!Messaggi::conferma(this, tr("Elimina"), tr("Eliminare questo figlio?")))
        return;
    figli.removeAt(riga);
    aggiornaTabella();
}
