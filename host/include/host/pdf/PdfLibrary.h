// Everything the PDF library offers, for code that reads PDF files.
#pragma once

#include "host/pdf/ACExceptionFrame.h"
#include "host/pdf/ASAtom.h"
#include "host/pdf/ASErrors.h"
#include "host/pdf/ASFileSys.h"
#include "host/pdf/ASFixed.h"
#include "host/pdf/ASStm.h"
#include "host/pdf/ASText.h"
#include "host/pdf/CosObj.h"
#include "host/pdf/PDAnnot.h"
#include "host/pdf/PDDoc.h"
#include "host/pdf/PDFLibraryRef.h"
#include "host/pdf/PDPage.h"
#include "host/pdf/PdfLibraryError.h"
