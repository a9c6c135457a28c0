#include "CharFormatTable.h"

#include <cstring>

CHARFORMAT CCharFormatTable::Normalized(const CHARFORMAT& cf)
{
    CHARFORMAT out{};
    out.cbSize = sizeof(CHARFORMAT);
    out.dwMask = SUPPORTED_MASK;
    out.dwEffects = cf.dwEffects & SUPPORTED_EFFECTS;
    out.yHeight = cf.yHeight;
    out.crTextColor = cf.crTextColor;
    size_t nFace = strnlen(cf.szFaceName, LF_FACESIZE - 1);
    std::memcpy(out.szFaceName, cf.szFaceName, nFace);
    out.szFaceName[nFace] = '\0';
    return out;
}

DWORD CCharFormatTable::AgreeingMask(const CHARFORMAT& a, const CHARFORMAT& b)
{
    DWORD dwMask = SUPPORTED_MASK;
    if (a.crTextColor != b.crTextColor)
        dwMask &= ~CFM_COLOR;
    if ((a.dwEffects ^ b.dwEffects) & CFE_BOLD)
        dwMask &= ~CFM_BOLD;
    if ((a.dwEffects ^ b.dwEffects) & CFE_ITALIC)
        dwMask &= ~CFM_ITALIC;
    if ((a.dwEffects ^ b.dwEffects) & CFE_UNDERLINE)
        dwMask &= ~CFM_UNDERLINE;
    if (a.yHeight != b.yHeight)
        dwMask &= ~CFM_SIZE;
    if (std::strncmp(a.szFaceName, b.szFaceName, LF_FACESIZE) != 0)
        dwMask &= ~CFM_FACE;
    return dwMask;
}

bool CCharFormatTable::IsSame(const CHARFORMAT& a, const CHARFORMAT& b)
{
    return AgreeingMask(a, b) == SUPPORTED_MASK;
}

void CCharFormatTable::Apply(CHARFORMAT& cfTarget, const CHARFORMAT& cfSource, DWORD dwMask)
{
    if (dwMask & CFM_COLOR)
        cfTarget.crTextColor = cfSource.crTextColor;
    DWORD dwEffects = 0;
    if (dwMask & CFM_BOLD)
        dwEffects |= CFE_BOLD;
    if (dwMask & CFM_ITALIC)
        dwEffects |= CFE_ITALIC;
    if (dwMask & CFM_UNDERLINE)
        dwEffects |= CFE_UNDERLINE;
    cfTarget.dwEffects = (cfTarget.dwEffects & ~dwEffects) | (cfSource.dwEffects & dwEffects);
    if ((dwMask & CFM_SIZE) && cfSource.yHeight > 0)
        cfTarget.yHeight = cfSource.yHeight;
    if (dwMask & CFM_FACE) {
        size_t nFace = strnlen(cfSource.szFaceName, LF_FACESIZE - 1);
        std::memcpy(cfTarget.szFaceName, cfSource.szFaceName, nFace);
        std::memset(cfTarget.szFaceName + nFace, 0, LF_FACESIZE - nFace);
    }
}

int CCharFormatTable::Intern(const CHARFORMAT& cf)
{
    CHARFORMAT key = Normalized(cf);
    if (m_nLastHit >= 0 && IsSame(m_formats[static_cast<size_t>(m_nLastHit)], key))
        return m_nLastHit;
    for (size_t i = 0; i < m_formats.size(); ++i) {
        if (IsSame(m_formats[i], key)) {
            m_nLastHit = static_cast<int>(i);
            return m_nLastHit;
        }
    }
    if (static_cast<int>(m_formats.size()) >= MAX_FORMATS)
        return static_cast<int>(m_formats.size()) - 1;
    m_formats.push_back(key);
    m_nLastHit = static_cast<int>(m_formats.size()) - 1;
    return m_nLastHit;
}

void CCharFormatTable::RemoveAll()
{
    m_formats.clear();
    m_nLastHit = -1;
}

void CCharFormatTable::Compact(const std::vector<bool>& used, std::vector<int>& remap)
{
    remap.assign(m_formats.size(), -1);
    size_t nKept = 0;
    for (size_t i = 0; i < m_formats.size(); ++i) {
        if (i < used.size() && used[i]) {
            m_formats[nKept] = m_formats[i];
            remap[i] = static_cast<int>(nKept++);
        }
    }
    m_formats.resize(nKept);
    m_nLastHit = -1;
}

CString CCharFormatTable::Describe(const CHARFORMAT& cf)
{
    CString str;
    str.Format("#%02X%02X%02X", GetRValue(cf.crTextColor), GetGValue(cf.crTextColor), GetBValue(cf.crTextColor));
    if (cf.dwEffects & CFE_BOLD)
        str += " b";
    if (cf.dwEffects & CFE_ITALIC)
        str += " i";
    if (cf.dwEffects & CFE_UNDERLINE)
        str += " u";
    CString strSize;
    if (cf.yHeight % 20 == 0)
        strSize.Format(" %dpt", static_cast<int>(cf.yHeight / 20));
    else if (cf.yHeight % 10 == 0)
        strSize.Format(" %d.5pt", static_cast<int>(cf.yHeight / 20));
    else
        strSize.Format(" %dtw", static_cast<int>(cf.yHeight));
    str += strSize;
    str += " ";
    str += CString(cf.szFaceName, static_cast<int>(strnlen(cf.szFaceName, LF_FACESIZE)));
    return str;
}
