#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QDoubleSpinBox;
class QSpinBox;

// "Parametri annuali AVS / SUVA / LPP": the contribution rates, ceilings and
// pension limits of one year, read from and saved into the yearly parameter
// tables (which refuse a closed year, log every change and keep a backup).
// The year box switches the parameter year of the whole program.
class DialogParametriCritici : public QDialog
{
    Q_OBJECT

public:
    // Without `senzaAvviso` the warning comes first and the opening is
    // written to the change log.
    DialogParametriCritici(QWidget* parent, bool senzaAvviso);

    bool modificato() const { return m_modificato; }

    // The change log in the default data folder.
    static QString percorsoLog();

public slots:
    void salva();
    void copia();
    void cambiaAnno(int anno);
    void reject() override;

private:
    bool salvaDati();
    void riempi();
    // Whether the box shows another value than riempi() put there.
    bool toccata(int casella) const;
    // The value a save writes for a box: as loaded while untouched, else as
    // typed.
    double valore(int casella) const;
    // What the loaded year's file could not read, for the user; empty when
    // it read cleanly.
    QString problemi() const;
    void avvisaProblemi();

    QSpinBox* spinAnno = nullptr;
    QList<QDoubleSpinBox*> caselle; // in the order of the window
    // Each box's value as loaded and as shown: a box still showing it was
    // not touched, and its loaded value is saved back as it is.
    QList<double> caricati;
    QList<double> mostrati;
    bool m_modificato = false;
    bool m_riempimento = false;
};
