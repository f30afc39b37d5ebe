#include "stats/ParametryStatystyki.h"

#include <algorithm>

namespace tarvomund {

TParametryStatystyki TParametryStatystyki::DlaGry(const TObGraLista& gra)
{
    TParametryStatystyki p;
    p.Rodzaj = static_cast<int32_t>(TRodzajStatystyki::Liczby);
    if (!gra.Losowania.empty()) {
        p.OdDaty = gra.Losowania.front().Data;
        p.DoDaty = gra.Losowania.back().Data;
    }
    p.Wybor1 = 0;
    p.Grupowanie = static_cast<int32_t>(TGrupowanie::Wszystkie);
    p.Wybor2 = std::max(0, gra.IleLiczb - 1);
    p.Odstep = 1;
    p.PodzialBlankietu = static_cast<int32_t>(TPodzialBlankietu::Kolumny);
    p.IleKolumn = gra.IlePoziomo;
    p.IleRzedow = gra.IlePionowo;
    p.KierunekPoziomy = gra.Kierunek;
    p.RzedyGorne = gra.IlePionowo / 2;
    p.KolumnyLewe = gra.IlePoziomo / 2;
    return p;
}

bool CzyGrupowana(int32_t rodzaj)
{
    switch (static_cast<TRodzajStatystyki>(rodzaj)) {
    case TRodzajStatystyki::Liczby:
    case TRodzajStatystyki::KolejneLiczby:
    case TRodzajStatystyki::Parzyste:
    case TRodzajStatystyki::Nieparzyste:
    case TRodzajStatystyki::Sumy:
    case TRodzajStatystyki::ZadanaZKazda:
    case TRodzajStatystyki::ZadanaParzysta:
    case TRodzajStatystyki::ZadanaNieparzysta:
    case TRodzajStatystyki::PrzedzialJeden:
    case TRodzajStatystyki::WPrzedziale:
        return true;
    default:
        return false;
    }
}

int IleGrup(int32_t grupowanie)
{
    switch (static_cast<TGrupowanie>(grupowanie)) {
    case TGrupowanie::DzienTygodnia:
        return DnowTygodnia;
    case TGrupowanie::DzienMiesiaca:
        return DniWMiesiacu;
    case TGrupowanie::Miesiac:
        return MiesiecyWRoku;
    default:
        return 1;
    }
}

int IleSerii(const TParametryStatystyki& p, int32_t ileLiczb)
{
    const int n = std::max(0, ileLiczb);
    int ile = 0;
    switch (p.RodzajS()) {
    case TRodzajStatystyki::KazdaZKazda:
    case TRodzajStatystyki::PrzedzialyWszystkie:
        ile = n;
        break;
    case TRodzajStatystyki::ParzysteZNieparzystymi:
        ile = n / 2;
        break;
    case TRodzajStatystyki::NieparzysteZParzystymi:
        ile = n / 2 + n % 2;
        break;
    case TRodzajStatystyki::Serie:
        ile = 10;
        break;
    case TRodzajStatystyki::Odstepy:
        ile = 1;
        break;
    case TRodzajStatystyki::Blankiet:
        switch (static_cast<TPodzialBlankietu>(p.PodzialBlankietu)) {
        case TPodzialBlankietu::Kolumny:
            ile = p.IleKolumn;
            break;
        case TPodzialBlankietu::Rzedy:
            ile = p.IleRzedow;
            break;
        case TPodzialBlankietu::PolowkiPionowo:
        case TPodzialBlankietu::PolowkiPoziomo:
            ile = 2;
            break;
        case TPodzialBlankietu::Cwiartki:
            ile = 4;
            break;
        }
        break;
    default:
        ile = CzyGrupowana(p.Rodzaj) ? IleGrup(p.Grupowanie) : 0;
        break;
    }
    return std::clamp(ile, 0, MaxSeriiStatystyki);
}

namespace {

std::vector<int32_t> Od(int32_t od, int32_t do_, int32_t krok = 1)
{
    std::vector<int32_t> wartosci;
    for (int32_t v = od; v <= do_; v += krok)
        wartosci.push_back(v);
    return wartosci;
}

} // namespace

std::vector<int32_t> WartosciWyboru1(int32_t rodzaj, int32_t ileLiczb, int32_t ileLosowanych)
{
    switch (static_cast<TRodzajStatystyki>(rodzaj)) {
    case TRodzajStatystyki::Liczby:
    case TRodzajStatystyki::Parzyste:
    case TRodzajStatystyki::Nieparzyste:
        return Od(1, ileLosowanych);
    case TRodzajStatystyki::KolejneLiczby:
        return Od(2, ileLosowanych);
    case TRodzajStatystyki::ZadanaZKazda:
    case TRodzajStatystyki::PrzedzialJeden:
    case TRodzajStatystyki::WPrzedziale:
        return Od(1, ileLiczb);
    case TRodzajStatystyki::ZadanaParzysta:
        return Od(2, ileLiczb, 2);
    case TRodzajStatystyki::ZadanaNieparzysta:
        return Od(1, ileLiczb, 2);
    default:
        return {};
    }
}

std::vector<int32_t> WartosciWyboru2(int32_t rodzaj, int32_t ileLiczb)
{
    if (static_cast<TRodzajStatystyki>(rodzaj) == TRodzajStatystyki::WPrzedziale)
        return Od(1, ileLiczb);
    return {};
}

bool ParametryPoprawne(const TParametryStatystyki& p)
{
    if (p.Rodzaj < 0 || p.Rodzaj >= IleRodzajowStatystyki)
        return false;
    const auto wKalendarzu = [](double data) {
        return data >= NajwczesniejszaData && data <= NajpozniejszaData;
    };
    if (!wKalendarzu(p.OdDaty) || !wKalendarzu(p.DoDaty))
        return false;
    if (p.Wybor1 < 0 || p.Wybor1 > MaxWyboru || p.Wybor2 < 0 || p.Wybor2 > MaxWyboru)
        return false;
    if (p.Grupowanie < 0 || p.Grupowanie > 3)
        return false;
    if (p.Odstep < 1 || p.Odstep > MaxOdstepu)
        return false;
    if (p.PodzialBlankietu < 0 || p.PodzialBlankietu > 4)
        return false;
    // The slip grid matters only to the slip statistic; other kinds keep the game's values unused.
    if (p.RodzajS() == TRodzajStatystyki::Blankiet) {
        if (p.IleKolumn < 1 || p.IleKolumn > MaxKolumnBlankietu || p.IleRzedow < 1 ||
            p.IleRzedow > MaxRzedowBlankietu)
            return false;
        if (p.RzedyGorne < 0 || p.RzedyGorne > p.IleRzedow || p.KolumnyLewe < 0 ||
            p.KolumnyLewe > p.IleKolumn)
            return false;
    }
    return true;
}

} // namespace tarvomund
