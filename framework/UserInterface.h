// CUserInterface: the seam through which models reach the human: message
// boxes, the clipboard, the status bar and the wait cursor. The program
// installs its Qt implementation; tests install a scripted one. Without an
// installed implementation a headless one is used: message texts go to
// standard error, answers are the default button, the clipboard lives in memory.
#pragma once

#include "String.h"

class CStringArray;

class CUserInterface {
public:
    virtual ~CUserInterface() = default;

    // Shows a modal message box (MB_* type, icon and default-button flags);
    // returns the IDOK/IDYES/... answer.
    virtual int MessageBox(const char* pszText, UINT nType) = 0;
    // Plain text on the clipboard; FALSE when the clipboard cannot be had.
    virtual BOOL SetClipboardText(const char* pszText) = 0;
    // Plain text of the clipboard; FALSE when it holds no text.
    virtual BOOL GetClipboardText(CString& strText) = 0;
    // Text of the status bar's message pane.
    virtual void SetStatusText(const char* pszText) = 0;
    // Shows or hides the wait cursor.
    virtual void SetWaitCursor(BOOL bWait) = 0;
    // Tells the user that a key did nothing (nothing to undo, for instance).
    virtual void Beep() {}
    // A file dialog: an open dialog, or a save dialog when bOpen is FALSE,
    // with the OFN_* flags, the default extension (no dot), the filter
    // ("Text|*.ext|...||") and the starting folder (may be empty). TRUE and
    // the chosen full paths in arrPaths on OK (several only with
    // OFN_ALLOWMULTISELECT); FALSE when cancelled. The base answers cancelled.
    virtual BOOL GetFileNames(BOOL bOpen, const char* pszTitle, const char* pszDefExt, const char* pszFilter,
                              const char* pszFolder, DWORD nFlags, CStringArray& arrPaths);
    // The folder-selection dialog titled pszTitle, opened at pszStart (may be
    // empty). TRUE and the chosen folder in strFolder on OK; FALSE when
    // cancelled. The base answers cancelled.
    virtual BOOL GetFolderName(const char* pszTitle, const char* pszStart, CString& strFolder);

    // The implementation in force (never null). Not owned by the caller.
    static CUserInterface& Get();
    // Installs pUI (not owned; null restores the headless one); returns the previous one.
    static CUserInterface* Install(CUserInterface* pUI);

    // The button a message box of this type answers with when nobody chooses.
    static int DefaultAnswer(UINT nType);
};

// Message box through the installed seam; returns the answer.
int AfxMessageBox(const char* pszText, UINT nType = MB_OK);
