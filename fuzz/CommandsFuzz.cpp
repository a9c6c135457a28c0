// Fuzz target: the reader of the user commands file ("user.cmd") on
// arbitrary bytes. Every input must either load or raise CArchiveException;
// what loads must write and load again to the same dump and the same bytes.
#include "Archive.h"
#include "CommandsDoc.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool bOk)
{
    if (!bOk)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    CCommandsDoc doc;
    try {
        CArchive ar(pData, nSize);
        doc.Serialize(ar);
    } catch (const CArchiveException&) {
        // The expected answer to a malformed stream.
        Check(doc.GetCount() == 0);
        return 0;
    }
    CArchive out;
    doc.Serialize(out);
    CCommandsDoc again;
    CArchive in(out.GetData().data(), out.GetData().size());
    again.Serialize(in);
    Check(in.GetRemaining() == 0);
    Check(again.Dump() == doc.Dump());
    CArchive outAgain;
    again.Serialize(outAgain);
    Check(outAgain.GetData() == out.GetData());
    return 0;
}
