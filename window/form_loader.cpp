#include "form_loader.h"

#include "control_colors.h"
#include "fonts.h"
#include "image_control.h"
#include "option_button.h"
#include "twips.h"

#include <QButtonGroup>
#include <QIcon>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

#include <algorithm>
#include <vector>

namespace window {
namespace {

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

QFont font(const FontDescription& font) {
    return runtime::makeFont(text(font.family), font.pointSize, font.weight);
}

QWidget* createControl(const ControlDescription& stored, QWidget* client, QButtonGroup& options) {
    switch (stored.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(text(stored.caption), client);
        label->setTextFormat(Qt::PlainText);
        // a label has no pointer procedures: even a drag that began on it changes nothing
        label->setAttribute(Qt::WA_NoMousePropagation);
        label->setGeometry(pixelRect(stored));
        return label;
    }
    case ControlKind::OptionButton: {
        auto* option = new OptionButton(client);
        option->setText(text(stored.caption));
        option->setGeometry(pixelRect(stored));
        options.addButton(option, options.buttons().size() + 1);
        return option;
    }
    case ControlKind::Image: {
        auto* image = new ImageControl(client);
        image->setStoredGeometry(static_cast<float>(stored.left), stored.top, stored.width,
                                 stored.height);
        image->setPicture(text(stored.caption));
        return image;
    }
    }
    return nullptr;
}

void applyColors(const ControlDescription& stored, QWidget& control) {
    if (stored.backColor)
        setBackColor(control, *stored.backColor);
    if (stored.foreColor)
        setForeColor(control, *stored.foreColor);
}

// A label labels the control that follows it in tab order. When that is the option group, it
// labels the option the focus enters the group at: the backed racer's, or the first.
void labelGroup(QLabel& label, QButtonGroup& options) {
    const auto entry = [&label, &options] {
        QAbstractButton* checked = options.checkedButton();
        label.setBuddy(checked ? checked : options.buttons().constFirst());
    };
    entry();
    QObject::connect(&options, &QButtonGroup::buttonToggled, &label, entry);
}

// Tab order runs through the controls that take the focus, in their stored order; a label in
// that order labels what follows it.
void chainTabOrder(std::vector<std::pair<int, QWidget*>> stored, QButtonGroup& options) {
    std::sort(stored.begin(), stored.end());
    QWidget* previousStop = nullptr;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        QWidget* control = stored[i].second;
        auto* label = qobject_cast<QLabel*>(control);
        if (label && i + 1 < stored.size() && options.buttons().contains(stored[i + 1].second))
            labelGroup(*label, options);
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previousStop)
            QWidget::setTabOrder(previousStop, control);
        previousStop = control;
    }
}

void loadMenus(QMainWindow& form, std::span<const MenuDescription> menus) {
    QMenu* dropDown = nullptr;
    for (const MenuDescription& entry : menus) {
        QAction* action = nullptr;
        if (entry.level == 0) {
            dropDown = form.menuBar()->addMenu(text(entry.caption));
            action = dropDown->menuAction();
        } else {
            action = dropDown->addAction(text(entry.caption));
        }
        action->setObjectName(text(entry.name));
    }
}

} // namespace

QWidget* loadForm(QMainWindow& form, const FormDescription& description) {
    form.setObjectName(text(description.name));
    form.setWindowTitle(text(description.caption));
    form.setWindowIcon(QIcon(text(description.icon)));

    auto* client = new QWidget(&form);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(clientPixelSize(description));
    setBackColor(*client, description.backColor);
    followDesktopScheme(*client);
    form.setCentralWidget(client);

    // the buttons lie directly on the window, so they are one group: one selection at most
    auto* options = new QButtonGroup(&form);
    options->setObjectName(QStringLiteral("options"));
    const QFont defaultFont = font(description.defaultFont);
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlDescription& stored : description.controls) {
        QWidget* control = createControl(stored, client, *options);
        control->setObjectName(text(stored.name));
        control->setFont(stored.font ? font(*stored.font) : defaultFont);
        applyColors(stored, *control);
        control->setHidden(!stored.visible);
        if (!stored.accessibleName.empty())
            control->setAccessibleName(text(stored.accessibleName));
        if (stored.tabIndex >= 0)
            tabOrder.emplace_back(stored.tabIndex, control);
    }
    // Option buttons are windows of their own and stay above the labels and pictures drawn on
    // the window: a shown cheer's top row lies under its button.
    for (QAbstractButton* option : options->buttons())
        option->raise();
    chainTabOrder(tabOrder, *options);

    loadMenus(form, description.menus);
    form.layout()->setSizeConstraint(QLayout::SetFixedSize); // the player cannot resize it
    return client;
}

} // namespace window
