#pragma once

#include <QDialog>

class QCheckBox;
class QListWidget;

// The saved salary certificates: list, show one, delete one, print the
// ticked ones as PDF sheets.
class GestioneCertificati : public QDialog
{
    Q_OBJECT

public:
    explicit GestioneCertificati(QWidget* parent = nullptr);

    // The menu entry: the window, or a message when no certificate is saved.
    static void apriGestione(QWidget* parent);

private:
    void selezionaTutti(int stato);
    void apri();
    void elimina();
    void esportaPdf();
    QString percorso(const QString& nome) const;

    QCheckBox* tutti = nullptr;
    QListWidget* lista = nullptr;
};
