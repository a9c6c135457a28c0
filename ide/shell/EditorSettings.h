// CEditorSettings: the editor, help view and tool settings the program
// reads once from "mosk.ini" at start-up and writes back at the save
// points. Every field has its section, key and default in one table
// (EditorSettings.cpp); colours that default to a system colour take it from
// CSystemColors. Also kept here: the colour keys of the editor's text
// formats (ColorRed, ColorGreen, ColorBlue, FontStyle of "NormalText",
// "CommentText", "StringText", "Keywords", "Datatypes", "Number").
#pragma once

#include "String.h"

class CProfile;
class CSystemColors;
struct CBrowserOptions;

class CEditorSettings {
public:
    // The stored colour and style of one text format's section.
    struct CFormatColor {
        const char* pszSection;
        int nRed, nGreen, nBlue;  // 0..255 as read (other numbers are kept as read)
        int nFontStyle;           // 0 plain, 1 bold, 2 italic, 3 underline
        BOOL bChanged;            // set by SetFormatColor; only changed formats are written by Save
    };
    static constexpr int FORMAT_COUNT = 6;

    // What the Editor dialog edits; the tab width in characters (the stored
    // "Tabsize" is four times it).
    struct CDialogValues {
        int nTabWidth;          // 2..20
        int nMenuItems;         // 10..50
        int nMRULength;         // 4..16
        int nUndoBufferSize;    // 1..250
        BOOL bTabSpaces, bAutoExpand, bMenuTooltip, bBeep, bSmartIndent, bParseOnSave, bParseAllFiles,
            bCloseProjectFiles;
    };

    // Every field at its default, system colours from colors.
    explicit CEditorSettings(const CSystemColors& colors);
    CEditorSettings();

    // Reads every key; missing keys give the defaults (system colours from
    // colors), keys present but empty give 0 or "".
    void Load(CProfile& profile, const CSystemColors& colors);
    // Writes every key (and the text formats changed since loading); FALSE
    // when the settings file could not be written.
    BOOL Save(CProfile& profile);
    // Every field at its default.
    void SetDefaults(const CSystemColors& colors);

    // The values the Editor dialog opens with.
    CDialogValues GetDialogValues() const;
    // Checks the ranges of the numbers; on one outside its range, says
    // "Please enter an integer between MIN and MAX." and returns FALSE
    // without storing anything. Otherwise stores every value; TRUE.
    BOOL SetDialogValues(const CDialogValues& values);
    // Which number is outside its range (0 tab width, 1 menu items, 2 recent
    // files, 3 undo size; its limits in *pMin and *pMax); -1 when none is.
    static int FindOutOfRange(const CDialogValues& values, int* pMin = nullptr, int* pMax = nullptr);

    // The help view's settings ("Help") as the Browser options dialog edits them.
    CBrowserOptions GetBrowserOptions() const;
    void SetBrowserOptions(const CBrowserOptions& options);

    // One line per key, "[Section] Key=value", in table order, then the formats.
    CString Dump() const;

    // Height of the editor font for a screen of nLogPixelsY dots per inch:
    // the stored height, or that of a 10-point font when it is 0.
    int GetEditorFontHeight(int nLogPixelsY) const;
    // The stored colour of a text format's section; null for an unknown section.
    const CFormatColor* GetFormatColor(const char* pszSection) const;
    // Sets a text format's colour and style to be written by the next Save; FALSE for an unknown section.
    BOOL SetFormatColor(const char* pszSection, int nRed, int nGreen, int nBlue, int nFontStyle);

    // -1 * MulDiv(nPoints, nLogPixelsY, 72): the font height of a point size.
    static int PointsToHeight(int nPoints, int nLogPixelsY);

    // Editor ("Fonts", "Editor").
    CString m_strFontFace;
    int m_nFontHeight;            // negative: character height
    int m_nTabSize;               // 4 times the tab width in characters
    BOOL m_bTabSpaces;
    int m_nMenuItems;
    int m_nMRULength;
    BOOL m_bAutoExpand;
    BOOL m_bMenuTooltip;
    BOOL m_bWarning;              // "Help" "Warning": documentation warning shown
    BOOL m_bBeep;
    BOOL m_bTip;
    BOOL m_bSmartIndent;
    BOOL m_bParseOnSave;
    BOOL m_bParseAllFiles;
    BOOL m_bCloseProjectFiles;
    // Help view ("Help").
    COLORREF m_clrHelpBack;
    COLORREF m_clrHelpFore;
    COLORREF m_clrHelpLink;
    BOOL m_bHelpAutoload;
    CString m_strHelpFontHeading;
    CString m_strHelpFontNormal;
    CString m_strHelpFontFixed;
    int m_nHelpHeader1, m_nHelpHeader2, m_nHelpHeader3, m_nHelpHeader4, m_nHelpHeader5, m_nHelpHeader6;
    int m_nHelpDefaultSize;
    // Editor background ("Edit") and undo depth.
    COLORREF m_clrEditBack;
    int m_nUndoBufferSize;
    // Archive tool ("Jar").
    BOOL m_bJarIncludeManifest;
    CString m_strJarManifestFile;
    CString m_strJarOutputFile;
    BOOL m_bJarNoCompression;
    BOOL m_bJarNoManifestEntries;
    BOOL m_bJarSpecifyArchive;
    BOOL m_bJarVerbose;
    CString m_strJarCustomOptions;
    BOOL m_bJarCustom;
    // RMI compiler: switches in "RMIC", texts in "RIMC".
    BOOL m_bRmicClassPath, m_bRmicCustom, m_bRmicDebug, m_bRmicDebugTables, m_bRmicDepend, m_bRmicOutputDir,
        m_bRmicKeepGenerated, m_bRmicNoWarn, m_bRmicNoWrite, m_bRmicOptimize, m_bRmicShow, m_bRmicSkelDir,
        m_bRmicStubDir, m_bRmicVerbose;
    CString m_strRmicCustomOptions;
    CString m_strRmicOutputDirPath;
    CString m_strRmicSkelDirPath;
    CString m_strRmicStubDirPath;

    CFormatColor m_Formats[FORMAT_COUNT];
};
