#include "model/UstawieniaIni.h"

#include "model/OdczytPliku.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <optional>

namespace tarvomund {

namespace {

std::string_view Przytnij(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

void Liczba(std::string_view tekst, int32_t& pole, TZakresUstawienia zakres)
{
    int32_t wartosc = 0;
    const auto [koniec, ec] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), wartosc);
    if (ec == std::errc() && koniec == tekst.data() + tekst.size() && zakres.Zawiera(wartosc))
        pole = wartosc;
}

void Logiczna(std::string_view tekst, bool& pole)
{
    std::string male(tekst);
    std::transform(male.begin(), male.end(), male.begin(), [](unsigned char c) { return std::tolower(c); });
    if (male == "true" || male == "1")
        pole = true;
    else if (male == "false" || male == "0")
        pole = false;
}

} // namespace

TParametry RozbierzUstawieniaIni(std::string_view tekst)
{
    TParametry p;
    std::string sekcja;
    while (!tekst.empty()) {
        const std::size_t koniec = std::min(tekst.find('\n'), tekst.size());
        const std::string_view linia = Przytnij(tekst.substr(0, koniec));
        tekst.remove_prefix(std::min(koniec + 1, tekst.size()));
        if (linia.size() >= 2 && linia.front() == '[' && linia.back() == ']') {
            sekcja = std::string(linia.substr(1, linia.size() - 2));
            continue;
        }
        const std::size_t rowna = linia.find('=');
        if (rowna == std::string_view::npos)
            continue;
        const std::string_view klucz = Przytnij(linia.substr(0, rowna));
        const std::string_view wartosc = Przytnij(linia.substr(rowna + 1));
        if (sekcja == "STATYSTYKA") {
            if (klucz == "Spin1")
                Liczba(wartosc, p.Spin1, ZakresSpin1);
            else if (klucz == "CBox1")
                Logiczna(wartosc, p.CBox1);
            else if (klucz == "Spin11")
                Liczba(wartosc, p.Spin11, ZakresSpin11);
        } else if (sekcja == "GWARANCJA") {
            if (klucz == "IleNad")
                Liczba(wartosc, p.IleNad, ZakresIleNad);
            else if (klucz == "IlePod")
                Liczba(wartosc, p.IlePod, ZakresIlePod);
            else if (klucz == "MinMax")
                Logiczna(wartosc, p.MinMax);
        }
    }
    return p;
}

TParametry CzytajUstawieniaIni(const std::string& plik)
{
    const std::optional<std::string> tekst = CzytajPlikRegularny(plik, MaxRozmiarUstawien);
    return tekst ? RozbierzUstawieniaIni(*tekst) : TParametry{};
}

std::string DomyslnyPlikUstawienIni()
{
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return std::string(xdg) + "/Quorbane.ini";
    const char* dom = std::getenv("HOME");
    return std::string(dom ? dom : ".") + "/.config/Quorbane.ini";
}

} // namespace tarvomund
