#include "dialoganno.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

void ingrandisci(QWidget* w, double fattore, bool grassetto)
{
    QFont f = w->font();
    f.setPointSizeF(f.pointSizeF() * fattore);
    if (grassetto)
        f.setWeight(QFont::Bold);
    w->setFont(f);
}

} // namespace

DialogAnno::DialogAnno(QWidget* parent, const QString& title, int value, int min, int max)
    : QDialog(parent)
{
    setWindowTitle(title);
    setMinimumWidth(360);

    auto* etichetta = new QLabel(tr("Scegli l'anno da stampare:"), this);
    ingrandisci(etichetta, 1.3, true);
    etichetta->setAlignment(Qt::AlignHCenter);

    spin = new QSpinBox(this);
    spin->setObjectName(QStringLiteral("spinAnno"));
    spin->setRange(min, max);
    spin->setValue(value);
    ingrandisci(spin, 1.6, false);
    spin->setAlignment(Qt::AlignCenter);
    spin->setMinimumHeight(50);

    auto* meno = new QPushButton(QStringLiteral("-"), this);
    meno->setObjectName(QStringLiteral("pulsanteMeno"));
    auto* piu = new QPushButton(QStringLiteral("+"), this);
    piu->setObjectName(QStringLiteral("pulsantePiu"));
    for (QPushButton* p : {meno, piu}) {
        p->setFixedSize(40, 50);
        p->setAutoDefault(false);
        ingrandisci(p, 1.8, true);
    }
    connect(meno, &QPushButton::clicked, this, [this] { spin->setValue(spin->value() - 1); });
    connect(piu, &QPushButton::clicked, this, [this] { spin->setValue(spin->value() + 1); });

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("pulsanteOk"));
    ok->setDefault(true);
    auto* annulla = new QPushButton(tr("Annulla"), this);
    annulla->setObjectName(QStringLiteral("pulsanteAnnulla"));
    annulla->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);

    auto* rigaAnno = new QHBoxLayout;
    rigaAnno->addStretch();
    rigaAnno->addWidget(meno);
    rigaAnno->addWidget(spin, 1);
    rigaAnno->addWidget(piu);
    rigaAnno->addStretch();

    auto* rigaPulsanti = new QHBoxLayout;
    rigaPulsanti->addStretch();
    rigaPulsanti->addWidget(annulla);
    rigaPulsanti->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(etichetta);
    layout->addSpacing(8);
    layout->addLayout(rigaAnno);
    layout->addSpacing(8);
    layout->addLayout(rigaPulsanti);
}

int DialogAnno::anno() const
{
    return spin->value();
}
