#include "Project.h"

#include "Archive.h"
#include "ArchiveFile.h"
#include "AtomicFile.h"
#include "FileObject.h"
#include "JavaParser.h"
#include "PathName.h"
#include "ProjectFileItem.h"
#include "ProjectFolder.h"
#include "ProjectHost.h"
#include "ProjectVirtualFolder.h"
#include "ResourceFileItem.h"
#include "UserInterface.h"
#include "VarClass.h"
#include "VarInterface.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

MOSK_IMPLEMENT_DYNAMIC(CProject, CObject)

namespace {

constexpr DWORD PROJECT_VERSION = 12;
// Tags of the tree records.
constexpr DWORD TREE_FOLDER_TAG = 1;
constexpr DWORD TREE_ITEM_TAG = 2;
// Deepest folder nesting read from a file.
constexpr int MAX_TREE_DEPTH = 256;

using F = CToolOptionField;
using O = CToolOptions;

// Compiler: class path on, output directory on, debug, no warnings, verbose, optimize.
const F s_compilerSwitches[] = {
    F::Switch("compiler class path on", &O::m_bCompClassPath),
    F::Switch("compiler output directory on", &O::m_bCompOutputDir),
    F::Switch("compiler debug", &O::m_bCompDebug),
    F::Switch("compiler no warnings", &O::m_bCompNoWarnings),
    F::Switch("compiler verbose", &O::m_bCompVerbose),
    F::Switch("compiler optimize", &O::m_bCompOptimize),
};
const F s_compilerTexts[] = {
    F::Text("compiler class path", &O::m_strCompClassPath),
    F::Text("compiler output directory", &O::m_strCompOutputDir),
};
const F s_interpreterSwitches[] = {
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
};
const F s_interpreterTexts[] = {
    F::Text("interpreter class path", &O::m_strInterpClassPath),
    F::Text("interpreter -mx", &O::m_strInterpMx),
    F::Text("interpreter -ms", &O::m_strInterpMs),
    F::Text("interpreter -oss", &O::m_strInterpOss),
    F::Text("interpreter -ss", &O::m_strInterpSs),
    F::Text("interpreter -D", &O::m_strInterpD),
    F::Text("program arguments", &O::m_strInterpProgramArgs),
    F::Text("other main class", &O::m_strInterpOtherMain),
};
const F s_deprecation[] = {
    F::Switch("compiler deprecation", &O::m_bCompDeprecation),
};
const F s_javadocTexts[] = {
    F::Text("compiler extra options", &O::m_strCompExtraOptions),
    F::Text("javadoc class path", &O::m_strDocClassPath),
    F::Text("javadoc output directory", &O::m_strDocOutputDir),
    F::Text("javadoc extra options", &O::m_strDocExtraOptions),
};
const F s_javadocSwitches[] = {
    F::Number("javadoc document type", &O::m_nDocType),
    F::Switch("javadoc version", &O::m_bDocVersion),
    F::Switch("javadoc author", &O::m_bDocAuthor),
    F::Switch("javadoc no index", &O::m_bDocNoIndex),
    F::Switch("javadoc no tree", &O::m_bDocNoTree),
    F::Switch("javadoc no deprecated", &O::m_bDocNoDeprecated),
    F::Switch("javadoc class path on", &O::m_bDocClassPath),
    F::Switch("javadoc output directory on", &O::m_bDocOutputDir),
};
const F s_otherCompiler[] = {
    F::History("program arguments history", &O::m_arrProgramArgsHistory),
    F::Switch("compiler use other compiler", &O::m_bCompUseOther),
    F::Text("compiler other command", &O::m_strCompOtherCommand),
};
const F s_extraOptions[] = {
    F::Switch("compiler extra options on", &O::m_bCompExtraOptions),
    F::History("compiler extra options history", &O::m_arrCompExtraOptionsHistory),
};
const F s_histories[] = {
    F::History("compiler class path history", &O::m_arrCompClassPathHistory),
    F::History("compiler output directory history", &O::m_arrCompOutputDirHistory),
    F::History("interpreter class path history", &O::m_arrInterpClassPathHistory),
};
const F s_runSwitches[] = {
    F::Switch("interpreter other main class on", &O::m_bInterpOtherMain),
    F::Switch("interpreter program arguments on", &O::m_bInterpProgramArgs),
};
const F s_javadocHistories[] = {
    F::History("javadoc class path history", &O::m_arrDocClassPathHistory),
    F::History("javadoc output directory history", &O::m_arrDocOutputDirHistory),
};

template <size_t N>
void SerializeFields(CArchive& ar, CToolOptions& options, const F (&fields)[N])
{
    F::Serialize(ar, options, fields, N, PROJECT_VERSION);
}

template <size_t N>
void DumpFields(CString& strOut, int nIndent, const CToolOptions& options, const F (&fields)[N])
{
    F::Dump(strOut, nIndent, options, fields, N);
}

void AppendIfSet(CStringArray& arr, const CString& str)
{
    if (!str.IsEmpty())
        arr.Add(str);
}

BOOL PathExists(const char* pszPath)
{
    struct stat st;
    return ::lstat(pszPath, &st) == 0;
}

} // namespace

CProject::CProject(CProjectHost& host)
    : m_host(host)
{
}

CProject::~CProject() = default;

void CProject::Reset()
{
    m_nVersion = 0;
    m_strMainClass.Empty();
    m_strMainHtml.Empty();
    m_strProjectDir.Empty();
    m_options = CToolOptions();
    m_ClassMap.RemoveAll();
    m_strExecFile.Empty();
    m_nExecLine = 0;
    m_strPathName.Empty();
    m_strName.Empty();
    m_FileList.RemoveAll();
    m_breakpoints.clear();
    m_pNode = nullptr;
    m_bOpen = FALSE;
    m_bModified = FALSE;
    m_bMoved = FALSE;
}

CString CProject::GetFileFolder() const
{
    return CPathName(m_strPathName).GetDriveFolder();
}

BOOL CProject::Owns(const CTreeItem* pNode) const
{
    return m_bOpen && m_pNode && pNode && pNode->GetProjectFolder() == m_pNode;
}

// ---------------------------------------------------------------------------
// The ".mosk" file

void CProject::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        WriteBlocks(ar);
        return;
    }
    DWORD nVersion;
    ar >> nVersion;
    m_nVersion = nVersion;
    if (nVersion < 1 || nVersion > PROJECT_VERSION)
        return;  // the caller refuses the version
    ReadBlocks(ar, nVersion);
    ApplyReadFixups(nVersion);
}

void CProject::ReadBlocks(CArchive& ar, DWORD nVersion)
{
    if (nVersion < 10) {
        ar.SerializeStrings(m_FileList);
        for (POSITION pos = m_FileList.GetHeadPosition(); pos;) {
            POSITION posThis = pos;
            CString strPath = CPathName::ToSlashes(m_FileList.GetNext(pos));
            m_FileList.SetAt(posThis, strPath);
        }
    }
    ar >> m_strMainClass;
    if (nVersion >= 2)
        ar >> m_strMainHtml;
    if (nVersion >= 3) {
        SerializeFields(ar, m_options, s_compilerSwitches);
        SerializeFields(ar, m_options, s_compilerTexts);
        SerializeFields(ar, m_options, s_interpreterSwitches);
        SerializeFields(ar, m_options, s_interpreterTexts);
    }
    if (nVersion >= 4)
        SerializeBreakpoints(ar);
    if (nVersion >= 5) {
        ar >> m_strProjectDir;
        m_strProjectDir = CPathName::ToSlashes(m_strProjectDir);
    }
    if (nVersion >= 7) {
        SerializeFields(ar, m_options, s_deprecation);
        SerializeFields(ar, m_options, s_javadocTexts);
        SerializeFields(ar, m_options, s_javadocSwitches);
    }
    if (nVersion >= 8)
        SerializeFields(ar, m_options, s_otherCompiler);
    if (nVersion >= 9)
        SerializeFields(ar, m_options, s_extraOptions);
    if (nVersion >= 10)
        ReadProjectTree(ar);
    if (nVersion >= 11)
        SerializeFields(ar, m_options, s_histories);
    if (nVersion >= 12) {
        SerializeFields(ar, m_options, s_runSwitches);
        SerializeFields(ar, m_options, s_javadocHistories);
    }
}

void CProject::WriteBlocks(CArchive& ar)
{
    ar << PROJECT_VERSION << m_strMainClass << m_strMainHtml;
    SerializeFields(ar, m_options, s_compilerSwitches);
    SerializeFields(ar, m_options, s_compilerTexts);
    SerializeFields(ar, m_options, s_interpreterSwitches);
    SerializeFields(ar, m_options, s_interpreterTexts);
    SerializeBreakpoints(ar);
    ar << m_strProjectDir;
    SerializeFields(ar, m_options, s_deprecation);
    SerializeFields(ar, m_options, s_javadocTexts);
    SerializeFields(ar, m_options, s_javadocSwitches);
    SerializeFields(ar, m_options, s_otherCompiler);
    SerializeFields(ar, m_options, s_extraOptions);
    if (m_pNode) {
        WriteSubtree(ar, m_pNode);
    } else {
        CProjectFolder folder(m_strName, m_strPathName);
        WriteSubtree(ar, &folder);
    }
    SerializeFields(ar, m_options, s_histories);
    SerializeFields(ar, m_options, s_runSwitches);
    SerializeFields(ar, m_options, s_javadocHistories);
}

void CProject::SerializeBreakpoints(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_breakpoints.size());
        for (const auto& entry : m_breakpoints) {
            ar << entry.first;
            entry.second->Serialize(ar);
        }
        return;
    }
    // A set takes at least a key length byte and a DWORD count.
    DWORD nSets = ar.ReadBoundedCount(5);
    for (DWORD i = 0; i < nSets; ++i) {
        CString strKey;
        ar >> strKey;
        CBreakpointSet set(strKey);
        set.Serialize(ar);
        if (set.GetCount() == 0)
            continue;  // sets never stay empty
        std::unique_ptr<CBreakpointSet>& pSet = m_breakpoints[strKey];
        if (!pSet)
            pSet = std::make_unique<CBreakpointSet>(strKey);
        for (const CBreakpoint& entry : set.GetEntries())
            pSet->Add(entry.m_strClass, entry.m_nLine);
    }
}

void CProject::ReadProjectTree(CArchive& ar)
{
    DWORD nTag;
    ar >> nTag;
    std::unique_ptr<CProjectFolder> pStored(
        static_cast<CProjectFolder*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CProjectFolder))));

    // A project file found elsewhere than where it was written takes its real place.
    CString strRealFolder = GetFileFolder();
    if (m_strProjectDir != strRealFolder) {
        m_strProjectDir = strRealFolder;
        m_bMoved = TRUE;
    }
    if (pStored->m_strPath != m_strPathName) {
        pStored->m_strPath = m_strPathName;
        m_bMoved = TRUE;
    }
    m_pNode->m_strPath = pStored->m_strPath;
    m_pNode->m_nPending = pStored->m_nPending;
    pStored.reset();

    if (m_pNode->m_bLoaded)
        DeleteNodeChildren(m_pNode);
    ReadChildren(ar, m_pNode, 0);
    m_pNode->m_bLoaded = TRUE;
}

void CProject::ReadChildren(CArchive& ar, CTreeFolder* pFolder, int nDepth)
{
    if (nDepth >= MAX_TREE_DEPTH)
        ar.ThrowError(CArchiveException::tooDeep);
    DWORD nCount = pFolder->m_nPending;
    pFolder->m_nPending = 0;
    for (DWORD i = 0; i < nCount; ++i) {
        DWORD nTag;
        ar >> nTag;
        if (nTag == TREE_ITEM_TAG) {
            CTreeItem* pItem = static_cast<CTreeItem*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CTreeItem)));
            if (pItem->IsFolder()) {
                // A folder's children follow it only in a folder record.
                CString strClass = pItem->GetRuntimeClass()->m_lpszClassName;
                delete pItem;
                ar.ThrowError(CArchiveException::badClass, strClass);
            }
            pFolder->AddChild(pItem, FALSE);
            CString strPath = pItem->GetPathName();
            if (pItem->IsKindOf(MOSK_RUNTIME_CLASS(CProjectFileItem)))
                m_FileList.AddTail(strPath);
        } else {
            CTreeFolder* pChild =
                static_cast<CTreeFolder*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CProjectFolderBase)));
            pFolder->AddChild(pChild, FALSE);
            ReadChildren(ar, pChild, nDepth + 1);
        }
    }
}

void CProject::WriteSubtree(CArchive& ar, CTreeFolder* pFolder)
{
    ar << TREE_FOLDER_TAG;
    ar.WriteObject(pFolder);
    for (int i = 0; i < pFolder->GetChildCount(); ++i) {
        CTreeItem* pChild = pFolder->GetChild(i);
        if (pChild->IsFolder()) {
            WriteSubtree(ar, static_cast<CTreeFolder*>(pChild));
        } else {
            ar << TREE_ITEM_TAG;
            ar.WriteObject(pChild);
        }
    }
}

void CProject::ApplyReadFixups(DWORD nVersion)
{
    CToolOptions& o = m_options;
    if (m_FileList.IsEmpty()) {
        m_strMainClass.Empty();
        m_strMainHtml.Empty();
    }
    if (!m_strMainClass.IsEmpty() && !m_strMainHtml.IsEmpty())
        m_strMainHtml.Empty();
    if (m_strProjectDir.IsEmpty() || nVersion >= 10)
        m_strProjectDir = GetFileFolder();
    if (nVersion < 12) {
        o.m_bInterpProgramArgs = !o.m_strInterpProgramArgs.IsEmpty();
        o.m_bInterpOtherMain = !o.m_strInterpOtherMain.IsEmpty();
        AppendIfSet(o.m_arrDocClassPathHistory, o.m_strDocClassPath);
        AppendIfSet(o.m_arrDocOutputDirHistory, o.m_strDocOutputDir);
    }
    if (nVersion < 11) {
        AppendIfSet(o.m_arrCompClassPathHistory, o.m_strCompClassPath);
        AppendIfSet(o.m_arrCompOutputDirHistory, o.m_strCompOutputDir);
        AppendIfSet(o.m_arrInterpClassPathHistory, o.m_strInterpClassPath);
    }
    if (nVersion == 7)
        AppendIfSet(o.m_arrProgramArgsHistory, o.m_strInterpProgramArgs);
    if (nVersion == 8)
        AppendIfSet(o.m_arrCompExtraOptionsHistory, o.m_strCompExtraOptions);
    // The project's own compiler command is chosen anew in each session.
    o.m_bCompUseOther = FALSE;
    if (nVersion < 10)
        ConvertOldFileList();
}

void CProject::ConvertOldFileList()
{
    // The old list becomes file items of the project node, in list order;
    // the files themselves are left as they are on disk.
    CStringList paths;
    for (POSITION pos = m_FileList.GetHeadPosition(); pos;) {
        const CString& strPath = m_FileList.GetNext(pos);
        if (!paths.Find(strPath))
            paths.AddTail(strPath);
    }
    m_FileList.RemoveAll();
    if (m_pNode->m_bLoaded)
        DeleteNodeChildren(m_pNode);
    for (POSITION pos = paths.GetHeadPosition(); pos;) {
        const CString& strPath = paths.GetNext(pos);
        CProjectFileItem* pItem = CPathName(strPath).HasExtension(".res") ? new CResourceFileItem(strPath)
                                                                         : new CProjectFileItem(strPath);
        m_pNode->AddChild(pItem, FALSE);
        m_FileList.AddTail(strPath);
    }
    m_pNode->m_bLoaded = TRUE;
}

void CProject::DeleteNodeChildren(CTreeFolder* pFolder)
{
    while (pFolder->GetChildCount() > 0) {
        CTreeItem* pChild = pFolder->GetChild(pFolder->GetChildCount() - 1);
        pFolder->RemoveChild(pChild);
        ForgetItem(pChild);
        m_host.NodeDeleted(pChild);
        delete pChild;
    }
}

BOOL CProject::ReadBytes(const std::string& strData, const char* pszPath, CProjectFolder* pNode,
                         CString& strError)
{
    CString strPath(pszPath);
    Reset();
    m_strPathName = strPath;
    m_pNode = pNode;
    m_strName = CPathName::BaseNameOf(strPath);
    try {
        CArchive ar(strData.data(), strData.size());
        CProjectFileItem::CFolderScope scope(GetFileFolder());
        Serialize(ar);
    } catch (const CArchiveException& e) {
        strError = "Error reading the project file " + CString(pszPath) + ": " + e.GetMessage() + " !!!";
    } catch (const std::bad_alloc&) {
        strError = "Error allocating memory !!!";
    }
    if (!strError.IsEmpty()) {
        // Nothing half-read stays in the tree.
        DeleteNodeChildren(pNode);
        pNode->m_bLoaded = FALSE;
        m_FileList.RemoveAll();
        return FALSE;
    }
    if (m_nVersion < 1 || m_nVersion > PROJECT_VERSION) {
        strError = "Incorrect project version. Cannot open the project !!!";
        return FALSE;
    }
    return TRUE;
}

BOOL CProject::ReadFile(const char* pszPath, CProjectFolder* pNode, CString& strError)
{
    if (!PathExists(pszPath)) {
        strError.Format("Project file %s does not exist !!!", pszPath);
        return FALSE;
    }
    std::string strData;
    CString strSystemError;
    if (!CArchiveFile::ReadWholeFile(pszPath, strData, strSystemError)) {
        strError = "Error opening the file !!!";
        return FALSE;
    }
    return ReadBytes(strData, pszPath, pNode, strError);
}

// ---------------------------------------------------------------------------
// Open, close, save

BOOL CProject::Open(CProjectFolder* pNode, BOOL bNew)
{
    Reset();
    m_pNode = pNode;
    m_strPathName = pNode->m_strPath;
    m_strName = CPathName::BaseNameOf(m_strPathName);
    m_strPrevTitle = m_host.GetMainTitle();
    m_host.SetMainTitle(m_strPrevTitle + " - " + m_strName);
    m_FileList.RemoveAll();

    if (bNew) {
        CString strError;
        if (!CArchiveFile::WriteWholeFile(m_strPathName, std::string(), strError)) {
            m_host.SetMainTitle(m_strPrevTitle);
            Reset();
            AfxMessageBox("Error creating the file !!!", MB_ICONEXCLAMATION);
            return FALSE;
        }
        if (pNode->GetChildCount() > 0)
            DeleteNodeChildren(pNode);
        pNode->m_bLoaded = TRUE;
        m_strProjectDir = GetFileFolder();
        m_nVersion = PROJECT_VERSION;
        m_bModified = TRUE;
    } else {
        CString strError;
        if (!ReadFile(m_strPathName, pNode, strError)) {
            m_host.SetMainTitle(m_strPrevTitle);
            Reset();
            AfxMessageBox(strError, MB_ICONEXCLAMATION);
            return FALSE;
        }
        if (m_nVersion < PROJECT_VERSION) {
            m_nVersion = PROJECT_VERSION;
            m_bModified = TRUE;
        }
        if (m_bMoved)
            m_bModified = TRUE;
    }

    if (!m_strProjectDir.IsEmpty() && ::chdir(m_strProjectDir) != 0) {
        // The folder may be gone; the project still opens.
    }
    m_bOpen = TRUE;
    pNode->SetProject(this);
    pNode->m_bCurrent = TRUE;
    m_host.RefreshProjectControls();
    if (m_host.GetSettings().m_bParseAllFiles)
        ParseAllFiles(FALSE, TRUE);
    return TRUE;
}

BOOL CProject::ReadSettings(CProjectFolder* pNode)
{
    Reset();
    CString strError;
    if (!ReadFile(pNode->m_strPath, pNode, strError)) {
        Reset();
        AfxMessageBox(strError, MB_ICONEXCLAMATION);
        return FALSE;
    }
    pNode->SetProject(this);
    m_bOpen = TRUE;
    m_bModified = FALSE;
    return TRUE;
}

BOOL CProject::Close()
{
    if (!m_bOpen)
        return TRUE;
    if (m_host.GetSettings().m_bCloseProjectFiles) {
        for (POSITION pos = m_FileList.GetHeadPosition(); pos;)
            if (!m_host.CloseDocument(m_FileList.GetNext(pos)))
                return FALSE;
    }
    if (m_bModified) {
        CString strQuestion;
        strQuestion.Format("Save changes to %s?", m_strPathName.c_str());
        int nAnswer = AfxMessageBox(strQuestion, MB_YESNOCANCEL | MB_ICONEXCLAMATION);
        if (nAnswer == IDCANCEL)
            return FALSE;
        if (nAnswer == IDYES && !Save())
            return FALSE;
    }
    m_host.SetMainTitle(m_strPrevTitle);
    CProjectFolder* pNode = m_pNode;
    Reset();
    if (pNode) {
        pNode->m_bCurrent = FALSE;
        m_host.RefreshNode(pNode);
    }
    return TRUE;
}

BOOL CProject::Save()
{
    if (!m_bOpen)
        return FALSE;
    CString strError;
    CString strFolder = m_strProjectDir;
    BOOL bSaved = CArchiveFile::Save(
        m_strPathName,
        [this, &strFolder](CArchive& ar) {
            CProjectFileItem::CFolderScope scope(strFolder);
            Serialize(ar);
        },
        strError);
    if (!bSaved) {
        AfxMessageBox("Error saving the project: " + strError + " !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_nVersion = PROJECT_VERSION;
    m_bModified = FALSE;
    return TRUE;
}

BOOL CProject::SaveAll()
{
    if (!m_bOpen)
        return TRUE;
    BOOL bOk = TRUE;
    for (POSITION pos = m_FileList.GetHeadPosition(); pos;)
        if (!m_host.SaveDocumentIfModified(m_FileList.GetNext(pos)))
            bOk = FALSE;
    if (m_bModified && !Save())
        bOk = FALSE;
    return bOk;
}

// ---------------------------------------------------------------------------
// Files

CString CProject::FindListedFile(const CString& strName) const
{
    if (strName.IsEmpty())
        return CString();
    for (POSITION pos = m_FileList.GetHeadPosition(); pos;) {
        const CString& strPath = m_FileList.GetNext(pos);
        if (CPathName::FileNameOf(strPath) == strName)
            return strPath;
    }
    return CString();
}

CString CProject::GetManifestPath(BOOL bCheck) const
{
    if (!m_bOpen || m_strMainClass.IsEmpty())
        return CString();
    CString strPath = m_options.m_strCompOutputDir;
    if (strPath.GetLength() > 3 && strPath[strPath.GetLength() - 1] != '/')
        strPath += '/';
    strPath += CPathName::BaseNameOf(m_strMainClass) + ".mft";
    if (bCheck && !HasFile(strPath))
        strPath.Empty();
    return strPath;
}

CProjectFileItem* CProject::FindFileItem(const char* pszPath) const
{
    if (!m_pNode)
        return nullptr;
    std::vector<CTreeItem*> files;
    m_pNode->CollectFiles(files);
    for (CTreeItem* pItem : files)
        if (pItem->GetPathName() == pszPath && pItem->IsKindOf(MOSK_RUNTIME_CLASS(CProjectFileItem)))
            return static_cast<CProjectFileItem*>(pItem);
    return nullptr;
}

BOOL CProject::AddFile(const char* pszPath, CTreeFolder* pFolder)
{
    if (!m_bOpen || !m_pNode)
        return FALSE;
    if (!pFolder)
        pFolder = m_pNode;
    if (!Owns(pFolder) || !pFolder->IsFolder())
        return FALSE;
    CString strPath;
    if (!CPathName::MakeAbsolute(pszPath, m_strProjectDir, strPath))
        return FALSE;
    CPathName path(strPath);
    if (path.HasExtension(".mosk") && strPath == m_strPathName) {
        AfxMessageBox("Cannot add Mosk project !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (HasFile(strPath)) {
        AfxMessageBox(strPath + " file already in the project !!!", MB_ICONINFORMATION);
        return FALSE;
    }
    if (!PathExists(strPath)) {
        int fd = ::open(strPath, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            AfxMessageBox("Cannot create " + strPath + ": " + std::strerror(errno), MB_ICONEXCLAMATION);
            return FALSE;
        }
        ::close(fd);
    }
    m_FileList.AddHead(strPath);
    m_bModified = TRUE;
    CProjectFileItem* pItem =
        path.HasExtension(".res") ? new CResourceFileItem(strPath) : new CProjectFileItem(strPath);
    pFolder->AddChild(pItem, TRUE);
    pFolder->m_bExpanded = TRUE;
    m_host.RefreshNode(pFolder);
    return TRUE;
}

void CProject::ForgetFile(const CString& strPath)
{
    CString strName = CPathName::FileNameOf(strPath);
    if (strName.CompareNoCase(m_strMainClass) == 0)
        m_strMainClass.Empty();
    if (strName.CompareNoCase(m_strMainHtml) == 0)
        m_strMainHtml.Empty();
    if (POSITION pos = m_FileList.Find(strPath))
        m_FileList.RemoveAt(pos);
}

void CProject::ForgetItem(const CTreeItem* pItem)
{
    std::vector<CString> keys;
    for (POSITION pos = m_ClassMap.GetStartPosition(); pos;) {
        CString strKey;
        void* pValue;
        m_ClassMap.GetNextAssoc(pos, strKey, pValue);
        if (pValue == pItem)
            keys.push_back(strKey);
    }
    for (const CString& strKey : keys)
        m_ClassMap.RemoveKey(strKey);
    if (pItem->IsFolder()) {
        const CTreeFolder* pFolder = static_cast<const CTreeFolder*>(pItem);
        for (int i = 0; i < pFolder->GetChildCount(); ++i)
            ForgetItem(pFolder->GetChild(i));
    }
}

BOOL CProject::RemoveFileItem(CProjectFileItem* pItem, BOOL bAskDiskDelete)
{
    if (!Owns(pItem))
        return FALSE;
    CString strPath = pItem->GetPathName();
    BOOL bDeleteFromDisk = FALSE;
    if (bAskDiskDelete) {
        CString strQuestion;
        strQuestion.Format("Do you want to physically delete the file %s from the disk ???", strPath.c_str());
        bDeleteFromDisk = AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
    }
    ForgetFile(strPath);
    m_bModified = TRUE;
    if (CTreeFolder* pParent = pItem->GetParent())
        pParent->RemoveChild(pItem);
    ForgetItem(pItem);
    m_host.NodeDeleted(pItem);
    delete pItem;
    if (bDeleteFromDisk)
        ::unlink(strPath);
    return TRUE;
}

BOOL CProject::RenameFileItem(CProjectFileItem* pItem, const char* pszNewName)
{
    if (!Owns(pItem))
        return FALSE;
    CString strNewName(pszNewName);
    if (strNewName.IsEmpty() || strNewName == "." || strNewName == ".." || strNewName.FindOneOf("/\\") >= 0) {
        AfxMessageBox("Invalid file name " + strNewName + " !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    CString strOldPath = pItem->GetPathName();
    CPathName oldPath(strOldPath);
    if (strNewName.CompareNoCase(oldPath.GetFileName()) == 0)
        return FALSE;
    CString strNewPath = oldPath.GetDriveFolder() + strNewName;
    if (PathExists(strNewPath)) {
        CString strMessage;
        strMessage.Format("File %s exists. Cannot rename.", strNewPath.c_str());
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (HasFile(strNewPath)) {
        AfxMessageBox("Duplicate file name in the project !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    // The existence check above is only for the message: a file made since
    // is still never overwritten.
    if (!CAtomicFile::RenameNoReplace(strOldPath, strNewPath)) {
        if (errno == EEXIST) {
            CString strMessage;
            strMessage.Format("File %s exists. Cannot rename.", strNewPath.c_str());
            AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
            return FALSE;
        }
        AfxMessageBox("Cannot rename " + strOldPath + ": " + std::strerror(errno), MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (POSITION pos = m_FileList.Find(strOldPath))
        m_FileList.SetAt(pos, strNewPath);
    // The settings follow the file they name.
    if (oldPath.GetFileName().CompareNoCase(m_strMainClass) == 0)
        m_strMainClass = strNewName;
    if (oldPath.GetFileName().CompareNoCase(m_strMainHtml) == 0)
        m_strMainHtml = strNewName;
    pItem->m_strLabel = strNewPath;
    m_bModified = TRUE;
    m_host.RefreshNode(pItem);
    return TRUE;
}

BOOL CProject::ToggleMainClass(CProjectFileItem* pItem)
{
    if (!Owns(pItem) || !CPathName(pItem->GetPathName()).HasExtension(".java"))
        return FALSE;
    CString strName = CPathName::FileNameOf(pItem->GetPathName());
    if (strName.CompareNoCase(m_strMainClass) == 0)
        m_strMainClass.Empty();
    else
        m_strMainClass = strName;
    m_bModified = TRUE;
    m_host.RefreshNode(m_pNode);
    return TRUE;
}

BOOL CProject::ToggleMainHtml(CProjectFileItem* pItem)
{
    CPathName path(pItem ? pItem->GetPathName() : CString());
    if (!Owns(pItem) || !(path.HasExtension(".html") || path.HasExtension(".htm")))
        return FALSE;
    CString strName = path.GetFileName();
    if (strName.CompareNoCase(m_strMainHtml) == 0)
        m_strMainHtml.Empty();
    else
        m_strMainHtml = strName;
    m_bModified = TRUE;
    m_host.RefreshNode(m_pNode);
    return TRUE;
}

CProjectVirtualFolder* CProject::AddFolder(CTreeFolder* pParent)
{
    if (!Owns(pParent) || !pParent->IsKindOf(MOSK_RUNTIME_CLASS(CProjectFolderBase)))
        return nullptr;
    CProjectVirtualFolder* pFolder = new CProjectVirtualFolder();
    pParent->AddChild(pFolder, TRUE);
    pParent->m_bExpanded = TRUE;
    m_bModified = TRUE;
    m_host.RefreshNode(pParent);
    m_host.SelectNode(pFolder, TRUE);
    return pFolder;
}

BOOL CProject::RenameFolder(CProjectVirtualFolder* pFolder, const char* pszLabel)
{
    if (!Owns(pFolder) || !pszLabel || !*pszLabel)
        return FALSE;
    if (pFolder->m_strLabel != pszLabel) {
        pFolder->m_strLabel = pszLabel;
        m_bModified = TRUE;
        m_host.RefreshNode(pFolder);
    }
    return TRUE;
}

BOOL CProject::DeleteFolder(CProjectVirtualFolder* pFolder)
{
    if (!Owns(pFolder))
        return FALSE;
    std::vector<CTreeItem*> files;
    pFolder->CollectFiles(files);
    for (CTreeItem* pFile : files)
        ForgetFile(pFile->GetPathName());
    if (CTreeFolder* pParent = pFolder->GetParent())
        pParent->RemoveChild(pFolder);
    ForgetItem(pFolder);
    m_host.NodeDeleted(pFolder);
    delete pFolder;
    m_bModified = TRUE;
    return TRUE;
}

void CProject::OnFileSaved(const char* pszPath)
{
    if (CProjectFileItem* pItem = m_bOpen ? FindFileItem(pszPath) : nullptr) {
        if (!pItem->m_bNeedsCompile) {
            pItem->m_bNeedsCompile = TRUE;
            m_host.RefreshNode(pItem);
        }
    }
}

void CProject::OnFileCompiled(const char* pszPath)
{
    if (CProjectFileItem* pItem = m_bOpen ? FindFileItem(pszPath) : nullptr) {
        if (pItem->m_bNeedsCompile) {
            pItem->m_bNeedsCompile = FALSE;
            m_host.RefreshNode(pItem);
        }
    }
}

// ---------------------------------------------------------------------------
// Parsing

BOOL CProject::ParseFile(const char* pszPath, BOOL bNotify)
{
    CString strError;
    CFileObject* pObject = bNotify ? CJavaParser::ParseFile(pszPath) : CJavaParser::ParseFile(pszPath, strError);
    if (!pObject)
        return FALSE;
    CProjectFileItem* pItem = FindFileItem(pszPath);
    if (!pItem) {
        delete pObject;
        return TRUE;
    }
    ForgetItem(pItem);
    pItem->SetFileObject(pObject);
    for (POSITION pos = pObject->m_Classes.GetHeadPosition(); pos;)
        m_ClassMap.SetAt(pObject->m_Classes.GetNext(pos)->GetName(), pItem);
    for (POSITION pos = pObject->m_Interfaces.GetHeadPosition(); pos;)
        m_ClassMap.SetAt(pObject->m_Interfaces.GetNext(pos)->GetName(), pItem);
    m_host.RefreshNode(pItem);
    return TRUE;
}

int CProject::ParseAllFiles(BOOL bNotify, BOOL bQuiet)
{
    if (!m_bOpen)
        return 0;
    CUserInterface& ui = CUserInterface::Get();
    ui.SetWaitCursor(TRUE);
    ui.SetStatusText("Wait, Parsing all files for main class...");
    if (!bQuiet)
        m_host.BeginProgress(m_FileList.GetCount());
    // Parsing may not change the list, but a copy keeps the walk safe.
    CStringList files(m_FileList);
    int nParsed = 0;
    for (POSITION pos = files.GetHeadPosition(); pos;) {
        const CString& strPath = files.GetNext(pos);
        CString strStatus;
        strStatus.Format("Wait, parsing file %s", strPath.c_str());
        ui.SetStatusText(strStatus);
        if (ParseFile(strPath, bNotify))
            ++nParsed;
        if (!bQuiet)
            m_host.StepProgress();
    }
    if (!bQuiet)
        m_host.EndProgress();
    ui.SetStatusText("Done");
    ui.SetWaitCursor(FALSE);
    return nParsed;
}

// ---------------------------------------------------------------------------
// Breakpoints

BOOL CProject::AddBreakpoint(const char* pszPath, const char* pszClass, WORD nLine)
{
    CString strKey = CPathName::BaseNameOf(pszPath);
    std::unique_ptr<CBreakpointSet>& pSet = m_breakpoints[strKey];
    if (!pSet)
        pSet = std::make_unique<CBreakpointSet>(strKey);
    if (!pSet->Add(pszClass, nLine))
        return FALSE;
    m_host.DebuggerSetBreakpoint(pszClass, nLine);
    m_bModified = TRUE;
    return TRUE;
}

BOOL CProject::RemoveBreakpoint(const char* pszPath, WORD nLine)
{
    auto it = m_breakpoints.find(CPathName::BaseNameOf(pszPath));
    CString strClass;
    if (it == m_breakpoints.end() || !it->second->Remove(nLine, strClass))
        return FALSE;
    if (it->second->GetCount() == 0)
        m_breakpoints.erase(it);
    m_host.DebuggerClearBreakpoint(strClass, nLine);
    m_host.RepaintSource(pszPath);
    m_bModified = TRUE;
    return TRUE;
}

BOOL CProject::HasBreakpoint(const char* pszPath, WORD nLine) const
{
    auto it = m_breakpoints.find(CPathName::BaseNameOf(pszPath));
    return it != m_breakpoints.end() && it->second->Has(nLine);
}

void CProject::RemoveAllBreakpoints(const char* pszPath)
{
    if (m_breakpoints.erase(CPathName::BaseNameOf(pszPath)) > 0)
        m_bModified = TRUE;
}

BOOL CProject::MoveBreakpoints(const char* pszPath, int nFrom, int nDelta)
{
    auto it = m_breakpoints.find(CPathName::BaseNameOf(pszPath));
    if (it == m_breakpoints.end() || !it->second->MoveLines(nFrom, nDelta))
        return FALSE;
    m_bModified = TRUE;
    return TRUE;
}

void CProject::ClearBreakpoints()
{
    m_breakpoints.clear();
}

const CBreakpointSet* CProject::GetBreakpointSet(const char* pszKey) const
{
    auto it = m_breakpoints.find(CString(pszKey));
    return it == m_breakpoints.end() ? nullptr : it->second.get();
}

// ---------------------------------------------------------------------------
// Dump

void CProject::DumpTo(CString& strOut, int nIndent) const
{
    CString strIndent(' ', nIndent);
    CString str;
    str.Format("%sversion = %u\n", strIndent.c_str(), m_nVersion);
    strOut += str;
    strOut += strIndent + "main class file = \"" + m_strMainClass + "\"\n";
    strOut += strIndent + "main HTML file = \"" + m_strMainHtml + "\"\n";
    strOut += strIndent + "project directory = \"" + m_strProjectDir + "\"\n";
    if (m_bMoved)
        strOut += strIndent + "moved\n";
    DumpFields(strOut, nIndent, m_options, s_compilerSwitches);
    DumpFields(strOut, nIndent, m_options, s_compilerTexts);
    DumpFields(strOut, nIndent, m_options, s_interpreterSwitches);
    DumpFields(strOut, nIndent, m_options, s_interpreterTexts);
    DumpFields(strOut, nIndent, m_options, s_deprecation);
    DumpFields(strOut, nIndent, m_options, s_javadocTexts);
    DumpFields(strOut, nIndent, m_options, s_javadocSwitches);
    DumpFields(strOut, nIndent, m_options, s_otherCompiler);
    DumpFields(strOut, nIndent, m_options, s_extraOptions);
    DumpFields(strOut, nIndent, m_options, s_histories);
    DumpFields(strOut, nIndent, m_options, s_runSwitches);
    DumpFields(strOut, nIndent, m_options, s_javadocHistories);
    strOut += strIndent + "breakpoints:\n";
    for (const auto& entry : m_breakpoints) {
        strOut += strIndent + "  " + entry.first + "\n";
        entry.second->DumpTo(strOut, nIndent + 4);
    }
    strOut += strIndent + "files:\n";
    for (POSITION pos = m_FileList.GetHeadPosition(); pos;)
        strOut += strIndent + "  " + m_FileList.GetNext(pos) + "\n";
}
