// FileUtils: the application document folder and small file operations.
#pragma once

#include <cstdio>

#include "host/util/BaseTypes.h"
#include "host/util/IDFile.h"
#include "host/util/PMString.h"

namespace FileUtils {
// $PAGEHOST_HOME, else $XDG_DATA_HOME/pagehost, else ~/.local/share/pagehost.
bool16 GetAppDocumentFolder(IDFile* folder);
// Creates the folder (and its parents) when missing; answers kSuccess when it exists afterwards.
ErrorCode CreateFolderIfNeeded(const IDFile& folder);
// Appends a file or folder name to the path.
void AppendPath(IDFile* file, const PMString& name);
// fopen with the given mode; nullptr when the file cannot be opened.
std::FILE* OpenFile(const IDFile& file, const char* mode);
bool16 DoesFileExist(const IDFile& file);
} // namespace FileUtils
