#include "slips/TEdGraf.h"

#include "slips/SkalaBlankietu.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace tarvomund {

namespace {

constexpr int KrotkaKreska = 5;
constexpr int SredniaKreska = 9;
constexpr int DlugaKreska = 15;
const QColor KolorLinijki(0, 255, 255);         // aqua
const QColor KolorRamkiLinijki(0, 0, 128);      // navy
const QColor KolorPrzesuwanych(0, 0, 128);      // navy outlines of the fields being moved
const QColor KolorRamkiZaznaczenia(0, 128, 0);  // the dotted green rubber band
const QColor KolorTekstuPola(255, 0, 255);      // fuchsia: the text area of a text field

QPoint Punkt(const QMouseEvent* zdarzenie)
{
    return zdarzenie->position().toPoint();
}

} // namespace

TRuler::TRuler(uint8_t kier, QWidget* parent) : QWidget(parent), kier_(kier)
{
    if (kier_ == ProwadnicaPozioma)
        setFixedHeight(Grubosc);
    else
        setFixedWidth(Grubosc);
    setCursor(kier_ == ProwadnicaPozioma ? Qt::SplitVCursor : Qt::SplitHCursor);
}

void TRuler::Ustaw(int skok, int przesuniecie, int kursor)
{
    skok_ = std::max(skok, 1);
    przesuniecie_ = przesuniecie;
    kursor_ = kursor;
    update();
}

void TRuler::paintEvent(QPaintEvent*)
{
    QPainter malarz(this);
    malarz.fillRect(rect(), KolorLinijki);
    malarz.setPen(KolorRamkiLinijki);
    malarz.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont czcionka(QStringLiteral("Times New Roman"), 7);
    czcionka.setStyleHint(QFont::Serif);
    malarz.setFont(czcionka);
    const bool poziomy = kier_ == ProwadnicaPozioma;
    const int dlugosc = poziomy ? width() : height();
    // One pixel per millimetre: ticks every 10 mm and labels every 100 mm; otherwise every
    // millimetre, a mid tick every 5 mm and labels every 10 mm.
    const int co = skok_ == 1 ? 10 : 1;
    const int srednie = skok_ == 1 ? 10 : 5;
    const int dlugie = skok_ == 1 ? 100 : 10;
    const int pierwszy = std::max(0, przesuniecie_ / skok_ / co * co);
    for (int mm = pierwszy;; mm += co) {
        const int p = mm * skok_ - przesuniecie_;
        if (p > dlugosc)
            break;
        const int kreska = mm % dlugie == 0 ? DlugaKreska : mm % srednie == 0 ? SredniaKreska : KrotkaKreska;
        if (poziomy)
            malarz.drawLine(p, Grubosc - 1, p, Grubosc - 1 - kreska);
        else
            malarz.drawLine(Grubosc - 1, p, Grubosc - 1 - kreska, p);
        if (mm % dlugie == 0) {
            const QString napis = QString::number(mm / 10);
            if (poziomy)
                malarz.drawText(p + 2, 9, napis);
            else
                malarz.drawText(1, p + 10, napis);
        }
    }
    if (kursor_ >= 0) {
        malarz.setPen(Qt::green);
        const int p = kursor_ - przesuniecie_;
        if (poziomy)
            malarz.drawLine(p, 0, p, Grubosc);
        else
            malarz.drawLine(0, p, Grubosc, p);
    }
}

void TRuler::mousePressEvent(QMouseEvent* zdarzenie)
{
    ciagnie_ = zdarzenie->button() == Qt::LeftButton;
}

void TRuler::mouseMoveEvent(QMouseEvent* zdarzenie)
{
    if (ciagnie_)
        emit Ciagnie(zdarzenie->globalPosition().toPoint());
}

void TRuler::mouseReleaseEvent(QMouseEvent* zdarzenie)
{
    if (!ciagnie_)
        return;
    ciagnie_ = false;
    emit Puszczono(zdarzenie->globalPosition().toPoint());
}

TScrollBoxEx::TScrollBoxEx(QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackgroundRole(QPalette::Dark);
    for (QScrollBar* pasek : {horizontalScrollBar(), verticalScrollBar()}) {
        pasek->setTracking(true);
        connect(pasek, &QScrollBar::valueChanged, this, &TScrollBoxEx::Przewinieto);
    }
}

void TScrollBoxEx::UstawKrok(int piksele)
{
    horizontalScrollBar()->setSingleStep(std::max(piksele, 1));
    verticalScrollBar()->setSingleStep(std::max(piksele, 1));
}

TObrazKuponu::TObrazKuponu(TEdGraf& graf, TEdytorBlankietu& edytor, QWidget* parent)
    : QWidget(parent), graf_(graf), edytor_(edytor)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void TObrazKuponu::paintEvent(QPaintEvent*)
{
    QPainter malarz(this);
    const QRect kupon(0, 0, edytor_.SzerokoscObrazu(), edytor_.WysokoscObrazu());
    if (graf_.MaTlo())
        malarz.drawImage(kupon, graf_.Tlo());
    else
        malarz.fillRect(kupon, Qt::white);
    malarz.setPen(Qt::red);
    malarz.drawRect(kupon.adjusted(0, 0, -1, -1));

    const TBlankietOb& b = edytor_.Blankiet();
    if (edytor_.ProwadniceWidoczne()) {
        malarz.setPen(Qt::black);
        for (const auto& p : b.Prowadnice) {
            if (p->Kier == ProwadnicaPozioma)
                malarz.drawLine(0, p->Poz, kupon.width(), p->Poz);
            else
                malarz.drawLine(p->Poz, 0, p->Poz, kupon.height());
        }
    }
    if (const auto& ciagniona = graf_.CiagnionaProwadnica()) {
        malarz.setPen(QPen(Qt::black, 1, Qt::DashLine));
        if (ciagniona->first == ProwadnicaPozioma)
            malarz.drawLine(0, ciagniona->second, kupon.width(), ciagniona->second);
        else
            malarz.drawLine(ciagniona->second, 0, ciagniona->second, kupon.height());
    }

    const int skok = edytor_.Skok();
    for (const auto& pole : b.Pola) {
        const TPikselePola& px = pole->Piksele;
        malarz.setBrush(Qt::NoBrush);
        malarz.setPen(edytor_.Zaznaczone(pole.get()) ? QColor(Qt::red) : QColor(Qt::blue));
        malarz.drawRect(px.Lewy, px.Gorny, px.Szer, px.Wys);
        const QRect zaz(MmNaPiksele(pole->ZazX(), skok), MmNaPiksele(pole->ZazY(), skok), px.SzerZaz, px.WysZaz);
        switch (pole->Rodzaj) {
        case RodzajKrzyzyk:
            malarz.setPen(QPen(Qt::black, px.Pioro));
            malarz.drawLine(zaz.topLeft(), zaz.topLeft() + QPoint(zaz.width(), zaz.height()));
            malarz.drawLine(zaz.topLeft() + QPoint(zaz.width(), 0), zaz.topLeft() + QPoint(0, zaz.height()));
            break;
        case RodzajElipsa:
            malarz.setPen(Qt::black);
            malarz.setBrush(Qt::black);
            malarz.drawEllipse(zaz);
            break;
        case RodzajTekstPoziomy:
        case RodzajTekstPionowy:
            malarz.setPen(KolorTekstuPola);
            malarz.drawRect(zaz);
            break;
        default:
            malarz.fillRect(zaz, Qt::black);
            break;
        }
    }

    malarz.setBrush(Qt::NoBrush);
    if (edytor_.Przeciaganie() == TPrzeciaganie::Przesuwanie) {
        malarz.setPen(KolorPrzesuwanych);
        for (const TEdPolePom& w : edytor_.Zaznaczenie())
            malarz.drawRect(w.PX, w.PY, w.Pole->Piksele.Szer, w.Pole->Piksele.Wys);
    } else if (edytor_.Przeciaganie() == TPrzeciaganie::Ramka) {
        const TRamkaPx r = edytor_.Ramka();
        malarz.setPen(QPen(KolorRamkiZaznaczenia, 1, Qt::DotLine));
        malarz.drawRect(QRect(QPoint(r.Lewy, r.Gorny), QPoint(r.Prawy, r.Dolny)));
    }
}

void TObrazKuponu::mousePressEvent(QMouseEvent* zdarzenie)
{
    setFocus();
    if (zdarzenie->button() == Qt::LeftButton)
        graf_.Wcisnij(Punkt(zdarzenie), zdarzenie->modifiers());
    else if (zdarzenie->button() == Qt::RightButton)
        emit graf_.MenuPodreczne(zdarzenie->globalPosition().toPoint());
}

void TObrazKuponu::mouseMoveEvent(QMouseEvent* zdarzenie)
{
    graf_.Przesun(Punkt(zdarzenie));
}

void TObrazKuponu::mouseReleaseEvent(QMouseEvent* zdarzenie)
{
    if (zdarzenie->button() == Qt::LeftButton)
        graf_.Zwolnij(Punkt(zdarzenie));
}

void TObrazKuponu::keyPressEvent(QKeyEvent* zdarzenie)
{
    graf_.Klawisz(zdarzenie->key(), zdarzenie->modifiers());
}

TEdGraf::TEdGraf(TEdytorBlankietu& edytor, QWidget* parent)
    : QWidget(parent), edytor_(edytor), rog_(new QLabel(QStringLiteral("cm"), this)),
      linijkaPozioma_(new TRuler(ProwadnicaPozioma, this)), linijkaPionowa_(new TRuler(ProwadnicaPionowa, this)),
      przewijanie_(new TScrollBoxEx(this)), obraz_(new TObrazKuponu(*this, edytor, przewijanie_))
{
    rog_->setObjectName(QStringLiteral("Rog"));
    rog_->setFixedSize(TRuler::Grubosc, TRuler::Grubosc);
    rog_->setAlignment(Qt::AlignCenter);
    rog_->setStyleSheet(QStringLiteral("QLabel { background: navy; color: aqua; border: 1px solid yellow; "
                                       "font-family: 'Times New Roman'; font-size: 7pt; }"));
    przewijanie_->setWidget(obraz_);

    auto* uklad = new QGridLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setHorizontalSpacing(1);
    uklad->setVerticalSpacing(1);
    uklad->addWidget(rog_, 0, 0);
    uklad->addWidget(linijkaPozioma_, 0, 1);
    uklad->addWidget(linijkaPionowa_, 1, 0);
    uklad->addWidget(przewijanie_, 1, 1);
    uklad->setColumnStretch(1, 1);
    uklad->setRowStretch(1, 1);

    connect(przewijanie_, &TScrollBoxEx::Przewinieto, this, &TEdGraf::OdswiezLinijki);
    for (TRuler* linijka : {linijkaPozioma_, linijkaPionowa_}) {
        connect(linijka, &TRuler::Ciagnie, this,
                [this, linijka](QPoint globalnie) { CiagnieProwadnice(linijka->Kier(), globalnie); });
        connect(linijka, &TRuler::Puszczono, this,
                [this, linijka](QPoint globalnie) { PuszczonoProwadnice(linijka->Kier(), globalnie); });
    }
    Odswiez();
}

int TEdGraf::ScrollPozX() const
{
    return przewijanie_->horizontalScrollBar()->value();
}

int TEdGraf::ScrollPozY() const
{
    return przewijanie_->verticalScrollBar()->value();
}

void TEdGraf::UstawSkale(int skala)
{
    edytor_.UstawSkale(skala);
    Odswiez();
}

void TEdGraf::Odswiez()
{
    obraz_->setFixedSize(std::max(1, edytor_.SzerokoscObrazu()), std::max(1, edytor_.WysokoscObrazu()));
    przewijanie_->UstawKrok(edytor_.Skok());
    obraz_->update();
    OdswiezLinijki();
}

void TEdGraf::OdswiezLinijki()
{
    linijkaPozioma_->Ustaw(edytor_.Skok(), ScrollPozX(), kursorX_);
    linijkaPionowa_->Ustaw(edytor_.Skok(), ScrollPozY(), kursorY_);
}

void TEdGraf::UstawTlo(QImage tlo)
{
    tlo_ = std::move(tlo);
    obraz_->update();
}

void TEdGraf::UsunTlo()
{
    tlo_ = QImage();
    obraz_->update();
}

void TEdGraf::Wcisnij(QPoint punkt, Qt::KeyboardModifiers modyfikatory)
{
    edytor_.Wcisnij(punkt.x(), punkt.y(), modyfikatory.testFlag(Qt::ShiftModifier));
    obraz_->update();
    emit Zmieniono();
}

void TEdGraf::Przesun(QPoint punkt)
{
    kursorX_ = punkt.x();
    kursorY_ = punkt.y();
    OdswiezLinijki();
    emit RuchMyszy(PikseleNaMm(punkt.x(), Skok()), PikseleNaMm(punkt.y(), Skok()));
    if (edytor_.Przeciaganie() == TPrzeciaganie::Brak)
        return;
    edytor_.Przesun(punkt.x(), punkt.y());
    obraz_->update();
}

void TEdGraf::Zwolnij(QPoint punkt)
{
    const bool cosPrzeciagano = edytor_.Przeciaganie() != TPrzeciaganie::Brak;
    edytor_.Zwolnij(punkt.x(), punkt.y(), ScrollPozX(), ScrollPozY());
    obraz_->update();
    if (cosPrzeciagano)
        emit Zmieniono();
}

void TEdGraf::Klawisz(int klawisz, Qt::KeyboardModifiers modyfikatory)
{
    const bool ctrl = modyfikatory.testFlag(Qt::ControlModifier);
    if (klawisz == Qt::Key_Space) {
        // Snaps the selection to the guides at its left and above.
        edytor_.Wyrownaj(1);
        edytor_.Wyrownaj(5);
    } else if (klawisz == Qt::Key_Delete || (ctrl && klawisz == Qt::Key_X)) {
        edytor_.Wytnij();
    } else if (ctrl && klawisz == Qt::Key_C) {
        edytor_.Kopiuj();
    } else if (ctrl && klawisz == Qt::Key_V) {
        edytor_.Wstaw();
    } else {
        return;
    }
    obraz_->update();
    emit Zmieniono();
}

void TEdGraf::CiagnieProwadnice(uint8_t kier, QPoint globalnie)
{
    if (!edytor_.ProwadniceWidoczne())
        return;
    const QPoint punkt = obraz_->mapFromGlobal(globalnie);
    ciagniona_ = {kier, kier == ProwadnicaPozioma ? punkt.y() : punkt.x()};
    obraz_->update();
}

void TEdGraf::PuszczonoProwadnice(uint8_t kier, QPoint globalnie)
{
    ciagniona_.reset();
    obraz_->update();
    if (!edytor_.ProwadniceWidoczne())
        return;
    // Only a guide let go inside the slip's view, beyond the ruler's own strip, is made.
    const QPoint wWidoku = przewijanie_->viewport()->mapFromGlobal(globalnie);
    if (!przewijanie_->viewport()->rect().contains(wWidoku))
        return;
    const QPoint punkt = obraz_->mapFromGlobal(globalnie);
    const int poz = kier == ProwadnicaPozioma ? punkt.y() : punkt.x();
    const int koniec = kier == ProwadnicaPozioma ? edytor_.WysokoscObrazu() : edytor_.SzerokoscObrazu();
    if (poz < 0 || poz >= koniec)
        return;
    if (edytor_.DodajProwadnice(kier, poz)) {
        obraz_->update();
        emit Zmieniono();
    }
}

} // namespace tarvomund
