#include "listadipendenti.h"

#include "config.h"
#include "dipendente.h"
#include "finestreaperte.h"
#include "linkaiuto.h"
#include "messaggi.h"
#include "nuovodipendente.h"
#include "schedadipendente.h"
#include "tabellautils.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

ListaDipendenti::ListaDipendenti(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ListaDipendenti"));
    setWindowTitle(tr("Lista Dipendenti"));
    setMinimumSize(800, 500);
    resize(1000, 650);
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QSize area = schermo->availableGeometry().size();
        setMaximumSize(area.width() - 40, area.height() - 80);
    }
    setMinimumWidth(400);
    setMinimumHeight(300);

    auto* layout = new QVBoxLayout(this);
    auto* etichetta = new QLabel(tr("Dipendenti dell'azienda:"), this);
    etichetta->setAlignment(Qt::AlignCenter);
    layout->addWidget(etichetta);

    cerca = new QLineEdit(this);
    cerca->setObjectName(QStringLiteral("cerca"));
    cerca->setPlaceholderText(tr("Cerca dipendente..."));
    layout->addWidget(cerca);

    tabella = new QTableWidget(0, 3, this);
    tabella->setObjectName(QStringLiteral("tabella"));
    tabella->setHorizontalHeaderLabels({tr("Numero AVS"), tr("Cognome"), tr("Nome")});
    tabella->setShowGrid(true);
    tabella->setAlternatingRowColors(true);
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setWordWrap(false);
    tabella->verticalHeader()->setVisible(false);
    tabella->horizontalHeader()->setMinimumSectionSize(80);
    tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    layout->addWidget(tabella);

    auto* pulsanti = new QHBoxLayout;
    auto pulsante = [this](const QString& testo, const char* nome) {
        auto* p = new QPushButton(testo, this);
        p->setObjectName(QLatin1String(nome));
        p->setAutoDefault(false);
        p->setDefault(false);
        return p;
    };
    QPushButton* btnNuovo = pulsante(tr("Nuovo"), "nuovo");
    QPushButton* btnElimina = pulsante(tr("Elimina"), "elimina");
    QPushButton* btnApri = pulsante(tr("Apri"), "apri");
    QPushButton* btnChiudi = pulsante(tr("Chiudi"), "chiudi");
    pulsanti->addWidget(btnNuovo);
    pulsanti->addWidget(btnElimina);
    pulsanti->addStretch();
    pulsanti->addWidget(btnApri);
    pulsanti->addWidget(btnChiudi);
    layout->addLayout(pulsanti);
    layout->addLayout(LinkAiuto::riga(QStringLiteral("D02"), this));

    connect(btnNuovo, &QPushButton::clicked, this, &ListaDipendenti::nuovoDipendente);
    connect(btnElimina, &QPushButton::clicked, this, &ListaDipendenti::eliminaDipendente);
    connect(btnApri, &QPushButton::clicked, this, &ListaDipendenti::apriDipendente);
    connect(tabella, &QTableWidget::cellDoubleClicked, this, &ListaDipendenti::apriDipendente);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(cerca, &QLineEdit::textChanged, this, &ListaDipendenti::filtraLista);
    // "Apri" and "Elimina" act on a visible, selected employee only.
    auto aggiorna = [this, btnApri, btnElimina] {
        const bool scelto = !fileSelezionato().isEmpty();
        btnApri->setEnabled(scelto);
        btnElimina->setEnabled(scelto);
    };
    connect(tabella->selectionModel(), &QItemSelectionModel::selectionChanged, this, aggiorna);
    connect(tabella->selectionModel(), &QItemSelectionModel::currentChanged, this, aggiorna);
    connect(this, &ListaDipendenti::selezioneCambiata, this, aggiorna);

    caricaLista();
}

void ListaDipendenti::caricaLista()
{
    const QStringList ids = Dipendente::elencoDipendenti(false);
    tabella->setRowCount(0);
    if (ids.isEmpty()) {
        tabella->setRowCount(1);
        tabella->setItem(0, 0, new QTableWidgetItem(tr("(Nessun dipendente)")));
    } else {
        tabella->setRowCount(ids.size());
        for (int r = 0; r < ids.size(); ++r) {
            DatiDipendente d;
            Dipendente::carica(ids.at(r), d);
            auto* primo = new QTableWidgetItem(d.numeroAVS);
            primo->setData(Qt::UserRole, ids.at(r));
            tabella->setItem(r, 0, primo);
            tabella->setItem(r, 1, new QTableWidgetItem(d.cognome));
            tabella->setItem(r, 2, new QTableWidgetItem(d.nome));
        }
        TabellaUtils::configuraESalva(tabella, QStringLiteral("ListaDipendenti"));
    }
    // A reload keeps the search the user typed.
    filtraLista(cerca->text());
}

void ListaDipendenti::filtraLista(const QString& testo)
{
    const QString f = testo.trimmed().toLower();
    for (int r = 0; r < tabella->rowCount(); ++r) {
        bool trovato = f.isEmpty();
        for (int c = 0; c < 3 && !trovato; ++c) {
            const QTableWidgetItem* item = tabella->item(r, c);
            trovato = item && item->text().toLower().contains(f);
        }
        tabella->setRowHidden(r, !trovato);
    }
    // A row the search hides is no longer the one acted on.
    const int corrente = tabella->currentRow();
    if (corrente >= 0 && tabella->isRowHidden(corrente)) {
        tabella->clearSelection();
        tabella->setCurrentCell(-1, -1);
    }
    emit selezioneCambiata();
}

QString ListaDipendenti::fileSelezionato() const
{
    const int r = tabella->currentRow();
    if (r < 0 || tabella->isRowHidden(r) || !tabella->selectionModel()->isRowSelected(r, QModelIndex()))
        return QString();
    const QTableWidgetItem* primo = tabella->item(r, 0);
    return primo ? primo->data(Qt::UserRole).toString() : QString();
}

QString ListaDipendenti::nomeSelezionato() const
{
    const int r = tabella->currentRow();
    QStringList parti;
    for (int c : {2, 1}) {
        if (r >= 0 && tabella->item(r, c) && !tabella->item(r, c)->text().trimmed().isEmpty())
            parti << tabella->item(r, c)->text().trimmed();
    }
    return parti.isEmpty() ? fileSelezionato() : parti.join(QLatin1Char(' '));
}

void ListaDipendenti::apriDipendente()
{
    const QString id = fileSelezionato();
    if (id.isEmpty() || id.startsWith(QLatin1Char('(')))
        return;
    const QString file = Config::cartellaDipendenti() + QLatin1Char('/') + id;
    if (FinestreAperte::mostra(SchedaDipendente::staticMetaObject.className(), file, this))
        return;
    SchedaDipendente scheda(file, this);
    if (scheda.exec() == QDialog::Accepted)
        caricaLista();
}

void ListaDipendenti::nuovoDipendente()
{
    NuovoDipendente nuovo(this);
    if (nuovo.exec() == QDialog::Accepted)
        caricaLista();
}

void ListaDipendenti::eliminaDipendente()
{
    const QString id = fileSelezionato();
    if (id.isEmpty() || id.startsWith(QLatin1Char('(')))
        return;
    if (!Messaggi::conferma(this, tr("Elimina"), tr("Sei sicuro di voler eliminare il dipendente?\n") + nomeSelezionato()))
        return;
    // Only the record file goes; the employee's histories and variables stay.
    const bool eliminato = Dipendente::elimina(id);
    caricaLista();
    if (!eliminato)
        Messaggi::avviso(this, tr("Elimina"), tr("Impossibile eliminare il file del dipendente:\n") + id);
}
