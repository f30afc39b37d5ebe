#include "wspolne/LosowaniaTestowe.h"

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

} // namespace tarvomund::testy
