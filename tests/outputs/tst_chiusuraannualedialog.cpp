#include "ambientetest.h"
#include "azienda.h"
#include "chiusuraannuale.h"
#include "chiusuraannualedialog.h"
#include "chiusuramensile.h"
#include "config.h"
#include "conteggiosalario.h"
#include "dipendente.h"
#include "inizializzazione.h"
#include "orologio.h"
#include "storicopaghe.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString kBernasconi = QStringLiteral("Bernasconi_Luca.txt");
const QString kAperto = QStringLiteral("APERTO (Modificabile)");
const QString kChiuso = QStringLiteral("CHIUSO E BLOCCATO (Sola lettura)");
const QString kVerificata = QString::fromUtf8("INTEGRITÀ VERIFICATA (SHA-256 corrispondente)");
const QString kDifferiscono = QStringLiteral("ATTENZIONE: I file su disco differiscono dall'impronta sigillata!");

QString testo(ChiusuraAnnualeDialog& f, const char* nome)
{
    if (auto* l = f.findChild<QLabel*>(QLatin1String(nome)))
        return l->text();
    return QString();
}

QPushButton* pulsante(ChiusuraAnnualeDialog& f, const char* nome)
{
    return f.findChild<QPushButton*>(QLatin1String(nome));
}

QString registro(ChiusuraAnnualeDialog& f)
{
    return f.findChild<QPlainTextEdit*>(QStringLiteral("logAudit"))->toPlainText();
}

// Which of the two actions the window offers: closing (open year) or reopening.
void azioni(ChiusuraAnnualeDialog& f, bool chiusura)
{
    QCOMPARE(pulsante(f, "chiudiEsercizio")->isEnabled(), chiusura);
    QCOMPARE(pulsante(f, "sblocco")->isEnabled(), !chiusura);
}

// Answers the reason box: the text, or cancels when `testo` is null.
void motivazione(const QString& testo)
{
    quandoModale<QInputDialog>([testo](QInputDialog* d) {
        if (testo.isNull()) {
            d->reject();
            return;
        }
        d->setTextValue(testo);
        d->accept();
    });
}

} // namespace

class TestChiusuraAnnualeDialog : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        AmbienteTest::svuota();
        Orologio::imposta(QDateTime(QDate(2026, 5, 12), QTime(10, 30)));
        Inizializzazione::esegui();
    }
    void cleanup() { Orologio::ripristina(); }

    void anni();
    void chiusuraERiapertura();
    void chiusuraFallita();
    void statoDanneggiato_data();
    void statoDanneggiato();
    void sigilloDeiRifiuti_data();
    void sigilloDeiRifiuti();
};

void TestChiusuraAnnualeDialog::anni()
{
    {
        ChiusuraAnnualeDialog f;
        auto* combo = f.findChild<QComboBox*>(QStringLiteral("anno"));
        QStringList voci;
        for (int i = 0; i < combo->count(); ++i)
            voci << combo->itemText(i);
        QCOMPARE(voci, (QStringList{"2027", "2026", "2025", "2024", "2023", "2022"}));
        QCOMPARE(combo->currentIndex(), 1);
        QCOMPARE(combo->currentData().toInt(), 2026);
        QVERIFY(testo(f, "stato").contains(kAperto));
        azioni(f, true);
        QCOMPARE(registro(f), QStringLiteral("Nessuna operazione registrata finora."));
    }
    // A state file of an earlier year adds it in its place; a name that is
    // not a year adds nothing.
    const QString cartella = ChiusuraAnnuale::cartellaChiusure();
    AmbienteTest::scrivi(cartella + QStringLiteral("/2015.ini"), "anno=2015\nchiuso=1\n");
    AmbienteTest::scrivi(cartella + QStringLiteral("/vecchio.ini"), "chiuso=1\n");
    ChiusuraAnnualeDialog f;
    auto* combo = f.findChild<QComboBox*>(QStringLiteral("anno"));
    QCOMPARE(combo->count(), 7);
    QCOMPARE(combo->itemText(6), QStringLiteral("2015"));
    combo->setCurrentIndex(6);
    QVERIFY(testo(f, "stato").contains(kChiuso));
    QVERIFY(testo(f, "integrita").contains(kDifferiscono)); // closed without a seal
    azioni(f, false);
}

void TestChiusuraAnnualeDialog::chiusuraERiapertura()
{
    // January 2026 saved for one employee: the year has one file to seal.
    DatiDipendente d;
    QVERIFY(Dipendente::carica(kBernasconi, d));
    QVERIFY(ConteggioSalario::genera(kBernasconi, d, 2026, 1, true, -1).errore.isEmpty());
    const QString paghe = StoricoPaghe::percorsoFile(kBernasconi, 2026);

    DatiAzienda seconda;
    seconda.ragioneSociale = QStringLiteral("Seconda Ditta Sagl");
    QVERIFY(Azienda::salva(seconda, QStringLiteral("seconda.txt")));
    RegistroMessaggi messaggi;
    const QString nota = QString::fromUtf8("Chiusura definitiva, verificata da Müller – così");
    {
        ChiusuraAnnualeDialog f;
        QCOMPARE(testo(f, "integrita"), QStringLiteral("Esercizio in corso (1 file annuali rilevati)."));
        f.findChild<QLineEdit*>(QStringLiteral("note"))->setText(nota);

        // "No" to the question changes nothing.
        messaggi.rispondi(QMessageBox::No);
        pulsante(f, "chiudiEsercizio")->click();
        QCOMPARE(messaggi.richieste.size(), 1);
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Conferma chiusura esercizio 2026"));
        QCOMPARE(messaggi.richieste.last().predefinito, QMessageBox::No);
        // The question names every company of the data folder, whose year
        // the seal closes with this one.
        const QString domanda = messaggi.ultimoTesto();
        const QStringList aziende = Azienda::elencoAziende();
        QVERIFY(!aziende.isEmpty());
        for (const QString& azienda : aziende)
            QVERIFY2(domanda.contains(Azienda::carica(azienda).ragioneSociale), qPrintable(domanda));
        QVERIFY(!QFile::exists(ChiusuraAnnuale::percorsoStatoAnno(2026)));
        QVERIFY(testo(f, "stato").contains(kAperto));

        messaggi.rispondi(QMessageBox::Yes);
        pulsante(f, "chiudiEsercizio")->click();
        QCOMPARE(messaggi.ultimoTesto(), QString::fromUtf8("L'esercizio 2026 è stato chiuso e sigillato con successo."));
        QVERIFY(QFile::exists(ChiusuraAnnuale::percorsoStatoAnno(2026)));
        const StatoEsercizio stato = ChiusuraAnnuale::statoAnno(2026);
        QVERIFY(stato.chiuso);
        QCOMPARE(stato.note, nota);
        QCOMPARE(stato.fileSigillati, 1);

        QVERIFY(testo(f, "stato").contains(kChiuso));
        QVERIFY(testo(f, "integrita").contains(kVerificata));
        QCOMPARE(testo(f, "sigillo"), QStringLiteral("Chiuso il: 2026-05-12T10:30:00 | Operatore: Amministratore | "
                                                     "File sigillati: 1\nSHA-256: ")
                                          + stato.sha256);
        QVERIFY(f.findChild<QLineEdit*>(QStringLiteral("note"))->isReadOnly());
        azioni(f, false);
        const QStringList righe = registro(f).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(righe.size(), 1);
        QVERIFY(righe.first().contains(QStringLiteral("| ANNO=2026 | AZIONE=CHIUSURA_ESERCIZIO |")));
        QVERIFY2(righe.first().contains(nota), qPrintable(righe.first()));
    }

    // The closed year refuses the monthly closing.
    {
        ChiusuraMensile mensile;
        mensile.findChild<QComboBox*>(QStringLiteral("mese"))->setCurrentIndex(1);
        mensile.findChild<QPushButton*>(QStringLiteral("generaTutti"))->click();
        QCOMPARE(messaggi.ultimoTesto(), QString::fromUtf8("L'esercizio 2026 è chiuso e bloccato: non è possibile "
                                                           "generare o sovrascrivere cedolini."));
        QList<StoricoPaghe::PagaMese> mesi;
        QVERIFY(StoricoPaghe::caricaAnno(kBernasconi, 2026, mesi));
        QCOMPARE(mesi.size(), 1);
    }

    // One byte of the sealed pay history changes.
    QByteArray contenuto = AmbienteTest::leggi(paghe);
    const int cifra = contenuto.indexOf("netto=") + 6;
    contenuto[cifra] = contenuto.at(cifra) == '9' ? '8' : '9';
    AmbienteTest::scrivi(paghe, contenuto);

    ChiusuraAnnualeDialog f;
    QVERIFY(testo(f, "integrita").contains(kDifferiscono));

    const int prima = messaggi.richieste.size();
    motivazione(QString());
    pulsante(f, "sblocco")->click();
    QCOMPARE(messaggi.richieste.size(), prima); // cancelled: nothing said, nothing changed
    QVERIFY(ChiusuraAnnuale::isAnnoChiuso(2026));

    motivazione(QStringLiteral("abcd"));
    pulsante(f, "sblocco")->click();
    QCOMPARE(messaggi.ultimoTesto(),
             QStringLiteral("Inserire una motivazione dettagliata (almeno 5 caratteri) per il registro di audit."));
    QVERIFY(ChiusuraAnnuale::isAnnoChiuso(2026));
    QVERIFY(testo(f, "stato").contains(kChiuso));

    const QString lunga = QString::fromUtf8("Città"); // five characters
    motivazione(lunga);
    pulsante(f, "sblocco")->click();
    QCOMPARE(messaggi.ultimoTesto(), QString::fromUtf8("L'esercizio 2026 è stato riaperto e registrato nel log."));
    QVERIFY(!ChiusuraAnnuale::isAnnoChiuso(2026));
    QVERIFY(testo(f, "stato").contains(kAperto));
    azioni(f, true);
    QVERIFY(!f.findChild<QLineEdit*>(QStringLiteral("note"))->isReadOnly());
    const QStringList righe = registro(f).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(righe.size(), 2);
    QVERIFY(righe.last().contains(QStringLiteral("AZIONE=RIAPERTURA_STRAORDINARIA")));
    QVERIFY2(righe.last().endsWith(QStringLiteral("NOTE=") + lunga), qPrintable(righe.last()));
}

void TestChiusuraAnnualeDialog::chiusuraFallita()
{
    // A full disk: the state file cannot be written.
    RegistroMessaggi messaggi;
    messaggi.rispondi(QMessageBox::Yes);
    ChiusuraAnnualeDialog f;
    const QString integrita = testo(f, "integrita");
    {
        LimiteFile limite(8);
        pulsante(f, "chiudiEsercizio")->click();
    }
    QVERIFY(!QFile::exists(ChiusuraAnnuale::percorsoStatoAnno(2026)));
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Impossibile scrivere il file di chiusura esercizio."));
    QVERIFY(testo(f, "stato").contains(kAperto));
    QCOMPARE(testo(f, "integrita"), integrita);
    QCOMPARE(registro(f), QStringLiteral("Nessuna operazione registrata finora."));
    azioni(f, true);
}

// A state file that does not read cleanly: the window says it is damaged,
// by file and line, offers neither action, and the year stays locked.
void TestChiusuraAnnualeDialog::statoDanneggiato_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("riga");
    QTest::newRow("key damaged") << QByteArray("anno=2026\nchiusO=1\n") << "riga 2: chiave sconosciuta: chiusO";
    QTest::newRow("NUL before the line") << QByteArray("anno=2026\n\0\nchiuso=1\n", 21) << "riga 2: carattere NUL";
}

void TestChiusuraAnnualeDialog::statoDanneggiato()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, riga);
    const QString percorso = ChiusuraAnnuale::percorsoStatoAnno(2026);
    AmbienteTest::scrivi(percorso, file);
    ChiusuraAnnualeDialog f;
    QVERIFY(testo(f, "stato").contains(QStringLiteral("FILE DI STATO DANNEGGIATO")));
    QVERIFY2(testo(f, "integrita").contains(percorso + QStringLiteral(", ") + riga), qPrintable(testo(f, "integrita")));
    QVERIFY(!pulsante(f, "chiudiEsercizio")->isEnabled());
    QVERIFY(!pulsante(f, "sblocco")->isEnabled());
    QVERIFY(ChiusuraAnnuale::isAnnoChiuso(2026));
    QCOMPARE(AmbienteTest::leggi(percorso), file);
}

// The seal covers the months the closings refused: a change or deletion by
// hand shows. A year sealed by an earlier version, without them, verifies as
// before while its sealed files are unchanged.
void TestChiusuraAnnualeDialog::sigilloDeiRifiuti_data()
{
    QTest::addColumn<bool>("precedente"); // sealed by an earlier version
    QTest::addColumn<bool>("rifiutoPrima"); // the closing found a refused month
    QTest::addColumn<QByteArray>("rifiuti"); // written after the closing; empty: deleted; "=": untouched
    QTest::addColumn<bool>("integro");
    QTest::newRow("untouched") << false << true << QByteArray("=") << true;
    QTest::newRow("changed") << false << true << QByteArray("[11]\nmotivo=nessuno\n") << false;
    QTest::newRow("deleted") << false << true << QByteArray() << false;
    // The usual closing refused no one: a refusals file added by hand shows.
    QTest::newRow("added after a closing without") << false << false << QByteArray("[1]\nmotivo=a mano\n") << false;
    QTest::newRow("earlier version, untouched") << true << true << QByteArray("=") << true;
    QTest::newRow("earlier version, pay history changed") << true << true << QByteArray("paghe") << false;
    // Nothing in a seal of those versions tells of the refusals.
    QTest::newRow("earlier version, added after a closing without")
        << true << false << QByteArray("[1]\nmotivo=a mano\n") << true;
}

void TestChiusuraAnnualeDialog::sigilloDeiRifiuti()
{
    QFETCH(bool, precedente);
    QFETCH(bool, rifiutoPrima);
    QFETCH(QByteArray, rifiuti);
    QFETCH(bool, integro);
    DatiDipendente d;
    QVERIFY(Dipendente::carica(kBernasconi, d));
    QVERIFY(ConteggioSalario::genera(kBernasconi, d, 2026, 1, true, -1).errore.isEmpty());
    if (rifiutoPrima)
        QVERIFY(StoricoPaghe::segnaRifiuto(kBernasconi, 2026, 1, QStringLiteral("tariffa Z9 mancante")));
    const QString file = StoricoPaghe::percorsoRifiuti(kBernasconi, 2026);
    if (precedente) {
        // The seal of those versions: every file of the year but the refusals.
        const QString base = QDir::cleanPath(QDir(Config::cartellaDati()).absolutePath()) + QLatin1Char('/');
        QByteArray dati = "KORMANTEL_ANNO_2026\n";
        for (const QString& f : ChiusuraAnnuale::fileAnno(2026)) {
            if (!f.endsWith(QLatin1String(".rifiuti")))
                dati += QString(f).remove(base).toUtf8() + '\n' + AmbienteTest::leggi(f) + "\n---\n";
        }
        AmbienteTest::scrivi(ChiusuraAnnuale::percorsoStatoAnno(2026),
                             "anno=2026\nchiuso=1\nfileSigillati=1\nsha256="
                                 + QCryptographicHash::hash(dati, QCryptographicHash::Sha256).toHex() + '\n');
    } else {
        QVERIFY(ChiusuraAnnuale::chiudiAnno(2026, QString(), QString()));
        QCOMPARE(ChiusuraAnnuale::statoAnno(2026).fileSigillati, rifiutoPrima ? 2 : 1);
    }
    if (rifiuti.isEmpty())
        QVERIFY(QFile::remove(file));
    else if (rifiuti == "paghe")
        AmbienteTest::scrivi(StoricoPaghe::percorsoFile(kBernasconi, 2026), "[1]\nnetto=1\n");
    else if (rifiuti != "=")
        AmbienteTest::scrivi(file, rifiuti);
    ChiusuraAnnualeDialog f;
    QVERIFY(testo(f, "stato").contains(kChiuso));
    QVERIFY2(testo(f, "integrita").contains(integro ? kVerificata : kDifferiscono), qPrintable(testo(f, "integrita")));
}

VARDELLO_TEST_MAIN(TestChiusuraAnnualeDialog)
#include "tst_chiusuraannualedialog.moc"
