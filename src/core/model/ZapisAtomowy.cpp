#include "model/ZapisAtomowy.h"

#include <filesystem>
#include <system_error>

namespace tarvomund {

namespace fs = std::filesystem;

TZapisAtomowy::TZapisAtomowy(std::string cel) : cel_(std::move(cel)), tymczasowy_(cel_ + ".tmp~")
{
    strumien_.open(tymczasowy_, std::ios::binary | std::ios::trunc);
}

TZapisAtomowy::~TZapisAtomowy()
{
    if (zatwierdzony_)
        return;
    if (strumien_.is_open())
        strumien_.close();
    std::error_code blad;
    fs::remove(tymczasowy_, blad);
}

void TZapisAtomowy::Pisz(std::string_view dane)
{
    strumien_.write(dane.data(), static_cast<std::streamsize>(dane.size()));
}

void TZapisAtomowy::PiszNa(std::streamoff pozycja, std::string_view dane)
{
    const auto koniec = strumien_.tellp();
    strumien_.seekp(pozycja);
    Pisz(dane);
    strumien_.seekp(koniec);
}

bool TZapisAtomowy::Zatwierdz()
{
    if (!strumien_.is_open())
        return false;
    strumien_.flush();
    const bool dobrze = static_cast<bool>(strumien_);
    strumien_.close();
    if (!dobrze || strumien_.fail())
        return false;
    std::error_code blad;
    fs::rename(tymczasowy_, cel_, blad);
    if (blad)
        return false;
    zatwierdzony_ = true;
    return true;
}

bool ZapiszPlikAtomowo(const std::string& cel, std::string_view dane)
{
    TZapisAtomowy zapis(cel);
    if (!zapis.Otwarty())
        return false;
    zapis.Pisz(dane);
    return zapis.Zatwierdz();
}

} // namespace tarvomund
