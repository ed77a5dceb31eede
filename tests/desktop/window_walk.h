#pragma once

// What the desktop suites walk: every window the program opens by class
// name, and the accessible tree a screen reader sees of each.

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "shell/register_windows.h"
#include "ui/qt_text.h"

namespace orvanta::testing {

// Every form class name the catalogue can reach.
inline std::vector<std::string> AllFormClassNames() {
    std::vector<std::string> names;
    for (const FormDescription* form : AllFormDescriptions()) names.emplace_back(form->className);
    return names;
}

// Roles a user acts on: each of these needs a name a screen reader can say.
inline bool IsInteractiveRole(QAccessible::Role role) {
    switch (role) {
        case QAccessible::EditableText:
        case QAccessible::PushButton:
        case QAccessible::RadioButton:
        case QAccessible::CheckBox:
        case QAccessible::ComboBox:
        case QAccessible::SpinBox:
        case QAccessible::PageTab:
        case QAccessible::MenuItem:
        case QAccessible::Link:
        case QAccessible::ButtonMenu: return true;
        default: return false;
    }
}

struct AccessibleNode {
    QAccessibleInterface* iface;
    int depth;
};

// Depth-first over the accessible tree below `root`, skipping what is not
// on screen.
inline void WalkAccessible(QWidget* root, const std::function<void(const AccessibleNode&)>& visit) {
    std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* node,
                                                               int depth) {
        if (!node || depth > 64 || node->state().invisible) return;
        visit({node, depth});
        for (int i = 0; i < node->childCount(); ++i) walk(node->child(i), depth + 1);
    };
    walk(QAccessible::queryAccessibleInterface(root), 0);
}

// A line that names an element for a failure message.
inline std::string Describe(QAccessibleInterface* iface) {
    QObject* object = iface->object();
    const QString name = object ? object->objectName() : QString();
    const QString type =
        object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("?");
    return (type + QLatin1Char(' ') + name + QStringLiteral(" role ") +
            QString::number(iface->role(), 16) + QStringLiteral(" \"") +
            iface->text(QAccessible::Name) + QLatin1Char('"'))
        .toStdString();
}

// The text a user reads for a field: its buddy label, if it has one.
inline QLabel* BuddyLabel(QWidget* field) {
    for (QLabel* label : field->window()->findChildren<QLabel*>()) {
        if (label->buddy() == field) return label;
    }
    return nullptr;
}

}  // namespace orvanta::testing
