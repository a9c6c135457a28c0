// Helpers for the rich-edit tests: streaming a string in and out through the
// control's callback protocol, and a compact picture of the formatted text.
#pragma once

#include "CharFormatTable.h"
#include "FormatRuns.h"
#include "RichEditCtrl.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

struct CStringSource {
    std::string strData;
    size_t nAt = 0;
    LONG nMaxPerCall = 0x7FFFFFFF;  // bytes handed over per callback at most
    int nFailAtCall = -1;           // callback number that returns an error
    int nCalls = 0;

    static DWORD Callback(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
    {
        CStringSource* p = reinterpret_cast<CStringSource*>(dwCookie);
        if (p->nCalls++ == p->nFailAtCall) {
            *pcb = 0;
            return 7;
        }
        LONG n = static_cast<LONG>(std::min<size_t>({static_cast<size_t>(cb), p->strData.size() - p->nAt,
                                                     static_cast<size_t>(p->nMaxPerCall)}));
        std::memcpy(pbBuff, p->strData.data() + p->nAt, static_cast<size_t>(n));
        p->nAt += static_cast<size_t>(n);
        *pcb = n;
        return 0;
    }
};

struct CStringSink {
    std::string strData;
    LONG nTakePerCall = 0x7FFFFFFF;
    std::vector<LONG> offered;

    static DWORD Callback(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
    {
        CStringSink* p = reinterpret_cast<CStringSink*>(dwCookie);
        p->offered.push_back(cb);
        LONG n = std::min(cb, p->nTakePerCall);
        p->strData.append(reinterpret_cast<const char*>(pbBuff), static_cast<size_t>(n));
        *pcb = n;
        return 0;
    }
};

// Streams strData into ctrl with the given format; returns the result.
inline LONG StreamString(CRichEditCtrl& ctrl, const std::string& strData, int nFormat, DWORD* pdwError = nullptr)
{
    CStringSource source;
    source.strData = strData;
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&source), 0, &CStringSource::Callback};
    LONG n = ctrl.StreamIn(nFormat, es);
    if (pdwError)
        *pdwError = es.dwError;
    return n;
}

// The text cut into its format runs: "text{#RRGGBB b i u 12pt}" per run, the
// size only when not 10pt, the face only when not Courier New; CR LF shown
// as "|".
inline std::string Styled(const CRichEditCtrl& ctrl)
{
    std::string strOut;
    CString strText = ctrl.GetWindowText();
    LONG nAt = 0;
    while (nAt < strText.GetLength()) {
        int nFormat = ctrl.GetFormatIndexAt(nAt);
        LONG nEnd = nAt;
        while (nEnd < strText.GetLength() && ctrl.GetFormatIndexAt(nEnd) == nFormat)
            ++nEnd;
        std::string strRun = strText.str().substr(static_cast<size_t>(nAt), static_cast<size_t>(nEnd - nAt));
        for (size_t i; (i = strRun.find("\r\n")) != std::string::npos;)
            strRun.replace(i, 2, "|");
        const CHARFORMAT& cf = ctrl.GetFormatTable().GetAt(nFormat);
        char szColor[16];
        std::snprintf(szColor, sizeof szColor, "#%02X%02X%02X", GetRValue(cf.crTextColor), GetGValue(cf.crTextColor),
                      GetBValue(cf.crTextColor));
        strOut += strRun + "{" + szColor;
        if (cf.dwEffects & CFE_BOLD)
            strOut += " b";
        if (cf.dwEffects & CFE_ITALIC)
            strOut += " i";
        if (cf.dwEffects & CFE_UNDERLINE)
            strOut += " u";
        if (cf.yHeight != 200)
            strOut += " " + std::to_string(cf.yHeight / 20) + "pt";
        if (std::strcmp(cf.szFaceName, "Courier New") != 0)
            strOut += std::string(" ") + cf.szFaceName;
        strOut += "}";
        nAt = nEnd;
    }
    return strOut;
}

inline CHARFORMAT MakeFormat(DWORD dwMask, DWORD dwEffects = 0, COLORREF cr = 0, LONG yHeight = 0,
                             const char* pszFace = "")
{
    CHARFORMAT cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = dwMask;
    cf.dwEffects = dwEffects;
    cf.crTextColor = cr;
    cf.yHeight = yHeight;
    std::strncpy(cf.szFaceName, pszFace, LF_FACESIZE - 1);
    return cf;
}
