#include "app/UkladOkien.h"

#include "app/TAkcjeGlowne.h"
#include "app/TfrmGlowne.h"
#include "wspolne/KatalogTymczasowy.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund {
namespace {

// A document window of a given caption and size.
class TOknoProste : public QWidget, public TOknoDokumentu {
public:
    TOknoProste(const QString& tytul, QSize rozmiar) : rozmiar_(rozmiar) { setWindowTitle(tytul); }
    TRodzajOkna Rodzaj() const override { return TRodzajOkna::Inne; }
    QSize sizeHint() const override { return rozmiar_; }

private:
    QSize rozmiar_;
};

// Whether the title bar shows the caption whole at the window's present width, measured as the
// title bar elides it.
bool TytulCaly(const QMdiSubWindow* okno)
{
    const QFontMetrics miary(QApplication::font("QMdiSubWindowTitleBar"));
    const QString tytul = okno->windowTitle();
    return miary.elidedText(tytul, Qt::ElideRight, EtykietaTytulu(okno, okno->width()).width()) == tytul;
}

class UkladOkienTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(katalog_.Sciezka() / "Dane");
        glowne_ = std::make_unique<TfrmGlowne>(QString::fromStdString(katalog_.Sciezka().string()));
        glowne_->resize(900, 600);
        glowne_->show();
    }

    QMdiSubWindow* Dodaj(const QString& tytul, QSize rozmiar = {260, 200})
    {
        return glowne_->DodajOkno(new TOknoProste(tytul, rozmiar));
    }
    QRect Widoczne() const { return glowne_->Obszar()->viewport()->rect(); }

    testy::TKatalogTymczasowy katalog_;
    std::unique_ptr<TfrmGlowne> glowne_;
};

TEST_F(UkladOkienTest, NoweOknoStajeWWidocznymObszarzeZCalymTytulem)
{
    QList<QMdiSubWindow*> okna;
    for (int i = 0; i < 12; ++i)
        okna << Dodaj(QStringLiteral("<%1>Lotto 6 z 49 6/24/%2").arg(i + 1).arg(13983816));
    okna << Dodaj(QStringLiteral("<13>Bardzo długa nazwa gry liczbowej Żółć 5/24/16"), {100, 100});
    okna << Dodaj(QStringLiteral("Gwarancja 6/24/23456"), {2000, 1500});
    for (const QMdiSubWindow* okno : okna) {
        SCOPED_TRACE(okno->windowTitle().toStdString());
        EXPECT_TRUE(Widoczne().contains(okno->geometry()))
            << okno->geometry().x() << "," << okno->geometry().y();
        EXPECT_TRUE(TytulCaly(okno));
    }
    // A caption that grows later widens its window, never beyond the area.
    QMdiSubWindow* okno = okna.front();
    okno->widget()->setWindowTitle(okno->windowTitle() + QStringLiteral(" i dłuższy dopisek do tytułu"));
    DopasujDoObszaru(okno);
    EXPECT_TRUE(TytulCaly(okno));
    EXPECT_TRUE(Widoczne().contains(okno->geometry()));
}

TEST_F(UkladOkienTest, KaskadaPokazujeKazdyTytulCaly)
{
    QList<QMdiSubWindow*> okna;
    for (int i = 0; i < 10; ++i) {
        const QString tytul = i % 3 == 2
            ? QStringLiteral("<%1>Bardzo długa nazwa gry liczbowej Żółć 5/24/16").arg(i + 1)
            : QStringLiteral("<%1>Lotto 6 z 49 6/24/23456").arg(i + 1);
        okna << Dodaj(tytul, {220, 380});
    }
    glowne_->Akcje().Akcja(TPolecenie::Kaskada)->trigger();
    const int pasek = okna.front()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, okna.front());
    const int wiersz = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).height();
    const QList<QMdiSubWindow*> stos = glowne_->Obszar()->subWindowList(QMdiArea::StackingOrder);
    for (int i = 0; i < stos.size(); ++i) {
        SCOPED_TRACE(stos[i]->windowTitle().toStdString());
        EXPECT_TRUE(TytulCaly(stos[i]));
        EXPECT_TRUE(Widoczne().contains(stos[i]->geometry()));
        // No window above it covers the line of its caption.
        const QRect g = stos[i]->geometry();
        const QRect tytul(g.left(), g.top() + (pasek - wiersz) / 2, g.width(), wiersz);
        for (int j = i + 1; j < stos.size(); ++j)
            EXPECT_FALSE(stos[j]->geometry().intersects(tytul)) << stos[j]->windowTitle().toStdString();
    }
}

} // namespace
} // namespace tarvomund
