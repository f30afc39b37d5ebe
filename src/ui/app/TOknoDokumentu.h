#pragma once

#include "app/TPolecenie.h"
#include "model/TInfoGryRec.h"

#include <QString>

#include <functional>
#include <utility>

namespace tarvomund {

enum class TRodzajOkna {
    Inne,
    Kolekcja,
    Biorytmy,
    Rozklad,
    Test,
    Gwarancja,
    Grupa,
    RozliczenieGrupy,
    Statystyka,
    SystemLiczbowy,
    SystemPilkarski,
};

// What the second strip shows for the active window.
struct TPolaStatusu {
    QString Liczb;
    QString Skreslen;
    QString Zakladow;
    QString Kombinacji;
    QString RodzajGeneracji;
    QString RodzajStatystyki;
    // "najlepszy znany: R" beside a guarantee system whose covering has a known record; else empty.
    QString NajlepszyZnany;
};

// The side of a child window the main window talks to: its kind, its two remembered command
// states and the commands dispatched to it. Child windows derive from their Qt widget class and
// from this; the main window never needs to know their concrete class.
class TOknoDokumentu {
public:
    virtual ~TOknoDokumentu() = default;

    virtual TRodzajOkna Rodzaj() const = 0;
    // File state: 0 New, 1 Open, 2 Save and Save as, 3 Print and printer set-up, 5 filters,
    // 6 search in system, 7 and 8 the two base searches.
    virtual TStanFlag StanPlikow() const { return TStanFlag().set(); }
    // Task state: 0 Start, 1 Stop, 2 system parameters, 3 own numbers, 4 test, 5 guarantee,
    // 6 distribution, 7 sum of systems with the own/system numbers toggle.
    virtual TStanFlag StanZadan() const { return {}; }
    virtual bool PokazujeWlasne() const { return false; }
    virtual TPolaStatusu PolaStatusu() const { return {}; }
    // A number or pool system's parameters, so that the New dialog can offer it for composites.
    virtual const TInfoGryRec* InfoSystemu() const { return nullptr; }

    virtual void Zapisz() {}
    virtual void ZapiszJako() {}
    virtual void Drukuj() {}
    virtual void Start() {}
    // The stop request: only raises the window's stop flag; the worker ends at its next check.
    virtual void Przerwij() {}

    // The main window asks to be told when the states change while the window is active.
    void UstawPowiadomienie(std::function<void()> powiadomienie) { powiadomienie_ = std::move(powiadomienie); }

protected:
    void ZglosZmianeStanu()
    {
        if (powiadomienie_)
            powiadomienie_();
    }

private:
    std::function<void()> powiadomienie_;
};

} // namespace tarvomund
