// CProjectTreeImages: the 16 x 16 pictures of the project tree, drawn for
// this program, one per EProjectImage kind.
#pragma once

#include <QIcon>

class CProjectTreeImages {
public:
    // The picture of nImage (EProjectImage); an empty icon for PROJIMG_NONE or out of range.
    static QIcon GetIcon(int nImage);
    // The picture itself, for tests that tell the kinds apart.
    static QImage GetImage(int nImage);
};
