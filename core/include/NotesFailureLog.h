// NotesFailureLog: the failure log of both plug-ins, "morvane.log" in the folder Morvane of the
// host's application document folder. One line per failed check; the file is opened, appended to
// and closed for every line, so nothing is lost when the host stops. When the folder or the file
// cannot be made, nothing is written and the caller goes on. Header only, so that the UI plug-in,
// which links none of the core, writes the same lines.
#pragma once

#include <cstdio>

#include "host/util/BaseTypes.h"
#include "host/util/FileUtils.h"

class NotesFailureLog {
public:
    enum Form { kNil, kFailed, kFalse, kNotSuccess };

    // Writes "<file>(<line>): <expression> <form>\r\n".
    static void Write(const char* file, int32 line, const char* expression, Form form) {
        static const char* const kFormats[] = {"%s(%d): %s == nil\r\n", "%s(%d): %s failed\r\n",
                                               "%s(%d): %s == false\r\n", "%s(%d): %s != kSuccess\r\n"};
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
        std::fprintf(out, kFormats[form], file ? file : "", static_cast<int>(line),
                     expression ? expression : "");
        std::fclose(out);
    }
};

// The checks every Part uses. Each evaluates to whether the check held, and logs when it did not;
// file name, line and expression text come from the compiler.
#define NOTES_CHECK_NIL(pointer)                                                                             \
    ((pointer) != nullptr                                                                                    \
         ? true                                                                                              \
         : (NotesFailureLog::Write(__FILE_NAME__, __LINE__, #pointer, NotesFailureLog::kNil), false))
#define NOTES_CHECK_TRUE(condition)                                                                          \
    ((condition)                                                                                             \
         ? true                                                                                              \
         : (NotesFailureLog::Write(__FILE_NAME__, __LINE__, #condition, NotesFailureLog::kFalse), false))
#define NOTES_CHECK_SUCCESS(status)                                                                          \
    ((status) == kSuccess                                                                                    \
         ? true                                                                                              \
         : (NotesFailureLog::Write(__FILE_NAME__, __LINE__, #status, NotesFailureLog::kNotSuccess), false))
// For a command or call that reported an error.
#define NOTES_LOG_FAILED(what) NotesFailureLog::Write(__FILE_NAME__, __LINE__, what, NotesFailureLog::kFailed)
// For a named value that was missing or false where the expression text is not the code's own.
#define NOTES_LOG_NIL(name) NotesFailureLog::Write(__FILE_NAME__, __LINE__, name, NotesFailureLog::kNil)
#define NOTES_LOG_FALSE(text) NotesFailureLog::Write(__FILE_NAME__, __LINE__, text, NotesFailureLog::kFalse)
