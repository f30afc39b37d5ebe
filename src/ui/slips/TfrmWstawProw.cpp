#include "slips/TfrmWstawProw.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "slips/TBlankietOb.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarvomund {

namespace {

constexpr double NajdalszaPozycja = 2000.0;
constexpr int NajwiecejCzesci = 1000;

} // namespace

TfrmWstawProw::TfrmWstawProw(QWidget* parent)
    : QDialog(parent), edOd_(new QDoubleSpinBox(this)), edDo_(new QDoubleSpinBox(this)), edCzesci_(new QSpinBox(this)),
      rbPoziome_(new QRadioButton(Tekst(TTekst::Poziome), this)),
      rbPionowe_(new QRadioButton(Tekst(TTekst::Pionowe), this)), btnWstaw_(new QPushButton(Tekst(TTekst::Wstaw), this)),
      btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setModal(true);
    setWindowTitle(Tekst(TTekst::WstawianieProwadnic));
    UstawKontekstPomocy(this, KontekstPomocy);
    edOd_->setObjectName(QStringLiteral("edOd"));
    edDo_->setObjectName(QStringLiteral("edDo"));
    edCzesci_->setObjectName(QStringLiteral("edCzesci"));
    rbPoziome_->setObjectName(QStringLiteral("rbPoziome"));
    rbPionowe_->setObjectName(QStringLiteral("rbPionowe"));
    btnWstaw_->setObjectName(QStringLiteral("btnWstaw"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));

    for (QDoubleSpinBox* ed : {edOd_, edDo_}) {
        ed->setRange(0, NajdalszaPozycja);
        ed->setDecimals(2);
        ed->setAlignment(Qt::AlignRight);
    }
    edCzesci_->setRange(0, NajwiecejCzesci);
    edCzesci_->setValue(2);
    edCzesci_->setAlignment(Qt::AlignRight);
    rbPionowe_->setChecked(true);

    auto* pola = new QFormLayout;
    pola->addRow(Tekst(TTekst::OdPozycji), edOd_);
    pola->addRow(Tekst(TTekst::DoPozycji), edDo_);
    pola->addRow(Tekst(TTekst::PodzielNaCzesci), edCzesci_);
    auto* rodzaj = new QGroupBox(Tekst(TTekst::RodzajProwadnic), this);
    auto* ukladRodzaju = new QHBoxLayout(rodzaj);
    ukladRodzaju->addWidget(rbPoziome_);
    ukladRodzaju->addWidget(rbPionowe_);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnWstaw_);
    przyciski->addWidget(btnAnuluj_);
    btnWstaw_->setDefault(true);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(pola);
    uklad->addWidget(rodzaj);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnWstaw_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
}

double TfrmWstawProw::Od() const
{
    return edOd_->value();
}

double TfrmWstawProw::Do() const
{
    return edDo_->value();
}

int TfrmWstawProw::Czesci() const
{
    return edCzesci_->value();
}

uint8_t TfrmWstawProw::Kier() const
{
    return rbPoziome_->isChecked() ? ProwadnicaPozioma : ProwadnicaPionowa;
}

} // namespace tarvomund
