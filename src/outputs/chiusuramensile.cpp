#include "chiusuramensile.h"

#include "azienda.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "conteggiosalario.h"
#include "datoteca.h"
#include "decimali.h"
#include "dialogofile.h"
#include "dipendente.h"
#include "documentichiusura.h"
#include "esportapdf.h"
#include "importi.h"
#include "impostafonte.h"
#include "linguautente.h"
#include "linkaiuto.h"
#include "mensilitaaggiuntive.h"
#include "messaggi.h"
#include "movimenti.h"
#include "orologio.h"
#include "piattaforma.h"
#include "sceglidipendente.h"
#include "storicopaghe.h"
#include "tabellautils.h"
#include "variabilimensili.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

namespace {

const int kColonne = 10;
const int kPrimaColonnaImporti = 3;
const int kLarghezzaNetto = 105; // the least width of the last column
const QColor kSenzaConteggio(255, 205, 205);

// The seven amounts of a row, in column order.
std::array<double, 7> importiRiga(const RisultatoConteggio& r)
{
    return {r.lordoContributivo, r.lordoImponibile, r.contributiDipendente, r.lppDipendente,
            r.assegniFamiliari,  r.impostaFonte,    r.netto};
}

QString dueDecimali(double v)
{
    return Decimali::testo(v);
}

QTableWidgetItem* cellaImporto(double v)
{
    auto* cella = new QTableWidgetItem(dueDecimali(v));
    cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return cella;
}

} // namespace

ChiusuraMensile::ChiusuraMensile(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ChiusuraMensile"));
    setWindowTitle(tr("Chiusura mensile"));
    setMinimumSize(900, 500);
    resize(1000, 650);
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QSize area = schermo->availableGeometry().size();
        setMaximumSize(area.width() - 40, area.height() - 80);
    }

    checkTredicesima = new QCheckBox(tr("Includi 13a automatica a dicembre (e 14a a giugno)"), this);
    checkTredicesima->setObjectName(QStringLiteral("tredicesima"));

    const QDate oggi = Orologio::oggi();
    comboAnno = new QComboBox(this);
    comboAnno->setObjectName(QStringLiteral("anno"));
    // The previous year too: in January the December just ended is the
    // month to close, and it comes preselected.
    comboAnno->addItem(QString::number(oggi.year() - 1), oggi.year() - 1);
    comboAnno->addItem(QString::number(oggi.year()), oggi.year());
    comboMese = new QComboBox(this);
    comboMese->setObjectName(QStringLiteral("mese"));
    for (int m = 1; m <= 12; ++m)
        comboMese->addItem(QString::number(m), m);
    const bool gennaio = oggi.month() == 1;
    comboAnno->setCurrentIndex(gennaio ? 0 : 1);
    comboMese->setCurrentIndex(gennaio ? 11 : oggi.month() - 1);
    // However narrow the window, the boxes show a whole year and month.
    for (QComboBox* c : {comboAnno, comboMese}) {
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        c->setMinimumWidth(c->sizeHint().width());
    }

    pulsanteAnteprima = new QPushButton(tr("Calcola anteprima"), this);
    pulsanteAnteprima->setObjectName(QStringLiteral("calcolaAnteprima"));
    pulsanteGenera = new QPushButton(tr("Genera tutti e salva"), this);
    pulsanteGenera->setObjectName(QStringLiteral("generaTutti"));
    pulsanteSelezionaTutti = new QPushButton(tr("Seleziona tutti"), this);
    pulsanteSelezionaTutti->setObjectName(QStringLiteral("selezionaTutti"));
    auto* pulsanteProRata = new QPushButton(tr("Liquida 13a/14a pro-rata a dipendente..."), this);
    pulsanteProRata->setObjectName(QStringLiteral("liquidaProRata"));
    pulsanteSalvaSelezionati = new QPushButton(tr("Salva selezionati"), this);
    pulsanteSalvaSelezionati->setObjectName(QStringLiteral("salvaSelezionati"));
    pulsanteFileBanca = new QPushButton(tr("Genera file banca"), this);
    pulsanteFileBanca->setObjectName(QStringLiteral("fileBanca"));
    auto* chiudi = new QPushButton(tr("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("chiudi"));
    for (QPushButton* p : findChildren<QPushButton*>())
        p->setAutoDefault(false);

    tabella = new QTableWidget(0, kColonne, this);
    tabella->setObjectName(QStringLiteral("tabella"));
    tabella->setHorizontalHeaderLabels({QString(), tr("Numero AVS"), tr("Dipendente"), tr("Lordo contrib."),
                                        tr("Lordo fiscale"), tr("Contributi"), tr("LPP"), tr("Assegni"), tr("IF"),
                                        tr("Netto")});
    tabella->setAlternatingRowColors(true);
    tabella->setShowGrid(true);
    // The grid draws the cells' edges: a style sheet rule on the items would
    // paint over their backgrounds, and no row without a count would stand out.
    tabella->setStyleSheet(QStringLiteral("QTableWidget { gridline-color: #4A7C59; }"));
    tabella->horizontalHeader()->setStretchLastSection(true);
    tabella->horizontalHeader()->setMinimumSectionSize(20);
    tabella->setWordWrap(false);
    tabella->verticalHeader()->setVisible(false);
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);

    editComunicazioni = new QLineEdit(this);
    editComunicazioni->setObjectName(QStringLiteral("comunicazioni"));
    editComunicazioni->setPlaceholderText(tr("Es. Buone feste a tutti"));

    auto* rigaMese = new QHBoxLayout;
    rigaMese->addWidget(new QLabel(tr("Anno:"), this));
    rigaMese->addWidget(comboAnno);
    rigaMese->addWidget(new QLabel(tr("Mese:"), this));
    rigaMese->addWidget(comboMese);
    rigaMese->addStretch();
    rigaMese->addWidget(pulsanteAnteprima);
    rigaMese->addWidget(pulsanteGenera);
    rigaMese->addWidget(pulsanteSelezionaTutti);

    auto* rigaTredicesima = new QHBoxLayout;
    rigaTredicesima->addWidget(checkTredicesima);
    rigaTredicesima->addStretch();
    rigaTredicesima->addWidget(pulsanteProRata);

    auto* rigaComunicazioni = new QHBoxLayout;
    rigaComunicazioni->addWidget(new QLabel(tr("Comunicazioni (opzionale, per tutti):"), this));
    rigaComunicazioni->addWidget(editComunicazioni, 1);

    auto* rigaPulsanti = new QHBoxLayout;
    rigaPulsanti->addStretch();
    rigaPulsanti->addWidget(pulsanteSalvaSelezionati);
    rigaPulsanti->addWidget(pulsanteFileBanca);
    rigaPulsanti->addWidget(chiudi);


    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rigaMese);
    layout->addLayout(rigaTredicesima);
    layout->addWidget(tabella, 1);
    layout->addLayout(rigaComunicazioni);
    layout->addLayout(rigaPulsanti);
    layout->addLayout(LinkAiuto::riga(QStringLiteral("E01"), this));

    // Set before the connections, so it computes no preview.
    checkTredicesima->setChecked(Azienda::carica(Config::aziendaCorrente()).tredicesimaAutomatica);

    adattaColonne(); // the headers readable before the first preview

    connect(pulsanteSelezionaTutti, &QPushButton::clicked, this, &ChiusuraMensile::toggleSelezionaTutti);
    connect(checkTredicesima, &QCheckBox::toggled, this, [this] { aggiornaAnteprima(false); });
    for (QComboBox* c : {comboAnno, comboMese})
        connect(c, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
            popolaTabella();
            aggiornaTestoSelezionaTutti();
        });
    connect(pulsanteProRata, &QPushButton::clicked, this, &ChiusuraMensile::liquidaProRata);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(pulsanteAnteprima, &QPushButton::clicked, this, &ChiusuraMensile::calcolaAnteprima);
    connect(pulsanteGenera, &QPushButton::clicked, this, &ChiusuraMensile::generaESalvaTutti);
    connect(pulsanteSalvaSelezionati, &QPushButton::clicked, this, &ChiusuraMensile::stampaSelezionati);
    connect(pulsanteFileBanca, &QPushButton::clicked, this, &ChiusuraMensile::generaPain001);
    connect(tabella, &QTableWidget::cellDoubleClicked, this, &ChiusuraMensile::apriDettaglio);
}

int ChiusuraMensile::anno() const
{
    return comboAnno->currentData().toInt();
}

int ChiusuraMensile::mese() const
{
    return comboMese->currentData().toInt();
}

int ChiusuraMensile::tredicesima() const
{
    return checkTredicesima->isChecked() ? 1 : 0;
}

void ChiusuraMensile::popolaTabella()
{
    tabella->setRowCount(0);
    righeId.clear();
}

void ChiusuraMensile::calcolaAnteprima()
{
    aggiornaAnteprima(true);
}

void ChiusuraMensile::aggiornaAnteprima(bool avvisa)
{
    popolaTabella();
    const QStringList ids = Dipendente::elencoDipendenti(true);
    const int a = anno();
    const int m = mese();
    std::array<double, 7> totali{};
    QStringList senzaScala;
    QStringList nonPagati;
    const ContestoConteggio contesto = ContestoConteggio::carica();

    for (const QString& id : ids) {
        DatiDipendente d;
        QString erroreLettura;
        if (!Dipendente::carica(id, d, &erroreLettura) && erroreLettura.isEmpty())
            continue;
        // An employee whose file holds invalid values keeps its row, with
        // the reason in place of a count.
        RisultatoConteggio r;
        // The year's pay history read once, for the count and for what
        // stands against the month.
        QList<StoricoPaghe::PagaMese> storico;
        QString dannoStorico;
        if (erroreLettura.isEmpty()) {
            StoricoPaghe::caricaAnno(id, a, storico, &dannoStorico);
            r = ConteggioSalario::genera(id, d, a, m, false, tredicesima(), &contesto, &storico);
        } else {
            r.anno = a;
            r.mese = m;
            r.errore = erroreLettura;
        }
        if (r.errore.isEmpty() && r.scalaImpostaMancante)
            senzaScala << QStringLiteral("%1 %2 (%3, %4)").arg(d.cognome, d.nome, r.cantoneImposta, r.tariffaImposta);
        // Movements entered after the month was saved, which the saved month
        // (its slip, its payment) does not pay.
        if (avvisa) {
            const QList<MovimentoStipendio> movimenti = Movimenti::carica(id);
            for (const QString& riga : DocumentiChiusura::movimentiNonPagati(id, movimenti, movimenti, a, m))
                nonPagati << QStringLiteral("%1 %2 - %3").arg(d.cognome, d.nome, riga);
        }
        // A count the last "Genera tutti e salva" of this month could not
        // save is not counted either, even when the preview computes it; nor
        // one whose pay history did not read cleanly, as the save refuses it.
        if (r.errore.isEmpty())
            r.errore = DocumentiChiusura::motivoEscluso(id, a, m, dannoStorico);
        const bool errore = !r.errore.isEmpty();
        const int riga = tabella->rowCount();
        tabella->insertRow(riga);

        auto* spunta = new QTableWidgetItem;
        spunta->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        spunta->setCheckState(Qt::Unchecked);
        tabella->setItem(riga, 0, spunta);
        tabella->setItem(riga, 1, new QTableWidgetItem(d.numeroAVS));
        QString nome = d.cognome + QLatin1Char(' ') + d.nome;
        if (errore)
            nome += tr(" (senza conteggio)");
        auto* cellaNome = new QTableWidgetItem(nome);
        if (errore)
            cellaNome->setToolTip(r.errore);
        tabella->setItem(riga, 2, cellaNome);

        const std::array<double, 7> importi = importiRiga(r);
        for (int i = 0; i < 7; ++i) {
            const double v = errore ? 0.0 : importi[i];
            tabella->setItem(riga, kPrimaColonnaImporti + i, cellaImporto(v));
            totali[i] += v;
        }
        righeId.append(id);
        // Each employee without a count stands out, the reason on every cell;
        // so does one whose tax the preview counts as 0 for want of a tariff,
        // as the save will not count him.
        const QString motivo = errore || !r.scalaImpostaMancante
            ? r.errore
            : ConteggioSalario::impostaNonCalcolabile(r.cantoneImposta, r.tariffaImposta);
        if (!motivo.isEmpty()) {
            for (int c = 0; c < kColonne; ++c) {
                if (QTableWidgetItem* cella = tabella->item(riga, c)) {
                    cella->setBackground(kSenzaConteggio);
                    cella->setToolTip(motivo);
                }
            }
        }
    }

    const int rigaTotale = tabella->rowCount();
    tabella->insertRow(rigaTotale);
    auto* vuota = new QTableWidgetItem;
    vuota->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    tabella->setItem(rigaTotale, 0, vuota);
    tabella->setItem(rigaTotale, 1, new QTableWidgetItem);
    auto* totale = new QTableWidgetItem(tr("TOTALE"));
    QFont grassetto = totale->font();
    grassetto.setBold(true);
    totale->setFont(grassetto);
    tabella->setItem(rigaTotale, 2, totale);
    for (int i = 0; i < 7; ++i) {
        QTableWidgetItem* cella = cellaImporto(totali[i]);
        cella->setFont(grassetto);
        tabella->setItem(rigaTotale, kPrimaColonnaImporti + i, cella);
    }

    adattaColonne();
    aggiornaTestoSelezionaTutti();

    // A missing tariff file would otherwise show as a tax of 0 that looks
    // like a real amount.
    if (avvisa && !senzaScala.isEmpty())
        Messaggi::avviso(this, tr("Imposta alla fonte"),
                         tr("Mancano le tabelle dell'imposta alla fonte per:\n%1\n\n"
                            "Il programma cerca i file tar*.txt in:\n%2\n\n"
                            "Per questi dipendenti l'imposta risulta 0 e \"Genera tutti e salva\" non salva il "
                            "loro mese.")
                             .arg(senzaScala.join(QLatin1Char('\n')),
                                  QDir::toNativeSeparators(ImpostaFonte::cartelle().join(QLatin1Char('\n')))));
    if (!nonPagati.isEmpty())
        Messaggi::avviso(this, tr("Movimenti non pagati"),
                         tr("Movimenti datati in %1, mese gia' salvato, che il mese salvato non paga: \"Genera tutti "
                            "e salva\" conteggia di nuovo il mese e li paga.")
                                 .arg(LinguaUtente::meseAnno(m, a))
                             + QStringLiteral("\n- ") + nonPagati.join(QStringLiteral("\n- ")));
}

void ChiusuraMensile::adattaColonne()
{
    TabellaUtils::configuraESalva(tabella, QStringLiteral("ChiusuraMensile"),
                                  {28, 155, 220, 105, 105, 95, 85, 85, 95, kLarghezzaNetto});
    // The name reads whole, with its note "(senza conteggio)" too, whatever
    // width an earlier filling left.
    const int colonnaNome = 2;
    const int nomi = static_cast<QAbstractItemView*>(tabella)->sizeHintForColumn(colonnaNome);
    if (tabella->columnWidth(colonnaNome) < nomi)
        tabella->setColumnWidth(colonnaNome, nomi);
    // The window widens (up to its maximum) so that every column, the net
    // above all, is seen without scrolling. The last column counts at its
    // least width, not as stretched over the window: else the window would
    // grow at every preview.
    QHeaderView* header = tabella->horizontalHeader();
    const QMargins margini = layout()->contentsMargins();
    const int ultima = header->count() - 1;
    const int colonne = header->length() - header->sectionSize(ultima) + kLarghezzaNetto;
    const int necessaria = colonne + 2 * tabella->frameWidth()
        + tabella->verticalScrollBar()->sizeHint().width() + margini.left() + margini.right();
    if (necessaria > width())
        resize(qMin(necessaria, maximumWidth()), height());
    header->setStretchLastSection(true);
}

void ChiusuraMensile::generaESalvaTutti()
{
    const int a = anno();
    if (ChiusuraAnnuale::isAnnoChiuso(a)) {
        Messaggi::avviso(this, tr("Esercizio chiuso"),
                         tr("L'esercizio %1 è chiuso e bloccato: non è possibile generare o sovrascrivere cedolini.")
                             .arg(a));
        return;
    }

    const QStringList ids = Dipendente::elencoDipendenti(true);
    const int m = mese();
    int generati = 0;
    mancati.clear();
    QStringList elenco;
    QStringList dovute; // leavers whose extra salaries are owed and not paid
    const ContestoConteggio contesto = ContestoConteggio::carica();
    for (const QString& id : ids) {
        DatiDipendente d;
        QString erroreLettura;
        RisultatoConteggio r;
        // A month whose save failed comes back with an error of its own, so
        // it counts as not generated.
        if (Dipendente::carica(id, d, &erroreLettura))
            r = ConteggioSalario::genera(id, d, a, m, true, tredicesima(), &contesto);
        else
            r.errore = erroreLettura.isEmpty() ? tr("la scheda del dipendente non si puo' leggere") : erroreLettura;
        if (r.fuoriPeriodo)
            r.errore = motivoFuoriPeriodo(id, a, m);
        const QString motivo = registraEsito(id, a, m, r.errore);
        if (motivo.isEmpty()) {
            generati += r.fuoriPeriodo ? 0 : 1;
            if (r.mensilitaDovute > 0)
                dovute << QStringLiteral("- %1 %2: %3 CHF").arg(d.cognome, d.nome, dueDecimali(r.mensilitaDovute));
            continue;
        }
        // Each employee not counted is named with the reason.
        mancati.insert(id, motivo);
        const QString nome = (d.cognome + QLatin1Char(' ') + d.nome).trimmed();
        elenco << QStringLiteral("- %1: %2").arg(nome.isEmpty() ? QFileInfo(id).completeBaseName() : nome, motivo);
    }
    avvisaEsito(generati, elenco, dovute);
    aggiornaAnteprima(false);
}

QString ChiusuraMensile::motivoFuoriPeriodo(const QString& id, int anno, int mese)
{
    StoricoPaghe::PagaMese paga;
    if (!StoricoPaghe::caricaMese(id, anno, mese, &paga) || !paga.conNetto)
        return QString();
    return tr("Fuori periodo di rapporto: il mese salvato prima non rientra più in nessun periodo di rapporto della "
              "scheda e non viene pagato");
}

void ChiusuraMensile::avvisaEsito(int generati, const QStringList& elenco, const QStringList& dovute)
{
    // Counted, but owing a leaver his extra salaries: no refusal, a reminder.
    const QString avvisoDovute = dovute.isEmpty()
        ? QString()
        : QStringLiteral("\n\n")
            + tr("13a/14a dovute pro rata e non pagate a chi lascia l'azienda (\"Liquida 13a/14a pro-rata a "
                 "dipendente...\" o 13a automatica):")
            + QLatin1Char('\n') + dovute.join(QLatin1Char('\n'));

    if (!elenco.isEmpty()) {
        Messaggi::avviso(this, tr("Chiusura mensile"),
                         tr("Chiusura completata con errori:\n%1 conteggi generati\n%2 conteggi NON generati.\n\n"
                            "Dipendenti senza conteggio, con il motivo:")
                                 .arg(generati)
                                 .arg(elenco.size())
                             + QLatin1Char('\n') + elenco.join(QLatin1Char('\n')) + avvisoDovute);
    } else if (!dovute.isEmpty()) {
        Messaggi::avviso(this, tr("Chiusura mensile"),
                         tr("Chiusura completata: %1 conteggi generati.").arg(generati) + avvisoDovute);
    } else {
        Messaggi::informazione(this, tr("Chiusura mensile"),
                               tr("Chiusura completata: %1 conteggi generati, nessun errore.").arg(generati));
    }
}

void ChiusuraMensile::apriDettaglio(int riga, int /*colonna*/)
{
    if (riga < 0 || riga >= righeId.size())
        return;
    const QString id = righeId.at(riga);
    DatiDipendente d;
    if (!Dipendente::carica(id, d))
        return;
    const int a = anno();
    const int m = mese();
    const RisultatoConteggio r = ConteggioSalario::genera(id, d, a, m, false, tredicesima());

    // The blanks inside the formats line the amounts up.
    QString testo;
    testo += tr("Dipendente:") + QLatin1Char(' ') + d.cognome + QLatin1Char(' ') + d.nome + QLatin1Char('\n');
    testo += tr("Periodo:") + QLatin1Char(' ') + QString::number(m) + QLatin1Char('/') + QString::number(a)
        + QStringLiteral("\n\n");
    // What the closing would refuse is said above the figures.
    const QString escluso = DocumentiChiusura::motivoEscluso(id, a, m);
    if (!escluso.isEmpty())
        testo += tr("Senza conteggio:") + QLatin1Char(' ') + escluso + QStringLiteral("\n\n");
    testo += tr("Lordo contributivo:") + QStringLiteral(" %1 CHF\n").arg(dueDecimali(r.lordoContributivo));
    testo += tr("Lordo imponibile:") + QStringLiteral("      %1 CHF\n").arg(dueDecimali(r.lordoImponibile));
    testo += tr("Contributi dip.:") + QStringLiteral("    %1 CHF\n").arg(dueDecimali(r.contributiDipendente));
    testo += tr("LPP dip.:") + QStringLiteral("           %1 CHF\n").arg(dueDecimali(r.lppDipendente));
    testo += tr("Assegni familiari:") + QStringLiteral("  %1 CHF\n").arg(dueDecimali(r.assegniFamiliari));
    // Only the annual model adjusts the tax over the year; in the monthly one
    // the month is taxed on its own.
    if (!r.cantoneImposta.isEmpty() && !Datoteca::modelloAnnuale(r.cantoneImposta))
        testo += tr("Imposta alla fonte:") + QStringLiteral(" %1 CHF\n").arg(dueDecimali(r.impostaFonte));
    else
        testo += tr("Imposta (conguagl.):") + QStringLiteral("%1 CHF\n").arg(dueDecimali(r.impostaFonte));
    testo += tr("Netto:") + QStringLiteral("              %1 CHF\n").arg(dueDecimali(r.netto));

    if (d.modalitaPagamento == QLatin1String("banca") || d.modalitaPagamento == QLatin1String("posta")) {
        // The stored code shown in the user's language.
        const QString modalita = d.modalitaPagamento == QLatin1String("banca") ? tr("banca") : tr("posta");
        testo += QLatin1Char('\n') + tr("Modalita pagamento:") + QLatin1Char(' ') + modalita + QLatin1Char('\n');
        if (!d.iban.isEmpty())
            testo += tr("IBAN:") + QLatin1Char(' ') + d.iban + QLatin1Char('\n');
        if (!d.intestatarioConto.isEmpty())
            testo += tr("Intestatario:") + QLatin1Char(' ') + d.intestatarioConto + QLatin1Char('\n');
        if (!d.banca.isEmpty())
            testo += tr("Banca:") + QLatin1Char(' ') + d.banca + QLatin1Char('\n');
        if (d.bancaEstera && !d.bicSwift.isEmpty())
            testo += tr("BIC/SWIFT:") + QLatin1Char(' ') + d.bicSwift + QLatin1Char('\n');
    } else if (d.modalitaPagamento == QLatin1String("cash")) {
        testo += QLatin1Char('\n') + tr("Modalita pagamento:") + QLatin1Char(' ') + tr("contanti") + QLatin1Char('\n');
    }

    if (Messaggi::domanda(this, tr("Salva PDF"), testo + tr("\n\nVuoi salvare questo conteggio salario in PDF?"),
                          QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    const QString percorso = DialogoFile::salva(this, tr("Salva conteggio salario PDF"),
                                                QDir::homePath() + QStringLiteral("/conteggio_salario_") + id
                                                    + QStringLiteral(".pdf"),
                                                tr("PDF (*.pdf)"));
    if (percorso.isEmpty())
        return;
    if (EsportaPdf::salvaTestoPdf(percorso, tr("Conteggio salario"), testo))
        Messaggi::informazione(this, tr("Esportato"), tr("PDF salvato:\n") + percorso);
    else
        Messaggi::avviso(this, tr("Errore"), tr("Impossibile salvare il PDF."));
}

void ChiusuraMensile::toggleSelezionaTutti()
{
    bool qualcunoVuoto = false;
    for (int r = 0; r < righeId.size() && !qualcunoVuoto; ++r)
        qualcunoVuoto = tabella->item(r, 0)->checkState() != Qt::Checked;
    const Qt::CheckState stato = qualcunoVuoto ? Qt::Checked : Qt::Unchecked;
    for (int r = 0; r < righeId.size(); ++r)
        tabella->item(r, 0)->setCheckState(stato);
    aggiornaTestoSelezionaTutti();
}

void ChiusuraMensile::aggiornaTestoSelezionaTutti()
{
    bool tutti = !righeId.isEmpty();
    for (int r = 0; r < righeId.size() && tutti; ++r)
        tutti = tabella->item(r, 0)->checkState() == Qt::Checked;
    pulsanteSelezionaTutti->setText(tutti ? tr("Deseleziona tutti") : tr("Seleziona tutti"));
}

QStringList ChiusuraMensile::idSpuntati() const
{
    QStringList ids;
    for (int r = 0; r < righeId.size(); ++r) {
        if (tabella->item(r, 0)->checkState() == Qt::Checked)
            ids.append(righeId.at(r));
    }
    return ids;
}

QString ChiusuraMensile::registraEsito(const QString& id, int anno, int mese, const QString& errore)
{
    QString problema;
    if (StoricoPaghe::segnaRifiuto(id, anno, mese, errore, &problema))
        return errore;
    const QString nota = tr("l'esito del conteggio non si puo' registrare: %1").arg(problema);
    return errore.isEmpty() ? nota : errore + QStringLiteral("; ") + nota;
}

void ChiusuraMensile::liquidaProRata()
{
    const int a = anno();
    // The payout is stored in the month's variables, which a closed year
    // refuses: say so instead of asking for an amount that is then lost.
    if (ChiusuraAnnuale::isAnnoChiuso(a)) {
        Messaggi::avviso(this, tr("Esercizio chiuso"),
                         tr("L'esercizio %1 è chiuso e bloccato: non è possibile liquidare la 13a/14a.").arg(a));
        return;
    }

    ScegliDipendente scelta(this, false, false, tr("Scegli il dipendente a cui liquidare la 13a/14a pro rata:"));
    if (scelta.exec() != QDialog::Accepted)
        return;
    const QString id = scelta.idSelezionato();
    DatiDipendente d;
    if (!Dipendente::carica(id, d))
        return;
    const int m = mese();
    // The payout is written in the month's "13a / 14a / gratifica", which
    // only the count of monthly pay reads, and only in a month of
    // employment: where the count would not pay it, nothing is written.
    if (d.tipoPaga == 1) {
        Messaggi::informazione(this, tr("Liquidazione 13a/14a"),
                               tr("%1 %2 è pagato a ore: la 13a mensilità (8.33%) è pagata ogni mese con le ore "
                                  "e il conteggio orario non paga una liquidazione. Nessun importo registrato.")
                                   .arg(d.nome, d.cognome));
        return;
    }
    if (!ConteggioSalario::inServizio(d, a, m)) {
        Messaggi::avviso(this, tr("Liquidazione 13a/14a"),
                         tr("%1 %2 non è in servizio nel mese %3/%4: il mese non viene conteggiato e non pagherebbe "
                            "la liquidazione. Nessun importo registrato.")
                             .arg(d.nome, d.cognome, QString::number(m), QString::number(a)));
        return;
    }

    // The amount owed adds up the year's saved months: a pay history that
    // did not read cleanly would suggest a wrong one, so nothing is asked.
    QList<StoricoPaghe::PagaMese> paghe;
    QString danno;
    StoricoPaghe::caricaAnno(id, a, paghe, &danno);
    if (!danno.isEmpty()) {
        Messaggi::avviso(this, tr("Liquidazione 13a/14a"),
                         tr("Lo storico paghe %1 di %2 %3 non si legge correttamente: nessuna liquidazione viene "
                            "registrata. Correggi il file e riprova.")
                                 .arg(QString::number(a), d.nome, d.cognome)
                             + QLatin1Char('\n') + danno);
        return;
    }
    // What the year still owes of the extra salaries, this month's own
    // "13a / 14a / gratifica" set aside: the payout takes its place, and the
    // month's automatic thirteenth pays only what is left after it.
    double importo =
        MensilitaAggiuntive::daLiquidare(id, d, a, m, ConteggioSalario::salarioDelMese(id, d, a, m));
    if (!chiediProRata(tr("Importo 13a/14a per %1 %2 (%3/%4, %5 mesi):")
                           .arg(d.nome, d.cognome, QString::number(m), QString::number(a),
                                QString::number(Dipendente::mesiLavorati(d, a))),
                       &importo))
        return;

    QList<VariabileMese> variabili = VariabiliMensili::caricaAnno(id, a);
    variabili[m - 1].tredicesimaGratifica = importo;
    variabili[m - 1].tredicesimaLiquidata = importo; // a payment of extra salaries, no bonus
    QString motivo;
    if (!VariabiliMensili::salvaAnno(id, a, variabili, &motivo)) {
        Messaggi::avviso(this, tr("Errore"), tr("Impossibile salvare le variabili mensili.") + QLatin1Char('\n') + motivo);
        return;
    }
    aggiornaAnteprima(false);
}

bool ChiusuraMensile::chiediProRata(const QString& etichetta, double* importo)
{
    QInputDialog chiedi(this);
    chiedi.setObjectName(QStringLiteral("importoProRata"));
    chiedi.setWindowTitle(tr("Liquidazione 13a/14a"));
    chiedi.setLabelText(etichetta);
    chiedi.setInputMode(QInputDialog::DoubleInput);
    chiedi.setDoubleDecimals(2);
    chiedi.setDoubleRange(0, 200000);
    chiedi.setDoubleValue(*importo);
    chiedi.setOkButtonText(tr("OK"));
    chiedi.setCancelButtonText(tr("Annulla"));
    if (chiedi.exec() != QDialog::Accepted)
        return false;
    *importo = chiedi.doubleValue();
    return true;
}

void ChiusuraMensile::stampaSelezionati()
{
    const QStringList ids = idSpuntati();
    if (ids.isEmpty()) {
        Messaggi::informazione(this, tr("Nessuna selezione"), tr("Seleziona almeno un dipendente con la casella."));
        return;
    }
    QSettings impostazioni(QStringLiteral("Vardello"), QStringLiteral("UltimaCartellaPaga"));
    const QString ultima = impostazioni.value(QStringLiteral("cartella"), QDir::homePath()).toString();
    const QString scelto = Piattaforma::attuale().nomeFileSalva(
        this, tr("Scegli una cartella (il nome file verra' ignorato)"), ultima + QStringLiteral("/segnaposto.pdf"),
        tr("PDF (*.pdf)"));
    if (scelto.isEmpty())
        return;
    const QString cartella = QFileInfo(scelto).absolutePath();
    impostazioni.setValue(QStringLiteral("cartella"), cartella);

    const int a = anno();
    const int m = mese();
    int scritti = 0;
    int nonScritti = 0;
    int nonSostituiti = 0;
    QStringList senzaCedolino;
    for (const QString& id : ids) {
        // Every employee employed in the month who gets no slip is named: one
        // the last closing of the month could not count has none, even from
        // a month saved before.
        DatiDipendente d;
        const bool letto = Dipendente::carica(id, d);
        const QString nome = (d.cognome + QLatin1Char(' ') + d.nome).trimmed();
        QString motivo;
        FoglioPaga foglio;
        if (!DocumentiChiusura::foglioPaga(id, a, m, editComunicazioni->text(), &foglio, &motivo)) {
            if (motivo.isEmpty() && letto && !ConteggioSalario::inServizio(d, a, m))
                continue; // not employed in the month: nothing to print
            if (motivo.isEmpty())
                motivo = tr("nessun conteggio salvato per il mese");
            senzaCedolino << QStringLiteral("- %1: %2").arg(nome.isEmpty() ? QFileInfo(id).completeBaseName() : nome,
                                                            motivo);
            continue;
        }
        // A slip already in the folder is replaced only when the user says so.
        const QString file = DocumentiChiusura::fileFoglio(cartella, id, a, m);
        if (QFileInfo::exists(file)
            && !Messaggi::conferma(this, tr("File esistente"),
                                   tr("Il file %1 esiste gia'.\nSostituirlo?").arg(QFileInfo(file).fileName()))) {
            ++nonSostituiti;
            continue;
        }
        if (foglio.stampaPdf(file))
            ++scritti;
        else
            ++nonScritti;
    }
    QString esito = tr("PDF generati: %1").arg(scritti);
    if (nonSostituiti > 0)
        esito += QLatin1Char('\n') + tr("File esistenti lasciati come erano: %1").arg(nonSostituiti);
    if (!senzaCedolino.isEmpty())
        esito += QLatin1Char('\n') + tr("Senza cedolino:") + QLatin1Char('\n') + senzaCedolino.join(QLatin1Char('\n'));
    if (nonScritti > 0)
        Messaggi::avviso(this, tr("Stampa completata"),
                         esito + QLatin1Char('\n')
                             + tr("Impossibile scrivere %1 PDF in:\n%2").arg(nonScritti).arg(cartella));
    else if (!senzaCedolino.isEmpty())
        Messaggi::avviso(this, tr("Stampa completata"), esito);
    else
        Messaggi::informazione(this, tr("Stampa completata"), esito);
}

void ChiusuraMensile::generaPain001()
{
    const QStringList ids = idSpuntati();
    if (ids.isEmpty()) {
        Messaggi::informazione(this, tr("Nessuna selezione"), tr("Seleziona almeno un dipendente."));
        return;
    }
    const DatiAzienda azienda = Azienda::carica(Config::aziendaCorrente());
    const QString iban = azienda.campi.value(QStringLiteral("iban")).trimmed();
    const QString bic = azienda.campi.value(QStringLiteral("bic")).trimmed();
    if (iban.isEmpty() || bic.isEmpty()) {
        Messaggi::avviso(this, tr("Dati azienda mancanti"), tr("Configura IBAN e BIC dell'azienda."));
        return;
    }

    const int a = anno();
    const int m = mese();
    Pain001 file;
    file.nomeDebitore = azienda.ragioneSociale;
    file.ibanDebitore = iban;
    file.bicDebitore = bic;
    file.dataEsecuzione = DocumentiChiusura::dataEsecuzione(a, m, Orologio::oggi()).toString(Qt::ISODate);
    // Nobody the last closing of the month could not count is paid, even
    // from a month saved before, whichever window closed it.
    QStringList esclusi;
    file.pagamenti = DocumentiChiusura::pagamenti(ids, a, m, &esclusi);
    // Every ticked employee the file does not pay is named with the reason,
    // so no salary stays unpaid unnoticed.
    const QString nonPagati = esclusi.isEmpty()
        ? QString()
        : QStringLiteral("\n\n") + tr("Non pagati con questo file:") + QStringLiteral("\n- ")
            + esclusi.join(QStringLiteral("\n- "));
    if (file.pagamenti.isEmpty()) {
        Messaggi::informazione(this, tr("Nessun pagamento"),
                               tr("Nessun dipendente selezionato ha netto ed IBAN validi.") + nonPagati);
        return;
    }
    // A file the bank would refuse is never written.
    const QStringList problemi = file.problemi();
    if (!problemi.isEmpty()) {
        Messaggi::avviso(this, tr("File banca non generato"),
                         tr("La banca rifiuterebbe il file:") + QLatin1Char('\n') + problemi.join(QLatin1Char('\n')));
        return;
    }

    QSettings impostazioni(QStringLiteral("Vardello"), QStringLiteral("UltimaCartellaPain"));
    const QString ultima = impostazioni.value(QStringLiteral("cartella"), QDir::homePath()).toString();
    const QString percorso = Piattaforma::attuale().nomeFileSalva(
        this, tr("Salva file banca (pain.001)"),
        ultima + QStringLiteral("/pain001_") + Orologio::oggi().toString(QStringLiteral("yyyyMMdd"))
            + QStringLiteral(".xml"),
        tr("XML (*.xml)"));
    if (percorso.isEmpty())
        return;
    impostazioni.setValue(QStringLiteral("cartella"), QFileInfo(percorso).absolutePath());

    if (file.salvaSuFile(percorso))
        Messaggi::informazione(this, tr("Fatto"),
                               tr("File generato con %1 pagamenti.").arg(file.pagamenti.size()) + nonPagati);
    else
        Messaggi::critico(this, tr("Errore"), tr("Salvataggio fallito."));
}
