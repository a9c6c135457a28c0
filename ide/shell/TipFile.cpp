#include "TipFile.h"

#include "ArchiveFile.h"
#include "Profile.h"
#include "SettingsFile.h"

#include <sys/stat.h>

namespace {

const char* const s_pszSection = "Tip";

// A tips file is a page of short lines; anything bigger is not one.
constexpr size_t MAX_TIPS_FILE_SIZE = 1 << 20;

} // namespace

const char* const CTipFile::s_pszMissingText = "Tips file does not exist in the prescribed directory";
const char* const CTipFile::s_pszNoTipsText = "The tips file holds no tips";

CTipFile::CTipFile(const char* pszPath)
    : m_strPath(pszPath ? pszPath : "")
{
}

CString CTipFile::TimeStampOf(const char* pszPath)
{
    struct stat st;
    if (!pszPath || ::stat(pszPath, &st) != 0)
        return CString();
    CString strStamp;
    strStamp.Format("%lld", static_cast<long long>(st.st_mtime));
    return strStamp;
}

BOOL CTipFile::Open(CProfile& profile)
{
    m_bOpen = FALSE;
    m_strText.clear();
    m_nPos = 0;
    struct stat st;
    if (m_strPath.IsEmpty() || ::stat(m_strPath, &st) != 0 || !S_ISREG(st.st_mode)
        || static_cast<size_t>(st.st_size) > MAX_TIPS_FILE_SIZE)
        return FALSE;
    CString strError;
    if (!CArchiveFile::ReadWholeFile(m_strPath, m_strText, strError))
        return FALSE;
    m_bOpen = TRUE;

    CString strStamp = TimeStampOf(m_strPath);
    if (profile.GetString(s_pszSection, "TimeStamp", "") != strStamp) {
        CSettingsFile::WriteString(profile, s_pszSection, "TimeStamp", strStamp);
        return TRUE;
    }
    int nPos = profile.GetInt(s_pszSection, "FilePos", 0);
    if (nPos <= 0 || static_cast<size_t>(nPos) >= m_strText.size())
        return TRUE;
    // A position edited by hand may point into a line: the tip starts at the next line.
    if (m_strText[nPos - 1] != '\n') {
        size_t nEnd = m_strText.find('\n', nPos);
        nPos = nEnd == std::string::npos ? 0 : static_cast<int>(nEnd + 1);
    }
    m_nPos = static_cast<size_t>(nPos) >= m_strText.size() ? 0 : nPos;
    return TRUE;
}

CString CTipFile::TipOnLine(int nStart, int& nNext) const
{
    size_t nEnd = m_strText.find('\n', nStart);
    if (nEnd == std::string::npos)
        nEnd = m_strText.size();
    nNext = static_cast<int>(nEnd < m_strText.size() ? nEnd + 1 : nEnd);
    CString strLine(m_strText.data() + nStart, static_cast<int>(nEnd) - nStart);
    strLine.Trim();
    if (strLine.IsEmpty() || strLine[0] == ';')
        return CString();
    return strLine;
}

CString CTipFile::NextTip()
{
    if (!m_bOpen)
        return s_pszMissingText;
    const int nSize = static_cast<int>(m_strText.size());
    // The position is always a line start: from it to the end, then from the start up to it.
    const int ranges[2][2] = {{m_nPos, nSize}, {0, m_nPos}};
    for (const auto& range : ranges) {
        for (int nLine = range[0]; nLine < range[1];) {
            int nNext = 0;
            CString strTip = TipOnLine(nLine, nNext);
            if (!strTip.IsEmpty()) {
                m_nPos = nNext >= nSize ? 0 : nNext;
                return strTip;
            }
            nLine = nNext;
        }
    }
    return s_pszNoTipsText;
}

BOOL CTipFile::SavePosition(CProfile& profile) const
{
    if (!m_bOpen)
        return TRUE;
    return CSettingsFile::WriteInt(profile, s_pszSection, "FilePos", m_nPos);
}

int CTipFile::CountTips() const
{
    int nCount = 0;
    for (int nLine = 0; nLine < static_cast<int>(m_strText.size());) {
        int nNext = 0;
        if (!TipOnLine(nLine, nNext).IsEmpty())
            ++nCount;
        nLine = nNext;
    }
    return nCount;
}

CString CTipFile::Dump() const
{
    CString strDump;
    strDump.Format("path=%s\nopen=%d\npos=%d\ntips=%d\n", m_strPath.c_str(), m_bOpen ? 1 : 0, m_nPos, CountTips());
    return strDump;
}
