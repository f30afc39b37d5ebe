#include "model/Cp1250.h"

#include <gtest/gtest.h>

#include <iconv.h>

namespace tarvomund {
namespace {

// The table against glibc's own converter, byte by byte over the assigned code points.
TEST(Cp1250, ZgodnyZIconv)
{
    iconv_t konwerter = iconv_open("UTF-8", "WINDOWS-1250");
    ASSERT_NE(konwerter, reinterpret_cast<iconv_t>(-1));
    int porownanych = 0;
    for (int b = 0x20; b < 0x100; ++b) {
        char wejscie = static_cast<char>(b);
        char wyjscie[8] = {};
        char* we = &wejscie;
        char* wy = wyjscie;
        std::size_t zostaloWe = 1;
        std::size_t zostaloWy = sizeof wyjscie;
        if (iconv(konwerter, &we, &zostaloWe, &wy, &zostaloWy) == static_cast<std::size_t>(-1))
            continue; // unassigned in the code page
        const std::string oczekiwane(wyjscie, static_cast<std::size_t>(wy - wyjscie));
        EXPECT_EQ(Cp1250DoUtf8(std::string(1, wejscie)), oczekiwane) << "byte " << b;
        EXPECT_EQ(Utf8DoCp1250(oczekiwane), std::string(1, wejscie)) << "byte " << b;
        ++porownanych;
    }
    iconv_close(konwerter);
    EXPECT_GE(porownanych, 0x100 - 0x20 - 5);
}

TEST(Cp1250, PolskieLiteryIZnakiSpozaStrony)
{
    EXPECT_EQ(Utf8DoCp1250("Zażółć gęślą jaźń"),
              "Za\xBF\xF3\xB3\xE6 g\xEA\x9C\x6C\xB9 ja\x9F\xF1");
    EXPECT_EQ(Cp1250DoUtf8(Utf8DoCp1250("ZAŻÓŁĆ GĘŚLĄ JAŹŃ")), "ZAŻÓŁĆ GĘŚLĄ JAŹŃ");
    EXPECT_EQ(Utf8DoCp1250("€ ü ж 😀"), "\x80 \xFC ? ?");
    // Broken UTF-8 does not run past the end.
    EXPECT_EQ(Utf8DoCp1250("a\xC5"), "a?");
    // Every byte string survives the round trip, unassigned bytes included.
    std::string wszystkie;
    for (int b = 0; b < 0x100; ++b)
        wszystkie.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8DoCp1250(Cp1250DoUtf8(wszystkie)), wszystkie);
}

} // namespace
} // namespace tarvomund
