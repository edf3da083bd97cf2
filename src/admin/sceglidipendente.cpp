#include "sceglidipendente.h"

#include "dipendente.h"
#include "messaggi.h"
#include "orologio.h"
#include "tabellautils.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

ScegliDipendente::ScegliDipendente(QWidget* parent, bool soloInForza, bool multi, const QString& istruzioni)
    : QDialog(parent)
    , multi(multi)
{
    setWindowTitle(multi ? tr("Seleziona uno o piu' dipendenti") : tr("Scegli dipendente"));
    resize(660, 440);

    auto* etichetta = new QLabel(!istruzioni.isEmpty() ? istruzioni
                                     : multi ? tr("Spunta i dipendenti da esportare (oppure usa 'Seleziona tutti'):")
                                             : tr("Cerca e seleziona un dipendente:"),
                                 this);
    etichetta->setObjectName(QStringLiteral("istruzioni"));

    cerca = new QLineEdit(this);
    cerca->setObjectName(QStringLiteral("cerca"));
    cerca->setPlaceholderText(tr("Cerca per AVS, cognome o nome..."));

    tabella = new QTableWidget(this);
    tabella->setObjectName(QStringLiteral("tabella"));
    tabella->setAlternatingRowColors(true);
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->verticalHeader()->setVisible(false);
    QStringList intestazioni;
    if (multi)
        intestazioni << QString();
    intestazioni << tr("Numero AVS") << tr("Cognome") << tr("Nome") << tr("Stato");
    tabella->setColumnCount(intestazioni.size());
    tabella->setHorizontalHeaderLabels(intestazioni);

    auto* pulsanti = new QHBoxLayout;
    if (multi) {
        selezionaTutti = new QPushButton(tr("Seleziona tutti"), this);
        selezionaTutti->setObjectName(QStringLiteral("selezionaTutti"));
        selezionaTutti->setAutoDefault(false);
        pulsanti->addWidget(selezionaTutti);
    }
    pulsanti->addStretch();
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* annulla = new QPushButton(tr("Annulla"), this);
    annulla->setObjectName(QStringLiteral("annulla"));
    annulla->setAutoDefault(false);
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(etichetta);
    layout->addWidget(cerca);
    layout->addWidget(tabella);
    layout->addLayout(pulsanti);

    connect(cerca, &QLineEdit::textChanged, this, &ScegliDipendente::filtra);
    if (selezionaTutti)
        connect(selezionaTutti, &QPushButton::clicked, this, &ScegliDipendente::toggleSelezionaTutti);
    connect(ok, &QPushButton::clicked, this, &ScegliDipendente::conferma);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(tabella, &QTableWidget::cellDoubleClicked, this, &ScegliDipendente::doppioClic);

    ids = Dipendente::elencoDipendenti(soloInForza);
    caricaLista();

    if (multi)
        TabellaUtils::configuraESalva(tabella, QStringLiteral("ScegliDipendenteMulti"), {30, 150, 160, 150, 110});
    else
        TabellaUtils::configuraESalva(tabella, QStringLiteral("ScegliDipendenteSingolo"), {150, 170, 160, 110});

    cerca->setFocus();
}

QString ScegliDipendente::idSelezionato() const
{
    return scelto;
}

QStringList ScegliDipendente::idsSelezionati() const
{
    return scelti;
}

void ScegliDipendente::caricaLista()
{
    tabella->clearContents();
    tabella->setRowCount(0);
    if (ids.isEmpty()) {
        tabella->setEnabled(false);
        return;
    }
    tabella->setEnabled(true);
    const QDate oggi = Orologio::oggi();
    for (const QString& id : ids) {
        DatiDipendente d;
        Dipendente::carica(id, d); // an unreadable file still gets its row
        const int riga = tabella->rowCount();
        tabella->insertRow(riga);
        int colonna = 0;
        if (multi) {
            auto* spunta = new QTableWidgetItem;
            spunta->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            spunta->setCheckState(Qt::Unchecked);
            spunta->setData(Qt::UserRole, id);
            tabella->setItem(riga, colonna++, spunta);
        }
        auto* avs = new QTableWidgetItem(d.numeroAVS);
        avs->setData(Qt::UserRole, id);
        tabella->setItem(riga, colonna++, avs);
        tabella->setItem(riga, colonna++, new QTableWidgetItem(d.cognome.isEmpty() ? id : d.cognome));
        tabella->setItem(riga, colonna++, new QTableWidgetItem(d.nome));
        const QString stato = Dipendente::inForza(d, oggi)  ? tr("Attivo")
                            : Dipendente::daAssumere(d, oggi) ? tr("Entrata futura")
                                                              : tr("Cessato");
        tabella->setItem(riga, colonna++, new QTableWidgetItem(stato));
    }
    tabella->selectRow(0);
}

void ScegliDipendente::filtra(const QString& testo)
{
    const QString cercato = testo.trimmed();
    int primaVisibile = -1;
    for (int r = 0; r < tabella->rowCount(); ++r) {
        bool mostra = cercato.isEmpty();
        for (int c = 0; !mostra && c < tabella->columnCount(); ++c) {
            const QTableWidgetItem* cella = tabella->item(r, c);
            mostra = cella && cella->text().contains(cercato, Qt::CaseInsensitive);
        }
        tabella->setRowHidden(r, !mostra);
        if (mostra && primaVisibile < 0)
            primaVisibile = r;
    }
    if (primaVisibile >= 0) {
        tabella->selectRow(primaVisibile);
    } else {
        tabella->clearSelection();
        tabella->setCurrentItem(nullptr);
    }
}

void ScegliDipendente::toggleSelezionaTutti()
{
    if (!multi)
        return;
    bool qualcunoVuoto = false;
    for (int r = 0; r < tabella->rowCount() && !qualcunoVuoto; ++r) {
        if (!tabella->isRowHidden(r) && tabella->item(r, 0)->checkState() != Qt::Checked)
            qualcunoVuoto = true;
    }
    const Qt::CheckState stato = qualcunoVuoto ? Qt::Checked : Qt::Unchecked;
    for (int r = 0; r < tabella->rowCount(); ++r) {
        if (!tabella->isRowHidden(r))
            tabella->item(r, 0)->setCheckState(stato);
    }
    selezionaTutti->setText(qualcunoVuoto ? tr("Deseleziona tutti") : tr("Seleziona tutti"));
}

void ScegliDipendente::doppioClic(int riga, int /*colonna*/)
{
    if (!multi) {
        tabella->selectRow(riga);
        conferma();
        return;
    }
    QTableWidgetItem* spunta = tabella->item(riga, 0);
    if (spunta)
        spunta->setCheckState(spunta->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void ScegliDipendente::conferma()
{
    if (!tabella->isEnabled())
        return;

    if (multi) {
        QStringList spuntati;
        for (int r = 0; r < tabella->rowCount(); ++r) {
            const QTableWidgetItem* spunta = tabella->item(r, 0);
            if (!spunta || spunta->checkState() != Qt::Checked)
                continue;
            const QString id = spunta->data(Qt::UserRole).toString();
            if (!id.isEmpty())
                spuntati.append(id);
        }
        if (spuntati.isEmpty()) {
            Messaggi::informazione(this, tr("Nessuna selezione"), tr("Spunta almeno un dipendente."));
            return;
        }
        scelti = spuntati;
        scelto = spuntati.first();
        accept();
        return;
    }

    const int riga = tabella->currentRow();
    if (riga < 0 || tabella->isRowHidden(riga)) {
        Messaggi::informazione(this, tr("Nessuna selezione"), tr("Seleziona un dipendente."));
        return;
    }
    const QTableWidgetItem* avs = tabella->item(riga, colonnaAVS());
    const QString id = avs ? avs->data(Qt::UserRole).toString() : QString();
    if (id.isEmpty())
        return;
    scelto = id;
    scelti = QStringList{id};
    accept();
}
