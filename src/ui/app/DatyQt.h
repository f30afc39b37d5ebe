#pragma once

#include <QDate>
#include <QString>

namespace tarvomund {

// The program's dates (day counts since 30.12.1899) as the date fields and texts of the windows.
QDate DataQt(double dni);
double DniZDatyQt(const QDate& data);
// "dd.mm.yyyy"
QString TekstDatyQt(double dni);

} // namespace tarvomund
