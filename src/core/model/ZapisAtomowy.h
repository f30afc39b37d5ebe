#pragma once

#include <fstream>
#include <string>
#include <string_view>

namespace tarvomund {

// Replaces a file so that no failure loses its old content: everything is written into a
// temporary file beside the target, which is renamed over the target only by Zatwierdz().
// A writer destroyed without Zatwierdz() removes its temporary file and leaves the target alone.
class TZapisAtomowy {
public:
    explicit TZapisAtomowy(std::string cel);
    ~TZapisAtomowy();
    TZapisAtomowy(const TZapisAtomowy&) = delete;
    TZapisAtomowy& operator=(const TZapisAtomowy&) = delete;

    bool Otwarty() const { return strumien_.is_open(); }
    void Pisz(std::string_view dane);
    // Overwrites bytes already written, e.g. a header written last.
    void PiszNa(std::streamoff pozycja, std::string_view dane);
    // Flushes, closes and renames the temporary file over the target; false if anything failed.
    bool Zatwierdz();

    const std::string& PlikTymczasowy() const { return tymczasowy_; }

private:
    std::string cel_;
    std::string tymczasowy_;
    std::ofstream strumien_;
    bool zatwierdzony_ = false;
};

// Writes a whole file through TZapisAtomowy.
bool ZapiszPlikAtomowo(const std::string& cel, std::string_view dane);

} // namespace tarvomund
