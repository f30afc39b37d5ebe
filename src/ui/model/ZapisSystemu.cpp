#include "model/ZapisSystemu.h"

#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "model/Wspolne.h"

#include <QFileDialog>
#include <QFileInfo>

namespace tarvomund {

namespace {

constexpr const char* RozszerzenieSystemu = "ss2";

} // namespace

QString WybierzPlikSystemu(QWidget* rodzic, const QString& katalogDane, const QString& plikSystemu)
{
    QFileDialog dialog(rodzic, QString(), katalogDane);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QLatin1String(RozszerzenieSystemu));
    dialog.setNameFilter(Tekst(TTekst::System) + QStringLiteral(" (*.") + QLatin1String(RozszerzenieSystemu) +
                         QLatin1Char(')'));
    // The window asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!plikSystemu.isEmpty())
        dialog.selectFile(plikSystemu);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool ZapiszKopieSystemu(QWidget* rodzic, const QString& tymczasowy, const QString& plik)
{
    if (QFileInfo::exists(plik) && Komunikat(Tekst(TTekst::TakiPlikJuzIstniejeCzyChceszGoNadpisac),
                                             ObrazekPytanie, PrzyciskiTakNie, rodzic) != KomunikatTak)
        return false;
    // The copy replaces an existing file only once it is complete.
    KopiujPlik(tymczasowy.toStdString(), plik.toStdString());
    return true;
}

bool MoznaZamknacSystem(QWidget* rodzic, bool pracuje, bool zapisany, int32_t zakladow, const QString& opis,
                        const std::function<void()>& zapisz)
{
    if (pracuje) {
        Komunikat(Tekst(TTekst::MusiszZatrzymacGeneracjeSystemu), ObrazekOstrzezenie, PrzyciskiOK, rodzic);
        return false;
    }
    if (zapisany || zakladow <= 0)
        return true;
    const QString pytanie = Tekst(TTekst::ZapisacSystem) + QStringLiteral("\r\n") + opis;
    switch (Komunikat(pytanie, ObrazekPytanie, PrzyciskiTakNieAnuluj, rodzic)) {
    case KomunikatTak:
        zapisz();
        return true;
    case KomunikatNie:
        return true;
    default:
        return false;
    }
}

} // namespace tarvomund
