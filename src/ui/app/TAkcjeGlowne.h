#pragma once

#include "app/TPolecenie.h"
#include "app/TekstyUI.h"
#include "model/KatalogGier.h"

#include <QObject>

#include <array>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace tarvomund {

// The seven places each number game gets an entry of its own.
enum class TPolecenieGry {
    SzukajLosowan,
    SzukajLiczb,
    Statystyka,
    SzukajZadanych,
};

inline constexpr int IleFiltrow = 14;

// The main window's actions and menus. Captions and hints are read from the interface text
// table as runs, so the menus keep the table's order.
class TAkcjeGlowne : public QObject {
    Q_OBJECT

public:
    explicit TAkcjeGlowne(QMainWindow* okno);

    QAction* Akcja(TPolecenie polecenie) const { return akcje_[static_cast<std::size_t>(polecenie)]; }
    QAction* Filtr(int tag) const { return filtry_[static_cast<std::size_t>(tag)]; }
    // The toolbar's filter button: filters without a preselected one.
    QAction* FiltryPrzycisk() const { return filtryPrzycisk_; }
    QMenu* MenuPliki() const { return menuPliki_; }
    QMenu* MenuOkienka() const { return menuOkienka_; }
    QMenu* MenuSzukajLosowan() const { return menuSzukajLosowan_; }
    QMenu* MenuSzukajLiczb() const { return menuSzukajLiczb_; }
    // The toolbar's drop-down buttons with the per-game entries.
    QAction* PrzyciskStatystyki() const { return przyciskStatystyki_; }
    QAction* PrzyciskLosowan() const { return przyciskLosowan_; }
    QAction* PrzyciskLiczb() const { return przyciskLiczb_; }

    // The per-game entries of every number game, tagged with its catalogue index.
    void DodajGry(const TKatalogGier& katalog);
    // Removes every per-game entry DodajGry added.
    void UsunGry();
    // Enables each action, its menu item and its toolbar button alike.
    void Zastosuj(const TWlaczone& wlaczone);

signals:
    void WybranoGre(TPolecenieGry polecenie, int indeksGry);
    // tag 0..13 from the menu; -1 from the toolbar button.
    void WybranoFiltr(int tag);

private:
    void ZbudujMenu(QMainWindow* okno);
    QAction* WpisGry(QMenu* menu, TPolecenieGry polecenie, const TObGraLista& gra, int indeks);
    QAction* PrzyciskZMenu(QMainWindow* okno, TPolecenie ikona, TTekst podpowiedz, QMenu*& menu);

    std::array<QAction*, IlePolecen> akcje_{};
    std::array<QAction*, IleFiltrow> filtry_{};
    QAction* filtryPrzycisk_ = nullptr;
    QMenu* menuPliki_ = nullptr;
    QMenu* menuOkienka_ = nullptr;
    QMenu* menuSzukajLosowan_ = nullptr;
    QMenu* menuSzukajLiczb_ = nullptr;
    QMenu* menuSzukajZadanych_ = nullptr;
    QMenu* menuStatystyka_ = nullptr;
    QMenu* menuStatystykiGier_ = nullptr;
    QMenu* menuPrzyciskuLosowan_ = nullptr;
    QMenu* menuPrzyciskuLiczb_ = nullptr;
    QAction* przyciskStatystyki_ = nullptr;
    QAction* przyciskLosowan_ = nullptr;
    QAction* przyciskLiczb_ = nullptr;
    std::vector<QAction*> wpisyGier_;
};

} // namespace tarvomund
