#include "slips/DrukowanieSystemu.h"

#include "app/PodgladWydruku.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "model/PlikSystemu.h"
#include "slips/TFrmParEdDruk.h"
#include "slips/TfrmDrukSys.h"
#include "slips/Tfrmdrukpyt1.h"

namespace tarvomund {

bool DrukujListeSystemu(QWidget* okno, const QString& plik, const TOpcjeListy& opcje)
{
    const auto naglowek = CzytajNaglowekSystemu(plik.toStdString());
    if (!naglowek) {
        Komunikat(Tekst(TTekst::BladOdczytu) + QStringLiteral("  ") + plik, ObrazekStop, PrzyciskiOK, okno);
        return false;
    }
    const QString tytul = QString::fromStdString(TytulListy(naglowek->Info));
    return DrukujZPodgladem(okno, TWydrukListy{plik.toStdString(), opcje}, tytul);
}

void DrukujSystem(QWidget* okno, const TSystemDoDruku& system, const std::function<void(bool)>& zajety)
{
    Tfrmdrukpyt1 pytanie(okno);
    pytanie.exec();
    switch (pytanie.Wybor()) {
    case Tfrmdrukpyt1::Lista: {
        TfrmDrukSys opcje(system.Info, okno);
        if (opcje.exec() != QDialog::Accepted)
            return;
        if (zajety)
            zajety(true);
        DrukujListeSystemu(okno, system.Plik, opcje.Opcje());
        if (zajety)
            zajety(false);
        return;
    }
    case Tfrmdrukpyt1::Blankiety: {
        TFrmParEdDruk dialog(TFrmParEdDruk::TrybSystemu(system.KatalogDane, system.Plik, system.KodGry), okno);
        dialog.exec();
        return;
    }
    case Tfrmdrukpyt1::Anuluj:
        return;
    }
}

} // namespace tarvomund
