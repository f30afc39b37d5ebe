#pragma once

#include <QSpinBox>
#include <QString>

namespace tarvomund {

// A whole-number field that acts on committed values only: what depends on it follows when
// editing ends (Enter, leaving the field, the arrows), never on each keystroke, so typing "10"
// does not pass through 1. A number beyond the range is kept while it is typed; on commit it
// becomes the nearest bound and the field says so instead of dropping digits without a word.
class TPoleLiczby : public QSpinBox {
    Q_OBJECT

public:
    explicit TPoleLiczby(QWidget* parent = nullptr);

    // What the last commit had to correct ("Liczba 999 jest spoza zakresu 1 .. 49 – przyjęto 49."),
    // empty once a value within the range is committed.
    const QString& Uwaga() const { return uwaga_; }

signals:
    // The notice of a correction; an empty one when the mark goes.
    void Poprawiono(const QString& uwaga);

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    QValidator::State validate(QString& tekst, int& pozycja) const override;
    void fixup(QString& tekst) const override;

private:
    void PoZatwierdzeniu();
    void Wyczysc();

    mutable QString uwaga_;
    mutable bool poprawiono_ = false;
    // Enter that had to correct the number stops here: the dialog is not confirmed with a value
    // the user has not seen.
    bool zatrzymajEnter_ = false;
};

} // namespace tarvomund
