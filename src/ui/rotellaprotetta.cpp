#include "rotellaprotetta.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPointer>

namespace {

bool campoARotella(const QWidget* w)
{
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

// The drop-down, spin box or date field that `w` is or lies in (its line
// edit, its buttons), within the same window; null for any other widget.
QWidget* campoDi(QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        if (campoARotella(w))
            return w;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

bool haIlFuoco(const QWidget* campo)
{
    const QWidget* fuoco = QApplication::focusWidget();
    return campo->hasFocus() || (fuoco && (fuoco == campo || campo->isAncestorOf(fuoco)));
}

} // namespace

void RotellaProtetta::installa()
{
    static QPointer<RotellaProtetta> filtro;
    if (filtro || !qApp)
        return;
    filtro = new RotellaProtetta(qApp);
    qApp->installEventFilter(filtro);
}

bool RotellaProtetta::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() == QEvent::Polish) {
        // The toolkit lets the wheel give these fields the focus before
        // they see it: only a click or Tab does here.
        auto* w = qobject_cast<QWidget*>(oggetto);
        if (w && campoARotella(w) && w->focusPolicy() == Qt::WheelFocus)
            w->setFocusPolicy(Qt::StrongFocus);
    } else if (evento->type() == QEvent::Wheel && oggetto->isWidgetType()) {
        // Left ignored, the wheel goes on to the parent (a scroll area).
        const QWidget* campo = campoDi(static_cast<QWidget*>(oggetto));
        if (campo && !haIlFuoco(campo)) {
            evento->ignore();
            return true;
        }
    }
    return QObject::eventFilter(oggetto, evento);
}
