#include "ambientetest.h"
#include "scegliconteggio.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

// The chooser of a saved pay count: years from the folder's files, months
// from the groups of the chosen year's file, the last choice preselected.
class TestScegliConteggio : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void elenchi_data();
    void elenchi();
    void cambioAnno();
    void sceltaRicordata_data();
    void sceltaRicordata();

private:
    static QString cartella() { return AmbienteTest::home() + QStringLiteral("/paghe/Rossi_Mario"); }
    static void file(const QString& nome, const QByteArray& contenuto)
    {
        AmbienteTest::scrivi(cartella() + QLatin1Char('/') + nome, contenuto);
    }
    static QStringList voci(const QComboBox* c)
    {
        QStringList r;
        for (int i = 0; i < c->count(); ++i)
            r << c->itemText(i);
        return r;
    }
    static QSettings ultimo() { return QSettings(QStringLiteral("Vardello"), QStringLiteral("UltimoConteggio")); }
};

void TestScegliConteggio::elenchi_data()
{
    QTest::addColumn<QString>("ultimoAnno"); // the last choice in the settings
    QTest::addColumn<int>("ultimoMese");
    QTest::addColumn<QStringList>("anni");
    QTest::addColumn<QStringList>("mesi");
    QTest::addColumn<int>("anno");
    QTest::addColumn<int>("mese");
    QTest::addColumn<QString>("info");

    const QStringList anni{"2024", "2025", "2026"};
    QTest::newRow("first year") << "" << 0 << anni << QStringList{"1", "2", "10", "12"} << 2024 << 1
                                << "Conteggio del mese 1/2024";
    QTest::newRow("last choice") << "2026" << 3 << anni << QStringList{"0", "3", "4", "5"} << 2026 << 3
                                 << "Conteggio del mese 3/2026";
    QTest::newRow("last month missing") << "2025" << 7 << anni << QStringList{} << 2025 << 0
                                        << "Nessun conteggio disponibile.";
}

void TestScegliConteggio::elenchi()
{
    QFETCH(QString, ultimoAnno);
    QFETCH(int, ultimoMese);
    QFETCH(QStringList, anni);
    QFETCH(QStringList, mesi);
    QFETCH(int, anno);
    QFETCH(int, mese);
    QFETCH(QString, info);

    file(QStringLiteral("2024.ini"), "[12]\nnetto=1\n[2]\n[10]\n\n[1]\nnetto=5000.00\n");
    file(QStringLiteral("2026.ini"), "  [4]  \n[5] vecchio\n[ 3]\n[100]\n[3]\n[00]\n#[6]\n");
    file(QStringLiteral("2025.ini"), "# nessun mese\n");
    file(QStringLiteral("2027.txt"), "[1]\n");
    if (!ultimoAnno.isEmpty()) {
        QSettings s = ultimo();
        s.setValue(QStringLiteral("anno"), ultimoAnno);
        s.setValue(QStringLiteral("mese"), ultimoMese);
    }

    ScegliConteggio d(cartella());
    QCOMPARE(d.windowTitle(), QStringLiteral("Conteggio"));
    QCOMPARE(voci(d.findChild<QComboBox*>(QStringLiteral("anno"))), anni);
    QCOMPARE(voci(d.findChild<QComboBox*>(QStringLiteral("mese"))), mesi);
    QCOMPARE(d.annoSelezionato(), anno);
    QCOMPARE(d.meseSelezionato(), mese);
    QCOMPARE(d.findChild<QLabel*>(QStringLiteral("info"))->text(), info);
}

void TestScegliConteggio::cambioAnno()
{
    file(QStringLiteral("2025.ini"), "[11]\n[12]\n");
    file(QStringLiteral("2026.ini"), "[2]\n[1]\n");
    ScegliConteggio d(cartella());
    QCOMPARE(d.meseSelezionato(), 11);
    d.findChild<QComboBox*>(QStringLiteral("anno"))->setCurrentIndex(1);
    QCOMPARE(voci(d.findChild<QComboBox*>(QStringLiteral("mese"))), (QStringList{"1", "2"}));
    QCOMPARE(d.annoSelezionato(), 2026);
    QCOMPARE(d.meseSelezionato(), 1);
    QCOMPARE(d.findChild<QLabel*>(QStringLiteral("info"))->text(), QStringLiteral("Conteggio del mese 1/2026"));

    // A missing folder, or none at all, offers nothing.
    for (const QString& vuota : {AmbienteTest::home() + QStringLiteral("/manca"), QString()}) {
        ScegliConteggio nessuno(vuota);
        QCOMPARE(nessuno.annoSelezionato(), 0);
        QCOMPARE(nessuno.meseSelezionato(), 0);
        QCOMPARE(nessuno.findChild<QLabel*>(QStringLiteral("info"))->text(),
                 QStringLiteral("Nessun conteggio disponibile."));
    }
}

// "OK" remembers the choice for the next time; "Annulla" does not.
void TestScegliConteggio::sceltaRicordata_data()
{
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<bool>("accettato");
    QTest::addColumn<QString>("anno");
    QTest::newRow("ok") << "ok" << true << "2026";
    QTest::newRow("cancel") << "annulla" << false << "";
}

void TestScegliConteggio::sceltaRicordata()
{
    QFETCH(QString, pulsante);
    QFETCH(bool, accettato);
    QFETCH(QString, anno);

    file(QStringLiteral("2025.ini"), "[1]\n");
    file(QStringLiteral("2026.ini"), "[7]\n[8]\n");
    {
        ScegliConteggio d(cartella());
        d.findChild<QComboBox*>(QStringLiteral("anno"))->setCurrentIndex(1);
        d.findChild<QComboBox*>(QStringLiteral("mese"))->setCurrentIndex(1);
        quandoAperto([&] { d.findChild<QPushButton*>(pulsante)->click(); });
        QCOMPARE(d.exec() == QDialog::Accepted, accettato);
    }
    QCOMPARE(ultimo().value(QStringLiteral("anno")).toString(), anno);

    ScegliConteggio ancora(cartella());
    QCOMPARE(ancora.annoSelezionato(), accettato ? 2026 : 2025);
    QCOMPARE(ancora.meseSelezionato(), accettato ? 8 : 1);
}

VARDELLO_TEST_MAIN(TestScegliConteggio)
#include "tst_scegliconteggio.moc"
