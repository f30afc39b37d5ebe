#include "slips/TfrmNowaGr.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "slips/TBlankietOb.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvomund {

TfrmNowaGr::TfrmNowaGr(QWidget* parent)
    : QDialog(parent), edNazwa_(new QLineEdit(this)), btnOK_(new QPushButton(Tekst(TTekst::OK), this)),
      btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setModal(true);
    setWindowTitle(Tekst(TTekst::NowaGrupa));
    UstawKontekstPomocy(this, KontekstPomocy);
    edNazwa_->setObjectName(QStringLiteral("edNazwa"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));
    // The slip file keeps 30 characters of a group's name.
    edNazwa_->setMaxLength(static_cast<int>(DlugoscNazwyGrupy));
    edNazwa_->setMinimumWidth(240);

    auto* etykieta = new QLabel(Tekst(TTekst::NazwaNowejGrupyPol), this);
    etykieta->setBuddy(edNazwa_);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);
    btnOK_->setDefault(true);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(etykieta);
    uklad->addWidget(edNazwa_);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOK_, &QPushButton::clicked, this, [this] {
        if (!Nazwa().isEmpty())
            accept();
    });
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
}

QString TfrmNowaGr::Nazwa() const
{
    return edNazwa_->text();
}

} // namespace tarvomund
