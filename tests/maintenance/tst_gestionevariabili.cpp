#include "ambientetest.h"
#include "anteprimastampa.h"
#include "azienda.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "conteggiosalario.h"
#include "dipendente.h"
#include "fileini.h"
#include "gestionevariabili.h"
#include "orologio.h"
#include "piattaformatest.h"
#include "variabilimensili.h"

#include <QComboBox>
#include <QHeaderView>
#include <QRegularExpression>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>

namespace {

// Listed in this order: Bianchi (paid by the hour), Verdi (monthly salary).
const QString kOrario = QStringLiteral("Bianchi_Luca.txt");
const QString kMensile = QStringLiteral("Verdi_Paolo.txt");

// Monthly layout columns.
const int kImponibili = 1;
const int kExtra25 = 3;
const int kExtra50 = 4;
const int kCompensate = 5;
const int kAssenze = 8;
const int kAcconti = 11;
const int kVacanze = 12;
const int kNote = 13;

DatiDipendente dipendente(const QString& nome, const QString& cognome, bool orario)
{
    DatiDipendente d;
    d.nome = nome;
    d.cognome = cognome;
    d.dataNascita = QStringLiteral("10/05/1986");
    d.cantone = QStringLiteral("TI");
    d.periodi = {{QStringLiteral("01/01/2020"), QString()}};
    d.tipoPaga = orario ? 1 : 0;
    d.pagaOraria = orario ? 32.5 : 0;
    d.salarioMensile = orario ? 0 : 5000;
    return d;
}

QString due(double v)
{
    return QString::number(v, 'f', 2);
}

} // namespace

class TestGestioneVariabili : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void colonne_data();
    void colonne();
    void apertura_data();
    void apertura();
    void caricaModificaSalva();
    void valoreIllegibile_data();
    void valoreIllegibile();
    void fuoriLimite_data();
    void fuoriLimite();
    void ogniColonna_data();
    void ogniColonna();
    void mesiNellaLingua_data();
    void mesiNellaLingua();
    void straordinari_data();
    void straordinari();
    void annoChiuso();
    void cambioConModifiche_data();
    void cambioConModifiche();
    void conteggioDelMese_data();
    void conteggioDelMese();
    void anteprima();
    void nessunDipendente();
    void intestazioniIntere_data();
    void intestazioniIntere();

private:
    static QTableWidget* griglia(GestioneVariabili& f) { return f.findChild<QTableWidget*>(QStringLiteral("griglia")); }
    static QComboBox* combo(GestioneVariabili& f) { return f.findChild<QComboBox*>(QStringLiteral("dipendente")); }
    static QSpinBox* anno(GestioneVariabili& f) { return f.findChild<QSpinBox*>(QStringLiteral("anno")); }
    static QString cella(GestioneVariabili& f, int r, int c)
    {
        const QTableWidgetItem* i = griglia(f)->item(r, c);
        return i ? i->text() : QStringLiteral("<nessuna>");
    }
    static void clic(GestioneVariabili& f, const char* nome)
    {
        QTest::mouseClick(f.findChild<QPushButton*>(QLatin1String(nome)), Qt::LeftButton);
    }
    // Types into a cell's editor as a user would, then Enter.
    static void digita(GestioneVariabili& f, int riga, int colonna, const QString& testo);

    RegistroPiattaforma piattaforma;
};

void TestGestioneVariabili::init()
{
    AmbienteTest::svuota();
    Orologio::imposta(QDateTime(QDate(2026, 3, 15), QTime(10, 0)));
    DatiAzienda a;
    a.ragioneSociale = QStringLiteral("Alfa SA");
    a.localita = QStringLiteral("Lugano");
    QVERIFY(Azienda::salva(a, QStringLiteral("Alfa.txt")));
    Config::setAziendaCorrente(QStringLiteral("Alfa.txt"));
    QVERIFY(Dipendente::salva(dipendente(QStringLiteral("Luca"), QStringLiteral("Bianchi"), true), kOrario));
    QVERIFY(Dipendente::salva(dipendente(QStringLiteral("Paolo"), QStringLiteral("Verdi"), false), kMensile));
}

void TestGestioneVariabili::cleanup()
{
    for (const QUrl& u : piattaforma.urlAperti)
        QFile::remove(u.toLocalFile());
    piattaforma.urlAperti.clear();
}

void TestGestioneVariabili::digita(GestioneVariabili& f, int riga, int colonna, const QString& testo)
{
    QTableWidget* g = griglia(f);
    g->setCurrentCell(riga, colonna);
    g->editItem(g->item(riga, colonna));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, testo);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(g->item(riga, colonna)->text(), testo);
}

void TestGestioneVariabili::colonne_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("colonne");
    QTest::addColumn<QString>("ultima");
    QTest::addColumn<QString>("contratto");

    QTest::newRow("orario") << kOrario << 13 << "Vacanze\n(gg)" << "Contratto: Salario orario (CHF 32.50/h)";
    QTest::newRow("mensile") << kMensile << 14 << "Note /\nDescrizione" << "Contratto: Stipendio mensile (CHF 5000.00/mese)";
}

void TestGestioneVariabili::colonne()
{
    QFETCH(QString, id);
    QFETCH(int, colonne);
    QFETCH(QString, ultima);
    QFETCH(QString, contratto);

    // Open on the other employee, then switch: the layout is rebuilt.
    GestioneVariabili f(id == kOrario ? kMensile : kOrario, 2026, nullptr);
    QCOMPARE(f.windowTitle(), QStringLiteral("Inserimento variabili mensili"));
    combo(f)->setCurrentIndex(combo(f)->findData(id));
    QTableWidget* g = griglia(f);
    QCOMPARE(g->columnCount(), colonne);
    QCOMPARE(g->rowCount(), 13);
    QCOMPARE(g->horizontalHeaderItem(colonne - 1)->text(), ultima);
    QCOMPARE(f.findChild<QLabel*>(QStringLiteral("contratto"))->text(), contratto);
    QCOMPARE(cella(f, 0, 0), QStringLiteral("Gennaio"));
    QCOMPARE(cella(f, 11, 0), QStringLiteral("Dicembre"));
    QCOMPARE(cella(f, 12, 0), QStringLiteral("Totale annuo"));
    QVERIFY(g->item(12, 0)->font().bold());
    QVERIFY(!(g->item(0, 0)->flags() & Qt::ItemIsEditable));
    QVERIFY(g->item(0, 1)->flags() & Qt::ItemIsEditable);
    for (int c = 0; c < colonne; ++c)
        QVERIFY(!(g->item(12, c)->flags() & Qt::ItemIsEditable));
    // The note column has no total.
    QCOMPARE(cella(f, 12, colonne - 1), colonne == 14 ? QString() : QStringLiteral("0.00"));
}

void TestGestioneVariabili::apertura_data()
{
    QTest::addColumn<QString>("codice");
    QTest::addColumn<int>("annoDato");
    QTest::addColumn<QString>("scelto");
    QTest::addColumn<int>("annoMostrato");

    QTest::newRow("nessuno") << QString() << 2025 << kOrario << 2025;
    QTest::newRow("id") << kMensile << 2027 << kMensile << 2027;
    QTest::newRow("percorso") << QStringLiteral("/altrove/") + kMensile << 2026 << kMensile << 2026;
    QTest::newRow("sconosciuto") << QStringLiteral("Neri.txt") << 2026 << kOrario << 2026;
    QTest::newRow("anno 2000") << kMensile << 2000 << kMensile << 2026;
}

void TestGestioneVariabili::apertura()
{
    QFETCH(QString, codice);
    QFETCH(int, annoDato);
    QFETCH(QString, scelto);
    QFETCH(int, annoMostrato);

    GestioneVariabili f(codice, annoDato, nullptr);
    QCOMPARE(combo(f)->count(), 2);
    QCOMPARE(combo(f)->itemText(1), Dipendente::etichetta(kMensile));
    QCOMPARE(combo(f)->currentData().toString(), scelto);
    QCOMPARE(anno(f)->value(), annoMostrato);
}

void TestGestioneVariabili::caricaModificaSalva()
{
    QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(kMensile, 2026);
    mesi[0].importiImponibili = 100;
    mesi[1].importiImponibili = 200.5;
    mesi[0].vacanzePrese = 1;
    mesi[2].vacanzePrese = 2.5;
    // Hours and days with three decimals, a negative correction and a bonus
    // beyond what the card takes: shown as they are, kept while untouched.
    mesi[0].oreExtra25 = 1.125;
    mesi[1].vacanzePrese = 2.125;
    mesi[1].deduzioneAssenze = -30;
    mesi[1].tredicesimaGratifica = 300000.25;
    mesi[6].importiImponibili = 19.825; // written by an older version
    mesi[2].comunicazioni = QStringLiteral("Bonus, marzo");
    // Not shown for a monthly salary: kept by the save.
    mesi[3].oreFatte = 7;
    mesi[3].rimborsoMalattia = 3;
    mesi[0].rimborsoSpeseDesc = QStringLiteral("taxi");
    QVERIFY(VariabiliMensili::salvaAnno(kMensile, 2026, mesi));
    {
        QSettings file(VariabiliMensili::percorsoFile(kMensile, 2026), QSettings::IniFormat);
        file.setValue(QStringLiteral("Mese_5/chiaveIgnota"), 5);
    }

    RegistroMessaggi registro;
    GestioneVariabili f(kMensile, 2026, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(cella(f, 0, kImponibili), QStringLiteral("100.00"));
    QCOMPARE(cella(f, 12, kImponibili), QStringLiteral("320.33"));
    QCOMPARE(cella(f, 12, kVacanze), QStringLiteral("5.625"));
    QCOMPARE(cella(f, 2, kNote), QStringLiteral("Bonus, marzo"));
    QCOMPARE(cella(f, 0, kExtra25), QStringLiteral("1.125"));
    QCOMPARE(cella(f, 1, kVacanze), QStringLiteral("2.125"));
    QCOMPARE(cella(f, 1, kAssenze), QStringLiteral("-30.00"));
    QCOMPARE(cella(f, 6, kImponibili), QStringLiteral("19.83"));

    digita(f, 2, kExtra25, QStringLiteral("1,5"));
    QCOMPARE(cella(f, 12, kExtra25), QStringLiteral("2.625"));
    digita(f, 4, kImponibili, QStringLiteral("1'250.505"));
    QCOMPARE(cella(f, 12, kImponibili), QStringLiteral("1570.84"));
    digita(f, 1, kAcconti, QStringLiteral("400"));
    digita(f, 5, kNote, QStringLiteral("  premio  "));
    QCOMPARE(cella(f, 12, kNote), QString());
    clic(f, "salva");
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Salvato"));
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Variabili mensili salvate."));
    // The grid shows what was stored.
    QCOMPARE(cella(f, 2, kExtra25), QStringLiteral("1.50"));
    QCOMPARE(cella(f, 4, kImponibili), QStringLiteral("1250.51"));
    QCOMPARE(cella(f, 5, kNote), QStringLiteral("premio"));

    const QList<VariabileMese> salvati = VariabiliMensili::caricaAnno(kMensile, 2026);
    QCOMPARE(due(salvati.at(2).oreExtra25), QStringLiteral("1.50"));
    QCOMPARE(due(salvati.at(4).importiImponibili), QStringLiteral("1250.51"));
    QCOMPARE(due(salvati.at(1).acconti), QStringLiteral("400.00"));
    // What the user did not touch is written back exactly as it was stored.
    QCOMPARE(salvati.at(0).oreExtra25, 1.125);
    QCOMPARE(salvati.at(1).vacanzePrese, 2.125);
    QCOMPARE(salvati.at(1).deduzioneAssenze, -30.0);
    QCOMPARE(salvati.at(1).tredicesimaGratifica, 300000.25);
    QCOMPARE(salvati.at(6).importiImponibili, 19.825);
    QCOMPARE(due(salvati.at(1).importiImponibili), QStringLiteral("200.50"));
    QCOMPARE(salvati.at(5).comunicazioni, QStringLiteral("premio"));
    QCOMPARE(salvati.at(2).comunicazioni, QStringLiteral("Bonus, marzo"));
    QCOMPARE(due(salvati.at(3).oreFatte), QStringLiteral("7.00"));
    QCOMPARE(due(salvati.at(3).rimborsoMalattia), QStringLiteral("3.00"));
    QCOMPARE(salvati.at(0).rimborsoSpeseDesc, QStringLiteral("taxi"));
    QSettings file(VariabiliMensili::percorsoFile(kMensile, 2026), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Mese_5/chiaveIgnota")).toInt(), 5);
}

void TestGestioneVariabili::valoreIllegibile_data()
{
    QTest::addColumn<QString>("digitato");
    QTest::newRow("parola") << "dieci";
    QTest::newRow("separatori tedeschi") << "1.250,50";
    QTest::newRow("due virgole") << "1,2,3";
}

void TestGestioneVariabili::valoreIllegibile()
{
    QFETCH(QString, digitato);
    RegistroMessaggi registro;
    GestioneVariabili f(kMensile, 2026, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    digita(f, 0, kImponibili, QStringLiteral("100"));
    digita(f, 6, kAssenze, digitato);
    QCOMPARE(cella(f, 12, kAssenze), QStringLiteral("0.00"));
    clic(f, "salva");
    QCOMPARE(registro.richieste.size(), 1);
    QCOMPARE(registro.richieste.first().tipo, Messaggi::Tipo::Avviso);
    QVERIFY(registro.ultimoTesto().contains(digitato));
    QVERIFY(registro.ultimoTesto().contains(QStringLiteral("Luglio - Deduz. assenze")));
    QCOMPARE(griglia(f)->currentRow(), 6);
    QCOMPARE(griglia(f)->currentColumn(), kAssenze);
    QVERIFY(!QFileInfo::exists(VariabiliMensili::percorsoFile(kMensile, 2026)));
}

// Each value within its field's range, the month's hours (worked and
// overtime) at most 744 together; else a warning naming the month and the
// field, and nothing is written. A full disk is reported, not taken for a
// save.
void TestGestioneVariabili::fuoriLimite_data()
{
    QTest::addColumn<QString>("dipendente");
    QTest::addColumn<QString>("celle"); // "riga/colonna=testo", ";" between cells
    QTest::addColumn<QString>("campo"); // named in the warning; empty: saved; "<pieno>": the disk is full

    // Hourly layout: 1 hours worked, 2 overtime 25%, 3 overtime 50%, 12 holidays.
    QTest::newRow("a billion hours") << kOrario << "0/1=1000000000" << "Gennaio - Ore fatte";
    QTest::newRow("99'999 hours") << kOrario << "1/1=99'999" << "Febbraio - Ore fatte";
    QTest::newRow("negative overtime") << kOrario << "2/2=-5" << "Marzo - Ore extra 25%";
    QTest::newRow("700 + 30 + 15 hours") << kOrario << "3/1=700;3/2=30;3/3=15"
                                         << "Aprile - ore fatte e straordinarie del mese";
    QTest::newRow("32 days of holiday") << kOrario << "4/12=32" << "Maggio - Vacanze (gg)";
    QTest::newRow("negative amount") << kMensile << "5/1=-100" << "Giugno - Imp. imponibili";
    QTest::newRow("744 hours in all") << kOrario << "6/1=704;6/2=25;6/3=15" << "";
    QTest::newRow("the disk is full") << kOrario << "7/1=160" << "<pieno>";
    // Hours and days take three decimals, as in the employee's card.
    QTest::newRow("four decimals of an hour") << kOrario << "8/1=160.1255" << "Settembre - Ore fatte";
    QTest::newRow("a centime past the maximum") << kMensile << "9/1=1'000'000'000.01" << "Ottobre - Imp. imponibili";
}

void TestGestioneVariabili::fuoriLimite()
{
    QFETCH(QString, dipendente);
    QFETCH(QString, celle);
    QFETCH(QString, campo);
    QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(dipendente, 2026);
    mesi[11].acconti = 50;
    QVERIFY(VariabiliMensili::salvaAnno(dipendente, 2026, mesi));
    const QByteArray prima = AmbienteTest::leggi(VariabiliMensili::percorsoFile(dipendente, 2026));

    RegistroMessaggi registro;
    GestioneVariabili f(dipendente, 2026, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    int riga = 0;
    for (const QString& c : celle.split(QLatin1Char(';'))) {
        riga = c.section(QLatin1Char('/'), 0, 0).toInt();
        digita(f, riga, c.section(QLatin1Char('/'), 1).section(QLatin1Char('='), 0, 0).toInt(),
               c.section(QLatin1Char('='), 1));
    }
    {
        LimiteFile pieno(campo == QLatin1String("<pieno>") ? 0 : RLIM_INFINITY);
        clic(f, "salva");
    }
    QCOMPARE(registro.richieste.size(), 1);
    if (campo.isEmpty()) {
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Variabili mensili salvate."));
        const VariabileMese salvato = VariabiliMensili::caricaAnno(dipendente, 2026).at(riga);
        QCOMPARE(salvato.oreFatte + salvato.oreExtra25 + salvato.oreExtra50, 744.0);
        return;
    }
    if (campo == QLatin1String("<pieno>")) {
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Errore"));
    } else {
        QVERIFY2(registro.ultimoTesto().contains(QLatin1Char('"') + campo + QLatin1Char('"')),
                 qPrintable(registro.ultimoTesto()));
        QCOMPARE(griglia(f)->currentRow(), riga);
    }
    QCOMPARE(AmbienteTest::leggi(VariabiliMensili::percorsoFile(dipendente, 2026)), prima);
}

// Every column of the grid typed in one month, each with a value other than
// the stored one: each reaches its key of the month's group.
void TestGestioneVariabili::ogniColonna_data()
{
    QTest::addColumn<QString>("dipendente");
    QTest::addColumn<QString>("chiavi"); // the file's key of each column from 1, in order
    QTest::addColumn<QString>("decimali"); // typed after each whole number
    const QString orarie = QStringLiteral(
        "oreFatte oreExtra25 oreExtra50 oreExtraCompensate rimborsoMalattia rimborsoInfortunio rimborsoIPG "
        "rimborsoSpese acconti rimborsoPrestiti trattenuteUEF vacanzePrese");
    const QString mensili = QStringLiteral(
        "importiImponibili importiNonImponibili oreExtra25 oreExtra50 oreExtraCompensate rimborsoSpese "
        "rimborsoTrasferte deduzioneAssenze rimborsoAssicurativo tredicesimaGratifica acconti vacanzePrese "
        "comunicazioni");
    QTest::newRow("hourly pay") << kOrario << orarie << "";
    QTest::newRow("monthly salary") << kMensile << mensili << "";
    // Francs are kept to the centime, half away from zero; hours and days as typed.
    QTest::newRow("hourly pay, three decimals") << kOrario << orarie << ".125";
    QTest::newRow("monthly salary, three decimals") << kMensile << mensili << ".125";
}

void TestGestioneVariabili::ogniColonna()
{
    QFETCH(QString, dipendente);
    QFETCH(QString, chiavi);
    QFETCH(QString, decimali);
    QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(dipendente, 2026);
    mesi[8].acconti = 1;
    mesi[8].comunicazioni = QStringLiteral("prima");
    QVERIFY(VariabiliMensili::salvaAnno(dipendente, 2026, mesi));
    RegistroMessaggi registro;
    GestioneVariabili f(dipendente, 2026, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QStringList nomi = chiavi.split(QLatin1Char(' '));
    QCOMPARE(griglia(f)->columnCount(), nomi.size() + 1);
    for (int c = 1; c <= nomi.size(); ++c)
        digita(f, 8, c, QString::number(c + 1) + decimali); // 2 .. 14: within every range, none of them stored
    clic(f, "salva");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Variabili mensili salvate."));
    const FileIni file = FileIni::leggi(AmbienteTest::leggi(VariabiliMensili::percorsoFile(dipendente, 2026)));
    for (int c = 1; c <= nomi.size(); ++c) {
        const QString& chiave = nomi.at(c - 1);
        const bool franchi = !chiave.startsWith(QLatin1String("ore")) && chiave != QLatin1String("vacanzePrese")
            && chiave != QLatin1String("comunicazioni");
        const double atteso = c + 1 + (decimali.isEmpty() ? 0.0 : franchi ? 0.13 : 0.125);
        QCOMPARE(QString::number(file.valore(QStringLiteral("Mese_9"), chiave).toDouble(), 'f', 3),
                 QString::number(atteso, 'f', 3));
    }
}

// The month names of the grid in the user's language; the file keeps its
// groups "Mese_1" .. "Mese_12".
void TestGestioneVariabili::mesiNellaLingua_data()
{
    QTest::addColumn<QString>("lingua");
    QTest::addColumn<QStringList>("mesi"); // January, March, December
    QTest::newRow("Italian") << "it" << QStringList{"Gennaio", "Marzo", "Dicembre"};
    QTest::newRow("German") << "de" << QStringList{"Januar", QString::fromUtf8("März"), "Dezember"};
}

void TestGestioneVariabili::mesiNellaLingua()
{
    QFETCH(QString, lingua);
    QFETCH(QStringList, mesi);
    QSettings(QStringLiteral("Vardello"), QStringLiteral("Lingua")).setValue(QStringLiteral("lingua"), lingua);
    RegistroMessaggi registro;
    GestioneVariabili f(kOrario, 2026, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE((QStringList{cella(f, 0, 0), cella(f, 2, 0), cella(f, 11, 0)}), mesi);
    digita(f, 2, 1, QStringLiteral("-1"));
    clic(f, "salva");
    QVERIFY2(registro.ultimoTesto().contains(mesi.at(1) + QStringLiteral(" - ")), qPrintable(registro.ultimoTesto()));
    digita(f, 2, 1, QStringLiteral("160"));
    clic(f, "salva");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Variabili mensili salvate."));
    QVERIFY(AmbienteTest::leggi(VariabiliMensili::percorsoFile(kOrario, 2026)).contains("[Mese_3]"));
    QSettings(QStringLiteral("Vardello"), QStringLiteral("Lingua")).remove(QStringLiteral("lingua"));
}

void TestGestioneVariabili::straordinari_data()
{
    QTest::addColumn<QString>("ore"); // per month "25%/50%/compensated", months separated by ";"
    QTest::addColumn<bool>("avviso");
    QTest::addColumn<QString>("picco");

    QTest::newRow("30+15-10") << "30/15/10" << false << "";
    QTest::newRow("40 in un mese") << "40/0/0" << false << "";
    QTest::newRow("41 in un mese") << "20/21/0" << true << "41.00";
    QTest::newRow("140 nell'anno") << "35/0/0;35/0/0;35/0/0;35/0/0" << false << "";
    QTest::newRow("141 nell'anno") << "35/0/0;35/0/0;35/0/0;35/0/0;1/0/0" << true << "35.00";
    // More compensated than worked counts 0, never less.
    QTest::newRow("compensate in piu") << "35/0/0;35/0/0;35/0/0;35/0/0;1/0/0;0/0/20" << true << "35.00";
}

void TestGestioneVariabili::straordinari()
{
    QFETCH(QString, ore);
    QFETCH(bool, avviso);
    QFETCH(QString, picco);

    for (const bool salvaComunque : {true, false}) {
        AmbienteTest::svuota();
        init();
        RegistroMessaggi registro;
        registro.rispondi(salvaComunque ? QMessageBox::Save : QMessageBox::Cancel);
        GestioneVariabili f(kMensile, 2026, nullptr);
        const QStringList mesi = ore.split(QLatin1Char(';'));
        for (int r = 0; r < mesi.size(); ++r) {
            const QStringList h = mesi.at(r).split(QLatin1Char('/'));
            griglia(f)->item(r, kExtra25)->setText(h.at(0));
            griglia(f)->item(r, kExtra50)->setText(h.at(1));
            griglia(f)->item(r, kCompensate)->setText(h.at(2));
        }
        clic(f, "salva");

        const bool salvato = !avviso || salvaComunque;
        QCOMPARE(QFileInfo::exists(VariabiliMensili::percorsoFile(kMensile, 2026)), salvato);
        QCOMPARE(registro.richieste.size(), avviso ? (salvato ? 2 : 1) : 1);
        const Messaggi::Richiesta& prima = registro.richieste.first();
        if (avviso) {
            QCOMPARE(prima.titolo, QStringLiteral("AVVISO IMPORTANTE - Limite legale ore straordinarie (art. 12 LL)"));
            QCOMPARE(prima.icona, QMessageBox::Warning);
            QCOMPARE(prima.testiPulsanti.size(), 2);
            QCOMPARE(prima.testiPulsanti.at(0).second, QStringLiteral("Salva a mio rischio e pericolo"));
            QCOMPARE(prima.testiPulsanti.at(1).second, QStringLiteral("Annulla e correggi"));
            QVERIFY2(prima.testo.contains(QStringLiteral("Picco mensile: %1 h").arg(picco)), qPrintable(prima.testo));
            QVERIFY(prima.testo.contains(QStringLiteral("Totale annuo 2026: ")));
        }
        if (salvato)
            QCOMPARE(registro.ultimoTesto(), QStringLiteral("Variabili mensili salvate."));
    }
}

void TestGestioneVariabili::annoChiuso()
{
    QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(kMensile, 2025);
    mesi[0].importiImponibili = 100;
    QVERIFY(VariabiliMensili::salvaAnno(kMensile, 2025, mesi));
    const QString percorso = VariabiliMensili::percorsoFile(kMensile, 2025);
    const QByteArray prima = AmbienteTest::leggi(percorso);
    QVERIFY(ChiusuraAnnuale::chiudiAnno(2025, QStringLiteral("test"), QStringLiteral("chiusura")));

    RegistroMessaggi registro;
    GestioneVariabili f(kMensile, 2025, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    digita(f, 0, kImponibili, QStringLiteral("999"));
    clic(f, "salva");
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Errore"));
    QVERIFY(registro.ultimoTesto().startsWith(QStringLiteral("Impossibile salvare le variabili.\nL'esercizio 2025")));
    QCOMPARE(AmbienteTest::leggi(percorso), prima);
    QCOMPARE(cella(f, 0, kImponibili), QStringLiteral("999"));
}

void TestGestioneVariabili::cambioConModifiche_data()
{
    QTest::addColumn<bool>("cambiaAnno");
    QTest::addColumn<int>("risposta");

    for (const bool a : {false, true}) {
        const char* cosa = a ? "anno" : "dipendente";
        QTest::addRow("%s annulla", cosa) << a << int(QMessageBox::Cancel);
        QTest::addRow("%s scarta", cosa) << a << int(QMessageBox::Discard);
        QTest::addRow("%s salva", cosa) << a << int(QMessageBox::Save);
    }
}

void TestGestioneVariabili::cambioConModifiche()
{
    QFETCH(bool, cambiaAnno);
    QFETCH(int, risposta);

    RegistroMessaggi registro;
    GestioneVariabili f(kMensile, 2026, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));

    // Without edits nothing is asked.
    anno(f)->setValue(2027);
    anno(f)->setValue(2026);
    QCOMPARE(registro.richieste.size(), 0);

    digita(f, 0, kImponibili, QStringLiteral("250"));
    registro.rispondi(QMessageBox::StandardButton(risposta));
    if (cambiaAnno)
        anno(f)->setValue(2027);
    else
        combo(f)->setCurrentIndex(combo(f)->findData(kOrario));

    QCOMPARE(registro.richieste.size(), risposta == QMessageBox::Save ? 2 : 1);
    QCOMPARE(registro.richieste.first().tipo, Messaggi::Tipo::Domanda);
    const QString file = VariabiliMensili::percorsoFile(kMensile, 2026);
    if (risposta == QMessageBox::Cancel) {
        QCOMPARE(anno(f)->value(), 2026);
        QCOMPARE(combo(f)->currentData().toString(), kMensile);
        QCOMPARE(cella(f, 0, kImponibili), QStringLiteral("250"));
        QVERIFY(!QFileInfo::exists(file));
        return;
    }
    QCOMPARE(anno(f)->value(), cambiaAnno ? 2027 : 2026);
    QCOMPARE(combo(f)->currentData().toString(), cambiaAnno ? kMensile : kOrario);
    QCOMPARE(cella(f, 0, 1), QStringLiteral("0.00"));
    QCOMPARE(QFileInfo::exists(file), risposta == QMessageBox::Save);
    if (risposta == QMessageBox::Save)
        QCOMPARE(due(VariabiliMensili::caricaMese(kMensile, 2026, 1).importiImponibili), QStringLiteral("250.00"));
}

void TestGestioneVariabili::conteggioDelMese_data()
{
    QTest::addColumn<int>("colonna");
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<QString>("differenzaLordo");
    QTest::addColumn<QString>("differenzaNetto"); // empty: only larger

    QTest::newRow("importi imponibili") << kImponibili << "500" << "500.00" << "";
    QTest::newRow("deduzione assenze") << kAssenze << "1'000" << "-1000.00" << "";
    // Expense refunds reach the net only.
    QTest::newRow("rimborso spese") << 6 << "120,50" << "0.00" << "120.50";
}

void TestGestioneVariabili::conteggioDelMese()
{
    QFETCH(int, colonna);
    QFETCH(QString, digitato);
    QFETCH(QString, differenzaLordo);
    QFETCH(QString, differenzaNetto);

    const DatiDipendente d = dipendente(QStringLiteral("Paolo"), QStringLiteral("Verdi"), false);
    const RisultatoConteggio prima = ConteggioSalario::genera(kMensile, d, 2026, 3, false, 0);
    const RisultatoConteggio aprilePrima = ConteggioSalario::genera(kMensile, d, 2026, 4, false, 0);
    QVERIFY(prima.errore.isEmpty());

    RegistroMessaggi registro;
    {
        GestioneVariabili f(kMensile, 2026, nullptr);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        digita(f, 2, colonna, digitato);
        clic(f, "salva");
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Variabili mensili salvate."));
    }

    const RisultatoConteggio dopo = ConteggioSalario::genera(kMensile, d, 2026, 3, false, 0);
    const RisultatoConteggio aprile = ConteggioSalario::genera(kMensile, d, 2026, 4, false, 0);
    QCOMPARE(due(dopo.lordoContributivo - prima.lordoContributivo), differenzaLordo);
    QVERIFY(dopo.netto != prima.netto);
    if (!differenzaNetto.isEmpty())
        QCOMPARE(due(dopo.netto - prima.netto), differenzaNetto);
    QCOMPARE(due(aprile.netto), due(aprilePrima.netto));
}

void TestGestioneVariabili::anteprima()
{
    QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(kMensile, 2026);
    mesi[0].importiImponibili = 4321;
    QVERIFY(VariabiliMensili::salvaAnno(kMensile, 2026, mesi));

    RegistroMessaggi registro;
    GestioneVariabili f(kMensile, 2026, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    // Refused by the save: the preview shows what is stored.
    digita(f, 1, kImponibili, QStringLiteral("7777"));
    digita(f, 2, kImponibili, QStringLiteral("sette"));

    QString nomeProposto;
    QString cartellaProposta;
    quandoAperto([&]() {
        auto* a = finestraAperta<AnteprimaStampa>();
        QVERIFY(a);
        QCOMPARE(a->windowTitle(), QStringLiteral("Anteprima variabili mese"));
        nomeProposto = a->nomeFilePredefinito;
        cartellaProposta = a->cartellaPredefinita;
        a->accept();
    });
    clic(f, "anteprima");
    QCOMPARE(registro.richieste.size(), 1); // the refused amount
    QCOMPARE(nomeProposto, QStringLiteral("variabili_Verdi_Paolo_2026.pdf"));
    QCOMPARE(cartellaProposta, QDir::homePath());

    QCOMPARE(piattaforma.urlAperti.size(), 1);
    const InfoPdf pdf = leggiPdf(piattaforma.urlAperti.first().toLocalFile());
    QVERIFY(pdf.valido);
    QCOMPARE(pdf.pagine, 1);
    for (const QString& atteso : {QStringLiteral("Alfa SA"), QStringLiteral("Dipendente: Verdi Paolo"),
                                  QStringLiteral("Inserimento variabili mese - Anno 2026"),
                                  QStringLiteral("Lugano, 15 marzo 2026"), QStringLiteral("4"),
                                  QStringLiteral("Totale annuo"), QStringLiteral("Imp. imp.")})
        QVERIFY2(pdf.testo.contains(atteso), qPrintable(atteso + QStringLiteral(" in ") + pdf.testo));
    QVERIFY(pdf.testo.contains(QStringLiteral("321.00")));
    QVERIFY(!pdf.testo.contains(QStringLiteral("7777")) && !pdf.testo.contains(QStringLiteral("777.00")));
    QVERIFY(!pdf.testo.contains(QStringLiteral("Ore"))); // no hour columns for a monthly salary
}

void TestGestioneVariabili::nessunDipendente()
{
    QVERIFY(Dipendente::elimina(kOrario));
    QVERIFY(Dipendente::elimina(kMensile));
    RegistroMessaggi registro;
    GestioneVariabili f(QString(), 2026, nullptr);
    QCOMPARE(combo(f)->count(), 0);
    QCOMPARE(griglia(f)->columnCount(), 0);
    QCOMPARE(griglia(f)->rowCount(), 0);
    QVERIFY(f.findChild<QLabel*>(QStringLiteral("contratto"))->text().isEmpty());
    clic(f, "salva");
    anno(f)->setValue(2025);
    QCOMPARE(registro.richieste.size(), 0);
    QVERIFY(QDir(Config::cartellaDati() + QStringLiteral("/variabili")).isEmpty());
}

void TestGestioneVariabili::intestazioniIntere_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("larghezza"); // of the window
    QTest::newRow("monthly, 860 px") << kMensile << 860;
    QTest::newRow("monthly, 1240 px") << kMensile << 1240;
}

// Each title and cell shows whole however wide the window: every word of a
// title and every amount fits its column, the header holds the most wrapped
// title, and a wide window leaves no column narrower than its text.
void TestGestioneVariabili::intestazioniIntere()
{
    QFETCH(QString, id);
    QFETCH(int, larghezza);
    GestioneVariabili f(id, 2026, nullptr);
    f.resize(larghezza, 640);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    digita(f, 2, 1, QStringLiteral("123456.75"));
    QTableWidget* g = griglia(f);
    QHeaderView* h = g->horizontalHeader();
    const QFontMetrics titoli(h->font());
    for (int c = 0; c < g->columnCount(); ++c) {
        const QString titolo = g->horizontalHeaderItem(c)->text();
        const int w = h->sectionSize(c);
        for (const QString& parola : titolo.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
            QVERIFY2(titoli.horizontalAdvance(parola) + 8 <= w, qPrintable(parola));
        const int alto = titoli.boundingRect(QRect(0, 0, w - 8, 1000), Qt::AlignCenter | Qt::TextWordWrap, titolo).height();
        QVERIFY2(alto <= h->height(), qPrintable(titolo));
        for (int r = 0; r < g->rowCount(); ++r) {
            if (const QTableWidgetItem* cella = g->item(r, c); cella && c + 1 < g->columnCount())
                QVERIFY2(QFontMetrics(cella->font()).horizontalAdvance(cella->text()) + 6 <= w, qPrintable(cella->text()));
        }
    }
    QCOMPARE(g->item(12, 1)->text(), QStringLiteral("123456.75"));
    // The columns fill the visible width; wider, they leave room to scroll.
    QVERIFY2(h->length() >= g->viewport()->width(), qPrintable(QStringLiteral("%1 < %2").arg(h->length()).arg(g->viewport()->width())));
}

VARDELLO_TEST_MAIN(TestGestioneVariabili)
#include "tst_gestionevariabili.moc"
