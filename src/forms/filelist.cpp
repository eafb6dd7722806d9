#include "forms/filelist.h"

#include "forms/form.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>

namespace strumkin::forms {

FileList::FileList(Form &form, QString kind, QString name, Control *container)
    : Control(form, std::move(kind), std::move(name), container),
      m_list(new QListWidget(container != nullptr ? container->childArea() : form.clientArea())),
      m_path(QDir::currentPath())
{
    refresh();
}

QWidget *FileList::widget() const
{
    return m_list;
}

QStringList FileList::names() const
{
    QStringList all;
    for (int i = 0; i < m_list->count(); ++i)
        all << m_list->item(i)->text();
    return all;
}

bool FileList::setPath(const QString &path)
{
    const QFileInfo folder(path);
    if (!folder.isDir())
        return false;
    m_path = folder.absoluteFilePath();
    refresh();
    return true;
}

void FileList::refresh()
{
    m_list->clear();
    const QStringList patterns = m_pattern == QLatin1String("*.*")
                                     ? QStringList{QStringLiteral("*")}
                                     : m_pattern.split(QLatin1Char(';'));
    const QDir folder(m_path);
    m_list->addItems(folder.entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

std::optional<QVariant> FileList::read(const QString &p) const
{
    if (p == QLatin1String("Path"))
        return m_path;
    if (p == QLatin1String("Pattern"))
        return m_pattern;
    if (p == QLatin1String("ListCount"))
        return m_list->count();
    return Control::read(p);
}

bool FileList::write(const QString &p, const QVariant &value)
{
    if (p == QLatin1String("Path"))
        return setPath(value.toString());
    if (p == QLatin1String("Pattern")) {
        m_pattern = value.toString();
        if (m_pattern.isEmpty())
            m_pattern = QStringLiteral("*");
        refresh();
        return true;
    }
    return Control::write(p, value);
}

} // namespace strumkin::forms
