#include "scegliazienda.h"

#include "azienda.h"
#include "config.h"
#include "linkaiuto.h"
#include "nuovaazienda.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ScegliAzienda::ScegliAzienda(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ScegliAzienda"));
    setWindowTitle(tr("Scegli Azienda"));
    setMinimumSize(400, 300);

    auto* layout = new QVBoxLayout(this);
    auto* titolo = new QLabel(tr("Seleziona un'azienda o creane una nuova:"), this);
    titolo->setAlignment(Qt::AlignCenter);
    layout->addWidget(titolo);

    lista = new QListWidget(this);
    lista->setObjectName(QStringLiteral("aziende"));
    layout->addWidget(lista);

    auto* pulsanti = new QHBoxLayout;
    auto* btnNuova = new QPushButton(tr("Nuova Azienda"), this);
    btnNuova->setObjectName(QStringLiteral("nuova"));
    auto* btnApri = new QPushButton(tr("Apri"), this);
    btnApri->setObjectName(QStringLiteral("apri"));
    auto* btnChiudi = new QPushButton(tr("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("chiudi"));
    // Enter opens the highlighted company.
    btnNuova->setAutoDefault(false);
    btnChiudi->setAutoDefault(false);
    btnApri->setDefault(true);
    pulsanti->addWidget(btnNuova);
    pulsanti->addStretch();
    pulsanti->addWidget(btnApri);
    pulsanti->addWidget(btnChiudi);
    layout->addLayout(pulsanti);

    layout->addLayout(LinkAiuto::riga(QStringLiteral("A03"), this));

    connect(btnNuova, &QPushButton::clicked, this, &ScegliAzienda::nuovaAzienda);
    connect(btnApri, &QPushButton::clicked, this, &ScegliAzienda::apriAzienda);
    connect(lista, &QListWidget::itemDoubleClicked, this, &ScegliAzienda::apriAzienda);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    caricaLista();
}

void ScegliAzienda::caricaLista()
{
    lista->clear();
    const QStringList nomiFile = Azienda::elencoAziende();
    if (nomiFile.isEmpty()) {
        lista->addItem(tr("(Nessuna azienda trovata. Creane una nuova.)"));
        lista->setEnabled(false);
        return;
    }
    lista->setEnabled(true);
    // The current company (the one chosen last, also by "Cambia azienda...")
    // comes highlighted.
    const QString corrente = Config::aziendaCorrente();
    int riga = 0;
    for (const QString& nomeFile : nomiFile) {
        const QString nome = Azienda::carica(nomeFile).ragioneSociale;
        auto* voce = new QListWidgetItem(nome.isEmpty() ? nomeFile : nome, lista);
        voce->setData(Qt::UserRole, nomeFile);
        if (nomeFile == corrente)
            riga = lista->count() - 1;
    }
    lista->setCurrentRow(riga);
}

void ScegliAzienda::apriAzienda()
{
    QListWidgetItem* voce = lista->currentItem();
    if (!voce || !lista->isEnabled())
        return;
    QString nomeFile = voce->data(Qt::UserRole).toString();
    if (nomeFile.isEmpty())
        nomeFile = voce->text();
    if (nomeFile.startsWith(QLatin1Char('(')))
        return;
    scegli(nomeFile);
}

void ScegliAzienda::nuovaAzienda()
{
    NuovaAzienda form(this);
    if (form.exec() != QDialog::Accepted)
        return;
    scegli(form.nomeFileCreato());
}

void ScegliAzienda::scegli(const QString& nomeFile)
{
    m_azienda = nomeFile;
    Config::setAziendaCorrente(nomeFile);
    accept();
}
