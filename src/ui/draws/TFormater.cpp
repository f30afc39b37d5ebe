#include "draws/TFormater.h"

#include "model/Cp1250.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>

namespace tarvomund {

namespace {

constexpr int DlugoscKreski = 3;
constexpr int WysokoscStrzalki = 4;
constexpr int CoIleNumer = 5;

} // namespace

TFormater::TFormater(QWidget* parent) : QAbstractScrollArea(parent)
{
    czcionka_ = QFont(QStringLiteral("Courier"), RozmiarCzcionki);
    czcionka_.setStyleHint(QFont::TypeWriter);
    czcionka_.setFixedPitch(true);
    // Columns line up under the ruler only in a fixed-pitch font; without Courier take the system's.
    if (!QFontInfo(czcionka_).fixedPitch()) {
        czcionka_ = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        czcionka_.setPointSize(RozmiarCzcionki);
    }
    viewport()->setFont(czcionka_);
    setFont(czcionka_);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    horizontalScrollBar()->setRange(0, MaxPozycjaPozioma);
    horizontalScrollBar()->setSingleStep(KrokPoziomy);
    horizontalScrollBar()->setPageStep(KrokPoziomy * 10);
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setPageStep(KrokPionowy);
    UstawPaski();
}

bool TFormater::Wczytaj(const QString& plik)
{
    const bool wczytany = formatowanie_.WczytajPlik(plik.toStdString());
    Formatuj();
    return wczytany;
}

void TFormater::Formatuj()
{
    UstawPaski();
    viewport()->update();
}

void TFormater::UstawPaski()
{
    const auto ile = static_cast<int>(std::min<std::size_t>(formatowanie_.IleSformatowanych(), INT_MAX));
    verticalScrollBar()->setRange(0, std::max(ile - 1, 0));
}

QString TFormater::Pokazany(std::size_t i) const
{
    std::string wiersz = formatowanie_.Sformatowany(i);
    for (char& c : wiersz)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '\xB7'; // the middle dot of the code page
    return QString::fromStdString(Cp1250DoUtf8(wiersz));
}

qreal TFormater::SzerokoscZnaku() const
{
    // The exact advance: whole pixels would drift away from the text over a long line.
    return QFontMetricsF(czcionka_).horizontalAdvance(QLatin1Char('W'));
}

int TFormater::WysokoscWiersza() const
{
    return QFontMetrics(czcionka_).height() + OdstepWiersza;
}

int TFormater::WysokoscLinijki() const
{
    // Column numbers, the ticks under them, then the marker line with its arrows.
    return QFontMetrics(czcionka_).height() + 2 * DlugoscKreski + WysokoscStrzalki + 4;
}

void TFormater::resizeEvent(QResizeEvent* zdarzenie)
{
    QAbstractScrollArea::resizeEvent(zdarzenie);
    UstawPaski();
}

void TFormater::paintEvent(QPaintEvent* /*zdarzenie*/)
{
    QPainter p(viewport());
    p.setFont(czcionka_);
    const QRect obszar = viewport()->rect();
    p.fillRect(obszar, Kolor);
    const QFontMetrics miary(czcionka_);
    const qreal znak = std::max<qreal>(SzerokoscZnaku(), 1);
    const qreal lewa = 2;
    const int odKolumny = horizontalScrollBar()->value();
    const int kolumn = static_cast<int>(obszar.width() / znak) + 1;

    // The ruler: a tick at every column, twice as thick at every fifth, numbered above every fifth.
    const int gornaKreska = miary.height();
    const int liniaZnacznikow = gornaKreska + 2 * DlugoscKreski + 1;
    for (int i = 0; i < kolumn; ++i) {
        const int kolumna = odKolumny + i;
        const qreal x = lewa + i * znak;
        const bool piata = kolumna % CoIleNumer == 0;
        if (piata && kolumna != 0) {
            p.setPen(KolorSkali);
            const QString numer = QString::number(kolumna);
            p.drawText(QPointF(x - miary.horizontalAdvance(numer) / 2.0, miary.ascent()), numer);
        }
        p.setPen(QPen(KolorLini, piata ? 2 : 1));
        p.drawLine(QPointF(x, gornaKreska + (piata ? 0 : DlugoscKreski)), QPointF(x, gornaKreska + 2 * DlugoscKreski));
    }
    p.setPen(QPen(KolorLini, 1));
    p.drawLine(0, liniaZnacznikow, obszar.width(), liniaZnacznikow);

    // Each marker: a small arrow on the ruler's line and a line down through the text.
    const TFormatowanie::TZnaczniki znaczniki = formatowanie_.Znaczniki();
    const int gora = WysokoscLinijki();
    p.setBrush(KolorLini);
    for (int i = 0; i < kolumn; ++i) {
        const auto kolumna = static_cast<std::size_t>(odKolumny + i);
        if (kolumna >= znaczniki.size() || !znaczniki.test(kolumna))
            continue;
        const qreal x = lewa + i * znak;
        const qreal pol = WysokoscStrzalki / 2.0 + 1;
        const QPointF strzalka[] = {QPointF(x - pol, liniaZnacznikow + 1), QPointF(x + pol, liniaZnacznikow + 1),
                                    QPointF(x, liniaZnacznikow + WysokoscStrzalki + 1)};
        p.drawPolygon(strzalka, 3);
        p.drawLine(QPointF(x, liniaZnacznikow + WysokoscStrzalki), QPointF(x, obszar.bottom()));
    }

    // The formatted lines from the vertical scroll position, each cut to the visible columns.
    p.setPen(KolorTextu);
    const std::size_t ile = formatowanie_.IleSformatowanych();
    const int wysokosc = WysokoscWiersza();
    int y = gora;
    for (auto i = static_cast<std::size_t>(verticalScrollBar()->value()); i < ile && y < obszar.height(); ++i) {
        const QString wiersz = Pokazany(i).mid(odKolumny, kolumn);
        // One pixel right of the marker line, so that a field filled to its width stays readable.
        p.drawText(QPointF(lewa + 1, y + miary.ascent() + OdstepWiersza / 2), wiersz);
        y += wysokosc;
    }
}

} // namespace tarvomund
