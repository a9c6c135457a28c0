#include "ExternalBrowser.h"

#include "ProcessHandle.h"
#include "ProcessSpawner.h"
#include "RunThreads.h"

#include <memory>
#include <unistd.h>

CString CExternalBrowser::QuoteArgument(const char* psz)
{
    // Backslashes count only before a quote: double those, and those before the closing quote.
    CString strOut('"');
    int nBackslashes = 0;
    for (const char* p = psz ? psz : ""; *p; ++p) {
        if (*p == '\\') {
            nBackslashes++;
            continue;
        }
        if (*p == '"') {
            strOut += CString('\\', 2 * nBackslashes + 1);
            strOut += '"';
        } else {
            strOut += CString('\\', nBackslashes);
            strOut += *p;
        }
        nBackslashes = 0;
    }
    strOut += CString('\\', 2 * nBackslashes);
    strOut += '"';
    return strOut;
}

CString CExternalBrowser::CommandLine(const char* pszBrowser, const char* pszAddress)
{
    const char* pszProgram = pszBrowser && *pszBrowser ? pszBrowser : DEFAULT_OPENER;
    return QuoteArgument(pszProgram) + " " + QuoteArgument(pszAddress);
}

BOOL CExternalBrowser::Open(const char* pszBrowser, const char* pszAddress, CString& strError)
{
    int nInput = CProcessSpawner::OpenNullInput();
    if (nInput < 0) {
        strError = "/dev/null cannot be opened.";
        return FALSE;
    }
    pid_t nPid = 0;
    BOOL bStarted = CProcessSpawner::Spawn(CommandLine(pszBrowser, pszAddress), nullptr, nInput, 1, 2, nPid, strError);
    ::close(nInput);
    if (!bStarted)
        return FALSE;
    auto pProcess = std::make_shared<CProcessHandle>();
    if (!pProcess->Attach(nPid)) {
        strError = "The started program cannot be watched.";
        return FALSE;
    }
    // A browser may run for long: nobody waits for it but its waiter.
    if (!CRunThreads::Start([pProcess] { pProcess->Wait(); })) {
        pProcess->Terminate();
        pProcess->Wait();
        strError = "No thread could be started to wait for the program.";
        return FALSE;
    }
    return TRUE;
}
