#include "pools/TfrmparamPl.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "pools/TGenSysPl.h"
#include "pools/Typowania.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace tarvomund {

namespace {

constexpr int SzerokoscPol = 220;

} // namespace

TfrmparamPl::TfrmparamPl(QWidget* parent)
    : QDialog(parent), spTypow_(new QSpinBox(this)), spZakladow_(new QSpinBox(this)),
      cbMetoda_(new QComboBox(this)), btnOk_(new QPushButton(Tekst(TTekst::OK3), this)),
      btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj3), this))
{
    setModal(true);
    setWindowTitle(Tekst(TTekst::Parametry));
    UstawKontekstPomocy(this, KontekstPomocy);
    spTypow_->setObjectName(QStringLiteral("spTypow"));
    spZakladow_->setObjectName(QStringLiteral("spZakladow"));
    cbMetoda_->setObjectName(QStringLiteral("cbMetoda"));
    btnOk_->setObjectName(QStringLiteral("btnOk"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));

    spTypow_->setRange(MinMeczow, MaxMeczow);
    spZakladow_->setRange(1, 1);
    for (QSpinBox* pole : {spTypow_, spZakladow_})
        pole->setAlignment(Qt::AlignRight);
    for (int i = 0; i < IleMetodPl; ++i)
        cbMetoda_->addItem(Tekst(TTekst::MetodaPelna, i));

    auto* siatka = new QGridLayout;
    const TTekst etykiety[] = {TTekst::IloscTypow, TTekst::IloscZakladow, TTekst::MetodaGeneracjiSystemu};
    QWidget* pola[] = {spTypow_, spZakladow_, cbMetoda_};
    for (int wiersz = 0; wiersz < static_cast<int>(std::size(pola)); ++wiersz) {
        auto* etykieta = new QLabel(Tekst(etykiety[wiersz]), this);
        etykieta->setBuddy(pola[wiersz]);
        siatka->addWidget(etykieta, wiersz, 0);
        siatka->addWidget(pola[wiersz], wiersz, 1);
        pola[wiersz]->setMinimumWidth(SzerokoscPol);
    }
    siatka->setColumnStretch(1, 1);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOk_);
    przyciski->addWidget(btnAnuluj_);
    btnOk_->setDefault(true);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(siatka);
    uklad->addSpacing(6);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOk_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmparamPl::Ustaw(const TInfoGryRec& info, int64_t maxZakladow)
{
    info_ = info;
    spTypow_->setValue(std::clamp(info.k, MinMeczow, MaxMeczow));
    const auto najwiecej =
        static_cast<int>(std::clamp<int64_t>(maxZakladow, 1, std::numeric_limits<int32_t>::max()));
    spZakladow_->setMaximum(najwiecej);
    spZakladow_->setValue(std::clamp(info.Zakladow, 1, najwiecej));
    cbMetoda_->setCurrentIndex(info.Metoda >= 0 && info.Metoda < IleMetodPl ? info.Metoda : 0);
}

TInfoGryRec TfrmparamPl::Wynik() const
{
    TInfoGryRec wynik = info_;
    wynik.k = spTypow_->value();
    wynik.Zakladow = spZakladow_->value();
    wynik.Metoda = cbMetoda_->currentIndex();
    return wynik;
}

} // namespace tarvomund
