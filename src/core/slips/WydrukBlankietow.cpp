#include "slips/WydrukBlankietow.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace tarvomund {

namespace {

// A pool bet stores one sign code per match; a football slip has three fields per match.
constexpr int ZnakowNaMecz = 3;
constexpr uint8_t MaxKodZnaku = 3;

// Whole millimetres as the preview draws them; values beyond the int range are held at its ends.
int Zaokraglij(double mm)
{
    const double r = std::nearbyint(mm);
    if (!(r > std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (!(r < std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(r);
}

std::map<uint8_t, int> PolaGrup(const TBlankietOb& blankiet)
{
    std::map<uint8_t, int> ile;
    for (const auto& pole : blankiet.Pola)
        ++ile[pole->NrGrupy];
    return ile;
}

constexpr std::size_t IleNumerow = 256;

void DodajZnak(std::vector<TZnakBlankietu>& znaki, const TIndeksPol& indeks, uint8_t nrGrupy, int nrPola,
               const std::string& tekst)
{
    if (const TEdPole* pole = indeks.Pole(nrGrupy, nrPola))
        znaki.push_back({pole, tekst});
}

} // namespace

TIndeksPol::TIndeksPol(const TBlankietOb& blankiet) : pola_(IleNumerow * IleNumerow, nullptr)
{
    for (const auto& pole : blankiet.Pola) {
        const TEdPole*& miejsce = pola_[pole->NrGrupy * IleNumerow + pole->NrPola];
        if (!miejsce)
            miejsce = pole.get();
    }
}

const TEdPole* TIndeksPol::Pole(uint8_t nrGrupy, int nrPola) const
{
    if (nrPola < 0 || nrPola >= static_cast<int>(IleNumerow))
        return nullptr;
    return pola_[nrGrupy * IleNumerow + static_cast<std::size_t>(nrPola)];
}

TPoleNaStronie PolozPole(const TEdPole& pole, double wysBlankietu, const TPolozenieBlankietu& p)
{
    TPoleNaStronie wynik;
    if (p.Obrot) {
        wynik.Pole = {p.PrzesX + pole.PozX, p.PrzesY + pole.PozY, pole.SzerPola, pole.WysPola};
        wynik.Zaznaczenie = {p.PrzesX + pole.PozX + (pole.SzerPola - pole.SzerZaz) / 2,
                             p.PrzesY + pole.PozY + (pole.WysPola - pole.WysZaz) / 2, pole.SzerZaz, pole.WysZaz};
    } else {
        // A quarter turn clockwise: the slip's y runs right to left across the page, its x down.
        wynik.Pole = {p.PrzesX + wysBlankietu - pole.PozY - pole.WysPola, p.PrzesY + pole.PozX, pole.WysPola,
                      pole.SzerPola};
        wynik.Zaznaczenie = {p.PrzesX + wysBlankietu - pole.PozY - (pole.WysPola + pole.WysZaz) / 2,
                             p.PrzesY + pole.PozX + (pole.SzerPola - pole.SzerZaz) / 2, pole.WysZaz, pole.SzerZaz};
    }
    return wynik;
}

TProstokatMm ObrysBlankietu(double szer, double wys, const TPolozenieBlankietu& p)
{
    if (p.Obrot)
        return {p.PrzesX, p.PrzesY, szer, wys};
    return {p.PrzesX, p.PrzesY, wys, szer};
}

TUkladDruku UkladDruku(const TBlankietOb& blankiet)
{
    TUkladDruku uklad;
    const std::map<uint8_t, int> ilePol = PolaGrup(blankiet);
    for (const TGrupaOb& grupa : blankiet.Grupy) {
        if (!grupa.Specjalna) {
            uklad.GrupyZakladow.push_back(grupa.Nr);
            continue;
        }
        const auto it = ilePol.find(grupa.Nr);
        if (it != ilePol.end())
            uklad.Opcje.push_back({grupa.Nr, grupa.Nazwa, it->second, grupa.Pocz, grupa.Zawsze});
    }
    for (const auto& pole : blankiet.Pola) {
        const TGrupaOb* grupa = blankiet.Grupa(pole->NrGrupy);
        if (grupa && !grupa->Specjalna)
            uklad.NajwiekszyNrPola = std::max<int>(uklad.NajwiekszyNrPola, pole->NrPola);
    }
    return uklad;
}

int32_t IleBlankietow(int32_t zakladow, std::size_t zakladowNaBlankiecie)
{
    if (zakladowNaBlankiecie == 0 || zakladow <= 0)
        return 0;
    const auto naBlankiecie = static_cast<int64_t>(zakladowNaBlankiecie);
    return static_cast<int32_t>((static_cast<int64_t>(zakladow) + naBlankiecie - 1) / naBlankiecie);
}

TZakresBlankietow ZakresDruku(int32_t od, int32_t doBl, int32_t ileBlankietow)
{
    od = std::max(od, 1);
    doBl = std::max(doBl, 1);
    if (od > doBl)
        std::swap(od, doBl);
    return {od, std::min(doBl, ileBlankietow)};
}

std::vector<TOpcjaDruku> OpcjeDomyslne(const TUkladDruku& uklad)
{
    std::vector<TOpcjaDruku> opcje;
    for (const TGrupaOpcji& o : uklad.Opcje)
        opcje.push_back({o.Nr, o.Zawsze, o.Pocz});
    return opcje;
}

std::string EtykietaBlankietu(int32_t nrBlankietu, int32_t nrZakladu)
{
    return "Bl." + std::to_string(nrBlankietu) + " Zakl." + std::to_string(nrZakladu);
}

std::vector<TZnakBlankietu> ZnakiBlankietu(const TBlankietOb& blankiet, const TIndeksPol& indeks,
                                           const TUkladDruku& uklad, const std::vector<TOpcjaDruku>& opcje, int32_t nrBlankietu,
                                           int32_t pierwszyZaklad, const std::vector<std::vector<uint8_t>>& zaklady,
                                           const TTablicaLiczb& wlasne)
{
    std::vector<TZnakBlankietu> znaki;
    const std::string etykieta = EtykietaBlankietu(nrBlankietu, pierwszyZaklad);
    for (const TOpcjaDruku& opcja : opcje) {
        if (!opcja.Zaznaczona)
            continue;
        const auto grupa = std::find_if(uklad.Opcje.begin(), uklad.Opcje.end(),
                                        [&](const TGrupaOpcji& o) { return o.Nr == opcja.NrGrupy; });
        if (grupa == uklad.Opcje.end())
            continue;
        const int nrPola = grupa->IlePol >= 2 ? opcja.Wartosc - grupa->Pocz + 1 : 1;
        DodajZnak(znaki, indeks, opcja.NrGrupy, nrPola, etykieta);
    }
    int32_t nrZakladu = pierwszyZaklad;
    for (std::size_t i = 0; i < zaklady.size() && i < uklad.GrupyZakladow.size(); ++i, ++nrZakladu) {
        const uint8_t grupa = uklad.GrupyZakladow[i];
        const std::string tekst = EtykietaBlankietu(nrBlankietu, nrZakladu);
        const std::vector<uint8_t>& zaklad = zaklady[i];
        for (std::size_t pozycja = 0; pozycja < zaklad.size(); ++pozycja) {
            const uint8_t v = zaklad[pozycja];
            if (blankiet.Pilkarski) {
                if (v >= 1 && v <= MaxKodZnaku)
                    DodajZnak(znaki, indeks, grupa, ZnakowNaMecz * static_cast<int>(pozycja) + v, tekst);
            } else if (v >= 1 && v <= MaxLiczbSystemu) {
                DodajZnak(znaki, indeks, grupa, wlasne[v - 1], tekst);
            }
        }
    }
    return znaki;
}

std::vector<TZnakBlankietu> ZnakiTestu(const TBlankietOb& blankiet)
{
    const TIndeksPol indeks(blankiet);
    std::vector<TZnakBlankietu> znaki;
    for (const TGrupaOb& grupa : blankiet.Grupy)
        for (const auto& pole : blankiet.Pola)
            if (pole->NrGrupy == grupa.Nr)
                DodajZnak(znaki, indeks, grupa.Nr, pole->NrPola, TekstTestuBlankietu);
    return znaki;
}

TDrukBlankietow::TDrukBlankietow(const TBlankietOb& blankiet, const std::string& plikSystemu,
                                 std::vector<TOpcjaDruku> opcje, int32_t od, int32_t doBl)
    : blankiet_(blankiet), indeks_(blankiet), uklad_(UkladDruku(blankiet)), opcje_(std::move(opcje)),
      czytnik_(std::make_unique<TCzytnikSystemu>(plikSystemu))
{
    if (!czytnik_->Otwarty()) {
        blad_ = TBladDrukuBlankietow::BrakSystemu;
        return;
    }
    if (uklad_.GrupyZakladow.empty()) {
        blad_ = TBladDrukuBlankietow::BrakGrupZakladow;
        return;
    }
    const TInfoGryRec& info = czytnik_->Naglowek().Info;
    if (uklad_.NajwiekszyNrPola < info.IleLiczb) {
        blad_ = TBladDrukuBlankietow::ZaMaloPol;
        return;
    }
    ileBlankietow_ = IleBlankietow(info.Zakladow, uklad_.ZakladowNaBlankiecie());
    zakres_ = ZakresDruku(od, doBl, ileBlankietow_);
    biezacy_ = zakres_.Od;
}

TDrukBlankietow::~TDrukBlankietow() = default;

std::optional<TStronaBlankietu> TDrukBlankietow::Nastepna()
{
    if (blad_ != TBladDrukuBlankietow::Brak || biezacy_ > zakres_.Do)
        return std::nullopt;
    const auto naBlankiecie = static_cast<int32_t>(uklad_.ZakladowNaBlankiecie());
    TStronaBlankietu strona;
    strona.NrBlankietu = biezacy_++;
    strona.PierwszyZaklad = (strona.NrBlankietu - 1) * naBlankiecie + 1;
    const TNaglowekSystemu& naglowek = czytnik_->Naglowek();
    const auto rekord = static_cast<std::size_t>(naglowek.RozmiarRekordu);
    std::vector<std::vector<uint8_t>> zaklady;
    for (const auto& z : czytnik_->Zaklady(strona.PierwszyZaklad, naBlankiecie))
        zaklady.emplace_back(z.begin(), z.begin() + static_cast<std::ptrdiff_t>(rekord));
    strona.IleZakladow = static_cast<int>(zaklady.size());
    strona.Znaki = ZnakiBlankietu(blankiet_, indeks_, uklad_, opcje_, strona.NrBlankietu, strona.PierwszyZaklad, zaklady,
                                  naglowek.Info.Wlasne[1]);
    return strona;
}

std::vector<TEkranOb> EkranyGrup(const TBlankietOb& blankiet, const TPolozenieBlankietu& polozenie)
{
    const TPolozenieBlankietu bezPrzesuniecia{0, 0, polozenie.Obrot};
    const int dx = Zaokraglij(polozenie.PrzesX);
    const int dy = Zaokraglij(polozenie.PrzesY);
    std::vector<TEkranOb> ekrany;
    for (const TGrupaOb& grupa : blankiet.Grupy) {
        std::optional<TProstokatMm> obszar;
        for (const auto& pole : blankiet.Pola) {
            if (pole->NrGrupy != grupa.Nr)
                continue;
            const TProstokatMm p = PolozPole(*pole, blankiet.Wys, bezPrzesuniecia).Pole;
            if (!obszar) {
                obszar = p;
                continue;
            }
            const double prawy = std::max(obszar->Prawy(), p.Prawy());
            const double dolny = std::max(obszar->Dolny(), p.Dolny());
            obszar->Lewy = std::min(obszar->Lewy, p.Lewy);
            obszar->Gorny = std::min(obszar->Gorny, p.Gorny);
            obszar->Szer = prawy - obszar->Lewy;
            obszar->Wys = dolny - obszar->Gorny;
        }
        if (!obszar)
            continue;
        ekrany.push_back({grupa.Nr, grupa.Specjalna, Zaokraglij(obszar->Lewy) + dx, Zaokraglij(obszar->Gorny) + dy,
                          Zaokraglij(obszar->Prawy()) + dx, Zaokraglij(obszar->Dolny()) + dy});
    }
    return ekrany;
}

} // namespace tarvomund
