#include "app/TfrmKomunikat.h"

#include "app/TekstyUI.h"
#include "PomocnikiUI.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

namespace tarvomund {
namespace {

// The tests below compare against the named results; these pin the values callers rely on.
static_assert(KomunikatOK == 1 && KomunikatAnuluj == 2 && KomunikatTak == 6 && KomunikatNie == 7);
static_assert(PrzyciskiTakNie == 3 && PrzyciskiOK == 4 && PrzyciskiTakNieAnuluj == 11);
static_assert(ObrazekOstrzezenie == 0 && ObrazekStop == 1 && ObrazekInformacja == 2 && ObrazekPytanie == 3);

// The visible buttons of a box, left to right.
std::vector<QPushButton*> Przyciski(const TfrmKomunikat& okno)
{
    std::vector<QPushButton*> wynik;
    for (QPushButton* przycisk : okno.findChildren<QPushButton*>())
        if (przycisk->isVisibleTo(&okno))
            wynik.push_back(przycisk);
    std::sort(wynik.begin(), wynik.end(), [](const QPushButton* a, const QPushButton* b) { return a->x() < b->x(); });
    return wynik;
}

void WyslijKlawisz(QWidget* cel, Qt::Key klawisz)
{
    QKeyEvent wcisniety(QEvent::KeyPress, klawisz, Qt::NoModifier);
    QApplication::sendEvent(cel, &wcisniety);
    QKeyEvent puszczony(QEvent::KeyRelease, klawisz, Qt::NoModifier);
    QApplication::sendEvent(cel, &puszczony);
}

TEST(TfrmKomunikat, JestBezramkowymPanelemStalejWielkosci)
{
    TfrmKomunikat okno(QStringLiteral("Błąd odczytu !"), ObrazekStop, PrzyciskiOK);
    EXPECT_TRUE(okno.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(okno.isModal());
    EXPECT_EQ(okno.size(), QSize(TfrmKomunikat::Szerokosc, TfrmKomunikat::Wysokosc));
    EXPECT_EQ(okno.minimumSize(), okno.maximumSize());
}

struct TZestawPrzyciskow {
    int16_t Kod;
    std::vector<TTekst> Napisy; // left to right
    std::vector<int16_t> Wyniki;
};

void PrintTo(const TZestawPrzyciskow& zestaw, std::ostream* wy)
{
    *wy << "przyciski " << zestaw.Kod;
}

class TPrzyciskiKomunikatu : public ::testing::TestWithParam<TZestawPrzyciskow> {};

TEST_P(TPrzyciskiKomunikatu, StojaWysrodkowaneZNapisamiZTabeliTekstow)
{
    const TZestawPrzyciskow& zestaw = GetParam();
    TfrmKomunikat okno(QStringLiteral("Zapisać system ?"), ObrazekPytanie, zestaw.Kod);
    okno.show();
    const auto przyciski = Przyciski(okno);
    ASSERT_EQ(przyciski.size(), zestaw.Napisy.size());
    for (std::size_t i = 0; i < przyciski.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(przyciski[i]->text(), Tekst(zestaw.Napisy[i]));
        EXPECT_EQ(przyciski[i]->y(), TfrmKomunikat::GoraPrzyciskow);
        EXPECT_TRUE(przyciski[i]->isEnabled());
        EXPECT_LE(przyciski[i]->geometry().bottom(), okno.height() - 1);
        if (i > 0) {
            EXPECT_EQ(przyciski[i]->x(), przyciski[i - 1]->geometry().right() + 1 + TfrmKomunikat::OdstepPrzyciskow);
        }
    }
    if (przyciski.empty())
        return;
    // Equal room left of the first and right of the last button (one pixel for an odd remainder).
    const int lewa = przyciski.front()->x();
    const int prawa = okno.width() - 1 - przyciski.back()->geometry().right();
    EXPECT_LE(std::abs(lewa - prawa), 1) << lewa << " vs " << prawa;
}

TEST_P(TPrzyciskiKomunikatu, KazdyPrzyciskZamykaZeSwoimWynikiem)
{
    const TZestawPrzyciskow& zestaw = GetParam();
    for (std::size_t i = 0; i < zestaw.Wyniki.size(); ++i) {
        SCOPED_TRACE(i);
        TfrmKomunikat okno(QStringLiteral("Zapisać system ?"), ObrazekPytanie, zestaw.Kod);
        okno.show();
        const auto przyciski = Przyciski(okno);
        ASSERT_EQ(przyciski.size(), zestaw.Wyniki.size());
        EXPECT_EQ(okno.Wynik(), 0);
        przyciski[i]->click();
        EXPECT_FALSE(okno.isVisible());
        EXPECT_EQ(okno.Wynik(), zestaw.Wyniki[i]);
    }
}

TEST_P(TPrzyciskiKomunikatu, EscZwracaAnulujNiezaleznieOdFokusu)
{
    const TZestawPrzyciskow& zestaw = GetParam();
    // The key goes to each button in turn and to the box itself.
    for (std::size_t i = 0; i <= zestaw.Napisy.size(); ++i) {
        SCOPED_TRACE(i);
        TfrmKomunikat okno(QStringLiteral("Zapisać system ?"), ObrazekPytanie, zestaw.Kod);
        okno.show();
        const auto przyciski = Przyciski(okno);
        ASSERT_EQ(przyciski.size(), zestaw.Napisy.size());
        QWidget* cel = i < przyciski.size() ? static_cast<QWidget*>(przyciski[i]) : &okno;
        WyslijKlawisz(cel, Qt::Key_Escape);
        EXPECT_FALSE(okno.isVisible());
        EXPECT_EQ(okno.Wynik(), KomunikatAnuluj);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kody, TPrzyciskiKomunikatu,
    ::testing::Values(
        TZestawPrzyciskow{PrzyciskiTakNie, {TTekst::Tak, TTekst::Nie}, {KomunikatTak, KomunikatNie}},
        TZestawPrzyciskow{PrzyciskiOK, {TTekst::OK}, {KomunikatOK}},
        TZestawPrzyciskow{PrzyciskiTakNieAnuluj, {TTekst::Tak, TTekst::Nie, TTekst::Anuluj},
                          {KomunikatTak, KomunikatNie, KomunikatAnuluj}},
        TZestawPrzyciskow{BezPrzyciskow, {}, {}}, TZestawPrzyciskow{5, {}, {}}, TZestawPrzyciskow{-1, {}, {}}));

TEST(TfrmKomunikat, BezPrzyciskowZamykaGoTylkoEsc)
{
    TfrmKomunikat okno(QStringLiteral("Proszę czekać"), ObrazekInformacja, BezPrzyciskow);
    okno.show();
    for (Qt::Key klawisz : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Y, Qt::Key_N}) {
        WyslijKlawisz(&okno, klawisz);
        EXPECT_TRUE(okno.isVisible()) << klawisz;
    }
    WyslijKlawisz(&okno, Qt::Key_Escape);
    EXPECT_FALSE(okno.isVisible());
    EXPECT_EQ(okno.Wynik(), KomunikatAnuluj);
}

TEST(TfrmKomunikat, EnterWybieraPierwszyPrzycisk)
{
    TfrmKomunikat okno(QStringLiteral("Zapisać system ?"), ObrazekPytanie, PrzyciskiTakNieAnuluj);
    okno.show();
    WyslijKlawisz(&okno, Qt::Key_Return);
    EXPECT_EQ(okno.Wynik(), KomunikatTak);
}

TEST(TfrmKomunikat, ObrazekOdpowiadaKodowi)
{
    struct TPrzypadek {
        uint8_t Kod;
        QStyle::StandardPixmap Ikona;
    };
    const TPrzypadek przypadki[] = {{ObrazekOstrzezenie, QStyle::SP_MessageBoxWarning},
                                    {ObrazekStop, QStyle::SP_MessageBoxCritical},
                                    {ObrazekInformacja, QStyle::SP_MessageBoxInformation},
                                    {ObrazekPytanie, QStyle::SP_MessageBoxQuestion}};
    std::vector<QImage> widziane;
    for (const TPrzypadek& przypadek : przypadki) {
        SCOPED_TRACE(przypadek.Kod);
        TfrmKomunikat okno(QStringLiteral("Tekst"), przypadek.Kod, PrzyciskiOK);
        const auto* obrazek = okno.findChild<QLabel*>(QStringLiteral("imgObrazek"));
        ASSERT_NE(obrazek, nullptr);
        EXPECT_TRUE(obrazek->isVisibleTo(&okno));
        const QImage pokazany = obrazek->pixmap().toImage();
        ASSERT_FALSE(pokazany.isNull());
        const QImage oczekiwany = okno.style()->standardIcon(przypadek.Ikona, nullptr, &okno).pixmap(32).toImage();
        EXPECT_EQ(pokazany, oczekiwany);
        // The picture sits left of the text, inside the upper area.
        const auto* tekst = okno.findChild<QLabel*>(QStringLiteral("lblTekst"));
        ASSERT_NE(tekst, nullptr);
        EXPECT_LE(obrazek->geometry().right(), tekst->x());
        EXPECT_LE(obrazek->geometry().bottom(), TfrmKomunikat::WysokoscGory);
        widziane.push_back(pokazany);
    }
    // Four different pictures, or the comparison above would not tell them apart.
    for (std::size_t i = 0; i < widziane.size(); ++i)
        for (std::size_t j = i + 1; j < widziane.size(); ++j)
            EXPECT_NE(widziane[i], widziane[j]) << i << ", " << j;
}

TEST(TfrmKomunikat, InnyKodObrazkaNieMaObrazka)
{
    for (uint8_t kod : {uint8_t{4}, uint8_t{100}, BezObrazka}) {
        SCOPED_TRACE(kod);
        TfrmKomunikat okno(QStringLiteral("Tekst"), kod, PrzyciskiOK);
        const auto* obrazek = okno.findChild<QLabel*>(QStringLiteral("imgObrazek"));
        ASSERT_NE(obrazek, nullptr);
        EXPECT_FALSE(obrazek->isVisibleTo(&okno) && !obrazek->pixmap().isNull());
    }
}

TEST(TfrmKomunikat, ObszarTekstuMaStalaWielkosc)
{
    TfrmKomunikat okno(QStringLiteral("Baza losowań jest pusta !"), ObrazekOstrzezenie, PrzyciskiOK);
    const auto* tekst = okno.findChild<QLabel*>(QStringLiteral("lblTekst"));
    ASSERT_NE(tekst, nullptr);
    EXPECT_EQ(tekst->size(), QSize(TfrmKomunikat::SzerokoscTekstu, TfrmKomunikat::WysokoscTekstu));
    EXPECT_LE(tekst->geometry().right(), okno.width() - 1);
    EXPECT_LE(tekst->geometry().bottom(), TfrmKomunikat::WysokoscGory);
    EXPECT_TRUE(tekst->alignment().testFlag(Qt::AlignVCenter));
    EXPECT_EQ(tekst->text(), QStringLiteral("Baza losowań jest pusta !"));
}

TEST(TfrmKomunikat, CrLfZaczynaNowaLinie)
{
    const QString dwieLinie = Tekst(TTekst::TakiPlikJuzIstniejeCzyChceszGoNadpisac);
    ASSERT_TRUE(dwieLinie.contains(QStringLiteral("\r\n")));
    TfrmKomunikat okno(dwieLinie, ObrazekPytanie, PrzyciskiTakNie);
    const auto* tekst = okno.findChild<QLabel*>(QStringLiteral("lblTekst"));
    ASSERT_NE(tekst, nullptr);
    EXPECT_EQ(tekst->text(), QStringLiteral("Taki plik już istnieje !\nCzy chcesz go nadpisać ?"));
    // Laid out in the text area it takes two lines, and still fits.
    const QFontMetrics miara(tekst->font());
    const int wysokosc = miara.boundingRect(QRect(0, 0, TfrmKomunikat::SzerokoscTekstu, 1000), Qt::TextWordWrap,
                                            tekst->text()).height();
    EXPECT_GE(wysokosc, 2 * miara.height());
    EXPECT_LT(wysokosc, 3 * miara.height());
    EXPECT_LE(wysokosc, TfrmKomunikat::WysokoscTekstu);
}

TEST(TfrmKomunikat, DlugiTekstZmniejszaPismoBySieZmiescil)
{
    const QString dlugi = Tekst(TTekst::IloscLiczbWJednymZakladzieSystemuJestWieksza)
                          + QStringLiteral("\r\n") + Tekst(TTekst::TakiPlikJuzIstniejeCzyChceszGoNadpisac);
    TfrmKomunikat okno(dlugi, ObrazekStop, PrzyciskiOK);
    const auto* tekst = okno.findChild<QLabel*>(QStringLiteral("lblTekst"));
    ASSERT_NE(tekst, nullptr);
    const QRect obszar(0, 0, TfrmKomunikat::SzerokoscTekstu, 1000);
    // Four lines do not fit the area in the ordinary font, so the box must have set it smaller.
    ASSERT_GT(QFontMetrics(okno.font()).boundingRect(obszar, Qt::TextWordWrap, tekst->text()).height(),
              TfrmKomunikat::WysokoscTekstu);
    EXPECT_LT(tekst->font().pointSize(), okno.font().pointSize());
    EXPECT_LE(QFontMetrics(tekst->font()).boundingRect(obszar, Qt::TextWordWrap, tekst->text()).height(),
              TfrmKomunikat::WysokoscTekstu);
}

TEST(TfrmKomunikat, StajeNaSrodkuEkranuLubOknaRodzica)
{
    {
        TfrmKomunikat okno(QStringLiteral("Tekst"), ObrazekInformacja, PrzyciskiOK);
        const QPoint odchylenie = okno.geometry().center() - okno.screen()->availableGeometry().center();
        EXPECT_LE(odchylenie.manhattanLength(), 2) << odchylenie.x() << ", " << odchylenie.y();
    }
    QWidget rodzic;
    rodzic.setGeometry(100, 80, 640, 480);
    rodzic.show();
    {
        TfrmKomunikat okno(QStringLiteral("Tekst"), ObrazekInformacja, PrzyciskiOK, &rodzic);
        const QPoint odchylenie = okno.geometry().center() - rodzic.frameGeometry().center();
        EXPECT_LE(odchylenie.manhattanLength(), 2) << odchylenie.x() << ", " << odchylenie.y();
    }
    // A window not shown yet (one still loading its system) has no place: the box stands over the
    // window the user works in.
    rodzic.activateWindow();
    ASSERT_TRUE(testy::CzekajAz([&rodzic] { return QApplication::activeWindow() == &rodzic; }));
    QWidget ukryty;
    ukryty.setGeometry(900, 700, 200, 100);
    TfrmKomunikat okno(QStringLiteral("Tekst"), ObrazekInformacja, PrzyciskiOK, &ukryty);
    const QPoint odchylenie = okno.geometry().center() - rodzic.frameGeometry().center();
    EXPECT_LE(odchylenie.manhattanLength(), 2) << odchylenie.x() << ", " << odchylenie.y();
}

TEST(TfrmKomunikat, KomunikatZwracaWynikWybranegoPrzycisku)
{
    struct TPrzypadek {
        int16_t Przyciski;
        const char* Przycisk;
        int16_t Wynik;
    };
    const TPrzypadek przypadki[] = {{PrzyciskiOK, "btnOK", KomunikatOK},
                                    {PrzyciskiTakNie, "btnNie", KomunikatNie},
                                    {PrzyciskiTakNieAnuluj, "btnAnuluj", KomunikatAnuluj}};
    for (const TPrzypadek& przypadek : przypadki) {
        SCOPED_TRACE(przypadek.Przycisk);
        bool kliknieto = false;
        // Runs inside the box's own event loop, once it is showing.
        QTimer::singleShot(0, [&] {
            for (QWidget* okno : QApplication::topLevelWidgets()) {
                if (qobject_cast<TfrmKomunikat*>(okno) && okno->isVisible()) {
                    if (auto* przycisk = okno->findChild<QPushButton*>(QString::fromLatin1(przypadek.Przycisk))) {
                        kliknieto = true;
                        przycisk->click();
                    } else {
                        WyslijKlawisz(okno, Qt::Key_Escape);
                    }
                    return;
                }
            }
        });
        EXPECT_EQ(Komunikat(QStringLiteral("Pytanie"), ObrazekPytanie, przypadek.Przyciski), przypadek.Wynik);
        EXPECT_TRUE(kliknieto);
    }
}

} // namespace
} // namespace tarvomund
