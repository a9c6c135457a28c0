#include "IndexCommand.h"

#include "ArchiveFile.h"
#include "BeanDoc.h"
#include "HelpCommand.h"
#include "HelpDoc.h"
#include "StringArray.h"
#include "PkgDoc.h"

#include <cstdio>
#include <string>

namespace {

int Fail(const char* pszPath, const CString& strError)
{
    std::fprintf(stderr, "mosk-tool: %s: %s\n", pszPath, strError.c_str());
    return 1;
}

// A bean index starts with the folder record's tag 1 and the folder's class.
BOOL LooksLikeBeanIndex(const std::string& strData)
{
    static const char s_folderClass[] = "CTreeFolder";
    return strData.size() > 10 && strData.compare(10, sizeof s_folderClass - 1, s_folderClass) == 0;
}

// A help tree ("mosk.hpg") is a folder tree like a bean index: its name, or
// the class of one of its items, tells them apart.
BOOL LooksLikeHelpTree(const char* pszPath, const std::string& strData)
{
    std::string strPath(pszPath);
    if (strPath.size() >= 4 && strPath.compare(strPath.size() - 4, 4, ".hpg") == 0)
        return TRUE;
    return LooksLikeBeanIndex(strData) &&
           (strData.find("CHTMLItem") != std::string::npos || strData.find("CURLItem") != std::string::npos);
}

} // namespace

int CIndexCommand::Run(int argc, char** argv)
{
    if (argc != 1) {
        std::fprintf(stderr,
                     "usage: mosk-tool index FILE\n"
                     "Prints a package index (mosk.pkg), a bean index (mosk.bns), a help tree (mosk.hpg)\nor a search index (.ipg), one entry a line, "
                     "indented by depth.\n");
        return 2;
    }
    const char* pszPath = argv[0];
    // Search indices (.ipg) have a reader of their own.
    bool bHandled = false;
    int nHelpStatus = CHelpCommand::PrintHelpFile(pszPath, bHandled);
    if (bHandled)
        return nHelpStatus;
    std::string strData;
    CString strError;
    if (!CArchiveFile::ReadWholeFile(pszPath, strData, strError))
        return Fail(pszPath, strError);
    if (LooksLikeHelpTree(pszPath, strData)) {
        CStringArray noHelpDirs;
        CHelpDoc doc(noHelpDirs);
        if (!doc.ReadBytes(strData, strError))
            return Fail(pszPath, strError);
        std::fputs(doc.Dump(), stdout);
        return 0;
    }
    if (LooksLikeBeanIndex(strData)) {
        CBeanDoc doc;
        if (!doc.ReadBytes(strData, strError))
            return Fail(pszPath, strError);
        std::fputs(doc.Dump(), stdout);
        return 0;
    }
    CPkgDoc doc;
    if (!doc.ReadBytes(strData, strError))
        return Fail(pszPath, strError);
    std::fputs(doc.Dump(), stdout);
    return 0;
}
