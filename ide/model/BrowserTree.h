// CBrowserTree: where source-model objects put themselves when a browser
// shows them (AddToTree). The browser views implement it over their tree
// widget; tests implement it over a list of lines.
#pragma once

class CVarObject;

class CBrowserTree {
public:
    virtual ~CBrowserTree() = default;
    // Inserts an item with pszText and image nImage (EVarImage) as the last
    // child of hParent (null: the top level); the item refers to pObject (not
    // owned). Returns the new item's handle.
    virtual void* InsertItem(const char* pszText, int nImage, void* hParent, CVarObject* pObject) = 0;
};
