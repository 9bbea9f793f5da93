#pragma once
// Whether a label's or option button's caption fits in the room its control gives it.

#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>

namespace testing {

// Where a control's caption is drawn, in the control's own coordinates: beside the indicator
// for an option button, the whole contents for a label.
inline QRect captionRoom(const QWidget& control) {
    const auto* option = qobject_cast<const QRadioButton*>(&control);
    if (!option)
        return control.contentsRect();
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    return option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
}

// What shows of a label: a cheer's top row lies under its option button.
inline QRect uncoveredRoom(const QWidget& label) {
    QRect room = label.rect();
    const auto options =
        label.parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (const QRadioButton* option : options)
        if (option->geometry().intersects(label.geometry()))
            room.setTop(qMax(room.top(), option->geometry().bottom() + 1 - label.y()));
    return room;
}

// Empty when the caption fits; otherwise what it needs against what it has.
inline QString captionOverflow(const QWidget& control) {
    const QRect room = captionRoom(control);
    QString caption;
    if (const auto* option = qobject_cast<const QRadioButton*>(&control))
        caption = option->text();
    else if (const auto* label = qobject_cast<const QLabel*>(&control))
        caption = label->text();
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
