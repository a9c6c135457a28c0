// CJarOptions: the state of the archive dialog (Make Jar, Make Bean): the
// output archive, the manifest, the one-letter switches, custom options and
// the files to store.
#pragma once

#include "StringArray.h"

class CJarOptions {
public:
    // The folder the archive tool runs in: the output file's folder without
    // its trailing "/" ("/" for a file at the root); empty when the output
    // file has no folder.
    CString GetWorkingDir() const;
    // Every field by name, one per line.
    CString Dump() const;

    CString m_strOutputFile;          // full path of the archive
    BOOL m_bSpecifyArchive = FALSE;   // "f"
    BOOL m_bIncludeManifest = FALSE;  // "m"
    CString m_strManifestFile;        // full path of the manifest
    BOOL m_bCreate = FALSE;           // "c"
    BOOL m_bVerbose = FALSE;          // "v"
    BOOL m_bNoManifestEntries = FALSE;  // "M"
    BOOL m_bNoCompression = FALSE;    // "0"
    BOOL m_bCustom = FALSE;
    CString m_strCustomOptions;
    CStringArray m_arrFiles;          // full paths, or paths relative to the output file's folder
};
