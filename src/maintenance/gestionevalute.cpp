#include "gestionevalute.h"

#include "filesicuri.h"
#include "inputsvizzero.h"
#include "linkaiuto.h"
#include "messaggi.h"
#include "modifichenonsalvate.h"
#include "valute.h"

#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

enum Colonna { Codice, Nome, Simbolo, Cambio, Arrotonda };

const QString kFranco = QStringLiteral("CHF");

QString testo(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

std::string utf8(const QString& testo)
{
    return testo.toStdString();
}

} // namespace

GestioneValute::GestioneValute(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("GestioneValute"));
    setWindowTitle(tr("Gestione valute"));
    setMinimumSize(700, 450);
    resize(900, 600);
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QSize area = schermo->availableGeometry().size();
        setMaximumSize(area.width() - 40, area.height() - 80);
    }

    auto* layout = new QVBoxLayout(this);
    tabella = new QTableWidget(0, 5, this);
    tabella->setObjectName(QStringLiteral("tabella"));
    tabella->setHorizontalHeaderLabels(
        {tr("Codice"), tr("Nome"), tr("Simbolo"), tr("Cambio in CHF"), tr("Arrotonda a 5 cent.")});
    tabella->setShowGrid(true);
    tabella->setAlternatingRowColors(true);
    tabella->setWordWrap(false);
    tabella->verticalHeader()->setVisible(false);
    QHeaderView* intestazione = tabella->horizontalHeader();
    intestazione->setSectionResizeMode(QHeaderView::Interactive);
    intestazione->setMinimumSectionSize(80);
    intestazione->setSectionResizeMode(Nome, QHeaderView::Stretch);
    intestazione->setSectionResizeMode(Cambio, QHeaderView::ResizeToContents);
    intestazione->setStretchLastSection(true);
    layout->addWidget(tabella);

    auto* pulsanti = new QHBoxLayout;
    auto pulsante = [this, pulsanti](const QString& testo, const char* nome) {
        auto* p = new QPushButton(testo, this);
        p->setObjectName(QLatin1String(nome));
        p->setAutoDefault(false);
        pulsanti->addWidget(p);
        return p;
    };
    QPushButton* btnAggiungi = pulsante(tr("Aggiungi"), "aggiungi");
    QPushButton* btnElimina = pulsante(tr("Elimina"), "elimina");
    pulsanti->addStretch();
    QPushButton* btnSalva = pulsante(tr("Salva"), "salva");
    QPushButton* btnChiudi = pulsante(tr("Chiudi"), "chiudi");
    layout->addLayout(pulsanti);
    layout->addLayout(LinkAiuto::riga(QStringLiteral("G01"), this));

    connect(btnAggiungi, &QPushButton::clicked, this, &GestioneValute::aggiungi);
    connect(btnElimina, &QPushButton::clicked, this, &GestioneValute::elimina);
    connect(btnSalva, &QPushButton::clicked, this, &GestioneValute::salva);
    connect(btnChiudi, &QPushButton::clicked, this, [this] {
        if (ModificheNonSalvate::puoChiudere(this, m_modificato, [this] { return salvaDati(); }))
            accept();
    });

    // What did read is shown; a file that did not read cleanly is never
    // saved over (salvaDati), and the user is told which lines are wrong.
    std::vector<ProblemaValute> problemi;
    for (const Valuta& v : leggiValute(utf8(percorsoFile()), &problemi))
        aggiungiRiga(v);
    m_erroreLettura = descriviProblemi(percorsoFile(), problemi);
    if (!m_erroreLettura.isEmpty())
        QTimer::singleShot(0, this, [this] { Messaggi::avviso(this, tr("Gestione valute"), m_erroreLettura); });
    connect(tabella, &QTableWidget::itemChanged, this, [this] { m_modificato = true; });
}

QString GestioneValute::descriviProblemi(const QString& percorso, const std::vector<ProblemaValute>& problemi)
{
    QStringList righe;
    for (const ProblemaValute& p : problemi) {
        QString difetto;
        switch (p.tipo) {
        case ProblemaValute::TroppoGrande:
            return FileSicuri::messaggio(FileSicuri::Esito::TroppoGrande, percorso);
        case ProblemaValute::Illeggibile:
            return FileSicuri::messaggio(FileSicuri::Esito::Illeggibile, percorso);
        case ProblemaValute::CampiMancanti:
            difetto = tr("mancano campi (servono codice;nome;simbolo;cambio;arrotondamento)");
            break;
        case ProblemaValute::CampiInPiu:
            difetto = tr("ci sono piu' di cinque campi");
            break;
        case ProblemaValute::TassoNonValido:
            difetto = tr("il cambio non e' un numero intero");
            break;
        case ProblemaValute::FlagNonValido:
            difetto = tr("l'arrotondamento non e' 0 o 1");
            break;
        case ProblemaValute::CodiceVuoto:
            difetto = tr("manca il codice");
            break;
        case ProblemaValute::Nul:
            difetto = tr("contiene un carattere nullo");
            break;
        }
        righe.append(tr("riga %1: %2").arg(p.riga).arg(difetto));
    }
    if (righe.isEmpty())
        return QString();
    return tr("Il file %1 non si legge per intero: %2.").arg(percorso, righe.join(QStringLiteral("; ")));
}

QString GestioneValute::percorsoFile()
{
    const QString cartella =
        QStandardPaths::writableLocation(QStandardPaths::HomeLocation) + QStringLiteral("/.vardello_dati");
    QDir().mkpath(cartella);
    return cartella + QStringLiteral("/valute.txt");
}

void GestioneValute::aggiungiRiga(const Valuta& v)
{
    const int riga = tabella->rowCount();
    tabella->insertRow(riga);
    const bool base = v.codice == "CHF";
    const QString celle[] = {testo(v.codice), testo(v.nome), testo(v.simbolo),
                             QString::number(static_cast<double>(v.tasso) / 1000000.0, 'f', 6)};
    for (int c = Codice; c <= Cambio; ++c) {
        auto* item = new QTableWidgetItem(celle[c]);
        if (base)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        tabella->setItem(riga, c, item);
    }
    auto* spunta = new QTableWidgetItem;
    spunta->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    spunta->setCheckState(v.arrotonda5 ? Qt::Checked : Qt::Unchecked);
    tabella->setItem(riga, Arrotonda, spunta);
}

void GestioneValute::aggiungi()
{
    Valuta nuova;
    nuova.tasso = 1000000;
    nuova.arrotonda5 = false;
    aggiungiRiga(nuova);
    m_modificato = true;
    const int riga = tabella->rowCount() - 1;
    tabella->setCurrentCell(riga, Codice);
    tabella->editItem(tabella->item(riga, Codice));
}

void GestioneValute::elimina()
{
    const int riga = tabella->currentRow();
    if (riga < 0)
        return;
    const QTableWidgetItem* codice = tabella->item(riga, Codice);
    if (codice && codice->text() == kFranco) {
        Messaggi::informazione(this, tr("Gestione valute"),
                               tr("Il franco svizzero e' la valuta di base e non si puo' eliminare."));
        return;
    }
    tabella->removeRow(riga);
    m_modificato = true;
}

void GestioneValute::salva()
{
    salvaDati();
}

QString GestioneValute::cella(int riga, int colonna) const
{
    const QTableWidgetItem* item = tabella->item(riga, colonna);
    return item ? item->text() : QString();
}

QString GestioneValute::campo(int colonna, int riga) const
{
    const QTableWidgetItem* titolo = tabella->horizontalHeaderItem(colonna);
    return tr("%1, riga %2").arg(titolo ? titolo->text() : QString()).arg(riga + 1);
}

bool GestioneValute::rigaAccettata(int riga, const QSet<QString>& codici, double* cambio)
{
    // The file has no quoting: a ";" or a line break would split the line.
    for (int colonna : {Codice, Nome, Simbolo}) {
        const QString t = cella(riga, colonna);
        if (t.contains(QLatin1Char(';')) || t.contains(QLatin1Char('\n')) || t.contains(QLatin1Char('\r'))
            || t.contains(QChar(0x2028)) || t.contains(QChar(0x2029))) {
            Messaggi::avviso(this, tr("Gestione valute"),
                             tr("Il testo \"%1\" in \"%2\" non puo' contenere \";\" o un a capo.")
                                 .arg(t, campo(colonna, riga)));
            return false;
        }
    }
    const QString codice = cella(riga, Codice).trimmed().toUpper();
    if (codice.isEmpty() || codici.contains(codice)) {
        Messaggi::avviso(this, tr("Gestione valute"),
                         codice.isEmpty() ? tr("Manca il codice in \"%1\".").arg(campo(Codice, riga))
                                          : tr("Il codice \"%1\" in \"%2\" e' gia' in un'altra riga.")
                                                .arg(codice, campo(Codice, riga)));
        return false;
    }
    // The rate is read as every typed amount is, "0,95" or "0.95", and kept
    // to the millionth: a rate with more decimals is refused, not rounded.
    // The decimals are counted as typed (trailing zeros aside): the binary
    // value of a large rate lies a little off its millionth.
    const QString testo = cella(riga, Cambio).trimmed();
    if (!InputSvizzero::numeroOppureAvviso(this, campo(Cambio, riga), testo, cambio, false))
        return false;
    const qint64 milionesimi = std::llround(*cambio * 1000000.0);
    const int separatore = std::max(testo.lastIndexOf(QLatin1Char('.')), testo.lastIndexOf(QLatin1Char(',')));
    QString decimali = separatore < 0 ? QString() : testo.mid(separatore + 1);
    while (decimali.endsWith(QLatin1Char('0')))
        decimali.chop(1);
    QString motivo;
    if (milionesimi <= 0)
        motivo = tr("Il cambio \"%1\" in \"%2\" deve essere maggiore di zero (al milionesimo).");
    else if (decimali.size() > 6)
        motivo = tr("Il cambio \"%1\" in \"%2\" ha piu' di 6 decimali: scriverlo con 6 decimali al massimo.");
    if (!motivo.isEmpty()) {
        Messaggi::avviso(this, tr("Gestione valute"), motivo.arg(testo, campo(Cambio, riga)));
        return false;
    }
    return true;
}

bool GestioneValute::salvaDati()
{
    // The file is rewritten whole: lines that could not be read would be lost.
    if (!m_erroreLettura.isEmpty()) {
        Messaggi::avviso(this, tr("Gestione valute"),
                         m_erroreLettura + QLatin1Char('\n')
                             + tr("Il file non viene sovrascritto: correggerlo prima di salvare."));
        return false;
    }

    std::vector<Valuta> valute;
    QSet<QString> codici;
    for (int i = 0; i < tabella->rowCount(); ++i) {
        double cambio = 0.0;
        if (!rigaAccettata(i, codici, &cambio))
            return false;
        const QString codice = cella(i, Codice).trimmed().toUpper();
        const QString nome = cella(i, Nome);
        const QString simbolo = cella(i, Simbolo);
        codici.insert(codice);
        Valuta v;
        v.codice = utf8(codice);
        v.nome = utf8(nome);
        v.simbolo = utf8(simbolo);
        // Rounded, never cut: 0.257227 is a hair below 257227 millionths.
        v.tasso = codice == kFranco ? 1000000 : std::llround(cambio * 1000000.0);
        const QTableWidgetItem* spunta = tabella->item(i, Arrotonda);
        v.arrotonda5 = spunta && spunta->checkState() == Qt::Checked;
        valute.push_back(v);
    }

    if (!salvaValute(valute, utf8(percorsoFile()))) {
        Messaggi::avviso(this, tr("Gestione valute"), tr("Salvataggio non riuscito."));
        return false;
    }
    m_modificato = false;
    Messaggi::informazione(this, tr("Gestione valute"), tr("Valute salvate."));
    return true;
}

void GestioneValute::reject()
{
    if (ModificheNonSalvate::puoChiudere(this, m_modificato, [this] { return salvaDati(); }))
        QDialog::reject();
}
