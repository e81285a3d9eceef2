#include "app/window/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace vendrix {

namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString fileKey(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

// Two spellings of one file (relative, "..", symbolic links aside) are one entry.
QString canonical(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentFileList::RecentFileList(QSettings *settings)
    : m_settings(settings)
{
    withGroup([this](QSettings &store) {
        for (int i = 0; i < kRecentFileCount; ++i) {
            const QString path = store.value(fileKey(i)).toString();
            if (!path.isEmpty() && !m_files.contains(path))
                m_files.append(path);
        }
    });
}

void RecentFileList::add(const QString &path)
{
    const QString entry = canonical(path);
    m_files.removeAll(entry);
    m_files.prepend(entry);
    while (m_files.size() > kRecentFileCount)
        m_files.removeLast();
    save();
}

void RecentFileList::remove(const QString &path)
{
    if (m_files.removeAll(path) + m_files.removeAll(canonical(path)) > 0)
        save();
}

QString RecentFileList::menuText(int index, const QString &path)
{
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

void RecentFileList::save()
{
    withGroup([this](QSettings &store) {
        store.remove(QString());
        for (int i = 0; i < m_files.size(); ++i)
            store.setValue(fileKey(i), m_files[i]);
    });
}

void RecentFileList::withGroup(const std::function<void(QSettings &)> &use) const
{
    // The program's own settings unless the list was given a store (tests).
    std::unique_ptr<QSettings> own;
    QSettings *store = m_settings;
    if (store == nullptr) {
        own = std::make_unique<QSettings>();
        store = own.get();
    }
    store->beginGroup(kGroup);
    use(*store);
    store->endGroup();
    store->sync();
}

} // namespace vendrix
