// CDocumentWindows: the one place where the main window creates, finds,
// saves and closes its source document windows and hands view commands to
// them. Everything that knows the document window's class is here, so that
// the window class can change without touching the rest of the frame.
#pragma once

#include "String.h"
#include "WinTypes.h"

#include <functional>
#include <memory>

class CJavaIDEViewHost;
class CChildFrame;
class CJavaIDEView;
class QFont;
class QMdiArea;
class QMdiSubWindow;
class QString;
class QWidget;

// The source document window the main window uses.
using CDocumentWindow = CChildFrame;

class CDocumentWindows {
public:
    // pArea (not owned) is the document area the windows live in; pHost
    // (not owned) answers the source views of the windows.
    CDocumentWindows(QMdiArea* pArea, CJavaIDEViewHost* pHost);
    ~CDocumentWindows();
    CJavaIDEViewHost* GetViewHost() const { return m_pHost; }
    // The font new windows draw their text in.
    void SetNewWindowFont(const QFont& font);

    // Opens pszPath in a new window, or activates the window showing it;
    // null after the user was told why it cannot be opened.
    CDocumentWindow* Open(const char* pszPath);
    // A new window with an empty untitled document.
    CDocumentWindow* CreateUntitled();
    // The window showing pszPath (compared as absolute paths); null when none.
    CDocumentWindow* Find(const char* pszPath) const;
    // The active document window; null when none (or another kind of window is active).
    CDocumentWindow* GetActive() const;
    // Calls fnEach for every document window, oldest first.
    void ForEach(const std::function<void(CDocumentWindow*)>& fnEach) const;
    int GetCount() const;
    // The window of an MDI child; null when it is not a document window.
    static CDocumentWindow* FromSubWindow(QMdiSubWindow* pWindow);

    // Facts of one window.
    static CJavaIDEView& GetView(CDocumentWindow* pWindow);
    static CString GetPath(CDocumentWindow* pWindow);   // empty for an untitled document
    static BOOL IsModified(CDocumentWindow* pWindow);
    // Saves the window's document (Save As for an untitled one); FALSE when not written.
    static BOOL Save(CDocumentWindow* pWindow);
    // Asks to save a modified document; FALSE when the user cancelled.
    static BOOL SaveModified(CDocumentWindow* pWindow);
    // The window's text is drawn in font.
    static void SetEditorFont(CDocumentWindow* pWindow, const QFont& font);
    // The window's control shows overwrite (or insert) mode.
    static void SetOverwrite(CDocumentWindow* pWindow, BOOL bOverwrite);
    // Caret to the start of line nLine (1-based), marking it, window in front.
    void GotoLine(CDocumentWindow* pWindow, int nLine);

    // Asks every modified document whether to save it; FALSE at the first cancel.
    BOOL SaveAllModified() const;
    // A window of the document area holding pWidget (which it takes over),
    // titled strTitle, shown and active; it is destroyed when it is closed.
    QMdiSubWindow* CreateToolWindow(QWidget* pWidget, const QString& strTitle);
    // Shows pWindow, restored when minimised, in front with the focus.
    void BringForward(QMdiSubWindow* pWindow);
    // Closes every window without asking again (after SaveAllModified).
    void DestroyAll();
    // Closes the window of pszPath, asking to save it; FALSE when the user cancelled.
    BOOL Close(const char* pszPath);

    // A view command (DocumentCommands.h) for the window; FALSE when the
    // window does not handle it or it is disabled now.
    static BOOL OnViewCommand(CDocumentWindow* pWindow, UINT nId);
    static BOOL IsViewCommandEnabled(CDocumentWindow* pWindow, UINT nId);

private:
    void Show(CDocumentWindow* pWindow);

    QMdiArea* m_pArea;
    CJavaIDEViewHost* m_pHost;
    std::unique_ptr<QFont> m_pFont;  // null: the widget's default
};
