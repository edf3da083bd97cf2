#include "ambientetest.h"
#include "avvio.h"
#include "bankprofile.h"
#include "chiusuramensile.h"
#include "config.h"
#include "dialogfigli.h"
#include "dipendente.h"
#include "documentichiusura.h"
#include "fogliopaga.h"
#include "gestionecampimovimento.h"
#include "gestionemovimenti.h"
#include "impostafonte.h"
#include "inizializzazione.h"
#include "orologio.h"
#include "sceglibanca.h"
#include "schedavariabilidipendente.h"
#include "schermox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDirIterator>
#include <QHeaderView>
#include <QFileInfo>
#include <QMap>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTranslator>

#include <memory>

namespace {

enum class Finestra { Chiusura, Banca, Variabili, Figli, Movimenti, GeneriMovimento };

// One bracket record of a federal tariff file (Ticino).
QByteArray record(const QString& codice, double soglia, double aliquota)
{
    const QString r = QStringLiteral("0601TI") + codice.leftJustified(10, QLatin1Char(' ')) + QStringLiteral("20260101")
        + QStringLiteral("%1").arg(qRound64(soglia * 100), 9, 10, QLatin1Char('0')) + QStringLiteral("000050000")
        + QStringLiteral(" 00") + QStringLiteral("000000000")
        + QStringLiteral("%1").arg(qRound64(aliquota * 100), 5, 10, QLatin1Char('0')) + QStringLiteral("   \r\n");
    return r.toLatin1();
}

// Every file of the data folder with its content.
QMap<QString, QByteArray> fileDati()
{
    QMap<QString, QByteArray> file;
    const QDir cartella(Config::cartellaDati());
    QDirIterator it(cartella.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString percorso = it.next();
        file.insert(cartella.relativeFilePath(percorso), AmbienteTest::leggi(percorso));
    }
    return file;
}

struct Esito
{
    QString titolo;
    QList<Messaggi::Tipo> messaggi;
    QMap<QString, QByteArray> file;
    QString causale;
};


// The columns of `zona` holding text pixels (dark on the light backgrounds of
// the style sheet): first and last, -1 when none.
QPair<int, int> inchiostro(const QImage& immagine, const QRect& zona)
{
    int primo = -1;
    int ultimo = -1;
    for (int x = zona.left(); x <= zona.right(); ++x) {
        for (int y = zona.top(); y <= zona.bottom(); ++y) {
            if (qGray(immagine.pixel(x, y)) < 128) {
                if (primo < 0)
                    primo = x;
                ultimo = x;
                break;
            }
        }
    }
    return {primo, ultimo};
}

// Each item of the closed box fits the box's text field.
void chiusaIntera(QComboBox* c)
{
    QStyleOptionComboBox opzione;
    opzione.initFrom(c);
    opzione.editable = c->isEditable();
    opzione.frame = c->hasFrame();
    opzione.subControls = QStyle::SC_All;
    for (int i = 0; i < c->count(); ++i) {
        opzione.currentText = c->itemText(i);
        const QRect campo = c->style()->subControlRect(QStyle::CC_ComboBox, &opzione, QStyle::SC_ComboBoxEditField, c);
        QVERIFY2(c->fontMetrics().horizontalAdvance(c->itemText(i)) <= campo.width(),
                 qPrintable(QStringLiteral("%1: %2 pixels of %3").arg(c->itemText(i)).arg(c->fontMetrics().horizontalAdvance(c->itemText(i))).arg(campo.width())));
    }
}

// Each item of the open list is drawn whole: in the list as it shows, its
// text is as wide as the same text drawn in the list's font with no limit of
// width, and it ends inside the list.
void apertaIntera(QComboBox* c)
{
    c->showPopup();
    QAbstractItemView* vista = c->view();
    QTRY_VERIFY(vista->isVisible() && vista->window()->windowHandle()->isExposed());
    for (int i = 0; i < c->count(); ++i) {
        const QModelIndex indice = c->model()->index(i, c->modelColumn(), c->rootModelIndex());
        vista->scrollTo(indice);
        const QRect riga = vista->visualRect(indice);
        const QRect visibile = riga & vista->viewport()->rect();
        const auto mostrato = inchiostro(vista->viewport()->grab().toImage(), visibile);

        const QString testo = c->itemText(i);
        QImage libero(QFontMetrics(vista->font()).horizontalAdvance(testo) + 20, riga.height(), QImage::Format_RGB32);
        libero.fill(Qt::white);
        libero.setDotsPerMeterX(qRound(vista->viewport()->logicalDpiX() / 0.0254));
        libero.setDotsPerMeterY(qRound(vista->viewport()->logicalDpiY() / 0.0254));
        QPainter pittore(&libero);
        pittore.setFont(vista->font());
        pittore.setPen(Qt::black);
        pittore.drawText(libero.rect().adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, testo);
        pittore.end();
        const auto intero = inchiostro(libero, libero.rect());

        QVERIFY2(intero.first >= 0, qPrintable(testo));
        QVERIFY2(mostrato.second >= 0 && mostrato.second < visibile.right(), qPrintable(testo));
        QVERIFY2(qAbs((mostrato.second - mostrato.first) - (intero.second - intero.first)) <= 1,
                 qPrintable(QStringLiteral("%1: %2 pixels drawn of %3")
                                .arg(testo)
                                .arg(mostrato.second - mostrato.first)
                                .arg(intero.second - intero.first)));
    }
    c->hidePopup();
}

// Every shown column of the table is at least as wide as its title needs.
QStringList titoliTagliati(const QTableView* tabella)
{
    QStringList tagliati;
    const QHeaderView* h = tabella->horizontalHeader();
    for (int i = 0; i < h->count(); ++i) {
        if (!h->isSectionHidden(i) && h->sectionSize(i) < h->sectionSizeHint(i))
            tagliati << tabella->model()->headerData(i, Qt::Horizontal).toString();
    }
    return tagliati;
}

// The window's lists whole, open and closed, its headers whole; every text
// of `attesi` among the headers, the list items and the table cells.
void testiInteri(QWidget* f, const QStringList& attesi)
{
    QStringList mostrati;
    for (QComboBox* c : f->findChildren<QComboBox*>()) {
        if (!c->isVisible())
            continue;
        for (int i = 0; i < c->count(); ++i)
            mostrati << c->itemText(i);
        chiusaIntera(c);
        apertaIntera(c);
        if (QTest::currentTestFailed())
            return;
    }
    for (const QTableView* t : f->findChildren<QTableView*>()) {
        QVERIFY2(titoliTagliati(t).isEmpty(), qPrintable(titoliTagliati(t).join(QLatin1String(", "))));
        for (int i = 0; i < t->model()->columnCount(); ++i) {
            mostrati << t->model()->headerData(i, Qt::Horizontal).toString();
            for (int r = 0; r < t->model()->rowCount(); ++r)
                mostrati << t->model()->index(r, i).data().toString();
        }
    }
    for (const QString& testo : attesi)
        QVERIFY2(mostrati.contains(testo), qPrintable(testo + QLatin1String(" not in ") + mostrati.join(QLatin1Char('|'))));
}

// The window of the row, with the demonstration company's data.
QDialog* apri(Finestra finestra, QList<Figlio>* figli)
{
    const QString moretti = QStringLiteral("Moretti_Davide.txt");
    switch (finestra) {
    case Finestra::Chiusura: return new ChiusuraMensile;
    case Finestra::Banca: return new ScegliBanca;
    case Finestra::Variabili: return new SchedaVariabiliDipendente(moretti);
    case Finestra::Figli: return new DialogFigli(*figli, nullptr);
    case Finestra::Movimenti: return new GestioneMovimenti(moretti, Dipendente::nomeCognome(moretti));
    case Finestra::GeneriMovimento: return new GestioneCampiMovimento;
    }
    return nullptr;
}

} // namespace

class TestChiusuraTradotta : public QObject
{
    Q_OBJECT

private:
    // From a fresh home: the demonstration company, one employee hired only
    // in February, January closed for everybody.
    static void chiudiGennaio(Esito* esito)
    {
        AmbienteTest::svuota();
        Orologio::imposta(QDateTime(QDate(2026, 1, 26), QTime(9, 0)));
        Inizializzazione::esegui();
        const QString moretti = QStringLiteral("Moretti_Davide.txt");
        DatiDipendente d;
        QVERIFY(Dipendente::carica(moretti, d));
        d.periodi = {{QStringLiteral("01/02/2026"), QString()}};
        QVERIFY(Dipendente::salva(d, moretti));

        ChiusuraMensile f;
        esito->titolo = f.windowTitle();
        // In January the window preselects the December before: choose January.
        auto* anno = f.findChild<QComboBox*>(QStringLiteral("anno"));
        anno->setCurrentIndex(anno->findData(2026));
        f.findChild<QComboBox*>(QStringLiteral("mese"))->setCurrentIndex(0);
        QCOMPARE(f.findChild<QComboBox*>(QStringLiteral("mese"))->currentData().toInt(), 1);
        RegistroMessaggi messaggi;
        f.findChild<QPushButton*>(QStringLiteral("generaTutti"))->click();
        for (const Messaggi::Richiesta& r : messaggi.richieste)
            esito->messaggi << r.tipo;
        esito->file = fileDati();
        esito->causale = DocumentiChiusura::causale(2026, 1);
    }

private slots:
    void initTestCase()
    {
        static QTemporaryDir tariffe;
        QByteArray testo;
        for (int k = 0; k <= 40; ++k)
            testo += record(QStringLiteral("A0N"), k * 500.0, k * 0.5);
        testo += record(QStringLiteral("B2N"), 0, 2);
        AmbienteTest::scrivi(tariffe.path() + QStringLiteral("/tar26ti.txt"), testo);
        QVERIFY(ImpostaFonte::caricaDa(tariffe.path()));
    }

    // The closing recognises an employee outside his employment period by a
    // flag, not by the wording of the count's message, and writes nothing in
    // the language of the interface: in German it stores the same files.
    void tedesco();

    // Under the program's style sheet on an X display, in every language:
    // every drop-down list of the closing, of the bank chooser, of the
    // variables card and of a child's form shows each item whole, open and
    // closed; the headers of the children, the extra movements and the
    // movement kinds read whole, in the user's language; the children's
    // table names a child's relationship in that language too.
    void listeIntere_data();
    void listeIntere();
};

void TestChiusuraTradotta::tedesco()
{
    Esito italiano;
    chiudiGennaio(&italiano);
    if (QTest::currentTestFailed())
        return;
    // Six counted, the employee hired later skipped without an error.
    QCOMPARE(italiano.messaggi, QList<Messaggi::Tipo>{Messaggi::Tipo::Informazione});
    QCOMPARE(italiano.causale, QStringLiteral("Stipendio gennaio 2026"));
    QVERIFY(italiano.file.keys().filter(QStringLiteral("paghe/")).size() >= 6);

    const QString qm = QStringLiteral(VARDELLO_TRADUZIONI "/vardello_de.qm");
    if (!QFileInfo::exists(qm))
        QSKIP("The German translation is not built.");
    QTranslator tedesco;
    QVERIFY(tedesco.load(qm));
    QCoreApplication::installTranslator(&tedesco);
    Esito tradotto;
    chiudiGennaio(&tradotto);
    QCoreApplication::removeTranslator(&tedesco);
    if (QTest::currentTestFailed())
        return;

    QVERIFY2(tradotto.titolo != italiano.titolo, qPrintable(tradotto.titolo)); // the window really is German
    QCOMPARE(tradotto.messaggi, italiano.messaggi);
    QCOMPARE(tradotto.causale, italiano.causale);
    QCOMPARE(tradotto.file.keys(), italiano.file.keys());
    for (auto it = italiano.file.cbegin(); it != italiano.file.cend(); ++it)
        QVERIFY2(tradotto.file.value(it.key()) == it.value(), qPrintable(it.key()));

    // The slip shows the stored Italian names of its lines in German, those
    // with hours too; a name the user typed stays as typed.
    StoricoPaghe::PagaMese paga;
    paga.netto = 100;
    paga.dettaglio.presente = true;
    paga.dettaglio.vociSalario = {{QStringLiteral("Salario mensile"), 10},
                                  {QStringLiteral("Salario orario (160.00 h x 30.00)"), 20},
                                  {QStringLiteral("Ore straordinarie 25% (4.00 h)"), 30},
                                  {QStringLiteral("Premio fedeltà"), 40}};
    FoglioPaga foglio;
    QCoreApplication::installTranslator(&tedesco);
    DocumentiChiusura::righePaga(paga, DatiDipendente(), 2026, &foglio);
    QCoreApplication::removeTranslator(&tedesco);
    QStringList nomi;
    for (const FoglioPaga::Voce& v : foglio.vociLorde)
        nomi << v.descrizione;
    QCOMPARE(nomi.mid(0, 4), (QStringList{QStringLiteral("Monatslohn"), QStringLiteral("Stundenlohn (160.00 h x 30.00)"),
                                          QString::fromUtf8("Überstunden 25% (4.00 h)"),
                                          QString::fromUtf8("Premio fedeltà")}));
}

void TestChiusuraTradotta::listeIntere_data()
{
    QTest::addColumn<QString>("lingua");
    QTest::addColumn<int>("finestra");
    QTest::addColumn<QStringList>("attesi"); // texts the window shows
    const QStringList tedeschi[] = {{},
                                    {},
                                    {},
                                    {QStringLiteral("Geburtsdatum"), QStringLiteral("Verwandtschaft"),
                                     QStringLiteral("FC (Stiefkind)"), QStringLiteral("F (Kind)"),
                                     QStringLiteral("FC (Stiefkind)")},
                                    {QStringLiteral("Datum"), QStringLiteral("Typ"), QStringLiteral("Betrag"),
                                     QStringLiteral("Beschreibung")},
                                    {QStringLiteral("Gesamtbetrag")}};
    const char* const nomi[] = {"closing", "bank", "variables", "children", "movements", "movement kinds"};
    for (const char* lingua : {"it", "de", "fr", "en", "es"}) {
        for (int f = 0; f < 6; ++f)
            QTest::addRow("%s %s", lingua, nomi[f]) << QString::fromLatin1(lingua) << f
                                                    << (qstrcmp(lingua, "de") ? QStringList() : tedeschi[f]);
    }
}

void TestChiusuraTradotta::listeIntere()
{
    VARDELLO_SU_SCHERMO_X();
    QFETCH(QString, lingua);
    QFETCH(int, finestra);
    QFETCH(QStringList, attesi);
    AmbienteTest::svuota();
    Orologio::imposta(QDateTime(QDate(2026, 10, 26), QTime(9, 0)));
    Inizializzazione::esegui();
    QVERIFY(BankProfile::copiaPredefiniti(Avvio::cartellaBanchePredefinite(), BankProfile::cartellaProfili()));
    QTranslator traduzione;
    if (lingua != QLatin1String("it")) {
        QVERIFY(traduzione.load(QStringLiteral(VARDELLO_TRADUZIONI "/vardello_") + lingua));
        QCoreApplication::installTranslator(&traduzione);
    }
    Avvio::applicaStile();
    RegistroMessaggi messaggi;
    Figlio figliastro;
    figliastro.parentela = QStringLiteral("FC");
    QList<Figlio> figli{figliastro};
    std::unique_ptr<QDialog> f(apri(Finestra(finestra), &figli));
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    if (finestra == int(Finestra::Figli)) {
        // The relationship list is in the form of a new child.
        quandoAperto([attesi] {
            auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(form && QTest::qWaitForWindowExposed(form));
            testiInteri(form, attesi.mid(3));
            form->reject();
        });
        f->findChild<QPushButton*>(QStringLiteral("aggiungi"))->click();
        attesi = attesi.mid(0, 3);
    }
    testiInteri(f.get(), attesi);
    f.reset();
    qApp->setStyleSheet(QString());
    QCoreApplication::removeTranslator(&traduzione);
}

VARDELLO_TEST_MAIN(TestChiusuraTradotta)
#include "tst_chiusuratradotta.moc"
