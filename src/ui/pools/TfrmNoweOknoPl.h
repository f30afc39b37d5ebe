#pragma once

#include "app/TOknoDokumentu.h"
#include "app/TWatekObliczen.h"
#include "model/TInfoGryRec.h"
#include "pools/Typowania.h"
#include "systems/TGenSys01.h"

#include <QString>
#include <QWidget>

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

class QLabel;
class QScrollBar;
class QTableWidget;
class QToolButton;

namespace tarvomund {

// A pool system's window: the typing of the matches with the sixteen sign buttons, the bets eight
// at a time from the window's temporary file (never held here), the pool generator on the window's
// worker, and Save and Save as of the `*.ss2` file.
class TfrmNoweOknoPl : public QWidget, public TOknoDokumentu {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1020;
    static constexpr int IleKolumn = 8;
    static constexpr int SzerokoscKolumnyMeczu = 30;
    static constexpr int SzerokoscKolumnyZakladu = 30;
    static constexpr int SzerokoscKolumnyTypu = 40;

    // The window's temporary file is Dane/<nrOkna>.$$$ under `katalogDane`.
    TfrmNoweOknoPl(int32_t nrOkna, const QString& katalogDane, QWidget* parent = nullptr);
    // Stops a running generation and waits for its thread.
    ~TfrmNoweOknoPl() override;

    // Every path that fills the window calls this: k rows of typing and of bets, the caption, the
    // count of combinations (the bets asked for lowered to it), the typed matches and the typing block, the
    // scroll bar on 1..bets. Ignored while the generator runs.
    void Ustaw(const TInfoGryRec& info);
    // An opened system: `info` from the header of `plik`, whose copy the temporary file already is.
    // The typings come back from the typing block (or, when it is empty, from the signs the bets use).
    void Otworz(const TInfoGryRec& info, const QString& plik);
    // New parameters from the parameters dialog; the system counts as changed. The caller starts
    // the generation.
    void ZmienParametry(const TInfoGryRec& nowe);

    // The typings of the first k matches, as the typing grid shows them.
    TTypy Typy() const;
    // Puts typings into the rows (fewer leave the other rows as they are) and recounts.
    void UstawTypy(const TTypy& typy);
    // A sign button (tag 1..16): its text goes into the selected row and the next row is selected,
    // after the last the first; the combinations are counted again and the bets lowered to them.
    void Typuj(int tag);
    // Start: the generator of the window's method over the typed matches; nothing without one.
    void Generuj();
    // Shows bets pierwszy..pierwszy+7; nothing while the generator runs.
    void Pokaz(int32_t pierwszy);
    // Puts the scroll bar on a bet and shows the bets from there.
    void PrzejdzDo(int32_t zaklad);
    // The jump dialog at a screen position.
    void SkokDoZakladu(const QPoint& gdzie);
    // Save as after the name is chosen: asks before replacing an existing file. True once the
    // system is on disk.
    bool ZapiszDo(const QString& plik);
    // Save and Save as; true when the system is on disk afterwards.
    bool Zachowaj();
    bool ZachowajJako();

    const TInfoGryRec& Info() const { return info_; }
    int64_t IleKombinacji() const { return ileKombinacji_; }
    const std::vector<TTypowanie>& Typowania() const { return typowania_; }
    int32_t NrOkna() const { return nrOkna_; }
    const QString& PlikTymczasowy() const { return plikTymczasowy_; }
    const QString& PlikSystemu() const { return plikSystemu_; }
    bool Zapisany() const { return zapisany_; }
    bool Pracuje() const { return pracuje_; }
    int32_t BiezacyZaklad() const { return biezacyZaklad_; }
    QTableWidget* sgTypy() const { return sgTypy_; }
    QToolButton* PrzyciskTypu(int tag) const;
    QTableWidget* Grid1() const { return Grid1_; }
    QScrollBar* Scroll() const { return Scroll_; }
    QLabel* lblPostep() const { return lblPostep_; }

    TRodzajOkna Rodzaj() const override { return TRodzajOkna::SystemPilkarski; }
    TStanFlag StanPlikow() const override { return stanPlikow_; }
    TStanFlag StanZadan() const override { return stanZadan_; }
    TPolaStatusu PolaStatusu() const override;
    const TInfoGryRec* InfoSystemu() const override { return &info_; }
    void Zapisz() override { Zachowaj(); }
    void ZapiszJako() override { ZachowajJako(); }
    bool ZgodaNaZamkniecie() override;
    // "Drukuj": the bets as a list or onto the pool slips.
    void Drukuj() override;
    void Start() override { Generuj(); }
    void Przerwij() override { przerwij_ = true; }

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void UstawTytul();
    void UstawSiatki();
    void UstawPasek();
    // The combinations of the typing grid; the bets are the count asked for, lowered to them.
    void PoliczKombinacje();
    void CzyscZaklady();
    void ZaznaczZaklad(int kolumna);
    void PokazPostep(const std::string& tekst);
    void UstawStanBezczynny();
    void UstawStanPracy();
    void ZakonczZadanie();
    int WysokoscWiersza() const;
    int K() const;

    TInfoGryRec info_;
    int32_t nrOkna_;
    QString katalogDane_;
    QString plikTymczasowy_;
    QString plikSystemu_;
    bool zapisany_ = false;
    int64_t ileKombinacji_ = 1;
    // The count of bets asked for (dialog, opened file): typing lowers the bets to the combinations
    // and raises them again up to this count, so a system typed after its dialog keeps its count.
    int32_t zadanychZakladow_ = 0;
    std::vector<TTypowanie> typowania_;
    int32_t biezacyZaklad_ = 1;
    TStanFlag stanZadan_;
    TStanFlag stanPlikow_;

    // Busy and stop flags of the worker pattern: the first lives on the user-interface thread
    // only, the second is read by the worker while the user-interface thread may set it.
    bool pracuje_ = false;
    std::atomic<bool> przerwij_{false};
    // Written by the worker, read by the completion after the thread has been joined.
    std::optional<TWynikGeneracji> wynik_;

    QTableWidget* sgTypy_;
    std::array<QToolButton*, IlePrzyciskowTypow> przyciski_{};
    QTableWidget* Grid1_;
    QScrollBar* Scroll_;
    QLabel* lblPostep_;
    // Declared last, so destroyed first: its thread is joined while everything the generator uses
    // (the stop flag, the result) still lives.
    TWatekObliczen watek_;
};

} // namespace tarvomund
