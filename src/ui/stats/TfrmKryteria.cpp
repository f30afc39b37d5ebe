#include "stats/TfrmKryteria.h"

#include "app/DatyQt.h"
#include "app/KontekstPomocy.h"
#include "systems/TfrmZakres.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

namespace {

constexpr int IleDniTygodnia = 7;
constexpr int IleDniMiesiaca = 31;
constexpr int IleMiesiecy = 12;
// The sum fields take whole numbers; a draw of 25 numbers up to 150 sums to less than 4000.
constexpr int MaxSumy = 99999;
constexpr int SzerokoscListy = 390;

QComboBox* Lista(QWidget* rodzic, const QString& nazwa, const QStringList& pozycje)
{
    auto* lista = new QComboBox(rodzic);
    lista->setObjectName(nazwa);
    lista->addItems(pozycje);
    lista->setMaxVisibleItems(12);
    return lista;
}

QStringList Liczby(int od, int do_)
{
    QStringList liczby;
    for (int i = od; i <= do_; ++i)
        liczby << QString::number(i);
    return liczby;
}

QStringList Run(TTekst pierwszy, int ile)
{
    QStringList teksty;
    for (int i = 0; i < ile; ++i)
        teksty << Tekst(pierwszy, i);
    return teksty;
}

void UstawIndeks(QComboBox* lista, int32_t indeks)
{
    lista->setCurrentIndex(std::clamp<int>(indeks, 0, std::max(lista->count() - 1, 0)));
}

} // namespace

TfrmKryteria::TfrmKryteria(int kontekstPomocy, QWidget* parent)
    : QDialog(parent), CLB1_(new QListWidget(this)), strona_(new QStackedWidget(this)),
      Label5_(new QGroupBox(Tekst(TTekst::ZakresBazyLosowan), this)),
      Label6_(new QGroupBox(Tekst(TTekst::ZakresLiczb), this)), OdDaty_(TfrmZakres::PoleDaty(Label5_, "OdDaty")),
      DoDaty_(TfrmZakres::PoleDaty(Label5_, "DoDaty")), lblLosowan_(new QLabel(Label5_)),
      zakresOd_(Lista(Label6_, QStringLiteral("zakresOd"), {})),
      zakresDo_(Lista(Label6_, QStringLiteral("zakresDo"), {})),
      btn1_(new QPushButton(QStringLiteral("c"), Label5_)), btn2_(new QPushButton(QStringLiteral("c"), Label6_)),
      btnOK_(new QPushButton(Tekst(TTekst::OK), this)), btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setModal(true);
    UstawKontekstPomocy(this, kontekstPomocy);
    CLB1_->setObjectName(QStringLiteral("CLB1"));
    Label5_->setObjectName(QStringLiteral("Label5"));
    Label6_->setObjectName(QStringLiteral("Label6"));
    lblLosowan_->setObjectName(QStringLiteral("lblLosowan"));
    btn1_->setObjectName(QStringLiteral("btn1"));
    btn2_->setObjectName(QStringLiteral("btn2"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));
    btnOK_->setDefault(true);
    CLB1_->setMinimumWidth(SzerokoscListy);
    CLB1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (QPushButton* c : {btn1_, btn2_}) {
        c->setFixedWidth(c->fontMetrics().horizontalAdvance(QStringLiteral("c")) + 20);
        c->setToolTip(Tekst(TTekst::CalyZakres));
    }

    auto* daty = new QGridLayout(Label5_);
    daty->addWidget(new QLabel(Tekst(TTekst::Od2), Label5_), 0, 0);
    daty->addWidget(OdDaty_, 0, 1);
    daty->addWidget(new QLabel(Tekst(TTekst::Do2), Label5_), 0, 2);
    daty->addWidget(DoDaty_, 0, 3);
    daty->addWidget(btn1_, 0, 4);
    daty->addWidget(lblLosowan_, 1, 0, 1, 5);
    daty->setColumnStretch(5, 1);
    auto* liczby = new QHBoxLayout(Label6_);
    liczby->addWidget(new QLabel(Tekst(TTekst::Od2), Label6_));
    liczby->addWidget(zakresOd_);
    liczby->addWidget(new QLabel(Tekst(TTekst::Do2), Label6_));
    liczby->addWidget(zakresDo_);
    liczby->addWidget(btn2_);
    liczby->addStretch();

    auto* prawa = new QVBoxLayout;
    prawa->addWidget(Label5_);
    prawa->addWidget(Label6_);
    prawa->addWidget(strona_);
    prawa->addStretch();
    auto* srodek = new QHBoxLayout;
    srodek->addWidget(CLB1_, 1);
    srodek->addLayout(prawa);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(srodek, 1);
    uklad->addLayout(przyciski);

    connect(CLB1_, &QListWidget::itemClicked, this, &TfrmKryteria::Kliknieto);
    connect(CLB1_, &QListWidget::itemChanged, this, &TfrmKryteria::Kliknieto);
    connect(btn1_, &QPushButton::clicked, this, [this] {
        if (!gra_)
            return;
        if (const auto zakres = TfrmZakres::ZakresLosowan(*gra_)) {
            OdDaty_->setDate(DataQt(zakres->first));
            DoDaty_->setDate(DataQt(zakres->second));
        }
    });
    connect(btn2_, &QPushButton::clicked, this, [this] {
        zakresOd_->setCurrentIndex(0);
        zakresDo_->setCurrentIndex(zakresDo_->count() - 1);
    });
    connect(OdDaty_, &QDateEdit::dateChanged, this, &TfrmKryteria::PokazLosowania);
    connect(DoDaty_, &QDateEdit::dateChanged, this, &TfrmKryteria::PokazLosowania);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmKryteria::btnOkClick);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
}

const std::array<TTekst, 12>& TfrmKryteria::TekstyWyszukaj()
{
    static const std::array<TTekst, 12> teksty{
        TTekst::WyszukajKolejneLiczby,
        TTekst::WyszukajLiczbyParzyste,
        TTekst::WyszukajLiczbyNieparzyste,
        TTekst::WyszukajLiczbyJezeliSaWDanymPrzedziale,
        TTekst::WyszukajLiczbyParzysteJezeliSaWDanymPrzedziale,
        TTekst::WyszukajLiczbyNieparzysteJezeliSaWDanymPrzedziale,
        TTekst::WyszukajJezeliSumaLosowaniaWynosi,
        TTekst::WyszukajJezeliSumaLosowaniaJestParzysta,
        TTekst::WyszukajJezeliSumaLosowaniaJestNieparzysta,
        TTekst::WyszukajJezeliLiczbyKonczaSieNaCyfre,
        TTekst::WyszukajJezeliLiczbyZaczynajaSieNaCyfre,
        TTekst::WyszukajJezeliLiczbyMajaStalyPrzyrost,
    };
    return teksty;
}

std::vector<TfrmKryteria::TStrona> TfrmKryteria::StronyWspolne(TKryteriaWspolne& r, int32_t& sumaOd,
                                                                int32_t& sumaDo, const std::array<TTekst, 12>& teksty)
{
    using R = TRodzajPola;
    std::vector<TStrona> strony{
        {{}, {{R::Ilosc, TTekst::IloscKolejnychLiczb, &r.IleKolejnych}}},
        {{}, {{R::Ilosc, TTekst::IloscLiczbParzystych, &r.IleParzystych}}},
        {{}, {{R::Ilosc, TTekst::IloscLiczbNieparzystych, &r.IleNieparzystych}}},
        {{},
         {{R::Ilosc, TTekst::IloscLiczbWPrzedziale, &r.IleWPrzedziale},
          {R::Wielkosc, TTekst::WielkoscPrzedzialuLiczbowego, &r.PrzedzialWielkosc}}},
        {{},
         {{R::Ilosc, TTekst::IloscLiczbWPrzedziale, &r.IleParzystychWPrzedziale},
          {R::Wielkosc, TTekst::WielkoscPrzedzialuLiczbowego, &r.PrzedzialParzystych}}},
        {{},
         {{R::Ilosc, TTekst::IloscLiczbWPrzedziale, &r.IleNieparzystychWPrzedziale},
          {R::Wielkosc, TTekst::WielkoscPrzedzialuLiczbowego, &r.PrzedzialNieparzystych}}},
        {{}, {{R::Suma, TTekst::ZakresSumyLosowan, &sumaOd, &sumaDo}}, false},
        {{}, {}, false},
        {{}, {}, false},
        {{},
         {{R::Ilosc, TTekst::IloscLiczb3, &r.IleKoncowych},
          {R::CyfryKoncowe, TTekst::KoncoweCyfry, nullptr, nullptr, &r.CyfryKoncowe}}},
        {{},
         {{R::Ilosc, TTekst::IloscLiczb3, &r.IlePoczatkowych},
          {R::CyfryPoczatkowe, TTekst::PoczatkoweCyfry, nullptr, nullptr, &r.CyfryPoczatkowe}},
         false},
        {{},
         {{R::Ilosc, TTekst::IloscLiczb3, &r.IleZPrzyrostem},
          {R::Wielkosc, TTekst::WielkoscPrzyrostu, &r.Przyrost}}},
    };
    for (std::size_t i = 0; i < strony.size(); ++i)
        strony[i].Tekst = Tekst(teksty[i]);
    return strony;
}

void TfrmKryteria::Zbuduj(const TObGraLista& gra, std::vector<TStrona> strony, bool* kryteria,
                          TKryteriaWspolne& wspolne, int32_t zakladow)
{
    gra_ = &gra;
    strony_ = std::move(strony);
    kryteria_ = kryteria;
    wspolne_ = &wspolne;
    kontrolki_.clear();
    {
        const QSignalBlocker blokada(CLB1_);
        CLB1_->clear();
        for (std::size_t i = 0; i < strony_.size(); ++i) {
            auto* element =
                new QListWidgetItem(QStringLiteral("%1. ").arg(static_cast<int>(i) + 1, 2) + strony_[i].Tekst);
            element->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            element->setCheckState(Qt::Unchecked);
            CLB1_->addItem(element);
        }
    }
    // The whole list shows at once, without scrolling.
    const int ramka = 2 * CLB1_->frameWidth() + 4;
    CLB1_->setMinimumWidth(std::max(SzerokoscListy, CLB1_->sizeHintForColumn(0) + ramka));
    CLB1_->setMinimumHeight(CLB1_->sizeHintForRow(0) * CLB1_->count() + ramka);
    while (strona_->count() > 0) {
        QWidget* stara = strona_->widget(0);
        strona_->removeWidget(stara);
        delete stara;
    }
    for (const TStrona& strona : strony_)
        strona_->addWidget(ZbudujStrone(strona, gra.IleLosowanych, gra.IleLiczb, zakladow));

    const QStringList liczby = Liczby(1, gra.IleLiczb);
    for (QComboBox* lista : {zakresOd_, zakresDo_}) {
        lista->clear();
        lista->addItems(liczby);
    }
    UstawIndeks(zakresOd_, wspolne.ZakresOd);
    UstawIndeks(zakresDo_, wspolne.ZakresDo);
    OdDaty_->setDate(DataQt(wspolne.OdDaty));
    DoDaty_->setDate(DataQt(wspolne.DoDaty));
    PokazLosowania();

    // The page of the first criterion chosen; one at most stays checked.
    int pierwsze = 0;
    for (std::size_t i = 0; i < strony_.size() && pierwsze == 0; ++i)
        if (kryteria_[i])
            pierwsze = static_cast<int>(i) + 1;
    Wybierz(pierwsze);
}

QWidget* TfrmKryteria::ZbudujStrone(const TStrona& strona, int ileLosowanych, int ileLiczb, int32_t zakladow)
{
    auto* widok = new QWidget;
    auto* uklad = new QFormLayout(widok);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    const auto para = [&](const TPole& pole, const char* nazwaOd, const char* nazwaDo, int od, int do_) {
        TKontrolka k{pole};
        k.Od = new QSpinBox(widok);
        k.Do = new QSpinBox(widok);
        k.Od->setObjectName(QLatin1String(nazwaOd));
        k.Do->setObjectName(QLatin1String(nazwaDo));
        auto* wiersz = new QHBoxLayout;
        for (auto [spin, etykieta, wartosc] :
             {std::tuple{k.Od, TTekst::Od2, pole.Wartosc}, std::tuple{k.Do, TTekst::Do2, pole.Wartosc2}}) {
            spin->setRange(od, do_);
            spin->setValue(std::clamp<int>(*wartosc, od, do_));
            wiersz->addWidget(new QLabel(Tekst(etykieta), widok));
            wiersz->addWidget(spin);
        }
        wiersz->addStretch();
        uklad->addRow(Tekst(pole.Etykieta), wiersz);
        kontrolki_.push_back(k);
    };
    const auto lista = [&](const TPole& pole, const QString& nazwa, const QStringList& pozycje) {
        TKontrolka k{pole};
        k.Lista = Lista(widok, nazwa, pozycje);
        UstawIndeks(k.Lista, *pole.Wartosc);
        uklad->addRow(Tekst(pole.Etykieta), k.Lista);
        kontrolki_.push_back(k);
    };
    const auto cyfry = [&](const TPole& pole, int od) {
        TKontrolka k{pole};
        auto* wiersz = new QHBoxLayout;
        wiersz->setSpacing(2);
        for (int c = od; c < IleCyfr; ++c) {
            auto* pudelko = new QCheckBox(QString::number(c), widok);
            pudelko->setObjectName(QStringLiteral("Cyfra%1").arg(c));
            pudelko->setChecked((*pole.Cyfry)[static_cast<std::size_t>(c)]);
            k.Cyfry[static_cast<std::size_t>(c)] = pudelko;
            wiersz->addWidget(pudelko);
        }
        auto* plus = new QPushButton(QStringLiteral("+"), widok);
        auto* minus = new QPushButton(QStringLiteral("-"), widok);
        plus->setObjectName(QStringLiteral("btnPlus"));
        minus->setObjectName(QStringLiteral("btnMinus"));
        for (auto [przycisk, stan] : {std::pair{plus, true}, std::pair{minus, false}}) {
            przycisk->setFixedWidth(przycisk->fontMetrics().horizontalAdvance(QStringLiteral("+")) + 20);
            connect(przycisk, &QPushButton::clicked, this, [pudelka = k.Cyfry, stan] {
                for (QCheckBox* p : pudelka)
                    if (p)
                        p->setChecked(stan);
            });
        }
        auto* dwa = new QVBoxLayout;
        dwa->addLayout(wiersz);
        auto* plusMinus = new QHBoxLayout;
        plusMinus->addWidget(plus);
        plusMinus->addWidget(minus);
        plusMinus->addStretch();
        dwa->addLayout(plusMinus);
        uklad->addRow(Tekst(pole.Etykieta), dwa);
        kontrolki_.push_back(k);
    };

    for (const TPole& pole : strona.Pola) {
        switch (pole.Rodzaj) {
        case TRodzajPola::Ilosc:
            lista(pole, QStringLiteral("Ilosc"), Liczby(1, ileLosowanych));
            break;
        case TRodzajPola::Wielkosc:
            lista(pole, QStringLiteral("Wielkosc"), Liczby(1, ileLiczb));
            break;
        case TRodzajPola::Suma:
            para(pole, "Spin071", "Spin072", 0, MaxSumy);
            break;
        case TRodzajPola::CyfryKoncowe:
            cyfry(pole, 0);
            break;
        case TRodzajPola::CyfryPoczatkowe:
            cyfry(pole, 1);
            break;
        case TRodzajPola::DzienTygodnia:
            lista(pole, QStringLiteral("DzienTygodnia"), Run(TTekst::Niedziela, IleDniTygodnia));
            break;
        case TRodzajPola::DzienMiesiaca:
            lista(pole, QStringLiteral("DzienMiesiaca"), Liczby(1, IleDniMiesiaca));
            break;
        case TRodzajPola::Miesiac:
            lista(pole, QStringLiteral("Miesiac"), Run(TTekst::Styczen, IleMiesiecy));
            break;
        case TRodzajPola::Pozycje:
            para(pole, "spin141", "spin142", 1, std::max<int32_t>(zakladow, 1));
            break;
        }
    }
    return widok;
}

int TfrmKryteria::Wybrane() const
{
    for (int i = 0; i < CLB1_->count(); ++i)
        if (CLB1_->item(i)->checkState() == Qt::Checked)
            return i + 1;
    return 0;
}

void TfrmKryteria::Wybierz(int kryterium)
{
    zmieniam_ = true;
    {
        const QSignalBlocker blokada(CLB1_);
        for (int i = 0; i < CLB1_->count(); ++i)
            CLB1_->item(i)->setCheckState(i + 1 == kryterium ? Qt::Checked : Qt::Unchecked);
        if (kryterium >= 1 && kryterium <= CLB1_->count())
            CLB1_->setCurrentRow(kryterium - 1);
    }
    zmieniam_ = false;
    if (kryterium >= 1 && kryterium <= strona_->count())
        strona_->setCurrentIndex(kryterium - 1);
    UstawZakresy();
}

QWidget* TfrmKryteria::Strona(int kryterium) const
{
    return kryterium >= 1 && kryterium <= strona_->count() ? strona_->widget(kryterium - 1) : nullptr;
}

void TfrmKryteria::Kliknieto(QListWidgetItem* element)
{
    if (zmieniam_ || !element)
        return;
    Wybierz(CLB1_->row(element) + 1);
}

void TfrmKryteria::UstawZakresy()
{
    const int wybrane = Wybrane();
    const TStrona* strona = wybrane >= 1 ? &strony_[static_cast<std::size_t>(wybrane - 1)] : nullptr;
    Label6_->setVisible(!strona || strona->ZakresLiczb);
    Label5_->setVisible(!strona || strona->ZakresDat);
    strona_->setVisible(strona != nullptr);
}

void TfrmKryteria::PokazLosowania()
{
    if (!gra_)
        return;
    const double od = DniZDatyQt(OdDaty_->date());
    const double do_ = DniZDatyQt(DoDaty_->date());
    lblLosowan_->setText(TfrmZakres::OpisZakresu(gra_->Losowania, std::min(od, do_), std::max(od, do_)));
}

void TfrmKryteria::Zapisz()
{
    for (const TKontrolka& k : kontrolki_) {
        if (k.Lista)
            *k.Pole.Wartosc = k.Lista->currentIndex();
        if (k.Od && k.Do) {
            *k.Pole.Wartosc = k.Od->value();
            *k.Pole.Wartosc2 = k.Do->value();
            // Bet positions are put in order; a reversed sum range is the search's to read.
            if (k.Pole.Rodzaj == TRodzajPola::Pozycje && *k.Pole.Wartosc2 < *k.Pole.Wartosc)
                std::swap(*k.Pole.Wartosc, *k.Pole.Wartosc2);
        }
        for (std::size_t c = 0; c < k.Cyfry.size(); ++c)
            if (k.Cyfry[c])
                (*k.Pole.Cyfry)[c] = k.Cyfry[c]->isChecked();
    }
    const int wybrane = Wybrane();
    for (int i = 0; i < IleKryteriow(); ++i)
        kryteria_[i] = i + 1 == wybrane;
    wspolne_->ZakresOd = std::min(zakresOd_->currentIndex(), zakresDo_->currentIndex());
    wspolne_->ZakresDo = std::max(zakresOd_->currentIndex(), zakresDo_->currentIndex());
    // A reversed date range is put in order too, as the range dialog does.
    const double od = DniZDatyQt(OdDaty_->date());
    const double do_ = DniZDatyQt(DoDaty_->date());
    wspolne_->OdDaty = std::min(od, do_);
    wspolne_->DoDaty = std::max(od, do_);
}

void TfrmKryteria::btnOkClick()
{
    Zapisz();
    if (Wybrane() == 0)
        reject();
    else
        accept();
}

} // namespace tarvomund
