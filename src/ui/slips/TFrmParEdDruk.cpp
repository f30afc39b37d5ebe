#include "slips/TFrmParEdDruk.h"

#include "app/KontekstPomocy.h"
#include "app/PodgladWydruku.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "model/PlikSystemu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tarvomund {

namespace {

const QColor TloSystemu(255, 255, 224); // light yellow: a system is printed
const QColor TloTestu(Qt::white);
const QColor KolorObrysu(192, 192, 192);
constexpr int WysokoscPaneluOpcji = 5 * TWstawOb::Odstep + 6;
constexpr Qt::ArrowType Kierunki[] = {Qt::UpArrow, Qt::LeftArrow, Qt::RightArrow, Qt::DownArrow};

QString Milimetry(double mm)
{
    return QString::asprintf("%6.2f mm", mm);
}

int Zaokraglij(double mm)
{
    return static_cast<int>(std::lround(std::clamp(mm, -1e6, 1e6)));
}

} // namespace

TWstawOb::TWstawOb(const TGrupaOpcji& grupa, QWidget* parent)
    : QWidget(parent), nrGrupy_(grupa.Nr), Pole_(new QCheckBox(QString::fromStdString(grupa.Nazwa), this))
{
    setFixedHeight(Odstep);
    Pole_->setChecked(grupa.Zawsze);
    auto* uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(2, 0, 2, 0);
    uklad->addWidget(Pole_, 1);
    if (grupa.IlePol >= 2) {
        Wartosc_ = new QSpinBox(this);
        Wartosc_->setRange(grupa.Pocz, grupa.Najwieksza());
        Wartosc_->setValue(grupa.Pocz);
        Wartosc_->setAlignment(Qt::AlignRight);
        uklad->addWidget(Wartosc_);
        connect(Wartosc_, &QSpinBox::valueChanged, this, &TWstawOb::Zmieniono);
    }
    connect(Pole_, &QCheckBox::toggled, this, &TWstawOb::Zmieniono);
}

TOpcjaDruku TWstawOb::Opcja() const
{
    return {nrGrupy_, Pole_->isChecked(), Wartosc_ ? Wartosc_->value() : 1};
}

TPodgladBlankietu::TPodgladBlankietu(QWidget* parent) : QWidget(parent)
{
    setFixedSize(Szerokosc, Wysokosc);
    setCursor(Qt::SizeAllCursor);
}

void TPodgladBlankietu::Ustaw(bool test, std::optional<TProstokatMm> obrys, std::vector<TEkranOb> prostokaty,
                           QString napis)
{
    test_ = test;
    obrys_ = obrys;
    prostokaty_ = std::move(prostokaty);
    napis_ = std::move(napis);
    update();
}

QRect TPodgladBlankietu::Obrys() const
{
    if (!obrys_)
        return {};
    return {Zaokraglij(obrys_->Lewy), Zaokraglij(obrys_->Gorny), Zaokraglij(obrys_->Szer), Zaokraglij(obrys_->Wys)};
}

void TPodgladBlankietu::paintEvent(QPaintEvent*)
{
    QPainter malarz(this);
    malarz.fillRect(rect(), test_ ? TloTestu : TloSystemu);
    malarz.setPen(Qt::gray);
    malarz.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!napis_.isEmpty()) {
        malarz.setPen(Qt::darkRed);
        malarz.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, napis_);
    }
    if (!obrys_)
        return;
    malarz.setPen(KolorObrysu);
    malarz.drawRect(Obrys());
    for (const TEkranOb& p : prostokaty_) {
        malarz.setPen(p.Specjalna ? Qt::red : Qt::blue);
        malarz.drawRect(QRect(QPoint(p.Lewy, p.Gorny), QPoint(p.Prawy, p.Dolny)));
    }
}

void TPodgladBlankietu::mousePressEvent(QMouseEvent* zdarzenie)
{
    if (zdarzenie->button() == Qt::LeftButton && obrys_ && Obrys().contains(zdarzenie->position().toPoint()))
        chwyt_ = zdarzenie->position().toPoint();
}

void TPodgladBlankietu::mouseMoveEvent(QMouseEvent* zdarzenie)
{
    if (!chwyt_)
        return;
    const QPoint teraz = zdarzenie->position().toPoint();
    const QPoint przesuniecie = teraz - *chwyt_;
    if (przesuniecie.isNull())
        return;
    chwyt_ = teraz;
    emit Przeciagnieto(przesuniecie.x(), przesuniecie.y());
}

void TPodgladBlankietu::mouseReleaseEvent(QMouseEvent*)
{
    chwyt_.reset();
}

void TPodgladBlankietu::mouseDoubleClickEvent(QMouseEvent*)
{
    chwyt_.reset();
    emit Wyzerowano();
}

TZrodloDruku TFrmParEdDruk::TrybSystemu(QString katalogDane, QString plikSystemu, std::optional<int32_t> kodGry)
{
    TZrodloDruku z;
    z.KatalogDane = std::move(katalogDane);
    z.PlikSystemu = std::move(plikSystemu);
    z.KodGry = kodGry;
    return z;
}

TZrodloDruku TFrmParEdDruk::TrybTestu(QString plikBlankietu)
{
    TZrodloDruku z;
    z.Test = true;
    z.PlikBlankietu = std::move(plikBlankietu);
    return z;
}

TFrmParEdDruk::TFrmParEdDruk(TZrodloDruku zrodlo, QWidget* parent)
    : QDialog(parent), zrodlo_(std::move(zrodlo)), Podglad_(new TPodgladBlankietu(this)),
      btnSrodek_(new QToolButton(this)), lblX_(new QLabel(this)), lblY_(new QLabel(this)),
      cbNazwa_(new QComboBox(this)), chkObrot_(new QCheckBox(Tekst(TTekst::ObrotBlankietu), this)),
      lblIlosc_(new QLabel(this)), spOd_(new QSpinBox(this)), spDo_(new QSpinBox(this)), panelOpcji_(new QWidget),
      ukladOpcji_(new QVBoxLayout(panelOpcji_)), btnDrukuj_(new QPushButton(Tekst(TTekst::Drukuj2), this)),
      btnStop_(new QPushButton(Tekst(TTekst::StopDruku), this)),
      btnWyjscie_(new QPushButton(Tekst(TTekst::Wyjscie), this)), btnTest_(new QPushButton(Tekst(TTekst::Test), this))
{
    setModal(true);
    setWindowTitle(Tekst(TTekst::ParametryEdytoraBlankietow));
    UstawKontekstPomocy(this, KontekstPomocy);
    ZbudujOkno();

    if (zrodlo_.Test) {
        CzytajBlankiet(zrodlo_.PlikBlankietu.toStdString());
        if (blankiet_)
            cbNazwa_->addItem(QString::fromStdString(blankiet_->Nazwa));
    } else {
        if (const auto naglowek = CzytajNaglowekSystemu(zrodlo_.PlikSystemu.toStdString()))
            zakladow_ = naglowek->Info.Zakladow;
        lista_ = ListaBlankietow(zrodlo_.KatalogDane.toStdString(), zrodlo_.KodGry);
        const QSignalBlocker blokada(cbNazwa_);
        for (const TOpisBlankietu& opis : lista_)
            cbNazwa_->addItem(QString::fromStdString(opis.Naglowek.Nazwa));
        if (!lista_.empty())
            CzytajBlankiet(lista_.front().Plik);
    }
    // In test mode there is one layout and no system: no list, no range, nothing to print but the test.
    for (QWidget* w : std::initializer_list<QWidget*>{cbNazwa_, spOd_, spDo_, btnDrukuj_})
        w->setEnabled(!zrodlo_.Test && blankiet_ != nullptr);
    btnTest_->setEnabled(blankiet_ != nullptr);
    btnStop_->setEnabled(false);
    Odswiez();
}

void TFrmParEdDruk::ZbudujOkno()
{
    Podglad_->setObjectName(QStringLiteral("Podglad"));
    cbNazwa_->setObjectName(QStringLiteral("cbNazwa"));
    chkObrot_->setObjectName(QStringLiteral("chkObrot"));
    lblIlosc_->setObjectName(QStringLiteral("lblIlosc"));
    spOd_->setObjectName(QStringLiteral("spOd"));
    spDo_->setObjectName(QStringLiteral("spDo"));
    btnDrukuj_->setObjectName(QStringLiteral("btnDrukuj"));
    btnStop_->setObjectName(QStringLiteral("btnStop"));
    btnWyjscie_->setObjectName(QStringLiteral("btnWyjscie"));
    btnTest_->setObjectName(QStringLiteral("btnTest"));

    // The arrows round the centre button; up decreases Y, right increases X.
    auto* strzalki = new QGridLayout;
    const QPoint miejsca[] = {{1, 0}, {0, 1}, {2, 1}, {1, 2}};
    for (std::size_t i = 0; i < strzalki_.size(); ++i) {
        auto* b = new QToolButton(this);
        b->setArrowType(Kierunki[i]);
        b->setAutoRepeat(true);
        strzalki->addWidget(b, miejsca[i].y(), miejsca[i].x());
        strzalki_[i] = b;
        const double dx = Kierunki[i] == Qt::LeftArrow ? -1 : Kierunki[i] == Qt::RightArrow ? 1 : 0;
        const double dy = Kierunki[i] == Qt::UpArrow ? -1 : Kierunki[i] == Qt::DownArrow ? 1 : 0;
        connect(b, &QToolButton::clicked, this, [this, dx, dy] { Przesun(dx * krok_, dy * krok_); });
    }
    btnSrodek_->setText(QStringLiteral("\u25CB"));
    btnSrodek_->setToolTip(Tekst(TTekst::PodpSrodekStrony));
    strzalki->addWidget(btnSrodek_, 1, 1);
    connect(btnSrodek_, &QToolButton::clicked, this, [this] { Przesun(-polozenie_.PrzesX, -polozenie_.PrzesY); });

    auto* kroki = new QVBoxLayout;
    const TTekst podpowiedzi[] = {TTekst::PodpSkok01, TTekst::PodpSkok1, TTekst::PodpSkok10};
    for (std::size_t i = 0; i < btnKrok_.size(); ++i) {
        auto* b = new QToolButton(this);
        b->setText(QString::number(Kroki[i]));
        b->setToolTip(Tekst(podpowiedzi[i]));
        b->setStatusTip(Tekst(podpowiedzi[i]));
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setMinimumWidth(40);
        kroki->addWidget(b);
        btnKrok_[i] = b;
        connect(b, &QToolButton::clicked, this, [this, i] { UstawKrok(Kroki[i]); });
    }
    btnKrok_[1]->setChecked(true);

    auto* pozycja = new QFormLayout;
    pozycja->addRow(Tekst(TTekst::PozycjaX), lblX_);
    pozycja->addRow(Tekst(TTekst::PozycjaY), lblY_);
    auto* sterowanie = new QHBoxLayout;
    sterowanie->addLayout(strzalki);
    sterowanie->addLayout(kroki);
    sterowanie->addLayout(pozycja);
    sterowanie->addStretch();

    cbNazwa_->setToolTip(Tekst(TTekst::PodpWybierzBlankiet));
    cbNazwa_->setStatusTip(Tekst(TTekst::PodpWybierzBlankiet));
    cbNazwa_->setMinimumWidth(200);
    chkObrot_->setToolTip(Tekst(TTekst::PodpObrotBlankietu));
    chkObrot_->setStatusTip(Tekst(TTekst::PodpObrotBlankietu));
    for (QSpinBox* sp : {spOd_, spDo_})
        sp->setAlignment(Qt::AlignRight);
    auto* blankiety = new QFormLayout;
    blankiety->addRow(Tekst(TTekst::NazwaBlankietu), cbNazwa_);
    blankiety->addRow(QString(), chkObrot_);
    blankiety->addRow(Tekst(TTekst::IloscBlankietowWSystemie), lblIlosc_);
    auto* zakres = new QHBoxLayout;
    zakres->addWidget(new QLabel(Tekst(TTekst::OdBlNr), this));
    zakres->addWidget(spOd_);
    zakres->addWidget(new QLabel(Tekst(TTekst::DoBlNr), this));
    zakres->addWidget(spDo_);
    zakres->addStretch();

    ukladOpcji_->setContentsMargins(0, 0, 0, 0);
    ukladOpcji_->setSpacing(0);
    ukladOpcji_->addStretch();
    auto* przewijanie = new QScrollArea(this);
    przewijanie->setWidget(panelOpcji_);
    przewijanie->setWidgetResizable(true);
    przewijanie->setFixedHeight(WysokoscPaneluOpcji);
    auto* opcje = new QGroupBox(Tekst(TTekst::OpcjeBlankietu), this);
    auto* ukladGrupy = new QVBoxLayout(opcje);
    ukladGrupy->addWidget(przewijanie);

    auto* przyciski = new QHBoxLayout;
    for (QPushButton* b : {btnDrukuj_, btnStop_, btnTest_, btnWyjscie_}) {
        b->setAutoDefault(false);
        przyciski->addWidget(b);
    }

    auto* prawa = new QVBoxLayout;
    prawa->addLayout(sterowanie);
    prawa->addLayout(blankiety);
    prawa->addLayout(zakres);
    prawa->addWidget(opcje, 1);
    prawa->addLayout(przyciski);
    auto* uklad = new QHBoxLayout(this);
    uklad->addWidget(Podglad_, 0, Qt::AlignTop);
    uklad->addLayout(prawa, 1);

    connect(Podglad_, &TPodgladBlankietu::Przeciagnieto, this, [this](int dx, int dy) { Przesun(dx, dy); });
    connect(Podglad_, &TPodgladBlankietu::Wyzerowano, this, [this] { Przesun(-polozenie_.PrzesX, -polozenie_.PrzesY); });
    connect(chkObrot_, &QCheckBox::toggled, this, [this](bool obrot) {
        polozenie_.Obrot = obrot;
        Odswiez();
    });
    connect(cbNazwa_, &QComboBox::currentIndexChanged, this, &TFrmParEdDruk::WybierzBlankiet);
    connect(btnDrukuj_, &QPushButton::clicked, this, &TFrmParEdDruk::Drukuj);
    connect(btnTest_, &QPushButton::clicked, this, &TFrmParEdDruk::TestDruku);
    connect(btnStop_, &QPushButton::clicked, this, [this] { stop_ = true; });
    connect(btnWyjscie_, &QPushButton::clicked, this, &QDialog::reject);
}

QToolButton* TFrmParEdDruk::Strzalka(Qt::ArrowType kierunek) const
{
    for (std::size_t i = 0; i < strzalki_.size(); ++i)
        if (Kierunki[i] == kierunek)
            return strzalki_[i];
    return nullptr;
}

std::vector<TWstawOb*> TFrmParEdDruk::WierszeOpcji() const
{
    const QList<TWstawOb*> wiersze = panelOpcji_->findChildren<TWstawOb*>(Qt::FindDirectChildrenOnly);
    return {wiersze.begin(), wiersze.end()};
}

void TFrmParEdDruk::CzytajBlankiet(const std::string& plik)
{
    blankiet_.reset();
    uklad_ = {};
    plikBlankietu_ = plik;
    TBladBlankietu blad = TBladBlankietu::Brak;
    if (auto blankiet = WczytajBlankiet(plik, &blad)) {
        blankiet_ = std::make_shared<TBlankietOb>(std::move(*blankiet));
        uklad_ = UkladDruku(*blankiet_);
        polozenie_ = {blankiet_->PrzesX, blankiet_->PrzesY, blankiet_->Obrot};
    } else {
        plikBlankietu_.clear();
        polozenie_ = {};
        Komunikat(Tekst(TTekst::BladOdczytu) + QStringLiteral("  ") + QString::fromStdString(plik), ObrazekStop,
                  PrzyciskiOK, this);
    }
    ileBlankietow_ = tarvomund::IleBlankietow(zakladow_, uklad_.ZakladowNaBlankiecie());
    {
        const QSignalBlocker blokada(chkObrot_);
        chkObrot_->setChecked(polozenie_.Obrot);
    }
    lblIlosc_->setText(QString::number(ileBlankietow_));
    for (QSpinBox* sp : {spOd_, spDo_})
        sp->setRange(0, ileBlankietow_);
    spOd_->setValue(1);
    spDo_->setValue(ileBlankietow_);
    ZbudujOpcje();
}

void TFrmParEdDruk::ZbudujOpcje()
{
    for (TWstawOb* w : WierszeOpcji())
        delete w;
    for (const TGrupaOpcji& grupa : uklad_.Opcje) {
        auto* wiersz = new TWstawOb(grupa, panelOpcji_);
        ukladOpcji_->insertWidget(ukladOpcji_->count() - 1, wiersz);
        connect(wiersz, &TWstawOb::Zmieniono, this, &TFrmParEdDruk::Odswiez);
    }
}

void TFrmParEdDruk::Odswiez()
{
    lblX_->setText(Milimetry(polozenie_.PrzesX));
    lblY_->setText(Milimetry(polozenie_.PrzesY));
    if (!blankiet_) {
        const bool brakBlankietow = !zrodlo_.Test && lista_.empty();
        Podglad_->Ustaw(zrodlo_.Test, std::nullopt, {}, brakBlankietow ? Tekst(TTekst::BrakBlankietowGry) : QString());
        return;
    }
    // Bet groups always show; a special group while its option is ticked.
    std::vector<TEkranOb> widoczne;
    const std::vector<TOpcjaDruku> opcje = Opcje();
    for (const TEkranOb& e : EkranyGrup(*blankiet_, polozenie_)) {
        const bool zaznaczona = std::any_of(opcje.begin(), opcje.end(), [&e](const TOpcjaDruku& o) {
            return o.NrGrupy == e.NrGrupy && o.Zaznaczona;
        });
        if (!e.Specjalna || zaznaczona)
            widoczne.push_back(e);
    }
    Podglad_->Ustaw(zrodlo_.Test, ObrysBlankietu(blankiet_->Szer, blankiet_->Wys, polozenie_), std::move(widoczne), {});
}

std::vector<TOpcjaDruku> TFrmParEdDruk::Opcje() const
{
    std::vector<TOpcjaDruku> opcje;
    for (const TWstawOb* w : WierszeOpcji())
        opcje.push_back(w->Opcja());
    return opcje;
}

void TFrmParEdDruk::Przesun(double dx, double dy)
{
    polozenie_.PrzesX += dx;
    polozenie_.PrzesY += dy;
    Odswiez();
}

void TFrmParEdDruk::UstawKrok(double krok)
{
    krok_ = krok;
    for (std::size_t i = 0; i < btnKrok_.size(); ++i)
        if (Kroki[i] == krok)
            btnKrok_[i]->setChecked(true);
}

void TFrmParEdDruk::ZapiszPolozenie()
{
    if (plikBlankietu_.empty())
        return;
    TZmianaNaglowka zmiana;
    zmiana.PrzesX = polozenie_.PrzesX;
    zmiana.PrzesY = polozenie_.PrzesY;
    zmiana.Obrot = polozenie_.Obrot;
    // A slip file that cannot be rewritten keeps its old place; printing does not depend on it.
    PrzepiszNaglowekBlankietu(plikBlankietu_, zmiana);
}

void TFrmParEdDruk::WybierzBlankiet(int indeks)
{
    if (zrodlo_.Test || indeks < 0 || indeks >= static_cast<int>(lista_.size()))
        return;
    ZapiszPolozenie();
    CzytajBlankiet(lista_[static_cast<std::size_t>(indeks)].Plik);
    if (cbNazwa_->currentIndex() != indeks) {
        const QSignalBlocker blokada(cbNazwa_);
        cbNazwa_->setCurrentIndex(indeks);
    }
    btnDrukuj_->setEnabled(blankiet_ != nullptr);
    btnTest_->setEnabled(blankiet_ != nullptr);
    Odswiez();
}

TWydrukBlankietow TFrmParEdDruk::WydrukSystemu() const
{
    TWydrukBlankietow w;
    w.Blankiet = blankiet_;
    w.PlikSystemu = zrodlo_.PlikSystemu.toStdString();
    w.Opcje = Opcje();
    w.Od = spOd_->value();
    w.Do = spDo_->value();
    w.Polozenie = polozenie_;
    return w;
}

TWydrukBlankietow TFrmParEdDruk::WydrukTestu() const
{
    TWydrukBlankietow w;
    w.Blankiet = blankiet_;
    w.Polozenie = polozenie_;
    return w;
}

bool TFrmParEdDruk::SprawdzDruk()
{
    const TWydrukBlankietow w = WydrukSystemu();
    TDrukBlankietow druk(*blankiet_, w.PlikSystemu, w.Opcje, w.Od, w.Do);
    switch (druk.Blad()) {
    case TBladDrukuBlankietow::BrakSystemu:
        Komunikat(Tekst(TTekst::BladOdczytu) + QStringLiteral("  ") + zrodlo_.PlikSystemu, ObrazekStop, PrzyciskiOK,
                  this);
        return false;
    case TBladDrukuBlankietow::BrakGrupZakladow:
        Komunikat(Tekst(TTekst::BrakGrupZakladowNaBlankiecie), ObrazekStop, PrzyciskiOK, this);
        return false;
    case TBladDrukuBlankietow::ZaMaloPol:
        Komunikat(Tekst(TTekst::IloscLiczbWJednymZakladzieSystemuJestWieksza), ObrazekStop, PrzyciskiOK, this);
        return false;
    case TBladDrukuBlankietow::Brak:
        break;
    }
    return druk.Zakres().Ile() > 0;
}

void TFrmParEdDruk::Drukuj()
{
    if (!blankiet_ || zrodlo_.Test)
        return;
    if (Komunikat(Tekst(TTekst::DrukowanieBlankietowWlaczDrukarkeIPotwierdzZamiarDrukowania), ObrazekOstrzezenie,
                  PrzyciskiTakNie, this) != KomunikatTak)
        return;
    if (!SprawdzDruk())
        return;
    stop_ = false;
    btnStop_->setEnabled(true);
    // Between slips the dialog stays responsive, and Stop ends the printout before the next one.
    DrukujZPodgladem(this, WydrukSystemu(), windowTitle(), [this](int) {
        QCoreApplication::processEvents();
        return !stop_;
    });
    btnStop_->setEnabled(false);
}

void TFrmParEdDruk::TestDruku()
{
    if (!blankiet_)
        return;
    if (Komunikat(Tekst(TTekst::TestDrukowaniaBlankietuWlaczDrukarkeIPotwierdzZamiar), ObrazekOstrzezenie,
                  PrzyciskiTakNie, this) != KomunikatTak)
        return;
    DrukujZPodgladem(this, WydrukTestu(), windowTitle());
}

void TFrmParEdDruk::done(int wynik)
{
    ZapiszPolozenie();
    QDialog::done(wynik);
}

} // namespace tarvomund
