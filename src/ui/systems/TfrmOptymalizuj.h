#pragma once

#include "app/TWatekObliczen.h"
#include "systems/OptymalizatorPokrycia.h"
#include "systems/SystemPokrycia.h"

#include <QDialog>

#include <atomic>
#include <memory>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace tarvomund {

// "Optymalizuj system": the bets of a system window go to the covering optimiser, which looks for
// fewer bets with the guarantee "t jeśli m" within a time limit, showing its progress; Stop ends the
// run with the best complete system found. The dialog closes with OK once a result is there; the
// caller opens it in a new window and the source stays as it was.
class TfrmOptymalizuj : public QDialog {
    Q_OBJECT

public:
    static constexpr int DomyslnyCzas = 10;
    static constexpr int MaxCzas = 3600;

    explicit TfrmOptymalizuj(QWidget* parent = nullptr);
    // Stops a running optimisation and waits for its thread.
    ~TfrmOptymalizuj() override;

    // Loads the system (a system window's temporary file) and presets t and m from its guarantee.
    // False, with the message shown, when it cannot be read or is too big for the optimiser.
    bool Wczytaj(const QString& plik, const QString& opis);

    void Start();
    void Stop();
    bool Pracuje() const { return pracuje_; }
    TParametryPokrycia Parametry() const;
    // The source's header and the bets found, after a run that found them.
    const TSystemPokrycia& Zrodlo() const { return zrodlo_; }
    const std::optional<std::vector<TZaklad>>& Wynik() const { return wynik_; }

    QSpinBox* spT() const { return spT_; }
    QSpinBox* spM() const { return spM_; }
    QSpinBox* spCzas() const { return spCzas_; }
    QLabel* stNajlepszy() const { return stNajlepszy_; }
    QLabel* stDolne() const { return stDolne_; }
    QLabel* lblWynik() const { return lblWynik_; }
    QProgressBar* Gauge1() const { return Gauge1_; }
    QPushButton* btnStart() const { return btnStart_; }
    QPushButton* btnStop() const { return btnStop_; }
    QPushButton* btnZamknij() const { return btnZamknij_; }

public slots:
    // Esc and "Zamknij" do nothing while the optimiser runs.
    void reject() override;

private:
    void PokazRekord();
    void UstawPraca(bool pracuje);
    void Zakoncz(const TWynikPokrycia& wynik);

    TSystemPokrycia zrodlo_;
    std::optional<std::vector<TZaklad>> wynik_;
    std::atomic<bool> przerwij_{false};
    bool pracuje_ = false;

    QLabel* lblSystem_;
    QSpinBox* spT_;
    QSpinBox* spM_;
    QSpinBox* spCzas_;
    QLabel* stNajlepszy_;
    QLabel* stDolne_;
    QProgressBar* Gauge1_;
    QLabel* lblWynik_;
    QPushButton* btnStart_;
    QPushButton* btnStop_;
    QPushButton* btnZamknij_;
    // Declared last, so its thread is joined while everything the run uses still exists.
    TWatekObliczen watek_;
};

} // namespace tarvomund
