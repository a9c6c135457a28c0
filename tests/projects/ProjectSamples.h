// Hand-made project files and project lists of every version, and a host
// that records what the projects ask of the program.
#pragma once

#include "ProjectHost.h"

#include <string>
#include <vector>

class CTempFolder;

// The values the sample project holds; each version stores the part its layout has.
struct CProjectSample {
    int nVersion = 12;
    std::string strMainClass = "A.java";
    std::string strMainHtml = "page.html";
    std::string strStoredDir;            // project directory as stored (B3.1 and versions 5, 6)
    std::string strStoredPath;           // project file path stored with the project node (B6)
    std::vector<std::string> oldFiles;   // full paths of the old file list (versions below 10)
    BOOL bUseOtherCompiler = TRUE;
    BOOL bOtherMainOn = FALSE;           // item 3 (version 12)
    BOOL bProgramArgsOn = FALSE;
};

// The ".mosk" bytes of a sample, laid out for its version. The tree (from
// version 10) is: project node with "src\A.java" (marked), folder "Docs"
// holding the resource "..\shared\dialog.res" (schema 1).
std::string BuildProjectFile(const CProjectSample& sample);

// The "mosk.proj" bytes of a version (100 to 104) listing two projects.
std::string BuildProjectList(int nVersion, const std::string& strFirst, const std::string& strSecond);

// Records the host calls the tests look at.
class CRecordingHost : public CProjectHost {
public:
    CProjectSettings GetSettings() const override { return m_settings; }
    void RefreshNode(CTreeItem*) override { ++m_nRefreshes; }
    void NodeDeleted(CTreeItem*) override { ++m_nDeleted; }
    BOOL CloseDocument(const char* pszPath) override
    {
        m_closed.emplace_back(pszPath);
        return m_bAllowClose;
    }
    BOOL SaveDocumentIfModified(const char* pszPath) override
    {
        m_saved.emplace_back(pszPath);
        return TRUE;
    }
    void DebuggerSetBreakpoint(const char* pszClass, WORD nLine) override
    {
        m_debugger.push_back("stop at " + std::string(pszClass) + ":" + std::to_string(nLine));
    }
    void DebuggerClearBreakpoint(const char* pszClass, WORD nLine) override
    {
        m_debugger.push_back("clear " + std::string(pszClass) + ":" + std::to_string(nLine));
    }
    void BeginProgress(int nMax) override { m_nProgressMax = nMax; }
    void StepProgress() override { ++m_nProgressSteps; }

    CProjectSettings m_settings;
    BOOL m_bAllowClose = TRUE;
    int m_nRefreshes = 0;
    int m_nDeleted = 0;
    int m_nProgressMax = -1;
    int m_nProgressSteps = 0;
    std::vector<std::string> m_closed, m_saved, m_debugger;
};
