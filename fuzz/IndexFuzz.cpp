// Fuzz target: the package index ("mosk.pkg") reader on arbitrary bytes.
// Every input must either read or fail with an error text, and a failed
// read leaves the index as it was; what reads must write, and reading that
// again gives the same dump.
#include "Archive.h"
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    FuzzPackageIndex(std::string(reinterpret_cast<const char*>(pData), nSize));
    return 0;
}
