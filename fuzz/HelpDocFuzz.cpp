// Fuzz target: the reader of the help tree "mosk.hpg" on arbitrary bytes.
// Every input must either read or be refused with an error text; what reads
// must write, read back, and after that one rewrite reach a fixed point:
// the second writing gives the same bytes and the same dump as the first.
#include "Archive.h"
#include "HelpDoc.h"
#include "StringArray.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool bOk)
{
    if (!bOk)
        abort();
}

std::string Write(const CHelpDoc& doc)
{
    CArchive ar;
    doc.Store(ar);
    return ar.GetData();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    CStringArray helpDirs;
    helpDirs.Add("/fuzz/docs");
    helpDirs.Add("");
    CHelpDoc doc(helpDirs);
    CString strError;
    if (!doc.ReadBytes(std::string(reinterpret_cast<const char*>(pData), nSize), strError)) {
        Check(!strError.IsEmpty());
        return 0;
    }
    std::string strFirst = Write(doc);
    CHelpDoc again(helpDirs);
    Check(again.ReadBytes(strFirst, strError));
    Check(Write(again) == strFirst);
    Check(again.Dump() == doc.Dump());
    return 0;
}
