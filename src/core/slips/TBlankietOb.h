#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvomund {

// Game codes a slip carries besides those of number games.
inline constexpr int32_t KodBlankietuNieprzypisanego = -1;
inline constexpr int32_t KodBlankietuPilkarskiego = 1001;

// Capacities of the slip file: its header holds 255 group records, names are cut to these lengths.
inline constexpr std::size_t MaxGrupBlankietu = 255;
inline constexpr std::size_t DlugoscNazwyBlankietu = 20;
inline constexpr std::size_t DlugoscNazwyGrupy = 30;

// Kinds of field and of the mark printed in it.
inline constexpr uint8_t RodzajBelkaPozioma = 1;  // filled bar lying across
inline constexpr uint8_t RodzajBelkaPionowa = 2;  // filled standing bar
inline constexpr uint8_t RodzajKrzyzyk = 3;       // the two diagonals
inline constexpr uint8_t RodzajElipsa = 4;        // filled ellipse
inline constexpr uint8_t RodzajTekstPoziomy = 5;  // text running across
inline constexpr uint8_t RodzajTekstPionowy = 6;  // text running along the height
inline constexpr uint8_t MinRodzajPola = RodzajBelkaPozioma;
inline constexpr uint8_t MaxRodzajPola = RodzajTekstPionowy;

// Outline colours of a field on screen, as 0xRRGGBB.
inline constexpr uint32_t KolorPolaZwykly = 0x0000FF;
inline constexpr uint32_t KolorPolaZaznaczonego = 0xFF0000;
// The screen pen of the cross mark, in pixels.
inline constexpr int32_t GruboscKrzyzykaNaEkranie = 2;

// Guide orientations.
inline constexpr uint8_t ProwadnicaPozioma = 0; // its position is a y
inline constexpr uint8_t ProwadnicaPionowa = 1; // its position is an x

// Serial numbers of fields and guides, unique within the run (never stored).
uint32_t NowyIdPola();
uint32_t NowyIdProwadnicy();

// The sizes, in millimetres, that a new field of a kind receives.
struct TRozmiaryPola {
    double SzerPola = 0, WysPola = 0;
    double SzerZaz = 0, WysZaz = 0;
    double Grubosc = 0;
};
// Kinds outside 1..6 get the sizes of kind 1.
TRozmiaryPola RozmiaryDomyslne(uint8_t rodzaj);

// A field's rectangle, mark and cross pen in screen pixels at the Skok they were computed for.
struct TPikselePola {
    int32_t Szer = 0, Wys = 0;
    int32_t SzerZaz = 0, WysZaz = 0;
    int32_t Lewy = 0, Gorny = 0;
    int32_t Pioro = GruboscKrzyzykaNaEkranie;
};

// One printable field of a slip: a rectangle at a measured place (millimetres from the slip's top
// left corner, x to the right, y down) and the mark printed inside it, always centred.
struct TEdPole {
    uint32_t Id = 0;
    uint32_t Kolor = KolorPolaZwykly;
    uint8_t Rodzaj = RodzajBelkaPozioma;
    uint8_t NrPola = 1;   // the lottery number (or sign, or option value) the field stands for
    uint8_t NrGrupy = 0;  // Nr of the group it belongs to
    double SzerPola = 0, WysPola = 0;
    double SzerZaz = 0, WysZaz = 0;
    double Grubosc = 0;   // line of the cross mark, kind 3 only
    double PozX = 0, PozY = 0;
    TPikselePola Piksele;

    // A field of the kind with that kind's sizes and a new Id, its top left corner at (x, y).
    static TEdPole Nowe(uint8_t rodzaj, double x, double y);

    // Left and top edge of the mark on the slip.
    double ZazX() const { return PozX + (SzerPola - SzerZaz) / 2; }
    double ZazY() const { return PozY + (WysPola - WysZaz) / 2; }
    // Recomputes the pixel cache for another Skok.
    void PrzeliczPiksele(int skok);
};

// A group of fields: a bet group holds the fields of one bet area (one bet of a system is printed
// into it), a special group those of an option such as the count of draws.
struct TGrupaOb {
    std::string Nazwa;        // at most 30 characters are stored
    uint8_t Nr = 0;           // fields point to it through NrGrupy
    bool Specjalna = false;   // false: "Grupa skupiająca jeden zakład", true: "Grupa specjalna"
    bool Zawsze = false;      // special group: the option is ticked by default when printing
    uint8_t Pocz = 1;         // special group: the value field number 1 stands for
};

// A guide line of the editor, stored with the layout.
struct TProwOb {
    uint32_t Id = 0;
    uint8_t Kier = ProwadnicaPozioma;
    double PozMm = 0;
    int32_t Poz = 0;          // pixels at the current Skok

    void PrzeliczPiksele(int skok);
};

// One paper slip: its size, name and game, its fields, groups and guides. The layout owns them;
// fields and guides keep their addresses while others are added or removed, so the editor may
// point at them (selection, dragging). The slip file stores the fields group by group, so after a
// save and a load the field list is in group order and fields of no group are gone.
class TBlankietOb {
public:
    TBlankietOb() = default;
    TBlankietOb(TBlankietOb&&) noexcept = default;
    TBlankietOb& operator=(TBlankietOb&&) noexcept = default;

    bool Pilkarski = false;          // 1X2 slip: three fields per match in each bet group
    int32_t KodGry = 0;              // KodGry of its game, KodBlankietuNieprzypisanego when none
    double PrzesX = 0, PrzesY = 0;   // offset on the printed page, kept by the print dialog
    bool Obrot = false;              // "Obrót blankietu" of the print dialog
    std::string Nazwa = "Blankiet 1";
    double Szer = 185, Wys = 82;     // millimetres

    std::vector<std::unique_ptr<TEdPole>> Pola;
    std::vector<std::unique_ptr<TProwOb>> Prowadnice;
    std::vector<TGrupaOb> Grupy;

    TEdPole& DodajPole(const TEdPole& pole);
    // Frees the field; false when it is not one of this layout's.
    bool UsunPole(const TEdPole* pole);
    TProwOb& DodajProwadnice(uint8_t kier, double pozMm);
    bool UsunProwadnice(const TProwOb* prowadnica);
    std::size_t IleProwadnic(uint8_t kier) const;

    // The lowest group number no group uses; none once the layout holds MaxGrupBlankietu groups.
    std::optional<uint8_t> WolnyNumerGrupy() const;
    // Appends a group with the lowest free number; null when the layout is full. Pointers to groups
    // stay valid until a group is added or removed.
    TGrupaOb* DodajGrupe(std::string nazwa, bool specjalna, bool zawsze = false, uint8_t pocz = 1);
    TGrupaOb* Grupa(uint8_t nr);
    const TGrupaOb* Grupa(uint8_t nr) const;
    // The first field of the group with that number, in field order (several may share one).
    const TEdPole* Pole(uint8_t nrGrupy, uint8_t nrPola) const;

    // Deletes every field and group; guides stay.
    void UsunPolaIGrupy();
    // Recomputes the pixel cache of every field and guide.
    void UstawSkok(int skok);
};

} // namespace tarvomund
