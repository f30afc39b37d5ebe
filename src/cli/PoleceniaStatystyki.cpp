#include "Argumenty.h"

#include "model/Daty.h"
#include "model/UstawieniaIni.h"
#include "stats/PlikStatystyki.h"
#include "stats/TGenStat.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <ostream>
#include <string_view>

namespace tarvomund::cli {

namespace {

// The values of --group and --division in code order.
constexpr std::array<std::string_view, 4> NazwyGrupowan{"all", "weekday", "day", "month"};
constexpr std::array<std::string_view, 5> NazwyPodzialow{"columns", "rows", "halves-lr", "halves-ud",
                                                         "quarters"};

template <std::size_t N>
int32_t KodNazwy(const std::array<std::string_view, N>& nazwy, const std::string& opcja,
                 const std::string& wartosc)
{
    const auto it = std::find(nazwy.begin(), nazwy.end(), wartosc);
    if (it == nazwy.end()) {
        std::string lista;
        for (std::string_view n : nazwy) {
            if (!lista.empty())
                lista += '|';
            lista += n;
        }
        throw TBladUzycia(opcja + " must be one of " + lista + ", not \"" + wartosc + "\"");
    }
    return static_cast<int32_t>(it - nazwy.begin());
}

// The index in a dialog list of the value shown there.
int32_t IndeksWartosci(const std::vector<int32_t>& lista, const std::string& opcja, const std::string& tekst)
{
    const int32_t wartosc = Liczba<int32_t>(tekst, opcja);
    const auto it = std::find(lista.begin(), lista.end(), wartosc);
    if (it == lista.end()) {
        const bool coDrugi = lista.size() > 1 && lista[1] - lista[0] == 2;
        throw TBladUzycia(opcja + " must be " + (coDrugi ? "every other number of " : "within ") +
                          std::to_string(lista.front()) + ".." + std::to_string(lista.back()) +
                          " for this kind");
    }
    return static_cast<int32_t>(it - lista.begin());
}

void WymagajDlaRodzaju(const TArgumentyPolecenia& a, const std::string& opcja, bool uzywana)
{
    if (a.Ma(opcja) && !uzywana)
        throw TBladUzycia(opcja + " does not apply to this kind");
}

// One line per entry, series after series: the series number from 1, the label and the value.
void WypiszSerie(std::ostream& wyjscie, const TWynikiStatystyki& wyniki, int serii)
{
    for (int s = 0; s < serii; ++s)
        for (const TWynik& w : wyniki[static_cast<std::size_t>(s)])
            wyjscie << s + 1 << '\t' << w.Opis << '\t' << w.Wartosc << '\n';
}

// A choice as the dialog list shows it, or "-" when the kind has no such list.
std::string WartoscWyboru(const std::vector<int32_t>& lista, int32_t indeks)
{
    if (indeks < 0 || static_cast<std::size_t>(indeks) >= lista.size())
        return "-";
    return std::to_string(lista[static_cast<std::size_t>(indeks)]);
}

} // namespace

int PolecenieStats(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(
        k,
        {"--kind", "--from", "--to", "--choice", "--choice2", "--group", "--spacing", "--division", "--max"},
        {"--all"}, 1);
    const int32_t rodzaj = Liczba<int32_t>(a.Wartosc("--kind"), "--kind") - 1;
    WymagajZakresu(rodzaj + 1, 1, IleRodzajowStatystyki, "--kind");
    if (a.MaFlage("--all") && a.Ma("--max"))
        throw TBladUzycia("--all and --max exclude each other");

    TGraPolecenia wybrana = GraPolecenia(k, a.Pozycyjne[0]);
    if (wybrana.Kod != KodSukces)
        return wybrana.Kod;
    const TObGraLista& gra = wybrana.Gra();
    if (!gra.CzyLiczbowa())
        throw TBladUzycia("statistics are computed for number games only");

    TParametryStatystyki p = TParametryStatystyki::DlaGry(gra);
    p.Rodzaj = rodzaj;
    const std::vector<int32_t> lista1 = WartosciWyboru1(rodzaj, gra.IleLiczb, gra.IleLosowanych);
    const std::vector<int32_t> lista2 = WartosciWyboru2(rodzaj, gra.IleLiczb);
    WymagajDlaRodzaju(a, "--choice", !lista1.empty());
    WymagajDlaRodzaju(a, "--choice2", !lista2.empty());
    WymagajDlaRodzaju(a, "--group", CzyGrupowana(rodzaj));
    WymagajDlaRodzaju(a, "--spacing", p.RodzajS() == TRodzajStatystyki::Odstepy);
    WymagajDlaRodzaju(a, "--division", p.RodzajS() == TRodzajStatystyki::Blankiet);
    p.Wybor1 = a.Ma("--choice") ? IndeksWartosci(lista1, "--choice", a.Wartosc("--choice")) : 0;
    if (a.Ma("--choice2"))
        p.Wybor2 = IndeksWartosci(lista2, "--choice2", a.Wartosc("--choice2"));
    // As the dialog does: a range given upside down is turned round.
    if (p.RodzajS() == TRodzajStatystyki::WPrzedziale && p.Wybor2 < p.Wybor1)
        std::swap(p.Wybor1, p.Wybor2);
    if (a.Ma("--group"))
        p.Grupowanie = KodNazwy(NazwyGrupowan, "--group", a.Wartosc("--group"));
    if (a.Ma("--spacing")) {
        p.Odstep = Liczba<int32_t>(a.Wartosc("--spacing"), "--spacing");
        WymagajZakresu(p.Odstep, 1, MaxOdstepu, "--spacing");
    }
    if (a.Ma("--division"))
        p.PodzialBlankietu = KodNazwy(NazwyPodzialow, "--division", a.Wartosc("--division"));

    TUstawieniaStatystyki ustawienia;
    const TParametry zapisane = CzytajUstawieniaIni(DomyslnyPlikUstawienIni());
    ustawienia.MaksWynikow = zapisane.Spin1;
    ustawienia.WszystkieWyniki = zapisane.CBox1;
    if (a.MaFlage("--all"))
        ustawienia.WszystkieWyniki = true;
    if (a.Ma("--max")) {
        ustawienia.MaksWynikow = Liczba<int32_t>(a.Wartosc("--max"), "--max");
        WymagajZakresu(ustawienia.MaksWynikow, ZakresSpin1.Min, ZakresSpin1.Max, "--max");
        ustawienia.WszystkieWyniki = false;
    }

    if (gra.Losowania.empty()) {
        k.Bledy << "tarvomund-cli: the game " << gra.Nazwa << " has no draws\n";
        return KodBladDanych;
    }
    // Dates outside the history are brought to its first and last draw; a range upside down is turned round.
    if (a.Ma("--from"))
        p.OdDaty = DataOpcji(a, "--from");
    if (a.Ma("--to"))
        p.DoDaty = DataOpcji(a, "--to");
    if (p.OdDaty > p.DoDaty)
        std::swap(p.OdDaty, p.DoDaty);
    p.OdDaty = std::max(p.OdDaty, gra.Losowania.front().Data);
    p.DoDaty = std::min(p.DoDaty, gra.Losowania.back().Data);

    std::atomic<bool> przerwij{false};
    const TWynikiStatystyki wyniki = TGenStat(p, gra, ustawienia, przerwij).Wykonaj();
    WypiszSerie(k.Wyjscie, wyniki, IleSerii(p, gra.IleLiczb));
    return KodSukces;
}

int PolecenieStatsFile(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(k, {}, 1);
    const std::string& sciezka = a.Pozycyjne[0];
    TBladPlikuStatystyki blad = TBladPlikuStatystyki::Brak;
    const std::optional<TPlikStatystyki> plik = WczytajPlikStatystyki(sciezka, &blad);
    if (!plik) {
        k.Bledy << "tarvomund-cli: cannot read " << sciezka
                << (blad == TBladPlikuStatystyki::NieOtwarty ? "" : ": not a statistics file or damaged")
                << "\n";
        return KodBladDanych;
    }
    const TOpisGryStatystyki& g = plik->Gra;
    const TParametryStatystyki& p = plik->Parametry;
    std::string zaznaczone;
    for (std::size_t i = 0; i < plik->Zaznaczone.size(); ++i)
        if (plik->Zaznaczone[i]) {
            if (!zaznaczone.empty())
                zaznaczone += ',';
            zaznaczone += std::to_string(i + 1);
        }
    std::ostream& w = k.Wyjscie;
    w << "game: " << g.Nazwa << "\n"
      << "numbers: " << g.IleLiczb << "\n"
      << "drawn: " << g.IleLosowanych << "\n"
      << "across: " << g.IlePoziomo << "\n"
      << "down: " << g.IlePionowo << "\n"
      << "direction: " << (g.Kierunek ? 1 : 0) << "\n"
      << "pool: " << static_cast<int>(g.Pilkarski) << "\n"
      << "kind: " << p.Rodzaj + 1 << "\n"
      << "from: " << TekstDaty(p.OdDaty) << "\n"
      << "to: " << TekstDaty(p.DoDaty) << "\n"
      << "choice: " << WartoscWyboru(WartosciWyboru1(p.Rodzaj, g.IleLiczb, g.IleLosowanych), p.Wybor1) << "\n"
      << "choice2: " << WartoscWyboru(WartosciWyboru2(p.Rodzaj, g.IleLiczb), p.Wybor2) << "\n"
      << "group: " << NazwyGrupowan[static_cast<std::size_t>(p.Grupowanie)] << "\n"
      << "spacing: " << p.Odstep << "\n"
      << "division: " << NazwyPodzialow[static_cast<std::size_t>(p.PodzialBlankietu)] << "\n"
      << "columns: " << p.IleKolumn << "\n"
      << "rows: " << p.IleRzedow << "\n"
      << "horizontal: " << (p.KierunekPoziomy ? 1 : 0) << "\n"
      << "upper rows: " << p.RzedyGorne << "\n"
      << "left columns: " << p.KolumnyLewe << "\n"
      << "series: " << plik->IleSerii << "\n"
      << "checked: " << (zaznaczone.empty() ? "-" : zaznaczone) << "\n";
    WypiszSerie(w, plik->Wyniki, plik->IleSerii);
    return KodSukces;
}

} // namespace tarvomund::cli
