#pragma once

#include "model/KatalogGier.h"

#include <QMainWindow>

#include <QString>

namespace tarvomund {

// The workbench's main window. It owns the game catalogue for the whole run.
class TfrmGlowne : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmGlowne(const QString& katalogDane, QWidget* parent = nullptr);

    const TKatalogGier& Katalog() const { return katalog_; }
    const QString& KatalogDane() const { return katalogDane_; }

private:
    QString katalogDane_;
    TKatalogGier katalog_;
};

} // namespace tarvomund
