#include "ambientetest.h"
#include "tabellautils.h"

#include <QHeaderView>
#include <QSettings>
#include <QTableWidget>

#include <memory>

namespace {

const QString chiave = QStringLiteral("ProvaTabella");

// A table of three columns whose contents have the given widths in
// characters ("x" repeated).
std::unique_ptr<QTableWidget> tabella(const QList<int>& caratteri)
{
    auto t = std::make_unique<QTableWidget>(2, caratteri.size());
    for (int c = 0; c < caratteri.size(); ++c) {
        t->setHorizontalHeaderItem(c, new QTableWidgetItem(QStringLiteral("C%1").arg(c)));
        for (int r = 0; r < 2; ++r)
            t->setItem(r, c, new QTableWidgetItem(QString(caratteri.at(c) * (r + 1) / 2, QLatin1Char('x'))));
    }
    return t;
}

QList<int> larghezze(QTableWidget* t)
{
    QList<int> l;
    for (int c = 0; c < t->columnCount(); ++c)
        l << t->columnWidth(c);
    return l;
}

QByteArray statoSalvato()
{
    return QSettings(QStringLiteral("Vardello"), QStringLiteral("ColonneTabelle")).value(chiave).toByteArray();
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
    void nuovaConfigurazioneDopoRiempimento();
};

void TestTabellaUtils::primaVolta_data()
{
    QTest::addColumn<QList<int>>("caratteri");
    QTest::addColumn<QList<int>>("minimi");

    QTest::newRow("no minimums") << QList<int>{4, 10, 2} << QList<int>{};
    QTest::newRow("minimum above content") << QList<int>{4, 10, 2} << QList<int>{150, 0, 90};
    QTest::newRow("fewer minimums than columns") << QList<int>{4, 10, 2} << QList<int>{120};
    QTest::newRow("long content capped") << QList<int>{200, 3, 3} << QList<int>{};
    QTest::newRow("minimum above the cap") << QList<int>{3, 3, 3} << QList<int>{400, 261, 28};
}

void TestTabellaUtils::primaVolta()
{
    QFETCH(QList<int>, caratteri);
    QFETCH(QList<int>, minimi);

    // What the contents need, measured on an identical table.
    auto misura = tabella(caratteri);
    misura->horizontalHeader()->setMinimumSectionSize(28);
    misura->resizeColumnsToContents();
    const QList<int> contenuto = larghezze(misura.get());

    auto t = tabella(caratteri);
    TabellaUtils::configuraESalva(t.get(), chiave, minimi);

    QHeaderView* h = t->horizontalHeader();
    QVERIFY(!h->stretchLastSection());
    QCOMPARE(h->minimumSectionSize(), 28);
    for (int c = 0; c < t->columnCount(); ++c) {
        QCOMPARE(h->sectionResizeMode(c), QHeaderView::Interactive);
        int attesa = contenuto.at(c) + 16;
        if (c < minimi.size())
            attesa = qMax(attesa, minimi.at(c));
        QCOMPARE(t->columnWidth(c), qMin(attesa, 260));
    }
    // Fitting stores nothing: a table closed without any resize fits again.
    QVERIFY(statoSalvato().isEmpty());
}

void TestTabellaUtils::sopravviveAllaRiapertura()
{
    QList<int> prima;
    {
        auto t = tabella({4, 10, 2});
        TabellaUtils::configuraESalva(t.get(), chiave, {});
        t->horizontalHeader()->resizeSection(0, 77);
        t->horizontalHeader()->resizeSection(2, 133);
        t->horizontalHeader()->moveSection(2, 0);
        t->horizontalHeader()->resizeSection(1, 55); // moving alone does not store
        prima = larghezze(t.get());
        QVERIFY(!statoSalvato().isEmpty());
    }

    // Reopened with other contents: the user's widths and order come back, not refitted.
    auto t = tabella({60, 1, 30});
    TabellaUtils::configuraESalva(t.get(), chiave, {200, 200, 200});
    QCOMPARE(larghezze(t.get()), prima);
    QCOMPARE(t->horizontalHeader()->visualIndex(2), 0);
    for (int c = 0; c < t->columnCount(); ++c)
        QCOMPARE(t->horizontalHeader()->sectionResizeMode(c), QHeaderView::Interactive);

    // Another key is another table.
    auto altra = tabella({4, 10, 2});
    TabellaUtils::configuraESalva(altra.get(), QStringLiteral("AltraTabella"), {});
    QCOMPARE(altra->horizontalHeader()->visualIndex(2), 2);

    TabellaUtils::configuraESalva(nullptr, chiave, {}); // ignored
}

void TestTabellaUtils::nuovaConfigurazioneDopoRiempimento()
{
    auto t = tabella({4, 10, 2});
    TabellaUtils::configuraESalva(t.get(), chiave, {});
    t->horizontalHeader()->resizeSection(1, 90);

    // A refill configures again: the stored widths stay and resizes keep being stored.
    t->setRowCount(5);
    TabellaUtils::configuraESalva(t.get(), chiave, {});
    QCOMPARE(t->columnWidth(1), 90);
    t->horizontalHeader()->resizeSection(1, 140);
    t.reset();

    auto riaperta = tabella({4, 10, 2});
    TabellaUtils::configuraESalva(riaperta.get(), chiave, {});
    QCOMPARE(riaperta->columnWidth(1), 140);
}

VARDELLO_TEST_MAIN(TestTabellaUtils)
#include "tst_tabellautils.moc"
