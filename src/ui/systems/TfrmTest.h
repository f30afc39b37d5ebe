#pragma once

#include "app/TOknoDokumentu.h"
#include "app/TWatekObliczen.h"
#include "systems/TGenTest01.h"
#include "systems/TfrmNumery.h"

#include <QWidget>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QScrollBar;
class QSpinBox;
class QSplitter;
class QTableWidget;
class QToolButton;

namespace tarvomund {

// The test window "Test": loads the bets of a system once and counts, for every bet, the hits
// against entered numbers, random numbers or every draw of a date range (a pool system: against an
// entered or random row of signs). The report lists the winners and sums them up; for entered and
// random numbers the grid shows the winning bets with the hit numbers highlighted.
class TfrmTest : public QWidget, public TOknoDokumentu {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1027;
    static constexpr int KontekstPomocyPilkarskiego = 1021;
    static constexpr int IleWierszy = 15;
    static constexpr int SzerokoscKolumnyZakladu = 50;
    static constexpr int SzerokoscKolumnyLiczby = 25;

    explicit TfrmTest(QWidget* parent = nullptr);
    // Stops a running load or test and waits for its thread.
    ~TfrmTest() override;

    // Loads a number system of `gra` from its window's temporary file: the bets as the numbers they
    // stand for. The load runs on the window's worker (Stop ends it early, keeping what was read);
    // the window is usable once Pracuje() turns false. A read error shows the message and closes
    // the window. The game must outlive the window.
    void Wczytaj(const TObGraLista& gra, const QString& plik);
    // Loads a pool system the same way: the bets as their sign codes.
    void WczytajPilkarski(const QString& plik);
    // Where the number picker's "Kolekcja" takes its numbers from.
    void UstawKolekcje(TDostawcaKolekcji kolekcja) { kolekcja_ = std::move(kolekcja); }

    // "C": the report holds only its heading again.
    void Wyczysc();
    void Start();
    // "Liczby": the number picker (a pool system: the sign picker) for the tested numbers.
    void WybierzLiczby();
    // "Zakres": the date range of the draw history.
    void WybierzZakres();
    // Grid rows 1..15 show the winning bets from the `pierwszy`-th on; ignored while busy.
    void PokazStrone(int pierwszy);

    TRodzajOkna Rodzaj() const override { return TRodzajOkna::Test; }
    void Drukuj() override;
    void Przerwij() override { przerwij_ = true; }

    bool Pracuje() const { return pracuje_; }
    bool Wczytany() const { return system_.has_value(); }
    bool Pilkarski() const { return system_ && system_->Pilkarski; }
    const TSystemTestu* System() const { return system_ ? &*system_ : nullptr; }
    // The tested numbers (a pool system: the entered row, one sign code per match).
    const std::vector<uint8_t>& Liczby() const { return liczby_; }
    // The numbers (or row) of the last run: the grid highlights them.
    const std::vector<uint8_t>& LiczbyBiegu() const { return liczbyBiegu_; }
    // The winning bets of the last run of entered or random numbers, by number (1-based).
    const std::vector<int32_t>& ListaTrafien() const { return listaTrafien_; }
    double Od() const { return od_; }
    double Do() const { return do_; }
    QStringList Wiersze() const;

    QToolButton* btnC() const { return btnC_; }
    QToolButton* btnLiczby() const { return btnLiczby_; }
    QToolButton* btnZakres() const { return btnZakres_; }
    QToolButton* btnStart() const { return btnStart_; }
    QToolButton* btnStop() const { return btnStop_; }
    QRadioButton* RadioButton1() const { return RadioButton1_; }
    QRadioButton* RadioButton2() const { return RadioButton2_; }
    QRadioButton* RadioButton3() const { return RadioButton3_; }
    QSpinBox* SpinEdit1() const { return SpinEdit1_; }
    QLabel* ST1() const { return ST1_; }
    QLabel* ST2() const { return ST2_; }
    QProgressBar* Gauge1() const { return Gauge1_; }
    QTableWidget* Grid1() const { return Grid1_; }
    QScrollBar* Scroll() const { return Scroll_; }
    QSplitter* Splitter() const { return splitter_; }
    QPlainTextEdit* RE1() const { return RE1_; }

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;

private:
    void UruchomWczytanie(const QString& plik);
    void ZakonczWczytanie(std::optional<TSystemTestu> system);
    void UstawSiatke();
    void NaglowekRaportu(bool poWczytaniu);
    void PokazZakres();
    void UstawTryb();
    void UstawBezczynny();
    void Zakoncz(TWynikTestu& wynik);
    // Progress from the worker: at most every 100 ms it hops to the user-interface thread.
    void PokazPostep(int64_t pozycja, int64_t maksimum, const QString& procent);
    bool WybierzTypy();

    const TObGraLista* gra_ = nullptr;
    std::optional<TSystemTestu> system_;
    std::vector<uint8_t> liczby_;
    std::vector<uint8_t> liczbyBiegu_;
    std::vector<int32_t> listaTrafien_;
    bool typyWpisane_ = false;
    double od_ = 0.0;
    double do_ = 0.0;
    TDostawcaKolekcji kolekcja_;

    bool pracuje_ = false;
    std::atomic<bool> przerwij_{false};
    // Read by the worker only: when its progress last went to the window.
    int64_t ostatniPostepMs_ = 0;

    QToolButton* btnC_;
    QToolButton* btnLiczby_;
    QToolButton* btnZakres_;
    QToolButton* btnStart_;
    QToolButton* btnStop_;
    QRadioButton* RadioButton1_;
    QRadioButton* RadioButton2_;
    QRadioButton* RadioButton3_;
    QSpinBox* SpinEdit1_;
    QLabel* ST1_;
    QLabel* ST2_;
    QProgressBar* Gauge1_;
    QSplitter* splitter_;
    QWidget* panelSiatki_;
    QTableWidget* Grid1_;
    QScrollBar* Scroll_;
    QPlainTextEdit* RE1_;
    // Declared last, so destroyed first: its thread is joined while everything the computation
    // uses still lives.
    TWatekObliczen watek_;
};

} // namespace tarvomund
