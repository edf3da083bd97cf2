#include "ambientetest.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "datoteca.h"
#include "dialogparametricritici.h"
#include "orologio.h"

#include <QDir>
#include <QDoubleSpinBox>
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

    void aperturaNelLog();
    void salvaConservaCoordinato();
    void annoChiuso();
    void logNonScritto();
    void cambioAnno_data();
    void cambioAnno();
};

void TestDialogParametriCritici::aperturaNelLog()
{
    RegistroMessaggi messaggi;
    for (int volte = 1; volte <= 2; ++volte) {
        DialogParametriCritici f(nullptr, false);
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Attenzione"));
        QCOMPARE(righeLog(), volte);
    }
    QVERIFY(AmbienteTest::leggi(DialogParametriCritici::percorsoLog())
                .startsWith("2026-03-02T10:00:00,home,apertura_parametri_critici,,\n"));
    DialogParametriCritici senza(nullptr, true);
    QCOMPARE(righeLog(), 2);
    QCOMPARE(messaggi.richieste.size(), 2);
}

void TestDialogParametriCritici::salvaConservaCoordinato()
{
    scriviAnno(2031, 600000); // a ceiling the box cannot show
    const int primaLog = righeLog();
    DialogParametriCritici f(nullptr, true);
    f.findChild<QSpinBox*>(QStringLiteral("anno"))->setValue(2031);
    QCOMPARE(Datoteca::annoCorrente(), 2031);
    auto* massimale = f.findChild<QDoubleSpinBox*>(QStringLiteral("adMassimale"));
    QCOMPARE(massimale->value(), 500000.0);
    const QStringList nomi = {"avsDipendente", "avsDatore", "adDipendente", "adDatore", "cafDipendente",
                              "cafDatore", "lainfDipendente", "lainfDatore", "lainfMassimale", "lppSoglia",
                              "lppDeduzione", "lppSalarioMassimo", "igm"};
    for (int i = 0; i < nomi.size(); ++i) {
        auto* casella = f.findChild<QDoubleSpinBox*>(nomi.at(i));
        casella->clear();
        QTest::keyClicks(casella, QString::number(i + 1));
    }
    QVERIFY(f.modificato());

    RegistroMessaggi messaggi;
    f.findChild<QPushButton*>(QStringLiteral("salva"))->click(); // answered No
    QVERIFY(messaggi.ultimoTesto().contains(QStringLiteral("AD massimale")));
    messaggi.rispondi(QMessageBox::Yes);
    f.findChild<QPushButton*>(QStringLiteral("salva"))->click();
    QCOMPARE(f.result(), int(QDialog::Accepted));

    Datoteca::carica(2026);
    Datoteca::carica(2031);
    const Datoteca::ParametriLPP lpp = Datoteca::lpp();
    QCOMPARE((QList<double>{lpp.coordinatoMinimo, lpp.coordinatoMassimo, lpp.sogliaEntrata, lpp.salarioMassimo,
                            Datoteca::contributo(QStringLiteral("AVS")).aliquotaDipendente,
                            Datoteca::contributo(QStringLiteral("AD")).massimale,
                            Datoteca::contributo(QStringLiteral("LAINF")).massimale, Datoteca::guadagnoMassimo()}),
             (QList<double>{3900, 65000, 10, 12, 1, 500000, 9, 13}));
    QVERIFY(righeLog() > primaLog);
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
    QCOMPARE(f.findChild<QDoubleSpinBox*>(QStringLiteral("adMassimale"))->value(),
             annoMostrato == 2026 ? 148200.0 : 150000.0);
    Datoteca::carica(2026);
    QCOMPARE(Datoteca::contributo(QStringLiteral("AVS")).aliquotaDipendente, avs2026);
}

VARDELLO_TEST_MAIN(TestDialogParametriCritici)
#include "tst_dialogparametricritici.moc"
