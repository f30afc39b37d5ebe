#include "app/UkladOkien.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

#include <algorithm>

namespace tarvomund {

namespace {

// Room between the caption and the buttons, so that a caption that just fits is not elided.
constexpr int ZapasTytulu = 8;
// Any width well above what the icon and buttons take: the label gets the rest of it.
constexpr int SzerokoscProbna = 1000;

} // namespace

QRect EtykietaTytulu(const QMdiSubWindow* okno, int szerokosc)
{
    QStyleOptionTitleBar opcje;
    opcje.initFrom(okno);
    opcje.text = okno->windowTitle();
    opcje.icon = okno->windowIcon();
    opcje.titleBarFlags = okno->windowFlags();
    opcje.titleBarState = static_cast<int>(okno->windowState());
    opcje.subControls = QStyle::SC_All;
    const QStyle* styl = okno->style();
    opcje.rect = QRect(0, 0, szerokosc, styl->pixelMetric(QStyle::PM_TitleBarHeight, &opcje, okno));
    return styl->subControlRect(QStyle::CC_TitleBar, &opcje, QStyle::SC_TitleBarLabel, okno);
}

int SzerokoscDlaTytulu(const QMdiSubWindow* okno)
{
    // Some styles set the active caption in bold: measure that, the wider of the two.
    QFont pismo = QApplication::font("QMdiSubWindowTitleBar");
    pismo.setBold(true);
    const int tekst = QFontMetrics(pismo).horizontalAdvance(okno->windowTitle());
    return SzerokoscProbna - EtykietaTytulu(okno, SzerokoscProbna).width() + tekst + ZapasTytulu;
}

namespace {

// Wide enough for the caption, within the area's width, its left edge moved so that it fits.
QRect PoszerzonyWObszarze(const QMdiSubWindow* okno, const QRect& widoczne)
{
    QRect g = okno->geometry();
    const int potrzebna = std::max({g.width(), SzerokoscDlaTytulu(okno), okno->minimumSizeHint().width()});
    g.setWidth(std::min(potrzebna, widoczne.width()));
    g.moveLeft(std::clamp(g.left(), 0, std::max(widoczne.width() - g.width(), 0)));
    return g;
}

bool Ukladany(const QMdiSubWindow* okno)
{
    return okno->mdiArea() && !okno->isMinimized() && !okno->isMaximized() && !okno->isHidden();
}

} // namespace

void DopasujDoObszaru(QMdiSubWindow* okno)
{
    if (!Ukladany(okno))
        return;
    const QRect widoczne = okno->mdiArea()->viewport()->rect();
    QRect g = PoszerzonyWObszarze(okno, widoczne);
    g.setHeight(std::min(g.height(), widoczne.height()));
    g.moveTop(std::clamp(g.top(), 0, std::max(widoczne.height() - g.height(), 0)));
    if (g != okno->geometry())
        okno->setGeometry(g);
}

void UlozKaskadowo(QMdiArea* obszar)
{
    obszar->cascadeSubWindows();
    const QRect widoczne = obszar->viewport()->rect();
    for (QMdiSubWindow* okno : obszar->subWindowList()) {
        if (!Ukladany(okno))
            continue;
        QRect g = PoszerzonyWObszarze(okno, widoczne);
        g.setBottom(std::min(g.bottom(), widoczne.bottom()));
        if (g != okno->geometry())
            okno->setGeometry(g);
    }
}

} // namespace tarvomund
