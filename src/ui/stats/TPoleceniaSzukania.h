#pragma once

#include <QObject>
#include <QString>

#include <cstddef>

namespace tarvomund {

class TfrmGlowne;
class TfrmNoweOkno;
class TfrmSzukLiczb;
struct TObGraLista;
struct TInfoGryRec;
enum class TPolecenieGry;

// The main window's filters and searches. Each opens its dialog with the last-used record the main
// window keeps (filled from the game at the first use of the run), stores the record on OK and
// starts the computation in a new system window; the source window is never changed.
class TPoleceniaSzukania : public QObject {
    Q_OBJECT

public:
    // Connects itself to the filter items and button and to "Szukaj w systemie"; the main window
    // owns it and hands it the per-game search entries.
    explicit TPoleceniaSzukania(TfrmGlowne& glowne);

    // The per-game entries "Szukaj losowań w bazie", "Szukaj liczb w bazie" and "Szukaj zadanych
    // liczb w bazie" of a game with draws; other commands are left to the main window.
    void PolecenieGry(TPolecenieGry polecenie, std::size_t indeksGry);

    // Each returns the new window, or null when there is nothing to act on or the dialog was cancelled.
    TfrmNoweOkno* SzukajWBazie(std::size_t indeksGry);
    TfrmNoweOkno* SzukajWBazieL(std::size_t indeksGry);
    TfrmSzukLiczb* SzukajZadanych(std::size_t indeksGry);
    // A filter item (tag 0..13: that filter alone is chosen and preselected) or the toolbar button
    // (-1: the choice stays as it was), on the active number system window.
    TfrmNoweOkno* Filtry(int tag);
    // "Szukaj w systemie" on the active number system window.
    TfrmNoweOkno* SzukajWSystemie();

private:
    TfrmNoweOkno* AktywnySystem() const;
    // A new active system window for the game with this record, its temporary file empty.
    TfrmNoweOkno* NoweOkno(const TObGraLista& gra, const TInfoGryRec& info);
    // A new system window holding a byte copy of the source's file, and the scratch file of the
    // run (the next temporary file, created empty). Null when the copy failed.
    TfrmNoweOkno* KopiaSystemu(const TfrmNoweOkno& zrodlo, QString& roboczy);

    TfrmGlowne& glowne_;
};

} // namespace tarvomund
