#include "IconLibrary.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>

#include <map>

#include "QuillpaneID.h"

namespace {
struct Picture {
    QColor colour;
    QChar letter;
};

Picture PictureFor(int32 rsrcID) {
    switch (rsrcID) {
    case kNotesUIStickyNoteIconRsrcID:
        return {QColor(250, 200, 40), QChar('N')};
    case kNotesUITextMarkupIconRsrcID:
        return {QColor(90, 170, 250), QChar('M')};
    case kNotesUITextEditIconRsrcID:
        return {QColor(230, 90, 80), QChar('E')};
    case kNotesUIDrawingIconRsrcID:
        return {QColor(110, 190, 110), QChar('D')};
    case kNotesUIWarningIconRsrcID:
        return {QColor(240, 150, 30), QChar('!')};
    default:
        return {QColor(160, 160, 160), QChar(' ')};
    }
}
} // namespace

QIcon IconLibrary::ForResource(int32 rsrcID) {
    if (rsrcID == 0)
        return QIcon();
    // Painted once per resource: a tree of thousands of notes asks for the same few icons.
    static std::map<int32, QIcon> painted;
    if (const auto found = painted.find(rsrcID); found != painted.end())
        return found->second;
    return painted[rsrcID] = Paint(rsrcID);
}

QIcon IconLibrary::Paint(int32 rsrcID) {
    const Picture picture = PictureFor(rsrcID);
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(picture.colour);
    painter.setPen(picture.colour.darker(150));
    painter.drawRoundedRect(QRectF(1, 1, 14, 14), 3, 3);
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, picture.letter);
    return QIcon(pixmap);
}

QString IconLibrary::CaptionFor(WidgetID widgetID) {
    switch (widgetID) {
    case kNotesUICreateNoteWidgetID:
        return QStringLiteral("New Note");
    case kNotesUIAcceptIconWidgetID:
        return QStringLiteral("Accept");
    case kNotesUIRejectIconWidgetID:
        return QStringLiteral("Reject");
    case kNotesUIRemoveIconWidgetID:
        return QStringLiteral("Remove");
    default:
        return QString();
    }
}
