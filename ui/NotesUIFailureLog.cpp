#include "NotesUIFailureLog.h"

#include <cstdio>

#include "host/util/FileUtils.h"

void NotesUIFailureLog::Write(const char* file, int32 line, const char* expression, Form form) {
    static const char* const kFormats[] = {"%s(%d): %s == nil\r\n", "%s(%d): %s failed\r\n",
                                           "%s(%d): %s == false\r\n"};
    IDFile logFile;
    if (!FileUtils::GetAppDocumentFolder(&logFile))
        return;
    FileUtils::AppendPath(&logFile, PMString("Morvane"));
    if (FileUtils::CreateFolderIfNeeded(logFile) != kSuccess)
        return;
    FileUtils::AppendPath(&logFile, PMString("morvane.log"));
    std::FILE* out = FileUtils::OpenFile(logFile, "a");
    if (!out)
        return;
    std::fprintf(out, kFormats[form], file ? file : "", static_cast<int>(line), expression ? expression : "");
    std::fclose(out);
}
