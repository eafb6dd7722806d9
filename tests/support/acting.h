// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/control.h"
#include "forms/menuitem.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QtTest>

namespace strumkin::test {

// A control's property by name; invalid when its kind has none.
inline QVariant property(const forms::Control &control, const QString &name)
{
    return control.get(name).value_or(QVariant());
}

// What a text box holds or a label shows.
inline QString textOf(const forms::Control &control)
{
    const std::optional<QVariant> text = control.get(QStringLiteral("Text"));
    return (text ? text : control.get(QStringLiteral("Caption")))->toString();
}

// What a user does to a control: a menu item is chosen, a button clicked,
// and anything else clicked with the mouse, so that labels and pictures get
// the press through their widgets as they would on screen.
inline void press(forms::Control &control)
{
    if (auto *item = dynamic_cast<forms::MenuItem *>(&control))
        item->action()->trigger();
    else if (auto *button = qobject_cast<QAbstractButton *>(control.widget()))
        button->click();
    else
        QTest::mouseClick(control.widget(), Qt::LeftButton);
}

// What a user does in a list: choose one of its entries.
inline void choose(forms::Control &control, int index)
{
    auto *combo = qobject_cast<QComboBox *>(control.widget());
    QVERIFY(combo != nullptr);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

} // namespace strumkin::test
