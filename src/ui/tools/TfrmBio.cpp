#include "tools/TfrmBio.h"

#include "app/DatyQt.h"
#include "app/PodgladWydruku.h"
#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "model/Daty.h"
#include "tools/MalowanieBiorytmu.h"

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

namespace {

constexpr TTekst NazwyRytmow[IleRytmow] = {TTekst::RytmFizyczny, TTekst::RytmPsychiczny,
                                           TTekst::RytmIntelektualny, TTekst::RytmIntuicyjny};
constexpr const char* FormatDaty = "dd.MM.yyyy";
const QDate PoczatkowaDataUr(1999, 1, 1);

QDateEdit* PoleDaty(const QDate& data, QWidget* rodzic)
{
    auto* pole = new QDateEdit(data, rodzic);
    pole->setDisplayFormat(QLatin1String(FormatDaty));
    pole->setCalendarPopup(true);
    return pole;
}

} // namespace

TfrmBio::TfrmBio(QWidget* parent)
    : QWidget(parent), obraz_(SzerokoscWykresuBio, WysokoscWykresuBio, QImage::Format_RGB32)
{
    setWindowTitle(Tekst(TTekst::Biorytmy));
    UstawKontekstPomocy(this, KontekstPomocy);
    obraz_.fill(palette().color(QPalette::Window));

    DataUr_ = PoleDaty(PoczatkowaDataUr, this);
    DataUr_->setObjectName(QStringLiteral("DataUr"));
    DataBio_ = PoleDaty(QDate::currentDate(), this);
    DataBio_->setObjectName(QStringLiteral("DataBio"));
    auto* daty = new QHBoxLayout;
    auto* etykietaUr = new QLabel(Tekst(TTekst::DataUrodzenia), this);
    etykietaUr->setBuddy(DataUr_);
    auto* etykietaBio = new QLabel(Tekst(TTekst::DataBiorytmu), this);
    etykietaBio->setBuddy(DataBio_);
    daty->addWidget(etykietaUr);
    daty->addWidget(DataUr_);
    daty->addSpacing(16);
    daty->addWidget(etykietaBio);
    daty->addWidget(DataBio_);
    daty->addStretch();

    // Each check box is the legend of its curve: its text in the curve's colour.
    auto* rytmy = new QGridLayout;
    for (int r = 0; r < IleRytmow; ++r) {
        auto* cb = new QCheckBox(Tekst(NazwyRytmow[r]), this);
        cb->setObjectName(QStringLiteral("cb%1").arg(r + 1));
        cb->setChecked(true);
        const TKolorRGB& kolor = Rytmy[static_cast<std::size_t>(r)].Kolor;
        QPalette paleta = cb->palette();
        paleta.setColor(QPalette::WindowText, QColor(kolor.R, kolor.G, kolor.B));
        cb->setPalette(paleta);
        rytmy->addWidget(cb, r / 2, r % 2);
        cb_[static_cast<std::size_t>(r)] = cb;
        connect(cb, &QCheckBox::toggled, this, &TfrmBio::Odswiez);
    }

    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setFixedSize(SzerokoscWykresuBio, WysokoscWykresuBio);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(daty);
    uklad->addLayout(rytmy);
    uklad->addWidget(Image1_);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(DataUr_, &QDateEdit::dateChanged, this, &TfrmBio::Odswiez);
    connect(DataBio_, &QDateEdit::dateChanged, this, &TfrmBio::Odswiez);
    Odswiez();
    Image1_->setPixmap(QPixmap::fromImage(obraz_));
}

void TfrmBio::Odswiez()
{
    const std::optional<TBiorytm> biorytm =
        ObliczBiorytm(DniZDatyQt(DataUr_->date()), DniZDatyQt(DataBio_->date()));
    if (!biorytm)
        return;
    std::array<bool, IleRytmow> widoczne{};
    for (int r = 0; r < IleRytmow; ++r) {
        const auto i = static_cast<std::size_t>(r);
        widoczne[i] = cb_[i]->isChecked();
        const QString znak = QString::fromStdString(ZnakDniaCyklu(biorytm->DzienCyklu[i], Rytmy[i].Okres));
        cb_[i]->setText(znak + QLatin1Char(' ') + Tekst(NazwyRytmow[r]));
    }
    plan_ = PlanBiorytmu(*biorytm, widoczne);
    QPainter malarz(&obraz_);
    MalujBiorytm(malarz, obraz_.rect(), *plan_);
    malarz.end();
    Image1_->setPixmap(QPixmap::fromImage(obraz_));
}

QStringList TfrmBio::WierszeWydruku() const
{
    QStringList wiersze{Tekst(TTekst::Biorytmy), QString()};
    const auto tekstDaty = [](const QDateEdit* pole) { return pole->date().toString(QLatin1String(FormatDaty)); };
    wiersze << Tekst(TTekst::DataUrodzenia) + QStringLiteral(": ") + tekstDaty(DataUr_);
    wiersze << Tekst(TTekst::DataBiorytmu) + QStringLiteral(": ") + tekstDaty(DataBio_);
    for (const QCheckBox* cb : cb_)
        if (cb->isChecked())
            wiersze << cb->text();
    return wiersze;
}

void TfrmBio::MalujStrone(QPainter& malarz, const QRect& strona) const
{
    if (plan_)
        MalujStroneBiorytmu(malarz, strona, WierszeWydruku(), *plan_);
}

std::optional<TWydrukBiorytmu> TfrmBio::Wydruk() const
{
    if (!plan_)
        return std::nullopt;
    return TWydrukBiorytmu{WierszeWydruku(), font(), *plan_};
}

int TfrmBio::DrukujNa(QPagedPaintDevice& urzadzenie) const
{
    const auto wydruk = Wydruk();
    return wydruk ? tarvomund::Drukuj(urzadzenie, *wydruk).Stron : 0;
}

void TfrmBio::Drukuj()
{
    if (const auto wydruk = Wydruk())
        DrukujZPodgladem(this, *wydruk, Tekst(TTekst::Biorytmy));
}

} // namespace tarvomund
