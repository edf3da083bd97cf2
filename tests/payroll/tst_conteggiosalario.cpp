#include "ambientetest.h"
#include "azienda.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "conteggiosalario.h"
#include "impostafonte.h"
#include "movimenti.h"
#include "storicopaghe.h"
#include "variabilimensili.h"

#include <QDir>
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
// TI B1N: a flat 1 %.
void caricaTariffe()
{
    static QTemporaryDir cartella;
    QByteArray testo;
    for (int k = 0; k <= 40; ++k)
        testo += record(QStringLiteral("TI"), QStringLiteral("A0N"), k * 500.0, k * 0.5);
    testo += record(QStringLiteral("TI"), QStringLiteral("B1N"), 0, 1);
    AmbienteTest::scrivi(cartella.path() + QStringLiteral("/tar26ti.txt"), testo);
    QVERIFY(ImpostaFonte::caricaDa(cartella.path()));
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
    void salvataggioFallito();
    void datiDanneggiati_data();
    void datiDanneggiati();
};

void TestConteggioSalario::mensile_data()
{
    QTest::addColumn<double>("salario");
    QTest::addColumn<int>("mese");
    QTest::addColumn<int>("mensilita");
    QTest::addColumn<int>("tredicesima");
    QTest::addColumn<bool>("tredicesimaAzienda");
    QTest::addColumn<QString>("entrata");
    QTest::addColumn<int>("grado");
    QTest::addColumn<QString>("sesso");
    QTest::addColumn<QString>("nascita");
    QTest::addColumn<QByteArray>("variabili"); // INI text of the month's group
    QTest::addColumn<QString>("figlio");
    QTest::addColumn<bool>("premi");           // company premium 10 per mille men, 20 women
    // lordoContributivo, lordoImponibile, contributi, lpp, assegni, tredicesima, aggiunte, netto
    QTest::addColumn<QStringList>("attesi");

    // 5000 a month, age 40: contributions 265 + 55 + 15.25; pension half of
    // 10 % of 33540 a year.
    QTest::newRow("plain January") << 5000.0 << 1 << 0 << -1 << true << "" << 100 << "M" << "10/05/1986" << QByteArray()
                                   << "" << false
                                   << QStringList{"5000.00", "5000.00", "335.25", "139.75", "0.00", "0.00", "0.00", "4525.00"};
    QTest::newRow("no birth date: age 40") << 5000.0 << 1 << 0 << -1 << true << "" << 100 << "M" << "" << QByteArray()
                                           << "" << false
                                           << QStringList{"5000.00", "5000.00", "335.25", "139.75", "0.00", "0.00", "0.00", "4525.00"};
    QTest::newRow("age 50: 15 %") << 5000.0 << 1 << 0 << -1 << true << "" << 100 << "M" << "01/01/1976" << QByteArray()
                                  << "" << false
                                  << QStringList{"5000.00", "5000.00", "335.25", "209.65", "0.00", "0.00", "0.00", "4455.10"};
    QTest::newRow("premium, man") << 5000.0 << 1 << 0 << -1 << true << "" << 100 << "M" << "10/05/1986" << QByteArray()
                                  << "" << true
                                  << QStringList{"5000.00", "5000.00", "385.25", "139.75", "0.00", "0.00", "0.00", "4475.00"};
    QTest::newRow("premium, woman") << 5000.0 << 1 << 0 << -1 << true << "" << 100 << "f" << "10/05/1986" << QByteArray()
                                    << "" << true
                                    << QStringList{"5000.00", "5000.00", "435.25", "139.75", "0.00", "0.00", "0.00", "4425.00"};
    QTest::newRow("18 % employment: no premium") << 5000.0 << 1 << 0 << -1 << true << "" << 18 << "M" << "10/05/1986"
                                                 << QByteArray() << "" << true
                                                 << QStringList{"5000.00", "5000.00", "335.25", "139.75", "0.00", "0.00", "0.00", "4525.00"};
    QTest::newRow("19 % employment: premium") << 5000.0 << 1 << 0 << -1 << true << "" << 19 << "M" << "10/05/1986"
                                              << QByteArray() << "" << true
                                              << QStringList{"5000.00", "5000.00", "385.25", "139.75", "0.00", "0.00", "0.00", "4475.00"};
    // Premium on at most 148200 / 12; unemployment insurance on at most the same.
    QTest::newRow("premium and unemployment capped") << 15000.0 << 1 << 0 << -1 << true << "" << 100 << "M" << "10/05/1986"
                                                     << QByteArray() << "" << true
                                                     << QStringList{"15000.00", "15000.00", "1100.10", "267.75", "0.00", "0.00", "0.00", "13632.15"};
    QTest::newRow("December thirteenth, entered in July") << 5000.0 << 12 << 1 << 1 << true << "01/07/2026" << 100 << "M"
                                                          << "10/05/1986" << QByteArray() << "" << false
                                                          << QStringList{"7500.00", "7500.00", "502.90", "160.60", "0.00", "2500.00", "0.00", "6836.50"};
    QTest::newRow("December, company flag") << 5000.0 << 12 << 1 << -1 << true << "" << 100 << "M" << "10/05/1986"
                                            << QByteArray() << "" << false
                                            << QStringList{"10000.00", "10000.00", "670.50", "160.60", "0.00", "5000.00", "0.00", "9168.90"};
    QTest::newRow("December, company says no") << 5000.0 << 12 << 1 << -1 << false << "" << 100 << "M" << "10/05/1986"
                                               << QByteArray() << "" << false
                                               << QStringList{"5000.00", "5000.00", "335.25", "160.60", "0.00", "0.00", "0.00", "4504.15"};
    QTest::newRow("December, asked not to pay") << 5000.0 << 12 << 1 << 0 << true << "" << 100 << "M" << "10/05/1986"
                                                << QByteArray() << "" << false
                                                << QStringList{"5000.00", "5000.00", "335.25", "160.60", "0.00", "0.00", "0.00", "4504.15"};
    QTest::newRow("June, one extra salary: none") << 5000.0 << 6 << 1 << 1 << true << "" << 100 << "M" << "10/05/1986"
                                                  << QByteArray() << "" << false
                                                  << QStringList{"5000.00", "5000.00", "335.25", "160.60", "0.00", "0.00", "0.00", "4504.15"};
    QTest::newRow("June, two extra salaries: fourteenth") << 5000.0 << 6 << 2 << 1 << true << "" << 100 << "M" << "10/05/1986"
                                                          << QByteArray() << "" << false
                                                          << QStringList{"10000.00", "10000.00", "670.50", "181.40", "0.00", "5000.00", "0.00", "9148.10"};
    QTest::newRow("deductions larger than the salary") << 5000.0 << 3 << 0 << -1 << true << "" << 100 << "M" << "10/05/1986"
                                                       << QByteArray("deduzioneAssenze=6000\nrimborsoAssicurativo=4000\n")
                                                       << "" << false
                                                       << QStringList{"0.00", "4000.00", "0.00", "139.75", "0.00", "0.00", "0.00", "3860.25"};
    QTest::newRow("variables of the month") << 5000.0 << 3 << 0 << -1 << true << "" << 100 << "M" << "10/05/1986"
                                            << QByteArray("importiImponibili=500\nrimborsoAssicurativo=200\n"
                                                          "importiNonImponibili=100\nrimborsoSpese=50\nrimborsoTrasferte=30\n"
                                                          "acconti=1000\ntredicesimaGratifica=300\n")
                                            << "" << false
                                            << QStringList{"5800.00", "6000.00", "388.90", "139.75", "0.00", "300.00", "-820.00", "4651.35"};
    QTest::newRow("child allowance, unrounded in the taxable gross") << 5000.0 << 3 << 0 << -1 << true << "" << 100 << "M"
                                                                     << "10/05/1986" << QByteArray() << "01/01/2020" << false
                                                                     << QStringList{"5000.00", "5215.00", "335.25", "139.75", "215.00", "0.00", "0.00", "4740.00"};
}

void TestConteggioSalario::mensile()
{
    QFETCH(double, salario);
    QFETCH(int, mese);
    QFETCH(int, mensilita);
    QFETCH(int, tredicesima);
    QFETCH(bool, tredicesimaAzienda);
    QFETCH(QString, entrata);
    QFETCH(int, grado);
    QFETCH(QString, sesso);
    QFETCH(QString, nascita);
    QFETCH(QByteArray, variabili);
    QFETCH(QString, figlio);
    QFETCH(bool, premi);
    QFETCH(QStringList, attesi);

    azienda(premi ? 10 : 0, premi ? 20 : 0, tredicesimaAzienda);
    DatiDipendente d = dipendente(salario);
    d.mensilitaAggiuntive = mensilita;
    d.gradoOccupazione = grado;
    d.sesso = sesso;
    d.dataNascita = nascita;
    if (!entrata.isEmpty())
        d.periodi.append({entrata, QString()});
    if (!figlio.isEmpty()) {
        Figlio f;
        f.dataNascita = figlio;
        d.figli.append(f);
    }
    if (!variabili.isEmpty())
        AmbienteTest::scrivi(VariabiliMensili::percorsoFile(kId, 2026),
                             "[Mese_" + QByteArray::number(mese) + "]\n" + variabili);

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
    // The slip's lines add up to the net.
    QCOMPARE(importo(r.lordoImponibile - r.contributiDipendente - r.lppDipendente - r.impostaFonte + r.aggiunteNette),
             importo(r.netto));
}

void TestConteggioSalario::orario_data()
{
    QTest::addColumn<QString>("settimane"); // "vacanzeSettimane"; "<none>": not set
    QTest::addColumn<int>("mensilita");
    // lordoContributivo, lordoImponibile, tredicesima, aggiunte
    QTest::addColumn<QStringList>("attesi");

    // 30 an hour: 160 h, 10 h at 125 %, 4 h at 150 % = 5355; sickness refund 100;
    // expenses 50 less advances 200, loan 30 and debt office 100.
    QTest::newRow("5 weeks, thirteenth") << "5" << 1
                                         << QStringList{"6492.30", "6592.30", "446.05", "-280.00"};
    QTest::newRow("default 4 weeks") << "<none>" << 0 << QStringList{"5922.80", "6022.80", "0.00", "-280.00"};
    QTest::newRow("4 weeks") << "4" << 0 << QStringList{"5922.80", "6022.80", "0.00", "-280.00"};
    QTest::newRow("52 weeks: default rate") << "52" << 0 << QStringList{"5922.80", "6022.80", "0.00", "-280.00"};
    QTest::newRow("60 weeks: default rate") << "60" << 0 << QStringList{"5922.80", "6022.80", "0.00", "-280.00"};
    QTest::newRow("not a number: default rate") << "tante" << 0 << QStringList{"5922.80", "6022.80", "0.00", "-280.00"};
    QTest::newRow("0 weeks: default rate") << "0" << 0 << QStringList{"5922.80", "6022.80", "0.00", "-280.00"};
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
                                  importo(r.aggiunteNette)};
    QCOMPARE(ottenuti, attesi);
    QCOMPARE(r.lppDipendente, 0.0); // card salary 0: below the pension threshold
    QCOMPARE(importo(r.netto),
             importo(r.lordoImponibile - r.contributiDipendente + r.aggiunteNette));
}

void TestConteggioSalario::fuoriPeriodo_data()
{
    QTest::addColumn<QString>("periodi");
    QTest::addColumn<int>("mese");
    QTest::addColumn<QString>("errore");

    QTest::newRow("ended last year") << "01/01/2020-31/12/2025" << 3 << "Fuori periodo di rapporto";
    QTest::newRow("enters next month") << "01/04/2026" << 3 << "Fuori periodo di rapporto";
    QTest::newRow("entry not a date") << "marzo" << 3 << "Fuori periodo di rapporto";
    QTest::newRow("leaves mid-month") << "01/01/2020-15/03/2026" << 3 << "";
    QTest::newRow("enters on the last day") << "31/03/2026" << 3 << "";
    QTest::newRow("exit not a date: still employed") << "01/01/2020-presto" << 3 << "";
    QTest::newRow("second period covers") << "01/01/2020-31/12/2020;01/03/2026" << 3 << "";
    QTest::newRow("month 0") << "" << 0 << "Mese non valido";
    QTest::newRow("month 13") << "" << 13 << "Mese non valido";
}

void TestConteggioSalario::fuoriPeriodo()
{
    QFETCH(QString, periodi);
    QFETCH(int, mese);
    QFETCH(QString, errore);

    DatiDipendente d = dipendente();
    d.periodi = ::periodi(periodi);
    const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, mese, true, -1);
    QCOMPARE(r.errore, errore);
    QCOMPARE(r.mese, mese);
    QList<StoricoPaghe::PagaMese> salvati;
    StoricoPaghe::caricaAnno(kId, 2026, salvati);
    if (errore.isEmpty()) {
        QCOMPARE(importo(r.lordoContributivo), QStringLiteral("5000.00"));
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
    movimento(QStringLiteral("10/03/2026"), QStringLiteral("Bonus"), 5000);       // not yyyy-MM-dd
    movimento(QStringLiteral("2026-03-11"), QStringLiteral("Bonus"), -300);       // negative
    QVERIFY(Movimenti::salva(kId, lista));

    const RisultatoConteggio r = ConteggioSalario::genera(kId, dipendente(), 2026, 3, false, -1);
    QCOMPARE(importo(r.lordoContributivo), QStringLiteral("6000.00"));
    QCOMPARE(importo(r.lordoImponibile), QStringLiteral("6200.00"));
    QCOMPARE(importo(r.netto), importo(6200 - r.contributiDipendente - r.lppDipendente));
}

void TestConteggioSalario::soggettoImposta_data()
{
    QTest::addColumn<QString>("permesso");
    QTest::addColumn<QString>("flag"); // "soggettoImpostaFonte"; "<none>": not set
    QTest::addColumn<QString>("tariffa"); // "codiceTariffa"
    QTest::addColumn<QString>("imposta");

    QTest::newRow("no permit") << "" << "<none>" << "" << "0.00";
    QTest::newRow("C permit") << "C" << "<none>" << "" << "0.00";
    QTest::newRow("Swiss citizen") << "CH" << "<none>" << "" << "0.00";
    QTest::newRow("Swiss citizen, blanks") << " CH " << "<none>" << "" << "0.00";
    QTest::newRow("Swiss citizen, flag 0") << "CH" << "0" << "" << "0.00";
    QTest::newRow("B permit") << "B" << "<none>" << "" << "250.00";
    QTest::newRow("B permit, flag 0") << "B" << "0" << "" << "250.00";
    QTest::newRow("L permit") << "L" << "<none>" << "" << "250.00";
    QTest::newRow("C permit, flag 1") << "C" << "1" << "" << "250.00";
    QTest::newRow("Swiss citizen, flag 1") << "CH" << "1" << "" << "250.00";
    QTest::newRow("tariff B1") << "B" << "<none>" << "B1" << "50.00";
    QTest::newRow("tariff without scale") << "B" << "<none>" << "Z9" << "0.00";
}

void TestConteggioSalario::soggettoImposta()
{
    QFETCH(QString, permesso);
    QFETCH(QString, flag);
    QFETCH(QString, tariffa);
    QFETCH(QString, imposta);

    DatiDipendente d = dipendente();
    d.permessoLavoro = permesso;
    if (flag != QLatin1String("<none>"))
        d.extra.insert(QStringLiteral("soggettoImpostaFonte"), flag);
    if (!tariffa.isEmpty())
        d.extra.insert(QStringLiteral("codiceTariffa"), tariffa);
    const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, 1, false, -1);
    QCOMPARE(importo(r.impostaFonte), imposta);
    QCOMPARE(importo(r.netto), importo(5000 - 335.25 - 139.75 - imposta.toDouble()));
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

    // Counting February again after the whole year was saved uses only January.
    const RisultatoConteggio febbraio = ConteggioSalario::genera(kId, d, 2026, 2, false, 0);
    QCOMPARE(importo(febbraio.impostaFonte), QStringLiteral("250.00"));
}

void TestConteggioSalario::conguaglioAumento()
{
    // 5000 up to May, 7000 from June: the tax due to date is the months counted
    // times the tax of the average month.
    DatiDipendente d = dipendente();
    d.permessoLavoro = QStringLiteral("B");
    const QStringList attese = {"250.00", "250.00", "250.00", "250.00", "250.00", "350.00",
                                "545.00", "385.00", "385.00", "685.00", "420.00", "420.00"};
    QStringList ottenute;
    double totale = 0;
    for (int m = 1; m <= 12; ++m) {
        d.salarioMensile = m < 6 ? 5000 : 7000;
        const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, m, true, 0);
        ottenute.append(importo(r.impostaFonte));
        totale += r.impostaFonte;
        QVERIFY2(r.netto > 0, qPrintable(QStringLiteral("month %1").arg(m)));
        QCOMPARE(importo(r.netto), importo(r.lordoImponibile - r.contributiDipendente - r.lppDipendente - r.impostaFonte));
    }
    QCOMPARE(ottenute, attese);
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
    else
        AmbienteTest::scrivi(Movimenti::percorsoFile(kId),
                             "data=2026-03-15\ntipo=Gratifica\nimporto=1e309\n");

    const RisultatoConteggio r = ConteggioSalario::genera(kId, d, 2026, 3, true, 0);
    QVERIFY2(r.errore.contains(errore), qPrintable(r.errore));
    QCOMPARE(r.netto, 0.0);
    QVERIFY(!QFileInfo::exists(StoricoPaghe::percorsoFile(kId, 2026)));
}

VARDELLO_TEST_MAIN(TestConteggioSalario)
#include "tst_conteggiosalario.moc"
