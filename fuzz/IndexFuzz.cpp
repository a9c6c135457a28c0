// Fuzz target: the package index ("mosk.pkg") and bean index ("mosk.bns")
// readers on arbitrary bytes; the first byte chooses the reader.
// Every input must either read or fail with an error text, and a failed
// read leaves the index as it was; what reads must write, and reading that
// again gives the same dump.
#include "Archive.h"
#include "BeanDoc.h"
#include "PkgDoc.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool bOk)
{
    if (!bOk)
        abort();
}

std::string Write(CPkgDoc& doc)
{
    CArchive ar;
    doc.Serialize(ar);
    return ar.GetData();
}

void FuzzPackageIndex(const std::string& strData)
{
    CPkgDoc doc;
    CString strError;
    if (!doc.ReadBytes(strData, strError)) {
        Check(!strError.IsEmpty());
        Check(doc.GetPackageCount() == 0);
        return;
    }
    CString strDump = doc.Dump();
    CPkgDoc again;
    Check(again.ReadBytes(Write(doc), strError));
    Check(again.Dump() == strDump);
}

void FuzzBeanIndex(const std::string& strData)
{
    CBeanDoc doc;
    const CString strEmpty = doc.Dump();
    CString strError;
    if (!doc.ReadBytes(strData, strError)) {
        Check(!strError.IsEmpty());
        Check(doc.Dump() == strEmpty);
        return;
    }
    CString strDump = doc.Dump();
    CArchive ar;
    doc.Store(ar);
    CBeanDoc again;
    Check(again.ReadBytes(ar.GetData(), strError));
    Check(again.Dump() == strDump);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    if (nSize == 0)
        return 0;
    std::string strData(reinterpret_cast<const char*>(pData) + 1, nSize - 1);
    if (pData[0] & 1)
        FuzzBeanIndex(strData);
    else
        FuzzPackageIndex(strData);
    return 0;
}
