#pragma once

#include "model/TParametry.h"

#include <QDialog>

class QCheckBox;
class QSpinBox;

namespace tarvomund {

class TZakladkiPrzyciski;

// The settings dialog. It edits the process-wide record it is given: "OK" copies the controls into
// the record and writes the store, "Anuluj" leaves both as they were.
class TfrmUstawienia : public QDialog {
    Q_OBJECT

public:
    enum TZakladka : int { ZakladkaOgolne, ZakladkaStatystyka, ZakladkaGwarancja };

    explicit TfrmUstawienia(TParametry& parametry, QWidget* parent = nullptr);

    TZakladkiPrzyciski* Zakladki() const { return zakladki_; }

    void accept() override;

private:
    QWidget* UtworzStatystyke();
    QWidget* UtworzGwarancje();

    TParametry& parametry_;
    TZakladkiPrzyciski* zakladki_;
    QSpinBox* Spin1_ = nullptr;
    QCheckBox* CBox1_ = nullptr;
    QSpinBox* Spin11_ = nullptr;
    QSpinBox* spIleNad_ = nullptr;
    QSpinBox* spIlePod_ = nullptr;
    QCheckBox* cbMinMax_ = nullptr;
};

} // namespace tarvomund
