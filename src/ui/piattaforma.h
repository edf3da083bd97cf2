#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QPrinter;
class QWidget;

// The program's one door to the desktop: opening a URL or a file in the
// desktop's handler, starting another program, finding an executable, the
// print dialog and the desktop's own save-file dialog. Everything that would
// leave the program goes through here, so a test can put a recorder in its
// place and check what would have been opened or printed. The real desktop
// behaviour is the default.
class Piattaforma
{
public:
    virtual ~Piattaforma();

    // Hands the URL to the desktop's URL handler (a local file opens in its
    // viewer); true when the desktop accepted it.
    virtual bool apriUrl(const QUrl& url);

    // Starts a program detached from this one; true when it could be started.
    virtual bool avviaDistaccato(const QString& programma, const QStringList& argomenti);

    // The full path of an executable found on the search path, or empty.
    virtual QString trovaEseguibile(const QString& nome);

    // The folder that holds the running program.
    virtual QString cartellaProgramma();

    // Shows the print dialog for the printer; true when the user chose to print.
    virtual bool dialogoStampa(QPrinter& printer, QWidget* parent, const QString& titolo);

    // The desktop's save-file dialog; the chosen path, empty when cancelled.
    virtual QString nomeFileSalva(QWidget* parent, const QString& titolo, const QString& proposto,
                                  const QString& filtro);

    // The layer in use.
    static Piattaforma& attuale();

    // Puts another layer in place (not owned); null restores the real one.
    static void sostituisci(Piattaforma* sostituto);
};
