#include "Argumenty.h"

#include "app/Wydruk.h"
#include "model/PlikSystemu.h"
#include "model/ZapisAtomowy.h"
#include "slips/PlikBlankietu.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <system_error>

namespace tarvomund::cli {

namespace {

namespace fs = std::filesystem;

// The resolution of the PDF pages: fine enough that slip marks land within a hundredth of a millimetre.
constexpr int RozdzielczoscPdf = 1200;

// Fonts need a GUI application; the companion has no window, so one without a screen is made the
// first time something is printed and lives until the program ends.
void ZapewnijAplikacje()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 3;
    static char nazwa[] = "tarvomund-cli";
    static char opcja[] = "-platform";
    static char platforma[] = "offscreen";
    static char* argv[] = {nazwa, opcja, platforma, nullptr};
    static const std::unique_ptr<QGuiApplication> aplikacja = std::make_unique<QGuiApplication>(argc, argv);
}

// A slip file named without a path that is not in the working directory is looked for in the data
// directory, where the editor saves slips.
std::string PlikBlankietu(const TKontekst& k, const std::string& nazwa)
{
    std::error_code blad;
    if (fs::exists(nazwa, blad) || fs::path(nazwa).has_parent_path())
        return nazwa;
    const fs::path wDanych = fs::path(k.Opcje.KatalogDane) / nazwa;
    return fs::exists(wDanych, blad) ? wDanych.string() : nazwa;
}

std::string OpisBledu(TBladWydruku blad)
{
    switch (blad) {
    case TBladWydruku::Urzadzenie:
        return "the PDF file cannot be written";
    case TBladWydruku::OdczytSystemu:
        return "the system file cannot be read";
    case TBladWydruku::BrakGrupZakladow:
        return "the slip has no bet group";
    case TBladWydruku::ZaMaloPol:
        return "a bet group of the slip has fewer fields than the game has numbers";
    case TBladWydruku::Brak:
        break;
    }
    return {};
}

// Paints the printout into a PDF beside the target, then puts it in the target's place, so a failed
// printout never leaves half a file under the name asked for.
TWynikWydruku DrukujDoPdf(const TZadanieWydruku& zadanie, const std::string& cel)
{
    ZapewnijAplikacje();
    TZapisAtomowy zapis(cel);
    if (!zapis.Otwarty())
        return {0, TBladWydruku::Urzadzenie};
    TWynikWydruku wynik;
    {
        QPdfWriter pdf(QString::fromStdString(zapis.PlikTymczasowy()));
        pdf.setResolution(RozdzielczoscPdf);
        pdf.setCreator(QStringLiteral("tarvomund-cli"));
        // Slip positions are measured from the sheet's corner, as on a printer without margins.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      OrientacjaWydruku(zadanie).value_or(QPageLayout::Portrait), QMarginsF()));
        wynik = Drukuj(pdf, zadanie);
    }
    // An unfinished printout is dropped with the temporary file when `zapis` goes.
    if (wynik.Blad != TBladWydruku::Brak || wynik.Stron == 0)
        return wynik;
    if (!zapis.Zatwierdz())
        return {0, TBladWydruku::Urzadzenie};
    return wynik;
}

} // namespace

int PolecenieDrukuj(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(k, {"--slip", "--from", "--to", "-o"}, {"--list"}, 1);
    if (!a.Ma("-o"))
        throw TBladUzycia("-o OUT.pdf is required");
    if (a.Ma("--slip") == a.MaFlage("--list"))
        throw TBladUzycia("give either --slip SLIP.bln or --list");
    if (a.MaFlage("--list") && (a.Ma("--from") || a.Ma("--to")))
        throw TBladUzycia("--from and --to choose slips; they go with --slip");
    const std::string& plikSystemu = a.Pozycyjne[0];
    const auto naglowek = CzytajNaglowekSystemu(plikSystemu);
    if (!naglowek) {
        k.Bledy << "tarvomund-cli: cannot read the system " << plikSystemu << "\n";
        return KodBladDanych;
    }

    TZadanieWydruku zadanie;
    if (a.MaFlage("--list")) {
        TOpcjeListy opcje;
        opcje.Od = 1;
        opcje.Do = naglowek->Info.Zakladow;
        zadanie = TWydrukListy{plikSystemu, opcje};
    } else {
        const std::string plikBlankietu = PlikBlankietu(k, a.Wartosc("--slip"));
        auto blankiet = WczytajBlankiet(plikBlankietu);
        if (!blankiet) {
            k.Bledy << "tarvomund-cli: cannot read the slip " << plikBlankietu << "\n";
            return KodBladDanych;
        }
        const TUkladDruku uklad = UkladDruku(*blankiet);
        const int32_t ile = IleBlankietow(naglowek->Info.Zakladow, uklad.ZakladowNaBlankiecie());
        TWydrukBlankietow w;
        w.Od = a.Ma("--from") ? Liczba<int32_t>(a.Wartosc("--from"), "--from") : 1;
        // Without --to the range runs to the system's last slip, or stays empty past it.
        w.Do = a.Ma("--to") ? Liczba<int32_t>(a.Wartosc("--to"), "--to") : std::max(ile, w.Od);
        w.Opcje = OpcjeDomyslne(uklad);
        w.Polozenie = {blankiet->PrzesX, blankiet->PrzesY, blankiet->Obrot};
        w.PlikSystemu = plikSystemu;
        w.Blankiet = std::make_shared<const TBlankietOb>(std::move(*blankiet));
        // A range beyond the system's slips prints nothing, which the user should hear about.
        if (ZakresDruku(w.Od, w.Do, ile).Ile() == 0) {
            k.Bledy << "tarvomund-cli: the system needs " << ile << " slip(s); nothing in the range asked for\n";
            return KodBladUzycia;
        }
        zadanie = std::move(w);
    }

    const TWynikWydruku wynik = DrukujDoPdf(zadanie, a.Wartosc("-o"));
    if (wynik.Blad != TBladWydruku::Brak || wynik.Stron == 0) {
        k.Bledy << "tarvomund-cli: " << (wynik.Blad == TBladWydruku::Brak ? "nothing to print" : OpisBledu(wynik.Blad))
                << "\n";
        return KodBladDanych;
    }
    k.Wyjscie << "pages: " << wynik.Stron << "\n";
    return KodSukces;
}

} // namespace tarvomund::cli
