#include "ambientetest.h"
#include "avvio.h"
#include "backup.h"
#include "config.h"
#include "dipendente.h"
#include "inizializzazione.h"
#include "menuprincipale.h"
#include "orologio.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QFile>
#include <QStatusBar>

using Modifica = std::function<void(const QString& dati)>;
Q_DECLARE_METATYPE(Modifica)

namespace {

const QDateTime kOra(QDate(2026, 3, 8), QTime(14, 15, 2));

// The files of a folder; in a backup, only the default data folder's part.
QMap<QString, QByteArray> istantanea(const QString& cartella, bool senzaBackup)
{
    QMap<QString, QByteArray> file;
    for (const QString& r : Backup::elencoFile(cartella, senzaBackup)) {
        if (!r.startsWith(QLatin1String(".~")))
            file.insert(r, AmbienteTest::leggi(cartella + QLatin1Char('/') + r));
    }
    return file;
}

QString ultimoBackup()
{
    return Backup::cartellaBackup() + QLatin1Char('/') + Backup::elencoBackup().first();
}

void scriviDato(const QString& relativo, const QByteArray& contenuto)
{
    AmbienteTest::scrivi(Backup::cartellaDati() + QLatin1Char('/') + relativo, contenuto);
}

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        AmbienteTest::svuota();
        Orologio::imposta(kOra);
    }
    void copiaDelPrimoAvvio();
    void soloSeCambiato_data();
    void soloSeCambiato();
    void cinquantaBackup();
    void ripristina();
    void ripristinoFallito_data();
    void ripristinoFallito();
    void voceDelMenu();
};

// The start's backup mirrors the data folder, hidden files in hidden
// sub-folders included, without the backup folder itself.
void TestBackup::copiaDelPrimoAvvio()
{
    Inizializzazione::esegui();
    scriviDato(QStringLiteral(".riservato/.nascosto"), "segreto");
    RegistroMessaggi registro;
    Avvio::backupAutomatico();
    QVERIFY(registro.richieste.isEmpty());

    const QStringList elenco = Backup::elencoBackup();
    QCOMPARE(elenco, QStringList{QStringLiteral("2026-03-08_14-15-02")});
    const QMap<QString, QByteArray> dati = istantanea(Backup::cartellaDati(), true);
    QVERIFY(dati.contains(QStringLiteral(".riservato/.nascosto")));
    QVERIFY(dati.contains(QStringLiteral(".inizializzato")));
    QCOMPARE(istantanea(Backup::cartellaBackup() + QLatin1Char('/') + elenco.first(), false), dati);
    // The password file stays out of every backup.
    QVERIFY(!QFileInfo::exists(ultimoBackup() + QStringLiteral("/.~applicazione/admin.hash")));
    // Nothing but the finished backup in the backup folder.
    QCOMPARE(QDir(Backup::cartellaBackup()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             elenco);
}

void TestBackup::soloSeCambiato_data()
{
    QTest::addColumn<Modifica>("modifica");
    QTest::addColumn<bool>("nuovo");

    const auto scrivi = [](const char* r, const char* b) {
        return Modifica([=](const QString& d) { AmbienteTest::scrivi(d + r, b); });
    };
    QTest::newRow("nothing changed") << Modifica([](const QString&) {}) << false;
    QTest::newRow("one byte") << scrivi("/sub/x", "2") << true;
    QTest::newRow("renamed") << Modifica([](const QString& d) { QFile::rename(d + "/sub/x", d + "/sub/y"); }) << true;
    QTest::newRow("empty file added") << scrivi("/vuoto", "") << true;
    // "a" holding "bc" and "ab" holding "c" run together to the same bytes.
    QTest::newRow("bytes moved from content to name") << Modifica([](const QString& d) {
        QFile::remove(d + "/a");
        AmbienteTest::scrivi(d + "/ab", "c");
    }) << true;
}

void TestBackup::soloSeCambiato()
{
    QFETCH(Modifica, modifica);
    QFETCH(bool, nuovo);
    scriviDato(QStringLiteral("a"), "bc");
    scriviDato(QStringLiteral("sub/x"), "1");
    QVERIFY(Backup::eseguiBackup());

    modifica(Backup::cartellaDati());
    Orologio::imposta(kOra.addSecs(1));
    QCOMPARE(Backup::esegui(), nuovo ? Backup::Esito::Eseguito : Backup::Esito::Invariato);
    QCOMPARE(Backup::elencoBackup().size(), nuovo ? 2 : 1);
    const QString ultimo = Backup::cartellaBackup() + QLatin1Char('/') + Backup::elencoBackup().first();
    QCOMPARE(istantanea(ultimo, false), istantanea(Backup::cartellaDati(), true));
}

// With 50 backups the next one removes the oldest; folders of other names stay.
void TestBackup::cinquantaBackup()
{
    scriviDato(QStringLiteral("a.txt"), "nuovo");
    for (int i = 0; i < 50; ++i)
        scriviDato(QStringLiteral("backup/2020-01-01_00-00-%1/a.txt").arg(i, 2, 10, QLatin1Char('0')), "vecchio");
    scriviDato(QStringLiteral("backup/note/leggimi.txt"), "mie note");

    QVERIFY(Backup::eseguiBackup());
    const QStringList elenco = Backup::elencoBackup();
    QCOMPARE(elenco.size(), 50);
    QCOMPARE(elenco.first(), QStringLiteral("2026-03-08_14-15-02"));
    QCOMPARE(elenco.last(), QStringLiteral("2020-01-01_00-00-01"));
    QVERIFY(!QFileInfo::exists(Backup::cartellaBackup() + QStringLiteral("/2020-01-01_00-00-00")));
    QVERIFY(QFileInfo::exists(Backup::cartellaBackup() + QStringLiteral("/note/leggimi.txt")));
}

// Only a listed backup is restored: any other name leaves every byte of the
// data folder, backups included, as it was, without a safety backup. A listed
// one brings back a deleted employee and keeps what was added since.
void TestBackup::ripristina()
{
    Inizializzazione::esegui();
    QVERIFY(Backup::eseguiBackup());
    const QString nome = Backup::elencoBackup().first();
    const QString id = Dipendente::elencoDipendenti(false).first();
    const QByteArray scheda = AmbienteTest::leggi(Dipendente::percorsoFile(id));
    QVERIFY(!scheda.isEmpty());
    QVERIFY(Dipendente::elimina(id));
    scriviDato(QStringLiteral("backup/note/x.txt"), "x");
    scriviDato(QStringLiteral("dopo.txt"), "aggiunto dopo");

    Orologio::imposta(kOra.addSecs(5));
    const QMap<QString, QByteArray> prima = istantanea(Backup::cartellaDati(), false);
    for (const QString& rifiutato :
         {QString(".."), QString(), QString("nope"), QString("."), QString("../backup"), nome + "/..",
          QString("/tmp"), nome + '\\', QString("note")}) {
        QString errore;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Backup non trovato")));
        QVERIFY2(!Backup::ripristina(rifiutato, &errore) && !errore.isEmpty(), qPrintable(rifiutato));
        QCOMPARE(istantanea(Backup::cartellaDati(), false), prima);
    }

    // The same second as the backup: the safety backup must not take its place.
    Orologio::imposta(kOra);
    QVERIFY(Backup::ripristina(nome));
    QCOMPARE(AmbienteTest::leggi(Dipendente::percorsoFile(id)), scheda);
    QCOMPARE(AmbienteTest::leggi(Backup::cartellaDati() + QStringLiteral("/dopo.txt")), QByteArray("aggiunto dopo"));
    // The safety backup holds the state before the restore.
    QCOMPARE(Backup::elencoBackup().size(), 2);
    QVERIFY(QFileInfo::exists(Backup::cartellaBackup() + '/' + Backup::elencoBackup().first() + "/dopo.txt"));
}

void TestBackup::ripristinoFallito_data()
{
    QTest::addColumn<bool>("solaLettura"); // else a folder stands where the file goes
    QTest::newRow("folder in the way") << false;
    QTest::newRow("read-only folder") << true;
}

// A copy that fails part-way leaves every live file as it was and names the
// file; no temporary copy stays behind.
void TestBackup::ripristinoFallito()
{
    QFETCH(bool, solaLettura);
    scriviDato(QStringLiteral("a.txt"), "A1");
    scriviDato(QStringLiteral("sub/b.txt"), "B1");
    scriviDato(QStringLiteral("z.txt"), "Z1");
    QVERIFY(Backup::eseguiBackup());
    const QString nome = Backup::elencoBackup().first();
    scriviDato(QStringLiteral("a.txt"), "A2");
    scriviDato(QStringLiteral("z.txt"), "Z2");
    const QString sub = Backup::cartellaDati() + QStringLiteral("/sub");
    const auto scrivibile = [&sub](bool si) {
        const QFileDevice::Permissions lettura = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
        QFile::setPermissions(sub, si ? lettura | QFileDevice::WriteOwner : lettura);
    };
    if (solaLettura) {
        scriviDato(QStringLiteral("sub/b.txt"), "B2");
        scrivibile(false);
        if (QFile(sub + QStringLiteral("/prova")).open(QIODevice::WriteOnly)) {
            scrivibile(true);
            QSKIP("running with privileges that ignore folder permissions");
        }
    } else {
        QVERIFY(QFile::remove(sub + QStringLiteral("/b.txt")));
        scriviDato(QStringLiteral("sub/b.txt/dentro"), "D");
    }
    Orologio::imposta(kOra.addSecs(1));
    const QMap<QString, QByteArray> prima = istantanea(Backup::cartellaDati(), true);

    QString errore;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("sub/b.txt")));
    const bool ok = Backup::ripristina(nome, &errore);
    scrivibile(true);
    QVERIFY(!ok);
    QVERIFY2(errore.contains(QStringLiteral("sub/b.txt")), qPrintable(errore));
    QCOMPARE(istantanea(Backup::cartellaDati(), true), prima);
}

// "Dati" > "Backup" tells each outcome in one message; at the start a failed
// backup is a line in the log, not a dialog.
void TestBackup::voceDelMenu()
{
    QMainWindow principale;
    MenuPrincipale::costruisci(&principale, QString(), QStringLiteral("it"), false);
    QAction* voce = principale.findChild<QAction*>(QStringLiteral("azioneBackup"));
    const auto esito = [voce] {
        RegistroMessaggi registro;
        voce->trigger();
        return registro.richieste.size() == 1 ? registro.ultimoTesto() : QStringLiteral("not one message");
    };
    QCOMPARE(esito(), QStringLiteral("La cartella dati e' vuota."));
    scriviDato(QStringLiteral("a.txt"), "a");
    QCOMPARE(esito(), QStringLiteral("Backup eseguito."));
    QCOMPARE(esito(), QStringLiteral("Nessuna modifica dall'ultimo backup: nessun nuovo backup."));

    QVERIFY(QDir(Backup::cartellaBackup()).removeRecursively());
    scriviDato(QStringLiteral("backup"), "a file where the backup folder goes");
    QVERIFY(esito().startsWith(QStringLiteral("Backup non riuscito: Impossibile creare")));
    RegistroMessaggi registro;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Backup automatico non riuscito")));
    Avvio::backupAutomatico();
    QVERIFY(registro.richieste.isEmpty());
    QVERIFY(Backup::elencoBackup().isEmpty());

    // After the window is shown the start's backup runs on a thread of its
    // own and tells its outcome in the status bar.
    QVERIFY(QFile::remove(Backup::cartellaDati() + QStringLiteral("/backup")));
    Avvio avvio;
    avvio.creaFinestraPrincipale();
    avvio.avviaBackup();
    avvio.attendiBackup();
    QTRY_COMPARE(avvio.finestraPrincipale()->statusBar()->currentMessage(), QStringLiteral("Backup eseguito."));
    QCOMPARE(Backup::elencoBackup().size(), 1);
}

VARDELLO_TEST_MAIN(TestBackup)
#include "tst_backup.moc"
