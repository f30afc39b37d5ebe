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

} // namespace tarvomund::testy
