#include "draws/TfrmKorektaGry.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvomund {

TfrmKorektaGry::TfrmKorektaGry(const TKatalogGier& katalog, QWidget* parent)
    : QDialog(parent), ileGier_(katalog.Ile()), lista_(new QListWidget(this)),
      btnPopraw_(new QPushButton(Tekst(TTekst::Popraw2), this)),
      btnWyjscie_(new QPushButton(Tekst(TTekst::Wyjscie), this))
{
    setWindowTitle(Tekst(TTekst::KorektaParametrowGry));
    UstawKontekstPomocy(this, KontekstPomocy);
    lista_->setObjectName(QStringLiteral("lista"));
    btnPopraw_->setObjectName(QStringLiteral("btnPopraw"));
    btnWyjscie_->setObjectName(QStringLiteral("btnWyjscie"));

    for (std::size_t i = 0; i < katalog.Ile(); ++i)
        lista_->addItem(QString::fromStdString(katalog.Gra(i).Nazwa));
    lista_->addItem(Tekst(TTekst::SystemPilkarski));
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setCurrentRow(0);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnPopraw_);
    przyciski->addWidget(btnWyjscie_);
    btnPopraw_->setDefault(true);
    connect(btnPopraw_, &QPushButton::clicked, this, &TfrmKorektaGry::btnPoprawClick);
    connect(btnWyjscie_, &QPushButton::clicked, this, &QDialog::reject);
    connect(lista_, &QListWidget::itemDoubleClicked, this, &TfrmKorektaGry::btnPoprawClick);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(lista_, 1);
    uklad->addLayout(przyciski);
    resize(320, 300);
}

void TfrmKorektaGry::btnPoprawClick()
{
    if (lista_->currentRow() >= 0)
        accept();
}

std::optional<std::size_t> TfrmKorektaGry::WybranaGra() const
{
    const int wiersz = lista_->currentRow();
    if (wiersz < 0 || static_cast<std::size_t>(wiersz) >= ileGier_)
        return std::nullopt;
    return static_cast<std::size_t>(wiersz);
}

} // namespace tarvomund
