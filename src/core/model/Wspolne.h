#pragma once

#include "model/TInfoGryRec.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvomund {

// a × 100 / b, 0 when b is 0: every progress and share percentage.
double Procent(int32_t a, int32_t b);
// (procent / 100) × kwota, 0 when either is 0.
double ProcentZ(double procent, double kwota);
// lower ≤ value ≤ upper, both ends inclusive.
bool WZakresie(int32_t wartosc, int32_t dolna, int32_t gorna);
// Characters of a UTF-8 text (a Polish letter counts once), as report lines measure their width.
std::size_t ZnakowUtf8(std::string_view tekst);
// Spaces in front (or appended) until the text is n characters long; longer texts stay as they are.
// Characters are counted, not bytes, so Polish letters take one place each.
std::string DopelnijZLewej(int n, std::string_view tekst);
std::string DopelnijZPrawej(int n, std::string_view tekst);
int32_t SumaBajtow(const TTablicaLiczb& tablica, int ile);
bool Zawiera(uint8_t wartosc, int ile, const TTablicaLiczb& tablica);
// Hits of the first ca bytes of a among the first cb bytes of b; a value repeated in a counts each time.
int IleWspolnych(const TTablicaLiczb& a, const TTablicaLiczb& b, int ca, int cb);
bool RokPrzestepny(int32_t rok);
int32_t DniMiesiaca(int32_t rok, int32_t miesiac);
// Copies a file so that a failure never loses the target's old content: the copy goes into a
// temporary file beside the target, which then replaces it. Keeps the source's modification time
// and permissions. False when the names are equal or anything fails.
bool KopiujPlik(const std::string& zrodlo, const std::string& cel);
// Numbers out of a text such as "1, 2,,x,300": tokens of at most 3 characters between separators,
// non-numbers skipped, an end character stops the parse. Values are kept modulo 256.
TTablicaLiczb RozbierzLiczby(std::string_view tekst, std::string_view separatory, std::string_view konce);
// The most sure numbers a uniform shortened system of `zakladow` bets of k out of n can have.
int32_t MaxPewnych(int32_t k, int32_t n, int32_t zakladow);
// Help-file topic of a help context number; empty for an unknown number.
std::string TematPomocy(int kontekst);

} // namespace tarvomund
