#include "app/Ustawienia.h"

#include <QSettings>

#include <array>
#include <memory>
#include <type_traits>
#include <variant>

namespace tarvomund {

namespace {

using TPole = std::variant<std::string TParametry::*, int32_t TParametry::*, bool TParametry::*>;

// One stored value. Its default is the field's initial value in TParametry, so it is stated once.
struct TWpisUstawienia {
    const char* Sekcja;
    const char* Nazwa;
    TPole Pole;
    TZakresUstawienia Zakres; // numeric fields only
};

constexpr TZakresUstawienia BezZakresu{0, 0};

const std::array<TWpisUstawienia, 7> Wpisy{{
    {"USTAWIENIA", "Sciezka do programu", &TParametry::SciezkaProgramu, BezZakresu},
    {"STATYSTYKA", "Spin1", &TParametry::Spin1, ZakresSpin1},
    {"STATYSTYKA", "CBox1", &TParametry::CBox1, BezZakresu},
    {"STATYSTYKA", "Spin11", &TParametry::Spin11, ZakresSpin11},
    {"GWARANCJA", "IleNad", &TParametry::IleNad, ZakresIleNad},
    {"GWARANCJA", "IlePod", &TParametry::IlePod, ZakresIlePod},
    {"GWARANCJA", "MinMax", &TParametry::MinMax, BezZakresu},
}};

QString Klucz(const TWpisUstawienia& wpis)
{
    return QString::fromLatin1(wpis.Sekcja) + QLatin1Char('/') + QString::fromLatin1(wpis.Nazwa);
}

// The recently opened files, most recent first, as "Plik1" .. "Plik8" of their own section.
constexpr const char* SekcjaOstatnich = "OSTATNIE";

QString& WskazanyPlik()
{
    static QString plik;
    return plik;
}

// The per-user store, or the file an installed program keeps beside its games. The preferences are
// the user's own; a system-wide file must not fill in for them.
std::unique_ptr<QSettings> Magazyn()
{
    auto magazyn = WskazanyPlik().isEmpty()
                       ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                     QStringLiteral("Quorbane"))
                       : std::make_unique<QSettings>(WskazanyPlik(), QSettings::IniFormat);
    magazyn->setFallbacksEnabled(false);
    return magazyn;
}

QString KluczOstatniego(int numer)
{
    return QString::fromLatin1(SekcjaOstatnich) + QStringLiteral("/Plik") + QString::number(numer);
}

// The text a hand-edited or foreign file holds is not trusted: anything but a clear yes or no
// keeps the default. The store writes "true"/"false"; 1/0 is what a registry export would carry.
bool CzytajLogiczna(const QVariant& wartosc, bool domyslna)
{
    const QString tekst = wartosc.toString().trimmed();
    if (tekst.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || tekst == QLatin1String("1"))
        return true;
    if (tekst.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || tekst == QLatin1String("0"))
        return false;
    return domyslna;
}

int32_t CzytajLiczbe(const QVariant& wartosc, int32_t domyslna, TZakresUstawienia zakres)
{
    bool ok = false;
    const int liczba = wartosc.toString().trimmed().toInt(&ok);
    return ok && zakres.Zawiera(liczba) ? liczba : domyslna;
}

} // namespace

void CzytajUstawienia(TParametry& parametry)
{
    const TParametry domyslne;
    const auto magazyn = Magazyn();
    for (const TWpisUstawienia& wpis : Wpisy) {
        const QVariant wartosc = magazyn->value(Klucz(wpis));
        std::visit(
            [&](auto pole) {
                using T = std::remove_reference_t<decltype(parametry.*pole)>;
                if (!wartosc.isValid())
                    parametry.*pole = domyslne.*pole;
                else if constexpr (std::is_same_v<T, std::string>)
                    parametry.*pole = wartosc.toString().toStdString();
                else if constexpr (std::is_same_v<T, bool>)
                    parametry.*pole = CzytajLogiczna(wartosc, domyslne.*pole);
                else
                    parametry.*pole = CzytajLiczbe(wartosc, domyslne.*pole, wpis.Zakres);
            },
            wpis.Pole);
    }
}

void ZapiszUstawienia(const TParametry& parametry)
{
    const auto magazyn = Magazyn();
    for (const TWpisUstawienia& wpis : Wpisy) {
        std::visit(
            [&](auto pole) {
                using T = std::remove_cvref_t<decltype(parametry.*pole)>;
                if constexpr (std::is_same_v<T, std::string>)
                    magazyn->setValue(Klucz(wpis), QString::fromStdString(parametry.*pole));
                else
                    magazyn->setValue(Klucz(wpis), parametry.*pole);
            },
            wpis.Pole);
    }
    magazyn->sync();
}

QString PlikUstawien()
{
    return Magazyn()->fileName();
}

void UstawPlikUstawien(const QString& plik)
{
    WskazanyPlik() = plik;
}

QStringList CzytajOstatnioOtwierane()
{
    const auto magazyn = Magazyn();
    QStringList pliki;
    for (int numer = 1; numer <= NajwiecejOstatnich; ++numer) {
        const QString plik = magazyn->value(KluczOstatniego(numer)).toString();
        if (!plik.isEmpty() && !pliki.contains(plik))
            pliki << plik;
    }
    return pliki;
}

void ZapiszOstatnioOtwierane(const QStringList& pliki)
{
    const auto magazyn = Magazyn();
    magazyn->remove(QString::fromLatin1(SekcjaOstatnich));
    for (int numer = 1; numer <= NajwiecejOstatnich && numer <= pliki.size(); ++numer)
        magazyn->setValue(KluczOstatniego(numer), pliki[numer - 1]);
    magazyn->sync();
}

} // namespace tarvomund
