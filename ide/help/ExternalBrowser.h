// CExternalBrowser: opens an address in the program outside: the browser
// the directory settings name, else the desktop's opener (xdg-open). The
// program runs in the background with the address as its one argument; a
// waiter thread reaps it when it ends.
#pragma once

#include "String.h"

class CExternalBrowser {
public:
    // The opener used when no browser is set.
    static constexpr const char* DEFAULT_OPENER = "xdg-open";

    // Starts pszBrowser (empty or null: xdg-open) on pszAddress. FALSE and a
    // one-line reason in strError when it could not be started.
    static BOOL Open(const char* pszBrowser, const char* pszAddress, CString& strError);
    // The command line Open starts: the program and the address, each quoted.
    static CString CommandLine(const char* pszBrowser, const char* pszAddress);
    // psz as one argument of a command line (CProcessSpawner::SplitCommandLine gives it back unchanged).
    static CString QuoteArgument(const char* psz);
};
