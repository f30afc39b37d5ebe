#include "app/TWlaczaniePolecen.h"

#include <array>
#include <initializer_list>
#include <optional>

namespace tarvomund {

namespace {

using P = TPolecenie;

// ---------------------------------------------------------------------------------------------
// Commands whose windows do not exist yet. They stay disabled wherever they would apply (or only
// while a window of the given kind is active), so that no enabled command does nothing. An issue
// that adds the window deletes its line here.
struct TPolecenieBezOkna {
    TPolecenie Polecenie;
    std::optional<TRodzajOkna> TylkoDla = std::nullopt; // empty: whatever window is active
};

// Every command has its window now; the list stays for a command added before its window.
constexpr std::array<TPolecenieBezOkna, 0> PoleceniaBezOkna{};
// ---------------------------------------------------------------------------------------------

void Ustaw(TWlaczone& w, std::initializer_list<P> polecenia, bool wartosc)
{
    for (P p : polecenia)
        w.set(static_cast<std::size_t>(p), wartosc);
}

// The commands the system windows' remembered flags drive, flag by flag.
const std::array<std::initializer_list<P>, IleFlagStanu>& PoleceniaStanuPlikow()
{
    static const std::array<std::initializer_list<P>, IleFlagStanu> mapa{{
        {P::Nowy},
        {P::Wczytaj},
        {P::Zapisz, P::ZapiszJako},
        {P::Drukuj, P::Drukarka},
        {},
        {P::Filtry},
        {P::SzukajWSystemie},
        {P::SzukajLosowan},
        {P::SzukajLiczb},
    }};
    return mapa;
}

const std::array<std::initializer_list<P>, IleFlagStanu>& PoleceniaStanuZadan()
{
    static const std::array<std::initializer_list<P>, IleFlagStanu> mapa{{
        {P::Start},
        {P::Stop},
        {P::ParametrySystemu},
        {P::WlasneLiczby},
        {P::TestSystemu},
        {P::Gwarancja, P::OptymalizujSystem},
        {P::Rozklad},
        {P::SumujSystemy, P::WlasneLubSystemowe},
    }};
    return mapa;
}

constexpr std::initializer_list<P> PoleceniaZadanSystemu{
    P::Start,      P::Stop,    P::ParametrySystemu, P::WlasneLiczby,       P::TestSystemu,
    P::Gwarancja, P::Rozklad, P::SumujSystemy,     P::WlasneLubSystemowe, P::OptymalizujSystem,
};

constexpr std::initializer_list<P> PozycjeStatystyki{
    P::StatStop,      P::StatParametry,      P::StatSiatka,        P::StatLiniowy,          P::StatSchodkowy,
    P::Stat3D,        P::StatTabliczki,      P::StatTabliczkiWartosc, P::StatSortujWartosc, P::StatSortujNaturalnie,
    P::StatDoKolekcji, P::StatPowieksz,      P::StatPomniejsz,
};

// Windows whose commands do not depend on their own state: one row each.
struct TWierszStalego {
    TRodzajOkna Rodzaj;
    bool NowyOtworz;
    bool Zapisz;
    bool Drukuj;
};

constexpr std::array<TWierszStalego, 9> TabelaStalych{{
    {TRodzajOkna::Kolekcja, true, true, true},
    {TRodzajOkna::Biorytmy, true, false, true},
    {TRodzajOkna::Rozklad, true, false, true},
    {TRodzajOkna::Test, true, false, true},
    {TRodzajOkna::Gwarancja, true, false, true},
    {TRodzajOkna::Grupa, true, true, true},
    {TRodzajOkna::RozliczenieGrupy, true, false, true},
    {TRodzajOkna::SzukanieLiczb, true, false, true},
    {TRodzajOkna::Inne, true, false, false},
}};

void UstawZFlag(TWlaczone& w, const TStanFlag& flagi, const std::array<std::initializer_list<P>, IleFlagStanu>& mapa)
{
    for (std::size_t i = 0; i < IleFlagStanu; ++i)
        Ustaw(w, mapa[i], flagi.test(i));
}

TWlaczone WedlugOkna(const TStanAktywnego* aktywne)
{
    TWlaczone w;
    // Settings, tools, window and help commands do not depend on the active window.
    Ustaw(w,
          {P::Ustawienia, P::Koniec, P::SzukajZadanych, P::Statystyka, P::Losowania, P::Kolekcja,
           P::Biorytmy, P::EdytorBlankietow, P::ZmianaParametrowGry, P::Kaskada, P::Pionowo, P::Poziomo,
           P::ZmniejszWszystkie, P::ZamknijWszystkie, P::IndeksPomocy, P::OProgramie, P::PomocKontekstowa,
           P::NowaGra, P::NowySystemPilkarski, P::NowaGrupa},
          true);

    const TRodzajOkna rodzaj = aktywne ? aktywne->Rodzaj : TRodzajOkna::Inne;
    switch (rodzaj) {
    case TRodzajOkna::Statystyka:
        UstawZFlag(w, aktywne->Pliki, PoleceniaStanuPlikow());
        Ustaw(w, PozycjeStatystyki, true);
        return w;
    case TRodzajOkna::SystemLiczbowy:
        UstawZFlag(w, aktywne->Pliki, PoleceniaStanuPlikow());
        UstawZFlag(w, aktywne->Zadania, PoleceniaStanuZadan());
        return w;
    case TRodzajOkna::SystemPilkarski:
        UstawZFlag(w, aktywne->Pliki, PoleceniaStanuPlikow());
        UstawZFlag(w, aktywne->Zadania, PoleceniaStanuZadan());
        // Pool systems have no own numbers, no sums, no filters and no coverings to optimise.
        Ustaw(w, {P::SzukajWSystemie, P::WlasneLubSystemowe, P::SumujSystemy, P::WlasneLiczby, P::Filtry,
                  P::OptymalizujSystem},
              false);
        return w;
    default:
        break;
    }
    for (const TWierszStalego& wiersz : TabelaStalych) {
        if (wiersz.Rodzaj != rodzaj)
            continue;
        Ustaw(w, {P::Nowy, P::Wczytaj}, wiersz.NowyOtworz);
        Ustaw(w, {P::Zapisz, P::ZapiszJako}, wiersz.Zapisz);
        Ustaw(w, {P::Drukuj, P::Drukarka}, wiersz.Drukuj);
        Ustaw(w, {P::SzukajLosowan, P::SzukajLiczb}, true);
        Ustaw(w, PoleceniaZadanSystemu, false);
        Ustaw(w, {P::Filtry, P::SzukajWSystemie}, false);
    }
    return w;
}

} // namespace

bool PolecenieMaOkno(TPolecenie polecenie, TRodzajOkna rodzaj)
{
    for (const TPolecenieBezOkna& brak : PoleceniaBezOkna)
        if (brak.Polecenie == polecenie && (!brak.TylkoDla || *brak.TylkoDla == rodzaj))
            return false;
    return true;
}

TWlaczone WlaczonePolecenia(const TStanAktywnego* aktywne)
{
    TWlaczone w = WedlugOkna(aktywne);
    const TRodzajOkna rodzaj = aktywne ? aktywne->Rodzaj : TRodzajOkna::Inne;
    for (std::size_t i = 0; i < IlePolecen; ++i)
        if (!PolecenieMaOkno(static_cast<TPolecenie>(i), rodzaj))
            w.reset(i);
    return w;
}

TPasekBoczny PasekDlaOkna(TRodzajOkna rodzaj)
{
    switch (rodzaj) {
    case TRodzajOkna::SystemLiczbowy:
        return TPasekBoczny::System;
    case TRodzajOkna::SystemPilkarski:
        return TPasekBoczny::SystemBezLiczb;
    case TRodzajOkna::Statystyka:
        return TPasekBoczny::Statystyka;
    default:
        return TPasekBoczny::Brak;
    }
}

} // namespace tarvomund
