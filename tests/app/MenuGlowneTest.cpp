#include "app/TAkcjeGlowne.h"
#include "app/TWlaczaniePolecen.h"
#include "app/TZakladkiPrzyciski.h"
#include "app/TfrmGlowne.h"
#include "app/TfrmNowy.h"
#include "model/PlikGry.h"
#include "model/TfrmNoweOkno.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LosowaniaTestowe.h"
#include "wspolne/SystemyTestowe.h"
#include "PomocnikiUI.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QWidgetAction>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using P = TPolecenie;
using testy::TKatalogTymczasowy;

// Every command a user can reach in the frame: the menu items (inside enabled submenus) and the
// buttons of the visible toolbars, each once. Submenus and drop-down buttons are walked, not run.
QList<QAction*> Polecenia(const TfrmGlowne& glowne)
{
    QList<QAction*> wynik;
    std::function<void(const QList<QAction*>&)> zbierz = [&](const QList<QAction*>& akcje) {
        for (QAction* akcja : akcje) {
            if (akcja->isSeparator() || !akcja->isVisible() || qobject_cast<QWidgetAction*>(akcja))
                continue;
            if (QMenu* menu = akcja->menu()) {
                if (akcja->isEnabled())
                    zbierz(menu->actions());
                continue;
            }
            if (!wynik.contains(akcja))
                wynik << akcja;
        }
    };
    zbierz(glowne.menuBar()->actions());
    for (const QToolBar* pasek : glowne.findChildren<QToolBar*>())
        if (pasek->isVisible())
            zbierz(pasek->actions());
    return wynik;
}

// Everything a command could change that a user sees: windows, their places, whether a system is
// saved, and the commands' states.
QString Stan(const TfrmGlowne& glowne)
{
    QStringList stan;
    for (const QWidget* okno : QApplication::topLevelWidgets())
        if (okno->isVisible())
            stan << QStringLiteral("okno ") + QString::fromLatin1(okno->metaObject()->className());
    for (const QMdiSubWindow* podokno : glowne.Obszar()->subWindowList(QMdiArea::CreationOrder)) {
        const QRect g = podokno->geometry();
        stan << QStringLiteral("%1 %2,%3 %4x%5 %6 %7")
                    .arg(podokno->windowTitle())
                    .arg(g.x())
                    .arg(g.y())
                    .arg(g.width())
                    .arg(g.height())
                    .arg(podokno->isMinimized())
                    .arg(podokno == glowne.Obszar()->activeSubWindow());
        if (const auto* system = qobject_cast<const TfrmNoweOkno*>(podokno->widget()))
            stan << QStringLiteral("zapisany %1").arg(system->Zapisany());
    }
    QString flagi;
    for (const QAction* akcja : glowne.findChildren<QAction*>()) {
        flagi += QLatin1Char(akcja->isEnabled() ? 'w' : '-');
        if (akcja->isChecked())
            flagi += QLatin1Char('v');
    }
    stan << flagi;
    return stan.join(QLatin1Char('\n'));
}

class MenuGlowneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directory(Dane());
        // A name with "&", which menus must show as it is.
        gra_ = testy::Gra649((Dane() / "lotto.pl2").string());
        gra_.Nazwa = "Duży & Mały";
        ASSERT_TRUE(UtworzPlikGry(gra_));
        TInfoGryRec info = TInfoGryRec::DlaGry(gra_);
        info.n = 24;
        info.k = 6;
        info.Metoda = 0;
        info.UstawWlasneDomyslne();
        std::vector<testy::TZakladTestowy> zaklady;
        for (int b = 1; b <= 16; ++b)
            zaklady.push_back({b, b + 1, b + 2, b + 3, b + 4, b + 5});
        ASSERT_TRUE(testy::ZapiszSystemTestowy(System().toStdString(), info, zaklady));
        glowne_ = std::make_unique<TfrmGlowne>(QString::fromStdString(katalog_.Sciezka().string()));
        glowne_->resize(1000, 700);
        glowne_->show();
    }

    fs::path Dane() const { return katalog_.Sciezka() / "Dane"; }
    QString System() const { return QString::fromStdString((katalog_.Sciezka() / "system.ss2").string()); }

    // Two unsaved system windows, the first active, both at odd places so that any arrangement
    // moves them; every other window goes.
    void DwaSystemy()
    {
        QList<TfrmNoweOkno*> systemy;
        for (QMdiSubWindow* podokno : glowne_->Obszar()->subWindowList(QMdiArea::CreationOrder)) {
            if (auto* system = qobject_cast<TfrmNoweOkno*>(podokno->widget()); system && systemy.size() < 2) {
                systemy << system;
                continue;
            }
            delete podokno;
        }
        while (systemy.size() < 2) {
            TfrmNoweOkno* system = glowne_->OtworzSystem(System());
            ASSERT_NE(system, nullptr);
            systemy << system;
        }
        for (int i = 0; i < 2; ++i) {
            if (systemy[i]->Zapisany())
                systemy[i]->ZmienWlasneLiczby(systemy[i]->Info().Wlasne);
            auto* podokno = qobject_cast<QMdiSubWindow*>(systemy[i]->parentWidget());
            podokno->showNormal();
            podokno->setGeometry(37 + 11 * i, 41 + 13 * i, 300, 320);
        }
        glowne_->Obszar()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(systemy[0]->parentWidget()));
        glowne_->OdswiezPolecenia();
    }

    void BezOkien()
    {
        for (QMdiSubWindow* podokno : glowne_->Obszar()->subWindowList()) {
            if (auto* dokument = dynamic_cast<TOknoDokumentu*>(podokno->widget()))
                dokument->PominPytanieOZamkniecie();
            podokno->close();
        }
        QCoreApplication::processEvents();
    }

    // Runs the command with every modal window it opens answered by Esc; true when anything visible
    // happened: a modal window, another top-level window, the document windows or the commands.
    bool CosSieDzieje(QAction* akcja)
    {
        for (QWidget* okno : QApplication::topLevelWidgets())
            if (okno != glowne_.get() && okno->isVisible() && !okno->isModal())
                okno->hide();
        const QString przed = Stan(*glowne_);
        int modalnych = 0;
        QTimer odpowiadacz;
        QObject::connect(&odpowiadacz, &QTimer::timeout, [&modalnych] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++modalnych;
                dialog->reject();
            }
        });
        odpowiadacz.start(5);
        akcja->trigger();
        odpowiadacz.stop();
        const bool zmiana = modalnych > 0 || Stan(*glowne_) != przed;
        // Whatever the command started ends before the next one runs.
        EXPECT_TRUE(testy::CzekajAz([this] {
            for (QMdiSubWindow* podokno : glowne_->Obszar()->subWindowList()) {
                const auto* system = qobject_cast<TfrmNoweOkno*>(podokno->widget());
                if (system && system->Pracuje())
                    return false;
            }
            return true;
        }));
        return zmiana;
    }

    TKatalogTymczasowy katalog_;
    TObGraLista gra_;
    std::unique_ptr<TfrmGlowne> glowne_;
};

TEST_F(MenuGlowneTest, ZadnePolecenieNieJestMartwe)
{
    // With no window there is nothing to arrange; everything else must do something.
    const std::set<P> bezOkienNicDoRoboty{P::Kaskada, P::Pionowo, P::Poziomo, P::ZmniejszWszystkie,
                                          P::ZamknijWszystkie};
    std::map<QAction*, P> polecenia;
    for (std::size_t i = 0; i < IlePolecen; ++i)
        polecenia[glowne_->Akcje().Akcja(static_cast<P>(i))] = static_cast<P>(i);
    const auto nazwa = [](const QAction* akcja) {
        return (akcja->text().isEmpty() ? akcja->toolTip() : akcja->text()).toStdString();
    };

    BezOkien();
    int sprawdzonych = 0;
    for (QAction* akcja : Polecenia(*glowne_)) {
        const auto p = polecenia.find(akcja);
        // "Koniec" ends the program; its questions are tested with the system window.
        if (!akcja->isEnabled() || (p != polecenia.end() && p->second == P::Koniec))
            continue;
        BezOkien();
        if (!akcja->isEnabled())
            continue;
        const bool dzieje = CosSieDzieje(akcja);
        if (!(p != polecenia.end() && bezOkienNicDoRoboty.count(p->second))) {
            EXPECT_TRUE(dzieje) << "bez okien: " << nazwa(akcja);
        }
        ++sprawdzonych;
    }
    EXPECT_GE(sprawdzonych, 5);

    DwaSystemy();
    sprawdzonych = 0;
    for (QAction* akcja : Polecenia(*glowne_)) {
        const auto p = polecenia.find(akcja);
        if (p != polecenia.end() && p->second == P::Koniec)
            continue;
        DwaSystemy();
        if (!akcja->isEnabled())
            continue;
        EXPECT_TRUE(CosSieDzieje(akcja)) << "z systemem: " << nazwa(akcja);
        ++sprawdzonych;
    }
    EXPECT_GE(sprawdzonych, 15);
    BezOkien();
}

TEST_F(MenuGlowneTest, PoleceniaBezOknaSaWylaczoneWszedzie)
{
    for (std::size_t i = 0; i < IlePolecen; ++i) {
        const auto p = static_cast<P>(i);
        for (TRodzajOkna rodzaj :
             {TRodzajOkna::Inne, TRodzajOkna::Kolekcja, TRodzajOkna::Biorytmy, TRodzajOkna::Rozklad,
              TRodzajOkna::Test, TRodzajOkna::Gwarancja, TRodzajOkna::Grupa, TRodzajOkna::RozliczenieGrupy,
              TRodzajOkna::Statystyka, TRodzajOkna::SystemLiczbowy, TRodzajOkna::SystemPilkarski}) {
            // Every flag of the window on: only the list can keep the command off.
            const TStanAktywnego stan{rodzaj, TStanFlag().set(), TStanFlag().set()};
            if (!PolecenieMaOkno(p, rodzaj)) {
                EXPECT_FALSE(WlaczonePolecenia(&stan).test(i)) << i << " " << static_cast<int>(rodzaj);
            }
        }
    }
    // Printing has its window for the guarantee, not yet for a number system.
    const TStanAktywnego gwarancja{TRodzajOkna::Gwarancja, {}, {}};
    EXPECT_EQ(WlaczonePolecenia(&gwarancja).test(static_cast<std::size_t>(P::Drukuj)),
              PolecenieMaOkno(P::Drukuj, TRodzajOkna::Gwarancja));
    EXPECT_TRUE(PolecenieMaOkno(P::Drukuj, TRodzajOkna::Gwarancja));

    // The New dialog offers only the choices that have their windows.
    TfrmNowy* nowy = nullptr;
    testy::TOdpowiedzi odpowiedzi({[&nowy](QWidget* w) {
        nowy = qobject_cast<TfrmNowy*>(w);
        ASSERT_NE(nowy, nullptr);
        const std::pair<TfrmNowy::TZakladka, P> wybory[] = {
            {TfrmNowy::TZakladka::NowaGra, P::NowaGra},
            {TfrmNowy::TZakladka::SystemyPilkarskie, P::NowySystemPilkarski},
            {TfrmNowy::TZakladka::GrupaGraczy, P::NowaGrupa},
        };
        for (const auto& [zakladka, polecenie] : wybory)
            EXPECT_EQ(nowy->Zakladki()->Dostepna(static_cast<int>(zakladka)),
                      PolecenieMaOkno(polecenie, TRodzajOkna::Inne));
        EXPECT_TRUE(nowy->Zakladki()->Dostepna(static_cast<int>(TfrmNowy::TZakladka::SystemyLiczbowe)));
        // The tab it opens on can be used.
        EXPECT_TRUE(nowy->Zakladki()->Dostepna(nowy->Zakladki()->Biezaca()));
        nowy->reject();
    }});
    glowne_->Akcje().Akcja(P::Nowy)->trigger();
    EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
}

TEST_F(MenuGlowneTest, SkrotyLiterNiePowtarzajaSie)
{
    // A window titled with the game's "&" shows in the window list as it is.
    ASSERT_NE(glowne_->OtworzSystem(System()), nullptr);
    emit glowne_->Akcje().MenuOkienka()->aboutToShow();

    const auto sprawdz = [](const QString& gdzie, const QList<QAction*>& akcje) {
        std::map<QString, QString> litery;
        for (const QAction* akcja : akcje) {
            if (akcja->isSeparator() || !akcja->isVisible())
                continue;
            const QKeySequence skrot = QKeySequence::mnemonic(akcja->text());
            if (skrot.isEmpty())
                continue;
            const QString litera = skrot.toString().toLower();
            const auto [gdzieIndziej, nowa] = litery.emplace(litera, akcja->text());
            EXPECT_TRUE(nowa) << gdzie.toStdString() << ": " << akcja->text().toStdString() << " i "
                              << gdzieIndziej->second.toStdString();
        }
    };
    sprawdz(QStringLiteral("pasek menu"), glowne_->menuBar()->actions());
    int menu = 0;
    std::function<void(const QMenu*)> przejdz = [&](const QMenu* m) {
        ++menu;
        sprawdz(m->title(), m->actions());
        for (const QAction* akcja : m->actions())
            if (akcja->menu())
                przejdz(akcja->menu());
    };
    for (const QAction* akcja : glowne_->menuBar()->actions())
        if (akcja->menu())
            przejdz(akcja->menu());
    EXPECT_GE(menu, 9);

    // Names from the catalogue and window titles keep their "&" and mark no letter.
    const QList<QAction*> gry = glowne_->Akcje().MenuSzukajLosowan()->actions();
    ASSERT_EQ(gry.size(), 1);
    EXPECT_EQ(gry[0]->text(), QStringLiteral("Duży && Mały"));
    EXPECT_TRUE(QKeySequence::mnemonic(gry[0]->text()).isEmpty());
    bool oknoNaLiscie = false;
    for (const QAction* akcja : glowne_->Akcje().MenuOkienka()->actions())
        if (akcja->text() == QStringLiteral("<1>Duży && Mały 6/24/16"))
            oknoNaLiscie = QKeySequence::mnemonic(akcja->text()).isEmpty();
    EXPECT_TRUE(oknoNaLiscie);
}

} // namespace
} // namespace tarvomund
