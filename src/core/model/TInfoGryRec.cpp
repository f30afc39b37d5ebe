#include "model/TInfoGryRec.h"

namespace tarvomund {

TInfoGryRec TInfoGryRec::DlaGry(const TObGraLista& gra)
{
    TInfoGryRec info;
    info.IdGry = gra.Id;
    info.KodGry = gra.KodGry;
    info.UstawGre(gra);
    info.UstawWlasneDomyslne();
    return info;
}

void TInfoGryRec::UstawGre(const TObGraLista& gra)
{
    Nazwa = gra.Nazwa;
    PlikGry = gra.Plik;
    MinSkreslen = gra.MinSkreslen;
    MaxSkreslen = gra.MaxSkreslen;
    NormSkreslen = gra.NormSkreslen;
    IleDodatkowych = gra.IleDodatkowych;
    IleLiczb = gra.IleLiczb;
    IleLosowanych = gra.IleLosowanych;
    IlePoziomo = gra.IlePoziomo;
    IlePionowo = gra.IlePionowo;
    Kierunek = gra.Kierunek;
    Pilkarski = gra.Pilkarski;
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
