// Every stored input of every fuzz target (its seeds and every crash input found) goes through the
// same readers again in each test run, so a fixed crash stays fixed.
#include "CeleFuzz.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace tarvomund::fuzz {
namespace {

namespace fs = std::filesystem;

const fs::path Korpus{TARVOMUND_KORPUS_FUZZ};

std::string Czytaj(const fs::path& plik)
{
    std::ifstream we(plik, std::ios::binary);
    return {std::istreambuf_iterator<char>(we), std::istreambuf_iterator<char>()};
}

class OdtworzenieKorpusuTest : public ::testing::TestWithParam<TCelFuzz> {};

TEST_P(OdtworzenieKorpusuTest, KazdeWejscieBezNaruszen)
{
    const fs::path folder = Korpus / GetParam().Nazwa;
    ASSERT_TRUE(fs::is_directory(folder)) << "no seeds in " << folder;
    int wejsc = 0;
    for (const auto& wpis : fs::directory_iterator(folder)) {
        if (!wpis.is_regular_file() || wpis.path().filename().string().starts_with("."))
            continue;
        ++wejsc;
        SCOPED_TRACE(wpis.path().string());
        try {
            GetParam().Wykonaj(Czytaj(wpis.path()));
        } catch (const TNaruszenie& naruszenie) {
            ADD_FAILURE() << naruszenie.what();
        } catch (const std::exception& wyjatek) {
            ADD_FAILURE() << "a reader let out an exception: " << wyjatek.what();
        }
    }
    EXPECT_GT(wejsc, 0) << "no seeds in " << folder;
}

INSTANTIATE_TEST_SUITE_P(Cele, OdtworzenieKorpusuTest, ::testing::ValuesIn(CeleFuzz()),
                         [](const auto& cel) { return std::string(cel.param.Nazwa); });

// Each folder of the corpus belongs to a target, so no seeds lie unused under a mistyped name.
TEST(KorpusFuzz, KazdyFolderMaCel)
{
    for (const auto& wpis : fs::directory_iterator(Korpus)) {
        if (wpis.is_directory()) {
            EXPECT_NE(ZnajdzCel(wpis.path().filename().string()), nullptr) << wpis.path();
        }
    }
}

} // namespace
} // namespace tarvomund::fuzz
