// CToolOptions: the switches, texts and histories of the compiler, the
// interpreter and the documentation tool, as a project keeps them and as the
// project list keeps the global defaults. Each file stores its own subset in
// its own order, described by a table of CToolOptionField.
#pragma once

#include "StringArray.h"

#include <cstddef>

class CArchive;

class CToolOptions {
public:
    // Interpreter switches.
    BOOL m_bInterpClassPath = FALSE, m_bInterpReserved = FALSE, m_bInterpCs = FALSE, m_bInterpMx = FALSE,
         m_bInterpMs = FALSE, m_bInterpNoAsyncGc = FALSE, m_bInterpVerboseGc = FALSE, m_bInterpOss = FALSE,
         m_bInterpSs = FALSE, m_bInterpVerbose = FALSE, m_bInterpVerify = FALSE, m_bInterpNoVerify = FALSE,
         m_bInterpVerifyRemote = FALSE, m_bInterpD = FALSE, m_bInterpExtraOptions = FALSE,
         m_bInterpUseOther = FALSE, m_bInterpOtherMain = FALSE, m_bInterpProgramArgs = FALSE;
    // Interpreter texts.
    CString m_strInterpClassPath, m_strInterpMx, m_strInterpMs, m_strInterpOss, m_strInterpSs, m_strInterpD,
        m_strInterpReserved, m_strInterpExtraOptions, m_strInterpOtherCommand, m_strInterpProgramArgs,
        m_strInterpOtherMain;
    // Compiler switches and texts.
    BOOL m_bCompClassPath = FALSE, m_bCompOutputDir = FALSE, m_bCompVerbose = FALSE, m_bCompOptimize = FALSE,
         m_bCompDebug = FALSE, m_bCompNoWarnings = FALSE, m_bCompDeprecation = FALSE, m_bCompUseOther = FALSE,
         m_bCompExtraOptions = FALSE;
    CString m_strCompClassPath, m_strCompOutputDir, m_strCompReserved, m_strCompExtraOptions,
        m_strCompOtherCommand;
    // Documentation tool: document type 1 HTML, 2 MIF.
    BOOL m_bDocClassPath = FALSE, m_bDocOutputDir = FALSE;
    CString m_strDocClassPath, m_strDocOutputDir, m_strDocExtraOptions;
    int m_nDocType = 1;
    BOOL m_bDocVersion = FALSE, m_bDocAuthor = FALSE, m_bDocNoIndex = FALSE, m_bDocNoTree = FALSE,
         m_bDocNoDeprecated = FALSE, m_bDocExtraOptions = FALSE;
    // Most recent texts of the option dialogs' combo boxes.
    CStringArray m_arrInterpClassPathHistory, m_arrProgramArgsHistory, m_arrCompExtraOptionsHistory,
        m_arrCompClassPathHistory, m_arrCompOutputDirHistory, m_arrDocClassPathHistory, m_arrDocOutputDirHistory;
};

// One stored option: its kind, its name in dumps, the member, and the first
// file version that holds it.
struct CToolOptionField {
    enum EKind { SWITCH, NUMBER, TEXT, HISTORY };
    EKind nKind;
    const char* pszName;
    int CToolOptions::*pnValue;            // SWITCH and NUMBER
    CString CToolOptions::*pstrValue;      // TEXT
    CStringArray CToolOptions::*parrValue; // HISTORY
    DWORD nMinVersion;

    // Table entries.
    static constexpr CToolOptionField Switch(const char* pszName, int CToolOptions::*p, DWORD nMin = 0)
    {
        return {SWITCH, pszName, p, nullptr, nullptr, nMin};
    }
    static constexpr CToolOptionField Number(const char* pszName, int CToolOptions::*p, DWORD nMin = 0)
    {
        return {NUMBER, pszName, p, nullptr, nullptr, nMin};
    }
    static constexpr CToolOptionField Text(const char* pszName, CString CToolOptions::*p, DWORD nMin = 0)
    {
        return {TEXT, pszName, nullptr, p, nullptr, nMin};
    }
    static constexpr CToolOptionField History(const char* pszName, CStringArray CToolOptions::*p, DWORD nMin = 0)
    {
        return {HISTORY, pszName, nullptr, nullptr, p, nMin};
    }

    // Stores or reads the fields of the table that a file of nVersion holds,
    // in table order: switches and numbers as DWORDs (a switch reads as 0 or
    // 1), texts as strings, histories as string arrays.
    static void Serialize(CArchive& ar, CToolOptions& options, const CToolOptionField* pFields, size_t nCount,
                          DWORD nVersion);
    // Appends "name = value" lines for every field of the table at nIndent.
    static void Dump(CString& strOut, int nIndent, const CToolOptions& options, const CToolOptionField* pFields,
                     size_t nCount);
};
