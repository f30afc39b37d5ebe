#include "group/TfrmGrupa07.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "group/PomocnikiGrupy.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvomund {

TfrmGrupa07::TfrmGrupa07(const TNaglowekGrupy& naglowek, QWidget* parent)
    : QDialog(parent), ListBox1_(new QListWidget(this)), miejsca_(naglowek.ZajeteMiejsca())
{
    UstawKontekstPomocy(this, KontekstPomocy);
    setWindowTitle(Tekst(TTekst::RozliczenieWyznaczonegoGracza));
    ListBox1_->setObjectName(QStringLiteral("ListBox1"));
    for (int miejsce : miejsca_)
        ListBox1_->addItem(QString::fromStdString(naglowek.Nazwiska[static_cast<std::size_t>(miejsce)]));
    if (ListBox1_->count() > 0)
        ListBox1_->setCurrentRow(0);

    auto* etykieta = new QLabel(Tekst(TTekst::NazwiskoGrajacego), this);
    etykieta->setBuddy(ListBox1_);
    auto* przyciski = PrzyciskiDialogu(this, QStringLiteral("Ok"), "btnOk");
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(etykieta);
    uklad->addWidget(ListBox1_);
    uklad->addWidget(przyciski);
    resize(300, 320);
    connect(ListBox1_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

int TfrmGrupa07::Miejsce() const
{
    const int wiersz = ListBox1_->currentRow();
    if (wiersz < 0 || wiersz >= static_cast<int>(miejsca_.size()))
        return miejsca_.empty() ? 0 : miejsca_.front();
    return miejsca_[static_cast<std::size_t>(wiersz)];
}

} // namespace tarvomund
