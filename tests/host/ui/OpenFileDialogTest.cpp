// The open-file dialog takes its answer from the installed responder: a scripted answer, a
// cancellation, or nothing at all when no responder is there; only files its filters admit count,
// and a dialog for one file yields one file.
#include <gtest/gtest.h>

#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IOpenFileDialog.h"
#include "host/ui/ScriptedFileDialogResponder.h"

namespace {
InterfacePtr<IOpenFileDialog> PdfDialog() {
    InterfacePtr<IOpenFileDialog> dialog(CreateObject2<IOpenFileDialog>(kOpenFileDialogBoss));
    dialog->AddFilter(PMString("PDF documents"), "pdf");
    return dialog;
}
} // namespace

TEST(UiOpenFileDialog, AScriptedAnswerIsChosenAndTheRequestRecorded) {
    ScriptedFileDialogResponder script;
    script.QueueFiles({IDFile("/proofs/Review.PDF")});
    std::vector<IDFile> chosen;
    EXPECT_TRUE(PdfDialog()->DoDialog(nullptr, &chosen, kFalse, PMString("Choose a proof")));
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen.front().GetPathString(), "/proofs/Review.PDF");
    ASSERT_EQ(script.GetRequests().size(), 1u);
    const FileDialogRequest& request = script.GetRequests().front();
    EXPECT_EQ(request.title.GetUTF8String(), "Choose a proof");
    ASSERT_EQ(request.filters.size(), 1u);
    EXPECT_EQ(request.filters.front().extension, "pdf");
    EXPECT_FALSE(request.allowMultiple);
}

TEST(UiOpenFileDialog, CancellingOrAnExhaustedScriptChoosesNothing) {
    ScriptedFileDialogResponder script;
    script.QueueCancel();
    std::vector<IDFile> chosen{IDFile("/stale.pdf")};
    EXPECT_FALSE(PdfDialog()->DoDialog(nullptr, &chosen));
    EXPECT_TRUE(chosen.empty());
    EXPECT_FALSE(PdfDialog()->DoDialog(nullptr, &chosen));
    EXPECT_EQ(script.GetRequests().size(), 2u);
}

TEST(UiOpenFileDialog, FilesTheFiltersRefuseAreNotChosen) {
    ScriptedFileDialogResponder script;
    script.QueueFiles({IDFile("/notes.txt"), IDFile("/a.pdf"), IDFile("/b.pdf")});
    std::vector<IDFile> chosen;
    EXPECT_TRUE(PdfDialog()->DoDialog(nullptr, &chosen));
    ASSERT_EQ(chosen.size(), 1u) << "a dialog for one file";
    EXPECT_EQ(chosen.front().GetPathString(), "/a.pdf");
    script.QueueFiles({IDFile("/notes.txt"), IDFile("/a.pdf"), IDFile("/b.pdf")});
    EXPECT_TRUE(PdfDialog()->DoDialog(nullptr, &chosen, kTrue));
    EXPECT_EQ(chosen.size(), 2u);
    script.QueueFiles({IDFile("/notes.txt")});
    EXPECT_FALSE(PdfDialog()->DoDialog(nullptr, &chosen));
}

TEST(UiOpenFileDialog, WithoutAResponderTheDialogIsCancelled) {
    ASSERT_EQ(FileDialogResponder::Get(), nullptr);
    std::vector<IDFile> chosen;
    EXPECT_FALSE(PdfDialog()->DoDialog(nullptr, &chosen));
}
