// IconLibrary: the pictures the window draws for the icon resources widgets name, and the
// captions of the icon buttons that show no text of their own. A resource it does not know is
// drawn as a plain grey mark, so a plug-in's new icon still shows as something.
#pragma once

#include <QIcon>
#include <QString>

#include "host/objectmodel/ObjectIDs.h"

class IconLibrary {
public:
    static QIcon ForResource(int32 rsrcID);
    // The caption of an icon button or toggle with the widget ID; empty when none is known.
    static QString CaptionFor(WidgetID widgetID);

private:
    static QIcon Paint(int32 rsrcID);
};
