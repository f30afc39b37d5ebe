#include "Argumenty.h"

#include "model/Daty.h"
#include "tools/Biorytm.h"

#include <cmath>
#include <cstdio>
#include <ostream>

namespace tarvomund::cli {

namespace {

// Three decimals; a value that rounds to zero is shown without a sign.
std::string Wartosc(double wartosc)
{
    const double zaokraglona = std::round(wartosc * 1000.0) / 1000.0;
    char bufor[16];
    std::snprintf(bufor, sizeof bufor, "%.3f", zaokraglona == 0.0 ? 0.0 : zaokraglona);
    return bufor;
}

} // namespace

int PolecenieBio(TKontekst& k)
{
    const TArgumentyPolecenia argumenty = RozbierzArgumenty(k, {"--birth", "--date"}, 0);
    const double urodzenie = DataOpcji(argumenty, "--birth");
    const double data = DataOpcji(argumenty, "--date");
    const auto biorytm = ObliczBiorytm(urodzenie, data);
    if (!biorytm)
        throw TBladUzycia("the birth date must lie at least " + std::to_string(NajmniejDniZycia + 1) +
                          " days before the date");
    for (const TDzienBiorytmu& dzien : TabelaBiorytmu(*biorytm)) {
        k.Wyjscie << TekstDaty(dzien.Data);
        for (const double w : dzien.Wartosci)
            k.Wyjscie << '\t' << Wartosc(w);
        k.Wyjscie << '\n';
    }
    return KodSukces;
}

} // namespace tarvomund::cli
