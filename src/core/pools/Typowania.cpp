#include "pools/Typowania.h"

#include "model/PlikSystemu.h"

#include <algorithm>

namespace tarvomund {

namespace {

// The sign order of every typing is the order in which the full method runs through it.
constexpr std::array<std::string_view, IlePrzyciskowTypow> TekstyPrzyciskow{
    "1", "2", "x", "1x", "x1", "12", "21", "x2", "2x", "1x2", "12x", "x12", "x21", "21x", "2x1", "",
};

} // namespace

std::string_view TekstPrzyciskuTypu(int tag)
{
    if (tag < 1 || tag > IlePrzyciskowTypow)
        return {};
    return TekstyPrzyciskow[static_cast<std::size_t>(tag - 1)];
}

bool PoprawneTypowanie(std::string_view typy)
{
    return std::find(TekstyPrzyciskow.begin(), TekstyPrzyciskow.end(), typy) != TekstyPrzyciskow.end();
}

uint8_t KodZnaku(char znak)
{
    switch (znak) {
    case '1':
        return Kod1;
    case 'x':
        return KodX;
    case '2':
        return Kod2;
    default:
        return KodBrak;
    }
}

char ZnakKodu(uint8_t kod)
{
    return kod == Kod1 ? '1' : (kod == Kod2 ? '2' : 'x');
}

int64_t IleKombinacjiTypow(const TTypy& typy, int k)
{
    int64_t ile = 1;
    const auto ileWierszy = std::min(typy.size(), static_cast<std::size_t>(std::max(k, 0)));
    for (std::size_t m = 0; m < ileWierszy; ++m) {
        if (typy[m].size() == 2)
            ile *= 2;
        else if (typy[m].size() == 3)
            ile *= 3;
    }
    return ile;
}

std::vector<TTypowanie> TypowaniaZTypow(const TTypy& typy, int k)
{
    std::vector<TTypowanie> typowania;
    const auto ileWierszy =
        std::min(typy.size(), static_cast<std::size_t>(std::clamp(k, 0, MaxLiczbSystemu)));
    for (std::size_t m = 0; m < ileWierszy; ++m)
        if (!typy[m].empty())
            typowania.emplace_back(typy[m], static_cast<uint8_t>(m + 1));
    return typowania;
}

std::array<TTablicaLiczb, 3> BlokTypowan(const std::vector<TTypowanie>& typowania)
{
    std::array<TTablicaLiczb, 3> blok{};
    for (const TTypowanie& t : typowania) {
        if (t.Mecz < 1 || t.Mecz > MaxLiczbSystemu)
            continue;
        for (std::size_t s = 0; s < t.Typy.size() && s < blok.size(); ++s)
            blok[s][t.Mecz - 1u] = KodZnaku(t.Typy[s]);
    }
    return blok;
}

TTypy TypyZBloku(const std::array<TTablicaLiczb, 3>& blok, int k)
{
    TTypy typy;
    for (int m = 0; m < std::clamp(k, 0, MaxLiczbSystemu); ++m) {
        std::string tekst;
        for (const TTablicaLiczb& tablica : blok) {
            const uint8_t kod = tablica[static_cast<std::size_t>(m)];
            // A damaged block may hold other values or repeat a sign: only a new known sign counts.
            if (kod >= Kod1 && kod <= Kod2 && tekst.find(ZnakKodu(kod)) == std::string::npos)
                tekst += ZnakKodu(kod);
        }
        typy.push_back(std::move(tekst));
    }
    return typy;
}

bool BlokPusty(const std::array<TTablicaLiczb, 3>& blok, int k)
{
    for (const std::string& typ : TypyZBloku(blok, k))
        if (!typ.empty())
            return false;
    return true;
}

namespace {

// Which of the signs 1, x, 2 the bets use at each match.
class TUzyteZnaki {
public:
    explicit TUzyteZnaki(int k) : uzyte_(static_cast<std::size_t>(std::clamp(k, 0, MaxLiczbSystemu))) {}

    void Dodaj(const uint8_t* zaklad)
    {
        for (std::size_t m = 0; m < uzyte_.size(); ++m)
            if (zaklad[m] >= Kod1 && zaklad[m] <= Kod2)
                uzyte_[m][zaklad[m]] = true;
    }

    TTypy Typy() const
    {
        TTypy typy;
        for (const auto& znaki : uzyte_) {
            std::string tekst;
            for (uint8_t kod = Kod1; kod <= Kod2; ++kod)
                if (znaki[kod])
                    tekst += ZnakKodu(kod);
            typy.push_back(std::move(tekst));
        }
        return typy;
    }

private:
    std::vector<std::array<bool, IleZnakow + 1>> uzyte_;
};

} // namespace

TTypy TypyZZakladow(const std::vector<TZaklad>& zaklady, int k)
{
    TUzyteZnaki uzyte(k);
    for (const TZaklad& z : zaklady)
        uzyte.Dodaj(z.data());
    return uzyte.Typy();
}

std::optional<TTypy> TypyPlikuSystemu(const std::string& plik)
{
    TCzytnikSystemu czytnik(plik);
    if (!czytnik.Otwarty())
        return std::nullopt;
    const TInfoGryRec& info = czytnik.Naglowek().Info;
    if (!BlokPusty(info.Wlasne, info.k))
        return TypyZBloku(info.Wlasne, info.k);
    // The bets are read a slice at a time: a full system of thirteen matches has 1.6 million.
    constexpr int32_t Porcja = 4096;
    TUzyteZnaki uzyte(info.k);
    for (int32_t od = 1; od <= info.Zakladow; od += Porcja) {
        const auto zaklady = czytnik.Zaklady(od, Porcja);
        if (zaklady.empty())
            return std::nullopt;
        for (const auto& zaklad : zaklady)
            uzyte.Dodaj(zaklad.data());
    }
    return uzyte.Typy();
}

std::vector<TTypowanie> TypowaniaWielokrotne(const std::vector<TTypowanie>& typowania)
{
    std::vector<TTypowanie> wielokrotne;
    for (const TTypowanie& t : typowania)
        if (t.IleTypow > 1)
            wielokrotne.push_back(t);
    return wielokrotne;
}

TInfoGryRec NoweInfoSystemuPilkarskiego(int k, int32_t zakladow, int32_t metoda)
{
    TInfoGryRec info;
    info.IdGry = KodSystemuPilkarskiego;
    info.KodGry = KodSystemuPilkarskiego;
    info.Nazwa = NazwaSystemuPilkarskiego;
    info.n = 0;
    info.k = k;
    info.Zakladow = zakladow;
    info.Metoda = metoda;
    info.Gwarancja = 0;
    info.MaxSkreslen = MaxMeczow;
    info.Kierunek = false;
    info.Pilkarski = 1;
    return info;
}

} // namespace tarvomund
