// An empty Qt window, started as a new process by bench_avvio: writes
// "finestra" when the window is first painted, then ends.

#include <QApplication>
#include <QEvent>
#include <QMainWindow>

#include <cstdio>

namespace {

class PrimoDisegno : public QObject
{
protected:
    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() == QEvent::Paint && !m_fatto) {
            m_fatto = true;
            std::fputs("finestra\n", stdout);
            std::fflush(stdout);
            QCoreApplication::quit();
        }
        return false;
    }

private:
    bool m_fatto = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow w;
    PrimoDisegno filtro;
    w.installEventFilter(&filtro);
    w.resize(900, 600);
    w.show();
    return QApplication::exec();
}
