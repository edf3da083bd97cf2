#pragma once

#include <QDateEdit>

// A date editor that may hold no date: it opens showing "gg/mm/aaaa" and
// holds a date only once the user types or picks one. The first digit typed
// into the empty field starts on the day, the calendar opens on the current
// month. Dates before 1900 cannot be entered.
class CampoData : public QDateEdit
{
    Q_OBJECT

public:
    explicit CampoData(QWidget* parent = nullptr);

    // True while the field holds no date.
    bool vuota() const;
    // The field's date in `formato`; empty while it holds none.
    QString testo(const QString& formato) const;
    // Shows `data`, or nothing for an invalid or too early date.
    void imposta(const QDate& data);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

private:
    // The calendar just opened on an empty field shows this month.
    void calendarioSuOggi();
};
