// CFindInFiles: "Find in Files": every line of a list of files that holds
// a text, without regard to letter case, listed once per hit as
// "path:line:  text". Lines are counted as the editor's control counts
// them (CR LF, a lone CR and a lone LF each end a line; NUL bytes are not
// text) and cut at 3000 characters. Files are read byte for byte, whatever
// their names and texts are made of.
#pragma once

#include "StringArray.h"

#include <string>

class CFindInFiles {
public:
    // The size of the line buffer: longer lines are cut.
    static constexpr int LINE_BUFFER = 3000;

    // Searches every file of files that exists, in list order, for pszText and
    // appends the results to strOut: "Wait, Searching...\n", then per file
    // "\nSearching file -", the path and "\n", and one line per hit. A file
    // that cannot be read is reported ("Error opening the file %s for parsing !!!") and skipped.
    static void Search(const char* pszText, const CStringArray& files, std::string& strOut);
    // The hits of pszText in the text of one file, appended to strOut.
    static void SearchText(const char* pszPath, const char* pData, size_t nSize, const char* pszText,
                           std::string& strOut);
    // The path and 1-based line of a results line "path:line:  text" (a ":"
    // that is not followed by a digit, as after a drive letter, belongs to
    // the path); FALSE for a line of another form.
    static BOOL ParseResultLine(const char* pszLine, CString& strPath, int& nLine);
};
