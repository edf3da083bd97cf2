#include "ambientetest.h"
#include "azienda.h"
#include "config.h"
#include "linkaiuto.h"
#include "nap.h"
#include "nazioni.h"
#include "nuovaazienda.h"
#include "scegliazienda.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>

namespace {

QString correnteSalvata()
{
    return QSettings(QStringLiteral("Vardello"), QStringLiteral("AziendaCorrente"))
        .value(QStringLiteral("nomeFile"))
        .toString();
}

void azienda(const QString& file, const QString& nome)
{
    DatiAzienda a;
    a.ragioneSociale = nome;
    QVERIFY(Azienda::salva(a, file));
}

QStringList righe(QListWidget* l)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text() + QLatin1Char('|') + l->item(i)->data(Qt::UserRole).toString();
    return r;
}

} // namespace

class TestScegliAzienda : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Nazioni::carica();
        NAP::carica();
    }
    void init() { AmbienteTest::svuota(); }

    void nessunaAzienda();
    void elenco();
    void apri_data();
    void apri();
    void chiudi();
    void nuovaAzienda_data();
    void nuovaAzienda();
    void linkAiuto();
};

void TestScegliAzienda::nessunaAzienda()
{
    ScegliAzienda s;
    QCOMPARE(s.windowTitle(), QStringLiteral("Scegli Azienda"));
    QCOMPARE(s.minimumSize(), QSize(400, 300));
    auto* lista = s.findChild<QListWidget*>(QStringLiteral("aziende"));
    QCOMPARE(righe(lista), QStringList{QStringLiteral("(Nessuna azienda trovata. Creane una nuova.)|")});
    QVERIFY(!lista->isEnabled());
    lista->setCurrentRow(0);
    s.findChild<QPushButton*>(QStringLiteral("apri"))->click();
    emit lista->itemDoubleClicked(lista->item(0));
    QCOMPARE(s.result(), int(QDialog::Rejected));
    QVERIFY(s.aziendaSelezionata().isEmpty());
    QVERIFY(correnteSalvata().isEmpty());
}

void TestScegliAzienda::elenco()
{
    azienda(QStringLiteral("b_zeta.txt"), QStringLiteral("Zeta SA"));
    azienda(QStringLiteral("A_alfa.txt"), QStringLiteral("Alfa SA"));
    azienda(QStringLiteral("c_senza.txt"), QString()); // no name: shown by file name
    azienda(QStringLiteral("d_doppia.txt"), QStringLiteral("Alfa SA"));
    AmbienteTest::scrivi(Config::cartellaDati() + QStringLiteral("/valute.txt"), "CHF");
    AmbienteTest::scrivi(Config::cartellaDati() + QStringLiteral("/appunti.txt"), "Note varie\nriga");

    ScegliAzienda s;
    auto* lista = s.findChild<QListWidget*>(QStringLiteral("aziende"));
    QVERIFY(lista->isEnabled());
    QCOMPARE(righe(lista), QStringList({"Alfa SA|A_alfa.txt", "Note varie|appunti.txt", "Zeta SA|b_zeta.txt",
                                        "c_senza.txt|c_senza.txt", "Alfa SA|d_doppia.txt"}));
    // The first company is highlighted and "Apri" is the default button.
    QCOMPARE(lista->currentRow(), 0);
    QVERIFY(s.findChild<QPushButton*>(QStringLiteral("apri"))->isDefault());
    // "Apri" without a row does nothing.
    lista->setCurrentRow(-1);
    s.findChild<QPushButton*>(QStringLiteral("apri"))->click();
    QCOMPARE(s.result(), int(QDialog::Rejected));
    QVERIFY(correnteSalvata().isEmpty());
}

void TestScegliAzienda::apri_data()
{
    QTest::addColumn<int>("riga");
    QTest::addColumn<bool>("doppioClic");
    QTest::addColumn<QString>("file");

    QTest::newRow("Apri") << 0 << false << "A_alfa.txt";
    QTest::newRow("double click, same name other file") << 1 << true << "d_doppia.txt";
}

void TestScegliAzienda::apri()
{
    QFETCH(int, riga);
    QFETCH(bool, doppioClic);
    QFETCH(QString, file);

    azienda(QStringLiteral("A_alfa.txt"), QStringLiteral("Alfa SA"));
    azienda(QStringLiteral("d_doppia.txt"), QStringLiteral("Alfa SA"));
    ScegliAzienda s;
    auto* lista = s.findChild<QListWidget*>(QStringLiteral("aziende"));
    lista->setCurrentRow(riga);
    if (doppioClic)
        emit lista->itemDoubleClicked(lista->item(riga));
    else
        s.findChild<QPushButton*>(QStringLiteral("apri"))->click();
    QCOMPARE(s.result(), int(QDialog::Accepted));
    QCOMPARE(s.aziendaSelezionata(), file);
    QCOMPARE(correnteSalvata(), file); // the file name, not the shown name
}

void TestScegliAzienda::chiudi()
{
    azienda(QStringLiteral("A_alfa.txt"), QStringLiteral("Alfa SA"));
    ScegliAzienda s;
    s.findChild<QListWidget*>(QStringLiteral("aziende"))->setCurrentRow(0);
    s.findChild<QPushButton*>(QStringLiteral("chiudi"))->click();
    QCOMPARE(s.result(), int(QDialog::Rejected));
    QVERIFY(s.aziendaSelezionata().isEmpty());
    QVERIFY(correnteSalvata().isEmpty());
}

void TestScegliAzienda::nuovaAzienda_data()
{
    QTest::addColumn<bool>("salva");
    QTest::newRow("saved: chooser accepted") << true;
    QTest::newRow("closed unsaved: chooser unchanged") << false;
}

void TestScegliAzienda::nuovaAzienda()
{
    QFETCH(bool, salva);

    azienda(QStringLiteral("A_alfa.txt"), QStringLiteral("Alfa SA"));
    ScegliAzienda s;
    bool aperta = false;
    quandoAperto([&] {
        auto* form = finestraAperta<NuovaAzienda>();
        QVERIFY(form);
        aperta = true;
        QCOMPARE(form->parentWidget(), &s);
        if (salva) {
            form->findChild<QLineEdit*>(QStringLiteral("ragioneSociale"))->setText(QStringLiteral("Omega SA"));
            form->findChild<QPushButton*>(QStringLiteral("salva"))->click();
        } else {
            form->findChild<QPushButton*>(QStringLiteral("chiudi"))->click();
        }
    });
    s.findChild<QPushButton*>(QStringLiteral("nuova"))->click();
    QVERIFY(aperta);
    auto* lista = s.findChild<QListWidget*>(QStringLiteral("aziende"));
    QCOMPARE(lista->count(), 1); // never refilled
    if (salva) {
        QCOMPARE(s.result(), int(QDialog::Accepted));
        QCOMPARE(s.aziendaSelezionata(), QStringLiteral("Omega_SA.txt"));
        QCOMPARE(correnteSalvata(), QStringLiteral("Omega_SA.txt"));
    } else {
        QCOMPARE(s.result(), int(QDialog::Rejected));
        QVERIFY(s.aziendaSelezionata().isEmpty());
        QVERIFY(correnteSalvata().isEmpty());
    }
}

void TestScegliAzienda::linkAiuto()
{
    QStringList aperti;
    LinkAiuto::impostaVisore([&aperti](const QString& codice) { aperti << codice; });
    ScegliAzienda s;
    auto* link = s.findChild<QLabel*>(QStringLiteral("aiuto"));
    QCOMPARE(link->styleSheet(), QStringLiteral("color: gray; text-decoration: underline;"));
    emit link->linkActivated(QStringLiteral("A03"));
    QCOMPARE(aperti, QStringList{QStringLiteral("A03")});
    LinkAiuto::impostaVisore({});
}

VARDELLO_TEST_MAIN(TestScegliAzienda)
#include "tst_scegliazienda.moc"
