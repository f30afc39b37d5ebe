#include "model/ZapisAtomowy.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace tarvomund {

namespace fs = std::filesystem;

namespace {

// Links are followed at most this many times, as the system itself does.
constexpr int MaxLaczy = 40;
constexpr std::size_t RozmiarBufora = 1 << 16;
// The temporary name keeps a short prefix of the target's name, so a name near the file system's
// limit still leaves room for it.
constexpr std::size_t DlugoscPrzedrostka = 32;
constexpr int ProbNazwy = 100;
constexpr mode_t PrawaNowegoPliku = 0666; // narrowed by the umask, as for any new file

enum class TRodzajCelu { Brak, Zwykly, Inny };

TRodzajCelu Rodzaj(const std::string& sciezka, struct stat* st)
{
    if (::lstat(sciezka.c_str(), st) != 0)
        return errno == ENOENT ? TRodzajCelu::Brak : TRodzajCelu::Inny;
    return S_ISREG(st->st_mode) ? TRodzajCelu::Zwykly : TRodzajCelu::Inny;
}

// The file a path names once its links are followed; empty when a link cannot be read or they loop.
std::string PoLaczach(fs::path sciezka)
{
    for (int i = 0; i < MaxLaczy; ++i) {
        struct stat st {};
        if (::lstat(sciezka.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return sciezka.string();
        std::error_code blad;
        const fs::path cel = fs::read_symlink(sciezka, blad);
        if (blad)
            return {};
        sciezka = cel.is_absolute() ? cel : (sciezka.parent_path() / cel).lexically_normal();
    }
    return {};
}

// A random part for temporary names; the counter keeps two writers of one process apart even when
// the clock and the seed repeat.
std::string LosowaCzesc()
{
    static std::atomic<uint64_t> licznik{0};
    static thread_local std::mt19937_64 los{std::random_device{}() ^
                                            static_cast<uint64_t>(std::chrono::steady_clock::now()
                                                                      .time_since_epoch()
                                                                      .count())};
    char tekst[40];
    std::snprintf(tekst, sizeof tekst, "%08llx%04llx", static_cast<unsigned long long>(los() & 0xFFFFFFFFu),
                  static_cast<unsigned long long>(licznik.fetch_add(1) & 0xFFFFu));
    return tekst;
}

void SynchronizujKatalog(const fs::path& katalog)
{
    const int fd = ::open(katalog.empty() ? "." : katalog.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd); // the rename itself reaches the disk; a failure here loses nothing already renamed
    ::close(fd);
}

} // namespace

TZapisAtomowy::TZapisAtomowy(std::string cel) : cel_(PoLaczach(cel))
{
    if (cel_.empty())
        return;
    struct stat st {};
    const TRodzajCelu rodzaj = Rodzaj(cel_, &st);
    if (rodzaj == TRodzajCelu::Inny)
        return;
    const fs::path sciezka(cel_);
    const std::string nazwa = sciezka.filename().string();
    const fs::path katalog = sciezka.parent_path();
    for (int proba = 0; proba < ProbNazwy && fd_ < 0; ++proba) {
        std::string nazwaTymczasowa(1, '.');
        nazwaTymczasowa.append(nazwa, 0, DlugoscPrzedrostka).append(1, '.').append(LosowaCzesc()).append(".tmp");
        const fs::path kandydat = katalog / nazwaTymczasowa;
        const int fd = ::open(kandydat.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, PrawaNowegoPliku);
        if (fd >= 0) {
            fd_ = fd;
            tymczasowy_ = kandydat.string();
        } else if (errno != EEXIST) {
            return;
        }
    }
    // The new file keeps the permissions (and, where allowed, the owner) of the one it replaces.
    if (fd_ >= 0 && rodzaj == TRodzajCelu::Zwykly) {
        ::fchmod(fd_, st.st_mode & 07777);
        if (::fchown(fd_, st.st_uid, st.st_gid) != 0) {
            // Only a privileged writer may give a file away; the file simply stays the writer's.
        }
    }
}

TZapisAtomowy::~TZapisAtomowy()
{
    if (fd_ >= 0)
        Porzuc();
}

void TZapisAtomowy::Porzuc()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!tymczasowy_.empty())
        ::unlink(tymczasowy_.c_str());
}

bool TZapisAtomowy::PiszWszystko(const char* dane, std::size_t ile, uint64_t pozycja)
{
    while (ile > 0) {
        const ssize_t zapisano = ::pwrite(fd_, dane, ile, static_cast<off_t>(pozycja));
        if (zapisano < 0 && errno == EINTR)
            continue;
        if (zapisano <= 0)
            return false;
        dane += zapisano;
        ile -= static_cast<std::size_t>(zapisano);
        pozycja += static_cast<uint64_t>(zapisano);
    }
    return true;
}

bool TZapisAtomowy::Oproznij()
{
    if (!bufor_.empty()) {
        dobrze_ = dobrze_ && PiszWszystko(bufor_.data(), bufor_.size(), koniec_);
        koniec_ += bufor_.size();
        bufor_.clear();
    }
    return dobrze_;
}

void TZapisAtomowy::Pisz(std::string_view dane)
{
    if (fd_ < 0 || !dobrze_)
        return;
    if (bufor_.size() + dane.size() > RozmiarBufora) {
        Oproznij();
        if (dane.size() >= RozmiarBufora) {
            dobrze_ = dobrze_ && PiszWszystko(dane.data(), dane.size(), koniec_);
            koniec_ += dane.size();
            return;
        }
    }
    bufor_.append(dane);
}

void TZapisAtomowy::PiszNa(std::streamoff pozycja, std::string_view dane)
{
    if (fd_ < 0 || !dobrze_)
        return;
    if (pozycja < 0) {
        dobrze_ = false;
        return;
    }
    Oproznij();
    dobrze_ = dobrze_ && PiszWszystko(dane.data(), dane.size(), static_cast<uint64_t>(pozycja));
    koniec_ = std::max<uint64_t>(koniec_, static_cast<uint64_t>(pozycja) + dane.size());
}

bool TZapisAtomowy::Zatwierdz()
{
    if (fd_ < 0)
        return false;
    bool dobrze = Oproznij() && ::fsync(fd_) == 0;
    dobrze = ::close(fd_) == 0 && dobrze;
    fd_ = -1;
    // Whatever took the target's place meanwhile, only a regular file (or nothing) is replaced.
    struct stat st {};
    dobrze = dobrze && Rodzaj(cel_, &st) != TRodzajCelu::Inny;
    if (!dobrze || ::rename(tymczasowy_.c_str(), cel_.c_str()) != 0) {
        ::unlink(tymczasowy_.c_str());
        return false;
    }
    SynchronizujKatalog(fs::path(cel_).parent_path());
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
