#pragma once

#include <QDialog>

#include <array>

class QButtonGroup;
class QGroupBox;
class QPushButton;

namespace tarvomund {

class TPodgladStrony;

// The chart print dialog "Parametry drukowania wykresów": where the chart stands on the page, the
// page's orientation, the line thickness, or printing the table instead; a small page preview
// follows the placement and the orientation.
class TfrmDrukWykres : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1049;
    // Placement, orientation (0 landscape, 1 portrait), line thickness and print mode (0 chart, 1 table).
    using TWybor = std::array<int, 4>;
    enum { Umiejscowienie, Orientacja, Grubosc, Tryb };

    explicit TfrmDrukWykres(const TWybor& wybor, QWidget* parent = nullptr);

    TWybor Wybor() const;

    QButtonGroup* RGUmiejscowienie() const { return umiejscowienie_; }
    QButtonGroup* RGOrientacja() const { return orientacja_; }
    QButtonGroup* RGGrubosc() const { return grubosc_; }
    QButtonGroup* RGTryb() const { return tryb_; }
    TPodgladStrony* Podglad() const { return podglad_; }
    QGroupBox* RamkaUmiejscowienia() const { return ramkaUmiejscowienia_; }
    QPushButton* btnDrukuj() const { return btnDrukuj_; }

private:
    void Odswiez();

    QButtonGroup* umiejscowienie_;
    QButtonGroup* orientacja_;
    QButtonGroup* grubosc_;
    QButtonGroup* tryb_;
    QGroupBox* ramkaUmiejscowienia_;
    QGroupBox* ramkaOrientacji_;
    QGroupBox* ramkaGrubosci_;
    TPodgladStrony* podglad_;
    QPushButton* btnDrukuj_;
    QPushButton* btnAnuluj_;
};

// The page in the chosen orientation with the chart's rectangle at the chosen placement.
class TPodgladStrony : public QWidget {
    Q_OBJECT

public:
    explicit TPodgladStrony(QWidget* parent = nullptr);
    void Ustaw(int umiejscowienie, bool poziomo);
    // The page and the chart as last drawn, in the widget's pixels.
    QRect Strona() const;
    QRect Wykres() const;

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    int umiejscowienie_ = 0;
    bool poziomo_ = true;
};

} // namespace tarvomund
