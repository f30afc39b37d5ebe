#include "slips/TfrmParGr.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "slips/TfrmNowaGr.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvomund {

namespace {

constexpr double NajwiekszyWymiar = 1000.0;
constexpr int BokIkony = 24;

QDoubleSpinBox* PoleMm(QWidget* rodzic, const char* nazwa, double minimum = 0)
{
    auto* pole = new QDoubleSpinBox(rodzic);
    pole->setObjectName(QLatin1String(nazwa));
    pole->setRange(minimum, NajwiekszyWymiar);
    pole->setDecimals(2);
    pole->setSingleStep(0.1);
    pole->setAlignment(Qt::AlignRight);
    return pole;
}

} // namespace

QIcon IkonaRodzajuPola(uint8_t rodzaj)
{
    QPixmap obraz(BokIkony, BokIkony);
    obraz.fill(Qt::transparent);
    QPainter malarz(&obraz);
    malarz.setRenderHint(QPainter::Antialiasing);
    const QRect pole(3, 3, BokIkony - 6, BokIkony - 6);
    malarz.setPen(QPen(Qt::blue, 1));
    malarz.setBrush(Qt::white);
    malarz.drawRect(pole);
    malarz.setPen(Qt::NoPen);
    malarz.setBrush(Qt::black);
    switch (rodzaj) {
    case RodzajBelkaPozioma:
        malarz.drawRect(QRect(6, 10, 12, 4));
        break;
    case RodzajBelkaPionowa:
        malarz.drawRect(QRect(10, 6, 4, 12));
        break;
    case RodzajKrzyzyk:
        malarz.setPen(QPen(Qt::black, 2));
        malarz.drawLine(7, 7, 17, 17);
        malarz.drawLine(17, 7, 7, 17);
        break;
    case RodzajElipsa:
        malarz.drawEllipse(QRect(7, 7, 10, 10));
        break;
    case RodzajTekstPoziomy:
    case RodzajTekstPionowy: {
        QFont czcionka = malarz.font();
        czcionka.setPixelSize(10);
        czcionka.setBold(true);
        malarz.setFont(czcionka);
        malarz.setPen(Qt::magenta);
        if (rodzaj == RodzajTekstPionowy) {
            malarz.translate(BokIkony / 2.0, BokIkony / 2.0);
            malarz.rotate(-90);
            malarz.translate(-BokIkony / 2.0, -BokIkony / 2.0);
        }
        malarz.drawText(pole, Qt::AlignCenter, QStringLiteral("Ab"));
        break;
    }
    default:
        // The arrow tool.
        malarz.setBrush(Qt::black);
        malarz.drawPolygon(QPolygon({{8, 5}, {8, 19}, {11, 16}, {14, 21}, {16, 20}, {13, 15}, {17, 15}}));
        break;
    }
    return QIcon(obraz);
}

TfrmParGr::TfrmParGr(TBlankietOb& blankiet, const std::vector<TEdPolePom>& zaznaczenie, QWidget* parent)
    : QDialog(parent), blankiet_(blankiet), edSzerPola_(PoleMm(this, "edSzerPola")),
      edWysPola_(PoleMm(this, "edWysPola")), edSzerZaz_(PoleMm(this, "edSzerZaz")),
      edWysZaz_(PoleMm(this, "edWysZaz")), edGrubosc_(PoleMm(this, "edGrubosc")),
      edPozX_(PoleMm(this, "edPozX", -NajwiekszyWymiar)), edPozY_(PoleMm(this, "edPozY", -NajwiekszyWymiar)),
      cbGrupa_(new QComboBox(this)), btnNowaGrupa_(new QToolButton(this)),
      rbZakladu_(new QRadioButton(Tekst(TTekst::GrupaSkupiajacaJedenZaklad), this)),
      rbSpecjalna_(new QRadioButton(Tekst(TTekst::GrupaSpecjalna), this)),
      chkZawsze_(new QCheckBox(Tekst(TTekst::PoleZawszeWypelnione), this)), edNrPola_(new QSpinBox(this)),
      edPocz_(new QSpinBox(this)), rodzaje_(new QButtonGroup(this)), btnOK_(new QPushButton(Tekst(TTekst::OK), this)),
      btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setModal(true);
    setWindowTitle(Tekst(TTekst::ParametryPola));
    UstawKontekstPomocy(this, KontekstPomocy);
    cbGrupa_->setObjectName(QStringLiteral("cbGrupa"));
    btnNowaGrupa_->setObjectName(QStringLiteral("btnNowaGrupa"));
    rbZakladu_->setObjectName(QStringLiteral("rbZakladu"));
    rbSpecjalna_->setObjectName(QStringLiteral("rbSpecjalna"));
    chkZawsze_->setObjectName(QStringLiteral("chkZawsze"));
    edNrPola_->setObjectName(QStringLiteral("edNrPola"));
    edPocz_->setObjectName(QStringLiteral("edPocz"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));
    for (QSpinBox* sp : {edNrPola_, edPocz_}) {
        sp->setRange(0, 255);
        sp->setAlignment(Qt::AlignRight);
    }
    edPocz_->setValue(1);
    btnNowaGrupa_->setText(QStringLiteral("+"));
    btnNowaGrupa_->setToolTip(Tekst(TTekst::PodpDodajGrupe));
    cbGrupa_->setMinimumWidth(200);

    const TTekst podpowiedzi[] = {TTekst::PodpPoleBelkaPozioma, TTekst::PodpPoleBelkaPionowa, TTekst::PodpPoleKrzyzyk,
                                  TTekst::PodpPoleElipsa,       TTekst::PodpPoleTekstPoziomy, TTekst::PodpPoleTekstPionowy};
    auto* ukladRodzajow = new QHBoxLayout;
    for (uint8_t r = MinRodzajPola; r <= MaxRodzajPola; ++r) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("btnRodzaj%1").arg(r));
        b->setCheckable(true);
        b->setIcon(IkonaRodzajuPola(r));
        b->setIconSize(QSize(BokIkony, BokIkony));
        b->setToolTip(Tekst(podpowiedzi[r - MinRodzajPola]));
        rodzaje_->addButton(b, r);
        ukladRodzajow->addWidget(b);
        btnRodzaj_[r - MinRodzajPola] = b;
    }
    ukladRodzajow->addStretch();

    // Filled from the first selected field.
    if (!zaznaczenie.empty()) {
        const TEdPole& p = *zaznaczenie.front().Pole;
        edSzerPola_->setValue(p.SzerPola);
        edWysPola_->setValue(p.WysPola);
        edSzerZaz_->setValue(p.SzerZaz);
        edWysZaz_->setValue(p.WysZaz);
        edGrubosc_->setValue(p.Grubosc);
        edPozX_->setValue(p.PozX);
        edPozY_->setValue(p.PozY);
        edNrPola_->setValue(p.NrPola);
        WypelnijListeGrup(p.NrGrupy);
    } else {
        WypelnijListeGrup(std::nullopt);
    }
    const bool jedno = zaznaczenie.size() == 1;
    for (QWidget* w : std::initializer_list<QWidget*>{edPozX_, edPozY_, edNrPola_})
        w->setEnabled(jedno);
    if (jedno)
        if (QAbstractButton* b = rodzaje_->button(zaznaczenie.front().Pole->Rodzaj))
            b->setChecked(true);
    edGrubosc_->setEnabled(rodzaje_->checkedId() == RodzajKrzyzyk);
    PokazGrupe();

    auto* wymiary = new QFormLayout;
    wymiary->addRow(Tekst(TTekst::SzerokoscPolaMm), edSzerPola_);
    wymiary->addRow(Tekst(TTekst::WysokoscPolaMm), edWysPola_);
    wymiary->addRow(Tekst(TTekst::SzerokoscZaznaczeniaMm), edSzerZaz_);
    wymiary->addRow(Tekst(TTekst::WysokoscZaznaczeniaMm), edWysZaz_);
    wymiary->addRow(Tekst(TTekst::GruboscKresekKrzyzykaMm), edGrubosc_);
    wymiary->addRow(Tekst(TTekst::PozycjaXNaBlankiecieMm), edPozX_);
    wymiary->addRow(Tekst(TTekst::PozycjaYNaBlankiecieMm), edPozY_);
    auto* wyborGrupy = new QHBoxLayout;
    wyborGrupy->addWidget(cbGrupa_, 1);
    wyborGrupy->addWidget(btnNowaGrupa_);
    auto* grupa = new QGroupBox(Tekst(TTekst::GrupaDwukropek), this);
    auto* ukladGrupy = new QFormLayout(grupa);
    ukladGrupy->addRow(wyborGrupy);
    ukladGrupy->addRow(rbZakladu_);
    ukladGrupy->addRow(rbSpecjalna_);
    ukladGrupy->addRow(chkZawsze_);
    ukladGrupy->addRow(Tekst(TTekst::NumerPolaWGrupie), edNrPola_);
    ukladGrupy->addRow(Tekst(TTekst::PoczatekOdliczaniaWGrupie), edPocz_);
    auto* rodzaj = new QGroupBox(Tekst(TTekst::RodzajPolaIZaznaczenia), this);
    rodzaj->setLayout(ukladRodzajow);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);
    btnOK_->setDefault(true);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(wymiary);
    uklad->addWidget(grupa);
    uklad->addWidget(rodzaj);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(cbGrupa_, &QComboBox::currentIndexChanged, this, &TfrmParGr::PokazGrupe);
    connect(rbZakladu_, &QRadioButton::toggled, this, &TfrmParGr::ZmienGrupe);
    connect(chkZawsze_, &QCheckBox::toggled, this, &TfrmParGr::ZmienGrupe);
    connect(edPocz_, &QSpinBox::valueChanged, this, &TfrmParGr::ZmienGrupe);
    connect(rodzaje_, &QButtonGroup::idToggled, this,
            [this] { edGrubosc_->setEnabled(rodzaje_->checkedId() == RodzajKrzyzyk); });
    connect(btnNowaGrupa_, &QToolButton::clicked, this, [this] {
        TfrmNowaGr nowa(this);
        if (nowa.exec() == QDialog::Accepted)
            DodajGrupe(nowa.Nazwa());
    });
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmParGr::WypelnijListeGrup(std::optional<uint8_t> wybrana)
{
    const QSignalBlocker blokada(cbGrupa_);
    cbGrupa_->clear();
    for (const TGrupaOb& g : blankiet_.Grupy) {
        cbGrupa_->addItem(QString::fromStdString(g.Nazwa), g.Nr);
        if (wybrana && g.Nr == *wybrana)
            cbGrupa_->setCurrentIndex(cbGrupa_->count() - 1);
    }
    if (!wybrana || !blankiet_.Grupa(*wybrana))
        cbGrupa_->setCurrentIndex(-1);
}

TGrupaOb* TfrmParGr::WybranaGrupa()
{
    if (cbGrupa_->currentIndex() < 0)
        return nullptr;
    return blankiet_.Grupa(static_cast<uint8_t>(cbGrupa_->currentData().toInt()));
}

void TfrmParGr::PokazGrupe()
{
    const TGrupaOb* g = WybranaGrupa();
    const QSignalBlocker b1(rbZakladu_), b2(rbSpecjalna_), b3(chkZawsze_), b4(edPocz_);
    const bool specjalna = g && g->Specjalna;
    rbZakladu_->setChecked(!specjalna);
    rbSpecjalna_->setChecked(specjalna);
    chkZawsze_->setChecked(g && g->Zawsze);
    edPocz_->setValue(g ? g->Pocz : 1);
}

void TfrmParGr::ZmienGrupe()
{
    TGrupaOb* g = WybranaGrupa();
    if (!g)
        return;
    if (rbZakladu_->isChecked()) {
        g->Specjalna = false;
        g->Zawsze = false;
        g->Pocz = 1;
    } else {
        g->Specjalna = true;
        g->Zawsze = chkZawsze_->isChecked();
        g->Pocz = static_cast<uint8_t>(edPocz_->value());
    }
    zmienionoGrupy_ = true;
}

void TfrmParGr::DodajGrupe(const QString& nazwa)
{
    const std::string tekst = nazwa.left(static_cast<qsizetype>(DlugoscNazwyGrupy)).toStdString();
    for (const TGrupaOb& g : blankiet_.Grupy)
        if (g.Nazwa == tekst) {
            cbGrupa_->setCurrentIndex(cbGrupa_->findData(g.Nr));
            return;
        }
    const TGrupaOb* nowa = blankiet_.DodajGrupe(tekst, rbSpecjalna_->isChecked(), false,
                                                 static_cast<uint8_t>(edPocz_->value()));
    if (!nowa) {
        Komunikat(Tekst(TTekst::BlankietMaJuzWszystkieGrupy), ObrazekStop, PrzyciskiOK, this);
        return;
    }
    zmienionoGrupy_ = true;
    WypelnijListeGrup(nowa->Nr);
    PokazGrupe();
}

TParametryPola TfrmParGr::Parametry() const
{
    TParametryPola p;
    p.SzerPola = edSzerPola_->value();
    p.WysPola = edWysPola_->value();
    p.SzerZaz = edSzerZaz_->value();
    p.WysZaz = edWysZaz_->value();
    p.Grubosc = edGrubosc_->value();
    p.PozX = edPozX_->value();
    p.PozY = edPozY_->value();
    p.NrPola = edNrPola_->value();
    if (!blankiet_.Grupy.empty() && cbGrupa_->currentIndex() >= 0)
        p.NrGrupy = static_cast<uint8_t>(cbGrupa_->currentData().toInt());
    if (rodzaje_->checkedId() >= MinRodzajPola)
        p.Rodzaj = static_cast<uint8_t>(rodzaje_->checkedId());
    return p;
}

} // namespace tarvomund
