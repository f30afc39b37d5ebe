#include "model/TfrmSkok.h"

#include "app/KontekstPomocy.h"
#include "app/TPoleLiczby.h"
#include "app/TekstyUI.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

namespace {

constexpr int SzerokoscPaska = 260;
constexpr int SzerokoscPola = 90;
// A page of the bar is a page of the system window: fifteen bets.
constexpr int StronaPaska = 15;
// The system window's help topic: the dialog belongs to it.
constexpr int KontekstPomocySkoku = 1024;

} // namespace

TfrmSkok::TfrmSkok(int32_t zakladow, int32_t biezacy, QWidget* parent)
    : QDialog(parent), Pasek_(new QScrollBar(Qt::Horizontal, this)), Pole_(new TPoleLiczby(this)),
      btnOK_(new QPushButton(Tekst(TTekst::OK), this)), btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setModal(true);
    setWindowTitle(Tekst(TTekst::SkokDoZakladuNr));
    UstawKontekstPomocy(this, KontekstPomocySkoku);

    Pasek_->setObjectName(QStringLiteral("Pasek"));
    Pole_->setObjectName(QStringLiteral("Pole"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));

    const int32_t najwiecej = std::max<int32_t>(zakladow, 1);
    Pasek_->setRange(1, najwiecej);
    Pole_->setRange(1, najwiecej);
    Pasek_->setPageStep(StronaPaska);
    Pasek_->setMinimumWidth(SzerokoscPaska);
    Pole_->setMinimumWidth(SzerokoscPola);
    const int32_t start = std::clamp<int32_t>(biezacy, 1, najwiecej);
    Pasek_->setValue(start);
    Pole_->setValue(start);
    connect(Pasek_, &QScrollBar::valueChanged, Pole_, &QSpinBox::setValue);
    connect(Pole_, &QSpinBox::valueChanged, Pasek_, &QScrollBar::setValue);

    auto* wybor = new QHBoxLayout;
    wybor->addWidget(Pasek_, 1);
    wybor->addWidget(Pole_);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);
    btnOK_->setDefault(true);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(wybor);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOK_, &QPushButton::clicked, this, [this] {
        // A number still being typed counts as entered.
        Pole_->interpretText();
        accept();
    });
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
    Pole_->setFocus();
    Pole_->selectAll();
}

int32_t TfrmSkok::Wartosc() const
{
    return Pole_->value();
}

} // namespace tarvomund
