#include "ambientetest.h"
#include "config.h"
#include "dipendente.h"
#include "inizializzazione.h"
#include "listadipendenti.h"
#include "storicopaghe.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

class TestListaDipendenti : public QObject
{
    Q_OBJECT

private:
    static QTableWidget* tabella(ListaDipendenti& f) { return f.findChild<QTableWidget*>(QStringLiteral("tabella")); }
    static void clic(ListaDipendenti& f, const char* nome) { f.findChild<QPushButton*>(QLatin1String(nome))->click(); }
    static QStringList visibili(ListaDipendenti& f)
    {
        QStringList cognomi;
        QTableWidget* t = tabella(f);
        for (int r = 0; r < t->rowCount(); ++r) {
            if (!t->isRowHidden(r))
                cognomi << (t->item(r, 1) ? t->item(r, 1)->text() : t->item(r, 0)->text());
        }
        return cognomi;
    }

private slots:
    void init() { AmbienteTest::svuota(); }

    void vuota();
    void cerca_data();
    void cerca();
    void selezioneNascosta();
    void elimina();
};

void TestListaDipendenti::vuota()
{
    Config::setAziendaCorrente(QStringLiteral("Vuota.txt"));
    ListaDipendenti f;
    QCOMPARE(tabella(f)->rowCount(), 1);
    QCOMPARE(tabella(f)->item(0, 0)->text(), QStringLiteral("(Nessun dipendente)"));
    tabella(f)->setCurrentCell(0, 0);
    RegistroMessaggi messaggi;
    clic(f, "apri");
    clic(f, "elimina");
    QVERIFY(messaggi.richieste.isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestListaDipendenti::cerca_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QStringList>("cognomi");
    QTest::newRow("ross finds ROSSI") << "ross" << QStringList{"ROSSI"};
    QTest::newRow("AVS digits") << " 1111.2222 " << QStringList{"Bernasconi"};
    QTest::newRow("blanks only") << "   " << QStringList{"Bernasconi", "Colombo", "Ferreira", "Fontana", "Keller",
                                                         "Moretti", "Pedrazzini", "ROSSI"};
    QTest::newRow("nothing") << "zzz" << QStringList();
}

void TestListaDipendenti::cerca()
{
    QFETCH(QString, testo);
    QFETCH(QStringList, cognomi);
    Inizializzazione::esegui();
    DatiDipendente rossi;
    rossi.cognome = QStringLiteral("ROSSI");
    QVERIFY(Dipendente::salva(rossi, QStringLiteral("ROSSI_Anna.txt")));
    ListaDipendenti f;
    f.findChild<QLineEdit*>(QStringLiteral("cerca"))->setText(testo);
    QCOMPARE(visibili(f), cognomi);
}

// A row the search hid is never acted on: select Bernasconi, search "zzzz",
// and neither "Elimina" nor "Apri" can reach him.
void TestListaDipendenti::selezioneNascosta()
{
    Inizializzazione::esegui();
    const QString id = QStringLiteral("Bernasconi_Luca.txt");
    ListaDipendenti f;
    auto* elimina = f.findChild<QPushButton*>(QStringLiteral("elimina"));
    auto* apri = f.findChild<QPushButton*>(QStringLiteral("apri"));
    tabella(f)->selectRow(Dipendente::elencoDipendenti(false).indexOf(id));
    QCOMPARE(f.fileSelezionato(), id);
    QVERIFY(elimina->isEnabled() && apri->isEnabled());

    f.findChild<QLineEdit*>(QStringLiteral("cerca"))->setText(QStringLiteral("zzzz"));
    QVERIFY(f.fileSelezionato().isEmpty());
    QVERIFY(!elimina->isEnabled() && !apri->isEnabled());
    RegistroMessaggi messaggi;
    messaggi.rispondi(QMessageBox::Yes);
    f.eliminaDipendente();
    f.apriDipendente();
    QVERIFY(messaggi.richieste.isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(QFileInfo::exists(Dipendente::percorsoFile(id)));

    // Even made current behind the search, the hidden row is not taken.
    tabella(f)->setCurrentCell(Dipendente::elencoDipendenti(false).indexOf(id), 1);
    QVERIFY(f.fileSelezionato().isEmpty());
}

void TestListaDipendenti::elimina()
{
    Inizializzazione::esegui();
    const QString id = QStringLiteral("Keller_Thomas.txt");
    StoricoPaghe::PagaMese mese;
    mese.anno = 2026;
    mese.mese = 1;
    QVERIFY(StoricoPaghe::salvaMese(id, mese));

    ListaDipendenti f;
    f.findChild<QLineEdit*>(QStringLiteral("cerca"))->setText(QStringLiteral("e"));
    tabella(f)->setCurrentCell(Dipendente::elencoDipendenti(false).indexOf(id), 1);
    QCOMPARE(f.fileSelezionato(), id);

    RegistroMessaggi messaggi;
    clic(f, "elimina"); // answered No
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Sei sicuro di voler eliminare il dipendente?\nThomas Keller"));
    QVERIFY(QFileInfo::exists(Dipendente::percorsoFile(id)));

    messaggi.rispondi(QMessageBox::Yes);
    clic(f, "elimina");
    QVERIFY(!QFileInfo::exists(Dipendente::percorsoFile(id)));
    QVERIFY(QFileInfo::exists(StoricoPaghe::percorsoFile(id, 2026)));
    QCOMPARE(Dipendente::elencoDipendenti(false).size(), 6);
    // The reload keeps the search: Colombo Sara and Fontana Giorgio have no "e".
    QCOMPARE(visibili(f), (QStringList{"Bernasconi", "Ferreira", "Moretti", "Pedrazzini"}));

    // A file already gone: the failure is shown.
    tabella(f)->setCurrentCell(0, 0);
    const QString primo = f.fileSelezionato();
    QVERIFY(QFile::remove(Dipendente::percorsoFile(primo)));
    messaggi.rispondi(QMessageBox::Yes);
    clic(f, "elimina");
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Impossibile eliminare il file del dipendente:\n") + primo);
}

VARDELLO_TEST_MAIN(TestListaDipendenti)
#include "tst_listadipendenti.moc"
