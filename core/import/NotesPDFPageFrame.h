// NotesPDFPageFrame: how coordinates of one PDF page become document coordinates.
//
// PDF user space has y upwards, the document's page space y downwards. A PDF point (x, y) becomes the
// page point (x - Ox, H - y + Oy), H being the height of the document page's bounds and (Ox, Oy) the
// origin the import fixes per page (the PDF box's left and lower edge plus the page bounds' left-top);
// the optional toPasteboard function then takes the page point to pasteboard coordinates (the page
// item's inner-to-pasteboard transform). The default frame (zero box, zero origin, H = 0, no transform)
// maps (x, y) to (x, -y).
#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include "host/util/Geometry.h"

class NotesPDFPageFrame {
public:
    using PMPointList = std::vector<PMPoint>;
    using PointTransform = std::function<PMPoint(const PMPoint&)>;

    NotesPDFPageFrame() = default;
    NotesPDFPageFrame(const PMRect& pdfBox, const PMPoint& origin, PMReal pageHeight,
                      PointTransform toPasteboard = {})
        : fPDFBox(pdfBox), fOrigin(origin), fPageHeight(pageHeight), fToPasteboard(std::move(toPasteboard)) {}

    const PMRect& GetPDFBox() const { return fPDFBox; }
    const PMPoint& GetOrigin() const { return fOrigin; }
    PMReal GetPageHeight() const { return fPageHeight; }

    // A PDF point in page (then pasteboard) coordinates.
    PMPoint ConvertPoint(PMReal x, PMReal y) const {
        const PMPoint page(x - fOrigin.X(), fPageHeight - y + fOrigin.Y());
        return fToPasteboard ? fToPasteboard(page) : page;
    }

    PMPointList ConvertPoints(const PMPointList& pdfPoints) const {
        PMPointList points;
        points.reserve(pdfPoints.size());
        for (const PMPoint& p : pdfPoints)
            points.push_back(ConvertPoint(p.X(), p.Y()));
        return points;
    }

    // A PDF rectangle (top the upper edge): flipped with H, taken to pasteboard (bounding box of the
    // transformed corners), normalised, then moved by (-Ox, +Oy). For the host's page transforms,
    // which only translate and rotate by right angles, this equals converting the corners one by one.
    PMRect ConvertRect(PMReal left, PMReal top, PMReal right, PMReal bottom) const {
        PMRect rect(left, fPageHeight - top, right, fPageHeight - bottom);
        if (fToPasteboard)
            rect = BoundsOf(rect);
        rect.Normalize();
        rect.MoveRel(-fOrigin.X(), fOrigin.Y());
        return rect;
    }

private:
    PMRect BoundsOf(const PMRect& rect) const {
        const PMPoint corners[] = {fToPasteboard(rect.LeftTop()), fToPasteboard({rect.Right(), rect.Top()}),
                                   fToPasteboard({rect.Left(), rect.Bottom()}),
                                   fToPasteboard(rect.RightBottom())};
        PMRect bounds(corners[0], corners[0]);
        for (const PMPoint& p : corners) {
            bounds.Left(std::min(bounds.Left(), p.X()));
            bounds.Top(std::min(bounds.Top(), p.Y()));
            bounds.Right(std::max(bounds.Right(), p.X()));
            bounds.Bottom(std::max(bounds.Bottom(), p.Y()));
        }
        return bounds;
    }

    PMRect fPDFBox;
    PMPoint fOrigin;
    PMReal fPageHeight = 0.0;
    PointTransform fToPasteboard;
};
