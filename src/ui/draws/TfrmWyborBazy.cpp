#include "draws/TfrmWyborBazy.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "draws/TfrmLosowania.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvomund {

TfrmWyborBazy::TfrmWyborBazy(const TKatalogGier& katalog, QWidget* parent)
    : QDialog(parent), lblWybierz_(new QLabel(Tekst(TTekst::WybierzBazeLosowan), this)),
      lbGry_(new QListWidget(this)), btnOK_(new QPushButton(Tekst(TTekst::OK), this)),
      btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setWindowTitle(Tekst(TTekst::DopisywanieLosowan));
    setModal(true);
    UstawKontekstPomocy(this, KontekstPomocy);
    lbGry_->setObjectName(QStringLiteral("lbGry"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));
    lblWybierz_->setBuddy(lbGry_);
    for (std::size_t i = 0; i < katalog.Ile(); ++i)
        lbGry_->addItem(QString::fromStdString(katalog.Gra(i).Nazwa));
    lbGry_->setCurrentRow(0);
    btnOK_->setDefault(true);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(lblWybierz_);
    uklad->addWidget(lbGry_, 1);
    uklad->addLayout(przyciski);

    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
    connect(lbGry_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

std::size_t TfrmWyborBazy::Wybrana() const
{
    return static_cast<std::size_t>(std::max(lbGry_->currentRow(), 0));
}

void DopisywanieLosowan(TKatalogGier& katalog, const QString& katalogDane, QWidget* rodzic)
{
    // Without any game there is no draw base to edit; the command says so rather than do nothing.
    if (katalog.Pusty()) {
        Komunikat(Tekst(TTekst::BazaLosowanJestPusta), ObrazekOstrzezenie, PrzyciskiOK, rodzic);
        return;
    }
    TfrmWyborBazy wybor(katalog, rodzic);
    if (wybor.exec() != QDialog::Accepted || wybor.Wybrana() >= katalog.Ile())
        return;
    TfrmLosowania okno(katalog.Gra(wybor.Wybrana()), katalogDane, rodzic);
    okno.exec();
}

} // namespace tarvomund
