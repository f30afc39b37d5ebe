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

TBlankietOb BlankietLiczbowy(int grup, int liczb, int32_t kodGry, int opcji)
{
    TBlankietOb blankiet;
    blankiet.Nazwa = "Lotto testowe";
    blankiet.KodGry = kodGry;
    blankiet.Szer = 60.0 * grup + 10;
    blankiet.Wys = 82;
    for (int g = 0; g < grup; ++g) {
        const uint8_t nr = blankiet.DodajGrupe("Zakład " + std::to_string(g + 1), false)->Nr;
        for (int i = 0; i < liczb; ++i) {
            TEdPole& pole =
                blankiet.DodajPole(TEdPole::Nowe(RodzajBelkaPozioma, 5.0 + 60.0 * g + 5.0 * (i % 10), 10.0 + 5.0 * (i / 10)));
            pole.NrGrupy = nr;
            pole.NrPola = static_cast<uint8_t>(i + 1);
        }
        TEdPole& opis = blankiet.DodajPole(TEdPole::Nowe(RodzajTekstPoziomy, 5.0 + 60.0 * g, 4.0));
        opis.NrGrupy = nr;
        opis.NrPola = 0;
    }
    if (opcji > 0) {
        const uint8_t nr = blankiet.DodajGrupe("Losowania", true, false, 1)->Nr;
        for (int i = 0; i < opcji; ++i) {
            TEdPole& pole = blankiet.DodajPole(TEdPole::Nowe(RodzajKrzyzyk, 5.0 + 5.0 * i, 70.0));
            pole.NrGrupy = nr;
            pole.NrPola = static_cast<uint8_t>(i + 1);
        }
    }
    return blankiet;
}

TBlankietOb BlankietPilkarskiTestowy(int grup, int meczow)
{
    TBlankietOb blankiet;
    blankiet.Nazwa = "Toto testowe";
    blankiet.KodGry = KodBlankietuPilkarskiego;
    blankiet.Pilkarski = true;
    blankiet.Szer = 20.0 * grup + 10;
    blankiet.Wys = 5.0 * meczow + 10;
    for (int g = 0; g < grup; ++g) {
        const uint8_t nr = blankiet.DodajGrupe("Kolumna " + std::to_string(g + 1), false)->Nr;
        for (int m = 0; m < meczow; ++m)
            for (int s = 0; s < 3; ++s) {
                TEdPole& pole = blankiet.DodajPole(TEdPole::Nowe(RodzajElipsa, 5.0 + 20.0 * g + 5.0 * s, 5.0 + 5.0 * m));
                pole.NrGrupy = nr;
                pole.NrPola = static_cast<uint8_t>(3 * m + s + 1);
            }
    }
    return blankiet;
}

void ZapiszBlankietTestowy(const std::string& plik, const std::string& nazwa, int32_t kodGry, int ilePol)
{
    ASSERT_TRUE(ZapiszBlankiet(BlankietTestowy(nazwa, kodGry, ilePol), plik)) << plik;
}

} // namespace tarvomund::testy
