#include "sceglibanca.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ScegliBanca::ScegliBanca(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ScegliBanca"));
    setWindowTitle(tr("Scegli la banca"));
    setMinimumWidth(500);

    profili = BankProfile::caricaTutti(BankProfile::cartellaProfili());

    auto* layout = new QVBoxLayout(this);
    // Never narrower than the widest profile name.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->addWidget(new QLabel(tr("Seleziona la banca per i pagamenti stipendi:"), this));

    // The names of two profiles may differ in one word in the middle: each
    // is shown whole, in the box and in its list, never shortened.
    combo = new QComboBox(this);
    combo->setObjectName(QStringLiteral("banca"));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->view()->setTextElideMode(Qt::ElideNone);
    for (const BankProfile& p : qAsConst(profili)) {
        combo->addItem(p.nome);
        combo->setItemData(combo->count() - 1, p.nome, Qt::ToolTipRole);
    }
    layout->addWidget(combo);

    etichettaNote = new QLabel(this);
    etichettaNote->setObjectName(QStringLiteral("note"));
    etichettaNote->setWordWrap(true);
    etichettaNote->setTextFormat(Qt::PlainText); // a note from a profile file is never markup
    layout->addWidget(etichettaNote);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* annulla = new QPushButton(tr("Annulla"), this);
    annulla->setObjectName(QStringLiteral("annulla"));
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    layout->addLayout(pulsanti);

    connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &ScegliBanca::aggiornaNote);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    aggiornaNote();
}

BankProfile ScegliBanca::bancaSelezionata() const
{
    const int i = combo->currentIndex();
    return i >= 0 && i < profili.size() ? profili.at(i) : BankProfile();
}

void ScegliBanca::aggiornaNote()
{
    etichettaNote->setText(bancaSelezionata().note);
}
