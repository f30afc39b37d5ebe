#include "stats/TfrmStatystyka1.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "model/ZapisAtomowy.h"
#include "stats/OpisStatystyki.h"
#include "stats/TGenStat.h"
#include "stats/TSg00.h"
#include "stats/TWykres.h"
#include "stats/TfrmDrukWykres.h"
#include "stats/TfrmWybStat.h"
#include "tools/TfrmKolekcja01.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QImage>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

namespace {

using R = TRodzajStatystyki;

constexpr int SzerokoscPierwszejKolumny = 60;
// The table's height: one series in two rows, or 26 pixels a checked series and 18 more, 200 pixels
// for more than seven series except the seven weekdays; the rest scrolls.
constexpr int WysokoscJednejSerii = 44;
constexpr int WysokoscNaSerie = 26;
constexpr int WysokoscDodatkowa = 18;
constexpr int NajwyzszaTabela = 200;
constexpr int SeriiBezPrzewijania = 7;
constexpr int MarginesKomorki = 10;
constexpr double Powiekszenie = 115;
constexpr double Pomniejszenie = 85;
const QString FiltrStatystyki = QStringLiteral("Statystyka (*.st2)");
const QString RozszerzenieStatystyki = QStringLiteral("st2");

QString Wartosc(int32_t v)
{
    return QString::number(v);
}

QString PoleCsv(const QString& tekst)
{
    if (!tekst.contains(QLatin1Char(';')) && !tekst.contains(QLatin1Char('"')) &&
        !tekst.contains(QLatin1Char('\n')))
        return tekst;
    QString pole = tekst;
    pole.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + pole + QLatin1Char('"');
}

QToolButton* Przycisk(QWidget* rodzic, const QString& tekst, const QString& podpowiedz)
{
    auto* przycisk = new QToolButton(rodzic);
    przycisk->setText(tekst);
    przycisk->setToolTip(podpowiedz);
    przycisk->setStatusTip(podpowiedz);
    przycisk->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return przycisk;
}

} // namespace

std::optional<TParametryStatystyki> TfrmStatystyka1::PokazParametry(const TObGraLista& gra,
                                                                    const TParametryStatystyki& parametry,
                                                                    QWidget* rodzic)
{
    TfrmWybStat dialog(gra, parametry, rodzic);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    TParametryStatystyki p = dialog.Wynik();
    if (!gra.Losowania.empty()) {
        p.OdDaty = std::max(p.OdDaty, gra.Losowania.front().Data);
        p.DoDaty = std::min(p.DoDaty, gra.Losowania.back().Data);
    }
    return p;
}

TfrmStatystyka1::TfrmStatystyka1(const TObGraLista& gra, TOtoczenie otoczenie, QWidget* parent)
    : QWidget(parent), gra_(gra), otoczenie_(std::move(otoczenie))
{
    setWindowTitle(QString::fromStdString(gra.Nazwa));
    UstawKontekstPomocy(this, KontekstPomocy);
    parametry_ = TParametryStatystyki::DlaGry(gra);

    Chart1_ = new TWykres(this);
    Chart1_->setObjectName(QStringLiteral("Chart1"));
    CLB1_ = new QListWidget(this);
    CLB1_->setObjectName(QStringLiteral("CLB1"));
    CLB1_->hide();
    Grid1_ = new TSg00(this);
    Grid1_->setObjectName(QStringLiteral("Grid1"));
    Grid1_->UstawRozmiar(2, 1);
    Grid1_->setColumnWidth(0, SzerokoscPierwszejKolumny);
    btnCsv_ = Przycisk(this, QStringLiteral("CSV"), QStringLiteral("Zapisz tabelkę do pliku CSV"));
    btnCsv_->setObjectName(QStringLiteral("btnCsv"));
    btnPng_ = Przycisk(this, QStringLiteral("PNG"), QStringLiteral("Zapisz wykres jako obraz PNG"));
    btnPng_->setObjectName(QStringLiteral("btnPng"));

    auto* prawa = new QVBoxLayout;
    prawa->addWidget(CLB1_, 1);
    prawa->addStretch();
    prawa->addWidget(btnCsv_);
    prawa->addWidget(btnPng_);
    auto* uklad = new QGridLayout(this);
    uklad->setContentsMargins(2, 2, 2, 2);
    uklad->setSpacing(2);
    uklad->addWidget(Chart1_, 0, 0);
    uklad->addLayout(prawa, 0, 1);
    uklad->addWidget(Grid1_, 1, 0, 1, 2);
    uklad->setRowStretch(0, 1);
    uklad->setColumnStretch(0, 1);
    resize(760, 520);

    // Both exports are also on the pop-up menus of the chart and the table.
    for (QWidget* w : {static_cast<QWidget*>(Chart1_), static_cast<QWidget*>(Grid1_)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this, [this, w](const QPoint& gdzie) {
            QMenu menu(this);
            menu.addAction(btnCsv_->toolTip(), this, &TfrmStatystyka1::EksportujCsvZWyborem);
            menu.addAction(btnPng_->toolTip(), this, &TfrmStatystyka1::EksportujPngZWyborem);
            menu.exec(w->mapToGlobal(gdzie));
        });
    }
    connect(btnCsv_, &QToolButton::clicked, this, &TfrmStatystyka1::EksportujCsvZWyborem);
    connect(btnPng_, &QToolButton::clicked, this, &TfrmStatystyka1::EksportujPngZWyborem);
    connect(CLB1_, &QListWidget::itemChanged, this, &TfrmStatystyka1::PozycjaListyZmieniona);

    wyborPliku_ = [this](const QString& filtr, const QString& proponowany) {
        return QFileDialog::getSaveFileName(this, QString(), proponowany, filtr, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    };
    dialogParametrow_ = [this](const TObGraLista& g, const TParametryStatystyki& p) {
        return PokazParametry(g, p, this);
    };
}

TfrmStatystyka1::~TfrmStatystyka1()
{
    // The worker joins its thread; the computation ends at its next look at the stop flag.
    przerwij_ = true;
}

TStanFlag TfrmStatystyka1::StanPlikow() const
{
    TStanFlag stan;
    stan.set(0).set(1).set(7).set(8);
    // Nothing to save or print while computing.
    stan.set(2, !obliczanie_);
    stan.set(3, !obliczanie_);
    return stan;
}

TPolaStatusu TfrmStatystyka1::PolaStatusu() const
{
    TPolaStatusu pola;
    pola.RodzajStatystyki = LiniaTytulu();
    return pola;
}

QString TfrmStatystyka1::LiniaTytulu() const
{
    return tarvomund::LiniaTytulu(parametry_);
}

QString TfrmStatystyka1::LiniaPodtytulu() const
{
    return tarvomund::LiniaPodtytulu(parametry_, ListaWidoczna(), Zaznaczone());
}

bool TfrmStatystyka1::ListaWidoczna() const
{
    return CLB1_->count() > 0;
}

QStringList TfrmStatystyka1::Zaznaczone() const
{
    QStringList zaznaczone;
    for (int i = 0; i < CLB1_->count(); ++i)
        if (CLB1_->item(i)->checkState() == Qt::Checked)
            zaznaczone << CLB1_->item(i)->text();
    return zaznaczone;
}

QString TfrmStatystyka1::NazwaSerii(int seria) const
{
    if (seria >= 0 && seria < CLB1_->count())
        return CLB1_->item(seria)->text();
    // The one series of a statistic without a check list goes by the kind's title.
    return NazwaRodzaju(parametry_.Rodzaj).trimmed();
}

void TfrmStatystyka1::Nowe(const TParametryStatystyki& parametry)
{
    parametry_ = parametry;
    ileSerii_ = tarvomund::IleSerii(parametry_, gra_.IleLiczb);
    const QSignalBlocker cicho(CLB1_);
    CLB1_->clear();
    const QStringList pozycje = PozycjeListy(parametry_, gra_.IleLiczb);
    for (int i = 0; i < pozycje.size(); ++i) {
        auto* pozycja = new QListWidgetItem(pozycje[i], CLB1_);
        pozycja->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        pozycja->setCheckState(ZaznaczonaNaPoczatku(parametry_, i) ? Qt::Checked : Qt::Unchecked);
        // Each item in its series' colour: the list is the chart's legend too.
        pozycja->setForeground(KolorSerii(i));
    }
    // The list is sized for its items' texts, at least as wide as the kind's width.
    int szerokosc = SzerokoscListy(parametry_);
    for (const QString& p : pozycje)
        szerokosc = std::max(szerokosc, CLB1_->fontMetrics().horizontalAdvance(p) + 48);
    CLB1_->setFixedWidth(szerokosc);
    CLB1_->setVisible(!pozycje.isEmpty());
    Grid1_->UstawRozmiar(std::max(Grid1_->rowCount(), 1), 2);
}

void TfrmStatystyka1::Parametry()
{
    if (obliczanie_)
        return;
    const std::optional<TParametryStatystyki> nowe = dialogParametrow_(gra_, parametry_);
    if (!nowe)
        return;
    Nowe(*nowe);
    Start();
}

void TfrmStatystyka1::Start()
{
    if (obliczanie_ || watek_.Dziala())
        return;
    Chart1_->Zmien([this](TDaneWykresu& d) {
        d.Serie.clear();
        d.Tytul = QStringList{LiniaTytulu()};
        d.Powiekszenie = 1.0;
        d.Przesuniecie = 0.0;
    });
    CLB1_->setEnabled(false);
    Grid1_->UstawRozmiar(std::max(1, Grid1_->rowCount()), std::max(1, Grid1_->columnCount()));
    Grid1_->UstawKolorPierwszej(0, KolorJasnozolty);
    przerwij_ = false;
    obliczanie_ = true;
    ZglosZmianeStanu();

    kopia_ = gra_;
    TUstawieniaStatystyki ustawienia;
    if (otoczenie_.Parametry) {
        ustawienia.MaksWynikow = otoczenie_.Parametry->Spin1;
        ustawienia.WszystkieWyniki = otoczenie_.Parametry->CBox1;
    }
    auto wynik = std::make_shared<TWynikiStatystyki>();
    auto postep = [this](const std::string& tekst) {
        watek_.Synchronizuj([this, tekst] { Grid1_->UstawTekst(0, 0, QString::fromStdString(tekst)); });
    };
    watek_.Uruchom(
        [this, ustawienia, postep, wynik, parametry = parametry_] {
            *wynik = TGenStat(parametry, kopia_, ustawienia, przerwij_, postep).Wykonaj();
        },
        [this, wynik] {
            wyniki_ = std::move(*wynik);
            Zakoncz();
        });
}

void TfrmStatystyka1::Zakoncz()
{
    Zbuduj();
    CLB1_->setEnabled(true);
    obliczanie_ = false;
    ZglosZmianeStanu();
    emit Zakonczono();
}

void TfrmStatystyka1::Zbuduj()
{
    ZbudujSerie();
    WypelnijSerie();
    ZbudujTabele();
    OdswiezTytul();
}

void TfrmStatystyka1::ZbudujSerie()
{
    const int grubosc = otoczenie_.Parametry ? otoczenie_.Parametry->Spin11 : TParametry{}.Spin11;
    const std::optional<bool> osDolna = OsDolnaWidoczna(parametry_);
    Chart1_->Zmien([&](TDaneWykresu& d) {
        d.Serie.clear();
        for (int s = 0; s < ileSerii_; ++s) {
            TSeriaWykresu seria;
            seria.Kolor = KolorSerii(s);
            seria.Grubosc = grubosc;
            seria.RozmiarTabliczek = 7;
            seria.Widoczna =
                ListaWidoczna() ? CLB1_->item(s) && CLB1_->item(s)->checkState() == Qt::Checked : s == 0;
            d.Serie.append(seria);
        }
        if (osDolna)
            d.OsDolna = *osDolna;
    });
}

void TfrmStatystyka1::WypelnijSerie()
{
    Chart1_->Zmien([this](TDaneWykresu& d) {
        for (int s = 0; s < d.Serie.size(); ++s) {
            d.Serie[s].Punkty.clear();
            for (const TWynik& w : wyniki_[static_cast<std::size_t>(s)])
                d.Serie[s].Punkty.append({static_cast<double>(w.Wartosc), QString::fromStdString(w.Opis)});
        }
    });
    posortowany_ = false;
}

void TfrmStatystyka1::ZbudujTabele()
{
    const TDaneWykresu& dane = Chart1_->Dane();
    QVector<int> serie;
    const bool jedna = !ListaWidoczna();
    if (jedna) {
        if (!dane.Serie.isEmpty())
            serie.append(0);
    } else {
        for (int s = 0; s < dane.Serie.size(); ++s)
            if (dane.Serie[s].Widoczna)
                serie.append(s);
    }
    int kolumn = 0;
    for (const TSeriaWykresu& s : dane.Serie)
        kolumn = std::max(kolumn, static_cast<int>(s.Punkty.size()));
    const int wierszy = jedna ? 2 : std::max(1, 2 * static_cast<int>(serie.size()));
    Grid1_->clear();
    Grid1_->UstawRozmiar(0, 0);
    Grid1_->UstawRozmiar(wierszy, kolumn + 1);
    for (int w = 0; w < wierszy; ++w) {
        Grid1_->UstawKolorPierwszej(w, QColor());
        Grid1_->UstawKolorWiersza(w, QColor());
    }
    if (!jedna && serie.isEmpty())
        return;

    int najszerszy = 0;
    for (int i = 0; i < serie.size(); ++i) {
        const TSeriaWykresu& seria = dane.Serie[serie[i]];
        const int etykiety = 2 * i;
        const int wartosci = etykiety + 1;
        if (!jedna)
            Grid1_->UstawTekst(etykiety, 0, NazwaSerii(serie[i]));
        Grid1_->UstawKolorPierwszej(etykiety, KolorSzaroniebieski);
        Grid1_->UstawKolorWiersza(etykiety, KolorSzaroniebieski);
        Grid1_->UstawKolorPierwszej(wartosci, seria.Punkty.isEmpty() ? KolorSzaroniebieski : seria.Kolor);
        Grid1_->UstawKolorWiersza(wartosci, KolorJasnozolty);
        for (int p = 0; p < seria.Punkty.size(); ++p) {
            Grid1_->UstawTekst(etykiety, p + 1, seria.Punkty[p].Etykieta);
            Grid1_->UstawTekst(wartosci, p + 1, Wartosc(static_cast<int32_t>(seria.Punkty[p].Wartosc)));
            najszerszy =
                std::max(najszerszy, Grid1_->fontMetrics().horizontalAdvance(seria.Punkty[p].Etykieta));
        }
    }
    // The kind's width, wider where the labels need it.
    const int szerokosc = std::max(SzerokoscKolumnyTabeli(parametry_), najszerszy + MarginesKomorki);
    int pierwsza = SzerokoscPierwszejKolumny;
    for (int w = 0; w < Grid1_->rowCount(); ++w)
        pierwsza = std::max(pierwsza, Grid1_->fontMetrics().horizontalAdvance(Grid1_->TekstKomorki(w, 0)) +
                                          MarginesKomorki);
    Grid1_->setColumnWidth(0, pierwsza);
    for (int k = 1; k < Grid1_->columnCount(); ++k)
        Grid1_->setColumnWidth(k, szerokosc);

    const int wiersz = Grid1_->verticalHeader()->defaultSectionSize();
    const int ramka = 2 * Grid1_->frameWidth() + Grid1_->horizontalScrollBar()->sizeHint().height();
    const bool tydzien = CzyGrupowana(parametry_.Rodzaj) &&
                         static_cast<TGrupowanie>(parametry_.Grupowanie) == TGrupowanie::DzienTygodnia;
    int wysokosc =
        jedna ? WysokoscJednejSerii : WysokoscNaSerie * static_cast<int>(serie.size()) + WysokoscDodatkowa;
    if (!jedna && !tydzien && serie.size() > SeriiBezPrzewijania)
        wysokosc = NajwyzszaTabela;
    // At least one series' two rows stay readable whatever the font.
    wysokosc = std::max(wysokosc, std::min(wierszy, 2) * wiersz + ramka);
    Grid1_->setFixedHeight(wysokosc);
}

void TfrmStatystyka1::OdswiezTytul()
{
    const QStringList tytul{LiniaTytulu(), LiniaPodtytulu()};
    Chart1_->Zmien([&tytul](TDaneWykresu& d) { d.Tytul = tytul; });
}

void TfrmStatystyka1::PozycjaListyZmieniona(QListWidgetItem* pozycja)
{
    const int s = CLB1_->row(pozycja);
    const bool widoczna = pozycja->checkState() == Qt::Checked;
    Chart1_->Zmien([s, widoczna](TDaneWykresu& d) {
        if (s >= 0 && s < d.Serie.size())
            d.Serie[s].Widoczna = widoczna;
    });
    ZbudujTabele();
    OdswiezTytul();
}

void TfrmStatystyka1::PrzelaczSiatke()
{
    Chart1_->Zmien([](TDaneWykresu& d) { d.Osie = !d.Osie; });
}

void TfrmStatystyka1::Liniowy()
{
    Chart1_->Zmien([](TDaneWykresu& d) { d.Typ = TTypWykresu::Liniowy; });
}

void TfrmStatystyka1::Schodkowy()
{
    Chart1_->Zmien([](TDaneWykresu& d) { d.Typ = TTypWykresu::Schodkowy; });
}

void TfrmStatystyka1::Przelacz3D()
{
    Chart1_->Zmien([](TDaneWykresu& d) { d.Trojwymiarowy = !d.Trojwymiarowy; });
}

void TfrmStatystyka1::PrzelaczTabliczki()
{
    Chart1_->Zmien([](TDaneWykresu& d) {
        if (d.Serie.isEmpty())
            return;
        const bool pokaz = !d.Serie.front().Tabliczki;
        for (TSeriaWykresu& s : d.Serie)
            s.Tabliczki = pokaz;
    });
}

void TfrmStatystyka1::PrzelaczOpisTabliczek()
{
    Chart1_->Zmien([](TDaneWykresu& d) {
        if (d.Serie.isEmpty())
            return;
        const bool wartosci = !d.Serie.front().TabliczkiWartosci;
        for (TSeriaWykresu& s : d.Serie)
            s.TabliczkiWartosci = wartosci;
    });
}

void TfrmStatystyka1::SortujWgWartosci()
{
    if (posortowany_ || Chart1_->Dane().Serie.isEmpty())
        return;
    Chart1_->Zmien([](TDaneWykresu& d) {
        for (TSeriaWykresu& s : d.Serie)
            std::stable_sort(
                s.Punkty.begin(), s.Punkty.end(),
                [](const TPunktWykresu& a, const TPunktWykresu& b) { return a.Wartosc > b.Wartosc; });
    });
    posortowany_ = true;
    ZbudujTabele();
}

void TfrmStatystyka1::SortujNaturalnie()
{
    if (!posortowany_)
        return;
    WypelnijSerie();
    ZbudujTabele();
}

void TfrmStatystyka1::DoKolekcji()
{
    if (!otoczenie_.Kolekcja || obliczanie_)
        return;
    QString tytul = QString::fromStdString(gra_.Nazwa) + QStringLiteral(" - ");
    for (const QString& wiersz : Chart1_->Dane().Tytul)
        tytul += wiersz + QStringLiteral("   ");
    std::vector<TfrmKolekcja01::TSeriaKopii> serie;
    const TDaneWykresu& dane = Chart1_->Dane();
    for (int s = 0; s < dane.Serie.size(); ++s) {
        if (!dane.Serie[s].Widoczna)
            continue;
        TfrmKolekcja01::TSeriaKopii seria{NazwaSerii(s), s, {}};
        for (const TPunktWykresu& p : dane.Serie[s].Punkty)
            seria.Punkty.push_back(p.Etykieta + QStringLiteral("   [") +
                                   Wartosc(static_cast<int32_t>(p.Wartosc)) + QLatin1Char(']'));
        serie.push_back(std::move(seria));
    }
    otoczenie_.Kolekcja->DodajKopie(tytul, serie);
    otoczenie_.Kolekcja->Pokaz();
}

void TfrmStatystyka1::Powieksz()
{
    Chart1_->Powieksz(Powiekszenie);
}

void TfrmStatystyka1::Pomniejsz()
{
    Chart1_->Powieksz(Pomniejszenie);
}

TPlikStatystyki TfrmStatystyka1::DanePliku() const
{
    TPlikStatystyki plik;
    plik.Gra = OpisGry(gra_);
    plik.Parametry = parametry_;
    for (int i = 0; i < CLB1_->count() && i < static_cast<int>(plik.Zaznaczone.size()); ++i)
        plik.Zaznaczone[static_cast<std::size_t>(i)] = CLB1_->item(i)->checkState() == Qt::Checked;
    plik.IleSerii = ileSerii_;
    plik.Wyniki = wyniki_;
    return plik;
}

void TfrmStatystyka1::Zapisz()
{
    // A statistics window is saved once.
    if (zapisany_ || obliczanie_)
        return;
    const QString proponowany =
        nazwaPliku_.isEmpty() ? otoczenie_.KatalogDane : QDir(otoczenie_.KatalogDane).filePath(nazwaPliku_);
    QString plik = wyborPliku_(FiltrStatystyki, proponowany);
    if (plik.isEmpty())
        return;
    if (QFileInfo(plik).suffix().isEmpty())
        plik += QLatin1Char('.') + RozszerzenieStatystyki;
    ZapiszDoPliku(plik);
}

bool TfrmStatystyka1::ZapiszDoPliku(const QString& plik)
{
    if (QFileInfo::exists(plik) && Komunikat(Tekst(TTekst::TakiPlikJuzIstniejeCzyChceszGoNadpisac),
                                             ObrazekPytanie, PrzyciskiTakNie, this) != KomunikatTak)
        return false;
    nazwaPliku_ = QFileInfo(plik).fileName();
    // The old file is replaced only once the new one is complete.
    if (!ZapiszPlikStatystyki(plik.toStdString(), DanePliku())) {
        Komunikat(Tekst(TTekst::BladZapisu), ObrazekStop, PrzyciskiOK, this);
        return false;
    }
    zapisany_ = true;
    ZglosZmianeStanu();
    return true;
}

void TfrmStatystyka1::Wczytaj(const TPlikStatystyki& plik)
{
    Nowe(plik.Parametry);
    for (std::size_t s = 0; s < wyniki_.size(); ++s)
        wyniki_[s] = static_cast<int>(s) < plik.IleSerii ? plik.Wyniki[s] : TSeriaStatystyki{};
    Zbuduj();
    // The stored check states, applied as the user's clicks would be.
    for (int i = 0; i < CLB1_->count() && i < static_cast<int>(plik.Zaznaczone.size()); ++i)
        CLB1_->item(i)->setCheckState(plik.Zaznaczone[static_cast<std::size_t>(i)] ? Qt::Checked
                                                                                   : Qt::Unchecked);
    ZglosZmianeStanu();
}

void TfrmStatystyka1::Drukuj()
{
    if (obliczanie_ || !otoczenie_.WyborWydruku)
        return;
    TfrmDrukWykres dialog(*otoczenie_.WyborWydruku, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    *otoczenie_.WyborWydruku = dialog.Wybor();
    const TfrmDrukWykres::TWybor wybor = dialog.Wybor();
    QPrinter drukarka;
    drukarka.setDocName(windowTitle());
    const bool wykres = wybor[TfrmDrukWykres::Tryb] == 0;
    if (wykres)
        drukarka.setPageOrientation(wybor[TfrmDrukWykres::Orientacja] == 0 ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
    QPrintDialog wyborDrukarki(&drukarka, this);
    if (wyborDrukarki.exec() != QDialog::Accepted)
        return;
    if (wykres)
        DrukujWykres(drukarka, wybor[TfrmDrukWykres::Umiejscowienie], wybor[TfrmDrukWykres::Grubosc]);
    else if (DrukujTabele(drukarka) == 0)
        Komunikat(Tekst(TTekst::BladDrukarki), ObrazekStop, PrzyciskiOK, this);
}

void TfrmStatystyka1::DrukujWykres(QPagedPaintDevice& urzadzenie, int umiejscowienie, int grubosc) const
{
    TDaneWykresu dane = Chart1_->Dane();
    dane.Rozdzielczosc = RozdzielczosciWydruku[std::clamp(grubosc, 0, 3)];
    DrukujWykresNa(urzadzenie, dane, umiejscowienie);
}

TTabelaWydruku TfrmStatystyka1::TabelaWydruku() const
{
    TTabelaWydruku tabela;
    tabela.Naglowek1 = windowTitle() + QStringLiteral(" - ") + LiniaTytulu();
    tabela.Naglowek2 = LiniaPodtytulu();
    const TDaneWykresu& dane = Chart1_->Dane();
    for (int s = 0; s < dane.Serie.size(); ++s) {
        if (!dane.Serie[s].Widoczna)
            continue;
        TSeriaTabeli seria{NazwaSerii(s), {}, {}};
        for (const TPunktWykresu& p : dane.Serie[s].Punkty) {
            seria.Etykiety << p.Etykieta;
            seria.Wartosci << Wartosc(static_cast<int32_t>(p.Wartosc));
        }
        tabela.Serie.append(seria);
    }
    return tabela;
}

int TfrmStatystyka1::DrukujTabele(QPagedPaintDevice& urzadzenie) const
{
    return DrukujTabeleNa(urzadzenie, TabelaWydruku());
}

QString TfrmStatystyka1::TekstCsv() const
{
    QString tekst;
    for (int w = 0; w < Grid1_->rowCount(); ++w) {
        QStringList pola;
        for (int k = 0; k < Grid1_->columnCount(); ++k)
            pola << PoleCsv(Grid1_->TekstKomorki(w, k));
        // A statistic without a check list leaves the first cells empty: they name the rows here.
        if (!ListaWidoczna() && !pola.isEmpty())
            pola[0] = w == 0 ? PoleCsv(NazwaSerii(0)) : QString();
        tekst += pola.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    return tekst;
}

bool TfrmStatystyka1::EksportujCsv(const QString& plik) const
{
    // With a byte order mark spreadsheets read the Polish letters right.
    const std::string dane = "\xEF\xBB\xBF" + TekstCsv().toStdString();
    return ZapiszPlikAtomowo(plik.toStdString(), dane);
}

bool TfrmStatystyka1::EksportujPng(const QString& plik) const
{
    QImage obraz(Chart1_->size().expandedTo(QSize(320, 200)), QImage::Format_RGB32);
    QPainter malarz(&obraz);
    malarz.setFont(Chart1_->font());
    MalujWykres(malarz, QRectF(QPointF(0, 0), QSizeF(obraz.size())), Chart1_->Dane());
    malarz.end();
    return obraz.save(plik, "PNG");
}

void TfrmStatystyka1::EksportujCsvZWyborem()
{
    const QString plik = wyborPliku_(QStringLiteral("CSV (*.csv)"), otoczenie_.KatalogDane);
    if (!plik.isEmpty() &&
        !EksportujCsv(QFileInfo(plik).suffix().isEmpty() ? plik + QStringLiteral(".csv") : plik))
        Komunikat(Tekst(TTekst::BladZapisu), ObrazekStop, PrzyciskiOK, this);
}

void TfrmStatystyka1::EksportujPngZWyborem()
{
    const QString plik = wyborPliku_(QStringLiteral("PNG (*.png)"), otoczenie_.KatalogDane);
    if (!plik.isEmpty() &&
        !EksportujPng(QFileInfo(plik).suffix().isEmpty() ? plik + QStringLiteral(".png") : plik))
        Komunikat(Tekst(TTekst::BladZapisu), ObrazekStop, PrzyciskiOK, this);
}

void TfrmStatystyka1::closeEvent(QCloseEvent* zdarzenie)
{
    // A computing window is not destroyed: it goes out of the way, minimised.
    if (obliczanie_) {
        zdarzenie->ignore();
        if (auto* podokno = qobject_cast<QMdiSubWindow*>(parentWidget()))
            podokno->showMinimized();
        else
            showMinimized();
        return;
    }
    zdarzenie->accept();
}

} // namespace tarvomund
