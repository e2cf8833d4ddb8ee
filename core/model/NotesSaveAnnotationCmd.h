// NotesSaveAnnotationCmd: rewrites one annotation's record with the command's record.
#pragma once

#include "host/commands/Command.h"
#include "host/database/UIDRef.h"
#include "host/document/PMPathPoint.h"

class INotesAnnotation;

class NotesSaveAnnotationCmd final : public Command {
public:
    explicit NotesSaveAnnotationCmd(IPMUnknown* boss) : Command(boss) {}

    // Processes the command on target with a copy of every field of record; false (logged as
    // "saveAnnotationCmd") when it cannot be made or fails.
    static bool SaveRecord(const UIDRef& target, const INotesAnnotation* record);
    // As SaveRecord, with points in place of the record's own.
    static bool SaveRecord(const UIDRef& target, const INotesAnnotation* record, const PMPointList& points);

protected:
    void Do() override;
    PMString* CreateName() override;
};
