// CBrowserImages: the pictures of the browser trees: one per EVarImage of
// the source model, and the closed and open folders of the root, package
// and folder items. Drawn once, shared by the package and bean views.
#pragma once

#include <QIcon>

class CBrowserImages {
public:
    // The picture of an EVarImage value; an empty icon for others.
    static QIcon Image(int nImage);
    // The folder picture, open or closed.
    static QIcon Folder(bool bOpen);
};
