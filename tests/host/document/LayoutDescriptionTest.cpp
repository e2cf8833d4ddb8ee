// Layout descriptions: what a good one builds, and how a faulty one is refused by its JSON path.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/ILayerList.h"
#include "host/document/IMasterPage.h"
#include "host/document/IMasterSpreadList.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadList.h"
#include "host/document/ISwatchUtils.h"
#include "host/document/LayoutBuilder.h"
#include "host/document/LayoutParser.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
const char* const kGood = R"({
  "swatches": [{"name": "Red", "rgb": [1, 0, 0]}, {"name": "Ink", "cmyk": [1, 0.5, 0, 0.2]}],
  "layers": [{"name": "Back"}, {"name": "Art", "printable": false}],
  "masters": [{"name": "A", "pages": 2, "items": [{"type": "rectangle", "page": 2, "bounds": [0, 0, 10, 10]}]},
              {"name": "B"}],
  "spreads": [{"pages": [{"master": "A"}]}, {"pages": [{"master": "A"}, {}]}, {"pages": [{"master": "B"}, {"master": "B"}]}],
  "items": [{"type": "rectangle", "page": 3, "layer": "Art", "bounds": [100, 200, 300, 350], "stroke": {"color": "Red", "weight": 2}},
            {"type": "group", "page": 5, "items": [{"type": "ellipse", "bounds": [0, 0, 50, 50], "fill": "Ink"},
                                                   {"type": "path", "points": [[0, 60], [50, 60]], "stroke": {"lineEnd": "triangle"}}]}],
  "textFrames": [{"page": 1, "bounds": [72, 72, 300, 300], "story": "s1"}],
  "stories": [{"id": "s1", "paragraphs": ["Hello"]}]
})";

template <class T> InterfacePtr<T> Root(IDocument* document) {
    return InterfacePtr<T>(document, T::kDefaultIID);
}

struct BadCase {
    const char* json;
    const char* path;
};

const BadCase kBadCases[] = {
    {R"({"spreads": [{"pages": [{"master": "Z"}]}]})", "$.spreads[0].pages[0].master"},
    {R"({"pageSize": {"width": -5, "height": 700}, "spreads": [{"pages": [{}]}]})", "$.pageSize.width"},
    {R"({"spreads": [{"pages": [{}]}], "items": [{"type": "rectangle", "page": 2, "bounds": [0, 0, 1, 1]}]})",
     "$.items[0].page"},
    {R"({"spreads": [{"pages": [{}]}], "items": [{"type": "rectangle", "page": 1, "bounds": [0, 0, 2000, 10]}]})",
     "$.items[0].bounds"},
    {R"({"spreads": [{"pages": [{}]}], "items": [{"type": "rectangle", "page": 1, "bounds": [0, 0, 9, 9], "fill": "Mauve"}]})",
     "$.items[0].fill"},
    {R"({"swatches": [{"name": "X", "rgb": [1, 2, 0]}], "spreads": [{"pages": [{}]}]})", "$.swatches[0].rgb"},
    {R"({"swatches": [{"name": "X", "cmyk": [1, 0, 0]}], "spreads": [{"pages": [{}]}]})",
     "$.swatches[0].cmyk"},
    {R"({"spreads": [{"pages": [{}]}], "items": [{"type": "path", "page": 1, "points": [[0, 0]]}]})",
     "$.items[0].points"},
    {R"({"spreads": [{"pages": [{}]}], "items": [{"type": "group", "page": 1, "items": [{"type": "star"}]}]})",
     "$.items[0].items[0].type"},
    {R"({"spreads": [{"pages": [{}]}], "colour": 1})", "$.colour"},
    {R"({"spreads": []})", "$.spreads"},
    {R"({"spreads": [{"pages": [{}]}], )", "$"},
};

class LayoutDescriptionBadInput : public ::testing::TestWithParam<BadCase> {};
} // namespace

TEST_P(LayoutDescriptionBadInput, IsRefusedNamingItsJsonPath) {
    const LayoutParser::Result result = LayoutParser::Parse(GetParam().json);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.path, GetParam().path) << result.Message();
    EXPECT_EQ(
        result.Message().find("The layout description is invalid at " + std::string(GetParam().path) + ": "),
        0u);
}

INSTANTIATE_TEST_SUITE_P(Faults, LayoutDescriptionBadInput, ::testing::ValuesIn(kBadCases));

// Found by fuzzing: the JSON reader throws out_of_range, not parse_error, for a number beyond a
// double's range, and that escaped the parser and ended the program.
// "page": 1.5 was reported as lying outside every spread; a page number that is not whole is refused
// as such, for document and master items alike, and only a whole one out of range lies outside.
TEST(LayoutDescription, APageNumberThatIsNotWholeIsRefusedAsNotWhole) {
    const std::string spreads = R"("spreads": [{"pages": [{}, {}]}])";
    const std::pair<std::string, std::string> cases[] = {
        {"{" + spreads + R"(, "items": [{"type": "rectangle", "page": 1.5, "bounds": [0, 0, 1, 1]}]})",
         "$.items[0].page: a page number is a whole number, not 1.5."},
        {"{" + spreads + R"(, "items": [{"type": "rectangle", "page": "1", "bounds": [0, 0, 1, 1]}]})",
         "$.items[0].page: a page number is a whole number, not \"1\"."},
        {R"({"masters": [{"name": "A", "pages": 1, "items": [{"type": "rectangle", "page": 0.5,
             "bounds": [0, 0, 1, 1]}]}], "spreads": [{"pages": [{"master": "A"}]}]})",
         "$.masters[0].items[0].page: a page number is a whole number, not 0.5."},
        {"{" + spreads + R"(, "items": [{"type": "rectangle", "page": 3, "bounds": [0, 0, 1, 1]}]})",
         "$.items[0].page: the item lies outside every spread: the document has pages 1 to 2."},
    };
    for (const auto& [text, expected] : cases) {
        const LayoutParser::Result result = LayoutParser::Parse(text);
        EXPECT_NE(result.Message().find(expected), std::string::npos) << result.Message();
    }
}

TEST(LayoutDescription, ANumberBeyondADoublesRangeIsRefusedInsteadOfEndingTheProgram) {
    for (const char* text :
         {"9999999e999", R"({"spreads": [{"pages": [{}]}], "pageSize": {"width": 1e400}})"}) {
        LayoutParser::Result result;
        ASSERT_NO_THROW(result = LayoutParser::Parse(text)) << text;
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.path, "$");
        EXPECT_EQ(result.Message(),
                  "The layout description is invalid at $: the text holds a number too large to read.");
    }
}

TEST(LayoutDescription, GoodDescriptionBuildsTheDescribedDocument) {
    const LayoutParser::Result parsed = LayoutParser::Parse(kGood);
    ASSERT_TRUE(parsed.ok) << parsed.Message();
    EXPECT_EQ(parsed.description.textFrames.size(), 1u) << "the text frame of the description";
    EXPECT_EQ(parsed.description.stories.size(), 1u);
    const LayoutBuilder::Result built = LayoutBuilder::Build(parsed.description);
    ASSERT_EQ(built.error, kSuccess) << built.message;
    IDocument* document = built.document;
    IDataBase* db = document->GetDocumentDataBase();
    EXPECT_EQ(Root<IPageList>(document)->GetPageCount(), 5);
    EXPECT_EQ(Root<ISpreadList>(document)->GetSpreadCount(), 3);
    EXPECT_EQ(Root<IMasterSpreadList>(document)->GetMasterSpreadCount(), 2);
    EXPECT_EQ(Root<ILayerList>(document)->GetCount(), 2);
    EXPECT_FALSE(db->GetUndoHistory().CanUndo());

    const UID masterA = Root<IMasterSpreadList>(document)->FindMasterSpread(PMString("A"));
    auto masterOf = [&](int32 page) {
        InterfacePtr<IMasterPage> master(ObjectModel::CheckedCast<IMasterPage>(
            db->Instantiate(Root<IPageList>(document)->GetNthPageUID(page), IID_IMASTERPAGE)));
        return master->GetMasterSpreadUID();
    };
    EXPECT_EQ(masterOf(1), masterA);
    EXPECT_EQ(masterOf(2), kInvalidUID);

    InterfacePtr<ISpread> second(ObjectModel::CheckedCast<ISpread>(
        db->Instantiate(Root<ISpreadList>(document)->GetNthSpreadUID(1), IID_ISPREAD)));
    const UIDList items = second->GetItemsOnSpread();
    ASSERT_EQ(items.Length(), 1);
    InterfacePtr<IPMUnknown> item(db->Instantiate(items[0], IID_IPMPERSIST));
    EXPECT_EQ(Utils<IGraphicAttributeUtils>()->GetAttribute(item, kGraphicStyleStrokeWeightAttrBoss).real, 2);
    EXPECT_EQ(
        Utils<IGraphicAttributeUtils>()->GetAttribute(item, kGraphicStyleStrokeRenderingAttrBoss).swatch,
        Utils<ISwatchUtils>()->FindSwatch(db, PMString("Red")));
    InterfacePtr<ISpread> third(ObjectModel::CheckedCast<ISpread>(
        db->Instantiate(Root<ISpreadList>(document)->GetNthSpreadUID(2), IID_ISPREAD)));
    EXPECT_EQ(third->GetItemsOnSpread().Length(), 3) << "a group and its two children";
    DocumentManager::Instance().CloseDocument(document);
}
