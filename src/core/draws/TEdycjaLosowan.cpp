#include "draws/TEdycjaLosowan.h"

#include "model/Daty.h"
#include "model/PlikGry.h"

#include <algorithm>

namespace tarvomund {

std::string TEdycjaLosowan::Zakres() const
{
    if (gra_.Losowania.empty())
        return {};
    return TekstDaty(gra_.Losowania.front().Data) + " <--> " + TekstDaty(gra_.Losowania.back().Data);
}

std::size_t TEdycjaLosowan::Dodaj(const TObLos& los)
{
    gra_.Losowania.push_back(los);
    SortujLosowania(gra_.Losowania);
    zmieniono_ = true;
    // The new draw goes after the draws of its date (the sort is stable); find it from the back.
    for (std::size_t i = gra_.Losowania.size(); i-- > 0;)
        if (gra_.Losowania[i].Data == los.Data && gra_.Losowania[i].Liczby == los.Liczby)
            return i;
    return gra_.Losowania.size() - 1;
}

bool TEdycjaLosowan::Popraw(std::size_t indeks, const std::array<uint8_t, MaxLiczbWLosowaniu>& liczby)
{
    if (indeks >= gra_.Losowania.size())
        return false;
    gra_.Losowania[indeks].Liczby = liczby;
    zmieniono_ = true;
    return true;
}

std::size_t TEdycjaLosowan::Usun(std::size_t od, std::size_t do_)
{
    const std::size_t ile = gra_.Losowania.size();
    if (od >= ile || do_ < od)
        return 0;
    const std::size_t koniec = std::min(do_ + 1, ile);
    gra_.Losowania.erase(gra_.Losowania.begin() + static_cast<std::ptrdiff_t>(od),
                         gra_.Losowania.begin() + static_cast<std::ptrdiff_t>(koniec));
    zmieniono_ = true;
    return koniec - od;
}

TWynikImportu TEdycjaLosowan::Importuj(const TFormatowanie& formatowanie, const TUkladWiersza& uklad, bool nadpisuj,
                                       const TPominietyWiersz& pominiety)
{
    const TWynikImportu wynik = ImportujLosowania(gra_, formatowanie, uklad, nadpisuj, pominiety);
    if (wynik.Dopisane + wynik.Zastapione > 0)
        zmieniono_ = true;
    return wynik;
}

bool TEdycjaLosowan::Zatwierdz()
{
    if (!zmieniono_)
        return true;
    if (!ZapiszLosowania(gra_))
        return false;
    zmieniono_ = false;
    return true;
}

bool TEdycjaLosowan::Odrzuc()
{
    if (!zmieniono_)
        return true;
    if (!WczytajLosowania(gra_))
        return false;
    zmieniono_ = false;
    return true;
}

} // namespace tarvomund
