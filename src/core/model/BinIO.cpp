#include "model/BinIO.h"

#include "model/Cp1250.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace tarvomund {

namespace {

constexpr int BiasExtended = 16383;
constexpr uint16_t MaxWykladnikExtended = 0x7FFF;
constexpr uint64_t BitCalkowity = uint64_t{1} << 63;

template <typename T> T CzytajLE(const char* p)
{
    std::make_unsigned_t<T> wartosc = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        wartosc |= static_cast<std::make_unsigned_t<T>>(static_cast<unsigned char>(p[i])) << (8 * i);
    return static_cast<T>(wartosc);
}

template <typename T> void PiszLE(std::string& dane, T wartosc)
{
    auto u = static_cast<std::make_unsigned_t<T>>(wartosc);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        dane.push_back(static_cast<char>(u & 0xFF));
        u = static_cast<std::make_unsigned_t<T>>(u >> 8);
    }
}

} // namespace

std::array<uint8_t, 10> DoubleNaExtended(double wartosc)
{
    std::array<uint8_t, 10> wynik{};
    uint64_t mantysa = 0;
    uint16_t wykladnik = 0;
    const bool ujemna = std::signbit(wartosc);
    if (std::isnan(wartosc)) {
        wykladnik = MaxWykladnikExtended;
        mantysa = BitCalkowity | (BitCalkowity >> 1);
    } else if (std::isinf(wartosc)) {
        wykladnik = MaxWykladnikExtended;
        mantysa = BitCalkowity;
    } else if (wartosc != 0.0) {
        // |x| = f · 2^e with f in [0.5, 1); the explicit integer bit makes the mantissa f · 2^64.
        int e = 0;
        const double f = std::frexp(std::fabs(wartosc), &e);
        mantysa = static_cast<uint64_t>(std::ldexp(f, 64));
        wykladnik = static_cast<uint16_t>(e - 1 + BiasExtended);
    }
    for (std::size_t i = 0; i < 8; ++i)
        wynik[i] = static_cast<uint8_t>(mantysa >> (8 * i));
    const uint16_t gora = static_cast<uint16_t>(wykladnik | (ujemna ? 0x8000 : 0));
    wynik[8] = static_cast<uint8_t>(gora & 0xFF);
    wynik[9] = static_cast<uint8_t>(gora >> 8);
    return wynik;
}

double ExtendedNaDouble(const std::array<uint8_t, 10>& bajty)
{
    uint64_t mantysa = 0;
    for (std::size_t i = 0; i < 8; ++i)
        mantysa |= static_cast<uint64_t>(bajty[i]) << (8 * i);
    const uint16_t gora = static_cast<uint16_t>(bajty[8] | (bajty[9] << 8));
    const bool ujemna = (gora & 0x8000) != 0;
    const int wykladnik = gora & MaxWykladnikExtended;
    double wartosc = 0.0;
    if (wykladnik == MaxWykladnikExtended) {
        wartosc = (mantysa << 1) == 0 ? std::numeric_limits<double>::infinity()
                                      : std::numeric_limits<double>::quiet_NaN();
    } else {
        // Denormals share the smallest exponent; the conversion of the mantissa rounds once.
        const int e = (wykladnik == 0 ? 1 : wykladnik) - BiasExtended - 63;
        wartosc = std::ldexp(static_cast<double>(mantysa), e);
    }
    return ujemna ? -wartosc : wartosc;
}

bool TCzytnikBin::Zajmij(std::size_t ile)
{
    if (!dobrze_ || ile > Zostalo()) {
        dobrze_ = false;
        poz_ = dane_.size();
        return false;
    }
    return true;
}

uint8_t TCzytnikBin::Bajt()
{
    if (!Zajmij(1))
        return 0;
    return static_cast<uint8_t>(dane_[poz_++]);
}

int16_t TCzytnikBin::Int16()
{
    if (!Zajmij(2))
        return 0;
    const auto w = CzytajLE<int16_t>(dane_.data() + poz_);
    poz_ += 2;
    return w;
}

int32_t TCzytnikBin::Int32()
{
    if (!Zajmij(4))
        return 0;
    const auto w = CzytajLE<int32_t>(dane_.data() + poz_);
    poz_ += 4;
    return w;
}

double TCzytnikBin::Double()
{
    if (!Zajmij(8))
        return 0.0;
    const auto bity = CzytajLE<uint64_t>(dane_.data() + poz_);
    poz_ += 8;
    return std::bit_cast<double>(bity);
}

double TCzytnikBin::Extended()
{
    if (!Zajmij(10))
        return 0.0;
    std::array<uint8_t, 10> bajty{};
    std::memcpy(bajty.data(), dane_.data() + poz_, bajty.size());
    poz_ += 10;
    return ExtendedNaDouble(bajty);
}

std::string TCzytnikBin::Tekst(std::size_t szerokosc)
{
    if (!Zajmij(1 + szerokosc))
        return {};
    std::size_t dlugosc = static_cast<unsigned char>(dane_[poz_]);
    if (dlugosc > szerokosc)
        dlugosc = szerokosc;
    const std::string wynik = Cp1250DoUtf8(dane_.substr(poz_ + 1, dlugosc));
    poz_ += 1 + szerokosc;
    return wynik;
}

std::string_view TCzytnikBin::Bajty(std::size_t ile)
{
    if (!Zajmij(ile))
        return {};
    const auto wynik = dane_.substr(poz_, ile);
    poz_ += ile;
    return wynik;
}

void TCzytnikBin::Pomin(std::size_t ile)
{
    if (Zajmij(ile))
        poz_ += ile;
}

void TCzytnikBin::Skocz(std::size_t pozycja)
{
    if (pozycja > dane_.size()) {
        dobrze_ = false;
        poz_ = dane_.size();
        return;
    }
    poz_ = pozycja;
}

void TPisarzBin::Bajt(uint8_t wartosc)
{
    dane_.push_back(static_cast<char>(wartosc));
}

void TPisarzBin::Int16(int16_t wartosc)
{
    PiszLE(dane_, wartosc);
}

void TPisarzBin::Int32(int32_t wartosc)
{
    PiszLE(dane_, wartosc);
}

void TPisarzBin::Double(double wartosc)
{
    PiszLE(dane_, std::bit_cast<uint64_t>(wartosc));
}

void TPisarzBin::Extended(double wartosc)
{
    for (uint8_t b : DoubleNaExtended(wartosc))
        Bajt(b);
}

void TPisarzBin::Tekst(std::string_view utf8, std::size_t szerokosc)
{
    std::string cp = Utf8DoCp1250(utf8);
    if (cp.size() > szerokosc)
        cp.resize(szerokosc);
    Bajt(static_cast<uint8_t>(cp.size()));
    dane_ += cp;
    Zera(szerokosc - cp.size());
}

void TPisarzBin::Bajty(std::string_view bajty)
{
    dane_ += bajty;
}

void TPisarzBin::Zera(std::size_t ile)
{
    dane_.append(ile, '\0');
}

void TPisarzBin::Int32Na(std::size_t pozycja, int32_t wartosc)
{
    std::string bajty;
    PiszLE(bajty, wartosc);
    dane_.replace(pozycja, bajty.size(), bajty);
}

} // namespace tarvomund
