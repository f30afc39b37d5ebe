#pragma once

#include <QObject>

#include <cstddef>
#include <optional>

namespace tarvomund {

class TfrmGlowne;

// The main window's game commands: a new number game ("Nowa gra liczbowa" of the New dialog) and
// the correction of a game's parameters ("Zmiana parametrów gry"). Both change the catalogue the
// main window owns and rebuild its game menus at once.
class TPoleceniaGier : public QObject {
    Q_OBJECT

public:
    explicit TPoleceniaGier(TfrmGlowne& glowne);

    // The definition dialog for a new game; on OK its file is written to Dane and the game joins
    // the catalogue where the start-up scan would put it. Its catalogue index, none when cancelled
    // or when nothing could be written (the message has been shown).
    std::optional<std::size_t> NowaGra();
    // The chooser "Korekta parametrów gry", then the dialog of the game chosen (or the pool entry).
    void ZmianaParametrow();
    // The definition dialog filled from the catalogue's game; on OK the record takes the new
    // parameters and its file's header is rewritten. False when cancelled or not written.
    bool PoprawGre(std::size_t indeks);

private:
    TfrmGlowne& glowne_;
};

} // namespace tarvomund
