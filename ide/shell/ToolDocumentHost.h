// CToolDocumentHost: what the tool commands ask of the editor documents and
// windows: saving documents before a run, the active document, the error
// marker of a source window, the project tree's pictures, the MDI output
// windows of captured user commands, and the jump from an output line to a
// source line. The main window fills it; every operation has a harmless
// default so that the commands run headless.
#pragma once

#include "OutputNavigator.h"
#include "String.h"

class CMDIOutputFrame;
class CProjectDoc;

class CToolDocumentHost : public IOutputNavigator {
public:
    // pProjectDoc (not owned, may be null) answers class look-ups.
    explicit CToolDocumentHost(CProjectDoc* pProjectDoc = nullptr) : m_pProjectDoc(pProjectDoc) {}
    ~CToolDocumentHost() override = default;

    void SetProjectDoc(CProjectDoc* pProjectDoc) { m_pProjectDoc = pProjectDoc; }

    // Saves the active document when it is modified (Save As for an untitled
    // one); FALSE when that failed or was cancelled. TRUE when there is
    // nothing to save.
    virtual BOOL SaveActiveDocument() { return TRUE; }
    // Saves every modified open document; FALSE at the first failure.
    virtual BOOL SaveAllModified() { return TRUE; }
    // Saves the document of pszPath when it is open and modified; FALSE when that failed.
    virtual BOOL SaveDocumentIfModified(const char* pszPath) { return TRUE; }
    // Full path of the active editor document; empty when none or untitled.
    virtual CString GetActiveDocumentPath() { return CString(); }
    // The active source window drops its error-line marker.
    virtual void RemoveErrorMarker() {}
    // The project tree shows its pictures again (the main class changed).
    virtual void RefreshProjectImages() {}
    // Shows the MDI output window of a captured user command (not owned).
    virtual void ShowOutputFrame(CMDIOutputFrame* pFrame) {}
    // The MDI output window is about to be destroyed: views let go of it.
    virtual void OutputFrameClosing(CMDIOutputFrame* pFrame) {}
    // TRUE when the project page is the project window's current page.
    virtual BOOL IsProjectPageCurrent() { return TRUE; }

    // Opens pszPath at line nLine in an editor; the default opens nothing.
    BOOL OpenFileAtLine(const char* pszPath, int nLine) override { return FALSE; }
    // Source file of a class of a stack-trace line: the open project's
    // class map first (by the name without its package); empty when unknown.
    CString FindClassSource(const char* pszClass) override;

protected:
    CProjectDoc* m_pProjectDoc;
};
