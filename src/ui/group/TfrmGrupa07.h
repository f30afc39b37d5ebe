#pragma once

#include "group/PlikGrupy.h"

#include <QDialog>

#include <vector>

class QListWidget;

namespace tarvomund {

// The participant whose settlement is wanted: the names in place order, the first chosen.
class TfrmGrupa07 : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1019;

    explicit TfrmGrupa07(const TNaglowekGrupy& naglowek, QWidget* parent = nullptr);

    // The place of the chosen participant.
    int Miejsce() const;
    QListWidget* ListBox1() const { return ListBox1_; }

private:
    QListWidget* ListBox1_;
    std::vector<int> miejsca_;
};

} // namespace tarvomund
