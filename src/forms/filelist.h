#pragma once

#include "forms/control.h"

class QListWidget;

namespace strumkin::forms {

// A file list: the names of the files in one folder that match its pattern,
// read at once whenever the folder or the pattern is set. Paths are host paths.
class FileList final : public Control {
public:
    FileList(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] QWidget *widget() const override;
    [[nodiscard]] bool takesFocus() const override { return true; }
    [[nodiscard]] QListWidget *list() const { return m_list; }
    [[nodiscard]] const QString &path() const { return m_path; }
    [[nodiscard]] QStringList names() const;
    bool setPath(const QString &path);
    void refresh();

protected:
    std::optional<QVariant> read(const QString &property) const override;
    bool write(const QString &property, const QVariant &value) override;

private:
    QListWidget *m_list;
    QString m_path;
    QString m_pattern = QStringLiteral("*");
};

} // namespace strumkin::forms
