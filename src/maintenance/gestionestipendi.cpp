#include "gestionestipendi.h"

#include "calcolopaga.h"
#include "datetesto.h"
#include "datoteca.h"
#include "decimali.h"
#include "dipendente.h"
#include "filesicuri.h"
#include "finestreaperte.h"
#include "inputsvizzero.h"
#include "linkaiuto.h"
#include "messaggi.h"
#include "modifichenonsalvate.h"
#include "orologio.h"
#include "schedadipendente.h"
#include "tabellautils.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kFormatoData = QStringLiteral("dd/MM/yyyy");
// Item data of a row's first cell: the position of its period among the
// loaded ones, -1 for a row added in the window.
const int kRuoloPeriodo = Qt::UserRole;

QTableWidgetItem* cella(const QString& testo, bool modificabile = true)
{
    auto* item = new QTableWidgetItem(testo);
    if (!modificabile)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QString testoCella(const QTableWidget* t, int riga, int colonna)
{
    const QTableWidgetItem* item = t->item(riga, colonna);
    return item ? item->text() : QString();
}

// A date cell: empty stays empty, a Swiss date is written "dd/MM/yyyy";
// false (after a warning) for anything else.
bool leggiDataCella(QWidget* parent, const QString& campo, const QString& testo, QString* data)
{
    if (testo.trimmed().isEmpty()) {
        data->clear();
        return true;
    }
    QDate d;
    if (!InputSvizzero::dataOppureAvviso(parent, campo, testo, &d))
        return false;
    *data = d.toString(kFormatoData);
    return true;
}

} // namespace

GestioneStipendi::GestioneStipendi(const QString& id_, QWidget* parent)
    : QDialog(parent)
    , id(id_)
{
    setObjectName(QStringLiteral("GestioneStipendi"));
    setWindowTitle(tr("Storico stipendi - %1").arg(Dipendente::nomeCognome(id)));
    setMinimumSize(800, 500);
    resize(1000, 650);
    if (QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QRect r = schermo->availableGeometry();
        setMaximumSize(r.width() - 40, r.height() - 80);
    }

    tabella = new QTableWidget(0, 4, this);
    tabella->setObjectName(QStringLiteral("tabella"));
    tabella->setHorizontalHeaderLabels({tr("Inizio"), tr("Fine"), tr("Salario mensile"), tr("Mensilita")});
    tabella->setShowGrid(true);
    tabella->setAlternatingRowColors(true);

    auto pulsante = [this](const QString& testo, const char* nome) {
        auto* b = new QPushButton(testo, this);
        b->setObjectName(QLatin1String(nome));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* aggiungi = pulsante(tr("Aggiungi periodo"), "aggiungiPeriodo");
    QPushButton* elimina = pulsante(tr("Elimina periodo"), "eliminaPeriodo");
    QPushButton* scheda = pulsante(tr("Apri scheda"), "apriScheda");
    QPushButton* salva = pulsante(tr("Salva"), "salva");
    QPushButton* chiudi = pulsante(tr("Chiudi"), "chiudi");

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(aggiungi);
    pulsanti->addWidget(elimina);
    pulsanti->addStretch();
    pulsanti->addWidget(scheda);
    pulsanti->addWidget(salva);
    pulsanti->addWidget(chiudi);


    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Periodi (mensilita read-only, calcolata dalla scheda dipendente):"), this));
    layout->addWidget(tabella);
    layout->addLayout(pulsanti);
    layout->addLayout(LinkAiuto::riga(QStringLiteral("D04"), this));

    connect(aggiungi, &QPushButton::clicked, this, &GestioneStipendi::aggiungiPeriodo);
    connect(elimina, &QPushButton::clicked, this, &GestioneStipendi::eliminaPeriodo);
    connect(scheda, &QPushButton::clicked, this, &GestioneStipendi::apriScheda);
    connect(salva, &QPushButton::clicked, this, &GestioneStipendi::salvaTutto);
    // "Chiudi" ends the window accepted, once nothing unsaved is left.
    connect(chiudi, &QPushButton::clicked, this, [this] {
        if (chiusuraConsentita())
            accept();
    });
    // Any change of the table is an edit not yet saved.
    const auto segna = [this] { modificato = true; };
    connect(tabella->model(), &QAbstractItemModel::dataChanged, this, segna);
    connect(tabella->model(), &QAbstractItemModel::rowsInserted, this, segna);
    connect(tabella->model(), &QAbstractItemModel::rowsRemoved, this, segna);

    carica();
    FinestreAperte::registra(this, Dipendente::percorsoFile(id));
}

void GestioneStipendi::reject()
{
    if (chiusuraConsentita())
        QDialog::reject();
}

bool GestioneStipendi::chiusuraConsentita()
{
    tabella->setCurrentItem(nullptr); // a cell still being edited counts too
    return ModificheNonSalvate::puoChiudere(this, modificato, [this] { return salvaPeriodi(); });
}

GestioneStipendi::~GestioneStipendi() = default;

void GestioneStipendi::carica()
{
    // A history that did not read cleanly can be looked at; its save is
    // refused by the store, and the clerk is told why as the window opens.
    QString erroreLettura;
    StoricoStipendi::carica(id, caricati, &erroreLettura);
    if (!erroreLettura.isEmpty())
        QTimer::singleShot(0, this, [this, erroreLettura] {
            Messaggi::avviso(this, tr("Storico stipendi"),
                             erroreLettura + QLatin1Char('\n') + tr("Il file non viene sovrascritto: correggerlo prima di salvare."));
        });
    DatiDipendente dip;
    Dipendente::carica(id, dip);
    StoricoStipendi::aggiornaMensilita(caricati, 12 + dip.mensilitaAggiuntive);

    tabella->setRowCount(caricati.size());
    for (int i = 0; i < caricati.size(); ++i) {
        const PeriodoStipendio& p = caricati.at(i);
        QTableWidgetItem* inizio = cella(p.dataInizio);
        inizio->setData(kRuoloPeriodo, i);
        tabella->setItem(i, 0, inizio);
        tabella->setItem(i, 1, cella(p.dataFine));
        tabella->setItem(i, 2, cella(Decimali::testo(p.salarioMensile)));
        tabella->setItem(i, 3, cella(QString::number(p.mensilita), false));
    }
    // Wide enough for a date and an amount even while the table is empty.
    TabellaUtils::configuraESalva(tabella, QStringLiteral("GestioneStipendi"), {100, 100, 120});
    modificato = false;
}

void GestioneStipendi::aggiungiPeriodo()
{
    DatiDipendente dip;
    Dipendente::carica(id, dip);
    int anno = Orologio::oggi().year();
    QString salario = Decimali::testo(dip.salarioMensile);
    const int mensilita = 12 + dip.mensilitaAggiuntive;

    const int righe = tabella->rowCount();
    if (righe > 0) {
        const QString fine = testoCella(tabella, righe - 1, 1);
        if (fine.size() >= 4)
            anno = fine.right(4).toInt() + 1; // a tail that is no number counts as 0
        const QString ultimo = testoCella(tabella, righe - 1, 2);
        if (!ultimo.isEmpty())
            salario = ultimo;
    }

    tabella->insertRow(righe);
    QTableWidgetItem* inizio = cella(QStringLiteral("01/01/%1").arg(anno));
    inizio->setData(kRuoloPeriodo, -1);
    tabella->setItem(righe, 0, inizio);
    tabella->setItem(righe, 1, cella(QStringLiteral("31/12/%1").arg(anno)));
    tabella->setItem(righe, 2, cella(salario));
    tabella->setItem(righe, 3, cella(QString::number(mensilita), false));
}

void GestioneStipendi::eliminaPeriodo()
{
    const int riga = tabella->currentRow();
    if (riga < 0) {
        Messaggi::informazione(this, tr("Elimina"), tr("Seleziona un periodo."));
        return;
    }
    if (Messaggi::domanda(this, tr("Elimina"), tr("Eliminare il periodo selezionato?"),
                          QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes)
        tabella->removeRow(riga);
}

void GestioneStipendi::salvaTutto()
{
    salvaPeriodi();
}

void GestioneStipendi::completaPeriodo(PeriodoStipendio* periodo, const DatiDipendente& dip)
{
    PeriodoStipendio& p = *periodo;
    const int mensilita = 12 + dip.mensilitaAggiuntive;
    const int n = qMax(mensilita, 12);
    const Datoteca::VoceContributo avs = Datoteca::contributo(QStringLiteral("AVS"));
    const Datoteca::VoceContributo ad = Datoteca::contributo(QStringLiteral("AD"));
    const Datoteca::VoceContributo caf = Datoteca::contributo(QStringLiteral("CAF"));
    const Datoteca::VoceContributo lainf = Datoteca::contributo(QStringLiteral("LAINF"));
    const Datoteca::ParametriLPP lpp = Datoteca::lpp();

    p.tipoPaga = dip.tipoPaga;
    p.pagaOraria = dip.pagaOraria;
    p.oreMensili = 0;
    p.mensilita = mensilita;

    const int annoInizio = p.dataInizio.right(4).toInt();
    p.dip.eta = CalcoloPaga::etaDaDataNascita(dip.dataNascita, annoInizio);
    p.dip.cantone = dip.cantone;
    p.dip.statoCivile = dip.statoCivile;
    p.dip.sesso = dip.sesso;
    p.dip.tabellaIF = QStringLiteral("A0");
    p.dip.figli = dip.figli.size();

    p.par.avsDip = avs.aliquotaDipendente;
    p.par.avsDat = avs.aliquotaDatore;
    p.par.adDip = ad.aliquotaDipendente;
    p.par.adDat = ad.aliquotaDatore;
    p.par.cafDip = caf.aliquotaDipendente;
    p.par.cafDat = caf.aliquotaDatore;
    p.par.lainfDip = lainf.aliquotaDipendente;
    p.par.lainfDat = lainf.aliquotaDatore;
    p.par.igm = Datoteca::guadagnoMassimo();
    p.par.lppAliquota = Datoteca::aliquotaLPP(p.dip.eta);
    p.par.massimaleAD = ad.massimale;
    p.par.massimaleLAINF = lainf.massimale;
    p.par.lppSoglia = lpp.sogliaEntrata;
    p.par.lppDeduzione = lpp.deduzioneCoordinamento;
    p.par.lppMax = lpp.salarioMassimo;

    const RiepilogoAnnuo riepilogo = CalcoloPaga::riepilogoAnnuoConMovimenti(
        p.salarioMensile, p.dip.eta, p.dip.cantone, QStringLiteral("A0"), mensilita, {}, 12);
    p.ris.lordo = riepilogo.lordo / 12.0;
    p.ris.lpp = riepilogo.lpp / 12.0;
    p.ris.imposta = riepilogo.imposta / 12.0;
    p.ris.totaleContributiDip = riepilogo.contributiDip / 12.0;
    p.ris.totaleContributiDat = riepilogo.contributiDat / 12.0;
    p.ris.netto = riepilogo.netto / 12.0;
    // The employee's contributions one by one, on the same footing as
    // their total: together they make totaleContributiDip.
    const ContributiSociali c = CalcoloPaga::calcolaAVSAD(p.salarioMensile);
    p.ris.avs = n * c.avsDip / 12.0;
    p.ris.ad = n * c.adDip / 12.0;
    p.ris.caf = n * c.cafDip / 12.0;
    p.ris.lainf = n * c.lainfDip / 12.0;
    p.ris.igm = 0;
}

bool GestioneStipendi::salvaPeriodi()
{
    tabella->setCurrentItem(nullptr); // commits a cell still being edited
    DatiDipendente dip;
    Dipendente::carica(id, dip);

    QVector<PeriodoStipendio> periodi;
    for (int r = 0; r < tabella->rowCount(); ++r) {
        PeriodoStipendio p;
        // What the user typed must be readable: a date in a Swiss form, an
        // amount such as 5'000.50; nothing is stored as 0 by mistake, and
        // nothing outside its range.
        const QString campoSalario = tr("Salario mensile, riga %1").arg(r + 1);
        if (!leggiDataCella(this, tr("Inizio, riga %1").arg(r + 1), testoCella(tabella, r, 0), &p.dataInizio)
            || !leggiDataCella(this, tr("Fine, riga %1").arg(r + 1), testoCella(tabella, r, 1), &p.dataFine)
            || !InputSvizzero::importoOppureAvviso(this, campoSalario, testoCella(tabella, r, 2), &p.salarioMensile)
            || !InputSvizzero::nelLimiteOppureAvviso(this, campoSalario, p.salarioMensile, 0.0,
                                                     FileSicuri::kImportoMassimo)) {
            tabella->setCurrentCell(r, 0);
            return false;
        }
        const QDate dal = DateTesto::daGiornoMeseAnno(p.dataInizio);
        const QDate al = DateTesto::daGiornoMeseAnno(p.dataFine);
        if (dal.isValid() && al.isValid() && al < dal) {
            Messaggi::avviso(this, tr("Attenzione"),
                             tr("\"%1\": il periodo finisce il %2, prima del suo inizio il %3.")
                                 .arg(tr("Fine, riga %1").arg(r + 1), p.dataFine, p.dataInizio));
            tabella->setCurrentCell(r, 1);
            return false;
        }

        const QTableWidgetItem* inizio = tabella->item(r, 0);
        const int origine = inizio && inizio->data(kRuoloPeriodo).isValid() ? inizio->data(kRuoloPeriodo).toInt() : -1;
        if (origine >= 0 && origine < caricati.size()) {
            p.note = caricati.at(origine).note;
            p.movimenti = caricati.at(origine).movimenti;
            // A salary left as it was shown keeps the value stored.
            if (testoCella(tabella, r, 2) == Decimali::testo(caricati.at(origine).salarioMensile))
                p.salarioMensile = caricati.at(origine).salarioMensile;
        }
        completaPeriodo(&p, dip);
        periodi.append(p);
    }

    QString motivo;
    if (!StoricoStipendi::salva(id, periodi, &motivo)) {
        Messaggi::avviso(this, tr("Errore"), tr("Impossibile salvare.") + QLatin1Char('\n') + motivo);
        return false;
    }
    // The table shows what the file now holds: 6'200.005 typed is 6200.01.
    carica();
    Messaggi::informazione(this, tr("Salvato"), tr("Periodi salvati."));
    return true;
}

void GestioneStipendi::apriScheda()
{
    // The card this window was opened from is shown again, never a second
    // card of the same employee.
    if (FinestreAperte::mostra(SchedaDipendente::staticMetaObject.className(), Dipendente::percorsoFile(id), this))
        return;
    // The card may write the salary of the current period, and the table is
    // read again when it closes: unsaved rows are saved or dropped first.
    tabella->setCurrentItem(nullptr);
    if (!ModificheNonSalvate::puoCambiare(this, modificato, [this] { return salvaPeriodi(); }))
        return;
    SchedaDipendente scheda(id, this);
    scheda.exec();
    carica();
}
