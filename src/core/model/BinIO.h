#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvomund {

// Little-endian reading from a byte buffer. Reading past the end never touches memory outside the
// buffer: it yields zeros and clears Dobrze(), so a reader checks once after a group of fields.
class TCzytnikBin {
public:
    explicit TCzytnikBin(std::string_view dane) : dane_(dane) {}

    uint8_t Bajt();
    int16_t Int16();
    int32_t Int32();
    double Double();
    // 10-byte x87 extended value, converted to the nearest double.
    double Extended();
    // Length byte followed by a field of `szerokosc` Windows-1250 characters; returns UTF-8.
    // A length beyond the field is cut to the field.
    std::string Tekst(std::size_t szerokosc);
    std::string_view Bajty(std::size_t ile);
    void Pomin(std::size_t ile);
    void Skocz(std::size_t pozycja);

    std::size_t Pozycja() const { return poz_; }
    std::size_t Zostalo() const { return poz_ < dane_.size() ? dane_.size() - poz_ : 0; }
    bool Dobrze() const { return dobrze_; }

private:
    bool Zajmij(std::size_t ile);

    std::string_view dane_;
    std::size_t poz_ = 0;
    bool dobrze_ = true;
};

// Little-endian writing into a growing byte buffer.
class TPisarzBin {
public:
    void Bajt(uint8_t wartosc);
    void Int16(int16_t wartosc);
    void Int32(int32_t wartosc);
    void Double(double wartosc);
    void Extended(double wartosc);
    // UTF-8 text stored as a length byte and `szerokosc` Windows-1250 characters, cut to the field
    // and padded with zeros.
    void Tekst(std::string_view utf8, std::size_t szerokosc);
    void Bajty(std::string_view bajty);
    void Zera(std::size_t ile);
    // Overwrites a 32-bit value already written.
    void Int32Na(std::size_t pozycja, int32_t wartosc);

    const std::string& Dane() const { return dane_; }
    std::string&& Wez() { return std::move(dane_); }
    void Rezerwuj(std::size_t ile) { dane_.reserve(ile); }

private:
    std::string dane_;
};

std::array<uint8_t, 10> DoubleNaExtended(double wartosc);
double ExtendedNaDouble(const std::array<uint8_t, 10>& bajty);

} // namespace tarvomund
