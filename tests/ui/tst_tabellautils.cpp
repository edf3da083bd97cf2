#include "ambientetest.h"
#include "tabellautils.h"

#include <QHeaderView>
#include <QSettings>
#include <QTableWidget>

#include <memory>

namespace {

const QString chiave = QStringLiteral("ProvaTabella");

// A table whose columns hold texts of the given numbers of characters.
std::unique_ptr<QTableWidget> tabella(const QList<int>& caratteri)
{
    auto t = std::make_unique<QTableWidget>(1, caratteri.size());
    for (int c = 0; c < caratteri.size(); ++c)
        t->setItem(0, c, new QTableWidgetItem(QString(caratteri.at(c), QLatin1Char('x'))));
    return t;
}

QList<int> larghezze(QTableWidget* t)
{
    QList<int> l;
    for (int c = 0; c < t->columnCount(); ++c)
        l << t->columnWidth(c);
    return l;
}

bool salvato()
{
    return QSettings(QStringLiteral("Vardello"), QStringLiteral("ColonneTabelle")).contains(chiave);
}

} // namespace

class TestTabellaUtils : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void primaVolta_data();
    void primaVolta();
    void sopravviveAllaRiapertura();
    void titoloIntero();
};

void TestTabellaUtils::primaVolta_data()
{
    QTest::addColumn<QList<int>>("caratteri");
    QTest::addColumn<QList<int>>("minimi");

    QTest::newRow("fewer minimums than columns") << QList<int>{4, 10, 2} << QList<int>{150};
    QTest::newRow("long content capped") << QList<int>{200, 3, 3} << QList<int>{};
    QTest::newRow("minimum above the cap") << QList<int>{3, 3, 3} << QList<int>{400, 0, 28};
}

void TestTabellaUtils::primaVolta()
{
    QFETCH(QList<int>, caratteri);
    QFETCH(QList<int>, minimi);

    auto misura = tabella(caratteri); // what the contents need
    misura->horizontalHeader()->setMinimumSectionSize(28);
    misura->resizeColumnsToContents();

    auto t = tabella(caratteri);
    TabellaUtils::configuraESalva(t.get(), chiave, minimi);
    QVERIFY(!t->horizontalHeader()->stretchLastSection());
    for (int c = 0; c < t->columnCount(); ++c) {
        QCOMPARE(t->horizontalHeader()->sectionResizeMode(c), QHeaderView::Interactive);
        const int attesa = qMax(misura->columnWidth(c) + 16, c < minimi.size() ? minimi.at(c) : 0);
        QCOMPARE(t->columnWidth(c), qMin(attesa, 260));
    }
    QVERIFY(!salvato()); // fitting alone stores nothing
}

void TestTabellaUtils::sopravviveAllaRiapertura()
{
    QList<int> prima;
    {
        auto t = tabella({4, 10, 2});
        TabellaUtils::configuraESalva(t.get(), chiave, {});
        t->horizontalHeader()->moveSection(2, 0);
        t->horizontalHeader()->resizeSection(0, 77);
        // A refill configures the table again; resizes keep being stored.
        TabellaUtils::configuraESalva(t.get(), chiave, {});
        t->horizontalHeader()->resizeSection(1, 133);
        prima = larghezze(t.get());
        QVERIFY(salvato());
    }

    // Reopened with other contents: widths and order come back, not refitted.
    auto t = tabella({60, 1, 30});
    TabellaUtils::configuraESalva(t.get(), chiave, {200, 200, 200});
    QCOMPARE(larghezze(t.get()), prima);
    QCOMPARE(t->horizontalHeader()->visualIndex(2), 0);
    QCOMPARE(t->horizontalHeader()->sectionResizeMode(1), QHeaderView::Interactive);

    TabellaUtils::configuraESalva(nullptr, chiave, {}); // ignored
}

// Widths stored while the titles were short (another language): a longer
// title widens its column, a column wider than its title keeps its width.
void TestTabellaUtils::titoloIntero()
{
    {
        auto t = tabella({4, 4});
        TabellaUtils::configuraESalva(t.get(), chiave, {});
        t->horizontalHeader()->resizeSection(0, 40);
        t->horizontalHeader()->resizeSection(1, 300);
    }
    auto t = tabella({4, 4});
    t->setHorizontalHeaderLabels({QStringLiteral("Steuerbarer Lohn"), QStringLiteral("QST")});
    TabellaUtils::configuraESalva(t.get(), chiave, {});
    const int titolo = t->horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("Steuerbarer Lohn"));
    QVERIFY2(t->columnWidth(0) > titolo, qPrintable(QString::number(t->columnWidth(0))));
    QCOMPARE(t->columnWidth(1), 300);
}

VARDELLO_TEST_MAIN(TestTabellaUtils)
#include "tst_tabellautils.moc"
