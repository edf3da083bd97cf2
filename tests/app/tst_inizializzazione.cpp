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
    // What the employee card and the pay count read: civil status in the
    // card's vocabulary, the tariff under both keys, valid social-insurance
    // numbers that keep the first twelve digits of the table.
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("statoCivile");
    QTest::addColumn<QString>("avsPrimeDodici");
    QTest::addColumn<QString>("tariffa"); // empty: none

    QTest::newRow("1") << 0 << "celibe" << "756.1111.2222.3" << "";
    QTest::newRow("2") << 1 << "coniugato" << "756.2222.3333.4" << "";
    QTest::newRow("3 B2") << 2 << "coniugato" << "756.3333.4444.5" << "B2";
    QTest::newRow("4") << 3 << "divorziato" << "756.4444.5555.6" << "";
    QTest::newRow("5 A0") << 4 << "celibe" << "756.5555.6666.7" << "A0";
    QTest::newRow("6") << 5 << "vedovo" << "756.6666.7777.8" << "";
    QTest::newRow("7") << 6 << "celibe" << "756.7777.8888.9" << "";
}

void TestInizializzazione::dipendenti()
{
    QFETCH(int, n);
    QFETCH(QString, statoCivile);
    QFETCH(QString, avsPrimeDodici);
    QFETCH(QString, tariffa);

    Inizializzazione::esegui();
    const QString id = Inizializzazione::dipendentiDimostrativi().at(n).first;
    DatiDipendente d;
    QVERIFY(Dipendente::carica(id, d)); // read back from its file
    QCOMPARE(id, d.cognome + QLatin1Char('_') + d.nome + QStringLiteral(".txt"));
    QCOMPARE(d.statoCivile, statoCivile);
    QVERIFY(d.numeroAVS.startsWith(avsPrimeDodici));
    QCOMPARE(d.numeroAVS.size(), 16);
    QVERIFY2(Dipendente::validaAVS(d.numeroAVS), qPrintable(d.numeroAVS));
    QCOMPARE(d.extra.value(QStringLiteral("tabellaIF")), tariffa);
    QCOMPARE(d.extra.value(QStringLiteral("codiceTariffa")), tariffa);
    QVERIFY(!d.extra.contains(QStringLiteral("tariffaFonte")));
    QCOMPARE(d.tipoContratto, QStringLiteral("indeterminato"));
    QCOMPARE(d.intestatarioConto, d.cognome + QLatin1Char(' ') + d.nome);
    QVERIFY(Dipendente::inForza(d, QDate(2026, 1, 1)));
    QVERIFY(!Dipendente::inForza(d, QDate(2025, 12, 31)));
    if (n == 2)
        QCOMPARE(d.extra.value(QStringLiteral("coniugeLavora")), QStringLiteral("no"));
}

void TestInizializzazione::figli()
{
    Inizializzazione::esegui();
    int figli = 0;
    int studenti = 0;
    for (const auto& e : Inizializzazione::dipendentiDimostrativi()) {
        DatiDipendente d;
        QVERIFY(Dipendente::carica(e.first, d));
        for (const Figlio& f : d.figli) {
            ++figli;
            QCOMPARE(f.cognome, d.cognome);
            QCOMPARE(f.nazionalita, d.nazionalita);
            QCOMPARE(f.parentela, QStringLiteral("F"));
            QVERIFY(f.viveConDipendente && !f.incapacitaGuadagno && !f.redditoAVS);
            if (f.agliStudi) {
                ++studenti;
                QCOMPARE(f.corsoStudi + f.fineCicloStudi, QStringLiteral("Liceo06/2027"));
            }
        }
    }
    QCOMPARE(figli, 5);
    QCOMPARE(studenti, 1);
}

VARDELLO_TEST_MAIN(TestInizializzazione)
#include "tst_inizializzazione.moc"
