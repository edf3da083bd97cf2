#include "ambientetest.h"
#include "gestionecampimovimento.h"
#include "loginadmin.h"
#include "menuprincipale.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

#include <memory>

class TestLoginAdmin : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }
    void verifica_data();
    void verifica();
    void returnUnSoloMessaggio();
    void menuDopoLogin_data();
    void menuDopoLogin();
    void primaPassword_data();
    void primaPassword();
};

void TestLoginAdmin::verifica_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: written by impostaPassword("Segreta è")
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("accettata");

    const QByteArray hex = QCryptographicHash::hash(QStringLiteral("Segreta è").toUtf8(), QCryptographicHash::Sha256)
                               .toHex();
    QTest::newRow("same text") << QByteArray() << "Segreta è" << true;
    QTest::newRow("other case") << QByteArray() << "segreta è" << false;
    QTest::newRow("trailing blank") << QByteArray() << "Segreta è " << false;
    QTest::newRow("empty") << QByteArray() << "" << false;
    QTest::newRow("digest with line end") << hex + "\r\n" << "Segreta è" << true;
    QTest::newRow("digest in capitals") << hex.toUpper() << "Segreta è" << false;
}

void TestLoginAdmin::verifica()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, password);
    QFETCH(bool, accettata);
    QVERIFY(!LoginAdmin::verificaPassword(QString())); // no file yet
    if (file.isEmpty()) {
        QVERIFY(LoginAdmin::impostaPassword(QStringLiteral("Segreta è")));
        const QByteArray scritto = AmbienteTest::leggi(LoginAdmin::percorsoFile());
        QCOMPARE(scritto.size(), 64);
        QCOMPARE(scritto, scritto.toLower());
    } else {
        AmbienteTest::scrivi(LoginAdmin::percorsoFile(), file);
    }
    QVERIFY(LoginAdmin::esistePassword());
    QCOMPARE(LoginAdmin::verificaPassword(password), accettata);
}

// Return after a wrong password: one message, the dialog stays open with an
// empty, focused input; the right password then opens it.
void TestLoginAdmin::returnUnSoloMessaggio()
{
    QVERIFY(LoginAdmin::impostaPassword(QStringLiteral("giusta")));
    RegistroMessaggi registro;
    LoginAdmin login;
    login.show();
    QVERIFY(QTest::qWaitForWindowExposed(&login));
    auto* input = login.findChild<QLineEdit*>(QStringLiteral("password"));
    QCOMPARE(input->echoMode(), QLineEdit::Password);
    input->setFocus();
    QTest::keyClicks(input, QStringLiteral("sbagliata"));
    QTest::keyClick(input, Qt::Key_Return);
    QCOMPARE(registro.richieste.size(), 1);
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Errore"));
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Password errata."));
    QVERIFY(login.isVisible());
    QVERIFY(input->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), input);

    QTest::keyClicks(input, QStringLiteral("giusta"));
    QTest::keyClick(input, Qt::Key_Return);
    QCOMPARE(login.result(), int(QDialog::Accepted));
    QCOMPARE(registro.richieste.size(), 1);
}

void TestLoginAdmin::menuDopoLogin_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("apre");
    QTest::newRow("wrong, then Chiudi") << "Giusta" << false;
    QTest::newRow("right") << "giusta" << true;
}

void TestLoginAdmin::menuDopoLogin()
{
    QFETCH(QString, password);
    QFETCH(bool, apre);
    QVERIFY(LoginAdmin::impostaPassword(QStringLiteral("giusta")));
    QMainWindow principale;
    MenuPrincipale::costruisci(&principale, QString(), QStringLiteral("it"), true);
    RegistroMessaggi registro;
    bool editorAperto = false;
    quandoModale<LoginAdmin>([&](LoginAdmin* login) {
        QCOMPARE(login->parentWidget(), &principale);
        // Only when the editor is to open: a waiting hook would outlive this
        // test and take the next test's editor.
        if (apre) {
            quandoModale<GestioneCampiMovimento>([&](GestioneCampiMovimento* editor) {
                editorAperto = true;
                editor->reject();
            });
        }
        login->findChild<QLineEdit*>(QStringLiteral("password"))->setText(password);
        login->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        if (login->isVisible())
            login->findChild<QPushButton*>(QStringLiteral("chiudi"))->click();
    });
    principale.findChild<QAction*>(QStringLiteral("azioneGestioneCampiMovimento"))->trigger();
    QCOMPARE(editorAperto, apre);
    QCOMPARE(registro.contiene(QStringLiteral("Password errata.")), !apre);
}

void TestLoginAdmin::primaPassword_data()
{
    QTest::addColumn<QString>("nuova");
    QTest::addColumn<QString>("ripetuta");
    QTest::addColumn<QString>("problema"); // empty: the password is set
    QTest::newRow("eight characters, twice") << "Abcd-123" << "Abcd-123" << QString();
    QTest::newRow("seven characters") << "Abcd-12" << "Abcd-12" << "La password deve avere almeno 8 caratteri.";
    QTest::newRow("typed differently") << "Abcd-1234" << "abcd-1234" << "Le due password non coincidono.";
}

// Without a password file the entry first offers to set the password, typed
// twice and at least 8 characters long; once written, it is asked as usual
// and opens the editor. A refused one writes nothing and opens nothing.
void TestLoginAdmin::primaPassword()
{
    QFETCH(QString, nuova);
    QFETCH(QString, ripetuta);
    QFETCH(QString, problema);
    const bool accetta = problema.isEmpty();
    QVERIFY(!LoginAdmin::esistePassword());
    QMainWindow principale;
    MenuPrincipale::costruisci(&principale, QString(), QStringLiteral("it"), true);
    RegistroMessaggi registro;
    quandoModale<ImpostaPassword>([&](ImpostaPassword* imposta) {
        QCOMPARE(imposta->findChild<QLineEdit*>(QStringLiteral("nuovaPassword"))->echoMode(), QLineEdit::Password);
        imposta->findChild<QLineEdit*>(QStringLiteral("nuovaPassword"))->setText(nuova);
        imposta->findChild<QLineEdit*>(QStringLiteral("ripetiPassword"))->setText(ripetuta);
        imposta->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        if (imposta->isVisible())
            imposta->findChild<QPushButton*>(QStringLiteral("annulla"))->click();
    });
    // After a refused password a login that comes is closed; the hook owns
    // what it counts, as it may outlive this row.
    auto chiesta = std::make_shared<bool>(false);
    quandoModale<LoginAdmin>([chiesta, accetta, nuova](LoginAdmin* login) {
        *chiesta = true;
        login->findChild<QLineEdit*>(QStringLiteral("password"))->setText(nuova);
        if (accetta)
            login->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        else
            login->reject();
    });
    bool editorAperto = false;
    if (accetta) {
        quandoModale<GestioneCampiMovimento>([&](GestioneCampiMovimento* editor) {
            editorAperto = true;
            editor->reject();
        });
    }
    principale.findChild<QAction*>(QStringLiteral("azioneGestioneCampiMovimento"))->trigger();
    QCOMPARE(*chiesta, accetta);
    QCOMPARE(editorAperto, accetta);
    if (accetta)
        QCOMPARE(AmbienteTest::leggi(LoginAdmin::percorsoFile()), LoginAdmin::impronta(nuova).toLatin1());
    else
        QVERIFY(registro.contiene(problema) && !LoginAdmin::esistePassword());
}

VARDELLO_TEST_MAIN(TestLoginAdmin)
#include "tst_loginadmin.moc"
