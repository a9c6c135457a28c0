// Fuzz target: the GUI builder's resource files (".res"). The input is
// split at its first NUL byte into the file and a new design name. Every
// design read must have its name at its offset in the file; renaming the
// first design must leave a file that reads as the same designs, that one
// with the new name, and renaming it back must restore the file byte for byte.
#include "ArchiveFile.h"
#include "FuzzFiles.h"
#include "ResourceFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool bOk)
{
    if (!bOk)
        abort();
}

std::string FileText(const std::string& strPath)
{
    std::string strText;
    CString strError;
    Check(CArchiveFile::ReadWholeFile(strPath.c_str(), strText, strError));
    return strText;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    std::string strInput(reinterpret_cast<const char*>(pData), nSize);
    size_t nSplit = strInput.find('\0');
    std::string strFile = strInput.substr(0, nSplit);
    // A name the rename dialog lets through: one line, no quote.
    std::string strName;
    if (nSplit != std::string::npos)
        for (char ch : strInput.substr(nSplit + 1))
            if (ch != '"' && ch != '\n' && ch != '\r' && ch != '\0')
                strName += ch;

    std::string strPath = CFuzzFiles::Write("fuzz.res", strFile.data(), strFile.size());
    CResourceFile file;
    Check(file.Read(strPath.c_str()));
    for (const CResourceFile::CDesign& design : file.GetDesigns())
        Check(strFile.compare(design.nNameOffset, design.strName.GetLength(), design.strName.str()) == 0 &&
              strFile[design.nNameOffset + design.strName.GetLength()] == '"');
    if (file.GetDesigns().empty()) {
        Check(file.GetFirstDesign() == nullptr);
        return 0;
    }
    Check(file.GetFirstDesign() != nullptr);

    const std::vector<CResourceFile::CDesign> before = file.GetDesigns();
    Check(file.RenameDesign(0, strName.c_str()));
    const std::vector<CResourceFile::CDesign>& after = file.GetDesigns();
    Check(after.size() == before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        Check(after[i].bFrame == before[i].bFrame);
        Check(after[i].strName == (i == 0 ? CString(strName.c_str()) : before[i].strName));
    }
    Check(file.RenameDesign(0, before[0].strName));
    Check(FileText(strPath) == strFile);
    return 0;
}
