#include "ambientetest.h"
#include "avvio.h"
#include "backup.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "loginadmin.h"
#include "movimenti.h"
#include "dipendente.h"
#include "inizializzazione.h"
#include "menuprincipale.h"
#include "orologio.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QMainWindow>
#include <QFile>
#include <QStatusBar>
#include <QUrl>

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
    void ogniFileAlSuoPosto_data();
    void ogniFileAlSuoPosto();
    void annoChiusoResta();
    void maiPotati_data();
    void maiPotati();
    void nomeLunghissimo();
    void improntaAccanto();
    void giornaleDanneggiato();
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
    // Nothing but the finished backup and the name of the last one made.
    QCOMPARE(QDir(Backup::cartellaBackup()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({QStringLiteral(".~ultimo")}) + elenco);
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

    // A link named like a backup, to a copy of one outside: not listed, not
    // restored from, and named.
    const QString fuori = AmbienteTest::home() + QStringLiteral("/fuori");
    const QString copiato = Backup::cartellaBackup() + '/' + nome;
    for (const QString& r : Backup::elencoFile(copiato, false))
        AmbienteTest::scrivi(fuori + '/' + r, AmbienteTest::leggi(copiato + '/' + r));
    const QString link = Backup::cartellaBackup() + QStringLiteral("/2030-01-01_00-00-00");
    QVERIFY(QFile::link(fuori, link));
    QStringList lasciati;
    QCOMPARE(Backup::elencoBackup(&lasciati), QStringList{nome});
    QCOMPARE(lasciati, QStringList{link});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Backup non trovato")));
    QVERIFY(!Backup::ripristina(QFileInfo(link).fileName(), nullptr, nullptr, &lasciati));
    QCOMPARE(lasciati, QStringList{link});
    QCOMPARE(istantanea(Backup::cartellaDati(), false), prima);

    // The same second as the backup: the safety backup must not take its place.
    Orologio::imposta(kOra);
    QVERIFY(Backup::ripristina(nome, nullptr, nullptr, &lasciati));
    QCOMPARE(lasciati, QStringList{link});
    QCOMPARE(AmbienteTest::leggi(Dipendente::percorsoFile(id)), scheda);
    QCOMPARE(AmbienteTest::leggi(Backup::cartellaDati() + QStringLiteral("/dopo.txt")), QByteArray("aggiunto dopo"));
    // The safety backup holds the state before the restore.
    QCOMPARE(Backup::elencoBackup().size(), 2);
    QVERIFY(QFileInfo::exists(Backup::cartellaBackup() + '/' + Backup::elencoBackup().first() + "/dopo.txt"));

    // An index naming a part outside the known ones is refused whole.
    for (const QByteArray& radice : {QByteArray("..%2Faltro /tmp"), QByteArray(".~dati relativo")}) {
        AmbienteTest::scrivi(Backup::cartellaBackup() + '/' + nome + "/.~indice",
                             "formato=1\nradice=" + radice + "\nimpronta=00\n");
        const QMap<QString, QByteArray> ora = istantanea(Backup::cartellaDati(), true);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("indice")));
        QVERIFY(!Backup::ripristina(nome));
        QCOMPARE(istantanea(Backup::cartellaDati(), true), ora);
    }
}

void TestBackup::ripristinoFallito_data()
{
    // 0 a folder stands where the file goes, 1 read-only folder, 2 full disk,
    // 3 full disk for the safety backup, 4 no room for the restore's journal
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("file");
    QTest::newRow("folder in the way") << 0 << "sub/b.txt";
    QTest::newRow("read-only folder") << 1 << "sub/b.txt";
    // The last file is too large for the disk after the others were copied.
    QTest::newRow("full disk") << 2 << "z.txt";
    // A failed safety backup stops the restore, the backup list as it was.
    QTest::newRow("safety backup on a full disk") << 3 << "Backup di sicurezza non riuscito";
    // Room for the safety backup (its index the largest file) but not for
    // the journal, which names every file twice: nothing is copied.
    QTest::newRow("journal not written") << 4 << "giornale del ripristino";
}

// A copy that fails part-way leaves every live file as it was and names the
// file; no temporary copy stays behind.
void TestBackup::ripristinoFallito()
{
    QFETCH(int, modo);
    QFETCH(QString, file);
    scriviDato(QStringLiteral("a.txt"), "A1");
    scriviDato(QStringLiteral("sub/b.txt"), "B1");
    scriviDato(QStringLiteral("z.txt"), modo == 2 ? QByteArray(8192, 'z') : QByteArray("Z1"));
    QVERIFY(Backup::eseguiBackup());
    const QString nome = Backup::elencoBackup().first();
    scriviDato(QStringLiteral("a.txt"), modo == 3 ? QByteArray(4096, 'a') : QByteArray("A2"));
    scriviDato(QStringLiteral("z.txt"), "Z2");
    const QString sub = Backup::cartellaDati() + QStringLiteral("/sub");
    const auto scrivibile = [&sub](bool si) {
        const QFileDevice::Permissions lettura = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
        QFile::setPermissions(sub, si ? lettura | QFileDevice::WriteOwner : lettura);
    };
    if (modo == 1) {
        scriviDato(QStringLiteral("sub/b.txt"), "B2");
        scrivibile(false);
        if (QFile(sub + QStringLiteral("/prova")).open(QIODevice::WriteOnly)) {
            scrivibile(true);
            QSKIP("running with privileges that ignore folder permissions");
        }
    } else if (modo == 0) {
        QVERIFY(QFile::remove(sub + QStringLiteral("/b.txt")));
        scriviDato(QStringLiteral("sub/b.txt/dentro"), "D");
    } else {
        scriviDato(QStringLiteral("sub/b.txt"), "B2");
    }
    Orologio::imposta(kOra.addSecs(1));
    const QMap<QString, QByteArray> prima = istantanea(Backup::cartellaDati(), true);

    QString errore;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(file)));
    bool ok = true;
    {
        const rlim_t indice = rlim_t(QFileInfo(ultimoBackup() + QStringLiteral("/.~indice")).size());
        LimiteFile limite(modo == 2 ? 4096 : modo == 3 ? 1024 : modo == 4 ? indice : RLIM_INFINITY);
        ok = Backup::ripristina(nome, &errore);
    }
    scrivibile(true);
    QVERIFY(!ok);
    QVERIFY2(errore.contains(file), qPrintable(errore));
    QCOMPARE(istantanea(Backup::cartellaDati(), true), prima);
    QDirIterator resti(Backup::cartellaDati(), {QStringLiteral(".~ripristino*")}, QDir::Files | QDir::Hidden,
                       QDirIterator::Subdirectories);
    QVERIFY2(!resti.hasNext(), qPrintable(resti.next()));
    if (modo == 3)
        QCOMPARE(Backup::elencoBackup(), QStringList{nome});
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
    // A link is left out, and the message names it.
    const QString link = Backup::cartellaDati() + QStringLiteral("/collegamento.txt");
    QVERIFY(QFile::link(Backup::cartellaDati() + QStringLiteral("/a.txt"), link));
    QCOMPARE(esito(), QStringLiteral("Nessuna modifica dall'ultimo backup: nessun nuovo backup. Collegamenti non "
                                     "copiati: ") + link);
    QVERIFY(QFile::remove(link));

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
}

void TestBackup::ogniFileAlSuoPosto_data()
{
    QTest::addColumn<bool>("altrove"); // a data folder chosen outside the default one
    QTest::addColumn<bool>("collegamenti"); // links in the data folder and in the backup
    QTest::newRow("default data folder") << false << false;
    QTest::newRow("chosen data folder") << true << false;
    QTest::newRow("default data folder beside links") << false << true;
    QTest::newRow("chosen data folder beside links") << true << true;
}

// A backup holds the data folder in use, the default folder and the
// application-data files (an employee's movements, the salary types), never
// the password file; a restore puts each file back where it came from, even
// after another folder was chosen since.
void TestBackup::ogniFileAlSuoPosto()
{
    QFETCH(bool, altrove);
    QFETCH(bool, collegamenti);
    if (altrove)
        QVERIFY(Config::setCartellaDati(AmbienteTest::home() + QStringLiteral("/altri dati")));
    // A file and a folder outside, reached through links in the data folder.
    const QString fuori = AmbienteTest::home() + QStringLiteral("/fuori");
    const QString dati = Config::cartellaDati();
    AmbienteTest::scrivi(fuori + QStringLiteral("/segreto.txt"), "fuori");
    AmbienteTest::scrivi(dati + QStringLiteral("/registro/a.txt"), "1");
    QStringList attesi;
    if (collegamenti) {
        QVERIFY(QFile::link(fuori + QStringLiteral("/segreto.txt"), dati + QStringLiteral("/segreto.txt")));
        QVERIFY(QFile::link(fuori, dati + QStringLiteral("/cartella")));
        attesi = QStringList{dati + QStringLiteral("/cartella"), dati + QStringLiteral("/segreto.txt")};
    }
    const QString movimenti = Movimenti::percorsoFile(QStringLiteral("rossi"));
    const QStringList file = {Config::cartellaDati() + QStringLiteral("/paghe/rossi/2026.ini"),
                              Backup::cartellaDati() + QStringLiteral("/ferie/rossi.ini"), movimenti,
                              QFileInfo(movimenti).path() + QStringLiteral("/../generi_salario.ini")};
    const auto scriviTutti = [&](const QByteArray& versione) {
        for (const QString& f : file)
            AmbienteTest::scrivi(f, versione);
    };
    scriviTutti("1");
    QVERIFY(LoginAdmin::impostaPassword(QStringLiteral("segreta123")));
    QStringList lasciati;
    QCOMPARE(Backup::esegui(nullptr, &lasciati), Backup::Esito::Eseguito);
    QCOMPARE(lasciati, attesi);
    const QString copia = ultimoBackup();
    QVERIFY(!QFileInfo::exists(copia + QStringLiteral("/.~applicazione/admin.hash")));
    QCOMPARE(Backup::elencoFile(copia, false).filter(QStringLiteral("segreto")), QStringList());
    if (collegamenti) {
        // A link put into the backup, and a folder of the data become a
        // link: the restore writes neither, and names both.
        const QString dentro = altrove ? copia + QStringLiteral("/.~dati") : copia;
        QVERIFY(QFile::link(fuori + QStringLiteral("/segreto.txt"), dentro + QStringLiteral("/estraneo.txt")));
        QVERIFY(QDir(dati + QStringLiteral("/registro")).removeRecursively());
        QVERIFY(QFile::link(fuori, dati + QStringLiteral("/registro")));
        // The safety backup names the links of the folders in use then.
        if (altrove)
            attesi.clear();
        attesi << dentro + QStringLiteral("/estraneo.txt") << dati + QStringLiteral("/registro");
    }

    // Everything changes, and the default folder is chosen again.
    scriviTutti("2");
    QVERIFY(LoginAdmin::impostaPassword(QStringLiteral("altra-password")));
    if (altrove)
        QFile::remove(Config::percorsoFileConfig());
    Orologio::imposta(kOra.addSecs(10));
    QVERIFY(Backup::ripristina(QFileInfo(copia).fileName(), nullptr, nullptr, &lasciati));
    for (const QString& f : file)
        QVERIFY2(AmbienteTest::leggi(f) == "1", qPrintable(f));
    lasciati.sort();
    attesi.sort();
    QCOMPARE(lasciati, attesi);
    QCOMPARE(QDir(fuori).entryList(QDir::Files), QStringList{"segreto.txt"});
    QCOMPARE(AmbienteTest::leggi(fuori + QStringLiteral("/segreto.txt")), QByteArray("fuori"));
    QCOMPARE(QFileInfo(dati + QStringLiteral("/segreto.txt")).isSymLink(), collegamenti);
    QVERIFY(!QFileInfo::exists(dati + QStringLiteral("/estraneo.txt")));
    // The password set since stays.
    QVERIFY(LoginAdmin::verificaPassword(QStringLiteral("altra-password")));
    // Nothing of the chosen folder went into the default one.
    QCOMPARE(QFileInfo::exists(Backup::cartellaDati() + QStringLiteral("/paghe/rossi/2026.ini")), !altrove);
}

// The case of a year closed twice: closed, reopened, January saved with net
// 4,444, a backup, January saved with 5,000, closed again. The restore
// keeps all of 2025 (pay history, variables, parameters, certificate,
// state, seal), says so, and the log keeps both closings plus its own line;
// the open year 2026 comes back from the backup.
void TestBackup::annoChiusoResta()
{
    const QString dati = Config::cartellaDati();
    const QStringList anno = {dati + QStringLiteral("/paghe/rossi/2025.ini"),
                              dati + QStringLiteral("/paghe/rossi/2025.rifiuti"),
                              dati + QStringLiteral("/variabili/rossi_2025.ini"),
                              Backup::cartellaDati() + QStringLiteral("/datoteca_2025.ini"),
                              Backup::cartellaDati() + QStringLiteral("/certificati/certificato_rossi_2025.txt")};
    const QString aperto = dati + QStringLiteral("/paghe/rossi/2026.ini");
    const auto scriviAnno = [&](const QByteArray& netto) {
        for (const QString& f : anno + QStringList{aperto})
            AmbienteTest::scrivi(f, "[1]\nnetto=" + netto);
    };
    scriviAnno("1000");
    QVERIFY(ChiusuraAnnuale::chiudiAnno(2025, QString(), QStringLiteral("prima"), nullptr));
    QVERIFY(ChiusuraAnnuale::riapriAnno(2025, QString(), QStringLiteral("correzione gennaio"), nullptr));
    scriviAnno("4444");
    // A refusal of the year in the backup, cleared before the year closed.
    const QString rifiuto = dati + QStringLiteral("/paghe/bianchi/2025.rifiuti");
    AmbienteTest::scrivi(rifiuto, "[11]\nmotivo=tariffa Z9 mancante\n");
    QVERIFY(Backup::eseguiBackup());
    const QString nome = Backup::elencoBackup().first();
    scriviAnno("5000");
    QVERIFY(QFile::remove(rifiuto));
    QVERIFY(ChiusuraAnnuale::chiudiAnno(2025, QString(), QStringLiteral("seconda"), nullptr));
    const QByteArray stato = AmbienteTest::leggi(ChiusuraAnnuale::percorsoStatoAnno(2025));
    const QByteArray audit = AmbienteTest::leggi(ChiusuraAnnuale::percorsoAudit());

    Orologio::imposta(kOra.addSecs(3));
    QList<int> tenuti;
    QString errore;
    QVERIFY2(Backup::ripristina(nome, &errore, &tenuti), qPrintable(errore));
    QCOMPARE(tenuti, QList<int>{2025});
    QVERIFY(ChiusuraAnnuale::isAnnoChiuso(2025));
    QCOMPARE(AmbienteTest::leggi(ChiusuraAnnuale::percorsoStatoAnno(2025)), stato);
    for (const QString& f : anno)
        QVERIFY2(AmbienteTest::leggi(f) == "[1]\nnetto=5000", qPrintable(f));
    QVERIFY(!QFileInfo::exists(rifiuto));
    QCOMPARE(ChiusuraAnnuale::calcolaImprontaAnno(2025), ChiusuraAnnuale::statoAnno(2025).sha256);
    QCOMPARE(AmbienteTest::leggi(aperto), QByteArray("[1]\nnetto=4444"));
    const QByteArray dopo = AmbienteTest::leggi(ChiusuraAnnuale::percorsoAudit());
    QVERIFY(dopo.startsWith(audit));
    const QByteArray riga = dopo.mid(audit.size());
    QVERIFY2(riga.count('\n') == 1 && riga.endsWith('\n') && riga.contains("AZIONE=RIPRISTINO_BACKUP")
                 && riga.contains("2025") && riga.contains(nome.toUtf8()),
             riga.constData());
}

void TestBackup::maiPotati_data()
{
    QTest::addColumn<int>("spostamento"); // seconds from the 50 backups' day to the clock
    QTest::addColumn<bool>("ripristinaIlPiuVecchio");
    QTest::newRow("restore of the oldest of 50") << 86400 << true;
    QTest::newRow("clock set back a day") << -86400 << false;
    QTest::newRow("clock set back, restore of the oldest") << -86400 << true;
}

// The backup being restored and the one just made are never pruned, whatever
// their names; the list still ends at 50, the oldest of the others going.
void TestBackup::maiPotati()
{
    QFETCH(int, spostamento);
    QFETCH(bool, ripristinaIlPiuVecchio);
    const QDateTime giorno(QDate(2026, 3, 8), QTime(12, 0, 0));
    for (int i = 0; i < 50; ++i) {
        scriviDato(QStringLiteral("a.txt"), QByteArray::number(i));
        Orologio::imposta(giorno.addSecs(i));
        QVERIFY(Backup::eseguiBackup());
    }
    const QStringList prima = Backup::elencoBackup();
    // A link among them, named as the oldest, to a folder outside: never
    // pruned, nor emptied through.
    const QString fuori = AmbienteTest::home() + QStringLiteral("/fuori");
    AmbienteTest::scrivi(fuori + QStringLiteral("/a.txt"), "fuori");
    QVERIFY(QFile::link(fuori, Backup::cartellaBackup() + QStringLiteral("/2000-01-01_00-00-00")));
    scriviDato(QStringLiteral("a.txt"), "dopo");
    Orologio::imposta(giorno.addSecs(spostamento));
    if (ripristinaIlPiuVecchio) {
        QVERIFY(Backup::ripristina(prima.last()));
        QCOMPARE(AmbienteTest::leggi(Backup::cartellaDati() + QStringLiteral("/a.txt")), QByteArray("0"));
    } else {
        QVERIFY(Backup::eseguiBackup());
        // Nothing changed since: the next start makes no backup, whatever
        // the newest name.
        Orologio::imposta(giorno.addSecs(spostamento + 60));
        QCOMPARE(Backup::esegui(), Backup::Esito::Invariato);
    }
    const QStringList dopo = Backup::elencoBackup();
    const QString nuovo = giorno.addSecs(spostamento).toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    QCOMPARE(dopo.size(), 50);
    QCOMPARE(AmbienteTest::leggi(Backup::cartellaBackup() + '/' + nuovo + "/a.txt"), QByteArray("dopo"));
    QCOMPARE(dopo.contains(prima.last()), ripristinaIlPiuVecchio);
    QVERIFY(!dopo.contains(prima.at(ripristinaIlPiuVecchio ? 48 : 49)));
    QCOMPARE(AmbienteTest::leggi(fuori + QStringLiteral("/a.txt")), QByteArray("fuori"));
    QVERIFY(QFileInfo(Backup::cartellaBackup() + QStringLiteral("/2000-01-01_00-00-00")).isSymLink());
}

// A file name of 255 bytes leaves no room for a longer temporary name: it
// is restored all the same, and no temporary copy stays beside it.
void TestBackup::nomeLunghissimo()
{
    const QString nome = QString(251, QLatin1Char('a')) + QStringLiteral(".txt");
    scriviDato(nome, "prima");
    QVERIFY(Backup::eseguiBackup());
    scriviDato(nome, "dopo");
    Orologio::imposta(kOra.addSecs(1));
    QString errore;
    QVERIFY2(Backup::ripristina(Backup::elencoBackup().last(), &errore), qPrintable(errore));
    QCOMPARE(AmbienteTest::leggi(Backup::cartellaDati() + '/' + nome), QByteArray("prima"));
    QCOMPARE(QDir(Backup::cartellaDati()).entryList(QDir::Files | QDir::Hidden), QStringList{nome});
}

// The check at each start compares with the fingerprint kept beside the
// newest backup: it never reads that backup's files again.
void TestBackup::improntaAccanto()
{
    scriviDato(QStringLiteral("a.txt"), "a");
    QVERIFY(Backup::eseguiBackup());
    QVERIFY(QFile::remove(ultimoBackup() + QStringLiteral("/a.txt")));
    QCOMPARE(Backup::esegui(), Backup::Esito::Invariato);
    // A backup of older versions has no fingerprint: a new one is made.
    QVERIFY(QFile::remove(ultimoBackup() + QStringLiteral("/.~indice")));
    Orologio::imposta(kOra.addSecs(1));
    QCOMPARE(Backup::esegui(), Backup::Esito::Eseguito);
}

// A restore's journal cut or of an unknown kind is never acted on: the start
// says so and no restore runs until it is mended.
void TestBackup::giornaleDanneggiato()
{
    scriviDato(QStringLiteral("a.txt"), "a");
    QVERIFY(Backup::eseguiBackup());
    const QString giornale = Backup::cartellaBackup() + QStringLiteral("/.~ripristino_giornale");
    const QString temporaneo = Backup::cartellaDati() + QStringLiteral("/.~ripristino0");
    AmbienteTest::scrivi(temporaneo, "b");
    const QByteArray file = "fase=sostituzione\nfile=" + QUrl::toPercentEncoding(temporaneo, "/") + ' '
        + QUrl::toPercentEncoding(Backup::cartellaDati() + QStringLiteral("/a.txt"), "/") + '\n';
    for (const QByteArray& contenuto : {file, file + "altro\nfine\n"}) {
        AmbienteTest::scrivi(giornale, contenuto);
        QString errore;
        QVERIFY(!Backup::riprendi(&errore));
        QVERIFY2(errore.contains(giornale), qPrintable(errore));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("giornale")));
        QVERIFY(!Backup::ripristina(Backup::elencoBackup().first()));
        QCOMPARE(AmbienteTest::leggi(Backup::cartellaDati() + QStringLiteral("/a.txt")), QByteArray("a"));
    }
    // Whole, it is completed.
    AmbienteTest::scrivi(giornale, file + "fine\n");
    QVERIFY(Backup::riprendi());
    QCOMPARE(AmbienteTest::leggi(Backup::cartellaDati() + QStringLiteral("/a.txt")), QByteArray("b"));
    QVERIFY(!QFileInfo::exists(giornale) && !QFileInfo::exists(temporaneo));
}

VARDELLO_TEST_MAIN(TestBackup)
#include "tst_backup.moc"
