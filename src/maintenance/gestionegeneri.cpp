#include "gestionegeneri.h"

#include "generisalario.h"
#include "linkaiuto.h"
#include "messaggi.h"
#include "tabellautils.h"
#include "modifichenonsalvate.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Colonna { ColCodice, ColDescrizione, ColTipo, ColAvs, ColCaf, ColLainf, ColLpp, NumColonne };

bool colonnaFlag(int colonna)
{
    return colonna >= ColAvs && colonna <= ColLpp;
}

// A flag cell: a check mark, not a raw "1" or "0".
QTableWidgetItem* cellaFlag(bool b)
{
    auto* cella = new QTableWidgetItem;
    cella->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    cella->setCheckState(b ? Qt::Checked : Qt::Unchecked);
    return cella;
}

} // namespace

GestioneGeneri::GestioneGeneri(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Generi di salario"));
    setMinimumSize(800, 500);
    resize(1000, 650);
    if (QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QRect disponibile = schermo->availableGeometry();
        setMaximumSize(disponibile.width() - 40, disponibile.height() - 80);
    }

    auto* layout = new QVBoxLayout(this);
    tabella = new QTableWidget(this);
    tabella->setObjectName(QStringLiteral("tabella"));
    tabella->setShowGrid(true);
    tabella->setAlternatingRowColors(true);
    tabella->setColumnCount(NumColonne);
    tabella->setHorizontalHeaderLabels(
        {tr("Codice"), tr("Descrizione"), tr("Tipo"), tr("AVS"), tr("CAF"), tr("LAINF"), tr("LPP")});
    tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tabella->horizontalHeader()->setStretchLastSection(true);
    tabella->horizontalHeader()->setMinimumSectionSize(80);
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella->setWordWrap(false);
    tabella->verticalHeader()->hide();
    layout->addWidget(tabella);

    auto* riga = new QHBoxLayout;
    riga->addStretch();
    auto* salva = new QPushButton(tr("Salva"), this);
    salva->setObjectName(QStringLiteral("salva"));
    auto* elimina = new QPushButton(tr("Elimina"), this);
    elimina->setObjectName(QStringLiteral("elimina"));
    auto* chiudi = new QPushButton(tr("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("chiudi"));
    for (QPushButton* b : {salva, elimina, chiudi}) {
        b->setAutoDefault(false);
        riga->addWidget(b);
    }
    layout->addLayout(riga);
    layout->addLayout(LinkAiuto::riga(QStringLiteral("G02"), this));

    connect(salva, &QPushButton::clicked, this, [this] { salvaModifiche(); });
    connect(chiudi, &QPushButton::clicked, this, &GestioneGeneri::chiudiConControllo);
    connect(elimina, &QPushButton::clicked, this, &GestioneGeneri::eliminaRiga);
    connect(tabella, &QTableWidget::itemChanged, this, [this] {
        if (!caricamento)
            modificato = true;
    });

    caricaTabella();
}

void GestioneGeneri::caricaTabella()
{
    caricamento = true;
    GeneriSalario::carica();
    const QStringList codici = GeneriSalario::codiciDisponibili();
    tabella->setRowCount(codici.size());
    for (int r = 0; r < codici.size(); ++r) {
        const GeneriSalario::GenereSalario g = GeneriSalario::info(codici.at(r));
        const QString celle[] = {g.codice, g.descrizione, g.tipo};
        const bool flag[] = {g.avs, g.caf, g.lainf, g.lpp};
        for (int c = 0; c < NumColonne; ++c)
            tabella->setItem(r, c, colonnaFlag(c) ? cellaFlag(flag[c - ColAvs]) : new QTableWidgetItem(celle[c]));
    }
    if (!codici.isEmpty())
        tabella->resizeColumnsToContents();
    TabellaUtils::titoliInteri(tabella);
    eliminati.clear();
    caricamento = false;
    modificato = false;
    const QStringList problemi = GeneriSalario::problemiCaricamento();
    if (!problemi.isEmpty())
        Messaggi::avviso(this, tr("Errore"),
                         tr("Il file dei generi di salario non si è letto correttamente:\n%1").arg(problemi.join(QLatin1Char('\n')))
                             + QStringLiteral("\n\n") + tr("Le modifiche non si possono salvare finché il file non è corretto."));
}

void GestioneGeneri::eliminaRiga()
{
    const int riga = tabella->currentRow();
    if (riga < 0) {
        Messaggi::informazione(this, tr("Elimina"), tr("Seleziona una riga."));
        return;
    }
    if (Messaggi::domanda(this, tr("Conferma"), tr("Eliminare la riga selezionata?"),
                          QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    if (const QTableWidgetItem* codice = tabella->item(riga, ColCodice))
        eliminati.append(codice->text());
    tabella->removeRow(riga);
    modificato = true;
}

bool GestioneGeneri::salvaModifiche()
{
    // The user's file is rewritten whole: one that did not read cleanly
    // would lose what could not be read.
    const QStringList problemi = GeneriSalario::problemiCaricamento();
    if (!problemi.isEmpty()) {
        Messaggi::avviso(this, tr("Errore"),
                         tr("Il file dei generi di salario non si è letto correttamente:\n%1").arg(problemi.join(QLatin1Char('\n')))
                             + QStringLiteral("\n\n") + tr("Il file non viene sovrascritto: correggerlo prima di salvare."));
        return false;
    }
    const auto testo = [this](int r, int c) {
        const QTableWidgetItem* item = tabella->item(r, c);
        return item ? item->text() : QString();
    };
    QSet<QString> presenti;
    for (int r = 0; r < tabella->rowCount(); ++r) {
        const QString codice = testo(r, ColCodice);
        // The catalogue's own type keeps the fields without a column.
        GeneriSalario::GenereSalario g = GeneriSalario::info(codice);
        g.codice = codice;
        g.descrizione = testo(r, ColDescrizione);
        g.tipo = testo(r, ColTipo);
        const auto spuntato = [this, r](int c) {
            const QTableWidgetItem* item = tabella->item(r, c);
            return item && item->checkState() == Qt::Checked;
        };
        g.avs = spuntato(ColAvs);
        g.caf = spuntato(ColCaf);
        g.lainf = spuntato(ColLainf);
        g.lpp = spuntato(ColLpp);
        GeneriSalario::aggiorna(g);
        presenti.insert(codice);
    }
    // A deleted row takes its type away, unless another row holds the code.
    for (const QString& codice : qAsConst(eliminati)) {
        if (!presenti.contains(codice))
            GeneriSalario::rimuovi(codice);
    }
    if (!GeneriSalario::salva()) {
        Messaggi::avviso(this, tr("Errore"), tr("Salvataggio non riuscito."));
        return false;
    }
    eliminati.clear();
    modificato = false;
    Messaggi::informazione(this, tr("Salvato"), tr("Generi salvati."));
    return true;
}

void GestioneGeneri::chiudiConControllo()
{
    reject();
}

void GestioneGeneri::reject()
{
    if (ModificheNonSalvate::puoChiudere(this, modificato, [this] { return salvaModifiche(); }))
        QDialog::reject();
}
