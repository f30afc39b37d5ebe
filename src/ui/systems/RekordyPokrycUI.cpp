#include "systems/RekordyPokrycUI.h"

#include "systems/OptymalizatorPokrycia.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace tarvomund {

namespace {

struct TTablica {
    QString Plik;
    std::optional<TRekordyPokryc> Rekordy;
};

TTablica& Tablica()
{
    static TTablica tablica;
    return tablica;
}

} // namespace

const TRekordyPokryc& RekordyPokryc()
{
    TTablica& t = Tablica();
    if (!t.Rekordy) {
        const QString plik = t.Plik.isEmpty()
                                 ? QDir(QCoreApplication::applicationDirPath()).filePath(
                                       QStringLiteral("Dane/") + QLatin1String(NazwaPlikuRekordow))
                                 : t.Plik;
        t.Rekordy = TRekordyPokryc::Wczytaj(plik.toStdString());
    }
    return *t.Rekordy;
}

void UstawPlikRekordow(const QString& plik)
{
    Tablica().Plik = plik;
    Tablica().Rekordy.reset();
}

QString TOpisRekordu::TekstNajlepszego() const
{
    return Najlepszy ? QString::number(*Najlepszy) : QStringLiteral("brak w tablicy");
}

TOpisRekordu OpisRekordu(int n, int k, int t)
{
    TOpisRekordu opis;
    opis.Dolne = DolneOgraniczenie(n, k, t);
    if (const auto rekord = RekordyPokryc().Znajdz(n, k, t)) {
        opis.Najlepszy = rekord->Najlepszy;
        opis.Dolne = std::max(opis.Dolne, rekord->Dolne);
    }
    return opis;
}

} // namespace tarvomund
