// CJavaIDEView: the commands the main window routes to the active view, the
// bookmarks and breakpoints, drops of browser tokens and the context menu.
#include "JavaIDEView.h"

#include "DocumentCommands.h"
#include "DragToken.h"
#include "FileObject.h"
#include "JavaIDEDoc.h"
#include "JavaIDEViewFrame.h"
#include "JavaIDEViewHost.h"
#include "JavaParser.h"
#include "ProjectDoc.h"
#include "PathName.h"
#include "UserInterface.h"
#include "VarClass.h"
#include "VarInterface.h"
#include "VarPackage.h"

#include <algorithm>

namespace {

BOOL IsJavaPath(const CString& strPath)
{
    return strPath.GetLength() > 5 && strPath.Right(5).CompareNoCase(".java") == 0;
}

}  // namespace

BOOL CJavaIDEView::IsCommandEnabled(UINT nId)
{
    LONG nStart, nEnd;
    m_ctrl.GetSel(nStart, nEnd);
    BOOL bSelection = nStart < nEnd;
    CJavaIDEDoc* pDoc = GetDocument();
    CString strPath = GetPathName();
    if (nId >= ID_CLASS_POPUP_FIRST && nId <= ID_CLASS_POPUP_LAST)
        return m_pObjectAtCursor && nId - ID_CLASS_POPUP_FIRST < m_overrideMethods.size() && !m_bReadOnly;
    switch (nId) {
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
        return pDoc != nullptr;
    case ID_FILE_CLOSE:
        return m_pFrame != nullptr;
    case ID_FILE_PRINT:
        return m_pFrame != nullptr;
    case ID_EDIT_UNDO:
        return !m_bReadOnly && CanUndo();
    case ID_EDIT_REDO:
        return !m_bReadOnly && CanRedo();
    case ID_EDIT_CUT:
    case ID_EDIT_CLEAR:
        return !m_bReadOnly && bSelection;
    case ID_EDIT_COPY:
        return bSelection;
    case ID_EDIT_PASTE: {
        CString strText;
        return !m_bReadOnly && CUserInterface::Get().GetClipboardText(strText) && !strText.IsEmpty();
    }
    case ID_EDIT_SELECT_ALL:
        return m_ctrl.GetTextLength() > 0;
    case ID_EDIT_FIND:
    case ID_VIEW_GOTO:
    case ID_VIEW_BOOKMARK:
    case ID_VIEW_LOOKUP_WORD:
    case ID_VIEW_FIND_WORD:
        return TRUE;
    case ID_EDIT_REPLACE:
    case ID_VIEW_BLOCK_COMMENT:
        return !m_bReadOnly;
    case ID_VIEW_COMPILE:
    case ID_VIEW_JAVADOC:
        return IsJavaPath(strPath) && !m_pHost->IsToolBusy();
    case ID_VIEW_BREAKPOINT:
        return GetOpenProject() != nullptr && !strPath.IsEmpty();
    case ID_VIEW_NEXT_BOOKMARK:
        return !m_bookmarks.empty();
    case ID_VIEW_ADD_TO_PROJECT: {
        CProject* pProject = GetOpenProject();
        return pProject && !strPath.IsEmpty() && !pProject->HasFile(strPath);
    }
    default:
        return FALSE;
    }
}

BOOL CJavaIDEView::OnCommand(UINT nId)
{
    if (!IsCommandEnabled(nId))
        return FALSE;
    CJavaIDEDoc* pDoc = GetDocument();
    if (nId >= ID_CLASS_POPUP_FIRST && nId <= ID_CLASS_POPUP_LAST) {
        // An inherited method chosen in the class popup: inserted as a dropped method would be.
        CDragToken token(CDragToken::DRAG_METHOD, m_overrideMethods[nId - ID_CLASS_POPUP_FIRST]);
        return m_pHost->InsertDroppedToken(this, &token, m_pObjectAtCursor, m_pObjectAtCursor->m_nEndLine);
    }
    switch (nId) {
    case ID_FILE_SAVE:
        return pDoc->OnFileSave();
    case ID_FILE_SAVE_AS:
        return pDoc->OnFileSaveAs();
    case ID_FILE_CLOSE:
        m_pFrame->CloseFrame();
        return TRUE;
    case ID_FILE_PRINT:
        m_pFrame->PrintDocument();
        return TRUE;
    case ID_EDIT_UNDO:
        OnUndo();
        return TRUE;
    case ID_EDIT_REDO:
        OnRedo();
        return TRUE;
    case ID_EDIT_CUT:
        SendMessage(WM_CUT, 0, 0);
        return TRUE;
    case ID_EDIT_COPY:
        SendMessage(WM_COPY, 0, 0);
        return TRUE;
    case ID_EDIT_PASTE:
        SendMessage(WM_PASTE, 0, 0);
        return TRUE;
    case ID_EDIT_CLEAR:
        SendMessage(WM_CLEAR, 0, 0);
        return TRUE;
    case ID_EDIT_SELECT_ALL:
        m_ctrl.SetSel(0, -1);
        return TRUE;
    case ID_EDIT_FIND:
    case ID_EDIT_REPLACE: {
        CString strWord = m_ctrl.GetSelText();
        if (strWord.IsEmpty() || strWord.Find('\n') >= 0)
            GetWordAtCursor(strWord, FALSE);
        if (m_pFrame)
            m_pFrame->ShowFindDialog(strWord, nId == ID_EDIT_REPLACE);
        else
            m_pHost->FindWord(strWord);
        return TRUE;
    }
    case ID_VIEW_GOTO: {
        int nLine = 0;
        if (!m_pFrame || !m_pFrame->AskGotoLine(nLine))
            return FALSE;
        GotoLine(nLine, 1);
        return TRUE;
    }
    case ID_VIEW_BOOKMARK:
        ToggleBookmark();
        return TRUE;
    case ID_VIEW_NEXT_BOOKMARK:
        NextBookmark();
        return TRUE;
    case ID_VIEW_BREAKPOINT:
        return ToggleBreakpoint();
    case ID_VIEW_COMPILE:
        return OnCompile();
    case ID_VIEW_JAVADOC:
        return OnJavadoc();
    case ID_VIEW_ADD_TO_PROJECT:
        if (!GetOpenProject()->AddFile(GetPathName()))
            return FALSE;
        m_pHost->RefreshProjectTree();
        return TRUE;
    case ID_VIEW_LOOKUP_WORD: {
        CString strWord;
        GetWordAtCursor(strWord, FALSE);
        if (strWord.IsEmpty())
            return FALSE;
        m_pHost->LookUpWord(strWord);
        return TRUE;
    }
    case ID_VIEW_FIND_WORD: {
        CString strWord;
        GetWordAtCursor(strWord, TRUE);
        if (m_pFrame)
            m_pFrame->ShowFindDialog(strWord, FALSE);
        else
            m_pHost->FindWord(strWord);
        return TRUE;
    }
    case ID_VIEW_BLOCK_COMMENT:
        OnBlockComment();
        return TRUE;
    default:
        return FALSE;
    }
}

// ---- Compile and documentation

BOOL CJavaIDEView::SaveBeforeRun()
{
    CJavaIDEDoc* pDoc = GetDocument();
    if (!pDoc || !pDoc->IsModified())
        return pDoc != nullptr;
    if (pDoc->IsUntitled())
        return pDoc->SaveModified() && !pDoc->IsUntitled() && pDoc->DoFileSave();
    return pDoc->DoFileSave();
}

BOOL CJavaIDEView::StartRun(BOOL bJavadoc)
{
    if (!SaveBeforeRun())
        return FALSE;
    m_pHost->ClearOutput();
    m_nMarkedLine = -1;
    RedrawMargin();
    CString strPath = GetPathName();
    return bJavadoc ? m_pHost->StartJavadoc(strPath) : m_pHost->StartCompile(strPath);
}

BOOL CJavaIDEView::OnCompile()
{
    return StartRun(FALSE);
}

BOOL CJavaIDEView::OnJavadoc()
{
    return StartRun(TRUE);
}

// ---- Bookmarks and breakpoints

void CJavaIDEView::ToggleBookmark()
{
    int nLine = GetCaretLine();
    auto it = std::lower_bound(m_bookmarks.begin(), m_bookmarks.end(), nLine);
    if (it != m_bookmarks.end() && *it == nLine)
        m_bookmarks.erase(it);
    else
        m_bookmarks.insert(it, nLine);
    RedrawMargin();
}

void CJavaIDEView::NextBookmark()
{
    if (m_bookmarks.empty())
        return;
    int nLine = GetCaretLine();
    auto it = std::upper_bound(m_bookmarks.begin(), m_bookmarks.end(), nLine);
    GotoLine(it != m_bookmarks.end() ? *it : m_bookmarks.front(), 0);
}

CString CJavaIDEView::ClassNameAtLine(const CFileObject& file, int nLine)
{
    // The debugger knows an inner class by its binary name: Outer$Inner.
    CString strName;
    for (POSITION pos = file.m_Classes.GetHeadPosition(); pos && strName.IsEmpty();) {
        CVarClass* pClass = file.m_Classes.GetNext(pos);
        if (nLine < pClass->m_nStartLine || nLine > pClass->m_nEndLine)
            continue;
        strName = pClass->GetName();
        for (CVarClass* pOuter = pClass; pOuter;) {
            CVarClass* pInner = nullptr;
            for (POSITION p = pOuter->m_InnerClasses.GetHeadPosition(); p && !pInner;) {
                CVarClass* pCandidate = pOuter->m_InnerClasses.GetNext(p);
                if (pCandidate->m_nStartLine <= nLine && nLine <= pCandidate->m_nEndLine)
                    pInner = pCandidate;
            }
            if (pInner)
                strName += "$" + pInner->GetName();
            pOuter = pInner;
        }
    }
    if (strName.IsEmpty()) {
        CVarContainer* pFound = file.GetClassAtLine(nLine);
        if (!pFound)
            return CString();
        strName = pFound->GetName();
    }
    if (file.m_pPackage && !file.m_pPackage->GetName().IsEmpty())
        strName = file.m_pPackage->GetName() + "." + strName;
    return strName;
}

BOOL CJavaIDEView::ToggleBreakpoint()
{
    CProject* pProject = GetOpenProject();
    CString strPath = GetPathName();
    int nLine = GetCaretLine();
    if (!pProject || strPath.IsEmpty() || nLine > 65535) {
        CUserInterface::Get().Beep();
        return FALSE;
    }
    WORD nWord = static_cast<WORD>(nLine);
    if (pProject->HasBreakpoint(strPath, nWord)) {
        pProject->RemoveBreakpoint(strPath, nWord);
    } else {
        // The class is that of the saved file: the debugger runs what was compiled.
        std::unique_ptr<CFileObject> pFile(CJavaParser::ParseFile(strPath));
        if (!pFile)
            return FALSE;
        CString strClass = ClassNameAtLine(*pFile, nLine);
        if (strClass.IsEmpty()) {
            CUserInterface::Get().Beep();
            return FALSE;
        }
        pProject->AddBreakpoint(strPath, strClass, nWord);
    }
    m_pHost->BreakpointsChanged();
    RedrawMargin();
    return TRUE;
}

BOOL CJavaIDEView::FindNext(const char* pszFind, BOOL bDown, BOOL bCase, BOOL bWord)
{
    if (!pszFind || !*pszFind)
        return FALSE;
    LONG nStart, nEnd;
    m_ctrl.GetSel(nStart, nEnd);
    DWORD dwFlags = (bDown ? FR_DOWN : 0) | (bCase ? FR_MATCHCASE : 0) | (bWord ? FR_WHOLEWORD : 0);
    FINDTEXTEX ft{{bDown ? nEnd : nStart, -1}, pszFind, {-1, -1}};
    if (m_ctrl.FindText(dwFlags, &ft) < 0) {
        CUserInterface::Get().Beep();
        return FALSE;
    }
    m_ctrl.SetSel(ft.chrgText.cpMin, ft.chrgText.cpMax);
    m_ctrl.ScrollCaret();
    UpdateCursorPosition();
    return TRUE;
}

// ---- Drops and the context menu

std::unique_ptr<CFileObject> CJavaIDEView::ParseText() const
{
    CString strText = m_ctrl.GetWindowText();
    return std::unique_ptr<CFileObject>(CJavaParser::ParseText(strText.c_str(), strText.GetLength()));
}

BOOL CJavaIDEView::QueryAcceptData(const char* pszText, BOOL bReallyInsert, int nLine)
{
    if (!bReallyInsert || !pszText || !m_pHost->IsBrowserDragSource())
        return FALSE;
    CDragToken* pToken = CDragToken::FromText(pszText);
    if (!pToken)
        return FALSE;
    CVarContainer* pClass = nullptr;
    std::unique_ptr<CFileObject> pFile;
    if (pToken->GetKind() == CDragToken::DRAG_METHOD) {
        // A method goes into the class or interface under the drop; none there: nothing happens.
        pFile = ParseText();
        pClass = pFile ? pFile->GetClassAtLine(nLine) : nullptr;
        if (!pClass)
            return TRUE;
    }
    if (!m_pHost->InsertDroppedToken(this, pToken, pClass, nLine))
        CUserInterface::Get().Beep();
    return TRUE;
}

BOOL CJavaIDEView::DropText(LONG nPos, const char* pszText, BOOL bCopy)
{
    if (!m_bReadOnly && QueryAcceptData(pszText, TRUE, m_ctrl.LineFromChar(nPos) + 1))
        return TRUE;
    return CTinctoView::DropText(nPos, pszText, bCopy);
}

std::vector<CViewMenuItem> CJavaIDEView::GetContextMenu(LONG nPos)
{
    m_pObjectAtCursor = nullptr;
    m_overrideMethods.clear();
    m_pParsedFile = ParseText();
    if (m_pParsedFile)
        m_pObjectAtCursor = m_pParsedFile->GetClassAtLine(m_ctrl.LineFromChar(nPos) + 1);
    CString strWord;
    GetWordAtCursor(strWord, FALSE);
    std::vector<CViewMenuItem> items = {
        {ID_VIEW_COMPILE, "&Compile"},
        {ID_BUILD_RUN, "&Run"},
        {ID_VIEW_BOOKMARK, "Book&Mark"},
        {ID_VIEW_BREAKPOINT, "&BreakPoint"},
        {0, ""},
        {ID_EDIT_UNDO, "&Undo"},
        {0, ""},
        {ID_EDIT_CUT, "Cu&t"},
        {ID_EDIT_COPY, "&Copy"},
        {ID_EDIT_PASTE, "&Paste"},
        {ID_EDIT_CLEAR, "&Delete"},
        {0, ""},
        {ID_EDIT_SELECT_ALL, "Select &All"},
    };
    if (!strWord.IsEmpty()) {
        items.push_back({0, ""});
        items.push_back({ID_VIEW_LOOKUP_WORD, "&Look Up " + strWord});
        items.push_back({ID_VIEW_FIND_WORD, "&Find " + strWord});
    }
    if (m_pObjectAtCursor) {
        // The class popup's "Override" submenu: "Override/" names the submenu.
        m_overrideMethods = m_pHost->GetOverridableMethods(m_pObjectAtCursor);
        if (m_overrideMethods.size() > ID_CLASS_POPUP_LAST - ID_CLASS_POPUP_FIRST + 1)
            m_overrideMethods.resize(ID_CLASS_POPUP_LAST - ID_CLASS_POPUP_FIRST + 1);
        if (!m_overrideMethods.empty())
            items.push_back({0, ""});
        for (size_t i = 0; i < m_overrideMethods.size(); i++) {
            CString strText;
            m_overrideMethods[i]->GetDisplayText(strText);
            items.push_back({static_cast<UINT>(ID_CLASS_POPUP_FIRST + i), "Override/" + strText});
        }
    }
    return items;
}
