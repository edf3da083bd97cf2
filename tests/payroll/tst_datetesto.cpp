#include "ambientetest.h"
#include "datetesto.h"

class TestDateTesto : public QObject
{
    Q_OBJECT

private slots:
    void comeQDate_data();
    void comeQDate();
    void movimento_data();
    void movimento();
};

void TestDateTesto::comeQDate_data()
{
    QTest::addColumn<QString>("giornoMeseAnno");
    QTest::addColumn<QString>("annoMeseGiorno");

    QTest::newRow("usual") << "15/03/2026" << "2026-03-15";
    QTest::newRow("leap day") << "29/02/2024" << "2024-02-29";
    QTest::newRow("no leap day") << "29/02/2026" << "2026-02-29";
    QTest::newRow("day 31 of a short month") << "31/04/2026" << "2026-04-31";
    QTest::newRow("month 13") << "01/13/2026" << "2026-13-01";
    QTest::newRow("zeros") << "00/00/0000" << "0000-00-00";
    QTest::newRow("one-digit day") << "1/03/2026" << "2026-3-01";
    QTest::newRow("other separators") << "15-03-2026" << "2026/03/15";
    QTest::newRow("blanks around") << " 15/03/2026" << "2026-03-15 ";
    QTest::newRow("letters") << "aa/bb/cccc" << "cccc-bb-aa";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("other form") << "2026-03-15" << "15/03/2026";
}

void TestDateTesto::comeQDate()
{
    QFETCH(QString, giornoMeseAnno);
    QFETCH(QString, annoMeseGiorno);
    QCOMPARE(DateTesto::daGiornoMeseAnno(giornoMeseAnno), QDate::fromString(giornoMeseAnno, QStringLiteral("dd/MM/yyyy")));
    QCOMPARE(DateTesto::daAnnoMeseGiorno(annoMeseGiorno), QDate::fromString(annoMeseGiorno, QStringLiteral("yyyy-MM-dd")));
}

void TestDateTesto::movimento_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QDate>("attesa");
    QTest::newRow("stored form") << "2026-12-15" << QDate(2026, 12, 15);
    QTest::newRow("Swiss slashes") << "15/12/2026" << QDate(2026, 12, 15);
    QTest::newRow("Swiss dots") << "15.12.2026" << QDate(2026, 12, 15);
    QTest::newRow("impossible") << "31/02/2026" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

// A movement dated in the Swiss form still belongs to its month.
void TestDateTesto::movimento()
{
    QFETCH(QString, testo);
    QFETCH(QDate, attesa);
    QCOMPARE(DateTesto::daMovimento(testo), attesa);
}

VARDELLO_TEST_MAIN(TestDateTesto)
#include "tst_datetesto.moc"
