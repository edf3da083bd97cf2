#include "gestionecampimovimento.h"

#include "decimali.h"
#include "filesicuri.h"
#include "inputsvizzero.h"
#include "linkaiuto.h"
#include "messaggi.h"
#include "tabellautils.h"
#include "modifichenonsalvate.h"
#include "orologio.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Colonna {
    ColNome, ColCategoria, ColTipoImporto, ColSoggetto, ColAvs, ColAd, ColCaf, ColLainf, ColLpp, ColIf,
    ColMassAd, ColMassLainf, ColCatCert, ColScadenza, ColImportoTotale, NumColonne
};

QString flag(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

GestioneCampiMovimento::GestioneCampiMovimento(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Gestione campi movimento"));
    setMinimumSize(900, 500);
    resize(1200, 650);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Configura le voci personalizzate (deduzioni legali, rimborsi prestiti, voci salariali)."), this));

    tabella = new QTableWidget(this);
    tabella->setObjectName(QStringLiteral("tabella"));
    tabella->setShowGrid(true);
    tabella->setAlternatingRowColors(true);
    tabella->horizontalHeader()->setMinimumSectionSize(60);
    tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tabella->setWordWrap(false);
    tabella->verticalHeader()->hide();
    tabella->setColumnCount(NumColonne);
    tabella->setHorizontalHeaderLabels({tr("Nome"), tr("Categoria"), tr("Tipo importo"), tr("Soggetto"), tr("AVS"),
                                        tr("AD"), tr("CAF"), tr("LAINF"), tr("LPP"), tr("IF"), tr("Mass.AD"),
                                        tr("Mass.LAINF"), tr("Cat.cert."), tr("Scadenza"), tr("Importo totale")});
    tabella->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(tabella);

    auto* riga = new QHBoxLayout;
    riga->addStretch();
    QPushButton* pulsanti[4];
    const char* nomi[4] = {"aggiungi", "elimina", "salva", "chiudi"};
    const QString testi[4] = {tr("Aggiungi"), tr("Elimina"), tr("Salva"), tr("Chiudi")};
    for (int i = 0; i < 4; ++i) {
        pulsanti[i] = new QPushButton(testi[i], this);
        pulsanti[i]->setObjectName(QLatin1String(nomi[i]));
        // Enter in a cell presses no button.
        pulsanti[i]->setAutoDefault(false);
        pulsanti[i]->setDefault(false);
        riga->addWidget(pulsanti[i]);
    }
    layout->addLayout(riga);
    layout->addLayout(LinkAiuto::riga(QStringLiteral("G03"), this));

    connect(pulsanti[0], &QPushButton::clicked, this, &GestioneCampiMovimento::aggiungi);
    connect(pulsanti[1], &QPushButton::clicked, this, &GestioneCampiMovimento::elimina);
    connect(pulsanti[2], &QPushButton::clicked, this, &GestioneCampiMovimento::salva);
    connect(pulsanti[3], &QPushButton::clicked, this, &QDialog::reject);
    connect(tabella, &QTableWidget::itemChanged, this, [this] {
        if (!caricamento)
            modificato = true;
    });

    popolaTabella();
}

void GestioneCampiMovimento::popolaTabella()
{
    caricamento = true;
    originali = CampiMovimento::tutti();
    tabella->setRowCount(originali.size());
    for (int r = 0; r < originali.size(); ++r) {
        const CampoMovimento& c = originali.at(r);
        const QString celle[NumColonne] = {c.nome, c.tipo, c.importoTipo, c.soggetto ? tr("Si") : tr("No"),
                                           flag(c.avs), flag(c.ad), flag(c.caf), flag(c.lainf), flag(c.lpp),
                                           flag(c.soggettoIF), flag(c.applicaMassimaleAD),
                                           flag(c.applicaMassimaleLAINF), QString::number(c.categoriaCertificato),
                                           c.dataScadenza, Decimali::testo(c.importoTotale)};
        for (int col = 0; col < NumColonne; ++col)
            tabella->setItem(r, col, new QTableWidgetItem(celle[col]));
        tabella->item(r, ColNome)->setData(Qt::UserRole, r);
    }
    tabella->resizeColumnsToContents();
    TabellaUtils::titoliInteri(tabella);
    caricamento = false;
    modificato = false;
    const QStringList problemi = CampiMovimento::problemiCaricamento();
    if (!problemi.isEmpty())
        Messaggi::avviso(this, tr("Errore"),
                         tr("Il file dei campi movimento non si è letto correttamente:\n%1").arg(problemi.join(QLatin1Char('\n')))
                             + QStringLiteral("\n\n") + tr("Le modifiche non si possono salvare finché il file non è corretto."));
}

QList<CampoMovimento> GestioneCampiMovimento::leggiTabella() const
{
    QList<CampoMovimento> campi;
    for (int r = 0; r < tabella->rowCount(); ++r) {
        const auto testo = [this, r](int col) {
            const QTableWidgetItem* item = tabella->item(r, col);
            return item ? item->text() : QString();
        };
        const QString nome = testo(ColNome);
        if (nome.isEmpty())
            continue;
        // A loaded row starts from its kind, so the fields without a column
        // keep their values; a new row from the defaults.
        CampoMovimento c;
        bool conOrigine = false;
        const int origine = tabella->item(r, ColNome)->data(Qt::UserRole).toInt(&conOrigine);
        if (conOrigine && origine >= 0 && origine < originali.size())
            c = originali.at(origine);
        c.nome = nome;
        c.tipo = testo(ColCategoria);
        c.importoTipo = testo(ColTipoImporto);
        c.soggetto = testo(ColSoggetto).compare(tr("Si"), Qt::CaseInsensitive) == 0;
        const auto uno = [&testo](int col) { return testo(col) == QLatin1String("1"); };
        c.avs = uno(ColAvs);
        c.ad = uno(ColAd);
        c.caf = uno(ColCaf);
        c.lainf = uno(ColLainf);
        c.lpp = uno(ColLpp);
        c.soggettoIF = uno(ColIf);
        c.applicaMassimaleAD = uno(ColMassAd);
        c.applicaMassimaleLAINF = uno(ColMassLainf);
        bool ok = false;
        const int categoria = testo(ColCatCert).toInt(&ok, 10);
        c.categoriaCertificato = ok ? categoria : 0;
        c.dataScadenza = testo(ColScadenza);
        // A text that is no amount leaves the kind's amount: the save refuses
        // it before it reads the table. A loaded amount left as it was shown
        // keeps the value stored.
        if (!conOrigine || origine < 0 || origine >= originali.size()
            || testo(ColImportoTotale) != Decimali::testo(originali.at(origine).importoTotale))
            InputSvizzero::leggiImporto(testo(ColImportoTotale), &c.importoTotale);
        campi.append(c);
    }
    return campi;
}

void GestioneCampiMovimento::aggiungi()
{
    const int n = tabella->rowCount();
    tabella->insertRow(n);
    const QString celle[NumColonne] = {tr("Nuovo"), QStringLiteral("voce_salariale"), QStringLiteral("fisso"), tr("No"),
                                       flag(false), flag(false), flag(false), flag(false), flag(false), flag(false),
                                       flag(false), flag(false), QStringLiteral("3"), QString(),
                                       QStringLiteral("0.00")};
    caricamento = true;
    for (int col = 0; col < NumColonne; ++col)
        tabella->setItem(n, col, new QTableWidgetItem(celle[col]));
    tabella->item(n, ColNome)->setData(Qt::UserRole, -1);
    caricamento = false;
    modificato = true;
    tabella->setCurrentCell(n, ColNome);
    tabella->editItem(tabella->item(n, ColNome));
}

void GestioneCampiMovimento::elimina()
{
    const int riga = tabella->currentRow();
    if (riga < 0) {
        Messaggi::avviso(this, tr("Nessuna selezione"), tr("Seleziona una riga."));
        return;
    }
    if (Messaggi::domanda(this, tr("Conferma"), tr("Eliminare il campo selezionato?"),
                          QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    tabella->removeRow(riga);
    modificato = true;
}

void GestioneCampiMovimento::salva()
{
    if (Messaggi::domanda(this, tr("Conferma salvataggio"),
                          tr("Stai per sovrascrivere i campi movimento personalizzati. Confermi?"),
                          QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    scriviCatalogo();
}

bool GestioneCampiMovimento::scriviCatalogo()
{
    // A total typed "12,50" or "12.50" is 12.50; one that is no amount is
    // named, and nothing is written.
    for (int r = 0; r < tabella->rowCount(); ++r) {
        const QTableWidgetItem* nome = tabella->item(r, ColNome);
        const QTableWidgetItem* totale = tabella->item(r, ColImportoTotale);
        double valore = 0.0;
        if (!nome || nome->text().isEmpty() || !totale)
            continue;
        if (!InputSvizzero::importoOppureAvviso(this, tr("%1, riga %2").arg(tr("Importo totale")).arg(r + 1),
                                                totale->text(), &valore)) {
            tabella->setCurrentCell(r, ColImportoTotale);
            return false;
        }
    }
    const QList<CampoMovimento> campi = leggiTabella();
    const QString nomi = CampiMovimento::controllaNomi(campi);
    if (!nomi.isEmpty()) {
        Messaggi::avviso(this, tr("Errore"), nomi);
        return false;
    }

    // The catalogue is rewritten whole: one that did not read cleanly would
    // lose what could not be read. Nothing on disk changes, not even a copy.
    const QStringList problemi = CampiMovimento::problemiCaricamento();
    if (!problemi.isEmpty()) {
        Messaggi::avviso(this, tr("Errore"),
                         tr("Il file dei campi movimento non si è letto correttamente:\n%1").arg(problemi.join(QLatin1Char('\n')))
                             + QStringLiteral("\n\n") + tr("Il file non viene sovrascritto: correggerlo prima di salvare."));
        return false;
    }

    const QString percorso = CampiMovimento::percorsoUtente();
    const QDateTime adesso = Orologio::adesso();
    // The old catalogue stays beside the new one; a copy that fails (a second
    // save in the same second) is of no harm.
    if (QFileInfo::exists(percorso))
        QFile::copy(percorso, percorso + QLatin1Char('.') + adesso.toString(QStringLiteral("yyyyMMdd_HHmmss"))
                                  + QStringLiteral(".bak"));

    QString errore;
    if (!CampiMovimento::scrivi(campi, &errore)) {
        Messaggi::avviso(this, tr("Errore"), tr("Salvataggio non riuscito.") + QLatin1Char('\n') + errore);
        return false;
    }

    const QString riga = QStringLiteral("%1,%2,salvataggio_campi_movimento,%3 voci,\n")
                             .arg(adesso.toString(Qt::ISODate), QStringLiteral("admin"))
                             .arg(campi.size());
    FileSicuri::aggiungi(QFileInfo(percorso).absolutePath() + QStringLiteral("/log_parametri_critici.csv"),
                         riga.toUtf8());

    // The table shows what the file now holds.
    popolaTabella();
    Messaggi::informazione(this, tr("Salvato"), tr("Campi movimento salvati."));
    return true;
}

void GestioneCampiMovimento::reject()
{
    if (ModificheNonSalvate::puoChiudere(this, modificato, [this] { return scriviCatalogo(); }))
        QDialog::reject();
}
