#pragma once

#include "app/TOknoDokumentu.h"
#include "app/TWatekObliczen.h"
#include "model/TInfoGryRec.h"
#include "model/TObGraLista.h"
#include "stats/TFiltry.h"
#include "systems/TGenSys01.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QScrollBar;
class QTableWidget;

namespace tarvomund {

// The kind of the last filter-like task a window ran.
enum class TRodzajZadania : uint8_t { Filtr = 0, SzukajWSystemie = 1, SzukajWBazie = 2, SzukajWBazieL = 3 };

// A number system's window: its bets fifteen at a time from the window's temporary file (the bets
// are never held here), the command states while idle or busy, one computation at a time on the
// window's worker, and Save and Save as of the `*.ss2` file.
class TfrmNoweOkno : public QWidget, public TOknoDokumentu {
    Q_OBJECT

public:
    static constexpr int IleWierszy = 15;
    static constexpr int KontekstPomocy = 1024;
    static constexpr int SzerokoscKolumnyZakladu = 90;
    static constexpr int SzerokoscKolumnyLiczby = 25;

    // The window's temporary file is Dane/<nrOkna>.$$$ under `katalogDane`.
    TfrmNoweOkno(int32_t nrOkna, const QString& katalogDane, QWidget* parent = nullptr);
    // Stops a running computation and waits for its thread.
    ~TfrmNoweOkno() override;

    // Every path that fills the window calls this: the system's identity, own numbers, counts,
    // n, k, bets, method and guarantee come from `info`, the name and the game parameters from
    // `gra`. Lays out the grid for k, puts the scroll bar on 1..bets and the states to idle.
    // Ignored while a computation runs.
    void Ustaw(const TObGraLista& gra, const TInfoGryRec& info);
    // New parameters from the parameters dialog: own numbers are reset for positions 1..new n when
    // n grew; the system counts as changed. The caller starts the generation.
    void ZmienParametry(TInfoGryRec nowe);
    // The system came from this file: it is saved as long as nothing changes.
    void UstawPlikSystemu(const QString& plik);
    // The guarantee method hands its result to the covering optimiser for this many seconds at every
    // generation of this window (0: the method as it stands).
    void UstawOptymalizacje(double sekundy) { optymalizacja_ = sekundy; }
    double Optymalizacja() const { return optymalizacja_; }

    // Start: the generator of the window's method on the worker; the rows come back when it ends.
    // A window without a generation method (a sum or difference, method 100) has nothing to
    // generate and keeps its bets.
    void Generuj();
    // The composite of two systems (New dialog, "Systemy złożone"): every bet of A followed by every
    // bet of B shifted past A's numbers. The two windows must stay open and idle while it runs.
    void Zloz(TfrmNoweOkno* a, TfrmNoweOkno* b);
    // The sum (dodaj) or the difference of the systems of ListaSumowanych, renumbered over all the
    // numbers they use; the new own numbers arrive with the result.
    void Sumuj(bool dodaj);
    // The systems Sumuj reads, in order; not owned. A window closed meanwhile is left out.
    std::vector<QPointer<TfrmNoweOkno>>& ListaSumowanych() { return listaSumowanych_; }
    bool Zlozony() const { return zlozony_; }
    TTrybSumy TrybSumy() const { return trybSumy_; }
    TfrmNoweOkno* SystemA() const { return systemA_; }
    TfrmNoweOkno* SystemB() const { return systemB_; }
    // The filter, the search in a system and the two base searches: the window keeps its copy of
    // the record and the worker writes the result into the record's PlikWyniku (the window's
    // temporary file); the filter and the search in a system read the copy of the source that the
    // main window put there. The game's draws are copied for the worker.
    void Filtruj(const TFiltr& filtr);
    void SzukajWSystemie(const TFiltrSzukSys& filtr);
    void SzukajWBazie(const TFiltrSzukBaza& filtr);
    void SzukajWBazieL(const TFiltrSzukBazaL& filtr);
    TRodzajZadania RodzajZadania() const { return rodzajZadania_; }
    // What a computation hands back before the window redisplays.
    void UstawWynik(int32_t n, int32_t zakladow, const std::array<int32_t, MaxLiczbSystemu>& wystapienia);
    // The own numbers a sum or difference wrote into its header.
    void UstawWlasne(const std::array<TTablicaLiczb, 3>& wlasne);
    // The own-numbers dialog's result: kept, written into the temporary file's header, shown.
    void ZmienWlasneLiczby(const std::array<TTablicaLiczb, 3>& wlasne);

    // Shows bets pierwszy..pierwszy+14; nothing while a computation runs.
    void Pokaz(int32_t pierwszy);
    // Puts the scroll bar on a bet and shows the rows from there.
    void PrzejdzDo(int32_t zaklad);
    // The jump dialog at a screen position.
    void SkokDoZakladu(const QPoint& gdzie);
    void PrzelaczWlasne();
    // Save and Save as, telling whether the system is saved afterwards: a cancelled name, a refused
    // overwrite or a failed copy leave it unsaved (the failure is shown).
    bool Zachowaj();
    bool ZachowajJako();
    // Save as after the name is chosen: asks before replacing an existing file.
    bool ZapiszDo(const QString& plik);

    const TInfoGryRec& Info() const { return info_; }
    const TObGraLista* Gra() const { return gra_; }
    int32_t NrOkna() const { return nrOkna_; }
    const QString& PlikTymczasowy() const { return plikTymczasowy_; }
    const QString& PlikSystemu() const { return plikSystemu_; }
    bool Zapisany() const { return zapisany_; }
    bool Pracuje() const { return pracuje_; }
    int32_t BiezacyZaklad() const { return biezacyZaklad_; }
    QTableWidget* Grid1() const { return Grid1_; }
    QScrollBar* Scroll() const { return Scroll_; }

    TRodzajOkna Rodzaj() const override { return TRodzajOkna::SystemLiczbowy; }
    TStanFlag StanPlikow() const override { return stanPlikow_; }
    TStanFlag StanZadan() const override { return stanZadan_; }
    bool PokazujeWlasne() const override { return pokazWlasne_; }
    TPolaStatusu PolaStatusu() const override;
    const TInfoGryRec* InfoSystemu() const override { return &info_; }
    void Zapisz() override { Zachowaj(); }
    void ZapiszJako() override { ZachowajJako(); }
    bool ZgodaNaZamkniecie() override;
    // The list or the slips; the window stays busy while its list prints.
    void Drukuj() override;
    void Start() override;
    void Przerwij() override;

    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void UstawTytul();
    void UstawSiatke();
    // Column 0 as wide as the widest bet number and sum the rows can show.
    void UstawPierwszaKolumne();
    void UstawPasek();
    void CzyscWiersze();
    void UstawPostep(const QString& tekst);
    void PokazPostep(const std::string& tekst);
    void UstawStanBezczynny();
    void UstawStanPracy();
    void ZakonczZadanie();
    // Copies the temporary file onto `plik` and remembers it; a failure is shown.
    bool Kopiuj(const QString& plik);
    // The common start: busy states, then the generator on the worker in the window's mode.
    void UruchomGenerator();
    // Busy states, then the computation on the worker; its result comes back to ZakonczZadanie.
    using TZadanie = std::function<TWynikGeneracji(const std::atomic<bool>& przerwij, TPokazPostep postep)>;
    void Uruchom(TZadanie zadanie);
    int WysokoscWiersza() const;

    const TObGraLista* gra_ = nullptr;
    TInfoGryRec info_;
    int32_t nrOkna_;
    QString katalogDane_;
    QString plikTymczasowy_;
    QString plikSystemu_;
    bool zapisany_ = false;
    bool pokazWlasne_ = true;
    int32_t biezacyZaklad_ = 1;
    TStanFlag stanZadan_;
    TStanFlag stanPlikow_;

    // Busy and stop flags of the worker pattern: the first lives on the user-interface thread
    // only, the second is read by the worker while the user-interface thread may set it.
    bool pracuje_ = false;
    std::atomic<bool> przerwij_{false};
    // Written by the worker, read by the completion after the thread has been joined.
    std::optional<TWynikGeneracji> wynik_;
    // The generator's mode: a composite of SystemA and SystemB, or a sum or difference.
    bool zlozony_ = false;
    QPointer<TfrmNoweOkno> systemA_;
    QPointer<TfrmNoweOkno> systemB_;
    TTrybSumy trybSumy_ = TTrybSumy::Brak;
    std::vector<QPointer<TfrmNoweOkno>> listaSumowanych_;
    // The filter-like task last run, with the records handed to it.
    TRodzajZadania rodzajZadania_ = TRodzajZadania::Filtr;
    TFiltr filtr_;
    TFiltrSzukSys filtrSzukSys_;
    TFiltrSzukBaza filtrSzukBaza_;
    TFiltrSzukBazaL filtrSzukBazaL_;
    double optymalizacja_ = 0.0;

    QTableWidget* Grid1_;
    QScrollBar* Scroll_;
    // Declared last, so destroyed first: its thread is joined while everything the computation
    // uses (the stop flag, the result) still lives.
    TWatekObliczen watek_;
};

} // namespace tarvomund
