#include "draws/TFormatowanie.h"

#include "model/Cp1250.h"
#include "model/OdczytPliku.h"

#include <algorithm>

namespace tarvomund {

namespace {

constexpr std::string_view ZnacznikKolejnosciUtf8 = "\xEF\xBB\xBF";

bool JestCyfra(char c)
{
    return c >= '0' && c <= '9';
}

bool MaBajtyPowyzejAscii(std::string_view tekst)
{
    return std::any_of(tekst.begin(), tekst.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

} // namespace

TSeparatory Separatory(std::string_view znaki)
{
    TSeparatory wynik;
    for (char c : znaki)
        wynik.set(static_cast<unsigned char>(c));
    return wynik;
}

TSeparatory DomyslneSeparatory()
{
    constexpr char domyslne[] = {ZnakTab, ZnakSrednik, ZnakPrzecinek, ZnakSpacja};
    return Separatory(std::string_view(domyslne, sizeof domyslne));
}

int SzerokoscPola(bool jestData, bool numeracja)
{
    if (jestData)
        return SzerokoscPolaDaty;
    return numeracja ? SzerokoscPolaNumeru : SzerokoscPolaLiczby;
}

bool TFormatowanie::WczytajPlik(const std::string& plik)
{
    UstawTekst({});
    // Only a regular file: a pipe or a device would never end.
    TOdczytPliku we(plik);
    if (!we.Otwarty())
        return false;
    // A read error keeps nothing: the list is shown empty.
    std::optional<std::string> tekst = we.CzytajDo(0, MaxRozmiarTekstu);
    UstawTekst(tekst ? std::move(*tekst) : std::string());
    return true;
}

void TFormatowanie::UstawTekst(std::string tekst)
{
    if (tekst.size() > MaxRozmiarTekstu)
        tekst.resize(MaxRozmiarTekstu);
    if (std::string_view(tekst).starts_with(ZnacznikKolejnosciUtf8))
        tekst.erase(0, ZnacznikKolejnosciUtf8.size());
    if (MaBajtyPowyzejAscii(tekst) && CzyUtf8(tekst))
        tekst = Utf8DoCp1250(tekst);
    tekst_ = std::move(tekst);
    wiersze_.clear();
    std::size_t poczatek = 0;
    while (poczatek < tekst_.size()) {
        const std::size_t koniec = std::min(tekst_.find_first_of("\r\n", poczatek), tekst_.size());
        wiersze_.push_back({static_cast<uint32_t>(poczatek), static_cast<uint32_t>(koniec - poczatek)});
        poczatek = koniec + 1;
        if (koniec + 1 < tekst_.size() && tekst_[koniec] == '\r' && tekst_[koniec + 1] == '\n')
            ++poczatek;
    }
}

std::string_view TFormatowanie::Wiersz(std::size_t i) const
{
    if (i >= wiersze_.size())
        return {};
    return std::string_view(tekst_).substr(wiersze_[i].Poczatek, wiersze_[i].Dlugosc);
}

std::size_t TFormatowanie::PierwszyWiersz() const
{
    return wiersze_.empty() ? 0 : std::min(start_, wiersze_.size() - 1);
}

void TFormatowanie::UstawSzerokosc(int szerokosc)
{
    szerokosc_ = std::max(szerokosc, 1);
}

std::size_t TFormatowanie::IleSformatowanych() const
{
    return wiersze_.size() - PierwszyWiersz();
}

std::string TFormatowanie::Sformatowany(std::size_t i) const
{
    return Formatuj(Wiersz(PierwszyWiersz() + i));
}

std::string TFormatowanie::Formatuj(std::string_view wiersz) const
{
    // Whatever stands before the first digit (a title, a weekday, a bullet) is dropped.
    const auto cyfra = std::find_if(wiersz.begin(), wiersz.end(), JestCyfra);
    const std::string_view tekst = wiersz.substr(static_cast<std::size_t>(cyfra - wiersz.begin()));
    const auto szerokosc = static_cast<std::size_t>(szerokosc_);
    std::string wynik;
    std::string pole;
    pole.reserve(szerokosc);
    bool pomijaj = false;
    // One character; false once the line is as long as it may grow.
    const auto krok = [&](char c) {
        if (!separatory_.test(static_cast<unsigned char>(c))) {
            pomijaj = false;
            if (pole.size() < szerokosc)
                pole.push_back(c);
            return true;
        }
        if (pomijaj)
            return true;
        pole.resize(szerokosc, ' ');
        wynik += pole;
        pole.clear();
        pomijaj = jakoJeden_;
        return wynik.size() < MaxDlugoscSformatowanego;
    };
    for (char c : tekst)
        if (!krok(c))
            return wynik;
    // The space appended to every line closes its last field only when space is a separator.
    krok(ZnakSpacja);
    return wynik;
}

TFormatowanie::TZnaczniki TFormatowanie::Znaczniki() const
{
    TZnaczniki znaczniki;
    for (std::size_t poz = 0; poz < IleZnacznikow; poz += static_cast<std::size_t>(szerokosc_))
        znaczniki.set(poz);
    return znaczniki;
}

} // namespace tarvomund
