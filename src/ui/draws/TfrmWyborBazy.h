#pragma once

#include "model/KatalogGier.h"

#include <QDialog>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;

namespace tarvomund {

// "Dopisywanie losowań": the game whose draws are to be edited, every catalogue game by name (pool
// games included), the first one selected.
class TfrmWyborBazy : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1050;

    explicit TfrmWyborBazy(const TKatalogGier& katalog, QWidget* parent = nullptr);

    // The catalogue index of the chosen game.
    std::size_t Wybrana() const;

    QListWidget* lbGry() const { return lbGry_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    QLabel* lblWybierz_;
    QListWidget* lbGry_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
};

// The "Losowania" command: the chooser, then the draw list window of the chosen game, both modal.
// An empty catalogue shows "Baza losowań jest pusta !" instead.
void DopisywanieLosowan(TKatalogGier& katalog, const QString& katalogDane, QWidget* rodzic);

} // namespace tarvomund
