#include "app/JezykPolski.h"
#include "app/Obrazki.h"
#include "app/TfrmGlowne.h"

#include <QApplication>
#include <QScreen>
#include <QSplashScreen>
#include <QTimer>

namespace {

constexpr int CzasEkranuPowitalnego = 3000;

} // namespace

using tarvomund::ObrazPowitalny;

int main(int argc, char** argv)
{
    tarvomund::UstawPolskiCzasSystemu();
    QApplication aplikacja(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvomund"));
    QApplication::setApplicationVersion(QStringLiteral("0.1"));
    QApplication::setWindowIcon(tarvomund::IkonaProgramu());
    tarvomund::UstawJezykPolski();

    // The splash stands before the main window exists and closes three seconds after it is made.
    QSplashScreen powitanie(ObrazPowitalny(), Qt::WindowStaysOnTopHint);
    powitanie.show();
    QApplication::processEvents();

    tarvomund::TfrmGlowne okno(QApplication::applicationDirPath());
    // Without a window manager a maximize request is ignored, so the window first takes the screen.
    okno.setGeometry(okno.screen()->availableGeometry());
    okno.showMaximized();
    powitanie.raise();
    QTimer::singleShot(CzasEkranuPowitalnego, &powitanie, [&powitanie, &okno] {
        powitanie.close();
        // Without games the workbench can do little: say so once the splash has gone.
        okno.OstrzezOBrakuGier();
    });
    return QApplication::exec();
}
