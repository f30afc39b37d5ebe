#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace tarvomund {

// The help window: the help file is an HTML document with one anchor per topic name, shown in a
// non-modal window of its own that stays open beside the workbench.
class TOknoPomocy : public QWidget {
    Q_OBJECT

public:
    explicit TOknoPomocy(QString plikPomocy, QWidget* parent = nullptr);

    // Shows the contents at the top of the file. False when the file cannot be read.
    bool PokazSpis();
    // Shows the topic of that anchor name. False when the file cannot be read or has no such
    // topic; the contents are shown instead.
    bool PokazTemat(const QString& temat);

    const QString& PlikPomocy() const { return plikPomocy_; }
    QTextBrowser* Przegladarka() const { return przegladarka_; }

private:
    bool Wczytaj();
    bool MaKotwice(const QString& temat) const;
    void Pokaz();

    QString plikPomocy_;
    QTextBrowser* przegladarka_;
    bool wczytany_ = false;
};

} // namespace tarvomund
