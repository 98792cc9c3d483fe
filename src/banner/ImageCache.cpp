#include "banner/ImageCache.h"

#include <QFileInfo>

QImage ImageCache::image(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        m_path.clear();
        m_image = QImage();
        return m_image;
    }
    const QDateTime modified = info.lastModified();
    if (path != m_path || info.size() != m_size || modified != m_modified) {
        m_path = path;
        m_size = info.size();
        m_modified = modified;
        m_image = QImage(path);
    }
    return m_image;
}
