#include "wspolne/GrupyTestowe.h"

namespace tarvomund::testy {

TGraGrupy GraGrupy(double data, const std::string& nazwa, double koszt, double wygrana,
                   std::initializer_list<std::pair<int, double>> udzialy)
{
    TGraGrupy gra;
    gra.Data = data;
    gra.NazwaGry = nazwa;
    gra.Koszt = TWartoscExt::Z(koszt);
    gra.Wygrana = TWartoscExt::Z(wygrana);
    for (const auto& [miejsce, udzial] : udzialy) {
        gra.Uczestnicy.at(static_cast<std::size_t>(miejsce)).Gra = true;
        gra.Uczestnicy.at(static_cast<std::size_t>(miejsce)).Udzial = TWartoscExt::Z(udzial);
    }
    return gra;
}

TGrupa Grupa(std::initializer_list<std::string> nazwiska, std::initializer_list<TGraGrupy> gry)
{
    TGrupa grupa;
    std::size_t miejsce = 0;
    for (const std::string& nazwisko : nazwiska)
        grupa.Naglowek.Nazwiska.at(miejsce++) = nazwisko;
    grupa.Gry = gry;
    grupa.Naglowek.IleGier = static_cast<int32_t>(grupa.Gry.size());
    return grupa;
}

} // namespace tarvomund::testy
