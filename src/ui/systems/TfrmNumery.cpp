#include "systems/TfrmNumery.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "systems/Losowosc.h"
#include "tools/TKolekcja.h"

#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

namespace {

constexpr int SzerokoscPrzycisku = 30;
constexpr int WysokoscPrzycisku = 24;
constexpr const char* StylWcisnietego =
    "QToolButton:checked { background-color: rgb(0, 0, 128); color: yellow; border: 1px solid black; }";

} // namespace

TDostawcaKolekcji DostawcaKolekcji(TKolekcja* panel)
{
    return [panel = QPointer<TKolekcja>(panel)] {
        std::vector<int> zaznaczone;
        if (panel)
            for (const TPodwOb& element : panel->Elementy())
                if (element.Zaznaczony)
                    zaznaczone.push_back(element.Numer);
        return zaznaczone;
    };
}

TfrmNumery::TfrmNumery(QWidget* parent)
    : QDialog(parent), siatka_(new QGridLayout), lile_(new QLabel(QStringLiteral("0"), this)),
      DE1_(new QDateEdit(QDate::currentDate(), this)), btnOK_(new QPushButton(Tekst(TTekst::OK5), this)),
      btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj5), this)), btnZeruj_(new QPushButton(Tekst(TTekst::Zeruj), this)),
      btnWylosuj_(new QPushButton(Tekst(TTekst::Wylosuj), this)),
      btnKolekcja_(new QPushButton(Tekst(TTekst::Kolekcja4), this))
{
    setWindowTitle(Tekst(TTekst::WlasneLiczbyWSytemie));
    setModal(true);
    UstawKontekstPomocy(this, KontekstPomocy);
    lile_->setObjectName(QStringLiteral("lile"));
    DE1_->setObjectName(QStringLiteral("DE1"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));
    btnZeruj_->setObjectName(QStringLiteral("btnZeruj"));
    btnWylosuj_->setObjectName(QStringLiteral("btnWylosuj"));
    btnKolekcja_->setObjectName(QStringLiteral("btnKolekcja"));

    lile_->setFrameShape(QFrame::Panel);
    lile_->setFrameShadow(QFrame::Sunken);
    lile_->setAlignment(Qt::AlignCenter);
    lile_->setMinimumWidth(2 * SzerokoscPrzycisku);
    DE1_->setCalendarPopup(true);
    DE1_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DE1_->hide();
    siatka_->setSpacing(1);
    // A pressed button is navy with yellow text, like the selection in the program's grids.
    setStyleSheet(QLatin1String(StylWcisnietego));

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(lile_);
    przyciski->addWidget(DE1_);
    przyciski->addStretch();
    for (QPushButton* p : {btnZeruj_, btnWylosuj_, btnKolekcja_, btnOK_, btnAnuluj_})
        przyciski->addWidget(p);
    btnOK_->setDefault(true);
    btnOK_->setEnabled(false);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(siatka_);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnZeruj_, &QPushButton::clicked, this, &TfrmNumery::Zeruj);
    connect(btnWylosuj_, &QPushButton::clicked, this, &TfrmNumery::Wylosuj);
    connect(btnKolekcja_, &QPushButton::clicked, this, &TfrmNumery::Kolekcja);
}

void TfrmNumery::Zbuduj(int ileLiczb)
{
    // More numbers than ten rows hold get no buttons at all.
    const int ile = ileLiczb >= 1 && ileLiczb <= MaxLiczb ? ileLiczb : 0;
    if (ile == ileLiczb_ && static_cast<int>(przyciski_.size()) == ile)
        return;
    qDeleteAll(przyciski_);
    przyciski_.clear();
    ileLiczb_ = ile;
    for (int liczba = 1; liczba <= ile; ++liczba) {
        auto* przycisk = new QToolButton(this);
        przycisk->setObjectName(QStringLiteral("Liczba%1").arg(liczba));
        przycisk->setText(QString::number(liczba));
        przycisk->setCheckable(true);
        przycisk->setFixedSize(SzerokoscPrzycisku, WysokoscPrzycisku);
        przycisk->setFocusPolicy(Qt::NoFocus);
        siatka_->addWidget(przycisk, (liczba - 1) / NaWiersz, (liczba - 1) % NaWiersz);
        connect(przycisk, &QToolButton::clicked, this, [this, liczba](bool wcisniety) { Kliknieto(liczba, wcisniety); });
        przyciski_.push_back(przycisk);
    }
}

QToolButton* TfrmNumery::Przycisk(int liczba) const
{
    if (liczba < 1 || liczba > static_cast<int>(przyciski_.size()))
        return nullptr;
    return przyciski_[static_cast<std::size_t>(liczba - 1)];
}

void TfrmNumery::Ustaw(const TInfoGryRec& info, int cel)
{
    Zbuduj(info.IleLiczb);
    cel_ = std::clamp(cel, 0, MaxLiczbSystemu);
    Zeruj();
    // A number out of the game or picked twice is skipped; the user then picks the rest.
    for (int i = 0; i < cel_; ++i)
        Wcisnij(info.Wlasne[1][static_cast<std::size_t>(i)]);
}

void TfrmNumery::UstawPodstaw(const TInfoGryRec& info)
{
    Ustaw(info, info.n);
}

void TfrmNumery::UstawTest(const TInfoGryRec& info)
{
    Ustaw(info, info.IleLosowanych);
}

bool TfrmNumery::Wcisnij(int liczba)
{
    QToolButton* przycisk = Przycisk(liczba);
    if (!przycisk || przycisk->isChecked() || static_cast<int>(wybrane_.size()) >= cel_)
        return false;
    przycisk->setChecked(true);
    wybrane_.push_back(liczba);
    Odswiez();
    return true;
}

void TfrmNumery::Kliknieto(int liczba, bool wcisniety)
{
    if (wcisniety) {
        if (static_cast<int>(wybrane_.size()) >= cel_)
            Przycisk(liczba)->setChecked(false);
        else
            wybrane_.push_back(liczba);
    } else {
        wybrane_.erase(std::remove(wybrane_.begin(), wybrane_.end(), liczba), wybrane_.end());
    }
    Odswiez();
}

void TfrmNumery::Odswiez()
{
    lile_->setText(QString::number(wybrane_.size()));
    btnOK_->setEnabled(cel_ > 0 && static_cast<int>(wybrane_.size()) == cel_);
}

void TfrmNumery::Zeruj()
{
    for (QToolButton* przycisk : przyciski_)
        przycisk->setChecked(false);
    wybrane_.clear();
    Odswiez();
}

void TfrmNumery::Wylosuj()
{
    Zeruj();
    // Distinct numbers only: a repeat is drawn again. A target beyond N takes all N.
    const int ile = std::min(cel_, ileLiczb_);
    TLosowe losowe;
    while (static_cast<int>(wybrane_.size()) < ile)
        Wcisnij(losowe.Zakres(1, ileLiczb_));
}

bool TfrmNumery::Kolekcja()
{
    const std::vector<int> zaznaczone = kolekcja_ ? kolekcja_() : std::vector<int>{};
    if (zaznaczone.empty()) {
        Komunikat(Tekst(TTekst::KolekcjaNumerowJestPusta), ObrazekOstrzezenie, PrzyciskiOK, this);
        return false;
    }
    if (Komunikat(Tekst(TTekst::ChceszPodstawicLiczbyZKolekcjiNumerow), ObrazekPytanie, PrzyciskiTakNie, this)
        == KomunikatNie)
        return false;
    Zeruj();
    // Numbers beyond the game are passed over; Wcisnij stops taking them at the target.
    for (int liczba : zaznaczone)
        Wcisnij(liczba);
    return true;
}

void TfrmNumery::SortujWybrane()
{
    std::sort(wybrane_.begin(), wybrane_.end());
}

} // namespace tarvomund
