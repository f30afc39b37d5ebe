#include "draws/EksportLosowan.h"

#include "model/Daty.h"

#include <algorithm>

namespace tarvomund {

std::string TekstLosowan(const TObGraLista& gra, std::string_view konieclinii)
{
    std::string tekst = gra.Nazwa;
    tekst += konieclinii;
    tekst += konieclinii;
    const auto ile = static_cast<std::size_t>(std::clamp(gra.IleLosowanych, 0, MaxLiczbWLosowaniu));
    std::size_t numer = 0;
    for (const TObLos& los : gra.Losowania) {
        tekst += std::to_string(++numer);
        tekst += ". ";
        tekst += TekstDaty(los.Data);
        tekst += ' ';
        for (std::size_t i = 0; i < ile; ++i) {
            if (i > 0)
                tekst += ',';
            tekst += std::to_string(los.Liczby[i]);
        }
        tekst += konieclinii;
    }
    return tekst;
}

} // namespace tarvomund
