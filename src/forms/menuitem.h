// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kinded.h"

class QAction;
class QMenu;

namespace strumkin::forms {

// A menu item: a command, a separator (caption "-"), or, when it holds
// items of its own, a sub-menu. It has no position or size.
class MenuItem final : public Kinded<MenuItem> {
public:
    // The item goes into its parent item's sub-menu, or onto the window's
    // menu bar when it has no parent.
    MenuItem(Form &form, QString name, MenuItem *parent, bool holdsItems);

    [[nodiscard]] QAction *action() const { return m_action; }
    [[nodiscard]] QMenu *menu() const { return m_menu; }

    [[nodiscard]] static const PropertyTable<MenuItem> &properties();

protected:
    bool hasPosition() const override { return false; }

private:
    void setCaption(const QString &caption);

    QAction *m_action;
    QMenu *m_menu = nullptr;
    QString m_caption;
};

} // namespace strumkin::forms
