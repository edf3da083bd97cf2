// The certificate reader faced with damaged files, and the certificate
// manager: a certificate that did not read cleanly is reported by file and
// line, never shown or exported with figures at 0, and nothing on disk moves.
#include "ambientetest.h"
#include "certificato.h"
#include "gestionecertificati.h"
#include "piattaformatest.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString kNome = QStringLiteral("certificato_rossi_2026.txt");

QString file() { return Certificato::cartella() + QLatin1Char('/') + kNome; }

// The file a save writes: gross 60000, contributions 3813, pension 2400,
// tax 4200; 8 = 60000, 11 = 60000 - 3813 - 2400 = 53787.
QByteArray buono()
{
    Certificato::DatiCertificato c;
    c.idDipendente = QStringLiteral("rossi.txt"), c.annoValidita = 2026;
    c.cifra1 = 60000, c.cifra9 = 3813, c.cifra10_1 = 2400, c.cifra12 = 4200;
    c.casellaA = true, c.osservazioni = QStringLiteral("Auto aziendale");
    Certificato::calcolaTotali(c);
    return Certificato::salva(c) ? AmbienteTest::leggi(file()) : QByteArray();
}

} // namespace

class TestGestioneCertificati : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }
    void lettura_data();
    void lettura();
    void eliminazioneFallita();
};

void TestGestioneCertificati::lettura_data()
{
    QTest::addColumn<QByteArray>("da");    // replaced in the saved file...
    QTest::addColumn<QByteArray>("con");   // ...by this
    QTest::addColumn<QString>("danno");    // "" for a clean file
    QTest::newRow("BOM and trailing blanks") << QByteArray("idDipendente=") << QByteArray("\xEF\xBB\xBFidDipendente=")
                                             << "";
    // The NUL used to end the file: figures 8 to 12 at 0, read as true.
    QTest::newRow("NUL before cifra8") << QByteArray("cifra8=") << QByteArray("\0cifra8=", 8) << "riga 6: carattere NUL";
    QTest::newRow("junk after a number") << QByteArray("cifra9=3813.00") << QByteArray("cifra9=3813.00x")
                                         << "riga 7: valore non valido per cifra9";
    QTest::newRow("flag not 0 or 1") << QByteArray("casellaA=1") << QByteArray("casellaA=si")
                                     << "riga 15: valore non valido per casellaA";
    QTest::newRow("damaged key") << QByteArray("cifra11=") << QByteArray("cifra1l=")
                                 << "riga 10: chiave sconosciuta: cifra1l";
    QTest::newRow("stray line") << QByteArray("cifra2=0.00\n") << QByteArray("cifra2=0.00\n---\n")
                                << "riga 5: riga che non è né un gruppo né chiave=valore";
    QTest::newRow("group header") << QByteArray("cifra3=") << QByteArray("[2026\ncifra3=")
                                  << "riga 5: intestazione di gruppo in un file senza gruppi";
    QTest::newRow("key given twice") << QByteArray("cifra2=0.00\n") << QByteArray("cifra2=0.00\ncifra2=9.00\n")
                                     << "riga 5: chiave ripetuta: cifra2, già alla riga 4";
}

void TestGestioneCertificati::lettura()
{
    QFETCH(QByteArray, da);
    QFETCH(QByteArray, con);
    QFETCH(QString, danno);
    const QByteArray salvato = buono();
    QVERIFY(!salvato.isEmpty());
    QVERIFY(salvato.contains(da));
    QByteArray contenuto = QByteArray(salvato).replace(da, con);
    if (danno.isEmpty())
        contenuto.replace("\n", "  \n");

    // CRLF line ends read as the LF twin.
    Certificato::DatiCertificato lf, crlf;
    QString erroreLf, erroreCrlf;
    AmbienteTest::scrivi(file(), QByteArray(contenuto).replace("\n", "\r\n"));
    const bool okCrlf = Certificato::carica(crlf, file(), &erroreCrlf);
    AmbienteTest::scrivi(file(), contenuto);
    const bool ok = Certificato::carica(lf, file(), &erroreLf);
    QVERIFY(okCrlf == ok && erroreCrlf == erroreLf && crlf.cifra12 == lf.cifra12);

    RegistroMessaggi messaggi;
    GestioneCertificati g;
    auto* lista = g.findChild<QListWidget*>(QStringLiteral("lista"));
    QCOMPARE(lista->count(), 1);
    lista->setCurrentRow(0);
    g.findChild<QPushButton*>(QStringLiteral("apri"))->click();
    if (danno.isEmpty()) {
        QVERIFY2(ok, qPrintable(erroreLf));
        QVERIFY(lf.cifra8 == 60000 && lf.cifra11 == 53787 && lf.cifra12 == 4200 && lf.casellaA && !lf.casellaB);
        QCOMPARE(lf.osservazioni, QStringLiteral("Auto aziendale"));
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Certificato"));
        return;
    }
    QVERIFY(!ok);
    const QString atteso = file() + QStringLiteral(", ") + danno;
    QVERIFY2(erroreLf.contains(atteso) && messaggi.ultimoTesto().contains(atteso), qPrintable(erroreLf));
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Errore"));

    // Exported with the others, it is listed among the failures by file and
    // line; no sheet is made of it.
    const QString cartella = AmbienteTest::home() + QStringLiteral("/pdf");
    QVERIFY(QDir().mkpath(cartella));
    QFile::copy(file(), Certificato::cartella() + QStringLiteral("/certificato_rossi_2025.txt"));
    GestioneCertificati due;
    due.findChild<QCheckBox*>(QStringLiteral("selezionaTutti"))->setChecked(true);
    rispondiDialogoFile(cartella);
    due.findChild<QPushButton*>(QStringLiteral("esportaPdf"))->click();
    QVERIFY(messaggi.ultimoTesto().startsWith(QStringLiteral("Esportati: 0\nErrori: 2\n")) && messaggi.ultimoTesto().contains(atteso));
    QVERIFY(QDir(cartella).isEmpty());
    QCOMPARE(AmbienteTest::leggi(file()), contenuto);
}

// A deletion the system refuses (here the listed file became a folder, which
// no file removal takes) is reported, and the item stays listed.
void TestGestioneCertificati::eliminazioneFallita()
{
    QVERIFY(!buono().isEmpty());
    RegistroMessaggi messaggi;
    GestioneCertificati g;
    auto* lista = g.findChild<QListWidget*>(QStringLiteral("lista"));
    lista->setCurrentRow(0);
    QVERIFY(QFile::remove(file()));
    QVERIFY(QDir().mkpath(file() + QStringLiteral("/dentro")));
    messaggi.rispondi(QMessageBox::Yes);
    g.findChild<QPushButton*>(QStringLiteral("elimina"))->click();
    QVERIFY(messaggi.ultimoTitolo() == QStringLiteral("Errore") && messaggi.ultimoTesto().contains(file()));
    QVERIFY(lista->count() == 1 && QFileInfo(file() + QStringLiteral("/dentro")).isDir());
}

VARDELLO_TEST_MAIN(TestGestioneCertificati)
#include "tst_gestionecertificati.moc"
