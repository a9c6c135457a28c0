#include "StopParser.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

struct CMarker {
    const char* m_psz;
    BOOL m_bException;
};

const CMarker s_markers[] = {
    {"Breakpoint hit:", FALSE},
    {"Step completed:", FALSE},
    {"Exception occurred:", TRUE},
    {"Stopping due to deferred breakpoint errors.", FALSE},
};

bool IsNameChar(char ch)
{
    return ch != ' ' && ch != '"' && ch != ',' && ch != '\n' && ch != '\r' && ch != '\t' && ch != '(' && ch != ')';
}

// The current form after nFrom: "<class>.<method>(), line=<n> "; TRUE when whole.
// bSeen is set when a "line=" of that shape began but has not ended yet.
BOOL FindCurrentForm(const std::string& text, size_t nFrom, CDebuggerStop& stop, BOOL& bSeen)
{
    static const char s_szLine[] = "(), line=";
    const size_t nLineLen = sizeof s_szLine - 1;
    for (size_t nAt = text.find(s_szLine, nFrom); nAt != std::string::npos; nAt = text.find(s_szLine, nAt + 1)) {
        size_t nNumber = nAt + nLineLen;
        size_t nEnd = nNumber;
        if (nEnd < text.size() && text[nEnd] == '-')
            ++nEnd;
        while (nEnd < text.size() && std::isdigit(static_cast<unsigned char>(text[nEnd])))
            ++nEnd;
        if (nEnd == text.size()) {
            bSeen = TRUE;  // the number may go on in the next piece
            return FALSE;
        }
        if (nEnd == nNumber || (text[nNumber] == '-' && nEnd == nNumber + 1))
            continue;
        if (text[nEnd] != ' ' && text[nEnd] != '\n' && text[nEnd] != '\r')
            continue;
        size_t nName = nAt;
        while (nName > nFrom && IsNameChar(text[nName - 1]))
            --nName;
        std::string strMethod = text.substr(nName, nAt - nName);
        size_t nDot = strMethod.rfind('.');
        if (nDot == std::string::npos || nDot == 0)
            continue;
        stop.m_strClass = CString(strMethod.substr(0, nDot));
        stop.m_nLine = std::atoi(text.c_str() + nNumber);
        stop.m_nEnd = static_cast<int>(nEnd);
        return TRUE;
    }
    return FALSE;
}

// The classic form right after the marker: " Hello.main (Hello:9)"; TRUE
// when whole. Anything else there (program output) is not this form.
BOOL FindClassicForm(const std::string& text, size_t nFrom, CDebuggerStop& stop)
{
    size_t i = nFrom;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const size_t nName = i;
    while (i < text.size() && IsNameChar(text[i]))
        ++i;
    if (i == nName || text.compare(i, 2, " (") != 0)
        return FALSE;
    const size_t nOpen = i + 1;
    const size_t nClose = text.find(')', nOpen);
    if (nClose == std::string::npos)
        return FALSE;
    std::string strInside = text.substr(nOpen + 1, nClose - nOpen - 1);
    size_t nColon = strInside.rfind(':');
    if (nColon == std::string::npos || nColon == 0 || nColon + 1 == strInside.size())
        return FALSE;
    for (size_t j = nColon + 1; j < strInside.size(); ++j)
        if (!std::isdigit(static_cast<unsigned char>(strInside[j])))
            return FALSE;
    for (size_t j = 0; j < nColon; ++j)
        if (!IsNameChar(strInside[j]) || strInside[j] == ':')
            return FALSE;
    stop.m_strClass = CString(strInside.substr(0, nColon));
    stop.m_nLine = std::atoi(strInside.c_str() + nColon + 1);
    stop.m_nEnd = static_cast<int>(nClose + 1);
    return TRUE;
}

}  // namespace

CStopParser::EResult CStopParser::FindStop(const CString& strText, CDebuggerStop& stop, int& nStart)
{
    const std::string& text = strText.str();
    size_t nFirst = std::string::npos;
    const CMarker* pMarker = nullptr;
    for (const CMarker& marker : s_markers) {
        size_t nAt = text.find(marker.m_psz);
        if (nAt != std::string::npos && (nFirst == std::string::npos || nAt < nFirst)) {
            nFirst = nAt;
            pMarker = &marker;
        }
    }
    if (!pMarker)
        return STOP_NONE;
    nStart = static_cast<int>(nFirst);
    const size_t nFrom = nFirst + std::strlen(pMarker->m_psz);
    CDebuggerStop found;
    BOOL bCurrentSeen = FALSE;
    BOOL bFound = FindCurrentForm(text, nFrom, found, bCurrentSeen);
    if (!bFound && !bCurrentSeen)
        bFound = FindClassicForm(text, nFrom, found);
    if (!bFound)
        return STOP_PARTIAL;
    found.m_bException = pMarker->m_bException;
    stop = found;
    return STOP_FOUND;
}

int CStopParser::KeepTail(const CString& strText)
{
    const std::string& text = strText.str();
    static const char s_szDeferred[] = "Unable to set deferred breakpoint ";
    // A failed deferred breakpoint's line is read whole.
    const size_t nDeferred = text.rfind(s_szDeferred);
    if (nDeferred != std::string::npos && text.find('\n', nDeferred) == std::string::npos)
        return static_cast<int>(text.size() - nDeferred);
    size_t nKeep = 0;
    auto keepPrefixOf = [&](const char* pszWord) {
        const size_t nLen = std::strlen(pszWord);
        for (size_t n = std::min(nLen - 1, text.size()); n > nKeep; --n)
            if (text.compare(text.size() - n, n, pszWord, n) == 0) {
                nKeep = n;
                return;
            }
    };
    for (const CMarker& marker : s_markers)
        keepPrefixOf(marker.m_psz);
    keepPrefixOf(s_szDeferred);
    return static_cast<int>(nKeep);
}

BOOL CStopParser::EndsWithPrompt(const CString& strText)
{
    const std::string& text = strText.str();
    const size_t n = text.size();
    if (n >= 2 && text[n - 2] == '>' && text[n - 1] == ' ')
        return TRUE;
    // A thread's prompt: name, "[", frame number, "] ".
    if (n < 5 || text[n - 1] != ' ' || text[n - 2] != ']')
        return FALSE;
    size_t i = n - 2;
    size_t nDigits = 0;
    while (i > 0 && std::isdigit(static_cast<unsigned char>(text[i - 1]))) {
        --i;
        ++nDigits;
    }
    return nDigits > 0 && i >= 2 && text[i - 1] == '[' && text[i - 2] != '\n' && text[i - 2] != ' ';
}

BOOL CStopParser::IsBreakpointSet(const CString& strAnswer)
{
    return strAnswer.Find("Breakpoint set at") >= 0 || strAnswer.Find("Set breakpoint") >= 0 ||
           strAnswer.Find("Set deferred breakpoint") >= 0 || strAnswer.Find("Deferring breakpoint") >= 0;
}

BOOL CStopParser::IsBreakpointCleared(const CString& strAnswer)
{
    return strAnswer.Find("Breakpoint cleared") >= 0 || strAnswer.Find("Removed: breakpoint") >= 0;
}

BOOL CStopParser::IsNoCode(const CString& strAnswer)
{
    return strAnswer.Find("No code at line") >= 0;
}

BOOL CStopParser::FindDeferredFailure(const CString& strText, CString& strPlace, int& nEnd)
{
    static const char s_szDeferred[] = "Unable to set deferred breakpoint ";
    const int nAt = strText.Find(s_szDeferred);
    if (nAt < 0)
        return FALSE;
    const int nFrom = nAt + static_cast<int>(sizeof s_szDeferred - 1);
    const int nLineEnd = strText.Find('\n', nFrom);
    if (nLineEnd < 0)
        return FALSE;
    int nSpace = strText.Find(' ', nFrom);
    if (nSpace < 0 || nSpace > nLineEnd)
        nSpace = nLineEnd;
    strPlace = strText.Mid(nFrom, nSpace - nFrom);
    nEnd = nLineEnd + 1;
    return TRUE;
}
