#include "stats/TfrmDrukWykres.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "stats/WydrukStatystyki.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

namespace {

// An A4 page in tenths of a millimetre, and the notice line's height on it.
constexpr int DluzszyBokStrony = 2970;
constexpr int KrotszyBokStrony = 2100;
constexpr int WysokoscNotki = 25;
const QString NazwyGrubosci[] = {QStringLiteral("IIII"), QStringLiteral("III"), QStringLiteral("II"),
                                 QStringLiteral("I")};

QGroupBox* Grupa(QWidget* rodzic, const QString& tytul, QButtonGroup* przyciski, const QStringList& pozycje,
                 int kolumn = 1)
{
    auto* ramka = new QGroupBox(tytul, rodzic);
    auto* uklad = new QGridLayout(ramka);
    for (int i = 0; i < pozycje.size(); ++i) {
        auto* pozycja = new QRadioButton(pozycje[i], ramka);
        przyciski->addButton(pozycja, i);
        uklad->addWidget(pozycja, i / kolumn, i % kolumn);
    }
    return ramka;
}

void Zaznacz(QButtonGroup* grupa, int id)
{
    if (QAbstractButton* przycisk = grupa->button(id))
        przycisk->setChecked(true);
    else if (QAbstractButton* pierwszy = grupa->button(0))
        pierwszy->setChecked(true);
}

} // namespace

TfrmDrukWykres::TfrmDrukWykres(const TWybor& wybor, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Parametry drukowania wykresów"));
    UstawKontekstPomocy(this, KontekstPomocy);
    umiejscowienie_ = new QButtonGroup(this);
    orientacja_ = new QButtonGroup(this);
    grubosc_ = new QButtonGroup(this);
    tryb_ = new QButtonGroup(this);

    QStringList miejsca;
    for (int i = 0; i < IleUmiejscowien; ++i)
        miejsca << Tekst(TTekst::DuzyWykresNaSrodkuKartki, i);
    ramkaUmiejscowienia_ = Grupa(this, Tekst(TTekst::UmiejscowienieWydruku), umiejscowienie_, miejsca);
    ramkaOrientacji_ = Grupa(this, Tekst(TTekst::OrientacjaWydruku), orientacja_,
                             {Tekst(TTekst::Poziomo), Tekst(TTekst::Pionowo)});
    ramkaGrubosci_ = Grupa(this, Tekst(TTekst::GruboscLinii), grubosc_,
                           {NazwyGrubosci[0], NazwyGrubosci[1], NazwyGrubosci[2], NazwyGrubosci[3]}, 4);
    auto* ramkaTrybu = Grupa(this, QString(), tryb_,
                             {Tekst(TTekst::DrukowanieWykresu), Tekst(TTekst::DrukowanieTabelki)}, 2);
    podglad_ = new TPodgladStrony(this);

    btnDrukuj_ = new QPushButton(Tekst(TTekst::Drukuj), this);
    btnDrukuj_->setObjectName(QStringLiteral("btnDrukuj"));
    btnDrukuj_->setDefault(true);
    btnAnuluj_ = new QPushButton(Tekst(TTekst::Anuluj), this);
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));

    auto* prawa = new QVBoxLayout;
    prawa->addWidget(ramkaOrientacji_);
    prawa->addWidget(podglad_, 1);
    auto* srodek = new QHBoxLayout;
    srodek->addWidget(ramkaUmiejscowienia_);
    srodek->addLayout(prawa);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnDrukuj_);
    przyciski->addWidget(btnAnuluj_);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(ramkaTrybu);
    uklad->addLayout(srodek);
    uklad->addWidget(ramkaGrubosci_);
    uklad->addStretch();
    uklad->addLayout(przyciski);

    Zaznacz(umiejscowienie_, wybor[Umiejscowienie]);
    Zaznacz(orientacja_, wybor[Orientacja]);
    Zaznacz(grubosc_, wybor[Grubosc]);
    Zaznacz(tryb_, wybor[Tryb]);
    for (QButtonGroup* grupa : {umiejscowienie_, orientacja_, tryb_})
        connect(grupa, &QButtonGroup::idClicked, this, &TfrmDrukWykres::Odswiez);
    connect(btnDrukuj_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
    Odswiez();
}

TfrmDrukWykres::TWybor TfrmDrukWykres::Wybor() const
{
    return {umiejscowienie_->checkedId(), orientacja_->checkedId(), grubosc_->checkedId(),
            tryb_->checkedId()};
}

void TfrmDrukWykres::Odswiez()
{
    // The table is printed as it comes: placement, orientation, thickness and preview do not apply.
    const bool wykres = tryb_->checkedId() == 0;
    for (QWidget* w :
         std::initializer_list<QWidget*>{ramkaUmiejscowienia_, ramkaOrientacji_, ramkaGrubosci_, podglad_})
        w->setVisible(wykres);
    podglad_->Ustaw(umiejscowienie_->checkedId(), orientacja_->checkedId() == 0);
}

TPodgladStrony::TPodgladStrony(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(150, 150);
}

void TPodgladStrony::Ustaw(int umiejscowienie, bool poziomo)
{
    umiejscowienie_ = umiejscowienie;
    poziomo_ = poziomo;
    update();
}

QRect TPodgladStrony::Strona() const
{
    const double W = poziomo_ ? DluzszyBokStrony : KrotszyBokStrony;
    const double H = poziomo_ ? KrotszyBokStrony : DluzszyBokStrony;
    const double skala = std::min((width() - 10) / W, (height() - 10) / H);
    const QSize rozmiar(static_cast<int>(W * skala), static_cast<int>(H * skala));
    return QRect(QPoint((width() - rozmiar.width()) / 2, (height() - rozmiar.height()) / 2), rozmiar);
}

QRect TPodgladStrony::Wykres() const
{
    const QRect strona = Strona();
    const int W = poziomo_ ? DluzszyBokStrony : KrotszyBokStrony;
    const int H = poziomo_ ? KrotszyBokStrony : DluzszyBokStrony;
    const QRect naStronie = ProstokatWykresuNaStronie(umiejscowienie_, W, H, WysokoscNotki);
    const double skala = static_cast<double>(strona.width()) / W;
    return QRect(strona.left() + static_cast<int>(naStronie.left() * skala),
                 strona.top() + static_cast<int>(naStronie.top() * skala),
                 static_cast<int>(naStronie.width() * skala), static_cast<int>(naStronie.height() * skala));
}

void TPodgladStrony::paintEvent(QPaintEvent*)
{
    QPainter malarz(this);
    const QRect strona = Strona();
    malarz.fillRect(strona.translated(3, 3), QColor(128, 128, 128));
    malarz.fillRect(strona, Qt::white);
    malarz.setPen(Qt::black);
    malarz.drawRect(strona);
    const QRect wykres = Wykres();
    malarz.fillRect(wykres, QColor(206, 222, 240));
    malarz.setPen(QColor(0, 0, 128));
    malarz.drawRect(wykres);
    // A hint of a chart line, so the rectangle reads as a chart.
    malarz.setPen(QPen(QColor(255, 0, 0), 1));
    const int krok = std::max(1, wykres.width() / 6);
    QPolygon linia;
    for (int i = 0; i <= 6; ++i)
        linia << QPoint(wykres.left() + i * krok,
                        wykres.center().y() + ((i % 2) ? -1 : 1) * wykres.height() / 5);
    malarz.setClipRect(wykres);
    malarz.drawPolyline(linia);
}

} // namespace tarvomund
