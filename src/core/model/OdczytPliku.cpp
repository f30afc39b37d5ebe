#include "model/OdczytPliku.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <limits>

namespace tarvomund {

TOdczytPliku::TOdczytPliku(const std::string& plik)
{
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(plik.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        blad_ = TBladOdczytu::NieOtwarty;
        return;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        blad_ = TBladOdczytu::BladOdczytu;
        return;
    }
    if (!S_ISREG(st.st_mode) || st.st_size < 0) {
        ::close(fd);
        blad_ = TBladOdczytu::NieRegularny;
        return;
    }
    fd_ = fd;
    rozmiar_ = static_cast<uint64_t>(st.st_size);
}

TOdczytPliku::~TOdczytPliku()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool TOdczytPliku::Czytaj(uint64_t pozycja, void* bufor, std::size_t ile)
{
    if (fd_ < 0)
        return false;
    auto* cel = static_cast<char*>(bufor);
    while (ile > 0) {
        if (pozycja > static_cast<uint64_t>(std::numeric_limits<off_t>::max())) {
            blad_ = TBladOdczytu::BladOdczytu;
            return false;
        }
        const ssize_t przeczytano = ::pread(fd_, cel, ile, static_cast<off_t>(pozycja));
        if (przeczytano < 0 && errno == EINTR)
            continue;
        if (przeczytano <= 0) {
            blad_ = TBladOdczytu::BladOdczytu;
            return false;
        }
        cel += przeczytano;
        ile -= static_cast<std::size_t>(przeczytano);
        pozycja += static_cast<uint64_t>(przeczytano);
    }
    return true;
}

std::optional<std::string> TOdczytPliku::CzytajDo(uint64_t pozycja, std::size_t ile)
{
    if (fd_ < 0)
        return std::nullopt;
    const uint64_t jest = pozycja < rozmiar_ ? rozmiar_ - pozycja : 0;
    std::string dane(static_cast<std::size_t>(std::min<uint64_t>(ile, jest)), '\0');
    if (!Czytaj(pozycja, dane.data(), dane.size()))
        return std::nullopt;
    return dane;
}

std::optional<std::string> CzytajPlikRegularny(const std::string& plik, uint64_t maxRozmiar, TBladOdczytu* blad)
{
    auto ustaw = [blad](TBladOdczytu b) {
        if (blad)
            *blad = b;
    };
    TOdczytPliku odczyt(plik);
    if (!odczyt.Otwarty()) {
        ustaw(odczyt.Blad());
        return std::nullopt;
    }
    if (odczyt.Rozmiar() > maxRozmiar) {
        ustaw(TBladOdczytu::ZaDuzy);
        return std::nullopt;
    }
    std::optional<std::string> dane = odczyt.CzytajDo(0, static_cast<std::size_t>(odczyt.Rozmiar()));
    ustaw(dane ? TBladOdczytu::Brak : odczyt.Blad());
    return dane;
}

} // namespace tarvomund
