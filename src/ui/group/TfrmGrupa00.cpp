#include "group/TfrmGrupa00.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "group/PomocnikiGrupy.h"
#include "group/TekstyGrupy.h"
#include "group/TfrmGrupa01.h"
#include "group/TfrmGrupa03.h"
#include "group/TfrmGrupa04.h"
#include "group/TfrmGrupa07.h"
#include "model/PlikiTymczasowe.h"
#include "model/Wspolne.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tarvomund {

namespace {

namespace fs = std::filesystem;

enum Kolumna { KolLp, KolData, KolNazwaGry, KolKoszty, KolWygrana, KolBilans };
constexpr int SzerokosciKolumn[] = {45, 110, 210, 105, 105, 105};

bool TenSamPlik(const QString& a, const QString& b)
{
    std::error_code blad;
    return fs::equivalent(a.toStdString(), b.toStdString(), blad) && !blad;
}

QToolButton* Przycisk(QWidget* rodzic, const char* nazwa, const QString& tekst)
{
    auto* przycisk = new QToolButton(rodzic);
    przycisk->setObjectName(QLatin1String(nazwa));
    przycisk->setText(tekst);
    przycisk->setToolTip(tekst);
    przycisk->setToolButtonStyle(Qt::ToolButtonTextOnly);
    przycisk->setAutoRaise(false);
    return przycisk;
}

} // namespace

TfrmGrupa00::TfrmGrupa00(const TKatalogGier& listaGier, const QString& katalogDane, QWidget* parent)
    : QWidget(parent), listaGier_(listaGier), katalogDane_(katalogDane), Grid1_(new QTableWidget(this)),
      Sumy_(new QTableWidget(this)), btnDodaj_(Przycisk(this, "btnDodaj", Tekst(TTekst::Dodaj))),
      btnUsun_(Przycisk(this, "btnUsun", Tekst(TTekst::Usun))),
      btnPopraw_(Przycisk(this, "btnPopraw", Tekst(TTekst::Popraw))),
      btnUczestnicy_(Przycisk(this, "btnUczestnicy", Tekst(TTekst::UczestnicyGrupy)))
{
    UstawKontekstPomocy(this, KontekstPomocy);
    Grid1_->setObjectName(QStringLiteral("Grid1"));
    Sumy_->setObjectName(QStringLiteral("Sumy"));
    UstawSiatkeGrupy(Grid1_, {Tekst(TTekst::LP), Tekst(TTekst::Data), Tekst(TTekst::NazwaGry2), Tekst(TTekst::Koszty),
                              Tekst(TTekst::Wygrana), Tekst(TTekst::Bilans)});
    for (int k = 0; k < Grid1_->columnCount(); ++k)
        Grid1_->setColumnWidth(k, SzerokosciKolumn[k]);
    UstawSumyPodSiatka(Sumy_, Grid1_);

    auto* menu = new QMenu(btnUczestnicy_);
    menu->setObjectName(QStringLiteral("menuUczestnicy"));
    connect(menu->addAction(Tekst(TTekst::ListaUczestnikowWGrze)), &QAction::triggered, this,
            &TfrmGrupa00::ListaUczestnikow);
    connect(menu->addAction(Tekst(TTekst::RozliczenieWszystkichGrajacych)), &QAction::triggered, this,
            &TfrmGrupa00::RozliczWszystkich);
    connect(menu->addAction(Tekst(TTekst::RozliczenieWyznaczonegoGracza)), &QAction::triggered, this,
            &TfrmGrupa00::RozliczGracza);
    btnUczestnicy_->setMenu(menu);
    btnUczestnicy_->setPopupMode(QToolButton::InstantPopup);

    auto* przyciski = new QHBoxLayout;
    przyciski->setContentsMargins(4, 4, 4, 4);
    for (QToolButton* przycisk : {btnDodaj_, btnUsun_, btnPopraw_, btnUczestnicy_})
        przyciski->addWidget(przycisk);
    przyciski->addStretch();
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addLayout(przyciski);
    uklad->addWidget(Grid1_, 1);
    uklad->addWidget(Sumy_);

    connect(btnDodaj_, &QToolButton::clicked, this, &TfrmGrupa00::Dodaj);
    connect(btnUsun_, &QToolButton::clicked, this, &TfrmGrupa00::Usun);
    connect(btnPopraw_, &QToolButton::clicked, this, &TfrmGrupa00::Popraw);
    connect(Grid1_, &QTableWidget::cellDoubleClicked, this, [this](int wiersz) {
        if (wiersz < iloscGier_)
            Popraw();
    });
    UstawTytul();
}

QSize TfrmGrupa00::sizeHint() const
{
    int szerokosc = 2 * Grid1_->frameWidth() + 20;
    for (int k = 0; k < Grid1_->columnCount(); ++k)
        szerokosc += Grid1_->columnWidth(k);
    return {szerokosc, 440};
}

bool TfrmGrupa00::UtworzNowa(int32_t numer)
{
    plikGrupy_ = QString::fromStdString(PlikTymczasowy(katalogDane_.toStdString(), numer));
    nowa_ = true;
    zapisana_ = false;
    if (UtworzGrupe(plikGrupy_.toStdString()) != TBladGrupy::Brak) {
        BladZapisuGrupy(this, plikGrupy_);
        return false;
    }
    UstawTytul();
    return Pokaz();
}

bool TfrmGrupa00::Otworz(const QString& plik)
{
    plikGrupy_ = plik;
    nowa_ = false;
    zapisana_ = true;
    UstawTytul();
    return Pokaz();
}

void TfrmGrupa00::UstawTytul()
{
    QString tytul = Tekst(TTekst::RozliczenieGryGrupowej);
    // A group with a name says which file it is; a new one has none yet.
    if (!nowa_ && !plikGrupy_.isEmpty())
        tytul += QStringLiteral(" - ") + QFileInfo(plikGrupy_).fileName();
    setWindowTitle(tytul);
}

std::optional<TGrupa> TfrmGrupa00::Czytaj()
{
    std::optional<TGrupa> grupa = CzytajGrupe(plikGrupy_.toStdString());
    if (!grupa)
        BladOdczytuGrupy(this, plikGrupy_);
    return grupa;
}

bool TfrmGrupa00::Pokaz()
{
    const std::optional<TGrupa> grupa = Czytaj();
    if (!grupa)
        return false;
    naglowek_ = grupa->Naglowek;
    iloscGier_ = static_cast<int>(grupa->Gry.size());
    const int wybrany = Grid1_->currentRow();
    const TTabelaGrupy tabela = TabelaListyGier(*grupa);
    WypelnijSiatkeGrupy(Grid1_, tabela.Wiersze, KolKoszty, PusteWiersze);
    const int kolumnySum[] = {KolKoszty, KolWygrana, KolBilans};
    for (std::size_t i = 0; i < tabela.Sumy.size(); ++i) {
        auto* suma = new QTableWidgetItem(QString::fromStdString(tabela.Sumy[i]));
        suma->setTextAlignment(Qt::AlignVCenter | Qt::AlignRight);
        Sumy_->setItem(0, kolumnySum[i], suma);
    }
    wydruk_ = NaQt(WydrukListyGier(windowTitle().toStdString(), tabela));
    const bool saGry = iloscGier_ > 0;
    if (saGry)
        Grid1_->selectRow(std::clamp(wybrany, 0, iloscGier_ - 1));
    for (QToolButton* przycisk : {btnUsun_, btnPopraw_, btnUczestnicy_})
        przycisk->setEnabled(saGry);
    return true;
}

int TfrmGrupa00::WybranaGra() const
{
    const int wiersz = Grid1_->currentRow();
    return wiersz >= 0 && wiersz < iloscGier_ ? wiersz : -1;
}

void TfrmGrupa00::PokazBlad(TBladGrupy blad)
{
    if (blad == TBladGrupy::BladZapisu)
        BladZapisuGrupy(this, plikGrupy_);
    else
        BladOdczytuGrupy(this, plikGrupy_);
}

bool TfrmGrupa00::PoZmianie(TBladGrupy blad)
{
    if (blad != TBladGrupy::Brak)
        PokazBlad(blad);
    // Whatever happened, the window shows what the file now holds.
    return Pokaz() && blad == TBladGrupy::Brak;
}

void TfrmGrupa00::Dodaj()
{
    TfrmGrupa03 dialog(listaGier_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (PoZmianie(DodajGre(plikGrupy_.toStdString(), dialog.Data(), dialog.NazwaGry(), dialog.Koszt(),
                           dialog.Wygrana())))
        Grid1_->selectRow(iloscGier_ - 1);
}

std::optional<TGrupa> TfrmGrupa00::CzytajDlaWybranej(std::size_t& gra)
{
    const int wybrana = WybranaGra();
    if (wybrana < 0)
        return std::nullopt;
    std::optional<TGrupa> grupa = Czytaj();
    gra = static_cast<std::size_t>(wybrana);
    if (grupa && gra >= grupa->Gry.size())
        return std::nullopt;
    return grupa;
}

void TfrmGrupa00::Popraw()
{
    std::size_t gra = 0;
    const std::optional<TGrupa> grupa = CzytajDlaWybranej(gra);
    if (!grupa)
        return;
    TfrmGrupa03 dialog(listaGier_, this);
    dialog.Ustaw(grupa->Gry[gra]);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PoZmianie(PoprawGre(plikGrupy_.toStdString(), gra, dialog.Data(), dialog.NazwaGry(), dialog.Koszt(),
                        dialog.Wygrana()));
}

void TfrmGrupa00::Usun()
{
    const int gra = WybranaGra();
    if (gra < 0)
        return;
    if (Komunikat(Tekst(TTekst::CzyChceszUsunacZaznaczonaPozycje), ObrazekPytanie, PrzyciskiTakNie, this) !=
        KomunikatTak)
        return;
    PoZmianie(UsunGre(plikGrupy_.toStdString(), static_cast<std::size_t>(gra)));
}

void TfrmGrupa00::ListaUczestnikow()
{
    std::size_t gra = 0;
    const std::optional<TGrupa> grupa = CzytajDlaWybranej(gra);
    if (!grupa)
        return;
    TfrmGrupa04 dialog(grupa->Naglowek, grupa->Gry[gra], this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PoZmianie(ZapiszUczestnikow(plikGrupy_.toStdString(), dialog.Naglowek(), gra, dialog.Gra()));
}

void TfrmGrupa00::OtworzRozliczenie(TfrmGrupa01* okno)
{
    if (dodajOkno_) {
        dodajOkno_(okno);
        return;
    }
    okno->setAttribute(Qt::WA_DeleteOnClose);
    okno->show();
}

void TfrmGrupa00::RozliczWszystkich()
{
    const std::optional<TGrupa> grupa = Czytaj();
    if (!grupa)
        return;
    OtworzRozliczenie(new TfrmGrupa01(Tekst(TTekst::RozliczenieWszystkichGrajacych), *grupa, std::nullopt));
}

void TfrmGrupa00::RozliczGracza()
{
    const std::optional<TGrupa> grupa = Czytaj();
    if (!grupa || grupa->Naglowek.ZajeteMiejsca().empty())
        return;
    TfrmGrupa07 dialog(grupa->Naglowek, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    OtworzRozliczenie(new TfrmGrupa01(Tekst(TTekst::RozliczenieWyznaczonegoGracza), *grupa, dialog.Miejsce()));
}

QString TfrmGrupa00::WybierzPlik(const QString& proponowany)
{
    QFileDialog dialog(this, QString(), katalogDane_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QLatin1String(RozszerzenieGrupy));
    dialog.setNameFilter(Tekst(TTekst::Grupy) + QStringLiteral(" (*.") + QLatin1String(RozszerzenieGrupy) +
                         QLatin1Char(')'));
    // The window asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!proponowany.isEmpty())
        dialog.selectFile(proponowany);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool TfrmGrupa00::ZapytajONadpisanie(const QString& plik)
{
    if (!QFileInfo::exists(plik) || TenSamPlik(plik, plikGrupy_))
        return true;
    return Komunikat(Tekst(TTekst::TakiPlikJuzIstniejeCzyChceszGoNadpisac), ObrazekPytanie, PrzyciskiTakNie, this) ==
           KomunikatTak;
}

void TfrmGrupa00::Zapisz()
{
    // A group with a name has every change in its file already.
    if (!nowa_)
        return;
    const QString plik = WybierzPlik(QString());
    if (!plik.isEmpty())
        ZapiszDo(plik);
}

void TfrmGrupa00::ZapiszJako()
{
    const QString plik = WybierzPlik(ostatniaNazwa_);
    if (!plik.isEmpty())
        ZapiszJakoDo(plik);
}

void TfrmGrupa00::ZapiszDo(const QString& plik)
{
    if (!nowa_ || plik.isEmpty() || !ZapytajONadpisanie(plik))
        return;
    // The temporary file moves to the name; renaming replaces an existing file in one step, so the
    // old one is not lost when the move fails.
    std::error_code blad;
    fs::rename(plikGrupy_.toStdString(), plik.toStdString(), blad);
    if (blad) {
        // Another file system: a complete copy first, then the temporary file goes.
        if (!KopiujPlik(plikGrupy_.toStdString(), plik.toStdString())) {
            BladZapisuGrupy(this, plik);
            return;
        }
        fs::remove(plikGrupy_.toStdString(), blad);
    }
    plikGrupy_ = plik;
    nowa_ = false;
    zapisana_ = true;
    ostatniaNazwa_ = plik;
    UstawTytul();
    Pokaz();
}

void TfrmGrupa00::ZapiszJakoDo(const QString& plik)
{
    if (plik.isEmpty())
        return;
    // A new group's copy would be left behind by every later change, which would then live only
    // in the temporary file: the group moves to the name instead, as with Save.
    if (nowa_) {
        ZapiszDo(plik);
        return;
    }
    if (!ZapytajONadpisanie(plik))
        return;
    // The copy replaces an existing file only once it is complete; saving onto the group's own
    // file leaves it as it is.
    if (!TenSamPlik(plik, plikGrupy_) && !KopiujPlik(plikGrupy_.toStdString(), plik.toStdString())) {
        BladZapisuGrupy(this, plik);
        return;
    }
    ostatniaNazwa_ = plik;
    zapisana_ = true;
}

QStringList TfrmGrupa00::WierszeWydruku() const
{
    return wydruk_;
}

int TfrmGrupa00::DrukujNa(QPagedPaintDevice& urzadzenie) const
{
    return DrukujTekstGrupyNa(urzadzenie, wydruk_);
}

void TfrmGrupa00::Drukuj()
{
    DrukujTekstGrupy(this, wydruk_);
}

void TfrmGrupa00::closeEvent(QCloseEvent* zdarzenie)
{
    if (zapisana_ || Komunikat(Tekst(TTekst::GrupaNieZostalaZapisanaCzyChceszZamknnacGrupe), ObrazekPytanie,
                               PrzyciskiTakNie, this) == KomunikatTak) {
        zdarzenie->accept();
        return;
    }
    zdarzenie->ignore();
}

} // namespace tarvomund
