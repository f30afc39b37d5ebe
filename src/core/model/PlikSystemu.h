#pragma once

#include "model/TInfoGryRec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvomund {

// System file: a 964-byte header, then `count` bet records of the record size at offset 12.
// Number systems store k position bytes per bet; pool systems one sign byte per match.
inline constexpr std::size_t DlugoscNaglowkaSystemu = 964;
inline constexpr std::size_t PozycjaWlasnychLiczb = 124;
inline constexpr std::size_t DlugoscWlasnychLiczb = 3 * MaxLiczbSystemu;
inline constexpr std::size_t PozycjaWystapien = 484;
inline constexpr int32_t MaxKodSystemuLiczbowego = 1000;

enum class TBladSystemu {
    Brak,
    NieOtwarty,
    ZaKrotki,        // shorter than its header or than the bets its count announces
    ZlyRozmiar,      // record size differs from k
    ZleParametry,    // n or k outside 1..120, or a negative count
    NieznanyKod,     // neither a number system nor a pool system
    BladZapisu,
};

struct TNaglowekSystemu {
    TInfoGryRec Info;
    int32_t RozmiarRekordu = 0;
    bool Pilkarski() const { return Info.KodGry == KodSystemuPilkarskiego; }
};

// The 964 header bytes of a system.
std::string ZbudujNaglowekSystemu(const TInfoGryRec& info, int32_t rozmiarRekordu);
// Parses and checks a header against the size of its file.
std::optional<TNaglowekSystemu> RozbierzNaglowekSystemu(std::string_view naglowek, uint64_t rozmiarPliku,
                                                       TBladSystemu* blad = nullptr);
std::optional<TNaglowekSystemu> CzytajNaglowekSystemu(const std::string& plik, TBladSystemu* blad = nullptr);

// Writes a system the way every computation does: a zero placeholder header, the bets through a
// large buffer, then the real header over the placeholder, so that a stopped run still leaves a
// valid file for the bets written.
class TPisarzSystemu {
public:
    TPisarzSystemu(const std::string& plik, int32_t rozmiarRekordu);
    ~TPisarzSystemu();
    TPisarzSystemu(const TPisarzSystemu&) = delete;
    TPisarzSystemu& operator=(const TPisarzSystemu&) = delete;

    bool Otwarty() const { return plik_ != nullptr; }
    void Dodaj(const uint8_t* rekord);
    int32_t Zapisanych() const { return zapisanych_; }
    // Writes the header with the count of bets written and closes the file.
    bool Zakoncz(TInfoGryRec info);

private:
    void Oproznij();

    std::FILE* plik_ = nullptr;
    int32_t rozmiarRekordu_;
    int32_t zapisanych_ = 0;
    bool dobrze_ = true;
    std::vector<uint8_t> bufor_;
    std::size_t zajete_ = 0;
};

// Reads the bets of a system file by number; the header is checked once on opening.
class TCzytnikSystemu {
public:
    explicit TCzytnikSystemu(const std::string& plik);
    ~TCzytnikSystemu();
    TCzytnikSystemu(const TCzytnikSystemu&) = delete;
    TCzytnikSystemu& operator=(const TCzytnikSystemu&) = delete;

    bool Otwarty() const { return naglowek_.has_value(); }
    TBladSystemu Blad() const { return blad_; }
    const TNaglowekSystemu& Naglowek() const { return *naglowek_; }
    // Bets od..od+ile-1 (1-based), each RozmiarRekordu bytes, fewer at the end of the file.
    std::vector<std::array<uint8_t, MaxLiczbSystemu>> Zaklady(int32_t od, int32_t ile);
    // Calls f(number, bet) for every bet of the header's count, read in large portions; returns 0,
    // or the number of the first bet that could not be read (nothing is called from there on).
    int32_t DlaKazdego(const std::function<void(int32_t, const std::array<uint8_t, MaxLiczbSystemu>&)>& f);

private:
    std::FILE* plik_ = nullptr;
    std::optional<TNaglowekSystemu> naglowek_;
    TBladSystemu blad_ = TBladSystemu::Brak;
};

// Rewrites the own-numbers block (bytes 124..483) of a system file in place.
bool ZapiszWlasneLiczby(const std::string& plik, const TInfoGryRec& info);

} // namespace tarvomund
