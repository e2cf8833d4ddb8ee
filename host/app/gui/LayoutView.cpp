#include "LayoutView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "ContextMenuPopup.h"
#include "ToolkitEvents.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ICommand.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/document/ITransform.h"
#include "host/layout/ILayoutControlData.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/selection/ISelectionManager.h"

namespace {
constexpr int kMarginPixels = 24;
constexpr int kDragPixels = 4;
} // namespace

LayoutView::LayoutView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("layoutView"));
    viewport()->setMouseTracking(false);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
}

IPMUnknown* LayoutView::View() const {
    return fDocument ? DocumentManager::Instance().GetLayoutView(fDocument) : nullptr;
}

void LayoutView::SetDocument(IDocument* document) {
    fDocument = document;
    fShownPage = kInvalidUID;
    UpdatePlaces();
    if (fDocument) {
        InterfacePtr<ILayoutControlData> layout(View(), IID_ILAYOUTCONTROLDATA);
        fShownPage = layout ? layout->GetPage() : kInvalidUID;
        FitPage();
    }
    viewport()->update();
}

void LayoutView::UpdatePlaces() {
    fPlaces = fDocument ? SpreadRenderer::PlacesOf(fDocument) : std::vector<SpreadRenderer::Place>();
    fBounds = PMRect();
    for (const SpreadRenderer::Place& place : fPlaces)
        fBounds = fBounds.IsEmpty() ? place.pasteboard : fBounds.Union(place.pasteboard);
    fPlacesChange = fDocument ? fDocument->GetDocumentDataBase()->GetChangeCount() : 0;
    UpdateScrollBars();
}

void LayoutView::UpdateScrollBars() {
    const QSize shown = viewport()->size();
    const int width = static_cast<int>(std::ceil(fBounds.Width() * fZoom)) + 2 * kMarginPixels;
    const int height = static_cast<int>(std::ceil(fBounds.Height() * fZoom)) + 2 * kMarginPixels;
    horizontalScrollBar()->setRange(0, std::max(0, width - shown.width()));
    horizontalScrollBar()->setPageStep(shown.width());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setRange(0, std::max(0, height - shown.height()));
    verticalScrollBar()->setPageStep(shown.height());
    verticalScrollBar()->setSingleStep(20);
}

// Where the pasteboard's left top corner lies in the viewport: past the margin, scrolled, and
// centred when the spreads are narrower than the viewport.
QPointF LayoutView::Origin() const {
    const PMReal width = fBounds.Width() * fZoom + 2 * kMarginPixels;
    const PMReal centring = std::max(0.0, (viewport()->width() - width) / 2);
    return QPointF(kMarginPixels + centring - horizontalScrollBar()->value(),
                   kMarginPixels - verticalScrollBar()->value());
}

PMPoint LayoutView::ToPasteboard(const QPoint& pixel) const {
    const QPointF origin = Origin();
    return PMPoint(fBounds.Left() + (pixel.x() - origin.x()) / fZoom,
                   fBounds.Top() + (pixel.y() - origin.y()) / fZoom);
}

QPointF LayoutView::ToPixel(const PMPoint& point) const {
    const QPointF origin = Origin();
    return QPointF((point.X() - fBounds.Left()) * fZoom + origin.x(),
                   (point.Y() - fBounds.Top()) * fZoom + origin.y());
}

void LayoutView::SetZoom(PMReal zoom) {
    ZoomAround(std::clamp(zoom, kMinZoom, kMaxZoom), viewport()->rect().center());
}

// The pasteboard point under the anchor pixel stays under it.
void LayoutView::ZoomAround(PMReal zoom, const QPoint& anchor) {
    const PMPoint fixed = ToPasteboard(anchor);
    fZoom = zoom;
    UpdateScrollBars();
    horizontalScrollBar()->setValue(
        static_cast<int>(std::lround((fixed.X() - fBounds.Left()) * fZoom + kMarginPixels - anchor.x())));
    verticalScrollBar()->setValue(
        static_cast<int>(std::lround((fixed.Y() - fBounds.Top()) * fZoom + kMarginPixels - anchor.y())));
    viewport()->update();
    emit ZoomChanged(fZoom);
}

PMRect LayoutView::CurrentPageBounds() const {
    InterfacePtr<ILayoutControlData> layout(View(), IID_ILAYOUTCONTROLDATA);
    if (!layout || layout->GetPage() == kInvalidUID)
        return PMRect();
    return Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(layout->GetPageRef());
}

void LayoutView::FitPage() {
    FitRect(CurrentPageBounds());
}

void LayoutView::FitSpread() {
    InterfacePtr<ILayoutControlData> layout(View(), IID_ILAYOUTCONTROLDATA);
    InterfacePtr<ISpread> spread(layout ? layout->GetSpreadRef() : UIDRef(), IID_ISPREAD);
    InterfacePtr<ITransform> transform(spread, IID_ITRANSFORM);
    if (!spread || !transform)
        return;
    PMRect pages = spread->GetPagesBounds();
    transform->TransformInnerRectToPasteboard(&pages);
    FitRect(pages);
}

// Fitting may go below the smallest zoom steps, so that a large spread still shows whole.
void LayoutView::FitRect(const PMRect& bounds) {
    if (bounds.IsEmpty())
        return;
    const QSize shown = viewport()->size();
    const PMReal zoom = std::min((shown.width() - 2.0 * kMarginPixels) / bounds.Width(),
                                 (shown.height() - 2.0 * kMarginPixels) / bounds.Height());
    fZoom = std::clamp(zoom, 0.05, kMaxZoom);
    UpdateScrollBars();
    ScrollTo(bounds);
    viewport()->update();
    emit ZoomChanged(fZoom);
}

// Centres the bounds in the viewport as far as the scroll bars allow.
void LayoutView::ScrollTo(const PMRect& bounds) {
    const QSize shown = viewport()->size();
    const PMPoint centre = bounds.GetCenter();
    horizontalScrollBar()->setValue(static_cast<int>(
        std::lround((centre.X() - fBounds.Left()) * fZoom + kMarginPixels - shown.width() / 2.0)));
    verticalScrollBar()->setValue(
        static_cast<int>(std::lround((bounds.Top() - fBounds.Top()) * fZoom + kMarginPixels / 2.0)));
}

int32 LayoutView::CountPages() const {
    InterfacePtr<IPageList> pages(fDocument, IID_IPAGELIST);
    return pages ? pages->GetPageCount() : 0;
}

int32 LayoutView::GetPageIndex() const {
    InterfacePtr<ILayoutControlData> layout(View(), IID_ILAYOUTCONTROLDATA);
    InterfacePtr<IPageList> pages(fDocument, IID_IPAGELIST);
    return layout && pages ? pages->GetPageIndex(layout->GetPage()) : -1;
}

void LayoutView::ShowPage(int32 pageIndex) {
    InterfacePtr<IPageList> pages(fDocument, IID_IPAGELIST);
    if (!pages || pageIndex < 0 || pageIndex >= pages->GetPageCount())
        return;
    InterfacePtr<ICommand> setPage(CmdUtils::CreateCommand(kSetPageCmdBoss));
    InterfacePtr<IUIDData> page(setPage, IID_IUIDDATA);
    if (!setPage || !page)
        return;
    page->Set(UIDRef(fDocument->GetDocumentDataBase(), pages->GetNthPageUID(pageIndex)));
    CmdUtils::ProcessCommand(setPage);
    Refresh();
}

void LayoutView::Refresh() {
    if (fDocument && fDocument->GetDocumentDataBase()->GetChangeCount() != fPlacesChange)
        UpdatePlaces();
    InterfacePtr<ILayoutControlData> layout(View(), IID_ILAYOUTCONTROLDATA);
    const UID page = layout ? layout->GetPage() : kInvalidUID;
    if (page != fShownPage) {
        fShownPage = page;
        ScrollTo(CurrentPageBounds());
    }
    RevealTextSelection();
    viewport()->update();
}

void LayoutView::RevealTextSelection() {
    InterfacePtr<ISelectionManager> selection(View(), IID_ISELECTIONMANAGER);
    UIDRef story;
    RangeData range;
    const bool selected = selection && selection->GetTextSelection(&story, &range);
    const std::array<int64, 3> seen = selected
                                          ? std::array<int64, 3>{story.GetUID(), range.Start(), range.End()}
                                          : std::array<int64, 3>{0, -1, -1};
    if (seen == fSeenSelection)
        return;
    fSeenSelection = seen;
    // The user's own drag shows where it is already.
    if (!selected || fPressed)
        return;
    for (const SpreadRenderer::Place& place : fPlaces) {
        const std::vector<PMRect> boxes =
            Utils<IFrameUtils>()->GetTextRangeBoxes(place.spread, story.GetUID(), range);
        if (boxes.empty())
            continue;
        const QRectF shown(ToPixel(boxes.front().LeftTop()),
                           ToPixel(PMPoint(boxes.front().Right(), boxes.front().Bottom())));
        if (!QRectF(viewport()->rect()).contains(shown))
            ScrollTo(boxes.front());
        return;
    }
}

QImage LayoutView::RenderViewport() const {
    return SpreadRenderer::Render(fDocument, fPlaces, ToPasteboard(QPoint(0, 0)), fZoom, viewport()->size());
}

void LayoutView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    if (!fDocument) {
        painter.fillRect(viewport()->rect(), palette().window());
        return;
    }
    painter.drawImage(0, 0, RenderViewport());
}

void LayoutView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void LayoutView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const PMReal steps = event->angleDelta().y() / 120.0;
    ZoomAround(std::clamp(fZoom * std::pow(1.25, steps), kMinZoom, kMaxZoom), event->position().toPoint());
    event->accept();
}

IFrameUtils::TextHit LayoutView::TextAt(const PMPoint& point) const {
    const UID spread = Utils<ILayoutUtils>()->GetSpreadUIDAtPoint(fDocument, point);
    if (spread == kInvalidUID)
        return IFrameUtils::TextHit();
    return Utils<IFrameUtils>()->FindTextAtPoint(UIDRef(fDocument->GetDocumentDataBase(), spread), point);
}

void LayoutView::mousePressEvent(QMouseEvent* event) {
    if (!fDocument)
        return;
    const PMPoint point = ToPasteboard(event->position().toPoint());
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (event->button() == Qt::RightButton) {
        ToolkitEvents::Dispatch(IEvent::kRButtonDn, View(), point, 0, shift);
        ContextMenuPopup::Run(this, event->globalPosition().toPoint());
        emit Changed();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    fPressed = false;
    if (ToolkitEvents::Dispatch(IEvent::kLButtonDn, View(), point, 0, shift)) {
        emit Changed(); // a plug-in took the click (a tool of its own)
        return;
    }
    fPressed = true;
    fDragged = false;
    fPressPixel = event->position().toPoint();
    fPressHit = TextAt(point);
}

void LayoutView::mouseMoveEvent(QMouseEvent* event) {
    if (!fPressed || fPressHit.story == kInvalidUID || fPressHit.position < 0)
        return;
    if (!fDragged && (event->position().toPoint() - fPressPixel).manhattanLength() < kDragPixels)
        return;
    fDragged = true;
    SelectTextTo(ToPasteboard(event->position().toPoint()));
}

void LayoutView::SelectTextTo(const PMPoint& point) {
    const IFrameUtils::TextHit hit = TextAt(point);
    if (hit.story != fPressHit.story || hit.position < 0)
        return;
    InterfacePtr<ISelectionManager> selection(View(), IID_ISELECTIONMANAGER);
    const auto start = static_cast<TextIndex>(std::lround(fPressHit.position));
    const auto end = static_cast<TextIndex>(std::lround(hit.position));
    if (selection && selection->SelectText(UIDRef(fDocument->GetDocumentDataBase(), hit.story),
                                           RangeData(start, end)) == kSuccess) {
        viewport()->update();
        emit Changed();
    }
}

void LayoutView::mouseReleaseEvent(QMouseEvent* event) {
    if (!fPressed || event->button() != Qt::LeftButton)
        return;
    fPressed = false;
    const PMPoint point = ToPasteboard(event->position().toPoint());
    if (!fDragged)
        SelectItemAt(point, event->modifiers() & Qt::ShiftModifier);
    ToolkitEvents::Dispatch(IEvent::kLButtonUp, View(), point);
    viewport()->update();
    emit Changed();
}

void LayoutView::SelectItemAt(const PMPoint& point, bool add) {
    InterfacePtr<ISelectionManager> selection(View(), IID_ISELECTIONMANAGER);
    if (!selection)
        return;
    IDataBase* db = fDocument->GetDocumentDataBase();
    const UID spread = Utils<ILayoutUtils>()->GetSpreadUIDAtPoint(fDocument, point);
    const UID item = spread == kInvalidUID
                         ? kInvalidUID
                         : Utils<ILayoutUtils>()->GetPageItemAtPoint(UIDRef(db, spread), point);
    if (item == kInvalidUID) {
        if (!add)
            selection->DeselectAll();
        return;
    }
    UIDList items(db);
    items.Append(item);
    selection->SelectPageItems(items, add ? ISelectionManager::kAddToSelection
                                          : ISelectionManager::kReplaceSelection);
}

void LayoutView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!fDocument || event->button() != Qt::LeftButton)
        return;
    ToolkitEvents::Dispatch(IEvent::kDoubleClick, View(), ToPasteboard(event->position().toPoint()));
    emit Changed();
}
