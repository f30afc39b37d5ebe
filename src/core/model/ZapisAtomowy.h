#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

namespace tarvomund {

// Replaces a file so that no failure loses its old content: everything is written into a
// temporary file beside the target, which is renamed over the target only by Zatwierdz().
// A writer destroyed without Zatwierdz() removes its temporary file and leaves the target alone.
//
// The temporary file has a name of its own (a hidden name with a random part, created only if no
// such file exists), so two writers of one target never share it and no file of the user's is
// overwritten; it keeps the target's permissions. Only a regular file is replaced: a target that
// is a directory, a FIFO or a device is refused, and a link is followed, so that the file it
// points to is replaced and the link stays. Zatwierdz() flushes the data to the disk before the
// rename, so a crash leaves either the old file or the new one.
//
// A computation that writes its own file by name may write into PlikTymczasowy() instead of calling
// Pisz(); Zatwierdz() then syncs and renames whatever that file holds.
class TZapisAtomowy {
public:
    explicit TZapisAtomowy(std::string cel);
    ~TZapisAtomowy();
    TZapisAtomowy(const TZapisAtomowy&) = delete;
    TZapisAtomowy& operator=(const TZapisAtomowy&) = delete;

    bool Otwarty() const { return fd_ >= 0; }
    void Pisz(std::string_view dane);
    // Overwrites bytes already written, e.g. a header written last.
    void PiszNa(std::streamoff pozycja, std::string_view dane);
    // Flushes, syncs, closes and renames the temporary file over the target; false if anything
    // failed, and then the temporary file is gone and the target untouched.
    bool Zatwierdz();

    const std::string& PlikTymczasowy() const { return tymczasowy_; }

private:
    bool Oproznij();
    bool PiszWszystko(const char* dane, std::size_t ile, uint64_t pozycja);
    void Porzuc();

    std::string cel_; // the file really replaced: the target with its links followed
    std::string tymczasowy_;
    int fd_ = -1;
    bool dobrze_ = true;
    std::string bufor_;
    uint64_t koniec_ = 0; // bytes written to the file so far (the buffer goes after them)
};

// Writes a whole file through TZapisAtomowy.
bool ZapiszPlikAtomowo(const std::string& cel, std::string_view dane);

} // namespace tarvomund
