// CHelpAddress: the pieces of a help document address ("file:", a path,
// "#" and an anchor) and the joining of a page's relative link with the
// page's own folder.
#pragma once

#include "String.h"

class CHelpAddress {
public:
    // The address without a leading "file:" (letters in any case); "file://"
    // followed by an absolute path gives the path.
    static CString StripFileScheme(const char* pszAddress);
    // The file part of an address: "file:" dropped, cut before the first "#".
    static CString GetFilePart(const char* pszAddress);
    // The anchor after the first "#", empty when there is none.
    static CString GetAnchor(const char* pszAddress);
    // The folder of a path ("\" taken as "/"), without the trailing "/"; empty when there is none.
    static CString GetFolder(const char* pszPath);
    // The name and extension of a path.
    static CString GetFileName(const char* pszPath);
    // TRUE when the address names another scheme than "file:" (http:, mailto:, javascript:...).
    static BOOL IsForeignScheme(const char* pszAddress);
    // A link of the page pszPagePath made into a full address: a relative
    // link is joined with the page's folder, an in-page link ("#x") names
    // the page itself, "." and ".." steps are dropped and percent escapes
    // of the path decoded. Empty for a link to another scheme.
    static CString ResolveLink(const char* pszPagePath, const char* pszLink);
    // pszPath without "." steps, with each ".." taking the folder before it away.
    static CString Normalize(const char* pszPath);
    // "%xx" escapes decoded.
    static CString DecodePercent(const char* psz);
};
