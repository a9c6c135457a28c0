#include "DirSettings.h"

#include "Profile.h"
#include "SettingsFile.h"
#include "UserInterface.h"

#include <sys/stat.h>

namespace {

struct CPathList {
    const char* pszCountKey;
    const char* pszMemberKey;
    CStringArray CDirSettings::* pList;
    CString CDirSettings::* pSingle;
};

const CPathList s_lists[] = {
    {"ExePathCount", "ExePath", &CDirSettings::m_ExePaths, &CDirSettings::m_strExePath},
    {"SrcPathCount", "SrcPath", &CDirSettings::m_SrcPaths, &CDirSettings::m_strSourcePath},
    {"DocPathCount", "DocPath", &CDirSettings::m_DocPaths, &CDirSettings::m_strDocPath},
};

struct CStringKey {
    const char* pszSection;
    const char* pszKey;
    CString CDirSettings::* pValue;
};

const CStringKey s_strings[] = {
    {"Java", "ExePath", &CDirSettings::m_strExePath},
    {"Java", "SourcePath", &CDirSettings::m_strSourcePath},
    {"Java", "DocPath", &CDirSettings::m_strDocPath},
    {"Java", "BeanDocPath", &CDirSettings::m_strBeanDocPath},
    {"Java", "JSDKDocPath", &CDirSettings::m_strJSDKDocPath},
    {"Mosk", "Path", &CDirSettings::m_strProgramPath},
    {"Browser", "Path", &CDirSettings::m_strBrowserPath},
};

CString NumberedKey(const char* pszName, int n)
{
    CString strKey;
    strKey.Format("%s%d", pszName, n);
    return strKey;
}

} // namespace

// The tenth and twelfth entries are the same folder: both positions count,
// since stored directory numbers refer to positions.
const char* const CDirSettings::s_docSubfolders[DOC_SUBFOLDER_COUNT] = {
    "/api",
    "/guide/awt",
    "/guide/awt/designspec",
    "/guide/awt/designspec/graphics",
    "/guide/innerclasses",
    "/guide/innerclasses/html",
    "/guide/intl",
    "/guide/intl/demo/collate",
    "/guide/intl/demo/datetimeformat",
    "/guide/intl/demo/messageformat",
    "/guide/intl/demo/numberformat",
    "/guide/intl/demo/messageformat",
    "/guide/intl/demp/textbound",
    "/guide/intl/html",
    "/guide/io",
    "/guide/jar",
    "/guide/jdbc",
    "/guide/misc",
    "/guide/nativemethod",
    "/guide/net",
    "/guide/performance",
    "/guide/reflection",
    "/guide/reflection/html",
    "/guide/rmi",
    "/guide/security",
    "/guide/serialization",
    "/relnotes",
    "/tooldocs/solaris",
    "/tooldocs/win32",
};

void CDirSettings::Load(CProfile& profile, const char* pszDefaultProgramPath)
{
    m_HelpDirs.RemoveAll();
    for (const CStringKey& key : s_strings)
        this->*key.pValue = profile.GetString(key.pszSection, key.pszKey, this->*key.pValue);

    for (const CPathList& list : s_lists) {
        CStringArray& paths = this->*list.pList;
        paths.RemoveAll();
        int nCount = profile.GetInt("Java", list.pszCountKey, 0);
        // A count beyond the keys the section holds names nothing more (and a
        // damaged count must not turn into a billion look-ups).
        int nKeys = static_cast<int>(profile.GetKeyNames("Java").size());
        if (nCount > nKeys)
            nCount = nKeys;
        for (int n = 1; n <= nCount; ++n) {
            CString strPath = profile.GetString("Java", NumberedKey(list.pszMemberKey, n), "");
            if (!strPath.IsEmpty())
                paths.Add(strPath);
        }
        if (nCount <= 0 && !(this->*list.pSingle).IsEmpty())
            paths.Add(this->*list.pSingle);
    }

    UpdateApiDocDir();
    if (m_strProgramPath.IsEmpty())
        m_strProgramPath = pszDefaultProgramPath;
}

void CDirSettings::UpdateApiDocDir()
{
    if (m_strDocPath.IsEmpty())
        return;
    // Only a whole folder named "api" counts, not "/apidocs" or "/apis".
    for (int nPos = m_strDocPath.Find("/api"); nPos >= 0; nPos = m_strDocPath.Find("/api", nPos + 1)) {
        int nAfter = nPos + 4;
        if (nAfter == m_strDocPath.GetLength() || m_strDocPath[nAfter] == '/') {
            m_strDocPath = m_strDocPath.Left(nPos);
            break;
        }
    }
    m_strApiDocDir = m_strDocPath + "/api/";
}

void CDirSettings::BuildHelpDirs(CProfile& profile, BOOL& bWarning)
{
    m_HelpDirs.RemoveAll();
    m_nProgramDirNumber = m_nProgramHelpDirNumber = 0;
    if (!m_strProgramPath.IsEmpty()) {
        m_HelpDirs.Add(m_strProgramPath);
        m_HelpDirs.Add(m_strProgramPath + "/help");
        m_nProgramDirNumber = 1;
        m_nProgramHelpDirNumber = 2;
        m_strTipsFile = m_strProgramPath + "/tips.txt";
    }
    if (!m_strDocPath.IsEmpty()) {
        for (const char* pszSub : s_docSubfolders)
            m_HelpDirs.Add(m_strDocPath + pszSub);
        bWarning = FALSE;
    }
    if (!m_strBeanDocPath.IsEmpty())
        m_HelpDirs.Add(m_strBeanDocPath + "/javadoc");
    if (!m_strJSDKDocPath.IsEmpty())
        m_HelpDirs.Add(m_strJSDKDocPath + "/apidoc");
    while (m_HelpDirs.GetSize() < FIRST_USER_DIR)
        m_HelpDirs.Add(CString());
    for (int n = 1; n <= USER_DIR_KEYS; ++n) {
        CString strDir = profile.GetString("User", NumberedKey("Path", n), "");
        if (!strDir.IsEmpty())
            m_HelpDirs.Add(strDir);
    }
}

BOOL CDirSettings::Save(CProfile& profile) const
{
    BOOL bOk = TRUE;
    for (const CStringKey& key : s_strings)
        bOk = CSettingsFile::WriteString(profile, key.pszSection, key.pszKey, this->*key.pValue) && bOk;
    for (const CPathList& list : s_lists) {
        const CStringArray& paths = this->*list.pList;
        bOk = CSettingsFile::WriteInt(profile, "Java", list.pszCountKey, paths.GetSize()) && bOk;
        for (int i = 0; i < paths.GetSize(); ++i)
            bOk = CSettingsFile::WriteString(profile, "Java", NumberedKey(list.pszMemberKey, i + 1), paths[i]) && bOk;
    }
    // "Path1".."Path100" hold the entries from index 100 on; the rest are removed.
    for (int n = 1; n <= USER_DIR_KEYS; ++n) {
        int nIndex = FIRST_USER_DIR + n - 1;
        CString strDir = nIndex < m_HelpDirs.GetSize() ? m_HelpDirs[nIndex] : CString();
        CString strKey = NumberedKey("Path", n);
        if (strDir.IsEmpty())
            bOk = CSettingsFile::DeleteKey(profile, "User", strKey) && bOk;
        else
            bOk = CSettingsFile::WriteString(profile, "User", strKey, strDir) && bOk;
    }
    return bOk;
}

BOOL CDirSettings::ApplyDialog(const CDialogValues& values, CProfile& profile, BOOL& bWarning)
{
    const struct {
        const CString& strPath;
        const char* pszMessage;
    } checks[] = {
        {values.strBrowserPath, "Browser file path does not exist"},
        {values.strExePath, "Java EXE files path does not exist"},
        {values.strSourcePath, "Java Source files path does not exist"},
        {values.strDocPath, "Java DOC path does not exist"},
        {values.strBeanDocPath, "Java Bean DOC path does not exist"},
        {values.strJSDKDocPath, "Java Server SDK DOC path does not exist"},
        {values.strProgramPath, "Mosk program path does not exist"},
    };
    for (const auto& check : checks) {
        struct stat st;
        if (!check.strPath.IsEmpty() && ::stat(check.strPath, &st) != 0) {
            AfxMessageBox(check.pszMessage, MB_OK | MB_ICONINFORMATION);
            return FALSE;
        }
    }
    m_strBrowserPath = values.strBrowserPath;
    m_strExePath = values.strExePath;
    m_strSourcePath = values.strSourcePath;
    m_strDocPath = values.strDocPath;
    m_strBeanDocPath = values.strBeanDocPath;
    m_strJSDKDocPath = values.strJSDKDocPath;
    m_strProgramPath = values.strProgramPath;
    UpdateApiDocDir();
    m_ExePaths = values.exePaths;
    m_SrcPaths = values.srcPaths;
    m_DocPaths = values.docPaths;
    // The user folders (index 100 on) survive the rebuild.
    CStringArray userDirs;
    for (int i = FIRST_USER_DIR; i < m_HelpDirs.GetSize(); ++i)
        userDirs.Add(m_HelpDirs[i]);
    BuildHelpDirs(profile, bWarning);
    m_HelpDirs.SetSize(FIRST_USER_DIR);
    for (int i = 0; i < userDirs.GetSize(); ++i)
        m_HelpDirs.Add(userDirs[i]);
    return TRUE;
}

int CDirSettings::FindSelection(const CStringArray& list, const char* pszCurrent)
{
    CString strCurrent(pszCurrent);
    if (strCurrent.IsEmpty())
        return -1;
    for (int i = 0; i < list.GetSize(); ++i)
        if (list[i].Left(strCurrent.GetLength()) == strCurrent)
            return i;
    return -1;
}

int CDirSettings::FindHelpDirNumber(const char* pszFolder) const
{
    for (int i = 0; i < m_HelpDirs.GetSize(); ++i)
        if (m_HelpDirs[i] == pszFolder)
            return i + 1;
    return 0;
}

CString CDirSettings::GetHelpDir(int nNumber) const
{
    if (nNumber < 1 || nNumber > m_HelpDirs.GetSize())
        return CString();
    return m_HelpDirs[nNumber - 1];
}

CString CDirSettings::Dump() const
{
    CString strOut, strLine;
    auto line = [&](const char* pszName, const CString& strValue) {
        strOut += pszName;
        strOut += ": ";
        strOut += strValue;
        strOut += '\n';
    };
    auto list = [&](const char* pszName, const CStringArray& arr) {
        for (int i = 0; i < arr.GetSize(); ++i) {
            strLine.Format("%s[%d]: %s\n", pszName, i, arr[i].c_str());
            strOut += strLine;
        }
    };
    line("DocPath", m_strDocPath);
    line("BeanDocPath", m_strBeanDocPath);
    line("ExePath", m_strExePath);
    line("ApiDocDir", m_strApiDocDir);
    line("SourcePath", m_strSourcePath);
    line("JSDKDocPath", m_strJSDKDocPath);
    line("ProgramPath", m_strProgramPath);
    line("TipsFile", m_strTipsFile);
    line("BrowserPath", m_strBrowserPath);
    strLine.Format("ProgramDirNumber: %d\nProgramHelpDirNumber: %d\n", m_nProgramDirNumber, m_nProgramHelpDirNumber);
    strOut += strLine;
    list("ExePaths", m_ExePaths);
    list("SrcPaths", m_SrcPaths);
    list("DocPaths", m_DocPaths);
    // Only the entries that hold a folder: the list is padded with empty ones.
    for (int i = 0; i < m_HelpDirs.GetSize(); ++i) {
        if (m_HelpDirs[i].IsEmpty())
            continue;
        strLine.Format("HelpDirs[%d]: %s\n", i, m_HelpDirs[i].c_str());
        strOut += strLine;
    }
    return strOut;
}
