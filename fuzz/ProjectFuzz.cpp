// Fuzz target: the project file (".mosk") and project list ("mosk.proj")
// readers on arbitrary bytes. The first byte chooses the reader. Every
// input must either read or fail with an error text; what reads must write,
// and after one rewrite reach a fixed point: writing and reading again
// gives the same dump.
#include "Archive.h"
#include "ProjectDoc.h"
#include "ProjectFileItem.h"
#include "ProjectFolder.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const char* const PROJECT_PATH = "/fuzz/proj/P.mosk";

void Check(bool bOk)
{
    if (!bOk)
        abort();
}

std::string WriteProject(CProject& project)
{
    CArchive ar;
    CProjectFileItem::CFolderScope scope(project.m_strProjectDir);
    project.Serialize(ar);
    return ar.GetData();
}

// Reads a project from bytes that must read; the dump without the version and moved lines.
CString ReadProject(const std::string& strData, std::string& strRewritten)
{
    CProjectDoc doc;
    CProjectFolder node("P", PROJECT_PATH);
    node.SetProject(&doc.GetProject());
    CString strError;
    Check(doc.GetProject().ReadBytes(strData, PROJECT_PATH, &node, strError));
    strRewritten = WriteProject(doc.GetProject());
    CString strDump = doc.GetProject().Dump() + node.Dump();
    strDump.Delete(0, strDump.Find('\n') + 1);
    strDump.Replace("moved\n", "");
    return strDump;
}

void FuzzProject(const std::string& strData)
{
    CProjectDoc doc;
    CProjectFolder node("P", PROJECT_PATH);
    node.SetProject(&doc.GetProject());
    CString strError;
    if (!doc.GetProject().ReadBytes(strData, PROJECT_PATH, &node, strError)) {
        Check(!strError.IsEmpty() && node.GetChildCount() == 0);
        return;
    }
    std::string strFirst = WriteProject(doc.GetProject());
    std::string strSecond, strThird;
    CString strOnce = ReadProject(strFirst, strSecond);
    CString strTwice = ReadProject(strSecond, strThird);
    Check(strOnce == strTwice);
    Check(strSecond == strThird);
}

std::string WriteList(CProjectDoc& doc)
{
    CArchive ar;
    doc.Serialize(ar);
    return ar.GetData();
}

void FuzzList(const std::string& strData)
{
    CProjectDoc doc;
    CString strError;
    if (!doc.ReadBytes(strData, strError)) {
        Check(!strError.IsEmpty());
        return;
    }
    std::string strFirst = WriteList(doc);
    CProjectDoc once, twice;
    Check(once.ReadBytes(strFirst, strError));
    std::string strSecond = WriteList(once);
    Check(twice.ReadBytes(strSecond, strError));
    Check(once.Dump() == twice.Dump());
    Check(strSecond == WriteList(twice));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    if (nSize == 0)
        return 0;
    std::string strData(reinterpret_cast<const char*>(pData) + 1, nSize - 1);
    if (pData[0] % 2 == 0)
        FuzzProject(strData);
    else
        FuzzList(strData);
    return 0;
}
