#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tarvomund {

// Why a user's file was not read.
enum class TBladOdczytu {
    Brak,
    NieOtwarty,   // missing, or no permission
    NieRegularny, // a directory, a FIFO, a device (also through a link): never waited on or read through
    ZaDuzy,       // larger than the reader allows for its kind of file
    BladOdczytu,  // the system reported an error while reading
};

// A regular file opened for reading. The path is opened without waiting (a FIFO would block an open
// until a writer came) and checked once it is open, so a path swapped in between changes nothing:
// only a regular file is ever read, and its size is known before anything is allocated from it.
class TOdczytPliku {
public:
    explicit TOdczytPliku(const std::string& plik);
    ~TOdczytPliku();
    TOdczytPliku(const TOdczytPliku&) = delete;
    TOdczytPliku& operator=(const TOdczytPliku&) = delete;

    bool Otwarty() const { return fd_ >= 0; }
    TBladOdczytu Blad() const { return blad_; }
    // The size at opening.
    uint64_t Rozmiar() const { return rozmiar_; }
    // Exactly `ile` bytes from `pozycja`; false (and Blad() BladOdczytu) when the file holds fewer or
    // the read fails.
    bool Czytaj(uint64_t pozycja, void* bufor, std::size_t ile);
    // As many bytes as there are, at most `ile`; nothing on a read error.
    std::optional<std::string> CzytajDo(uint64_t pozycja, std::size_t ile);

private:
    int fd_ = -1;
    uint64_t rozmiar_ = 0;
    TBladOdczytu blad_ = TBladOdczytu::Brak;
};

// The whole of a regular file of at most `maxRozmiar` bytes.
std::optional<std::string> CzytajPlikRegularny(const std::string& plik, uint64_t maxRozmiar,
                                               TBladOdczytu* blad = nullptr);

} // namespace tarvomund
