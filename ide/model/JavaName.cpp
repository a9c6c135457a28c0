#include "JavaName.h"

#include <string>

namespace {

// Characters of a dotted name: identifier characters (any byte above 0x7F
// belongs to a non-ASCII identifier), dots and the "*" of an import.
bool IsNameChar(unsigned char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' ||
           ch == '$' || ch == '.' || ch == '*' || ch >= 0x80;
}

void AppendUnqualified(std::string& strOut, const std::string& strRun)
{
    size_t nEnd = strRun.size();
    size_t nDots = 0;
    while (nDots < nEnd && strRun[nEnd - 1 - nDots] == '.')
        ++nDots;
    // A varargs ellipsis (or any trailing dots) stays; the rest loses its qualification.
    std::string strBody = strRun.substr(0, nEnd - nDots);
    size_t nLastDot = strBody.rfind('.');
    if (nLastDot != std::string::npos && nLastDot + 1 < strBody.size())
        strBody.erase(0, nLastDot + 1);
    strOut += strBody;
    strOut.append(nDots, '.');
}

} // namespace

CString CJavaName::Unqualify(const char* pszText)
{
    std::string strIn(pszText ? pszText : "");
    std::string strOut;
    strOut.reserve(strIn.size());
    size_t i = 0;
    while (i < strIn.size()) {
        if (!IsNameChar(static_cast<unsigned char>(strIn[i]))) {
            strOut += strIn[i++];
            continue;
        }
        size_t nStart = i;
        while (i < strIn.size() && IsNameChar(static_cast<unsigned char>(strIn[i])))
            ++i;
        AppendUnqualified(strOut, strIn.substr(nStart, i - nStart));
    }
    return CString(std::move(strOut));
}
