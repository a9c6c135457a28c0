#include "FrameDebuggerHost.h"

#include "MainFrameBrowsers.h"
#include "PkgDoc.h"

#include "DebugOutput.h"
#include "DocumentWindows.h"
#include "JavaIDEApp.h"
#include "JavaIDEView.h"
#include "MainFrame.h"
#include "MainFrameBrowsers.h"
#include "MainFrameCommands.h"
#include "PathName.h"
#include "PkgDoc.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "SourcePosition.h"

#include <QFileInfo>

CFrameDebuggerHost::CFrameDebuggerHost(CMainFrame& frame, CDebugOutput& page) : m_frame(frame), m_page(page)
{
}

CProject* CFrameDebuggerHost::GetOpenProject() const
{
    CProjectDoc* pDoc = m_frame.GetApp().GetProjectDoc();
    return pDoc && pDoc->GetProject().IsOpen() ? &pDoc->GetProject() : nullptr;
}

void CFrameDebuggerHost::WriteDebugOutput(const char* pszText)
{
    m_page.AppendText(pszText);
}

void CFrameDebuggerHost::ClearDebugOutput()
{
    m_page.Clear();
}

void CFrameDebuggerHost::WriteOutput(const char* pszText)
{
    m_frame.WriteOutput(pszText);
}

void CFrameDebuggerHost::ShowOutputPane()
{
    m_frame.ShowOutputPane();
}

void CFrameDebuggerHost::ShowDebugWindow()
{
    if (!m_frame.IsDebugShown())
        m_frame.ToggleDebug();
}

CString CFrameDebuggerHost::FindClassSource(const char* pszClass)
{
    CProject* pProject = GetOpenProject();
    if (!pProject || !pszClass)
        return CString();
    // "p.Outer$Inner": the file is Outer.java, best in the folder p.
    CString strClass(pszClass);
    int nDot = strClass.ReverseFind('.');
    CString strPackage = nDot > 0 ? strClass.Left(nDot) : CString();
    CString strName = strClass.Mid(nDot + 1);
    int nDollar = strName.Find('$');
    if (nDollar > 0)
        strName = strName.Left(nDollar);
    CString strFolderEnd = strPackage;
    for (int i = 0; i < strFolderEnd.GetLength(); ++i)
        if (strFolderEnd[i] == '.')
            strFolderEnd.SetAt(i, '/');
    CString strFirst;
    for (POSITION pos = pProject->GetFileList().GetHeadPosition(); pos;) {
        const CString& strPath = pProject->GetFileList().GetNext(pos);
        CPathName path(strPath);
        if (path.GetBaseName() != strName || !path.HasExtension(".java"))
            continue;
        CString strFolder = path.GetDriveFolder();
        if (strFolder.Right(1) == "/")
            strFolder = strFolder.Left(strFolder.GetLength() - 1);
        if (strFolderEnd.IsEmpty() || strFolder.Right(strFolderEnd.GetLength()) == strFolderEnd)
            return strPath;
        if (strFirst.IsEmpty())
            strFirst = strPath;
    }
    return strFirst;
}

BOOL CFrameDebuggerHost::ShowStop(const char* pszClass, int nLine)
{
    CString strPath = FindClassSource(pszClass);
    if (strPath.IsEmpty())
        return FALSE;
    CDocumentWindows& windows = m_frame.GetDocumentWindows();
    CDocumentWindow* pWindow = windows.Find(strPath);
    if (!pWindow && m_frame.OpenFile(QString::fromUtf8(strPath.c_str())))
        pWindow = windows.Find(strPath);
    if (!pWindow)
        return FALSE;
    if (CProject* pProject = GetOpenProject()) {
        pProject->m_strExecFile = strPath;
        pProject->m_nExecLine = nLine;
    }
    CDocumentWindows::GetView(pWindow).SetPendingJump(nLine, 1, CJavaIDEView::JUMP_DEBUGGER);
    return TRUE;
}

void CFrameDebuggerHost::ClearStop()
{
    CProject* pProject = GetOpenProject();
    if (!pProject || pProject->m_strExecFile.IsEmpty())
        return;
    if (CDocumentWindow* pWindow = m_frame.GetDocumentWindows().Find(pProject->m_strExecFile))
        CDocumentWindows::GetView(pWindow).SetPendingJump(pProject->m_nExecLine > 0 ? pProject->m_nExecLine : 1, 0,
                                                          CJavaIDEView::JUMP_DEBUGGER);
    pProject->m_strExecFile.Empty();
    pProject->m_nExecLine = 0;
}

BOOL CFrameDebuggerHost::OpenFileAtLine(const char* pszPath, int nLine)
{
    return m_frame.OpenFileAtLine(pszPath, nLine);
}

CString CFrameDebuggerHost::GetSourceFolder()
{
    return m_frame.GetApp().m_DirSettings.m_strSourcePath;
}

CString CFrameDebuggerHost::FindProjectFile(const char* pszFileName)
{
    CProject* pProject = GetOpenProject();
    if (!pProject)
        return CString();
    for (POSITION pos = pProject->GetFileList().GetHeadPosition(); pos;) {
        const CString& strPath = pProject->GetFileList().GetNext(pos);
        if (CPathName::FileNameOf(strPath) == pszFileName)
            return strPath;
    }
    return CString();
}

BOOL CFrameDebuggerHost::OpenLinePosition(const char* pszLine)
{
    CString strFile, strClass;
    int nLine = 0;
    if (!CSourcePosition::Parse(pszLine, strFile, nLine, strClass))
        return FALSE;
    CString strPath = FindProjectFile(CPathName::FileNameOf(strFile));
    if (strPath.IsEmpty() && !strClass.IsEmpty())
        strPath = FindClassSource(strClass);
    if (strPath.IsEmpty()) {
        CString strUnder = CSourcePosition::PathUnder(GetSourceFolder(), strClass, strFile);
        if (!strUnder.IsEmpty() && QFileInfo(QString::fromUtf8(strUnder.c_str())).isFile())
            strPath = strUnder;
    }
    return !strPath.IsEmpty() && OpenFileAtLine(strPath, nLine);
}

void CFrameDebuggerHost::DebuggerChanged()
{
    m_frame.GetCommands().UpdateActions();
    m_page.UpdateToolBar();
}

void CFrameDebuggerHost::DebuggerEnded()
{
    DebuggerChanged();
}

void CFrameDebuggerHost::CloseMainWindow()
{
    m_frame.close();
}

const CClassIndex* CFrameDebuggerHost::GetClassIndex()
{
    return &m_frame.GetBrowsers().GetPkgDoc();
}
