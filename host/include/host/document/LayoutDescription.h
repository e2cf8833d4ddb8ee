// LayoutDescription: a document as a layout description file describes it, checked and ready to
// build. Coordinates of items are in points from the left top corner of their page.
#pragma once

#include <string>
#include <vector>

#include "host/database/UID.h"
#include "host/objectmodel/ObjectIDs.h"
#include "host/util/Geometry.h"

struct LayoutDescription {
    struct Swatch {
        std::string name;
        int32 colorSpace = 0; // IColorData::ColorSpace
        std::vector<PMReal> components;
    };
    struct Layer {
        std::string name;
        bool visible = true;
        bool locked = false;
        bool printable = true;
    };
    struct Stroke {
        std::string color = "Black";
        PMReal weight = 1.0;
        bool dashed = false;
        ClassID lineStart = kInvalidClass;
        ClassID lineEnd = kInvalidClass;
    };
    struct Item {
        enum Kind { kRectangle, kEllipse, kPath, kGroup };
        Kind kind = kRectangle;
        int32 page = 0;              // 0-based: a document page, or a page of the master for master items
        std::string layer;           // empty: the first layer
        PMRect bounds;               // rectangles and ellipses
        std::vector<PMPoint> points; // paths
        bool closed = false;
        bool hasStroke = false;
        Stroke stroke;
        std::string fill; // swatch name; empty for none
        PMReal cornerRadius = 0.0;
        std::vector<Item> children; // groups
    };
    struct Master {
        std::string name;
        int32 pages = 1;
        std::vector<Item> items;
    };
    struct Page {
        std::string master; // empty: none
    };
    struct Spread {
        std::vector<Page> pages;
    };
    // A text frame on a document page. Frames naming the same story are threaded in the order
    // they are listed; a frame naming none gets a story of its own.
    struct TextFrame {
        int32 page = 0;
        std::string layer; // empty: the first layer
        PMRect bounds;
        std::string story; // a story id, or empty
        int32 columns = 1;
        PMReal gutter = 12.0;
        PMReal inset = 0.0; // on every side
    };
    // A table standing alone in a paragraph of a story: its columns' widths, its rows' heights
    // and its cells' texts, row by row.
    struct Table {
        int32 paragraph = 0; // the index of its paragraph in the story
        std::vector<PMReal> columnWidths;
        std::vector<PMReal> rowHeights;
        std::vector<std::vector<std::u16string>> cells; // empty, or one row of texts per row
    };
    struct Story {
        std::string id;
        std::vector<std::u16string> paragraphs; // each ends with a paragraph return in the story
        std::vector<Table> tables;              // a table's paragraph holds an empty string
    };

    PMReal pageWidth = 612.0;
    PMReal pageHeight = 792.0;
    std::vector<Swatch> swatches;
    std::vector<Layer> layers;
    std::vector<Master> masters;
    std::vector<Spread> spreads;
    std::vector<Item> items;
    std::vector<TextFrame> textFrames;
    std::vector<Story> stories;

    int32 CountPages() const;
};
