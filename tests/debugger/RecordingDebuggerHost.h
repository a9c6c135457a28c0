// A debugger host for tests: it records the debug page's text, the stops
// shown and cleared, and knows the classes of a fixed map (class name to
// source path).
#pragma once

#include "DebuggerHost.h"

#include <map>
#include <utility>
#include <vector>

class CRecordingDebuggerHost : public CDebuggerHost {
public:
    void WriteDebugOutput(const char* pszText) override { m_strDebug += pszText; }
    void ClearDebugOutput() override { m_strDebug.Empty(); }
    void WriteOutput(const char* pszText) override { m_strOutput += pszText; }
    void ShowDebugWindow() override { ++m_nShowDebug; }
    CString FindClassSource(const char* pszClass) override
    {
        auto it = m_classes.find(CString(pszClass));
        return it == m_classes.end() ? CString() : it->second;
    }
    BOOL ShowStop(const char* pszClass, int nLine) override
    {
        if (FindClassSource(pszClass).IsEmpty())
            return FALSE;
        m_stops.emplace_back(CString(pszClass), nLine);
        return TRUE;
    }
    void ClearStop() override { ++m_nClears; }
    const CClassIndex* GetClassIndex() override { return m_pIndex; }
    void DebuggerEnded() override { ++m_nEnded; }

    // "Class:line" of the stops shown, oldest first, joined by spaces.
    CString Stops() const
    {
        CString str;
        for (const auto& [strClass, nLine] : m_stops) {
            CString strOne;
            strOne.Format("%s%s:%d", str.IsEmpty() ? "" : " ", strClass.c_str(), nLine);
            str += strOne;
        }
        return str;
    }

    std::map<CString, CString> m_classes;
    const CClassIndex* m_pIndex = nullptr;
    CString m_strDebug;
    CString m_strOutput;
    std::vector<std::pair<CString, int>> m_stops;
    int m_nClears = 0;
    int m_nShowDebug = 0;
    int m_nEnded = 0;
};
