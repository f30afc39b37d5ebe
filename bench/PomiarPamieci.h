#pragma once

#include <cstdint>

namespace tarvomund::bench {

// Peak heap of a stretch of a benchmark: the bytes of live blocks as malloc_usable_size reports
// them, counted by the operator new and delete that PomiarPamieci.cpp puts in place of the
// standard ones, the peak minus the level at construction. It sees every heap block of the
// process but not the page cache of files written. One measurement at a time.
class TPomiarPamieci {
public:
    TPomiarPamieci();
    int64_t Szczyt() const;

private:
    int64_t poczatek_;
};

} // namespace tarvomund::bench
