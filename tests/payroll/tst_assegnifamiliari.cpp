#include "ambientetest.h"
#include "assegnifamiliari.h"
#include "config.h"

namespace {

// "dd/MM/yyyy[ S][ I]" per child, separated by ";": S in training, I unable
// to earn a living.
QList<Figlio> figli(const QString& elenco)
{
    QList<Figlio> lista;
    const QStringList voci = elenco.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    int n = 0;
    for (const QString& v : voci) {
        const QStringList parti = v.trimmed().split(QLatin1Char(' '));
        Figlio f;
        f.nome = QStringLiteral("Figlio%1").arg(++n);
        f.cognome = QStringLiteral("Rossi");
        f.dataNascita = parti.at(0);
        f.agliStudi = parti.contains(QStringLiteral("S"));
        f.incapacitaGuadagno = parti.contains(QStringLiteral("I"));
        lista.append(f);
    }
    return lista;
}

} // namespace

class TestAssegniFamiliari : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void calcola_data();
    void calcola();
    void dettagli();
    void copiaUtente_data();
    void copiaUtente();
    void generaMovimento();
};

void TestAssegniFamiliari::calcola_data()
{
    QTest::addColumn<QString>("cantone");
    QTest::addColumn<QString>("elenco");
    QTest::addColumn<double>("reddito");
    QTest::addColumn<QDate>("data");
    QTest::addColumn<QString>("totale");
    QTest::addColumn<int>("numFigli");
    QTest::addColumn<int>("numFormazione");
    QTest::addColumn<QString>("messaggio");

    const QDate marzo(2026, 3, 31);
    QTest::newRow("income below 630") << "TI" << "10/05/2020" << 629.95 << marzo << "0.00" << 0 << 0
                                      << "Reddito AVS sotto soglia (630 CHF/mese)";
    QTest::newRow("income 630") << "TI" << "10/05/2020" << 630.0 << marzo << "215.00" << 1 << 0 << "";
    QTest::newRow("no children") << "TI" << "" << 5000.0 << marzo << "0.00" << 0 << 0 << "";

    // Child allowance up to the end of the month of the 16th birthday.
    QTest::newRow("16 on the 1st of the month") << "TI" << "01/03/2010" << 5000.0 << marzo << "215.00" << 1 << 0 << "";
    QTest::newRow("16 on the last day") << "TI" << "31/03/2010" << 5000.0 << marzo << "215.00" << 1 << 0 << "";
    QTest::newRow("16 in the month before") << "TI" << "28/02/2010" << 5000.0 << marzo << "0.00" << 0 << 0 << "";
    QTest::newRow("16 on 29 Feb, paid in Feb") << "TI" << "29/02/2008" << 5000.0 << QDate(2024, 2, 29) << "215.00" << 1 << 0 << "";
    QTest::newRow("16 on 29 Feb, none in March") << "TI" << "29/02/2008" << 5000.0 << QDate(2024, 3, 31) << "0.00" << 0 << 0 << "";
    QTest::newRow("unable to work, 19") << "TI" << "01/01/2007 I" << 5000.0 << marzo << "215.00" << 1 << 0 << "";
    QTest::newRow("unable to work, 20 in the month") << "TI" << "15/03/2006 I" << 5000.0 << marzo << "215.00" << 1 << 0 << "";
    QTest::newRow("unable to work, 20 before") << "TI" << "15/02/2006 I" << 5000.0 << marzo << "0.00" << 0 << 0 << "";
    QTest::newRow("unable to work, 20, training") << "TI" << "15/02/2006 I S" << 5000.0 << marzo << "268.00" << 0 << 1 << "";

    // Training allowance from 15 up to the end of the month of the 25th birthday.
    QTest::newRow("14 in training: child allowance") << "TI" << "01/04/2011 S" << 5000.0 << marzo << "215.00" << 1 << 0 << "";
    QTest::newRow("15 in the month, training") << "TI" << "31/03/2011 S" << 5000.0 << marzo << "268.00" << 0 << 1 << "";
    QTest::newRow("ZH 15 in training") << "ZH" << "01/01/2011 S" << 5000.0 << marzo << "268.00" << 0 << 1 << "";
    QTest::newRow("ZH 13, over 12") << "ZH" << "01/01/2013" << 5000.0 << marzo << "268.00" << 1 << 0 << "";
    QTest::newRow("ZH 11") << "ZH" << "01/04/2014" << 5000.0 << marzo << "215.00" << 1 << 0 << "";
    QTest::newRow("ZH 12 on the day: the amount from 12") << "ZH" << "31/03/2014" << 5000.0 << marzo << "268.00" << 1 << 0 << "";
    QTest::newRow("25 in the month, training") << "TI" << "20/03/2001 S" << 5000.0 << marzo << "268.00" << 0 << 1 << "";
    QTest::newRow("25 before the month") << "TI" << "20/02/2001 S" << 5000.0 << marzo << "0.00" << 0 << 0 << "";
    QTest::newRow("18 not in training") << "TI" << "01/01/2008" << 5000.0 << marzo << "0.00" << 0 << 0 << "";

    // Zug: training allowance split by age.
    QTest::newRow("ZG 17 in training") << "ZG" << "01/01/2009 S" << 5000.0 << marzo << "330.00" << 0 << 1 << "";
    QTest::newRow("ZG 18 on the day, training: from 18") << "ZG" << "31/03/2008 S" << 5000.0 << marzo << "385.00" << 0 << 1 << "";
    QTest::newRow("ZG 19 in training") << "ZG" << "01/01/2007 S" << 5000.0 << marzo << "385.00" << 0 << 1 << "";
    QTest::newRow("ZG 10") << "ZG" << "01/01/2016" << 5000.0 << marzo << "330.00" << 1 << 0 << "";

    // Third-child amounts from the third child on (eldest first), whatever the list order.
    QTest::newRow("VD three children") << "VD" << "01/01/2021;01/01/2016;01/01/2018" << 5000.0 << marzo
                                       << "1009.00" << 3 << 0 << "";
    QTest::newRow("VD eldest in training") << "VD" << "01/01/2016;01/01/2021;01/01/2006 S" << 5000.0 << marzo
                                           << "1112.00" << 2 << 1 << "";
    QTest::newRow("VD fourth child in training") << "VD" << "01/01/2006 S;01/01/2008 S;01/01/2014;01/01/2011 S"
                                                 << 5000.0 << marzo << "1683.00" << 1 << 3 << "";
    // Children of 31, 10 and 8: only the two youngest give a right to an
    // allowance, so neither is a third child: 322 + 322.
    QTest::newRow("VD adult eldest does not rank") << "VD" << "01/01/1995;01/01/2016;01/01/2018" << 5000.0 << marzo
                                                   << "644.00" << 2 << 0 << "";
    // 25 past, 20 in training, 16 before the month, 10, 8: the 10-year-old is
    // the second entitled child, the 8-year-old the third: 425 + 322 + 365.
    QTest::newRow("VD rank among the entitled only")
        << "VD" << "01/01/2001 S;01/01/2006 S;01/02/2010;01/01/2016;01/01/2018" << 5000.0 << marzo << "1112.00" << 2 << 1
        << "";
    QTest::newRow("ZH three children: no third-child amount") << "ZH" << "01/01/2020;01/01/2018;01/01/2011 S" << 5000.0
                                                              << marzo << "698.00" << 2 << 1 << "";

    // Bad input.
    QTest::newRow("invalid and future birth dates") << "TI" << "31/02/2020;01/04/2026;xx;01/01/2020" << 5000.0 << marzo
                                                    << "215.00" << 1 << 0 << "";
    QTest::newRow("canton in lower case") << "ti" << "01/01/2020" << 5000.0 << marzo << "215.00" << 1 << 0 << "";
    QTest::newRow("canton with a blank") << "TI " << "01/01/2020" << 5000.0 << marzo << "0.00" << 0 << 0
                                         << "Cantone TI  non presente in assegni_familiari.ini";
    QTest::newRow("unknown canton") << "XX" << "01/01/2020" << 5000.0 << marzo << "0.00" << 0 << 0
                                    << "Cantone XX non presente in assegni_familiari.ini";
    QTest::newRow("empty canton") << "" << "01/01/2020" << 5000.0 << marzo << "0.00" << 0 << 0
                                  << "Cantone  non presente in assegni_familiari.ini";
    QTest::newRow("threshold group is no canton") << "soglia" << "01/01/2020" << 5000.0 << marzo << "0.00" << 0 << 0
                                                  << "Cantone SOGLIA non presente in assegni_familiari.ini";
}

void TestAssegniFamiliari::calcola()
{
    QFETCH(QString, cantone);
    QFETCH(QString, elenco);
    QFETCH(double, reddito);
    QFETCH(QDate, data);
    QFETCH(QString, totale);
    QFETCH(int, numFigli);
    QFETCH(int, numFormazione);
    QFETCH(QString, messaggio);

    const AssegniFamiliari::Risultato r = AssegniFamiliari::calcola(cantone, figli(elenco), reddito, data);
    QCOMPARE(r.messaggio, messaggio);
    QCOMPARE(QString::number(r.totale, 'f', 2), totale);
    QCOMPARE(r.numFigli, numFigli);
    QCOMPARE(r.numFormazione, numFormazione);
    QCOMPARE(r.dettagli.size(), numFigli + numFormazione);
}

void TestAssegniFamiliari::dettagli()
{
    QList<Figlio> lista = figli(QStringLiteral("01/01/2021;01/01/2006 S;xx;01/01/2016"));
    lista[0].nome = QStringLiteral(" Lia");
    lista[0].cognome = QString();
    const AssegniFamiliari::Risultato r = AssegniFamiliari::calcola(QStringLiteral("GE"), lista, 5000, QDate(2026, 6, 30));
    QCOMPARE(r.dettagli.size(), 3);
    // In list order; the youngest is the third child.
    QCOMPARE(r.dettagli.at(0).nome, QStringLiteral("Lia"));
    QCOMPARE(r.dettagli.at(0).tipo, QStringLiteral("figli"));
    QCOMPARE(r.dettagli.at(0).importo, 411.0);
    QCOMPARE(r.dettagli.at(0).eta, 5);
    QCOMPARE(r.dettagli.at(1).nome, QStringLiteral("Rossi Figlio2"));
    QCOMPARE(r.dettagli.at(1).tipo, QStringLiteral("formazione"));
    QCOMPARE(r.dettagli.at(1).dataNascita, QStringLiteral("01/01/2006"));
    QCOMPARE(r.dettagli.at(1).importo, 415.0);
    QCOMPARE(r.dettagli.at(1).eta, 20);
    QCOMPARE(r.dettagli.at(2).importo, 311.0);
    QCOMPARE(r.totale, 1137.0);
}

void TestAssegniFamiliari::copiaUtente_data()
{
    QTest::addColumn<QByteArray>("tabella");
    QTest::addColumn<QString>("cantone");
    QTest::addColumn<QString>("totale");
    QTest::addColumn<QString>("messaggio");

    QTest::newRow("user copy wins") << QByteArray("[TI]\nfigli=300\n") << "TI" << "600.00" << "";
    QTest::newRow("user copy without the canton") << QByteArray("[ZH]\nfigli=300\n") << "TI" << "0.00"
                                                  << "Cantone TI non presente in assegni_familiari.ini";
    QTest::newRow("only figliOver12") << QByteArray("[TI]\nfigliOver12=250\n") << "TI" << "0.00" << "";
    // Damage is reported by file and line ("%F": the user copy).
    QTest::newRow("text in amounts") << QByteArray("[TI]\nfigli=molto\nformazione=x\n") << "TI" << "0.00"
                                     << "%F, riga 2: valore non valido per figli: \"molto\"\n"
                                        "%F, riga 3: valore non valido per formazione: \"x\"";
    QTest::newRow("amount not finite") << QByteArray("[TI]\nfigli=200\nformazione=inf\n") << "TI" << "0.00"
                                       << "%F, riga 3: valore non valido per formazione: \"inf\"";
    QTest::newRow("junk after a number") << QByteArray("[TI]\nfigli=200 CHF\n") << "TI" << "0.00"
                                         << "%F, riga 2: valore non valido per figli: \"200 CHF\"";
    QTest::newRow("amount left empty") << QByteArray("[TI]\nfigli=200\nformazione=\n") << "TI" << "0.00"
                                       << "%F, riga 3: valore non valido per formazione: \"\"";
    QTest::newRow("table above 1 MB, never cut")
        << QByteArray("[TI]\nfigli=300\n") + QByteArray(1024 * 1024, '#') << "TI" << "0.00"
        << "Il file %F supera 1024 KB e non viene letto.";
    QTest::newRow("NUL in a comment") << QByteArray("# nota\0\n[TI]\nfigli=200\n", 22) << "TI" << "0.00"
                                      << "%F, riga 1: carattere NUL";
    QTest::newRow("not an INI file") << QByteArray("\x01\x02 garbage \xff\n=\n[") << "TI" << "0.00"
                                     << "%F, riga 1: riga che non è né un gruppo né chiave=valore\n"
                                        "%F, riga 2: chiave senza nome\n"
                                        "%F, riga 3: intestazione di gruppo senza \"]\"";
    // A canton or an amount given twice: which one holds is unknown.
    QTest::newRow("canton given twice") << QByteArray("[TI]\nfigli=200\n[ZH]\nfigli=215\n[TI]\nfigli=300\n") << "TI"
                                        << "0.00" << "%F, riga 5: gruppo ripetuto: [TI], già alla riga 1";
    QTest::newRow("amount given twice") << QByteArray("[TI]\nfigli=200\nformazione=250\nfigli=300\n") << "TI"
                                        << "0.00" << "%F, riga 4: chiave ripetuta: figli, già alla riga 2";
    QTest::newRow("third-child amount without training counterpart")
        << QByteArray("[XY]\nfigli=100\nfigli3plus=150\nformazione=200\n") << "XY" << "450.00" << "";
}

void TestAssegniFamiliari::copiaUtente()
{
    QFETCH(QByteArray, tabella);
    QFETCH(QString, cantone);
    QFETCH(QString, totale);
    QFETCH(QString, messaggio);

    AmbienteTest::scrivi(Config::cartellaDatiPredefinita() + QStringLiteral("/assegni_familiari.ini"), tabella);
    // Children 5 and 10 (child allowance) and 20 in training; the youngest is third.
    const AssegniFamiliari::Risultato r = AssegniFamiliari::calcola(
        cantone, figli(QStringLiteral("01/01/2021;01/01/2016;01/01/2006 S")), 5000, QDate(2026, 3, 31));
    const QString file = Config::cartellaDatiPredefinita() + QStringLiteral("/assegni_familiari.ini");
    QCOMPARE(r.messaggio, QString(messaggio).replace(QStringLiteral("%F"), file));
    QCOMPARE(QString::number(r.totale, 'f', 2), totale);
    QCOMPARE(r.errore.isEmpty(), !messaggio.startsWith(QLatin1String("%F")) && !messaggio.contains(QLatin1String("KB")));
}

void TestAssegniFamiliari::generaMovimento()
{
    const QDate data(2026, 3, 31);
    const MovimentoStipendio vuoto = AssegniFamiliari::generaMovimento(AssegniFamiliari::Risultato(), data);
    QVERIFY(vuoto.data.isEmpty() && vuoto.tipo.isEmpty() && vuoto.descrizione.isEmpty());
    QCOMPARE(vuoto.importo, 0.0);
    QCOMPARE(vuoto.categoriaCertificato, 3);
    QVERIFY(vuoto.soggettoAVS && vuoto.soggettoLPP && vuoto.soggettoIF);

    const AssegniFamiliari::Risultato r =
        AssegniFamiliari::calcola(QStringLiteral("TI"), figli(QStringLiteral("01/01/2020;01/01/2008 S")), 5000, data);
    const MovimentoStipendio m = AssegniFamiliari::generaMovimento(r, data);
    QCOMPARE(m.data, QStringLiteral("2026-03-31"));
    QCOMPARE(m.tipo, QStringLiteral("Assegno familiare"));
    QCOMPARE(m.importo, 483.0);
    QCOMPARE(m.descrizione, QStringLiteral("1 figli assegno, 1 figli formazione"));
    QCOMPARE(m.categoriaCertificato, 15);
    QVERIFY(m.soggettoIF);
    QVERIFY(!m.soggettoAVS && !m.soggettoAD && !m.soggettoCAF && !m.soggettoLAINF && !m.soggettoLPP);
}

VARDELLO_TEST_MAIN(TestAssegniFamiliari)
#include "tst_assegnifamiliari.moc"
