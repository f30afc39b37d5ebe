#include "systems/TfrmNumery3.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

namespace {

constexpr int SzerokoscPrzycisku = 28;
constexpr int WysokoscPrzycisku = 22;
constexpr const char* StylWcisnietego =
    "QToolButton:checked { background-color: rgb(0, 0, 128); color: yellow; border: 1px solid black; }";
// The signs in button order; a button's id in its group is the sign's code.
constexpr const char* Znaki[TfrmNumery3::IleZnakow] = {"1", "x", "2"};

} // namespace

TfrmNumery3::TfrmNumery3(QWidget* parent)
    : QDialog(parent), btnC_(new QToolButton(this)), btnOK_(new QPushButton(Tekst(TTekst::OK), this)),
      btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setWindowTitle(QStringLiteral("+++"));
    setModal(true);
    UstawKontekstPomocy(this, KontekstPomocy);
    btnC_->setObjectName(QStringLiteral("btnC"));
    btnC_->setText(QStringLiteral("C"));
    btnC_->setToolTip(Tekst(TTekst::Zerowanie));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));

    auto* siatka = new QGridLayout;
    siatka->setSpacing(1);
    // A pressed button is navy with yellow text, like the selection in the program's grids.
    setStyleSheet(QLatin1String(StylWcisnietego));
    for (int mecz = 1; mecz <= IleMeczow; ++mecz) {
        const auto i = static_cast<std::size_t>(mecz - 1);
        etykiety_[i] = new QLabel(QString::number(mecz), this);
        etykiety_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        siatka->addWidget(etykiety_[i], mecz - 1, 0);
        // One group a row: at most one sign of a match is down.
        grupy_[i] = new QButtonGroup(this);
        for (int kod = 1; kod <= IleZnakow; ++kod) {
            auto* przycisk = new QToolButton(this);
            przycisk->setObjectName(QStringLiteral("Typ%1_%2").arg(mecz).arg(kod));
            przycisk->setText(QLatin1String(Znaki[kod - 1]));
            przycisk->setCheckable(true);
            przycisk->setFixedSize(SzerokoscPrzycisku, WysokoscPrzycisku);
            grupy_[i]->addButton(przycisk, kod);
            siatka->addWidget(przycisk, mecz - 1, kod);
        }
        connect(grupy_[i], &QButtonGroup::buttonClicked, this, &TfrmNumery3::Kliknieto);
    }

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(btnC_);
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);
    btnOK_->setDefault(true);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(siatka);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnC_, &QToolButton::clicked, this, &TfrmNumery3::Zeruj);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
}

QToolButton* TfrmNumery3::Przycisk(int mecz, int kod) const
{
    if (mecz < 1 || mecz > IleMeczow)
        return nullptr;
    return qobject_cast<QToolButton*>(grupy_[static_cast<std::size_t>(mecz - 1)]->button(kod));
}

QLabel* TfrmNumery3::Etykieta(int mecz) const
{
    return mecz >= 1 && mecz <= IleMeczow ? etykiety_[static_cast<std::size_t>(mecz - 1)] : nullptr;
}

void TfrmNumery3::Pusc(int mecz)
{
    QButtonGroup* grupa = grupy_[static_cast<std::size_t>(mecz - 1)];
    // An exclusive group keeps one button down; it lets go only while not exclusive.
    grupa->setExclusive(false);
    for (QAbstractButton* przycisk : grupa->buttons())
        przycisk->setChecked(false);
    grupa->setExclusive(true);
}

void TfrmNumery3::Zeruj()
{
    for (int mecz = 1; mecz <= IleMeczow; ++mecz)
        Pusc(mecz);
    wynik_.fill(0);
}

void TfrmNumery3::UstawTypy(const TTablicaLiczb& typy, int k)
{
    const int meczow = std::clamp(k, 0, IleMeczow);
    Zeruj();
    for (int mecz = 1; mecz <= IleMeczow; ++mecz) {
        const bool jest = mecz <= meczow;
        etykiety_[static_cast<std::size_t>(mecz - 1)]->setVisible(jest);
        for (int kod = 1; kod <= IleZnakow; ++kod) {
            Przycisk(mecz, kod)->setVisible(jest);
            Przycisk(mecz, kod)->setEnabled(jest);
        }
        const uint8_t kodPresetu = typy[static_cast<std::size_t>(mecz - 1)];
        if (jest && kodPresetu >= 1 && kodPresetu <= IleZnakow) {
            Przycisk(mecz, kodPresetu)->setChecked(true);
            wynik_[static_cast<std::size_t>(mecz - 1)] = kodPresetu;
        }
    }
}

void TfrmNumery3::Kliknieto()
{
    // Every sign that is down goes into the result at its match.
    for (int mecz = 1; mecz <= IleMeczow; ++mecz) {
        const int kod = grupy_[static_cast<std::size_t>(mecz - 1)]->checkedId();
        if (kod >= 1)
            wynik_[static_cast<std::size_t>(mecz - 1)] = static_cast<uint8_t>(kod);
    }
}

} // namespace tarvomund
