#include "app/TZakladkiPrzyciski.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvomund {

TZakladkiPrzyciski::TZakladkiPrzyciski(QWidget* parent)
    : QWidget(parent), przyciski_(new QHBoxLayout), grupa_(new QButtonGroup(this)), strony_(new QStackedWidget(this))
{
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    przyciski_->setSpacing(2);
    przyciski_->addStretch();
    uklad->addLayout(przyciski_);
    uklad->addWidget(strony_, 1);
    grupa_->setExclusive(true);
    connect(grupa_, &QButtonGroup::idClicked, this, [this](int indeks) {
        strony_->setCurrentIndex(indeks);
        emit ZmienionoZakladke(indeks);
    });
}

int TZakladkiPrzyciski::DodajZakladke(const QString& tytul, QWidget* strona)
{
    const int indeks = strony_->addWidget(strona);
    auto* przycisk = new QToolButton(this);
    przycisk->setText(tytul);
    przycisk->setCheckable(true);
    przycisk->setAutoRaise(true);
    przycisk->setToolButtonStyle(Qt::ToolButtonTextOnly);
    grupa_->addButton(przycisk, indeks);
    przyciski_->insertWidget(przyciski_->count() - 1, przycisk);
    if (indeks == 0)
        przycisk->setChecked(true);
    return indeks;
}

int TZakladkiPrzyciski::Biezaca() const
{
    return strony_->currentIndex();
}

void TZakladkiPrzyciski::UstawBiezaca(int indeks)
{
    if (auto* przycisk = grupa_->button(indeks)) {
        przycisk->setChecked(true);
        strony_->setCurrentIndex(indeks);
        emit ZmienionoZakladke(indeks);
    }
}

void TZakladkiPrzyciski::Wylacz(int indeks)
{
    QAbstractButton* przycisk = grupa_->button(indeks);
    if (!przycisk)
        return;
    przycisk->setEnabled(false);
    strony_->widget(indeks)->setEnabled(false);
    if (Biezaca() != indeks)
        return;
    for (int i = 0; i < Ile(); ++i)
        if (Dostepna(i)) {
            UstawBiezaca(i);
            return;
        }
}

bool TZakladkiPrzyciski::Dostepna(int indeks) const
{
    const QAbstractButton* przycisk = grupa_->button(indeks);
    return przycisk && przycisk->isEnabled();
}

int TZakladkiPrzyciski::Ile() const
{
    return strony_->count();
}

QWidget* TZakladkiPrzyciski::Strona(int indeks) const
{
    return strony_->widget(indeks);
}

} // namespace tarvomund
