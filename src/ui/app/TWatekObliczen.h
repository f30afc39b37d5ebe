#pragma once

#include <QObject>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace tarvomund {

// The worker every long computation of the program runs on: one per window, one run at a time.
// The window keeps its own busy and stop flags; the worker only runs the computation on a thread
// of its own, carries its progress steps to the user-interface thread and runs the completion
// handler there once the thread has ended.
//
// The thread never outlives this object: the destructor joins it. A progress step still waiting
// for the user-interface thread at that moment is dropped (the step returns false), so a window
// that is destroyed while its user-interface thread waits for the join cannot deadlock. The owner
// raises its stop flag before destroying the worker, so that the computation ends soon.
class TWatekObliczen : public QObject {
    Q_OBJECT

public:
    using TPraca = std::function<void()>;
    using TKrok = std::function<void()>;

    explicit TWatekObliczen(QObject* parent = nullptr);
    ~TWatekObliczen() override;
    TWatekObliczen(const TWatekObliczen&) = delete;
    TWatekObliczen& operator=(const TWatekObliczen&) = delete;

    // Runs `praca` on a new thread; `poZakonczeniu` runs on the user-interface thread after the
    // thread has ended (also when `praca` threw). False, and nothing starts, while a run is on.
    bool Uruchom(TPraca praca, TKrok poZakonczeniu);
    // From Uruchom until the completion handler has started.
    bool Dziala() const { return dziala_; }

    // Called by the computation: runs `krok` on the user-interface thread and returns once it
    // has run there (a synchronous hop). Returns false without running it when the worker is
    // being destroyed. On the user-interface thread itself the step runs at once.
    bool Synchronizuj(const TKrok& krok);

private:
    void WykonajOczekujacy();
    void Zakoncz();

    std::thread watek_;
    bool dziala_ = false;
    TKrok poZakonczeniu_;

    // The one step the computation waits for; guarded by zamek_.
    std::mutex zamek_;
    std::condition_variable zmiana_;
    const TKrok* oczekujacy_ = nullptr;
    bool wykonany_ = false;
    bool wykonywany_ = false;
    bool anulowany_ = false;
};

} // namespace tarvomund
