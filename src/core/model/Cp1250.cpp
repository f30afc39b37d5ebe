#include "model/Cp1250.h"

#include <array>
#include <cstdint>

namespace tarvomund {

namespace {

// Unicode code points of the bytes 0x80..0xFF.
constexpr std::array<char32_t, 128> GornaPolowa{
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void DopiszUtf8(std::string& wynik, char32_t znak)
{
    if (znak < 0x80) {
        wynik.push_back(static_cast<char>(znak));
    } else if (znak < 0x800) {
        wynik.push_back(static_cast<char>(0xC0 | (znak >> 6)));
        wynik.push_back(static_cast<char>(0x80 | (znak & 0x3F)));
    } else {
        wynik.push_back(static_cast<char>(0xE0 | (znak >> 12)));
        wynik.push_back(static_cast<char>(0x80 | ((znak >> 6) & 0x3F)));
        wynik.push_back(static_cast<char>(0x80 | (znak & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at `poz`, advancing it; malformed input yields U+FFFD.
char32_t CzytajUtf8(std::string_view tekst, std::size_t& poz)
{
    const auto bajt = [&](std::size_t i) { return static_cast<unsigned char>(tekst[i]); };
    const unsigned char c = bajt(poz++);
    if (c < 0x80)
        return c;
    int dalszych = 0;
    char32_t znak = 0;
    if ((c & 0xE0) == 0xC0) {
        dalszych = 1;
        znak = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        dalszych = 2;
        znak = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        dalszych = 3;
        znak = c & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int i = 0; i < dalszych; ++i) {
        if (poz >= tekst.size() || (bajt(poz) & 0xC0) != 0x80)
            return 0xFFFD;
        znak = (znak << 6) | (bajt(poz++) & 0x3F);
    }
    return znak;
}

} // namespace

std::string Cp1250DoUtf8(std::string_view cp1250)
{
    std::string wynik;
    wynik.reserve(cp1250.size() * 2);
    for (char c : cp1250) {
        const auto b = static_cast<unsigned char>(c);
        DopiszUtf8(wynik, b < 0x80 ? char32_t{b} : GornaPolowa[b - 0x80u]);
    }
    return wynik;
}

std::string Utf8DoCp1250(std::string_view utf8)
{
    std::string wynik;
    wynik.reserve(utf8.size());
    std::size_t poz = 0;
    while (poz < utf8.size()) {
        const char32_t znak = CzytajUtf8(utf8, poz);
        if (znak < 0x80) {
            wynik.push_back(static_cast<char>(znak));
            continue;
        }
        char wyjscie = '?';
        for (std::size_t i = 0; i < GornaPolowa.size(); ++i) {
            if (GornaPolowa[i] == znak) {
                wyjscie = static_cast<char>(0x80 + i);
                break;
            }
        }
        wynik.push_back(wyjscie);
    }
    return wynik;
}

bool CzyUtf8(std::string_view tekst)
{
    std::size_t poz = 0;
    while (poz < tekst.size()) {
        const auto c = static_cast<unsigned char>(tekst[poz]);
        if (c < 0x80) {
            ++poz;
            continue;
        }
        // Shortest forms only, no surrogates, nothing above U+10FFFF.
        std::size_t dalszych = 0;
        unsigned char min = 0x80;
        unsigned char max = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            dalszych = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            dalszych = 2;
            if (c == 0xE0)
                min = 0xA0;
            else if (c == 0xED)
                max = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            dalszych = 3;
            if (c == 0xF0)
                min = 0x90;
            else if (c == 0xF4)
                max = 0x8F;
        } else {
            return false;
        }
        if (tekst.size() - poz - 1 < dalszych)
            return false;
        for (std::size_t i = 1; i <= dalszych; ++i) {
            const auto d = static_cast<unsigned char>(tekst[poz + i]);
            if (d < (i == 1 ? min : 0x80) || d > (i == 1 ? max : 0xBF))
                return false;
        }
        poz += dalszych + 1;
    }
    return true;
}

} // namespace tarvomund
