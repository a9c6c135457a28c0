// CJavaIDEView: the source view of the program, a colouring view with the
// program's additions: read-only files (checkout command or making the file
// writable on the first typed character), resource files that never change,
// bookmarks, the debugger line and the marked (error) line, this file's
// breakpoints of the open project kept in step with edits, compile and
// documentation runs, the outside-change check on focus changes, drops of
// tokens dragged from the browsers, the context menu model, and the
// commands the main window routes to the active view by number.
#pragma once

#include "RichEditCtrl.h"
#include "RichEditObserver.h"
#include "TinctoView.h"

#include <deque>
#include <memory>
#include <vector>

class CFileObject;
class CJavaIDEDoc;
class CJavaIDEViewHost;
class CProject;
class CVarContainer;
class CVarObject;
class IJavaIDEViewFrame;

// One entry of a context menu; nId 0 is a separator.
struct CViewMenuItem {
    UINT nId;
    CString strText;
};

class CJavaIDEView : public CTinctoView, public IRichEditObserver {
public:
    // The private message the view posts itself after regaining the focus.
    static constexpr UINT WM_CHECK_OUTSIDE_CHANGE = WM_USER + 1501;
    // Glyphs of a line in the margin (a bit set).
    enum { GLYPH_BOOKMARK = 1, GLYPH_BREAKPOINT = 2, GLYPH_DEBUGGER = 4, GLYPH_MARKED = 8 };
    // Kinds of a pending jump.
    enum { JUMP_NONE = 0, JUMP_GOTO = 1, JUMP_DEBUGGER = 2 };

    // pHost (not owned; null: one that does nothing) must outlive the view.
    // The view owns its control.
    explicit CJavaIDEView(CJavaIDEViewHost* pHost = nullptr);
    ~CJavaIDEView() override;

    CJavaIDEViewHost& GetHost() const { return *m_pHost; }
    // The document shown (null before SetDocument).
    CJavaIDEDoc* GetDocument() const;
    CRichEditCtrl& GetCtrl() { return m_ctrl; }
    // The window showing the view (not owned; null when headless).
    void SetFrame(IJavaIDEViewFrame* pFrame) { m_pFrame = pFrame; }
    IJavaIDEViewFrame* GetFrame() const { return m_pFrame; }

    // Resource-file flag from the extension, the colouring view's update,
    // the editor font and tab stops of the settings; the document unmodified.
    void OnInitialUpdate() override;
    // Read-only state of the view and its title.
    void SetReadOnly(BOOL bReadOnly);
    BOOL IsResourceFile() const { return m_bResourceFile; }

    // ---- Messages
    LRESULT SendMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) override;
    BOOL DropText(LONG nPos, const char* pszText, BOOL bCopy) override;
    void OnMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) override;
    // Queues a message for the view; the frame is asked to deliver it soon.
    void PostMessage(UINT nMessage, WPARAM wParam, LPARAM lParam);
    // Sends the queued messages (also those posted meanwhile); returns how many.
    int DeliverPostedMessages();
    BOOL HasPostedMessages() const { return !m_posted.empty(); }
    // The work of a repaint: a stale debugger line goes, the pending jump is
    // carried out, the margin is painted again.
    void OnPaint();
    // A jump carried out at the next paint: JUMP_GOTO goes to (nLine,
    // nColumn); JUMP_DEBUGGER shows the debugger at nLine (column 0 clears it).
    void SetPendingJump(int nLine, int nColumn, int nKind);

    // ---- Hooks of the colouring view
    // Frame to the top; when line nLine exists: with nMark it becomes the
    // marked line; caret to its start; the status bar shows it.
    void GotoLine(int nLine, int nMark) override;
    // Bookmarks, this file's breakpoints and the marked line at or after
    // 1-based line nLine move by nCount lines.
    void UpdateBookmarkPos(int nLine, int nCount, int nUnused) override;
    // Those in lines nFrom..nTo (1-based, -1: to the end) are removed.
    void DeleteBookmarks(int nFrom, int nTo) override;
    void SetCursorPos(long nLine, int nColumn) override;
    void OnCtrlTab() override;
    void SetInsert(BOOL bInsert) override;
    void OnReplaceAllCountDisplay(int nCount) override;

    // The control's change notice: the document becomes modified (never a
    // read-only view or a resource file).
    void OnTextChanged(LONG nPos, LONG nRemoved, LONG nInserted) override;

    // ---- Commands (numbers of DocumentCommands.h)
    // Carries out command nId; FALSE when the view does not handle it or it is disabled.
    BOOL OnCommand(UINT nId);
    // TRUE when command nId is handled here and enabled now.
    BOOL IsCommandEnabled(UINT nId);
    // Compile / documentation run of this file: saved first, output
    // cleared, marked line reset; FALSE when nothing started.
    BOOL OnCompile();
    BOOL OnJavadoc();
    void ToggleBookmark();
    void NextBookmark();
    // F9 on the caret line, in the open project's breakpoints; FALSE when nothing changed.
    BOOL ToggleBreakpoint();
    // Searches pszFind from the selection on and selects it; FALSE (and a beep) when not found.
    BOOL FindNext(const char* pszFind, BOOL bDown, BOOL bCase, BOOL bWord);

    // ---- State
    // 1-based line of the selection's start.
    int GetCaretLine() const;
    // Bookmarked 1-based lines, ascending.
    const std::vector<int>& GetBookmarks() const { return m_bookmarks; }
    int GetDebuggerLine() const { return m_nDebuggerLine; }
    void SetDebuggerLine(int nLine);
    int GetMarkedLine() const { return m_nMarkedLine; }
    // GLYPH_* bits of 1-based line nLine.
    int GetLineGlyphs(int nLine) const;
    // The open project (null when none).
    CProject* GetOpenProject() const;

    // ---- Drops and the context menu
    // A drop or paste of pszText at 1-based line nLine: a token dragged from
    // a browser is taken (TRUE); any other text is left to the default handling.
    BOOL QueryAcceptData(const char* pszText, BOOL bReallyInsert, int nLine);
    // The context menu at position nPos: the text is parsed and the class or
    // interface at that line remembered; the items of the standard popup.
    std::vector<CViewMenuItem> GetContextMenu(LONG nPos);
    // The class or interface the last context menu was opened over (null: none).
    CVarContainer* GetObjectAtCursor() const { return m_pObjectAtCursor; }

    // Title, path, flags, bookmarks, marked and debugger lines, pending jump
    // and this file's breakpoints, one per line.
    CString Dump() const;

private:
    BOOL HandleReadOnlyChar(WPARAM wParam, LPARAM lParam);
    BOOL HandleAccelerator(WPARAM wParam);
    void CheckOutsideChange();
    BOOL SaveBeforeRun();
    BOOL StartRun(BOOL bJavadoc);
    void RedrawMargin();
    void BringToTop();
    // Parses the view's text; null when it cannot be.
    std::unique_ptr<CFileObject> ParseText() const;
    // The package-qualified binary name of the innermost class at nLine ("" if none).
    static CString ClassNameAtLine(const CFileObject& file, int nLine);

    CJavaIDEViewHost* m_pHost;
    IJavaIDEViewFrame* m_pFrame = nullptr;
    CRichEditCtrl m_ctrl;
    BOOL m_bResourceFile = FALSE;
    std::vector<int> m_bookmarks;
    int m_nDebuggerLine = -1;
    int m_nMarkedLine = -1;
    int m_nJumpLine = -1;
    int m_nJumpColumn = 0;
    int m_nJumpKind = JUMP_NONE;
    BOOL m_bCutPastePending = FALSE;
    BOOL m_bFocusRegained = FALSE;
    std::unique_ptr<CFileObject> m_pParsedFile;
    CVarContainer* m_pObjectAtCursor = nullptr;
    std::vector<CVarObject*> m_overrideMethods;  // behind the class popup's "Override" items (not owned)
    struct CPosted {
        UINT nMessage;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::deque<CPosted> m_posted;
};
