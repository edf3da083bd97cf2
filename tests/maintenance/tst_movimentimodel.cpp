#include "ambientetest.h"
#include "movimentimodel.h"
#include "orologio.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTranslator>

namespace {

MovimentoStipendio movimento(const QString& data, const QString& tipo, double importo)
{
    MovimentoStipendio m;
    m.data = data;
    m.tipo = tipo;
    m.importo = importo;
    m.descrizione = QStringLiteral("nota ") + tipo;
    return m;
}

// Category and the eight flags of a movement, as "cat:AVS AD maxAD CAF LAINF maxLAINF LPP IF".
QString impronta(const MovimentoStipendio& m)
{
    QString f;
    for (bool b : {m.soggettoAVS, m.soggettoAD, m.applicaMassimaleAD, m.soggettoCAF, m.soggettoLAINF,
                   m.applicaMassimaleLAINF, m.soggettoLPP, m.soggettoIF})
        f += b ? QLatin1Char('1') : QLatin1Char('0');
    return QString::number(m.categoriaCertificato) + QLatin1Char(':') + f;
}

} // namespace

class TestMovimentiModel : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        AmbienteTest::svuota();
        Orologio::imposta(QDateTime(QDate(2026, 3, 8), QTime(10, 0)));
    }

    void tester();
    void vuotoEIntestazioni();
    void modifica_data();
    void modifica();
    void tipoApplicaPreset_data();
    void tipoApplicaPreset();
    void nuovaRiga_data();
    void nuovaRiga();
    void eliminaFuoriIntervallo_data();
    void eliminaFuoriIntervallo();
};

// The toolkit's checker watches every change the window can make.
void TestMovimentiModel::tester()
{
    MovimentiModel m;
    QAbstractItemModelTester controllo(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.setLista({movimento(QStringLiteral("2026-01-31"), QStringLiteral("Gratifica"), 500),
                movimento(QStringLiteral("2026-02-28"), QStringLiteral("Rimborso spese"), 80.5)});
    m.aggiungiRiga();
    QVERIFY(m.setData(m.index(2, MovimentiModel::ColTipo), QStringLiteral("Formazione")));
    QVERIFY(m.setData(m.index(0, MovimentiModel::ColImporto), QStringLiteral("1'250.50")));
    QVERIFY(m.setData(m.index(1, MovimentiModel::ColLPP), true));
    QVERIFY(!m.setData(m.index(1, MovimentiModel::NumeroColonne), QStringLiteral("x")));
    QVERIFY(!m.setData(m.index(1, MovimentiModel::ColData), QStringLiteral("x"), Qt::DisplayRole));
    m.eliminaRiga(0);
    m.eliminaRiga(5);
    m.setLista(m.lista());
    m.setLista({});
    QCOMPARE(m.rowCount(), 0);
}

void TestMovimentiModel::vuotoEIntestazioni()
{
    MovimentiModel m;
    QCOMPARE(m.rowCount(), 0);
    QCOMPARE(m.headerData(MovimentiModel::ColDescrizione, Qt::Horizontal).toString(), QStringLiteral("Descrizione"));
    m.setLista({movimento(QStringLiteral("2026-01-31"), QStringLiteral("Gratifica"), 1250)});
    QCOMPARE(m.headerData(0, Qt::Vertical).toInt(), 1); // rows numbered from 1
    // Flags are check marks: no "true" shown, ticked and cleared by the user.
    const QModelIndex avs = m.index(0, MovimentiModel::ColAVS);
    QVERIFY(!m.data(avs).isValid());
    QCOMPARE(m.data(avs, Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QVERIFY(m.flags(avs) & Qt::ItemIsUserCheckable);
    QVERIFY(m.setData(avs, Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(!m.lista().first().soggettoAVS);
    QVERIFY(!m.setData(m.index(0, MovimentiModel::ColImporto), Qt::Checked, Qt::CheckStateRole));
}

void TestMovimentiModel::modifica_data()
{
    QTest::addColumn<int>("colonna");
    QTest::addColumn<QVariant>("valore");
    QTest::addColumn<bool>("accettato");
    QTest::addColumn<QString>("mostrato");

    // Amounts: plain, Swiss forms and numbers are taken; other texts are refused.
    QTest::newRow("importo punto") << int(MovimentiModel::ColImporto) << QVariant(QStringLiteral("12.5")) << true << "12.50";
    QTest::newRow("importo virgola") << int(MovimentiModel::ColImporto) << QVariant(QStringLiteral("12,50")) << true << "12.50";
    QTest::newRow("importo apostrofi") << int(MovimentiModel::ColImporto) << QVariant(QStringLiteral("1'250.50")) << true << "1250.50";
    QTest::newRow("importo numero") << int(MovimentiModel::ColImporto) << QVariant(-80.5) << true << "-80.50";
    QTest::newRow("importo testo") << int(MovimentiModel::ColImporto) << QVariant(QStringLiteral("dodici")) << false << "100.00";
    QTest::newRow("importo tedesco") << int(MovimentiModel::ColImporto) << QVariant(QStringLiteral("1.250,50")) << false << "100.00";
    // The widest amount a movement holds, and not a centime more.
    QTest::newRow("importo massimo") << int(MovimentiModel::ColImporto) << QVariant(QStringLiteral("1'000'000'000")) << true << "1000000000.00";
    QTest::newRow("oltre il massimo numero") << int(MovimentiModel::ColImporto) << QVariant(-1.25e9) << false << "100.00";
    QTest::newRow("importo non finito") << int(MovimentiModel::ColImporto) << QVariant(qQNaN()) << false << "100.00";
    QTest::newRow("categoria") << int(MovimentiModel::ColCategoria) << QVariant(QStringLiteral("131")) << true << "131";
    QTest::newRow("categoria testo") << int(MovimentiModel::ColCategoria) << QVariant(QStringLiteral("x")) << true << "0";
    QTest::newRow("data come scritta") << int(MovimentiModel::ColData) << QVariant(QStringLiteral("08.03.2026")) << true << "08.03.2026";
    QTest::newRow("descrizione") << int(MovimentiModel::ColDescrizione) << QVariant(QStringLiteral("a, b")) << true << "a, b";
}

void TestMovimentiModel::modifica()
{
    QFETCH(int, colonna);
    QFETCH(QVariant, valore);
    QFETCH(bool, accettato);
    QFETCH(QString, mostrato);

    MovimentiModel m;
    m.setLista({movimento(QStringLiteral("2026-03-01"), QStringLiteral("Gratifica"), 100)});
    QSignalSpy cambi(&m, &QAbstractItemModel::dataChanged);
    const QModelIndex cella = m.index(0, colonna);
    QCOMPARE(m.setData(cella, valore), accettato);
    QCOMPARE(m.data(cella).toString(), mostrato);
    QCOMPARE(m.data(cella, Qt::EditRole).toString(), mostrato);
    if (!accettato) {
        QCOMPARE(cambi.count(), 0);
        return;
    }
    // Only the edited cell is announced.
    QCOMPARE(cambi.count(), 1);
    QCOMPARE(cambi.at(0).at(0).toModelIndex(), cella);
    QCOMPARE(cambi.at(0).at(1).toModelIndex(), cella);
}

void TestMovimentiModel::tipoApplicaPreset_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("atteso");

    QTest::newRow("rimborso") << "Rimborso spese" << "131:00000001";
    QTest::newRow("RIMBORSO") << "RIMBORSO km" << "131:00000001";
    QTest::newRow("bonus") << "Bonus annuale" << "3:11111111";
    QTest::newRow("tredicesima") << "13a mensilita" << "1:11111111";
    // No keyword: what the row had (set by hand below) stays.
    QTest::newRow("altro") << "Altro" << "7:01010101";
    // The same kind again still overwrites flags changed by hand.
    QTest::newRow("stesso tipo") << "Gratifica" << "3:11111111";
}

void TestMovimentiModel::tipoApplicaPreset()
{
    QFETCH(QString, tipo);
    QFETCH(QString, atteso);

    MovimentiModel m;
    m.setLista({movimento(QStringLiteral("2026-03-01"), QStringLiteral("Gratifica"), 100),
                movimento(QStringLiteral("2026-03-02"), QStringLiteral("Gratifica"), 200)});
    QVERIFY(m.setData(m.index(1, MovimentiModel::ColCategoria), 7));
    MovimentoStipendio aMano = m.lista().at(1);
    aMano.soggettoAVS = false;
    aMano.applicaMassimaleAD = false;
    aMano.soggettoLAINF = false;
    aMano.soggettoLPP = false;
    QList<MovimentoStipendio> lista = m.lista();
    lista[1] = aMano;
    m.setLista(lista);

    QSignalSpy cambi(&m, &QAbstractItemModel::dataChanged);
    QVERIFY(m.setData(m.index(1, MovimentiModel::ColTipo), tipo));
    QCOMPARE(m.lista().at(1).tipo, tipo);
    QCOMPARE(impronta(m.lista().at(1)), atteso);
    QCOMPARE(impronta(m.lista().at(0)), QStringLiteral("3:11111111"));
    QCOMPARE(m.data(m.index(1, MovimentiModel::ColCategoria)).toString(), atteso.section(QLatin1Char(':'), 0, 0));

    // The whole row is announced, so the view redraws the category and flags.
    QCOMPARE(cambi.count(), 1);
    QCOMPARE(cambi.at(0).at(0).toModelIndex(), m.index(1, 0));
    QCOMPARE(cambi.at(0).at(1).toModelIndex(), m.index(1, MovimentiModel::NumeroColonne - 1));
}

void TestMovimentiModel::nuovaRiga_data()
{
    QTest::addColumn<QString>("lingua");
    QTest::addColumn<QString>("tipo");
    QTest::newRow("it") << "it" << "Gratifica";
    QTest::newRow("de") << "de" << "Gratifikation";
    QTest::newRow("fr") << "fr" << "Gratification";
    QTest::newRow("en") << "en" << "Bonus";
    QTest::newRow("es") << "es" << QStringLiteral("Gratificación");
}

// A new row is a bonus, its kind in the user's language.
void TestMovimentiModel::nuovaRiga()
{
    QFETCH(QString, lingua);
    QFETCH(QString, tipo);
    QTranslator traduzione;
    if (lingua != QLatin1String("it")) {
        QVERIFY(traduzione.load(QStringLiteral(VARDELLO_TRADUZIONI "/vardello_") + lingua + QStringLiteral(".qm")));
        QCoreApplication::installTranslator(&traduzione);
    }
    MovimentiModel m;
    m.setLista({movimento(QStringLiteral("2026-01-31"), QStringLiteral("Rimborso"), 10)});
    QSignalSpy inserite(&m, &QAbstractItemModel::rowsInserted);
    m.aggiungiRiga();
    QCOMPARE(inserite.count(), 1);
    QCOMPARE(inserite.at(0).at(1).toInt(), 1);
    QCOMPARE(m.rowCount(), 2);
    QStringList celle;
    for (int c = 0; c < m.columnCount(); ++c)
        celle << m.data(m.index(1, c)).toString();
    QCOMPARE(celle.join(QLatin1Char('|')), QStringLiteral("2026-03-08|%1|0.00|3|||||||").arg(tipo));
    QCOMPARE(impronta(m.lista().at(1)), QStringLiteral("3:11111111"));
}

void TestMovimentiModel::eliminaFuoriIntervallo_data()
{
    QTest::addColumn<int>("riga");
    QTest::addColumn<int>("restano");
    QTest::newRow("-1") << -1 << 2;
    QTest::newRow("rowCount") << 2 << 2;
    QTest::newRow("prima") << 0 << 1;
}

void TestMovimentiModel::eliminaFuoriIntervallo()
{
    QFETCH(int, riga);
    QFETCH(int, restano);
    MovimentiModel m;
    m.setLista({movimento(QStringLiteral("2026-01-31"), QStringLiteral("A"), 1),
                movimento(QStringLiteral("2026-02-28"), QStringLiteral("B"), 2)});
    QSignalSpy tolte(&m, &QAbstractItemModel::rowsRemoved);
    m.eliminaRiga(riga);
    QCOMPARE(m.rowCount(), restano);
    QCOMPARE(tolte.count(), 2 - restano);
    QCOMPARE(m.lista().last().tipo, QStringLiteral("B"));
}

VARDELLO_TEST_MAIN(TestMovimentiModel)
#include "tst_movimentimodel.moc"
