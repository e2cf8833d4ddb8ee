// TextCommand: base of the commands that work on one story, named by the first item of the item
// list; gives the command its parameters and the story's interfaces.
#pragma once

#include "ITextCmdData.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/ITextModel.h"

class TextCommand : public Command {
public:
    explicit TextCommand(IPMUnknown* boss) : Command(boss) {}

protected:
    const TextCmdParameters& Parameters() const {
        InterfacePtr<ITextCmdData> data(this, IID_ITEXTCMDDATA);
        return data->Parameters();
    }
    // Whether the command's range lies inside the story's text, final return included.
    static bool RangeFits(const ITextModel* model, const TextCmdParameters& p) {
        return model && p.length >= 0 && p.position >= 0 && p.position + p.length <= model->TotalLength();
    }
    // Runs change(strand, range) on the story's attribute strand over the command's range and sets
    // the global error code: kInvalidParameterError, changing nothing, when the range does not fit.
    template <class Change> void ChangeAttributes(Change change) {
        InterfacePtr<ITextModel> model = QueryStory<ITextModel>();
        InterfacePtr<IAttributeStrand> strand = QueryStory<IAttributeStrand>();
        const TextCmdParameters& p = Parameters();
        if (!strand || !RangeFits(model, p)) {
            ErrorUtils::PMSetGlobalErrorCode(kInvalidParameterError);
            return;
        }
        change(strand.get(), RangeData(p.position, p.position + p.length));
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    // An interface of the story, or nullptr when the item list names no story.
    template <class T> InterfacePtr<T> QueryStory() const {
        IDataBase* db = fItemList.GetDataBase();
        if (!db || fItemList.Length() != 1)
            return InterfacePtr<T>();
        return InterfacePtr<T>(ObjectModel::CheckedCast<T>(db->Instantiate(fItemList.At(0), T::kDefaultIID)));
    }
};
