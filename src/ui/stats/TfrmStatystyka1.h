#pragma once

#include "app/TOknoDokumentu.h"
#include "app/TWatekObliczen.h"
#include "model/TObGraLista.h"
#include "model/TParametry.h"
#include "stats/ParametryStatystyki.h"
#include "stats/PlikStatystyki.h"
#include "stats/WydrukStatystyki.h"

#include <QWidget>

#include <array>
#include <atomic>
#include <functional>
#include <optional>

class QListWidget;
class QListWidgetItem;
class QPagedPaintDevice;
class QPrinter;
class QToolButton;

namespace tarvomund {

class TfrmKolekcja01;
class TSg00;
class TWykres;

// A statistics window: one statistic of one game as a chart (one line series per result series),
// the check list that shows and hides series, and the table of labels and values under the chart.
// It computes on its own worker, saves itself once to a `*.st2` file, copies the visible series into
// the number collection, prints the chart or the table, and exports the table as CSV and the chart
// as PNG.
class TfrmStatystyka1 : public QWidget, public TOknoDokumentu {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1046;

    // What the window takes from the main window: the settings (read at each start), the print
    // choices kept for the run, the collection and where the file dialogs start.
    struct TOtoczenie {
        const TParametry* Parametry = nullptr;
        std::array<int, 4>* WyborWydruku = nullptr;
        TfrmKolekcja01* Kolekcja = nullptr;
        QString KatalogDane;
    };
    // Asks for a file: the dialog's filter and the proposed name; empty when cancelled.
    using TWyborPliku = std::function<QString(const QString& filtr, const QString& proponowany)>;
    // The parameters dialog; nothing when cancelled.
    using TDialogParametrow =
        std::function<std::optional<TParametryStatystyki>(const TObGraLista&, const TParametryStatystyki&)>;

    TfrmStatystyka1(const TObGraLista& gra, TOtoczenie otoczenie, QWidget* parent = nullptr);
    ~TfrmStatystyka1() override;

    // The parameters dialog as a new statistic and "Parametry" show it: on OK the dates are brought
    // within the game's draws. Nothing when cancelled.
    static std::optional<TParametryStatystyki>
    PokazParametry(const TObGraLista& gra, const TParametryStatystyki& parametry, QWidget* rodzic);

    TRodzajOkna Rodzaj() const override { return TRodzajOkna::Statystyka; }
    TStanFlag StanPlikow() const override;
    TPolaStatusu PolaStatusu() const override;
    void Zapisz() override;
    void ZapiszJako() override { Zapisz(); }
    void Drukuj() override;
    void Start() override;
    void Przerwij() override { przerwij_ = true; }

    // Takes the parameters, prepares the check list and the table for them.
    void Nowe(const TParametryStatystyki& parametry);
    // "Parametry": the dialog with this window's record; on OK the window computes again.
    void Parametry();

    // The chart commands of the statistics menu and strip.
    void PrzelaczSiatke();
    void Liniowy();
    void Schodkowy();
    void Przelacz3D();
    void PrzelaczTabliczki();
    void PrzelaczOpisTabliczek();
    void SortujWgWartosci();
    void SortujNaturalnie();
    void DoKolekcji();
    void Powieksz();
    void Pomniejsz();

    // Writes the statistic into the file (asking before replacing one) and marks the window saved.
    // False when nothing was written.
    bool ZapiszDoPliku(const QString& plik);
    TPlikStatystyki DanePliku() const;
    // Shows a statistic read from a file, with its check states.
    void Wczytaj(const TPlikStatystyki& plik);

    void DrukujWykres(QPagedPaintDevice& urzadzenie, int umiejscowienie, int grubosc) const;
    int DrukujTabele(QPagedPaintDevice& urzadzenie) const;
    TTabelaWydruku TabelaWydruku() const;

    // The table as CSV (fields separated by semicolons, UTF-8) and the chart as a PNG picture.
    QString TekstCsv() const;
    bool EksportujCsv(const QString& plik) const;
    bool EksportujPng(const QString& plik) const;
    void EksportujCsvZWyborem();
    void EksportujPngZWyborem();

    bool Obliczanie() const { return obliczanie_; }
    bool Posortowany() const { return posortowany_; }
    bool Zapisany() const { return zapisany_; }
    const QString& NazwaPliku() const { return nazwaPliku_; }
    const TObGraLista& Gra() const { return gra_; }
    const TParametryStatystyki& ParametryS() const { return parametry_; }
    const TWynikiStatystyki& Wyniki() const { return wyniki_; }
    int IleSerii() const { return ileSerii_; }
    QString LiniaTytulu() const;
    QString LiniaPodtytulu() const;
    // The name of a series as the table and the collection show it.
    QString NazwaSerii(int seria) const;

    TWykres* Chart1() const { return Chart1_; }
    QListWidget* CLB1() const { return CLB1_; }
    TSg00* Grid1() const { return Grid1_; }
    QToolButton* btnCsv() const { return btnCsv_; }
    QToolButton* btnPng() const { return btnPng_; }

    void UstawWyborPliku(TWyborPliku wybor) { wyborPliku_ = std::move(wybor); }
    void UstawDialogParametrow(TDialogParametrow dialog) { dialogParametrow_ = std::move(dialog); }

signals:
    // The completion handler has built the chart and the table.
    void Zakonczono();

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;

private:
    void Zakoncz();
    void Zbuduj();
    void ZbudujSerie();
    void WypelnijSerie();
    void ZbudujTabele();
    void OdswiezTytul();
    void PozycjaListyZmieniona(QListWidgetItem* pozycja);
    bool ListaWidoczna() const;
    QStringList Zaznaczone() const;

    const TObGraLista& gra_;
    TOtoczenie otoczenie_;
    TParametryStatystyki parametry_;
    TWynikiStatystyki wyniki_;
    int ileSerii_ = 0;
    bool obliczanie_ = false;
    std::atomic<bool> przerwij_{false};
    bool posortowany_ = false;
    bool zapisany_ = false;
    QString nazwaPliku_;
    bool budowanie_ = false;
    TWyborPliku wyborPliku_;
    TDialogParametrow dialogParametrow_;
    // The draws the worker reads: a copy, since the draw editor may change the game meanwhile.
    TObGraLista kopia_;

    TWykres* Chart1_;
    QListWidget* CLB1_;
    TSg00* Grid1_;
    QToolButton* btnCsv_;
    QToolButton* btnPng_;
    // Declared last, so its thread is joined while everything the computation uses still exists.
    TWatekObliczen watek_;
};

} // namespace tarvomund
