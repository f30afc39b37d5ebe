#pragma once

#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

class QLabel;
class QMenu;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarvomund {

class TKolekcja;

// The number collection: one window for the whole run, owned by the main window and hidden until
// called. A panel of numbers the user marks and orders (other windows take the marked ones) and a
// tree of copied statistics whose point entries feed numbers into the panel. Saved as a `*.k22`
// tree file with the panel in the `*.k12` file beside it.
class TfrmKolekcja01 : public QWidget {
    Q_OBJECT

public:
    // `katalogDane` is where the open and save dialogs start.
    explicit TfrmKolekcja01(const QString& katalogDane, QWidget* parent = nullptr);

    TKolekcja* Panel() const { return Kolekcja1_; }
    QTreeWidget* Drzewo() const { return TRV_; }
    QLabel* Etykieta() const { return Label1_; }
    QToolButton* BtnWczytaj() const { return btnWczytaj_; }
    QToolButton* BtnZapisz() const { return btnZapisz_; }
    // The pop-ups: the panel's ("Usuń liczbę", "Usuń wszystkie liczby") and the tree's
    // ("Usuń pozycję", "Usuń wszystko z kolekcji").
    QMenu* MenuPanelu() const { return menuPanelu_; }
    QMenu* MenuDrzewa() const { return menuDrzewa_; }

    // One series of a copied statistic: its name, its index among all the statistic's series (which
    // gives its colour) and its point entries.
    struct TSeriaKopii {
        QString Nazwa;
        int Indeks = 0;
        std::vector<QString> Punkty;
    };
    // A copied statistic: a top entry with the title, under it one entry per series (in the
    // series' colours) and under each series its point entries. The window is not shown.
    void DodajKopie(const QString& tytul, const std::vector<TSeriaKopii>& serie);
    // The same with the series numbered in list order.
    void DodajKopie(const QString& tytul, const std::vector<std::pair<QString, std::vector<QString>>>& serie);
    // Writes the tree and, beside it, the panel. Nothing happens with an empty tree; an existing
    // file is replaced only when the user agrees. False when nothing was written.
    bool Zapisz(const QString& plik);
    // Replaces the tree by the file's and adds the companion file's numbers to the panel (numbers
    // already there are skipped). An unreadable tree file shows the read error and changes nothing.
    bool Wczytaj(const QString& plik);
    // Restores the window to its normal size and brings it to the front.
    void Pokaz();

    // The numbers in the text of an entry of level 2 or deeper go into the panel, unmarked.
    void DodajLiczbyPozycji(QTreeWidgetItem* pozycja);
    // The state icon number an entry carries.
    static int Ikona(const QTreeWidgetItem* pozycja);
    static int Poziom(const QTreeWidgetItem* pozycja);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    QTreeWidgetItem* DodajPozycje(QTreeWidgetItem* rodzic, const QString& tekst, int ikona);
    void UsunPozycje();
    void ZapiszZWyboremPliku();
    void WczytajZWyboremPliku();
    void OdswiezEtykiete();

    QString katalogDane_;
    TKolekcja* Kolekcja1_;
    QTreeWidget* TRV_;
    QLabel* Label1_;
    QToolButton* btnWczytaj_;
    QToolButton* btnZapisz_;
    QMenu* menuPanelu_;
    QMenu* menuDrzewa_;
};

} // namespace tarvomund
