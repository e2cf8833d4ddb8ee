// StoryStrands: the raw edit of a story's three index-keyed strands (characters, attribute runs,
// owned items), kept in step. No checks and no hooks: the text model and the table commands,
// which know where text may go and which thread it belongs to, call these.
#pragma once

#include <string>
#include <vector>

#include "host/text/AttributeRun.h"
#include "host/text/TextTypes.h"

class IPMUnknown;

namespace StoryStrands {
// story: any interface of the story.
void Insert(const IPMUnknown* story, TextIndex at, const std::u16string& text,
            const std::vector<AttributeRun>& runs);
void Remove(const IPMUnknown* story, TextIndex at, int32 length);
} // namespace StoryStrands
