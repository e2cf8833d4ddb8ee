// NotesUIFailureLog: the UI plug-in's writer of the shared failure log, "morvane.log" in the folder
// Morvane of the host's application document folder, opened in append mode and closed for every line.
// When the folder or the file cannot be made, nothing is written and the caller goes on.
#pragma once

#include "host/util/BaseTypes.h"

class NotesUIFailureLog {
public:
    enum Form { kNil, kFailed, kFalse };

    // Writes "<file>(<line>): <expression> <form>\r\n".
    static void Write(const char* file, int32 line, const char* expression, Form form);
};

// Each check evaluates to whether it held and logs when it did not; file, line and expression text
// come from the compiler.
#define NOTES_UI_CHECK_NIL(pointer)                                                                          \
    ((pointer) != nullptr                                                                                    \
         ? true                                                                                              \
         : (NotesUIFailureLog::Write(__FILE_NAME__, __LINE__, #pointer, NotesUIFailureLog::kNil), false))
#define NOTES_UI_CHECK_TRUE(condition)                                                                       \
    ((condition)                                                                                             \
         ? true                                                                                              \
         : (NotesUIFailureLog::Write(__FILE_NAME__, __LINE__, #condition, NotesUIFailureLog::kFalse),        \
            false))
#define NOTES_UI_LOG_FALSE(text)                                                                             \
    NotesUIFailureLog::Write(__FILE_NAME__, __LINE__, text, NotesUIFailureLog::kFalse)
