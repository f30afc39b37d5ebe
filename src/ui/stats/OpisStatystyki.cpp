#include "stats/OpisStatystyki.h"

#include "app/TekstyUI.h"
#include "model/Daty.h"

#include <algorithm>
#include <array>

namespace tarvomund {

namespace {

using R = TRodzajStatystyki;

constexpr int SzerokoscListyZwykla = 50;
constexpr int SzerokoscListyBlankietu = 80;
constexpr int KolumnaWaska = 35;
constexpr int KolumnaSrednia = 45;
constexpr int KolumnaNaLiczbe = 30;

const std::array<QColor, 8> KoloryS{QColor(255, 0, 0),   QColor(255, 0, 255), QColor(0, 0, 255),
                                    QColor(128, 0, 0),   QColor(0, 128, 0),   QColor(128, 128, 0),
                                    QColor(128, 0, 128), QColor(0, 0, 0)};

QString Liczba(int v)
{
    return QString::number(v);
}

TTekst TytulBlankietu(int32_t podzial)
{
    switch (static_cast<TPodzialBlankietu>(podzial)) {
    case TPodzialBlankietu::Kolumny:
        return TTekst::WystapieniaWKolumnach;
    case TPodzialBlankietu::Rzedy:
        return TTekst::WystapieniaWRzedach;
    case TPodzialBlankietu::PolowkiPionowo:
    case TPodzialBlankietu::PolowkiPoziomo:
        return TTekst::WystapieniaWPolowkach;
    default:
        return TTekst::WystapieniaWCwiartkach;
    }
}

// Kinds whose check list, when shown, lists groups of draws.
bool ListaGrup(int32_t rodzaj)
{
    return CzyGrupowana(rodzaj);
}

} // namespace

QColor KolorSerii(int indeks)
{
    return KoloryS[static_cast<std::size_t>(std::max(indeks, 0)) % KoloryS.size()];
}

QString NazwaRodzaju(int32_t rodzaj)
{
    if (rodzaj < 0 || rodzaj >= IleRodzajowStatystyki)
        return {};
    return Tekst(TTekst::NajczesciejWystepujaceLiczby, rodzaj);
}

QString PozycjaRodzaju(int32_t rodzaj)
{
    return QStringLiteral("%1. ").arg(rodzaj + 1, 2) + NazwaRodzaju(rodzaj);
}

QString LiniaTytulu(const TParametryStatystyki& p)
{
    const QString nazwa =
        p.RodzajS() == R::Blankiet ? Tekst(TytulBlankietu(p.PodzialBlankietu)) : NazwaRodzaju(p.Rodzaj);
    return nazwa + QStringLiteral("  [ ") + QString::fromStdString(TekstDaty(p.OdDaty)) +
           QStringLiteral(" - ") + QString::fromStdString(TekstDaty(p.DoDaty)) + QStringLiteral(" ]");
}

QString LiniaPodtytulu(const TParametryStatystyki& p, bool listaWidoczna, const QStringList& zaznaczone)
{
    const int wybor1 = p.Wybor1;
    const auto wNawiasie = [](const QString& tekst, int v) {
        return tekst + QStringLiteral(" ( ") + Liczba(v) + QStringLiteral(" ) ");
    };
    QString tekst;
    switch (p.RodzajS()) {
    case R::Liczby:
    case R::Parzyste:
    case R::Nieparzyste:
        tekst = wNawiasie(Tekst(TTekst::IloscLiczb), wybor1 + 1);
        break;
    case R::KolejneLiczby:
        tekst = wNawiasie(Tekst(TTekst::IloscLiczb), wybor1 + 2);
        break;
    case R::KazdaZKazda:
        tekst = Tekst(TTekst::SzukanaLiczba) + QLatin1Char(' ');
        break;
    case R::ZadanaZKazda:
        tekst = wNawiasie(Tekst(TTekst::SzukanaLiczba), wybor1 + 1);
        break;
    case R::ParzysteZNieparzystymi:
        tekst = Tekst(TTekst::LiczbaParzysta) + QLatin1Char(' ');
        break;
    case R::ZadanaParzysta:
        tekst = wNawiasie(Tekst(TTekst::LiczbaParzysta), 2 * wybor1 + 2);
        break;
    case R::NieparzysteZParzystymi:
        tekst = Tekst(TTekst::LiczbaNieparzysta) + QLatin1Char(' ');
        break;
    case R::ZadanaNieparzysta:
        tekst = wNawiasie(Tekst(TTekst::LiczbaNieparzysta), 2 * wybor1 + 1);
        break;
    case R::PrzedzialyWszystkie:
        tekst = Tekst(TTekst::Przedzial) + QLatin1Char(' ');
        break;
    case R::PrzedzialJeden:
        tekst = Tekst(TTekst::Przedzial) + QStringLiteral(" ( ... ") + Liczba(wybor1 + 1) +
                QStringLiteral(" ... ) ");
        break;
    case R::WPrzedziale:
        tekst = Tekst(TTekst::Przedzial) + QStringLiteral(" ( ") + Liczba(wybor1 + 1) +
                QStringLiteral("...") + Liczba(p.Wybor2 + 1) + QStringLiteral(" ) ");
        break;
    case R::Serie:
        tekst = Tekst(TTekst::DlugoscSeri) + QLatin1Char(' ');
        break;
    case R::Odstepy:
        tekst = QStringLiteral("( ") + Tekst(TTekst::Odstep) + QLatin1Char(' ') + Liczba(p.Odstep) +
                QStringLiteral(" ) ");
        break;
    case R::Sumy:
    case R::Blankiet:
        break;
    }
    if (!listaWidoczna)
        return tekst;
    if (ListaGrup(p.Rodzaj)) {
        switch (static_cast<TGrupowanie>(p.Grupowanie)) {
        case TGrupowanie::DzienTygodnia:
            tekst += Tekst(TTekst::DzienTygodnia);
            break;
        case TGrupowanie::DzienMiesiaca:
            tekst += Tekst(TTekst::DzienMiesiaca);
            break;
        case TGrupowanie::Miesiac:
            tekst += Tekst(TTekst::Miesiac);
            break;
        default:
            break;
        }
    }
    tekst += QStringLiteral(" ( ");
    for (const QString& pozycja : zaznaczone)
        tekst += pozycja + QStringLiteral(", ");
    return tekst + QStringLiteral(" )");
}

QStringList PozycjeListy(const TParametryStatystyki& p, int32_t ileLiczb)
{
    QStringList pozycje;
    const auto liczby = [&](int od, int krok) {
        for (int v = od; v <= ileLiczb && pozycje.size() < MaxSeriiStatystyki; v += krok)
            pozycje << Liczba(v);
    };
    switch (p.RodzajS()) {
    case R::KazdaZKazda:
    case R::PrzedzialyWszystkie:
        liczby(1, 1);
        break;
    case R::ParzysteZNieparzystymi:
        liczby(2, 2);
        break;
    case R::NieparzysteZParzystymi:
        liczby(1, 2);
        break;
    case R::Serie:
        for (int v = 1; v <= 10; ++v)
            pozycje << Liczba(v);
        break;
    case R::Odstepy:
        break;
    case R::Blankiet:
        switch (static_cast<TPodzialBlankietu>(p.PodzialBlankietu)) {
        case TPodzialBlankietu::Kolumny:
            for (int i = 1; i <= std::min(p.IleKolumn, MaxSeriiStatystyki); ++i)
                pozycje << Tekst(TTekst::Kolumna) + QLatin1Char(' ') + Liczba(i);
            break;
        case TPodzialBlankietu::Rzedy:
            for (int i = 1; i <= std::min(p.IleRzedow, MaxSeriiStatystyki); ++i)
                pozycje << Tekst(TTekst::Rzad) + QLatin1Char(' ') + Liczba(i);
            break;
        case TPodzialBlankietu::PolowkiPionowo:
            pozycje << Tekst(TTekst::Lewa) << Tekst(TTekst::Prawa);
            break;
        case TPodzialBlankietu::PolowkiPoziomo:
            pozycje << Tekst(TTekst::Gorna) << Tekst(TTekst::Dolna);
            break;
        case TPodzialBlankietu::Cwiartki:
            pozycje << Tekst(TTekst::LewaG) << Tekst(TTekst::PrawaG) << Tekst(TTekst::LewaD)
                    << Tekst(TTekst::PrawaD);
            break;
        }
        break;
    default:
        switch (static_cast<TGrupowanie>(p.Grupowanie)) {
        case TGrupowanie::DzienTygodnia:
            for (int d = 0; d < DnowTygodnia; ++d)
                pozycje << Skrot(WRunie(TTekst::Niedziela, d));
            break;
        case TGrupowanie::DzienMiesiaca:
            for (int d = 1; d <= DniWMiesiacu; ++d)
                pozycje << Liczba(d);
            break;
        case TGrupowanie::Miesiac:
            for (int m = 0; m < MiesiecyWRoku; ++m)
                pozycje << Skrot(WRunie(TTekst::Styczen, m));
            break;
        default:
            break;
        }
        break;
    }
    return pozycje;
}

bool ZaznaczonaNaPoczatku(const TParametryStatystyki& p, int pozycja)
{
    if (CzyGrupowana(p.Rodzaj) && static_cast<TGrupowanie>(p.Grupowanie) == TGrupowanie::DzienTygodnia)
        return true;
    return pozycja == 0;
}

int SzerokoscListy(const TParametryStatystyki& p)
{
    return p.RodzajS() == R::Blankiet ? SzerokoscListyBlankietu : SzerokoscListyZwykla;
}

std::optional<bool> OsDolnaWidoczna(const TParametryStatystyki& p)
{
    if (p.RodzajS() == R::Blankiet)
        return false;
    if (!CzyGrupowana(p.Rodzaj))
        return std::nullopt;
    return !(p.Grupowanie >= 1 && p.Grupowanie <= 3 && p.Wybor1 > 0);
}

int SzerokoscKolumnyTabeli(const TParametryStatystyki& p)
{
    switch (p.RodzajS()) {
    case R::KazdaZKazda:
    case R::ParzysteZNieparzystymi:
    case R::NieparzysteZParzystymi:
    case R::Serie:
    case R::Blankiet:
        return KolumnaWaska;
    case R::Liczby:
    case R::KolejneLiczby:
    case R::Parzyste:
    case R::Nieparzyste:
    case R::Sumy:
        return p.Wybor1 > 0 ? KolumnaNaLiczbe * (p.Wybor1 + 1) : KolumnaWaska;
    default:
        return KolumnaSrednia;
    }
}

} // namespace tarvomund
