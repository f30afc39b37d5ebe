#include "model/TInfoGryRec.h"

namespace tarvomund {

TInfoGryRec TInfoGryRec::DlaGry(const TObGraLista& gra)
{
    TInfoGryRec info;
    info.IdGry = gra.Id;
    info.KodGry = gra.KodGry;
    info.Nazwa = gra.Nazwa;
    info.PlikGry = gra.Plik;
    info.MinSkreslen = gra.MinSkreslen;
    info.MaxSkreslen = gra.MaxSkreslen;
    info.NormSkreslen = gra.NormSkreslen;
    info.IleDodatkowych = gra.IleDodatkowych;
    info.IleLiczb = gra.IleLiczb;
    info.IleLosowanych = gra.IleLosowanych;
    info.IlePoziomo = gra.IlePoziomo;
    info.IlePionowo = gra.IlePionowo;
    info.Kierunek = gra.Kierunek;
    info.Pilkarski = gra.Pilkarski;
    info.UstawWlasneDomyslne();
    return info;
}

void TInfoGryRec::UstawWlasneDomyslne()
{
    for (std::size_t i = 0; i < MaxLiczbSystemu; ++i) {
        Wlasne[0][i] = static_cast<uint8_t>(i + 1);
        Wlasne[1][i] = static_cast<uint8_t>(i + 1);
        Wlasne[2][i] = 0;
    }
}

} // namespace tarvomund
