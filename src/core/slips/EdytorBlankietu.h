#pragma once

#include "slips/TBlankietOb.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvomund {

// The editing of one slip layout, apart from any window: the tool, the zoom, the selection with
// its working copies, dragging (rubber band, moving, a guide), guides, alignment to guides, the
// clipboard and the saved flag. Positions the mouse gives are pixels of the slip picture at the
// current Skok; the layout keeps millimetres.

inline constexpr uint8_t NarzedzieStrzalka = 0; // select and move; 1..6 place a field of that kind
inline constexpr int SkalaPoczatkowa = 150;
inline constexpr int TolerancjaProwadnicy = 2; // pixels either side of a guide that still hit it
// A background picture's pixels are points of 1/72 inch: 25.4 / 72 mm each.
inline constexpr double MmNaPunktTla = 0.35277777777777777777;

// A selected field with the working copy of its position that moves while the selection is dragged.
struct TEdPolePom {
    TEdPole* Pole = nullptr;
    uint32_t Id = 0;
    int Skok = 1;
    double X = 0, Y = 0;    // millimetres
    int32_t PX = 0, PY = 0; // pixels
};

enum class TPrzeciaganie { Brak, Ramka, Przesuwanie, Prowadnica };

// A rectangle of the slip picture, pixels, edges included, normalised.
struct TRamkaPx {
    int32_t Lewy = 0, Gorny = 0, Prawy = 0, Dolny = 0;
};

// What the field and group parameters dialog hands back for the selected fields.
struct TParametryPola {
    double SzerPola = 0, WysPola = 0, SzerZaz = 0, WysZaz = 0, Grubosc = 0;
    double PozX = 0, PozY = 0; // taken only with exactly one field selected
    int NrPola = 1;            // likewise
    std::optional<uint8_t> NrGrupy;
    std::optional<uint8_t> Rodzaj;
};

class TEdytorBlankietu {
public:
    TEdytorBlankietu();

    const TBlankietOb& Blankiet() const { return blankiet_; }
    // Changes made directly to the layout (the slip settings, the group options of the parameters
    // dialog) are marked with Zmieniono().
    TBlankietOb& Blankiet() { return blankiet_; }

    // Saved flag: true while the layout equals its file; drives the close question.
    bool Zapisany() const { return zapisany_; }
    void Zmieniono() { zapisany_ = false; }
    // The red marker of the status bar: a change not saved, or a layout that has no file yet.
    bool PokazZnacznik() const { return !zapisany_ || plik_.empty(); }
    const std::string& Plik() const { return plik_; }

    // A new layout replaces everything; guides too.
    void Wyczysc();
    // Takes a layout read from `plik`: saved, no selection.
    void Wczytano(TBlankietOb blankiet, const std::string& plik);
    // After a successful save under `plik`.
    void Zapisano(const std::string& plik);

    int Skala() const { return skala_; }
    int Skok() const { return skok_; }
    // 50..600 in steps of 50; recomputes every pixel cache and the selection's working copies.
    void UstawSkale(int skala);
    bool MoznaPowiekszyc() const;
    bool MoznaPomniejszyc() const;

    uint8_t Narzedzie() const { return narzedzie_; }
    void UstawNarzedzie(uint8_t narzedzie);
    bool ProwadniceWidoczne() const { return prowadniceWidoczne_; }
    void UstawProwadniceWidoczne(bool widoczne) { prowadniceWidoczne_ = widoczne; }

    const std::vector<TEdPolePom>& Zaznaczenie() const { return zaznaczenie_; }
    bool Zaznaczone(const TEdPole* pole) const;
    void ZaznaczWszystko();
    void WyczyscZaznaczenie() { zaznaczenie_.clear(); }

    // Hit tests in pixels: the selected fields first, in selection order, then every field; guides
    // only while shown, vertical ones first, within TolerancjaProwadnicy.
    TEdPole* PoleW(int32_t x, int32_t y);
    TProwOb* ProwadnicaW(int32_t x, int32_t y);

    // The left mouse button on the slip picture. With a kind tool it places a field there; with the
    // arrow it selects, starts moving, dragging a guide or a rubber band.
    void Wcisnij(int32_t x, int32_t y, bool shift);
    void Przesun(int32_t x, int32_t y);
    // `widokX`, `widokY`: the slip picture's pixel at the top left corner of the view; a guide dropped
    // before it or beyond the slip is deleted.
    void Zwolnij(int32_t x, int32_t y, int32_t widokX, int32_t widokY);
    TPrzeciaganie Przeciaganie() const { return przeciaganie_; }
    TRamkaPx Ramka() const;
    const TProwOb* PrzeciaganaProwadnica() const { return prowadnica_; }

    // A guide pulled out of a ruler and dropped at a pixel of the slip picture. False when an equal
    // guide exists already.
    bool DodajProwadnice(uint8_t kier, int32_t piksele);
    // "Wstawianie prowadnic": `czesci` guides from `od` to `doPoz` mm at equal spacing (0 and 1 give
    // two). Returns the count added; guides equal to existing ones are not added.
    int WstawProwadnice(double od, double doPoz, double czesci, uint8_t kier);
    void UsunProwadnice();

    // A1..A8: the selection to a guide at its left, right, top or bottom. False when no guide suits.
    bool Wyrownaj(int przycisk);

    void Kopiuj();
    void Wytnij();
    void Wstaw();
    std::size_t WSchowku() const { return schowek_.size(); }
    // "Usuń wszystko": fields, selection and groups; guides stay.
    void UsunWszystko();

    // The parameters dialog's OK on the selection.
    void UstawParametry(const TParametryPola& parametry);
    // A background picture of w × h points sets the slip's size.
    void UstawRozmiarZTla(int szerokosc, int wysokosc);

    // The whole slip picture in pixels at the current Skok.
    int32_t SzerokoscObrazu() const;
    int32_t WysokoscObrazu() const;

private:
    TEdPolePom Wpis(TEdPole* pole) const;
    void OdswiezWpis(TEdPolePom& wpis) const;
    void Przelicz();
    bool RownaProwadnica(uint8_t kier, double pozMm, int32_t poz, const TProwOb* pomin) const;

    TBlankietOb blankiet_;
    std::string plik_;
    bool zapisany_ = true;
    int skala_ = SkalaPoczatkowa;
    int skok_ = 1;
    uint8_t narzedzie_ = NarzedzieStrzalka;
    bool prowadniceWidoczne_ = true;
    std::vector<TEdPolePom> zaznaczenie_;
    std::vector<TEdPole> schowek_;

    TPrzeciaganie przeciaganie_ = TPrzeciaganie::Brak;
    int32_t startX_ = 0, startY_ = 0, ostatniX_ = 0, ostatniY_ = 0;
    TProwOb* prowadnica_ = nullptr;
};

} // namespace tarvomund
