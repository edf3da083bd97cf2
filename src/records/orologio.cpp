#include "orologio.h"

namespace {
QDateTime& momentoFisso()
{
    static QDateTime m;
    return m;
}
}

QDateTime Orologio::adesso()
{
    const QDateTime& m = momentoFisso();
    return m.isValid() ? m : QDateTime::currentDateTime();
}

QDate Orologio::oggi()
{
    return adesso().date();
}

void Orologio::imposta(const QDateTime& momento)
{
    momentoFisso() = momento;
}

void Orologio::ripristina()
{
    momentoFisso() = QDateTime();
}
