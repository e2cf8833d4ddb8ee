#include "NewTextMarkupStandIn.h"

#include "DeclaredPlugIn.h"
#include "TextMarkupFixture.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IRangeData.h"

namespace TextMarkupFixture {
namespace {
constexpr ImplementationID kStandInImpl = 0x7E1101;

class NewTextMarkupStandIn final : public Command {
public:
    explicit NewTextMarkupStandIn(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        InterfacePtr<IIntData> type(this, IID_IINTDATA);
        InterfacePtr<IRangeData> range(this, IID_IRANGEDATA);
        const UIDRef story = GetItemList()->GetRef(0);
        const UID made = MarkupDocument::MarkIn(
            story.GetDataBase(), story.GetUID(), range->Get(),
            static_cast<INotesAnnotation::NotesAnnotationType>(type->GetInt()), "", kInvalidUID);
        fItemList =
            made == kInvalidUID ? UIDList(story.GetDataBase()) : UIDList(UIDRef(story.GetDataBase(), made));
        ErrorUtils::PMSetGlobalErrorCode(made == kInvalidUID ? kFailure : kSuccess);
    }
};

PlugInDeclaration StandInDeclaration() {
    PlugInDeclaration decl;
    decl.id = 0x7E1100;
    decl.name = "NewTextMarkupStandIn";
    decl.implementations = {IMPLEMENTATION(NewTextMarkupStandIn, kStandInImpl, false)};
    decl.classes = {
        {kNotesNewTextMarkupCmdBoss,
         kInvalidClass,
         "kNotesNewTextMarkupCmdBoss",
         {{IID_ICOMMAND, kStandInImpl}, {IID_IINTDATA, kIntDataImpl}, {IID_IRANGEDATA, kRangeDataImpl}}}};
    return decl;
}
} // namespace

void DeclareNewTextMarkupStandIn() {
    static DeclaredPlugIn standIn(StandInDeclaration(), "core_tests");
    if (!ClassRegistry::Instance().FindClass(kNotesNewTextMarkupCmdBoss) ||
        ClassRegistry::Instance().GetOwner(kNotesNewTextMarkupCmdBoss) == 0x7E1100)
        standIn.RegisterOnce();
}
} // namespace TextMarkupFixture
