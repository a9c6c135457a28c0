// CMainFrameBrowsers: the main window's part of the package and bean
// browsers: the package index document with its page in the project window
// (after Project, before Help), the start-up loaders of "mosk.pkg" and "mosk.bns", the
// output the indices write, the word look-up of the editor and the drops
// of browser items onto source views (the class wizard).
#pragma once

#include "WinTypes.h"

#include <memory>
#include <vector>

class CDragToken;
class CJavaIDEApp;
class CJavaIDEView;
class CMainFrame;
class CBeanDoc;
class CBeanView;
class CPackageView;
class CPkgDoc;
class CVarContainer;
class CVarObject;
class QTabWidget;
class QWidget;
class CFrameBrowserHost;
class CGuiBuilderRun;
class CTreeItem;

class CMainFrameBrowsers {
public:
    // Makes the documents and pages and registers the loaders with app; frame and app not owned.
    CMainFrameBrowsers(CMainFrame& frame, CJavaIDEApp& app);
    ~CMainFrameBrowsers();

    CPkgDoc& GetPkgDoc() const { return *m_pPkgDoc; }
    CPackageView* GetPackageView() const { return m_pPackageView; }
    CBeanDoc& GetBeanDoc() const { return *m_pBeanDoc; }
    CBeanView* GetBeanView() const { return m_pBeanView; }

    // A command of the Packages menu; FALSE when nothing was done.
    BOOL OnPackageCommand(UINT nId);
    // A command of the Beans menu; FALSE when nothing was done.
    BOOL OnBeanCommand(UINT nId);
    // The editor's look-up of the word at the caret.
    void LookUpWord(const char* pszWord);
    // TRUE while a drag begun in a browser view runs.
    BOOL IsDragSource() const;
    // A browser token dropped on a source view (the class wizard).
    BOOL InsertDroppedToken(CJavaIDEView* pView, CDragToken* pToken, CVarContainer* pClass, int nLine);
    // The methods of pClass's ancestors in the index that may be overridden (the class popup's "Override").
    std::vector<CVarObject*> GetOverridableMethods(CVarContainer* pClass);

    // The GUI builder for a resource of the open project; with Control held its output is captured.
    void EditResource(const char* pszPath);
    // The GUI builder for one design of a resource file (a design node opened).
    BOOL EditDesign(const char* pszPath, const char* pszName, BOOL bFrame);
    // A resource command of the project tree (32992 to 33009) on pNode; FALSE when nothing was done.
    BOOL OnResourceCommand(UINT nID, CTreeItem* pNode);
    // The runs of the GUI builder; null without a project list.
    CGuiBuilderRun* GetGuiBuilder();
    // Add Dialog / Add Frame of the Project menu: a new resource file in the open project.
    BOOL AddResource(BOOL bFrame);

    // Puts the pages of the project window in their fixed order: Project, Packages, Beans, Help.
    static void OrderPages(QTabWidget* pTabs);

private:
    void ShowPage(QWidget* pPage);

    CMainFrame& m_frame;
    CJavaIDEApp& m_app;
    std::unique_ptr<CFrameBrowserHost> m_pHost;
    std::unique_ptr<CPkgDoc> m_pPkgDoc;
    CPackageView* m_pPackageView = nullptr;  // owned by the project window
    std::unique_ptr<CBeanDoc> m_pBeanDoc;
    CBeanView* m_pBeanView = nullptr;        // owned by the project window
    std::unique_ptr<CGuiBuilderRun> m_pGuiBuilder;  // made at the first resource opened
};
