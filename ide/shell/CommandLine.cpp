#include "CommandLine.h"

#include <cstring>
#include <sys/stat.h>

#ifndef MOSK_VERSION
#define MOSK_VERSION "0.0"
#endif

namespace {

// Line numbers beyond this are refused rather than overflowing.
constexpr int MAX_LINE_DIGITS = 9;

BOOL Exists(const char* pszPath)
{
    struct stat st;
    return ::stat(pszPath, &st) == 0;
}

// The value of a decimal line number (1 or more); 0 when the text is not one.
int LineNumber(const CString& strDigits)
{
    if (strDigits.IsEmpty() || strDigits.GetLength() > MAX_LINE_DIGITS)
        return 0;
    int nLine = 0;
    for (int i = 0; i < strDigits.GetLength(); ++i) {
        char ch = strDigits[i];
        if (ch < '0' || ch > '9')
            return 0;
        nLine = nLine * 10 + (ch - '0');
    }
    return nLine;
}

} // namespace

void CCommandLine::Parse(int argc, const char* const* argv)
{
    std::vector<CString> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    Parse(args);
}

void CCommandLine::Parse(const std::vector<CString>& args)
{
    *this = CCommandLine();
    BOOL bOptions = TRUE;
    int nPendingLine = 0;
    CString strLineArgument;
    for (const CString& strArg : args) {
        if (bOptions && strArg == "--") {
            bOptions = FALSE;
        } else if (bOptions && (strArg == "--help" || strArg == "-h")) {
            m_nAction = ACTION_HELP;
            return;
        } else if (bOptions && strArg == "--version") {
            m_nAction = ACTION_VERSION;
            return;
        } else if (bOptions && strArg == "--new-instance") {
            m_bNewInstance = TRUE;
        } else if (bOptions && strArg.GetLength() > 1 && strArg[0] == '+') {
            nPendingLine = LineNumber(strArg.Mid(1));
            if (nPendingLine == 0) {
                Fail(strArg, "is not a line number");
                return;
            }
            strLineArgument = strArg;
        } else if (bOptions && strArg.GetLength() >= 1 && strArg[0] == '-') {
            Fail(strArg, "is not an option of mosk");
            return;
        } else {
            if (!SetFile(strArg, nPendingLine))
                return;
            nPendingLine = 0;
        }
    }
    if (nPendingLine != 0)
        Fail(strLineArgument, "names a line but no file follows it");
}

BOOL CCommandLine::SetFile(const CString& strArgument, int nPendingLine)
{
    if (!m_strFile.IsEmpty()) {
        Fail(strArgument, "is a second file; mosk opens one file at a time");
        return FALSE;
    }
    if (strArgument.IsEmpty()) {
        Fail(strArgument, "is an empty file name");
        return FALSE;
    }
    m_strFile = strArgument;
    m_nLine = nPendingLine;
    if (Exists(strArgument))
        return TRUE;
    int nColon = strArgument.ReverseFind(':');
    if (nColon > 0) {
        int nLine = LineNumber(strArgument.Mid(nColon + 1));
        if (nLine > 0) {
            m_strFile = strArgument.Left(nColon);
            m_nLine = nLine;
        }
    }
    return TRUE;
}

void CCommandLine::Fail(const CString& strArgument, const char* pszWhy)
{
    m_nAction = ACTION_ERROR;
    m_strBadArgument = strArgument;
    m_strError = "'" + strArgument + "' " + pszWhy;
}

CString CCommandLine::GetUsage()
{
    return "Usage: mosk [--new-instance] [+LINE] [FILE[:LINE]]\n"
           "       mosk --help | --version\n"
           "\n"
           "Opens FILE in Mosk, a Java development environment; a \".mosk\" file opens\n"
           "as the project. When Mosk already runs for this user and settings folder,\n"
           "the file is shown in that window and this command ends at once.\n"
           "\n"
           "  +LINE           show the following FILE at line LINE\n"
           "  FILE:LINE       the same (when no file is named FILE:LINE itself)\n"
           "  --new-instance  start a program of its own even when Mosk already runs\n"
           "  --help          print this text and exit\n"
           "  --version       print the version and exit\n"
           "  --              every later argument is a file name\n"
           "\n"
           "Environment: MOSK_CONFIG_DIR (settings folder), MOSK_DATA_DIR (data folder),\n"
           "MOSK_NO_FIRST_RUN=1 (no first-run, directories and tip dialogs at start-up).\n";
}

const char* CCommandLine::GetVersion()
{
    return MOSK_VERSION;
}

CString CCommandLine::GetVersionText()
{
    return CString("mosk ") + MOSK_VERSION + "\n";
}

BOOL CCommandLine::IsToolkitOption(const char* pszArgument)
{
    static const char* const s_options[] = {
        "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
        "qwindowtitle", "reverse", "session", "style", "stylesheet", "widgetcount", "display", "geometry",
        "name", "title", "visual", "nograb", "dograb", "sync", "qmljsdebugger",
    };
    if (!pszArgument || pszArgument[0] != '-')
        return FALSE;
    const char* pszName = pszArgument + (pszArgument[1] == '-' ? 2 : 1);
    size_t nLength = std::strcspn(pszName, "=");
    for (const char* pszOption : s_options)
        if (std::strlen(pszOption) == nLength && std::strncmp(pszName, pszOption, nLength) == 0)
            return TRUE;
    return FALSE;
}

CString CCommandLine::Dump() const
{
    static const char* const s_actions[] = {"start", "help", "version", "error"};
    CString strDump;
    strDump.Format("action=%s\nfile=%s\nline=%d\nnew-instance=%d\nerror=%s\n", s_actions[m_nAction],
                   m_strFile.c_str(), m_nLine, m_bNewInstance ? 1 : 0, m_strError.c_str());
    return strDump;
}
