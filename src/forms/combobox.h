// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kinded.h"

class QComboBox;

namespace strumkin::forms {

// A drop-down list: the user only chooses among its items. Click is raised
// when the user chooses an item, and when the program sets ListIndex.
class ComboBox final : public Kinded<ComboBox> {
public:
    ComboBox(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] QComboBox *comboBox() const { return m_combo; }

    void addItem(const QString &text);
    void clear();
    [[nodiscard]] int listIndex() const;
    void setListIndex(int index);

    [[nodiscard]] static const PropertyTable<ComboBox> &properties();

private:
    QComboBox *m_combo;
};

} // namespace strumkin::forms
