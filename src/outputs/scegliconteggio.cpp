#include "scegliconteggio.h"

#include "storicopaghe.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QSettings impostazioni()
{
    return QSettings(QStringLiteral("Vardello"), QStringLiteral("UltimoConteggio"));
}

} // namespace

ScegliConteggio::ScegliConteggio(const QString& id_, QWidget* parent)
    : QDialog(parent)
    , id(id_)
    , cartella(StoricoPaghe::cartella(id_))
{
    setWindowTitle(tr("Conteggio"));
    setMinimumWidth(400);

    comboAnno = new QComboBox(this);
    comboAnno->setObjectName(QStringLiteral("anno"));
    comboMese = new QComboBox(this);
    comboMese->setObjectName(QStringLiteral("mese"));
    info = new QLabel(this);
    info->setObjectName(QStringLiteral("info"));
    info->setWordWrap(true);
    avviso = new QLabel(this);
    avviso->setObjectName(QStringLiteral("avviso"));
    avviso->setWordWrap(true);
    avviso->setStyleSheet(QStringLiteral("color: #b00000;"));
    avviso->hide();
    ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    annulla = new QPushButton(tr("Annulla"), this);
    annulla->setObjectName(QStringLiteral("annulla"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Seleziona il mese da stampare:"), this));
    auto* rigaAnno = new QHBoxLayout;
    rigaAnno->addWidget(new QLabel(tr("Anno:"), this));
    rigaAnno->addWidget(comboAnno, 1);
    layout->addLayout(rigaAnno);
    auto* rigaMese = new QHBoxLayout;
    rigaMese->addWidget(new QLabel(tr("Mese:"), this));
    rigaMese->addWidget(comboMese, 1);
    layout->addLayout(rigaMese);
    layout->addWidget(info);
    layout->addWidget(avviso);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    layout->addLayout(pulsanti);

    connect(comboAnno, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &ScegliConteggio::caricaMesi);
    connect(comboMese, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &ScegliConteggio::aggiornaInfo);
    connect(ok, &QPushButton::clicked, this, &ScegliConteggio::accept);
    connect(annulla, &QPushButton::clicked, this, &ScegliConteggio::reject);

    QStringList anni;
    if (!cartella.isEmpty()) { // no folder is not the current folder
        const QFileInfoList file = QDir(cartella).entryInfoList({QStringLiteral("*.ini")}, QDir::Files, QDir::NoSort);
        for (const QFileInfo& f : file)
            anni.append(f.completeBaseName());
    }
    std::sort(anni.begin(), anni.end());
    comboAnno->addItems(anni);

    const QSettings s = impostazioni();
    const QString ultimoAnno = s.value(QStringLiteral("anno")).toString();
    const int ultimoMese = s.value(QStringLiteral("mese"), 0).toInt();
    if (!ultimoAnno.isEmpty()) {
        const int i = comboAnno->findText(ultimoAnno, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (i >= 0)
            comboAnno->setCurrentIndex(i);
    }
    caricaMesi();
    if (ultimoMese > 0) {
        const int i = comboMese->findData(ultimoMese);
        if (i >= 0)
            comboMese->setCurrentIndex(i);
    }
    aggiornaInfo();
}

int ScegliConteggio::annoSelezionato() const
{
    bool ok = false;
    const int anno = comboAnno->currentText().toInt(&ok, 10);
    return ok ? anno : 0;
}

int ScegliConteggio::meseSelezionato() const
{
    return comboMese->count() == 0 ? 0 : comboMese->currentData().toInt();
}

void ScegliConteggio::caricaMesi()
{
    comboMese->clear();
    avviso->clear();
    avviso->hide();
    bool ok = false;
    const int anno = comboAnno->currentText().toInt(&ok, 10);
    if (!ok || QString::number(anno) != comboAnno->currentText())
        return; // no year file the pay history writes
    // The months as the pay history reads them, each once; whatever of the
    // file it could not read is said, never passed over.
    QList<StoricoPaghe::PagaMese> paghe;
    QString danno;
    StoricoPaghe::caricaAnno(id, anno, paghe, &danno);
    QList<int> mesi;
    for (const StoricoPaghe::PagaMese& p : qAsConst(paghe)) {
        if (!mesi.contains(p.mese))
            mesi.append(p.mese);
    }
    std::sort(mesi.begin(), mesi.end());
    for (const int mese : qAsConst(mesi))
        comboMese->addItem(QString::number(mese), mese);
    if (!danno.isEmpty()) {
        avviso->setText(tr("Lo storico paghe non si legge correttamente: %1").arg(danno));
        avviso->show();
    }
}

void ScegliConteggio::aggiornaInfo()
{
    if (comboMese->count() == 0)
        info->setText(tr("Nessun conteggio disponibile."));
    else
        info->setText(tr("Conteggio del mese %1/%2").arg(comboMese->currentData().toInt()).arg(comboAnno->currentText()));
}

void ScegliConteggio::accept()
{
    // The choice is preselected the next time the chooser opens.
    if (annoSelezionato() > 0 && meseSelezionato() > 0) {
        QSettings s = impostazioni();
        s.setValue(QStringLiteral("anno"), comboAnno->currentText());
        s.setValue(QStringLiteral("mese"), meseSelezionato());
    }
    QDialog::accept();
}
