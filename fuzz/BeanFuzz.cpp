// Fuzz target: the bean language, the descriptions the "DumpBean" helper
// writes, read by the Java parser with the bean reader's sink. Every input
// reads; each complete bean read must store in the bean index's form and
// read back to the same dump, consuming what was stored.
#include "Archive.h"
#include "BeanObject.h"
#include "BeanParseData.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

void Check(bool bOk)
{
    if (!bOk)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    std::vector<std::unique_ptr<CBeanObject>> beans;
    CBeanParseData::ReadText(reinterpret_cast<const char*>(pData), static_cast<long>(nSize), beans);
    for (const auto& pBean : beans) {
        Check(pBean->m_bComplete && !pBean->m_strName.IsEmpty());
        CString strDump;
        pBean->DumpTo(strDump, 0);
        CArchive out;
        out.WriteObject(pBean.get());
        CArchive in(out.GetData().data(), out.GetData().size());
        std::unique_ptr<CObject> pAgain(in.ReadOwnedObject(MOSK_RUNTIME_CLASS(CBeanObject)));
        Check(pAgain && in.GetRemaining() == 0);
        CString strAgain;
        static_cast<CBeanObject*>(pAgain.get())->DumpTo(strAgain, 0);
        Check(strAgain == strDump);
    }
    return 0;
}
