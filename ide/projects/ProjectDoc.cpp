#include "ProjectDoc.h"

#include "Archive.h"
#include "ArchiveFile.h"
#include "PathName.h"
#include "ProjectFolder.h"
#include "ProjectHost.h"
#include "ProjectRootFolder.h"
#include "StringArray.h"
#include "UserInterface.h"

#include <iterator>
#include <new>
#include <sys/stat.h>

MOSK_IMPLEMENT_DYNAMIC(CProjectDoc, CObject)

namespace {

constexpr DWORD LIST_VERSION = 104;
constexpr DWORD OLDEST_LIST_VERSION = 101;
constexpr DWORD TREE_FOLDER_TAG = 1;
const char* const ROOT_LABEL = "Mosk Projects";
const char* const PROJECT_FILTER = "Mosk Files (*.mosk)|*.mosk|All Files (*.*)|*.*||";

using F = CToolOptionField;
using O = CToolOptions;

const F s_interpreter[] = {
    F::Switch("interpreter class path on", &O::m_bInterpClassPath),
    F::Switch("interpreter reserved", &O::m_bInterpReserved),
    F::Switch("interpreter -cs", &O::m_bInterpCs),
    F::Switch("interpreter -mx on", &O::m_bInterpMx),
    F::Switch("interpreter -ms on", &O::m_bInterpMs),
    F::Switch("interpreter -noasyncgc", &O::m_bInterpNoAsyncGc),
    F::Switch("interpreter -verbosegc", &O::m_bInterpVerboseGc),
    F::Switch("interpreter -oss on", &O::m_bInterpOss),
    F::Switch("interpreter -ss on", &O::m_bInterpSs),
    F::Switch("interpreter -verbose", &O::m_bInterpVerbose),
    F::Switch("interpreter -verify", &O::m_bInterpVerify),
    F::Switch("interpreter -noverify", &O::m_bInterpNoVerify),
    F::Switch("interpreter -verifyremote", &O::m_bInterpVerifyRemote),
    F::Switch("interpreter -D on", &O::m_bInterpD),
    F::Switch("interpreter extra options on", &O::m_bInterpExtraOptions, 103),
    F::Switch("interpreter use other interpreter", &O::m_bInterpUseOther, 104),
    F::Text("interpreter class path", &O::m_strInterpClassPath),
    F::Text("interpreter -mx", &O::m_strInterpMx),
    F::Text("interpreter -ms", &O::m_strInterpMs),
    F::Text("interpreter -oss", &O::m_strInterpOss),
    F::Text("interpreter -ss", &O::m_strInterpSs),
    F::Text("interpreter -D", &O::m_strInterpD),
    F::Text("interpreter reserved text", &O::m_strInterpReserved),
    F::Text("interpreter extra options", &O::m_strInterpExtraOptions, 103),
    F::Text("interpreter other command", &O::m_strInterpOtherCommand, 104),
    F::History("interpreter class path history", &O::m_arrInterpClassPathHistory),
};
const F s_compiler[] = {
    F::Switch("compiler class path on", &O::m_bCompClassPath),
    F::Switch("compiler output directory on", &O::m_bCompOutputDir),
    F::Switch("compiler verbose", &O::m_bCompVerbose),
    F::Switch("compiler optimize", &O::m_bCompOptimize),
    F::Switch("compiler debug", &O::m_bCompDebug),
    F::Switch("compiler no warnings", &O::m_bCompNoWarnings),
    F::Switch("compiler deprecation", &O::m_bCompDeprecation),
    F::Switch("compiler use other compiler", &O::m_bCompUseOther),
    F::Switch("compiler extra options on", &O::m_bCompExtraOptions),
    F::Text("compiler class path", &O::m_strCompClassPath),
    F::Text("compiler output directory", &O::m_strCompOutputDir),
    F::Text("compiler reserved text", &O::m_strCompReserved),
    F::Text("compiler extra options", &O::m_strCompExtraOptions),
    F::Text("compiler other command", &O::m_strCompOtherCommand),
    F::History("compiler extra options history", &O::m_arrCompExtraOptionsHistory),
    F::History("compiler class path history", &O::m_arrCompClassPathHistory),
    F::History("compiler output directory history", &O::m_arrCompOutputDirHistory),
};
const F s_javadoc[] = {
    F::Switch("javadoc class path on", &O::m_bDocClassPath),
    F::Switch("javadoc output directory on", &O::m_bDocOutputDir),
    F::Text("javadoc class path", &O::m_strDocClassPath),
    F::Text("javadoc output directory", &O::m_strDocOutputDir),
    F::Text("javadoc extra options", &O::m_strDocExtraOptions),
    F::Number("javadoc document type", &O::m_nDocType),
    F::Switch("javadoc version", &O::m_bDocVersion),
    F::Switch("javadoc author", &O::m_bDocAuthor),
    F::Switch("javadoc no index", &O::m_bDocNoIndex),
    F::Switch("javadoc no tree", &O::m_bDocNoTree),
    F::Switch("javadoc no deprecated", &O::m_bDocNoDeprecated),
    F::Switch("javadoc extra options on", &O::m_bDocExtraOptions, 103),
    F::History("javadoc class path history", &O::m_arrDocClassPathHistory),
    F::History("javadoc output directory history", &O::m_arrDocOutputDirHistory),
};

BOOL PathExists(const char* pszPath)
{
    struct stat st;
    return ::lstat(pszPath, &st) == 0;
}

} // namespace

CProjectDoc::CProjectDoc(CProjectHost* pHost)
    : m_pOwnHost(pHost ? nullptr : new CProjectHost),
      m_pHost(pHost ? pHost : m_pOwnHost.get()),
      m_project(*m_pHost)
{
    NewDocument();
}

CProjectDoc::~CProjectDoc() = default;

void CProjectDoc::NewDocument()
{
    m_pCurrent = nullptr;
    m_project.Reset();
    m_pRoot = std::make_unique<CProjectRootFolder>(ROOT_LABEL);
    m_pRoot->m_pDoc = this;
    m_options = CToolOptions();
    m_nVersion = LIST_VERSION;
    m_nReadVersion = 0;
    m_bUpgraded = FALSE;
    m_strPathName.Empty();
    m_bModified = FALSE;
}

// ---------------------------------------------------------------------------
// The "mosk.proj" file

void CProjectDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << LIST_VERSION;
        F::Serialize(ar, m_options, s_interpreter, std::size(s_interpreter), LIST_VERSION);
        F::Serialize(ar, m_options, s_compiler, std::size(s_compiler), LIST_VERSION);
        F::Serialize(ar, m_options, s_javadoc, std::size(s_javadoc), LIST_VERSION);
        ar << TREE_FOLDER_TAG;
        ar.WriteObject(m_pRoot.get());
        for (int i = 0; i < m_pRoot->GetChildCount(); ++i) {
            ar << TREE_FOLDER_TAG;
            ar.WriteObject(m_pRoot->GetChild(i));
        }
        return;
    }
    DWORD nVersion;
    ar >> nVersion;
    m_nReadVersion = nVersion;
    if (nVersion > LIST_VERSION) {
        CString strDetail;
        strDetail.Format("project list version %u", nVersion);
        ar.ThrowError(CArchiveException::badSchema, strDetail);
    }
    if (nVersion < OLDEST_LIST_VERSION) {
        // The oldest lists hold the tree only.
        m_bUpgraded = TRUE;
    } else {
        F::Serialize(ar, m_options, s_interpreter, std::size(s_interpreter), nVersion);
        F::Serialize(ar, m_options, s_compiler, std::size(s_compiler), nVersion);
        F::Serialize(ar, m_options, s_javadoc, std::size(s_javadoc), nVersion);
        if (nVersion < LIST_VERSION)
            m_bUpgraded = TRUE;
    }
    m_nVersion = LIST_VERSION;
    ReadTree(ar);
}

void CProjectDoc::ReadTree(CArchive& ar)
{
    DWORD nTag;
    ar >> nTag;
    std::unique_ptr<CProjectRootFolder> pRoot(
        static_cast<CProjectRootFolder*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CProjectRootFolder))));
    pRoot->m_pDoc = this;
    // One level only: a project's own files live in its ".mosk" file, so the
    // child count kept with each project node is not followed here.
    DWORD nCount = pRoot->m_nPending;
    pRoot->m_nPending = 0;
    for (DWORD i = 0; i < nCount; ++i) {
        ar >> nTag;
        CProjectFolder* pNode =
            static_cast<CProjectFolder*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CProjectFolder)));
        pRoot->AddChild(pNode, FALSE);
    }
    m_pRoot = std::move(pRoot);
}

void CProjectDoc::DumpTo(CString& strOut, int nIndent) const
{
    CString strIndent(' ', nIndent);
    CString str;
    str.Format("%sversion = %u\n", strIndent.c_str(), m_nReadVersion ? m_nReadVersion : m_nVersion);
    strOut += str;
    F::Dump(strOut, nIndent, m_options, s_interpreter, std::size(s_interpreter));
    F::Dump(strOut, nIndent, m_options, s_compiler, std::size(s_compiler));
    F::Dump(strOut, nIndent, m_options, s_javadoc, std::size(s_javadoc));
    m_pRoot->DumpTo(strOut, nIndent);
}

BOOL CProjectDoc::ReadBytes(const std::string& strData, CString& strError)
{
    // Read into a fresh document state, kept only when the whole file reads.
    CToolOptions options = m_options;
    std::unique_ptr<CProjectRootFolder> pRoot = std::move(m_pRoot);
    DWORD nVersion = m_nVersion, nReadVersion = m_nReadVersion;
    BOOL bUpgraded = m_bUpgraded;
    m_options = CToolOptions();
    m_bUpgraded = FALSE;
    try {
        CArchive ar(strData.data(), strData.size());
        Serialize(ar);
        m_pCurrent = nullptr;
        m_project.Reset();
        return TRUE;
    } catch (const CArchiveException& e) {
        strError = "Error reading the project list: " + e.GetMessage() + " !!!";
    } catch (const std::bad_alloc&) {
        strError = "Error allocating memory !!!";
    }
    m_options = options;
    m_pRoot = std::move(pRoot);
    m_nVersion = nVersion;
    m_nReadVersion = nReadVersion;
    m_bUpgraded = bUpgraded;
    return FALSE;
}

BOOL CProjectDoc::ReadFile(const char* pszPath, CString& strError)
{
    std::string strData;
    CString strSystemError;
    if (!CArchiveFile::ReadWholeFile(pszPath, strData, strSystemError)) {
        strError = "Error opening the file " + CString(pszPath) + " !!!";
        return FALSE;
    }
    return ReadBytes(strData, strError);
}

BOOL CProjectDoc::Load(const char* pszPath)
{
    NewDocument();
    if (!PathExists(pszPath)) {
        m_strPathName = pszPath;
        m_pHost->RefreshViews();
        return TRUE;
    }
    CString strError;
    if (!ReadFile(pszPath, strError)) {
        // The list on disk stays as it is: this run keeps an empty list that
        // has no path to be saved over it.
        NewDocument();
        AfxMessageBox(strError, MB_ICONEXCLAMATION);
        m_pHost->RefreshViews();
        return FALSE;
    }
    m_strPathName = pszPath;
    m_bModified = FALSE;
    m_pHost->RefreshViews();
    if (m_bUpgraded) {
        m_bModified = TRUE;
        SaveModified();
    }
    return TRUE;
}

BOOL CProjectDoc::Save()
{
    if (m_strPathName.IsEmpty())
        return FALSE;
    CString strError;
    if (!CArchiveFile::Save(m_strPathName, [this](CArchive& ar) { Serialize(ar); }, strError)) {
        AfxMessageBox("Error saving the project list: " + strError + " !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_bModified = FALSE;
    m_bUpgraded = FALSE;
    return TRUE;
}

BOOL CProjectDoc::SaveModified()
{
    return !m_bModified || Save();
}

// ---------------------------------------------------------------------------
// Projects

CProjectFolder* CProjectDoc::NewProjectNode(const char* pszPath) const
{
    CProjectFolder* pNode = new CProjectFolder(CPathName::BaseNameOf(pszPath), pszPath);
    pNode->SetProject(const_cast<CProject*>(&m_project));
    return pNode;
}

CProjectFolder* CProjectDoc::FindProjectNode(const char* pszPath) const
{
    for (int i = 0; i < m_pRoot->GetChildCount(); ++i) {
        CTreeItem* pChild = m_pRoot->GetChild(i);
        if (pChild->IsKindOf(MOSK_RUNTIME_CLASS(CProjectFolder)) && pChild->GetPathName() == pszPath)
            return static_cast<CProjectFolder*>(pChild);
    }
    return nullptr;
}

BOOL CProjectDoc::OpenProject(const char* pszPath, BOOL bNew)
{
    CString strPath = CPathName::Normalize(pszPath);
    if (m_project.IsOpen() && !CloseProject())
        return FALSE;

    CProjectFolder* pNode = nullptr;
    BOOL bAdded = FALSE;
    if (bNew) {
        CPathName path(strPath);
        if (!path.HasExtension(".mosk"))
            strPath = path.GetDriveFolder() + path.GetBaseName() + ".mosk";
        // A project listed already is made anew in its own node.
        pNode = FindProjectNode(strPath);
        if (!pNode) {
            pNode = NewProjectNode(strPath);
            bAdded = TRUE;
        }
        pNode->SetProject(&m_project);
        if (!m_project.Open(pNode, TRUE)) {
            if (bAdded)
                delete pNode;
            return FALSE;
        }
    } else {
        pNode = FindProjectNode(strPath);
        if (pNode) {
            pNode->SetProject(&m_project);
            m_project.SetModifiedFlag(FALSE);
            if (!m_project.Open(pNode, FALSE)) {
                m_pHost->RefreshViews();
                return FALSE;
            }
        } else {
            if (!PathExists(strPath)) {
                AfxMessageBox("Project file does not exist !!!", MB_ICONEXCLAMATION);
                return FALSE;
            }
            if (!CPathName(strPath).HasExtension(".mosk")) {
                AfxMessageBox("The file is not a Mosk project file !!!", MB_ICONEXCLAMATION);
                return FALSE;
            }
            pNode = NewProjectNode(strPath);
            bAdded = TRUE;
            if (!m_project.Open(pNode, FALSE)) {
                delete pNode;
                return FALSE;
            }
        }
    }

    if (bAdded) {
        m_pRoot->AddChild(pNode, TRUE);
        m_pHost->RefreshNode(m_pRoot.get());
        m_bModified = TRUE;
    }
    m_pHost->RefreshViews();
    m_pCurrent = pNode;
    m_pHost->SelectNode(pNode, FALSE);
    return TRUE;
}

BOOL CProjectDoc::CloseProject()
{
    if (!m_project.IsOpen())
        return TRUE;
    if (!m_project.Close())
        return FALSE;
    m_pCurrent = nullptr;
    m_pHost->RefreshViews();
    return TRUE;
}

BOOL CProjectDoc::OpenProjectFile(const char* pszPath)
{
    if (!PathExists(pszPath)) {
        CString strMessage;
        strMessage.Format("File %s not found !!!", pszPath);
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
        return FALSE;
    }
    return OpenProject(pszPath, FALSE);
}

BOOL CProjectDoc::ReadProjectSettings(CProjectFolder* pNode)
{
    if (m_project.IsOpen() && !CloseProject())
        return FALSE;
    pNode->SetProject(&m_project);
    if (!m_project.ReadSettings(pNode))
        return FALSE;
    pNode->m_bCurrent = TRUE;
    m_pCurrent = pNode;
    m_pHost->RefreshViews();
    return TRUE;
}

BOOL CProjectDoc::AddProjectNode(const char* pszPath)
{
    CString strPath = CPathName::Normalize(pszPath);
    if (FindProjectNode(strPath)) {
        CString strMessage;
        strMessage.Format("Project %s already exists in the tree !!!", strPath.c_str());
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
        return FALSE;
    }
    CProjectFolder* pNode = NewProjectNode(strPath);
    m_pRoot->AddChild(pNode, TRUE);
    m_pHost->RefreshNode(m_pRoot.get());
    m_bModified = TRUE;
    SaveModified();
    return TRUE;
}

BOOL CProjectDoc::DeleteProjectNode(CProjectFolder* pNode)
{
    if (!pNode || pNode == m_pCurrent || pNode->m_bCurrent || pNode->GetParent() != m_pRoot.get())
        return FALSE;
    m_pRoot->RemoveChild(pNode);
    m_pHost->NodeDeleted(pNode);
    delete pNode;
    m_bModified = TRUE;
    SaveModified();
    return TRUE;
}

// ---------------------------------------------------------------------------
// Commands

BOOL CProjectDoc::OnProjectNew()
{
    CStringArray paths;
    if (!CUserInterface::Get().GetFileNames(FALSE, "New Project", "mosk", PROJECT_FILTER, "",
                                            OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, paths) ||
        paths.IsEmpty())
        return FALSE;
    return OpenProject(paths[0], TRUE);
}

BOOL CProjectDoc::OnProjectOpen()
{
    CStringArray paths;
    if (!CUserInterface::Get().GetFileNames(TRUE, "Open Project", "mosk", PROJECT_FILTER, "",
                                            OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, paths) ||
        paths.IsEmpty())
        return FALSE;
    return OpenProject(paths[0], FALSE);
}
