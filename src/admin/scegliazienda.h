#pragma once

#include <QDialog>
#include <QString>

class QListWidget;

// "Scegli Azienda": the company the program works on. Opening or creating a
// company stores its file name as the current company and accepts.
class ScegliAzienda : public QDialog
{
    Q_OBJECT

public:
    explicit ScegliAzienda(QWidget* parent = nullptr);

    // The file name of the company opened or created; empty before.
    QString aziendaSelezionata() const { return m_azienda; }

private slots:
    void nuovaAzienda();
    void apriAzienda();

private:
    void caricaLista();
    void scegli(const QString& nomeFile);

    QListWidget* lista = nullptr;
    QString m_azienda;
};
