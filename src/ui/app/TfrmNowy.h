#pragma once

#include "app/TekstyUI.h"
#include "model/KatalogGier.h"
#include "model/TInfoGryRec.h"

#include <QDialog>
#include <QString>

#include <cstddef>
#include <vector>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tarvomund {

class TZakladkiPrzyciski;

// An open number-system window as the "Systemy złożone" tab lists it.
struct TSystemDoZlozenia {
    QString Tytul;
    TInfoGryRec Info;
};

// The New dialog: what to create next (a game, a number system, a pool system, a composite of two
// open systems or a group). The dialog only reports the choice; the main window acts on it.
class TfrmNowy : public QDialog {
    Q_OBJECT

public:
    enum class TZakladka { NowaGra, SystemyLiczbowe, SystemyPilkarskie, SystemyZlozone, GrupaGraczy };

    struct TWybor {
        TZakladka Zakladka = TZakladka::NowaGra;
        std::size_t IndeksGry = 0;    // catalogue index of the game on "Systemy liczbowe"
        std::vector<int> Zaznaczone;  // indexes into the systems handed in, ascending
    };

    TfrmNowy(const TKatalogGier& katalog, std::vector<TSystemDoZlozenia> systemy, QWidget* parent = nullptr);

    TWybor Wybor() const;

    TZakladka Zakladka() const;
    void UstawZakladke(TZakladka zakladka);
    // A choice whose window does not exist yet: its tab cannot be chosen.
    void WylaczZakladke(TZakladka zakladka);
    QListWidget* Lista(TZakladka zakladka) const;
    TZakladkiPrzyciski* Zakladki() const { return zakladki_; }
    QPushButton* PrzyciskOK() const { return btnOK_; }
    QPushButton* PrzyciskAnuluj() const { return btnAnuluj_; }

private:
    QListWidget* DodajListe(TZakladka zakladka, TTekst tytul);
    void btnOKClick();
    void CLB1Zmiana(QListWidgetItem* element);
    std::vector<int> Zaznaczone() const;
    bool MoznaZamknac() const;

    std::vector<TSystemDoZlozenia> systemy_;
    TZakladkiPrzyciski* zakladki_;
    QListWidget* listy_[5]{};
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
