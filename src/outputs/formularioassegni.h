#pragma once

#include <QString>

// The yearly family-allowance form of the current company as one HTML page
// (landscape A4): per employee with children the allowances paid in each
// month (the year's figures, PagheAnno: estimated and marked only without a
// saved month), their total and the December detail of the children; one
// line for each employee left out.
namespace FormularioAssegni {

// The page of the year; false when the file was not completely written.
bool esportaHtml(const QString& percorso, int anno);

// The page itself.
QString html(int anno);

} // namespace FormularioAssegni
