// CHelpCommand: the help side of mosk-tool.
//   help-index DOCDIR OUT.ipg   builds the system search index from the
//                               index pages of the JDK's API documentation
//   help-search INDEX KEYWORD   the topics the help search dialog lists for
//                               KEYWORD, as display text and address
//   index FILE                  (".ipg" and "mosk.hpg" files) every entry
// The directory numbers come from the help directory list of the settings
// (the IDE's "mosk.ini"); help-index uses the list whose documentation
// folder is DOCDIR, and help-search takes "--doc DOCDIR" for the same.
#pragma once

class CHelpCommand {
public:
    // "help-index": returns the exit status.
    static int RunIndex(int argc, char** argv);
    // "help-search": returns the exit status.
    static int RunSearch(int argc, char** argv);
    // Prints a search index (".ipg") or help tree ("mosk.hpg") file; FALSE
    // in bHandled when the file is of neither kind. Returns the exit status.
    static int PrintHelpFile(const char* pszPath, bool& bHandled);
};
