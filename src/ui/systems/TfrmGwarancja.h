#pragma once

#include "app/TOknoDokumentu.h"
#include "model/TParametry.h"
#include "app/TWatekObliczen.h"
#include "systems/TGenGwar01.h"

#include <QWidget>

#include <atomic>
#include <memory>

class QButtonGroup;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QSpinBox;
class QToolButton;

namespace tarvomund {


// The guarantee window: loads the bets of a system once and tabulates, for every way m drawn
// numbers can fall among its n numbers, how many bets get how many hits.
class TfrmGwarancja : public QWidget, public TOknoDokumentu {
    Q_OBJECT

public:
    // The settings are read at each start, so changes made meanwhile apply to the next run.
    explicit TfrmGwarancja(const TParametry& parametry, QWidget* parent = nullptr);
    ~TfrmGwarancja() override;

    // Loads a number system (a system window's temporary file). False with the message shown when
    // it is too big or cannot be read; the caller then drops the window.
    bool Wczytaj(const QString& plik);
    // Loads a pool system (a pool window's temporary file) whose matches are typed as `typowania`
    // say: the guarantee enumerates the outcomes of those typed with more than one sign. No size
    // limit; false with the message shown when the file cannot be read.
    bool WczytajPilkarski(const QString& plik, const std::vector<TTypowanie>& typowania);
    bool Pilkarski() const { return system_.Pilkarski; }
    const TSystemGwarancji& System() const { return system_; }

    TRodzajOkna Rodzaj() const override { return TRodzajOkna::Gwarancja; }
    void Drukuj() override;
    void Przerwij() override { przerwij_ = true; }
    bool Pracuje() const { return pracuje_; }

    void Start();
    void Wyczysc();
    QStringList Wiersze() const;
    QPlainTextEdit* RE1() const { return RE1_; }
    QSpinBox* Spin1() const { return Spin1_; }
    QToolButton* BtnStart() const { return btnStart_; }
    QToolButton* BtnStop() const { return btnStop_; }
    QButtonGroup* RG2() const { return RG2_; }
    QLabel* Label1() const { return Label1_; }
    QLabel* Label4() const { return Label4_; }

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;

private:
    // The two heading lines of the output; after "C" a pool system's line ends in "Zakł. ".
    void NaglowekWyjscia(bool poZerowaniu);
    void Zakoncz(const TWynikGwarancji& wynik);

    const TParametry& parametry_;
    TSystemGwarancji system_;
    std::atomic<bool> przerwij_{false};
    bool pracuje_ = false;
    std::shared_ptr<TWynikGwarancji> wynik_;

    QProgressBar* Gauge1_;
    QToolButton* SpeedButton3_;
    QToolButton* btnStart_;
    QToolButton* btnStop_;
    QButtonGroup* RG2_;
    QSpinBox* Spin1_;
    QLabel* lblSpin1_;
    QLabel* Label4_;
    QLabel* Label1_;
    QPlainTextEdit* RE1_;
    // Declared last, so it is destroyed (and its thread joined) while everything the
    // computation uses still exists.
    TWatekObliczen watek_;
};

} // namespace tarvomund
