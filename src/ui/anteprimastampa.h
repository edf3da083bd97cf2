#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QGraphicsScene;
class QGraphicsView;
class QLabel;
class QPrinter;

// Print preview of a drawing: renders it into a temporary PDF that opens in
// the desktop's PDF viewer, and prints it or saves it as a PDF file. The
// drawing function begins and ends its own painting on the printer it gets;
// it is called anew for every output.
class AnteprimaStampa : public QDialog
{
    Q_OBJECT

public:
    AnteprimaStampa(QWidget* parent, const QString& title, std::function<void(QPrinter&)> disegna);
    ~AnteprimaStampa() override;

    // File name proposed by "Salva PDF..." ("stampa.pdf" when empty).
    QString nomeFilePredefinito;
    // Folder proposed by "Salva PDF..." when no remembered folder exists
    // (the home folder when empty).
    QString cartellaPredefinita;

public slots:
    void zoomIn();
    void zoomOut();
    void stampa();
    void salvaPdf();

private:
    void setZoom(double z);
    void rigenera();

    std::function<void(QPrinter&)> disegna;
    double zoom = 1.0;
    QGraphicsView* vista = nullptr;
    QGraphicsScene* scena = nullptr;
    QLabel* etichettaZoom = nullptr;
};
