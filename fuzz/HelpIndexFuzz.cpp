// Fuzz target: the reader of the search index files ("mosk.ipg",
// "user.ipg") on arbitrary bytes. Every input must either read or be
// refused; what reads must write back through the index's own writer to the
// same bytes (up to any bytes after the last entry), and its keyword table
// must find every one of its keywords again by prefix.
#include "IndexReader.h"
#include "KeywordTable.h"
#include "SearchEntry.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool bOk)
{
    if (!bOk)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    CIndexReader reader;
    reader.OpenMemory(reinterpret_cast<const char*>(pData), nSize);
    DWORD nCount = 0;
    if (!reader.ReadCount(nCount))
        return 0;
    std::string strWritten(reinterpret_cast<const char*>(pData), 4);
    CKeywordTable table;
    CSearchEntry entry;
    for (DWORD i = 0; i < nCount; ++i) {
        if (!reader.ReadEntry(entry))
            return 0;
        Check(entry.GetStoredSize() == reader.GetPosition() - entry.m_nFilePos);
        entry.AppendStored(strWritten);
        table.AddIfNew(entry.m_strKeyword, entry.m_nFilePos);
    }
    Check(strWritten.size() == reader.GetPosition());
    Check(strWritten.compare(0, strWritten.size(), reinterpret_cast<const char*>(pData), strWritten.size()) == 0);
    for (int i = 0; i < table.GetCount(); ++i) {
        int nFound = table.FindPrefix(table.GetKeyword(i));
        Check(nFound >= 0 && nFound <= i);
        Check(reader.Seek(table.GetPosition(i)) && reader.ReadEntry(entry));
        entry.GetAddress({});
        entry.GetDisplayText();
    }
    return 0;
}
