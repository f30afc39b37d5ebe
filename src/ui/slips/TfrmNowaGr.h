#pragma once

#include "app/KontekstPomocy.h"

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace tarvomund {

// "Nowa grupa": the name of a new group of fields. OK does nothing while the name is empty.
class TfrmNowaGr : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = KontekstEdytoraBlankietow;

    explicit TfrmNowaGr(QWidget* parent = nullptr);

    QString Nazwa() const;
    QLineEdit* edNazwa() const { return edNazwa_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    QLineEdit* edNazwa_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
