#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUrl>

class QWidget;

// Opens the user manual of the language chosen at start-up at a section.
class MostraHelp
{
    Q_DECLARE_TR_FUNCTIONS(MostraHelp)

public:
    // Finds "manuale_<lingua>.html", else "manuale.html", first in the
    // program's folder + "/../manuale", then in ~/01.Vardello/manuale, and
    // opens it in the browser at `anchor`. Tells the user (boxes parented to
    // `parent`) when no manual exists or the browser cannot be started.
    static void apri(const QString& anchor, QWidget* parent = nullptr);

private:
    // The manual file that `apri` opens, empty when none exists.
    static QString percorsoManuale();
};

// Starts a web browser on a URL.
class ApriBrowser
{
public:
    // "firefox" in a new window when it is on the search path, else the
    // desktop's URL handler. False for an invalid URL or when nothing could
    // be started.
    static bool apri(const QUrl& url);
};
