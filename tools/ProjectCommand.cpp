#include "ProjectCommand.h"

#include "ArchiveFile.h"
#include "PathName.h"
#include "ProjectDoc.h"
#include "ProjectFolder.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

// Project lists start with a version from 100 on, project files below it.
constexpr DWORD FIRST_LIST_VERSION = 100;

int Fail(const char* pszPath, const CString& strError)
{
    std::fprintf(stderr, "mosk-tool: %s: %s\n", pszPath, strError.c_str());
    return 1;
}

DWORD LeadingVersion(const std::string& strData)
{
    DWORD nVersion = 0;
    for (size_t i = 0; i < 4 && i < strData.size(); ++i)
        nVersion |= static_cast<DWORD>(static_cast<unsigned char>(strData[i])) << (8 * i);
    return nVersion;
}

} // namespace

int CProjectCommand::Run(int argc, char** argv)
{
    if (argc != 1) {
        std::fprintf(stderr,
                     "usage: mosk-tool project FILE\n"
                     "Prints a project file (.mosk) or the project list (mosk.proj) as Mosk reads\n"
                     "it (older versions after their conversion): every stored field as\n"
                     "\"name = value\", the breakpoints, the file list and the tree, one node a\n"
                     "line, indented by depth. A file that cannot be read gets one line on\n"
                     "standard error; exit status 1.\n");
        return 2;
    }
    const char* pszPath = argv[0];
    std::string strData;
    CString strError;
    if (!CArchiveFile::ReadWholeFile(pszPath, strData, strError))
        return Fail(pszPath, strError);

    CProjectDoc doc;
    CString strOut;
    if (strData.size() >= 4 && LeadingVersion(strData) >= FIRST_LIST_VERSION) {
        if (!doc.ReadBytes(strData, strError))
            return Fail(pszPath, strError);
        strOut = doc.Dump();
    } else {
        std::error_code ec;
        std::filesystem::path full = std::filesystem::absolute(pszPath, ec);
        CString strFull = CPathName::Normalize(ec ? pszPath : full.string().c_str());
        CProjectFolder node(CPathName::BaseNameOf(strFull), strFull);
        CProject& project = doc.GetProject();
        node.SetProject(&project);
        if (!project.ReadBytes(strData, strFull, &node, strError))
            return Fail(pszPath, strError);
        strOut = project.Dump() + "tree:\n";
        node.DumpTo(strOut, 2);
    }
    std::fwrite(strOut.c_str(), 1, static_cast<size_t>(strOut.GetLength()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
