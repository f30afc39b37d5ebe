#include "model/PlikSystemu.h"

#include "model/BinIO.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace tarvomund {

namespace {

constexpr std::size_t SzerokoscNazwySystemu = 50;
constexpr std::size_t PozycjaParametrowGrySystemu = 68;
constexpr std::size_t RozmiarBufora = 1 << 16;

void Ustaw(TBladSystemu* blad, TBladSystemu wartosc)
{
    if (blad)
        *blad = wartosc;
}

} // namespace

std::string ZbudujNaglowekSystemu(const TInfoGryRec& info, int32_t rozmiarRekordu)
{
    const bool pilkarski = info.KodGry == KodSystemuPilkarskiego;
    TPisarzBin p;
    p.Rezerwuj(DlugoscNaglowkaSystemu);
    p.Int32(info.IdGry);
    p.Int32(info.KodGry);
    p.Int32(0);
    p.Int32(rozmiarRekordu);
    p.Tekst(info.Nazwa, SzerokoscNazwySystemu);
    p.Zera(1);
    p.Int32(info.MinSkreslen);
    p.Int32(info.MaxSkreslen);
    // A pool system keeps its count of matches per bet where a number system keeps the normal count.
    p.Int32(pilkarski ? info.k : info.NormSkreslen);
    p.Int32(info.IleDodatkowych);
    p.Int32(info.IleLiczb);
    p.Int32(info.IleLosowanych);
    p.Int32(info.IlePoziomo);
    p.Int32(info.IlePionowo);
    p.Bajt(info.Kierunek ? 1 : 0);
    p.Bajt(info.Pilkarski);
    p.Zera(2);
    p.Int32(info.n);
    p.Int32(info.k);
    p.Int32(info.Zakladow);
    p.Int32(info.Metoda);
    p.Int32(info.Gwarancja);
    for (const TTablicaLiczb& tablica : info.Wlasne)
        p.Bajty(std::string_view(reinterpret_cast<const char*>(tablica.data()), tablica.size()));
    for (int32_t w : info.Wystapienia)
        p.Int32(w);
    return p.Wez();
}

std::optional<TNaglowekSystemu> RozbierzNaglowekSystemu(std::string_view dane, uint64_t rozmiarPliku,
                                                       TBladSystemu* blad)
{
    if (dane.size() < DlugoscNaglowkaSystemu || rozmiarPliku < DlugoscNaglowkaSystemu) {
        Ustaw(blad, TBladSystemu::ZaKrotki);
        return std::nullopt;
    }
    TCzytnikBin c(dane);
    TNaglowekSystemu n;
    TInfoGryRec& info = n.Info;
    info.IdGry = c.Int32();
    info.KodGry = c.Int32();
    c.Pomin(4);
    n.RozmiarRekordu = c.Int32();
    info.Nazwa = c.Tekst(SzerokoscNazwySystemu);
    c.Skocz(PozycjaParametrowGrySystemu);
    info.MinSkreslen = c.Int32();
    info.MaxSkreslen = c.Int32();
    const int32_t normalnie = c.Int32();
    info.IleDodatkowych = c.Int32();
    info.IleLiczb = c.Int32();
    info.IleLosowanych = c.Int32();
    info.IlePoziomo = c.Int32();
    info.IlePionowo = c.Int32();
    info.Kierunek = c.Bajt() != 0;
    info.Pilkarski = c.Bajt();
    c.Pomin(2);
    info.n = c.Int32();
    info.k = c.Int32();
    info.Zakladow = c.Int32();
    info.Metoda = c.Int32();
    info.Gwarancja = c.Int32();
    for (TTablicaLiczb& tablica : info.Wlasne) {
        const std::string_view bajty = c.Bajty(tablica.size());
        std::copy(bajty.begin(), bajty.end(), tablica.begin());
    }
    for (int32_t& w : info.Wystapienia)
        w = c.Int32();

    if (info.KodGry == KodSystemuPilkarskiego)
        info.k = normalnie; // pool systems keep their matches per bet at offset 76
    else if (info.KodGry <= MaxKodSystemuLiczbowego)
        info.NormSkreslen = normalnie;
    else {
        Ustaw(blad, TBladSystemu::NieznanyKod);
        return std::nullopt;
    }
    if (info.k < 1 || info.k > MaxLiczbSystemu || info.Zakladow < 0 ||
        (info.KodGry != KodSystemuPilkarskiego && (info.n < 1 || info.n > MaxLiczbSystemu))) {
        Ustaw(blad, TBladSystemu::ZleParametry);
        return std::nullopt;
    }
    if (n.RozmiarRekordu != info.k) {
        Ustaw(blad, TBladSystemu::ZlyRozmiar);
        return std::nullopt;
    }
    if ((rozmiarPliku - DlugoscNaglowkaSystemu) / static_cast<uint64_t>(n.RozmiarRekordu) <
        static_cast<uint64_t>(info.Zakladow)) {
        Ustaw(blad, TBladSystemu::ZaKrotki);
        return std::nullopt;
    }
    Ustaw(blad, TBladSystemu::Brak);
    return n;
}

std::optional<TNaglowekSystemu> CzytajNaglowekSystemu(const std::string& plik, TBladSystemu* blad)
{
    std::FILE* f = std::fopen(plik.c_str(), "rb");
    if (!f) {
        Ustaw(blad, TBladSystemu::NieOtwarty);
        return std::nullopt;
    }
    std::string dane(DlugoscNaglowkaSystemu, '\0');
    const std::size_t przeczytano = std::fread(dane.data(), 1, dane.size(), f);
    std::fseek(f, 0, SEEK_END);
    const long rozmiar = std::ftell(f);
    std::fclose(f);
    dane.resize(przeczytano);
    return RozbierzNaglowekSystemu(dane, rozmiar < 0 ? 0 : static_cast<uint64_t>(rozmiar), blad);
}

TPisarzSystemu::TPisarzSystemu(const std::string& plik, int32_t rozmiarRekordu) : rozmiarRekordu_(rozmiarRekordu)
{
    plik_ = std::fopen(plik.c_str(), "wb");
    if (!plik_)
        return;
    bufor_.resize(std::max<std::size_t>(RozmiarBufora, static_cast<std::size_t>(std::max(rozmiarRekordu, 0))));
    const std::string zera(DlugoscNaglowkaSystemu, '\0');
    dobrze_ = std::fwrite(zera.data(), 1, zera.size(), plik_) == zera.size();
}

TPisarzSystemu::~TPisarzSystemu()
{
    if (plik_)
        std::fclose(plik_);
}

void TPisarzSystemu::Oproznij()
{
    if (zajete_ > 0 && plik_)
        dobrze_ = std::fwrite(bufor_.data(), 1, zajete_, plik_) == zajete_ && dobrze_;
    zajete_ = 0;
}

void TPisarzSystemu::Dodaj(const uint8_t* rekord)
{
    const auto rozmiar = static_cast<std::size_t>(rozmiarRekordu_);
    if (zajete_ + rozmiar > bufor_.size())
        Oproznij();
    std::memcpy(bufor_.data() + zajete_, rekord, rozmiar);
    zajete_ += rozmiar;
    ++zapisanych_;
}

bool TPisarzSystemu::Zakoncz(TInfoGryRec info)
{
    if (!plik_)
        return false;
    Oproznij();
    info.Zakladow = zapisanych_;
    const std::string naglowek = ZbudujNaglowekSystemu(info, rozmiarRekordu_);
    dobrze_ = std::fseek(plik_, 0, SEEK_SET) == 0 && dobrze_;
    dobrze_ = std::fwrite(naglowek.data(), 1, naglowek.size(), plik_) == naglowek.size() && dobrze_;
    dobrze_ = std::fclose(plik_) == 0 && dobrze_;
    plik_ = nullptr;
    return dobrze_;
}

TCzytnikSystemu::TCzytnikSystemu(const std::string& plik)
{
    naglowek_ = CzytajNaglowekSystemu(plik, &blad_);
    if (naglowek_)
        plik_ = std::fopen(plik.c_str(), "rb");
    if (!plik_) {
        naglowek_.reset();
        if (blad_ == TBladSystemu::Brak)
            blad_ = TBladSystemu::NieOtwarty;
    }
}

TCzytnikSystemu::~TCzytnikSystemu()
{
    if (plik_)
        std::fclose(plik_);
}

std::vector<std::array<uint8_t, MaxLiczbSystemu>> TCzytnikSystemu::Zaklady(int32_t od, int32_t ile)
{
    std::vector<std::array<uint8_t, MaxLiczbSystemu>> wynik;
    if (!plik_ || od < 1 || ile <= 0)
        return wynik;
    const int32_t wszystkich = naglowek_->Info.Zakladow;
    const int32_t koniec = std::min<int64_t>(static_cast<int64_t>(od) + ile - 1, wszystkich);
    if (od > koniec)
        return wynik;
    const auto rekord = static_cast<std::size_t>(naglowek_->RozmiarRekordu);
    std::vector<uint8_t> bajty(rekord * static_cast<std::size_t>(koniec - od + 1));
    const long pozycja = static_cast<long>(DlugoscNaglowkaSystemu + static_cast<std::size_t>(od - 1) * rekord);
    if (std::fseek(plik_, pozycja, SEEK_SET) != 0 || std::fread(bajty.data(), 1, bajty.size(), plik_) != bajty.size())
        return wynik;
    wynik.resize(static_cast<std::size_t>(koniec - od + 1));
    for (std::size_t i = 0; i < wynik.size(); ++i)
        std::copy_n(bajty.data() + i * rekord, rekord, wynik[i].begin());
    return wynik;
}

int32_t TCzytnikSystemu::DlaKazdego(
    const std::function<void(int32_t, const std::array<uint8_t, MaxLiczbSystemu>&)>& f)
{
    constexpr int32_t Porcja = 4096;
    if (!plik_)
        return 1;
    for (int32_t od = 1; od <= naglowek_->Info.Zakladow; od += Porcja) {
        const auto zaklady = Zaklady(od, Porcja);
        if (zaklady.empty())
            return od;
        int32_t numer = od;
        for (const auto& zaklad : zaklady)
            f(numer++, zaklad);
    }
    return 0;
}

bool ZapiszWlasneLiczby(const std::string& plik, const TInfoGryRec& info)
{
    std::FILE* f = std::fopen(plik.c_str(), "r+b");
    if (!f)
        return false;
    std::string blok;
    for (const TTablicaLiczb& tablica : info.Wlasne)
        blok.append(reinterpret_cast<const char*>(tablica.data()), tablica.size());
    bool dobrze = std::fseek(f, static_cast<long>(PozycjaWlasnychLiczb), SEEK_SET) == 0 &&
                  std::fwrite(blok.data(), 1, blok.size(), f) == blok.size();
    dobrze = std::fclose(f) == 0 && dobrze;
    return dobrze;
}

} // namespace tarvomund
