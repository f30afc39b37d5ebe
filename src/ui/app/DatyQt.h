#pragma once

#include "model/Daty.h"

#include <QDate>

namespace tarvomund {

// Day counts since 30.12.1899 and the calendar dates of the date fields.
inline double DniZQDate(const QDate& data)
{
    return DniZDaty({data.year(), data.month(), data.day()});
}

inline QDate QDateZDni(double dni)
{
    const TDataKal data = DataZDni(dni);
    return QDate(data.Rok, data.Miesiac, data.Dzien);
}

} // namespace tarvomund
