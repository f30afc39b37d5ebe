#include "app/JezykPolski.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tarvomund {

namespace {

constexpr const char* NazwaTlumacza = "tlumaczenieQtPl";

} // namespace

void UstawPolskiCzasSystemu()
{
    qputenv("LC_TIME", "pl_PL.UTF-8");
}

bool UstawJezykPolski()
{
    const QLocale polski(QLocale::Polish, QLocale::Poland);
    QLocale::setDefault(polski);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    auto* aplikacja = QCoreApplication::instance();
    if (!aplikacja)
        return false;
    if (aplikacja->findChild<QTranslator*>(QLatin1String(NazwaTlumacza), Qt::FindDirectChildrenOnly))
        return true;

    // "qt" gathers the toolkit's modules (the widgets' texts live in "qtbase"); either will do.
    const QString katalog = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* tlumacz = new QTranslator(aplikacja);
    tlumacz->setObjectName(QLatin1String(NazwaTlumacza));
    for (const char* nazwa : {"qt", "qtbase"}) {
        if (tlumacz->load(polski, QLatin1String(nazwa), QStringLiteral("_"), katalog)) {
            QCoreApplication::installTranslator(tlumacz);
            return true;
        }
    }
    delete tlumacz;
    return false;
}

} // namespace tarvomund
