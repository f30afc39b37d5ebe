#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

namespace tarvomund {

// "Ostatnio otwierane": the files opened last, most recent first, at most eight, shown as a submenu
// of the file menu and kept in the settings store after every change, so a crash loses none.
class TOstatnioOtwierane : public QObject {
    Q_OBJECT

public:
    // Fills `menu` (owned by the caller) with the stored list.
    explicit TOstatnioOtwierane(QMenu* menu, QObject* rodzic = nullptr);

    const QStringList& Pliki() const { return pliki_; }
    // Puts the file first; a file already listed moves up, the ninth drops off the end.
    void Dodaj(const QString& plik);
    void Usun(const QString& plik);
    void Wyczysc();
    // The submenu can be used while opening can and the list is not empty.
    void UstawDostepnosc(bool otwieranie);

    // The entry text: "&1 " and the path, long paths shortened in the middle.
    static QString TekstWpisu(int numer, const QString& plik);
    // The absolute, clean form the list compares and keeps.
    static QString Postac(const QString& plik);

signals:
    void Wybrano(const QString& plik);

private:
    void Zmieniono();
    void Odbuduj();

    QMenu* menu_;
    QStringList pliki_;
    bool otwieranie_ = true;
};

} // namespace tarvomund
