#pragma once

#include <QDialog>

class QPushButton;

namespace tarvomund {

// The print command's question for a system window: the bets as a list, onto slips, or nothing.
class Tfrmdrukpyt1 : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1038;
    enum TWybor { Anuluj = 0, Lista = 1, Blankiety = 2 };

    explicit Tfrmdrukpyt1(QWidget* parent = nullptr);

    // What was chosen; Anuluj after Esc or closing.
    TWybor Wybor() const { return static_cast<TWybor>(result()); }

    QPushButton* btnSystemy() const { return btnSystemy_; }
    QPushButton* btnBlankiety() const { return btnBlankiety_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    QPushButton* btnSystemy_;
    QPushButton* btnBlankiety_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
