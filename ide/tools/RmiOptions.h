// CRmiOptions: the state of the RMI compiler dialog: its switches, the
// directory texts, custom options and the classes to compile.
#pragma once

#include "StringArray.h"

class CRmiOptions {
public:
    // Every field by name, one per line.
    CString Dump() const;

    BOOL m_bClassPath = FALSE;
    BOOL m_bDebug = FALSE;
    BOOL m_bDebugTables = FALSE;
    BOOL m_bDepend = FALSE;
    BOOL m_bOutputDir = FALSE;
    BOOL m_bKeepGenerated = FALSE;
    BOOL m_bNoWarnings = FALSE;
    BOOL m_bNoWrite = FALSE;
    BOOL m_bOptimize = FALSE;
    BOOL m_bShow = FALSE;
    BOOL m_bSkeletonDir = FALSE;
    BOOL m_bStubDir = FALSE;
    BOOL m_bVerbose = FALSE;
    BOOL m_bCustom = FALSE;
    CString m_strCustomOptions;
    CString m_strOutputDir;
    CString m_strSkeletonDir;
    CString m_strStubDir;
    CStringArray m_arrClasses;        // fully qualified class names
};
