#include "draws/EksportLosowan.h"

#include "model/Cp1250.h"
#include "model/Daty.h"
#include "model/ZapisAtomowy.h"

#include <algorithm>

namespace tarvomund {

namespace {

constexpr std::string_view KoniecLiniiEksportu = "\r\n";

} // namespace

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

bool ZapiszEksportLosowan(const TObGraLista& gra, const std::string& plik)
{
    return ZapiszPlikAtomowo(plik, Utf8DoCp1250(TekstLosowan(gra, KoniecLiniiEksportu)));
}

} // namespace tarvomund
