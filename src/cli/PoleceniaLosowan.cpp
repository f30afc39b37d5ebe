#include "Argumenty.h"

#include "draws/EksportLosowan.h"
#include "draws/ImportLosowan.h"
#include "model/Cp1250.h"
#include "model/PlikGry.h"

#include <limits>
#include <ostream>

namespace tarvomund::cli {

namespace {

struct TNazwanySeparator {
    std::string_view Nazwa;
    char Znak;
};

constexpr TNazwanySeparator NazwySeparatorow[] = {
    {"tab", ZnakTab}, {"semicolon", ZnakSrednik}, {"dot", ZnakKropka}, {"comma", ZnakPrzecinek}, {"space", ZnakSpacja},
};

// "tab,comma": a comma-separated subset of the names above; an empty list names none.
TSeparatory SeparatoryZListy(const std::string& lista)
{
    TSeparatory wynik;
    std::size_t poczatek = 0;
    while (poczatek < lista.size()) {
        const std::size_t koniec = std::min(lista.find(',', poczatek), lista.size());
        const std::string_view nazwa = std::string_view(lista).substr(poczatek, koniec - poczatek);
        bool znana = false;
        for (const TNazwanySeparator& s : NazwySeparatorow) {
            if (s.Nazwa == nazwa) {
                wynik.set(static_cast<unsigned char>(s.Znak));
                znana = true;
            }
        }
        if (!znana)
            throw TBladUzycia("--separators takes tab, semicolon, dot, comma and space, not \"" + std::string(nazwa) +
                              "\"");
        poczatek = koniec + 1;
    }
    return wynik;
}

TKolejnoscDaty KolejnoscZOpcji(const std::string& tekst)
{
    if (const std::optional<TKolejnoscDaty> kolejnosc = KolejnoscDaty(tekst))
        return *kolejnosc;
    throw TBladUzycia("--date must be one of DMR, DRM, MDR, MRD, RMD, RDM, not \"" + tekst + "\"");
}

// The one further separator of --other: one character of the Windows-1250 code page.
char InnySeparator(const std::string& tekst)
{
    const std::string znak = Utf8DoCp1250(tekst);
    if (znak.size() != 1)
        throw TBladUzycia("--other needs exactly one character");
    return znak[0];
}

} // namespace

int PolecenieExport(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(k, {}, 2);
    TGraPolecenia wybrana = GraPolecenia(k, a.Pozycyjne[0]);
    if (wybrana.Kod != KodSukces)
        return wybrana.Kod;
    const TObGraLista& gra = wybrana.Gra();
    const std::string& plik = a.Pozycyjne[1];
    if (!ZapiszEksportLosowan(gra, plik)) {
        k.Bledy << "tarvomund-cli: cannot write " << plik << "\n";
        return KodBladDanych;
    }
    k.Wyjscie << "draws: " << gra.Losowania.size() << "\n";
    return KodSukces;
}

int PolecenieImport(TKontekst& k)
{
    const TArgumentyPolecenia a =
        RozbierzArgumenty(k, {"--start", "--date", "--separators", "--other"},
                          {"--numbered", "--no-merge", "--replace", "--dry-run", "--verbose"}, 2);
    // Every option is checked before anything is read or written.
    std::size_t start = 1;
    if (a.Ma("--start")) {
        const auto wartosc = Liczba<int64_t>(a.Wartosc("--start"), "--start");
        WymagajZakresu(wartosc, 1, std::numeric_limits<int32_t>::max(), "--start");
        start = static_cast<std::size_t>(wartosc);
    }
    const TKolejnoscDaty kolejnosc = a.Ma("--date") ? KolejnoscZOpcji(a.Wartosc("--date")) : TKolejnoscDaty::DMR;
    TSeparatory separatory = a.Ma("--separators") ? SeparatoryZListy(a.Wartosc("--separators")) : DomyslneSeparatory();
    if (a.Ma("--other"))
        separatory.set(static_cast<unsigned char>(InnySeparator(a.Wartosc("--other"))));
    const bool numeracja = a.MaFlage("--numbered");

    TGraPolecenia wybrana = GraPolecenia(k, a.Pozycyjne[0]);
    if (wybrana.Kod != KodSukces)
        return wybrana.Kod;
    TObGraLista& gra = wybrana.Gra();
    const std::string& plik = a.Pozycyjne[1];

    TFormatowanie formatowanie;
    if (!formatowanie.WczytajPlik(plik)) {
        k.Bledy << "tarvomund-cli: cannot read " << plik << "\n";
        return KodBladDanych;
    }
    formatowanie.UstawStart(start - 1);
    formatowanie.UstawSzerokosc(SzerokoscPola(true, numeracja));
    formatowanie.UstawSeparatory(separatory);
    formatowanie.UstawJakoJeden(!a.MaFlage("--no-merge"));

    TPominietyWiersz pominiety;
    if (a.MaFlage("--verbose"))
        pominiety = [&](std::size_t wiersz, TWynikWiersza wynik) {
            k.Wyjscie << wiersz + 1 << '\t' << static_cast<int>(wynik) << '\t'
                      << Cp1250DoUtf8(formatowanie.Wiersz(wiersz)) << '\n';
        };
    const TWynikImportu wynik = ImportujLosowania(gra, formatowanie, UkladDlaGry(gra, numeracja, true, kolejnosc),
                                                  a.MaFlage("--replace"), pominiety);
    const bool zmiany = wynik.Dopisane + wynik.Zastapione > 0;
    if (zmiany && !a.MaFlage("--dry-run") && !ZapiszLosowania(gra)) {
        k.Bledy << "tarvomund-cli: cannot write " << gra.Plik << "\n";
        return KodBladDanych;
    }
    k.Wyjscie << "imported " << wynik.Dopisane << ", replaced " << wynik.Zastapione << ", skipped " << wynik.Pominiete
              << "\n";
    return KodSukces;
}

} // namespace tarvomund::cli
