#include "ambientetest.h"
#include "anteprimastampa.h"
#include "azienda.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "dipendente.h"
#include "fileini.h"
#include "orologio.h"
#include "piattaformatest.h"
#include "schedavariabilidipendente.h"
#include "variabilimensili.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>

Q_DECLARE_METATYPE(QMessageBox::StandardButton)

// The month-by-month variables card of one employee.
class TestSchedaVariabiliDipendente : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formPerTipoDiPaga_data();
    void formPerTipoDiPaga();
    void mesiUnoAllaVolta();
    void straordinari_data();
    void straordinari();
    void fuoriLimite_data();
    void fuoriLimite();
    void nonToccati_data();
    void nonToccati();
    void mesiNellaLingua();
    void annoChiuso();
    void clicSulRiepilogo();
    void cambioConModifiche_data();
    void cambioConModifiche();
    void stampaRiepilogo();

private:
    void dipendente(bool orario);
    static QDoubleSpinBox* box(QDialog& d, const char* nome) { return d.findChild<QDoubleSpinBox*>(QLatin1String(nome)); }
    static void clic(QDialog& d, const char* nome) { d.findChild<QPushButton*>(QLatin1String(nome))->click(); }
    static QComboBox* mese(QDialog& d) { return d.findChild<QComboBox*>(QStringLiteral("mese")); }
    static QStringList rigaRiepilogo(QDialog& d, int r)
    {
        auto* t = d.findChild<QTableWidget*>(QStringLiteral("riepilogo"));
        QStringList celle;
        for (int c = 0; c < t->columnCount(); ++c)
            celle << t->item(r, c)->text();
        return celle;
    }

    RegistroPiattaforma piattaforma;
    const QString id = QStringLiteral("Rossi_Mario.txt");
};

void TestSchedaVariabiliDipendente::init()
{
    AmbienteTest::svuota();
    Orologio::imposta(QDateTime(QDate(2026, 5, 5), QTime(9, 0)));
    DatiAzienda a;
    a.ragioneSociale = QStringLiteral("Alfa & Figli SA");
    a.localita = QStringLiteral("Mendrisio");
    QVERIFY(Azienda::salva(a, QStringLiteral("Alfa.txt")));
    Config::setAziendaCorrente(QStringLiteral("Alfa.txt"));
}

void TestSchedaVariabiliDipendente::cleanup()
{
    for (const QUrl& u : piattaforma.urlAperti)
        QFile::remove(u.toLocalFile());
    piattaforma.urlAperti.clear();
}

void TestSchedaVariabiliDipendente::dipendente(bool orario)
{
    DatiDipendente d;
    d.nome = QStringLiteral("Mario");
    d.cognome = QStringLiteral("Rossi");
    d.numeroAVS = QStringLiteral("756.1111.2222.39");
    d.tipoPaga = orario ? 1 : 0;
    d.pagaOraria = 34.5;
    d.salarioMensile = 5200;
    QVERIFY(Dipendente::salva(d, id));
}

void TestSchedaVariabiliDipendente::formPerTipoDiPaga_data()
{
    QTest::addColumn<bool>("orario");
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("contratto");
    QTest::addColumn<QString>("colonna1");
    QTest::newRow("hourly") << true << 11 << "Salario orario (CHF 34.50/h)" << "Ore fatte";
    QTest::newRow("monthly") << false << 9 << "Stipendio mensile (CHF 5200.00/mese)" << "Imponibili (CHF)";
}

void TestSchedaVariabiliDipendente::formPerTipoDiPaga()
{
    QFETCH(bool, orario);
    QFETCH(int, input);
    QFETCH(QString, contratto);
    QFETCH(QString, colonna1);
    dipendente(orario);

    SchedaVariabiliDipendente s(id);
    QVERIFY(s.findChild<QLabel*>(QStringLiteral("intestazione"))->text().contains(contratto));
    auto* gruppo = s.findChild<QGroupBox*>();
    QCOMPARE(gruppo->findChildren<QDoubleSpinBox*>().size(), input);
    QCOMPARE(gruppo->findChild<QLineEdit*>(QStringLiteral("comunicazioni")) != nullptr, !orario);
    // Four rows of the grid either way: the hourly inputs, or the monthly
    // ones and the note.
    QCOMPARE(qobject_cast<QGridLayout*>(gruppo->layout())->rowCount(), 4);
    auto* riepilogo = s.findChild<QTableWidget*>(QStringLiteral("riepilogo"));
    QCOMPARE(riepilogo->horizontalHeaderItem(1)->text(), colonna1);
    QCOMPARE(mese(s)->currentText(), QStringLiteral("Maggio"));
}

// Months entered one at a time: each save writes the whole year, the other
// members of a month are kept, and the summary follows.
void TestSchedaVariabiliDipendente::mesiUnoAllaVolta()
{
    dipendente(false);
    QList<VariabileMese> anno = VariabiliMensili::caricaAnno(id, 2026);
    anno[0].oreExtraCompensate = 3;
    anno[0].rimborsoSpeseDesc = QStringLiteral("Treno");
    anno[1].acconti = -50; // a correction the form cannot type: shown and kept
    anno[11].importiImponibili = 77;
    QVERIFY(VariabiliMensili::salvaAnno(id, 2026, anno));

    RegistroMessaggi registro;
    SchedaVariabiliDipendente s(id);
    mese(s)->setCurrentIndex(0);
    box(s, "importiImponibili")->setValue(1200.5);
    box(s, "rimborsoSpese")->setValue(80);
    s.findChild<QLineEdit*>(QStringLiteral("comunicazioni"))->setText(QStringLiteral("  Straordinari  "));
    clic(s, "salvaMese");
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Salvato"));
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Variabili di Gennaio 2026 salvate."));
    // The form shows what was stored.
    QCOMPARE(s.findChild<QLineEdit*>(QStringLiteral("comunicazioni"))->text(), QStringLiteral("Straordinari"));

    mese(s)->setCurrentIndex(1);
    QCOMPARE(box(s, "acconti")->value(), -50.0);
    QCOMPARE(box(s, "importiImponibili")->value(), 0.0);
    box(s, "tredicesimaGratifica")->setValue(5200);
    clic(s, "salvaMese");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Variabili di Febbraio 2026 salvate."));
    QVERIFY(registro.richieste.size() == 2); // a monthly-paid employee is never asked about overtime

    const QList<VariabileMese> file = VariabiliMensili::caricaAnno(id, 2026);
    QCOMPARE(file.at(0).importiImponibili, 1200.5);
    QCOMPARE(file.at(0).comunicazioni, QStringLiteral("Straordinari"));
    QCOMPARE(file.at(0).oreExtraCompensate, 3.0);
    QCOMPARE(file.at(0).rimborsoSpeseDesc, QStringLiteral("Treno"));
    QCOMPARE(file.at(1).tredicesimaGratifica, 5200.0);
    QCOMPARE(file.at(1).acconti, -50.0);
    QCOMPARE(file.at(11).importiImponibili, 77.0);
    QCOMPARE(rigaRiepilogo(s, 0), (QStringList{"Gennaio", "1200.50", "0.00", "80.00", "0.00", "Straordinari"}));
    QCOMPARE(rigaRiepilogo(s, 1), (QStringList{"Febbraio", "0.00", "0.00", "0.00", "5200.00", ""}));

    // Another year shows its own months.
    s.findChild<QSpinBox*>(QStringLiteral("anno"))->setValue(2025);
    QCOMPARE(rigaRiepilogo(s, 0).at(1), QStringLiteral("0.00"));
}

// The overtime warning for hourly-paid employees: more than 40 hours in the
// month or 140 in the year; the user may save all the same.
void TestSchedaVariabiliDipendente::straordinari_data()
{
    QTest::addColumn<double>("altriMesi"); // 25% overtime in each of the other eleven months
    QTest::addColumn<double>("extra25");
    QTest::addColumn<double>("extra50");
    QTest::addColumn<QString>("avviso"); // a part of the warning; empty: none
    QTest::addColumn<QMessageBox::StandardButton>("risposta");
    QTest::addColumn<bool>("salvato");

    QTest::newRow("41 in the month, cancelled") << 0.0 << 25.0 << 16.0 << "Ore extra nel mese: 41.00 h"
                                                << QMessageBox::Cancel << false;
    QTest::newRow("exactly 40") << 0.0 << 20.0 << 20.0 << "" << QMessageBox::NoButton << true;
    QTest::newRow("341 in the year") << 30.0 << 11.0 << 0.0 << "anno 2026: 341.00 h" << QMessageBox::Cancel
                                     << false;
    QTest::newRow("141 in the year, saved anyway") << 10.0 << 31.0 << 0.0 << "anno 2026: 141.00 h"
                                                   << QMessageBox::Save << true;
}

void TestSchedaVariabiliDipendente::straordinari()
{
    QFETCH(double, altriMesi);
    QFETCH(double, extra25);
    QFETCH(double, extra50);
    QFETCH(QString, avviso);
    QFETCH(QMessageBox::StandardButton, risposta);
    QFETCH(bool, salvato);

    dipendente(true);
    QList<VariabileMese> anno = VariabiliMensili::caricaAnno(id, 2026);
    for (int m = 0; m < 12; ++m)
        anno[m].oreExtra25 = m == 4 ? 99 : altriMesi; // May's stored hours do not count
    QVERIFY(VariabiliMensili::salvaAnno(id, 2026, anno));

    RegistroMessaggi registro;
    SchedaVariabiliDipendente s(id);
    box(s, "oreExtra25")->setValue(extra25);
    box(s, "oreExtra50")->setValue(extra50);
    if (risposta != QMessageBox::NoButton)
        registro.rispondi(risposta);
    clic(s, "salvaMese");

    if (avviso.isEmpty()) {
        QCOMPARE(registro.richieste.size(), 1);
    } else {
        const Messaggi::Richiesta& r = registro.richieste.first();
        QCOMPARE(r.icona, QMessageBox::Warning);
        QCOMPARE(r.titolo, QStringLiteral("AVVISO IMPORTANTE - Limite legale ore straordinarie (art. 12 LL)"));
        QVERIFY2(r.testo.contains(avviso), qPrintable(r.testo));
        QCOMPARE(r.testiPulsanti.size(), 2);
        QCOMPARE(r.testiPulsanti.at(0).second, QStringLiteral("Salva a mio rischio e pericolo"));
        QCOMPARE(r.testiPulsanti.at(1).second, QStringLiteral("Annulla e correggi"));
    }
    QCOMPARE(VariabiliMensili::caricaAnno(id, 2026).at(4).oreExtra25, salvato ? extra25 : 99.0);
    QCOMPARE(registro.ultimoTesto() == QStringLiteral("Variabili di Maggio 2026 salvate."), salvato);
}

// Each value within its field's range, the month's hours at most 744
// together: else a warning naming the field and nothing is written. Every
// input of May typed with a value other than the stored one reaches the
// file; a full disk is reported.
void TestSchedaVariabiliDipendente::fuoriLimite_data()
{
    QTest::addColumn<bool>("orario");
    QTest::addColumn<QString>("valori"); // "input=value", ";" between them
    QTest::addColumn<QString>("campo");  // named in the warning; empty: saved; "<pieno>": the disk is full

    QTest::newRow("99'999 hours") << true << "oreFatte=99999" << "Ore lavorate normali";
    QTest::newRow("32 days of holiday") << true << "vacanzePrese=32" << "Vacanze prese (gg)";
    QTest::newRow("720 + 20 + 5 hours") << true << "oreFatte=720;oreExtra25=20;oreExtra50=5"
                                        << "Ore lavorate del mese (normali e extra)";
    QTest::newRow("every hourly input")
        << true
        << "oreFatte=703.875;oreExtra25=25.125;oreExtra50=15;rimborsoMalattia=11;rimborsoInfortunio=12;"
           "rimborsoIPG=13;rimborsoSpese=14;acconti=15;rimborsoPrestiti=16;trattenuteUEF=17;vacanzePrese=30.875"
        << "";
    QTest::newRow("every monthly input")
        << false
        << "importiImponibili=21;importiNonImponibili=22;rimborsoSpese=23;rimborsoTrasferte=24;deduzioneAssenze=25;"
           "rimborsoAssicurativo=26;tredicesimaGratifica=27;acconti=28;vacanzePrese=2.5"
        << "";
    QTest::newRow("the disk is full") << false << "acconti=300" << "<pieno>";
}

void TestSchedaVariabiliDipendente::fuoriLimite()
{
    QFETCH(bool, orario);
    QFETCH(QString, valori);
    QFETCH(QString, campo);
    dipendente(orario);
    QList<VariabileMese> anno = VariabiliMensili::caricaAnno(id, 2026);
    for (int m = 0; m < 12; ++m)
        anno[m].acconti = 1; // every stored value differs from what is typed
    QVERIFY(VariabiliMensili::salvaAnno(id, 2026, anno));
    const QByteArray prima = AmbienteTest::leggi(VariabiliMensili::percorsoFile(id, 2026));

    RegistroMessaggi registro;
    registro.rispondi(QMessageBox::Save); // overtime above 40 hours: saved at the user's risk
    SchedaVariabiliDipendente s(id);
    QCOMPARE(mese(s)->currentIndex(), 4);
    QMap<QString, double> attesi;
    for (const QString& v : valori.split(QLatin1Char(';'))) {
        const QString nome = v.section(QLatin1Char('='), 0, 0);
        QVERIFY2(box(s, qPrintable(nome)), qPrintable(nome));
        box(s, qPrintable(nome))->setValue(v.section(QLatin1Char('='), 1).toDouble());
        attesi.insert(nome, v.section(QLatin1Char('='), 1).toDouble());
    }
    const bool pieno = campo == QLatin1String("<pieno>");
    {
        LimiteFile limite(pieno ? 0 : RLIM_INFINITY);
        clic(s, "salvaMese");
    }
    if (!campo.isEmpty()) {
        QCOMPARE(registro.richieste.size(), 1);
        QVERIFY2(pieno ? registro.ultimoTitolo() == QStringLiteral("Errore")
                       : registro.ultimoTesto().contains(QLatin1Char('"') + campo + QLatin1Char('"')),
                 qPrintable(registro.ultimoTesto()));
        QCOMPARE(AmbienteTest::leggi(VariabiliMensili::percorsoFile(id, 2026)), prima);
        return;
    }
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Variabili di Maggio 2026 salvate."));
    // The inputs are named as the file's keys: each typed value is in May's group.
    const FileIni file = FileIni::leggi(AmbienteTest::leggi(VariabiliMensili::percorsoFile(id, 2026)));
    QCOMPARE(s.findChild<QGroupBox*>()->findChildren<QDoubleSpinBox*>().size(), attesi.size()); // every input typed
    for (auto it = attesi.cbegin(); it != attesi.cend(); ++it)
        QCOMPARE(file.valore(QStringLiteral("Mese_5"), it.key()).toDouble(), it.value());
}

// A value of the month the user did not touch is written back exactly as it
// is stored, whatever its decimals or size, when another field is saved.
void TestSchedaVariabiliDipendente::nonToccati_data()
{
    QTest::addColumn<bool>("orario");
    QTest::addColumn<QString>("memorizzati"); // May's stored values, "input=value"
    QTest::addColumn<QString>("digitato");    // typed into one input, "input=text"

    QTest::newRow("hourly: 3.875 hours and 1.125 days kept, 160.125 hours typed")
        << true << "oreExtra25=3.875;vacanzePrese=1.125;acconti=-50" << "oreFatte=160.125";
    QTest::newRow("monthly: a bonus past the form's range, a negative correction")
        << false << "tredicesimaGratifica=300000.25;deduzioneAssenze=-30;vacanzePrese=2.125;importiImponibili=19.825"
        << "acconti=400";
}

void TestSchedaVariabiliDipendente::nonToccati()
{
    QFETCH(bool, orario);
    QFETCH(QString, memorizzati);
    QFETCH(QString, digitato);
    dipendente(orario);
    QList<VariabileMese> anno = VariabiliMensili::caricaAnno(id, 2026);
    QMap<QString, double> attesi;
    for (const QString& v : memorizzati.split(QLatin1Char(';')))
        attesi.insert(v.section(QLatin1Char('='), 0, 0), v.section(QLatin1Char('='), 1).toDouble());
    QVERIFY(VariabiliMensili::salvaAnno(id, 2026, anno));
    {
        QSettings file(VariabiliMensili::percorsoFile(id, 2026), QSettings::IniFormat);
        for (auto it = attesi.cbegin(); it != attesi.cend(); ++it)
            file.setValue(QStringLiteral("Mese_5/") + it.key(), it.value());
    }

    RegistroMessaggi registro;
    SchedaVariabiliDipendente s(id);
    const QString nome = digitato.section(QLatin1Char('='), 0, 0);
    QDoubleSpinBox* campo = box(s, qPrintable(nome));
    for (auto it = attesi.cbegin(); it != attesi.cend(); ++it)
        QCOMPARE(box(s, qPrintable(it.key()))->value(), it.value() == 19.825 ? 19.83 : it.value());
    campo->selectAll();
    QTest::keyClicks(campo, digitato.section(QLatin1Char('='), 1).replace(QLatin1Char('.'), campo->locale().decimalPoint()));
    attesi.insert(nome, digitato.section(QLatin1Char('='), 1).toDouble());
    clic(s, "salvaMese");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Variabili di Maggio 2026 salvate."));
    const FileIni file = FileIni::leggi(AmbienteTest::leggi(VariabiliMensili::percorsoFile(id, 2026)));
    for (auto it = attesi.cbegin(); it != attesi.cend(); ++it)
        QCOMPARE(file.valore(QStringLiteral("Mese_5"), it.key()).toDouble(), it.value());
    QCOMPARE(campo->value(), attesi.value(nome));
}

// The months of the chooser and of the summary in the user's language.
void TestSchedaVariabiliDipendente::mesiNellaLingua()
{
    dipendente(false);
    QSettings(QStringLiteral("Vardello"), QStringLiteral("Lingua")).setValue(QStringLiteral("lingua"), QStringLiteral("de"));
    RegistroMessaggi registro;
    SchedaVariabiliDipendente s(id);
    QCOMPARE(mese(s)->currentText(), QStringLiteral("Mai"));
    QCOMPARE(rigaRiepilogo(s, 0).first(), QStringLiteral("Januar"));
    clic(s, "salvaMese");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Variabili di Mai 2026 salvate."));
    QSettings(QStringLiteral("Vardello"), QStringLiteral("Lingua")).remove(QStringLiteral("lingua"));
}

// A closed year refuses the save: the user is told, and the window's year
// stays as the file holds it.
void TestSchedaVariabiliDipendente::annoChiuso()
{
    dipendente(false);
    QVERIFY(ChiusuraAnnuale::chiudiAnno(2026, QStringLiteral("test"), QString()));
    RegistroMessaggi registro;
    SchedaVariabiliDipendente s(id);
    box(s, "acconti")->setValue(500);
    clic(s, "salvaMese");
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Errore"));
    QVERIFY2(registro.ultimoTesto().contains(QStringLiteral("2026")), qPrintable(registro.ultimoTesto()));
    QCOMPARE(s.mesi().at(4).acconti, 0.0);
    QCOMPARE(box(s, "acconti")->value(), 500.0); // the input stays for another try
    QCOMPARE(rigaRiepilogo(s, 4).at(1), QStringLiteral("0.00"));
    QVERIFY(!QFileInfo::exists(VariabiliMensili::percorsoFile(id, 2026)));
}

void TestSchedaVariabiliDipendente::clicSulRiepilogo()
{
    dipendente(true);
    QList<VariabileMese> anno = VariabiliMensili::caricaAnno(id, 2026);
    anno[2].oreFatte = 160;
    anno[2].vacanzePrese = 1.5;
    QVERIFY(VariabiliMensili::salvaAnno(id, 2026, anno));

    RegistroMessaggi registro;
    registro.rispondi(QMessageBox::Discard);
    SchedaVariabiliDipendente s(id);
    box(s, "oreFatte")->setValue(120); // May, not saved
    auto* t = s.findChild<QTableWidget*>(QStringLiteral("riepilogo"));
    emit t->cellClicked(2, 3);
    QCOMPARE(registro.richieste.size(), 1);
    QCOMPARE(mese(s)->currentText(), QStringLiteral("Marzo"));
    QCOMPARE(box(s, "oreFatte")->value(), 160.0);
    QCOMPARE(rigaRiepilogo(s, 2).at(5), QStringLiteral("1.5"));
    mese(s)->setCurrentIndex(4);
    QCOMPARE(box(s, "oreFatte")->value(), 0.0); // the May values were not saved
    QCOMPARE(registro.richieste.size(), 1);
}

// 100 typed for December, then another month or year chosen: the card asks
// first. "Salva" stores December, "Non salvare" drops it, "Annulla" keeps
// December in the form, in the boxes and selected in the summary.
void TestSchedaVariabiliDipendente::cambioConModifiche_data()
{
    QTest::addColumn<QString>("cambio"); // "mese", "anno" or "riepilogo" (a click on November's row)
    QTest::addColumn<QMessageBox::StandardButton>("risposta");
    for (const char* cambio : {"mese", "anno", "riepilogo"}) {
        QTest::addRow("%s, Salva", cambio) << QString::fromLatin1(cambio) << QMessageBox::Save;
        QTest::addRow("%s, Non salvare", cambio) << QString::fromLatin1(cambio) << QMessageBox::Discard;
        QTest::addRow("%s, Annulla", cambio) << QString::fromLatin1(cambio) << QMessageBox::Cancel;
    }
}

void TestSchedaVariabiliDipendente::cambioConModifiche()
{
    QFETCH(QString, cambio);
    QFETCH(QMessageBox::StandardButton, risposta);
    dipendente(false);
    RegistroMessaggi registro;
    SchedaVariabiliDipendente s(id);
    auto* anno = s.findChild<QSpinBox*>(QStringLiteral("anno"));
    mese(s)->setCurrentIndex(11);
    QVERIFY(registro.richieste.isEmpty()); // nothing typed, nothing asked
    box(s, "importiImponibili")->setValue(100);

    registro.rispondi(risposta);
    if (cambio == QLatin1String("anno"))
        anno->setValue(2025);
    else if (cambio == QLatin1String("mese"))
        mese(s)->setCurrentIndex(10);
    else {
        // As a click does: the row is selected, then reported.
        auto* t = s.findChild<QTableWidget*>(QStringLiteral("riepilogo"));
        t->selectRow(10);
        emit t->cellClicked(10, 0);
    }
    QVERIFY(!registro.richieste.isEmpty());
    QCOMPARE(registro.richieste.first().titolo, QStringLiteral("Modifiche non salvate"));

    // "Annulla" keeps December and its 100 in the form; back in December
    // 2026 otherwise, the form shows what the file holds.
    const bool salvato = risposta == QMessageBox::Save;
    const bool annullato = risposta == QMessageBox::Cancel;
    QCOMPARE(VariabiliMensili::caricaMese(id, 2026, 12).importiImponibili, salvato ? 100.0 : 0.0);
    QCOMPARE(mese(s)->currentIndex() == 11 && anno->value() == 2026, annullato);
    // The summary's selected row is the month the form shows.
    const QModelIndexList righe =
        s.findChild<QTableWidget*>(QStringLiteral("riepilogo"))->selectionModel()->selectedRows();
    QCOMPARE(righe.size(), 1);
    QCOMPARE(righe.first().row(), mese(s)->currentIndex());
    anno->setValue(2026);
    mese(s)->setCurrentIndex(11);
    QCOMPARE(box(s, "importiImponibili")->value(), salvato || annullato ? 100.0 : 0.0);
    QCOMPARE(registro.richieste.size(), salvato ? 2 : 1); // the question, "salvate"
}

// The summary prints the window's year as it is, a month just saved
// included, without saving first.
void TestSchedaVariabiliDipendente::stampaRiepilogo()
{
    dipendente(false);
    RegistroMessaggi registro;
    SchedaVariabiliDipendente s(id);
    box(s, "importiImponibili")->setValue(1234.5);
    clic(s, "salvaMese");

    QString titolo, nomeFile;
    InfoPdf pdf;
    quandoAperto([&] {
        auto* a = finestraAperta<AnteprimaStampa>();
        QVERIFY(a);
        titolo = a->windowTitle();
        nomeFile = a->nomeFilePredefinito;
        pdf = leggiPdf(piattaforma.urlAperti.last().toLocalFile());
        a->accept();
    });
    clic(s, "stampaRiepilogo");
    QCOMPARE(titolo, QStringLiteral("Anteprima variabili mese"));
    QCOMPARE(nomeFile, QStringLiteral("variabili_Rossi_Mario_2026.pdf"));
    for (const QString& atteso :
         {QStringLiteral("Alfa & Figli SA"), QStringLiteral("Dipendente: Rossi Mario"),
          QStringLiteral("Mendrisio, 5 maggio 2026"), QStringLiteral("Inserimento variabili mese - Anno 2026"),
          QLocale(QLocale::German, QLocale::Switzerland).toString(1234.5, 'f', 2)})
        QVERIFY2(pdf.testo.contains(atteso), qPrintable(atteso + QStringLiteral("\n---\n") + pdf.testo));
}

VARDELLO_TEST_MAIN(TestSchedaVariabiliDipendente)
#include "tst_schedavariabilidipendente.moc"
