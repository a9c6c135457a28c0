// CGuiBuilderSetup: the two start-up steps that prepare the GUI builder's
// world: the "DEFAULTMOSKINI" entry of "MGB.INI" naming the settings file,
// and "classes.zip" of the program folder on the CLASSPATH of this process
// (which every helper started later inherits). The introspection helpers
// find their classes the same way.
#pragma once

#include "String.h"

class CGuiBuilderSetup {
public:
    // When pszProgramFolder holds "MGB.INI" without a line that begins with
    // "DEFAULTMOSKINI", appends "DEFAULTMOSKINI=" and the path of "mosk.ini"
    // in pszSettingsFolder, escaped as a Java properties value. TRUE when a
    // line was added.
    static BOOL UpdateMgbIni(const char* pszProgramFolder, const char* pszSettingsFolder);
    // Puts pszProgramFolder's "classes.zip" at the front of CLASSPATH unless
    // it is there already (compared in lower case). A missing zip is
    // reported when bReport; FALSE then, or when the variable cannot be set.
    static BOOL EnsureClassPath(const char* pszProgramFolder, BOOL bReport = TRUE);
    // The report of a missing "classes.zip" at pszZip.
    static CString MissingZipText(const char* pszZip);
    // The properties-file escaping of a path: every "\" doubled.
    static CString EscapeProperty(const char* pszValue);
};
