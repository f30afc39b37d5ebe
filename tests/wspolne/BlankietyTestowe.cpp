#include "wspolne/BlankietyTestowe.h"

#include "slips/PlikBlankietu.h"

#include <gtest/gtest.h>

namespace tarvomund::testy {

TBlankietOb BlankietTestowy(const std::string& nazwa, int32_t kodGry, int ilePol)
{
    TBlankietOb blankiet;
    blankiet.Nazwa = nazwa;
    blankiet.KodGry = kodGry;
    blankiet.DodajProwadnice(ProwadnicaPozioma, 10.5);
    blankiet.DodajProwadnice(ProwadnicaPionowa, 20.25);
    const uint8_t zaklad = blankiet.DodajGrupe("Zakład", false)->Nr;
    const uint8_t losowania = blankiet.DodajGrupe("Losowania", true, true, 1)->Nr;
    for (int i = 0; i < ilePol; ++i) {
        TEdPole& pole = blankiet.DodajPole(TEdPole::Nowe(RodzajBelkaPozioma, 5.0 + 4.5 * i, 12.0));
        pole.NrGrupy = zaklad;
        pole.NrPola = static_cast<uint8_t>(i + 1);
    }
    blankiet.DodajPole(TEdPole::Nowe(RodzajKrzyzyk, 150.0, 60.0)).NrGrupy = losowania;
    return blankiet;
}

void ZapiszBlankietTestowy(const std::string& plik, const std::string& nazwa, int32_t kodGry, int ilePol)
{
    ASSERT_TRUE(ZapiszBlankiet(BlankietTestowy(nazwa, kodGry, ilePol), plik)) << plik;
}

} // namespace tarvomund::testy
