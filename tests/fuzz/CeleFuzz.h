#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The readers of user files fed arbitrary bytes, for libFuzzer (scripts/fuzz.sh) and for the replay
// of the stored inputs in every test run. A reader must not crash, hang, allocate without bound or
// let an exception out, and what it reads must keep the reader's own promises.
namespace tarvomund::fuzz {

struct TCelFuzz {
    const char* Nazwa;                    // also its corpus folder: tests/fuzz-corpus/<Nazwa>/
    void (*Wykonaj)(std::string_view dane);
};

// Every target, in one table (CeleFuzz.cpp).
const std::vector<TCelFuzz>& CeleFuzz();
const TCelFuzz* ZnajdzCel(std::string_view nazwa);

// A broken promise of a reader: the fuzzer stops on it like on a crash, the replay fails its test.
class TNaruszenie : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

[[noreturn]] void Naruszenie(const char* warunek, const char* plik, int linia);

#define SPRAWDZ_FUZZ(warunek)                                                                                 \
    do {                                                                                                      \
        if (!(warunek))                                                                                       \
            ::tarvomund::fuzz::Naruszenie(#warunek, __FILE__, __LINE__);                                      \
    } while (false)

// Writes the bytes into a file of its own (with the given extension) in a private directory and
// hands the reader its path; for readers that open files themselves.
void PrzezPlik(std::string_view dane, const char* rozszerzenie, const std::function<void(const std::string&)>& czytaj);
// A fresh, empty private directory for readers of whole directories.
std::string PustyKatalog();

} // namespace tarvomund::fuzz
