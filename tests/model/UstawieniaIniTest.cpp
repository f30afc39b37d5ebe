#include "model/UstawieniaIni.h"

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

TEST(UstawieniaIni, CzytaJakSklepUstawien)
{
    const TParametry domyslne;
    EXPECT_EQ(RozbierzUstawieniaIni(""), domyslne);
    const TParametry p = RozbierzUstawieniaIni("[USTAWIENIA]\r\nSciezka%20do%20programu=/x\r\n[STATYSTYKA]\r\n"
                                               "Spin1=42\r\nCBox1=true\r\nSpin11=3\r\n[GWARANCJA]\r\nIleNad=7\r\n"
                                               "IlePod=8\r\nMinMax=false\r\n");
    EXPECT_EQ(p.Spin1, 42);
    EXPECT_TRUE(p.CBox1);
    EXPECT_EQ(p.Spin11, 3);
    EXPECT_EQ(p.IleNad, 7);
    EXPECT_EQ(p.IlePod, 8);
    EXPECT_FALSE(p.MinMax);
    // Values out of range, of the wrong kind or under another section keep their defaults.
    const TParametry zle = RozbierzUstawieniaIni("[GWARANCJA]\nIleNad=0\nIlePod=abc\nMinMax=tak\nSpin1=5\n"
                                                 "[STATYSTYKA]\nSpin11=11\nIleNad=9\n");
    EXPECT_EQ(zle, domyslne);
}

} // namespace
} // namespace tarvomund
