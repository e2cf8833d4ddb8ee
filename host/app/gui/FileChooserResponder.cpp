#include "FileChooserResponder.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

QString FileChooserResponder::NameFilters(const FileDialogRequest& request) {
    QStringList filters;
    for (const FileDialogRequest::Filter& filter : request.filters)
        filters << QString::fromStdString(filter.family.GetUTF8String()) + " (*." +
                       QString::fromStdString(filter.extension) + ")";
    return filters.join(";;");
}

std::optional<std::vector<IDFile>> FileChooserResponder::Answer(const FileDialogRequest& request) {
    const QString title = QString::fromStdString(request.title.GetUTF8String());
    const QString folder = QString::fromStdString(request.defaultLocation.GetPathString());
    QStringList chosen;
    if (request.allowMultiple)
        chosen =
            QFileDialog::getOpenFileNames(QApplication::activeWindow(), title, folder, NameFilters(request));
    else if (const QString file = QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder,
                                                               NameFilters(request));
             !file.isEmpty())
        chosen << file;
    if (chosen.isEmpty())
        return std::nullopt;
    std::vector<IDFile> files;
    for (const QString& file : chosen)
        files.emplace_back(std::filesystem::path(file.toStdString()));
    return files;
}
