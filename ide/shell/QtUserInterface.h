// CQtUserInterface: the framework's user-interface seam for the program:
// message boxes, the system clipboard, the main window's status bar and the
// wait cursor, all through Qt.
#pragma once

#include "UserInterface.h"

#include <QPointer>

class QMainWindow;

class CQtUserInterface : public CUserInterface {
public:
    CQtUserInterface() = default;
    ~CQtUserInterface() override;

    // Window that owns message boxes and whose status bar shows status texts.
    void SetMainWindow(QMainWindow* pWindow) { m_pMainWindow = pWindow; }

    int MessageBox(const char* pszText, UINT nType) override;
    // Line ends go to the clipboard as LF, as other programs here expect.
    BOOL SetClipboardText(const char* pszText) override;
    BOOL GetClipboardText(CString& strText) override;
    void SetStatusText(const char* pszText) override;
    void SetWaitCursor(BOOL bWait) override;
    void Beep() override;
    // A Qt file dialog; the filter "Text|*.a;*.b|...||" becomes Qt's "Text (*.a *.b);;...".
    BOOL GetFileNames(BOOL bOpen, const char* pszTitle, const char* pszDefExt, const char* pszFilter,
                      const char* pszFolder, DWORD nFlags, CStringArray& arrPaths) override;
    BOOL GetFolderName(const char* pszTitle, const char* pszStart, CString& strFolder) override;

private:
    QPointer<QMainWindow> m_pMainWindow;
    int m_nWaitDepth = 0;
};
