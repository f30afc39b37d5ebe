#include "app/TOstatnioOtwierane.h"
#include "app/Ustawienia.h"

#include "wspolne/KatalogTymczasowy.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

using testy::TKatalogTymczasowy;

// Each test keeps its list in a store of its own.
class TOstatnioOtwieraneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        poprzedni_ = QFileInfo(PlikUstawien()).absolutePath();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Sciezka(""));
    }
    void TearDown() override { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, poprzedni_); }

    QString Sciezka(const char* nazwa) const
    {
        return QString::fromStdString((katalog_.Sciezka() / nazwa).string());
    }
    static QStringList Wpisy(const QMenu& menu)
    {
        QStringList teksty;
        for (const QAction* akcja : menu.actions())
            teksty << (akcja->isSeparator() ? QStringLiteral("-") : akcja->text());
        return teksty;
    }

    TKatalogTymczasowy katalog_;
    QString poprzedni_;
};

TEST_F(TOstatnioOtwieraneTest, NajnowszePierwszeNajwyzejOsiemWUstawieniach)
{
    QMenu menu;
    TOstatnioOtwierane ostatnie(&menu);
    EXPECT_TRUE(ostatnie.Pliki().isEmpty());
    EXPECT_FALSE(menu.menuAction()->isEnabled());

    QStringList oczekiwane;
    for (int i = 1; i <= 9; ++i) {
        const QString plik = Sciezka("s") + QString::number(i) + QStringLiteral(".ss2");
        ostatnie.Dodaj(plik);
        oczekiwane.prepend(plik);
    }
    oczekiwane.removeLast(); // the first one dropped off the end
    EXPECT_EQ(ostatnie.Pliki(), oczekiwane);

    // Opening a listed file again moves it to the top, also when named another way.
    ostatnie.Dodaj(Sciezka("podkatalog/../s3.ss2"));
    oczekiwane.removeAll(Sciezka("s3.ss2"));
    oczekiwane.prepend(Sciezka("s3.ss2"));
    EXPECT_EQ(ostatnie.Pliki(), oczekiwane);
    EXPECT_TRUE(menu.menuAction()->isEnabled());

    const QStringList wpisy = Wpisy(menu);
    ASSERT_EQ(wpisy.size(), 10);
    EXPECT_EQ(wpisy[0], QStringLiteral("&1 ") + Sciezka("s3.ss2"));
    EXPECT_EQ(wpisy[7], QStringLiteral("&8 ") + Sciezka("s2.ss2"));
    EXPECT_EQ(wpisy[8], QStringLiteral("-"));
    EXPECT_EQ(wpisy[9], QStringLiteral("Wyczyść listę"));

    // The next start finds the same list in the settings.
    EXPECT_EQ(CzytajOstatnioOtwierane(), oczekiwane);
    QMenu drugieMenu;
    TOstatnioOtwierane poStarcie(&drugieMenu);
    EXPECT_EQ(poStarcie.Pliki(), oczekiwane);
}

TEST_F(TOstatnioOtwieraneTest, WyborUsuwanieICzyszczenie)
{
    QMenu menu;
    TOstatnioOtwierane ostatnie(&menu);
    ostatnie.Dodaj(Sciezka("a.ss2"));
    ostatnie.Dodaj(Sciezka("b.k22"));

    QStringList wybrane;
    QObject::connect(&ostatnie, &TOstatnioOtwierane::Wybrano,
                     [&wybrane](const QString& plik) { wybrane << plik; });
    menu.actions()[1]->trigger();
    EXPECT_EQ(wybrane, QStringList{Sciezka("a.ss2")});

    // Opening is off (a busy window): the submenu follows it even with entries.
    ostatnie.UstawDostepnosc(false);
    EXPECT_FALSE(menu.menuAction()->isEnabled());
    ostatnie.UstawDostepnosc(true);
    EXPECT_TRUE(menu.menuAction()->isEnabled());

    ostatnie.Usun(Sciezka("b.k22"));
    EXPECT_EQ(ostatnie.Pliki(), QStringList{Sciezka("a.ss2")});
    EXPECT_EQ(CzytajOstatnioOtwierane(), QStringList{Sciezka("a.ss2")});

    menu.actions().last()->trigger(); // "Wyczyść listę"
    EXPECT_TRUE(ostatnie.Pliki().isEmpty());
    EXPECT_TRUE(CzytajOstatnioOtwierane().isEmpty());
    EXPECT_FALSE(menu.menuAction()->isEnabled());
}

TEST_F(TOstatnioOtwieraneTest, UszkodzoneUstawieniaINazwyWpisow)
{
    // A hand-edited store: gaps, repeats and empty values are skipped, entries past the eighth ignored.
    {
        QSettings magazyn(PlikUstawien(), QSettings::IniFormat);
        magazyn.setValue(QStringLiteral("OSTATNIE/Plik1"), Sciezka("a.ss2"));
        magazyn.setValue(QStringLiteral("OSTATNIE/Plik2"), QString());
        magazyn.setValue(QStringLiteral("OSTATNIE/Plik4"), Sciezka("a.ss2"));
        magazyn.setValue(QStringLiteral("OSTATNIE/Plik5"), Sciezka("b.gr2"));
        magazyn.setValue(QStringLiteral("OSTATNIE/Plik9"), Sciezka("c.gr2"));
    }
    QMenu menu;
    TOstatnioOtwierane ostatnie(&menu);
    EXPECT_EQ(ostatnie.Pliki(), (QStringList{Sciezka("a.ss2"), Sciezka("b.gr2")}));

    struct TPrzypadek {
        int Numer;
        QString Plik;
        QString Tekst;
    };
    const QString dluga = QStringLiteral("/") + QString(40, QLatin1Char('k')) + QStringLiteral("/") +
                          QString(40, QLatin1Char('p')) + QStringLiteral(".ss2");
    for (const TPrzypadek& p :
         {TPrzypadek{2, QStringLiteral("/gry/A&B.ss2"), QStringLiteral("&2 /gry/A&&B.ss2")},
          TPrzypadek{8, dluga,
                     QStringLiteral("&8 /") + QString(30, QLatin1Char('k')) + QChar(0x2026) +
                         QString(28, QLatin1Char('p')) + QStringLiteral(".ss2")}})
        EXPECT_EQ(TOstatnioOtwierane::TekstWpisu(p.Numer, p.Plik), p.Tekst) << p.Plik.toStdString();
}

} // namespace
} // namespace tarvomund
