#include "stats/MalowanieWykresu.h"

#include <QFont>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tarvomund {

namespace {

// Screen pixels, multiplied by the plan's scale on other surfaces.
constexpr double Margines = 6;
constexpr double OdstepEtykiety = 4;
constexpr double DlugoscStrzalki = 8;
constexpr double NajglebszaSeria = 14;
constexpr double UdzialGlebi = 0.25;
// The value axis reaches a tenth above the largest value, so marks over the peaks fit.
constexpr double ZapasWartosci = 1.1;
constexpr double OdstepPodzialekY = 2.5; // in text heights

const QColor KolorTytulu(0, 0, 128);
const QColor KolorSiatki(192, 192, 192);
const QColor KolorOsi(0, 0, 0);
const QColor KolorSciany(240, 240, 240);
const QColor KolorPodlogi(208, 208, 208);
const QColor KolorTabliczki(255, 255, 213);
const QColor GoraGradientu(255, 255, 255);
const QColor DolGradientu(206, 222, 240);

// 1, 2 or 5 times a power of ten, at least `surowy`.
double LadnyKrok(double surowy)
{
    if (!(surowy > 0))
        return 1;
    const double potega = std::pow(10.0, std::floor(std::log10(surowy)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * potega >= surowy)
            return m * potega;
    return 10 * potega;
}

QString TekstWartosci(double v)
{
    return v == std::floor(v) ? QString::number(static_cast<long long>(v)) : QString::number(v, 'g', 6);
}

} // namespace

double TPlanWykresu::X(double x) const
{
    return Obszar.left() + (x - MinX) / (MaxX - MinX) * Obszar.width();
}

double TPlanWykresu::Y(double y) const
{
    return Obszar.bottom() - (y - MinY) / (MaxY - MinY) * Obszar.height();
}

QRectF TPlanWykresu::ObszarZGlebia() const
{
    return Obszar.united(Obszar.translated(Glebia));
}

TPlanWykresu PlanWykresu(const TDaneWykresu& dane, const QRectF& cel, const QFontMetricsF& czcionka,
                         const QFontMetricsF& czcionkaTabliczek, double skala)
{
    TPlanWykresu plan;
    plan.Cel = cel;
    plan.SkalaPiora = skala * (1.0 + std::clamp(dane.Rozdzielczosc, -300, 0) / 400.0);
    const double m = Margines * skala;
    const double wysokosc = czcionka.height();

    double gora = cel.top() + m;
    for (const QString& wiersz : dane.Tytul) {
        plan.WierszeTytulu.append({QRectF(cel.left() + m, gora, cel.width() - 2 * m, wysokosc), wiersz});
        gora += wysokosc;
    }

    // The ranges come from the visible series only.
    QVector<int> widoczne;
    int punktow = 0;
    double najmniejsza = 0;
    double najwieksza = 0;
    for (int s = 0; s < dane.Serie.size(); ++s) {
        const TSeriaWykresu& seria = dane.Serie[s];
        if (!seria.Widoczna)
            continue;
        widoczne.append(s);
        punktow = std::max(punktow, static_cast<int>(seria.Punkty.size()));
        for (const TPunktWykresu& p : seria.Punkty) {
            najmniejsza = std::min(najmniejsza, p.Wartosc);
            najwieksza = std::max(najwieksza, p.Wartosc);
        }
    }

    // The value axis: nice steps from 0 (or the lowest value) up past the largest.
    plan.MinY = najmniejsza;
    plan.MaxY =
        najwieksza > najmniejsza ? najmniejsza + (najwieksza - najmniejsza) * ZapasWartosci : najmniejsza + 1;

    // Room for the value labels at the left and the point labels under the plot.
    double lewy = cel.left() + m;
    double dol = cel.bottom() - m;
    if (dane.Osie) {
        const double szerokoscLiczb =
            std::max(czcionka.horizontalAdvance(TekstWartosci(std::floor(plan.MaxY))),
                     czcionka.horizontalAdvance(TekstWartosci(std::floor(plan.MinY))));
        lewy += szerokoscLiczb + OdstepEtykiety * skala;
        if (dane.OsDolna)
            dol -= wysokosc + OdstepEtykiety * skala;
    }
    plan.Obszar = QRectF(QPointF(lewy, gora + m), QPointF(cel.right() - m, dol));
    if (dane.Trojwymiarowy && !widoczne.isEmpty()) {
        const double krok =
            std::min(NajglebszaSeria * skala,
                     std::min(plan.Obszar.width(), plan.Obszar.height()) * UdzialGlebi / widoczne.size());
        plan.KrokGlebi = QPointF(krok * M_SQRT1_2, -krok * M_SQRT1_2);
        plan.Glebia = plan.KrokGlebi * widoczne.size();
        plan.Obszar.setRight(plan.Obszar.right() - plan.Glebia.x());
        plan.Obszar.setTop(plan.Obszar.top() - plan.Glebia.y());
    }
    if (plan.Obszar.width() < 1 || plan.Obszar.height() < 1)
        plan.Obszar.setSize(QSizeF(std::max(1.0, plan.Obszar.width()), std::max(1.0, plan.Obszar.height())));

    const double krokY = LadnyKrok((plan.MaxY - plan.MinY) /
                                   std::max(1.0, plan.Obszar.height() / (wysokosc * OdstepPodzialekY)));
    plan.MinY = std::floor(plan.MinY / krokY) * krokY;
    plan.MaxY = std::max(plan.MinY + krokY, std::ceil(plan.MaxY / krokY) * krokY);

    // The point axis: every point, or a narrower window when zoomed in, moved by the shift.
    const double wszystkie = std::max(1, punktow);
    const double szerokosc = wszystkie / std::max(0.01, dane.Powiekszenie);
    double srodek = (wszystkie - 1) / 2.0;
    if (szerokosc < wszystkie)
        srodek =
            std::clamp(srodek + dane.Przesuniecie, -0.5 + szerokosc / 2, wszystkie - 0.5 - szerokosc / 2);
    plan.MinX = srodek - szerokosc / 2;
    plan.MaxX = srodek + szerokosc / 2;

    if (dane.Osie) {
        for (double v = plan.MinY; v <= plan.MaxY + krokY / 2; v += krokY)
            plan.PodzialkiY.append({plan.Y(v), TekstWartosci(std::round(v / krokY) * krokY)});
        if (dane.OsDolna && !widoczne.isEmpty()) {
            // The first visible series names the points; labels that would overlap are skipped.
            const TSeriaWykresu& pierwsza = dane.Serie[widoczne.front()];
            double najszersza = 0;
            for (const TPunktWykresu& p : pierwsza.Punkty)
                najszersza = std::max(najszersza, czcionka.horizontalAdvance(p.Etykieta));
            const double naPunkt = plan.Obszar.width() / (plan.MaxX - plan.MinX);
            const int co =
                std::max(1, static_cast<int>(std::ceil((najszersza + OdstepEtykiety * skala) / naPunkt)));
            const int od = std::max(0, static_cast<int>(std::ceil(plan.MinX)));
            const int do_ = std::min(static_cast<int>(pierwsza.Punkty.size()) - 1,
                                     static_cast<int>(std::floor(plan.MaxX)));
            for (int i = od; i <= do_; ++i)
                if (i % co == 0)
                    plan.PodzialkiX.append({plan.X(i), pierwsza.Punkty[i].Etykieta});
        }
    }

    // The first visible series stands in front; the lines are painted from the farthest.
    for (int j = widoczne.size() - 1; j >= 0; --j) {
        const TSeriaWykresu& seria = dane.Serie[widoczne[j]];
        TLiniaWykresu linia;
        linia.Seria = widoczne[j];
        linia.Kolor = seria.Kolor;
        linia.Grubosc = std::max(0.5, seria.Grubosc * plan.SkalaPiora);
        linia.Przesuniecie = plan.KrokGlebi * j;
        for (int i = 0; i < seria.Punkty.size(); ++i) {
            const QPointF p(plan.X(i), plan.Y(seria.Punkty[i].Wartosc));
            if (dane.Typ == TTypWykresu::Schodkowy && i > 0)
                linia.Punkty.append(QPointF(p.x(), linia.Punkty.back().y()) + linia.Przesuniecie);
            linia.Punkty.append(p + linia.Przesuniecie);
        }
        plan.Linie.append(linia);
    }

    for (int j = 0; j < widoczne.size(); ++j) {
        const TSeriaWykresu& seria = dane.Serie[widoczne[j]];
        if (!seria.Tabliczki)
            continue;
        for (int i = 0; i < seria.Punkty.size(); ++i) {
            if (i < plan.MinX || i > plan.MaxX)
                continue;
            const TPunktWykresu& p = seria.Punkty[i];
            TTabliczkaWykresu t;
            t.Seria = widoczne[j];
            t.Punkt = i;
            t.Tekst = seria.TabliczkiWartosci || p.Etykieta.isEmpty() ? TekstWartosci(p.Wartosc) : p.Etykieta;
            t.Kotwica = QPointF(plan.X(i), plan.Y(p.Wartosc)) + plan.KrokGlebi * j;
            const QSizeF rozmiar(czcionkaTabliczek.horizontalAdvance(t.Tekst) + 4 * skala,
                                 czcionkaTabliczek.height() + 2 * skala);
            QRectF prostokat(QPointF(t.Kotwica.x() - rozmiar.width() / 2,
                                     t.Kotwica.y() - DlugoscStrzalki * skala - rozmiar.height()),
                             rozmiar);
            // Kept inside the chart: a mark at the edge moves in rather than being cut.
            prostokat.moveLeft(std::clamp(prostokat.left(), cel.left(), cel.right() - prostokat.width()));
            prostokat.moveTop(std::clamp(prostokat.top(), cel.top(), cel.bottom() - prostokat.height()));
            t.Prostokat = prostokat;
            plan.Tabliczki.append(t);
        }
    }
    return plan;
}

namespace {

void MalujTlo(QPainter& malarz, const TPlanWykresu& plan, const TDaneWykresu& dane)
{
    if (dane.Gradient) {
        QLinearGradient gradient(plan.Cel.topLeft(), plan.Cel.bottomLeft());
        gradient.setColorAt(0, GoraGradientu);
        gradient.setColorAt(1, DolGradientu);
        malarz.fillRect(plan.Cel, gradient);
    } else {
        malarz.fillRect(plan.Cel, Qt::white);
    }
    malarz.setPen(KolorTytulu);
    for (const auto& [prostokat, tekst] : plan.WierszeTytulu)
        malarz.drawText(prostokat, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, tekst);
}

void MalujSciany(QPainter& malarz, const TPlanWykresu& plan, const TDaneWykresu& dane)
{
    const QRectF& o = plan.Obszar;
    const QPen kontur(KolorOsi, 0);
    if (plan.Glebia.isNull()) {
        malarz.fillRect(o, QColor(255, 255, 255, 160));
    } else {
        const QPointF g = plan.Glebia;
        malarz.setPen(kontur);
        malarz.setBrush(KolorSciany);
        malarz.drawRect(o.translated(g));
        malarz.setBrush(KolorPodlogi);
        malarz.drawPolygon(
            QPolygonF{o.bottomLeft(), o.bottomRight(), o.bottomRight() + g, o.bottomLeft() + g});
        malarz.setBrush(KolorSciany.darker(105));
        malarz.drawPolygon(QPolygonF{o.topLeft(), o.bottomLeft(), o.bottomLeft() + g, o.topLeft() + g});
        malarz.setBrush(Qt::NoBrush);
    }
    if (!dane.Osie)
        return;
    // The grid lies on the back wall, in the 3D view also across the left wall and the floor.
    malarz.setPen(QPen(KolorSiatki, plan.SkalaPiora, Qt::DotLine));
    const QRectF tyl = o.translated(plan.Glebia);
    for (const TPodzialkaWykresu& p : plan.PodzialkiY) {
        const QPointF lewy(o.left(), p.Pozycja);
        malarz.drawLine(lewy + plan.Glebia, QPointF(tyl.right(), p.Pozycja + plan.Glebia.y()));
        if (!plan.Glebia.isNull())
            malarz.drawLine(lewy, lewy + plan.Glebia);
    }
    for (const TPodzialkaWykresu& p : plan.PodzialkiX) {
        const QPointF dolny(p.Pozycja, o.bottom());
        malarz.drawLine(dolny + plan.Glebia, QPointF(p.Pozycja + plan.Glebia.x(), tyl.top()));
        if (!plan.Glebia.isNull())
            malarz.drawLine(dolny, dolny + plan.Glebia);
    }
    malarz.setPen(QPen(KolorOsi, plan.SkalaPiora));
    malarz.drawLine(o.topLeft(), o.bottomLeft());
    malarz.drawLine(o.bottomLeft(), o.bottomRight());
    const QFontMetricsF metryka(malarz.font(), malarz.device());
    for (const TPodzialkaWykresu& p : plan.PodzialkiY) {
        const double w = metryka.horizontalAdvance(p.Tekst);
        malarz.drawText(QPointF(o.left() - w - OdstepEtykiety / 2 * plan.SkalaPiora,
                                p.Pozycja + metryka.ascent() / 2 - metryka.descent() / 2),
                        p.Tekst);
    }
    for (const TPodzialkaWykresu& p : plan.PodzialkiX) {
        const double w = metryka.horizontalAdvance(p.Tekst);
        malarz.drawText(
            QPointF(p.Pozycja - w / 2, o.bottom() + OdstepEtykiety / 2 * plan.SkalaPiora + metryka.ascent()),
            p.Tekst);
    }
}

void MalujLinie(QPainter& malarz, const TPlanWykresu& plan)
{
    malarz.save();
    malarz.setClipRect(plan.ObszarZGlebia().adjusted(-1, -1, 1, 1), Qt::IntersectClip);
    for (const TLiniaWykresu& linia : plan.Linie) {
        if (!plan.KrokGlebi.isNull()) {
            // A ribbon from the line back to the next series' plane: each segment a lit face.
            malarz.setPen(QPen(linia.Kolor.darker(140), std::max(0.5, plan.SkalaPiora / 2)));
            malarz.setBrush(linia.Kolor.lighter(130));
            for (int i = 1; i < linia.Punkty.size(); ++i) {
                const QPointF a = linia.Punkty[i - 1];
                const QPointF b = linia.Punkty[i];
                malarz.drawPolygon(QPolygonF{a, b, b + plan.KrokGlebi, a + plan.KrokGlebi});
            }
            malarz.setBrush(Qt::NoBrush);
        }
        malarz.setPen(QPen(linia.Kolor, linia.Grubosc, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (linia.Punkty.size() == 1)
            malarz.drawPoint(linia.Punkty.front());
        else
            malarz.drawPolyline(linia.Punkty);
    }
    malarz.restore();
}

void MalujTabliczki(QPainter& malarz, const TPlanWykresu& plan, const TDaneWykresu& dane)
{
    if (plan.Tabliczki.isEmpty())
        return;
    malarz.save();
    QFont czcionka = malarz.font();
    czcionka.setPointSizeF(dane.Serie[plan.Tabliczki.front().Seria].RozmiarTabliczek);
    malarz.setFont(czcionka);
    for (const TTabliczkaWykresu& t : plan.Tabliczki) {
        const QColor kolor = dane.Serie[t.Seria].Kolor;
        malarz.setPen(QPen(kolor, 0));
        malarz.drawLine(t.Kotwica, QPointF(t.Kotwica.x(), t.Prostokat.bottom()));
        malarz.setPen(QPen(Qt::black, 0));
        malarz.setBrush(KolorTabliczki);
        malarz.drawRect(t.Prostokat);
        malarz.drawText(t.Prostokat, Qt::AlignCenter | Qt::TextSingleLine, t.Tekst);
    }
    malarz.restore();
}

} // namespace

TPlanWykresu MalujWykres(QPainter& malarz, const QRectF& cel, const TDaneWykresu& dane)
{
    QFont czcionkaTabliczek = malarz.font();
    czcionkaTabliczek.setPointSizeF(dane.Serie.isEmpty() ? 7 : dane.Serie.front().RozmiarTabliczek);
    QPaintDevice* urzadzenie = malarz.device();
    const double skala = urzadzenie ? urzadzenie->logicalDpiY() / 96.0 : 1.0;
    const TPlanWykresu plan = PlanWykresu(dane, cel, QFontMetricsF(malarz.font(), urzadzenie),
                                          QFontMetricsF(czcionkaTabliczek, urzadzenie), skala);
    malarz.save();
    malarz.setClipRect(cel, Qt::IntersectClip);
    malarz.setRenderHint(QPainter::Antialiasing, true);
    MalujTlo(malarz, plan, dane);
    MalujSciany(malarz, plan, dane);
    MalujLinie(malarz, plan);
    MalujTabliczki(malarz, plan, dane);
    malarz.restore();
    return plan;
}

} // namespace tarvomund
