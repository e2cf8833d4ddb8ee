// TextFrameDocument: a layout document for one test with helpers that make text frames through
// the create-text-frame command and edit their stories through the text commands.
#pragma once

#include <string>
#include <vector>

#include "../document/LayoutTestDocument.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITextFrameColumn.h"
#include "host/text/ITextModel.h"

class TextFrameDocument : public LayoutTestDocument {
public:
    explicit TextFrameDocument(const DocumentSetup& setup = DocumentSetup()) : LayoutTestDocument(setup) {}

    struct Frame {
        UID spline = kInvalidUID;
        UID content = kInvalidUID; // the multi-column item
        UID story = kInvalidUID;
    };
    // A frame on a page (bounds relative to the page's left top corner); with a story, the frame
    // is threaded after the story's last frame.
    Frame NewFrame(int32 page, const PMRect& pageBounds, UID story = kInvalidUID, int32 columns = 1,
                   PMReal gutter = 12.0) const;
    InterfacePtr<IMultiColumnTextFrame> TextFrame(const Frame& frame) const;
    InterfacePtr<ITextFrameColumn> Column(const Frame& frame, int32 n) const;
    // A table anchored at `at` in the story's primary text through the new-table command; the
    // table model, or kInvalidUID with *result the command's error.
    UID NewTable(UID story, TextIndex at, const std::vector<PMReal>& columnWidths,
                 const std::vector<PMReal>& rowHeights, const std::vector<std::u16string>& cellTexts = {},
                 ErrorCode* result = nullptr) const;
    ErrorCode Insert(UID story, TextIndex at, const std::u16string& text) const;
    ErrorCode Delete(UID story, TextIndex at, int32 length) const;
    InterfacePtr<ITextModel> Model(UID story) const { return Get<ITextModel>(story); }
    // The pasteboard point of a point in a column's inner coordinates.
    PMPoint ColumnToPasteboard(const Frame& frame, int32 column, const PMPoint& inner) const;
    PMRect PageBounds(int32 page) const;
};

// The words of a text separated by single spaces, n words long, each a different length.
std::u16string Words(int32 count);
