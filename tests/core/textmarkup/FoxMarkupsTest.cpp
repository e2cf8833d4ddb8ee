#include "FoxMarkupsTest.h"

#include "TestSupport.h"
#include "host/document/DocumentManager.h"
#include "host/document/ISwatchList.h"

void FoxMarkupsTest::SetUp() {
    ASSERT_NE(doc.DB(), nullptr);
    body = doc.Story("s");
    const TextIndex fox = doc.Find(body, u"fox");
    highlight = doc.Mark(body, RangeData(fox, fox + 3), INotesAnnotation::kHighlightAnnotation);
    caret = doc.Mark(body, RangeData(fox, fox), INotesAnnotation::kCaretAnnotation);
    ASSERT_NE(highlight, kInvalidUID);
    ASSERT_NE(caret, kInvalidUID);
}

std::string FoxMarkupsTest::Saved(const std::string& name) {
    const auto path = TestSupport::MakeTempDir("fox-markups") / name;
    EXPECT_EQ(DocumentManager::Instance().SaveACopy(doc.Document(), path.string()), kSuccess);
    return TestSupport::ReadFile(path);
}

int32 FoxMarkupsTest::Swatches() const {
    InterfacePtr<ISwatchList> swatches(doc.Doc(), IID_ISWATCHLIST);
    return swatches->GetSwatchCount();
}
