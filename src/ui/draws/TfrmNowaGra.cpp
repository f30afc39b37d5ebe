#include "draws/TfrmNowaGra.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "draws/NowaGra.h"
#include "model/PlikGry.h"
#include "slips/TBlank.h"
#include "slips/TfrmDodajDr.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <iterator>

namespace tarvomund {

namespace {

constexpr int SzerokoscPolaLiczby = 70;

void UstawZakres(QSpinBox* pole, TZakresPola zakres)
{
    pole->setRange(zakres.Od, zakres.Do);
    pole->setAlignment(Qt::AlignRight);
    pole->setMinimumWidth(SzerokoscPolaLiczby);
}

} // namespace

TfrmNowaGra::TfrmNowaGra(QString katalogDane, QWidget* parent)
    : QDialog(parent), katalogDane_(std::move(katalogDane)), edNazwa_(new QLineEdit(this)),
      spMin_(new QSpinBox(this)), spMax_(new QSpinBox(this)), spNorm_(new QSpinBox(this)),
      spLiczb_(new QSpinBox(this)), lblLosowanych_(new QLabel(Tekst(TTekst::IloscLiczbLosowanych), this)),
      spLosowanych_(new QSpinBox(this)), spDodatkowych_(new QSpinBox(this)), spPoziomo_(new QSpinBox(this)),
      spPionowo_(new QSpinBox(this)), cbKierunek_(new QCheckBox(Tekst(TTekst::PoziomyKierunekLiczb), this)),
      Blank1_(new TBlank(this)), btnOK_(new QPushButton(Tekst(TTekst::OK2), this)),
      btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj2), this)),
      btnBlankiety_(new QPushButton(Tekst(TTekst::Blankiety2), this))
{
    setModal(true);
    edNazwa_->setObjectName(QStringLiteral("edNazwa"));
    spMin_->setObjectName(QStringLiteral("spMin"));
    spMax_->setObjectName(QStringLiteral("spMax"));
    spNorm_->setObjectName(QStringLiteral("spNorm"));
    spLiczb_->setObjectName(QStringLiteral("spLiczb"));
    lblLosowanych_->setObjectName(QStringLiteral("lblLosowanych"));
    spLosowanych_->setObjectName(QStringLiteral("spLosowanych"));
    spDodatkowych_->setObjectName(QStringLiteral("spDodatkowych"));
    spPoziomo_->setObjectName(QStringLiteral("spPoziomo"));
    spPionowo_->setObjectName(QStringLiteral("spPionowo"));
    cbKierunek_->setObjectName(QStringLiteral("cbKierunek"));
    Blank1_->setObjectName(QStringLiteral("Blank1"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));
    btnBlankiety_->setObjectName(QStringLiteral("btnBlankiety"));

    edNazwa_->setMaxLength(static_cast<int>(SzerokoscNazwyGry));
    for (QSpinBox* pole : {spMin_, spMax_, spNorm_})
        UstawZakres(pole, ZakresSkreslen);
    UstawZakres(spLiczb_, ZakresLiczbWGrze);
    UstawZakres(spLosowanych_, ZakresLosowanych);
    UstawZakres(spDodatkowych_, ZakresDodatkowych);
    UstawZakres(spPoziomo_, ZakresBlankietu);
    UstawZakres(spPionowo_, ZakresBlankietu);

    auto* siatka = new QGridLayout;
    siatka->setColumnStretch(1, 1);
    auto* etykietaNazwy = new QLabel(Tekst(TTekst::NazwaGry3), this);
    etykietaNazwy->setBuddy(edNazwa_);
    siatka->addWidget(etykietaNazwy, 0, 0, 1, 2);
    siatka->addWidget(edNazwa_, 1, 0, 1, 2);
    const TTekst etykiety[] = {TTekst::MinimalnaIloscSkreslen, TTekst::MaksymalnaIloscSkreslen,
                               TTekst::NormalnaIloscSkreslen,  TTekst::IloscLiczbWGrze,
                               TTekst::IloscLiczbLosowanych,   TTekst::IloscLiczbDodatkowych,
                               TTekst::PoziomoNaBlankiecie,    TTekst::PionowoNaBlankiecie};
    QSpinBox* pola[] = {spMin_, spMax_, spNorm_, spLiczb_, spLosowanych_, spDodatkowych_, spPoziomo_, spPionowo_};
    int wiersz = 2;
    for (std::size_t i = 0; i < std::size(pola); ++i, ++wiersz) {
        QLabel* etykieta = pola[i] == spLosowanych_ ? lblLosowanych_ : new QLabel(Tekst(etykiety[i]), this);
        etykieta->setBuddy(pola[i]);
        siatka->addWidget(etykieta, wiersz, 0);
        siatka->addWidget(pola[i], wiersz, 1);
    }
    siatka->addWidget(cbKierunek_, wiersz, 0, 1, 2);

    Blank1_->setFixedSize(Blank1_->sizeHint());
    auto* podglad = new QVBoxLayout;
    podglad->addWidget(Blank1_);
    podglad->addStretch();
    auto* gora = new QHBoxLayout;
    gora->addLayout(siatka, 1);
    gora->addSpacing(12);
    gora->addLayout(podglad);

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(btnBlankiety_);
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);
    btnOK_->setDefault(true);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addSpacing(6);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    for (QSpinBox* pole : {spLiczb_, spPoziomo_, spPionowo_})
        connect(pole, &QSpinBox::valueChanged, this, &TfrmNowaGra::OdswiezPodglad);
    connect(cbKierunek_, &QCheckBox::toggled, this, &TfrmNowaGra::OdswiezPodglad);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmNowaGra::btnOKClick);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnBlankiety_, &QPushButton::clicked, this, &TfrmNowaGra::btnBlankietyClick);

    UstawNowa(0);
}

void TfrmNowaGra::Wypelnij(const TObGraLista& gra)
{
    gra_ = gra;
    gra_.Losowania.clear();
    edNazwa_->setText(QString::fromStdString(gra.Nazwa));
    spMin_->setValue(gra.MinSkreslen);
    spMax_->setValue(gra.MaxSkreslen);
    spNorm_->setValue(gra.NormSkreslen);
    spLiczb_->setValue(gra.IleLiczb);
    spLosowanych_->setValue(gra.IleLosowanych);
    spDodatkowych_->setValue(gra.IleDodatkowych);
    spPoziomo_->setValue(gra.IlePoziomo);
    spPionowo_->setValue(gra.IlePionowo);
    cbKierunek_->setChecked(gra.Kierunek);
    OdswiezPodglad();
}

void TfrmNowaGra::UstawNowa(int32_t kodGry)
{
    korekta_ = false;
    najwiekszaLiczba_ = 0;
    TObGraLista gra = DomyslnaGra();
    gra.KodGry = kodGry;
    Wypelnij(gra);
    setWindowTitle(Tekst(TTekst::NowaGraTytul));
    UstawKontekstPomocy(this, KontekstNowejGry);
    lblLosowanych_->setEnabled(true);
    spLosowanych_->setEnabled(true);
}

void TfrmNowaGra::UstawKorekta(const TObGraLista& gra)
{
    korekta_ = true;
    najwiekszaLiczba_ = NajwiekszaLiczba(gra.Losowania, gra.IleLosowanych);
    Wypelnij(gra);
    setWindowTitle(Tekst(TTekst::MenuZmianaParametrowGry));
    UstawKontekstPomocy(this, KontekstZmianyParametrow);
    // Every draw record of the file holds exactly this many numbers.
    lblLosowanych_->setEnabled(false);
    spLosowanych_->setEnabled(false);
}

TObGraLista TfrmNowaGra::Wynik() const
{
    TObGraLista gra = gra_;
    gra.Nazwa = edNazwa_->text().toStdString();
    gra.MinSkreslen = spMin_->value();
    gra.MaxSkreslen = spMax_->value();
    gra.NormSkreslen = spNorm_->value();
    gra.IleLiczb = spLiczb_->value();
    gra.IleLosowanych = spLosowanych_->value();
    gra.IleDodatkowych = spDodatkowych_->value();
    gra.IlePoziomo = spPoziomo_->value();
    gra.IlePionowo = spPionowo_->value();
    gra.Kierunek = cbKierunek_->isChecked();
    return gra;
}

void TfrmNowaGra::OdswiezPodglad()
{
    Blank1_->UstawSiatke(spPoziomo_->value(), spPionowo_->value(), spLiczb_->value(), cbKierunek_->isChecked());
}

void TfrmNowaGra::btnOKClick()
{
    if (edNazwa_->text().isEmpty()) {
        // The one notice of this dialog that the platform's plain message box shows.
        QMessageBox komunikat(QMessageBox::NoIcon, QStringLiteral("Tarvomund"), Tekst(TTekst::MusiszPodacNazweGry),
                              QMessageBox::Ok, this);
        komunikat.exec();
        edNazwa_->setFocus();
        return;
    }
    QSpinBox* doPoprawy = nullptr;
    QString tekst;
    switch (SprawdzParametryGry(Wynik(), korekta_ ? najwiekszaLiczba_ : 0)) {
    case TBladParametrowGry::MinPowyzejMax:
        doPoprawy = spMin_;
        tekst = Tekst(TTekst::MinimalnaIloscSkreslenWiekszaOdMaksymalnej);
        break;
    case TBladParametrowGry::LosowanychPowyzejLiczb:
        doPoprawy = korekta_ ? spLiczb_ : spLosowanych_;
        tekst = Tekst(TTekst::IloscLosowanychWiekszaOdIlosciLiczb);
        break;
    case TBladParametrowGry::LiczbaZHistorii:
        doPoprawy = spLiczb_;
        tekst = Tekst(TTekst::WLosowaniachGryJestLiczba).arg(najwiekszaLiczba_);
        break;
    case TBladParametrowGry::Brak:
        accept();
        return;
    }
    Komunikat(tekst, ObrazekStop, PrzyciskiOK, this);
    doPoprawy->setFocus();
    doPoprawy->selectAll();
}

void TfrmNowaGra::btnBlankietyClick()
{
    TfrmDodajDr dialog(katalogDane_, gra_.KodGry, edNazwa_->text(), this);
    dialog.exec();
}

} // namespace tarvomund
