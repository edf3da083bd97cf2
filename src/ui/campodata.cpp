#include "campodata.h"

#include "orologio.h"

#include <QCalendarWidget>
#include <QKeyEvent>

namespace {

// The empty field is the editor at its minimum date, shown as a hint.
const QDate kVuota(1900, 1, 1);

} // namespace

CampoData::CampoData(QWidget* parent)
    : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    setCalendarPopup(true);
    setMinimumDate(kVuota);
    setSpecialValueText(tr("gg/mm/aaaa"));
    setDate(kVuota);
}

bool CampoData::vuota() const
{
    return date() <= kVuota;
}

QString CampoData::testo(const QString& formato) const
{
    return vuota() ? QString() : date().toString(formato);
}

void CampoData::imposta(const QDate& data)
{
    setDate(data.isValid() && data > kVuota ? data : kVuota);
}

void CampoData::keyPressEvent(QKeyEvent* evento)
{
    // The hint is no date to type over: a digit starts from today's date
    // with the day selected, so that "14041988" reads as 14/04/1988.
    if (vuota() && !evento->text().isEmpty() && evento->text().at(0).isDigit()) {
        setDate(Orologio::oggi());
        setSelectedSection(QDateTimeEdit::DaySection);
    }
    QDateEdit::keyPressEvent(evento);
    calendarioSuOggi();
}

void CampoData::mousePressEvent(QMouseEvent* evento)
{
    QDateEdit::mousePressEvent(evento);
    calendarioSuOggi();
}

void CampoData::calendarioSuOggi()
{
    QCalendarWidget* calendario = calendarWidget();
    if (vuota() && calendario && calendario->isVisible()) {
        const QDate oggi = Orologio::oggi();
        calendario->setCurrentPage(oggi.year(), oggi.month());
    }
}
