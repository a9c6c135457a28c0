#include "TextFormat.h"

#include "Profile.h"

#include <cstring>

CTextFormat::CTextFormat()
    : m_crColor(0), m_nRed(0), m_nGreen(0), m_nBlue(0), m_nFontStyle(0)
{
    std::memset(&m_cf, 0, sizeof(m_cf));
    std::memset(&m_lf, 0, sizeof(m_lf));
    m_cf.cbSize = sizeof(m_cf);
}

CTextFormat::~CTextFormat() = default;

void CTextFormat::SetMaskAndEffects()
{
    m_cf.dwMask = CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
}

void CTextFormat::Init()
{
    LoadProfile();
    std::memset(&m_lf, 0, sizeof(m_lf));
    SetMaskAndEffects();
    m_cf.dwEffects = 0;
    switch (m_nFontStyle) {
    case 1:
        m_cf.dwEffects = CFE_BOLD;
        m_lf.lfWeight = FW_BOLD;
        break;
    case 2:
        m_cf.dwEffects = CFE_ITALIC;
        m_lf.lfItalic = 1;
        break;
    case 3:
        m_cf.dwEffects = CFE_UNDERLINE;
        m_lf.lfUnderline = 1;
        break;
    default:
        break;
    }
    m_crColor = RGB(m_nRed, m_nGreen, m_nBlue);
    m_cf.crTextColor = m_crColor;
}

BOOL CTextFormat::LoadProfile()
{
    return FALSE;
}

BOOL CTextFormat::SaveProfile()
{
    return FALSE;
}

BOOL CTextFormat::LoadFromSection(const char* pszSection, int nRed, int nGreen, int nBlue, int nStyle)
{
    CProfile& profile = CProfile::App();
    m_nRed = static_cast<BYTE>(profile.GetInt(pszSection, "ColorRed", nRed));
    m_nBlue = static_cast<BYTE>(profile.GetInt(pszSection, "ColorBlue", nBlue));
    m_nGreen = static_cast<BYTE>(profile.GetInt(pszSection, "ColorGreen", nGreen));
    m_nFontStyle = profile.GetInt(pszSection, "FontStyle", nStyle);
    return TRUE;
}

BOOL CTextFormat::SaveToSection(const char* pszSection)
{
    CProfile& profile = CProfile::App();
    profile.WriteInt(pszSection, "ColorRed", m_nRed);
    profile.WriteInt(pszSection, "ColorBlue", m_nBlue);
    profile.WriteInt(pszSection, "ColorGreen", m_nGreen);
    profile.WriteInt(pszSection, "FontStyle", m_nFontStyle);
    return TRUE;
}

int CTextFormat::AppendColorTable(CString& strTable, int& nIndex)
{
    CString strEntry;
    strEntry.Format("\\red%d\\green%d\\blue%d;", m_nRed, m_nGreen, m_nBlue);
    strTable += strEntry;

    static const char* const s_styleCodes[] = {"\\b0\\ul0\\i0", "\\b", "\\i", "\\ul"};
    int nStyle = (m_nFontStyle >= 0 && m_nFontStyle <= 3) ? m_nFontStyle : 0;
    m_strFormatCode.Format("%s\\cf%d", s_styleCodes[nStyle], nIndex);
    return ++nIndex;
}

BOOL CTextFormat::IsFormat(CHARFORMAT& cf, DWORD dwMask)
{
    return (dwMask & CFM_COLOR) && cf.crTextColor == m_cf.crTextColor;
}

BOOL CTextFormat::IsPattern()
{
    return FALSE;
}

int CTextFormat::IsEndOfPattern(const char*, int, int)
{
    return 0;
}

int CTextFormat::GetAdjustChannel()
{
    return 2;
}

void CTextFormat::AdjustColor(CTextFormat* pOther)
{
    COLORREF crOther = pOther->GetTextForeColor();
    if (GetRValue(crOther) != GetRValue(m_crColor) || GetGValue(crOther) != GetGValue(m_crColor)
        || GetBValue(crOther) != GetBValue(m_crColor))
        return;
    BYTE* channels[] = {&m_nRed, &m_nGreen, &m_nBlue};
    BYTE& nChannel = *channels[GetAdjustChannel()];
    nChannel = nChannel == 255 ? 254 : static_cast<BYTE>(nChannel + 1);
}

BOOL CTextFormat::IsEndPatternSameAsBeginPattern()
{
    return FALSE;
}

const char* CTextFormat::GetFormatName()
{
    return "";
}

COLORREF CTextFormat::GetTextForeColor()
{
    return m_crColor;
}

void CTextFormat::SetTextForeColor(COLORREF cr)
{
    m_crColor = cr;
}

int CTextFormat::GetFontStyle()
{
    if (m_lf.lfWeight == FW_BOLD)
        return 1;
    if (m_lf.lfUnderline)
        return 3;
    if (m_lf.lfItalic)
        return 2;
    return 0;
}

void CTextFormat::SetFontStyle(int nStyle)
{
    std::memset(&m_lf, 0, sizeof(m_lf));
    switch (nStyle) {
    case 1: m_lf.lfWeight = FW_BOLD; break;
    case 3: m_lf.lfUnderline = 1; break;
    case 2: m_lf.lfItalic = 1; break;
    case 0: m_lf.lfWeight = FW_NORMAL; break;
    default: break;
    }
}

void CTextFormat::ApplyFormat()
{
    std::memset(&m_cf, 0, sizeof(m_cf));
    m_cf.cbSize = sizeof(m_cf);
    SetMaskAndEffects();
    m_cf.crTextColor = m_crColor;
    m_nRed = GetRValue(m_crColor);
    m_nGreen = GetGValue(m_crColor);
    m_nBlue = GetBValue(m_crColor);
    if (m_lf.lfWeight == FW_BOLD) {
        m_nFontStyle = 1;
        m_cf.dwEffects = CFE_BOLD;
    } else if (m_lf.lfUnderline) {
        m_nFontStyle = 3;
        m_cf.dwEffects = CFE_UNDERLINE;
    } else if (m_lf.lfItalic) {
        m_nFontStyle = 2;
        m_cf.dwEffects = CFE_ITALIC;
    } else {
        m_nFontStyle = 0;
    }
    SaveProfile();
}

void CTextFormat::Default()
{
    std::memset(&m_lf, 0, sizeof(m_lf));
    m_lf.lfWeight = FW_NORMAL;
}

CString CTextFormat::Dump()
{
    CString str;
    str.Format("%s rgb(%d,%d,%d) color=%06X style=%d effects=%X code=%s", GetFormatName(), m_nRed, m_nGreen,
               m_nBlue, static_cast<unsigned>(m_crColor), m_nFontStyle, static_cast<unsigned>(m_cf.dwEffects),
               m_strFormatCode.c_str());
    return str;
}
