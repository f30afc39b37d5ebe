#include "tools/PlikKolekcji.h"

#include "model/Cp1250.h"
#include "model/OdczytPliku.h"
#include "model/ZapisAtomowy.h"

#include <algorithm>
#include <filesystem>

namespace tarvomund {

namespace {

constexpr std::string_view KoniecLinii = "\r\n";
constexpr char Wciecie = '\t';
constexpr std::string_view RozszerzenieLiczb = "k12";

} // namespace

int IkonaSerii(int indeks)
{
    return (std::max(indeks, 0) % IleIkonSerii) + 1;
}

int IkonaPoziomu(int poziom)
{
    if (poziom <= 0)
        return IkonaKopii;
    return poziom == 1 ? IkonaSeriiZPliku : IkonaPunktu;
}

std::string TekstDrzewaKolekcji(const TDrzewoKolekcji& drzewo)
{
    std::string tekst;
    for (const TPozycjaKolekcji& pozycja : drzewo) {
        tekst.append(static_cast<std::size_t>(std::max(pozycja.Poziom, 0)), Wciecie);
        std::string linia = Utf8DoCp1250(pozycja.Tekst);
        std::replace_if(linia.begin(), linia.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        tekst += linia;
        tekst += KoniecLinii;
    }
    return tekst;
}

TDrzewoKolekcji CzytajDrzewoKolekcji(std::string_view tekst)
{
    TDrzewoKolekcji drzewo;
    std::size_t poczatek = 0;
    while (poczatek < tekst.size()) {
        std::size_t koniec = tekst.find('\n', poczatek);
        if (koniec == std::string_view::npos)
            koniec = tekst.size();
        std::string_view linia = tekst.substr(poczatek, koniec - poczatek);
        poczatek = koniec + 1;
        if (!linia.empty() && linia.back() == '\r')
            linia.remove_suffix(1);
        if (linia.empty())
            continue;
        const std::size_t wciec = std::min(linia.find_first_not_of(Wciecie), linia.size());
        // The first entry is always top level; any other hangs at most one level below its predecessor.
        const int najglebiej = drzewo.empty() ? 0 : drzewo.back().Poziom + 1;
        const int poziom = static_cast<int>(std::min<std::size_t>(wciec, static_cast<std::size_t>(najglebiej)));
        drzewo.push_back({Cp1250DoUtf8(linia.substr(wciec)), poziom, IkonaPoziomu(poziom)});
    }
    return drzewo;
}

bool ZapiszDrzewoKolekcji(const std::string& plik, const TDrzewoKolekcji& drzewo)
{
    return ZapiszPlikAtomowo(plik, TekstDrzewaKolekcji(drzewo));
}

std::optional<TDrzewoKolekcji> WczytajDrzewoKolekcji(const std::string& plik)
{
    const std::optional<std::string> tekst = CzytajPlikRegularny(plik, MaxRozmiarDrzewaKolekcji);
    if (!tekst)
        return std::nullopt;
    return CzytajDrzewoKolekcji(*tekst);
}

std::string BajtyLiczbKolekcji(const std::vector<TLiczbaKolekcji>& liczby)
{
    std::string bajty;
    bajty.reserve(liczby.size() * 2);
    for (const TLiczbaKolekcji& liczba : liczby) {
        bajty += static_cast<char>(liczba.Numer);
        bajty += static_cast<char>(liczba.Zaznaczony ? 1 : 0);
    }
    return bajty;
}

std::vector<TLiczbaKolekcji> CzytajLiczbyKolekcji(std::string_view bajty)
{
    std::vector<TLiczbaKolekcji> liczby;
    liczby.reserve(bajty.size() / 2);
    for (std::size_t i = 0; i + 1 < bajty.size(); i += 2)
        liczby.push_back({static_cast<uint8_t>(bajty[i]), bajty[i + 1] != 0});
    return liczby;
}

bool ZapiszLiczbyKolekcji(const std::string& plik, const std::vector<TLiczbaKolekcji>& liczby)
{
    return ZapiszPlikAtomowo(plik, BajtyLiczbKolekcji(liczby));
}

std::vector<TLiczbaKolekcji> WczytajLiczbyKolekcji(const std::string& plik)
{
    const std::optional<std::string> bajty = CzytajPlikRegularny(plik, MaxRozmiarLiczbKolekcji);
    return bajty ? CzytajLiczbyKolekcji(*bajty) : std::vector<TLiczbaKolekcji>{};
}

std::string PlikLiczbKolekcji(const std::string& plikDrzewa)
{
    const std::size_t poczatekNazwy = plikDrzewa.find_last_of(std::filesystem::path::preferred_separator);
    const std::size_t kropka = plikDrzewa.rfind('.');
    const bool maRozszerzenie =
        kropka != std::string::npos && (poczatekNazwy == std::string::npos || kropka > poczatekNazwy);
    const std::string bezRozszerzenia = maRozszerzenie ? plikDrzewa.substr(0, kropka) : plikDrzewa;
    return bezRozszerzenia + '.' + std::string(RozszerzenieLiczb);
}

} // namespace tarvomund
