#include "dialogperiodirapporto.h"

#include "messaggi.h"
#include "modifichenonsalvate.h"
#include "orologio.h"
#include "schedadipendente.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <memory>

namespace {
const QString kFormato = QStringLiteral("dd/MM/yyyy");

QDateEdit* nuovaData(QWidget* parent, const QString& nome)
{
    auto* e = new QDateEdit(parent);
    e->setObjectName(nome);
    e->setDisplayFormat(kFormato);
    e->setCalendarPopup(true);
    return e;
}
} // namespace

DialogPeriodiRapporto::DialogPeriodiRapporto(QList<PeriodoRapporto>& periodi, QWidget* parent)
    : QDialog(parent)
    , originale(periodi)
    , copia(periodi)
{
    setWindowTitle(tr("Periodi di rapporto"));
    setMinimumSize(500, 350);
    resize(650, 450);

    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("area"));
    area->setWidgetResizable(true);
    auto* contenuto = new QWidget;
    contenuto->setObjectName(QStringLiteral("righe"));
    righe = new QVBoxLayout(contenuto);
    righe->setContentsMargins(4, 4, 4, 4);
    righe->setSpacing(6);
    area->setWidget(contenuto);

    auto* aggiungi = new QPushButton(tr("Aggiungi periodo"), this);
    aggiungi->setObjectName(QStringLiteral("aggiungiPeriodo"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    auto* annulla = new QPushButton(tr("Annulla"), this);
    annulla->setObjectName(QStringLiteral("annulla"));

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(aggiungi);
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(area);
    layout->addLayout(pulsanti);

    connect(aggiungi, &QPushButton::clicked, this, [this] {
        PeriodoRapporto p;
        p.entrata = Orologio::oggi().toString(kFormato);
        copia.append(p);
        ricostruisciRighe();
    });
    connect(ok, &QPushButton::clicked, this, [this] { confermaOk(); });
    // "Annulla" drops the changes on purpose; the close box and Esc ask.
    connect(annulla, &QPushButton::clicked, this, [this] { QDialog::reject(); });

    ricostruisciRighe();
}

void DialogPeriodiRapporto::aggiungiRiga(int index)
{
    if (index < 0 || index >= copia.size())
        return;
    const PeriodoRapporto& p = copia.at(index);

    auto* riga = new QWidget;
    riga->setObjectName(QStringLiteral("riga%1").arg(index));
    auto* h = new QHBoxLayout(riga);
    h->setContentsMargins(0, 0, 0, 0);

    auto* entrata = nuovaData(riga, QStringLiteral("entrata"));
    auto* uscita = nuovaData(riga, QStringLiteral("uscita"));
    auto* inCorso = new QCheckBox(tr("In corso"), riga);
    inCorso->setObjectName(QStringLiteral("inCorso"));
    auto* elimina = new QPushButton(tr("Elimina"), riga);
    elimina->setObjectName(QStringLiteral("elimina"));
    elimina->setAutoDefault(false);

    // A text that is no date leaves the edit at its own default; the stored
    // text is kept until the user changes that date.
    const QDate dataEntrata = QDate::fromString(p.entrata, kFormato);
    if (dataEntrata.isValid())
        entrata->setDate(dataEntrata);
    const bool running = p.uscita.isEmpty();
    if (running) {
        uscita->setDate(Orologio::oggi());
    } else {
        const QDate dataUscita = QDate::fromString(p.uscita, kFormato);
        if (dataUscita.isValid())
            uscita->setDate(dataUscita);
    }
    uscita->setEnabled(!running);
    inCorso->setChecked(running);

    h->addWidget(new QLabel(tr("Entrata:"), riga));
    h->addWidget(entrata);
    h->addWidget(new QLabel(tr("Uscita:"), riga));
    h->addWidget(uscita);
    h->addWidget(inCorso);
    h->addStretch();
    h->addWidget(elimina);

    // Whether the user changed the exit date of this row; until then an
    // unreadable stored exit date is kept as it was.
    auto uscitaToccata = std::make_shared<bool>(false);
    const QString uscitaIniziale = p.uscita;

    connect(entrata, &QDateEdit::dateChanged, this, [this, index](const QDate& d) {
        if (index < copia.size())
            copia[index].entrata = d.toString(kFormato);
    });
    connect(uscita, &QDateEdit::dateChanged, this, [this, index, uscitaToccata](const QDate& d) {
        *uscitaToccata = true;
        if (index < copia.size() && !copia.at(index).uscita.isEmpty())
            copia[index].uscita = d.toString(kFormato);
    });
    connect(inCorso, &QCheckBox::toggled, this, [this, index, uscita, uscitaToccata, uscitaIniziale](bool corso) {
        if (index >= copia.size())
            return;
        if (corso) {
            copia[index].uscita.clear();
        } else if (!*uscitaToccata && !uscitaIniziale.isEmpty()
                   && !QDate::fromString(uscitaIniziale, kFormato).isValid()) {
            copia[index].uscita = uscitaIniziale;
        } else {
            copia[index].uscita = uscita->date().toString(kFormato);
        }
        uscita->setEnabled(!corso);
    });
    connect(elimina, &QPushButton::clicked, this, [this, index] {
        if (index >= copia.size())
            return;
        if (!Messaggi::conferma(this, tr("Conferma"), tr("Eliminare il periodo selezionato?")))
            return;
        copia.removeAt(index);
        ricostruisciRighe();
    });

    righe->addWidget(riga);
}

void DialogPeriodiRapporto::ricostruisciRighe()
{
    // The rows go once control is back in the event loop: one of them may be
    // running the click that got us here.
    while (QLayoutItem* voce = righe->takeAt(0)) {
        if (QWidget* w = voce->widget()) {
            w->hide();
            w->setParent(nullptr);
            w->deleteLater();
        }
        delete voce;
    }
    for (int i = 0; i < copia.size(); ++i)
        aggiungiRiga(i);
    righe->addStretch();
}

bool DialogPeriodiRapporto::confermaOk()
{
    // Periods the card would refuse to save are refused here already.
    const QString rifiuto = SchedaDipendente::controllaPeriodi(copia);
    if (!rifiuto.isEmpty()) {
        Messaggi::avviso(this, tr("Attenzione"), rifiuto);
        return false;
    }
    // The reminder only when there is something to save.
    if (copia != originale) {
        originale = copia;
        Messaggi::informazione(this, tr("Periodi aggiornati"),
                               tr("Ricordati di premere Salva nella scheda per rendere effettive le modifiche."));
    }
    accept();
    return true;
}

void DialogPeriodiRapporto::reject()
{
    bool confermati = false;
    if (ModificheNonSalvate::puoChiudere(this, copia != originale, [this, &confermati] {
            return confermati = confermaOk();
        })
        && !confermati)
        QDialog::reject();
}
