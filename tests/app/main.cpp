#include "app/JezykPolski.h"
#include "app/Uruchomienie.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Widget tests share one application object and never touch the user's real settings: the
// settings store points into a directory that lives as long as the run.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication aplikacja(argc, argv);
    // Polish, as the program runs, whatever the machine's language.
    tarvomund::UstawJezykPolski();
    tarvomund::ZaladujTlumaczeniaQt(aplikacja, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QTemporaryDir ustawienia;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ustawienia.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
