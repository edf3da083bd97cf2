#pragma once

#include <QString>

// Fonts and geometry of the offscreen platform differ from those of a real
// X display: a check of what a window draws runs there. Outside an X
// display, the current test function (and data row) runs again in a child
// process of this test on a private Xvfb server, started once and stopped
// when the test ends.
namespace SchermoX {

enum class Esito { Riuscito, Fallito, XvfbAssente };

// True in a process drawing on X (the child, or a test run by hand on a
// desktop): the caller checks here.
bool qui();

// Runs the current test function and row in a child on Xvfb; on failure
// `uscita` holds the child's output.
Esito eseguiFiglio(QString* uscita);

} // namespace SchermoX

// First statement of a test that must look at the screen of an X display:
// outside one, runs the test there, reports its outcome and returns.
#define VARDELLO_SU_SCHERMO_X()                                                     \
    do {                                                                            \
        if (!SchermoX::qui()) {                                                     \
            QString uscitaFiglio;                                                   \
            const SchermoX::Esito esitoFiglio = SchermoX::eseguiFiglio(&uscitaFiglio); \
            if (esitoFiglio == SchermoX::Esito::XvfbAssente)                        \
                QSKIP("Xvfb is not installed.");                                    \
            QVERIFY2(esitoFiglio == SchermoX::Esito::Riuscito, qPrintable(uscitaFiglio)); \
            return;                                                                 \
        }                                                                           \
    } while (false)
