#include "app/JezykPolski.h"

#include <QCoreApplication>
#include <QLocale>

namespace tarvomund {

void UstawPolskiCzasSystemu()
{
    qputenv("LC_TIME", "pl_PL.UTF-8");
}

void UstawJezykPolski()
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

} // namespace tarvomund
