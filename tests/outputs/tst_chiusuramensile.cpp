#include "ambientetest.h"
#include "chiusuraannuale.h"
#include "chiusuramensile.h"
#include "config.h"
#include "conteggiosalario.h"
#include "azienda.h"
#include "certificatoannuo.h"
#include "dipendente.h"
#include "documentichiusura.h"
#include "impostafonte.h"
#include "inizializzazione.h"
#include "movimenti.h"
#include "nazioni.h"
#include "nuovodipendente.h"
#include "orologio.h"
#include "piattaformatest.h"
#include "sceglidipendente.h"
#include "storicopaghe.h"
#include "movimenti.h"
#include "variabilimensili.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QLocale>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

#include <functional>

namespace {

QString svizzero(double v)
{
    return QStringLiteral("SFr. ") + QLocale(QLocale::German, QLocale::Switzerland).toString(v, 'f', 2);
}

// The amount after the last "SFr. " of a line ("SFr. -" is 0).
double importoFinale(const QString& riga)
{
    QString numero = riga.mid(riga.lastIndexOf(QStringLiteral("SFr. ")) + 5).trimmed();
    if (numero == QLatin1String("-"))
        return 0.0;
    numero.remove(QRegularExpression(QStringLiteral("[^0-9.\\-]")));
    return numero.toDouble();
}

// The lines of a slip's text, section by section: each line's description
// and amount, as printed.
struct RigheCedolino
{
    QList<QPair<QString, double>> lorde, deduzioni, altre;
    QStringList testiDeduzioni; // whole lines, with base and rate
    double totaleLordo = qQNaN();
    double totaleDeduzioni = qQNaN();
    double parziale = qQNaN();
    double versato = qQNaN();

    double importo(const QList<QPair<QString, double>>& righe, const QString& descrizione) const
    {
        for (const auto& r : righe) {
            if (r.first == descrizione)
                return r.second;
        }
        return qQNaN();
    }
    static double somma(const QList<QPair<QString, double>>& righe)
    {
        double s = 0;
        for (const auto& r : righe)
            s += r.second;
        return s;
    }
    // Every step from the gross to the amount paid adds up on the page.
    bool sommeGiuste(QString* perche) const
    {
        const auto uguali = [](double a, double b) { return qAbs(a - b) < 0.005; };
        if (!uguali(somma(lorde), totaleLordo))
            *perche = QStringLiteral("earnings do not add up to the gross");
        else if (!uguali(somma(deduzioni), totaleDeduzioni))
            *perche = QStringLiteral("deductions do not add up to their total");
        else if (!uguali(totaleLordo + totaleDeduzioni, parziale))
            *perche = QStringLiteral("gross less deductions is not the subtotal");
        else if (!uguali(parziale + somma(altre), versato))
            *perche = QStringLiteral("subtotal and other items are not the amount paid");
        else
            return true;
        return false;
    }
};

RigheCedolino righeCedolino(const QString& testo)
{
    enum { Fuori, Lorde, Deduzioni, Altre } parte = Fuori;
    RigheCedolino c;
    for (const QString& riga : testo.split(QLatin1Char('\n'))) {
        const QString t = riga.trimmed();
        if (t.startsWith(QLatin1String("Descrizione"))) {
            parte = Lorde;
        } else if (t.startsWith(QLatin1String("Totale lordo"))) {
            c.totaleLordo = importoFinale(t);
            parte = Fuori;
        } else if (t.startsWith(QLatin1String("Deduzioni"))) {
            parte = Deduzioni;
        } else if (t.startsWith(QLatin1String("Totale deduzioni"))) {
            c.totaleDeduzioni = importoFinale(t);
            parte = Fuori;
        } else if (t.startsWith(QLatin1String("Totale parziale"))) {
            c.parziale = importoFinale(t);
            parte = Altre;
        } else if (t.startsWith(QLatin1String("Importo versato sul conto"))) {
            c.versato = importoFinale(t);
            parte = Fuori;
        } else if (parte != Fuori && t.contains(QLatin1String("SFr. "))) {
            const QPair<QString, double> voce{t.section(QRegularExpression(QStringLiteral("\\s{2,}")), 0, 0),
                                              importoFinale(t)};
            if (parte == Lorde)
                c.lorde << voce;
            else if (parte == Altre)
                c.altre << voce;
            else {
                c.deduzioni << voce;
                c.testiDeduzioni << t;
            }
        }
    }
    return c;
}

const QString kBernasconi = QStringLiteral("Bernasconi_Luca.txt");
const QString kMoretti = QStringLiteral("Moretti_Davide.txt");

} // namespace

class TestChiusuraMensile : public QObject
{
    Q_OBJECT

private:
    static QTableWidget* tabella(ChiusuraMensile& f) { return f.findChild<QTableWidget*>(QStringLiteral("tabella")); }
    static void clic(ChiusuraMensile& f, const char* nome)
    {
        auto* p = f.findChild<QPushButton*>(QLatin1String(nome));
        QVERIFY(p);
        p->click();
    }
    // The month the tests count: January 2026 (the clock's month; the window
    // itself preselects the December before in January).
    static void gennaio2026(ChiusuraMensile& f)
    {
        auto* anno = f.findChild<QComboBox*>(QStringLiteral("anno"));
        anno->setCurrentIndex(anno->findData(2026));
        f.findChild<QComboBox*>(QStringLiteral("mese"))->setCurrentIndex(0);
    }
    // Whether the row is drawn in the colour of a row without a count, as
    // the user sees it: most of its number cell in that colour.
    static bool evidenziata(QTableWidget* t, int riga)
    {
        const QImage cella = t->viewport()->grab(t->visualItemRect(t->item(riga, 1))).toImage();
        int colorate = 0;
        for (int y = 0; y < cella.height(); ++y) {
            for (int x = 0; x < cella.width(); ++x)
                colorate += cella.pixelColor(x, y) == QColor(255, 205, 205) ? 1 : 0;
        }
        return colorate * 2 > cella.width() * cella.height();
    }
    static double cella(QTableWidget* t, int riga, int colonna) { return t->item(riga, colonna)->text().toDouble(); }
    static int riga(ChiusuraMensile& f, const QString& id) { return f.idRighe().indexOf(id); }
    static void modifica(const QString& id, const std::function<void(DatiDipendente&)>& cambia)
    {
        DatiDipendente d;
        QVERIFY(Dipendente::carica(id, d));
        cambia(d);
        QVERIFY(Dipendente::salva(d, id));
    }

    // Moretti taken out of January: before, either January saved for him or
    // a refusal left from an earlier closing.
    static void morettiFuoriGennaio(bool salvato)
    {
        if (salvato) {
            DatiDipendente d;
            QVERIFY(Dipendente::carica(kMoretti, d));
            QVERIFY(ConteggioSalario::genera(kMoretti, d, 2026, 1, true, -1).errore.isEmpty());
        } else {
            QVERIFY(StoricoPaghe::segnaRifiuto(kMoretti, 2026, 1, QStringLiteral("vecchio")));
        }
        modifica(kMoretti, [](DatiDipendente& d) { d.periodi = {{QStringLiteral("01/02/2026"), QString()}}; });
    }

private slots:
    void initTestCase() { QVERIFY(caricaTariffeTicino()); }
    void init()
    {
        AmbienteTest::svuota();
        Orologio::imposta(QDateTime(QDate(2026, 1, 26), QTime(9, 0)));
        Inizializzazione::esegui();
    }

    void anteprima();
    void annoEMese_data();
    void annoEMese();
    void avvisoTariffeUnaVolta();
    void tredicesimaRicalcola();
    void tabelleImpostaMancanti_data();
    void tabelleImpostaMancanti();
    void generaTutti_data();
    void generaTutti();
    void movimentoDopoIlSalvataggio();
    void dettaglio();
    void dettaglioModelloMensile();
    void selezionaTutti();
    void proRata_data();
    void proRata();
    void fogliPaga();
    void cedolinoRossi_data();
    void cedolinoRossi();
    void fileBanca_data();
    void fileBanca();
    void annoDimostrativo_data();
    void annoDimostrativo();
    void dueAziende();
};

void TestChiusuraMensile::anteprima()
{
    ChiusuraMensile f;
    gennaio2026(f);
    QCOMPARE(f.windowTitle(), QStringLiteral("Chiusura mensile"));
    QTableWidget* t = tabella(f);
    QCOMPARE(t->rowCount(), 0); // nothing until asked
    QVERIFY(f.findChild<QCheckBox*>(QStringLiteral("tredicesima"))->isChecked()); // the company's setting

    clic(f, "calcolaAnteprima");
    QCOMPARE(t->rowCount(), 8);
    QCOMPARE(f.idRighe().size(), 7);
    double somme[7] = {};
    for (int r = 0; r < 7; ++r) {
        const QString id = f.idRighe().at(r);
        DatiDipendente d;
        QVERIFY(Dipendente::carica(id, d));
        QCOMPARE(t->item(r, 1)->text(), d.numeroAVS);
        QCOMPARE(t->item(r, 2)->text(), d.cognome + QLatin1Char(' ') + d.nome);
        QCOMPARE(t->item(r, 0)->checkState(), Qt::Unchecked);
        const RisultatoConteggio atteso = ConteggioSalario::genera(id, d, 2026, 1, false, 1);
        const double importi[7] = {atteso.lordoContributivo, atteso.lordoImponibile, atteso.contributiDipendente,
                                   atteso.lppDipendente, atteso.assegniFamiliari, atteso.impostaFonte, atteso.netto};
        for (int c = 0; c < 7; ++c) {
            QCOMPARE(t->item(r, 3 + c)->text(), QString::number(importi[c], 'f', 2));
            somme[c] += cella(t, r, 3 + c);
        }
    }
    // The two employees taxed at source pay tax, the others none.
    QVERIFY(cella(t, riga(f, QStringLiteral("Colombo_Sara.txt")), 8) > 0);
    QVERIFY(cella(t, riga(f, QStringLiteral("Ferreira_Joao.txt")), 8) > 0);
    QCOMPARE(t->item(riga(f, kBernasconi), 8)->text(), QStringLiteral("0.00"));
    QVERIFY(cella(t, riga(f, QStringLiteral("Pedrazzini_Chiara.txt")), 7) > 0);

    QCOMPARE(t->item(7, 2)->text(), QStringLiteral("TOTALE"));
    QCOMPARE(t->item(7, 0)->data(Qt::CheckStateRole), QVariant());
    for (int c = 0; c < 7; ++c)
        QCOMPARE(t->item(7, 3 + c)->text(), QString::number(somme[c], 'f', 2));

    // Another month or year empties the table: no figures under a month they
    // were not computed for.
    for (const char* box : {"mese", "anno"}) {
        clic(f, "calcolaAnteprima");
        auto* c = f.findChild<QComboBox*>(QLatin1String(box));
        c->setCurrentIndex((c->currentIndex() + 1) % c->count());
        QCOMPARE(t->rowCount(), 0);
        QVERIFY(f.idRighe().isEmpty());
    }
}

// The year box holds the current and the previous year; in January the
// December just ended comes preselected.
void TestChiusuraMensile::annoEMese_data()
{
    QTest::addColumn<QDate>("oggi");
    QTest::addColumn<QStringList>("anni");
    QTest::addColumn<int>("anno");
    QTest::addColumn<int>("mese");
    QTest::newRow("5 January 2027") << QDate(2027, 1, 5) << QStringList{"2026", "2027"} << 2026 << 12;
    QTest::newRow("31 January 2027") << QDate(2027, 1, 31) << QStringList{"2026", "2027"} << 2026 << 12;
    QTest::newRow("1 February 2027") << QDate(2027, 2, 1) << QStringList{"2026", "2027"} << 2027 << 2;
    QTest::newRow("31 December 2027") << QDate(2027, 12, 31) << QStringList{"2026", "2027"} << 2027 << 12;
}

void TestChiusuraMensile::annoEMese()
{
    QFETCH(QDate, oggi);
    QFETCH(QStringList, anni);
    QFETCH(int, anno);
    QFETCH(int, mese);
    Orologio::imposta(QDateTime(oggi, QTime(8, 0)));
    ChiusuraMensile f;
    auto* boxAnno = f.findChild<QComboBox*>(QStringLiteral("anno"));
    QStringList testi;
    for (int i = 0; i < boxAnno->count(); ++i) {
        testi << boxAnno->itemText(i);
        QCOMPARE(boxAnno->itemData(i).toInt(), boxAnno->itemText(i).toInt());
    }
    QCOMPARE(testi, anni);
    QCOMPARE(boxAnno->currentData().toInt(), anno);
    QCOMPARE(f.findChild<QComboBox*>(QStringLiteral("mese"))->currentData().toInt(), mese);

    // The preselected month is the one counted: December 2026 in January.
    clic(f, "calcolaAnteprima");
    DatiDipendente d;
    QVERIFY(Dipendente::carica(kBernasconi, d));
    QCOMPARE(tabella(f)->item(riga(f, kBernasconi), 9)->text(),
             QString::number(ConteggioSalario::genera(kBernasconi, d, anno, mese, false, 1).netto, 'f', 2));
}

// The warning on missing tariff tables names where they are looked for and
// comes once for each preview asked for, not on the recomputations; the
// window keeps its width over many previews.
void TestChiusuraMensile::avvisoTariffeUnaVolta()
{
    modifica(kBernasconi, [](DatiDipendente& d) {
        d.cantone = QStringLiteral("GE");
        d.permessoLavoro = QStringLiteral("B");
    });
    RegistroMessaggi messaggi;
    ChiusuraMensile f;
    gennaio2026(f);
    const auto avvisi = [&] {
        int n = 0;
        for (const Messaggi::Richiesta& r : qAsConst(messaggi.richieste))
            n += r.titolo == QLatin1String("Imposta alla fonte") ? 1 : 0;
        return n;
    };

    clic(f, "calcolaAnteprima");
    QCOMPARE(avvisi(), 1);
    const QString testo = messaggi.ultimoTesto();
    QVERIFY(testo.contains(QStringLiteral("Bernasconi Luca (GE, A0)")));
    for (const QString& cartella : ImpostaFonte::cartelle()) {
        QVERIFY(QDir::isAbsolutePath(cartella));
        QVERIFY2(testo.contains(QDir::toNativeSeparators(cartella)), qPrintable(testo));
    }
    QVERIFY(testo.contains(AmbienteTest::home() + QStringLiteral("/01.Vardello/dati_afc")));
    const int larghezza = f.width();

    auto* tredicesima = f.findChild<QCheckBox*>(QStringLiteral("tredicesima"));
    tredicesima->setChecked(!tredicesima->isChecked());
    tredicesima->setChecked(!tredicesima->isChecked());
    QCOMPARE(tabella(f)->rowCount(), 8); // recomputed, without a word
    clic(f, "generaTutti");
    QCOMPARE(avvisi(), 1);
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Chiusura mensile"));

    for (int i = 0; i < 4; ++i)
        clic(f, "calcolaAnteprima");
    QCOMPARE(avvisi(), 5);
    QCOMPARE(f.width(), larghezza);
}

void TestChiusuraMensile::tabelleImpostaMancanti_data()
{
    QTest::addColumn<QString>("cantone");
    QTest::addColumn<QString>("tariffa"); // empty: none on the card (A0)
    QTest::addColumn<QString>("avviso"); // empty: no warning
    QTest::addColumn<QString>("rifiuto"); // why the closing does not count him; empty: counted
    QTest::newRow("Ticino loaded") << "TI" << "" << "" << "";
    QTest::newRow("no Geneva tables") << "GE" << "" << "Bernasconi Luca (GE, A0)"
                                      << "mancano le tabelle del cantone GE";
    QTest::newRow("no Bern tables") << "BE" << "" << "Bernasconi Luca (BE, A0)" << "mancano le tabelle del cantone BE";
    QTest::newRow("code not in Ticino's file") << "TI" << "Z9" << "Bernasconi Luca (TI, Z9)"
                                               << "la tariffa Z9 non si trova nelle tabelle del cantone TI";
    QTest::newRow("code damaged in Ticino's file")
        << "TI" << "C1" << "Bernasconi Luca (TI, C1)"
        << "il file delle tariffe del cantone TI contiene la tariffa C1 danneggiata o in contraddizione con se stessa";
}

void TestChiusuraMensile::tabelleImpostaMancanti()
{
    QFETCH(QString, cantone);
    QFETCH(QString, tariffa);
    QFETCH(QString, avviso);
    QFETCH(QString, rifiuto);
    // C1N read as contradicting itself, for this row only.
    const bool danneggiata = tariffa == QLatin1String("C1");
    QVERIFY(!danneggiata || caricaTariffeTicino({}, true));
    const auto ripristina = qScopeGuard([danneggiata] {
        if (danneggiata)
            caricaTariffeTicino();
    });
    modifica(kBernasconi, [&](DatiDipendente& d) {
        d.cantone = cantone;
        d.permessoLavoro = QStringLiteral("B");
        d.extra.remove(QStringLiteral("tabellaIF"));
        d.extra.remove(QStringLiteral("codiceTariffa"));
        if (!tariffa.isEmpty())
            d.extra.insert(QStringLiteral("codiceTariffa"), tariffa);
    });
    RegistroMessaggi messaggi;
    ChiusuraMensile f;
    gennaio2026(f);
    clic(f, "calcolaAnteprima");
    QCOMPARE(tabella(f)->rowCount(), 8);
    if (avviso.isEmpty()) {
        QVERIFY(!messaggi.contiene(QStringLiteral("Imposta alla fonte")));
    } else {
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Imposta alla fonte"));
        QVERIFY(messaggi.ultimoTesto().contains(avviso));
        QVERIFY(!messaggi.ultimoTesto().contains(QStringLiteral("Colombo"))); // Ticino is loaded
        // The row the warning names stands out in the preview already.
        const QTableWidgetItem* prima = tabella(f)->item(riga(f, kBernasconi), 3);
        QCOMPARE(prima->background().color(), QColor(255, 205, 205));
        QVERIFY(prima->toolTip().contains(cantone.trimmed().toUpper()));
    }

    // The closing saves no month with a tax it could not compute: Keller,
    // not taxed at source, is saved; Bernasconi is named with the reason
    // and where the tariff files are looked for, and his row stands out.
    clic(f, "generaTutti");
    QList<StoricoPaghe::PagaMese> mesi;
    StoricoPaghe::caricaAnno(kBernasconi, 2026, mesi);
    QCOMPARE(mesi.size(), rifiuto.isEmpty() ? 1 : 0);
    StoricoPaghe::PagaMese keller;
    QVERIFY(StoricoPaghe::caricaMese(QStringLiteral("Keller_Thomas.txt"), 2026, 1, &keller));
    const QTableWidgetItem* nome = tabella(f)->item(riga(f, kBernasconi), 2);
    if (rifiuto.isEmpty()) {
        QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Chiusura completata: 7 conteggi generati, nessun errore."));
        QCOMPARE(nome->toolTip(), QString());
        return;
    }
    const QString testo = messaggi.ultimoTesto();
    QCOMPARE(int(messaggi.richieste.last().tipo), int(Messaggi::Tipo::Avviso));
    QVERIFY2(testo.startsWith(QStringLiteral("Chiusura completata con errori:\n6 conteggi generati\n1 conteggi NON "
                                             "generati.")),
             qPrintable(testo));
    QVERIFY(testo.contains(QStringLiteral("- Bernasconi Luca: Imposta alla fonte non calcolabile: ") + rifiuto));
    for (const QString& cartella : ImpostaFonte::cartelle())
        QVERIFY(testo.contains(QDir::toNativeSeparators(cartella)));
    QVERIFY(!testo.contains(QStringLiteral("nessun errore")));
    QVERIFY(nome->toolTip().contains(rifiuto));
    QCOMPARE(nome->background().color(), QColor(255, 205, 205));
    // Its name reads whole with the note, though the preview stored narrower widths.
    QVERIFY(tabella(f)->fontMetrics().horizontalAdvance(nome->text()) < tabella(f)->columnWidth(2));

    // "Salva selezionati" prints the six saved months and names him.
    RegistroPiattaforma piattaforma;
    clic(f, "selezionaTutti");
    piattaforma.risposteSalva = QStringList{AmbienteTest::home() + QStringLiteral("/x.pdf")};
    clic(f, "salvaSelezionati");
    QVERIFY2(messaggi.ultimoTesto().startsWith(QStringLiteral("PDF generati: 6\nSenza cedolino:\n- Bernasconi Luca: "
                                                              "Imposta alla fonte non calcolabile: ")
                                               + rifiuto),
             qPrintable(messaggi.ultimoTesto()));
    QCOMPARE(int(messaggi.richieste.last().tipo), int(Messaggi::Tipo::Avviso));
}

void TestChiusuraMensile::tredicesimaRicalcola()
{
    ChiusuraMensile f;
    gennaio2026(f);
    f.findChild<QComboBox*>(QStringLiteral("mese"))->setCurrentIndex(11);
    QTableWidget* t = tabella(f);
    auto* tredicesima = f.findChild<QCheckBox*>(QStringLiteral("tredicesima"));
    tredicesima->setChecked(false); // recomputes at once
    QCOMPARE(t->rowCount(), 8);
    QCOMPARE(t->item(riga(f, kBernasconi), 3)->text(), QStringLiteral("6200.00"));
    tredicesima->setChecked(true);
    QCOMPARE(t->item(riga(f, kBernasconi), 3)->text(), QStringLiteral("12400.00"));
    // Keller has no extra monthly salary.
    QCOMPARE(t->item(riga(f, QStringLiteral("Keller_Thomas.txt")), 3)->text(), QStringLiteral("7100.00"));
}

void TestChiusuraMensile::generaTutti_data()
{
    QTest::addColumn<QString>("caso");
    QTest::addColumn<int>("tipo"); // Messaggi::Tipo of the message
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("salvati");

    QTest::newRow("all seven") << "" << int(Messaggi::Tipo::Informazione)
                               << "Chiusura completata: 7 conteggi generati, nessun errore." << 7;
    QTest::newRow("closed year") << "chiuso" << int(Messaggi::Tipo::Avviso)
                                 << "L'esercizio 2026 è chiuso e bloccato: non è possibile generare o sovrascrivere "
                                    "cedolini."
                                 << 0;
    QTest::newRow("one outside the employment period")
        << "fuori" << int(Messaggi::Tipo::Informazione) << "Chiusura completata: 6 conteggi generati, nessun errore."
        << 6;
    // January saved, then his employment starts in February: the old month
    // stays, refused and named, neither paid nor printed.
    QTest::newRow("one outside the period with a month saved before")
        << "fuoriSalvato" << int(Messaggi::Tipo::Avviso)
        << "Chiusura completata con errori:\n6 conteggi generati\n1 conteggi NON generati.\n\nDipendenti senza "
           "conteggio, con il motivo:"
        << 7;
    QTest::newRow("one save fails") << "salvataggio" << int(Messaggi::Tipo::Avviso)
                                    << "Chiusura completata con errori:\n6 conteggi generati\n1 conteggi NON generati."
                                       "\n\nDipendenti senza conteggio, con il motivo:"
                                    << 6;
}

void TestChiusuraMensile::generaTutti()
{
    QFETCH(QString, caso);
    QFETCH(int, tipo);
    QFETCH(QString, testo);
    QFETCH(int, salvati);

    if (caso == QLatin1String("chiuso"))
        QVERIFY(ChiusuraAnnuale::chiudiAnno(2026, QStringLiteral("prova"), QStringLiteral("test")));
    const bool fuori = caso.startsWith(QLatin1String("fuori"));
    if (fuori)
        morettiFuoriGennaio(caso == QLatin1String("fuoriSalvato"));
    if (caso == QLatin1String("salvataggio")) // the year's file cannot be written
        QVERIFY(QDir().mkpath(StoricoPaghe::percorsoFile(kBernasconi, 2026)));

    ChiusuraMensile f;
    gennaio2026(f);
    RegistroMessaggi messaggi;
    clic(f, "generaTutti");
    QCOMPARE(messaggi.richieste.size(), 1);
    QCOMPARE(int(messaggi.richieste.first().tipo), tipo);
    // Each employee not counted is named with the reason below the counts.
    if (caso == QLatin1String("salvataggio")) {
        QVERIFY2(messaggi.ultimoTesto().startsWith(testo + QStringLiteral("\n- Bernasconi Luca: ")),
                 qPrintable(messaggi.ultimoTesto()));
        QVERIFY(messaggi.ultimoTesto().contains(StoricoPaghe::percorsoFile(kBernasconi, 2026)));
        QCOMPARE(f.nonContati().keys(), QStringList{kBernasconi});
    } else if (caso == QLatin1String("fuoriSalvato")) {
        QVERIFY2(messaggi.ultimoTesto().startsWith(testo + QStringLiteral("\n- Moretti Davide: Fuori periodo di "
                                                                          "rapporto: il mese salvato prima")),
                 qPrintable(messaggi.ultimoTesto()));
        QCOMPARE(f.nonContati().keys(), QStringList{kMoretti});
    } else {
        QCOMPARE(messaggi.ultimoTesto(), testo);
        QVERIFY(f.nonContati().isEmpty());
    }

    int scritti = 0;
    const QStringList ids = Dipendente::elencoDipendenti(true);
    for (const QString& id : ids) {
        QList<StoricoPaghe::PagaMese> mesi;
        StoricoPaghe::caricaAnno(id, 2026, mesi);
        if (mesi.isEmpty())
            continue;
        ++scritti;
        QCOMPARE(mesi.size(), 1);
        QCOMPARE(mesi.first().mese, 1);
        // What was saved is what the preview shows afterwards.
        if (!fuori || id != kMoretti)
            QCOMPARE(QString::number(mesi.first().netto, 'f', 2), tabella(f)->item(riga(f, id), 9)->text());
    }
    QCOMPARE(scritti, salvati);

    if (caso == QLatin1String("chiuso")) {
        QCOMPARE(tabella(f)->rowCount(), 0); // refused before computing anything
        clic(f, "calcolaAnteprima");         // the preview still works
        QCOMPARE(tabella(f)->rowCount(), 8);
    } else {
        QCOMPARE(tabella(f)->rowCount(), 8);
    }
    if (fuori) {
        const int r = riga(f, kMoretti);
        QCOMPARE(tabella(f)->item(r, 2)->text(), QStringLiteral("Moretti Davide (senza conteggio)"));
        QCOMPARE(tabella(f)->item(r, 9)->text(), QStringLiteral("0.00"));
        // The bank file names him only while a month saved before stays
        // refused; with nothing saved, an old refusal is gone.
        QStringList esclusi;
        QVERIFY(DocumentiChiusura::pagamenti({kMoretti}, 2026, 1, &esclusi).isEmpty());
        QCOMPARE(esclusi.size(), caso == QLatin1String("fuori") ? 0 : 1);
        QCOMPARE(StoricoPaghe::caricaRifiuti(kMoretti, 2026).isEmpty(), caso == QLatin1String("fuori"));
    }
    // The rows without a count stand out with the reason, the others not:
    // the employee whose save failed keeps no amounts although the preview
    // could compute them.
    if (caso == QLatin1String("chiuso"))
        return;
    f.show();
    for (const QString& id : Dipendente::elencoDipendenti(true)) {
        const QTableWidgetItem* nome = tabella(f)->item(riga(f, id), 2);
        const bool senza = (caso == QLatin1String("salvataggio") && id == kBernasconi) || (fuori && id == kMoretti);
        QCOMPARE(nome->background().color() == QColor(255, 205, 205), senza);
        QCOMPARE(evidenziata(tabella(f), riga(f, id)), senza);
        QCOMPARE(nome->toolTip().isEmpty(), !senza);
        if (senza)
            QCOMPARE(tabella(f)->item(riga(f, id), 9)->text(), QStringLiteral("0.00"));
    }
}

// A movement dated in a month already saved is not paid by it: the preview
// of that month names it, until "Genera tutti e salva" counts the month again;
// one the saved month paid is never named.
void TestChiusuraMensile::movimentoDopoIlSalvataggio()
{
    MovimentoStipendio premio;
    premio.data = QStringLiteral("2026-01-10");
    premio.tipo = QStringLiteral("Premio");
    premio.importo = 300;
    Movimenti::applicaPreset(premio);
    QVERIFY(Movimenti::salva(kBernasconi, {premio}));
    RegistroMessaggi messaggi;
    ChiusuraMensile f;
    gennaio2026(f);
    clic(f, "generaTutti");

    MovimentoStipendio gratifica = premio;
    gratifica.data = QStringLiteral("2026-01-20");
    gratifica.tipo = QStringLiteral("Gratifica");
    gratifica.importo = 1000;
    MovimentoStipendio febbraio = gratifica;
    febbraio.data = QStringLiteral("2026-02-02");
    QVERIFY(Movimenti::salva(kBernasconi, {premio, gratifica, febbraio}));
    const auto avvisi = [&] {
        QStringList testi;
        for (const Messaggi::Richiesta& r : qAsConst(messaggi.richieste)) {
            if (r.titolo == QLatin1String("Movimenti non pagati"))
                testi << r.testo;
        }
        return testi;
    };
    clic(f, "calcolaAnteprima");
    QCOMPARE(avvisi(), QStringList{QStringLiteral("Movimenti datati in gennaio 2026, mese gia' salvato, che il mese "
                                                  "salvato non paga: \"Genera tutti e salva\" conteggia di nuovo il "
                                                  "mese e li paga.\n- Bernasconi Luca - gennaio 2026: Gratifica "
                                                  "1000.00 CHF")});

    clic(f, "generaTutti");
    clic(f, "calcolaAnteprima");
    QCOMPARE(avvisi().size(), 1);
    StoricoPaghe::PagaMese gennaio;
    QVERIFY(StoricoPaghe::caricaMese(kBernasconi, 2026, 1, &gennaio));
    QCOMPARE(gennaio.dettaglio.vociSalario.last().descrizione, QStringLiteral("Gratifica"));
}

// An employee taxed where each month is taxed on its own: the detail names
// the tax without an adjustment; one taxed in the annual model keeps it.
void TestChiusuraMensile::dettaglioModelloMensile()
{
    modifica(QStringLiteral("Colombo_Sara.txt"), [](DatiDipendente& d) { d.cantone = QStringLiteral("ZH"); });
    ChiusuraMensile f;
    gennaio2026(f);
    RegistroMessaggi messaggi;
    clic(f, "calcolaAnteprima");
    messaggi.rispondi(QMessageBox::No);
    f.apriDettaglio(riga(f, QStringLiteral("Colombo_Sara.txt")), 2);
    QVERIFY2(messaggi.ultimoTesto().contains(QStringLiteral("\nImposta alla fonte: ")), qPrintable(messaggi.ultimoTesto()));
    messaggi.rispondi(QMessageBox::No);
    f.apriDettaglio(riga(f, QStringLiteral("Ferreira_Joao.txt")), 2);
    QVERIFY(messaggi.ultimoTesto().contains(QStringLiteral("\nImposta (conguagl.):")));
}

void TestChiusuraMensile::dettaglio()
{
    ChiusuraMensile f;
    gennaio2026(f);
    clic(f, "calcolaAnteprima");
    QTableWidget* t = tabella(f);
    const int r = riga(f, QStringLiteral("Pedrazzini_Chiara.txt"));

    RegistroMessaggi messaggi;
    f.apriDettaglio(t->rowCount() - 1, 2); // the totals row
    QVERIFY(messaggi.richieste.isEmpty());

    messaggi.rispondi(QMessageBox::No);
    f.apriDettaglio(r, 5);
    QCOMPARE(messaggi.richieste.size(), 1);
    const QString testo = messaggi.ultimoTesto();
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Salva PDF"));
    QVERIFY(testo.startsWith(QStringLiteral("Dipendente: Pedrazzini Chiara\nPeriodo: 1/2026\n\n")));
    const QStringList etichette = {QStringLiteral("Lordo contributivo: "), QStringLiteral("Lordo imponibile:      "),
                                   QStringLiteral("Contributi dip.:    "),  QStringLiteral("LPP dip.:           "),
                                   QStringLiteral("Assegni familiari:  "),  QStringLiteral("Imposta (conguagl.):"),
                                   QStringLiteral("Netto:              ")};
    for (int c = 0; c < etichette.size(); ++c) {
        const QString riga = etichette.at(c) + t->item(r, 3 + c)->text() + QStringLiteral(" CHF\n");
        QVERIFY2(testo.contains(riga), qPrintable(riga + QStringLiteral("\n---\n") + testo));
    }
    QVERIFY(testo.contains(QStringLiteral("\nModalita pagamento: banca\nIBAN: CH9300762011623852957\n")));
    QVERIFY(!testo.contains(QStringLiteral("BIC/SWIFT")));
    QVERIFY(testo.endsWith(QStringLiteral("\n\nVuoi salvare questo conteggio salario in PDF?")));

    // Saved as PDF: the same text, without the question.
    const QString pdf = Config::cartellaExportAzienda() + QStringLiteral("/conteggio.pdf");
    messaggi.rispondi(QMessageBox::Yes);
    rispondiDialogoFile(pdf);
    f.apriDettaglio(r, 0);
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Esportato"));
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("PDF salvato:\n") + pdf);
    const InfoPdf info = leggiPdf(pdf);
    QVERIFY(info.valido);
    QVERIFY(info.testo.contains(QStringLiteral("Conteggio salario")));
    const QString netto = QStringLiteral("Netto: +") + QRegularExpression::escape(t->item(r, 9)->text()) + QStringLiteral(" CHF");
    QVERIFY2(info.testo.contains(QRegularExpression(netto)), qPrintable(info.testo));
    QVERIFY(!info.testo.contains(QStringLiteral("Vuoi salvare")));
}

void TestChiusuraMensile::selezionaTutti()
{
    ChiusuraMensile f;
    gennaio2026(f);
    auto* pulsante = f.findChild<QPushButton*>(QStringLiteral("selezionaTutti"));
    clic(f, "calcolaAnteprima");
    QTableWidget* t = tabella(f);
    QCOMPARE(pulsante->text(), QStringLiteral("Seleziona tutti"));
    t->item(2, 0)->setCheckState(Qt::Checked);
    pulsante->click();
    QCOMPARE(pulsante->text(), QStringLiteral("Deseleziona tutti"));
    for (int r = 0; r < 7; ++r)
        QCOMPARE(t->item(r, 0)->checkState(), Qt::Checked);
    QCOMPARE(t->item(7, 0)->data(Qt::CheckStateRole), QVariant()); // never the totals row
    pulsante->click();
    QCOMPARE(pulsante->text(), QStringLiteral("Seleziona tutti"));
    for (int r = 0; r < 7; ++r)
        QCOMPARE(t->item(r, 0)->checkState(), Qt::Unchecked);
}

void TestChiusuraMensile::proRata_data()
{
    QTest::addColumn<QString>("caso");
    QTest::newRow("open year") << "aperto";
    QTest::newRow("closed year") << "chiuso";
    // A pay history that does not read cleanly: no amount suggested from it, nothing written.
    QTest::newRow("damaged pay history") << "danneggiato";
    // Bernasconi stays, 5000 a month, a June advance of 2000 on the
    // thirteenth; the payout in December with the automatic thirteenth
    // ticked suggests the 3000 left, and December pays them once.
    QTest::newRow("December, automatic thirteenth") << "dicembre";
    // Fontana, 6500 a month with a thirteenth, leaves on 30 June: the year
    // owes him 6/12 of it, 3250. June pays 6500 + 3250; the year 6 x 6500 +
    // 3250 = 42250.
    QTest::newRow("leaver, automatic thirteenth") << "automatica";
    // Paid by hand in May (9750 then): June pays 6500, the year is the same.
    QTest::newRow("leaver paid by hand in May") << "maggio";
    // Not automatic: 6 x 6500 = 39000, and the closing names him.
    QTest::newRow("leaver, no automatic thirteenth") << "senza";
    // Paid by the hour (30.00, 100 h a month, the 8.33 % thirteenth with
    // every month's hours), leaving on 30/09, a monthly salary of 4000 left
    // on the card from an earlier contract: the hourly count never pays a
    // payout, so none is suggested nor written, and the message says why.
    QTest::newRow("hourly leaver") << "orario";
    // A month after the exit is not counted: nothing written there either.
    QTest::newRow("month after the exit") << "uscito";
    // Entered on 15 June and leaving on 30 June: June is a month of
    // employment though not on its 1st; the year owes him 1/12 of 5000.
    QTest::newRow("entry on the 15th") << "entrata";
}

void TestChiusuraMensile::proRata()
{
    QFETCH(QString, caso);
    const bool dicembre = caso == QLatin1String("dicembre");
    const bool entrata = caso == QLatin1String("entrata");
    // The payout refused before any amount is asked.
    const bool senzaImporto = caso == QLatin1String("orario") || caso == QLatin1String("uscito");
    if (caso != QLatin1String("aperto") && caso != QLatin1String("chiuso") && caso != QLatin1String("danneggiato")
        && !dicembre && !entrata && !senzaImporto) {
        const QString fontana = QStringLiteral("Fontana_Giorgio.txt");
        modifica(fontana, [](DatiDipendente& d) {
            d.periodi = {{QStringLiteral("01/01/2015"), QStringLiteral("30/06/2026")}};
        });
        if (caso == QLatin1String("maggio")) { // what the payout stores
            QList<VariabileMese> variabili = VariabiliMensili::caricaAnno(fontana, 2026);
            variabili[4].tredicesimaGratifica = 3250;
            QVERIFY(VariabiliMensili::salvaAnno(fontana, 2026, variabili));
        }
        ChiusuraMensile f;
        gennaio2026(f);
        f.findChild<QCheckBox*>(QStringLiteral("tredicesima"))->setChecked(caso != QLatin1String("senza"));
        RegistroMessaggi messaggi;
        for (int m = 1; m <= 6; ++m) {
            f.findChild<QComboBox*>(QStringLiteral("mese"))->setCurrentIndex(m - 1);
            clic(f, "generaTutti");
        }
        QList<StoricoPaghe::PagaMese> mesi;
        QVERIFY(StoricoPaghe::caricaAnno(fontana, 2026, mesi));
        QCOMPARE(mesi.size(), 6);
        const bool automatica = caso == QLatin1String("automatica");
        QCOMPARE(QString::number(mesi.last().lordoImponibile, 'f', 2), QLatin1String(automatica ? "9750.00" : "6500.00"));
        // The slip's own line.
        bool riga = false;
        for (const StoricoPaghe::Voce& v : mesi.last().dettaglio.vociSalario)
            riga = riga || (v.descrizione == QStringLiteral("13a mensilità pro rata") && qAbs(v.importo - 3250) < 0.005);
        QCOMPARE(riga, automatica);
        DatiDipendente d;
        QVERIFY(Dipendente::carica(fontana, d));
        QCOMPARE(CertificatoAnnuo::calcola(fontana, d, 2026).cifra8, caso == QLatin1String("senza") ? 39000.0 : 42250.0);
        if (caso != QLatin1String("senza")) {
            QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Chiusura completata: 7 conteggi generati, nessun errore."));
            return;
        }
        QCOMPARE(int(messaggi.richieste.last().tipo), int(Messaggi::Tipo::Avviso));
        QCOMPARE(messaggi.ultimoTesto(),
                 QStringLiteral("Chiusura completata: 7 conteggi generati.\n\n13a/14a dovute pro rata e non pagate a chi "
                                "lascia l'azienda (\"Liquida 13a/14a pro-rata a dipendente...\" o 13a automatica):\n"
                                "- Fontana Giorgio: 3250.00 CHF"));
        return;
    }
    const bool chiuso = caso == QLatin1String("chiuso");
    const bool danneggiato = caso == QLatin1String("danneggiato");
    if (danneggiato)
        AmbienteTest::scrivi(StoricoPaghe::percorsoFile(kBernasconi, 2026), "[1]\nnetto=abc\n");
    // Six months of 2026 in service at 5000 a month.
    modifica(kBernasconi, [dicembre, entrata](DatiDipendente& d) {
        d.salarioMensile = 5000;
        d.periodi = {{entrata ? QStringLiteral("15/06/2026") : QStringLiteral("01/07/2025"),
                      dicembre ? QString() : QStringLiteral("30/06/2026")}};
    });
    if (caso == QLatin1String("orario")) {
        modifica(kBernasconi, [](DatiDipendente& d) {
            d.tipoPaga = 1;
            d.pagaOraria = 30;
            d.salarioMensile = 4000;
            d.mensilitaAggiuntive = 1;
            d.periodi = {{QStringLiteral("01/07/2025"), QStringLiteral("30/09/2026")}};
        });
        QList<VariabileMese> ore = VariabiliMensili::caricaAnno(kBernasconi, 2026);
        for (VariabileMese& v : ore)
            v.oreFatte = 100;
        QVERIFY(VariabiliMensili::salvaAnno(kBernasconi, 2026, ore));
    }
    // June already holds a bonus of 700: the payout takes its place.
    QList<VariabileMese> prima = VariabiliMensili::caricaAnno(kBernasconi, 2026);
    prima[5].tredicesimaGratifica = dicembre ? 0 : 700;
    QVERIFY(VariabiliMensili::salvaAnno(kBernasconi, 2026, prima));
    MovimentoStipendio acconto;
    acconto.data = QStringLiteral("2026-06-25");
    acconto.tipo = QStringLiteral("13a mensilità");
    acconto.importo = 2000;
    Movimenti::applicaPreset(acconto);
    if (dicembre)
        QVERIFY(Movimenti::salva(kBernasconi, {acconto}));
    const int mese = dicembre ? 12 : senzaImporto ? 9 : 6;
    if (chiuso)
        QVERIFY(ChiusuraAnnuale::chiudiAnno(2026, QStringLiteral("prova"), QStringLiteral("test")));

    ChiusuraMensile f;
    gennaio2026(f);
    f.findChild<QComboBox*>(QStringLiteral("mese"))->setCurrentIndex(mese - 1);
    RegistroMessaggi messaggi;
    bool sceltaAperta = false;
    QString etichetta;
    double suggerito = -1;
    if (!chiuso) {
        quandoModale<ScegliDipendente>([&](ScegliDipendente* scelta) {
            // The chooser says what the choice is for.
            sceltaAperta = scelta->findChild<QLabel*>(QStringLiteral("istruzioni"))->text()
                == QStringLiteral("Scegli il dipendente a cui liquidare la 13a/14a pro rata:");
            scelta->findChild<QTableWidget*>(QStringLiteral("tabella"))->selectRow(0); // Bernasconi comes first
            if (!danneggiato)
                quandoModale<QInputDialog>([&](QInputDialog* chiedi) {
                    etichetta = chiedi->labelText();
                    suggerito = chiedi->doubleValue();
                    if (!dicembre && !entrata)
                        chiedi->setDoubleValue(2400);
                    chiedi->accept();
                });
            scelta->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        });
    }
    clic(f, "liquidaProRata");

    const QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(kBernasconi, 2026);
    if (chiuso) {
        QVERIFY(!sceltaAperta);
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Esercizio chiuso"));
        QCOMPARE(messaggi.ultimoTesto(),
                 QStringLiteral("L'esercizio 2026 è chiuso e bloccato: non è possibile liquidare la 13a/14a."));
        QCOMPARE(QString::number(mesi.at(5).tredicesimaGratifica, 'f', 2), QStringLiteral("700.00"));
        return;
    }
    QVERIFY(sceltaAperta);
    if (danneggiato) {
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Liquidazione 13a/14a"));
        QVERIFY(messaggi.ultimoTesto().contains(StoricoPaghe::percorsoFile(kBernasconi, 2026) + QStringLiteral(", riga 2")));
        QCOMPARE(QString::number(mesi.at(5).tredicesimaGratifica, 'f', 2), QStringLiteral("700.00"));
        return;
    }
    if (senzaImporto) {
        QVERIFY(etichetta.isEmpty()); // no amount asked
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Liquidazione 13a/14a"));
        QVERIFY2(messaggi.ultimoTesto().contains(caso == QLatin1String("orario") ? QStringLiteral("pagato a ore")
                                                                                  : QStringLiteral("non è in servizio nel mese 9/2026")),
                 qPrintable(messaggi.ultimoTesto()));
        for (const VariabileMese& v : mesi) {
            QCOMPARE(QString::number(v.tredicesimaGratifica, 'f', 2),
                     QString::number(prima.at(v.mese - 1).tredicesimaGratifica, 'f', 2));
            QCOMPARE(QString::number(v.tredicesimaLiquidata, 'f', 2), QStringLiteral("0.00"));
        }
        if (caso == QLatin1String("orario")) { // September pays its thirteenth with the hours: 8.33 % of 3000
            DatiDipendente d;
            QVERIFY(Dipendente::carica(kBernasconi, d));
            QCOMPARE(QString::number(ConteggioSalario::genera(kBernasconi, d, 2026, 9, false, 1).tredicesima, 'f', 2),
                     QStringLiteral("249.90"));
        }
        return;
    }
    if (dicembre) {
        QCOMPARE(etichetta, QStringLiteral("Importo 13a/14a per Luca Bernasconi (12/2026, 12 mesi):"));
        QCOMPARE(QString::number(suggerito, 'f', 2), QStringLiteral("3000.00"));
        QCOMPARE(QString::number(mesi.at(11).tredicesimaLiquidata, 'f', 2), QStringLiteral("3000.00"));
        // 5000 and the payout's 3000; the automatic thirteenth adds nothing.
        QCOMPARE(tabella(f)->item(riga(f, kBernasconi), 3)->text(), QStringLiteral("8000.00"));
        return;
    }
    if (entrata) {
        QCOMPARE(etichetta, QStringLiteral("Importo 13a/14a per Luca Bernasconi (6/2026, 1 mesi):"));
        QCOMPARE(QString::number(suggerito, 'f', 2), QStringLiteral("416.65"));
        QCOMPARE(QString::number(mesi.at(5).tredicesimaLiquidata, 'f', 2), QStringLiteral("416.65"));
        // 16 days of 5000 (2666.67) and the payout; the automatic thirteenth adds nothing.
        QCOMPARE(tabella(f)->item(riga(f, kBernasconi), 3)->text(), QStringLiteral("3083.32"));
        return;
    }
    QCOMPARE(etichetta, QStringLiteral("Importo 13a/14a per Luca Bernasconi (6/2026, 6 mesi):"));
    QCOMPARE(QString::number(suggerito, 'f', 2), QStringLiteral("2500.00"));
    for (int m = 0; m < 12; ++m)
        QCOMPARE(QString::number(mesi.at(m).tredicesimaGratifica, 'f', 2),
                 QLatin1String(m == 5 ? "2400.00" : "0.00"));
    // The preview is computed again with the payout. He leaves in June with
    // the automatic thirteenth ticked: of the 2500 owed, 2400 are paid by
    // hand and the count adds the 100 left: 5000 + 2400 + 100 = 7500.
    QCOMPARE(tabella(f)->item(riga(f, kBernasconi), 3)->text(), QStringLiteral("7500.00"));
    QVERIFY(messaggi.richieste.isEmpty());
}

void TestChiusuraMensile::fogliPaga()
{
    ChiusuraMensile f;
    gennaio2026(f);
    RegistroMessaggi messaggi;
    RegistroPiattaforma piattaforma;
    clic(f, "salvaSelezionati");
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Nessuna selezione"));
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Seleziona almeno un dipendente con la casella."));
    QVERIFY(piattaforma.richiesteSalva.isEmpty());

    clic(f, "generaTutti");
    clic(f, "selezionaTutti");
    f.findChild<QLineEdit*>(QStringLiteral("comunicazioni"))->setText(QStringLiteral("Buone feste, a tutti"));
    const QString cartella = AmbienteTest::home() + QStringLiteral("/cedolini");
    QVERIFY(QDir().mkpath(cartella));
    piattaforma.risposteSalva = QStringList{cartella + QStringLiteral("/nome qualsiasi.pdf")};
    clic(f, "salvaSelezionati");
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Stampa completata"));
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("PDF generati: 7"));
    QCOMPARE(piattaforma.richiesteSalva.size(), 1);
    QCOMPARE(piattaforma.richiesteSalva.first().titolo, QStringLiteral("Scegli una cartella (il nome file verra' ignorato)"));
    QCOMPARE(piattaforma.richiesteSalva.first().proposto, AmbienteTest::home() + QStringLiteral("/segnaposto.pdf"));
    QCOMPARE(QSettings(QStringLiteral("Vardello"), QStringLiteral("UltimaCartellaPaga")).value(QStringLiteral("cartella")).toString(),
             cartella);

    const QStringList deduzioni = {QStringLiteral("AVS-AI-IPG"), QStringLiteral("AD "),
                                   QStringLiteral("Infortuni non professionali"), QStringLiteral("Cassa pensione (LPP)"),
                                   QStringLiteral("Imposte alla fonte")};
    int tassati = 0;
    for (const QString& id : f.idRighe()) {
        const QString pdf = cartella + QStringLiteral("/2026-01-26_") + QFileInfo(id).completeBaseName()
                            + QStringLiteral("_2026-01.pdf");
        const InfoPdf info = leggiPdf(pdf);
        QVERIFY2(info.valido && info.pagine == 1 && info.a4Verticale(), qPrintable(pdf));
        const QString& testo = info.testo;
        QList<StoricoPaghe::PagaMese> mesi;
        QVERIFY(StoricoPaghe::caricaAnno(id, 2026, mesi));
        const StoricoPaghe::PagaMese m = mesi.first();
        DatiDipendente d;
        QVERIFY(Dipendente::carica(id, d));

        QVERIFY(testo.contains(QStringLiteral("Stipendio mese di gennaio 2026")));
        QVERIFY(testo.contains(d.nome + QLatin1Char(' ') + d.cognome));
        QVERIFY(testo.contains(QStringLiteral("Alpina Esempio SA")));
        QVERIFY(testo.contains(QStringLiteral("Comunicazioni: Buone feste, a tutti")));
        QVERIFY(testo.contains(svizzero(m.netto)));
        const RigheCedolino righe = righeCedolino(testo);
        QString perche;
        QVERIFY2(righe.sommeGiuste(&perche), qPrintable(perche + QStringLiteral("\n") + testo));
        QCOMPARE(righe.totaleLordo, m.lordoImponibile);
        QCOMPARE(righe.versato, m.netto);
        // The salary items by name: no lump "Salario imponibile".
        QVERIFY(!testo.contains(QStringLiteral("Salario imponibile")));
        if (d.tipoPaga != 1)
            QCOMPARE(righe.importo(righe.lorde, QStringLiteral("Salario mensile")), d.salarioMensile);
        QCOMPARE(testo.contains(QStringLiteral("Assegni familiari")), m.assegniFamiliari > 0);
        if (m.assegniFamiliari > 0)
            QCOMPARE(righe.importo(righe.lorde, QStringLiteral("Assegni familiari")), m.assegniFamiliari);
        QCOMPARE(-righe.importo(righe.deduzioni, QStringLiteral("Imposte alla fonte")), m.impostaTrattenuta);
        if (m.impostaTrattenuta > 0)
            ++tassati;
        QCOMPARE(-righe.importo(righe.deduzioni, QStringLiteral("Cassa pensione (LPP)")), m.lppDipendente);
        for (const QString& voce : deduzioni)
            QVERIFY2(!qIsNaN(righe.importo(righe.deduzioni, voce.trimmed())), qPrintable(voce + QStringLiteral("\n") + testo));
    }
    QCOMPARE(QDir(cartella).entryList({QStringLiteral("*.pdf")}, QDir::Files).size(), 7);
    QCOMPARE(tassati, 2); // Ferreira and Colombo pay tax at source

    // February's slips into the same folder, the same day: January's stay.
    const QString bernasconiGennaio = cartella + QStringLiteral("/2026-01-26_Bernasconi_Luca_2026-01.pdf");
    const QByteArray gennaio = AmbienteTest::leggi(bernasconiGennaio);
    f.findChild<QComboBox*>(QStringLiteral("mese"))->setCurrentIndex(1);
    clic(f, "generaTutti");
    clic(f, "selezionaTutti");
    piattaforma.risposteSalva = QStringList{cartella + QStringLiteral("/x.pdf")};
    clic(f, "salvaSelezionati");
    QCOMPARE(QDir(cartella).entryList({QStringLiteral("*_2026-02.pdf")}, QDir::Files).size(), 7);
    QCOMPARE(QDir(cartella).entryList({QStringLiteral("*.pdf")}, QDir::Files).size(), 14);
    QCOMPARE(AmbienteTest::leggi(bernasconiGennaio), gennaio);

    // January again: each existing file is asked about; "No" keeps them all.
    f.findChild<QComboBox*>(QStringLiteral("mese"))->setCurrentIndex(0);
    clic(f, "generaTutti");
    for (int r = 0; r < tabella(f)->rowCount(); ++r)
        tabella(f)->item(r, 0)->setCheckState(Qt::Checked);
    piattaforma.risposteSalva = QStringList{cartella + QStringLiteral("/x.pdf")};
    messaggi.richieste.clear();
    clic(f, "salvaSelezionati");
    QCOMPARE(messaggi.richieste.size(), 8);
    QCOMPARE(messaggi.richieste.first().testo,
             QStringLiteral("Il file 2026-01-26_") + QFileInfo(f.idRighe().first()).completeBaseName()
                 + QStringLiteral("_2026-01.pdf esiste gia'.\nSostituirlo?"));
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("PDF generati: 0\nFile esistenti lasciati come erano: 7"));
    QCOMPARE(AmbienteTest::leggi(bernasconiGennaio), gennaio);
}

// Rossi, 6000 a month with a thirteenth, a bonus of 500 and a movement of
// 300 in December: every line of his slip, from the gross to the amount
// paid, adds up on the page; each salary item has its name and the family
// fund its own line.
void TestChiusuraMensile::cedolinoRossi_data()
{
    QTest::addColumn<double>("spese");
    QTest::addColumn<double>("acconto");
    QTest::addColumn<QStringList>("altre"); // description|amount, before any rounding line

    QTest::newRow("thirteenth, bonus and movement") << 0.0 << 0.0 << QStringList();
    QTest::newRow("expenses and an advance")
        << 200.0 << 500.0 << QStringList{"Rimborso spese|200.00", "Acconto|-500.00"};
}

void TestChiusuraMensile::cedolinoRossi()
{
    QFETCH(double, spese);
    QFETCH(double, acconto);
    QFETCH(QStringList, altre);

    const QString id = QStringLiteral("Rossi_Mario.txt");
    DatiDipendente d;
    QVERIFY(Dipendente::carica(kBernasconi, d)); // a demonstration card as the base
    d.nome = QStringLiteral("Mario");
    d.cognome = QStringLiteral("Rossi");
    d.dataNascita = QStringLiteral("10/05/1986"); // 40 in 2026: pension credit 10 %, half his
    d.salarioMensile = 6000;
    d.mensilitaAggiuntive = 1;
    QVERIFY(Dipendente::salva(d, id));
    QList<VariabileMese> variabili = VariabiliMensili::caricaAnno(id, 2026);
    variabili[11].tredicesimaGratifica = 500;
    variabili[11].tredicesimaGratificaDesc = QStringLiteral("Bonus");
    variabili[11].rimborsoSpese = spese;
    variabili[11].acconti = acconto;
    QVERIFY(VariabiliMensili::salvaAnno(id, 2026, variabili));
    MovimentoStipendio premio;
    premio.data = QStringLiteral("2026-12-15");
    premio.tipo = QStringLiteral("Premio");
    premio.importo = 300;
    premio.descrizione = QStringLiteral("Premio produzione");
    QVERIFY(Movimenti::salva(id, {premio}));

    ChiusuraMensile f;
    f.findChild<QComboBox*>(QStringLiteral("anno"))->setCurrentIndex(f.findChild<QComboBox*>(QStringLiteral("anno"))->findData(2026));
    f.findChild<QComboBox*>(QStringLiteral("mese"))->setCurrentIndex(11);
    QVERIFY(f.findChild<QCheckBox*>(QStringLiteral("tredicesima"))->isChecked());
    RegistroMessaggi messaggi;
    RegistroPiattaforma piattaforma;
    clic(f, "generaTutti");
    tabella(f)->item(riga(f, id), 0)->setCheckState(Qt::Checked);
    const QString cartella = AmbienteTest::home() + QStringLiteral("/cedolini");
    QVERIFY(QDir().mkpath(cartella));
    piattaforma.risposteSalva = QStringList{cartella + QStringLiteral("/x.pdf")};
    clic(f, "salvaSelezionati");
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("PDF generati: 1"));

    StoricoPaghe::PagaMese m;
    QVERIFY(StoricoPaghe::caricaMese(id, 2026, 12, &m));
    const InfoPdf info = leggiPdf(cartella + QStringLiteral("/2026-01-26_Rossi_Mario_2026-12.pdf"));
    QVERIFY(info.valido);
    const QString& testo = info.testo;
    const RigheCedolino c = righeCedolino(testo);
    QString perche;
    QVERIFY2(c.sommeGiuste(&perche), qPrintable(perche + QStringLiteral("\n") + testo));

    // Earnings: each item by its name, 12800 in all.
    QStringList lorde;
    for (const auto& r : c.lorde)
        lorde << r.first + QLatin1Char('|') + QString::number(r.second, 'f', 2);
    QCOMPARE(lorde, (QStringList{"Salario mensile|6000.00", "13a mensilità|6000.00", "Bonus|500.00",
                                 "Premio produzione|300.00"}));
    QCOMPARE(c.totaleLordo, 12800.0);
    QCOMPARE(m.lordoImponibile, 12800.0);

    // Deductions: what was deducted, each on its base at the employee's rate.
    QStringList descrizioni;
    for (const auto& r : c.deduzioni)
        descrizioni << r.first;
    QCOMPARE(descrizioni, (QStringList{"AVS-AI-IPG", "AD", "Cassa assegni familiari (CAF)",
                                       "Infortuni non professionali", "Cassa pensione (LPP)", "Imposte alla fonte"}));
    const auto testoDeduzione = [&](const QString& inizio) {
        for (const QString& t : c.testiDeduzioni)
            if (t.startsWith(inizio))
                return t;
        return QString();
    };
    // 5.3 % of 12800 = 678.40; 0.305 % of 12800 = 39.04.
    QVERIFY(testoDeduzione("AVS-AI-IPG").contains(svizzero(12800) + QStringLiteral("   ")));
    QVERIFY(testoDeduzione("AVS-AI-IPG").contains(QStringLiteral("5.3000%")));
    QCOMPARE(c.importo(c.deduzioni, "AVS-AI-IPG"), -678.40);
    QVERIFY(testoDeduzione("Cassa assegni familiari").contains(QStringLiteral("0.3050%")));
    QCOMPARE(c.importo(c.deduzioni, "Cassa assegni familiari (CAF)"), -39.04);
    // Unemployment at 1.1 % and the accident premium at the company's 11.2
    // per mille: each amount is its base times its rate.
    const auto base = [&](const QString& inizio) {
        const QString t = testoDeduzione(inizio);
        return importoFinale(t.left(t.indexOf(QLatin1Char('%'))).section(QStringLiteral("   "), 0, -2));
    };
    QVERIFY(testoDeduzione("AD").contains(QStringLiteral("1.1000%")));
    QVERIFY(base("AD") > 0 && base("AD") <= 12800);
    QVERIFY(qAbs(-c.importo(c.deduzioni, "AD") - base("AD") * 0.011) < 0.005);
    QVERIFY(testoDeduzione("Infortuni").contains(QStringLiteral("1.1200%")));
    QVERIFY(qAbs(-c.importo(c.deduzioni, "Infortuni non professionali") - base("Infortuni") * 0.0112) < 0.025);
    // The pension: half the 10 % credit of the age.
    QVERIFY(testoDeduzione("Cassa pensione").contains(QStringLiteral("5.0000%")));
    QCOMPARE(-c.importo(c.deduzioni, "Cassa pensione (LPP)"), m.lppDipendente);
    // The lines deducted are the contributions saved, to the rounding.
    const double contributi = -(c.importo(c.deduzioni, "AVS-AI-IPG") + c.importo(c.deduzioni, "AD")
                                + c.importo(c.deduzioni, "Cassa assegni familiari (CAF)")
                                + c.importo(c.deduzioni, "Infortuni non professionali"));
    QVERIFY(qAbs(contributi - m.contributiDipendente) < 0.05);

    // After the subtotal: the month's other items, then at most a rounding
    // to 0.05 francs.
    QStringList dopo;
    for (const auto& r : c.altre) {
        if (r.first == QLatin1String("Arrotondamento"))
            QVERIFY(qAbs(r.second) < 0.05);
        else
            dopo << r.first + QLatin1Char('|') + QString::number(r.second, 'f', 2);
    }
    QCOMPARE(dopo, altre);
    QCOMPARE(c.versato, m.netto);
}

void TestChiusuraMensile::fileBanca_data()
{
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QStringList>("pagati"); // ids in the file, in order

    const QStringList sei = {QStringLiteral("Bernasconi_Luca.txt"), QStringLiteral("Colombo_Sara.txt"),
                             QStringLiteral("Ferreira_Joao.txt"), QStringLiteral("Fontana_Giorgio.txt"),
                             QStringLiteral("Keller_Thomas.txt"), QStringLiteral("Pedrazzini_Chiara.txt")};
    QTest::newRow("no selection") << "nessuno" << "Nessuna selezione" << "Seleziona almeno un dipendente."
                                  << QStringList();
    QTest::newRow("company without IBAN and BIC") << "senzaIban" << "Dati azienda mancanti"
                                                  << "Configura IBAN e BIC dell'azienda." << QStringList();
    // Every ticked employee left out of the file is named with the reason.
    const QString moretti = QStringLiteral("\n\nNon pagati con questo file:\n- Davide Moretti: netto non positivo");
    QTest::newRow("no payable employee") << "moretti" << "Nessun pagamento"
                                         << "Nessun dipendente selezionato ha netto ed IBAN validi." + moretti
                                         << QStringList();
    QTest::newRow("company BIC the bank refuses") << "bicErrato" << "File banca non generato"
                                                  << "La banca rifiuterebbe il file:\nBIC dell'azienda non valido."
                                                  << QStringList();
    QTest::newRow("all ticked") << "tutti" << "Fatto" << "File generato con 6 pagamenti." + moretti << sei;
    QTest::newRow("the file cannot be written") << "bloccato" << "Errore" << "Salvataggio fallito." << QStringList();
    QTest::newRow("bad input") << "sporchi" << "Fatto"
                               << "File generato con 3 pagamenti.\n\nNon pagati con questo file:\n"
                                  "- Joao Ferreira: IBAN non valido (CH94 0076 2011 6238 5295 7)\n"
                                  "- Giorgio Fontana: pagato in contanti\n"
                                  "- Thomas Keller: IBAN mancante\n"
                                  "- Davide Moretti: netto non positivo"
                               << QStringList{sei.at(0), sei.at(1), sei.at(5)};
    // Employed from February: owed nothing in January, so not named.
    QTest::newRow("one not employed in the month") << "fuori" << "Fatto" << "File generato con 6 pagamenti." << sei;
    // January saved, then refused by another window's closing: a new window
    // pays the others and names him, until a closing counts him again.
    QTest::newRow("refused after a saved month, new window")
        << "rifiutato" << "Fatto"
        << "File generato con 5 pagamenti.\n\nNon pagati con questo file:\n- Luca Bernasconi: Imposta alla fonte non "
           "calcolabile: la tariffa Z9 non si trova nelle tabelle del cantone TI (file tar*.txt cercati in %cartelle%)"
           + moretti.mid(moretti.lastIndexOf('\n'))
        << QStringList(sei.mid(1));
    QTest::newRow("counted again") << "ricontato" << "Fatto" << "File generato con 6 pagamenti." + moretti << sei;
}

void TestChiusuraMensile::fileBanca()
{
    QFETCH(QString, caso);
    QFETCH(QString, titolo);
    QFETCH(QString, testo);
    QFETCH(QStringList, pagati);

    DatiAzienda azienda = Inizializzazione::aziendaDimostrativa();
    if (caso != QLatin1String("senzaIban")) {
        azienda.campi.insert(QStringLiteral("iban"), QStringLiteral("CH93 0076 2011 6238 5295 7"));
        azienda.campi.insert(QStringLiteral("bic"), QStringLiteral("UBSWCHZH80A"));
    }
    if (caso == QLatin1String("bicErrato"))
        azienda.campi.insert(QStringLiteral("bic"), QStringLiteral("UBS"));
    const QString nomeLungo = QString(200, QLatin1Char('x'));
    if (caso == QLatin1String("sporchi")) {
        azienda.ragioneSociale = QString::fromUtf8("Müller & Söhne \"Alpina\" <Sagl>");
        azienda.campi.insert(QStringLiteral("iban"), QStringLiteral(" ch93-0076-2011-6238-5295-7 "));
        azienda.campi.insert(QStringLiteral("bic"), QStringLiteral("ubswchzh80a"));
        modifica(kBernasconi, [](DatiDipendente& d) { d.iban = QStringLiteral("ch56-0483-5012-3456-7800-9"); });
        modifica(QStringLiteral("Colombo_Sara.txt"), [&](DatiDipendente& d) { d.cognome = nomeLungo; });
        modifica(QStringLiteral("Ferreira_Joao.txt"), [](DatiDipendente& d) { d.iban = QStringLiteral("CH94 0076 2011 6238 5295 7"); });
        modifica(QStringLiteral("Fontana_Giorgio.txt"), [](DatiDipendente& d) { d.modalitaPagamento = QStringLiteral("cash"); });
        modifica(QStringLiteral("Keller_Thomas.txt"), [](DatiDipendente& d) { d.iban = QStringLiteral("  "); });
    }
    QVERIFY(Azienda::salva(azienda, Inizializzazione::fileAziendaDimostrativa()));
    const bool fuori = caso.startsWith(QLatin1String("fuori"));
    if (fuori)
        morettiFuoriGennaio(caso == QLatin1String("fuoriSalvato"));
    const auto tariffa = [](const QString& codice) {
        modifica(kBernasconi, [&](DatiDipendente& d) {
            d.permessoLavoro = QStringLiteral("B");
            d.extra.insert(QStringLiteral("codiceTariffa"), codice);
        });
    };
    const auto chiudiInAltraFinestra = [] {
        ChiusuraMensile altra;
        gennaio2026(altra);
        RegistroMessaggi risposte;
        clic(altra, "generaTutti");
    };
    const bool rifiutato = caso == QLatin1String("rifiutato");
    if (rifiutato || caso == QLatin1String("ricontato")) {
        chiudiInAltraFinestra();
        tariffa(QStringLiteral("Z9"));
        chiudiInAltraFinestra();
        QVERIFY(QFileInfo::exists(StoricoPaghe::percorsoFile(kBernasconi, 2026))); // never deleted
        if (!rifiutato)
            tariffa(QStringLiteral("A0"));
    }
    testo.replace(QStringLiteral("%cartelle%"),
                  QDir::toNativeSeparators(ImpostaFonte::cartelle().join(QStringLiteral(", "))));

    ChiusuraMensile f;
    gennaio2026(f);
    RegistroMessaggi messaggi;
    clic(f, rifiutato ? "calcolaAnteprima" : "generaTutti");
    QTableWidget* t = tabella(f);
    QCOMPARE(t->item(riga(f, kBernasconi), 2)->toolTip().contains(QStringLiteral("Z9")), rifiutato);
    if (caso == QLatin1String("moretti"))
        t->item(riga(f, kMoretti), 0)->setCheckState(Qt::Checked);
    else if (caso != QLatin1String("nessuno"))
        clic(f, "selezionaTutti");

    RegistroPiattaforma piattaforma;
    const QString percorso = AmbienteTest::home() + QStringLiteral("/banca.xml");
    piattaforma.risposteSalva = QStringList{percorso};
    if (caso == QLatin1String("bloccato"))
        QVERIFY(QDir().mkpath(percorso)); // a folder where the file goes
    clic(f, "fileBanca");
    QCOMPARE(messaggi.ultimoTitolo(), titolo);
    QCOMPARE(messaggi.ultimoTesto(), testo);
    if (pagati.isEmpty()) {
        QCOMPARE(piattaforma.richiesteSalva.size(), caso == QLatin1String("bloccato") ? 1 : 0);
        QVERIFY(!QFileInfo(percorso).isFile());
        return;
    }

    QCOMPARE(piattaforma.richiesteSalva.first().titolo, QStringLiteral("Salva file banca (pain.001)"));
    QCOMPARE(piattaforma.richiesteSalva.first().proposto, AmbienteTest::home() + QStringLiteral("/pain001_20260126.xml"));
    QCOMPARE(piattaforma.richiesteSalva.first().filtro, QStringLiteral("XML (*.xml)"));
    QCOMPARE(QSettings(QStringLiteral("Vardello"), QStringLiteral("UltimaCartellaPain")).value(QStringLiteral("cartella")).toString(),
             AmbienteTest::home());
    QString uscita;
    QVERIFY2(validaPain001(percorso, &uscita), qPrintable(uscita));

    const QString xml = QString::fromUtf8(AmbienteTest::leggi(percorso));
    QStringList importi;
    long long centesimi = 0;
    for (const QString& id : pagati) {
        QList<StoricoPaghe::PagaMese> mesi;
        QVERIFY(StoricoPaghe::caricaAnno(id, 2026, mesi));
        importi << QString::number(mesi.first().netto, 'f', 2);
        centesimi += qRound64(mesi.first().netto * 100);
    }
    QStringList scritti;
    auto it = QRegularExpression(QStringLiteral("<InstdAmt Ccy=\"CHF\">([^<]*)</InstdAmt>")).globalMatch(xml);
    while (it.hasNext())
        scritti << it.next().captured(1);
    QCOMPARE(scritti, importi);
    const QString n = QString::number(pagati.size());
    QCOMPARE(xml.count(QStringLiteral("<NbOfTxs>") + n + QStringLiteral("</NbOfTxs>")), 2);
    const QString somma = QString::number(centesimi / 100.0, 'f', 2);
    QCOMPARE(xml.count(QStringLiteral("<CtrlSum>") + somma + QStringLiteral("</CtrlSum>")), 2);
    QVERIFY(xml.contains(QStringLiteral("<ReqdExctnDt>\n                <Dt>2026-01-27</Dt>")));
    QCOMPARE(xml.count(QStringLiteral("<Ustrd>Stipendio gennaio 2026</Ustrd>")), pagati.size());
    QVERIFY(!xml.contains(QStringLiteral("Moretti")));
    if (caso == QLatin1String("sporchi")) {
        QVERIFY(xml.contains(QStringLiteral("<IBAN>CH5604835012345678009</IBAN>")));
        QVERIFY(xml.contains(QStringLiteral("<BICFI>UBSWCHZH80A</BICFI>")));
        QVERIFY(xml.contains(QString::fromUtf8("<Nm>Müller &amp; Söhne &quot;Alpina&quot; &lt;Sagl&gt;</Nm>")));
        QVERIFY(xml.contains(QStringLiteral("<Nm>Sara ") + QString(135, QLatin1Char('x')) + QStringLiteral("</Nm>")));
        QVERIFY(!xml.contains(QStringLiteral("Ferreira")));
        QVERIFY(!xml.contains(QStringLiteral("Fontana")));
    }
    // Nor does he get a slip of the month saved before.
    if (rifiutato) {
        piattaforma.risposteSalva = QStringList{AmbienteTest::home() + QStringLiteral("/x.pdf")};
        clic(f, "salvaSelezionati");
        QVERIFY2(messaggi.ultimoTesto().startsWith(QStringLiteral("PDF generati: 6\nSenza cedolino:\n- Bernasconi "
                                                                  "Luca: Imposta alla fonte non calcolabile: la "
                                                                  "tariffa Z9")),
                 qPrintable(messaggi.ultimoTesto()));
        QCOMPARE(QDir(AmbienteTest::home()).entryList({QStringLiteral("*Bernasconi*")}), QStringList());
    }
}

void TestChiusuraMensile::annoDimostrativo_data()
{
    QTest::addColumn<QString>("id");
    // January, December (with the thirteenth where the card has one) and the
    // year's sums: taxable gross / contributions / pension / allowances /
    // tax / net. The demonstration's monthly-paid employees, aged 18 to 64 and
    // below the insurance ceiling, keep the amounts they had before the rules
    // on hourly pay, overtime, ages and the ceiling over the year.
    QTest::addColumn<QStringList>("attesi");
    // By hand, Bernasconi in January: 6200 x (5.3 + 1.1 + 0.305) % = 415.71,
    // premium 11.2 per mille 69.45, together 485.15; pension at 38: half of
    // 10 % of (13 x 6200 - 26460) / 12 = 225.60; net 6200 - 485.15 - 225.60.
    // Bernasconi's and Fontana's Decembers (12400 and 13000 with the
    // thirteenth) pass one twelfth of the ceiling but stay within the year's:
    // unemployment insurance and premium on the whole December gross, no
    // longer on 12350 only: Bernasconi 657.20 + 136.40 + 37.82 + 138.90 =
    // 970.30 (1.15 more than before), Fontana 689 + 143 + 39.65 + 145.60 =
    // 1017.25 (14.45 more).
    QTest::newRow("Bernasconi") << "Bernasconi_Luca.txt" 
        << QStringList{"6200.00/485.15/225.60/0.00/0.00/5489.25", "12400.00/970.30/225.60/0.00/0.00/11204.10", "80600.00/6306.95/2707.20/0.00/0.00/71585.85"};
    QTest::newRow("Pedrazzini") << "Pedrazzini_Chiara.txt" 
        << QStringList{"5883.00/412.80/182.25/483.00/0.00/5287.95", "11283.00/825.65/182.25/483.00/0.00/10275.10", "75996.00/5366.45/2187.00/5796.00/0.00/68442.55"};
    QTest::newRow("Ferreira") << "Ferreira_Joao.txt" 
        << QStringList{"6230.00/453.85/203.90/430.00/124.60/5447.65", "12030.00/907.70/203.90/430.00/240.60/10677.80", "80560.00/5900.05/2446.80/5160.00/1611.20/70601.95"};
    QTest::newRow("Keller") << "Keller_Thomas.txt" 
        << QStringList{"7315.00/555.55/367.15/215.00/0.00/6392.30", "7315.00/555.55/367.15/215.00/0.00/6392.30", "87780.00/6666.60/4405.80/2580.00/0.00/76707.60"};
    QTest::newRow("Colombo") << "Colombo_Sara.txt" 
        << QStringList{"4900.00/374.60/155.15/0.00/220.50/4149.75", "9800.00/749.20/155.15/0.00/759.50/8136.15", "63700.00/4869.80/1861.80/0.00/3185.00/53783.40"};
    QTest::newRow("Fontana") << "Fontana_Giorgio.txt" 
        << QStringList{"6500.00/508.65/435.30/0.00/0.00/5556.05", "13000.00/1017.25/435.30/0.00/0.00/11547.45", "84500.00/6612.40/5223.60/0.00/0.00/72664.00"};
}

void TestChiusuraMensile::annoDimostrativo()
{
    QFETCH(QString, id);
    QFETCH(QStringList, attesi);

    // The whole year closed month by month, as the clerk does it.
    ChiusuraMensile f;
    gennaio2026(f);
    RegistroMessaggi messaggi;
    for (int m = 1; m <= 12; ++m) {
        f.findChild<QComboBox*>(QStringLiteral("mese"))->setCurrentIndex(m - 1);
        clic(f, "generaTutti");
        QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Chiusura completata: 7 conteggi generati, nessun errore."));
    }
    QList<StoricoPaghe::PagaMese> mesi;
    QVERIFY(StoricoPaghe::caricaAnno(id, 2026, mesi));
    QCOMPARE(mesi.size(), 12);
    auto riga = [](const StoricoPaghe::PagaMese& p) {
        return QStringList{QString::number(p.lordoImponibile, 'f', 2), QString::number(p.contributiDipendente, 'f', 2),
                           QString::number(p.lppDipendente, 'f', 2), QString::number(p.assegniFamiliari, 'f', 2),
                           QString::number(p.impostaTrattenuta, 'f', 2), QString::number(p.netto, 'f', 2)}
            .join(QLatin1Char('/'));
    };
    StoricoPaghe::PagaMese anno;
    for (const StoricoPaghe::PagaMese& p : qAsConst(mesi)) {
        anno.lordoImponibile += p.lordoImponibile;
        anno.contributiDipendente += p.contributiDipendente;
        anno.lppDipendente += p.lppDipendente;
        anno.assegniFamiliari += p.assegniFamiliari;
        anno.impostaTrattenuta += p.impostaTrattenuta;
        anno.netto += p.netto;
    }
    QCOMPARE((QStringList{riga(mesi.first()), riga(mesi.last()), riga(anno)}), attesi);
}

// Two companies, each with an employee typed "Mario Rossi": each gets an id
// of its own, and closing December in one leaves every byte of the other's
// files as it was.
void TestChiusuraMensile::dueAziende()
{
    QVERIFY(Nazioni::carica());
    Orologio::imposta(QDateTime(QDate(2026, 12, 20), QTime(9, 0)));
    RegistroMessaggi messaggi;
    const auto nuovoRossi = [] {
        NuovoDipendente f;
        f.show();
        const QList<QPair<QString, QString>> campi = {{QStringLiteral("nome"), QStringLiteral("Mario")},
                                                      {QStringLiteral("cognome"), QStringLiteral("Rossi")},
                                                      {QStringLiteral("uid"), QStringLiteral("756.1234.5678.97")}};
        for (const auto& campo : campi) {
            auto* e = f.findChild<QLineEdit*>(campo.first);
            if (!e)
                return QString();
            QTest::keyClicks(e, campo.second);
        }
        QTest::keyClicks(f.findChild<QDateEdit*>(QStringLiteral("dataNascita")), QStringLiteral("12041985"));
        f.findChild<QPushButton*>(QStringLiteral("salva"))->click();
        return f.idCreato();
    };
    // The month of each: a salary, a bonus among the variables, a movement.
    const auto prepara = [](const QString& id, double salario, double gratifica, double movimento) {
        modifica(id, [salario](DatiDipendente& d) {
            d.salarioMensile = salario;
            d.modalitaPagamento = QStringLiteral("banca");
            // Employed the whole of December (the form proposes today, the 20th).
            d.periodi = {{QStringLiteral("01/12/2026"), QString()}};
        });
        QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(id, 2026);
        QCOMPARE(mesi.size(), 12);
        mesi[11].tredicesimaGratifica = gratifica;
        QVERIFY(VariabiliMensili::salvaAnno(id, 2026, mesi));
        MovimentoStipendio m;
        m.data = QStringLiteral("2026-12-15");
        m.tipo = QStringLiteral("Bonus");
        m.importo = movimento;
        Movimenti::applicaPreset(m);
        QVERIFY(Movimenti::salva(id, {m}));
    };

    const QString idA = nuovoRossi();
    QCOMPARE(idA, QStringLiteral("Rossi_Mario.txt"));
    prepara(idA, 9000, 3000, 1200);

    DatiAzienda beta;
    beta.ragioneSociale = QStringLiteral("Beta Test SA");
    QVERIFY(Azienda::salva(beta, QStringLiteral("Beta_Test_SA.txt")));
    Config::setAziendaCorrente(QStringLiteral("Beta_Test_SA.txt"));
    const QString idB = nuovoRossi();
    QCOMPARE(idB, QStringLiteral("Rossi_Mario_1.txt"));
    QVERIFY(messaggi.contiene(QStringLiteral("Rossi_Mario_1.txt"))); // the form said so
    prepara(idB, 5000, 0, 250);
    {
        ChiusuraMensile f;
        clic(f, "generaTutti");
    }
    StoricoPaghe::PagaMese pagaB;
    QVERIFY(StoricoPaghe::caricaMese(idB, 2026, 12, &pagaB));

    // Every file of Beta's Rossi and of Beta, byte for byte.
    const auto fileDiBeta = [] {
        QMap<QString, QByteArray> file;
        QDirIterator it(AmbienteTest::home(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString percorso = it.next();
            if (percorso.contains(QLatin1String("Rossi_Mario_1")) || percorso.contains(QLatin1String("/Beta_Test_SA")))
                file.insert(percorso, AmbienteTest::leggi(percorso));
        }
        return file;
    };
    const QMap<QString, QByteArray> prima = fileDiBeta();
    for (const QString& atteso : {Dipendente::percorsoFile(idB), StoricoPaghe::percorsoFile(idB, 2026),
                                  VariabiliMensili::percorsoFile(idB, 2026), Movimenti::percorsoFile(idB)})
        QVERIFY2(prima.contains(atteso), qPrintable(atteso));

    Config::setAziendaCorrente(Inizializzazione::fileAziendaDimostrativa());
    {
        ChiusuraMensile f;
        clic(f, "generaTutti");
        QVERIFY(f.idRighe().contains(idA));
        QVERIFY(!f.idRighe().contains(idB));
    }
    StoricoPaghe::PagaMese pagaA;
    QVERIFY(StoricoPaghe::caricaMese(idA, 2026, 12, &pagaA));
    QVERIFY(pagaA.lordoImponibile >= 9000 + 3000 + 1200 - 0.05);

    const QMap<QString, QByteArray> dopo = fileDiBeta();
    QCOMPARE(dopo.keys(), prima.keys());
    for (auto it = prima.cbegin(); it != prima.cend(); ++it)
        QVERIFY2(dopo.value(it.key()) == it.value(), qPrintable(it.key()));
    StoricoPaghe::PagaMese ancoraB;
    QVERIFY(StoricoPaghe::caricaMese(idB, 2026, 12, &ancoraB));
    QCOMPARE(QString::number(ancoraB.netto, 'f', 2), QString::number(pagaB.netto, 'f', 2));
    QVERIFY(pagaB.lordoImponibile < 5000 + 250 + 0.05);
}

VARDELLO_TEST_MAIN(TestChiusuraMensile)
#include "tst_chiusuramensile.moc"
