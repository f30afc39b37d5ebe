#pragma once

#include <QDialog>

class QPushButton;

namespace tarvomund {

// The about box: the program's name, version and purpose, and where the shipped draws come from.
class TfrmOProgramie : public QDialog {
    Q_OBJECT

public:
    explicit TfrmOProgramie(QWidget* parent = nullptr);

    QPushButton* PrzyciskOK() const { return btnOK_; }

private:
    QPushButton* btnOK_;
};

} // namespace tarvomund
