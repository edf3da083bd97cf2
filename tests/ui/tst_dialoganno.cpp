#include "ambientetest.h"
#include "dialoganno.h"

#include <QPushButton>
#include <QSpinBox>

class TestDialogAnno : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void limiti_data();
    void limiti();
    void chiusura_data();
    void chiusura();
};

void TestDialogAnno::limiti_data()
{
    QTest::addColumn<int>("valore");
    QTest::addColumn<QString>("clic"); // "+" and "-" in order
    QTest::addColumn<int>("atteso");

    QTest::newRow("below the range shows the minimum") << 1999 << "" << 2000;
    QTest::newRow("above the range shows the maximum") << 2200 << "" << 2100;
    QTest::newRow("minus and plus") << 2026 << "--+" << 2025;
    QTest::newRow("minus at the lower bound") << 2000 << "--" << 2000;
    QTest::newRow("plus at the upper bound") << 2100 << "+" << 2100;
}

void TestDialogAnno::limiti()
{
    QFETCH(int, valore);
    QFETCH(QString, clic);
    QFETCH(int, atteso);

    DialogAnno d(nullptr, QStringLiteral("Stampa variabili mese"), valore, 2000, 2100);
    for (const QChar c : clic)
        d.findChild<QPushButton*>(c == QLatin1Char('+') ? "pulsantePiu" : "pulsanteMeno")->click();
    QCOMPARE(d.anno(), atteso);
}

void TestDialogAnno::chiusura_data()
{
    QTest::addColumn<QString>("pulsante"); // empty: Enter in the spin box
    QTest::addColumn<int>("esito");

    QTest::newRow("Enter accepts") << "" << int(QDialog::Accepted);
    QTest::newRow("Annulla") << "pulsanteAnnulla" << int(QDialog::Rejected);
}

void TestDialogAnno::chiusura()
{
    QFETCH(QString, pulsante);
    QFETCH(int, esito);

    DialogAnno d(nullptr, QStringLiteral("Riepilogo annuale"), 2026, 2000, 2100);
    quandoAperto([&] {
        auto* spin = d.findChild<QSpinBox*>(QStringLiteral("spinAnno"));
        spin->setValue(2024);
        if (pulsante.isEmpty())
            QTest::keyClick(spin, Qt::Key_Return);
        else
            d.findChild<QPushButton*>(pulsante)->click();
        if (d.isVisible())
            d.done(-1);
    });
    QCOMPARE(d.exec(), esito);
    QCOMPARE(d.anno(), 2024);
}

VARDELLO_TEST_MAIN(TestDialogAnno)
#include "tst_dialoganno.moc"
