#include "app/TAkcjeGlowne.h"

#include "app/Ikony.h"
#include "app/TekstyUI.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <utility>
#include <variant>
#include <vector>

namespace tarvomund {

namespace {

struct TSeparator {};
struct TFiltr {};
struct TPodmenu {
    TPolecenie Polecenie;
};
using TPozycja = std::variant<TPolecenie, TSeparator, TFiltr, TPodmenu>;

struct TMenuDef {
    std::vector<TPozycja> Pozycje;
};

// The menu tree in the order of the menu-caption run of the text table: every menu title and
// every item (separators included) takes the next caption.
std::vector<TMenuDef> DrzewoMenu()
{
    using P = TPolecenie;
    std::vector<TPozycja> filtry(IleFiltrow, TFiltr{});
    return {
        {{P::Nowy, P::Wczytaj, P::Zapisz, P::ZapiszJako, TSeparator{}, P::Drukuj, P::Drukarka, TSeparator{},
          P::Ustawienia, TSeparator{}, P::Koniec}},
        {{P::ParametrySystemu, P::WlasneLiczby}},
        {{P::Start, P::Stop, P::TestSystemu, P::Gwarancja, P::Rozklad, P::WlasneLubSystemowe, P::SumujSystemy}},
        {filtry},
        {{TPodmenu{P::SzukajLosowan}, TPodmenu{P::SzukajLiczb}, P::SzukajWSystemie}},
        {{P::StatStop, P::StatParametry, P::StatSiatka, P::StatLiniowy, P::StatSchodkowy, P::Stat3D, P::StatTabliczki,
          P::StatTabliczkiWartosc, P::StatSortujWartosc, P::StatSortujNaturalnie, P::StatDoKolekcji, P::StatPowieksz,
          P::StatPomniejsz}},
        {{P::Losowania, P::Kolekcja, P::Biorytmy, P::EdytorBlankietow, P::ZmianaParametrowGry}},
        {{P::Kaskada, P::Pionowo, P::Poziomo, TSeparator{}, P::ZmniejszWszystkie, P::ZamknijWszystkie}},
        {{P::IndeksPomocy, TSeparator{}, P::OProgramie}},
    };
}

enum IndeksMenu { MenuPliki, MenuParametry, MenuZadania, MenuFiltry, MenuSzukaj, MenuStatystyka, MenuNarzedzia,
                  MenuOkienka, MenuPomoc };

// Hints of the buttons, read as runs: the top toolbar, the system strip and the statistics strip.
struct TPodpowiedz {
    TPolecenie Polecenie;
    TTekst Tekst;
};

std::vector<TPodpowiedz> Podpowiedzi()
{
    using P = TPolecenie;
    std::vector<TPodpowiedz> lista{
        {P::Nowy, TTekst::PodpNarzNowy},          {P::Wczytaj, TTekst::PodpNarzOtworz},
        {P::Zapisz, TTekst::PodpNarzZapisz},      {P::Drukuj, TTekst::PodpNarzDrukuj},
        {P::SzukajWSystemie, TTekst::PodpNarzSzukajWSystemie},
        {P::SzukajLosowan, TTekst::PodpNarzSzukajLosowan}, {P::SzukajLiczb, TTekst::PodpNarzSzukajLiczb},
        {P::Kolekcja, TTekst::PodpNarzKolekcja},  {P::Biorytmy, TTekst::PodpNarzBiorytmy},
        {P::Koniec, TTekst::PodpNarzKoniec},      {P::PomocKontekstowa, TTekst::PodpNarzPomoc},
    };
    const P pasekSystemu[] = {P::Start,       P::Stop,      P::ParametrySystemu, P::WlasneLiczby,
                              P::TestSystemu, P::Gwarancja, P::Rozklad,          P::SumujSystemy};
    for (int i = 0; i < 8; ++i)
        lista.push_back({pasekSystemu[i], WRunie(TTekst::PodpSysStart, i)});
    // The statistics strip's first hint belongs to a start button that has no menu item.
    for (int i = 0; i < static_cast<int>(IlePozycjiStatystyki); ++i)
        lista.push_back({static_cast<P>(static_cast<std::size_t>(P::StatStop) + static_cast<std::size_t>(i)),
                         WRunie(TTekst::PodpStatStart, i + 1)});
    return lista;
}

} // namespace

QString BezSkrotu(QString tekst)
{
    return tekst.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

TAkcjeGlowne::TAkcjeGlowne(QMainWindow* okno) : QObject(okno)
{
    for (std::size_t i = 0; i < IlePolecen; ++i) {
        auto* akcja = new QAction(okno);
        akcja->setIcon(IkonaPolecenia(static_cast<TPolecenie>(i)));
        akcje_[i] = akcja;
    }
    ZbudujMenu(okno);
    for (const TPodpowiedz& p : Podpowiedzi()) {
        Akcja(p.Polecenie)->setToolTip(Tekst(p.Tekst));
        Akcja(p.Polecenie)->setStatusTip(Tekst(p.Tekst));
    }
    Akcja(TPolecenie::WlasneLubSystemowe)->setCheckable(true);
    Akcja(TPolecenie::PomocKontekstowa)->setText(Tekst(TTekst::PodpNarzPomoc));
    const QString podpowiedzOptymalizacji = QStringLiteral("Optymalizacja systemu: mniej zakładów, ta sama gwarancja");
    Akcja(TPolecenie::OptymalizujSystem)->setToolTip(podpowiedzOptymalizacji);
    Akcja(TPolecenie::OptymalizujSystem)->setStatusTip(podpowiedzOptymalizacji);
    Akcja(TPolecenie::PomocKontekstowa)->setShortcut(QKeySequence::HelpContents);

    filtryPrzycisk_ = new QAction(IkonaPolecenia(TPolecenie::Filtry), Tekst(TTekst::PodpNarzFiltry), okno);
    filtryPrzycisk_->setStatusTip(Tekst(TTekst::PodpNarzFiltry));
    connect(filtryPrzycisk_, &QAction::triggered, this, [this] { emit WybranoFiltr(-1); });

    przyciskStatystyki_ = PrzyciskZMenu(okno, TPolecenie::StatLiniowy, TTekst::PodpNarzStatystyka, menuStatystykiGier_);
    // The statistics button carries the enabling of the per-game statistics entries.
    delete std::exchange(akcje_[static_cast<std::size_t>(TPolecenie::Statystyka)], przyciskStatystyki_);
    przyciskLosowan_ = PrzyciskZMenu(okno, TPolecenie::SzukajLosowan, TTekst::PodpNarzSzukajLosowan, menuPrzyciskuLosowan_);
    przyciskLiczb_ = PrzyciskZMenu(okno, TPolecenie::SzukajLiczb, TTekst::PodpNarzSzukajLiczb, menuPrzyciskuLiczb_);
}

QAction* TAkcjeGlowne::PrzyciskZMenu(QMainWindow* okno, TPolecenie ikona, TTekst podpowiedz, QMenu*& menu)
{
    menu = new QMenu(okno);
    auto* przycisk = new QAction(IkonaPolecenia(ikona), Tekst(podpowiedz), okno);
    przycisk->setStatusTip(Tekst(podpowiedz));
    przycisk->setMenu(menu);
    return przycisk;
}

void TAkcjeGlowne::ZbudujMenu(QMainWindow* okno)
{
    int podpis = 0;
    auto nastepny = [&podpis] { return Tekst(TTekst::MenuPliki, podpis++); };
    int tagFiltra = 0;
    const std::vector<TMenuDef> drzewo = DrzewoMenu();
    for (std::size_t m = 0; m < drzewo.size(); ++m) {
        QMenu* menu = okno->menuBar()->addMenu(nastepny());
        for (const TPozycja& pozycja : drzewo[m].Pozycje) {
            const QString tekst = nastepny();
            if (std::holds_alternative<TSeparator>(pozycja)) {
                menu->addSeparator();
            } else if (std::holds_alternative<TFiltr>(pozycja)) {
                const int tag = tagFiltra++;
                QAction* filtr = menu->addAction(tekst);
                filtr->setData(tag);
                filtry_[static_cast<std::size_t>(tag)] = filtr;
                connect(filtr, &QAction::triggered, this, [this, tag] { emit WybranoFiltr(tag); });
            } else if (const auto* podmenu = std::get_if<TPodmenu>(&pozycja)) {
                QMenu* lista = menu->addMenu(tekst);
                // The submenu's own action carries the enabling of the command.
                akcje_[static_cast<std::size_t>(podmenu->Polecenie)] = lista->menuAction();
                (podmenu->Polecenie == TPolecenie::SzukajLosowan ? menuSzukajLosowan_ : menuSzukajLiczb_) = lista;
            } else {
                QAction* akcja = Akcja(std::get<TPolecenie>(pozycja));
                akcja->setText(tekst);
                menu->addAction(akcja);
            }
        }
        if (m == IndeksMenu::MenuPliki) {
            menuPliki_ = menu;
        } else if (m == IndeksMenu::MenuZadania) {
            // The optimiser has no caption in the text table; it stands right after the guarantee.
            QAction* optymalizuj = Akcja(TPolecenie::OptymalizujSystem);
            optymalizuj->setText(QStringLiteral("Optymalizuj system"));
            const QList<QAction*> pozycje = menu->actions();
            const auto gwarancja = pozycje.indexOf(Akcja(TPolecenie::Gwarancja));
            if (gwarancja >= 0 && gwarancja + 1 < pozycje.size())
                menu->insertAction(pozycje[gwarancja + 1], optymalizuj);
            else
                menu->addAction(optymalizuj);
        } else if (m == IndeksMenu::MenuSzukaj) {
            // The given-numbers search has no caption in the text table.
            menuSzukajZadanych_ = menu->addMenu(QStringLiteral("Szukaj zadanych liczb w bazie"));
            akcje_[static_cast<std::size_t>(TPolecenie::SzukajZadanych)] = menuSzukajZadanych_->menuAction();
        } else if (m == IndeksMenu::MenuStatystyka) {
            menu->addSeparator();
            menuStatystyka_ = menu;
        } else if (m == IndeksMenu::MenuOkienka) {
            menuOkienka_ = menu;
        }
    }
}

QAction* TAkcjeGlowne::WpisGry(QMenu* menu, TPolecenieGry polecenie, const TObGraLista& gra, int indeks)
{
    QAction* wpis = menu->addAction(BezSkrotu(QString::fromStdString(gra.Nazwa)));
    wpis->setData(indeks);
    connect(wpis, &QAction::triggered, this, [this, polecenie, indeks] { emit WybranoGre(polecenie, indeks); });
    wpisyGier_.push_back(wpis);
    return wpis;
}

void TAkcjeGlowne::DodajGry(const TKatalogGier& katalog)
{
    for (std::size_t i = 0; i < katalog.Ile(); ++i) {
        const TObGraLista& gra = katalog.Gra(i);
        if (!gra.CzyLiczbowa())
            continue;
        const int indeks = static_cast<int>(i);
        WpisGry(menuSzukajLosowan_, TPolecenieGry::SzukajLosowan, gra, indeks);
        WpisGry(menuSzukajLiczb_, TPolecenieGry::SzukajLiczb, gra, indeks);
        wpisyStatystyki_.push_back(WpisGry(menuStatystyka_, TPolecenieGry::Statystyka, gra, indeks));
        WpisGry(menuStatystykiGier_, TPolecenieGry::Statystyka, gra, indeks);
        WpisGry(menuPrzyciskuLosowan_, TPolecenieGry::SzukajLosowan, gra, indeks);
        WpisGry(menuPrzyciskuLiczb_, TPolecenieGry::SzukajLiczb, gra, indeks);
        WpisGry(menuSzukajZadanych_, TPolecenieGry::SzukajZadanych, gra, indeks);
    }
}

void TAkcjeGlowne::UsunGry()
{
    for (QAction* wpis : wpisyGier_)
        delete wpis;
    wpisyGier_.clear();
    wpisyStatystyki_.clear();
}

void TAkcjeGlowne::Zastosuj(const TWlaczone& wlaczone)
{
    for (std::size_t i = 0; i < IlePolecen; ++i)
        akcje_[i]->setEnabled(wlaczone.test(i));
    const bool filtry = wlaczone.test(static_cast<std::size_t>(TPolecenie::Filtry));
    for (QAction* filtr : filtry_)
        filtr->setEnabled(filtry);
    filtryPrzycisk_->setEnabled(filtry);
    for (QAction* wpis : wpisyStatystyki_)
        wpis->setEnabled(wlaczone.test(static_cast<std::size_t>(TPolecenie::Statystyka)));
    przyciskLosowan_->setEnabled(wlaczone.test(static_cast<std::size_t>(TPolecenie::SzukajLosowan)));
    przyciskLiczb_->setEnabled(wlaczone.test(static_cast<std::size_t>(TPolecenie::SzukajLiczb)));
}

} // namespace tarvomund
