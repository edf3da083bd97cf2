#include "ambientetest.h"
#include "config.h"
#include "dipendente.h"
#include "storicostipendi.h"

#include <QRegularExpression>

class TestStoricoStipendi : public QObject
{
    Q_OBJECT

private:
    static PeriodoStipendio periodo(const QString& inizio, const QString& fine, double salario);
    static QString file(const QString& id) { return StoricoStipendi::percorsoFile(id); }
    static void dipendenteCon(const QString& id, const QVector<PeriodoStipendio>& v);

private slots:
    void init() { AmbienteTest::svuota(); }

    void andataRitorno();
    void lettura_data();
    void lettura();
    void percorso_data();
    void percorso();
    void nuovoAnno();
    void nuovoAnnoNessuno();
    void periodoIniziale();
};

PeriodoStipendio TestStoricoStipendi::periodo(const QString& inizio, const QString& fine, double salario)
{
    PeriodoStipendio p;
    p.dataInizio = inizio;
    p.dataFine = fine;
    p.salarioMensile = salario;
    return p;
}

void TestStoricoStipendi::dipendenteCon(const QString& id, const QVector<PeriodoStipendio>& v)
{
    DatiDipendente d;
    d.nome = id;
    QVERIFY(Dipendente::salva(d, id));
    QVERIFY(StoricoStipendi::salva(id, v));
}

void TestStoricoStipendi::andataRitorno()
{
    PeriodoStipendio p = periodo(QStringLiteral("01/01/2026"), QStringLiteral("31/12/2026"), 5250.555);
    p.note = QStringLiteral("aumento\nperiodo1.salarioMensile=99999");
    p.tipoPaga = 1;
    p.pagaOraria = 31.4;
    p.oreMensili = 160;
    p.mensilita = 13;
    p.dip = {45, QStringLiteral("TI"), QStringLiteral("A0N"), 2, QStringLiteral("coniugato"), QStringLiteral("M")};
    p.par.avsDip = 5.3;
    p.par.massimaleAD = 148200;
    p.par.lppAliquota = 0.305;
    p.par.massimaleLAINF = 148200.55;
    p.par.lppDeduzione = 26460.25;
    p.ris.netto = 4321.1;
    p.ris.imposta = 250;
    MovimentoPeriodo m;
    m.data = QStringLiteral("2026-03-15");
    m.tipo = QStringLiteral("Bonus");
    m.importo = 1000;
    m.soggettoLPP = false;
    m.descrizione = QStringLiteral("Premio\nperiodo9.dataInizio=x");
    p.movimenti = {m, MovimentoPeriodo()};
    const QVector<PeriodoStipendio> v = {p, periodo(QStringLiteral("01/01/2027"), QString(), 5400)};
    QVERIFY(StoricoStipendi::salva(QStringLiteral("Rossi_Mario.txt"), v));

    QVector<PeriodoStipendio> letto;
    QVERIFY(StoricoStipendi::carica(QStringLiteral("Rossi_Mario.txt"), letto));
    QCOMPARE(letto.size(), 2);
    const PeriodoStipendio& a = letto.first();
    QCOMPARE(a.note, QStringLiteral("aumento periodo1.salarioMensile=99999"));
    QCOMPARE(a.salarioMensile, 5250.56);
    QCOMPARE(a.mensilita, 13);
    QCOMPARE(a.dip.tabellaIF, QStringLiteral("A0N"));
    QCOMPARE(a.dip.figli, 2);
    QCOMPARE(a.par.avsDip, 5.3);
    QCOMPARE(a.par.massimaleAD, 148200.0);
    QCOMPARE(a.par.lppAliquota, 0.305);
    QCOMPARE(a.par.massimaleLAINF, 148200.55);
    QCOMPARE(a.par.lppDeduzione, 26460.25);
    QCOMPARE(a.ris.netto, 4321.1);
    QCOMPARE(a.movimenti.size(), 2);
    QVERIFY(!a.movimenti.first().soggettoLPP);
    QVERIFY(a.movimenti.first().soggettoIF);
    QCOMPARE(a.movimenti.first().descrizione, QStringLiteral("Premio periodo9.dataInizio=x"));
    QCOMPARE(letto.last().salarioMensile, 5400.0);

    const QString testo = QString::fromUtf8(AmbienteTest::leggi(file(QStringLiteral("Rossi_Mario.txt"))));
    QVERIFY(testo.contains(QStringLiteral("periodo1.par.massimaleAD=148200\n")));
    QVERIFY(testo.contains(QStringLiteral("periodo1.par.lppAliquota=0.305\n")));
    QVERIFY(testo.contains(QStringLiteral("periodo2.note=\n")));
    QVERIFY(testo.contains(QStringLiteral("periodo1.movimento1.importo=1000.00\n")));
}

void TestStoricoStipendi::lettura_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("periodi");
    QTest::addColumn<int>("movimenti"); // of the first period
    QTest::addColumn<QString>("primoInizio");
    QTest::addColumn<QString>("difetti"); // every "riga N" of the error; empty: read cleanly

    const QByteArray due = "periodo1.dataInizio=01/01/2025\nperiodo1.salarioMensile=5000.00\n"
                           "periodo2.dataInizio=01/01/2026\nperiodo2.salarioMensile=5200.00\n";
    QTest::newRow("numbered 3 and 7")
        << QByteArray("periodo7.dataInizio=01/01/2026\nperiodo3.dataInizio=01/01/2025\n") << 2 << 0 << "01/01/2025"
        << "";
    QTest::newRow("movement with its period")
        << QByteArray("periodo1.movimento2.importo=50\nperiodo1.dataInizio=01/02/2026\n") << 1 << 1 << "01/02/2026"
        << "";
    QTest::newRow("comments, blanks, BOM")
        << QByteArray("\xEF\xBB\xBF# periodo1.dataInizio=01/01/2000\n\n  periodo1.dataInizio  =  01/03/2026  \n") << 1
        << 0 << "01/03/2026" << "";
    // Damage: named by line, no period made of it.
    QTest::newRow("movement without its period") << QByteArray("periodo1.movimento2.importo=50\n") << 0 << 0 << ""
                                                 << "riga 1";
    QTest::newRow("no '='") << due + "periodo1.note\n" << 2 << 0 << "01/01/2025" << "riga 5";
    QTest::newRow("not a period key") << QByteArray("altro.dataInizio=1\nperiodoX=3\n") + due << 2 << 0
                                      << "01/01/2025" << "riga 1 riga 2";
    QTest::newRow("damaged period number") << QByteArray(due).replace("periodo2.salario", "periodo2x.salario") << 2 << 0
                                           << "01/01/2025" << "riga 4";
    QTest::newRow("period number lost") << QByteArray(due).replace("periodo1.salario", "periodo.salario") << 2 << 0
                                        << "01/01/2025" << "riga 2";
    QTest::newRow("period without its start") << QByteArray(due).replace("periodo2.dataInizio", "periodo3.dataInizio")
                                              << 3 << 0 << "01/01/2025" << "riga 4";
    QTest::newRow("repeated key") << due + "periodo1.salarioMensile=9000\n" << 2 << 0 << "01/01/2025"
                                  << "riga 5 riga 2";
    QTest::newRow("junk after a number") << QByteArray(due).replace("5200.00", "5200.00 CHF") << 2 << 0
                                         << "01/01/2025" << "riga 4";
    QTest::newRow("flag true") << due + "periodo1.movimento1.soggettoAVS=true\n" << 2 << 1 << "01/01/2025"
                               << "riga 5";
    QTest::newRow("NUL") << QByteArray(due).replace("periodo2.dataInizio", QByteArray("periodo2.data\0Inizio", 20))
                         << 2 << 0 << "01/01/2025" << "riga 3 riga 4";
}

void TestStoricoStipendi::lettura()
{
    QFETCH(QByteArray, file);
    QFETCH(int, periodi);
    QFETCH(int, movimenti);
    QFETCH(QString, primoInizio);
    QFETCH(QString, difetti);
    const QString id = QStringLiteral("x.txt");
    auto leggi = [&](const QByteArray& byte, QString* errore) {
        AmbienteTest::scrivi(this->file(id), byte);
        QVector<PeriodoStipendio> v;
        [&] { QVERIFY(StoricoStipendi::carica(id, v, errore)); }();
        return v;
    };
    QString errore;
    const QVector<PeriodoStipendio> v = leggi(file, &errore);
    QCOMPARE(v.size(), periodi);
    if (periodi > 0) {
        QCOMPARE(v.first().dataInizio, primoInizio);
        QCOMPARE(v.first().movimenti.size(), movimenti);
        QCOMPARE(v.first().mensilita, 12);
        if (movimenti > 0 && difetti.isEmpty()) {
            const MovimentoPeriodo& m = v.first().movimenti.first();
            QCOMPARE(m.categoriaCertificato, 3);
            QVERIFY(m.soggettoAVS && m.soggettoIF && m.applicaMassimaleLAINF);
            QCOMPARE(m.importo, 50.0);
        }
    }
    const QRegularExpression riga(QStringLiteral("riga \\d+"));
    QStringList righe;
    for (auto it = riga.globalMatch(errore); it.hasNext();)
        righe.append(it.next().captured());
    QCOMPARE(righe.join(QLatin1Char(' ')), difetti);
    if (!difetti.isEmpty()) {
        QVERIFY2(errore.contains(this->file(id)), qPrintable(errore));
        // The store never writes over it, whatever it is given.
        QString motivo;
        QVERIFY(!StoricoStipendi::salva(id, {periodo(QStringLiteral("01/01/2026"), QString(), 100)}, &motivo));
        QVERIFY2(motivo.contains(QLatin1String("riga")), qPrintable(motivo));
        QCOMPARE(AmbienteTest::leggi(this->file(id)), file);
    }
    // The same file with CR LF line ends reads the same.
    QString erroreCrLf;
    QCOMPARE(StoricoStipendi::serializza(leggi(QByteArray(file).replace("\n", "\r\n"), &erroreCrLf)),
             StoricoStipendi::serializza(v));
    QCOMPARE(erroreCrLf, errore);
}

void TestStoricoStipendi::percorso_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("nome");
    QTest::newRow("file name") << "Rossi_Mario.txt" << "Rossi_Mario.txt";
    QTest::newRow("full path") << "/altrove/dipendenti/Rossi_Mario.txt" << "Rossi_Mario.txt";
    QTest::newRow("parent folder cut") << "../../Rossi_Mario.txt" << "Rossi_Mario.txt";
    QTest::newRow("no extension") << "Bianchi" << "Bianchi.txt";
    QTest::newRow("nothing usable") << ".." << "";
}

void TestStoricoStipendi::percorso()
{
    QFETCH(QString, id);
    QFETCH(QString, nome);
    const QString atteso = nome.isEmpty() ? QString() : Config::cartellaDati() + QStringLiteral("/stipendi/") + nome;
    QCOMPARE(StoricoStipendi::percorsoFile(id), atteso);
}

void TestStoricoStipendi::nuovoAnno()
{
    PeriodoStipendio chiuso = periodo(QStringLiteral("01/01/2026"), QStringLiteral("31/12/2026"), 5000);
    chiuso.mensilita = 13;
    dipendenteCon(QStringLiteral("A.txt"), {chiuso});
    dipendenteCon(QStringLiteral("B.txt"), {periodo(QStringLiteral("01/01/2027"), QStringLiteral("31/12/2027"), 6000)});
    dipendenteCon(QStringLiteral("C.txt"), {periodo(QStringLiteral("01/05/2019"), QString(), 4000)});

    QVERIFY(StoricoStipendi::nuovoAnnoPerTutti(2026, 2027));
    QVector<PeriodoStipendio> a, b, c;
    StoricoStipendi::carica(QStringLiteral("A.txt"), a);
    StoricoStipendi::carica(QStringLiteral("B.txt"), b);
    StoricoStipendi::carica(QStringLiteral("C.txt"), c);
    QCOMPARE(a.size(), 2);
    QCOMPARE(a.first().dataFine, QStringLiteral("31/12/2026"));
    QCOMPARE(a.last().dataInizio, QStringLiteral("01/01/2027"));
    QCOMPARE(a.last().dataFine, QStringLiteral("31/12/2027"));
    QCOMPARE(a.last().salarioMensile, 5000.0);
    QCOMPARE(a.last().mensilita, 13);
    QCOMPARE(b.size(), 1);
    QCOMPARE(c.first().dataFine, QStringLiteral("31/12/2026"));
    QCOMPARE(c.size(), 2);

    // A second run finds nothing to do.
    QVERIFY(!StoricoStipendi::nuovoAnnoPerTutti(2026, 2027));
}

void TestStoricoStipendi::nuovoAnnoNessuno()
{
    QVERIFY(!StoricoStipendi::nuovoAnnoPerTutti(2026, 2027));
    DatiDipendente d;
    QVERIFY(Dipendente::salva(d, QStringLiteral("SenzaStorico.txt")));
    QVERIFY(!StoricoStipendi::nuovoAnnoPerTutti(2026, 2027));
}

void TestStoricoStipendi::periodoIniziale()
{
    QVERIFY(StoricoStipendi::creaPeriodoIniziale(QStringLiteral("N.txt"), QStringLiteral("01/07/2026"), 4800, 13));
    QVector<PeriodoStipendio> v;
    QVERIFY(StoricoStipendi::carica(QStringLiteral("N.txt"), v));
    QCOMPARE(v.size(), 1);
    QCOMPARE(v.first().dataFine, QStringLiteral("31/12/2026"));
    QCOMPARE(v.first().mensilita, 13);
    QVERIFY(StoricoStipendi::creaPeriodoIniziale(QStringLiteral("N.txt"), QStringLiteral("01/01/2030"), 1, 12));
    QVERIFY(StoricoStipendi::carica(QStringLiteral("N.txt"), v));
    QCOMPARE(v.size(), 1);
    QCOMPARE(v.first().salarioMensile, 4800.0);
}

VARDELLO_TEST_MAIN(TestStoricoStipendi)
#include "tst_storicostipendi.moc"
