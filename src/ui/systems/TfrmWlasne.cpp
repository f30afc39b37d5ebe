#include "systems/TfrmWlasne.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "model/Wspolne.h"
#include "systems/Metody.h"
#include "systems/TGenSys01.h"
#include "tools/TKolekcja.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

namespace {

constexpr int SzerokoscPola = 35;
constexpr int WysokoscPola = 18;
// The panel's margins and gaps as TKolekcja lays its fields out, with half a field to spare so
// that exactly ten fit a row.
constexpr int SzerokoscPanelu =
    TfrmWlasne::NaWiersz * SzerokoscPola + (TfrmWlasne::NaWiersz - 1) * 2 + 2 * 3 + SzerokoscPola / 2;

} // namespace

TfrmWlasne::TfrmWlasne(QWidget* parent)
    : QDialog(parent), wlasne1_(new TKolekcja(this)), lblMaxPew_(new QLabel(this)),
      btnPodstaw_(new QPushButton(Tekst(TTekst::Podstaw), this)),
      btnKolekcja_(new QPushButton(Tekst(TTekst::Kolekcja3), this)),
      btnOK_(new QPushButton(Tekst(TTekst::OK4), this)), btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj4), this))
{
    setWindowTitle(Tekst(TTekst::LiczbyWSytemie));
    setModal(true);
    UstawKontekstPomocy(this, KontekstPomocy);
    wlasne1_->setObjectName(QStringLiteral("wlasne1"));
    lblMaxPew_->setObjectName(QStringLiteral("lblMaxPew"));
    btnPodstaw_->setObjectName(QStringLiteral("btnPodstaw"));
    btnKolekcja_->setObjectName(QStringLiteral("btnKolekcja"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));

    // Single fields of the own number; the sure ones in red.
    wlasne1_->Podwojne = false;
    wlasne1_->SzerPola = SzerokoscPola;
    wlasne1_->WysPola1 = WysokoscPola;
    wlasne1_->KolorZaz = Qt::red;
    QFont pogrubiona = wlasne1_->Font1;
    pogrubiona.setBold(true);
    wlasne1_->Font1 = pogrubiona;
    wlasne1_->setFixedWidth(SzerokoscPanelu);
    wlasne1_->Odswiez();

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(lblMaxPew_);
    przyciski->addStretch();
    for (QPushButton* p : {btnPodstaw_, btnKolekcja_, btnOK_, btnAnuluj_})
        przyciski->addWidget(p);
    btnOK_->setDefault(true);

    // The panel sets its own height from its rows; the dialog follows it.
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(wlasne1_);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnPodstaw_, &QPushButton::clicked, this, &TfrmWlasne::btnPodstawClick);
    connect(btnKolekcja_, &QPushButton::clicked, this, &TfrmWlasne::btnKolekcjaClick);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
}

int32_t TfrmWlasne::LimitPewnych(const TInfoGryRec& info)
{
    if (info.Metoda != static_cast<int32_t>(TMetoda::SkroconaRownomierna))
        return 0;
    return MaxPewnych(info.k, info.n, info.Zakladow);
}

void TfrmWlasne::Ustaw(const TInfoGryRec& info)
{
    info_ = info;
    wlasne1_->Wyczysc();
    wlasne1_->LimitZaz = LimitPewnych(info);
    const int n = std::clamp(info.n, 0, MaxLiczbSystemu);
    for (int p = 0; p < n; ++p) {
        const auto i = static_cast<std::size_t>(p);
        const bool pewna = info.Wlasne[2][i] == ZnakPewnejPozycji && wlasne1_->IleZaznaczonych() < wlasne1_->LimitZaz;
        wlasne1_->Dodaj(info.Wlasne[1][i], 0, pewna);
    }
    lblMaxPew_->setText(Tekst(TTekst::MaxPew) + QString::number(wlasne1_->LimitZaz));
}

std::array<TTablicaLiczb, 3> TfrmWlasne::Wlasne() const
{
    std::array<TTablicaLiczb, 3> wlasne = info_.Wlasne;
    const std::vector<TPodwOb>& elementy = wlasne1_->Elementy();
    for (std::size_t i = 0; i < elementy.size() && i < static_cast<std::size_t>(MaxLiczbSystemu); ++i) {
        wlasne[1][i] = static_cast<uint8_t>(elementy[i].Numer);
        wlasne[2][i] = elementy[i].Zaznaczony ? ZnakPewnejPozycji : 0;
    }
    return wlasne;
}

void TfrmWlasne::btnPodstawClick()
{
    Wybierz(false);
}

void TfrmWlasne::btnKolekcjaClick()
{
    Wybierz(true);
}

void TfrmWlasne::Wybierz(bool zKolekcji)
{
    // The picker starts from the panel as it stands, rearranged or not.
    TInfoGryRec biezace = info_;
    biezace.Wlasne = Wlasne();
    TfrmNumery numery(this);
    numery.UstawKolekcje(kolekcja_);
    numery.UstawPodstaw(biezace);
    if (zKolekcji && !numery.Kolekcja())
        return;
    if (numery.exec() == QDialog::Accepted)
        Podstaw(numery.Wybrane());
}

void TfrmWlasne::Podstaw(const std::vector<int>& liczby)
{
    // TKolekcja keeps its numbers unique and has no way to renumber a field: the panel is filled
    // again with the marks of its places.
    std::vector<TPodwOb> elementy = wlasne1_->Elementy();
    for (std::size_t i = 0; i < elementy.size() && i < liczby.size(); ++i)
        elementy[i].Numer = liczby[i];
    wlasne1_->Wyczysc();
    for (const TPodwOb& element : elementy)
        wlasne1_->Dodaj(element.Numer, element.Wartosc2, element.Zaznaczony);
    // A panel short of n numbers (a block that named a number twice) gets the rest, unmarked.
    for (std::size_t i = elementy.size(); i < liczby.size(); ++i)
        wlasne1_->Dodaj(liczby[i], 0, false);
}

} // namespace tarvomund
