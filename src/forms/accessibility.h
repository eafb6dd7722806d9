// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QString>

#include <functional>

class QWidget;

namespace strumkin::forms {

class Control;

// What a screen reader is told of a control whose widget the toolkit draws
// itself: Qt's own widgets (buttons, lists, text boxes) speak for themselves.
struct AccessibleFacts {
    QAccessible::Role role = QAccessible::Client;
    QString name;
    QString description;
    // A frame or a line only decorates: screen readers pass over it.
    bool decorative = false;
    // What pressing it does, for a control a user can click; empty otherwise.
    std::function<void()> press;
    // Qt's own answers stand for the widget (a button, a list, a text box).
    bool fromQt = false;
};

// Marks a widget as drawn by its control, so that screen readers ask the
// control about it. Installs the toolkit's accessibility once.
void speakFor(QWidget &widget, const Control &control);

// The control is going: its widget, which outlives it a little, speaks for
// itself from now on.
void silence(QWidget &widget);

// A caption as read aloud: no mnemonic ampersands, line ends as blanks.
[[nodiscard]] QString spokenText(const QString &caption);

} // namespace strumkin::forms
