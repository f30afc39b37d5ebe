#pragma once

#include <QWidget>

class QButtonGroup;
class QStackedWidget;
class QHBoxLayout;

namespace tarvomund {

// Tabs shown as a row of flat buttons above a stack of pages, as the dialogs of this program have them.
class TZakladkiPrzyciski : public QWidget {
    Q_OBJECT

public:
    explicit TZakladkiPrzyciski(QWidget* parent = nullptr);

    // Adds a page; the widget takes ownership of it. Returns the page's index.
    int DodajZakladke(const QString& tytul, QWidget* strona);
    int Biezaca() const;
    void UstawBiezaca(int indeks);
    int Ile() const;
    // A tab that cannot be chosen; when it was the current one, the first tab left takes over.
    void Wylacz(int indeks);
    bool Dostepna(int indeks) const;
    QWidget* Strona(int indeks) const;

signals:
    void ZmienionoZakladke(int indeks);

private:
    QHBoxLayout* przyciski_;
    QButtonGroup* grupa_;
    QStackedWidget* strony_;
};

} // namespace tarvomund
