// Shared pieces of the tool-run tests: an application with its project
// list in a temporary settings folder, a document host that records what
// the commands ask of the editor, the tool commands over both, and waits
// that pump the event loop until a run is over.
#pragma once

#include "AppFolders.h"
#include "FixedSystemColors.h"
#include "JavaIDEApp.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"
#include "ToolCommands.h"
#include "ToolDocumentHost.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class CRecordingDocumentHost : public CToolDocumentHost {
public:
    BOOL SaveActiveDocument() override { ++m_nActiveSaves; return m_bSaveSucceeds; }
    BOOL SaveAllModified() override { ++m_nSaveAll; return m_bSaveSucceeds; }
    BOOL SaveDocumentIfModified(const char* pszPath) override
    {
        m_saved.push_back(CString(pszPath));
        return m_bSaveSucceeds;
    }
    CString GetActiveDocumentPath() override { return m_strActive; }
    void RemoveErrorMarker() override { ++m_nMarkerRemovals; }
    void RefreshProjectImages() override { ++m_nImageRefreshes; }
    void ShowOutputFrame(CMDIOutputFrame* pFrame) override { m_frames.push_back(pFrame); }
    BOOL IsProjectPageCurrent() override { return m_bProjectPage; }
    BOOL OpenFileAtLine(const char* pszPath, int nLine) override
    {
        m_opened.emplace_back(CString(pszPath), nLine);
        return TRUE;
    }

    CString m_strActive;
    BOOL m_bSaveSucceeds = TRUE;
    BOOL m_bProjectPage = TRUE;
    int m_nActiveSaves = 0, m_nSaveAll = 0, m_nMarkerRemovals = 0, m_nImageRefreshes = 0;
    std::vector<CString> m_saved;
    std::vector<CMDIOutputFrame*> m_frames;
    std::vector<std::pair<CString, int>> m_opened;
};

class CToolRunApp : public CJavaIDEApp {
public:
    CToolRunApp() : CJavaIDEApp(Colors()) {}
    static const CSystemColors& Colors();
};

class ToolRunTest : public ::testing::Test {
protected:
    ToolRunTest();
    ~ToolRunTest() override;

    // Writes a source file (folders created) and returns its path.
    CString WriteSource(const char* pszName, const std::string& strText);
    // Opens a new project "Test.mosk" in the temporary folder.
    CProject& OpenProject();
    // Adds files to the open project so that the file list holds them in the given order.
    void AddFilesInOrder(const std::vector<CString>& files);
    // Compiles pszPath and waits for the end of the run; FALSE when it did not start or end.
    bool CompileAndWait(const char* pszPath);
    // Pumps the event loop until fnDone holds; FALSE after nMilliseconds.
    static bool WaitFor(const std::function<bool()>& fnDone, int nMilliseconds = 60000);
    bool WaitToolIdle() { return WaitFor([this] { return !m_pApp->m_ToolRun.m_bRunning; }); }
    // Until the program run has ended and its last chunk was written.
    bool WaitProgramDone();
    CString Output() { return m_pTools->GetOutputWnd().GetText(); }
    // The output with CR LF turned into LF.
    std::string OutputLf();
    // The character position where the first line holding pszText starts; -1 when none.
    LONG LineStartOf(const char* pszText);

    std::filesystem::path m_keepFolder;
    CTempFolder m_settings;
    CTempFolder m_folder;
    CScriptedUserInterface m_ui;
    std::unique_ptr<CToolRunApp> m_pApp;
    CRecordingDocumentHost m_host;
    std::unique_ptr<CToolCommands> m_pTools;
    CProjectDoc* m_pDoc = nullptr;
};
