#pragma once

#include <sys/resource.h>

#include <csignal>

namespace tarvomund::testy {

// While it lives, no file of this process grows beyond `bajtow` bytes: a write past the limit fails
// as on a full disk (the signal that would end the process is ignored). The superuser is bound by
// it too, so a test can make any save fail.
class TLimitZapisu {
public:
    explicit TLimitZapisu(rlim_t bajtow)
    {
        poprzedniSygnal_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &poprzedni_);
        rlimit limit = poprzedni_;
        limit.rlim_cur = bajtow;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TLimitZapisu()
    {
        ::setrlimit(RLIMIT_FSIZE, &poprzedni_);
        std::signal(SIGXFSZ, poprzedniSygnal_);
    }
    TLimitZapisu(const TLimitZapisu&) = delete;
    TLimitZapisu& operator=(const TLimitZapisu&) = delete;

private:
    rlimit poprzedni_{};
    void (*poprzedniSygnal_)(int) = nullptr;
};

} // namespace tarvomund::testy
