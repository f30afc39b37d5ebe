#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace tarvomund {

// Shows a progress text (already formatted, e.g. " 42.00%") in the window that owns the computation.
using TPokazPostep = std::function<void(const std::string&)>;

// Throttles progress reports: a report goes out only when more than the phase's interval has
// passed since the last one, so the hop to the user-interface thread costs little. At the start
// of each phase the last report is set a second into the past, so a phase's first item always shows.
class TRaportPostepu {
public:
    // `format` is a printf format for one double, e.g. "%6.2f%%".
    TRaportPostepu(TPokazPostep pokaz, const char* format);

    void NowaFaza(int interwalMs);
    // Item i (1-based) of a phase of `wszystkich` items: Procent(i - 1, T - 1).
    void Zglos(int64_t i, int64_t wszystkich);
    // A percentage worked out by the caller (for counts beyond the range of Zglos).
    void ZglosProcent(double procent);
    static double Procent(int64_t i, int64_t wszystkich);
    std::string Tekst(double procent) const;

private:
    using TZegar = std::chrono::steady_clock;
    TPokazPostep pokaz_;
    const char* format_;
    TZegar::duration interwal_{std::chrono::milliseconds(100)};
    TZegar::time_point ostatni_;
};

} // namespace tarvomund
