#include "group/OknaGrupy.h"

#include "app/TfrmGlowne.h"
#include "group/TfrmGrupa00.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <memory>

namespace tarvomund {

namespace {

void Dodaj(TfrmGlowne& glowne, QWidget* okno)
{
    glowne.Obszar()->setActiveSubWindow(glowne.DodajOkno(okno));
    glowne.OdswiezPolecenia();
}

std::unique_ptr<TfrmGrupa00> OknoGrupy(TfrmGlowne& glowne)
{
    auto okno = std::make_unique<TfrmGrupa00>(glowne.Katalog(), glowne.KatalogDane());
    // Settlements are document windows of the main window too.
    okno->UstawDodawanieOkien([&glowne](QWidget* rozliczenie) { Dodaj(glowne, rozliczenie); });
    return okno;
}

} // namespace

TfrmGrupa00* NowaGrupa(TfrmGlowne& glowne)
{
    auto okno = OknoGrupy(glowne);
    if (!okno->UtworzNowa(glowne.NastepnyNumerOkna()))
        return nullptr;
    TfrmGrupa00* grupa = okno.release();
    Dodaj(glowne, grupa);
    return grupa;
}

TfrmGrupa00* OtworzGrupe(TfrmGlowne& glowne, const QString& plik)
{
    auto okno = OknoGrupy(glowne);
    if (!okno->Otworz(plik))
        return nullptr;
    TfrmGrupa00* grupa = okno.release();
    Dodaj(glowne, grupa);
    return grupa;
}

} // namespace tarvomund
