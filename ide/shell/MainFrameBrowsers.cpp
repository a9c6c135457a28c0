#include "MainFrameBrowsers.h"

#include "BeanDoc.h"
#include "BeanView.h"
#include "BrowserHost.h"
#include "GuiBuilderResources.h"
#include "GuiBuilderSetup.h"
#include "GuiBuilderRun.h"
#include "ClassDialog.h"
#include "ClassWizard.h"
#include "DragToken.h"
#include "FileObject.h"
#include "JavaIDEView.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectFileItem.h"
#include "ProjectHost.h"
#include "UserInterface.h"
#include "VarClass.h"
#include "VarInterface.h"
#include "VarMethodDecl.h"
#include "JavaIDEApp.h"
#include "MainFrame.h"
#include "OutputWnd.h"
#include "PackageView.h"
#include "PkgDoc.h"
#include "ToolCommands.h"

#include "ArchiveFile.h"
#include "KeyState.h"
#include "ResourceCommands.h"
#include "X11WindowList.h"

#include <QGuiApplication>

#include <QTabBar>
#include <algorithm>
#include <sys/stat.h>
#include <QTabWidget>
#include <QTimer>

// The indices write to the main window's output pane and show their views again.
class CFrameBrowserHost : public CBrowserHost {
public:
    explicit CFrameBrowserHost(CMainFrame& frame) : m_frame(frame) {}
    void ClearOutput() override { m_frame.ClearOutput(); }
    void WriteOutput(const char* pszText) override
    {
        m_frame.ShowOutputPane();
        m_frame.WriteOutput(pszText);
    }
    BOOL HasOutput() const override { return !m_frame.GetToolCommands().GetOutputWnd().GetText().IsEmpty(); }
    void RefreshViews() override
    {
        if (m_pPackageView)
            m_pPackageView->Refresh();
        if (m_pBeanView)
            m_pBeanView->Refresh();
    }

    CMainFrame& m_frame;
    CPackageView* m_pPackageView = nullptr;
    CBeanView* m_pBeanView = nullptr;
};

namespace {

int RankOf(const QString& strTab)
{
    static const char* const s_order[] = {"Project", "Packages", "Beans", "Help"};
    for (int i = 0; i < 4; i++)
        if (strTab == QLatin1String(s_order[i]))
            return i;
    return 4;
}

} // namespace

CMainFrameBrowsers::CMainFrameBrowsers(CMainFrame& frame, CJavaIDEApp& app)
    : m_frame(frame), m_app(app), m_pHost(std::make_unique<CFrameBrowserHost>(frame)),
      m_pPkgDoc(std::make_unique<CPkgDoc>(m_pHost.get())), m_pBeanDoc(std::make_unique<CBeanDoc>(m_pHost.get()))
{
    QTabWidget* pTabs = frame.GetProjectWindow();
    m_pPackageView = new CPackageView(*m_pPkgDoc);
    m_pHost->m_pPackageView = m_pPackageView;
    m_pPackageView->m_fnShowPage = [this] { ShowPage(m_pPackageView); };
    m_pPackageView->m_fnSourceFolder = [this] { return m_app.m_DirSettings.m_strSourcePath; };
    m_pPackageView->m_fnOpenSource = [this](const CString& strPath, int nLine) {
        return m_frame.OpenFileAtLine(strPath, nLine);
    };
    pTabs->addTab(m_pPackageView, QStringLiteral("Packages"));
    m_pBeanView = new CBeanView(*m_pBeanDoc);
    m_pHost->m_pBeanView = m_pBeanView;
    m_pBeanView->m_fnShowPage = [this] { ShowPage(m_pBeanView); };
    pTabs->addTab(m_pBeanView, QStringLiteral("Beans"));
    OrderPages(pTabs);
    // Pages another part adds later in the start-up find their places too.
    QTimer::singleShot(0, pTabs, [pTabs] { OrderPages(pTabs); });
    CString strZip = app.m_DirSettings.m_strProgramPath + "/classes.zip";
    struct stat st;
    if (!app.m_DirSettings.m_strProgramPath.IsEmpty() && ::stat(strZip, &st) != 0)
        frame.WriteOutput(CGuiBuilderSetup::MissingZipText(strZip) + "\n");
    app.SetIndexLoader(CJavaIDEApp::INDEX_PACKAGES, [this](CJavaIDEApp&, const CString& strPath) {
        m_pPkgDoc->Open(strPath);
        return TRUE;  // a damaged index was reported; the program goes on with an empty one
    });
    app.SetIndexLoader(CJavaIDEApp::INDEX_BEANS, [this](CJavaIDEApp&, const CString& strPath) {
        m_pBeanDoc->Open(strPath);
        return TRUE;
    });
}

CMainFrameBrowsers::~CMainFrameBrowsers()
{
    m_pHost->m_pPackageView = nullptr;
    m_pHost->m_pBeanView = nullptr;
}

BOOL CMainFrameBrowsers::OnBeanCommand(UINT nId)
{
    return m_pBeanView->Execute(nId);
}

void CMainFrameBrowsers::OrderPages(QTabWidget* pTabs)
{
    QTabBar* pBar = pTabs->tabBar();
    for (int i = 1; i < pBar->count(); i++)
        for (int j = i; j > 0 && RankOf(pBar->tabText(j)) < RankOf(pBar->tabText(j - 1)); j--)
            pBar->moveTab(j, j - 1);
}

void CMainFrameBrowsers::ShowPage(QWidget* pPage)
{
    QTabWidget* pTabs = m_frame.GetProjectWindow();
    int nIndex = pTabs->indexOf(pPage);
    if (nIndex >= 0)
        pTabs->setCurrentIndex(nIndex);
}

BOOL CMainFrameBrowsers::OnPackageCommand(UINT nId)
{
    return m_pPackageView->Execute(nId);
}

void CMainFrameBrowsers::LookUpWord(const char* pszWord)
{
    m_pPackageView->LookUp(pszWord);
}

BOOL CMainFrameBrowsers::IsDragSource() const
{
    return CPackageView::IsDragging();
}

namespace {

QString Text(const CString& str) { return QString::fromUtf8(str.c_str()); }

// The open project's own object of the class or interface pszName in the file pszPath; null when none.
CVarContainer* ProjectTarget(CProjectDoc* pProjectDoc, const CString& strPath, const CString& strName)
{
    if (!pProjectDoc || strPath.IsEmpty() || !pProjectDoc->GetProject().IsOpen())
        return nullptr;
    CProjectFileItem* pItem = pProjectDoc->GetProject().FindFileItem(strPath);
    CFileObject* pFile = pItem ? pItem->GetFileObject() : nullptr;
    if (!pFile)
        return nullptr;
    if (CVarClass* pClass = pFile->FindClass(strName))
        return pClass;
    return pFile->FindInterface(strName);
}

// The path of the open project's file whose parsed classes include pClass; empty when none.
CString ProjectFileOf(CProjectDoc* pProjectDoc, const CVarObject* pClass)
{
    if (!pProjectDoc || !pProjectDoc->GetProject().IsOpen())
        return CString();
    const CStringList& files = pProjectDoc->GetProject().GetFileList();
    for (POSITION pos = files.GetHeadPosition(); pos;) {
        const CString& strPath = files.GetNext(pos);
        CProjectFileItem* pItem = pProjectDoc->GetProject().FindFileItem(strPath);
        CFileObject* pFile = pItem ? pItem->GetFileObject() : nullptr;
        if (pFile && pFile->m_Classes.Find(const_cast<CVarObject*>(pClass)))
            return strPath;
    }
    return CString();
}

BOOL HasConstructor(const CVarClass& cls)
{
    for (POSITION pos = cls.m_Methods.GetHeadPosition(); pos;) {
        CVarObject* pMethod = cls.m_Methods.GetNext(pos);
        if (pMethod->m_strType.IsEmpty() && pMethod->m_strName.CompareNoCase(cls.m_strName) == 0)
            return TRUE;
    }
    return FALSE;
}

} // namespace

BOOL CMainFrameBrowsers::InsertDroppedToken(CJavaIDEView* pView, CDragToken* pToken, CVarContainer* pClass, int nLine)
{
    if (!pView || !pToken || !pToken->GetObject())
        return FALSE;
    CVarObject* pObject = pToken->GetObject();
    switch (pToken->GetKind()) {
    case CDragToken::DRAG_METHOD: {
        if (!pClass)
            return FALSE;
        CVarContainer* pTarget = ProjectTarget(m_frame.GetProjectDoc(), pView->GetPathName(), pClass->m_strName);
        return CClassWizard::Override(*pView, *pClass, pObject, pTarget, *m_pPkgDoc) == 0;
    }
    case CDragToken::DRAG_CLASS: {
        auto* pParent = static_cast<CVarContainer*>(pObject);
        CClassDialog dialog(QString(), Text(pParent->m_strName), true, m_pPkgDoc->GetAllInterfaces(), &m_frame);
        if (dialog.exec() != QDialog::Accepted)
            return FALSE;
        CClassWizard::PasteAtEnd(*pView, CClassWizard::NewClassText(dialog.GetName().toUtf8().constData(), pParent,
                                                                    dialog.GetInterfaces(), dialog.WantsConstructor()));
        return TRUE;
    }
    case CDragToken::DRAG_IFACE: {
        auto* pParent = static_cast<CVarContainer*>(pObject);
        CInterfaceDialog dialog(Text(pParent->m_strName), &m_frame);
        if (dialog.exec() != QDialog::Accepted)
            return FALSE;
        CClassWizard::PasteAtEnd(*pView, CClassWizard::NewInterfaceText(dialog.GetName().toUtf8().constData(), pParent));
        return TRUE;
    }
    case CDragToken::DRAG_PROJCLASS: {
        auto* pCopied = dynamic_cast<CVarClass*>(pObject);
        if (!pCopied)
            return FALSE;
        CString strPath = ProjectFileOf(m_frame.GetProjectDoc(), pCopied);
        std::string strText;
        CString strError;
        if (strPath.IsEmpty() || !CArchiveFile::ReadWholeFile(strPath, strText, strError)) {
            AfxMessageBox("Error opening the file - " + strPath);
            return FALSE;
        }
        CClassDialog dialog(Text(pCopied->m_strName), Text(pCopied->m_strParent), HasConstructor(*pCopied),
                            m_pPkgDoc->GetAllInterfaces(), &m_frame);
        if (dialog.exec() != QDialog::Accepted)
            return FALSE;
        CString strCopy;
        if (!CClassWizard::CopyClassText(*pCopied, strText, dialog.GetName().toUtf8().constData(), strCopy))
            return FALSE;
        CClassWizard::PasteAtEnd(*pView, strCopy);
        return TRUE;
    }
    }
    return FALSE;
}

std::vector<CVarObject*> CMainFrameBrowsers::GetOverridableMethods(CVarContainer* pClass)
{
    // The ancestors by the parent chain of the index, then the implemented interfaces.
    std::vector<CVarContainer*> ancestors;
    CString strName = pClass ? pClass->m_strParent : CString();
    for (int nGuard = 0; !strName.IsEmpty() && nGuard < 100; nGuard++) {
        CVarContainer* pParent = m_pPkgDoc->FindClassOrInterface(strName);
        if (!pParent || std::find(ancestors.begin(), ancestors.end(), pParent) != ancestors.end())
            break;
        ancestors.push_back(pParent);
        strName = pParent->m_strParent;
    }
    if (auto* pOwn = dynamic_cast<CVarClass*>(pClass))
        for (int i = 0; i < pOwn->m_Interfaces.GetSize(); i++)
            if (CVarInterface* pInterface = m_pPkgDoc->FindInterface(pOwn->m_Interfaces[i]))
                ancestors.push_back(pInterface);
    std::vector<CVarObject*> methods;
    for (CVarContainer* pAncestor : ancestors)
        for (POSITION pos = pAncestor->m_Methods.GetHeadPosition(); pos;) {
            CVarObject* pMethod = pAncestor->m_Methods.GetNext(pos);
            if (pMethod->CanBeOverridden() && methods.size() < 1000)
                methods.push_back(pMethod);
        }
    return methods;
}

CGuiBuilderRun* CMainFrameBrowsers::GetGuiBuilder()
{
    CProjectDoc* pProjectDoc = m_frame.GetProjectDoc();
    if (!pProjectDoc)
        return nullptr;
    if (m_pGuiBuilder)
        return m_pGuiBuilder.get();
    m_pGuiBuilder = std::make_unique<CGuiBuilderRun>(*pProjectDoc, m_app.m_DirSettings.m_strProgramPath);
    m_pGuiBuilder->SetOutput(m_frame.GetToolCommands().GetHandle(), [this] {
        m_frame.ShowOutputPane();
        m_frame.ClearOutput();
    });
    // On an X display the builder's window is found by its title; elsewhere
    // (offscreen, Wayland) the run's own record answers.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        m_pGuiBuilder->m_fnRaiseWindow = [](const CString& strTitle) { return CX11WindowList().RaiseWindow(strTitle); };
    return m_pGuiBuilder.get();
}

void CMainFrameBrowsers::EditResource(const char* pszPath)
{
    if (CGuiBuilderRun* pRun = GetGuiBuilder())
        pRun->EditResource(pszPath, CKeyState::IsDown(VK_CONTROL));
}

BOOL CMainFrameBrowsers::EditDesign(const char* pszPath, const char* pszName, BOOL bFrame)
{
    CGuiBuilderRun* pRun = GetGuiBuilder();
    return pRun && pRun->EditDesign(pszPath, pszName, bFrame);
}

BOOL CMainFrameBrowsers::OnResourceCommand(UINT nID, CTreeItem* pNode)
{
    CProjectDoc* pProjectDoc = m_frame.GetProjectDoc();
    return pProjectDoc && CResourceCommands::OnCommand(nID, pProjectDoc->GetProject(), pNode);
}

BOOL CMainFrameBrowsers::AddResource(BOOL bFrame)
{
    CProjectDoc* pProjectDoc = m_frame.GetProjectDoc();
    if (!pProjectDoc || !pProjectDoc->GetProject().IsOpen())
        return FALSE;
    if (!CGuiBuilderResources::NewResource(pProjectDoc->GetProject(), nullptr, bFrame))
        return FALSE;
    pProjectDoc->GetHost().RefreshViews();
    return TRUE;
}
