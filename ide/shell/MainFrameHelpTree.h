// CMainFrameHelpTree: the main window's part of the help tree: the help
// tree document "mosk.hpg" with its page, the last of the project window,
// its start-up loader, and the seams of the page: documents shown in the
// "Mosk Help" window, links opened in the browser of the directory settings.
#pragma once

#include "WinTypes.h"

#include <QPointer>

#include <memory>

class CHelpDoc;
class CHelpView;
class CJavaIDEApp;
class CMainFrame;

class CMainFrameHelpTree {
public:
    // Makes the document and the page and registers the loader with app; frame and app not owned.
    CMainFrameHelpTree(CMainFrame& frame, CJavaIDEApp& app);
    // The page goes before the document it shows.
    ~CMainFrameHelpTree();
    CMainFrameHelpTree(const CMainFrameHelpTree&) = delete;
    CMainFrameHelpTree& operator=(const CMainFrameHelpTree&) = delete;

    CHelpDoc& GetHelpDoc() const { return *m_pDoc; }
    CHelpView* GetHelpView() const;
    // A command of the Info menu; FALSE when nothing was done.
    BOOL OnCommand(UINT nId);

private:
    CMainFrame& m_frame;
    std::unique_ptr<CHelpDoc> m_pDoc;
    QPointer<CHelpView> m_pView;   // owned by the project window
};
