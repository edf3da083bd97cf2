#pragma once

#include "dipendente.h"

#include <QMap>
#include <QString>
#include <QStringList>

class QWidget;

// The yearly documents of the menu "Chiusure di fine anno": each action asks
// the employees and the year, writes its files and reports how many were
// really written, naming every file that could not be.
namespace DocumentiAnnuali {

// The year of the documents, asked with the year picker: the previous year
// from January to March (when certificates are made), else the current one.
// 0 when cancelled.
int chiediAnno(QWidget* parent);

// The destination file of each chosen employee: a save dialog for one, a
// folder for several, with the overwrite questions. Empty: export nothing.
QMap<QString, QString> scegliDestinazioni(QWidget* parent, const QStringList& ids, const QString& titoloSalva,
                                          const QString& titoloCartella, const QString& filtro,
                                          const QString& suffisso);

// The monthly salary and the age a statement needs; asks for both when the
// record lacks them (for hourly pay only the age, when the record has no
// birth date). False (out-values untouched) when the user cancelled.
bool completaSalarioEta(QWidget* parent, const DatiDipendente& d, int anno, double& salario, int& eta);

void esportaCertificati(QWidget* parent);
void esportaCertificatiPdf(QWidget* parent);
void esportaRss(QWidget* parent);
void esportaRssPdf(QWidget* parent);
void esportaXmlElm(QWidget* parent, const QString& azienda);
void esportaFormularioAssegni(QWidget* parent);
void esportaConteggioCaf(QWidget* parent);

} // namespace DocumentiAnnuali
