#include "EditorSettings.h"

#include "BrowserOptions.h"
#include "Profile.h"
#include "SettingsFile.h"
#include "SystemColors.h"
#include "UserInterface.h"

#include <cstring>
#include <iterator>

namespace {

enum EType { TYPE_STRING, TYPE_INT, TYPE_BOOL, TYPE_COLOR };
enum ESystemColor { SYS_WINDOW, SYS_WINDOW_TEXT, SYS_HIGHLIGHT };

struct CKey {
    const char* pszSection;
    const char* pszKey;
    EType nType;
    CString CEditorSettings::* pString;  // TYPE_STRING
    int CEditorSettings::* pInt;         // TYPE_INT, TYPE_BOOL
    COLORREF CEditorSettings::* pColor;  // TYPE_COLOR
    const char* pszDefault;              // TYPE_STRING
    int nDefault;                        // TYPE_INT, TYPE_BOOL; TYPE_COLOR: an ESystemColor
};

constexpr CKey Str(const char* pszSection, const char* pszKey, CString CEditorSettings::* p, const char* pszDefault)
{
    return {pszSection, pszKey, TYPE_STRING, p, nullptr, nullptr, pszDefault, 0};
}
constexpr CKey Int(const char* pszSection, const char* pszKey, int CEditorSettings::* p, int nDefault)
{
    return {pszSection, pszKey, TYPE_INT, nullptr, p, nullptr, nullptr, nDefault};
}
constexpr CKey Bool(const char* pszSection, const char* pszKey, int CEditorSettings::* p, int nDefault)
{
    return {pszSection, pszKey, TYPE_BOOL, nullptr, p, nullptr, nullptr, nDefault};
}
constexpr CKey Color(const char* pszSection, const char* pszKey, COLORREF CEditorSettings::* p, ESystemColor nColor)
{
    return {pszSection, pszKey, TYPE_COLOR, nullptr, nullptr, p, nullptr, nColor};
}

using S = CEditorSettings;

// Every key, in the order of the fields.
const CKey s_keys[] = {
    Str("Fonts", "Face", &S::m_strFontFace, "courier"),
    Int("Fonts", "Height", &S::m_nFontHeight, -13),
    Int("Editor", "Tabsize", &S::m_nTabSize, 8),
    Bool("Editor", "TabSpaces", &S::m_bTabSpaces, 0),
    Int("Editor", "MenuItems", &S::m_nMenuItems, 20),
    Int("Editor", "MRULength", &S::m_nMRULength, 8),
    Bool("Editor", "AutoExpand", &S::m_bAutoExpand, 1),
    Bool("Editor", "MenuTooltip", &S::m_bMenuTooltip, 1),
    Bool("Help", "Warning", &S::m_bWarning, 0),
    Bool("Editor", "Beep", &S::m_bBeep, 0),
    Bool("Editor", "Tip", &S::m_bTip, 1),
    Bool("Editor", "SmartIndent", &S::m_bSmartIndent, 1),
    Bool("Editor", "ParseOnSave", &S::m_bParseOnSave, 1),
    Bool("Editor", "ParseAllFiles", &S::m_bParseAllFiles, 0),
    Bool("Editor", "CloseProjectFiles", &S::m_bCloseProjectFiles, 0),
    Color("Help", "BackColor", &S::m_clrHelpBack, SYS_WINDOW),
    Color("Help", "ForeColor", &S::m_clrHelpFore, SYS_WINDOW_TEXT),
    Color("Help", "LinkColor", &S::m_clrHelpLink, SYS_HIGHLIGHT),
    Bool("Help", "Autoload", &S::m_bHelpAutoload, 1),
    Str("Help", "FontHeading", &S::m_strHelpFontHeading, "Times New Roman"),
    Str("Help", "FontNormal", &S::m_strHelpFontNormal, "Times New Roman"),
    Str("Help", "FontFixed", &S::m_strHelpFontFixed, "Courier New"),
    Int("Help", "Header1", &S::m_nHelpHeader1, 32),
    Int("Help", "Header2", &S::m_nHelpHeader2, 24),
    Int("Help", "Header3", &S::m_nHelpHeader3, 18),
    Int("Help", "Header4", &S::m_nHelpHeader4, 14),
    Int("Help", "Header5", &S::m_nHelpHeader5, 11),
    Int("Help", "Header6", &S::m_nHelpHeader6, 10),
    Int("Help", "DefaultSize", &S::m_nHelpDefaultSize, 9),
    Color("Edit", "BackColor", &S::m_clrEditBack, SYS_WINDOW),
    Int("Editor", "UndoBufferSize", &S::m_nUndoBufferSize, 100),
    Bool("Jar", "IncludeManifest", &S::m_bJarIncludeManifest, 0),
    Str("Jar", "ManifestFile", &S::m_strJarManifestFile, ""),
    Str("Jar", "OutputFile", &S::m_strJarOutputFile, ""),
    Bool("Jar", "NoCompression", &S::m_bJarNoCompression, 0),
    Bool("Jar", "NoManifestEntries", &S::m_bJarNoManifestEntries, 0),
    Bool("Jar", "SpecifyArchive", &S::m_bJarSpecifyArchive, 0),
    Bool("Jar", "Verbose", &S::m_bJarVerbose, 0),
    Str("Jar", "CustomOptions", &S::m_strJarCustomOptions, ""),
    Bool("Jar", "Custom", &S::m_bJarCustom, 0),
    Bool("RMIC", "ClassPath", &S::m_bRmicClassPath, 0),
    Bool("RMIC", "Custom", &S::m_bRmicCustom, 0),
    Bool("RMIC", "Debug", &S::m_bRmicDebug, 0),
    Bool("RMIC", "DebugTables", &S::m_bRmicDebugTables, 0),
    Bool("RMIC", "Depend", &S::m_bRmicDepend, 0),
    Bool("RMIC", "OutputDir", &S::m_bRmicOutputDir, 0),
    Bool("RMIC", "KeepGenerated", &S::m_bRmicKeepGenerated, 0),
    Bool("RMIC", "NoWarn", &S::m_bRmicNoWarn, 0),
    Bool("RMIC", "NoWrite", &S::m_bRmicNoWrite, 0),
    Bool("RMIC", "Optimize", &S::m_bRmicOptimize, 0),
    Bool("RMIC", "Show", &S::m_bRmicShow, 0),
    Bool("RMIC", "SkelDir", &S::m_bRmicSkelDir, 0),
    Bool("RMIC", "StubDir", &S::m_bRmicStubDir, 0),
    Bool("RMIC", "Verbose", &S::m_bRmicVerbose, 0),
    // The RMI compiler's texts live in a section of their own name.
    Str("RIMC", "CustomOptions", &S::m_strRmicCustomOptions, ""),
    Str("RIMC", "OutputDirPath", &S::m_strRmicOutputDirPath, ""),
    Str("RIMC", "SkelDirPath", &S::m_strRmicSkelDirPath, ""),
    Str("RIMC", "StubDirPath", &S::m_strRmicStubDirPath, ""),
};

// The text formats' sections with their default colour and style.
const CEditorSettings::CFormatColor s_formatDefaults[CEditorSettings::FORMAT_COUNT] = {
    {"NormalText", 0, 0, 0, 0, FALSE},   {"CommentText", 0, 128, 0, 0, FALSE}, {"StringText", 193, 0, 0, 0, FALSE},
    {"Keywords", 0, 0, 192, 0, FALSE},   {"Datatypes", 192, 0, 0, 0, FALSE},   {"Number", 194, 0, 0, 0, FALSE},
};

COLORREF SystemColor(const CSystemColors& colors, int nColor)
{
    switch (nColor) {
    case SYS_WINDOW: return colors.GetWindowColor();
    case SYS_WINDOW_TEXT: return colors.GetWindowTextColor();
    default: return colors.GetHighlightColor();
    }
}

} // namespace

CEditorSettings::CEditorSettings(const CSystemColors& colors)
{
    SetDefaults(colors);
}

CEditorSettings::CEditorSettings()
    : CEditorSettings(CSystemColors::Get())
{
}

void CEditorSettings::SetDefaults(const CSystemColors& colors)
{
    for (const CKey& key : s_keys) {
        switch (key.nType) {
        case TYPE_STRING: this->*key.pString = key.pszDefault; break;
        case TYPE_INT:
        case TYPE_BOOL: this->*key.pInt = key.nDefault; break;
        case TYPE_COLOR: this->*key.pColor = SystemColor(colors, key.nDefault); break;
        }
    }
    for (int i = 0; i < FORMAT_COUNT; ++i)
        m_Formats[i] = s_formatDefaults[i];
}

void CEditorSettings::Load(CProfile& profile, const CSystemColors& colors)
{
    for (const CKey& key : s_keys) {
        switch (key.nType) {
        case TYPE_STRING:
            this->*key.pString = profile.GetString(key.pszSection, key.pszKey, key.pszDefault);
            break;
        case TYPE_INT:
            this->*key.pInt = profile.GetInt(key.pszSection, key.pszKey, key.nDefault);
            break;
        case TYPE_BOOL:
            // Any non-zero number counts as set; the file then gets 1 back.
            this->*key.pInt = profile.GetInt(key.pszSection, key.pszKey, key.nDefault) != 0;
            break;
        case TYPE_COLOR: {
            COLORREF clrDefault = SystemColor(colors, key.nDefault);
            this->*key.pColor = static_cast<COLORREF>(
                profile.GetInt(key.pszSection, key.pszKey, static_cast<int>(clrDefault)));
            break;
        }
        }
    }
    for (int i = 0; i < FORMAT_COUNT; ++i) {
        const CFormatColor& def = s_formatDefaults[i];
        CFormatColor& format = m_Formats[i];
        format.pszSection = def.pszSection;
        format.nRed = profile.GetInt(def.pszSection, "ColorRed", def.nRed);
        format.nBlue = profile.GetInt(def.pszSection, "ColorBlue", def.nBlue);
        format.nGreen = profile.GetInt(def.pszSection, "ColorGreen", def.nGreen);
        format.nFontStyle = profile.GetInt(def.pszSection, "FontStyle", def.nFontStyle);
        format.bChanged = FALSE;
    }
}

CBrowserOptions CEditorSettings::GetBrowserOptions() const
{
    CBrowserOptions options;
    options.bAutoload = m_bHelpAutoload;
    options.clrBack = m_clrHelpBack;
    options.clrText = m_clrHelpFore;
    options.clrLink = m_clrHelpLink;
    options.strFontHeading = m_strHelpFontHeading;
    options.strFontNormal = m_strHelpFontNormal;
    options.strFontFixed = m_strHelpFontFixed;
    const int* const pHeaders[6] = {&m_nHelpHeader1, &m_nHelpHeader2, &m_nHelpHeader3,
                                    &m_nHelpHeader4, &m_nHelpHeader5, &m_nHelpHeader6};
    for (int i = 0; i < 6; ++i)
        options.nHeader[i] = *pHeaders[i];
    options.nDefaultSize = m_nHelpDefaultSize;
    return options;
}

void CEditorSettings::SetBrowserOptions(const CBrowserOptions& options)
{
    m_bHelpAutoload = options.bAutoload ? TRUE : FALSE;
    m_clrHelpBack = options.clrBack;
    m_clrHelpFore = options.clrText;
    m_clrHelpLink = options.clrLink;
    m_strHelpFontHeading = options.strFontHeading;
    m_strHelpFontNormal = options.strFontNormal;
    m_strHelpFontFixed = options.strFontFixed;
    int* const pHeaders[6] = {&m_nHelpHeader1, &m_nHelpHeader2, &m_nHelpHeader3,
                              &m_nHelpHeader4, &m_nHelpHeader5, &m_nHelpHeader6};
    for (int i = 0; i < 6; ++i)
        *pHeaders[i] = options.nHeader[i];
    m_nHelpDefaultSize = options.nDefaultSize;
}

BOOL CEditorSettings::Save(CProfile& profile)
{
    BOOL bOk = TRUE;
    for (const CKey& key : s_keys) {
        switch (key.nType) {
        case TYPE_STRING:
            bOk = CSettingsFile::WriteString(profile, key.pszSection, key.pszKey, this->*key.pString) && bOk;
            break;
        case TYPE_INT:
            bOk = CSettingsFile::WriteInt(profile, key.pszSection, key.pszKey, this->*key.pInt) && bOk;
            break;
        case TYPE_BOOL:
            bOk = CSettingsFile::WriteInt(profile, key.pszSection, key.pszKey, this->*key.pInt ? 1 : 0) && bOk;
            break;
        case TYPE_COLOR:
            bOk = CSettingsFile::WriteInt(profile, key.pszSection, key.pszKey, static_cast<int>(this->*key.pColor))
                  && bOk;
            break;
        }
    }
    // The text formats save themselves when their colours are edited in the
    // editor; only what was changed here is written, so as not to undo that.
    for (CFormatColor& format : m_Formats) {
        if (!format.bChanged)
            continue;
        BOOL bWritten = CSettingsFile::WriteInt(profile, format.pszSection, "ColorRed", format.nRed)
                        && CSettingsFile::WriteInt(profile, format.pszSection, "ColorBlue", format.nBlue)
                        && CSettingsFile::WriteInt(profile, format.pszSection, "ColorGreen", format.nGreen)
                        && CSettingsFile::WriteInt(profile, format.pszSection, "FontStyle", format.nFontStyle);
        if (bWritten)
            format.bChanged = FALSE;
        bOk = bWritten && bOk;
    }
    return bOk;
}

CString CEditorSettings::Dump() const
{
    CString strOut, strLine;
    for (const CKey& key : s_keys) {
        switch (key.nType) {
        case TYPE_STRING: strLine.Format("[%s] %s=%s\n", key.pszSection, key.pszKey, (this->*key.pString).c_str()); break;
        case TYPE_INT:
        case TYPE_BOOL: strLine.Format("[%s] %s=%d\n", key.pszSection, key.pszKey, this->*key.pInt); break;
        case TYPE_COLOR:
            strLine.Format("[%s] %s=0x%06X\n", key.pszSection, key.pszKey, static_cast<unsigned>(this->*key.pColor));
            break;
        }
        strOut += strLine;
    }
    for (const CFormatColor& format : m_Formats) {
        strLine.Format("[%s] ColorRed=%d ColorGreen=%d ColorBlue=%d FontStyle=%d\n", format.pszSection, format.nRed,
                       format.nGreen, format.nBlue, format.nFontStyle);
        strOut += strLine;
    }
    return strOut;
}

CEditorSettings::CDialogValues CEditorSettings::GetDialogValues() const
{
    return {m_nTabSize / 4, m_nMenuItems, m_nMRULength, m_nUndoBufferSize, m_bTabSpaces, m_bAutoExpand,
            m_bMenuTooltip, m_bBeep, m_bSmartIndent, m_bParseOnSave, m_bParseAllFiles, m_bCloseProjectFiles};
}

int CEditorSettings::FindOutOfRange(const CDialogValues& values, int* pMin, int* pMax)
{
    const struct {
        int nValue, nMin, nMax;
    } ranges[] = {
        {values.nTabWidth, 2, 20},
        {values.nMenuItems, 10, 50},
        {values.nMRULength, 4, 16},
        {values.nUndoBufferSize, 1, 250},
    };
    for (int i = 0; i < static_cast<int>(std::size(ranges)); ++i) {
        if (ranges[i].nValue < ranges[i].nMin || ranges[i].nValue > ranges[i].nMax) {
            if (pMin)
                *pMin = ranges[i].nMin;
            if (pMax)
                *pMax = ranges[i].nMax;
            return i;
        }
    }
    return -1;
}

BOOL CEditorSettings::SetDialogValues(const CDialogValues& values)
{
    int nMin = 0, nMax = 0;
    if (FindOutOfRange(values, &nMin, &nMax) >= 0) {
        CString strText;
        strText.Format("Please enter an integer between %d and %d.", nMin, nMax);
        AfxMessageBox(strText, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_nTabSize = values.nTabWidth * 4;
    m_nMenuItems = values.nMenuItems;
    m_nMRULength = values.nMRULength;
    m_nUndoBufferSize = values.nUndoBufferSize;
    m_bTabSpaces = values.bTabSpaces;
    m_bAutoExpand = values.bAutoExpand;
    m_bMenuTooltip = values.bMenuTooltip;
    m_bBeep = values.bBeep;
    m_bSmartIndent = values.bSmartIndent;
    m_bParseOnSave = values.bParseOnSave;
    m_bParseAllFiles = values.bParseAllFiles;
    m_bCloseProjectFiles = values.bCloseProjectFiles;
    return TRUE;
}

int CEditorSettings::PointsToHeight(int nPoints, int nLogPixelsY)
{
    // MulDiv rounds half away from zero.
    long long nProduct = static_cast<long long>(nPoints) * nLogPixelsY;
    long long nRounded = nProduct >= 0 ? (nProduct + 36) / 72 : -((-nProduct + 36) / 72);
    return -static_cast<int>(nRounded);
}

int CEditorSettings::GetEditorFontHeight(int nLogPixelsY) const
{
    return m_nFontHeight != 0 ? m_nFontHeight : PointsToHeight(10, nLogPixelsY);
}

const CEditorSettings::CFormatColor* CEditorSettings::GetFormatColor(const char* pszSection) const
{
    for (const CFormatColor& format : m_Formats)
        if (std::strcmp(format.pszSection, pszSection) == 0)
            return &format;
    return nullptr;
}

BOOL CEditorSettings::SetFormatColor(const char* pszSection, int nRed, int nGreen, int nBlue, int nFontStyle)
{
    for (CFormatColor& format : m_Formats) {
        if (std::strcmp(format.pszSection, pszSection) != 0)
            continue;
        format.nRed = nRed;
        format.nGreen = nGreen;
        format.nBlue = nBlue;
        format.nFontStyle = nFontStyle;
        format.bChanged = TRUE;
        return TRUE;
    }
    return FALSE;
}
