#include "ambientetest.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "datoteca.h"
#include "dialogparametricritici.h"
#include "orologio.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTranslator>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace {

QString fileAnno(int anno) { return Config::cartellaDatiPredefinita() + QStringLiteral("/datoteca_%1.ini").arg(anno); }
int righeLog() { return AmbienteTest::leggi(DialogParametriCritici::percorsoLog()).count('\n'); }

// A year file whose values differ from the built-in ones.
void scriviAnno(int anno, double massimaleAd)
{
    Datoteca::carica(anno);
    QMap<QString, Datoteca::VoceContributo> contributi;
    for (const QString& codice : Datoteca::codiciContributi())
        contributi.insert(codice, Datoteca::contributo(codice));
    contributi[QStringLiteral("AD")].massimale = massimaleAd;
    Datoteca::ParametriLPP lpp = Datoteca::lpp();
    lpp.coordinatoMinimo = 3900;
    lpp.coordinatoMassimo = 65000;
    QVERIFY(Datoteca::salvaCon(contributi, lpp, Datoteca::guadagnoMassimo(), anno));
    Datoteca::carica(2026);
}

} // namespace

class TestDialogParametriCritici : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        AmbienteTest::svuota();
        QVERIFY(QDir().mkpath(Config::cartellaDatiPredefinita()));
        Orologio::imposta(QDateTime(QDate(2026, 3, 2), QTime(10, 0)));
        Datoteca::carica(2026);
    }

    void aperturaNelLog_data();
    void aperturaNelLog();
    void salvaConservaCoordinato();
    void fileDanneggiato_data();
    void fileDanneggiato();
    void annoChiuso();
    void logNonScritto();
    void cambioAnno_data();
    void cambioAnno();
    void titoliInteri_data();
    void titoliInteri();
};

void TestDialogParametriCritici::aperturaNelLog_data()
{
    QTest::addColumn<QByteArray>("prima"); // the log before; null: none
    QTest::newRow("no log") << QByteArray();
    // A log cut mid-line keeps the fragment; each opening is a line of its own.
    QTest::newRow("last line cut") << QByteArray("2026-03-01T08:00:00,home,apertura_par");
}

void TestDialogParametriCritici::aperturaNelLog()
{
    QFETCH(QByteArray, prima);
    if (!prima.isNull())
        AmbienteTest::scrivi(DialogParametriCritici::percorsoLog(), prima);
    const QByteArray riga = "2026-03-02T10:00:00,home,apertura_parametri_critici,,\n";
    const QByteArray inizio = prima.isNull() ? QByteArray() : prima + '\n';
    RegistroMessaggi messaggi;
    for (int volte = 1; volte <= 2; ++volte) {
        DialogParametriCritici f(nullptr, false);
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Attenzione"));
        QCOMPARE(AmbienteTest::leggi(DialogParametriCritici::percorsoLog()), inizio + riga.repeated(volte));
    }
    DialogParametriCritici senza(nullptr, true);
    QCOMPARE(AmbienteTest::leggi(DialogParametriCritici::percorsoLog()), inizio + riga + riga);
    QCOMPARE(messaggi.richieste.size(), 2);
}

// Every box typed with a value other than the stored one, with the decimals
// it shows: each reads back exactly after the save (no rounding to six
// digits: 148200.55 and 26460.25 stay as typed).
void TestDialogParametriCritici::salvaConservaCoordinato()
{
    scriviAnno(2031, 600000.125); // beyond what the box takes, with three decimals
    const int primaLog = righeLog();
    DialogParametriCritici f(nullptr, true);
    f.findChild<QSpinBox*>(QStringLiteral("anno"))->setValue(2031);
    QCOMPARE(Datoteca::annoCorrente(), 2031);
    auto* massimale = f.findChild<QDoubleSpinBox*>(QStringLiteral("adMassimale"));
    QCOMPARE(massimale->value(), 600000.13); // shown as it is, rounded as amounts are
    const QList<QPair<const char*, const char*>> digitati = {
        {"avsDipendente", "1.005"},      {"avsDatore", "5.125"},       {"adDipendente", "1.115"},
        {"adDatore", "0.875"},           {"cafDipendente", "0.415"},   {"cafDatore", "0.625"},
        {"lainfDipendente", "1.234"},    {"lainfDatore", "0.567"},     {"lainfMassimale", "148200.55"},
        {"lppSoglia", "22680.35"},       {"lppDeduzione", "26460.25"}, {"lppSalarioMassimo", "90720.85"},
        {"igm", "148300.45"}};
    for (const auto& d : digitati) {
        auto* casella = f.findChild<QDoubleSpinBox*>(QLatin1String(d.first));
        QVERIFY(casella->text() != QLatin1String(d.second));
        casella->clear();
        QTest::keyClicks(casella, QLatin1String(d.second));
    }
    QVERIFY(f.modificato());

    RegistroMessaggi messaggi;
    // Typed, the ceiling must lie within what the box takes; typed back as
    // shown, it is the stored one again.
    massimale->clear();
    QTest::keyClicks(massimale, QStringLiteral("550000"));
    f.findChild<QPushButton*>(QStringLiteral("salva"))->click();
    QVERIFY2(messaggi.ultimoTesto().contains(QStringLiteral("\"Assicurazione disoccupazione - Massimale (CHF)\"")),
             qPrintable(messaggi.ultimoTesto()));
    massimale->clear();
    QTest::keyClicks(massimale, QStringLiteral("600000.13"));
    f.findChild<QPushButton*>(QStringLiteral("salva"))->click(); // answered No
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Stai per sovrascrivere i parametri AVS/SUVA/LPP. Confermi?"));
    messaggi.rispondi(QMessageBox::Yes);
    const QByteArray prima = AmbienteTest::leggi(fileAnno(2031));
    {
        LimiteFile limite(64); // a save the disk cannot take: reported, the file as it was
        f.findChild<QPushButton*>(QStringLiteral("salva"))->click();
    }
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Impossibile salvare i parametri. Controlla i log."));
    QCOMPARE(AmbienteTest::leggi(fileAnno(2031)), prima);
    QVERIFY(f.modificato());
    messaggi.rispondi(QMessageBox::Yes);
    f.findChild<QPushButton*>(QStringLiteral("salva"))->click();
    QCOMPARE(f.result(), int(QDialog::Accepted));

    Datoteca::carica(2026);
    Datoteca::carica(2031);
    QVERIFY(Datoteca::problemiCaricamento().isEmpty());
    const Datoteca::ParametriLPP lpp = Datoteca::lpp();
    const auto avs = Datoteca::contributo(QStringLiteral("AVS"));
    const auto ad = Datoteca::contributo(QStringLiteral("AD"));
    const auto caf = Datoteca::contributo(QStringLiteral("CAF"));
    const auto lainf = Datoteca::contributo(QStringLiteral("LAINF"));
    const QList<double> letti = {avs.aliquotaDipendente,   avs.aliquotaDatore,    ad.aliquotaDipendente,
                                 ad.aliquotaDatore,        caf.aliquotaDipendente, caf.aliquotaDatore,
                                 lainf.aliquotaDipendente, lainf.aliquotaDatore,  lainf.massimale,
                                 lpp.sogliaEntrata,        lpp.deduzioneCoordinamento, lpp.salarioMassimo,
                                 Datoteca::guadagnoMassimo()};
    for (int i = 0; i < digitati.size(); ++i) {
        const QString atteso = QLatin1String(digitati.at(i).second);
        QCOMPARE(QString::number(letti.at(i), 'f', atteso.section(QLatin1Char('.'), 1).size()), atteso);
    }
    // Not shown or not touched, so kept as they were.
    QCOMPARE((QList<double>{lpp.coordinatoMinimo, lpp.coordinatoMassimo, ad.massimale}),
             (QList<double>{3900, 65000, 600000.125}));
    QVERIFY(righeLog() > primaLog);
}

// A year file that did not read cleanly: the window says which file and
// line as it opens, and its save refuses, changing nothing on disk.
void TestDialogParametriCritici::fileDanneggiato_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("danno");
    const QByteArray resto = "[AD]\naliquotaDipendente=1.1\naliquotaDatore=1.1\nmassimale=148200\n"
                             "[LPP]\nsogliaEntrata=22680\ndeduzioneCoordinamento=26460\n";
    QTest::newRow("decimal comma") << "[AVS]\naliquotaDipendente=5,3\naliquotaDatore=5.3\n" + resto
                                   << "riga 2: valore non valido per AVS/aliquotaDipendente";
    QTest::newRow("header without ]") << "[AVS]\naliquotaDipendente=5.3\naliquotaDatore=5.3\n" + resto.mid(0, 3)
                                             + resto.mid(4)
                                      << "riga 4: intestazione di gruppo senza \"]\"";
}

void TestDialogParametriCritici::fileDanneggiato()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, danno);
    AmbienteTest::scrivi(fileAnno(2033), contenuto);
    AmbienteTest::scrivi(DialogParametriCritici::percorsoLog(), "prima\n");
    Datoteca::carica(2033);
    const QString atteso = fileAnno(2033) + QStringLiteral(", ") + danno;

    RegistroMessaggi messaggi;
    DialogParametriCritici f(nullptr, true);
    QVERIFY2(messaggi.ultimoTesto().contains(atteso), qPrintable(messaggi.ultimoTesto()));
    auto* igm = f.findChild<QDoubleSpinBox*>(QStringLiteral("igm"));
    igm->clear();
    QTest::keyClicks(igm, QStringLiteral("150000.05"));
    messaggi.rispondi(QMessageBox::Yes);
    f.findChild<QPushButton*>(QStringLiteral("salva"))->click();
    QVERIFY2(messaggi.ultimoTesto().contains(atteso), qPrintable(messaggi.ultimoTesto()));
    QVERIFY(messaggi.ultimoTesto().contains(QStringLiteral("non vengono salvati")));
    QCOMPARE(f.result(), int(QDialog::Rejected));
    QCOMPARE(AmbienteTest::leggi(fileAnno(2033)), contenuto);
    QCOMPARE(AmbienteTest::leggi(DialogParametriCritici::percorsoLog()), QByteArray("prima\n"));
    QVERIFY(QDir(Config::cartellaDatiPredefinita() + QStringLiteral("/backup")).isEmpty());

    // The store refuses too.
    QVERIFY(!Datoteca::salvaCon({}, Datoteca::lpp(), 1, 2033));
    QCOMPARE(AmbienteTest::leggi(fileAnno(2033)), contenuto);
}

void TestDialogParametriCritici::annoChiuso()
{
    scriviAnno(2032, 148200);
    QVERIFY(ChiusuraAnnuale::chiudiAnno(2032, QStringLiteral("test"), QString()));
    const QByteArray file = AmbienteTest::leggi(fileAnno(2032));
    const QByteArray log = AmbienteTest::leggi(DialogParametriCritici::percorsoLog());

    DialogParametriCritici f(nullptr, true);
    f.show();
    f.findChild<QSpinBox*>(QStringLiteral("anno"))->setValue(2032);
    f.findChild<QDoubleSpinBox*>(QStringLiteral("avsDipendente"))->setValue(6.0);
    RegistroMessaggi messaggi;
    messaggi.rispondi(QMessageBox::Yes);
    f.findChild<QPushButton*>(QStringLiteral("salva"))->click();
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Impossibile salvare i parametri. Controlla i log."));
    QVERIFY(f.isVisible());
    QCOMPARE(AmbienteTest::leggi(fileAnno(2032)), file);
    QCOMPARE(AmbienteTest::leggi(DialogParametriCritici::percorsoLog()), log);
}

// A change log that cannot be written does not stop the save, and the user
// is told so.
void TestDialogParametriCritici::logNonScritto()
{
    DialogParametriCritici f(nullptr, true);
    QVERIFY(QDir().mkpath(DialogParametriCritici::percorsoLog())); // a folder where the log goes
    auto* avs = f.findChild<QDoubleSpinBox*>(QStringLiteral("avsDipendente"));
    avs->clear();
    QTest::keyClicks(avs, QStringLiteral("5.5"));
    RegistroMessaggi messaggi;
    messaggi.rispondi(QMessageBox::Yes);
    f.findChild<QPushButton*>(QStringLiteral("salva"))->click();
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Registro modifiche"));
    Datoteca::carica(2026);
    QCOMPARE(Datoteca::contributo(QStringLiteral("AVS")).aliquotaDipendente, 5.5);
}

void TestDialogParametriCritici::cambioAnno_data()
{
    QTest::addColumn<int>("risposta");
    QTest::addColumn<int>("annoMostrato");
    QTest::addColumn<double>("avs2026"); // in the 2026 file afterwards (built-in 5.3)
    QTest::newRow("Annulla keeps the year and the typed value") << int(QMessageBox::Cancel) << 2026 << 5.3;
    QTest::newRow("Non salvare drops it") << int(QMessageBox::Discard) << 2031 << 5.3;
    QTest::newRow("Salva stores it in the year shown") << int(QMessageBox::Save) << 2031 << 5.55;
}

// A year change with typed values asks first, as closing does.
void TestDialogParametriCritici::cambioAnno()
{
    QFETCH(int, risposta);
    QFETCH(int, annoMostrato);
    QFETCH(double, avs2026);
    scriviAnno(2031, 150000);
    DialogParametriCritici f(nullptr, true);
    auto* avs = f.findChild<QDoubleSpinBox*>(QStringLiteral("avsDipendente"));
    avs->clear();
    QTest::keyClicks(avs, QStringLiteral("5.55"));
    RegistroMessaggi messaggi;
    messaggi.rispondi(QMessageBox::StandardButton(risposta));
    if (risposta == QMessageBox::Save)
        messaggi.rispondi(QMessageBox::Yes); // "Stai per sovrascrivere..."
    f.findChild<QSpinBox*>(QStringLiteral("anno"))->setValue(2031);
    QVERIFY(!messaggi.richieste.isEmpty());
    QCOMPARE(messaggi.richieste.first().testo, QStringLiteral("Ci sono modifiche non salvate.\nSalvare prima di chiudere?"));
    QCOMPARE(f.findChild<QSpinBox*>(QStringLiteral("anno"))->value(), annoMostrato);
    QCOMPARE(Datoteca::annoCorrente(), annoMostrato);
    QCOMPARE(avs->value(), annoMostrato == 2026 ? 5.55 : 5.3);
    Datoteca::carica(2026);
    QCOMPARE(Datoteca::contributo(QStringLiteral("AVS")).aliquotaDipendente, avs2026);
}

void TestDialogParametriCritici::titoliInteri_data()
{
    QTest::addColumn<QString>("lingua");
    QTest::addColumn<QString>("igm"); // the group of the maximum insured earnings
    QTest::newRow("it") << "it" << "IGM";
    QTest::newRow("de") << "de" << QString::fromUtf8("Höchstversicherter Verdienst (UVG)");
    QTest::newRow("fr") << "fr" << QString::fromUtf8("Gain maximal assuré");
    QTest::newRow("en") << "en" << "Maximum insured earnings";
    QTest::newRow("es") << "es" << QString::fromUtf8("Ganancia máxima asegurada");
}

// In every language each group title is read whole (in French "LAA / SUVA :
// valeurs initiales des nouvelles entreprises" is the widest), the group of
// the maximum insured earnings is named as such, and the window does not
// scroll sideways.
void TestDialogParametriCritici::titoliInteri()
{
    QFETCH(QString, lingua);
    QFETCH(QString, igm);
    QTranslator traduzione;
    if (lingua != QLatin1String("it")) {
        const QString qm = QStringLiteral(VARDELLO_TRADUZIONI "/vardello_") + lingua + QStringLiteral(".qm");
        if (!QFileInfo::exists(qm))
            QSKIP("The translation is not built.");
        QVERIFY(traduzione.load(qm));
        QCoreApplication::installTranslator(&traduzione);
    }
    DialogParametriCritici f(nullptr, true);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCoreApplication::removeTranslator(&traduzione);
    const QList<QGroupBox*> gruppi = f.findChildren<QGroupBox*>();
    QCOMPARE(gruppi.size(), 6);
    QStringList titoli;
    for (const QGroupBox* g : gruppi) {
        QVERIFY2(g->fontMetrics().horizontalAdvance(g->title()) < g->width(), qPrintable(g->title()));
        titoli << g->title();
    }
    QVERIFY2(titoli.contains(igm), qPrintable(titoli.join(QLatin1Char('|'))));
    const auto* area = f.findChild<QScrollArea*>();
    QVERIFY(area->viewport()->width() >= area->widget()->minimumSizeHint().width());
    QVERIFY(!area->horizontalScrollBar()->isVisible());
}

VARDELLO_TEST_MAIN(TestDialogParametriCritici)
#include "tst_dialogparametricritici.moc"
