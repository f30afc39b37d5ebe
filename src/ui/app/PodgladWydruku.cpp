#include "app/PodgladWydruku.h"

#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"

#include <QPrintPreviewWidget>
#include <QPrinter>

namespace tarvomund {

QPrinter& DrukarkaProgramu()
{
    // Created on first use, when the application object exists, and kept for the whole run.
    static QPrinter* drukarka = new QPrinter(QPrinter::HighResolution);
    return *drukarka;
}

TfrmPodgladWydruku::TfrmPodgladWydruku(TZadanieWydruku zadanie, const QString& tytul, TMiedzyStronami miedzy,
                                       QWidget* rodzic)
    : QPrintPreviewDialog(&DrukarkaProgramu(), rodzic), zadanie_(std::move(zadanie)), miedzy_(std::move(miedzy))
{
    setWindowTitle(tytul);
    DrukarkaProgramu().setDocName(tytul);
    connect(this, &QPrintPreviewDialog::paintRequested, this, &TfrmPodgladWydruku::Maluj);
    resize(800, 900);
}

QPrintPreviewWidget* TfrmPodgladWydruku::Podglad() const
{
    return findChild<QPrintPreviewWidget*>();
}

int TfrmPodgladWydruku::Stron() const
{
    const QPrintPreviewWidget* podglad = Podglad();
    return podglad ? podglad->pageCount() : 0;
}

TWynikWydruku TfrmPodgladWydruku::Drukuj()
{
    Maluj(&DrukarkaProgramu());
    accept();
    return wynik_;
}

void TfrmPodgladWydruku::Maluj(QPrinter* drukarka)
{
    wynik_ = tarvomund::Drukuj(*drukarka, zadanie_, miedzy_);
}

bool DrukujZPodgladem(QWidget* rodzic, TZadanieWydruku zadanie, const QString& tytul, TMiedzyStronami miedzy)
{
    QPrinter& drukarka = DrukarkaProgramu();
    const QPageLayout::Orientation dotad = drukarka.pageLayout().orientation();
    if (const auto orientacja = OrientacjaWydruku(zadanie))
        drukarka.setPageOrientation(*orientacja);
    TfrmPodgladWydruku podglad(std::move(zadanie), tytul, std::move(miedzy), rodzic);
    const bool wydrukowano = podglad.exec() == QDialog::Accepted;
    drukarka.setPageOrientation(dotad);
    if (wydrukowano && podglad.Wynik().Blad == TBladWydruku::Urzadzenie)
        Komunikat(Tekst(TTekst::BladDrukarki), ObrazekStop, PrzyciskiOK, rodzic);
    return wydrukowano && podglad.Wynik().Blad == TBladWydruku::Brak;
}

void DrukujRaport(QWidget* rodzic, QStringList wiersze, const QFont& czcionka)
{
    DrukujZPodgladem(rodzic, TWydrukWierszy{std::move(wiersze), czcionka}, rodzic ? rodzic->windowTitle() : QString());
}

} // namespace tarvomund
