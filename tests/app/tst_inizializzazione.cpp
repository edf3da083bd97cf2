#include "ambientetest.h"
#include "config.h"
#include "dipendente.h"
#include "inizializzazione.h"
#include "orologio.h"

#include <QDir>
#include <QDirIterator>
#include <QSettings>

namespace {

QString base()
{
    return AmbienteTest::home() + QStringLiteral("/.vardello_dati");
}

// Every file below the home with its content.
QMap<QString, QByteArray> istantanea()
{
    QMap<QString, QByteArray> file;
    QDirIterator it(AmbienteTest::home(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        file.insert(p, AmbienteTest::leggi(p));
    }
    return file;
}

// Amounts compared to the centime.
QString cent(double v)
{
    return QString::number(v, 'f', 2);
}

QString corrente()
{
    return QSettings(QStringLiteral("Vardello"), QStringLiteral("AziendaCorrente"))
        .value(QStringLiteral("nomeFile"))
        .toString();
}

} // namespace

class TestInizializzazione : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        AmbienteTest::svuota();
        Orologio::imposta(QDateTime(QDate(2026, 1, 5), QTime(8, 30, 0)));
    }

    void primoAvvio();
    void secondoAvvio();
    void aziendaCorrenteGiaScelta();
    void cartellaDatiAltrove();
    void dipendenti_data();
    void dipendenti();
    void figli();
};

void TestInizializzazione::primoAvvio()
{
    Inizializzazione::esegui();
    const QStringList sottocartelle = {"aziende", "paghe", "ferie", "banche", "backup", "certificati", "stipendi"};
    for (const QString& sotto : sottocartelle)
        QVERIFY2(QFileInfo(base() + QLatin1Char('/') + sotto).isDir(), qPrintable(sotto));

    QCOMPARE(AmbienteTest::leggi(base() + QStringLiteral("/.inizializzato")),
             QByteArray("Inizializzato il 2026-01-05T08:30:00\n"));
    QCOMPARE(corrente(), Inizializzazione::fileAziendaDimostrativa());

    const DatiAzienda a = Azienda::carica(Inizializzazione::fileAziendaDimostrativa());
    QVERIFY(a.ragioneSociale.endsWith(QLatin1String("SA")));
    QCOMPARE(QString(a.ragioneSociale).replace(QLatin1Char(' '), QLatin1Char('_')) + QStringLiteral(".txt"),
             Inizializzazione::fileAziendaDimostrativa());
    QCOMPARE(a.indirizzo, QStringLiteral("Via Cantonale 10"));
    QCOMPARE(a.cap + a.localita + a.cantone + a.nazione, QStringLiteral("6900LuganoTICH"));
    QCOMPARE(a.campi.value(QStringLiteral("partitaIva")), QStringLiteral("CHE-123.456.789 IVA"));
    QCOMPARE(cent(a.lainfIPperMille), cent(6.5));
    QCOMPARE(cent(a.lainfINPuomoPerMille), cent(11.2));
    QCOMPARE(cent(a.lainfINPdonnaPerMille), cent(9.4));
    QCOMPARE(cent(a.lainfMassimale), cent(148200));
    QVERIFY(a.tredicesimaAutomatica);

    const QString cartella = base() + QStringLiteral("/aziende/Alpina_Esempio_SA/dipendenti");
    QCOMPARE(Config::cartellaDipendenti(), cartella);
    QCOMPARE(Dipendente::elencoDipendenti(false).size(), 7);
}

void TestInizializzazione::secondoAvvio()
{
    Inizializzazione::esegui();
    QDir(base() + QStringLiteral("/certificati")).removeRecursively();
    const auto prima = istantanea();
    Orologio::imposta(QDateTime(QDate(2026, 2, 1), QTime(9, 0, 0)));
    Inizializzazione::esegui();
    QCOMPARE(istantanea(), prima); // nothing written
    QVERIFY(QFileInfo(base() + QStringLiteral("/certificati")).isDir()); // missing folders made again

    // Without the marker the demonstration data come again.
    QFile::remove(base() + QStringLiteral("/.inizializzato"));
    QFile::remove(Config::cartellaDati() + QLatin1Char('/') + Inizializzazione::fileAziendaDimostrativa());
    Inizializzazione::esegui();
    QVERIFY(QFileInfo::exists(Config::cartellaDati() + QLatin1Char('/') + Inizializzazione::fileAziendaDimostrativa()));
    QVERIFY(AmbienteTest::leggi(base() + QStringLiteral("/.inizializzato")).startsWith("Inizializzato il 2026-02-01"));
}

void TestInizializzazione::aziendaCorrenteGiaScelta()
{
    Config::setAziendaCorrente(QStringLiteral("Altra_SA.txt"));
    Inizializzazione::esegui();
    QCOMPARE(corrente(), QStringLiteral("Altra_SA.txt"));
    QCOMPARE(QDir(base() + QStringLiteral("/aziende/Altra_SA/dipendenti")).entryList(QDir::Files).size(), 7);
    QVERIFY(QFileInfo::exists(base() + QLatin1Char('/') + Inizializzazione::fileAziendaDimostrativa()));
}

void TestInizializzazione::cartellaDatiAltrove()
{
    const QString altrove = AmbienteTest::home() + QStringLiteral("/altrove");
    QVERIFY(Config::setCartellaDati(altrove));
    Inizializzazione::esegui();
    QVERIFY(QFileInfo::exists(altrove + QLatin1Char('/') + Inizializzazione::fileAziendaDimostrativa()));
    QVERIFY(!QFileInfo::exists(base() + QLatin1Char('/') + Inizializzazione::fileAziendaDimostrativa()));
    QVERIFY(QFileInfo::exists(base() + QStringLiteral("/.inizializzato")));
    QVERIFY(QFileInfo(base() + QStringLiteral("/stipendi")).isDir());
    QVERIFY(!QFileInfo::exists(altrove + QStringLiteral("/.inizializzato")));
}

void TestInizializzazione::dipendenti_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("sesso");
    QTest::addColumn<QString>("nascita");
    QTest::addColumn<QString>("statoCivile");
    QTest::addColumn<QString>("dal");
    QTest::addColumn<QString>("nazionalita");
    QTest::addColumn<QString>("permesso");
    QTest::addColumn<QString>("avsPrimeDodici");
    QTest::addColumn<double>("salario");
    QTest::addColumn<int>("mensilita");
    QTest::addColumn<QString>("tariffa"); // empty: none
    QTest::addColumn<int>("figli");

    QTest::newRow("1") << 0 << "M" << "14/04/1988" << "celibe" << "" << "CH" << "" << "756.1111.2222.3" << 6200.0
                       << 1 << "" << 0;
    QTest::newRow("2") << 1 << "F" << "22/09/1982" << "coniugato" << "" << "CH" << "" << "756.2222.3333.4" << 5400.0
                       << 1 << "" << 2;
    QTest::newRow("3 B2") << 2 << "M" << "05/03/1985" << "coniugato" << "" << "PT" << "B" << "756.3333.4444.5"
                          << 5800.0 << 1 << "B2" << 2;
    QTest::newRow("4") << 3 << "M" << "30/07/1979" << "divorziato" << "10/02/2021" << "DE" << "C" << "756.4444.5555.6"
                       << 7100.0 << 0 << "" << 1;
    QTest::newRow("5 A0") << 4 << "F" << "11/12/1991" << "celibe" << "" << "IT" << "G" << "756.5555.6666.7" << 4900.0
                          << 1 << "A0" << 0;
    QTest::newRow("6") << 5 << "M" << "08/01/1968" << "vedovo" << "04/09/2020" << "CH" << "" << "756.6666.7777.8"
                       << 6500.0 << 1 << "" << 0;
    QTest::newRow("7 hourly") << 6 << "M" << "19/06/1995" << "celibe" << "" << "CH" << "" << "756.7777.8888.9" << 0.0
                              << 1 << "" << 0;
}

void TestInizializzazione::dipendenti()
{
    QFETCH(int, n);
    QFETCH(QString, sesso);
    QFETCH(QString, nascita);
    QFETCH(QString, statoCivile);
    QFETCH(QString, dal);
    QFETCH(QString, nazionalita);
    QFETCH(QString, permesso);
    QFETCH(QString, avsPrimeDodici);
    QFETCH(double, salario);
    QFETCH(int, mensilita);
    QFETCH(QString, tariffa);
    QFETCH(int, figli);

    Inizializzazione::esegui();
    const QString id = Inizializzazione::dipendentiDimostrativi().at(n).first;
    DatiDipendente d;
    QVERIFY(Dipendente::carica(id, d)); // read back from its file
    QCOMPARE(id, d.cognome + QLatin1Char('_') + d.nome + QStringLiteral(".txt"));
    QCOMPARE(d.sesso, sesso);
    QCOMPARE(d.dataNascita, nascita);
    QCOMPARE(d.statoCivile, statoCivile);
    QCOMPARE(d.statoCivileDal, dal);
    QCOMPARE(d.nazionalita, nazionalita);
    QCOMPARE(d.permessoLavoro, permesso);
    QVERIFY(d.numeroAVS.startsWith(avsPrimeDodici));
    QCOMPARE(d.numeroAVS.size(), 16);
    QVERIFY2(Dipendente::validaAVS(d.numeroAVS), qPrintable(d.numeroAVS));
    QCOMPARE(cent(d.salarioMensile), cent(salario));
    QCOMPARE(d.mensilitaAggiuntive, mensilita);
    QCOMPARE(d.extra.value(QStringLiteral("tabellaIF")), tariffa);
    QCOMPARE(d.extra.value(QStringLiteral("codiceTariffa")), tariffa);
    QVERIFY(!d.extra.contains(QStringLiteral("tariffaFonte")));
    QCOMPARE(d.figli.size(), figli);
    QCOMPARE(d.tipoContratto, QStringLiteral("indeterminato"));
    QCOMPARE(d.gradoOccupazione, 100);
    QCOMPARE(d.periodi.size(), 1);
    QCOMPARE(d.periodi.first().entrata, QStringLiteral("01/01/2026"));
    QVERIFY(d.periodi.first().uscita.isEmpty());
    QCOMPARE(d.modalitaPagamento, QStringLiteral("banca"));
    QCOMPARE(d.intestatarioConto, d.cognome + QLatin1Char(' ') + d.nome);
    QVERIFY(!d.banca.isEmpty());
    QVERIFY(d.bicSwift.isEmpty() && !d.bancaEstera);
    QCOMPARE(d.iban, Inizializzazione::dipendentiDimostrativi().first().second.iban);
    if (n == 4) {
        QCOMPARE(d.indirizzo + d.cap + d.localita, QStringLiteral("Via Milano 1822100Como"));
    } else {
        QCOMPARE(d.indirizzo + d.cap + d.localita, QStringLiteral("Via Esempio 16900Lugano"));
    }
    QCOMPARE(d.cantone, QStringLiteral("TI"));
    if (n == 2)
        QCOMPARE(d.extra.value(QStringLiteral("coniugeLavora")), QStringLiteral("no"));
    QCOMPARE(d.tipoPaga, n == 6 ? 1 : 0);
    QCOMPARE(cent(d.pagaOraria), cent(n == 6 ? 34.5 : 0.0));
}

void TestInizializzazione::figli()
{
    Inizializzazione::esegui();
    const auto elenco = Inizializzazione::dipendentiDimostrativi();
    QStringList righe;
    for (const auto& e : elenco) {
        DatiDipendente d;
        QVERIFY(Dipendente::carica(e.first, d));
        for (const Figlio& f : d.figli) {
            QCOMPARE(f.cognome, d.cognome);
            QCOMPARE(f.nazionalita, d.nazionalita);
            QCOMPARE(f.parentela, QStringLiteral("F"));
            QCOMPARE(f.statoCivile, QStringLiteral("celibe"));
            QVERIFY(f.viveConDipendente && !f.incapacitaGuadagno && !f.redditoAVS);
            righe << QStringLiteral("%1 %2 %3 %4 %5 %6")
                         .arg(d.cognome, f.sesso, f.dataNascita, f.agliStudi ? "si" : "no", f.corsoStudi,
                              f.fineCicloStudi);
        }
    }
    const QString c2 = elenco.at(1).second.cognome;
    const QString c3 = elenco.at(2).second.cognome;
    const QString c4 = elenco.at(3).second.cognome;
    QCOMPARE(righe, QStringList({c2 + " M 10/05/2014 no  ", c2 + " F 03/11/2008 si Liceo 06/2027",
                                 c3 + " M 12/02/2016 no  ", c3 + " F 19/08/2019 no  ", c4 + " F 18/04/2015 no  "}));
}

VARDELLO_TEST_MAIN(TestInizializzazione)
#include "tst_inizializzazione.moc"
