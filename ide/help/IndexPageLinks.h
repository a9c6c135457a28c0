// CIndexPageLinks: the link addresses of an HTML page in document order,
// read from its "<a href=...>" tags without a display (the system index is
// built from the documentation's index pages this way).
#pragma once

#include "StringArray.h"

#include <string>

class CIndexPageLinks {
public:
    // Appends the href value of every "a" tag of strHtml, entities decoded, to links.
    static void Scan(const std::string& strHtml, CStringArray& links);
    // Decodes "&amp;", "&lt;", "&gt;", "&quot;", "&apos;", "&nbsp;" and numeric entities.
    static CString DecodeEntities(const char* psz, size_t nLength);
};
