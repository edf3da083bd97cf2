#include "ambientetest.h"
#include "azienda.h"
#include "config.h"
#include "dipendente.h"
#include "documentichiusura.h"
#include "ferie.h"
#include "orologio.h"
#include "storicopaghe.h"

namespace {

const QString kId = QStringLiteral("Rossi_Mario.txt");

void salvaMese(const QString& id, int mese, double lordo, double assegni, double contributi, double lpp,
               double imposta, double netto, const QString& comunicazioni = QString())
{
    StoricoPaghe::PagaMese p;
    p.anno = 2026;
    p.mese = mese;
    p.lordoImponibile = lordo;
    p.assegniFamiliari = assegni;
    p.contributiDipendente = contributi;
    p.lppDipendente = lpp;
    p.impostaTrattenuta = imposta;
    p.netto = netto;
    p.comunicazioni = comunicazioni;
    QVERIFY(StoricoPaghe::salvaMese(id, p));
}

DatiDipendente dipendente(const QString& nome, const QString& iban, const QString& modalita = QStringLiteral("banca"))
{
    DatiDipendente d;
    d.nome = nome;
    d.cognome = QStringLiteral("Rossi");
    d.dataNascita = QStringLiteral("10/05/1986"); // 40 in 2026
    d.indirizzo = QStringLiteral("Via Nassa 5");
    d.cap = QStringLiteral("6900");
    d.localita = QStringLiteral("Lugano");
    d.iban = iban;
    d.banca = QStringLiteral("Banca Stato");
    d.modalitaPagamento = modalita;
    return d;
}

QString svizzero(double v)
{
    return QStringLiteral("SFr. ") + QLocale(QLocale::German, QLocale::Switzerland).toString(v, 'f', 2);
}

} // namespace

class TestDocumentiChiusura : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        AmbienteTest::svuota();
        Orologio::imposta(QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
        DatiAzienda a;
        a.ragioneSociale = QStringLiteral("Alfa SA");
        a.indirizzo = QStringLiteral("Via Cantonale 1");
        a.cap = QStringLiteral("6900");
        a.localita = QStringLiteral("Lugano");
        QVERIFY(Azienda::salva(a, QStringLiteral("Alfa.txt")));
        Config::setAziendaCorrente(QStringLiteral("Alfa.txt"));
        QVERIFY(Dipendente::salva(dipendente(QStringLiteral("Mario"), QStringLiteral("CH93 0076 2011 6238 5295 7")), kId));
    }

    void deduzioni_data();
    void deduzioni();
    void foglio();
    void luogo_data();
    void luogo();
    void righeDettaglio_data();
    void righeDettaglio();
    void meseSenzaNettoEContanti();
    void comunicazioni_data();
    void comunicazioni();
    void dataEsecuzione_data();
    void dataEsecuzione();
    void causale();
    void pagamenti_data();
    void pagamenti();
};

void TestDocumentiChiusura::deduzioni_data()
{
    QTest::addColumn<QList<double>>("mese"); // L, A, C, P, I, N
    // Per row: description | base | rate | amount ('f', 2).
    QTest::addColumn<QStringList>("righe");

    QTest::newRow("allowances and accident premium")
        << QList<double>{5000, 200, 320.25, 0, 0, 4879.75}
        << QStringList{"AVS-AI-IPG|" + svizzero(4800) + "|5.3000%|254.40",
                       "AD|" + svizzero(4800) + "|1.1000%|52.80",
                       "Infortuni non professionali|" + svizzero(4800) + "|0.2719%|13.05",
                       "Cassa pensione (LPP)|||0.00",
                       "Imposte alla fonte|SFr. -|-|0.00"};
    QTest::newRow("allowances above the gross")
        << QList<double>{200, 250, 0, 0, 0, 200}
        << QStringList{"AVS-AI-IPG|SFr. -|5.3000%|0.00", "AD|SFr. -|1.1000%|0.00",
                       "Infortuni non professionali|SFr. -|-|0.00", "Cassa pensione (LPP)|||0.00",
                       "Imposte alla fonte|SFr. -|-|0.00"};
    QTest::newRow("pension and tax at source")
        << QList<double>{6000, 0, 400, 150, 300, 5150}
        << QStringList{"AVS-AI-IPG|" + svizzero(6000) + "|5.3000%|318.00",
                       "AD|" + svizzero(6000) + "|1.1000%|66.00",
                       "Infortuni non professionali|" + svizzero(6000) + "|0.2667%|16.00",
                       "Cassa pensione (LPP)||10.0000%|150.00",
                       "Imposte alla fonte|" + svizzero(6000) + "|5.0000%|300.00"};
}

void TestDocumentiChiusura::deduzioni()
{
    QFETCH(QList<double>, mese);
    QFETCH(QStringList, righe);
    salvaMese(kId, 3, mese[0], mese[1], mese[2], mese[3], mese[4], mese[5]);
    FoglioPaga f;
    QVERIFY(DocumentiChiusura::foglioPaga(kId, 2026, 3, QString(), &f));
    QStringList ottenute;
    double somma = 0;
    for (const FoglioPaga::Voce& v : qAsConst(f.deduzioni)) {
        ottenute << QStringList{v.descrizione, v.imponibile, v.aliquota, QString::number(v.importo, 'f', 2)}.join('|');
        somma += v.importo;
    }
    QCOMPARE(ottenute, righe);
    QCOMPARE(QString::number(f.totaleDeduzioni, 'f', 2), QString::number(somma, 'f', 2));
}

void TestDocumentiChiusura::foglio()
{
    QVERIFY(!DocumentiChiusura::foglioPaga(kId, 2026, 3, QString(), nullptr)); // nothing saved
    salvaMese(kId, 3, 5000, 200, 320.25, 0, 0, 4879.75);
    Ferie ferie(QStringLiteral("Rossi_Mario"));
    Ferie::AnnoFerie vacanze;
    vacanze.legaliDiritto = 20;
    vacanze.regalateDiritto = 3;
    vacanze.aggiuntiveDiritto = 2;
    vacanze.legaliPrese = 6;
    vacanze.aggiuntivePrese = 1;
    ferie.scriviAnno(2026, vacanze);

    FoglioPaga f;
    QVERIFY(DocumentiChiusura::foglioPaga(kId, 2026, 3, QString(), &f));
    QCOMPARE(f.mese, QStringLiteral("marzo 2026"));
    QCOMPARE(f.luogoData, QStringLiteral("Lugano, 8 dicembre 2026"));
    QCOMPARE(f.vociLorde.size(), 2);
    QCOMPARE(f.vociLorde.at(0).descrizione, QStringLiteral("Salario imponibile"));
    QCOMPARE(f.vociLorde.at(0).importo, 4800.0);
    QCOMPARE(f.vociLorde.at(1).descrizione, QStringLiteral("Assegni familiari"));
    QCOMPARE(f.vociLorde.at(1).importo, 200.0);
    QCOMPARE(f.totaleLordo, 5000.0);
    QCOMPARE(f.importoVersato, 4879.75);
    QCOMPARE(QString::number(f.parzialeMostrato(), 'f', 2), QStringLiteral("4679.75"));
    QCOMPARE(f.giorniVacanzeAnno, 25.0);
    QCOMPARE(f.vacanzePrese, 7.0);
    QCOMPARE(f.saldoVacanze, 18.0);
    QCOMPARE(f.vacanzeMaturate, 25.0);
    QVERIFY(f.numeroAVS.isEmpty()); // the name starts the employee block

    // Today, the employee and the pay month: November's and December's slips
    // saved the same day keep apart.
    QCOMPARE(DocumentiChiusura::fileFoglio(QStringLiteral("/tmp/x"), kId, 2026, 11),
             QStringLiteral("/tmp/x/2026-12-08_Rossi_Mario_2026-11.pdf"));
    QCOMPARE(DocumentiChiusura::fileFoglio(QStringLiteral("/tmp/x"), kId, 2025, 12),
             QStringLiteral("/tmp/x/2026-12-08_Rossi_Mario_2025-12.pdf"));
}

void TestDocumentiChiusura::luogo_data()
{
    QTest::addColumn<QString>("localita");
    QTest::addColumn<QString>("luogoData");
    QTest::newRow("Geneva company") << QString::fromUtf8("Genève") << QString::fromUtf8("Genève, 8 dicembre 2026");
    QTest::newRow("Bern, blanks around") << " Bern " << "Bern, 8 dicembre 2026";
    QTest::newRow("no town") << "" << "Lugano, 8 dicembre 2026";
}

// The slip is dated at the company's town.
void TestDocumentiChiusura::luogo()
{
    QFETCH(QString, localita);
    QFETCH(QString, luogoData);
    DatiAzienda a = Azienda::carica(QStringLiteral("Alfa.txt"));
    a.cap = localita.isEmpty() ? QString() : QStringLiteral("1204");
    a.localita = localita;
    QVERIFY(Azienda::salva(a, QStringLiteral("Alfa.txt")));
    salvaMese(kId, 3, 5000, 0, 320.25, 0, 0, 4679.75);
    FoglioPaga f;
    QVERIFY(DocumentiChiusura::foglioPaga(kId, 2026, 3, QString(), &f));
    QCOMPARE(f.luogoData, luogoData);
}

namespace {

QStringList testi(const QList<FoglioPaga::Voce>& voci)
{
    QStringList r;
    for (const FoglioPaga::Voce& v : voci)
        r << QStringList{v.descrizione, v.imponibile, v.aliquota, QString::number(v.importo, 'f', 2)}.join('|');
    return r;
}

double somma(const QList<FoglioPaga::Voce>& voci)
{
    double s = 0;
    for (const FoglioPaga::Voce& v : voci)
        s += v.importo;
    return s;
}

} // namespace

// A month whose lines the pay count stored: the slip shows them and every
// step from the gross to the amount paid adds up.
void TestDocumentiChiusura::righeDettaglio_data()
{
    QTest::addColumn<QList<double>>("mese"); // L, A, C, P, I, N
    QTest::addColumn<QList<double>>("trattenute"); // AVS, AD, CAF, accident: amount, base, rate each
    QTest::addColumn<QStringList>("lorde");
    QTest::addColumn<QStringList>("deduzioni");
    QTest::addColumn<QStringList>("altre");

    // Contributions 391.27 in lines, 391.25 deducted: the 0.02 is a rounding.
    QTest::newRow("family fund, pension rate, rounding")
        << QList<double>{5300, 300, 391.25, 200, 0, 4708.75}
        << QList<double>{265, 5000, 5.3, 55, 5000, 1.1, 15.25, 5000, 0.305, 56.02, 5000, 1.12}
        << QStringList{"Salario mensile|||5000.00", "Assegni familiari|||300.00"}
        << QStringList{"AVS-AI-IPG|" + svizzero(5000) + "|5.3000%|265.00", "AD|" + svizzero(5000) + "|1.1000%|55.00",
                       "Cassa assegni familiari (CAF)|" + svizzero(5000) + "|0.3050%|15.25",
                       "Infortuni non professionali|" + svizzero(5000) + "|1.1200%|56.02",
                       "Cassa pensione (LPP)||5.0000%|200.00", "Imposte alla fonte|SFr. -|-|0.00"}
        << QStringList{"Arrotondamento|||0.02"};
    // Absences beyond the salary: the gross stops at 0, a line says what
    // the items leave out; nothing deducted, no family-fund line.
    QTest::newRow("gross that may not go below 0")
        << QList<double>{0, 0, 0, 0, 0, 0} << QList<double>{0, 0, 5.3, 0, 0, 1.1, 0, 0, 0.305, 0, 0, 1.12}
        << QStringList{"Salario mensile|||1000.00", "Deduzione assenze|||-1500.00", "Altre voci imponibili|||500.00"}
        << QStringList{"AVS-AI-IPG|SFr. -|-|0.00", "AD|SFr. -|-|0.00", "Infortuni non professionali|SFr. -|-|0.00",
                       "Cassa pensione (LPP)|||0.00", "Imposte alla fonte|SFr. -|-|0.00"}
        << QStringList();
}

void TestDocumentiChiusura::righeDettaglio()
{
    QFETCH(QList<double>, mese);
    QFETCH(QList<double>, trattenute);
    QFETCH(QStringList, lorde);
    QFETCH(QStringList, deduzioni);
    QFETCH(QStringList, altre);

    StoricoPaghe::PagaMese p;
    p.anno = 2026;
    p.mese = 3;
    p.lordoImponibile = mese[0];
    p.assegniFamiliari = mese[1];
    p.contributiDipendente = mese[2];
    p.lppDipendente = mese[3];
    p.impostaTrattenuta = mese[4];
    p.netto = mese[5];
    StoricoPaghe::Dettaglio& x = p.dettaglio;
    x.presente = true;
    StoricoPaghe::Trattenuta* t[] = {&x.avs, &x.ad, &x.caf, &x.infortuni};
    for (int i = 0; i < 4; ++i)
        *t[i] = {trattenute[3 * i], trattenute[3 * i + 1], trattenute[3 * i + 2]};
    x.aliquotaLpp = mese[3] > 0 ? 5 : 0;
    for (const QString& l : lorde) {
        const QStringList c = l.split('|');
        if (c.first() != QLatin1String("Assegni familiari") && c.first() != QLatin1String("Altre voci imponibili"))
            x.vociSalario.append({c.first(), c.last().toDouble()});
    }
    QVERIFY(StoricoPaghe::salvaMese(kId, p));

    FoglioPaga f;
    QVERIFY(DocumentiChiusura::foglioPaga(kId, 2026, 3, QString(), &f));
    QCOMPARE(testi(f.vociLorde), lorde);
    QCOMPARE(testi(f.deduzioni), deduzioni);
    QCOMPARE(testi(f.altreVoci), altre);
    QCOMPARE(QString::number(somma(f.vociLorde), 'f', 2), QString::number(f.totaleLordo, 'f', 2));
    QCOMPARE(QString::number(somma(f.deduzioni), 'f', 2), QString::number(f.totaleDeduzioni, 'f', 2));
    QCOMPARE(QString::number(f.parzialeMostrato() + somma(f.altreVoci), 'f', 2),
             QString::number(f.importoVersato, 'f', 2));
}

// A month group without a net is no saved count: no slip. The cash amount
// of the month reaches the slip.
void TestDocumentiChiusura::meseSenzaNettoEContanti()
{
    AmbienteTest::scrivi(StoricoPaghe::percorsoFile(kId, 2026),
                         "[3]\nlordoImponibile=5000.00\n\n[4]\nlordoImponibile=5000.00\nnetto=4500.00\n"
                         "importoContanti=250.00\n");
    FoglioPaga f;
    QVERIFY(!DocumentiChiusura::foglioPaga(kId, 2026, 3, QString(), &f));
    QVERIFY(DocumentiChiusura::foglioPaga(kId, 2026, 4, QString(), &f));
    QCOMPARE(f.importoContanti, 250.0);
    QCOMPARE(f.importoVersato, 4500.0);
}

void TestDocumentiChiusura::comunicazioni_data()
{
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<QString>("mese");
    QTest::addColumn<QString>("attese");
    const QString conVirgole = QString::fromUtf8("Auguri, salute e felicità, a tutti");
    QTest::newRow("the month's own, commas and accents kept") << "  " << conVirgole << conVirgole;
    QTest::newRow("the window's text first") << " Buone feste " << conVirgole << "Buone feste";
}

void TestDocumentiChiusura::comunicazioni()
{
    QFETCH(QString, finestra);
    QFETCH(QString, mese);
    QFETCH(QString, attese);
    salvaMese(kId, 3, 5000, 0, 300, 0, 0, 4700, mese);
    FoglioPaga f;
    QVERIFY(DocumentiChiusura::foglioPaga(kId, 2026, 3, finestra, &f));
    QCOMPARE(f.comunicazioni, attese);
}

void TestDocumentiChiusura::dataEsecuzione_data()
{
    QTest::addColumn<int>("anno");
    QTest::addColumn<int>("mese");
    QTest::addColumn<QDate>("oggi");
    QTest::addColumn<QDate>("attesa");
    QTest::newRow("before the 25th") << 2026 << 3 << QDate(2026, 3, 10) << QDate(2026, 3, 25);
    QTest::newRow("on the 25th") << 2026 << 3 << QDate(2026, 3, 25) << QDate(2026, 3, 25);
    QTest::newRow("after the 25th") << 2026 << 3 << QDate(2026, 3, 26) << QDate(2026, 3, 27);
    QTest::newRow("December paid in January") << 2026 << 12 << QDate(2027, 1, 10) << QDate(2027, 1, 11);
}

void TestDocumentiChiusura::dataEsecuzione()
{
    QFETCH(int, anno);
    QFETCH(int, mese);
    QFETCH(QDate, oggi);
    QFETCH(QDate, attesa);
    QCOMPARE(DocumentiChiusura::dataEsecuzione(anno, mese, oggi), attesa);
}

void TestDocumentiChiusura::causale()
{
    QCOMPARE(DocumentiChiusura::causale(2026, 3), QStringLiteral("Stipendio marzo 2026"));
    QCOMPARE(DocumentiChiusura::causale(2026, 12), QStringLiteral("Stipendio dicembre 2026"));
}

void TestDocumentiChiusura::pagamenti_data()
{
    QTest::addColumn<QString>("iban");
    QTest::addColumn<QString>("modalita");
    QTest::addColumn<double>("netto"); // < 0: no month saved
    QTest::addColumn<bool>("pagato");
    QTest::newRow("paid") << " CH93 0076 2011 6238 5295 7 " << "banca" << 4700.5 << true;
    QTest::newRow("no saved month") << "CH9300762011623852957" << "banca" << -1.0 << false;
    QTest::newRow("net zero") << "CH9300762011623852957" << "banca" << 0.0 << false;
    QTest::newRow("no IBAN") << "  " << "banca" << 4700.0 << false;
    QTest::newRow("wrong check digits") << "CH9400762011623852957" << "banca" << 4700.0 << false;
    QTest::newRow("paid in cash") << "CH9300762011623852957" << "cash" << 4700.0 << false;
}

void TestDocumentiChiusura::pagamenti()
{
    QFETCH(QString, iban);
    QFETCH(QString, modalita);
    QFETCH(double, netto);
    QFETCH(bool, pagato);
    const QString id = QStringLiteral("Bianchi_Ugo.txt");
    DatiDipendente d = dipendente(QStringLiteral(" Ugo"), iban, modalita);
    d.cognome = QStringLiteral("Bianchi ");
    QVERIFY(Dipendente::salva(d, id));
    if (netto >= 0)
        salvaMese(id, 3, 5000, 0, 300, 0, 0, netto);
    salvaMese(kId, 3, 5000, 0, 300, 0, 0, 4700);

    const QList<Pain001::Pagamento> p = DocumentiChiusura::pagamenti({id, kId}, 2026, 3);
    QCOMPARE(p.size(), pagato ? 2 : 1);
    QCOMPARE(p.last().nomeBeneficiario, QStringLiteral("Mario Rossi"));
    QCOMPARE(p.last().importo, 4700.0);
    QCOMPARE(p.last().causale, QStringLiteral("Stipendio marzo 2026"));
    if (pagato) {
        QCOMPARE(p.first().nomeBeneficiario, QStringLiteral("Ugo Bianchi"));
        QCOMPARE(p.first().ibanBeneficiario, QStringLiteral("CH93 0076 2011 6238 5295 7"));
        QCOMPARE(p.first().importo, 4700.5);
    }
}

VARDELLO_TEST_MAIN(TestDocumentiChiusura)
#include "tst_documentichiusura.moc"
