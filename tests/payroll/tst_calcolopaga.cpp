#include "ambientetest.h"
#include "calcolopaga.h"
#include "datoteca.h"
#include "importi.h"
#include "impostafonte.h"

namespace {

QString centesimi(double v)
{
    return QString::number(Importi::arrotonda2(v), 'f', 2);
}

MovimentoStipendio movimento(double importo)
{
    MovimentoStipendio m;
    m.importo = importo;
    return m;
}

} // namespace

Q_DECLARE_METATYPE(MovimentoStipendio)

class TestCalcoloPaga : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        AmbienteTest::svuota();
        QVERIFY(Datoteca::carica(2026)); // built-in parameters
        // One scale: 10 % from 0, 20 % from 10,000 a month.
        const QByteArray righe = "0601TIA0N       20260101000000000000005000 0000000000001000   \r\n"
                                 "0601TIA0N       20260101001000000000005000 0000000000002000   ";
        AmbienteTest::scrivi(AmbienteTest::home() + QStringLiteral("/afc/tar26ti.txt"), righe);
        QVERIFY(ImpostaFonte::caricaDa(AmbienteTest::home() + QStringLiteral("/afc")));
    }

    void contributi_data();
    void contributi();
    void previdenza_data();
    void previdenza();
    void netto();
    void riepiloghi_data();
    void riepiloghi();
    void movimenti_data();
    void movimenti();
    void eta_data();
    void eta();
    void arrotondamenti_data();
    void arrotondamenti();
};

void TestCalcoloPaga::contributi_data()
{
    QTest::addColumn<double>("importo");
    QTest::addColumn<QStringList>("attesi"); // avsDip, adDip, cafDip, lainfDip, totaleDip, totaleDat

    QTest::newRow("zero") << 0.0 << QStringList{"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"};
    QTest::newRow("negative") << -100.0 << QStringList{"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"};
    QTest::newRow("5,000") << 5000.0 << QStringList{"265.00", "55.00", "15.25", "50.00", "385.25", "385.25"};
    // One twelfth of the annual ceiling of 148,200 is 12,350 a month.
    QTest::newRow("15,000 capped at 12,350")
        << 15000.0 << QStringList{"795.00", "135.85", "45.75", "123.50", "1100.10", "1100.10"};
    QTest::newRow("exactly 12,350")
        << 12350.0 << QStringList{"654.55", "135.85", "37.67", "123.50", "951.57", "951.57"};
}

void TestCalcoloPaga::contributi()
{
    QFETCH(double, importo);
    QFETCH(QStringList, attesi);
    const ContributiSociali c = CalcoloPaga::calcolaAVSAD(importo);
    QCOMPARE((QStringList{centesimi(c.avsDip), centesimi(c.adDip), centesimi(c.cafDip), centesimi(c.lainfDip),
                          centesimi(c.totaleDip), centesimi(c.totaleDat)}),
             attesi);
    QCOMPARE(centesimi(c.adDat), centesimi(c.adDip));
    QCOMPARE(centesimi(c.totaleDip), centesimi(c.avsDip + c.adDip + c.cafDip + c.lainfDip));
}

void TestCalcoloPaga::previdenza_data()
{
    QTest::addColumn<double>("salario");
    QTest::addColumn<int>("eta");
    QTest::addColumn<QString>("lpp");

    // The employee pays half of the savings credit.
    QTest::newRow("below the threshold") << 22679.0 << 30 << "0.00";
    QTest::newRow("at the threshold: lower bound, 7 % of 3,780 halved") << 22680.0 << 30 << "132.30";
    QTest::newRow("upper bound, 15 % of 64,260 halved") << 200000.0 << 50 << "4819.50";
    QTest::newRow("60,000 at 40: 10 % of 33,540 halved") << 60000.0 << 40 << "1677.00";
    QTest::newRow("55 years: 18 %") << 60000.0 << 55 << "3018.60";
    QTest::newRow("24 years: no credit") << 60000.0 << 24 << "0.00";
    QTest::newRow("17 years") << 60000.0 << 17 << "0.00";
    QTest::newRow("66 years") << 60000.0 << 66 << "0.00";
}

void TestCalcoloPaga::previdenza()
{
    QFETCH(double, salario);
    QFETCH(int, eta);
    QFETCH(QString, lpp);
    QCOMPARE(centesimi(CalcoloPaga::calcolaLPP(salario, eta)), lpp);
}

void TestCalcoloPaga::netto()
{
    // 5,000 - 385.25 - 1,677 / 12
    QCOMPARE(centesimi(CalcoloPaga::calcolaNetto(5000, 40)), QStringLiteral("4475.00"));
    QCOMPARE(centesimi(CalcoloPaga::calcolaNetto(0, 40)), QStringLiteral("0.00"));
}

void TestCalcoloPaga::riepiloghi_data()
{
    QTest::addColumn<int>("variante"); // 0 plain, 1 with tax, 2 with salaries
    QTest::addColumn<double>("mensile");
    QTest::addColumn<int>("mensilita");
    QTest::addColumn<QStringList>("attesi"); // lordo, contributiDip, lpp, imposta, netto

    QTest::newRow("plain") << 0 << 5000.0 << 0 << QStringList{"60000.00", "4623.00", "1677.00", "0.00", "53700.00"};
    QTest::newRow("with tax") << 1 << 5000.0 << 0 << QStringList{"60000.00", "4623.00", "1677.00", "6000.00", "47700.00"};
    QTest::newRow("13 salaries")
        << 2 << 5000.0 << 13 << QStringList{"65000.00", "5008.25", "1927.00", "6500.00", "51564.75"};
    QTest::newRow("0 salaries count 12")
        << 2 << 5000.0 << 0 << QStringList{"60000.00", "4623.00", "1677.00", "6000.00", "47700.00"};
    // 13 x 12,000 = 156,000 passes the annual ceiling: AHV 8,268 + family fund
    // 475.80 on all of it, unemployment 1,630.20 and accident 1,482 on
    // 148,200 only = 11,856 (not 13 x 924.60 = 12,019.80); pension half of
    // 10 % of 64,260; tax 12 x 20 % of 13,000.
    QTest::newRow("13 salaries above the annual ceiling")
        << 2 << 12000.0 << 13 << QStringList{"156000.00", "11856.00", "3213.00", "31200.00", "109731.00"};
    // Twelve months at 15,000: the same ceiling whether taken a month or a
    // year at a time: 9,540 + 549 + 1,630.20 + 1,482.
    QTest::newRow("twelve months above the ceiling")
        << 0 << 15000.0 << 0 << QStringList{"180000.00", "13201.20", "3213.00", "0.00", "163585.80"};
}

void TestCalcoloPaga::riepiloghi()
{
    QFETCH(int, variante);
    QFETCH(double, mensile);
    QFETCH(int, mensilita);
    QFETCH(QStringList, attesi);
    const QString ti = QStringLiteral("TI");
    const QString a0 = QStringLiteral("A0");
    const RiepilogoAnnuo r = variante == 0 ? CalcoloPaga::riepilogoAnnuo(mensile, 40)
                             : variante == 1 ? CalcoloPaga::riepilogoAnnuoConImposta(mensile, 40, ti, a0)
                                             : CalcoloPaga::riepilogoAnnuoConImpostaEMensilita(mensile, 40, ti, a0, mensilita);
    QCOMPARE((QStringList{centesimi(r.lordo), centesimi(r.contributiDip), centesimi(r.lpp), centesimi(r.imposta),
                          centesimi(r.netto)}),
             attesi);
    QCOMPARE(centesimi(r.contributiDat), centesimi(r.contributiDip));
    QCOMPARE(r.lordoMovimenti, 0.0);
}

void TestCalcoloPaga::movimenti_data()
{
    QTest::addColumn<QList<MovimentoStipendio>>("movimenti");
    QTest::addColumn<int>("mesi");
    // lordo, contributiDip, lpp, imposta, netto, lordoMovimenti, contributiMovimenti
    QTest::addColumn<QStringList>("attesi");

    QTest::newRow("none") << QList<MovimentoStipendio>() << 0
                          << QStringList{"60000.00", "4623.00", "1677.00", "6000.00", "47700.00", "0.00", "0.00"};
    QTest::newRow("negative movement: gross only")
        << QList<MovimentoStipendio>{movimento(-500)} << 0
        << QStringList{"59500.00", "4623.00", "1677.00", "5950.00", "47250.00", "-500.00", "0.00"};
    // 1,000 bears 7.705 % and raises the pension base to 61,000.
    QTest::newRow("bonus") << QList<MovimentoStipendio>{movimento(1000)} << 0
                           << QStringList{"61000.00", "4700.05", "1727.00", "6100.00", "48472.95", "1000.00", "77.05"};
    // The salaries and a movement bound to the ceiling together stop at the
    // annual ceiling of 148,200: the movement bears 1.1 % of 148,200 - 60,000.
    MovimentoStipendio grande = movimento(200000);
    grande.soggettoAVS = false;
    grande.soggettoCAF = false;
    grande.soggettoLPP = false;
    grande.soggettoLAINF = false;
    MovimentoStipendio senzaMassimale = grande;
    senzaMassimale.applicaMassimaleAD = false;
    QTest::newRow("ceiling on one movement")
        << QList<MovimentoStipendio>{grande} << 0
        << QStringList{"260000.00", "5593.20", "1677.00", "52000.00", "200729.80", "200000.00", "970.20"};
    QTest::newRow("ceiling not applied")
        << QList<MovimentoStipendio>{senzaMassimale} << 0
        << QStringList{"260000.00", "6823.00", "1677.00", "52000.00", "199500.00", "200000.00", "2200.00"};
    // Two of 50,000 bound to both ceilings (AHV, family fund and pension
    // apart): 148,200 - 60,000 leaves 88,200; the first bears on 50,000, the
    // second only on the 38,200 the first leaves: 2.1 % of 88,200 = 1,852.20;
    // 4,623 + 1,852.20 = 6,475.20; tax 20 % of 160,000 = 32,000; net
    // 160,000 - 6,475.20 - 1,677 - 32,000 = 119,847.80.
    MovimentoStipendio cinquanta = movimento(50000);
    cinquanta.soggettoAVS = cinquanta.soggettoCAF = cinquanta.soggettoLPP = false;
    QTest::newRow("two movements share what the salaries leave of the ceilings")
        << QList<MovimentoStipendio>{cinquanta, cinquanta} << 0
        << QStringList{"160000.00", "6475.20", "1677.00", "32000.00", "119847.80", "100000.00", "1852.20"};
    MovimentoStipendio spese = movimento(1200);
    spese.tipo = QStringLiteral("rimborso spese");
    Movimenti::applicaPreset(spese);
    QTest::newRow("tax only") << QList<MovimentoStipendio>{spese} << 0
                              << QStringList{"61200.00", "4623.00", "1677.00", "6120.00", "48780.00", "1200.00", "0.00"};
    QTest::newRow("half a year: movement sums unscaled")
        << QList<MovimentoStipendio>{movimento(2000)} << 6
        << QStringList{"31000.00", "2388.55", "888.50", "3100.00", "24622.95", "2000.00", "154.10"};
    QTest::newRow("12 months: whole year")
        << QList<MovimentoStipendio>{movimento(1000)} << 12
        << QStringList{"61000.00", "4700.05", "1727.00", "6100.00", "48472.95", "1000.00", "77.05"};
    QTest::newRow("negative months: whole year")
        << QList<MovimentoStipendio>{movimento(1000)} << -3
        << QStringList{"61000.00", "4700.05", "1727.00", "6100.00", "48472.95", "1000.00", "77.05"};
}

void TestCalcoloPaga::movimenti()
{
    QFETCH(QList<MovimentoStipendio>, movimenti);
    QFETCH(int, mesi);
    QFETCH(QStringList, attesi);
    const RiepilogoAnnuo r = CalcoloPaga::riepilogoAnnuoConMovimenti(5000, 40, QStringLiteral("TI"), QStringLiteral("A0"),
                                                                     12, movimenti, mesi);
    QCOMPARE((QStringList{centesimi(r.lordo), centesimi(r.contributiDip), centesimi(r.lpp), centesimi(r.imposta),
                          centesimi(r.netto), centesimi(r.lordoMovimenti), centesimi(r.contributiMovimenti)}),
             attesi);
}

void TestCalcoloPaga::eta_data()
{
    QTest::addColumn<QString>("nascita");
    QTest::addColumn<int>("eta");
    QTest::newRow("before the birthday") << "15/12/1990" << 36;
    QTest::newRow("born after the year") << "01/01/2030" << -4;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("impossible date") << "31/02/1990" << -1;
    QTest::newRow("other format") << "1990-12-15" << -1;
}

void TestCalcoloPaga::eta()
{
    QFETCH(QString, nascita);
    QFETCH(int, eta);
    QCOMPARE(CalcoloPaga::etaDaDataNascita(nascita, 2026), eta);
}

// Amounts round half away from zero on their decimal value: a refund as a
// deduction of the same size.
void TestCalcoloPaga::arrotondamenti_data()
{
    QTest::addColumn<double>("importo");
    QTest::addColumn<QString>("a5");  // to 0.05
    QTest::addColumn<QString>("a2");  // to the centime
    QTest::newRow("456.275") << 456.275 << "456.30" << "456.28";
    QTest::newRow("-456.275") << -456.275 << "-456.30" << "-456.28";
    QTest::newRow("19.825 (19.82499... in binary)") << 19.825 << "19.85" << "19.83";
    QTest::newRow("-19.825") << -19.825 << "-19.85" << "-19.83";
    QTest::newRow("-2.5 centimes") << -0.025 << "-0.05" << "-0.03";
    QTest::newRow("-456.27: below the half") << -456.27 << "-456.25" << "-456.27";
    QTest::newRow("-0.004: nothing, never -0.00") << -0.004 << "0.00" << "0.00";
    // Past 2048 francs a half-centime stands in binary further from the
    // half than a fixed hundred-billionth of a step: -2048.075 x 100 is
    // -204807.49999999997. The margin grows with the amount, in both signs
    // and far beyond.
    QTest::newRow("-2048.075") << -2048.075 << "-2048.10" << "-2048.08";
    QTest::newRow("2048.075") << 2048.075 << "2048.10" << "2048.08";
    QTest::newRow("-2048.025") << -2048.025 << "-2048.05" << "-2048.03";
    QTest::newRow("-123456.785") << -123456.785 << "-123456.80" << "-123456.79";
    QTest::newRow("123456.785") << 123456.785 << "123456.80" << "123456.79";
    // Up to the widest amount a field holds, the margin stays far below a
    // tenth of a centime.
    QTest::newRow("123456789.994") << 123456789.994 << "123456790.00" << "123456789.99";
    QTest::newRow("999999999.975") << 999999999.975 << "1000000000.00" << "999999999.98";
    QTest::newRow("-1000000000") << -1000000000.0 << "-1000000000.00" << "-1000000000.00";
}

void TestCalcoloPaga::arrotondamenti()
{
    QFETCH(double, importo);
    QFETCH(QString, a5);
    QFETCH(QString, a2);
    QCOMPARE(Decimali::testo(Importi::arrotonda5(importo)), a5);
    QCOMPARE(Decimali::testo(importo), a2);
    QCOMPARE(QString::number(Importi::arrotonda2(importo), 'f', 2), a2);
}

VARDELLO_TEST_MAIN(TestCalcoloPaga)
#include "tst_calcolopaga.moc"
