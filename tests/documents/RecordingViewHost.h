// CRecordingViewHost: a source view's host for tests. It records what the
// document and the view ask of the rest of the program and answers from its
// fields. CDocViewPair: a document with its view, opened or new.
#pragma once

#include "JavaIDEDoc.h"
#include "JavaIDEView.h"
#include "JavaIDEViewHost.h"
#include "VarContainer.h"

#include <vector>

class CRecordingViewHost : public CJavaIDEViewHost {
public:
    CViewSettings GetViewSettings() override { return m_settings; }
    void SetCursorPos(long nLine, int nColumn) override { m_nLine = nLine, m_nColumn = nColumn; }
    void SetInsertMode(CJavaIDEView*, BOOL bInsert) override { m_insertModes.push_back(bInsert); }
    void ActivateNextDocument() override { ++m_nNextDocument; }
    void HideOutputPanes() override { ++m_nPanesHidden; }
    void AddToRecentFileList(const char* pszPath) override { m_recent.push_back(pszPath); }
    void ClearOutput() override { m_strOutput.Empty(), ++m_nCleared; }
    void WriteOutput(const char* pszText) override { m_strOutput += pszText; }
    BOOL IsToolBusy() override { return m_bBusy; }
    BOOL StartCompile(const char* pszPath) override { m_runs.push_back(CString("compile ") + pszPath); return TRUE; }
    BOOL StartJavadoc(const char* pszPath) override { m_runs.push_back(CString("javadoc ") + pszPath); return TRUE; }
    CProjectDoc* GetProjectDoc() override { return m_pProjectDoc; }
    void RefreshProjectTree() override { ++m_nTreeRefreshed; }
    BOOL HasCheckoutCommand() override { return m_bCheckout; }
    void RunCheckoutCommand(const char* pszPath) override { m_checkouts.push_back(pszPath); }
    BOOL IsDebuggerActive() override { return m_bDebugger; }
    void BreakpointsChanged() override { ++m_nBreakpointsChanged; }
    BOOL IsBrowserDragSource() override { return m_bBrowserDrag; }
    void LookUpWord(const char* pszWord) override { m_words.push_back(CString("look up ") + pszWord); }
    void FindWord(const char* pszWord) override { m_words.push_back(CString("find ") + pszWord); }
    BOOL InsertDroppedToken(CJavaIDEView*, CDragToken* pToken, CVarContainer* pClass, int nLine) override
    {
        m_drops.push_back({pToken, pClass ? pClass->GetName() : CString("(none)"), nLine});
        return TRUE;
    }

    CViewSettings m_settings;
    CProjectDoc* m_pProjectDoc = nullptr;
    BOOL m_bBusy = FALSE, m_bCheckout = FALSE, m_bDebugger = FALSE, m_bBrowserDrag = FALSE;
    long m_nLine = 0;
    int m_nColumn = 0;
    std::vector<BOOL> m_insertModes;
    int m_nNextDocument = 0, m_nPanesHidden = 0, m_nCleared = 0, m_nTreeRefreshed = 0, m_nBreakpointsChanged = 0;
    std::vector<CString> m_recent, m_runs, m_checkouts, m_words;
    CString m_strOutput;
    struct Drop {
        CDragToken* pToken;
        CString strClass;   // the class at the line: it lives only during the call
        int nLine;
    };
    std::vector<Drop> m_drops;
};

struct CDocViewPair {
    explicit CDocViewPair(CJavaIDEViewHost* pHost) : doc(pHost), view(pHost) { view.SetDocument(&doc); }
    BOOL Open(const char* pszPath)
    {
        if (!doc.OnOpenDocument(pszPath))
            return FALSE;
        view.OnInitialUpdate();
        return TRUE;
    }
    void New()
    {
        doc.OnNewDocument();
        view.OnInitialUpdate();
    }
    // Types the characters ('\r' for Enter) as the keyboard would.
    void Type(const char* pszText)
    {
        for (const char* p = pszText; *p; ++p)
            view.SendMessage(WM_CHAR, static_cast<unsigned char>(*p), 0);
    }
    void Key(int nKey) { view.SendMessage(WM_KEYDOWN, nKey, 0), view.SendMessage(WM_KEYUP, nKey, 0); }
    // Caret to the start of 1-based line nLine.
    void CaretToLine(int nLine)
    {
        LONG nPos = view.GetCtrl().LineIndex(nLine - 1);
        view.GetCtrl().SetSel(nPos, nPos);
    }
    CString Text() { return view.GetCtrl().GetWindowText(); }

    CJavaIDEDoc doc;
    CJavaIDEView view;
};
