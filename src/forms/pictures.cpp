#include "forms/pictures.h"

#include <QImageReader>

namespace strumkin::forms {

QImage readPicture(const QString &path)
{
    QImageReader reader(path);
    const QSize claimed = reader.size();
    constexpr qint64 largest = 8192LL * 8192LL;
    if (claimed.isValid() && static_cast<qint64>(claimed.width()) * claimed.height() > largest)
        return {};
    QImage picture;
    if (!reader.read(&picture))
        return {};
    return picture;
}

QImage pictureFrom(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QImage)
        return value.value<QImage>();
    if (value.metaType().id() == QMetaType::QString)
        return readPicture(value.toString());
    return {};
}

} // namespace strumkin::forms
