#include "app/TPoleLiczby.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

#include <optional>
#include <utility>

namespace tarvomund {

namespace {

// Longer runs of digits are no number anyone means; they are refused as they are typed.
constexpr int NajwiecejCyfr = 12;

// The typed number without prefix and suffix, when it is one: an optional minus and digits.
std::optional<qlonglong> Liczba(QString tekst, const QString& przedrostek, const QString& przyrostek)
{
    if (!przedrostek.isEmpty() && tekst.startsWith(przedrostek))
        tekst.remove(0, przedrostek.size());
    if (!przyrostek.isEmpty() && tekst.endsWith(przyrostek))
        tekst.chop(przyrostek.size());
    tekst = tekst.trimmed();
    const int cyfryOd = tekst.startsWith(QLatin1Char('-')) ? 1 : 0;
    const int cyfr = static_cast<int>(tekst.size()) - cyfryOd;
    if (cyfr < 1 || cyfr > NajwiecejCyfr)
        return std::nullopt;
    for (int i = cyfryOd; i < tekst.size(); ++i)
        if (tekst[i] < QLatin1Char('0') || tekst[i] > QLatin1Char('9'))
            return std::nullopt;
    return tekst.toLongLong();
}

} // namespace

TPoleLiczby::TPoleLiczby(QWidget* parent) : QSpinBox(parent)
{
    setKeyboardTracking(false);
    setAlignment(Qt::AlignRight);
    connect(this, &QAbstractSpinBox::editingFinished, this, &TPoleLiczby::PoZatwierdzeniu);
    // A new value of the user's own (typed or by the arrows) takes the mark away.
    connect(lineEdit(), &QLineEdit::textEdited, this, &TPoleLiczby::Wyczysc);
    connect(this, &QSpinBox::valueChanged, this, [this] {
        if (!poprawiono_)
            Wyczysc();
    });
}

void TPoleLiczby::Wyczysc()
{
    if (uwaga_.isEmpty())
        return;
    uwaga_.clear();
    setPalette(QPalette());
    emit Poprawiono(uwaga_);
}

QValidator::State TPoleLiczby::validate(QString& tekst, int& pozycja) const
{
    const QValidator::State stan = QSpinBox::validate(tekst, pozycja);
    if (stan != QValidator::Invalid)
        return stan;
    // Digits beyond the range stay in the field, so that the commit can say what was wrong.
    const std::optional<qlonglong> liczba = Liczba(tekst, prefix(), suffix());
    if (liczba && (*liczba >= 0 || minimum() < 0))
        return QValidator::Intermediate;
    return stan;
}

void TPoleLiczby::fixup(QString& tekst) const
{
    QSpinBox::fixup(tekst);
    const std::optional<qlonglong> liczba = Liczba(tekst, prefix(), suffix());
    if (!liczba || (*liczba >= minimum() && *liczba <= maximum()))
        return;
    const int przyjeto = *liczba < minimum() ? minimum() : maximum();
    uwaga_ = QStringLiteral("Liczba %1 jest spoza zakresu %2 .. %3 – przyjęto %4.")
                 .arg(*liczba)
                 .arg(minimum())
                 .arg(maximum())
                 .arg(przyjeto);
    poprawiono_ = true;
    tekst = prefix() + textFromValue(przyjeto) + suffix();
}

void TPoleLiczby::keyPressEvent(QKeyEvent* zdarzenie)
{
    QSpinBox::keyPressEvent(zdarzenie);
    if (std::exchange(zatrzymajEnter_, false))
        zdarzenie->accept();
}

void TPoleLiczby::PoZatwierdzeniu()
{
    if (!poprawiono_)
        return;
    poprawiono_ = false;
    zatrzymajEnter_ = true;
    QPalette paleta = palette();
    // The corrected number shows in red, with the reason beside the field.
    paleta.setColor(QPalette::Text, Qt::red);
    setPalette(paleta);
    QToolTip::showText(mapToGlobal(QPoint(0, height())), uwaga_, this);
    emit Poprawiono(uwaga_);
}

} // namespace tarvomund
