#include "slips/EdytorBlankietu.h"

#include "slips/SkalaBlankietu.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tarvomund {

namespace {

// More guides than this at equal spacing would only blacken the slip.
constexpr int MaxCzesciProwadnic = 1000;

enum class TStrona { Lewa, Prawa, Gora, Dol };

struct TWyrownanie {
    TStrona Odniesienie; // which extreme field of the selection is the reference
    bool Blokiem;        // the selection moves as a block; otherwise each field's edge goes to the guide
};

// A1..A8 in order.
constexpr TWyrownanie Wyrownania[] = {
    {TStrona::Lewa, false}, {TStrona::Lewa, true},  {TStrona::Prawa, true}, {TStrona::Prawa, false},
    {TStrona::Gora, false}, {TStrona::Gora, true},  {TStrona::Dol, true},   {TStrona::Dol, false},
};

} // namespace

TEdytorBlankietu::TEdytorBlankietu()
{
    UstawSkale(SkalaPoczatkowa);
}

void TEdytorBlankietu::Wyczysc()
{
    zaznaczenie_.clear();
    przeciaganie_ = TPrzeciaganie::Brak;
    prowadnica_ = nullptr;
    blankiet_ = TBlankietOb();
    blankiet_.UstawSkok(skok_);
}

void TEdytorBlankietu::Wczytano(TBlankietOb blankiet, const std::string& plik)
{
    Wyczysc();
    blankiet_ = std::move(blankiet);
    blankiet_.UstawSkok(skok_);
    plik_ = plik;
    zapisany_ = true;
}

void TEdytorBlankietu::Zapisano(const std::string& plik)
{
    plik_ = plik;
    zapisany_ = true;
}

void TEdytorBlankietu::UstawSkale(int skala)
{
    skala_ = std::clamp(skala / KrokSkali * KrokSkali, MinSkala, MaxSkala);
    skok_ = SkokDlaSkali(skala_);
    Przelicz();
}

bool TEdytorBlankietu::MoznaPowiekszyc() const
{
    return skala_ < MaxSkala;
}

bool TEdytorBlankietu::MoznaPomniejszyc() const
{
    return skala_ > MinSkala;
}

void TEdytorBlankietu::Przelicz()
{
    blankiet_.UstawSkok(skok_);
    for (TEdPolePom& wpis : zaznaczenie_)
        wpis = Wpis(wpis.Pole);
}

void TEdytorBlankietu::UstawNarzedzie(uint8_t narzedzie)
{
    narzedzie_ = narzedzie <= MaxRodzajPola ? narzedzie : NarzedzieStrzalka;
}

TEdPolePom TEdytorBlankietu::Wpis(TEdPole* pole) const
{
    return {pole, pole->Id, skok_, pole->PozX, pole->PozY, pole->Piksele.Lewy, pole->Piksele.Gorny};
}

void TEdytorBlankietu::OdswiezWpis(TEdPolePom& wpis) const
{
    wpis.Pole->PrzeliczPiksele(skok_);
    wpis = Wpis(wpis.Pole);
}

bool TEdytorBlankietu::Zaznaczone(const TEdPole* pole) const
{
    return std::any_of(zaznaczenie_.begin(), zaznaczenie_.end(), [pole](const TEdPolePom& w) { return w.Pole == pole; });
}

void TEdytorBlankietu::ZaznaczWszystko()
{
    zaznaczenie_.clear();
    for (const auto& pole : blankiet_.Pola)
        zaznaczenie_.push_back(Wpis(pole.get()));
}

TEdPole* TEdytorBlankietu::PoleW(int32_t x, int32_t y)
{
    auto trafia = [x, y](const TEdPole& p) {
        return p.Piksele.Lewy <= x && x <= p.Piksele.Lewy + p.Piksele.Szer && p.Piksele.Gorny <= y &&
               y <= p.Piksele.Gorny + p.Piksele.Wys;
    };
    for (const TEdPolePom& wpis : zaznaczenie_)
        if (trafia(*wpis.Pole))
            return wpis.Pole;
    for (const auto& pole : blankiet_.Pola)
        if (trafia(*pole))
            return pole.get();
    return nullptr;
}

TProwOb* TEdytorBlankietu::ProwadnicaW(int32_t x, int32_t y)
{
    if (!prowadniceWidoczne_)
        return nullptr;
    for (uint8_t kier : {ProwadnicaPionowa, ProwadnicaPozioma})
        for (const auto& p : blankiet_.Prowadnice)
            if (p->Kier == kier && std::abs((kier == ProwadnicaPionowa ? x : y) - p->Poz) <= TolerancjaProwadnicy)
                return p.get();
    return nullptr;
}

void TEdytorBlankietu::Wcisnij(int32_t x, int32_t y, bool shift)
{
    startX_ = ostatniX_ = x;
    startY_ = ostatniY_ = y;
    przeciaganie_ = TPrzeciaganie::Brak;
    prowadnica_ = nullptr;
    if (narzedzie_ != NarzedzieStrzalka) {
        TEdPole& pole = blankiet_.DodajPole(TEdPole::Nowe(narzedzie_, PikseleNaMm(x, skok_), PikseleNaMm(y, skok_)));
        pole.PrzeliczPiksele(skok_);
        zaznaczenie_.assign(1, Wpis(&pole));
        zapisany_ = false;
        return;
    }
    if (TEdPole* pole = PoleW(x, y)) {
        zapisany_ = false;
        const auto it = std::find_if(zaznaczenie_.begin(), zaznaczenie_.end(),
                                     [pole](const TEdPolePom& w) { return w.Pole == pole; });
        if (it != zaznaczenie_.end()) {
            if (shift)
                zaznaczenie_.erase(it);
            else
                przeciaganie_ = TPrzeciaganie::Przesuwanie;
        } else if (shift) {
            zaznaczenie_.push_back(Wpis(pole));
        } else {
            zaznaczenie_.assign(1, Wpis(pole));
            przeciaganie_ = TPrzeciaganie::Przesuwanie;
        }
        return;
    }
    if (TProwOb* prowadnica = ProwadnicaW(x, y)) {
        prowadnica_ = prowadnica;
        przeciaganie_ = TPrzeciaganie::Prowadnica;
        return;
    }
    zaznaczenie_.clear();
    przeciaganie_ = TPrzeciaganie::Ramka;
}

void TEdytorBlankietu::Przesun(int32_t x, int32_t y)
{
    switch (przeciaganie_) {
    case TPrzeciaganie::Przesuwanie:
        for (TEdPolePom& wpis : zaznaczenie_) {
            wpis.PX += x - ostatniX_;
            wpis.PY += y - ostatniY_;
            wpis.X = PikseleNaMm(wpis.PX, wpis.Skok);
            wpis.Y = PikseleNaMm(wpis.PY, wpis.Skok);
        }
        break;
    case TPrzeciaganie::Prowadnica:
        prowadnica_->Poz = prowadnica_->Kier == ProwadnicaPozioma ? y : x;
        prowadnica_->PozMm = PikseleNaMm(prowadnica_->Poz, skok_);
        zapisany_ = false;
        break;
    default:
        break;
    }
    ostatniX_ = x;
    ostatniY_ = y;
}

TRamkaPx TEdytorBlankietu::Ramka() const
{
    return {std::min(startX_, ostatniX_), std::min(startY_, ostatniY_), std::max(startX_, ostatniX_),
            std::max(startY_, ostatniY_)};
}

bool TEdytorBlankietu::RownaProwadnica(uint8_t kier, double pozMm, int32_t poz, const TProwOb* pomin) const
{
    return std::any_of(blankiet_.Prowadnice.begin(), blankiet_.Prowadnice.end(), [&](const auto& p) {
        return p.get() != pomin && p->Kier == kier && p->PozMm == pozMm && p->Poz == poz;
    });
}

void TEdytorBlankietu::Zwolnij(int32_t x, int32_t y, int32_t widokX, int32_t widokY)
{
    Przesun(x, y);
    const TPrzeciaganie bylo = przeciaganie_;
    przeciaganie_ = TPrzeciaganie::Brak;
    switch (bylo) {
    case TPrzeciaganie::Ramka: {
        const TRamkaPx r = Ramka();
        zaznaczenie_.clear();
        for (const auto& pole : blankiet_.Pola)
            if (r.Lewy <= pole->Piksele.Lewy && pole->Piksele.Lewy <= r.Prawy && r.Gorny <= pole->Piksele.Gorny &&
                pole->Piksele.Gorny <= r.Dolny)
                zaznaczenie_.push_back(Wpis(pole.get()));
        break;
    }
    case TPrzeciaganie::Przesuwanie:
        for (TEdPolePom& wpis : zaznaczenie_) {
            wpis.Pole->PozX = wpis.X;
            wpis.Pole->PozY = wpis.Y;
            OdswiezWpis(wpis);
        }
        break;
    case TPrzeciaganie::Prowadnica: {
        TProwOb* p = prowadnica_;
        prowadnica_ = nullptr;
        // Dropped onto another guide of its kind: the two become one.
        for (const auto& inna : blankiet_.Prowadnice)
            if (inna.get() != p && inna->Kier == p->Kier && inna->PozMm == p->PozMm && inna->Poz == p->Poz) {
                blankiet_.UsunProwadnice(inna.get());
                break;
            }
        // Dragged back onto its ruler, or off the slip: gone.
        const bool pozioma = p->Kier == ProwadnicaPozioma;
        const int32_t poczatek = pozioma ? widokY : widokX;
        const int32_t koniec = pozioma ? WysokoscObrazu() : SzerokoscObrazu();
        if (p->Poz < poczatek || p->Poz >= koniec)
            blankiet_.UsunProwadnice(p);
        break;
    }
    case TPrzeciaganie::Brak:
        break;
    }
}

bool TEdytorBlankietu::DodajProwadnice(uint8_t kier, int32_t piksele)
{
    const double mm = PikseleNaMm(piksele, skok_);
    if (RownaProwadnica(kier, mm, piksele, nullptr))
        return false;
    TProwOb& p = blankiet_.DodajProwadnice(kier, mm);
    p.Poz = piksele;
    zapisany_ = false;
    return true;
}

int TEdytorBlankietu::WstawProwadnice(double od, double doPoz, double czesci, uint8_t kier)
{
    const double zaokraglone = std::nearbyint(czesci);
    const int n = std::isfinite(zaokraglone) ? static_cast<int>(std::clamp(zaokraglone, 2.0, double(MaxCzesciProwadnic)))
                                             : 2;
    if (!std::isfinite(od) || !std::isfinite(doPoz))
        return 0;
    if (od > doPoz)
        std::swap(od, doPoz);
    const double krok = (doPoz - od) / (n - 1);
    int dodanych = 0;
    for (int i = 0; i < n; ++i) {
        const double mm = i == n - 1 ? doPoz : od + i * krok;
        const int32_t px = MmNaPiksele(mm, skok_);
        if (RownaProwadnica(kier, mm, px, nullptr))
            continue;
        blankiet_.DodajProwadnice(kier, mm).PrzeliczPiksele(skok_);
        ++dodanych;
    }
    zapisany_ = false;
    return dodanych;
}

void TEdytorBlankietu::UsunProwadnice()
{
    prowadnica_ = nullptr;
    if (przeciaganie_ == TPrzeciaganie::Prowadnica)
        przeciaganie_ = TPrzeciaganie::Brak;
    if (!blankiet_.Prowadnice.empty())
        zapisany_ = false;
    blankiet_.Prowadnice.clear();
}

bool TEdytorBlankietu::Wyrownaj(int przycisk)
{
    if (przycisk < 1 || przycisk > static_cast<int>(std::size(Wyrownania)) || zaznaczenie_.empty())
        return false;
    const TWyrownanie w = Wyrownania[przycisk - 1];
    const bool poziomo = w.Odniesienie == TStrona::Lewa || w.Odniesienie == TStrona::Prawa;
    auto poz = [poziomo](const TEdPolePom& e) { return poziomo ? e.X : e.Y; };
    auto rozmiar = [poziomo](const TEdPolePom& e) { return poziomo ? e.Pole->SzerPola : e.Pole->WysPola; };
    const bool najmniejsza = w.Odniesienie == TStrona::Lewa || w.Odniesienie == TStrona::Gora;
    // The first in selection order wins a tie.
    const TEdPolePom* ref = &zaznaczenie_.front();
    for (const TEdPolePom& e : zaznaczenie_)
        if (najmniejsza ? poz(e) < poz(*ref) : poz(e) > poz(*ref))
            ref = &e;

    const uint8_t kier = poziomo ? ProwadnicaPionowa : ProwadnicaPozioma;
    std::optional<double> guide;
    for (const auto& p : blankiet_.Prowadnice) {
        if (p->Kier != kier)
            continue;
        if (najmniejsza) {
            if (p->PozMm > 0 && p->PozMm <= poz(*ref) && (!guide || p->PozMm > *guide))
                guide = p->PozMm;
        } else if (p->PozMm >= poz(*ref) + rozmiar(*ref) && (!guide || p->PozMm < *guide)) {
            guide = p->PozMm;
        }
    }
    if (!guide)
        return false;

    const double przesuniecie = najmniejsza ? *guide - poz(*ref) : *guide - (poz(*ref) + rozmiar(*ref));
    for (TEdPolePom& e : zaznaczenie_) {
        double nowa = poz(e) + przesuniecie;
        if (!w.Blokiem)
            nowa = najmniejsza ? *guide : *guide - rozmiar(e);
        (poziomo ? e.Pole->PozX : e.Pole->PozY) = nowa;
        OdswiezWpis(e);
    }
    zapisany_ = false;
    return true;
}

void TEdytorBlankietu::Kopiuj()
{
    schowek_.clear();
    for (const TEdPolePom& wpis : zaznaczenie_)
        schowek_.push_back(*wpis.Pole);
}

void TEdytorBlankietu::Wytnij()
{
    Kopiuj();
    for (const TEdPolePom& wpis : zaznaczenie_)
        blankiet_.UsunPole(wpis.Pole);
    if (!zaznaczenie_.empty())
        zapisany_ = false;
    zaznaczenie_.clear();
}

void TEdytorBlankietu::Wstaw()
{
    zaznaczenie_.clear();
    for (const TEdPole& kopia : schowek_) {
        TEdPole nowe = kopia;
        nowe.Id = NowyIdPola();
        nowe.PozX += 1;
        nowe.PozY += 1;
        TEdPole& pole = blankiet_.DodajPole(nowe);
        pole.PrzeliczPiksele(skok_);
        zaznaczenie_.push_back(Wpis(&pole));
    }
    if (!schowek_.empty())
        zapisany_ = false;
}

void TEdytorBlankietu::UsunWszystko()
{
    zaznaczenie_.clear();
    przeciaganie_ = TPrzeciaganie::Brak;
    blankiet_.UsunPolaIGrupy();
    zapisany_ = false;
}

void TEdytorBlankietu::UstawParametry(const TParametryPola& p)
{
    const bool jedno = zaznaczenie_.size() == 1;
    for (TEdPolePom& wpis : zaznaczenie_) {
        TEdPole& pole = *wpis.Pole;
        pole.SzerPola = p.SzerPola;
        pole.WysPola = p.WysPola;
        pole.SzerZaz = p.SzerZaz;
        pole.WysZaz = p.WysZaz;
        pole.Grubosc = p.Grubosc;
        if (p.NrGrupy)
            pole.NrGrupy = *p.NrGrupy;
        if (jedno) {
            pole.PozX = p.PozX;
            pole.PozY = p.PozY;
            pole.NrPola = static_cast<uint8_t>(std::clamp(p.NrPola, 0, 255));
        }
        if (p.Rodzaj && *p.Rodzaj >= MinRodzajPola && *p.Rodzaj <= MaxRodzajPola)
            pole.Rodzaj = *p.Rodzaj;
        OdswiezWpis(wpis);
    }
    zapisany_ = false;
}

void TEdytorBlankietu::UstawRozmiarZTla(int szerokosc, int wysokosc)
{
    blankiet_.Szer = szerokosc * MmNaPunktTla;
    blankiet_.Wys = wysokosc * MmNaPunktTla;
    zapisany_ = false;
}

int32_t TEdytorBlankietu::SzerokoscObrazu() const
{
    return RozmiarNaPiksele(blankiet_.Szer, skok_);
}

int32_t TEdytorBlankietu::WysokoscObrazu() const
{
    return RozmiarNaPiksele(blankiet_.Wys, skok_);
}

} // namespace tarvomund
