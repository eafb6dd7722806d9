// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/filelist.h"

#include "forms/folderreading.h"
#include "forms/form.h"

#include <QAbstractListModel>
#include <QDir>
#include <QListView>

namespace strumkin::forms {

// The names of one folder in list order. A new reading of the same folder
// removes and inserts only what changed, so the user's selection and scroll
// position stay where they were.
class NameList final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    [[nodiscard]] int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
    }
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || role != Qt::DisplayRole)
            return {};
        return m_entries[static_cast<std::size_t>(index.row())].shown;
    }
    [[nodiscard]] const std::vector<FolderEntry> &entries() const { return m_entries; }

    void replace(std::vector<FolderEntry> next)
    {
        beginResetModel();
        m_entries = std::move(next);
        endResetModel();
    }

    void update(std::vector<FolderEntry> next)
    {
        using Size = std::size_t;
        Size i = 0;
        Size j = 0;
        const auto before = [](const FolderEntry &a, const FolderEntry &b) {
            return listedBefore(a, b);
        };
        while (i < m_entries.size() || j < next.size()) {
            if (j == next.size() || (i < m_entries.size() && before(m_entries[i], next[j]))) {
                Size end = i + 1;
                while (end < m_entries.size() &&
                       (j == next.size() || before(m_entries[end], next[j])))
                    ++end;
                beginRemoveRows({}, static_cast<int>(i), static_cast<int>(end - 1));
                m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(i),
                                m_entries.begin() + static_cast<std::ptrdiff_t>(end));
                endRemoveRows();
            } else if (i == m_entries.size() || before(next[j], m_entries[i])) {
                Size end = j + 1;
                while (end < next.size() &&
                       (i == m_entries.size() || before(next[end], m_entries[i])))
                    ++end;
                beginInsertRows({}, static_cast<int>(i), static_cast<int>(i + (end - j) - 1));
                m_entries.insert(
                    m_entries.begin() + static_cast<std::ptrdiff_t>(i),
                    std::make_move_iterator(next.begin() + static_cast<std::ptrdiff_t>(j)),
                    std::make_move_iterator(next.begin() + static_cast<std::ptrdiff_t>(end)));
                endInsertRows();
                i += end - j;
                j = end;
            } else {
                ++i;
                ++j;
            }
        }
    }

private:
    std::vector<FolderEntry> m_entries;
};

FileList::FileList(Form &form, QString kind, QString name, Control *container)
    : Kinded(form, std::move(kind), std::move(name), container), m_view(makeWidget<QListView>()),
      m_names(new NameList(m_view))
{
    // Rows of one height: a folder of many thousand files lays out at once.
    m_view->setUniformItemSizes(true);
    m_view->setModel(m_names);
    watch(*m_view);
}

void FileList::shown()
{
    // The folder it starts at is read only if the list is shown before it is
    // pointed elsewhere.
    if (m_stale)
        refresh();
}

QStringList FileList::names() const
{
    if (m_stale)
        refresh();
    QStringList all;
    all.reserve(static_cast<qsizetype>(m_names->entries().size()));
    for (const FolderEntry &entry : m_names->entries())
        all << entry.shown;
    return all;
}

bool FileList::setFolder(const QByteArray &folder)
{
    if (!isFolder(folder))
        return false;
    if (folder == m_folder && !m_stale)
        return true;
    const bool sameFolder = folder == m_folder;
    m_folder = folder;
    m_path = QFile::decodeName(folder);
    if (!sameFolder) {
        // Another folder: the old one's names are of no use.
        m_names->replace({});
        m_view->scrollToTop();
    }
    refresh();
    return true;
}

void FileList::refresh() const
{
    m_stale = false;
    std::vector<FolderEntry> files = readFolder(m_folder, Entries::Files);
    if (m_pattern != QLatin1String("*") && m_pattern != QLatin1String("*.*")) {
        const QStringList patterns = m_pattern.split(QLatin1Char(';'));
        std::erase_if(files, [&](const FolderEntry &f) { return !QDir::match(patterns, f.shown); });
    }
    m_names->update(std::move(files));
    follow();
}

const PropertyTable<FileList> &FileList::properties()
{
    using P = Property<FileList>;
    static const PropertyTable<FileList> table{
        {"Pattern", Takes::text(), [](const FileList &f) { return f.m_pattern; },
         [](FileList &f, const QVariant &v) {
             f.m_pattern = v.toString().isEmpty() ? QStringLiteral("*") : v.toString();
             f.refresh();
         }},
        {"ListCount", Takes::anything(),
         [](const FileList &f) { return static_cast<int>(f.names().size()); }, nullptr, nullptr,
         P::Design::MayNot},
    };
    return table;
}

} // namespace strumkin::forms
