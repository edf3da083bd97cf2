#include "ambientetest.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace {

QString cartellaSorgenti()
{
    return QStringLiteral(VARDELLO_SORGENTI);
}

// Every manual section a window links to: the codes given to the help link
// and to the manual viewer in the program's sources.
QStringList codiciAiuto()
{
    static const QRegularExpression chiamata(
        QStringLiteral("(?:LinkAiuto::(?:riga|crea|apri)|MostraHelp::apri)\\(\\s*QStringLiteral\\(\"([^\"]+)\"\\)"));
    QSet<QString> codici;
    QDirIterator it(cartellaSorgenti() + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString testo = QString::fromUtf8(f.readAll());
        auto trovati = chiamata.globalMatch(testo);
        while (trovati.hasNext())
            codici.insert(trovati.next().captured(1));
    }
    QStringList elenco = codici.values();
    elenco.sort();
    return elenco;
}

// The element ids of an HTML page (id="..." or id='...').
QSet<QString> identificatori(const QString& html)
{
    static const QRegularExpression id(QStringLiteral("\\sid\\s*=\\s*[\"']([^\"']+)[\"']"));
    QSet<QString> ids;
    auto trovati = id.globalMatch(html);
    while (trovati.hasNext())
        ids.insert(trovati.next().captured(1));
    return ids;
}

} // namespace

class TestManuale : public QObject
{
    Q_OBJECT

private slots:
    void ancore_data();
    void ancore();
    void copiaItaliana();
};

void TestManuale::ancore_data()
{
    QTest::addColumn<QString>("file");
    for (const char* nome : {"manuale.html", "manuale_it.html", "manuale_de.html", "manuale_fr.html",
                             "manuale_en.html", "manuale_es.html"})
        QTest::newRow(nome) << QString::fromLatin1(nome);
}

// MostraHelp opens the manual at "#<code>": each page needs an element with
// that id for every code a window links to.
void TestManuale::ancore()
{
    QFETCH(QString, file);

    const QStringList codici = codiciAiuto();
    // The windows of the administration, the closing and the maintenance all
    // link to the manual: finding none means the search itself is broken.
    QVERIFY2(codici.size() >= 10, qPrintable(codici.join(QLatin1Char(' '))));

    QFile pagina(cartellaSorgenti() + QStringLiteral("/manuale/") + file);
    QVERIFY2(pagina.open(QIODevice::ReadOnly), qPrintable(pagina.fileName()));
    const QString html = QString::fromUtf8(pagina.readAll());
    QVERIFY(html.contains(QLatin1String("charset=\"UTF-8\""), Qt::CaseInsensitive)
            || html.contains(QLatin1String("charset=UTF-8"), Qt::CaseInsensitive));

    const QSet<QString> ids = identificatori(html);
    QStringList mancanti;
    for (const QString& codice : codici) {
        if (!ids.contains(codice))
            mancanti << codice;
    }
    QVERIFY2(mancanti.isEmpty(), qPrintable(file + QStringLiteral(" lacks: ") + mancanti.join(QLatin1Char(' '))));
}

// The page opened when no manual of the chosen language exists is the
// Italian one.
void TestManuale::copiaItaliana()
{
    const QString cartella = cartellaSorgenti() + QStringLiteral("/manuale/");
    const QByteArray generico = AmbienteTest::leggi(cartella + QStringLiteral("manuale.html"));
    QVERIFY(!generico.isEmpty());
    QCOMPARE(generico, AmbienteTest::leggi(cartella + QStringLiteral("manuale_it.html")));
}

VARDELLO_TEST_MAIN(TestManuale)
#include "tst_manuale.moc"
