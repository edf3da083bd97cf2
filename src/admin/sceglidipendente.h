#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// Choice of one employee (single mode) or of several (multiple mode, with a
// check box per row) of the current company. Returns employee ids: the file
// names of the employee records.
class ScegliDipendente : public QDialog
{
    Q_OBJECT

public:
    // `soloInForza` is handed to the employee store, which lists every
    // employee either way: ceased ones are shown as "Cessato", those whose
    // employment is still to start as "Entrata futura". `istruzioni`
    // says what the choice is for; empty: the export's wording (multiple
    // mode) or the plain search (single mode).
    ScegliDipendente(QWidget* parent, bool soloInForza, bool multi, const QString& istruzioni = QString());

    // Single mode: the chosen employee; multiple mode: the first checked one.
    QString idSelezionato() const;
    // Single mode: the one chosen id; multiple mode: every checked id in row order.
    QStringList idsSelezionati() const;

public slots:
    void filtra(const QString& testo);
    void conferma();
    void toggleSelezionaTutti();

private:
    void caricaLista();
    void doppioClic(int riga, int colonna);
    int colonnaAVS() const { return multi ? 1 : 0; }

    bool multi;
    QStringList ids;
    QString scelto;
    QStringList scelti;

    QLineEdit* cerca = nullptr;
    QTableWidget* tabella = nullptr;
    QPushButton* selezionaTutti = nullptr;
};
