#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;
class QPushButton;

namespace tarvomund {

// Picture codes of the message box.
inline constexpr uint8_t ObrazekOstrzezenie = 0;
inline constexpr uint8_t ObrazekStop = 1;
inline constexpr uint8_t ObrazekInformacja = 2;
inline constexpr uint8_t ObrazekPytanie = 3;
inline constexpr uint8_t BezObrazka = 255; // any code above ObrazekPytanie shows no picture

// Button set codes; any other code shows no button and only Esc closes the box.
inline constexpr int16_t PrzyciskiTakNie = 3;
inline constexpr int16_t PrzyciskiOK = 4;
inline constexpr int16_t PrzyciskiTakNieAnuluj = 11;
inline constexpr int16_t BezPrzyciskow = 0;

// Results.
inline constexpr int16_t KomunikatOK = 1;
inline constexpr int16_t KomunikatAnuluj = 2; // also Esc, whichever control has the focus
inline constexpr int16_t KomunikatTak = 6;
inline constexpr int16_t KomunikatNie = 7;

// Shows the program's message box modally and returns the result of the button chosen.
// A "\r\n" in the text starts a new line.
int16_t Komunikat(const QString& tekst, uint8_t obrazek, int16_t przyciski, QWidget* rodzic = nullptr);

// The borderless message box behind Komunikat: picture and text above, the button set below.
class TfrmKomunikat : public QDialog {
    Q_OBJECT

public:
    static constexpr int Szerokosc = 381;
    static constexpr int Wysokosc = 95;
    static constexpr int WysokoscGory = 57;
    static constexpr int SzerokoscTekstu = 323;
    static constexpr int WysokoscTekstu = 45;
    static constexpr int GoraPrzyciskow = 65;
    static constexpr int OdstepPrzyciskow = 10;

    TfrmKomunikat(const QString& tekst, uint8_t obrazek, int16_t przyciski, QWidget* rodzic = nullptr);

    // The result of the button chosen, KomunikatAnuluj after Esc, 0 while the box is open.
    int16_t Wynik() const { return static_cast<int16_t>(result()); }

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    void UstawObrazek(uint8_t obrazek);
    void UstawTekst(const QString& tekst);
    void UstawPrzyciski(int16_t przyciski);
    QPushButton* DodajPrzycisk(const QString& nazwa, const QString& napis, int16_t wynik);
    void Wysrodkuj(QWidget* rodzic);

    QLabel* imgObrazek_;
    QLabel* lblTekst_;
};

} // namespace tarvomund
