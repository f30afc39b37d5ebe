#pragma once

#include "slips/TBlankietOb.h"

#include <cstdint>
#include <string>

namespace tarvomund::testy {

// A small slip: a horizontal and a vertical guide, a bet group "Zakład" with `ilePol` fields
// numbered 1.. and a special group "Losowania" with one field.
TBlankietOb BlankietTestowy(const std::string& nazwa, int32_t kodGry, int ilePol = 3);
// Writes that slip into `plik` (the test fails at once when it cannot).
void ZapiszBlankietTestowy(const std::string& plik, const std::string& nazwa, int32_t kodGry, int ilePol = 3);

// A number-lottery slip: `grup` bet groups "Zakład 1".. of `liczb` bars each (numbers 1..liczb in
// rows of ten, 5 mm apart, the groups 60 mm apart), each group with a text field numbered 0 that no
// bet marks, and a special group "Losowania" of `opcji` crosses (none when 0).
TBlankietOb BlankietLiczbowy(int grup, int liczb, int32_t kodGry, int opcji = 0);
// A football slip: `grup` bet groups of `meczow` matches, three ellipses per match (1, x, 2).
TBlankietOb BlankietPilkarskiTestowy(int grup, int meczow);

} // namespace tarvomund::testy
