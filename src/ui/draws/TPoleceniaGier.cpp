#include "draws/TPoleceniaGier.h"

#include "app/TekstyUI.h"
#include "app/TfrmGlowne.h"
#include "app/TfrmKomunikat.h"
#include "draws/NowaGra.h"
#include "draws/TfrmGraPilkarska.h"
#include "draws/TfrmKorektaGry.h"
#include "draws/TfrmNowaGra.h"
#include "model/PlikGry.h"

namespace tarvomund {

TPoleceniaGier::TPoleceniaGier(TfrmGlowne& glowne) : QObject(&glowne), glowne_(glowne) {}

std::optional<std::size_t> TPoleceniaGier::NowaGra()
{
    const std::string katalogDane = glowne_.KatalogDane().toStdString();
    // The identity is fixed before the dialog opens: "Blankiety" ties slips to this very code.
    const std::optional<TTozsamoscGry> tozsamosc = TozsamoscNowejGry(glowne_.Katalog(), katalogDane);
    if (!tozsamosc) {
        Komunikat(Tekst(TTekst::BrakWolnegoNumeruGry), ObrazekStop, PrzyciskiOK, &glowne_);
        return std::nullopt;
    }
    TfrmNowaGra dialog(glowne_.KatalogDane(), &glowne_);
    dialog.UstawNowa(tozsamosc->KodGry);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    std::optional<TObGraLista> gra = UtworzNowaGre(dialog.Wynik(), *tozsamosc, glowne_.Katalog(), katalogDane);
    if (!gra) {
        Komunikat(Tekst(TTekst::BladZapisu), ObrazekStop, PrzyciskiOK, &glowne_);
        return std::nullopt;
    }
    const std::size_t indeks = glowne_.Katalog().Wstaw(std::move(*gra));
    glowne_.OdswiezMenuGier();
    return indeks;
}

void TPoleceniaGier::ZmianaParametrow()
{
    TfrmKorektaGry wybor(glowne_.Katalog(), &glowne_);
    if (wybor.exec() != QDialog::Accepted)
        return;
    if (const std::optional<std::size_t> indeks = wybor.WybranaGra()) {
        PoprawGre(*indeks);
        return;
    }
    TfrmGraPilkarska pilkarska(glowne_.KatalogDane(), &glowne_);
    pilkarska.exec();
}

bool TPoleceniaGier::PoprawGre(std::size_t indeks)
{
    if (indeks >= glowne_.Katalog().Ile())
        return false;
    TObGraLista& gra = glowne_.Katalog().Gra(indeks);
    TfrmNowaGra dialog(glowne_.KatalogDane(), &glowne_);
    dialog.UstawKorekta(gra);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // The file first: the record changes only once its header holds the new values.
    const TObGraLista poprawiona = dialog.Wynik();
    if (!ZapiszNaglowek(poprawiona)) {
        Komunikat(Tekst(TTekst::BladZapisu), ObrazekStop, PrzyciskiOK, &glowne_);
        return false;
    }
    UstawDefinicje(gra, poprawiona);
    glowne_.OdswiezMenuGier();
    return true;
}

} // namespace tarvomund
