#include "HelpCommand.h"

#include "AppFolders.h"
#include "DirSettings.h"
#include "IndexReader.h"
#include "Profile.h"
#include "SearchIndex.h"
#include "SystemIndexBuilder.h"

#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <cstring>

namespace {

// The help directory list of the settings, with pszDocDir (may be null) as the documentation folder.
void LoadHelpDirs(CDirSettings& dirs, const char* pszDocDir)
{
    CProfile profile(CAppFolders::GetSettingsFolder() + "/mosk.ini");
    dirs.Load(profile, CAppFolders::GetDataFolder());
    if (pszDocDir) {
        // Entries address their documents by full path, so the folder is made absolute.
        char szReal[PATH_MAX];
        dirs.m_strDocPath = CSystemIndexBuilder::GetDocFolder(realpath(pszDocDir, szReal) ? szReal : pszDocDir);
        dirs.UpdateApiDocDir();
    }
    BOOL bWarning = FALSE;
    dirs.BuildHelpDirs(profile, bWarning);
}

bool EndsWith(const char* psz, const char* pszEnd)
{
    size_t n = std::strlen(psz), m = std::strlen(pszEnd);
    return n >= m && std::strcmp(psz + n - m, pszEnd) == 0;
}

} // namespace

int CHelpCommand::RunIndex(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mosk-tool help-index DOCDIR OUT.ipg\n");
        return 2;
    }
    auto start = std::chrono::steady_clock::now();
    CDirSettings dirs;
    LoadHelpDirs(dirs, argv[0]);
    CSearchIndex index(dirs.m_HelpDirs, FALSE, FALSE);
    CSystemIndexBuilder::CStats stats;
    CString strError;
    if (!CSystemIndexBuilder::Build(dirs.m_strDocPath, index, stats, strError)) {
        std::fprintf(stderr, "mosk-tool: %s\n", strError.c_str());
        return 1;
    }
    if (!index.Save(argv[1], FALSE)) {
        std::fprintf(stderr, "mosk-tool: cannot write %s\n", argv[1]);
        return 1;
    }
    double dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%d pages, %d links, %d entries, %d duplicates refused, %d skipped, %.2f s\n", stats.nPages,
                stats.nLinks, stats.nAdded, stats.nRefused, stats.nSkipped, dSeconds);
    return 0;
}

int CHelpCommand::RunSearch(int argc, char** argv)
{
    const char* pszDocDir = nullptr;
    if (argc == 4 && std::strcmp(argv[0], "--doc") == 0) {
        pszDocDir = argv[1];
        argc -= 2;
        argv += 2;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: mosk-tool help-search [--doc DOCDIR] INDEX KEYWORD\n");
        return 2;
    }
    CDirSettings dirs;
    LoadHelpDirs(dirs, pszDocDir);
    CSearchIndex index(dirs.m_HelpDirs, FALSE, FALSE);
    CIndexReader probe;
    if (!probe.Open(argv[0])) {
        std::fprintf(stderr, "mosk-tool: cannot open %s\n", argv[0]);
        return 1;
    }
    probe.Close();
    if (!index.Load(argv[0])) {
        std::fprintf(stderr, "mosk-tool: %s is not a search index\n", argv[0]);
        return 1;
    }
    int nKeyword = index.GetKeywords().FindPrefix(argv[1]);
    if (nKeyword < 0)
        return 1;
    CStringArray displays, addresses;
    if (!index.ListTopics(nKeyword, displays, addresses)) {
        std::fprintf(stderr, "mosk-tool: cannot read %s\n", argv[0]);
        return 1;
    }
    for (int i = 0; i < displays.GetSize(); ++i)
        std::printf("%s\t%s\n", displays[i].c_str(), addresses[i].c_str());
    return 0;
}

int CHelpCommand::PrintHelpFile(const char* pszPath, bool& bHandled)
{
    bHandled = EndsWith(pszPath, ".ipg");
    if (!bHandled)
        return 0;
    CIndexReader reader;
    DWORD nCount = 0;
    if (!reader.Open(pszPath)) {
        std::fprintf(stderr, "mosk-tool: cannot open %s\n", pszPath);
        return 1;
    }
    if (!reader.ReadCount(nCount)) {
        std::fprintf(stderr, "mosk-tool: %s: bad entry count\n", pszPath);
        return 1;
    }
    std::printf("search index %s: %u entries\n", pszPath, nCount);
    CSearchEntry entry;
    for (DWORD i = 0; i < nCount; ++i) {
        if (!reader.ReadEntry(entry)) {
            std::fprintf(stderr, "mosk-tool: %s: entry %u at %u is cut short\n", pszPath, i + 1, entry.m_nFilePos);
            return 1;
        }
        std::printf("%u: keyword \"%s\" dir %u file \"%s\" ext %u anchor \"%s\"\n", entry.m_nFilePos,
                    entry.m_strKeyword.c_str(), entry.m_nDirNumber, entry.m_strFile.c_str(), entry.m_nExtCode,
                    entry.m_strAnchor.c_str());
    }
    if (!reader.AtEnd())
        std::printf("%zu bytes after the last entry\n", reader.GetSize() - reader.GetPosition());
    return 0;
}
