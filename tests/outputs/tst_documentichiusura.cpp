#include "ambientetest.h"
#include "cifreriepilogo.h"
#include "azienda.h"
#include "config.h"
#include "dipendente.h"
#include "documentichiusura.h"
#include "ferie.h"
#include "orologio.h"
#include "storicopaghe.h"
#include "variabilimensili.h"

#include <QSettings>
#include <QTranslator>

namespace {

const QString kId = QStringLiteral("Rossi_Mario.txt");

// A translation that names its language as the German one does.
class TraduzioneTedesca : public QTranslator
{
public:
    QString translate(const char* contesto, const char* testo, const char*, int) const override
    {
        return qstrcmp(contesto, "LinguaUtente") == 0 && qstrcmp(testo, "it") == 0 ? QStringLiteral("de") : QString();
    }
    bool isEmpty() const override { return false; }
};

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
    void vacanze_data();
    void vacanze();
    void lingua_data();
    void lingua();
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
    QTest::addColumn<QList<double>>("mese"); // L, A, C, P, I, N, the tariff's rate of the tax if any
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
    // 6,500 x 0.305 % = 19.825 -> 19.83 (half up on the decimal value);
    // 435.83 in lines, 435.85 deducted.
    QTest::newRow("family fund 19.825")
        << QList<double>{6500, 0, 435.85, 0, 0, 6064.15}
        << QList<double>{344.5, 6500, 5.3, 71.5, 6500, 1.1, 6500 * 0.305 / 100, 6500, 0.305, 0, 0, 1.12}
        << QStringList{"Salario mensile|||6500.00"}
        << QStringList{"AVS-AI-IPG|" + svizzero(6500) + "|5.3000%|344.50", "AD|" + svizzero(6500) + "|1.1000%|71.50",
                       "Cassa assegni familiari (CAF)|" + svizzero(6500) + "|0.3050%|19.83",
                       "Infortuni non professionali|SFr. -|-|0.00", "Cassa pensione (LPP)|||0.00",
                       "Imposte alla fonte|SFr. -|-|0.00"}
        << QStringList{"Arrotondamento|||-0.02"};
    // Absences beyond the salary: the gross stops at 0, a line says what
    // the items leave out; nothing deducted, no family-fund line.
    QTest::newRow("gross that may not go below 0")
        << QList<double>{0, 0, 0, 0, 0, 0} << QList<double>{0, 0, 5.3, 0, 0, 1.1, 0, 0, 0.305, 0, 0, 1.12}
        << QStringList{"Salario mensile|||1000.00", "Deduzione assenze|||-1500.00", "Altre voci imponibili|||500.00"}
        << QStringList{"AVS-AI-IPG|SFr. -|-|0.00", "AD|SFr. -|-|0.00", "Infortuni non professionali|SFr. -|-|0.00",
                       "Cassa pensione (LPP)|||0.00", "Imposte alla fonte|SFr. -|-|0.00"}
        << QStringList();
    // Five days of 6007.80: 1001.30 taxed at the tariff's 6.79 % = 67.99 ->
    // 68.00: the slip shows 6.79 %, not the 6.7912 % that 68.00 is of the
    // gross. Contributions 67.13 in lines, 67.15 deducted.
    QTest::newRow("partial month, the tariff's rate")
        << QList<double>{1001.30, 0, 67.15, 0, 68.00, 866.15, 6.79}
        << QList<double>{53.0689, 1001.30, 5.3, 11.0143, 1001.30, 1.1, 3.0540, 1001.30, 0.305, 0, 0, 1.12}
        << QStringList{"Salario mensile (5/30)|||1001.30"}
        << QStringList{"AVS-AI-IPG|" + svizzero(1001.30) + "|5.3000%|53.07",
                       "AD|" + svizzero(1001.30) + "|1.1000%|11.01",
                       "Cassa assegni familiari (CAF)|" + svizzero(1001.30) + "|0.3050%|3.05",
                       "Infortuni non professionali|SFr. -|-|0.00", "Cassa pensione (LPP)|||0.00",
                       "Imposte alla fonte|" + svizzero(1001.30) + "|6.7900%|68.00"}
        << QStringList{"Arrotondamento|||-0.02"};
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
    x.aliquotaImposta = mese.value(6);
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
    QTest::addColumn<QString>("caso");    // what else stands against the month
    QTest::addColumn<QString>("escluso"); // the reason named; %1 the year's file
    QTest::addColumn<QString>("stato");   // the start of the accounting CSV's state
    const QString iban = QStringLiteral("CH9300762011623852957");
    QTest::newRow("paid") << " CH93 0076 2011 6238 5295 7 " << "banca" << 4700.5 << true << "" << "" << "pagato";
    QTest::newRow("no saved month") << iban << "banca" << -1.0 << false << ""
                                    << "nessun conteggio salvato per il mese" << "mese non salvato";
    QTest::newRow("net zero") << iban << "banca" << 0.0 << false << "" << "netto non positivo" << "pagato";
    QTest::newRow("no IBAN") << "  " << "banca" << 4700.0 << false << "" << "IBAN mancante" << "pagato";
    QTest::newRow("wrong check digits") << "CH9400762011623852957" << "banca" << 4700.0 << false << ""
                                        << "IBAN non valido (CH9400762011623852957)" << "pagato";
    QTest::newRow("paid in cash") << iban << "cash" << 4700.0 << false << "" << "pagato in contanti" << "pagato";
    // Owed nothing: employed from April.
    QTest::newRow("not employed, nothing saved") << iban << "banca" << -1.0 << false << "fuori" << ""
                                                 << "fuori periodo di rapporto";
    // The CSV keeps the amounts saved before, marked with the reason.
    QTest::newRow("refused by the month's last closing")
        << iban << "banca" << 4700.0 << false << "rifiuto" << "la tariffa Z9 non si trova"
        << "4700.00;0.00;rifiutato dall'ultima chiusura: la tariffa Z9 non si trova";
    QTest::newRow("damaged pay history") << iban << "banca" << 4700.0 << false << "danno"
                                         << "lo storico paghe non si legge correttamente: %1, riga 12: "
                                         << "storico paghe illeggibile: %1, riga 12: ";
    // %1 here is the refusals' file.
    QTest::newRow("damaged refusals") << iban << "banca" << 4700.0 << false << "rifiuti danneggiati"
                                      << "lo storico paghe non si legge correttamente: %1, riga 1: intestazione di "
                                         "gruppo senza \"]\""
                                      << "rifiutato dall'ultima chiusura: lo storico paghe non si legge "
                                         "correttamente: %1, riga 1: ";
}

void TestDocumentiChiusura::pagamenti()
{
    QFETCH(QString, iban);
    QFETCH(QString, modalita);
    QFETCH(double, netto);
    QFETCH(bool, pagato);
    QFETCH(QString, caso);
    QFETCH(QString, escluso);
    QFETCH(QString, stato);
    const QString id = QStringLiteral("Bianchi_Ugo.txt");
    DatiDipendente d = dipendente(QStringLiteral(" Ugo"), iban, modalita);
    d.cognome = QStringLiteral("Bianchi ");
    if (caso == QLatin1String("fuori"))
        d.periodi = {{QStringLiteral("01/04/2026"), QString()}};
    QVERIFY(Dipendente::salva(d, id));
    if (netto >= 0)
        salvaMese(id, 3, 5000, 0, 300, 0, 0, netto);
    salvaMese(kId, 3, 5000, 0, 300, 0, 0, 4700);
    QString file = StoricoPaghe::percorsoFile(id, 2026);
    if (caso == QLatin1String("rifiuti danneggiati")) {
        file = StoricoPaghe::percorsoRifiuti(id, 2026);
        AmbienteTest::scrivi(file, "[3\n");
    }
    if (caso == QLatin1String("rifiuto"))
        QVERIFY(StoricoPaghe::segnaRifiuto(id, 2026, 3, QStringLiteral("la tariffa Z9 non si trova")));
    if (caso == QLatin1String("danno"))
        AmbienteTest::scrivi(file, AmbienteTest::leggi(file) + "[4\n");

    QStringList esclusi;
    const QList<Pain001::Pagamento> p = DocumentiChiusura::pagamenti({id, kId}, 2026, 3, &esclusi);
    QCOMPARE(esclusi.size(), escluso.isEmpty() ? 0 : 1);
    if (!escluso.isEmpty())
        QVERIFY2(esclusi.first().startsWith(QStringLiteral("Ugo Bianchi: ") + escluso.arg(file)),
                 qPrintable(esclusi.first()));
    QCOMPARE(p.size(), pagato ? 2 : 1);
    QCOMPARE(p.last().nomeBeneficiario, QStringLiteral("Mario Rossi"));
    QCOMPARE(p.last().importo, 4700.0);
    QCOMPARE(p.last().causale, QStringLiteral("Stipendio marzo 2026"));
    if (pagato) {
        QCOMPARE(p.first().nomeBeneficiario, QStringLiteral("Ugo Bianchi"));
        QCOMPARE(p.first().ibanBeneficiario, QStringLiteral("CH93 0076 2011 6238 5295 7"));
        QCOMPARE(p.first().importo, 4700.5);
    }
    // The accounting CSV: a refused month comes after the paid ones, and the
    // export's message names it.
    const QStringList righe = QString::fromUtf8(CifreRiepilogo::testoCsv({id, kId}, 2026, 3)).split(QLatin1Char('\n'));
    QVERIFY(righe.at(1).startsWith(QStringLiteral("2026-03;") + (stato == QLatin1String("pagato") ? id : kId)));
    const QString riga = righe.at(1).startsWith(QStringLiteral("2026-03;") + id) ? righe.at(1) : righe.at(2);
    QVERIFY2(riga.contains(stato.arg(file)), qPrintable(riga));
    const QStringList rifiutati = CifreRiepilogo::mesiRifiutati({id, kId}, 2026, 3);
    const bool rifiutato = caso == QLatin1String("rifiuto") || caso == QLatin1String("rifiuti danneggiati");
    QCOMPARE(rifiutati, rifiutato ? QStringList{QStringLiteral("Bianchi Ugo: ") + escluso.arg(file)} : QStringList());
    // The slip stands on the same reason as the payment, read once with the
    // month's pay history.
    QString motivo;
    FoglioPaga f;
    const bool foglio = DocumentiChiusura::foglioPaga(id, 2026, 3, QString(), &f, &motivo);
    QCOMPARE(motivo, DocumentiChiusura::motivoEscluso(id, 2026, 3));
    QVERIFY(motivo.startsWith(escluso.arg(file)) || !escluso.startsWith(QStringLiteral("lo storico")));
    QCOMPARE(foglio, netto >= 0 && motivo.isEmpty());
}

// The slip's holidays: the entitlement from the employee's holiday weeks
// (the number that sets the holiday pay of hourly staff, 4 when missing),
// five days a week; taken = the holiday file's days plus the "Vacanze prese"
// of the year's months up to the slip's month; accrued = the entitlement,
// in a year employed only part of the time entitlement x months employed /
// 12 to one decimal (each month its days on a 30-day month / 30); balance =
// accrued - taken.
void TestDocumentiChiusura::vacanze_data()
{
    QTest::addColumn<QString>("settimane");      // "vacanzeSettimane"; empty: not set
    QTest::addColumn<QList<double>>("variabili"); // "Vacanze prese" of January .. April 2026
    QTest::addColumn<int>("preseNelFile");        // legal days taken in the holiday file
    QTest::addColumn<int>("mese");
    QTest::addColumn<QString>("periodo");         // "entry-exit"; empty: no period
    QTest::addColumn<QList<double>>("atteso"); // weeks, entitlement, accrued, taken, balance

    // 4 x 5 = 20 days; January's 2 days; March's 3 come after February: 20 - 2 = 18.
    QTest::newRow("a later month does not count")
        << QString() << QList<double>{2, 0, 3, 0} << 0 << 2 << QString() << QList<double>{4, 20, 20, 2, 18};
    // 5 x 5 = 25; 1 + 2 + 1.5 = 4.5 taken; 25 - 4.5 = 20.5.
    QTest::newRow("five weeks, the holiday file's days too")
        << QStringLiteral("5") << QList<double>{2, 1.5, 0, 0} << 1 << 2 << QString()
        << QList<double>{5, 25, 25, 4.5, 20.5};
    // 4.5 x 5 = 22.5; all four months 1 + 1 + 1 + 1 = 4; 18.5.
    QTest::newRow("half weeks, April's slip")
        << QStringLiteral("4.5") << QList<double>{1, 1, 1, 1} << 0 << 4 << QString()
        << QList<double>{4.5, 22.5, 22.5, 4, 18.5};
    QTest::newRow("weeks that are no number: four")
        << QStringLiteral("cinque") << QList<double>{0, 0, 0, 0} << 0 << 2 << QString()
        << QList<double>{4, 20, 20, 0, 20};
    // March 30 - 16 + 1 = 15 days (0.5) and April to December (9): 20 x
    // 9.5 / 12 = 15.83 -> 15.8; April's 2 days taken: 13.8.
    QTest::newRow("entry 16/03")
        << QString() << QList<double>{0, 0, 0, 2} << 0 << 4 << QStringLiteral("16/03/2026")
        << QList<double>{4, 20, 15.8, 2, 13.8};
    // January to March (3) and April's 15 days (0.5): 20 x 3.5 / 12 = 5.83
    // -> 5.8; 1 + 1 taken: 3.8.
    QTest::newRow("exit 15/04")
        << QString() << QList<double>{1, 0, 0, 1} << 0 << 4 << QStringLiteral("01/09/2019-15/04/2026")
        << QList<double>{4, 20, 5.8, 2, 3.8};
    // February's 6 days (0.2) and March to December: 25 x 10.2 / 12 = 21.25
    // -> 21.3, rounded half up on the decimal value.
    QTest::newRow("entry 25/02, five weeks")
        << QStringLiteral("5") << QList<double>{0, 0, 0, 0} << 0 << 4 << QStringLiteral("25/02/2026")
        << QList<double>{5, 25, 21.3, 0, 21.3};
    // Employed all year: the whole 20.
    QTest::newRow("whole year")
        << QString() << QList<double>{1, 0, 0, 1} << 0 << 4 << QStringLiteral("01/09/2019")
        << QList<double>{4, 20, 20, 2, 18};
}

void TestDocumentiChiusura::vacanze()
{
    QFETCH(QString, settimane);
    QFETCH(QList<double>, variabili);
    QFETCH(int, preseNelFile);
    QFETCH(int, mese);
    QFETCH(QString, periodo);
    QFETCH(QList<double>, atteso);

    DatiDipendente d = dipendente(QStringLiteral("Mario"), QString());
    if (!periodo.isEmpty())
        d.periodi.append({periodo.section(QLatin1Char('-'), 0, 0), periodo.section(QLatin1Char('-'), 1)});
    if (!settimane.isEmpty())
        d.extra.insert(QStringLiteral("vacanzeSettimane"), settimane);
    QVERIFY(Dipendente::salva(d, kId));
    QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(kId, 2026);
    for (int m = 0; m < variabili.size(); ++m)
        mesi[m].vacanzePrese = variabili.at(m);
    QVERIFY(VariabiliMensili::salvaAnno(kId, 2026, mesi));
    // The year before does not count.
    QList<VariabileMese> prima = VariabiliMensili::caricaAnno(kId, 2025);
    prima[11].vacanzePrese = 9;
    QVERIFY(VariabiliMensili::salvaAnno(kId, 2025, prima));
    if (preseNelFile > 0) {
        Ferie::AnnoFerie anno;
        anno.legaliPrese = preseNelFile;
        Ferie(QStringLiteral("Rossi_Mario")).scriviAnno(2026, anno);
    }
    salvaMese(kId, mese, 5000, 0, 320.25, 0, 0, 4679.75);

    FoglioPaga f;
    QVERIFY(DocumentiChiusura::foglioPaga(kId, 2026, mese, QString(), &f));
    QCOMPARE((QList<double>{f.settimaneVacanze, f.giorniVacanzeAnno, f.vacanzeMaturate, f.vacanzePrese,
                            f.saldoVacanze}),
             atteso);
}

// The slip's month and date in the user's language, dated at the company's
// town; the payment reference written into the bank file stays Italian.
void TestDocumentiChiusura::lingua_data()
{
    QTest::addColumn<QString>("codice"); // the language chosen at start-up; "+de": the German translation installed
    QTest::addColumn<QString>("mese");
    QTest::addColumn<QString>("localita"); // the company's town
    QTest::addColumn<QString>("luogoData");
    QTest::newRow("Italian") << "it" << "febbraio 2026" << "Lugano" << "Lugano, 8 dicembre 2026";
    QTest::newRow("German") << "de" << "Februar 2026" << "Lugano" << "Lugano, 8. Dezember 2026";
    QTest::newRow("Spanish") << "es" << "febrero 2026" << "Lugano" << "Lugano, 8 de diciembre de 2026";
    QTest::newRow("no language stored: Italian") << "" << "febbraio 2026" << "Lugano" << "Lugano, 8 dicembre 2026";
    QTest::newRow("the translation installed wins") << "+de" << "Februar 2026" << "Lugano" << "Lugano, 8. Dezember 2026";
    QTest::newRow("Geneva company") << "it" << "febbraio 2026" << QString::fromUtf8("Genève") << QString::fromUtf8("Genève, 8 dicembre 2026");
    QTest::newRow("Bern, blanks around") << "it" << "febbraio 2026" << " Bern " << "Bern, 8 dicembre 2026";
    QTest::newRow("no town") << "it" << "febbraio 2026" << "" << "Lugano, 8 dicembre 2026";
}

void TestDocumentiChiusura::lingua()
{
    QFETCH(QString, codice);
    QFETCH(QString, mese);
    QFETCH(QString, localita);
    QFETCH(QString, luogoData);
    DatiAzienda a = Azienda::carica(QStringLiteral("Alfa.txt"));
    a.cap = localita.isEmpty() ? QString() : a.cap;
    a.localita = localita;
    QVERIFY(Azienda::salva(a, QStringLiteral("Alfa.txt")));
    TraduzioneTedesca tedesca;
    const bool tradotto = codice.startsWith(QLatin1Char('+'));
    // The language chosen for the next start-up does not change the texts of this run.
    QSettings(QStringLiteral("Vardello"), QStringLiteral("Lingua"))
        .setValue(QStringLiteral("lingua"), tradotto ? QStringLiteral("fr") : codice);
    QVERIFY(Dipendente::salva(dipendente(QStringLiteral("Mario"), QString()), kId));
    salvaMese(kId, 2, 5000, 0, 320.25, 0, 0, 4679.75);

    FoglioPaga f;
    if (tradotto)
        QCoreApplication::installTranslator(&tedesca);
    const bool fatto = DocumentiChiusura::foglioPaga(kId, 2026, 2, QString(), &f);
    QCoreApplication::removeTranslator(&tedesca);
    QVERIFY(fatto);
    QCOMPARE(f.mese, mese);
    QCOMPARE(f.luogoData, luogoData);
    QCOMPARE(DocumentiChiusura::causale(2026, 2), QStringLiteral("Stipendio febbraio 2026"));
    QSettings(QStringLiteral("Vardello"), QStringLiteral("Lingua")).remove(QStringLiteral("lingua"));
}

VARDELLO_TEST_MAIN(TestDocumentiChiusura)
#include "tst_documentichiusura.moc"
