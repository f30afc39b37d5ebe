#pragma once

#include "app/KontekstPomocy.h"
#include "slips/EdytorBlankietu.h"

#include <QDialog>
#include <QString>

#include <array>
#include <cstddef>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QToolBar;

namespace tarvomund {

class TEdGraf;

// The editor's commands: the menus, the pop-up menu of the slip, the tool bar and the palette.
enum class TPolecenieEdytora : std::size_t {
    Wczytaj,
    Zapisz,
    ZapiszJako,
    Tlo,
    UsunTlo,
    Zakoncz,
    Wytnij,
    Kopiuj,
    Wstaw,
    ZaznaczWszystko,
    UsunWszystko,
    Parametry,
    Ukryj,
    Wyswietl,
    PokazProwadnice, // the tool bar's toggle, down while the guides are shown
    WstawProwadnice,
    UsunProwadnice,
    Ustawienia,
    Podglad,
    A1, A2, A3, A4, A5, A6, A7, A8,
    Strzalka,
    Rodzaj1, Rodzaj2, Rodzaj3, Rodzaj4, Rodzaj5, Rodzaj6,
    Powieksz,
    Pomniejsz,
    Skala600,
    Skala150,
    Ile
};

// "Edytor blankietów": draws the layout of a paper slip: its size and name, the fields where marks
// are printed, the groups that tie fields to bets and options, and guide lines. Reads and writes
// the slip files of the data directory and opens the slip print dialog for a test print.
class TfrmEdGraf1 : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = KontekstEdytoraBlankietow;
    // The layout "Podgląd i test" hands to the print dialog; a temporary file of the data directory.
    static constexpr const char* PlikTestu = "Bl$$$.$$$";

    explicit TfrmEdGraf1(QString katalogDane, QWidget* parent = nullptr);
    ~TfrmEdGraf1() override;

    TEdytorBlankietu& Edytor() { return edytor_; }
    TEdGraf* Graf() const { return graf_; }
    QAction* Akcja(TPolecenieEdytora polecenie) const { return akcje_[static_cast<std::size_t>(polecenie)]; }
    QLabel* lblX() const { return lblX_; }
    QLabel* lblY() const { return lblY_; }
    QLabel* lblZnacznik() const { return lblZnacznik_; }
    QMenuBar* Menu() const { return menu_; }
    QMenu* MenuPodreczne() const { return menuPodreczne_; }

    // The commands after their file dialogs: true when done.
    // Clears the layout, then reads the file; one that cannot be read says "Błąd odczytu pliku ".
    bool Wczytaj(const QString& plik);
    // Saves under that name; an existing other file is replaced only after the question.
    bool ZapiszJakoDo(const QString& plik);
    bool Zapisz(const QString& plik);
    bool WczytajTlo(const QString& plik);
    // The dialogs of the commands.
    void ParametryPola();
    void UstawieniaBlankietu();
    void WstawProwadnice();
    void PodgladITest();
    // Closing asks when the layout is not saved; the window closes only on "Tak".
    void done(int wynik) override;

private:
    void ZbudujAkcje();
    void ZbudujMenu();
    void ZbudujPaski();
    void PolaczAkcje();
    void OdswiezStan();
    void ZmianaUkladu();
    void Wyrownaj(int przycisk);
    void PokazRuch(double xMm, double yMm);
    QString PlikTestu_() const;

    QString katalogDane_;
    TEdytorBlankietu edytor_;
    TEdGraf* graf_;
    std::array<QAction*, static_cast<std::size_t>(TPolecenieEdytora::Ile)> akcje_{};
    QMenuBar* menu_ = nullptr;
    QMenu* menuPodreczne_ = nullptr;
    QToolBar* pasek_ = nullptr;
    QToolBar* paleta_ = nullptr;
    QLabel* lblX_;
    QLabel* lblY_;
    QLabel* lblZnacznik_;
};

} // namespace tarvomund
