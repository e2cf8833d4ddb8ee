// NotesFailureLog: the failure log of both plug-ins, "morvane.log" in the folder Morvane of the
// host's application document folder. One line per failed check; the file is opened, appended to
// and closed for every line, so nothing is lost when the host stops. When the folder or the file
// cannot be made, nothing is written and the caller goes on.
#pragma once

#include "host/util/BaseTypes.h"

class NotesFailureLog {
public:
    enum Form { kNil, kFailed, kFalse, kNotSuccess };

    // Writes "<file>(<line>): <expression> <form>\r\n".
    static void Write(const char* file, int32 line, const char* expression, Form form);
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
