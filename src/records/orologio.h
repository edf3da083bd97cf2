#pragma once

#include <QDate>
#include <QDateTime>

// The one clock of the program: everything that asks for today's date or the
// current time asks here, so tests can fix "now".
class Orologio
{
public:
    static QDateTime adesso();
    static QDate oggi();

    // Fixes the clock at the given moment; an invalid moment lets it run again.
    static void imposta(const QDateTime& momento);
    static void ripristina();
};
