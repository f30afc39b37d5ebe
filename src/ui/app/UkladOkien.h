#pragma once

class QMdiArea;
class QRect;
class QMdiSubWindow;

namespace tarvomund {

// Where the title bar of a document window `szerokosc` pixels wide puts its caption.
QRect EtykietaTytulu(const QMdiSubWindow* okno, int szerokosc);
// The width a document window needs for its whole caption in the title bar: the title's text
// plus whatever the style puts beside it (icon and buttons).
int SzerokoscDlaTytulu(const QMdiSubWindow* okno);

// Keeps a document window usable where it stands: wide enough for its caption and its contents'
// minimum (never wider than the document area, never narrower than it was), and wholly inside
// the visible part of the area, so that its title bar can always be reached.
void DopasujDoObszaru(QMdiSubWindow* okno);

// "Kaskada": the windows one over another, each a title bar lower, every caption whole. The
// toolkit's cascade sizes the windows to their hints; each gets back the width its caption needs,
// and a window reaching below the area is made shorter rather than moved up over the others.
void UlozKaskadowo(QMdiArea* obszar);

} // namespace tarvomund
