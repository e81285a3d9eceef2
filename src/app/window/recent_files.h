#pragma once
// The list of recently used project files shown in the File menu: at most six
// entries, the latest first, kept in the program's settings.

#include <QString>
#include <QStringList>

#include <functional>

class QSettings;

namespace vendrix {

inline constexpr int kRecentFileCount = 6;

class RecentFileList
{
public:
    // Reads the list from `settings` (the program's settings when nullptr).
    explicit RecentFileList(QSettings *settings = nullptr);

    const QStringList &files() const { return m_files; }
    // Puts `path` first (once; the oldest entry drops off beyond six) and saves.
    void add(const QString &path);
    // Drops `path` (a file that could not be opened) and saves.
    void remove(const QString &path);

    // The menu text of entry `index` (0-based): "&1 /path/name.Vdx".
    static QString menuText(int index, const QString &path);

private:
    void save();
    // Runs `use` inside the list's group of the settings store.
    void withGroup(const std::function<void(QSettings &)> &use) const;

    QSettings *m_settings;
    QStringList m_files;
};

} // namespace vendrix
