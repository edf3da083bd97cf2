#pragma once

#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include "messaggi.h"

#include <functional>

// Points HOME and the XDG folders into a fresh temporary folder before
// anything reads them, so no test touches a real home folder.
class AmbienteTest
{
public:
    // Called once by VARDELLO_TEST_MAIN before the application object exists.
    static void prepara();

    // The temporary home folder of this test run.
    static QString home();

    // Removes everything below the temporary home and forgets every setting,
    // so each test function starts as on a fresh machine.
    static void svuota();

    // Writes a file (creating its folder); for test data.
    static void scrivi(const QString& percorso, const QByteArray& contenuto);
    static QByteArray leggi(const QString& percorso);
};

// Records every message the program shows and answers it: questions with the
// queued answers in order, else with the default button (No when none).
class RegistroMessaggi
{
public:
    RegistroMessaggi();
    ~RegistroMessaggi();

    void rispondi(QMessageBox::StandardButton risposta);
    QList<Messaggi::Richiesta> richieste;

    bool contiene(const QString& parteDelTesto) const;
    QString ultimoTesto() const;
    QString ultimoTitolo() const;

    // Called for every message, before it is answered (to look at the screen).
    std::function<void(const Messaggi::Richiesta&)> osservatore;

private:
    QList<QMessageBox::StandardButton> risposte;
};

// Runs `azione` on the next turn of the event loop: drives a modal dialog
// that the test is about to exec().
void quandoAperto(std::function<void()> azione, int ritardoMs = 0);

// The first top-level dialog of the given class that is visible, or null.
template <typename T>
T* finestraAperta()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* t = qobject_cast<T*>(w); t && t->isVisible())
            return t;
    }
    return nullptr;
}

// Runs `azione` on the modal dialog of class T as soon as it is the active
// modal window (a dialog opened after another one closed takes a moment);
// gives up after about a second.
template <typename T>
void quandoModale(std::function<void(T*)> azione, int tentativi = 100)
{
    quandoAperto(
        [azione, tentativi] {
            if (auto* f = qobject_cast<T*>(QApplication::activeModalWidget())) {
                azione(f);
                return;
            }
            if (tentativi > 0)
                quandoModale<T>(azione, tentativi - 1);
        },
        10);
}

#define VARDELLO_TEST_MAIN(TestObject)                                  \
    int main(int argc, char* argv[])                                    \
    {                                                                   \
        AmbienteTest::prepara();                                        \
        QApplication app(argc, argv);                                   \
        QCoreApplication::setApplicationName(QStringLiteral("vardello")); \
        app.setAttribute(Qt::AA_Use96Dpi, true);                        \
        TestObject tc;                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                      \
        return QTest::qExec(&tc, argc, argv);                           \
    }

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>

// While it lives no file of this process can grow beyond `byte` bytes, as on
// a full disk: writes past the limit fail instead of stopping the process.
class LimiteFile
{
public:
    explicit LimiteFile(rlim_t byte)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &prima);
        rlimit limite = prima;
        limite.rlim_cur = byte;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~LimiteFile() { setrlimit(RLIMIT_FSIZE, &prima); }

private:
    rlimit prima{};
};
#endif
