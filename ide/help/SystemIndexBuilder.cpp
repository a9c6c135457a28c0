#include "SystemIndexBuilder.h"

#include "HelpAddress.h"
#include "HelpProgress.h"
#include "IndexPageLinks.h"
#include "SearchEntry.h"
#include "SearchIndex.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <vector>

namespace {

BOOL IsFile(const CString& strPath)
{
    struct stat st {};
    return stat(strPath, &st) == 0 && S_ISREG(st.st_mode);
}

BOOL ReadFile(const char* pszPath, std::string& strText)
{
    std::FILE* pFile = std::fopen(pszPath, "rb");
    if (!pFile)
        return FALSE;
    strText.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pFile)) > 0)
        strText.append(buffer, n);
    BOOL bOk = !std::ferror(pFile);
    std::fclose(pFile);
    return bOk;
}

} // namespace

CString CSystemIndexBuilder::GetDocFolder(const char* pszPath)
{
    CString strPath(pszPath);
    while (strPath.GetLength() > 1 && strPath.Right(1) == "/")
        strPath = strPath.Left(strPath.GetLength() - 1);
    if (CHelpAddress::GetFileName(strPath) == "api")
        return CHelpAddress::GetFolder(strPath);
    return strPath;
}

BOOL CSystemIndexBuilder::FindIndexPages(const char* pszDocDir, CStringArray& pages)
{
    pages.RemoveAll();
    CString strFolder = CString(pszDocDir) + "/api/index-files";
    std::vector<std::pair<long, CString>> numbered;
    if (DIR* pDir = opendir(strFolder)) {
        while (dirent* pEntry = readdir(pDir)) {
            const char* pszName = pEntry->d_name;
            if (std::strncmp(pszName, "index-", 6) != 0)
                continue;
            char* pEnd = nullptr;
            long nNumber = std::strtol(pszName + 6, &pEnd, 10);
            if (pEnd == pszName + 6 || std::strcmp(pEnd, ".html") != 0)
                continue;
            numbered.emplace_back(nNumber, strFolder + "/" + pszName);
        }
        closedir(pDir);
    }
    std::sort(numbered.begin(), numbered.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& page : numbered)
        pages.Add(page.second);
    if (pages.IsEmpty()) {
        CString strAll = CString(pszDocDir) + "/api/index-all.html";
        if (IsFile(strAll))
            pages.Add(strAll);
    }
    return !pages.IsEmpty();
}

void CSystemIndexBuilder::AddPageLinks(const char* pszPagePath, const CStringArray& links, CSearchIndex& index,
                                       CStats& stats, CSeen& seen, const char* pszSkipFolder)
{
    CString strSkip(pszSkipFolder);
    CString strPage = CHelpAddress::GetFilePart(pszPagePath);
    for (int i = 0; i < links.GetSize(); ++i) {
        ++stats.nLinks;
        CString strAddress = CHelpAddress::ResolveLink(pszPagePath, links[i]);
        CString strFile = CHelpAddress::GetFilePart(strAddress);
        if (strAddress.IsEmpty() || strFile == strPage ||
            (!strSkip.IsEmpty() && CHelpAddress::GetFolder(strFile) == strSkip)) {
            ++stats.nSkipped;
            continue;
        }
        CSearchEntry entry = CSearchEntry::FromAddress(strAddress, index.GetHelpDirs());
        std::string strKey = std::to_string(entry.m_nDirNumber) + '\n' + entry.m_strFile.str() + '\n' +
                             entry.m_strAnchor.str() + '\n' + entry.m_strKeyword.str();
        for (char& ch : strKey)
            if (ch >= 'A' && ch <= 'Z')
                ch = static_cast<char>(ch + 32);
        if (seen.insert(std::move(strKey)).second && index.AddEntry(entry, FALSE))
            ++stats.nAdded;
        else
            ++stats.nRefused;
    }
}

BOOL CSystemIndexBuilder::Build(const char* pszDocDir, CSearchIndex& index, CStats& stats, CString& strError,
                                const std::atomic<bool>* pAbort, CHelpProgress* pProgress)
{
    CString strDocDir = GetDocFolder(pszDocDir);
    CStringArray pages;
    if (!FindIndexPages(strDocDir, pages)) {
        strError.Format("No index pages under %s/api", strDocDir.c_str());
        return FALSE;
    }
    // Links between the letter pages of index-files are the pages' own navigation.
    CString strIndexFolder = CHelpAddress::GetFileName(CHelpAddress::GetFolder(pages[0])) == "index-files"
                                 ? CHelpAddress::GetFolder(pages[0])
                                 : CString();
    if (pProgress)
        pProgress->Begin(pages.GetSize());
    std::string strHtml;
    CSeen seen;
    int nRead = 0;
    for (int i = 0; i < pages.GetSize(); ++i) {
        if (pAbort && pAbort->load())
            break;
        if (ReadFile(pages[i], strHtml)) {
            ++nRead;
            CStringArray links;
            CIndexPageLinks::Scan(strHtml, links);
            AddPageLinks(pages[i], links, index, stats, seen, strIndexFolder);
        }
        if (pProgress)
            pProgress->Step();
    }
    if (pProgress)
        pProgress->End();
    stats.nPages = nRead;
    if (nRead == 0) {
        strError.Format("Cannot read the index pages under %s/api", strDocDir.c_str());
        return FALSE;
    }
    return TRUE;
}
