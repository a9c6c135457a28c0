// The kinds of picture a project-tree node is shown with. The view maps
// each kind to a bitmap of its image list.
#pragma once

enum EProjectImage {
    PROJIMG_NONE = -1,
    PROJIMG_ROOT,            // "Mosk Projects"
    PROJIMG_PROJECT,         // a listed project that is not open
    PROJIMG_OPEN_PROJECT,    // the open project
    PROJIMG_FOLDER,          // a folder made by the user
    PROJIMG_FILE,            // any other file
    PROJIMG_JAVA,            // a ".java" file
    PROJIMG_JAVA_MAIN,       // the main class file
    PROJIMG_JAVA_COMPILE,    // a ".java" file saved since its last clean compile
    PROJIMG_HTML,            // an ".html" or ".htm" file
    PROJIMG_HTML_MAIN,       // the main HTML file
    PROJIMG_RES_DIALOG,      // a resource file holding a dialog
    PROJIMG_RES_FRAME,       // a resource file holding a frame
    PROJIMG_GROUP,           // "Imports", "Dialogs", "Frames", "Classes", "Interfaces"
    PROJIMG_CLASS,
    PROJIMG_INTERFACE,
    PROJIMG_IMPORT,
    PROJIMG_COUNT
};
