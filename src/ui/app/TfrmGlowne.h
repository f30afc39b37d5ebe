#pragma once

#include "app/TOknoDokumentu.h"
#include "model/KatalogGier.h"
#include "model/TParametry.h"
#include "stats/TFiltry.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <map>

class QMdiArea;
class QMdiSubWindow;
class QMimeData;
class QToolBar;

namespace tarvomund {

class TAkcjeGlowne;
class TfrmBio;
class TfrmGwarancja;
class TfrmKolekcja01;
class TfrmNoweOkno;
class TfrmTest;
class TOknoPomocy;
class TOstatnioOtwierane;
class TPoleceniaGier;
class TPoleceniaPuli;
class TPoleceniaStatystyki;
class TPoleceniaSystemow;
class TPasekStanuSystemu;
class TZegarGlowny;
enum class TPolecenieGry;

// Files the workbench opens, by extension: the four of the Open dialog and the slip layouts, which
// open in the slip editor when they come from outside (the command line, a drop, another start).
enum class TRodzajPliku { System, Statystyka, Grupa, Kolekcja, Blankiet, Nieznany };
TRodzajPliku RodzajPliku(const QString& plik);


// The workbench's main window: menus, toolbars and strips, the document area, the game catalogue
// and the dispatch of every command to the active child window.
class TfrmGlowne : public QMainWindow {
    Q_OBJECT

public:
    // `katalogProgramu` is the executable's directory: the games live in its Dane subdirectory
    // and the help file beside it.
    explicit TfrmGlowne(const QString& katalogProgramu, QWidget* parent = nullptr);
    // An installed program keeps its games apart from its help file.
    TfrmGlowne(const QString& katalogDane, const QString& plikPomocy, QWidget* parent = nullptr);
    ~TfrmGlowne() override;

    const TKatalogGier& Katalog() const { return katalog_; }
    TKatalogGier& Katalog() { return katalog_; }
    const QString& KatalogDane() const { return katalogDane_; }
    const QString& PlikPomocy() const { return plikPomocy_; }
    TParametry& Parametry() { return parametry_; }
    TAkcjeGlowne& Akcje() const { return *akcje_; }
    QMdiArea* Obszar() const { return obszar_; }
    TPasekStanuSystemu* PasekStanu() const { return pasekStanu_; }
    QToolBar* PasekSystemu() const { return pasekSystemu_; }
    QToolBar* PasekStatystyki() const { return pasekStatystyki_; }

    // The running window number: every new system window or group takes the next one, and its
    // temporary file is named after it. Numbers are never reused during a run.
    int32_t LicznikOkien() const { return licznikOkien_; }
    int32_t NastepnyNumerOkna() { return ++licznikOkien_; }
    // The last-used records of the filters and the three searches, each filled from the game of
    // its first command.
    TPamiecFiltrow& PamiecFiltrow() { return pamiecFiltrow_; }
    // Chart placement, orientation, line width and the further choice of the statistics printout.
    std::array<int, 4>& WyborWydrukuStatystyki() { return wyborWydrukuStatystyki_; }
    int KontekstPomocy() const { return kontekstPomocy_; }
    // The number collection: one window for the whole run, hidden until called.
    TfrmKolekcja01* Kolekcja() const;
    // Own numbers, the distribution window, sums and composites of number systems.
    TPoleceniaSystemow& PoleceniaSystemow() const { return *poleceniaSystemow_; }
    // New statistics, statistics files and the statistics menu on the active statistics window.
    TPoleceniaStatystyki& PoleceniaStatystyki() const { return *poleceniaStatystyki_; }
    // A new number game and the correction of a game's parameters.
    TPoleceniaGier& PoleceniaGier() const { return *poleceniaGier_; }
    // New and opened pool systems and the commands of the active pool window.
    TPoleceniaPuli& PoleceniaPuli() const { return *poleceniaPuli_; }
    // Builds the per-game menu entries again from the catalogue: after a game joined it or was
    // renamed, every game menu shows the catalogue as it is now.
    void OdswiezMenuGier();

    // Adds a document window; it must also be a TOknoDokumentu to take part in the enabling.
    QMdiSubWindow* DodajOkno(QWidget* okno);
    TOknoDokumentu* AktywneOkno() const;
    // The enabling routine: commands, strips and status fields from the active window.
    void OdswiezPolecenia();
    // Later windows register how their files open; an extension without a handler does nothing.
    void UstawOtwieranie(TRodzajPliku rodzaj, std::function<void(const QString&)> otworz);
    // The one way every file is opened: the Open dialog, "Ostatnio otwierane", the command line,
    // another start's hand-over and a drop. A file that exists and has a handler goes first on the
    // recently opened list.
    void OtworzPlik(const QString& plik);
    void OtworzPliki(const QStringList& pliki);
    // Files handed over by a later start: the window comes to the front and opens them.
    void PrzyjmijPliki(const QStringList& pliki);
    // Of the dragged data, the local files of a kind the workbench opens.
    QStringList PlikiDoOtwarcia(const QMimeData* dane) const;
    TOstatnioOtwierane& OstatnioOtwierane() const { return *ostatnie_; }

    // A new number system for the catalogue's game: the parameters dialog preset from the game,
    // then on OK a new system window that starts generating at once. Null when cancelled.
    TfrmNoweOkno* NowySystem(std::size_t indeksGry);
    // Opens a `*.ss2` number system in a new window; a file that cannot be read, or whose game is
    // not in the catalogue, shows "Błąd odczytu !" and opens nothing. A pool system opens in a pool
    // window (null is returned then).
    TfrmNoweOkno* OtworzSystem(const QString& plik);
    // "Parametry systemu" on the active number system window: on OK it regenerates at once.
    void ParametrySystemu();
    // "Wyświetl liczby własne lub systemowe" on the active number system window.
    void WlasneLubSystemowe();
    // "Obliczanie gwarancji dla systemu": a guarantee window over the active system's bets.
    // Null when the system is too big or cannot be read (the message has been shown).
    TfrmGwarancja* GwarancjaSystemu();
    // "Test systemu": a test window that loads the active system's bets (on its worker; the
    // window is usable once the load ends). Null when there is no idle number system window.
    TfrmTest* TestSystemu();
    // "Biorytmy": a new biorhythm window each time, so several can stand side by side.
    TfrmBio* Biorytmy();

    void UlozPionowo();
    void UlozPoziomo();
    void ZmniejszWszystkie();
    void ZamknijWszystkie();
    void PomocKontekstowa();

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void dragEnterEvent(QDragEnterEvent* zdarzenie) override;
    void dragMoveEvent(QDragMoveEvent* zdarzenie) override;
    void dropEvent(QDropEvent* zdarzenie) override;

private:
    void ZbudujPaski();
    void ZbudujOstatnie();
    // An entry of "Ostatnio otwierane": a file gone since is said so and leaves the list.
    void OtworzOstatni(const QString& plik);
    // "Pionowo" stacks the windows one above the other, "Poziomo" puts them side by side.
    void Uloz(Qt::Orientation kierunek);
    void PolaczPolecenia();
    void Nowy();
    void Wczytaj();
    void Stop();
    void Ustawienia();
    void PolecenieGry(TPolecenieGry polecenie, int indeksGry);
    void OdswiezListeOkien();
    TOknoPomocy* OknoPomocy();
    TfrmNoweOkno* AktywnySystem() const;

    QString katalogProgramu_;
    QString katalogDane_;
    QString plikPomocy_;
    TParametry parametry_;
    TKatalogGier katalog_;
    int32_t licznikOkien_ = 0;
    TPamiecFiltrow pamiecFiltrow_;
    std::array<int, 4> wyborWydrukuStatystyki_{1, 1, 1, 0};
    int kontekstPomocy_ = 0;
    std::map<TRodzajPliku, std::function<void(const QString&)>> otwieranie_;

    QMdiArea* obszar_ = nullptr;
    TAkcjeGlowne* akcje_ = nullptr;
    TPoleceniaSystemow* poleceniaSystemow_ = nullptr;
    TPoleceniaStatystyki* poleceniaStatystyki_ = nullptr;
    TPoleceniaGier* poleceniaGier_ = nullptr;
    TPoleceniaPuli* poleceniaPuli_ = nullptr;
    QToolBar* pasekGorny_ = nullptr;
    QToolBar* pasekDrugi_ = nullptr;
    QToolBar* pasekSystemu_ = nullptr;
    QToolBar* pasekStatystyki_ = nullptr;
    TPasekStanuSystemu* pasekStanu_ = nullptr;
    TZegarGlowny* zegar_ = nullptr;
    QPointer<TOknoPomocy> oknoPomocy_;
    QPointer<TfrmKolekcja01> kolekcja_;
    TOstatnioOtwierane* ostatnie_ = nullptr;
    QList<QAction*> wpisyOkien_;
};

} // namespace tarvomund
