#include "slips/TBlank.h"

#include <QPainter>

#include <algorithm>

namespace tarvomund {

namespace {

const QColor Granatowy(0, 0, 128);
const QColor Turkusowy(0, 255, 255);
constexpr int RozmiarPoczatkowy = 200;
constexpr int RozmiarCzcionki = 8;

// A property change repaints only when the value is new.
template <typename T> void Zmien(TBlank* okno, T& pole, const T& wartosc)
{
    if (pole == wartosc)
        return;
    pole = wartosc;
    okno->update();
}

} // namespace

TBlank::TBlank(QWidget* parent) : QWidget(parent), kolorObwodki_(Granatowy), kolorPola_(Turkusowy)
{
    setFont(QFont(QStringLiteral("Arial"), RozmiarCzcionki));
    resize(RozmiarPoczatkowy, RozmiarPoczatkowy);
}

void TBlank::UstawIlePoziomo(int ile)
{
    Zmien(this, ilePoziomo_, ile);
}

void TBlank::UstawIlePionowo(int ile)
{
    Zmien(this, ilePionowo_, ile);
}

void TBlank::UstawIleLiczb(int ile)
{
    Zmien(this, ileLiczb_, ile);
}

void TBlank::UstawKierunek(bool poziomo)
{
    Zmien(this, kierunek_, poziomo);
}

void TBlank::UstawSiatke(int poziomo, int pionowo, int ileLiczb, bool kierunek)
{
    ilePoziomo_ = poziomo;
    ilePionowo_ = pionowo;
    ileLiczb_ = ileLiczb;
    kierunek_ = kierunek;
    update();
}

void TBlank::UstawKolorTla(const QColor& kolor)
{
    Zmien(this, kolorTla_, kolor);
}

void TBlank::UstawRamke(bool ramka)
{
    Zmien(this, ramka_, ramka);
}

void TBlank::UstawKolorObwodki(const QColor& kolor)
{
    Zmien(this, kolorObwodki_, kolor);
}

void TBlank::UstawKolorPola(const QColor& kolor)
{
    Zmien(this, kolorPola_, kolor);
}

void TBlank::UstawLimit(int limit)
{
    Zmien(this, limit_, limit);
}

void TBlank::UstawLiniePoz(bool wlaczona, int nr)
{
    liniaPozOn_ = wlaczona;
    liniaPozNr_ = nr;
    update();
}

void TBlank::UstawLiniePion(bool wlaczona, int nr)
{
    liniaPionOn_ = wlaczona;
    liniaPionNr_ = nr;
    update();
}

void TBlank::UstawLiniaGr(int grubosc)
{
    Zmien(this, liniaGr_, grubosc);
}

void TBlank::UstawLiniaKolor(const QColor& kolor)
{
    Zmien(this, liniaKolor_, kolor);
}

int TBlank::BokPola(QSize rozmiar, int poziomo, int pionowo)
{
    if (poziomo < 1 || pionowo < 1)
        return 0;
    const int bok = pionowo < poziomo ? (rozmiar.width() - Margines) / poziomo
                                      : (rozmiar.height() - Margines) / pionowo;
    return std::max(bok, 0);
}

int TBlank::NumerPola(int kolumna, int wiersz, int poziomo, int pionowo, bool kierunek)
{
    return kierunek ? 1 + wiersz * poziomo + kolumna : 1 + kolumna * pionowo + wiersz;
}

QRect TBlank::Pole(int kolumna, int wiersz) const
{
    const int bok = BokPola();
    return {Margines + kolumna * bok, Margines + wiersz * bok, bok, bok};
}

void TBlank::Rysuj(QPainter& malarz, QSize rozmiar) const
{
    malarz.save();
    malarz.setRenderHint(QPainter::Antialiasing, false);
    if (ramka_) {
        malarz.fillRect(QRect(QPoint(0, 0), rozmiar), kolorTla_);
        malarz.setPen(Qt::black);
        malarz.setBrush(Qt::NoBrush);
        malarz.drawRect(0, 0, rozmiar.width() - 1, rozmiar.height() - 1);
    }
    const int bok = BokPola(rozmiar, ilePoziomo_, ilePionowo_);
    if (bok > 0) {
        malarz.setFont(font());
        for (int wiersz = 0; wiersz < ilePionowo_; ++wiersz) {
            for (int kolumna = 0; kolumna < ilePoziomo_; ++kolumna) {
                const QRect pole(Margines + kolumna * bok, Margines + wiersz * bok, bok, bok);
                const int numer = NumerPola(kolumna, wiersz, ilePoziomo_, ilePionowo_, kierunek_);
                const bool zLiczba = numer <= ileLiczb_;
                if (zLiczba)
                    malarz.fillRect(pole, kolorPola_);
                // A one-pixel outline inside the cell's own pixels.
                malarz.setPen(kolorObwodki_);
                malarz.setBrush(Qt::NoBrush);
                malarz.drawRect(pole.adjusted(0, 0, -1, -1));
                if (zLiczba && bok > limit_) {
                    malarz.setPen(Qt::black);
                    malarz.drawText(pole, Qt::AlignCenter | Qt::TextSingleLine, QString::number(numer));
                }
            }
        }
        malarz.setPen(QPen(liniaKolor_, liniaGr_));
        if (liniaPozOn_) {
            const int y = liniaPozNr_ * bok + 1;
            malarz.drawLine(Margines, y, bok * ilePoziomo_ + Margines, y);
        }
        if (liniaPionOn_) {
            const int x = liniaPionNr_ * bok + 1;
            malarz.drawLine(x, Margines, x, bok * ilePionowo_ + Margines);
        }
    }
    malarz.restore();
}

void TBlank::paintEvent(QPaintEvent* /*zdarzenie*/)
{
    // Composed off screen and copied in one step, so a repaint never flickers.
    QPixmap obraz(size() * devicePixelRatioF());
    obraz.setDevicePixelRatio(devicePixelRatioF());
    obraz.fill(Qt::transparent);
    {
        QPainter malarz(&obraz);
        Rysuj(malarz, size());
    }
    QPainter ekran(this);
    ekran.drawPixmap(0, 0, obraz);
}

} // namespace tarvomund
