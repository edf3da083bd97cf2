#include "ambientetest.h"
#include "azienda.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "datoteca.h"
#include "conteggiosalario.h"
#include "importi.h"
#include "impostafonte.h"
#include "movimenti.h"
#include "storicopaghe.h"
#include "storicostipendi.h"
#include "variabilimensili.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString kId = QStringLiteral("Rossi_Mario.txt");

QString importo(double v)
{
    return QString::number(v, 'f', 2);
}

// One bracket record of a tariff file.
QByteArray record(const QString& cantone, const QString& codice, double soglia, double aliquota)
{
    QString r = QStringLiteral("0601") + cantone + codice.leftJustified(10, QLatin1Char(' ')) + QStringLiteral("20260101")
        + QStringLiteral("%1").arg(qRound64(soglia * 100), 9, 10, QLatin1Char('0')) + QStringLiteral("000050000")
        + QStringLiteral(" 00") + QStringLiteral("000000000")
        + QStringLiteral("%1").arg(qRound64(aliquota * 100), 5, 10, QLatin1Char('0')) + QStringLiteral("   \r\n");
    return r.toLatin1();
}

// TI A0N: 0.5 % more for every 500 francs (5000 -> 5 %, 7000 -> 7 %).
// TI B1N: a flat 1 %. ZH (monthly model) A0N: the same steps as TI's.
// GE (annual model): the real 2026 file.
void caricaTariffe()
{
    static QTemporaryDir cartella;
    QByteArray ti;
    QByteArray zh;
    for (int k = 0; k <= 40; ++k) {
        ti += record(QStringLiteral("TI"), QStringLiteral("A0N"), k * 500.0, k * 0.5);
        zh += record(QStringLiteral("ZH"), QStringLiteral("A0N"), k * 500.0, k * 0.5);
    }
    ti += record(QStringLiteral("TI"), QStringLiteral("B1N"), 0, 1);
    AmbienteTest::scrivi(cartella.path() + QStringLiteral("/tar26ti.txt"), ti);
    AmbienteTest::scrivi(cartella.path() + QStringLiteral("/tar26zh.txt"), zh);
    QProcess gzip;
    gzip.setStandardOutputFile(cartella.path() + QStringLiteral("/tar26ge.txt"));
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), qEnvironmentVariable("VARDELLO_DATI_TEST")
                                                                   + QStringLiteral("/tariffs/tar26ge.txt.gz")});
    QVERIFY(gzip.waitForFinished(30000));
    QCOMPARE(gzip.exitCode(), 0);
    QVERIFY(ImpostaFonte::caricaDa(cartella.path()));
    QVERIFY(ImpostaFonte::haScala(QStringLiteral("GE"), QStringLiteral("A0")));
}

DatiDipendente dipendente(double salario = 5000)
{
    DatiDipendente d;
    d.nome = QStringLiteral("Mario");
    d.cognome = QStringLiteral("Rossi");
    d.dataNascita = QStringLiteral("10/05/1986"); // 40 in 2026
    d.cantone = QStringLiteral("TI");
    d.salarioMensile = salario;
    return d;
}

void azienda(double uomo, double donna, bool tredicesima = true)
{
    DatiAzienda a;
    a.ragioneSociale = QStringLiteral("Alfa SA");
    a.lainfINPuomoPerMille = uomo;
    a.lainfINPdonnaPerMille = donna;
    a.tredicesimaAutomatica = tredicesima;
    QVERIFY(Azienda::salva(a, QStringLiteral("Alfa.txt")));
    Config::setAziendaCorrente(QStringLiteral("Alfa.txt"));
}

QList<PeriodoRapporto> periodi(const QString& testo)
{
    QList<PeriodoRapporto> lista;
    for (const QString& p : testo.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList parti = p.split(QLatin1Char('-'));
        lista.append({parti.at(0), parti.value(1)});
    }
    return lista;
}

} // namespace

class TestConteggioSalario : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { caricaTariffe(); }
    void init() { AmbienteTest::svuota(); }

    void mensile_data();
    void mensile();
    void orario_data();
    void orario();
    void fuoriPeriodo_data();
    void fuoriPeriodo();
    void movimenti();
    void soggettoImposta_data();
    void soggettoImposta();
    void conguaglioAnnoUguale();
    void conguaglioAumento();
    void conguaglioStoricoMalformato();
    void annoChiuso();
    void righeSalvate_data();
    void righeSalvate();
    void salvataggioFallito();
    void regoleMese_data();
    void regoleMese();
    void massimaleAnnuo_data();
    void massimaleAnnuo();
    void datiDanneggiati_data();
    void datiDanneggiati();
    void giorniDelMese_data();
    void giorniDelMese();
    void figliPerGiorni_data();
    void figliPerGiorni();
    void modelliImposta_data();
    void modelliImposta();
    void salarioDelloStorico_data();
    void salarioDelloStorico();
};

void TestConteggioSalario::mensile_data()
{
    QTest::addColumn<double>("salario");
    QTest::addColumn<int>("mese");
    QTest::addColumn<int>("mensilita");
    QTest::addColumn<int>("tredicesima");
    QTest::addColumn<QString>("tredicesimaAzienda"); // the company file's key; empty: no key (means yes)
    QTest::addColumn<QString>("entrata"); // employment periods "entry-exit;..."
    QTest::addColumn<int>("grado");
    QTest::addColumn<QString>("sesso");
    QTest::addColumn<QString>("nascita");
    QTest::addColumn<QByteArray>("variabili"); // INI text of the month's group; from "[": the whole
                                               // file, its months before the one counted saved first
    QTest::addColumn<QString>("figlio");
    QTest::addColumn<bool>("premi");           // company premium 10 per mille men, 20 women
    QTest::addColumn<QString>("movimenti");    // "date|kind|amount|description", ";" between them; a date
                                               // after "+": entered once its month was saved; after
                                               // "~": its month saved by a version that kept no
                                               // extra salaries with the month; a fifth field
                                               // "nessuna casella": every box cleared
    QTest::addColumn<double>("dovute");        // extra salaries owed and not paid
    // lordoContributivo, lordoImponibile, contributi, lpp, assegni, tredicesima, aggiunte, netto
    QTest::addColumn<QStringList>("attesi");

    // 5000 a month, age 40: contributions 265 + 55 + 15.25; pension half of
    // 10 % of 33540 a year.
    QTest::newRow("plain January") << 5000.0 << 1 << 0 << -1 << "1" << "" << 100 << "M" << "10/05/1986" << QByteArray()
                                   << "" << false
                                   << "" << 0.0 << QStringList{"5000.00", "5000.00", "335.25", "139.75", "0.00", "0.00", "0.00", "4525.00"};
    QTest::newRow("no birth date: age 40") << 5000.0 << 1 << 0 << -1 << "1" << "" << 100 << "M" << "" << QByteArray()
                                           << "" << false
                                           << "" << 0.0 << QStringList{"5000.00", "5000.00", "335.25", "139.75", "0.00", "0.00", "0.00", "4525.00"};
    QTest::newRow("age 50: 15 %") << 5000.0 << 1 << 0 << -1 << "1" << "" << 100 << "M" << "01/01/1976" << QByteArray()
                                  << "" << false
                                  << "" << 0.0 << QStringList{"5000.00", "5000.00", "335.25", "209.65", "0.00", "0.00", "0.00", "4455.10"};
    QTest::newRow("premium, man") << 5000.0 << 1 << 0 << -1 << "1" << "" << 100 << "M" << "10/05/1986" << QByteArray()
                                  << "" << true
                                  << "" << 0.0 << QStringList{"5000.00", "5000.00", "385.25", "139.75", "0.00", "0.00", "0.00", "4475.00"};
    QTest::newRow("premium, woman") << 5000.0 << 1 << 0 << -1 << "1" << "" << 100 << "f" << "10/05/1986" << QByteArray()
                                    << "" << true
                                    << "" << 0.0 << QStringList{"5000.00", "5000.00", "435.25", "139.75", "0.00", "0.00", "0.00", "4425.00"};
    QTest::newRow("18 % employment: no premium") << 5000.0 << 1 << 0 << -1 << "1" << "" << 18 << "M" << "10/05/1986"
                                                 << QByteArray() << "" << true
                                                 << "" << 0.0 << QStringList{"5000.00", "5000.00", "335.25", "139.75", "0.00", "0.00", "0.00", "4525.00"};
    QTest::newRow("19 % employment: premium") << 5000.0 << 1 << 0 << -1 << "1" << "" << 19 << "M" << "10/05/1986"
                                              << QByteArray() << "" << true
                                              << "" << 0.0 << QStringList{"5000.00", "5000.00", "385.25", "139.75", "0.00", "0.00", "0.00", "4475.00"};
    // Premium on at most 148200 / 12; unemployment insurance on at most the same.
    QTest::newRow("premium and unemployment capped") << 15000.0 << 1 << 0 << -1 << "1" << "" << 100 << "M" << "10/05/1986"
                                                     << QByteArray() << "" << true
                                                     << "" << 0.0 << QStringList{"15000.00", "15000.00", "1100.10", "267.75", "0.00", "0.00", "0.00", "13632.15"};
    QTest::newRow("December thirteenth, entered in July") << 5000.0 << 12 << 1 << 1 << "1" << "01/07/2026" << 100 << "M"
                                                          << "10/05/1986" << QByteArray() << "" << false
                                                          << "" << 0.0 << QStringList{"7500.00", "7500.00", "502.90", "160.60", "0.00", "2500.00", "0.00", "6836.50"};
    // Entered on 16/12: the salary for 15 days, 2500; the thirteenth on the
    // whole months of service, r5(5000 / 12) = 416.65; contributions
    // r5(6.705 % of 2916.65) = 195.55; pension half of 10 % of (65000 -
    // 26460) / 12 x 15 / 30 = 80.29 -> 80.30.
    QTest::newRow("December thirteenth, entered on 16/12") << 5000.0 << 12 << 1 << 1 << "1" << "16/12/2026" << 100
                                                           << "M" << "10/05/1986" << QByteArray() << "" << false
                                                           << "" << 0.0 << QStringList{"2916.65", "2916.65", "195.55", "80.30", "0.00", "416.65", "0.00", "2640.80"};
    QTest::newRow("December, company flag") << 5000.0 << 12 << 1 << -1 << "1" << "" << 100 << "M" << "10/05/1986"
                                            << QByteArray() << "" << false
                                            << "" << 0.0 << QStringList{"10000.00", "10000.00", "670.50", "160.60", "0.00", "5000.00", "0.00", "9168.90"};
    QTest::newRow("December, company file without the key") << 5000.0 << 12 << 1 << -1 << "" << "" << 100 << "M"
                                                            << "10/05/1986" << QByteArray() << "" << false
                                                            << "" << 0.0 << QStringList{"10000.00", "10000.00", "670.50", "160.60", "0.00", "5000.00", "0.00", "9168.90"};
    QTest::newRow("December, company says no") << 5000.0 << 12 << 1 << -1 << "0" << "" << 100 << "M" << "10/05/1986"
                                               << QByteArray() << "" << false
                                               << "" << 0.0 << QStringList{"5000.00", "5000.00", "335.25", "160.60", "0.00", "0.00", "0.00", "4504.15"};
    QTest::newRow("December, asked not to pay") << 5000.0 << 12 << 1 << 0 << "1" << "" << 100 << "M" << "10/05/1986"
                                                << QByteArray() << "" << false
                                                << "" << 0.0 << QStringList{"5000.00", "5000.00", "335.25", "160.60", "0.00", "0.00", "0.00", "4504.15"};
    QTest::newRow("June, one extra salary: none") << 5000.0 << 6 << 1 << 1 << "1" << "" << 100 << "M" << "10/05/1986"
                                                  << QByteArray() << "" << false
                                                  << "" << 0.0 << QStringList{"5000.00", "5000.00", "335.25", "160.60", "0.00", "0.00", "0.00", "4504.15"};
    QTest::newRow("June, two extra salaries: fourteenth") << 5000.0 << 6 << 2 << 1 << "1" << "" << 100 << "M" << "10/05/1986"
                                                          << QByteArray() << "" << false
                                                          << "" << 0.0 << QStringList{"10000.00", "10000.00", "670.50", "181.40", "0.00", "5000.00", "0.00", "9148.10"};
    // Leaves on 30 June: the thirteenth is owed for six months, 6/12 of 6500
    // = 3250, paid with June when automatic: gross 9750, contributions
    // r5(6.705 % of 9750 = 653.74) = 653.75, pension half of 10 % of (13 x
    // 6500 - 26460) / 12 = 241.83 -> 241.85; net 9750 - 653.75 - 241.85.
    QTest::newRow("leaves in June: thirteenth pro rata") << 6500.0 << 6 << 1 << 1 << "1" << "01/01/2020-30/06/2026" << 100
                                                         << "M" << "10/05/1986" << QByteArray() << "" << false
                                                         << "" << 0.0 << QStringList{"9750.00", "9750.00", "653.75", "241.85", "0.00", "3250.00", "0.00", "8854.40"};
    // Not automatic: June pays the salary only (contributions r5(435.825) =
    // 435.85; net 6500 - 435.85 - 241.85); the 3250 are owed.
    QTest::newRow("leaves in June, not automatic") << 6500.0 << 6 << 1 << 0 << "1" << "01/01/2020-30/06/2026" << 100
                                                   << "M" << "10/05/1986" << QByteArray() << "" << false
                                                   << "" << 3250.0 << QStringList{"6500.00", "6500.00", "435.85", "241.85", "0.00", "0.00", "0.00", "5822.30"};
    // Paid by hand in the month: nothing more (the same 9750 as above).
    QTest::newRow("leaves in June, paid by hand") << 6500.0 << 6 << 1 << 1 << "1" << "01/01/2020-30/06/2026" << 100
                                                  << "M" << "10/05/1986" << QByteArray("tredicesimaGratifica=3250\n")
                                                  << "" << false
                                                  << "" << 0.0 << QStringList{"9750.00", "9750.00", "653.75", "241.85", "0.00", "3250.00", "0.00", "8854.40"};
    // Two extra salaries: June's fourteenth 6/12 of 5000 = 2500 and the
    // thirteenth owed 2 x 2500 - 2500 = 2500: as the June row above.
    QTest::newRow("leaves in June, two extra salaries") << 5000.0 << 6 << 2 << 1 << "1" << "01/01/2020-30/06/2026" << 100
                                                        << "M" << "10/05/1986" << QByteArray() << "" << false
                                                        << "" << 0.0 << QStringList{"10000.00", "10000.00", "670.50", "181.40", "0.00", "5000.00", "0.00", "9148.10"};
    // Leaves on 31 December: December's thirteenth of 6/12 is all he is
    // owed, as for the entry in July above.
    QTest::newRow("leaves in December") << 5000.0 << 12 << 1 << 1 << "1" << "01/07/2026-31/12/2026" << 100 << "M"
                                        << "10/05/1986" << QByteArray() << "" << false
                                        << "" << 0.0 << QStringList{"7500.00", "7500.00", "502.90", "160.60", "0.00", "2500.00", "0.00", "6836.50"};
    // 6000 a month, a June advance of 3000 of kind "13a mensilità" (June
    // closed: its slip has the advance's line), leaves on 30 November: owed
    // 11/12 of 6000 = 5500, paid 2500 more; the advance counts once, with
    // or without a description.
    const QString acconto = QStringLiteral("2026-06-10|13a mensilità|3000|");
    QTest::newRow("advance, leaves in November") << 6000.0 << 11 << 1 << 1 << "1" << "01/01/2020-30/11/2026" << 100
                                                 << "M" << "10/05/1986" << QByteArray() << "" << false << acconto
                                                 << 0.0 << QStringList{"8500.00", "8500.00", "569.95", "214.75", "0.00", "2500.00", "0.00", "7715.30"};
    QTest::newRow("described advance, leaves in November")
        << 6000.0 << 11 << 1 << 1 << "1" << "01/01/2020-30/11/2026" << 100 << "M" << "10/05/1986" << QByteArray() << ""
        << false << acconto + QStringLiteral("Acconto 13a") << 0.0 << QStringList{"8500.00", "8500.00", "569.95", "214.75", "0.00", "2500.00", "0.00", "7715.30"};
    QTest::newRow("advance, leaves in November, not automatic")
        << 6000.0 << 11 << 1 << 0 << "1" << "01/01/2020-30/11/2026" << 100 << "M" << "10/05/1986" << QByteArray() << ""
        << false << acconto << 2500.0 << QStringList{"6000.00", "6000.00", "402.30", "214.75", "0.00", "0.00", "0.00", "5382.95"};
    // December after the advance pays the 3000 left, staying or leaving.
    QTest::newRow("December after an advance") << 6000.0 << 12 << 1 << 1 << "1" << "" << 100 << "M" << "10/05/1986"
                                               << QByteArray() << "" << false << acconto << 0.0 << QStringList{"9000.00", "9000.00", "603.45", "214.75", "0.00", "3000.00", "0.00", "8181.80"};
    QTest::newRow("December after an advance, leaves 31/12")
        << 6000.0 << 12 << 1 << 1 << "1" << "01/01/2020-31/12/2026" << 100 << "M" << "10/05/1986" << QByteArray() << ""
        << false << acconto << 0.0 << QStringList{"9000.00", "9000.00", "603.45", "214.75", "0.00", "3000.00", "0.00", "8181.80"};
    // An advance of 8000, more than owed: nothing, never a negative line.
    QTest::newRow("advance larger than owed, leaves in September")
        << 6000.0 << 9 << 1 << 1 << "1" << "01/01/2020-30/09/2026" << 100 << "M" << "10/05/1986" << QByteArray() << ""
        << false << "2026-03-10|13a mensilità|8000|" << 0.0 << QStringList{"6000.00", "6000.00", "402.30", "214.75", "0.00", "0.00", "0.00", "5382.95"};
    QTest::newRow("advance larger than owed, December")
        << 6000.0 << 12 << 1 << 1 << "1" << "" << 100 << "M" << "10/05/1986" << QByteArray() << ""
        << false << "2026-03-10|13a mensilità|8000|" << 0.0 << QStringList{"6000.00", "6000.00", "402.30", "214.75", "0.00", "0.00", "0.00", "5382.95"};
    // What "Liquida 13a/14a pro-rata" wrote in December is the thirteenth:
    // the automatic one pays nothing more; a bonus typed by hand is not.
    QTest::newRow("December, the payout written") << 6000.0 << 12 << 1 << 1 << "1" << "" << 100 << "M" << "10/05/1986"
                                                  << QByteArray("tredicesimaGratifica=6000\ntredicesimaLiquidata=6000\n")
                                                  << "" << false << "" << 0.0 << QStringList{"12000.00", "12000.00", "804.60", "214.75", "0.00", "6000.00", "0.00", "10980.65"};
    QTest::newRow("December, a bonus typed by hand") << 6000.0 << 12 << 1 << 1 << "1" << "" << 100 << "M"
                                                     << "10/05/1986" << QByteArray("tredicesimaGratifica=1000\n") << ""
                                                     << false << "" << 0.0 << QStringList{"13000.00", "13000.00", "871.65", "214.75", "0.00", "7000.00", "0.00", "11913.60"};
    // An advance of the thirteenth is due in December: June's fourteenth is
    // paid whole, one of the fourteenth's kind lessens it.
    QTest::newRow("June fourteenth after a thirteenth advance")
        << 6000.0 << 6 << 2 << 1 << "1" << "" << 100 << "M" << "10/05/1986" << QByteArray() << "" << false
        << "2026-03-10|13a mensilità|3000|" << 0.0 << QStringList{"12000.00", "12000.00", "804.60", "239.75", "0.00", "6000.00", "0.00", "10955.65"};
    QTest::newRow("June fourteenth after its own advance")
        << 6000.0 << 6 << 2 << 1 << "1" << "" << 100 << "M" << "10/05/1986" << QByteArray() << "" << false
        << "2026-03-10|14a mensilità|2000|" << 0.0 << QStringList{"10000.00", "10000.00", "670.50", "239.75", "0.00", "4000.00", "0.00", "9089.75"};
    // An advance entered once June was saved was never paid: December pays
    // the whole thirteenth.
    QTest::newRow("December, an advance entered after its month was saved")
        << 6000.0 << 12 << 1 << 1 << "1" << "" << 100 << "M" << "10/05/1986" << QByteArray() << "" << false
        << "+" + acconto << 0.0 << QStringList{"12000.00", "12000.00", "804.60", "214.75", "0.00", "6000.00", "0.00", "10980.65"};
    // An advance with every box cleared is never paid, so it pays none of
    // the thirteenth either.
    QTest::newRow("December, an advance with no box ticked")
        << 6000.0 << 12 << 1 << 1 << "1" << "" << 100 << "M" << "10/05/1986" << QByteArray() << "" << false
        << acconto + QStringLiteral("|nessuna casella") << 0.0
        << QStringList{"12000.00", "12000.00", "804.60", "214.75", "0.00", "6000.00", "0.00", "10980.65"};
    QTest::newRow("December after an advance, its month saved by an earlier version")
        << 6000.0 << 12 << 1 << 1 << "1" << "" << 100 << "M" << "10/05/1986" << QByteArray() << "" << false
        << "~" + acconto << 0.0 << QStringList{"9000.00", "9000.00", "603.45", "214.75", "0.00", "3000.00", "0.00", "8181.80"};
    // A movement of the thirteenth's kind dated in the month counted is paid
    // by that month: December pays the 3000 left beside it (12000, not
    // 15000); leaving on 30/09, the 4500 owed less it; not automatic, the
    // 1500 left are owed.
    QTest::newRow("December, an advance dated in December")
        << 6000.0 << 12 << 1 << 1 << "1" << "" << 100 << "M" << "10/05/1986" << QByteArray() << "" << false
        << "2026-12-05|13a mensilità|3000|" << 0.0 << QStringList{"12000.00", "12000.00", "804.60", "214.75", "0.00", "3000.00", "0.00", "10980.65"};
    QTest::newRow("leaves in September, an advance dated in September")
        << 6000.0 << 9 << 1 << 1 << "1" << "01/01/2020-30/09/2026" << 100 << "M" << "10/05/1986" << QByteArray() << ""
        << false << "2026-09-10|13a mensilità|3000|" << 0.0 << QStringList{"10500.00", "10500.00", "704.05", "214.75", "0.00", "1500.00", "0.00", "9581.20"};
    QTest::newRow("leaves in September, an advance dated in September, not automatic")
        << 6000.0 << 9 << 1 << 0 << "1" << "01/01/2020-30/09/2026" << 100 << "M" << "10/05/1986" << QByteArray() << ""
        << false << "2026-09-10|13a mensilità|3000|" << 1500.0 << QStringList{"9000.00", "9000.00", "603.45", "214.75", "0.00", "0.00", "0.00", "8181.80"};
    // A bonus typed by hand in March, March saved: no extra salary the count
    // paid, December's thirteenth stays whole.
    QTest::newRow("December after a bonus typed by hand in a saved March")
        << 6000.0 << 12 << 1 << 1 << "1" << "" << 100 << "M" << "10/05/1986"
        << QByteArray("[Mese_3]\ntredicesimaGratifica=1000\n") << "" << false << "" << 0.0
        << QStringList{"12000.00", "12000.00", "804.60", "214.75", "0.00", "6000.00", "0.00", "10980.65"};
    // Entered in August, after June's fourteenth: December pays both, 2 x 5/12 of 6000.
    QTest::newRow("December, two extra salaries, entered in August")
        << 6000.0 << 12 << 2 << 1 << "1" << "01/08/2026" << 100 << "M" << "10/05/1986" << QByteArray() << "" << false
        << "" << 0.0 << QStringList{"11000.00", "11000.00", "737.55", "239.75", "0.00", "5000.00", "0.00", "10022.70"};
    // Leaves on 15/12: a child born on the 10th is paid for his days, one
    // born on the 20th, after the exit, is not.
    QTest::newRow("child born before the exit in the month")
        << 5000.0 << 12 << 0 << -1 << "1" << "01/01/2020-15/12/2026" << 100 << "M" << "10/05/1986" << QByteArray()
        << "10/12/2026" << false << "" << 0.0 << QStringList{"2500.00", "2607.50", "167.65", "69.90", "107.50", "0.00", "0.00", "2369.95"};
    QTest::newRow("child born after the exit")
        << 5000.0 << 12 << 0 << -1 << "1" << "01/01/2020-15/12/2026" << 100 << "M" << "10/05/1986" << QByteArray()
        << "20/12/2026" << false << "" << 0.0 << QStringList{"2500.00", "2500.00", "167.65", "69.90", "0.00", "0.00", "0.00", "2262.45"};
    // Rehired within April: April counts once, 9/12 of 6000 = 4500.
    QTest::newRow("rehired within a month, leaves in September")
        << 6000.0 << 9 << 1 << 1 << "1" << "01/01/2026-10/04/2026;21/04/2026-30/09/2026" << 100 << "M" << "10/05/1986"
        << QByteArray() << "" << false << "" << 0.0 << QStringList{"10500.00", "10500.00", "704.05", "214.75", "0.00", "4500.00", "0.00", "9581.20"};
    // Rehired in July: the first exit pays nothing, the last 8/12 = 4000.
    QTest::newRow("rehired in July: first exit") << 6000.0 << 3 << 1 << 1 << "1"
                                                << "01/01/2026-31/03/2026;01/07/2026-30/11/2026" << 100 << "M"
                                                << "10/05/1986" << QByteArray() << "" << false << "" << 0.0
                                                << QStringList{"6000.00", "6000.00", "402.30", "214.75", "0.00", "0.00", "0.00", "5382.95"};
    QTest::newRow("rehired in July: last exit") << 6000.0 << 11 << 1 << 1 << "1"
                                               << "01/01/2026-31/03/2026;01/07/2026-30/11/2026" << 100 << "M"
                                               << "10/05/1986" << QByteArray() << "" << false << "" << 0.0
                                               << QStringList{"10000.00", "10000.00", "670.50", "214.75", "0.00", "4000.00", "0.00", "9114.75"};
    QTest::newRow("deductions larger than the salary") << 5000.0 << 3 << 0 << -1 << "1" << "" << 100 << "M" << "10/05/1986"
                                                       << QByteArray("deduzioneAssenze=6000\nrimborsoAssicurativo=4000\n")
                                                       << "" << false
                                                       << "" << 0.0 << QStringList{"0.00", "4000.00", "0.00", "139.75", "0.00", "0.00", "0.00", "3860.25"};
    QTest::newRow("variables of the month") << 5000.0 << 3 << 0 << -1 << "1" << "" << 100 << "M" << "10/05/1986"
                                            << QByteArray("importiImponibili=500\nrimborsoAssicurativo=200\n"
                                                          "importiNonImponibili=100\nrimborsoSpese=50\nrimborsoTrasferte=30\n"
                                                          "acconti=1000\ntredicesimaGratifica=300\n")
                                            << "" << false
                                            << "" << 0.0 << QStringList{"5800.00", "6000.00", "388.90", "139.75", "0.00", "300.00", "-820.00", "4651.35"};
    QTest::newRow("child allowance, unrounded in the taxable gross") << 5000.0 << 3 << 0 << -1 << "1" << "" << 100 << "M"
                                                                     << "10/05/1986" << QByteArray() << "01/01/2020" << false
                                                                     << "" << 0.0 << QStringList{"5000.00", "5215.00", "335.25", "139.75", "215.00", "0.00", "0.00", "4740.00"};
}

void TestConteggioSalario::mensile()
{
    QFETCH(double, salario);
    QFETCH(int, mese);
    QFETCH(int, mensilita);
    QFETCH(int, tredicesima);
    QFETCH(QString, tredicesimaAzienda);
    QFETCH(QString, entrata);
    QFETCH(int, grado);
    QFETCH(QString, sesso);
    QFETCH(QString, nascita);
    QFETCH(QByteArray, variabili);
    QFETCH(QString, figlio);
    QFETCH(bool, premi);
    QFETCH(QString, movimenti);
    QFETCH(double, dovute);
    QFETCH(QStringList, attesi);

    azienda(premi ? 10 : 0, premi ? 20 : 0, tredicesimaAzienda != QLatin1String("0"));
    if (tredicesimaAzienda.isEmpty()) {
        const QString file = Config::cartellaDati() + QStringLiteral("/Alfa.txt");
        QList<QByteArray> righe = AmbienteTest::leggi(file).split('\n');
        QVERIFY(righe.removeAll("tredicesimaAutomatica=1") == 1);
        AmbienteTest::scrivi(file, righe.join('\n'));
    }
    DatiDipendente d = dipendente(salario);
    d.mensilitaAggiuntive = mensilita;
    d.gradoOccupazione = grado;
    d.sesso = sesso;
    d.dataNascita = nascita;
    d.periodi = periodi(entrata);
    if (!figlio.isEmpty()) {
        Figlio f;
        f.dataNascita = figlio;
        d.figli.append(f);
    }
    QList<int> salvati;
    if (variabili.startsWith('[')) {
        AmbienteTest::scrivi(VariabiliMensili::percorsoFile(kId, 2026), variabili);
        auto gruppi = QRegularExpression(QStringLiteral("\\[Mese_([0-9]+)\\]")).globalMatch(QString::fromUtf8(variabili));
        while (gruppi.hasNext())
            salvati << gruppi.next().captured(1).toInt();
    } else if (!variabili.isEmpty()) {
        AmbienteTest::scrivi(VariabiliMensili::percorsoFile(kId, 2026),
                             "[Mese_" + QByteArray::number(mese) + "]\n" + variabili);
    }
    for (int prima : qAsConst(salvati)) {
        if (prima < mese)
            QVERIFY(ConteggioSalario::genera(kId, d, 2026, prima, true, tredicesima).errore.isEmpty());
    }

    QList<MovimentoStipendio> lista;
    QList<MovimentoStipendio> tardivi;
    for (const QString& testo : movimenti.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList campi = testo.split(QLatin1Char('|'));
        MovimentoStipendio m;
        m.data = campi.at(0).startsWith(QLatin1Char('~')) ? campi.at(0).mid(1) : campi.at(0);
        m.tipo = campi.at(1);
        m.importo = campi.at(2).toDouble();
        m.descrizione = campi.at(3);
        Movimenti::applicaPreset(m);
        if (campi.value(4) == QLatin1String("nessuna casella"))
            m.soggettoAVS = m.soggettoAD = m.soggettoCAF = m.soggettoLAINF = m.soggettoLPP = m.soggettoIF = false;
        if (m.data.startsWith(QLatin1Char('+')))
            tardivi.append(m);
        else
            lista.append(m);
    }
    QVERIFY(Movimenti::salva(kId, lista));
    // The months of earlier movements are closed first, their slips saved.
    for (const MovimentoStipendio& m : lista + tardivi) {
        const int prima = QDate::fromString(m.data.mid(m.data.startsWith(QLatin1Char('+'))), Qt::ISODate).month();
        if (prima < mese)
            QVERIFY(ConteggioSalario::genera(kId, d, 2026, prima, true, tredicesima).errore.isEmpty());
    }
    for (MovimentoStipendio& m : tardivi)
        m.data.remove(0, 1);
    QVERIFY(Movimenti::salva(kId, lista + tardivi));
    if (movimenti.startsWith(QLatin1Char('~'))) {
        const QString storico = StoricoPaghe::percorsoFile(kId, 2026);
        QList<QByteArray> righe = AmbienteTest::leggi(storico).split('\n');
        righe.erase(std::remove_if(righe.begin(), righe.end(), [](const QByteArray& r) {
                        return r.startsWith("mensilita") || r.startsWith("tredicesimaMovimenti");
                    }),
                    righe.end());
        AmbienteTest::scrivi(storico, righe.join('\n'));
    }

    const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, mese, false, tredicesima);
    QCOMPARE(r.errore, QString());
    QCOMPARE(r.anno, 2026);
    QCOMPARE(r.mese, mese);
    const QStringList ottenuti = {importo(r.lordoContributivo), importo(r.lordoImponibile),
                                  importo(r.contributiDipendente), importo(r.lppDipendente),
                                  importo(r.assegniFamiliari), importo(r.tredicesima),
                                  importo(r.aggiunteNette), importo(r.netto)};
    QCOMPARE(ottenuti, attesi);
    QCOMPARE(r.impostaFonte, 0.0);
    // What a leaver is owed and this count does not pay is told.
    QCOMPARE(importo(r.mensilitaDovute), importo(dovute));
    // The slip's lines add up to the net.
    QCOMPARE(importo(r.lordoImponibile - r.contributiDipendente - r.lppDipendente - r.impostaFonte + r.aggiunteNette),
             importo(r.netto));
    // Counted from the year's pay history its caller has read (the closing's
    // preview): the same count.
    QList<StoricoPaghe::PagaMese> storico;
    StoricoPaghe::caricaAnno(kId, 2026, storico);
    const RisultatoConteggio letto = ConteggioSalario::genera(kId, d, 2026, mese, false, tredicesima, nullptr, &storico);
    QCOMPARE(letto.errore, QString());
    QCOMPARE((QStringList{importo(letto.lordoContributivo), importo(letto.lordoImponibile),
                          importo(letto.contributiDipendente), importo(letto.lppDipendente),
                          importo(letto.assegniFamiliari), importo(letto.tredicesima), importo(letto.aggiunteNette),
                          importo(letto.netto)}),
             attesi);
    QCOMPARE(importo(letto.mensilitaDovute), importo(dovute));
    QCOMPARE(importo(letto.mensilitaConteggio), importo(r.mensilitaConteggio));
}

void TestConteggioSalario::orario_data()
{
    QTest::addColumn<QString>("settimane"); // "vacanzeSettimane"; "<none>": not set
    QTest::addColumn<int>("mensilita");
    // lordoContributivo, lordoImponibile, tredicesima, aggiunte, lpp
    QTest::addColumn<QStringList>("attesi");

    // 30 an hour: 160 h, 10 h at 125 %, 4 h at 150 % = 5355; sickness refund 100;
    // expenses 50 less advances 200, loan 30 and debt office 100.
    // Pension at 40 on twelve times the gross from hours with its holiday,
    // public-holiday and thirteenth shares: half of 10 % of (12 x 6492.30 -
    // 26460) / 12 = 214.365 -> 214.35 with 5 weeks and a thirteenth; of
    // (12 x 5922.80 - 26460) / 12 = 185.89 -> 185.90 with 4 weeks.
    QTest::newRow("5 weeks, thirteenth") << "5" << 1
                                         << QStringList{"6492.30", "6592.30", "446.05", "-280.00", "214.35"};
    QTest::newRow("default 4 weeks") << "<none>" << 0
                                     << QStringList{"5922.80", "6022.80", "0.00", "-280.00", "185.90"};
    QTest::newRow("4 weeks") << "4" << 0 << QStringList{"5922.80", "6022.80", "0.00", "-280.00", "185.90"};
    QTest::newRow("52 weeks: default rate") << "52" << 0
                                            << QStringList{"5922.80", "6022.80", "0.00", "-280.00", "185.90"};
    QTest::newRow("60 weeks: default rate") << "60" << 0
                                            << QStringList{"5922.80", "6022.80", "0.00", "-280.00", "185.90"};
    QTest::newRow("not a number: default rate") << "tante" << 0
                                                << QStringList{"5922.80", "6022.80", "0.00", "-280.00", "185.90"};
    QTest::newRow("0 weeks: default rate") << "0" << 0
                                           << QStringList{"5922.80", "6022.80", "0.00", "-280.00", "185.90"};
}

void TestConteggioSalario::orario()
{
    QFETCH(QString, settimane);
    QFETCH(int, mensilita);
    QFETCH(QStringList, attesi);

    DatiDipendente d = dipendente(0);
    d.tipoPaga = 1;
    d.pagaOraria = 30;
    d.mensilitaAggiuntive = mensilita;
    if (settimane != QLatin1String("<none>"))
        d.extra.insert(QStringLiteral("vacanzeSettimane"), settimane);
    AmbienteTest::scrivi(VariabiliMensili::percorsoFile(kId, 2026),
                         "[Mese_2]\noreFatte=160\noreExtra25=10\noreExtra50=4\noreExtraCompensate=20\n"
                         "rimborsoMalattia=100\nrimborsoSpese=50\nacconti=200\nrimborsoPrestiti=30\ntrattenuteUEF=100\n"
                         "importiImponibili=999\nimportiNonImponibili=999\n");

    const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, 2, false, -1);
    QCOMPARE(r.errore, QString());
    const QStringList ottenuti = {importo(r.lordoContributivo), importo(r.lordoImponibile), importo(r.tredicesima),
                                  importo(r.aggiunteNette), importo(r.lppDipendente)};
    QCOMPARE(ottenuti, attesi);
    QCOMPARE(importo(r.netto),
             importo(r.lordoImponibile - r.contributiDipendente - r.lppDipendente + r.aggiunteNette));
}

void TestConteggioSalario::fuoriPeriodo_data()
{
    QTest::addColumn<QString>("periodi");
    QTest::addColumn<int>("mese");
    QTest::addColumn<QString>("errore");
    QTest::addColumn<QString>("lordo"); // the month's gross when counted: 5000 x days / 30

    QTest::newRow("ended last year") << "01/01/2020-31/12/2025" << 3 << "Fuori periodo di rapporto" << "";
    QTest::newRow("enters next month") << "01/04/2026" << 3 << "Fuori periodo di rapporto" << "";
    QTest::newRow("entry not a date") << "marzo" << 3 << "Fuori periodo di rapporto" << "";
    QTest::newRow("leaves mid-month") << "01/01/2020-15/03/2026" << 3 << "" << "2500.00";
    QTest::newRow("leaves on the 1st") << "01/01/2020-01/03/2026" << 3 << "" << "166.67";
    QTest::newRow("left on the 1st of the month before") << "01/01/2020-01/02/2026" << 3 << "Fuori periodo di rapporto"
                                                         << "";
    QTest::newRow("enters on the last day") << "31/03/2026" << 3 << "" << "166.67"; // the 31st counts as the 30th
    QTest::newRow("exit not a date: still employed") << "01/01/2020-presto" << 3 << "" << "5000.00";
    QTest::newRow("second period covers") << "01/01/2020-31/12/2020;01/03/2026" << 3 << "" << "5000.00";
    QTest::newRow("month 0") << "" << 0 << "Mese non valido" << "";
    QTest::newRow("month 13") << "" << 13 << "Mese non valido" << "";
}

void TestConteggioSalario::fuoriPeriodo()
{
    QFETCH(QString, periodi);
    QFETCH(int, mese);
    QFETCH(QString, errore);
    QFETCH(QString, lordo);

    DatiDipendente d = dipendente();
    d.periodi = ::periodi(periodi);
    const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, mese, true, -1);
    QCOMPARE(r.errore, errore);
    QCOMPARE(r.mese, mese);
    QList<StoricoPaghe::PagaMese> salvati;
    StoricoPaghe::caricaAnno(kId, 2026, salvati);
    if (errore.isEmpty()) {
        QCOMPARE(importo(r.lordoContributivo), lordo);
        QCOMPARE(salvati.size(), 1);
    } else {
        QCOMPARE(r.lordoContributivo, 0.0);
        QCOMPARE(r.netto, 0.0);
        QCOMPARE(r.lppDipendente, 0.0);
        QVERIFY(salvati.isEmpty());
    }
}

void TestConteggioSalario::movimenti()
{
    QList<MovimentoStipendio> lista;
    auto movimento = [&lista](const QString& data, const QString& tipo, double importo) {
        MovimentoStipendio m;
        m.data = data;
        m.tipo = tipo;
        m.importo = importo;
        Movimenti::applicaPreset(m);
        lista.append(m);
    };
    movimento(QStringLiteral("2026-03-10"), QStringLiteral("Bonus"), 1000);       // gross and taxable
    movimento(QStringLiteral("2026-03-20"), QStringLiteral("Rimborso km"), 200);  // taxable only
    movimento(QStringLiteral("2026-04-10"), QStringLiteral("Bonus"), 5000);       // other month
    movimento(QStringLiteral("2025-03-10"), QStringLiteral("Bonus"), 5000);       // other year
    movimento(QStringLiteral("10/03/2026"), QStringLiteral("Bonus"), 5000);       // Swiss form: still March
    movimento(QStringLiteral("2026-03-11"), QStringLiteral("Bonus"), -300);       // negative
    QVERIFY(Movimenti::salva(kId, lista));

    const RisultatoConteggio r = ConteggioSalario::genera(kId, dipendente(), 2026, 3, false, -1);
    QCOMPARE(importo(r.lordoContributivo), QStringLiteral("11000.00"));
    QCOMPARE(importo(r.lordoImponibile), QStringLiteral("11200.00"));
    QCOMPARE(importo(r.netto), importo(11200 - r.contributiDipendente - r.lppDipendente));
}

void TestConteggioSalario::soggettoImposta_data()
{
    QTest::addColumn<QString>("permesso");
    QTest::addColumn<QString>("flag"); // "soggettoImpostaFonte"; "<none>": not set
    QTest::addColumn<QString>("tariffa"); // "codiceTariffa"
    QTest::addColumn<QString>("imposta");
    QTest::addColumn<QString>("cantone");
    QTest::addColumn<QString>("rifiuto"); // what the count that saves refuses with; empty: saved

    QTest::newRow("no permit") << "" << "<none>" << "" << "0.00" << "" << "";
    QTest::newRow("C permit") << "C" << "<none>" << "" << "0.00" << "" << "";
    QTest::newRow("Swiss citizen") << "CH" << "<none>" << "" << "0.00" << "" << "";
    QTest::newRow("Swiss citizen, blanks") << " CH " << "<none>" << "" << "0.00" << "" << "";
    QTest::newRow("Swiss citizen, flag 0") << "CH" << "0" << "" << "0.00" << "" << "";
    QTest::newRow("B permit") << "B" << "<none>" << "" << "250.00" << "" << "";
    QTest::newRow("B permit, flag 0") << "B" << "0" << "" << "250.00" << "" << "";
    QTest::newRow("L permit") << "L" << "<none>" << "" << "250.00" << "" << "";
    QTest::newRow("C permit, flag 1") << "C" << "1" << "" << "250.00" << "" << "";
    QTest::newRow("Swiss citizen, flag 1") << "CH" << "1" << "" << "250.00" << "" << "";
    QTest::newRow("tariff B1") << "B" << "<none>" << "B1" << "50.00" << "" << "";
    QTest::newRow("tariff without scale") << "B" << "<none>" << "Z9" << "0.00" << "TI"
                                          << "la tariffa Z9 non si trova nelle tabelle del cantone TI";
    QTest::newRow("canton without tables") << "B" << "<none>" << "" << "0.00" << "BE"
                                           << "mancano le tabelle del cantone BE";
    QTest::newRow("Swiss citizen, canton without tables") << "CH" << "<none>" << "" << "0.00" << "BE" << "";
}

void TestConteggioSalario::soggettoImposta()
{
    QFETCH(QString, permesso);
    QFETCH(QString, flag);
    QFETCH(QString, tariffa);
    QFETCH(QString, imposta);
    QFETCH(QString, cantone);
    QFETCH(QString, rifiuto);

    DatiDipendente d = dipendente();
    if (!cantone.isEmpty())
        d.cantone = cantone;
    d.permessoLavoro = permesso;
    if (flag != QLatin1String("<none>"))
        d.extra.insert(QStringLiteral("soggettoImpostaFonte"), flag);
    if (!tariffa.isEmpty())
        d.extra.insert(QStringLiteral("codiceTariffa"), tariffa);
    const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, 1, false, -1);
    QCOMPARE(importo(r.impostaFonte), imposta);
    QCOMPARE(importo(r.netto), importo(5000 - 335.25 - 139.75 - imposta.toDouble()));
    QCOMPARE(r.scalaImpostaMancante, !rifiuto.isEmpty());

    // The count that saves: a tax without its tariff is refused, naming the
    // canton or the code and the tariff folders; nothing is saved.
    const RisultatoConteggio salvato = ConteggioSalario::genera(kId, d, 2026, 1, true, -1);
    QList<StoricoPaghe::PagaMese> mesi;
    StoricoPaghe::caricaAnno(kId, 2026, mesi);
    QCOMPARE(mesi.size(), rifiuto.isEmpty() ? 1 : 0);
    if (rifiuto.isEmpty()) {
        QCOMPARE(salvato.errore, QString());
        QCOMPARE(importo(salvato.netto), importo(r.netto));
    } else {
        QVERIFY2(salvato.errore.contains(rifiuto), qPrintable(salvato.errore));
        for (const QString& cartella : ImpostaFonte::cartelle())
            QVERIFY(salvato.errore.contains(QDir::toNativeSeparators(cartella)));
        QCOMPARE(salvato.netto, 0.0);
    }
}

void TestConteggioSalario::conguaglioAnnoUguale()
{
    DatiDipendente d = dipendente();
    d.permessoLavoro = QStringLiteral("B");
    double totale = 0;
    for (int m = 1; m <= 12; ++m) {
        const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, m, true, 0);
        QCOMPARE(r.errore, QString());
        QCOMPARE(importo(r.impostaFonte), QStringLiteral("250.00"));
        QCOMPARE(importo(r.netto), QStringLiteral("4275.00"));
        totale += r.impostaFonte;
    }
    QCOMPARE(importo(totale), QStringLiteral("3000.00"));

    // Counting February again after the whole year was saved, at a new salary
    // of 7000, uses only January: the average of 5000 and 7000 is 6000, taxed
    // at 6 % = 360 a month; two months due less the 250 of January.
    d.salarioMensile = 7000;
    const RisultatoConteggio febbraio = ConteggioSalario::genera(kId, d, 2026, 2, false, 0);
    QCOMPARE(importo(febbraio.impostaFonte), QStringLiteral("470.00"));
}

void TestConteggioSalario::conguaglioAumento()
{
    // 5000 up to May, 7000 from June: the tax due to date is the months counted
    // times the tax of the average month.
    DatiDipendente d = dipendente();
    d.permessoLavoro = QStringLiteral("B");
    const QStringList attese = {"250.00", "250.00", "250.00", "250.00", "250.00", "350.00",
                                "545.00", "385.00", "385.00", "685.00", "420.00", "420.00"};
    // The nets: 5000 less 335.25 contributions, 139.75 pension and the tax;
    // 7000 less 469.35 contributions (6.705 %), 239.75 pension (half of 10 %
    // of 84000 - 26460, a twelfth) and the tax.
    const QStringList nettiAttesi = {"4275.00", "4275.00", "4275.00", "4275.00", "4275.00", "5940.90",
                                     "5745.90", "5905.90", "5905.90", "5605.90", "5870.90", "5870.90"};
    QStringList ottenute, netti;
    double totale = 0;
    for (int m = 1; m <= 12; ++m) {
        d.salarioMensile = m < 6 ? 5000 : 7000;
        const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, m, true, 0);
        ottenute.append(importo(r.impostaFonte));
        netti.append(importo(r.netto));
        totale += r.impostaFonte;
    }
    QCOMPARE(ottenute, attese);
    QCOMPARE(netti, nettiAttesi);
    // The year withholds twelve months of tax on the year's average month (6166.67 at 6 %).
    QCOMPARE(importo(totale), QStringLiteral("4440.00"));

    // Conguaglio on its own: two months, the second counted.
    StoricoPaghe::Ytd ytd;
    ytd.mesi = 1;
    ytd.lordoImponibile = 5000;
    ytd.impostaTrattenuta = 250;
    const RisultatoConguaglio g = Conguaglio::calcola(ytd, 7000, 400, 150, QStringLiteral("TI"), QStringLiteral("A0"));
    QCOMPARE(importo(g.impostaAnnua), QStringLiteral("4320.00")); // 12 x 6 % of 6000
    QCOMPARE(importo(g.impostaGiaTrattenuta), QStringLiteral("250.00"));
    QCOMPARE(importo(g.conguaglio), QStringLiteral("470.00"));    // 2 x 360 - 250
    QCOMPARE(importo(g.netto), QStringLiteral("5980.00"));
    QCOMPARE(g.lordo, 7000.0);
    QVERIFY(g.messaggio.isEmpty());
}

void TestConteggioSalario::conguaglioStoricoMalformato()
{
    // Duplicate January (the first counts), a group that names no month and a
    // later month: only the first January is counted for March.
    AmbienteTest::scrivi(StoricoPaghe::percorsoFile(kId, 2026),
                         "[1]\nlordoImponibile=5000\nimpostaTrattenuta=250\n"
                         "[1]\nlordoImponibile=90000\nimpostaTrattenuta=9000\n"
                         "[gennaio]\nlordoImponibile=90000\nimpostaTrattenuta=9000\n"
                         "[4]\nlordoImponibile=90000\nimpostaTrattenuta=9000\n");
    DatiDipendente d = dipendente();
    d.permessoLavoro = QStringLiteral("B");
    const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, 3, false, 0);
    QCOMPARE(importo(r.impostaFonte), QStringLiteral("250.00")); // 2 x 250 - 250
}

void TestConteggioSalario::annoChiuso()
{
    DatiDipendente d = dipendente();
    d.permessoLavoro = QStringLiteral("B");
    QVERIFY(ConteggioSalario::genera(kId, d, 2025, 1, true, 0).errore.isEmpty());
    QVERIFY(VariabiliMensili::salvaAnno(kId, 2025, VariabiliMensili::caricaAnno(kId, 2025)));
    const QString storico = StoricoPaghe::percorsoFile(kId, 2025);
    const QString variabili = VariabiliMensili::percorsoFile(kId, 2025);
    const QByteArray storicoPrima = AmbienteTest::leggi(storico);
    const QByteArray variabiliPrima = AmbienteTest::leggi(variabili);
    QVERIFY(ChiusuraAnnuale::chiudiAnno(2025, QStringLiteral("test"), QString()));

    StoricoPaghe::PagaMese p;
    p.anno = 2025;
    p.mese = 1;
    QVERIFY(!StoricoPaghe::salvaMese(kId, p));
    QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(kId, 2025);
    mesi[0].acconti = 500;
    QVERIFY(!VariabiliMensili::salvaAnno(kId, 2025, mesi));

    // The count still gives its amounts and stores nothing.
    d.salarioMensile = 6000;
    const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2025, 2, true, 0);
    QCOMPARE(r.errore, QString());
    QCOMPARE(importo(r.lordoContributivo), QStringLiteral("6000.00"));
    QVERIFY(r.impostaFonte > 0);
    QCOMPARE(AmbienteTest::leggi(storico), storicoPrima);
    QCOMPARE(AmbienteTest::leggi(variabili), variabiliPrima);
}

void TestConteggioSalario::salvataggioFallito()
{
    QDir().mkpath(StoricoPaghe::percorsoFile(kId, 2026)); // a folder in place of the file
    const RisultatoConteggio r = ConteggioSalario::genera(kId, dipendente(), 2026, 1, true, 0);
    QVERIFY2(r.errore.startsWith(QStringLiteral("Impossibile salvare lo storico paghe: ")), qPrintable(r.errore));
    QCOMPARE(r.netto, 0.0);
    QCOMPARE(r.lordoContributivo, 0.0);
    // Without saving the same count succeeds.
    QVERIFY(ConteggioSalario::genera(kId, dipendente(), 2026, 1, false, 0).errore.isEmpty());
}

void TestConteggioSalario::regoleMese_data()
{
    QTest::addColumn<QString>("nascita");
    QTest::addColumn<QString>("sesso");
    QTest::addColumn<int>("mese");
    QTest::addColumn<double>("salario");   // monthly salary of the card
    QTest::addColumn<double>("oraria");    // above 0: hourly pay at this rate
    QTest::addColumn<int>("grado");
    QTest::addColumn<QString>("figli");    // birth dates, ";" between them
    QTest::addColumn<QByteArray>("variabili");
    // lordoContributivo, contributiDipendente, lppDipendente, assegniFamiliari
    QTest::addColumn<QStringList>("attesi");

    // 30 an hour x 160 h = 4800, with holidays 400 and public holidays 108.95:
    // gross 5308.95, contributions r5(6.705 % of it) = 355.95. The hours'
    // 4800 is the income for the allowance (Ticino, child of 6: 215); the
    // pension's annual salary is 12 x 5308.95: half of 10 % of (63707.40 -
    // 26460) / 12 = 155.1975 -> 155.20.
    QTest::newRow("hourly, Ticino child of 6") << "10/05/1986" << "M" << 3 << 0.0 << 30.0 << 100 << "01/01/2020"
                                               << QByteArray("oreFatte=160\n")
                                               << QStringList{"5308.95", "355.95", "155.20", "215.00"};
    // 20 h = 600 is below the 630 of the allowance; 7200 a year below the
    // pension threshold. Gross 600 + 50 + 13.60; contributions r5(44.49).
    QTest::newRow("hourly, few hours") << "10/05/1986" << "M" << 3 << 0.0 << 30.0 << 100 << "01/01/2020"
                                       << QByteArray("oreFatte=20\n")
                                       << QStringList{"663.60", "44.50", "0.00", "0.00"};
    // After the reference age: AHV 5.3 % and family fund 0.305 % of
    // 3000 - 1400 = 84.80 + 4.88, no unemployment, no pension.
    QTest::newRow("retired at 68") << "10/05/1958" << "M" << 3 << 3000.0 << 0.0 << 100 << "" << QByteArray()
                                   << QStringList{"3000.00", "89.70", "0.00", "0.00"};
    QTest::newRow("retired, below the allowance") << "10/05/1958" << "M" << 3 << 1200.0 << 0.0 << 100 << ""
                                                  << QByteArray() << QStringList{"1200.00", "0.00", "0.00", "0.00"};
    // Before 1 January after the 17th birthday: none of the three.
    QTest::newRow("apprentice of 16") << "10/05/2010" << "M" << 3 << 800.0 << 0.0 << 100 << "" << QByteArray()
                                      << QStringList{"800.00", "0.00", "0.00", "0.00"};
    // The employer's accident premium (1 %) is owed at any age, on the
    // whole gross: 10.00 of 1000 at 16 and past the reference age, where
    // the AHV base is nothing.
    QTest::newRow("16, employer's accident premium") << "10/05/2010" << "M" << 3 << 1000.0 << 0.0 << 100 << ""
                                                     << QByteArray() << QStringList{"1000.00", "0.00", "0.00", "0.00"};
    QTest::newRow("retired, employer's accident premium") << "10/05/1958" << "M" << 3 << 1000.0 << 0.0 << 100 << ""
                                                          << QByteArray() << QStringList{"1000.00", "0.00", "0.00", "0.00"};
    // A birth date after the year is a mistake: counted at working age (and
    // the pension at 40), as without a birth date.
    QTest::newRow("born after the year") << "01/01/2030" << "M" << 1 << 5000.0 << 0.0 << 100 << "" << QByteArray()
                                         << QStringList{"5000.00", "335.25", "139.75", "0.00"};
    // 17 in the year: none yet, also in December; 17 on 31 December of the year before: contributions from
    // January, r5(6.705 % of 800) = 53.65.
    QTest::newRow("17 in May: December") << "10/05/2009" << "M" << 12 << 800.0 << 0.0 << 100 << "" << QByteArray()
                                         << QStringList{"800.00", "0.00", "0.00", "0.00"};
    QTest::newRow("17 on 31 December before") << "31/12/2008" << "M" << 1 << 800.0 << 0.0 << 100 << ""
                                              << QByteArray() << QStringList{"800.00", "53.65", "0.00", "0.00"};
    // 18 in December: contributions from January, r5(6.705 % of 800) = 53.65.
    QTest::newRow("18 at the end of the year") << "20/12/2008" << "M" << 1 << 800.0 << 0.0 << 100 << "" << QByteArray()
                                               << QStringList{"800.00", "53.65", "0.00", "0.00"};
    // 65 on 10 May: May is still a working month (6.705 % of 3000 = 201.15;
    // pension half of 18 % of 9540 / 12 = 71.55), June is retired.
    QTest::newRow("man, 65 in May: May") << "10/05/1961" << "M" << 5 << 3000.0 << 0.0 << 100 << "" << QByteArray()
                                         << QStringList{"3000.00", "201.15", "71.55", "0.00"};
    QTest::newRow("man, 65 in May: June") << "10/05/1961" << "M" << 6 << 3000.0 << 0.0 << 100 << "" << QByteArray()
                                          << QStringList{"3000.00", "89.70", "0.00", "0.00"};
    QTest::newRow("man of 64") << "10/02/1962" << "M" << 9 << 3000.0 << 0.0 << 100 << "" << QByteArray()
                               << QStringList{"3000.00", "201.15", "71.55", "0.00"};
    // A woman born 1962 reaches it at 64 and six months: 10 August 2026.
    QTest::newRow("woman born 1962: August") << "10/02/1962" << "F" << 8 << 3000.0 << 0.0 << 100 << "" << QByteArray()
                                             << QStringList{"3000.00", "201.15", "71.55", "0.00"};
    QTest::newRow("woman born 1962: September") << "10/02/1962" << "f" << 9 << 3000.0 << 0.0 << 100 << ""
                                                << QByteArray() << QStringList{"3000.00", "89.70", "0.00", "0.00"};
    // Born 1960: 64 in 2024.
    QTest::newRow("woman born 1960") << "15/06/1960" << "F" << 1 << 3000.0 << 0.0 << 100 << "" << QByteArray()
                                     << QStringList{"3000.00", "89.70", "0.00", "0.00"};
    // Overtime of monthly staff at 6000 / (42 x 52 / 12) = 6000 / 182 an
    // hour: 10 x 1.25 x 6000 / 182 = 412.09 -> 412.10; contributions
    // r5(6.705 % of 6412.10) = 429.95; the pension stays on the salary.
    QTest::newRow("overtime at 25 %") << "10/05/1986" << "M" << 3 << 6000.0 << 0.0 << 100 << "" << QByteArray("oreExtra25=10\n")
                                      << QStringList{"6412.10", "429.95", "189.75", "0.00"};
    // At 50 %: 3000 / 91 an hour; 4 h at 150 % = 197.80; contributions
    // r5(6.705 % of 3197.80) = 214.40; pension half of 10 % of 9540 / 12.
    QTest::newRow("overtime at 50 %, half time") << "10/05/1986" << "M" << 3 << 3000.0 << 0.0 << 50 << ""
                                                 << QByteArray("oreExtra50=4\noreFatte=100\n")
                                                 << QStringList{"3197.80", "214.40", "39.75", "0.00"};
}

void TestConteggioSalario::regoleMese()
{
    QFETCH(QString, nascita);
    QFETCH(QString, sesso);
    QFETCH(int, mese);
    QFETCH(double, salario);
    QFETCH(double, oraria);
    QFETCH(int, grado);
    QFETCH(QString, figli);
    QFETCH(QByteArray, variabili);
    QFETCH(QStringList, attesi);

    azienda(0, 0);
    DatiDipendente d = dipendente(salario);
    d.dataNascita = nascita;
    d.sesso = sesso;
    d.gradoOccupazione = grado;
    if (oraria > 0) {
        d.tipoPaga = 1;
        d.pagaOraria = oraria;
    }
    for (const QString& data : figli.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        Figlio f;
        f.dataNascita = data;
        d.figli.append(f);
    }
    if (!variabili.isEmpty())
        AmbienteTest::scrivi(VariabiliMensili::percorsoFile(kId, 2026),
                             "[Mese_" + QByteArray::number(mese) + "]\n" + variabili);

    const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, mese, true, -1);
    QCOMPARE(r.errore, QString());
    QCOMPARE((QStringList{importo(r.lordoContributivo), importo(r.contributiDipendente), importo(r.lppDipendente),
                          importo(r.assegniFamiliari)}),
             attesi);
    QCOMPARE(importo(r.netto), importo(r.lordoImponibile - r.contributiDipendente - r.lppDipendente));
    // The employer's accident premium: 1 % of the gross, whatever the age.
    QCOMPARE(importo(r.datore.lainf), importo(r.lordoContributivo / 100.0));
}

void TestConteggioSalario::massimaleAnnuo_data()
{
    QTest::addColumn<double>("salario");
    QTest::addColumn<QString>("entrata");     // first employment period; empty: none
    QTest::addColumn<bool>("premi");          // company premium 10 per mille
    QTest::addColumn<QByteArray>("storico");  // pay history written before
    QTest::addColumn<QByteArray>("variabili");
    QTest::addColumn<int>("primo");           // months counted and saved
    QTest::addColumn<int>("ultimo");
    QTest::addColumn<QStringList>("contributi");
    QTest::addColumn<QStringList>("guadagni"); // insured earnings of unemployment, per month
    QTest::addColumn<QString>("ad");           // the unemployment contributions of the months

    const QString m670 = QStringLiteral("670.50");
    // 10,000 a month (6.705 % = 670.50) and the thirteenth in December:
    // 130,000 stays within 148,200, December bears all of 20,000:
    // 1060 + 220 + 61 = 1341; the year 11 x 670.50 + 1341 = 8716.50.
    QStringList dieciMila;
    QStringList guadagniDieci;
    for (int m = 1; m <= 11; ++m) {
        dieciMila << m670;
        guadagniDieci << QStringLiteral("10000.00");
    }
    QTest::newRow("10,000 with a thirteenth") << 10000.0 << "" << false << QByteArray() << QByteArray() << 1 << 12
                                              << (QStringList(dieciMila) << "1341.00")
                                              << (QStringList(guadagniDieci) << "20000.00") << "1430.00";
    // 9,000 a month, a bonus of 5,000 in March: 32,000 to date within 3 x
    // 12,350: unemployment 1.1 % of 14,000 = 154.00; March 784.70 + 154.
    QTest::newRow("March bonus") << 9000.0 << "" << false << QByteArray()
                                 << QByteArray("[Mese_3]\ntredicesimaGratifica=5000\n") << 1 << 3
                                 << QStringList{"603.45", "603.45", "938.70"}
                                 << QStringList{"9000.00", "9000.00", "14000.00"} << "352.00";
    // The same with January and February saved before the months kept their
    // insured earnings: taken as charged in full below one twelfth.
    QTest::newRow("months saved without the insured earnings")
        << 9000.0 << "" << false << QByteArray("[1]\nlordoImponibile=9000.00\n[2]\nlordoImponibile=9200.00\nassegniFamiliari=200.00\n")
        << QByteArray("[Mese_3]\ntredicesimaGratifica=5000\n") << 3 << 3 << QStringList{"938.70"}
        << QStringList{"14000.00"} << "154.00";
    // 15,000 a month: 12,350 insured each month (795 + 45.75 + 135.85 =
    // 976.60); December's 30,000 adds only the last 12,350 (1590 + 91.50 +
    // 135.85). The year: 1.1 % of 148,200 = 1630.20 exactly.
    QStringList quindici;
    QStringList guadagniQuindici;
    for (int m = 1; m <= 11; ++m) {
        quindici << QStringLiteral("976.60");
        guadagniQuindici << QStringLiteral("12350.00");
    }
    QTest::newRow("15,000 with a thirteenth") << 15000.0 << "" << false << QByteArray() << QByteArray() << 1 << 12
                                              << (QStringList(quindici) << "1817.35")
                                              << (QStringList(guadagniQuindici) << "12350.00") << "1630.20";
    // The company's accident premium follows the same ceiling: 10 per mille
    // of 12,350 = 123.50 a month, December included.
    QStringList conPremio;
    for (int m = 1; m <= 11; ++m)
        conPremio << QStringLiteral("1100.10");
    QTest::newRow("15,000 with the accident premium") << 15000.0 << "" << true << QByteArray() << QByteArray() << 1 << 12
                                                      << (QStringList(conPremio) << "1940.85")
                                                      << (QStringList(guadagniQuindici) << "12350.00") << "1630.20";
    // 6,500 a month, December 13,000 with the thirteenth: 84,500 within the
    // ceiling, every franc insured; the premium 65.00 a month, December's
    // 130.00 (500.825 -> 500.85; 1,001.65).
    QStringList seimila;
    QStringList guadagniSeimila;
    for (int m = 1; m <= 11; ++m) {
        seimila << QStringLiteral("500.85");
        guadagniSeimila << QStringLiteral("6500.00");
    }
    QTest::newRow("6,500 with the accident premium and a thirteenth")
        << 6500.0 << "" << true << QByteArray() << QByteArray() << 1 << 12 << (QStringList(seimila) << "1001.65")
        << (QStringList(guadagniSeimila) << "13000.00") << "929.50";
    // Entry on 1 April: nine months, the ceiling of the year 9/12 of 148,200
    // = 111,150; the thirteenth is 9/12 of 15,000: December 26,250 bears
    // 1391.25 + 80.06 + 135.85 = 1607.15. The year: 1.1 % of 111,150.
    QStringList aprile;
    QStringList guadagniAprile;
    for (int m = 4; m <= 11; ++m) {
        aprile << QStringLiteral("976.60");
        guadagniAprile << QStringLiteral("12350.00");
    }
    QTest::newRow("entry on 1 April") << 15000.0 << "01/04/2026" << false << QByteArray() << QByteArray() << 4 << 12
                                      << (QStringList(aprile) << "1607.15") << (QStringList(guadagniAprile) << "12350.00")
                                      << "1222.65";
    // 12,000 a month and 20,000 in March: 56,000 to date, only 37,050
    // insured: March 13,050 (1696 + 97.60 + 143.55); April catches up to
    // 49,400: 12,350 (636 + 36.60 + 135.85).
    QTest::newRow("bonus above the ceiling") << 12000.0 << "" << false << QByteArray()
                                             << QByteArray("[Mese_3]\ntredicesimaGratifica=20000\n") << 1 << 4
                                             << QStringList{"804.60", "804.60", "1937.15", "808.45"}
                                             << QStringList{"12000.00", "12000.00", "13050.00", "12350.00"} << "543.40";
}

void TestConteggioSalario::massimaleAnnuo()
{
    QFETCH(double, salario);
    QFETCH(QString, entrata);
    QFETCH(bool, premi);
    QFETCH(QByteArray, storico);
    QFETCH(QByteArray, variabili);
    QFETCH(int, primo);
    QFETCH(int, ultimo);
    QFETCH(QStringList, contributi);
    QFETCH(QStringList, guadagni);
    QFETCH(QString, ad);

    azienda(premi ? 10 : 0, premi ? 10 : 0, true);
    DatiDipendente d = dipendente(salario);
    d.mensilitaAggiuntive = 1;
    if (!entrata.isEmpty())
        d.periodi.append({entrata, QString()});
    if (!storico.isEmpty())
        AmbienteTest::scrivi(StoricoPaghe::percorsoFile(kId, 2026), storico);
    if (!variabili.isEmpty())
        AmbienteTest::scrivi(VariabiliMensili::percorsoFile(kId, 2026), variabili);

    QStringList ottenuti;
    for (int m = primo; m <= ultimo; ++m) {
        const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, m, true, -1);
        QCOMPARE(r.errore, QString());
        ottenuti << importo(r.contributiDipendente);
    }
    QCOMPARE(ottenuti, contributi);

    // What each saved month charged, read back from the pay history.
    QList<StoricoPaghe::PagaMese> mesi;
    QVERIFY(StoricoPaghe::caricaAnno(kId, 2026, mesi));
    QStringList insured;
    double totale = 0;
    double datore = 0;
    for (const StoricoPaghe::PagaMese& p : qAsConst(mesi)) {
        if (p.mese < primo)
            continue;
        QVERIFY(p.guadagniAssicurati);
        QCOMPARE(importo(p.lordoSoggettoLAINF), importo(p.lordoSoggettoAD));
        QCOMPARE(importo(p.guadagnoAssicuratoLAINF), importo(p.guadagnoAssicuratoAD));
        // The employer's accident premium (1 %) on the same insured earnings
        // as the employee's, a thirteenth's month included.
        QCOMPARE(importo(p.datore.lainf), importo(p.guadagnoAssicuratoLAINF / 100.0));
        if (premi)
            QCOMPARE(importo(p.dettaglio.infortuni.importo), importo(p.guadagnoAssicuratoLAINF / 100.0));
        insured << importo(p.guadagnoAssicuratoAD);
        totale += p.guadagnoAssicuratoAD;
        datore += p.datore.lainf;
    }
    QCOMPARE(insured, guadagni);
    QCOMPARE(importo(totale * 1.1 / 100.0), ad);
    QCOMPARE(importo(datore), importo(totale / 100.0));
}

// What the count stores for the slip explains its totals: the salary items
// make up the taxable gross less the allowances, the contributions deducted
// make up the employee contributions (to the rounding to 0.05), the other
// items the rest of the net.
void TestConteggioSalario::righeSalvate_data()
{
    QTest::addColumn<bool>("orario");
    QTest::addColumn<QStringList>("voci"); // description|amount
    QTest::addColumn<QStringList>("altre");

    // 6000 + 6000 (thirteenth) + 500 + 300 (movement) + 120 insurance refund
    // - 200 absences; 4 overtime hours at 6000 / 182 x 1.25 = 164.835, to
    // 0.05: 164.85; expenses 150, advance 400.
    QTest::newRow("monthly, December")
        << false
        << QStringList{"Salario mensile|6000.00", "13a mensilità|6000.00", "Ore straordinarie 25% (4.00 h)|164.85",
                       "Bonus|500.00",
                       "Deduzione assenze|-200.00", "Rimborso assicurativo|120.00", "Premio|300.00"}
        << QStringList{"Rimborso spese|150.00", "Acconto|-400.00"};
    // 30 an hour: 160 h = 4800, 4 h at 25 % = 150; base 4950; holidays
    // 4 weeks / 48 = 412.50; public holidays 2.27 % = 112.35 (r5 of 112.365).
    QTest::newRow("hourly")
        << true
        << QStringList{"Salario orario (160.00 h x 30.00)|4800.00", "Ore straordinarie 25% (4.00 h)|150.00",
                       "Indennità vacanze|412.50", "Indennità giorni festivi (2.27%)|112.35", "Premio|300.00"}
        << QStringList{"Rimborso spese|150.00", "Acconto|-400.00"};
}

void TestConteggioSalario::righeSalvate()
{
    QFETCH(bool, orario);
    QFETCH(QStringList, voci);
    QFETCH(QStringList, altre);
    azienda(11.2, 9.4);
    DatiDipendente d = dipendente(orario ? 0 : 6000);
    d.mensilitaAggiuntive = orario ? 0 : 1;
    d.tipoPaga = orario ? 1 : 0;
    d.pagaOraria = orario ? 30 : 0;
    QList<VariabileMese> v = VariabiliMensili::caricaAnno(kId, 2026);
    VariabileMese& dicembre = v[11];
    dicembre.oreFatte = 160;
    dicembre.oreExtra25 = 4;
    dicembre.tredicesimaGratifica = 500;
    dicembre.tredicesimaGratificaDesc = QStringLiteral("Bonus");
    dicembre.deduzioneAssenze = 200;
    dicembre.rimborsoAssicurativo = 120;
    dicembre.rimborsoSpese = 150;
    dicembre.acconti = 400;
    QVERIFY(VariabiliMensili::salvaAnno(kId, 2026, v));
    MovimentoStipendio m;
    m.data = QStringLiteral("2026-12-10");
    m.tipo = QStringLiteral("Premio");
    m.importo = 300;
    QVERIFY(Movimenti::salva(kId, {m}));

    const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, 12, true, 1);
    QVERIFY(r.errore.isEmpty());
    StoricoPaghe::PagaMese p;
    QVERIFY(StoricoPaghe::caricaMese(kId, 2026, 12, &p));
    const StoricoPaghe::Dettaglio& x = p.dettaglio;
    QVERIFY(x.presente);

    QStringList lette;
    double somma = 0;
    for (const StoricoPaghe::Voce& voce : x.vociSalario) {
        lette << voce.descrizione + QLatin1Char('|') + importo(voce.importo);
        somma += voce.importo;
    }
    QCOMPARE(lette, voci);
    QCOMPARE(importo(somma), importo(p.lordoImponibile - p.assegniFamiliari));

    const double contributi = x.avs.importo + x.ad.importo + x.caf.importo + x.infortuni.importo;
    QVERIFY2(qAbs(contributi - p.contributiDipendente) < 0.05, qPrintable(importo(contributi)));
    for (const StoricoPaghe::Trattenuta* t : {&x.avs, &x.ad, &x.caf})
        QVERIFY(qAbs(t->imponibile * t->aliquota / 100 - t->importo) < 0.005);
    QCOMPARE(x.avs.aliquota, 5.3);
    QCOMPARE(x.caf.aliquota, 0.305);
    QCOMPARE(x.infortuni.aliquota, 1.12);
    QCOMPARE(x.aliquotaLpp, p.lppDipendente > 0 ? 5.0 : 0.0); // half the 10 % credit at 40

    lette.clear();
    double aggiunte = 0;
    for (const StoricoPaghe::Voce& voce : x.altreVoci) {
        lette << voce.descrizione + QLatin1Char('|') + importo(voce.importo);
        aggiunte += voce.importo;
    }
    QCOMPARE(lette, altre);
    QVERIFY(qAbs(p.lordoImponibile - p.contributiDipendente - p.lppDipendente - p.impostaTrattenuta + aggiunte
                 - p.netto) < 0.03);
}

// A damaged record never becomes a pay: the count reports the field, and
// the pay history is not written.
void TestConteggioSalario::datiDanneggiati_data()
{
    QTest::addColumn<QString>("guasto");
    QTest::addColumn<QString>("errore"); // part of the error
    QTest::newRow("salary inf") << "salario" << "importo non valido";
    QTest::newRow("salary NaN") << "salarioNaN" << "importo non valido";
    QTest::newRow("company rate nan") << "azienda" << "lainfINPuomoPerMille";
    QTest::newRow("variables refund inf") << "variabili" << "Mese_3/rimborsoSpese";
    QTest::newRow("variables text in amounts") << "testo" << "Mese_3/importiImponibili";
    QTest::newRow("movement amount 1e309") << "movimento" << "importo";
    // A canton's header lost its "]": no allowance is counted from the table.
    QTest::newRow("allowance table damaged") << "assegni" << "assegni_familiari.ini, riga 3: intestazione di gruppo";
    QTest::newRow("year parameters damaged") << "parametri" << "datoteca_2026.ini, riga 2: valore non valido per AVS";
}

void TestConteggioSalario::datiDanneggiati()
{
    QFETCH(QString, guasto);
    QFETCH(QString, errore);
    azienda(10, 20);
    DatiDipendente d = dipendente();
    if (guasto == QLatin1String("salario"))
        d.salarioMensile = qInf();
    else if (guasto == QLatin1String("salarioNaN"))
        d.salarioMensile = qQNaN();
    else if (guasto == QLatin1String("azienda"))
        AmbienteTest::scrivi(Config::cartellaDati() + QStringLiteral("/Alfa.txt"),
                             "Alfa SA\n\n\n\n\n\nlainfINPuomoPerMille=nan\n");
    else if (guasto == QLatin1String("variabili"))
        AmbienteTest::scrivi(VariabiliMensili::percorsoFile(kId, 2026), "[Mese_3]\nrimborsoSpese=inf\n");
    else if (guasto == QLatin1String("testo"))
        AmbienteTest::scrivi(VariabiliMensili::percorsoFile(kId, 2026), "[Mese_3]\nimportiImponibili=molto\n");
    else if (guasto == QLatin1String("movimento"))
        AmbienteTest::scrivi(Movimenti::percorsoFile(kId),
                             "data=2026-03-15\ntipo=Gratifica\nimporto=1e309\n");
    else if (guasto == QLatin1String("assegni")) {
        AmbienteTest::scrivi(Config::cartellaDatiPredefinita() + QStringLiteral("/assegni_familiari.ini"),
                             "[TI]\nfigli=200\n[ZH\nfigli=215\n");
        Figlio f;
        f.dataNascita = QStringLiteral("01/01/2018");
        d.figli.append(f);
    } else {
        AmbienteTest::scrivi(Config::cartellaDatiPredefinita() + QStringLiteral("/datoteca_2026.ini"),
                             "[AVS]\naliquotaDipendente=5,3\naliquotaDatore=5.3\n");
        Datoteca::carica(2025);
    }

    const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, 3, true, 0);
    QVERIFY2(r.errore.contains(errore), qPrintable(r.errore));
    QCOMPARE(r.netto, 0.0);
    QVERIFY(!QFileInfo::exists(StoricoPaghe::percorsoFile(kId, 2026)));
    Datoteca::carica(2025);
}

// Each child's allowance for the month's days, to the centime, adding up to
// the month's; the centime the rounding leaves goes to the largest.
void TestConteggioSalario::figliPerGiorni_data()
{
    QTest::addColumn<QList<double>>("mese"); // each child's allowance for a whole month
    QTest::addColumn<int>("giorni");
    QTest::addColumn<QStringList>("attesi");

    QTest::newRow("whole month") << QList<double>{215, 268} << 30 << QStringList{"215.00", "268.00"};
    QTest::newRow("20 days, two alike: the last") << QList<double>{215, 215} << 20
                                                  << QStringList{"143.33", "143.34"};
    // 400 for one day: 13.33; 6.67 + 6.67 would leave -0.01 to the third.
    QTest::newRow("one day, a child of 0 last") << QList<double>{200, 200, 0} << 1
                                                << QStringList{"6.67", "6.66", "0.00"};
    QTest::newRow("one day, the largest first") << QList<double>{268, 215, 215} << 1
                                                << QStringList{"8.93", "7.17", "7.17"};
}

void TestConteggioSalario::figliPerGiorni()
{
    QFETCH(QList<double>, mese);
    QFETCH(int, giorni);
    AssegniFamiliari::Risultato a;
    for (const double importo : mese) {
        AssegniFamiliari::DettaglioFiglio f;
        f.importo = importo;
        a.dettagli << f;
        a.totale += importo;
    }
    QStringList ottenuti;
    for (const AssegniFamiliari::DettaglioFiglio& f : ConteggioSalario::figliPerGiorni(a, giorni))
        ottenuti << importo(f.importo);
    QTEST(ottenuti, "attesi");
}

// A month begun or ended during the employment pays its days on a 30-day
// month: salary, allowances and (monthly pay) pension. 6000 a month, age 30
// (pension credit 7 %, the employee half: (72000 - 26460) x 3.5 % / 12 =
// 132.825 a whole month), a child in Ticino (215), contributions 6.705 %.
void TestConteggioSalario::giorniDelMese_data()
{
    QTest::addColumn<QString>("periodi");
    QTest::addColumn<int>("mese");
    QTest::addColumn<double>("oraria"); // above 0: hourly pay at this rate, 80 h in the month
    QTest::addColumn<QString>("attesi"); // days, gross, contributions, allowances, pension, net
    QTest::addColumn<QString>("voce");   // the first salary line as saved

    // 30 - 16 + 1 = 15 days: 3000; r5(201.15); 107.50; r5(66.4125) = 66.40;
    // net 3000 + 107.50 - 201.15 - 66.40.
    const QString quindici("15 3000.00 201.15 107.50 66.40 2839.95");
    QTest::newRow("entry 16/03") << "16/03/2026" << 3 << 0.0 << quindici << "Salario mensile (15/30)|3000.00";
    QTest::newRow("exit 15/10") << "01/01/2020-15/10/2026" << 10 << 0.0 << quindici << "Salario mensile (15/30)|3000.00";
    // 30 - 15 + 1 = 16 days: 3200; r5(214.56) = 214.55; 114.67; r5(70.84) =
    // 70.85; net r5(3200 + 114.6667 - 214.55 - 70.85) = 3029.25.
    QTest::newRow("entry 15/02") << "15/02/2026" << 2 << 0.0
                                 << "16 3200.00 214.55 114.67 70.85 3029.25" << "Salario mensile (16/30)|3200.00";
    // The month's last day counts as the 30th: the whole month, r5(402.30),
    // r5(132.825) = 132.85 (halves go up).
    QTest::newRow("exit 28/02: whole month") << "01/01/2020-28/02/2026" << 2 << 0.0
                                             << "30 6000.00 402.30 215.00 132.85 5679.85" << "Salario mensile|6000.00";
    // 17 - 6 + 1 = 12 days: 2400; r5(160.92) = 160.90; 86; r5(53.13) = 53.15.
    QTest::newRow("entry and exit in the month") << "06/04/2026-17/04/2026" << 4 << 0.0 << "12 2400.00 160.90 86.00 53.15 2271.95"
                                                 << "Salario mensile (12/30)|2400.00";
    // 10 days to the 10th and 30 - 21 + 1 = 10 from the 21st: 20 days, 4000;
    // 268.20; 143.33; r5(88.55); net r5(4000 + 143.3333 - 268.20 - 88.55).
    QTest::newRow("two periods in one month") << "01/01/2020-10/05/2026;21/05/2026" << 5 << 0.0
                                              << "20 4000.00 268.20 143.33 88.55 3786.60"
                                              << "Salario mensile (20/30)|4000.00";
    // Hourly pay: the hours as today (80 h x 30 = 2400, holidays 200, public
    // holidays r5(54.48) = 54.50: 2654.50, contributions r5(177.98) = 178.00),
    // the allowance for 15 days, the pension on 12 x 2654.50 as the month is
    // (5394 x 3.5 % / 12 = 15.7325 -> 15.75).
    QTest::newRow("hourly, entry 16/03") << "16/03/2026" << 3 << 30.0 << "15 2654.50 178.00 107.50 15.75 2568.25"
                                         << "Salario orario (80.00 h x 30.00)|2400.00";
}

void TestConteggioSalario::giorniDelMese()
{
    QFETCH(QString, periodi);
    QFETCH(int, mese);
    QFETCH(double, oraria);
    QFETCH(QString, attesi);
    QFETCH(QString, voce);

    azienda(0, 0);
    DatiDipendente d = dipendente(6000);
    d.dataNascita = QStringLiteral("10/05/1996");
    d.periodi = ::periodi(periodi);
    Figlio f;
    f.dataNascita = QStringLiteral("01/01/2020");
    d.figli.append(f);
    if (oraria > 0) {
        d.tipoPaga = 1;
        d.pagaOraria = oraria;
        AmbienteTest::scrivi(VariabiliMensili::percorsoFile(kId, 2026),
                             "[Mese_" + QByteArray::number(mese) + "]\noreFatte=80\n");
    }
    const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, mese, true, 0);
    QCOMPARE(r.errore, QString());
    StoricoPaghe::PagaMese p;
    QVERIFY(StoricoPaghe::caricaMese(kId, 2026, mese, &p));
    QVERIFY(!p.dettaglio.vociSalario.isEmpty());
    const auto& prima = p.dettaglio.vociSalario.first();
    QCOMPARE((QStringList{QString::number(r.giorni), importo(r.lordoContributivo), importo(r.contributiDipendente),
                          importo(r.assegniFamiliari), importo(r.lppDipendente), importo(r.netto)}),
             attesi.split(QLatin1Char(' ')));
    QCOMPARE(prima.descrizione + QLatin1Char('|') + importo(prima.importo), voce);
}

// The withholding tax by the canton's model. ZH (monthly model, generated
// scale: 0.5 % for every 500 francs) taxes each month on its own at the
// rate of its taxable gross; GE (annual model, the real 2026 file, A0N)
// recomputes the year so far at the rate of its average month.
void TestConteggioSalario::modelliImposta_data()
{
    QTest::addColumn<QString>("cantone");
    QTest::addColumn<double>("salario");   // 0: hourly pay at 30
    QTest::addColumn<double>("aumento");   // above 0: the salary from February
    QTest::addColumn<QString>("entrata");  // the employment: "entry" or "entry-exit"
    QTest::addColumn<int>("mensilita");
    QTest::addColumn<QByteArray>("variabili");
    QTest::addColumn<QString>("annuali");  // the year's annual-model cantons; "<default>": as built in
    QTest::addColumn<int>("primo");        // months counted and saved
    QTest::addColumn<int>("ultimo");
    QTest::addColumn<QStringList>("imposte");
    QTest::addColumn<QString>("aliquota"); // the rate stored for the last month (0: none)
    QTest::addColumn<QString>("movimenti"); // "kind=amount;..." paid on the 10th of the last month

    const QByteArray bonus("[Mese_2]\ntredicesimaGratifica=10000\n");
    // January 6000 at 6 % = 360; February 16,000 at 16 % = 2560; March 360.
    QTest::newRow("ZH bonus month at its own rate") << "ZH" << 6000.0 << 0.0 << "" << 0 << bonus << "<default>" << 1
                                                    << 3 << QStringList{"360.00", "2560.00", "360.00"} << "6" << QString();
    // 5000 at 5 % = 250, then 7000 at 7 % = 490.
    QTest::newRow("ZH raise") << "ZH" << 5000.0 << 7000.0 << "" << 0 << QByteArray() << "<default>" << 1 << 2
                              << QStringList{"250.00", "490.00"} << "7" << QString();
    // December: 6000 + the thirteenth 6000 = 12,000 at 12 % = 1440.
    QTest::newRow("ZH December with the thirteenth") << "ZH" << 6000.0 << 0.0 << "" << 1 << QByteArray() << "<default>"
                                                     << 11 << 12 << QStringList{"360.00", "1440.00"} << "12" << QString();
    // 30 an hour with holidays 4/48 and public holidays 2.27 %: 100 h =
    // 3318.10 at 3 % = 99.54 -> 99.55; 180 h = 5400 + 450 + 122.60 = 5972.60
    // at 5.5 % = 328.49 -> 328.50; 150 h = 4977.15 at 4.5 % = 223.97 -> 223.95.
    QTest::newRow("ZH hourly, other hours each month")
        << "ZH" << 0.0 << 0.0 << "" << 0 << QByteArray("[Mese_1]\noreFatte=100\n[Mese_2]\noreFatte=180\n[Mese_3]\noreFatte=150\n")
        << "<default>" << 1 << 3 << QStringList{"99.55", "328.50", "223.95"} << "4.5" << QString();
    // 15 days of March: 3000 at the rate of 6000 (6 %) = 180; April 360.
    QTest::newRow("ZH entry on 16 March") << "ZH" << 6000.0 << 0.0 << "16/03/2026" << 0 << QByteArray() << "<default>"
                                          << 3 << 4 << QStringList{"180.00", "360.00"} << "6" << QString();
    // Exit on 15 September, 15 days: 3000. A bonus of the month is no pay
    // of days: rate of 3000 x 30 / 15 + 1000 = 7000 (7 %) on the 4000 paid
    // = 280 (not 8 % of 8000); August, a whole month, 6000 at 6 % = 360.
    QTest::newRow("ZH exit on 15 September with a bonus")
        << "ZH" << 6000.0 << 0.0 << "01/01/2020-15/09/2026" << 0 << QByteArray("[Mese_9]\ntredicesimaGratifica=1000\n")
        << "<default>" << 8 << 9 << QStringList{"360.00", "280.00"} << "7" << QString();
    // Without it: 3000 at the rate of 6000 (6 %) = 180.
    QTest::newRow("ZH exit on 15 September") << "ZH" << 6000.0 << 0.0 << "01/01/2020-15/09/2026" << 0 << QByteArray()
                                             << "<default>" << 8 << 9 << QStringList{"360.00", "180.00"} << "6" << QString();
    // Movements of the month: a bonus is paid once, a flat expense
    // allowance every month. 3000 + 1000 + 300 = 4300 paid at the rate of
    // 3300 x 30 / 15 + 1000 = 7600 (7.5 %) = 322.50 (not 8.5 % of 8600).
    QTest::newRow("ZH exit on 15 September, a bonus and a flat allowance")
        << "ZH" << 6000.0 << 0.0 << "01/01/2020-15/09/2026" << 0 << QByteArray() << "<default>" << 9 << 9
        << QStringList{"322.50"} << "7.5" << "Bonus=1000;Spese forfettarie=300";
    // The year's parameters make ZH an annual-model canton: February is the
    // adjustment, 2 x 11 % of 11,000 - 360 = 2060; March 3 x 9 % of
    // 9333.33 - 2420 = 100.
    QTest::newRow("ZH annual by the year's parameters") << "ZH" << 6000.0 << 0.0 << "" << 0 << bonus << "GE, ZH" << 1
                                                        << 3 << QStringList{"360.00", "2060.00", "100.00"} << "0" << QString();
    // The year's parameters make every canton monthly: TI as ZH.
    QTest::newRow("TI monthly by the year's parameters") << "TI" << 6000.0 << 0.0 << "" << 0 << bonus << "" << 1 << 3
                                                         << QStringList{"360.00", "2560.00", "360.00"} << "6" << QString();
    // A canton typed in lower case or with blanks is the same canton: as
    // "ZH raise" and "GE the year adjusted" below.
    QTest::newRow("zh in lower case, raise") << " zh" << 5000.0 << 7000.0 << "" << 0 << QByteArray() << "<default>"
                                             << 1 << 2 << QStringList{"250.00", "490.00"} << "7" << QString();
    QTest::newRow("ge in lower case, the year adjusted") << "ge " << 6000.0 << 0.0 << "" << 0 << bonus << "<default>"
                                                         << 1 << 3 << QStringList{"592.20", "3055.40", "471.20"} << "0" << QString();
    // GE: January 9.87 % of 6000 = 592.20; February 2 x 16.58 % of 11,000 -
    // 592.20 = 3055.40; March 3 x 14.71 % of 9333.33 = 4118.80 - 3647.60 =
    // 471.20.
    QTest::newRow("GE the year adjusted") << "GE" << 6000.0 << 0.0 << "" << 0 << bonus << "<default>" << 1 << 3
                                          << QStringList{"592.20", "3055.40", "471.20"} << "0" << QString();
    // 15 days of March: 3000 at the rate of 6000 (9.87 %) = 296.10 (not 1.82 %
    // of 3000); April: 1.5 months, average 9000 / 1.5 = 6000: 1.5 x 592.20 -
    // 296.10 = 592.20.
    QTest::newRow("GE entry on 16 March") << "GE" << 6000.0 << 0.0 << "16/03/2026" << 0 << QByteArray() << "<default>"
                                          << 3 << 4 << QStringList{"296.10", "592.20"} << "0" << QString();
}

void TestConteggioSalario::modelliImposta()
{
    QFETCH(QString, cantone);
    QFETCH(double, salario);
    QFETCH(double, aumento);
    QFETCH(QString, entrata);
    QFETCH(int, mensilita);
    QFETCH(QByteArray, variabili);
    QFETCH(QString, annuali);
    QFETCH(int, primo);
    QFETCH(int, ultimo);
    QFETCH(QStringList, imposte);
    QFETCH(QString, aliquota);
    QFETCH(QString, movimenti);

    azienda(0, 0, true);
    Datoteca::carica(2001); // the count loads 2026 afresh
    if (annuali != QLatin1String("<default>"))
        AmbienteTest::scrivi(Config::cartellaDatiPredefinita() + QStringLiteral("/datoteca_2026.ini"),
                             "[IMPOSTA_FONTE]\ncantoniModelloAnnuale=" + annuali.toUtf8() + "\n");
    DatiDipendente d = dipendente(salario);
    d.cantone = cantone;
    d.permessoLavoro = QStringLiteral("B");
    d.mensilitaAggiuntive = mensilita;
    if (salario == 0) {
        d.tipoPaga = 1;
        d.pagaOraria = 30;
    }
    d.periodi = ::periodi(entrata);
    if (!variabili.isEmpty())
        AmbienteTest::scrivi(VariabiliMensili::percorsoFile(kId, 2026), variabili);
    QList<MovimentoStipendio> pagati;
    for (const QString& voce : movimenti.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        MovimentoStipendio m;
        m.data = QStringLiteral("2026-%1-10").arg(ultimo, 2, 10, QLatin1Char('0'));
        m.tipo = voce.section(QLatin1Char('='), 0, 0);
        m.importo = voce.section(QLatin1Char('='), 1).toDouble();
        Movimenti::applicaPreset(m);
        pagati.append(m);
    }
    if (!pagati.isEmpty())
        QVERIFY(Movimenti::salva(kId, pagati));

    QStringList ottenute;
    RisultatoConteggio r;
    for (int m = primo; m <= ultimo; ++m) {
        if (aumento > 0 && m >= 2)
            d.salarioMensile = aumento;
        r = ConteggioSalario::genera(kId, d, 2026, m, true, -1);
        QCOMPARE(r.errore, QString());
        ottenute << importo(r.impostaFonte);
        QCOMPARE(importo(r.netto), importo(Importi::arrotonda5(r.lordoImponibile - r.contributiDipendente
                                                                 - r.lppDipendente - r.impostaFonte)));
    }
    Datoteca::carica(2001);
    QCOMPARE(ottenute, imposte);
    // The slip's rate is the tariff's, stored with the month.
    QCOMPARE(QString::number(r.aliquotaImposta), aliquota);
    StoricoPaghe::PagaMese p;
    QVERIFY(StoricoPaghe::caricaMese(kId, 2026, ultimo, &p));
    QCOMPARE(QString::number(p.dettaglio.aliquotaImposta), aliquota);
    QCOMPARE(importo(p.impostaTrattenuta), imposte.last());
}

// Monthly pay takes the salary of the salary period in force in the month,
// else the card's (5000); a history that does not read stops the count.
void TestConteggioSalario::salarioDelloStorico_data()
{
    QTest::addColumn<QByteArray>("storico"); // the history file; "<cartella>": a folder in its place
    QTest::addColumn<int>("mese");
    QTest::addColumn<QString>("lordo");      // empty: not counted
    QTest::addColumn<QString>("errore");     // found in the reason

    const QByteArray aumento("periodo1.dataInizio=01/01/2026\nperiodo1.dataFine=30/06/2026\n"
                             "periodo1.salarioMensile=7350.50\n"
                             "periodo2.dataInizio=01/07/2026\nperiodo2.dataFine=31/12/2026\n"
                             "periodo2.salarioMensile=7800.00\n");
    QTest::newRow("no history: the card's") << QByteArray() << 8 << "5000.00" << "";
    QTest::newRow("history without periods: the card's") << QByteArray("# vuoto\n") << 8 << "5000.00" << "";
    QTest::newRow("raise from July: June") << aumento << 6 << "7350.50" << "";
    QTest::newRow("raise from July: August") << aumento << 8 << "7800.00" << "";
    // December with the thirteenth (one extra salary) on the period's salary: 7800 x 12 / 12.
    QTest::newRow("raise from July: December's thirteenth") << aumento << 12 << "15600.00" << "";
    QTest::newRow("raise from the 15th: that month the new salary")
        << QByteArray("periodo1.dataInizio=01/01/2026\nperiodo1.dataFine=14/07/2026\nperiodo1.salarioMensile=7350.50\n"
                      "periodo2.dataInizio=15/07/2026\nperiodo2.salarioMensile=7800.00\n")
        << 7 << "7800.00" << "";
    // The last period ends on 15/08: August is still its month (9,000, not
    // the card's 5,000).
    QTest::newRow("last period ends mid-month: that month its salary")
        << QByteArray("periodo1.dataInizio=01/01/2026\nperiodo1.dataFine=15/08/2026\nperiodo1.salarioMensile=9000\n")
        << 8 << "9000.00" << "";
    QTest::newRow("last period ends on the 1st: that month its salary")
        << QByteArray("periodo1.dataInizio=01/01/2026\nperiodo1.dataFine=01/08/2026\nperiodo1.salarioMensile=9000\n")
        << 8 << "9000.00" << "";
    QTest::newRow("no period covers the month: the card's")
        << QByteArray("periodo1.dataInizio=01/01/2025\nperiodo1.dataFine=31/12/2025\nperiodo1.salarioMensile=9000\n")
        << 8 << "5000.00" << "";
    QTest::newRow("a salary that does not read")
        << QByteArray("periodo1.dataInizio=01/01/2026\nperiodo1.salarioMensile=molto\n") << 8 << ""
        << "periodo1.salarioMensile";
    QTest::newRow("a folder in place of the file") << QByteArray("<cartella>") << 8 << "" << "Rossi_Mario.txt";
}

void TestConteggioSalario::salarioDelloStorico()
{
    QFETCH(QByteArray, storico);
    QFETCH(int, mese);
    QFETCH(QString, lordo);
    QFETCH(QString, errore);

    azienda(0, 0, true);
    const QString file = StoricoStipendi::percorsoFile(kId);
    if (storico == "<cartella>")
        QVERIFY(QDir().mkpath(file));
    else if (!storico.isEmpty())
        AmbienteTest::scrivi(file, storico);
    DatiDipendente d = dipendente(5000);
    d.mensilitaAggiuntive = mese == 12 ? 1 : 0;
    const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, mese, true, -1);
    QVERIFY2(r.errore.contains(errore), qPrintable(r.errore));
    if (!lordo.isEmpty()) {
        QCOMPARE(importo(r.lordoContributivo), lordo);
        return;
    }
    QCOMPARE(r.netto, 0.0);
    QVERIFY(!QFileInfo::exists(StoricoPaghe::percorsoFile(kId, 2026)));
}

VARDELLO_TEST_MAIN(TestConteggioSalario)
#include "tst_conteggiosalario.moc"
