#include "app/DatyQt.h"

#include "model/Daty.h"

namespace tarvomund {

QDate DataQt(double dni)
{
    const TDataKal data = DataZDni(dni);
    return {data.Rok, data.Miesiac, data.Dzien};
}

double DniZDatyQt(const QDate& data)
{
    return DniZDaty({data.year(), data.month(), data.day()});
}

QString TekstDatyQt(double dni)
{
    return QString::fromStdString(TekstDaty(dni));
}

} // namespace tarvomund
