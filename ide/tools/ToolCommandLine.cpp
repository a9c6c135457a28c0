#include "ToolCommandLine.h"

#include "JarOptions.h"
#include "PathName.h"
#include "ProcessSpawner.h"
#include "Project.h"
#include "RmiOptions.h"
#include "ToolOptions.h"

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

// A switch of the combined options: on when the project's or the global one is.
BOOL Either(const CToolOptions& project, const CToolOptions& global, BOOL CToolOptions::*pSwitch)
{
    return project.*pSwitch || global.*pSwitch;
}

// A plain switch and the text it adds to a command line when it is on.
struct CSwitchText {
    BOOL CToolOptions::*pSwitch;
    const char* pszText;
};

// Appends the text of every switch of the table that is on (project or
// global), in table order.
template <size_t N>
void AppendSwitches(CString& strLine, const CToolOptions& project, const CToolOptions& global,
                    const CSwitchText (&switches)[N])
{
    for (const CSwitchText& item : switches)
        if (Either(project, global, item.pSwitch))
            strLine += item.pszText;
}

const CSwitchText COMPILER_SWITCHES[] = {
    {&CToolOptions::m_bCompDebug, " -g"},
    {&CToolOptions::m_bCompNoWarnings, " -nowarn"},
    {&CToolOptions::m_bCompOptimize, " -O"},
    {&CToolOptions::m_bCompVerbose, " -verbose"},
    {&CToolOptions::m_bCompDeprecation, " -deprecation"},
};

const CSwitchText JAVADOC_SWITCHES[] = {
    {&CToolOptions::m_bDocVersion, " -version "},
    {&CToolOptions::m_bDocNoDeprecated, " -nodeprecated "},
    {&CToolOptions::m_bDocAuthor, " -author "},
    {&CToolOptions::m_bDocNoIndex, " -noindex "},
    {&CToolOptions::m_bDocNoTree, " -notree "},
};

// The interpreter switches between " -ss" and " -D" that today's virtual
// machines still take, in the spelling they take.
const CSwitchText INTERPRETER_CHECK_SWITCHES[] = {
    {&CToolOptions::m_bInterpVerbose, " -verbose"},
    {&CToolOptions::m_bInterpVerboseGc, " -verbose:gc"},
};

// Switches of the first virtual machines that today's refuse or ignore:
// they stay in the options but are left out of the command line.
const CSwitchText INTERPRETER_DROPPED_SWITCHES[] = {
    {&CToolOptions::m_bInterpCs, "-cs"},
    {&CToolOptions::m_bInterpNoAsyncGc, "-noasyncgc"},
    {&CToolOptions::m_bInterpOss, "-oss"},
    {&CToolOptions::m_bInterpVerify, "-verify"},
    {&CToolOptions::m_bInterpNoVerify, "-noverify"},
    {&CToolOptions::m_bInterpVerifyRemote, "-verifyremote"},
};

// A valued switch of the combined options: the project's value when its
// switch is on, else the global value when the global switch is on. FALSE
// when both are off.
BOOL Valued(const CToolOptions& project, const CToolOptions& global, BOOL CToolOptions::*pSwitch,
            CString CToolOptions::*pValue, CString& strValue)
{
    if (project.*pSwitch) {
        strValue = project.*pValue;
        return TRUE;
    }
    if (global.*pSwitch) {
        strValue = global.*pValue;
        return TRUE;
    }
    return FALSE;
}

// Extra options text of one option set: its text when its switch is on and
// the text is not empty; FALSE otherwise.
BOOL ExtraText(const CToolOptions& options, BOOL CToolOptions::*pSwitch, CString CToolOptions::*pText,
               CString& strText)
{
    if (!(options.*pSwitch) || (options.*pText).IsEmpty())
        return FALSE;
    strText = options.*pText;
    return TRUE;
}

// An option whose value is the following argument ("-classpath x", "-d x").
// An empty value is left out with its option: the tool would otherwise take
// the next argument as the value.
void AppendSeparateValue(CString& strLine, const char* pszOption, const CString& strValue)
{
    if (!strValue.IsEmpty())
        strLine += pszOption + CToolCommandLine::QuoteIfSpaced(strValue);
}

// " -D" and the like: the value follows the switch without a blank.
void AppendAttached(CString& strLine, const CToolOptions& project, const CToolOptions& global,
                    BOOL CToolOptions::*pSwitch, CString CToolOptions::*pValue, const char* pszOption)
{
    CString strValue;
    if (Valued(project, global, pSwitch, pValue, strValue))
        strLine += pszOption + strValue;
}

// The global interpreter extra options as the interpreter and the applet
// viewer add them: " " and the text, or nothing.
CString InterpreterExtra(const CToolOptions& global)
{
    CString strText;
    if (ExtraText(global, &CToolOptions::m_bInterpExtraOptions, &CToolOptions::m_strInterpExtraOptions, strText))
        return " " + strText;
    return CString();
}

// The program arguments after the class of a project run.
CString ProgramArguments(const CToolOptions& project, const CString& strClass)
{
    if (strClass.IsEmpty() || !project.m_bInterpProgramArgs)
        return CString();
    return project.m_strInterpProgramArgs;
}

} // namespace

CString CToolCommandLine::JdkPrefix(const char* pszExePath)
{
    CString strPrefix(pszExePath);
    if (!strPrefix.IsEmpty() && strPrefix[strPrefix.GetLength() - 1] != '/')
        strPrefix += '/';
    return strPrefix;
}

CString CToolCommandLine::JdkProgram(const char* pszExePath, const char* pszTool)
{
    return QuoteIfSpaced(JdkPrefix(pszExePath) + pszTool);
}

BOOL CToolCommandLine::HasJdkProgram(const char* pszExePath, const char* pszTool)
{
    CString strPrefix = JdkPrefix(pszExePath);
    if (strPrefix.IsEmpty())
        return !CProcessSpawner::FindProgram(pszTool).IsEmpty();
    CString strProgram = strPrefix + pszTool;
    struct stat st;
    return ::stat(strProgram, &st) == 0 && S_ISREG(st.st_mode) && ::access(strProgram, X_OK) == 0;
}

CString CToolCommandLine::QuoteIfSpaced(const CString& str)
{
    if (str.Find(' ') < 0)
        return str;
    return '"' + str + '"';
}

CString CToolCommandLine::TrimOutputDir(const CString& str)
{
    if (str.GetLength() >= 4 && str[str.GetLength() - 1] == '/')
        return str.Left(str.GetLength() - 1);
    return str;
}

CString CToolCommandLine::Compiler(const CToolOptions* pProject, const CToolOptions& global, const char* pszExePath)
{
    // Without a project the global fields stand for both sets; every rule
    // below then reads the global value alone.
    const CToolOptions& project = pProject ? *pProject : global;
    CString strLine;
    CString strExtra;
    // Another compiler takes its own command and extra options, nothing else.
    for (const CToolOptions* pOptions : {&project, &global}) {
        if (pOptions->m_bCompUseOther) {
            strLine = pOptions->m_strCompOtherCommand + " ";
            if (ExtraText(*pOptions, &CToolOptions::m_bCompExtraOptions, &CToolOptions::m_strCompExtraOptions,
                          strExtra))
                strLine += strExtra + " ";
            return strLine;
        }
    }
    strLine = JdkProgram(pszExePath, "javac") + " " + " ";
    CString strValue;
    if (Valued(project, global, &CToolOptions::m_bCompClassPath, &CToolOptions::m_strCompClassPath, strValue))
        AppendSeparateValue(strLine, "-classpath ", strValue);
    if (Valued(project, global, &CToolOptions::m_bCompOutputDir, &CToolOptions::m_strCompOutputDir, strValue))
        AppendSeparateValue(strLine, " -d ", TrimOutputDir(strValue));
    AppendSwitches(strLine, project, global, COMPILER_SWITCHES);
    if (ExtraText(project, &CToolOptions::m_bCompExtraOptions, &CToolOptions::m_strCompExtraOptions, strExtra) ||
        ExtraText(global, &CToolOptions::m_bCompExtraOptions, &CToolOptions::m_strCompExtraOptions, strExtra))
        strLine += " " + strExtra + " ";
    else
        strLine += " ";
    return strLine;
}

CString CToolCommandLine::Javadoc(const CToolOptions* pProject, const CToolOptions& global, const char* pszExePath)
{
    const CToolOptions& project = pProject ? *pProject : global;
    CString strLine = JdkProgram(pszExePath, "javadoc") + " ";
    CString strValue;
    if (Valued(project, global, &CToolOptions::m_bDocClassPath, &CToolOptions::m_strDocClassPath, strValue))
        AppendSeparateValue(strLine, "-classpath ", strValue);
    if (Valued(project, global, &CToolOptions::m_bDocOutputDir, &CToolOptions::m_strDocOutputDir, strValue))
        AppendSeparateValue(strLine, " -d ", TrimOutputDir(strValue));
    // The document type is the project's own: HTML adds nothing, and MIF is
    // refused before a run (see IsDocTypeSupported).
    AppendSwitches(strLine, project, global, JAVADOC_SWITCHES);
    // A project keeps no switch for its extra options: its text counts when
    // present. The global text needs the global switch.
    if (pProject && !pProject->m_strDocExtraOptions.IsEmpty())
        strLine += " " + pProject->m_strDocExtraOptions;
    else if (ExtraText(global, &CToolOptions::m_bDocExtraOptions, &CToolOptions::m_strDocExtraOptions, strValue))
        strLine += " " + strValue;
    strLine += " ";
    return strLine;
}

BOOL CToolCommandLine::IsDocTypeSupported(const CToolOptions* pProject, const CToolOptions& global)
{
    return (pProject ? *pProject : global).m_nDocType != 2;
}

CString CToolCommandLine::Interpreter(const CToolOptions* pProject, const CToolOptions& global,
                                      const char* pszExePath, const CString& strClass, CString* pstrLeftOut)
{
    const CToolOptions& project = pProject ? *pProject : global;
    CString strLine;
    if (global.m_bInterpUseOther)
        strLine = global.m_strInterpOtherCommand + " ";
    else
        strLine = JdkProgram(pszExePath, "java") + " ";
    CString strLeftOut;
    for (const CSwitchText& item : INTERPRETER_DROPPED_SWITCHES)
        if (Either(project, global, item.pSwitch))
            strLeftOut += (strLeftOut.IsEmpty() ? "" : " ") + CString(item.pszText);
    if (pstrLeftOut)
        *pstrLeftOut = strLeftOut;
    CString strValue;
    if (Valued(project, global, &CToolOptions::m_bInterpClassPath, &CToolOptions::m_strInterpClassPath, strValue))
        AppendSeparateValue(strLine, " -classpath ", strValue);
    AppendAttached(strLine, project, global, &CToolOptions::m_bInterpMx, &CToolOptions::m_strInterpMx, " -Xmx");
    AppendAttached(strLine, project, global, &CToolOptions::m_bInterpMs, &CToolOptions::m_strInterpMs, " -Xms");
    AppendAttached(strLine, project, global, &CToolOptions::m_bInterpSs, &CToolOptions::m_strInterpSs, " -Xss");
    AppendSwitches(strLine, project, global, INTERPRETER_CHECK_SWITCHES);
    AppendAttached(strLine, project, global, &CToolOptions::m_bInterpD, &CToolOptions::m_strInterpD, " -D");
    strLine += " " + InterpreterExtra(global) + " ";
    strLine += strClass + " ";
    if (pProject)
        strLine += ProgramArguments(*pProject, strClass);
    return strLine;
}

CString CToolCommandLine::Debugger(const CToolOptions& project, const CToolOptions& global, const char* pszExePath,
                                   const CString& strClass)
{
    CString strLine = JdkProgram(pszExePath, "jdb") + " ";
    CString strValue;
    if (Valued(project, global, &CToolOptions::m_bInterpClassPath, &CToolOptions::m_strInterpClassPath, strValue))
        AppendSeparateValue(strLine, " -classpath ", strValue);
    strLine += " " + strClass + " " + ProgramArguments(project, strClass);
    return strLine;
}

CString CToolCommandLine::AppletViewer(const CToolOptions* pProject, const CToolOptions& global,
                                       const char* pszExePath, BOOL bDebug, const CString& strPageFileName)
{
    CString strLine = JdkProgram(pszExePath, "appletviewer") + " ";
    if (pProject && bDebug)
        strLine += " -debug";
    strLine += " " + InterpreterExtra(global) + " ";
    strLine += QuoteIfSpaced(CPathName::FileNameOf(strPageFileName));
    return strLine;
}

CString CToolCommandLine::Jar(const CJarOptions& options, const char* pszExePath)
{
    CString strLine = JdkProgram(pszExePath, "jar") + " ";
    // The one-letter switches, in the order the archive tool is given them.
    static const std::pair<BOOL CJarOptions::*, char> s_letters[] = {
        {&CJarOptions::m_bCreate, 'c'},           {&CJarOptions::m_bVerbose, 'v'},
        {&CJarOptions::m_bSpecifyArchive, 'f'},   {&CJarOptions::m_bIncludeManifest, 'm'},
        {&CJarOptions::m_bNoManifestEntries, 'M'}, {&CJarOptions::m_bNoCompression, '0'},
    };
    CString strLetters;
    for (const auto& letter : s_letters)
        if (options.*letter.first)
            strLetters += letter.second;
    if (!strLetters.IsEmpty())
        strLine += "-" + strLetters;
    strLine += " ";
    if (options.m_bSpecifyArchive)
        strLine += QuoteIfSpaced(CPathName::FileNameOf(options.m_strOutputFile)) + " ";
    if (options.m_bIncludeManifest)
        strLine += QuoteIfSpaced(options.m_strManifestFile) + " ";
    if (options.m_bCustom)
        strLine += options.m_strCustomOptions + " ";
    const CString strFolder = CPathName(options.m_strOutputFile).GetDriveFolder();
    for (int i = 0; i < options.m_arrFiles.GetSize(); ++i)
        strLine += QuoteIfSpaced(CPathName::MakeRelative(options.m_arrFiles[i], strFolder)) + " ";
    return strLine;
}

CString CToolCommandLine::Rmic(const CRmiOptions& options, const CString& strClassPath, const char* pszExePath)
{
    CString strLine = JdkProgram(pszExePath, "rmic") + " ";
    if (options.m_bClassPath && !strClassPath.IsEmpty())
        strLine += "-classpath " + QuoteIfSpaced(strClassPath) + " ";
    struct CFlag {
        BOOL CRmiOptions::*pSwitch;
        const char* pszText;
    };
    static const CFlag s_flags[] = {
        {&CRmiOptions::m_bDebug, "-debug "},         {&CRmiOptions::m_bDebugTables, "-g "},
        {&CRmiOptions::m_bOptimize, "-O "},          {&CRmiOptions::m_bDepend, "-depend "},
        {&CRmiOptions::m_bVerbose, "-verbose "},     {&CRmiOptions::m_bKeepGenerated, "-keepgenerated "},
        {&CRmiOptions::m_bNoWarnings, "-nowarn "},   {&CRmiOptions::m_bNoWrite, "-nowrite "},
        {&CRmiOptions::m_bShow, "-show "},
    };
    for (const CFlag& flag : s_flags)
        if (options.*flag.pSwitch)
            strLine += flag.pszText;
    struct CDir {
        BOOL CRmiOptions::*pSwitch;
        CString CRmiOptions::*pPath;
        const char* pszOption;
    };
    // The skeleton directory goes with "-d" as well, after the stub directory.
    static const CDir s_dirs[] = {
        {&CRmiOptions::m_bOutputDir, &CRmiOptions::m_strOutputDir, "-d "},
        {&CRmiOptions::m_bStubDir, &CRmiOptions::m_strStubDir, "-dstub "},
        {&CRmiOptions::m_bSkeletonDir, &CRmiOptions::m_strSkeletonDir, "-d "},
    };
    for (const CDir& dir : s_dirs)
        if (options.*dir.pSwitch && !(options.*dir.pPath).IsEmpty())
            strLine += dir.pszOption + QuoteIfSpaced(options.*dir.pPath) + " ";
    if (options.m_bCustom && !options.m_strCustomOptions.IsEmpty())
        strLine += " " + options.m_strCustomOptions + " ";
    for (int i = 0; i < options.m_arrClasses.GetSize(); ++i)
        strLine += " " + options.m_arrClasses[i];
    return strLine;
}

CString CToolCommandLine::EffectiveCompilerClassPath(const CProject* pProject, const CToolOptions& global)
{
    const CToolOptions& project = pProject ? pProject->m_options : global;
    CString strValue;
    Valued(project, global, &CToolOptions::m_bCompClassPath, &CToolOptions::m_strCompClassPath, strValue);
    return strValue;
}

CString CToolCommandLine::EffectiveOutputDir(const CProject& project, const CToolOptions& global)
{
    CString strValue;
    Valued(project.m_options, global, &CToolOptions::m_bCompOutputDir, &CToolOptions::m_strCompOutputDir, strValue);
    return strValue;
}
