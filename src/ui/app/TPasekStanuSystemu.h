#pragma once

#include "app/TOknoDokumentu.h"

#include <QWidget>

class QLabel;

namespace tarvomund {

// The second strip: the system status fields ("Liczb", "Skreś.", "Zakładów", "Kombinacji",
// "Rodzaj generacji", and the best known system where there is one) or the kind of the active statistic.
class TPasekStanuSystemu : public QWidget {
    Q_OBJECT

public:
    enum class TTryb { Pusty, System, SystemBezLiczb, Statystyka };

    explicit TPasekStanuSystemu(QWidget* parent = nullptr);

    void Pokaz(TTryb tryb, const TPolaStatusu& pola);
    TTryb Tryb() const { return tryb_; }
    QString Wartosc(int pole) const;

    enum Pole {
        PoleLiczb,
        PoleSkreslen,
        PoleZakladow,
        PoleKombinacji,
        PoleRodzajGeneracji,
        PoleRodzajStatystyki,
        PoleNajlepszyZnany, // no caption: the text says what it is
        IlePol
    };

private:
    TTryb tryb_ = TTryb::Pusty;
    QLabel* etykiety_[IlePol] = {};
    QLabel* wartosci_[IlePol] = {};
};

} // namespace tarvomund
