#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvomund::testy {

// A fresh directory for one test, removed with everything in it afterwards.
class TKatalogTymczasowy {
public:
    TKatalogTymczasowy();
    ~TKatalogTymczasowy();
    TKatalogTymczasowy(const TKatalogTymczasowy&) = delete;
    TKatalogTymczasowy& operator=(const TKatalogTymczasowy&) = delete;

    const std::filesystem::path& Sciezka() const { return sciezka_; }
    std::string Plik(std::string_view nazwa) const { return (sciezka_ / nazwa).string(); }

private:
    std::filesystem::path sciezka_;
};

std::string CzytajPlik(const std::string& plik);
// True while a directory holds a temporary file of an atomic write (the hidden `.NAME.*.tmp` form).
bool ZostalPlikTymczasowy(const std::filesystem::path& katalog);
void ZapiszPlik(const std::string& plik, std::string_view dane);

} // namespace tarvomund::testy
