#include "TextFrameDocument.h"

#include <gtest/gtest.h>

#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/INewPageItemCmdData.h"
#include "host/document/ITransform.h"
#include "host/text/ICreateMCFrameData.h"
#include "host/text/IGraphicFrameData.h"
#include "host/text/IMultiColumnItemData.h"
#include "host/text/INewTableCmdData.h"
#include "host/text/ITextModelCmds.h"

TextFrameDocument::Frame TextFrameDocument::NewFrame(int32 page, const PMRect& pageBounds, UID story,
                                                     int32 columns, PMReal gutter) const {
    PMRect bounds = pageBounds;
    bounds.MoveRel(PageBounds(page).Left(), PageBounds(page).Top());
    InterfacePtr<IHierarchy> pageHierarchy = Get<IHierarchy>(Page(page));
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kCreateMultiColumnItemCmdBoss));
    InterfacePtr<INewPageItemCmdData> item(cmd, IID_INEWPAGEITEMCMDDATA);
    InterfacePtr<ICreateMCFrameData> text(cmd, IID_ICREATEMCFRAMEDATA);
    InterfacePtr<IMultiColumnItemData> columnData(cmd, IID_IMULTICOLUMNITEMDATA);
    item->Set(DB(), kSplineItemBoss, ContentLayer(pageHierarchy->GetSpreadUID()),
              {bounds.LeftTop(), bounds.RightBottom()});
    text->SetStory(story);
    columnData->SetNumberOfColumns(columns);
    columnData->SetGutter(gutter);
    if (CmdUtils::ProcessCommand(cmd) != kSuccess || cmd->GetItemList()->Length() != 1)
        return Frame();
    Frame frame;
    frame.spline = cmd->GetItemList()->At(0);
    frame.content = Get<IGraphicFrameData>(frame.spline)->GetTextContentUID();
    frame.story = Get<IMultiColumnTextFrame>(frame.content)->GetTextModelUID();
    return frame;
}

InterfacePtr<IMultiColumnTextFrame> TextFrameDocument::TextFrame(const Frame& frame) const {
    return Get<IMultiColumnTextFrame>(frame.content);
}

InterfacePtr<ITextFrameColumn> TextFrameDocument::Column(const Frame& frame, int32 n) const {
    return InterfacePtr<ITextFrameColumn>(TextFrame(frame)->QueryFrameColumn(n));
}

UID TextFrameDocument::NewTable(UID story, TextIndex at, const std::vector<PMReal>& columnWidths,
                                const std::vector<PMReal>& rowHeights,
                                const std::vector<std::u16string>& cellTexts, ErrorCode* result) const {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNewTableCmdBoss));
    cmd->SetItemList(UIDList(UIDRef(DB(), story)));
    InterfacePtr<INewTableCmdData> data(cmd, IID_INEWTABLECMDDATA);
    data->Set(at, columnWidths, rowHeights);
    std::vector<WideString> texts;
    for (const std::u16string& text : cellTexts)
        texts.emplace_back(text);
    data->SetCellTexts(texts);
    const ErrorCode error = CmdUtils::ProcessCommand(cmd);
    if (result)
        *result = error;
    return error == kSuccess ? cmd->GetItemList()->At(0) : kInvalidUID;
}

ErrorCode TextFrameDocument::Insert(UID story, TextIndex at, const std::u16string& text) const {
    InterfacePtr<ICommand> cmd(Get<ITextModelCmds>(story)->InsertCmd(at, WideString(text)));
    return CmdUtils::ProcessCommand(cmd);
}

ErrorCode TextFrameDocument::Delete(UID story, TextIndex at, int32 length) const {
    InterfacePtr<ICommand> cmd(Get<ITextModelCmds>(story)->DeleteCmd(at, length));
    return CmdUtils::ProcessCommand(cmd);
}

PMPoint TextFrameDocument::ColumnToPasteboard(const Frame& frame, int32 column, const PMPoint& inner) const {
    PMPoint point = inner;
    Get<ITransform>(TextFrame(frame)->GetNthColumnUID(column))->TransformInnerPointToPasteboard(&point);
    return point;
}

PMRect TextFrameDocument::PageBounds(int32 page) const {
    return Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(DB(), Page(page)));
}

std::u16string Words(int32 count) {
    std::u16string text;
    for (int32 n = 0; n < count; ++n) {
        if (n > 0)
            text += u' ';
        text += std::u16string(static_cast<size_t>(2 + n % 7), static_cast<char16_t>(u'a' + n % 26));
    }
    return text;
}
