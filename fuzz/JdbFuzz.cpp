// Fuzz target: the readers of the debugger's answers. The input is split
// at its first NUL byte into the text read so far and the piece that
// arrives next. Checked:
//   - a stop found lies inside the text and begins with a stop marker;
//   - when no stop begins in the text, the tail it keeps is enough: the
//     next piece after the tail finds the same stop as after the whole text;
//   - a failed deferred breakpoint's line is taken whole, so that reading
//     them one after the other ends;
//   - a stack line that names a place names a file found in it and a line
//     >= 1, and the place printed again as a stack line reads back the same.
#include "SourcePosition.h"
#include "StopParser.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Check(bool bOk)
{
    if (!bOk)
        abort();
}

bool SameStop(CStopParser::EResult nResult, const CDebuggerStop& a, CStopParser::EResult nOther, const CDebuggerStop& b)
{
    if (nResult != nOther)
        return false;
    return nResult != CStopParser::STOP_FOUND ||
           (a.m_strClass == b.m_strClass && a.m_nLine == b.m_nLine && a.m_bException == b.m_bException);
}

void CheckStop(const CString& strText)
{
    static const char* const s_markers[] = {"Breakpoint hit:", "Step completed:", "Exception occurred:",
                                            "Stopping due to deferred breakpoint errors."};
    CDebuggerStop stop;
    int nStart = -1;
    CStopParser::EResult nResult = CStopParser::FindStop(strText, stop, nStart);
    if (nResult == CStopParser::STOP_NONE)
        return;
    Check(nStart >= 0 && nStart < strText.GetLength());
    bool bMarker = false;
    for (const char* pszMarker : s_markers)
        bMarker = bMarker || strText.str().compare(static_cast<size_t>(nStart), std::strlen(pszMarker), pszMarker) == 0;
    Check(bMarker);
    if (nResult == CStopParser::STOP_FOUND)
        Check(stop.m_nEnd > nStart && stop.m_nEnd <= strText.GetLength() && !stop.m_strClass.IsEmpty());
}

void CheckTail(const CString& strText, const CString& strNext)
{
    CDebuggerStop stop;
    int nStart = 0;
    if (CStopParser::FindStop(strText, stop, nStart) != CStopParser::STOP_NONE)
        return;
    int nKeep = CStopParser::KeepTail(strText);
    Check(nKeep >= 0 && nKeep <= strText.GetLength());
    CDebuggerStop whole, kept;
    int nWholeStart = 0, nKeptStart = 0;
    CStopParser::EResult nWhole = CStopParser::FindStop(strText + strNext, whole, nWholeStart);
    CStopParser::EResult nKept = CStopParser::FindStop(strText.Right(nKeep) + strNext, kept, nKeptStart);
    Check(SameStop(nWhole, whole, nKept, kept));
}

void CheckDeferred(CString strText)
{
    CString strPlace;
    int nEnd = 0;
    while (CStopParser::FindDeferredFailure(strText, strPlace, nEnd)) {
        Check(nEnd > 0 && nEnd <= strText.GetLength());
        Check(strPlace.Find('\n') < 0);
        strText = strText.Mid(nEnd);
    }
}

void CheckPosition(const std::string& strLine)
{
    CString strFile, strClass;
    int nLine = 0;
    if (!CSourcePosition::Parse(strLine.c_str(), strFile, nLine, strClass))
        return;
    Check(nLine >= 1 && !strFile.IsEmpty());
    Check(strLine.find(strFile.str()) != std::string::npos);
    CSourcePosition::PathUnder("/src", strClass, strFile);
    CString strPrinted;
    strPrinted.Format("  [1] %s%smain (%s:%d)", strClass.c_str(), strClass.IsEmpty() ? "" : ".", strFile.c_str(), nLine);
    CString strFileAgain, strClassAgain;
    int nLineAgain = 0;
    Check(CSourcePosition::Parse(strPrinted, strFileAgain, nLineAgain, strClassAgain));
    Check(strFileAgain == strFile && nLineAgain == nLine && strClassAgain == strClass);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    std::string strInput(reinterpret_cast<const char*>(pData), nSize);
    size_t nSplit = strInput.find('\0');
    CString strText(strInput.substr(0, nSplit).c_str());
    CString strNext(nSplit == std::string::npos ? "" : strInput.substr(nSplit + 1).c_str());
    CheckStop(strText);
    CheckStop(strText + strNext);
    CheckTail(strText, strNext);
    CheckDeferred(strText + strNext);
    CStopParser::EndsWithPrompt(strText);
    CStopParser::IsBreakpointSet(strText);
    CStopParser::IsBreakpointCleared(strText);
    CStopParser::IsNoCode(strText);
    CheckPosition(strText.str());
    return 0;
}
