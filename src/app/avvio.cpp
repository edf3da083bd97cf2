#include "avvio.h"

#include <QApplication>
#include <QMainWindow>

int Avvio::esegui(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow finestra;
    finestra.setWindowTitle(QStringLiteral("Vardello"));
    finestra.resize(900, 600);
    finestra.show();
    return app.exec();
}
