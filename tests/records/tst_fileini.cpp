// The program's own INI reader: every damaged line is reported with its line
// and never merged into another group; CRLF line ends, a BOM and trailing
// blanks are no damage. The readers built on it refuse to save over a file
// that did not read cleanly.
#include "ambientetest.h"
#include "ferie.h"
#include "fileini.h"
#include "variabilimensili.h"

namespace {

// "group/key=value" for every key, in file order.
QStringList chiavi(const FileIni& ini)
{
    QStringList r;
    for (const QString& g : ini.gruppi()) {
        for (const QString& k : ini.chiavi(g))
            r << g + QLatin1Char('/') + k + QLatin1Char('=') + ini.valore(g, k);
    }
    return r;
}

QStringList chiavi(const QVector<FileIni::Riga>& righe)
{
    QStringList r;
    for (const FileIni::Riga& riga : righe) {
        if (!riga.chiave.isEmpty())
            r << riga.gruppo + QLatin1Char('/') + riga.chiave + QLatin1Char('=') + riga.valore;
    }
    return r;
}

} // namespace

class TestFileIni : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }
    void danni_data();
    void danni();
    void variabiliEFerie();
};

void TestFileIni::danni_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QStringList>("lette");    // what both readers give
    QTest::addColumn<QStringList>("problemi"); // "riga N: ..."
    QTest::newRow("clean, comments, blanks")
        << QByteArray("\xEF\xBB\xBF# nota\n; nota\n\n[A]  \nx = 1  \n[B]\ny=2\n") << QStringList{"A/x=1", "B/y=2"}
        << QStringList{};
    QTest::newRow("header without ]") << QByteArray("[A]\nx=1\n[B\nx=2\ny=3\n[C]\nz=4\n")
                                      << QStringList{"A/x=1", "C/z=4"}
                                      << QStringList{"riga 3: intestazione di gruppo senza \"]\""};
    QTest::newRow("text after ]") << QByteArray("[A]\nx=1\n[B] x\ny=3\n") << QStringList{"A/x=1"}
                                  << QStringList{"riga 3: testo dopo \"]\""};
    QTest::newRow("empty group name") << QByteArray("[A]\nx=1\n[ ]\ny=3\n") << QStringList{"A/x=1"}
                                      << QStringList{"riga 3: gruppo senza nome"};
    QTest::newRow("line without =") << QByteArray("[A]\nx=1\nsolo testo\ny=2\n") << QStringList{"A/x=1", "A/y=2"}
                                    << QStringList{"riga 3: riga che non è né un gruppo né chiave=valore"};
    QTest::newRow("key without name") << QByteArray("[A]\n=1\ny=2\n") << QStringList{"A/y=2"}
                                      << QStringList{"riga 2: chiave senza nome"};
    QTest::newRow("NUL") << QByteArray("[A]\nx=1\ny=\0\n", 12) << QStringList{"A/x=1"}
                         << QStringList{"riga 3: carattere NUL"};
    // The program writes every group and key once. The settings reader
    // joins a group given again and keeps a key's last value; the
    // line-by-line one gives every line.
    QTest::newRow("repeated group") << QByteArray("[A]\nx=1\n[B]\ny=2\n[A]\nz=3\n")
                                    << QStringList{"A/x=1", "B/y=2", "A/z=3"}
                                    << QStringList{"riga 5: gruppo ripetuto: [A], già alla riga 1"};
    QTest::newRow("repeated key") << QByteArray("[A]\nx=1\ny=2\nx=3\n[B]\nx=4\n")
                                  << QStringList{"A/x=1", "A/y=2", "A/x=3", "B/x=4"}
                                  << QStringList{"riga 4: chiave ripetuta: x, già alla riga 2"};
}

void TestFileIni::danni()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QStringList, lette);
    QFETCH(QStringList, problemi);
    const QString file = QStringLiteral("/dati/prova.ini");
    QStringList attesi;
    for (const QString& p : problemi)
        attesi << file + QStringLiteral(", ") + p;

    for (const bool crlf : {false, true}) {
        const QByteArray b = crlf ? QByteArray(contenuto).replace("\n", "\r\n") : contenuto;
        const FileIni ini = FileIni::leggi(b);
        // The settings reader keeps a NUL value as the text it reads; the
        // line-by-line one leaves the line out.
        if (QTest::currentDataTag() != QLatin1String("NUL")
            && !QByteArray(QTest::currentDataTag()).startsWith("repeated"))
            QCOMPARE(chiavi(ini), lette);
        QCOMPARE(ini.problemi(file), attesi);
        QCOMPARE(ini.pulito(), problemi.isEmpty());

        QStringList segnalati;
        QCOMPARE(chiavi(FileIni::righe(b, file, &segnalati)), lette);
        QCOMPARE(segnalati, attesi);
    }
}

// The monthly variables and the holiday balances built on the reader: a
// month whose header lost its "]" is reported and nothing is saved over it.
void TestFileIni::variabiliEFerie()
{
    const QString id = QStringLiteral("rossi.txt");
    const QString file = VariabiliMensili::percorsoFile(id, 2026);
    const QByteArray contenuto("[Mese_2]\nacconti=100\n[Mese_3\nacconti=300\n");
    AmbienteTest::scrivi(file, contenuto);
    QString errore;
    const QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(id, 2026, &errore);
    QCOMPARE(mesi.at(2).acconti, 0.0); // never month 2's 300
    QVERIFY2(errore.contains(file + QStringLiteral(", riga 3: ")), qPrintable(errore));
    QVERIFY(!VariabiliMensili::salvaAnno(id, 2026, mesi, &errore));
    QCOMPARE(AmbienteTest::leggi(file), contenuto);

    const Ferie ferie(QStringLiteral("rossi"));
    const QByteArray saldo("[2025]\nlegaliDiritto=20\n[2026\nlegaliDiritto=25\n");
    AmbienteTest::scrivi(ferie.percorsoFile(), saldo);
    ferie.scriviAnno(2027, Ferie::AnnoFerie());
    QCOMPARE(AmbienteTest::leggi(ferie.percorsoFile()), saldo);
}

VARDELLO_TEST_MAIN(TestFileIni)
#include "tst_fileini.moc"
