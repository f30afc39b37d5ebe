#include "slips/Tfrmdrukpyt1.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace tarvomund {

namespace {

constexpr int SzerokoscPrzycisku = 220;

} // namespace

Tfrmdrukpyt1::Tfrmdrukpyt1(QWidget* parent)
    : QDialog(parent), btnSystemy_(new QPushButton(Tekst(TTekst::DrukowanieSystemow), this)),
      btnBlankiety_(new QPushButton(Tekst(TTekst::DrukowanieBlankietow), this)),
      btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setModal(true);
    setWindowTitle(Tekst(TTekst::Drukowanie));
    UstawKontekstPomocy(this, KontekstPomocy);
    btnSystemy_->setObjectName(QStringLiteral("btnSystemy"));
    btnBlankiety_->setObjectName(QStringLiteral("btnBlankiety"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));

    auto* uklad = new QVBoxLayout(this);
    for (QPushButton* przycisk : {btnSystemy_, btnBlankiety_, btnAnuluj_}) {
        przycisk->setMinimumWidth(SzerokoscPrzycisku);
        przycisk->setAutoDefault(false);
        uklad->addWidget(przycisk);
    }
    btnSystemy_->setDefault(true);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnSystemy_, &QPushButton::clicked, this, [this] { done(Lista); });
    connect(btnBlankiety_, &QPushButton::clicked, this, [this] { done(Blankiety); });
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace tarvomund
