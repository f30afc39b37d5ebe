#include "app/Wydruk.h"

#include "model/PlikSystemu.h"
#include "tools/MalowanieBiorytmu.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tarvomund {

namespace {

constexpr double MmNaCal = 25.4;
constexpr int RozmiarTytuluListy = 10;
// A font larger than this fills no column of any page: the search for the list's size ends there.
constexpr int MaxRozmiarListy = 400;
// Bets are read for the list this many at a time.
constexpr int32_t PaczkaZakladow = 4096;

QString NaQt(const std::string& tekst)
{
    return QString::fromStdString(tekst);
}

// Turns pages: a paged device starts a new sheet, an image is handed to the callback and cleared.
class TStrony {
public:
    TStrony(QPaintDevice& urzadzenie, QPainter& malarz, const TMiedzyStronami& miedzy)
        : stronicowane_(dynamic_cast<QPagedPaintDevice*>(&urzadzenie)), malarz_(malarz), miedzy_(miedzy),
          obszar_(0, 0, urzadzenie.width(), urzadzenie.height())
    {
        if (!stronicowane_)
            malarz_.fillRect(obszar_, Qt::white);
    }

    bool Nastepna()
    {
        if (miedzy_ && !miedzy_(gotowych_ + 1))
            return false;
        if (stronicowane_) {
            if (!stronicowane_->newPage())
                return false;
        } else {
            if (!miedzy_)
                return false;
            malarz_.fillRect(obszar_, Qt::white);
        }
        ++gotowych_;
        return true;
    }
    int Stron() const { return gotowych_ + 1; }

private:
    QPagedPaintDevice* stronicowane_;
    QPainter& malarz_;
    const TMiedzyStronami& miedzy_;
    QRect obszar_;
    int gotowych_ = 0;
};

// Millimetres on the page to device pixels: lengths and positions are truncated, each along its axis.
class TSkalaUrzadzenia {
public:
    explicit TSkalaUrzadzenia(const QPaintDevice& u) : x_(u.logicalDpiX() / MmNaCal), y_(u.logicalDpiY() / MmNaCal) {}

    int X(double mm) const { return Obetnij(mm * x_); }
    int Y(double mm) const { return Obetnij(mm * y_); }
    QRect Prostokat(const TProstokatMm& r) const { return {X(r.Lewy), Y(r.Gorny), X(r.Szer), Y(r.Wys)}; }

private:
    static int Obetnij(double v)
    {
        if (!(v > -1e9))
            return -1000000000;
        if (!(v < 1e9))
            return 1000000000;
        return static_cast<int>(std::trunc(v));
    }
    double x_, y_;
};

// Arial whose cell (ascent plus descent) is `wysokosc` device pixels.
QFont CzcionkaKomorki(int wysokosc, const QPaintDevice& urzadzenie)
{
    QFont czcionka(QStringLiteral("Arial"));
    czcionka.setStyleHint(QFont::SansSerif);
    wysokosc = std::max(wysokosc, 1);
    czcionka.setPixelSize(wysokosc);
    const QFontMetricsF miary(czcionka, &urzadzenie);
    const double komorka = miary.ascent() + miary.descent();
    if (komorka > 0)
        czcionka.setPixelSize(std::max(1, static_cast<int>(std::lround(wysokosc * wysokosc / komorka))));
    return czcionka;
}

// Text along the field's width on the slip. Without the turn the slip lies across the page, so such
// text runs down the page; along the height it is the other way round.
void MalujTekstPola(QPainter& malarz, const QPaintDevice& urzadzenie, const QRect& pole, uint8_t rodzaj, bool obrot,
                    const QString& tekst)
{
    const bool obrocony = (rodzaj == RodzajTekstPoziomy) != obrot;
    malarz.save();
    if (!obrocony) {
        malarz.setFont(CzcionkaKomorki(pole.height(), urzadzenie));
        malarz.drawText(QRectF(pole), Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, tekst);
    } else {
        malarz.setFont(CzcionkaKomorki(pole.width(), urzadzenie));
        if (rodzaj == RodzajTekstPoziomy) {
            // Down the page, the letters' tops towards the page's right.
            malarz.translate(pole.x() + pole.width(), pole.y());
            malarz.rotate(90);
        } else {
            // Up the page, the letters' tops towards the page's left.
            malarz.translate(pole.x(), pole.y() + pole.height());
            malarz.rotate(-90);
        }
        malarz.drawText(QRectF(0, 0, pole.height(), pole.width()), Qt::AlignCenter | Qt::TextDontClip, tekst);
    }
    malarz.restore();
}

void MalujZnak(QPainter& malarz, const QPaintDevice& urzadzenie, const TSkalaUrzadzenia& skala,
               const TZnakBlankietu& znak, double wysBlankietu, const TPolozenieBlankietu& polozenie)
{
    const TEdPole& pole = *znak.Pole;
    const TPoleNaStronie naStronie = PolozPole(pole, wysBlankietu, polozenie);
    const QRect zaznaczenie = skala.Prostokat(naStronie.Zaznaczenie);
    malarz.setPen(QPen(Qt::black, 1));
    malarz.setBrush(Qt::black);
    switch (pole.Rodzaj) {
    case RodzajKrzyzyk: {
        malarz.setPen(QPen(Qt::black, std::max(1, skala.X(pole.Grubosc))));
        const QRectF r(zaznaczenie);
        malarz.drawLine(r.topLeft(), r.bottomRight());
        malarz.drawLine(r.topRight(), r.bottomLeft());
        break;
    }
    case RodzajElipsa:
        malarz.drawEllipse(zaznaczenie);
        break;
    case RodzajTekstPoziomy:
    case RodzajTekstPionowy: {
        const QRect cale = skala.Prostokat(naStronie.Pole);
        malarz.setBrush(Qt::NoBrush);
        malarz.drawRect(cale);
        MalujTekstPola(malarz, urzadzenie, cale, pole.Rodzaj, polozenie.Obrot, NaQt(znak.Tekst));
        break;
    }
    default: // the two bars
        malarz.fillRect(zaznaczenie, Qt::black);
        break;
    }
}

TWynikWydruku DrukujWiersze(QPaintDevice& u, const TWydrukWierszy& w, const TMiedzyStronami& miedzy)
{
    QPainter malarz;
    if (!malarz.begin(&u))
        return {0, TBladWydruku::Urzadzenie};
    TStrony strony(u, malarz, miedzy);
    malarz.setFont(QFont(w.Czcionka, &u));
    int nastepny = MalujWiersze(malarz, w.Wiersze, 0, u.height());
    while (nastepny < w.Wiersze.size() && strony.Nastepna())
        nastepny = MalujWiersze(malarz, w.Wiersze, nastepny, u.height());
    return {strony.Stron(), TBladWydruku::Brak};
}

TWynikWydruku DrukujBiorytm(QPaintDevice& u, const TWydrukBiorytmu& w, const TMiedzyStronami& miedzy)
{
    QPainter malarz;
    if (!malarz.begin(&u))
        return {0, TBladWydruku::Urzadzenie};
    TStrony strony(u, malarz, miedzy);
    malarz.setFont(QFont(w.Czcionka, &u));
    MalujStroneBiorytmu(malarz, QRect(0, 0, u.width(), u.height()), w.Wiersze, w.Plan);
    return {strony.Stron(), TBladWydruku::Brak};
}

TWynikWydruku DrukujListe(QPaintDevice& u, const TWydrukListy& w, const TMiedzyStronami& miedzy)
{
    TCzytnikSystemu czytnik(w.PlikSystemu);
    if (!czytnik.Otwarty())
        return {0, TBladWydruku::OdczytSystemu};
    const TInfoGryRec& info = czytnik.Naglowek().Info;
    int32_t od = std::min(w.Opcje.Od, w.Opcje.Do);
    int32_t doZakladu = std::max(w.Opcje.Od, w.Opcje.Do);
    od = std::max(od, 1);
    doZakladu = std::min(doZakladu, info.Zakladow);

    QPainter malarz;
    if (!malarz.begin(&u))
        return {0, TBladWydruku::Urzadzenie};
    TStrony strony(u, malarz, miedzy);
    malarz.setPen(Qt::black);
    const int kolumn = std::clamp(w.Opcje.Kolumn, MinKolumnListy, MaxKolumnListy);
    const TGeometriaListy g = GeometriaListy(u.width(), u.height(), kolumn);

    QFont tytul(QStringLiteral("Courier New"), RozmiarTytuluListy);
    tytul.setStyleHint(QFont::TypeWriter);
    malarz.setFont(QFont(tytul, &u));
    const QString tekstTytulu = NaQt(TytulListy(info));
    const QFontMetrics miaryTytulu(malarz.font(), &u);
    malarz.drawText(g.Lewy + (g.Szerokosc - miaryTytulu.horizontalAdvance(tekstTytulu)) / 2, miaryTytulu.ascent(),
                    tekstTytulu);

    malarz.setFont(CzcionkaListy(u, WzorWierszaListy(info), g.Kolumna));
    const QFontMetrics miary(malarz.font(), &u);
    const int wysokosc = miary.height();
    const int naKolumne = WierszyWKolumnie(g, wysokosc);
    int kolumna = 0;
    int wiersz = 0;
    for (int32_t pierwszy = od; pierwszy <= doZakladu; pierwszy += PaczkaZakladow) {
        const auto zaklady = czytnik.Zaklady(pierwszy, std::min(PaczkaZakladow, doZakladu - pierwszy + 1));
        if (zaklady.empty())
            break;
        for (std::size_t i = 0; i < zaklady.size(); ++i) {
            if (wiersz == naKolumne) {
                wiersz = 0;
                if (++kolumna == kolumn) {
                    kolumna = 0;
                    if (!strony.Nastepna())
                        return {strony.Stron(), TBladWydruku::Brak};
                }
            }
            const int32_t nr = pierwszy + static_cast<int32_t>(i);
            const QString tekst = NaQt(WierszListy(nr, zaklady[i].data(), info, w.Opcje.WlasneLiczby));
            malarz.drawText(g.LewyKolumny(kolumna), g.Margines + wiersz * wysokosc + miary.ascent(), tekst);
            ++wiersz;
        }
    }
    return {strony.Stron(), TBladWydruku::Brak};
}

TWynikWydruku DrukujBlankiety(QPaintDevice& u, const TWydrukBlankietow& w, const TMiedzyStronami& miedzy)
{
    if (!w.Blankiet)
        return {0, TBladWydruku::BrakGrupZakladow};
    const TBlankietOb& blankiet = *w.Blankiet;
    const TSkalaUrzadzenia skala(u);
    if (w.Test()) {
        QPainter malarz;
        if (!malarz.begin(&u))
            return {0, TBladWydruku::Urzadzenie};
        TStrony strony(u, malarz, miedzy);
        malarz.setPen(QPen(Qt::black, 1));
        malarz.setBrush(Qt::NoBrush);
        malarz.drawRect(skala.Prostokat(ObrysBlankietu(blankiet.Szer, blankiet.Wys, w.Polozenie)));
        for (const TZnakBlankietu& znak : ZnakiTestu(blankiet))
            MalujZnak(malarz, u, skala, znak, blankiet.Wys, w.Polozenie);
        return {strony.Stron(), TBladWydruku::Brak};
    }

    TDrukBlankietow druk(blankiet, w.PlikSystemu, w.Opcje, w.Od, w.Do);
    switch (druk.Blad()) {
    case TBladDrukuBlankietow::BrakSystemu:
        return {0, TBladWydruku::OdczytSystemu};
    case TBladDrukuBlankietow::BrakGrupZakladow:
        return {0, TBladWydruku::BrakGrupZakladow};
    case TBladDrukuBlankietow::ZaMaloPol:
        return {0, TBladWydruku::ZaMaloPol};
    case TBladDrukuBlankietow::Brak:
        break;
    }
    if (druk.Zakres().Ile() == 0)
        return {0, TBladWydruku::Brak};
    QPainter malarz;
    if (!malarz.begin(&u))
        return {0, TBladWydruku::Urzadzenie};
    TStrony strony(u, malarz, miedzy);
    bool pierwsza = true;
    while (const auto strona = druk.Nastepna()) {
        if (!pierwsza && !strony.Nastepna())
            break;
        pierwsza = false;
        for (const TZnakBlankietu& znak : strona->Znaki)
            MalujZnak(malarz, u, skala, znak, blankiet.Wys, w.Polozenie);
    }
    return {strony.Stron(), TBladWydruku::Brak};
}

} // namespace

int MalujWiersze(QPainter& malarz, const QStringList& wiersze, int od, int wysokosc)
{
    const QFontMetrics miary(malarz.font(), malarz.device());
    const int linia = miary.lineSpacing();
    int y = miary.ascent();
    int i = od;
    for (; i < wiersze.size() && y <= wysokosc; ++i, y += linia)
        malarz.drawText(0, y, wiersze[i]);
    return i == od && i < wiersze.size() ? i + 1 : i;
}

void MalujStroneBiorytmu(QPainter& malarz, const QRect& strona, const QStringList& wiersze, const TPlanBiorytmu& plan)
{
    malarz.save();
    malarz.translate(strona.topLeft());
    MalujWiersze(malarz, wiersze, 0, strona.height());
    // The chart goes under the text, across the page and in its own proportions.
    const int linia = QFontMetrics(malarz.font(), malarz.device()).lineSpacing();
    const double gora = (wiersze.size() + 1) * linia;
    const double skala = std::min(static_cast<double>(strona.width()) / SzerokoscWykresuBio,
                                  std::max(0.0, strona.height() - gora) / WysokoscWykresuBio);
    MalujBiorytm(malarz, QRectF(0, gora, SzerokoscWykresuBio * skala, WysokoscWykresuBio * skala), plan);
    malarz.restore();
}

QFont CzcionkaListy(const QPaintDevice& urzadzenie, const std::string& wzor, int szerokoscKolumny)
{
    const QString tekst = NaQt(wzor);
    QFont czcionka(QStringLiteral("Courier New"));
    czcionka.setStyleHint(QFont::TypeWriter);
    czcionka.setFixedPitch(true);
    for (int rozmiar = 1; rozmiar <= MaxRozmiarListy; ++rozmiar) {
        czcionka.setPointSize(rozmiar);
        if (QFontMetrics(czcionka, &urzadzenie).horizontalAdvance(tekst) >= szerokoscKolumny)
            break;
    }
    return czcionka;
}

QStringList WierszeRaportu(const QStringList& naglowek, const QStringList& wiersze, const QString& zamykajaca)
{
    QStringList raport = naglowek + QStringList{QString()} + wiersze;
    if (!zamykajaca.isEmpty())
        raport << QString() << zamykajaca;
    return raport;
}

TWynikWydruku Drukuj(QPaintDevice& urzadzenie, const TZadanieWydruku& zadanie, const TMiedzyStronami& miedzy)
{
    return std::visit(
        [&](const auto& w) -> TWynikWydruku {
            using T = std::decay_t<decltype(w)>;
            if constexpr (std::is_same_v<T, TWydrukWierszy>)
                return DrukujWiersze(urzadzenie, w, miedzy);
            else if constexpr (std::is_same_v<T, TWydrukBiorytmu>)
                return DrukujBiorytm(urzadzenie, w, miedzy);
            else if constexpr (std::is_same_v<T, TWydrukListy>)
                return DrukujListe(urzadzenie, w, miedzy);
            else
                return DrukujBlankiety(urzadzenie, w, miedzy);
        },
        zadanie);
}

std::optional<QPageLayout::Orientation> OrientacjaWydruku(const TZadanieWydruku& zadanie)
{
    if (std::holds_alternative<TWydrukListy>(zadanie) || std::holds_alternative<TWydrukBlankietow>(zadanie))
        return QPageLayout::Portrait;
    return std::nullopt;
}

} // namespace tarvomund
