#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

// The banner image, read from disk again only when the file's path, size or
// modification time changed. A file that is gone or not an image gives none.
class ImageCache {
public:
    QImage image(const QString& path);

private:
    QString m_path;
    qint64 m_size = -1;
    QDateTime m_modified;
    QImage m_image;
};
