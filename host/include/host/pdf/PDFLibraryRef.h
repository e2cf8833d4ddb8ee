// A reference to the PDF library for the span of one operation: acquire it,
// ask whether the library is available, release it when done. Available
// means the reading engine answered a self-check at acquire time.
// References may nest; each instance releases what it acquired.
#pragma once

class PDFLibraryRef {
public:
    PDFLibraryRef() = default;
    ~PDFLibraryRef();
    PDFLibraryRef(const PDFLibraryRef&) = delete;
    PDFLibraryRef& operator=(const PDFLibraryRef&) = delete;

    void Acquire();
    bool IsAvailable() const { return available_; }
    void Release();

    // Number of references held in the process, for leak checks.
    static int OutstandingReferences();

private:
    bool acquired_ = false;
    bool available_ = false;
};
