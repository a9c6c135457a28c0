// CBrowserHost: what the package and bean indices ask of the rest of the
// program: the output window, and their views shown again after a change.
// Every operation has a harmless default, so that the command-line tool and
// the tests run the indices without windows.
#pragma once

#include "String.h"

class CBrowserHost {
public:
    virtual ~CBrowserHost() = default;

    // The output window is emptied.
    virtual void ClearOutput() { m_strOutput.Empty(); }
    // Appends text to the output window.
    virtual void WriteOutput(const char* pszText) { m_strOutput += pszText; }
    // TRUE when the output window holds text.
    virtual BOOL HasOutput() const { return !m_strOutput.IsEmpty(); }
    // The views of the index show it again.
    virtual void RefreshViews() {}

    CString m_strOutput;  // what the default output window holds
};
