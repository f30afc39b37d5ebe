#include "slips/TfrmDrukSys.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

namespace {

constexpr int SzerokoscSzkicu = 84;
constexpr int WysokoscSzkicu = 118;
constexpr int LiniiSzkicu = 14;

// A small A4 page with the chosen count of columns drawn as lines of text.
class TSzkicStrony : public QWidget {
public:
    explicit TSzkicStrony(const QButtonGroup* kolumny, QWidget* parent) : QWidget(parent), kolumny_(kolumny)
    {
        setFixedSize(SzerokoscSzkicu, WysokoscSzkicu);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter malarz(this);
        const QRect strona = rect().adjusted(0, 0, -1, -1);
        malarz.fillRect(strona, Qt::white);
        malarz.setPen(Qt::black);
        malarz.drawRect(strona);
        const int kolumn = std::max(1, kolumny_->checkedId());
        const TGeometriaListy g = GeometriaListy(width(), height(), kolumn);
        malarz.setPen(QPen(Qt::darkBlue, 1));
        const int krok = std::max(1, (g.Dol - 2 * g.Margines) / LiniiSzkicu);
        for (int k = 0; k < kolumn; ++k)
            for (int i = 0; i < LiniiSzkicu; ++i) {
                const int y = 2 * g.Margines + i * krok;
                malarz.drawLine(g.LewyKolumny(k), y, g.LewyKolumny(k) + g.Kolumna, y);
            }
        // The title across the top.
        malarz.setPen(QPen(Qt::black, 2));
        malarz.drawLine(width() / 3, g.Margines, 2 * width() / 3, g.Margines);
    }

private:
    const QButtonGroup* kolumny_;
};

} // namespace

TfrmDrukSys::TfrmDrukSys(const TInfoGryRec& info, QWidget* parent)
    : QDialog(parent), kolumny_(new QButtonGroup(this)), lblIlosc_(new QLabel(QString::number(info.Zakladow), this)),
      spOd_(new QSpinBox(this)), spDo_(new QSpinBox(this)),
      cbWlasne_(new QCheckBox(Tekst(TTekst::TwojeLiczbyPodstawioneDoSystemu), this)),
      btnDrukuj_(new QPushButton(Tekst(TTekst::Drukuj), this)), btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setModal(true);
    setWindowTitle(Tekst(TTekst::DrukowanieSystemow));
    UstawKontekstPomocy(this, KontekstPomocy);

    auto* ramka = new QGroupBox(this);
    ramka->setToolTip(Tekst(TTekst::PodpKolumnyWydruku));
    ramka->setStatusTip(Tekst(TTekst::PodpKolumnyWydruku));
    auto* ukladKolumn = new QVBoxLayout(ramka);
    const TTekst napisy[] = {TTekst::N1Kolumna, TTekst::N2Kolumny, TTekst::N3Kolumny};
    for (int i = 0; i < MaxKolumnListy; ++i) {
        auto* rb = new QRadioButton(Tekst(napisy[i]), ramka);
        rb->setObjectName(QStringLiteral("rbKolumny%1").arg(i + 1));
        kolumny_->addButton(rb, i + 1);
        ukladKolumn->addWidget(rb);
        rb_[static_cast<std::size_t>(i)] = rb;
    }
    rb_.back()->setChecked(true);
    szkic_ = new TSzkicStrony(kolumny_, this);
    szkic_->setObjectName(QStringLiteral("Szkic"));
    connect(kolumny_, &QButtonGroup::idToggled, szkic_, qOverload<>(&QWidget::update));

    lblIlosc_->setObjectName(QStringLiteral("lblIlosc"));
    spOd_->setObjectName(QStringLiteral("spOd"));
    spDo_->setObjectName(QStringLiteral("spDo"));
    cbWlasne_->setObjectName(QStringLiteral("cbWlasne"));
    btnDrukuj_->setObjectName(QStringLiteral("btnDrukuj"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));

    const int zakladow = std::max(info.Zakladow, 1);
    for (QSpinBox* sp : {spOd_, spDo_}) {
        sp->setRange(1, zakladow);
        sp->setAlignment(Qt::AlignRight);
    }
    spOd_->setValue(1);
    spDo_->setValue(zakladow);
    cbWlasne_->setChecked(true);
    cbWlasne_->setToolTip(Tekst(TTekst::PodpTwojeLiczbyNaWydruku));
    cbWlasne_->setStatusTip(Tekst(TTekst::PodpTwojeLiczbyNaWydruku));
    // A pool system prints signs: there are no own numbers to put in.
    cbWlasne_->setEnabled(info.KodGry != KodSystemuPilkarskiego);
    // Nothing to print from a system without bets.
    btnDrukuj_->setEnabled(info.Zakladow > 0);

    auto* gora = new QHBoxLayout;
    gora->addWidget(ramka);
    gora->addWidget(szkic_);
    auto* zakres = new QFormLayout;
    zakres->addRow(Tekst(TTekst::IloscZakladow), lblIlosc_);
    zakres->addRow(Tekst(TTekst::OdZakladu), spOd_);
    zakres->addRow(Tekst(TTekst::DoZakladu), spDo_);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnDrukuj_);
    przyciski->addWidget(btnAnuluj_);
    btnDrukuj_->setDefault(true);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addLayout(zakres);
    uklad->addWidget(cbWlasne_);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnDrukuj_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
}

int TfrmDrukSys::Kolumn() const
{
    return std::max(kolumny_->checkedId(), MinKolumnListy);
}

TOpcjeListy TfrmDrukSys::Opcje() const
{
    TOpcjeListy opcje;
    opcje.Kolumn = Kolumn();
    opcje.Od = spOd_->value();
    opcje.Do = spDo_->value();
    opcje.WlasneLiczby = cbWlasne_->isChecked();
    return opcje;
}

} // namespace tarvomund
