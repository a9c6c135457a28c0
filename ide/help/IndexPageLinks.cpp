#include "IndexPageLinks.h"

#include <cstring>

namespace {

char LowerAscii(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch + 32) : ch; }

BOOL IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f'; }

void AppendUtf8(CString& str, unsigned long nCode)
{
    if (nCode == 0 || nCode > 0x10FFFF)
        return;
    if (nCode < 0x80) {
        str += static_cast<char>(nCode);
    } else if (nCode < 0x800) {
        str += static_cast<char>(0xC0 | (nCode >> 6));
        str += static_cast<char>(0x80 | (nCode & 0x3F));
    } else if (nCode < 0x10000) {
        str += static_cast<char>(0xE0 | (nCode >> 12));
        str += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
        str += static_cast<char>(0x80 | (nCode & 0x3F));
    } else {
        str += static_cast<char>(0xF0 | (nCode >> 18));
        str += static_cast<char>(0x80 | ((nCode >> 12) & 0x3F));
        str += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
        str += static_cast<char>(0x80 | (nCode & 0x3F));
    }
}

} // namespace

CString CIndexPageLinks::DecodeEntities(const char* psz, size_t nLength)
{
    static const struct {
        const char* pszName;
        char ch;
    } s_named[] = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", ' '}};
    CString strOut;
    for (size_t i = 0; i < nLength; ++i) {
        if (psz[i] != '&') {
            strOut += psz[i];
            continue;
        }
        size_t nEnd = i + 1;
        while (nEnd < nLength && nEnd - i < 12 && psz[nEnd] != ';')
            ++nEnd;
        if (nEnd >= nLength || psz[nEnd] != ';') {
            strOut += '&';
            continue;
        }
        std::string name(psz + i + 1, nEnd - i - 1);
        BOOL bDone = FALSE;
        if (name.size() > 1 && name[0] == '#') {
            char* pEnd = nullptr;
            unsigned long nCode = (name[1] == 'x' || name[1] == 'X') ? std::strtoul(name.c_str() + 2, &pEnd, 16)
                                                                      : std::strtoul(name.c_str() + 1, &pEnd, 10);
            if (pEnd && *pEnd == '\0') {
                AppendUtf8(strOut, nCode);
                bDone = TRUE;
            }
        } else {
            for (const auto& entity : s_named)
                if (name == entity.pszName) {
                    strOut += entity.ch;
                    bDone = TRUE;
                    break;
                }
        }
        if (bDone)
            i = nEnd;
        else
            strOut += '&';
    }
    return strOut;
}

void CIndexPageLinks::Scan(const std::string& strHtml, CStringArray& links)
{
    const char* p = strHtml.data();
    const char* pEnd = p + strHtml.size();
    while (p < pEnd) {
        const char* pTag = static_cast<const char*>(std::memchr(p, '<', static_cast<size_t>(pEnd - p)));
        if (!pTag)
            break;
        p = pTag + 1;
        if (p + 1 >= pEnd || LowerAscii(p[0]) != 'a' || !IsSpace(p[1]))
            continue;
        // Attributes up to the tag's ">" (quoted values may hold ">").
        const char* q = p + 1;
        while (q < pEnd && *q != '>') {
            while (q < pEnd && IsSpace(*q))
                ++q;
            const char* pName = q;
            while (q < pEnd && !IsSpace(*q) && *q != '=' && *q != '>')
                ++q;
            size_t nName = static_cast<size_t>(q - pName);
            while (q < pEnd && IsSpace(*q))
                ++q;
            const char* pValue = nullptr;
            size_t nValue = 0;
            if (q < pEnd && *q == '=') {
                ++q;
                while (q < pEnd && IsSpace(*q))
                    ++q;
                if (q < pEnd && (*q == '"' || *q == '\'')) {
                    char chQuote = *q++;
                    pValue = q;
                    while (q < pEnd && *q != chQuote)
                        ++q;
                    nValue = static_cast<size_t>(q - pValue);
                    if (q < pEnd)
                        ++q;
                } else {
                    pValue = q;
                    while (q < pEnd && !IsSpace(*q) && *q != '>')
                        ++q;
                    nValue = static_cast<size_t>(q - pValue);
                }
            }
            if (nName == 4 && LowerAscii(pName[0]) == 'h' && LowerAscii(pName[1]) == 'r' &&
                LowerAscii(pName[2]) == 'e' && LowerAscii(pName[3]) == 'f' && pValue)
                links.Add(DecodeEntities(pValue, nValue));
            if (nName == 0 && q < pEnd && *q != '>')
                ++q;  // a stray character: step over it
        }
        p = q;
    }
}
