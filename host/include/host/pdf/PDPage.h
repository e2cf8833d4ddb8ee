// Pages of an open document.
//
// Boxes come as fixed-point rectangles normalised so that left < right and
// bottom < top. The MediaBox (and CropBox) is inherited through the page
// tree; a page tree that loops or is very deep stops the search. A page
// without any MediaBox gets US Letter (0 0 612 792), as viewers assume.
#pragma once

#include "host/pdf/PDDoc.h"

void PDPageGetMediaBox(PDPage page, ASFixedRect* box);
// Fills box and answers true when the page has the named box (MediaBox,
// CropBox, BleedBox, TrimBox, ArtBox) as an array of four numbers; leaves box
// untouched and answers false otherwise.
ASBool PDPageGetBox(PDPage page, ASAtom boxName, ASFixedRect* box);
// The page's number in its document.
ASInt32 PDPageGetNumber(PDPage page);
// Entries of the page's Annots array (0 when it has none or it is not an
// array); entries that are not dictionaries are counted too and come back as
// annotations that are not valid.
ASInt32 PDPageGetNumAnnots(PDPage page);
// genErrBadParm for an index outside 0 .. count - 1.
PDAnnot PDPageGetAnnot(PDPage page, ASInt32 index);
CosObj PDPageGetCosObj(PDPage page);
void PDPageRelease(PDPage page);
