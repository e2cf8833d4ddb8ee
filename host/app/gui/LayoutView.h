// LayoutView: a document's layout view on screen: its spreads one below the other, drawn by the
// host, zoomed (fit page, fit spread, 50 % to 800 %, Ctrl+wheel) and scrolled. Mouse gestures go
// first to the host's event dispatcher with the document's layout view as target (points in
// pasteboard coordinates); what no plug-in takes, the view does itself: a click selects the page
// item under it, a drag selects the text between its two ends, a right-click shows the context
// menu a plug-in popped up.
#pragma once

#include <QAbstractScrollArea>

#include <array>
#include <vector>

#include "SpreadRenderer.h"
#include "host/text/IFrameUtils.h"

class IDocument;
class IPMUnknown;

class LayoutView : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr PMReal kMinZoom = 0.5;
    static constexpr PMReal kMaxZoom = 8.0;

    explicit LayoutView(QWidget* parent = nullptr);
    // Shows the document (nullptr: none), fitted to its current page.
    void SetDocument(IDocument* document);
    IDocument* GetDocument() const { return fDocument; }
    PMReal GetZoom() const { return fZoom; }
    // Sets the zoom (limited to 50 % .. 800 %), keeping the point under the view's centre.
    void SetZoom(PMReal zoom);
    void FitPage();
    void FitSpread();
    // Makes the page (0-based, in page order) the view's current page and scrolls to it.
    void ShowPage(int32 pageIndex);
    // The current page's index, or -1.
    int32 GetPageIndex() const;
    int32 CountPages() const;
    // Draws the document as it stands, following a change of the current page and scrolling to
    // a text selection made elsewhere (a panel's Select in Document) when it is out of view.
    void Refresh();
    // Where a viewport pixel lies on the pasteboard, and back.
    PMPoint ToPasteboard(const QPoint& pixel) const;
    QPointF ToPixel(const PMPoint& point) const;
    // The view's picture of the viewport as painted now.
    QImage RenderViewport() const;

signals:
    // A gesture changed the document or its selection.
    void Changed();
    void ZoomChanged(PMReal zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    IPMUnknown* View() const;
    QPointF Origin() const;
    void UpdatePlaces();
    void UpdateScrollBars();
    void ZoomAround(PMReal zoom, const QPoint& anchor);
    void FitRect(const PMRect& bounds);
    void ScrollTo(const PMRect& bounds);
    PMRect CurrentPageBounds() const;
    IFrameUtils::TextHit TextAt(const PMPoint& point) const;
    void SelectItemAt(const PMPoint& point, bool add);
    void SelectTextTo(const PMPoint& point);
    void RevealTextSelection();

    IDocument* fDocument = nullptr;
    std::vector<SpreadRenderer::Place> fPlaces;
    PMRect fBounds;
    PMReal fZoom = 1.0;
    uint64 fPlacesChange = 0;
    UID fShownPage = kInvalidUID;
    bool fPressed = false;
    bool fDragged = false;
    QPoint fPressPixel;
    IFrameUtils::TextHit fPressHit;
    // The text selection last seen (story, start, end), so that a new one is scrolled to once.
    std::array<int64, 3> fSeenSelection{0, -1, -1};
};
