#pragma once

#include <QObject>
#include <QString>

#include <cstddef>

class QAction;

namespace tarvomund {

class TfrmGlowne;
class TfrmStatystyka1;
struct TObGraLista;

// The main window's statistics commands: a new statistic of a game, opening a `*.st2` file, and
// the items of the statistics menu and strip, each acting on the active statistics window. The
// strip also gets its start button, whose drop-down lists the games.
class TPoleceniaStatystyki : public QObject {
    Q_OBJECT

public:
    // Connects itself to the main window's actions; the main window owns it.
    explicit TPoleceniaStatystyki(TfrmGlowne& glowne);

    // The parameters dialog preset for the game, then on OK a new statistics window that computes
    // at once. Null when the game has no draws (the message has been shown) or the dialog was cancelled.
    TfrmStatystyka1* NowaStatystyka(std::size_t indeksGry);
    // Opens a statistics file in a new window. A file that cannot be read shows the read error; a
    // file whose game is not in the catalogue opens nothing.
    TfrmStatystyka1* OtworzStatystyke(const QString& plik);
    // The window a statistics command acts on: the active one, when it is a statistics window.
    TfrmStatystyka1* AktywnaStatystyka() const;
    QAction* PrzyciskStart() const { return przyciskStart_; }

private:
    TfrmStatystyka1* NoweOkno(const TObGraLista& gra);

    TfrmGlowne& glowne_;
    QAction* przyciskStart_ = nullptr;
};

} // namespace tarvomund
