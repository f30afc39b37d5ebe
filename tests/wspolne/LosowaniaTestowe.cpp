#include "wspolne/LosowaniaTestowe.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace tarvomund::testy {

TObLos Los(TDataKal data, const std::vector<int>& liczby)
{
    TObLos los;
    los.Data = DniZDaty(data);
    for (std::size_t i = 0; i < liczby.size() && i < los.Liczby.size(); ++i)
        los.Liczby[i] = static_cast<uint8_t>(liczby[i]);
    return los;
}

TObGraLista Gra649(const std::string& plik)
{
    TObGraLista gra;
    gra.Id = 1;
    gra.KodGry = 1;
    gra.Nazwa = "Lotto 6 z 49";
    gra.Plik = plik;
    gra.MinSkreslen = 6;
    gra.MaxSkreslen = 12;
    gra.NormSkreslen = 6;
    gra.IleLiczb = 49;
    gra.IleLosowanych = 6;
    gra.IlePoziomo = 9;
    gra.IlePionowo = 6;
    return gra;
}

TObGraLista GraLosowa(int n, int k, int ile, unsigned ziarno, bool rosnaco)
{
    TObGraLista gra;
    gra.Id = 7;
    gra.KodGry = 7;
    gra.Nazwa = "Gra " + std::to_string(k) + " z " + std::to_string(n);
    gra.MinSkreslen = k;
    gra.MaxSkreslen = k;
    gra.NormSkreslen = k;
    gra.IleLiczb = n;
    gra.IleLosowanych = k;
    gra.IlePoziomo = 5;
    gra.IlePionowo = (n + 4) / 5;
    std::mt19937 los(ziarno);
    std::vector<int> liczby(static_cast<std::size_t>(n));
    const double poczatek = DniZDaty({2000, 1, 1});
    for (int d = 0; d < ile; ++d) {
        std::iota(liczby.begin(), liczby.end(), 1);
        std::shuffle(liczby.begin(), liczby.end(), los);
        std::vector<int> wylosowane(liczby.begin(), liczby.begin() + k);
        if (rosnaco)
            std::sort(wylosowane.begin(), wylosowane.end());
        TObLos l;
        l.Data = poczatek + 2.0 * d;
        for (int i = 0; i < k; ++i)
            l.Liczby[static_cast<std::size_t>(i)] = static_cast<uint8_t>(wylosowane[static_cast<std::size_t>(i)]);
        gra.Losowania.push_back(l);
    }
    return gra;
}

} // namespace tarvomund::testy
