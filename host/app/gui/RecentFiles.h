// RecentFiles: the documents opened or saved last, newest first, kept between runs in the file
// "gui.ini" of the application document folder.
#pragma once

#include <QStringList>

class RecentFiles {
public:
    static constexpr int kMaxFiles = 8;
    // Puts the path first (once) and forgets the oldest beyond kMaxFiles.
    void Add(const QString& path);
    QStringList GetPaths() const;

private:
    static QString SettingsFile();
};
