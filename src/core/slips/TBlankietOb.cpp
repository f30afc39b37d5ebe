#include "slips/TBlankietOb.h"

#include "slips/SkalaBlankietu.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bitset>

namespace tarvomund {

namespace {

std::atomic<uint32_t> licznikPol{0};
std::atomic<uint32_t> licznikProwadnic{0};

// Sizes of a new field by kind (1..6), millimetres.
constexpr std::array<TRozmiaryPola, MaxRodzajPola> RozmiaryRodzajow{{
    {4.0, 2.3, 3.4, 1.0, 1.0},
    {2.3, 4.0, 1.0, 3.4, 1.0},
    {4.0, 4.0, 2.4, 2.4, 0.7},
    {4.0, 4.0, 3.4, 3.4, 1.0},
    {20.0, 4.0, 19.0, 3.0, 1.0},
    {4.0, 20.0, 3.0, 19.0, 1.0},
}};

template <typename T> bool UsunZListy(std::vector<std::unique_ptr<T>>& lista, const T* element)
{
    const auto it = std::find_if(lista.begin(), lista.end(), [element](const auto& e) { return e.get() == element; });
    if (it == lista.end())
        return false;
    lista.erase(it);
    return true;
}

} // namespace

uint32_t NowyIdPola()
{
    return ++licznikPol;
}

uint32_t NowyIdProwadnicy()
{
    return ++licznikProwadnic;
}

TRozmiaryPola RozmiaryDomyslne(uint8_t rodzaj)
{
    if (rodzaj < MinRodzajPola || rodzaj > MaxRodzajPola)
        rodzaj = MinRodzajPola;
    return RozmiaryRodzajow[rodzaj - MinRodzajPola];
}

TEdPole TEdPole::Nowe(uint8_t rodzaj, double x, double y)
{
    const TRozmiaryPola r = RozmiaryDomyslne(rodzaj);
    TEdPole pole;
    pole.Id = NowyIdPola();
    pole.Rodzaj = rodzaj;
    pole.SzerPola = r.SzerPola;
    pole.WysPola = r.WysPola;
    pole.SzerZaz = r.SzerZaz;
    pole.WysZaz = r.WysZaz;
    pole.Grubosc = r.Grubosc;
    pole.PozX = x;
    pole.PozY = y;
    return pole;
}

void TEdPole::PrzeliczPiksele(int skok)
{
    Piksele.Szer = MmNaPiksele(SzerPola, skok);
    Piksele.Wys = MmNaPiksele(WysPola, skok);
    Piksele.SzerZaz = MmNaPiksele(SzerZaz, skok);
    Piksele.WysZaz = MmNaPiksele(WysZaz, skok);
    Piksele.Lewy = MmNaPiksele(PozX, skok);
    Piksele.Gorny = MmNaPiksele(PozY, skok);
    Piksele.Pioro = GruboscKrzyzykaNaEkranie;
}

void TProwOb::PrzeliczPiksele(int skok)
{
    Poz = MmNaPiksele(PozMm, skok);
}

TEdPole& TBlankietOb::DodajPole(const TEdPole& pole)
{
    Pola.push_back(std::make_unique<TEdPole>(pole));
    return *Pola.back();
}

bool TBlankietOb::UsunPole(const TEdPole* pole)
{
    return UsunZListy(Pola, pole);
}

TProwOb& TBlankietOb::DodajProwadnice(uint8_t kier, double pozMm)
{
    auto prowadnica = std::make_unique<TProwOb>();
    prowadnica->Id = NowyIdProwadnicy();
    prowadnica->Kier = kier;
    prowadnica->PozMm = pozMm;
    Prowadnice.push_back(std::move(prowadnica));
    return *Prowadnice.back();
}

bool TBlankietOb::UsunProwadnice(const TProwOb* prowadnica)
{
    return UsunZListy(Prowadnice, prowadnica);
}

std::size_t TBlankietOb::IleProwadnic(uint8_t kier) const
{
    return static_cast<std::size_t>(
        std::count_if(Prowadnice.begin(), Prowadnice.end(), [kier](const auto& p) { return p->Kier == kier; }));
}

std::optional<uint8_t> TBlankietOb::WolnyNumerGrupy() const
{
    if (Grupy.size() >= MaxGrupBlankietu)
        return std::nullopt;
    std::bitset<256> zajete;
    for (const TGrupaOb& grupa : Grupy)
        zajete.set(grupa.Nr);
    for (std::size_t nr = 0; nr < zajete.size(); ++nr)
        if (!zajete.test(nr))
            return static_cast<uint8_t>(nr);
    return std::nullopt;
}

TGrupaOb* TBlankietOb::DodajGrupe(std::string nazwa, bool specjalna, bool zawsze, uint8_t pocz)
{
    const std::optional<uint8_t> nr = WolnyNumerGrupy();
    if (!nr)
        return nullptr;
    Grupy.push_back(TGrupaOb{std::move(nazwa), *nr, specjalna, zawsze, pocz});
    return &Grupy.back();
}

TGrupaOb* TBlankietOb::Grupa(uint8_t nr)
{
    const auto it = std::find_if(Grupy.begin(), Grupy.end(), [nr](const TGrupaOb& g) { return g.Nr == nr; });
    return it == Grupy.end() ? nullptr : &*it;
}

const TGrupaOb* TBlankietOb::Grupa(uint8_t nr) const
{
    return const_cast<TBlankietOb*>(this)->Grupa(nr);
}

const TEdPole* TBlankietOb::Pole(uint8_t nrGrupy, uint8_t nrPola) const
{
    for (const auto& pole : Pola)
        if (pole->NrGrupy == nrGrupy && pole->NrPola == nrPola)
            return pole.get();
    return nullptr;
}

void TBlankietOb::UsunPolaIGrupy()
{
    Pola.clear();
    Grupy.clear();
}

void TBlankietOb::UstawSkok(int skok)
{
    for (const auto& pole : Pola)
        pole->PrzeliczPiksele(skok);
    for (const auto& prowadnica : Prowadnice)
        prowadnica->PrzeliczPiksele(skok);
}

} // namespace tarvomund
