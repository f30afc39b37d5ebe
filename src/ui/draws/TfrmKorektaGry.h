#pragma once

#include "model/KatalogGier.h"

#include <QDialog>

#include <cstddef>
#include <optional>

class QListWidget;
class QPushButton;

namespace tarvomund {

// "Korekta parametrów gry": which game's parameters to correct. Every catalogue game by name, in
// catalogue order (pool games too), then the entry "System piłkarski"; the first is selected.
class TfrmKorektaGry : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1053;

    explicit TfrmKorektaGry(const TKatalogGier& katalog, QWidget* parent = nullptr);

    // The catalogue index of the chosen game; none for "System piłkarski".
    std::optional<std::size_t> WybranaGra() const;

    QListWidget* Lista() const { return lista_; }
    QPushButton* btnPopraw() const { return btnPopraw_; }
    QPushButton* btnWyjscie() const { return btnWyjscie_; }

private:
    void btnPoprawClick();

    std::size_t ileGier_;
    QListWidget* lista_;
    QPushButton* btnPopraw_;
    QPushButton* btnWyjscie_;
};

} // namespace tarvomund
