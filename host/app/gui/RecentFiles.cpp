#include "RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

#include "host/util/FileUtils.h"

namespace {
const char* const kKey = "recentFiles";
} // namespace

QString RecentFiles::SettingsFile() {
    IDFile folder;
    if (!FileUtils::GetAppDocumentFolder(&folder))
        return QString();
    return QString::fromStdString((folder.GetPath() / "gui.ini").string());
}

void RecentFiles::Add(const QString& path) {
    const QString file = SettingsFile();
    if (file.isEmpty())
        return;
    QStringList paths = GetPaths();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    while (paths.size() > kMaxFiles)
        paths.removeLast();
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(kKey, paths);
}

QStringList RecentFiles::GetPaths() const {
    const QString file = SettingsFile();
    return file.isEmpty() ? QStringList() : QSettings(file, QSettings::IniFormat).value(kKey).toStringList();
}
