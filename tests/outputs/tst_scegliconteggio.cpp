#include "ambientetest.h"
#include "scegliconteggio.h"
#include "storicopaghe.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

// The chooser of a saved pay count: years from the folder's files, months
// as the pay history reads the chosen year's file, the last choice
// preselected; a file that did not read cleanly is named with its line.
class TestScegliConteggio : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }
    void elenchi_data();
    void elenchi();
    void sceltaRicordata();

private:
    static QString id() { return QStringLiteral("Rossi_Mario.txt"); }
    static QString cartella() { return StoricoPaghe::cartella(id()); }
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
    QTest::addColumn<QStringList>("mesi");
    QTest::addColumn<int>("anno");
    QTest::addColumn<int>("mese");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("avviso"); // the start of the warning on the year's file; empty: none

    QTest::newRow("first year, months in order") << "" << 0 << QStringList{"1", "2", "10", "12"} << 2024 << 1
                                                 << "Conteggio del mese 1/2024" << "";
    // A damaged year: "[03]" is March again, "[13]" no month; each month is
    // offered once and the damage named with its line.
    QTest::newRow("last choice, damaged year") << "2026" << 3 << QStringList{"1", "3"} << 2026 << 3
                                               << "Conteggio del mese 3/2026" << "2026.ini, riga 5: ";
    QTest::newRow("year without months") << "2025" << 7 << QStringList{} << 2025 << 0
                                         << "Nessun conteggio disponibile." << "";
}

void TestScegliConteggio::elenchi()
{
    QFETCH(QString, ultimoAnno);
    QFETCH(int, ultimoMese);
    QFETCH(QStringList, mesi);
    QFETCH(int, anno);
    QFETCH(int, mese);
    QFETCH(QString, info);
    QFETCH(QString, avviso);

    AmbienteTest::scrivi(cartella() + QStringLiteral("/2024.ini"), "[12]\nnetto=1\n[2]\n[10]\n\n[1]\nnetto=5000\n");
    AmbienteTest::scrivi(cartella() + QStringLiteral("/2026.ini"), "[1]\nnetto=1\n[3]\nnetto=2\n[03]\nnetto=3\n[13]\nnetto=4\n");
    AmbienteTest::scrivi(cartella() + QStringLiteral("/2025.ini"), "# nessun mese\n");
    AmbienteTest::scrivi(cartella() + QStringLiteral("/2027.txt"), "[1]\n");
    if (!ultimoAnno.isEmpty()) {
        QSettings s = ultimo();
        s.setValue(QStringLiteral("anno"), ultimoAnno);
        s.setValue(QStringLiteral("mese"), ultimoMese);
    }

    ScegliConteggio d(id());
    QCOMPARE(voci(d.findChild<QComboBox*>(QStringLiteral("anno"))), (QStringList{"2024", "2025", "2026"}));
    QCOMPARE(voci(d.findChild<QComboBox*>(QStringLiteral("mese"))), mesi);
    QCOMPARE(d.annoSelezionato(), anno);
    QCOMPARE(d.meseSelezionato(), mese);
    QCOMPARE(d.findChild<QLabel*>(QStringLiteral("info"))->text(), info);
    const QString testo = d.findChild<QLabel*>(QStringLiteral("avviso"))->text();
    QVERIFY2(avviso.isEmpty() ? testo.isEmpty()
                              : testo.startsWith(QStringLiteral("Lo storico paghe non si legge correttamente: ")
                                                 + cartella() + QLatin1Char('/') + avviso),
             qPrintable(testo));

    // A missing folder, or none at all, offers nothing.
    for (const QString& vuota : {QStringLiteral("Manca.txt"), QString()}) {
        ScegliConteggio nessuno(vuota);
        QCOMPARE(nessuno.annoSelezionato() + nessuno.meseSelezionato(), 0);
    }
}

// "OK" remembers the choice for the next time; "Annulla" does not.
void TestScegliConteggio::sceltaRicordata()
{
    AmbienteTest::scrivi(cartella() + QStringLiteral("/2025.ini"), "[1]\n");
    AmbienteTest::scrivi(cartella() + QStringLiteral("/2026.ini"), "[7]\n[8]\n");
    for (const char* pulsante : {"annulla", "ok"}) {
        ScegliConteggio d(id());
        QCOMPARE(d.annoSelezionato(), 2025);
        d.findChild<QComboBox*>(QStringLiteral("anno"))->setCurrentIndex(1);
        QCOMPARE(d.meseSelezionato(), 7); // the months follow the year
        d.findChild<QComboBox*>(QStringLiteral("mese"))->setCurrentIndex(1);
        quandoAperto([&] { d.findChild<QPushButton*>(QLatin1String(pulsante))->click(); });
        d.exec();
    }
    ScegliConteggio ancora(id());
    QCOMPARE(ancora.annoSelezionato(), 2026);
    QCOMPARE(ancora.meseSelezionato(), 8);
}

VARDELLO_TEST_MAIN(TestScegliConteggio)
#include "tst_scegliconteggio.moc"
