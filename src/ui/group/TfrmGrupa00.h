#pragma once

#include "app/TOknoDokumentu.h"
#include "group/PlikGrupy.h"
#include "model/KatalogGier.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QPagedPaintDevice;
class QTableWidget;
class QToolButton;

namespace tarvomund {

class TfrmGrupa01;

// "Rozliczenie gry grupowej": the games of a group with their costs, winnings and balance. The
// window works on its group file: every change is written to it at once (a new group lives in the
// temporary file Dane/<number>.$$$ until it is saved under a name).
class TfrmGrupa00 : public QWidget, public TOknoDokumentu {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1018;
    static constexpr int PusteWiersze = 10;

    // `listaGier` offers the game names; `katalogDane` is where temporary files and the save
    // dialogs live.
    TfrmGrupa00(const TKatalogGier& listaGier, const QString& katalogDane, QWidget* parent = nullptr);

    // A new group in the temporary file of window number `numer`; false after "Błąd zapisu pliku".
    bool UtworzNowa(int32_t numer);
    // An existing group file; false after "Błąd odczytu pliku", and nothing is shown.
    bool Otworz(const QString& plik);
    // Reads the group file and shows its games; false after the read-error message.
    bool Pokaz();

    // The commands of the window's buttons, on the selected game.
    void Dodaj();
    void Popraw();
    void Usun();
    void ListaUczestnikow();
    void RozliczWszystkich();
    void RozliczGracza();

    // Save and Save as once the name is chosen (the dialogs come first).
    void ZapiszDo(const QString& plik);
    void ZapiszJakoDo(const QString& plik);

    // Settlement windows are handed to the main window here; without it they open on their own.
    void UstawDodawanieOkien(std::function<void(QWidget*)> dodaj) { dodajOkno_ = std::move(dodaj); }

    TRodzajOkna Rodzaj() const override { return TRodzajOkna::Grupa; }
    void Zapisz() override;
    void ZapiszJako() override;
    void Drukuj() override;
    QStringList WierszeWydruku() const;
    int DrukujNa(QPagedPaintDevice& urzadzenie) const;

    const QString& PlikGrupy() const { return plikGrupy_; }
    bool Nowa() const { return nowa_; }
    bool Zapisana() const { return zapisana_; }
    const QString& OstatniaNazwa() const { return ostatniaNazwa_; }
    const TNaglowekGrupy& Naglowek() const { return naglowek_; }
    QTableWidget* Grid1() const { return Grid1_; }
    QTableWidget* Sumy() const { return Sumy_; }
    QToolButton* BtnDodaj() const { return btnDodaj_; }
    QToolButton* BtnUsun() const { return btnUsun_; }
    QToolButton* BtnPopraw() const { return btnPopraw_; }
    QToolButton* BtnUczestnicy() const { return btnUczestnicy_; }

    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;

private:
    void UstawTytul();
    // The selected game; -1 when the selection stands on none.
    int WybranaGra() const;
    // The group as the file holds it now; nothing after the read-error message.
    std::optional<TGrupa> Czytaj();
    // The group and the index of the selected game; nothing when no game is selected or the file
    // cannot be read (then after the message).
    std::optional<TGrupa> CzytajDlaWybranej(std::size_t& gra);
    // The message of a failed change: a write error, or the file could not be read.
    void PokazBlad(TBladGrupy blad);
    // After a change: its message when it failed, then the group as the file holds it. True when
    // the change was made.
    bool PoZmianie(TBladGrupy blad);
    bool ZapytajONadpisanie(const QString& plik);
    QString WybierzPlik(const QString& proponowany);
    void OtworzRozliczenie(TfrmGrupa01* okno);

    const TKatalogGier& listaGier_;
    QString katalogDane_;
    QString plikGrupy_;
    bool nowa_ = false;
    bool zapisana_ = true;
    QString ostatniaNazwa_;
    TNaglowekGrupy naglowek_;
    int iloscGier_ = 0;
    QStringList wydruk_;
    std::function<void(QWidget*)> dodajOkno_;

    QTableWidget* Grid1_;
    QTableWidget* Sumy_;
    QToolButton* btnDodaj_;
    QToolButton* btnUsun_;
    QToolButton* btnPopraw_;
    QToolButton* btnUczestnicy_;
};

} // namespace tarvomund
