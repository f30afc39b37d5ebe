#include "group/TekstyGrupy.h"

#include "model/Daty.h"
#include "model/Wspolne.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

namespace tarvomund {

namespace {

constexpr int SzerokoscKwoty = 11;
constexpr int SzerokoscUdzialu = 6;

// The digits of |kwota| in hundredths, rounded half away from zero on the shortest decimal form of
// the value, so 308,625 shows as 308,63 and 2,675 as 2,68, as a user who typed them expects.
std::string Setne(double kwota)
{
    char bufor[512];
    const auto [koniec, blad] = std::to_chars(bufor, bufor + sizeof bufor, std::fabs(kwota), std::chars_format::fixed);
    std::string tekst(bufor, blad == std::errc() ? koniec : bufor);
    const std::size_t kropka = tekst.find('.');
    std::string calosci = tekst.substr(0, kropka);
    std::string ulamek = kropka == std::string::npos ? std::string() : tekst.substr(kropka + 1);
    ulamek.resize(std::max<std::size_t>(ulamek.size(), 3), '0');
    std::string cyfry = calosci + ulamek.substr(0, 2);
    if (ulamek[2] >= '5') {
        std::size_t i = cyfry.size();
        while (i > 0 && cyfry[i - 1] == '9')
            cyfry[--i] = '0';
        if (i == 0)
            cyfry.insert(0, 1, '1');
        else
            ++cyfry[i - 1];
    }
    cyfry.insert(0, std::max<std::ptrdiff_t>(0, 3 - static_cast<std::ptrdiff_t>(cyfry.size())), '0');
    return cyfry;
}

// The amount with two decimals and a decimal comma, grouped by thousands on request; no padding.
std::string Liczba(double kwota, bool grupuj)
{
    if (!std::isfinite(kwota))
        return std::isnan(kwota) ? "nan" : (kwota < 0 ? "-inf" : "inf");
    const std::string setne = Setne(kwota);
    const bool zero = setne.find_first_not_of('0') == std::string::npos;
    std::string tekst = setne.substr(0, setne.size() - 2);
    if (grupuj)
        for (std::size_t poz = tekst.size(); poz > 3; poz -= 3)
            tekst.insert(poz - 3, 1, ' ');
    tekst.append(",").append(setne.substr(setne.size() - 2));
    // -0,004 rounds to 0,00 and is shown without its sign.
    return std::string(kwota < 0 && !zero ? "-" : "").append(tekst);
}

bool DodatniaPoZaokragleniu(double kwota)
{
    return kwota > 0 && Liczba(kwota, false) != "0,00";
}

} // namespace

std::string KwotaF(double kwota)
{
    return DopelnijZLewej(SzerokoscKwoty, Liczba(kwota, false));
}

std::string KwotaN(double kwota)
{
    return DopelnijZLewej(SzerokoscKwoty, Liczba(kwota, true));
}

std::string BilansN(double kwota)
{
    std::string tekst = DodatniaPoZaokragleniu(kwota) ? "+" : "";
    return tekst.append(KwotaN(kwota));
}

std::string UdzialF(double udzial)
{
    return DopelnijZLewej(SzerokoscUdzialu, Liczba(udzial, false));
}

std::string DzienIData(double dni)
{
    return std::string(SkrotDniaTygodnia(dni)) + " " + TekstDaty(dni);
}

TTabelaGrupy TabelaListyGier(const TGrupa& grupa)
{
    TTabelaGrupy tabela;
    for (std::size_t i = 0; i < grupa.Gry.size(); ++i) {
        const TGraGrupy& gra = grupa.Gry[i];
        const double koszt = gra.Koszt.Wartosc();
        const double wygrana = gra.Wygrana.Wartosc();
        tabela.Wiersze.push_back({std::to_string(i + 1), DzienIData(gra.Data), gra.NazwaGry, KwotaF(koszt),
                                  KwotaF(wygrana), KwotaF(wygrana - koszt)});
    }
    const TSumyGrupy sumy = SumyGrupy(grupa);
    tabela.Sumy = {KwotaF(sumy.Koszt), KwotaF(sumy.Wygrana), KwotaF(sumy.Bilans())};
    return tabela;
}

TTabelaGrupy TabelaRozliczenia(const TGrupa& grupa, const TRozliczenie& rozliczenie)
{
    TTabelaGrupy tabela;
    for (const TPozycjaRozliczenia& pozycja : rozliczenie.Pozycje) {
        if (pozycja.Gra >= grupa.Gry.size())
            continue;
        const TGraGrupy& gra = grupa.Gry[pozycja.Gra];
        const TCzesciGracza& c = pozycja.Czesci;
        tabela.Wiersze.push_back({DzienIData(gra.Data), gra.NazwaGry,
                                  grupa.Naglowek.Nazwiska[static_cast<std::size_t>(pozycja.Miejsce)],
                                  KwotaN(c.Koszt), UdzialF(c.Udzial), KwotaN(c.Wygrana), BilansN(c.Bilans())});
    }
    if (!tabela.Wiersze.empty())
        tabela.Sumy = {KwotaN(rozliczenie.SumaKosztow), KwotaN(rozliczenie.SumaWygranych),
                       BilansN(rozliczenie.Bilans())};
    return tabela;
}

std::vector<std::vector<std::string>> TabelaUdzialow(const TNaglowekGrupy& naglowek, const TGraGrupy& gra)
{
    std::vector<std::vector<std::string>> wiersze;
    for (const TUdzialWGrze& udzial : UdzialyGry(gra)) {
        const TCzesciGracza& c = udzial.Czesci;
        wiersze.push_back({naglowek.Nazwiska[static_cast<std::size_t>(udzial.Miejsce)], UdzialF(c.Udzial) + " %",
                           KwotaN(c.Koszt), KwotaN(c.Wygrana)});
    }
    return wiersze;
}

std::vector<std::string> WydrukListyGier(std::string_view tytul, const TTabelaGrupy& tabela)
{
    std::vector<std::string> linie{std::string(tytul), ""};
    linie.push_back(DopelnijZLewej(63, "Koszty") + DopelnijZLewej(12, "Wygrana") + DopelnijZLewej(12, "Bilans"));
    linie.emplace_back();
    for (const auto& w : tabela.Wiersze)
        linie.push_back(DopelnijZLewej(6, w[0] + ".") + DopelnijZPrawej(15, w[1]) + DopelnijZPrawej(30, w[2]) +
                        DopelnijZLewej(12, w[3]) + DopelnijZLewej(12, w[4]) + DopelnijZLewej(12, w[5]));
    linie.emplace_back();
    linie.push_back(DopelnijZLewej(63, tabela.Sumy[0]) + DopelnijZLewej(12, tabela.Sumy[1]) +
                    DopelnijZLewej(12, tabela.Sumy[2]));
    return linie;
}

std::vector<std::string> WydrukRozliczenia(std::string_view tytul, const TTabelaGrupy& tabela)
{
    std::vector<std::string> linie{std::string(tytul), ""};
    linie.push_back(DopelnijZLewej(77, "Koszty") + DopelnijZLewej(7, "%") + DopelnijZLewej(12, "Wygrana") +
                    DopelnijZLewej(12, "Bilans"));
    linie.emplace_back();
    for (const auto& w : tabela.Wiersze)
        linie.push_back(DopelnijZPrawej(15, w[0]) + DopelnijZPrawej(25, w[1]) + DopelnijZPrawej(25, w[2]) +
                        DopelnijZLewej(12, w[3]) + DopelnijZLewej(7, w[4]) + DopelnijZLewej(12, w[5]) +
                        DopelnijZLewej(12, w[6]));
    linie.emplace_back();
    linie.push_back(DopelnijZLewej(77, tabela.Sumy[0]) + DopelnijZLewej(19, tabela.Sumy[1]) +
                    DopelnijZLewej(12, tabela.Sumy[2]));
    return linie;
}

std::vector<std::string> WydrukUdzialow(std::string_view tytul, const std::vector<std::vector<std::string>>& wiersze)
{
    std::vector<std::string> linie{std::string(tytul), ""};
    linie.push_back(DopelnijZLewej(37, "Udział") + DopelnijZLewej(12, "Koszty") + DopelnijZLewej(12, "Wygrana"));
    linie.emplace_back();
    for (const auto& w : wiersze)
        linie.push_back(DopelnijZPrawej(30, w[0]) + DopelnijZLewej(7, w[1]) + DopelnijZLewej(12, w[2]) +
                        DopelnijZLewej(12, w[3]));
    return linie;
}

} // namespace tarvomund
