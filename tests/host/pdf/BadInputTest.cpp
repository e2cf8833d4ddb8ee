// Files that are missing, broken, protected or hostile: every one ends the
// operation through the exception frame or reads as far as it can, and none
// crashes, hangs or grows memory without bound.
#include "PdfFixtureFiles.h"
#include "PdfTestDocument.h"
#include "RawPdfBuilder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

namespace fs = std::filesystem;

const char* kOnePageAnnotation =
    R"([{"page": 0, "kind": "Highlight", "search": "quick", "author": "Ελένη"}])";

// A one-page document whose page object (3) carries the given entries.
RawPdfBuilder pageWith(const std::string& pageEntries) {
    RawPdfBuilder pdf;
    pdf.object(1, "<< /Type /Catalog /Pages 2 0 R >>")
        .object(2, "<< /Type /Pages /Kids [3 0 R] /Count 1 /MediaBox [0 0 300 400] >>")
        .object(3, "<< /Type /Page /Parent 2 0 R " + pageEntries + " >>");
    return pdf;
}

fs::path written(const std::string& name, const RawPdfBuilder& pdf) {
    return PdfFixtureFiles::writeFile(name, pdf.build(1));
}

// Reads everything a reader would read; answers the error that stopped it.
ASErrorCode readEverything(PDDoc doc) {
    ASErrorCode error = genErrNoError;
    DURING
    for (ASInt32 p = 0; p < PDDocGetNumPages(doc); ++p) {
        PDPage page = PDDocAcquirePage(doc, p);
        ASFixedRect box;
        PDPageGetMediaBox(page, &box);
        for (ASInt32 i = 0; i < PDPageGetNumAnnots(page); ++i) {
            PDAnnot annot = PDPageGetAnnot(page, i);
            if (PDAnnotIsValid(annot)) {
                ASTimeRec date;
                PDAnnotGetSubtype(annot);
                PDAnnotGetDate(annot, &date);
                PDAnnotGetRect(annot, &box);
                PdfTestDocument::text(PDAnnotGetCosObj(annot), "Contents");
            }
        }
    }
    HANDLER
    error = ERRORCODE;
    END_HANDLER
    return error;
}

ASErrorCode errorOf(const std::function<void()>& body) {
    ASErrorCode error = genErrNoError;
    DURING
    body();
    HANDLER
    error = ERRORCODE;
    END_HANDLER
    return error;
}

TEST(PdfOpenFailureTest, MissingFileDirectoryAndNonPdf) {
    EXPECT_EQ(PdfTestDocument(PdfFixtureFiles::tempDir() / "absent.pdf").openError(), fileErrFNF);
    EXPECT_EQ(PdfTestDocument(PdfFixtureFiles::tempDir()).openError(), fileErrIO);
    EXPECT_EQ(PdfTestDocument(PdfFixtureFiles::writeFile("empty.pdf", "")).openError(), pdErrNotPDF);
    EXPECT_EQ(PdfTestDocument(PdfFixtureFiles::writeFile("text.pdf", "Dear reviewer,\nthis is not a PDF.\n"))
                  .openError(),
              pdErrNotPDF);
    EXPECT_EQ(ACExceptionFrameDepth(), 0);
}

TEST(PdfOpenFailureTest, NullPathNameIsABadParameter) {
    EXPECT_EQ(ASFileSysCreatePathName(nullptr, ASAtomFromString("NoSuchPathType"), "x", nullptr), nullptr);
    EXPECT_EQ(errorOf([] { PDDocOpen(nullptr, nullptr, nullptr, ASFalse); }), genErrBadParm);
}

TEST(PdfOpenFailureTest, PasswordProtectedFileNeedsThePassword) {
    const fs::path plain = PdfFixtureFiles::annotated("to-encrypt", kOnePageAnnotation);
    const fs::path locked = PdfFixtureFiles::tempDir() / "locked.pdf";
    PdfFixtureFiles::run("qpdf --encrypt user owner 256 -- " + PdfFixtureFiles::quoted(plain) + " " +
                         PdfFixtureFiles::quoted(locked));
    EXPECT_EQ(PdfTestDocument(locked).openError(), pdErrNeedPassword);
}

TEST(PdfOpenFailureTest, EmptyUserPasswordOpensAndDecryptsStrings) {
    const fs::path plain = PdfFixtureFiles::annotated("to-encrypt-open", kOnePageAnnotation);
    const fs::path open = PdfFixtureFiles::tempDir() / "open-encrypted.pdf";
    PdfFixtureFiles::run("qpdf --encrypt '' owner 256 -- " + PdfFixtureFiles::quoted(plain) + " " +
                         PdfFixtureFiles::quoted(open));
    PdfTestDocument pdf(open);
    ASSERT_EQ(pdf.openError(), genErrNoError);
    EXPECT_EQ(PdfTestDocument::text(PDAnnotGetCosObj(pdf.only(0, "Highlight")), "T"), u"Ελένη");
}

TEST(PdfOpenFailureTest, NonAsciiFileNameOpens) {
    const fs::path plain = PdfFixtureFiles::annotated("to-rename", kOnePageAnnotation);
    const std::u16string wide = PdfFixtureFiles::tempDir().u16string() + u"/注釈 ü.pdf";
    fs::copy_file(plain, fs::path(wide));
    ASText text = ASTextFromUnicode(reinterpret_cast<const ASUTF16Val*>(wide.c_str()), kUTF16HostEndian);
    ASPathName path = ASFileSysCreatePathName(nullptr, ASAtomFromString("DIPathWithASText"), text, nullptr);
    PDDoc doc = nullptr;
    EXPECT_EQ(errorOf([&] { doc = PDDocOpen(path, nullptr, nullptr, ASFalse); }), genErrNoError);
    EXPECT_EQ(errorOf([&] { EXPECT_EQ(PDDocGetNumPages(doc), 2); }), genErrNoError);
    PDDocClose(doc);
    ASFileSysReleasePathName(nullptr, path);
    ASTextDestroy(text);
}

TEST(PdfTruncatedFileTest, EveryCutEndsInAnErrorOrAFullRead) {
    const std::string whole =
        PdfFixtureFiles::readFile(PdfFixtureFiles::annotated("to-truncate", kOnePageAnnotation));
    int opened = 0;
    for (std::size_t cut : {std::size_t{20}, whole.size() / 10, whole.size() / 2, whole.size() - 12}) {
        PdfTestDocument pdf(
            PdfFixtureFiles::writeFile("cut-" + std::to_string(cut) + ".pdf", whole.substr(0, cut)));
        if (pdf.openError() == genErrNoError) {
            ++opened;
            readEverything(pdf.doc());
        }
        EXPECT_EQ(ACExceptionFrameDepth(), 0);
    }
    // The 20-byte stub is never a document; the last cut only loses the
    // end of the cross-reference pointer, which the reader rebuilds.
    EXPECT_GE(opened, 1);
    EXPECT_LE(opened, 3);
}

TEST(PdfHostileStructureTest, AnnotsArrayContainingItself) {
    RawPdfBuilder pdf = pageWith("/Annots 4 0 R");
    pdf.object(4, "[4 0 R 5 0 R 999 0 R 6]")
        .object(5, "<< /Type /Annot /Subtype /Square /Rect [10 20 30 40] /Annots 4 0 R >>");
    PdfTestDocument doc(written("annots-loop.pdf", pdf));
    ASSERT_EQ(doc.openError(), genErrNoError);
    const auto annots = doc.annotations(0);
    ASSERT_EQ(annots.size(), 4u);
    EXPECT_FALSE(PDAnnotIsValid(annots[0])) << "the array itself";
    EXPECT_TRUE(PDAnnotIsValid(annots[1]));
    EXPECT_FALSE(PDAnnotIsValid(annots[2])) << "a missing object";
    EXPECT_FALSE(PDAnnotIsValid(annots[3])) << "a number";
    EXPECT_EQ(readEverything(doc.doc()), genErrNoError);
}

TEST(PdfHostileStructureTest, MediaBoxInheritedAndParentLoopStops) {
    PdfTestDocument inherited(written("inherited.pdf", pageWith("/TrimBox [10 10 290 390]")));
    PDPage page = PDDocAcquirePage(inherited.doc(), 0);
    ASFixedRect box;
    PDPageGetMediaBox(page, &box);
    EXPECT_EQ(box.right, ASFloatToFixed(300));
    EXPECT_EQ(box.top, ASFloatToFixed(400));
    ASSERT_TRUE(PDPageGetBox(page, ASAtomFromString("TrimBox"), &box));
    EXPECT_EQ(box.left, ASFloatToFixed(10));

    RawPdfBuilder looping;
    looping.object(1, "<< /Type /Catalog /Pages 2 0 R >>")
        .object(2, "<< /Type /Pages /Kids [3 0 R] /Count 1 /Parent 4 0 R >>")
        .object(3, "<< /Type /Page /Parent 2 0 R >>")
        .object(4, "<< /Type /Pages /Kids [] /Count 0 /Parent 2 0 R >>");
    PdfTestDocument loop(written("parent-loop.pdf", looping));
    ASSERT_EQ(loop.openError(), genErrNoError);
    ASSERT_EQ(errorOf([&] { PDPageGetMediaBox(PDDocAcquirePage(loop.doc(), 0), &box); }), genErrNoError);
    // No MediaBox anywhere: US Letter.
    EXPECT_EQ(box.right, ASFloatToFixed(612));
    EXPECT_EQ(box.top, ASFloatToFixed(792));
}

TEST(PdfHostileStructureTest, KidsLoopEndsThroughTheFrame) {
    RawPdfBuilder pdf;
    pdf.object(1, "<< /Type /Catalog /Pages 2 0 R >>")
        .object(2, "<< /Type /Pages /Kids [3 0 R 2 0 R] /Count 2 >>")
        .object(3, "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 100 100] >>");
    PdfTestDocument doc(written("kids-loop.pdf", pdf));
    ASSERT_EQ(doc.openError(), genErrNoError);
    EXPECT_EQ(readEverything(doc.doc()), pdErrPageTreeLoop);
}

TEST(PdfHostileStructureTest, ATreeWhoseNodeIsItsOwnGrandparentLoops) {
    RawPdfBuilder pdf;
    pdf.object(1, "<< /Type /Catalog /Pages 2 0 R >>")
        .object(2, "<< /Type /Pages /Kids [3 0 R] /Count 1 >>")
        .object(3, "<< /Type /Pages /Parent 2 0 R /Kids [2 0 R] /Count 1 >>");
    PdfTestDocument doc(written("grandparent-loop.pdf", pdf));
    ASSERT_EQ(doc.openError(), genErrNoError);
    EXPECT_EQ(errorOf([&] { PDDocGetNumPages(doc.doc()); }), pdErrPageTreeLoop);
}

TEST(PdfHostileStructureTest, KidsNamingMissingObjectsAreNoPages) {
    RawPdfBuilder pdf;
    pdf.object(1, "<< /Type /Catalog /Pages 2 0 R >>")
        .object(2, "<< /Type /Pages /Kids [5 0 R 6 0 R] /Count 2 >>");
    PdfTestDocument doc(written("missing-kids.pdf", pdf));
    ASSERT_EQ(doc.openError(), genErrNoError);
    EXPECT_EQ(PDDocGetNumPages(doc.doc()), 0);
}

TEST(PdfHostileStructureTest, AFileWithAPdfHeaderThatDoesNotOpenIsDamaged) {
    PdfTestDocument broken(PdfFixtureFiles::writeFile("header-only.pdf", "%PDF-1.4\n1 0 obj <<"));
    EXPECT_EQ(broken.openError(), pdErrBadFile);
}

TEST(PdfHostileStructureTest, MalformedRectanglesAndSubtypes) {
    RawPdfBuilder pdf = pageWith("/Annots [4 0 R 5 0 R 6 0 R]");
    pdf.object(4, "<< /Subtype /Line /Rect [] >>")
        .object(5, "<< /Rect [200 300 100 100] >>")
        .object(6, "<< /Subtype (Text) /Rect [0 0 /a 4] >>");
    PdfTestDocument doc(written("bad-rects.pdf", pdf));
    const auto annots = doc.annotations(0);
    ASFixedRect rect;
    EXPECT_EQ(errorOf([&] { PDAnnotGetRect(annots[0], &rect); }), pdErrBadAnnotation);
    EXPECT_EQ(errorOf([&] { PDAnnotGetRect(annots[2], &rect); }), pdErrBadAnnotation);
    PDAnnotGetRect(annots[1], &rect);
    EXPECT_EQ(rect.left, ASFloatToFixed(100));
    EXPECT_EQ(rect.top, ASFloatToFixed(300));
    EXPECT_EQ(rect.bottom, ASFloatToFixed(100));
    EXPECT_EQ(PDAnnotGetSubtype(annots[1]), ASAtomNull);
    EXPECT_EQ(PDAnnotGetSubtype(annots[2]), ASAtomNull) << "a string is not a name";
}

TEST(PdfHostileStructureTest, WrongTypesRaiseTheirCodes) {
    RawPdfBuilder pdf = pageWith("/Annots [4 0 R]");
    pdf.object(4, "<< /Subtype /Square /Rect [0 0 1 1] /C /Red /IC [1 2] /Big 99999999999 >>");
    PdfTestDocument doc(written("wrong-types.pdf", pdf));
    CosObj annot = PDAnnotGetCosObj(doc.only(0, "Square"));
    CosObj name = CosDictGetKeyString(annot, "C");
    EXPECT_EQ(errorOf([&] { CosArrayLength(name); }), cosErrExpectedArray);
    EXPECT_EQ(errorOf([&] { CosFixedValue(name); }), cosErrExpectedNumber);
    EXPECT_EQ(errorOf([&] { CosDictGetKeyString(name, "X"); }), cosErrExpectedDict);
    EXPECT_EQ(errorOf([&] { CosStreamOpenStm(name, cosOpenFiltered); }), cosErrExpectedStream);
    EXPECT_EQ(errorOf([&] { CosStringValue(name, nullptr); }), cosErrExpectedString);
    CosObj colour = CosDictGetKeyString(annot, "IC");
    EXPECT_EQ(errorOf([&] { CosArrayGet(colour, 2); }), cosErrArrayBounds);
    EXPECT_EQ(errorOf([&] { CosArrayGet(colour, -1); }), cosErrArrayBounds);
    EXPECT_EQ(CosIntegerValue(CosDictGetKeyString(annot, "Big")), 2147483647);
    EXPECT_EQ(CosFixedValue(CosDictGetKeyString(annot, "Big")), 0x7FFFFFFF);
    // Null chains need no presence tests.
    EXPECT_EQ(CosObjGetType(CosDictGetKeyString(CosDictGetKeyString(annot, "BS"), "W")), CosNull);
    EXPECT_EQ(errorOf([&] { PDDocAcquirePage(doc.doc(), 1); }), genErrBadParm);
}

TEST(PdfHostileStructureTest, DeeplyNestedArraysAreBounded) {
    const std::string nested = std::string(100000, '[') + std::string(100000, ']');
    RawPdfBuilder pdf = pageWith("/Annots [4 0 R]");
    pdf.object(4, "<< /Subtype /Square /Rect [0 0 1 1] /Deep " + nested + " >>");
    PdfTestDocument doc(written("deep.pdf", pdf));
    if (doc.openError() != genErrNoError) {
        return;
    }
    int depth = 0;
    const ASErrorCode error = errorOf([&] {
        CosObj node = CosDictGetKeyString(PDAnnotGetCosObj(doc.annotations(0).at(0)), "Deep");
        while (CosObjGetType(node) == CosArray && CosArrayLength(node) > 0) {
            node = CosArrayGet(node, 0);
            ++depth;
        }
    });
    EXPECT_LT(depth, 100000) << "error " << error;
}

TEST(PdfHostileStructureTest, ObjectsRepeatedlyReadKeepOneSlot) {
    std::string numbers;
    for (int i = 0; i < CosMaxArrayLength + 10; ++i) {
        numbers += "1 ";
    }
    RawPdfBuilder pdf = pageWith("/Annots [4 0 R]");
    pdf.object(4, "<< /Subtype /Ink /Rect [0 0 1 1] /Huge [" + numbers + "] >>");
    PdfTestDocument doc(written("huge-array.pdf", pdf));
    CosObj annot = PDAnnotGetCosObj(doc.only(0, "Ink"));
    CosObj huge = CosDictGetKeyString(annot, "Huge");
    EXPECT_EQ(CosArrayLength(huge), CosMaxArrayLength);
    // Two reads per turn, more in all than the object table holds: each read
    // of the same entry is the same object.
    ASErrorCode error = errorOf([&] {
        for (int i = 0; i < 1100000; ++i) {
            CosArrayGet(CosDictGetKeyString(annot, "Huge"), i % 7);
        }
    });
    EXPECT_EQ(error, genErrNoError);
    EXPECT_EQ(errorOf([&] { CosArrayGet(huge, CosMaxArrayLength); }), cosErrArrayBounds);
}

TEST(PdfHostileStreamTest, CompressionBombReadsOnlyWhatIsAsked) {
    const fs::path bomb = PdfFixtureFiles::tempDir() / "bomb.bin";
    // 64 MB of path operators, about 100 kB compressed.
    PdfFixtureFiles::run(
        "/usr/bin/python3 -c \"import zlib,sys; sys.stdout.buffer.write(zlib.compress(b'0 0 m ' * "
        "11184810, 9))\" > " +
        PdfFixtureFiles::quoted(bomb));
    RawPdfBuilder pdf = pageWith("/Annots [4 0 R]");
    pdf.object(4, "<< /Subtype /Caret /Rect [0 0 10 10] /AP << /N 5 0 R >> >>")
        .stream(5, "/Filter /FlateDecode /BBox [0 0 10 10]", PdfFixtureFiles::readFile(bomb));
    PdfTestDocument doc(written("bomb.pdf", pdf));
    CosObj normal =
        CosDictGetKeyString(CosDictGetKeyString(PDAnnotGetCosObj(doc.only(0, "Caret")), "AP"), "N");

    const std::string head = PdfTestDocument::streamBytes(normal, 2048, 2048);
    ASSERT_EQ(head.size(), 2048u);
    EXPECT_EQ(head.substr(0, 12), "0 0 m 0 0 m ");
    EXPECT_EQ(PdfTestDocument::streamBytes(normal, 1 << 20, 1 << 30).size(),
              static_cast<std::size_t>(CosMaxDecodedStreamBytes));
}

TEST(PdfHostileStreamTest, CorruptCompressedDataEndsTheStreamEarly) {
    RawPdfBuilder pdf = pageWith("/Annots [4 0 R]");
    pdf.object(4, "<< /Subtype /Caret /Rect [0 0 10 10] /AP << /N 5 0 R >> >>")
        .stream(5, "/Filter /FlateDecode", "this is not deflate data at all");
    PdfTestDocument doc(written("corrupt-stream.pdf", pdf));
    CosObj normal =
        CosDictGetKeyString(CosDictGetKeyString(PDAnnotGetCosObj(doc.only(0, "Caret")), "AP"), "N");
    std::string bytes;
    EXPECT_EQ(errorOf([&] { bytes = PdfTestDocument::streamBytes(normal, 2048, 2048); }), genErrNoError);
    EXPECT_LT(bytes.size(), 2048u);
}

TEST(PdfClosedDocumentTest, ObjectsOfAClosedDocumentRaiseInsteadOfCrashing) {
    CosObj annot;
    PDAnnot pdAnnot;
    ASStm stream = nullptr;
    {
        RawPdfBuilder pdf = pageWith("/Annots [4 0 R]");
        pdf.object(4, "<< /Subtype /Caret /Rect [0 0 10 10] /AP << /N 5 0 R >> >>")
            .stream(5, "", "0 0 m 1 1 l");
        PdfTestDocument doc(written("closed.pdf", pdf));
        pdAnnot = doc.only(0, "Caret");
        annot = PDAnnotGetCosObj(pdAnnot);
        stream =
            CosStreamOpenStm(CosDictGetKeyString(CosDictGetKeyString(annot, "AP"), "N"), cosOpenFiltered);
    }
    EXPECT_FALSE(PDAnnotIsValid(pdAnnot));
    EXPECT_EQ(errorOf([&] { CosObjGetType(annot); }), pdErrDocClosed);
    EXPECT_EQ(errorOf([&] { CosDictGetKeyString(annot, "Rect"); }), pdErrDocClosed);
    char buffer[8];
    EXPECT_EQ(errorOf([&] { ASStmRead(buffer, 1, 8, stream); }), genErrBadParm);
    ASStmClose(stream);
}

} // namespace
