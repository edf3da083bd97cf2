#include "gestionemovimenti.h"

#include "decimali.h"
#include "documentichiusura.h"
#include "inputsvizzero.h"
#include "linkaiuto.h"
#include "messaggi.h"
#include "tabellautils.h"
#include "modifichenonsalvate.h"
#include "movimenti.h"
#include "movimentimodel.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kFormatoSalvato = QStringLiteral("yyyy-MM-dd");

// The amount column: a typed text that is no amount is refused with a
// message instead of being stored as 0. The message is shown once the editor
// has closed, so the box cannot take the focus from an editor still open.
class DelegatoImporto : public QStyledItemDelegate
{
public:
    explicit DelegatoImporto(QWidget* finestra)
        : QStyledItemDelegate(finestra)
        , finestra(finestra)
    {
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        auto* riga = qobject_cast<QLineEdit*>(editor);
        if (!riga) {
            QStyledItemDelegate::setModelData(editor, model, index);
            return;
        }
        double importo = 0.0;
        const QString testo = riga->text();
        if (InputSvizzero::leggiImporto(testo, &importo)) {
            model->setData(index, importo, Qt::EditRole);
            return;
        }
        QPointer<QWidget> f = finestra;
        QTimer::singleShot(0, finestra, [f, testo]() {
            double scarto = 0.0;
            if (f)
                InputSvizzero::importoOppureAvviso(f, GestioneMovimenti::tr("Importo"), testo, &scarto);
        });
    }

private:
    QWidget* finestra;
};

} // namespace

GestioneMovimenti::GestioneMovimenti(const QString& id_, const QString& nome, QWidget* parent)
    : QDialog(parent)
    , id(id_)
{
    setWindowTitle(tr("Movimenti straordinari - %1").arg(nome));
    resize(1000, 500);
    if (QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QRect disponibile = schermo->availableGeometry();
        setMaximumSize(disponibile.width() - 40, disponibile.height() - 80);
    }

    modello = new MovimentiModel(this);
    // What did read is shown; a file that did not read cleanly is never
    // saved over, and the user is told which lines are wrong.
    modello->setLista(Movimenti::carica(id, &erroreLettura));
    nelFile = modello->lista();
    if (!erroreLettura.isEmpty())
        QTimer::singleShot(0, this, [this] { Messaggi::avviso(this, tr("Movimenti"), erroreLettura); });

    vista = new QTableView(this);
    vista->setObjectName(QStringLiteral("tabella"));
    vista->setShowGrid(true);
    vista->setAlternatingRowColors(true);
    vista->setModel(modello);
    vista->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista->setItemDelegateForColumn(MovimentiModel::ColImporto, new DelegatoImporto(this));
    vista->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    vista->horizontalHeader()->setStretchLastSection(true);
    const int larghezze[] = {100, 160, 100, 50, 50, 50, 50, 60, 50, 50};
    for (int c = 0; c < 10; ++c)
        vista->setColumnWidth(c, larghezze[c]);
    TabellaUtils::titoliInteri(vista);

    auto* istruzioni = new QLabel(tr("Modifica direttamente le celle. Il cambio di Tipo applica preset ai flag."), this);
    istruzioni->setObjectName(QStringLiteral("istruzioni"));

    auto* aggiungiBtn = new QPushButton(tr("Aggiungi"), this);
    aggiungiBtn->setObjectName(QStringLiteral("aggiungi"));
    auto* eliminaBtn = new QPushButton(tr("Elimina"), this);
    eliminaBtn->setObjectName(QStringLiteral("elimina"));
    auto* salvaBtn = new QPushButton(tr("Salva"), this);
    salvaBtn->setObjectName(QStringLiteral("salva"));
    auto* chiudiBtn = new QPushButton(tr("Chiudi"), this);
    chiudiBtn->setObjectName(QStringLiteral("chiudi"));

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(aggiungiBtn);
    pulsanti->addWidget(eliminaBtn);
    pulsanti->addStretch();
    pulsanti->addWidget(salvaBtn);
    pulsanti->addWidget(chiudiBtn);


    auto* layout = new QVBoxLayout(this);
    layout->addWidget(istruzioni);
    layout->addWidget(vista);
    layout->addLayout(pulsanti);
    layout->addLayout(LinkAiuto::riga(QStringLiteral("D05"), this));

    connect(aggiungiBtn, &QPushButton::clicked, this, &GestioneMovimenti::aggiungi);
    connect(eliminaBtn, &QPushButton::clicked, this, &GestioneMovimenti::elimina);
    connect(salvaBtn, &QPushButton::clicked, this, &GestioneMovimenti::salva);
    // "Chiudi" ends the window accepted, once nothing unsaved is left.
    connect(chiudiBtn, &QPushButton::clicked, this, [this] {
        if (chiusuraConsentita())
            accept();
    });
    // Any change of the working copy is an edit not yet saved.
    const auto segna = [this] { modificato = true; };
    connect(modello, &QAbstractItemModel::dataChanged, this, segna);
    connect(modello, &QAbstractItemModel::rowsInserted, this, segna);
    connect(modello, &QAbstractItemModel::rowsRemoved, this, segna);
}

void GestioneMovimenti::reject()
{
    if (chiusuraConsentita())
        QDialog::reject();
}

bool GestioneMovimenti::chiusuraConsentita()
{
    vista->setCurrentIndex(QModelIndex()); // a cell still being edited counts too
    return ModificheNonSalvate::puoChiudere(this, modificato, [this] { return salvaMovimenti(); });
}

void GestioneMovimenti::aggiungi()
{
    modello->aggiungiRiga();
    const int n = modello->rowCount();
    vista->selectRow(n - 1);
    const QModelIndex tipo = modello->index(n - 1, MovimentiModel::ColTipo);
    vista->setCurrentIndex(tipo);
    vista->edit(tipo);
}

void GestioneMovimenti::elimina()
{
    const QModelIndex corrente = vista->currentIndex();
    if (!corrente.isValid())
        return;
    if (Messaggi::domanda(this, tr("Elimina"), tr("Eliminare la riga selezionata?"),
                          QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes)
        modello->eliminaRiga(corrente.row());
}

QDate GestioneMovimenti::leggiData(const QString& testo)
{
    const QDate salvata = QDate::fromString(testo.trimmed(), kFormatoSalvato);
    return salvata.isValid() ? salvata : InputSvizzero::leggiData(testo);
}

void GestioneMovimenti::salva()
{
    salvaMovimenti();
}

bool GestioneMovimenti::salvaMovimenti()
{
    vista->setCurrentIndex(QModelIndex()); // commits a cell still being edited
    // The file is rewritten whole: lines that could not be read would be lost.
    if (!erroreLettura.isEmpty()) {
        Messaggi::avviso(this, tr("Salva"),
                         erroreLettura + QLatin1Char('\n')
                             + tr("Il file non viene sovrascritto: correggerlo prima di salvare."));
        return false;
    }
    // Every date is read as the user may type it and stored in one form, so
    // the pay count of the month finds the movement.
    QList<MovimentoStipendio> lista = modello->lista();
    for (int r = 0; r < lista.size(); ++r) {
        const QDate data = leggiData(lista.at(r).data);
        if (!data.isValid()) {
            Messaggi::avviso(this, tr("Salva"),
                             tr("Riga %1: la data \"%2\" non e' valida: scrivere ad esempio 31/12/2026.")
                                 .arg(r + 1)
                                 .arg(lista.at(r).data.trimmed()));
            vista->setCurrentIndex(modello->index(r, MovimentiModel::ColData));
            return false;
        }
        lista[r].data = data.toString(kFormatoSalvato);
    }
    QString motivo;
    if (!Movimenti::salva(id, lista, &motivo)) {
        Messaggi::avviso(this, tr("Salva"), tr("Impossibile salvare.") + QLatin1Char('\n') + motivo);
        return false;
    }
    modello->setLista(lista);
    modificato = false;
    // A month already saved paid what its movements were then: one dated in
    // it since is paid only when the month is counted again.
    const QStringList nonPagati = DocumentiChiusura::movimentiNonPagati(id, lista, nelFile);
    nelFile = lista;
    // What the count of any month passes over is kept as typed, and named.
    const QStringList maiPagati = senzaPagamento(lista);
    if (nonPagati.isEmpty() && maiPagati.isEmpty()) {
        Messaggi::informazione(this, tr("Salva"), tr("Movimenti salvati."));
        return true;
    }
    QString testo = tr("Movimenti salvati.");
    if (!nonPagati.isEmpty())
        testo += QStringLiteral("\n\n")
            + tr("Questi movimenti sono datati in un mese gia' salvato nello storico paghe e non sono "
                 "ancora pagati: per pagarli il mese va conteggiato di nuovo (Chiusura mensile, "
                 "\"Genera tutti e salva\").")
            + QStringLiteral("\n- ") + nonPagati.join(QStringLiteral("\n- "));
    if (!maiPagati.isEmpty())
        testo += QStringLiteral("\n\n")
            + tr("Questi movimenti restano salvati come scritti, ma il conteggio del salario non li paga mai:")
            + QStringLiteral("\n- ") + maiPagati.join(QStringLiteral("\n- "));
    Messaggi::avviso(this, tr("Salva"), testo);
    return true;
}

QStringList GestioneMovimenti::senzaPagamento(const QList<MovimentoStipendio>& lista)
{
    QStringList righe;
    for (int r = 0; r < lista.size(); ++r) {
        const MovimentoStipendio& m = lista.at(r);
        const Movimenti::Scarto scarto = Movimenti::scarto(m);
        if (scarto == Movimenti::Scarto::Nessuno)
            continue;
        const QString motivo = scarto == Movimenti::Scarto::Importo
            ? tr("l'importo e' zero o negativo")
            : tr("nessuna casella spuntata tra AVS, AD, CAF, LAINF, LPP e IF");
        righe << tr("riga %1, %2 %3 CHF: %4")
                     .arg(QString::number(r + 1), m.tipo.trimmed(), Decimali::testo(m.importo), motivo);
    }
    return righe;
}
