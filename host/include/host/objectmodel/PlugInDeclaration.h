// PlugInDeclaration: everything a plug-in library declares to the host through GetPlugIn.
#pragma once

#include <string>
#include <vector>

#include "host/objectmodel/ObjectIDs.h"

class Boss;
class ImplementationBase;
class IPMUnknown;

using ImplementationFactory = ImplementationBase* (*)(IPMUnknown* boss);

struct ImplementationDeclaration {
    ImplementationID id;
    ImplementationFactory create;
    bool persistent;
    const char* name;
};

// An implementation ID that stands for another (usually host) implementation.
struct ImplementationAlias {
    ImplementationID alias;
    ImplementationID target;
};

struct InterfaceDeclaration {
    PMIID iid;
    ImplementationID impl;
};

struct ClassDeclaration {
    ClassID id;
    ClassID parent;
    const char* name;
    std::vector<InterfaceDeclaration> interfaces;
};

// Interfaces a plug-in adds to a class it does not own (usually a host class).
struct AddInDeclaration {
    ClassID target;
    std::vector<InterfaceDeclaration> interfaces;
};

struct StringDeclaration {
    const char* key;
    const char* text;
};

struct StringTableDeclaration {
    const char* language; // "enUS"
    bool noTranslate;     // strings that are shown as they are, in every language
    std::vector<StringDeclaration> strings;
};

struct ActionDeclaration {
    ActionID id;
    ClassID component;
    const char* nameKey;
    const char* area;
};

struct MenuDeclaration {
    const char* path; // "Main:&Type:-" for a separator
    ActionID action;  // 0 for separators and submenus
    double position;
};

// One widget of a layout: its class, widget ID, text (a string key is translated), icon resource and
// children in order.
struct WidgetDeclaration {
    ClassID widgetClass = kInvalidClass;
    WidgetID id = 0;
    const char* text = "";
    int32 rsrcID = 0;
    std::vector<WidgetDeclaration> children = {};
};

// A widget layout under a resource ID: a panel (shown by the panel manager by its root's widget ID),
// a dialog (made by the dialog manager) or the widget of one tree node (made by a tree's widget manager).
struct WidgetResourceDeclaration {
    enum Kind { kPanel, kDialog, kTreeNode };
    int32 rsrcID = 0;
    Kind kind = kPanel;
    WidgetDeclaration root;
    // A panel's own menu: the menu path its items are declared under ("" for none).
    const char* menuPath = "";
};

struct PlugInVersion {
    int32 major;
    int32 minor;
    int32 bugfix;
    std::string ToString() const;
};

// Shown when a document holding this plug-in's data is opened without the plug-in.
struct MissingPlugInNotice {
    const char* vendor;
    const char* text;
};

struct PlugInDeclaration {
    PluginID id = 0;
    const char* name = "";
    PlugInVersion version{0, 0, 0};
    const char* buildText = "";
    std::vector<ImplementationDeclaration> implementations;
    std::vector<ImplementationAlias> aliases;
    std::vector<ClassDeclaration> classes;
    std::vector<AddInDeclaration> addIns;
    std::vector<StringTableDeclaration> stringTables;
    std::vector<ActionDeclaration> actions;
    std::vector<MenuDeclaration> menus;
    std::vector<WidgetResourceDeclaration> widgetResources;
    std::vector<ClassID> serviceProviders;
    MissingPlugInNotice missingNotice{"", ""};
};
