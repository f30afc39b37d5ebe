#pragma once

#include "app/KontekstPomocy.h"
#include "app/Wydruk.h"
#include "slips/PlikBlankietu.h"
#include "slips/WydrukBlankietow.h"

#include <QDialog>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;
class QVBoxLayout;

namespace tarvomund {

// One option row of the slip print dialog: a special group's check box and, for a group of two or
// more fields, the value to mark.
class TWstawOb : public QWidget {
    Q_OBJECT

public:
    static constexpr int Odstep = 22;

    TWstawOb(const TGrupaOpcji& grupa, QWidget* parent = nullptr);

    uint8_t NrGrupy() const { return nrGrupy_; }
    TOpcjaDruku Opcja() const;
    QCheckBox* Pole() const { return Pole_; }
    // Null for a group of one field.
    QSpinBox* Wartosc() const { return Wartosc_; }

signals:
    void Zmieniono();

private:
    uint8_t nrGrupy_;
    QCheckBox* Pole_;
    QSpinBox* Wartosc_ = nullptr;
};

// The page preview: an A4 sheet at one pixel per millimetre with the slip's outline and the
// rectangles of its groups. Dragging the slip moves it by whole millimetres; a double click puts
// it back into the corner.
class TPodgladBlankietu : public QWidget {
    Q_OBJECT

public:
    static constexpr int Szerokosc = 211;
    static constexpr int Wysokosc = 298;

    explicit TPodgladBlankietu(QWidget* parent = nullptr);

    void Ustaw(bool test, std::optional<TProstokatMm> obrys, std::vector<TEkranOb> prostokaty, QString napis);
    // The slip's outline in preview pixels; empty without a slip.
    QRect Obrys() const;
    const std::vector<TEkranOb>& Prostokaty() const { return prostokaty_; }

signals:
    void Przeciagnieto(int dx, int dy);
    void Wyzerowano();

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseMoveEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;
    void mouseDoubleClickEvent(QMouseEvent* zdarzenie) override;

private:
    bool test_ = false;
    std::optional<TProstokatMm> obrys_;
    std::vector<TEkranOb> prostokaty_;
    QString napis_;
    std::optional<QPoint> chwyt_;
};

// Where the slip print dialog takes its slips from.
struct TZrodloDruku {
    bool Test = false;
    QString KatalogDane;
    QString PlikSystemu;
    std::optional<int32_t> KodGry; // the game's slips; all slips without one
    QString PlikBlankietu;         // test mode: the layout to test
};

// "Parametry edytora blankietów": prints a system onto the slips of its game, slip by slip, or
// tests a layout. The slip's place on the page and its turn are calibrated here with the arrows,
// the mouse and "Obrót blankietu", and kept in the slip file for the next time.
class TFrmParEdDruk : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = KontekstDrukuBlankietow;
    static constexpr double Kroki[] = {0.1, 1.0, 10.0};

    static TZrodloDruku TrybSystemu(QString katalogDane, QString plikSystemu, std::optional<int32_t> kodGry);
    static TZrodloDruku TrybTestu(QString plikBlankietu);

    explicit TFrmParEdDruk(TZrodloDruku zrodlo, QWidget* parent = nullptr);

    bool Test() const { return zrodlo_.Test; }
    const std::vector<TOpisBlankietu>& Lista() const { return lista_; }
    const TBlankietOb* Blankiet() const { return blankiet_.get(); }
    const TUkladDruku& Uklad() const { return uklad_; }
    const TPolozenieBlankietu& Polozenie() const { return polozenie_; }
    double Krok() const { return krok_; }
    int32_t IleBlankietow() const { return ileBlankietow_; }
    std::vector<TWstawOb*> WierszeOpcji() const;

    // Moves the slip on the page; the arrows move it by the step.
    void Przesun(double dx, double dy);
    void UstawKrok(double krok);
    // Another slip of the list: the one shown so far keeps its place in its file.
    void WybierzBlankiet(int indeks);

    // The printouts as the dialog stands.
    TWydrukBlankietow WydrukSystemu() const;
    TWydrukBlankietow WydrukTestu() const;

    // "Drukuj" and "Test": the question, then the pages in the print preview.
    void Drukuj();
    void TestDruku();
    void done(int wynik) override;

    TPodgladBlankietu* Podglad() const { return Podglad_; }
    QToolButton* Strzalka(Qt::ArrowType kierunek) const;
    QToolButton* btnSrodek() const { return btnSrodek_; }
    QToolButton* btnKrok(int i) const { return btnKrok_[static_cast<std::size_t>(i)]; }
    QLabel* lblX() const { return lblX_; }
    QLabel* lblY() const { return lblY_; }
    QComboBox* cbNazwa() const { return cbNazwa_; }
    QCheckBox* chkObrot() const { return chkObrot_; }
    QLabel* lblIlosc() const { return lblIlosc_; }
    QSpinBox* spOd() const { return spOd_; }
    QSpinBox* spDo() const { return spDo_; }
    QPushButton* btnDrukuj() const { return btnDrukuj_; }
    QPushButton* btnStop() const { return btnStop_; }
    QPushButton* btnWyjscie() const { return btnWyjscie_; }
    QPushButton* btnTest() const { return btnTest_; }

private:
    void ZbudujOkno();
    void CzytajBlankiet(const std::string& plik);
    void ZapiszPolozenie();
    void ZbudujOpcje();
    void Odswiez();
    std::vector<TOpcjaDruku> Opcje() const;
    // The messages of a slip printout that cannot start; false when it may.
    bool SprawdzDruk();

    TZrodloDruku zrodlo_;
    std::vector<TOpisBlankietu> lista_;
    std::string plikBlankietu_;
    std::shared_ptr<TBlankietOb> blankiet_;
    TUkladDruku uklad_;
    TPolozenieBlankietu polozenie_;
    double krok_ = 1.0;
    int32_t zakladow_ = 0;
    int32_t ileBlankietow_ = 0;
    bool stop_ = false;

    TPodgladBlankietu* Podglad_;
    std::array<QToolButton*, 4> strzalki_{};
    QToolButton* btnSrodek_;
    std::array<QToolButton*, 3> btnKrok_{};
    QLabel* lblX_;
    QLabel* lblY_;
    QComboBox* cbNazwa_;
    QCheckBox* chkObrot_;
    QLabel* lblIlosc_;
    QSpinBox* spOd_;
    QSpinBox* spDo_;
    QWidget* panelOpcji_;
    QVBoxLayout* ukladOpcji_;
    QPushButton* btnDrukuj_;
    QPushButton* btnStop_;
    QPushButton* btnWyjscie_;
    QPushButton* btnTest_;
};

} // namespace tarvomund
