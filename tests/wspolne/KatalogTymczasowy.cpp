#include "wspolne/KatalogTymczasowy.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace tarvomund::testy {

namespace fs = std::filesystem;

TKatalogTymczasowy::TKatalogTymczasowy()
{
    std::random_device los;
    for (int proba = 0; proba < 100; ++proba) {
        sciezka_ = fs::temp_directory_path() / ("tarvomund-test-" + std::to_string(los()));
        if (fs::create_directory(sciezka_))
            return;
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TKatalogTymczasowy::~TKatalogTymczasowy()
{
    std::error_code blad;
    fs::remove_all(sciezka_, blad);
}

std::string CzytajPlik(const std::string& plik)
{
    std::ifstream we(plik, std::ios::binary);
    return {std::istreambuf_iterator<char>(we), std::istreambuf_iterator<char>()};
}

bool ZostalPlikTymczasowy(const std::filesystem::path& katalog)
{
    for (const auto& wpis : fs::directory_iterator(katalog)) {
        const std::string nazwa = wpis.path().filename().string();
        if (nazwa.starts_with(".") && nazwa.ends_with(".tmp"))
            return true;
    }
    return false;
}

void ZapiszPlik(const std::string& plik, std::string_view dane)
{
    std::ofstream wy(plik, std::ios::binary | std::ios::trunc);
    wy.write(dane.data(), static_cast<std::streamsize>(dane.size()));
}

} // namespace tarvomund::testy
