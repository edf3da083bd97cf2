#pragma once

#include <QObject>

// Keeps the mouse wheel off the values the user is not editing: over a
// drop-down, a spin box or a date field without the keyboard focus the wheel
// changes nothing and goes on to the form around it, which scrolls; nor does
// the wheel give such a field the focus. Once clicked or reached with Tab,
// the field takes the wheel as usual. Installed once on the application, it
// holds for every window.
class RotellaProtetta : public QObject
{
    Q_OBJECT

public:
    // Installs the filter on the application; further calls do nothing.
    static void installa();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    using QObject::QObject;
};
