#include "draws/TfrmGraPilkarska.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "slips/TBlankietOb.h"
#include "slips/TfrmDodajDr.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvomund {

namespace {

constexpr int SzerokoscNazwy = 260;

} // namespace

TfrmGraPilkarska::TfrmGraPilkarska(QString katalogDane, QWidget* parent)
    : QDialog(parent), katalogDane_(std::move(katalogDane)), edNazwa_(new QLineEdit(Tekst(TTekst::SystemPilkarski), this)),
      btnOK_(new QPushButton(Tekst(TTekst::OK), this)), btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this)),
      btnBlankiety_(new QPushButton(Tekst(TTekst::Blankiety), this))
{
    setWindowTitle(Tekst(TTekst::ParametryGry));
    UstawKontekstPomocy(this, KontekstPomocy);
    edNazwa_->setObjectName(QStringLiteral("edNazwa"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));
    btnBlankiety_->setObjectName(QStringLiteral("btnBlankiety"));
    edNazwa_->setEnabled(false);
    edNazwa_->setMinimumWidth(SzerokoscNazwy);

    auto* etykieta = new QLabel(Tekst(TTekst::NazwaGry), this);
    etykieta->setBuddy(edNazwa_);
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(btnBlankiety_);
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnBlankiety_, &QPushButton::clicked, this, &TfrmGraPilkarska::btnBlankietyClick);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(etykieta);
    uklad->addWidget(edNazwa_);
    uklad->addSpacing(6);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmGraPilkarska::btnBlankietyClick()
{
    TfrmDodajDr dialog(katalogDane_, KodBlankietuPilkarskiego, edNazwa_->text(), this);
    dialog.exec();
}

} // namespace tarvomund
