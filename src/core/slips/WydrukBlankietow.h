#pragma once

#include "model/PlikSystemu.h"
#include "slips/TBlankietOb.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvomund {

// Printing a system onto paper slips, without any drawing: which slip needs which fields marked,
// and where each field lands on the page. Lengths are millimetres from the top left corner of the
// printable area; the painter turns them into device pixels.

// A rectangle on the page, millimetres.
struct TProstokatMm {
    double Lewy = 0, Gorny = 0, Szer = 0, Wys = 0;
    double Prawy() const { return Lewy + Szer; }
    double Dolny() const { return Gorny + Wys; }
};

// Where the slip's corner lies on the page and which way the slip is fed ("Obrót blankietu").
struct TPolozenieBlankietu {
    double PrzesX = 0, PrzesY = 0;
    bool Obrot = false;
};

// A field placed on the page: its whole area and the mark's area.
struct TPoleNaStronie {
    TProstokatMm Pole;
    TProstokatMm Zaznaczenie;
};

// Without "Obrót blankietu" the slip lies across the page turned a quarter turn clockwise: its top
// edge runs down the right side of the slip's place on the page. With it the slip lies as drawn.
TPoleNaStronie PolozPole(const TEdPole& pole, double wysBlankietu, const TPolozenieBlankietu& polozenie);
// The slip's outline on the page: Wys across and Szer down when not turned, as drawn when turned.
TProstokatMm ObrysBlankietu(double szer, double wys, const TPolozenieBlankietu& polozenie);

// An option of the slip: a special group with at least one field.
struct TGrupaOpcji {
    uint8_t Nr = 0;
    std::string Nazwa;
    int IlePol = 0;
    uint8_t Pocz = 1;
    bool Zawsze = false;
    // The values the option offers: Pocz .. Pocz + IlePol − 1 (a spin edit only with two or more).
    int Najwieksza() const { return Pocz + IlePol - 1; }
};

// What printing needs to know of a layout.
struct TUkladDruku {
    std::vector<uint8_t> GrupyZakladow; // Nr of the bet groups in group order, empty ones included
    int NajwiekszyNrPola = 0;           // the greatest NrPola among the fields of the bet groups
    std::vector<TGrupaOpcji> Opcje;     // in group order
    std::size_t ZakladowNaBlankiecie() const { return GrupyZakladow.size(); }
};
TUkladDruku UkladDruku(const TBlankietOb& blankiet);

// Slips a system of that many bets needs; 0 when the layout has no bet group.
int32_t IleBlankietow(int32_t zakladow, std::size_t zakladowNaBlankiecie);

// "Od bl.nr" and "Do bl.nr" as printing takes them: a 0 is 1, a reversed range is turned round,
// and no slip beyond the last one the system needs is printed.
struct TZakresBlankietow {
    int32_t Od = 1, Do = 0;
    int32_t Ile() const { return Do >= Od ? Do - Od + 1 : 0; }
};
TZakresBlankietow ZakresDruku(int32_t od, int32_t doBl, int32_t ileBlankietow);

// The option row of a special group as the user left it.
struct TOpcjaDruku {
    uint8_t NrGrupy = 0;
    bool Zaznaczona = false;
    int Wartosc = 1; // the spin edit's value; ignored for a group of one field
};
// The rows as the dialog starts: ticked as the group's Zawsze, the value at Pocz.
std::vector<TOpcjaDruku> OpcjeDomyslne(const TUkladDruku& uklad);

// One mark to print: a field and, for the text kinds, its text.
struct TZnakBlankietu {
    const TEdPole* Pole = nullptr;
    std::string Tekst;
};

// The first field of each group and number, in field order, found without a search.
class TIndeksPol {
public:
    explicit TIndeksPol(const TBlankietOb& blankiet);
    const TEdPole* Pole(uint8_t nrGrupy, int nrPola) const;

private:
    std::vector<const TEdPole*> pola_;
};

// The text a text field of a slip receives: "Bl." + slip + " Zakl." + bet.
std::string EtykietaBlankietu(int32_t nrBlankietu, int32_t nrZakladu);

// The marks of one slip: the ticked options first (their text fields get the label of the slip's
// first bet), then each bet in its bet group, in group order. A bet on a football slip marks field
// 3 × (match − 1) + sign of its group (nothing for a match without a sign); on any other slip the
// field of the own number the system number stands for. Fields the layout lacks are left out.
std::vector<TZnakBlankietu> ZnakiBlankietu(const TBlankietOb& blankiet, const TIndeksPol& indeks,
                                           const TUkladDruku& uklad, const std::vector<TOpcjaDruku>& opcje, int32_t nrBlankietu,
                                           int32_t pierwszyZaklad, const std::vector<std::vector<uint8_t>>& zaklady,
                                           const TTablicaLiczb& wlasne);
// The test print: every field of every group, in group order and field order, the text fields
// saying "99999".
std::vector<TZnakBlankietu> ZnakiTestu(const TBlankietOb& blankiet);

inline constexpr const char* TekstTestuBlankietu = "99999";

enum class TBladDrukuBlankietow {
    Brak,
    BrakSystemu,      // the system file cannot be read
    BrakGrupZakladow, // the layout has no bet group, so no bet can be placed
    ZaMaloPol,        // a bet group has fewer fields than the game has numbers
};

// One page of a slip printout.
struct TStronaBlankietu {
    int32_t NrBlankietu = 0;
    int32_t PierwszyZaklad = 0;
    int IleZakladow = 0;
    std::vector<TZnakBlankietu> Znaki;
};

// Prints a system onto slips page by page: opens the system, checks it against the layout and
// hands out the marks of each slip of the range in turn. The layout must outlive it.
class TDrukBlankietow {
public:
    TDrukBlankietow(const TBlankietOb& blankiet, const std::string& plikSystemu, std::vector<TOpcjaDruku> opcje,
                    int32_t od, int32_t doBl);
    ~TDrukBlankietow();
    TDrukBlankietow(const TDrukBlankietow&) = delete;
    TDrukBlankietow& operator=(const TDrukBlankietow&) = delete;

    TBladDrukuBlankietow Blad() const { return blad_; }
    const TUkladDruku& Uklad() const { return uklad_; }
    int32_t IleBlankietowSystemu() const { return ileBlankietow_; }
    const TZakresBlankietow& Zakres() const { return zakres_; }
    // The next slip of the range; nothing after the last one (or after an error).
    std::optional<TStronaBlankietu> Nastepna();

private:
    const TBlankietOb& blankiet_;
    TIndeksPol indeks_;
    TUkladDruku uklad_;
    std::vector<TOpcjaDruku> opcje_;
    std::unique_ptr<TCzytnikSystemu> czytnik_;
    TBladDrukuBlankietow blad_ = TBladDrukuBlankietow::Brak;
    int32_t ileBlankietow_ = 0;
    TZakresBlankietow zakres_;
    int32_t biezacy_ = 0;
};

// The rectangles of the groups on the page preview, in whole millimetres.
struct TEkranOb {
    uint8_t NrGrupy = 0;
    bool Specjalna = false;
    int Lewy = 0, Gorny = 0, Prawy = 0, Dolny = 0;
};
// The bounding box of each group's fields placed on the page with no offset, rounded to whole
// millimetres and then moved by the rounded offsets. A group without fields has none.
std::vector<TEkranOb> EkranyGrup(const TBlankietOb& blankiet, const TPolozenieBlankietu& polozenie);

} // namespace tarvomund
