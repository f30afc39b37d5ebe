#include "Argumenty.h"

#include "group/PlikGrupy.h"
#include "group/TekstyGrupy.h"

#include <ostream>

namespace tarvomund::cli {

namespace {

const char* OpisBledu(TBladGrupy blad)
{
    switch (blad) {
    case TBladGrupy::NieOtwarty:
        return "cannot be opened";
    case TBladGrupy::ZaKrotki:
        return "is shorter than its header and the games its count announces";
    case TBladGrupy::ZlaLiczbaGier:
        return "has a negative count of games";
    case TBladGrupy::ZlyTekst:
        return "has a name longer than its field";
    case TBladGrupy::ZlaWartosc:
        return "has an amount, a share or a date that is not a valid number";
    default:
        return "is damaged";
    }
}

std::optional<TGrupa> Grupa(TKontekst& k, const std::string& plik)
{
    TBladGrupy blad = TBladGrupy::Brak;
    std::optional<TGrupa> grupa = CzytajGrupe(plik, &blad);
    if (!grupa)
        k.Bledy << "tarvomund-cli: the group file " << plik << " " << OpisBledu(blad) << "\n";
    return grupa;
}

// One line of cells joined by tabs.
template <typename TKomorki> void Wiersz(std::ostream& wyjscie, const TKomorki& komorki)
{
    bool pierwsza = true;
    for (const auto& komorka : komorki) {
        if (!pierwsza)
            wyjscie << '\t';
        wyjscie << komorka;
        pierwsza = false;
    }
    wyjscie << '\n';
}

} // namespace

int PolecenieGroup(TKontekst& k)
{
    WymagajArgumentow(k, 1);
    const auto grupa = Grupa(k, k.Argumenty[0]);
    if (!grupa)
        return KodBladDanych;
    const TTabelaGrupy tabela = TabelaListyGier(*grupa);
    Wiersz(k.Wyjscie, NaglowkiListyGier);
    for (const auto& wiersz : tabela.Wiersze)
        Wiersz(k.Wyjscie, wiersz);
    // The totals stand under the cost, winnings and balance columns.
    Wiersz(k.Wyjscie, std::array<std::string, 6>{"", "", "", tabela.Sumy[0], tabela.Sumy[1], tabela.Sumy[2]});
    return KodSukces;
}

int PolecenieSettle(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(k, {"--player"}, 1);
    const std::string& plik = a.Pozycyjne[0];
    const auto grupa = Grupa(k, plik);
    if (!grupa)
        return KodBladDanych;
    std::optional<int> miejsce;
    if (a.Ma("--player")) {
        const std::string& nazwisko = a.Wartosc("--player");
        for (int j : grupa->Naglowek.ZajeteMiejsca()) {
            if (grupa->Naglowek.Nazwiska[static_cast<std::size_t>(j)] == nazwisko) {
                miejsce = j;
                break;
            }
        }
        if (!miejsce)
            throw TBladUzycia("no participant named \"" + nazwisko + "\" in " + plik);
    }
    const TTabelaGrupy tabela = TabelaRozliczenia(*grupa, Rozlicz(*grupa, miejsce));
    Wiersz(k.Wyjscie, NaglowkiRozliczenia);
    for (const auto& wiersz : tabela.Wiersze)
        Wiersz(k.Wyjscie, wiersz);
    Wiersz(k.Wyjscie, std::array<std::string, 7>{"", "", "", tabela.Sumy[0], "", tabela.Sumy[1], tabela.Sumy[2]});
    return KodSukces;
}

} // namespace tarvomund::cli
