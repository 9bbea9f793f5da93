#pragma once
// Whether a label's or option button's caption fits in the room its control gives it.

#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>

namespace testing {

// Empty when the caption fits; otherwise what it needs against what it has.
inline QString captionOverflow(const QWidget& control) {
    QRect room = control.contentsRect();
    QString caption;
    if (const auto* option = qobject_cast<const QRadioButton*>(&control)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        // what is left of the button beside its indicator
        room = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        caption = option->text();
    } else if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        caption = label->text();
    }
    const QFontMetrics metrics(control.font());
    const QSize needed(metrics.horizontalAdvance(caption), metrics.height());
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return {};
    return QStringLiteral("%1 needs %2x%3 but has %4x%5")
        .arg(control.objectName())
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

} // namespace testing
