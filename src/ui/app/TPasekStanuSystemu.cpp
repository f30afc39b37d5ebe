#include "app/TPasekStanuSystemu.h"

#include "app/TekstyUI.h"

#include <QHBoxLayout>
#include <QLabel>

namespace tarvomund {

TPasekStanuSystemu::TPasekStanuSystemu(QWidget* parent) : QWidget(parent)
{
    auto* uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(6, 2, 6, 2);
    const QString podpisy[IlePol] = {Tekst(TTekst::Liczb),          Tekst(TTekst::Skres),
                                     Tekst(TTekst::Zakladow),       Tekst(TTekst::Kombinacji),
                                     Tekst(TTekst::RodzajGeneracji), Tekst(TTekst::RodzajStatystyki),
                                     QString()};
    // Widths that hold the widest value of each field: n, k, bet counts, "%20.0n", method names.
    const int szerokosci[IlePol] = {40, 40, 90, 150, 230, 420, 150};
    for (int i = 0; i < IlePol; ++i) {
        etykiety_[i] = new QLabel(podpisy[i], this);
        wartosci_[i] = new QLabel(this);
        wartosci_[i]->setFrameShape(QFrame::Panel);
        wartosci_[i]->setFrameShadow(QFrame::Sunken);
        wartosci_[i]->setMinimumWidth(szerokosci[i]);
        wartosci_[i]->setAlignment(i == PoleRodzajGeneracji || i == PoleRodzajStatystyki || i == PoleNajlepszyZnany ? Qt::AlignLeft | Qt::AlignVCenter
                                                                                          : Qt::AlignRight | Qt::AlignVCenter);
        uklad->addWidget(etykiety_[i]);
        uklad->addWidget(wartosci_[i]);
        uklad->addSpacing(8);
    }
    uklad->addStretch();
    Pokaz(TTryb::Pusty, {});
}

void TPasekStanuSystemu::Pokaz(TTryb tryb, const TPolaStatusu& pola)
{
    tryb_ = tryb;
    const QString teksty[IlePol] = {pola.Liczb,           pola.Skreslen,         pola.Zakladow,
                                    pola.Kombinacji,      pola.RodzajGeneracji,  pola.RodzajStatystyki,
                                    pola.NajlepszyZnany};
    const bool system = tryb == TTryb::System || tryb == TTryb::SystemBezLiczb;
    for (int i = 0; i < IlePol; ++i) {
        bool widoczne = i == PoleRodzajStatystyki ? tryb == TTryb::Statystyka : system;
        if ((i == PoleLiczb && tryb == TTryb::SystemBezLiczb) || (i == PoleNajlepszyZnany && teksty[i].isEmpty()))
            widoczne = false;
        etykiety_[i]->setVisible(widoczne);
        wartosci_[i]->setVisible(widoczne);
        wartosci_[i]->setText(widoczne ? teksty[i] : QString());
    }
}

QString TPasekStanuSystemu::Wartosc(int pole) const
{
    return wartosci_[pole]->text();
}

} // namespace tarvomund
