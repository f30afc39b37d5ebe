#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace tarvomund {

// The date text and the clock at the right end of the top toolbar. The clock stands 5 px from the
// toolbar's right end; the date 5 px left of it, hidden when the toolbar is 640 px wide or less.
class TZegarGlowny : public QObject {
    Q_OBJECT

public:
    explicit TZegarGlowny(QWidget* pasek);

    static QString TekstDaty(const QDate& data);
    void OdswiezDate();
    QLabel* Data() const { return data_; }
    QLabel* Zegar() const { return zegar_; }

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void Rozmiesc();
    void OdswiezZegar();

    QWidget* pasek_;
    QLabel* data_;
    QLabel* zegar_;
};

} // namespace tarvomund
