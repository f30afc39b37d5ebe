#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tarvomund {

// The name of a participant, for a new one or to rename one.
class TfrmGrupa02 : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1018;

    explicit TfrmGrupa02(const QString& nazwisko = QString(), QWidget* parent = nullptr);

    QString Nazwisko() const;
    QLineEdit* Edit1() const { return Edit1_; }
    QPushButton* PrzyciskOk() const { return btnOk_; }

private:
    // "Ok" does nothing while there is no name.
    void btnOkClick();

    QLineEdit* Edit1_;
    QPushButton* btnOk_;
};

} // namespace tarvomund
