// Writes the seed corpus of help_doc_fuzz into the folder named on the
// command line: help trees with nested folders, documents inside and
// outside the help directories, and links.
#include "Archive.h"
#include "HTMLItem.h"
#include "HelpDoc.h"
#include "StringArray.h"
#include "TreeFolder.h"
#include "URLItem.h"

#include <cstdio>
#include <string>

namespace {

bool WriteSeed(const std::string& strPath, const CHelpDoc& doc)
{
    CArchive ar;
    doc.Store(ar);
    FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (!pFile)
        return false;
    std::fwrite(ar.GetData().data(), 1, ar.GetData().size(), pFile);
    return std::fclose(pFile) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: help_doc_fuzz_seeds FOLDER\n");
        return 2;
    }
    std::string strFolder = argv[1];
    CStringArray helpDirs;
    CHelpDoc empty(helpDirs);
    bool bOk = WriteSeed(strFolder + "/empty", empty);

    CHelpDoc doc(helpDirs);
    CTreeFolder* pRoot = doc.GetRoot();
    pRoot->AddChild(new CHTMLItem(0, "/docs/guide/index.html"), FALSE);
    pRoot->AddChild(new CURLItem("New URL", "http://localhost/tutorial/"), FALSE);
    auto* pFolder = new CTreeFolder("API");
    pRoot->AddChild(pFolder, FALSE);
    pFolder->AddChild(new CHTMLItem(3, "package-summary.html"), FALSE);
    pFolder->AddChild(new CHTMLItem(101, "notes.hlp"), FALSE);
    CTreeFolder* pDeep = pFolder;
    for (int i = 0; i < 4; i++) {
        auto* pSub = new CTreeFolder("Level");
        pDeep->AddChild(pSub, FALSE);
        pDeep = pSub;
    }
    pDeep->AddChild(new CURLItem("Deep", ""), FALSE);
    bOk = WriteSeed(strFolder + "/tree", doc) && bOk;
    return bOk ? 0 : 1;
}
