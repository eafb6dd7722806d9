#pragma once

#include "forms/control.h"

class QComboBox;

namespace strumkin::forms {

// A drop-down list: the user only chooses among its items. Click is raised
// when the user chooses an item, and when the program sets ListIndex.
class ComboBox final : public Control {
public:
    ComboBox(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] QWidget *widget() const override;
    [[nodiscard]] bool takesFocus() const override { return true; }
    [[nodiscard]] QComboBox *comboBox() const { return m_combo; }

    void addItem(const QString &text);
    void clear();
    [[nodiscard]] int listIndex() const;
    void setListIndex(int index);

protected:
    std::optional<QVariant> read(const QString &property) const override;
    bool write(const QString &property, const QVariant &value) override;

private:
    QComboBox *m_combo;
};

} // namespace strumkin::forms
