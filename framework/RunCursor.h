// CRunCursor: walks a list of format runs (CFormatRuns' packed length and
// format words) character by character, telling the format in force. Past
// the last run the last format stays in force; with no runs it is -1.
#pragma once

#include "FormatRuns.h"

#include <limits>
#include <vector>

class CRunCursor {
public:
    // runs (not copied) must outlive the cursor.
    explicit CRunCursor(const std::vector<DWORD>& runs)
        : m_runs(runs),
          m_nLeft(runs.empty() ? std::numeric_limits<LONG>::max() : CFormatRuns::RunLength(runs[0])),
          m_nFormat(runs.empty() ? -1 : CFormatRuns::RunFormat(runs[0]))
    {
    }

    // Format-table index of the character at the cursor; -1: the default format.
    int GetFormat() const { return m_nFormat; }

    // Moves the cursor nCount characters on.
    void Advance(LONG nCount)
    {
        while (nCount > 0) {
            if (m_nLeft > nCount) {
                m_nLeft -= nCount;
                return;
            }
            nCount -= m_nLeft;
            if (m_nRun + 1 >= m_runs.size()) {
                m_nLeft = std::numeric_limits<LONG>::max();
                return;
            }
            ++m_nRun;
            m_nLeft = CFormatRuns::RunLength(m_runs[m_nRun]);
            m_nFormat = CFormatRuns::RunFormat(m_runs[m_nRun]);
        }
    }

private:
    const std::vector<DWORD>& m_runs;
    size_t m_nRun = 0;
    LONG m_nLeft;
    int m_nFormat;
};
