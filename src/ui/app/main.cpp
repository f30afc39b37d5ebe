#include "app/Obrazki.h"
#include "app/TJednaInstancja.h"
#include "app/TfrmGlowne.h"
#include "app/Uruchomienie.h"

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
    QCoreApplication::setApplicationName(QStringLiteral("Tarvomund"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVOMUND_WERSJA));
    if (tarvomund::PytanieOPomocLubWersje(argc, argv)) {
        QCoreApplication bezEkranu(argc, argv);
        const tarvomund::TMiejscaProgramu miejsca = tarvomund::MiejscaTegoProgramu();
        tarvomund::ZaladujTlumaczeniaQt(bezEkranu, tarvomund::KatalogTlumaczenQt(miejsca));
        tarvomund::PlikiZWierszaPolecen(bezEkranu);
        return 0;
    }

    QApplication aplikacja(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvomund"));
    QApplication::setWindowIcon(tarvomund::IkonaProgramu());

    const tarvomund::TMiejscaProgramu miejsca = tarvomund::MiejscaTegoProgramu();
    tarvomund::ZaladujTlumaczeniaQt(aplikacja, tarvomund::KatalogTlumaczenQt(miejsca));
    const QStringList pliki = tarvomund::PlikiZWierszaPolecen(aplikacja);

    // A workbench already running on these games takes the files and this start ends.
    using TWynik = tarvomund::TJednaInstancja::TWynik;
    tarvomund::TJednaInstancja instancja(
        tarvomund::TJednaInstancja::NazwaDla(tarvomund::TekstSciezki(miejsca.Dane())));
    switch (instancja.PrzekazLubZostan(pliki)) {
    case TWynik::Przekazano:
        return 0;
    case TWynik::BrakOdpowiedzi:
        qWarning("tarvomund: the running workbench does not answer");
        return 1;
    case TWynik::BrakInstancji:
        break;
    }
    tarvomund::PrzygotujDaneUzytkownika(miejsca);

    // The splash stands before the main window exists and closes three seconds after it is made.
    QSplashScreen powitanie(ObrazPowitalny(), Qt::WindowStaysOnTopHint);
    powitanie.show();
    QApplication::processEvents();

    tarvomund::TfrmGlowne okno(tarvomund::TekstSciezki(miejsca.Dane()),
                               tarvomund::TekstSciezki(miejsca.PlikPomocy()));
    QObject::connect(&instancja, &tarvomund::TJednaInstancja::OtrzymanoPliki, &okno,
                     &tarvomund::TfrmGlowne::PrzyjmijPliki);
    // Without a window manager a maximize request is ignored, so the window first takes the screen.
    okno.setGeometry(okno.screen()->availableGeometry());
    okno.showMaximized();
    powitanie.raise();
    QTimer::singleShot(CzasEkranuPowitalnego, &powitanie, &QWidget::close);
    // The files of the command line open once the window stands.
    QTimer::singleShot(0, &okno, [&okno, pliki] { okno.OtworzPliki(pliki); });
    return QApplication::exec();
}
