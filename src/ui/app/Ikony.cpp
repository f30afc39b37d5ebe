#include "app/Ikony.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace tarvomund {

namespace {

struct TWzorIkony {
    TPolecenie Polecenie;
    const char16_t* Znak;
    QRgb Kolor;
};

// One plate colour per group of commands: files, tasks, searches, statistics, tools.
constexpr QRgb Pliki = 0xff3a6ea5;
constexpr QRgb Zadania = 0xff2e8b57;
constexpr QRgb Szukanie = 0xff8b5a2b;
constexpr QRgb Statystyka = 0xff6a4c93;
constexpr QRgb Narzedzia = 0xff555555;

constexpr TWzorIkony Wzory[] = {
    {TPolecenie::Nowy, u"+", Pliki},
    {TPolecenie::Wczytaj, u"\u21E7", Pliki},
    {TPolecenie::Zapisz, u"\u21E9", Pliki},
    {TPolecenie::Drukuj, u"\u2261", Pliki},
    {TPolecenie::Start, u"\u25B6", Zadania},
    {TPolecenie::Stop, u"\u25A0", 0xffb22222},
    {TPolecenie::ParametrySystemu, u"P", Zadania},
    {TPolecenie::WlasneLiczby, u"W", Zadania},
    {TPolecenie::TestSystemu, u"T", Zadania},
    {TPolecenie::Gwarancja, u"G", Zadania},
    {TPolecenie::OptymalizujSystem, u"\u2264", Zadania},
    {TPolecenie::Rozklad, u"i", Zadania},
    {TPolecenie::SumujSystemy, u"\u00B1", Zadania},
    {TPolecenie::Filtry, u"\u2207", Szukanie},
    {TPolecenie::SzukajWSystemie, u"S", Szukanie},
    {TPolecenie::SzukajLosowan, u"L", Szukanie},
    {TPolecenie::SzukajLiczb, u"#", Szukanie},
    {TPolecenie::StatStop, u"\u25A0", 0xffb22222},
    {TPolecenie::StatParametry, u"P", Statystyka},
    {TPolecenie::StatSiatka, u"\u25A6", Statystyka},
    {TPolecenie::StatLiniowy, u"\u2571", Statystyka},
    {TPolecenie::StatSchodkowy, u"\u2510", Statystyka},
    {TPolecenie::Stat3D, u"3D", Statystyka},
    {TPolecenie::StatTabliczki, u"\u25AD", Statystyka},
    {TPolecenie::StatTabliczkiWartosc, u"12", Statystyka},
    {TPolecenie::StatSortujWartosc, u"\u2193", Statystyka},
    {TPolecenie::StatSortujNaturalnie, u"1\u2192", Statystyka},
    {TPolecenie::StatDoKolekcji, u"K", Statystyka},
    {TPolecenie::StatPowieksz, u"+", Statystyka},
    {TPolecenie::StatPomniejsz, u"\u2212", Statystyka},
    {TPolecenie::Kolekcja, u"K", Narzedzia},
    {TPolecenie::Biorytmy, u"\u223F", Narzedzia},
    {TPolecenie::Koniec, u"\u00D7", 0xff8b0000},
    {TPolecenie::PomocKontekstowa, u"?", Narzedzia},
};

} // namespace

QIcon IkonaZnaku(const QString& znak, QColor kolor)
{
    constexpr int bok = 32;
    QPixmap obraz(bok, bok);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath plytka;
    plytka.addRoundedRect(QRectF(1.5, 1.5, bok - 3, bok - 3), 6, 6);
    p.fillPath(plytka, kolor);
    p.setPen(QPen(kolor.darker(140), 1));
    p.drawPath(plytka);
    QFont czcionka = QApplication::font();
    czcionka.setBold(true);
    czcionka.setPixelSize(znak.size() > 1 ? 13 : 19);
    p.setFont(czcionka);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, bok, bok), Qt::AlignCenter, znak);
    return QIcon(obraz);
}

QIcon IkonaPolecenia(TPolecenie polecenie)
{
    for (const TWzorIkony& wzor : Wzory)
        if (wzor.Polecenie == polecenie)
            return IkonaZnaku(QString::fromUtf16(wzor.Znak), QColor::fromRgba(wzor.Kolor));
    return {};
}

} // namespace tarvomund
