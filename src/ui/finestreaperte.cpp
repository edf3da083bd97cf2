#include "finestreaperte.h"

#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QList>
#include <QPointer>

#include <algorithm>

namespace {

struct Aperta
{
    QPointer<QWidget> finestra;
    QByteArray classe;
    QString percorso;
    bool chiusa = false;
};

// The same file, whatever way its path was written.
QString chiave(const QString& percorso)
{
    const QFileInfo info(percorso);
    const QString reale = info.canonicalFilePath();
    return reale.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : reale;
}

// Marks a window closed when it is hidden (a closed modal window lives on
// until its opener's scope ends) and open again when it is shown.
class Osservatore : public QObject
{
public:
    QList<Aperta> aperte;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Hide || evento->type() == QEvent::Show) {
            for (Aperta& a : aperte) {
                if (a.finestra == oggetto)
                    a.chiusa = evento->type() == QEvent::Hide;
            }
        }
        return false;
    }
};

Osservatore& osservatore()
{
    static Osservatore o;
    return o;
}

} // namespace

namespace FinestreAperte {

void registra(QWidget* finestra, const QString& percorso)
{
    QList<Aperta>& aperte = osservatore().aperte;
    aperte.erase(std::remove_if(aperte.begin(), aperte.end(), [](const Aperta& a) { return a.finestra.isNull(); }),
                 aperte.end());
    aperte.append({finestra, finestra->metaObject()->className(), chiave(percorso)});
    finestra->installEventFilter(&osservatore());
}

QWidget* aperta(const char* classe, const QString& percorso)
{
    const QString cercata = chiave(percorso);
    for (const Aperta& a : qAsConst(osservatore().aperte)) {
        if (a.finestra && !a.chiusa && a.classe == classe && a.percorso == cercata)
            return a.finestra;
    }
    return nullptr;
}

bool mostra(const char* classe, const QString& percorso, QDialog* da)
{
    QWidget* finestra = aperta(classe, percorso);
    if (!finestra)
        return false;
    for (QWidget* w = da->parentWidget(); w; w = w->parentWidget()) {
        if (w == finestra) {
            da->reject();
            return true;
        }
    }
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
    return true;
}

}
