// Fuzz target: the output pane's error-line parser (a double click on a
// compiler message or a stack-trace line opens the source line). A line
// that names a place must name a file and a line >= 1 found in the line
// itself; what follows the first line break never matters; and the place
// printed again in its own form ("file:line: ..." or "\tat class.m(file:line)")
// must read back as the same place.
#include "ErrorLine.h"
#include "ErrorLocation.h"

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
    std::string strLine(reinterpret_cast<const char*>(pData), nSize);
    CErrorLocation location;
    BOOL bFound = CErrorLine::Parse(strLine.c_str(), location);

    // Only the first line counts, and only its first MAX_LINE_LENGTH characters.
    size_t nEnd = strLine.find_first_of(std::string("\r\n\0", 3));
    std::string strFirst = strLine.substr(0, nEnd == std::string::npos ? strLine.size() : nEnd);
    if (strFirst.size() > static_cast<size_t>(CErrorLine::MAX_LINE_LENGTH))
        strFirst.resize(static_cast<size_t>(CErrorLine::MAX_LINE_LENGTH));
    CErrorLocation alone;
    Check(CErrorLine::Parse((strFirst + "\n:1:x:2:y").c_str(), alone) == bFound);
    Check(alone.Dump() == location.Dump());
    if (!bFound) {
        Check(location.m_strFile.IsEmpty() && location.m_nLine == 0);
        return 0;
    }
    Check(location.m_nLine >= 1 && !location.m_strFile.IsEmpty());
    Check(strFirst.find(location.m_strFile.str()) != std::string::npos);

    CString strPrinted;
    if (location.m_bStackTrace) {
        CString strClass = location.m_strClass.IsEmpty() ? CString("") : location.m_strClass + ".";
        strPrinted.Format("\tat %smain(%s:%d)", strClass.c_str(), location.m_strFile.c_str(), location.m_nLine);
    } else {
        strPrinted.Format("%s:%d: error: x", location.m_strFile.c_str(), location.m_nLine);
    }
    CErrorLocation again;
    Check(CErrorLine::Parse(strPrinted, again));
    Check(again.m_strFile == location.m_strFile && again.m_nLine == location.m_nLine);
    return 0;
}
