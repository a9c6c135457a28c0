// The command lines of the JDK tools as exact strings: each switch alone,
// all together, and how the project's and the global options combine.
#include "JarOptions.h"
#include "Project.h"
#include "ProjectHost.h"
#include "RmiOptions.h"
#include "ToolCommandLine.h"

#include <gtest/gtest.h>

namespace {

using Setter = void (*)(CToolOptions&);
void None(CToolOptions&) {}

// One command line: options of the project (used unless bGlobalOnly) and the
// global defaults, and the exact text expected.
struct OptionCase {
    const char* pszName;
    Setter setProject;
    Setter setGlobal;
    bool bGlobalOnly;
    const char* pszExpected;
};

template <typename Build>
void CheckCases(const OptionCase* pCases, size_t nCount, Build build)
{
    for (size_t i = 0; i < nCount; ++i) {
        const OptionCase& c = pCases[i];
        CToolOptions project, global;
        c.setProject(project);
        c.setGlobal(global);
        EXPECT_EQ(build(c.bGlobalOnly ? nullptr : &project, global), c.pszExpected) << c.pszName;
    }
}

} // namespace

TEST(ToolCommandLineTest, PrefixQuotingAndOutputDirTrimming)
{
    struct Case {
        const char* pszIn;
        const char* pszPrefix;
        const char* pszQuoted;
        const char* pszTrimmed;
    };
    const Case cases[] = {
        {"", "", "", ""},
        {"/", "/", "/", "/"},
        {"/a/", "/a/", "/a/", "/a/"},          // three characters keep their "/"
        {"/ab/", "/ab/", "/ab/", "/ab"},
        {"/out/", "/out/", "/out/", "/out"},
        {"/jdk/bin", "/jdk/bin/", "/jdk/bin", "/jdk/bin"},
        {"/my jdk/", "/my jdk/", "\"/my jdk/\"", "/my jdk"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CToolCommandLine::JdkPrefix(c.pszIn), c.pszPrefix) << c.pszIn;
        EXPECT_EQ(CToolCommandLine::QuoteIfSpaced(c.pszIn), c.pszQuoted) << c.pszIn;
        EXPECT_EQ(CToolCommandLine::TrimOutputDir(c.pszIn), c.pszTrimmed) << c.pszIn;
    }
    EXPECT_EQ(CToolCommandLine::JdkPrefix(nullptr), "");
    EXPECT_EQ(CToolCommandLine::JdkProgram("/my jdk/bin", "javac"), "\"/my jdk/bin/javac\"");
    EXPECT_EQ(CToolCommandLine::JdkProgram("/jdk/bin/", "jar"), "/jdk/bin/jar");
    EXPECT_EQ(CToolCommandLine::JdkProgram(nullptr, "java"), "java");
}

TEST(ToolCommandLineTest, CompilerSwitchesAndSources)
{
    const OptionCase cases[] = {
        {"nothing set", None, None, false, "javac   "},
        {"class path", [](CToolOptions& o) { o.m_bCompClassPath = TRUE; o.m_strCompClassPath = "/lib:/x"; }, None,
         false, "javac  -classpath /lib:/x "},
        {"spaced class path quoted",
         [](CToolOptions& o) { o.m_bCompClassPath = TRUE; o.m_strCompClassPath = "/my lib"; }, None, false,
         "javac  -classpath \"/my lib\" "},
        {"global class path when the project's is off",
         [](CToolOptions& o) { o.m_strCompClassPath = "/p"; },
         [](CToolOptions& o) { o.m_bCompClassPath = TRUE; o.m_strCompClassPath = "/g"; }, false,
         "javac  -classpath /g "},
        {"project class path wins",
         [](CToolOptions& o) { o.m_bCompClassPath = TRUE; o.m_strCompClassPath = "/p"; },
         [](CToolOptions& o) { o.m_bCompClassPath = TRUE; o.m_strCompClassPath = "/g"; }, false,
         "javac  -classpath /p "},
        {"empty class path left out", [](CToolOptions& o) { o.m_bCompClassPath = TRUE; }, None, false, "javac   "},
        {"output dir trimmed", [](CToolOptions& o) { o.m_bCompOutputDir = TRUE; o.m_strCompOutputDir = "/out/"; },
         None, false, "javac   -d /out "},
        {"short output dir keeps its slash",
         [](CToolOptions& o) { o.m_bCompOutputDir = TRUE; o.m_strCompOutputDir = "/a/"; }, None, false,
         "javac   -d /a/ "},
        {"spaced output dir quoted after trimming",
         [](CToolOptions& o) { o.m_bCompOutputDir = TRUE; o.m_strCompOutputDir = "/o u/"; }, None, false,
         "javac   -d \"/o u\" "},
        {"global output dir", None,
         [](CToolOptions& o) { o.m_bCompOutputDir = TRUE; o.m_strCompOutputDir = "/g"; }, false,
         "javac   -d /g "},
        {"debug", [](CToolOptions& o) { o.m_bCompDebug = TRUE; }, None, false, "javac   -g "},
        {"no warnings", [](CToolOptions& o) { o.m_bCompNoWarnings = TRUE; }, None, false, "javac   -nowarn "},
        {"optimize", [](CToolOptions& o) { o.m_bCompOptimize = TRUE; }, None, false, "javac   -O "},
        {"verbose", [](CToolOptions& o) { o.m_bCompVerbose = TRUE; }, None, false, "javac   -verbose "},
        {"deprecation", [](CToolOptions& o) { o.m_bCompDeprecation = TRUE; }, None, false,
         "javac   -deprecation "},
        {"global switch turns it on", None, [](CToolOptions& o) { o.m_bCompDebug = TRUE; }, false, "javac   -g "},
        {"project extra options",
         [](CToolOptions& o) { o.m_bCompExtraOptions = TRUE; o.m_strCompExtraOptions = "-Xlint"; }, None, false,
         "javac   -Xlint "},
        {"empty project extra options give way to the global ones",
         [](CToolOptions& o) { o.m_bCompExtraOptions = TRUE; },
         [](CToolOptions& o) { o.m_bCompExtraOptions = TRUE; o.m_strCompExtraOptions = "-g:none"; }, false,
         "javac   -g:none "},
        {"extra options need their switch", [](CToolOptions& o) { o.m_strCompExtraOptions = "-Xlint"; },
         [](CToolOptions& o) { o.m_strCompExtraOptions = "-Xg"; }, false, "javac   "},
        {"everything on",
         [](CToolOptions& o) {
             o.m_bCompClassPath = o.m_bCompOutputDir = o.m_bCompDebug = o.m_bCompNoWarnings = TRUE;
             o.m_bCompOptimize = o.m_bCompVerbose = o.m_bCompDeprecation = o.m_bCompExtraOptions = TRUE;
             o.m_strCompClassPath = "/lib";
             o.m_strCompOutputDir = "/out/";
             o.m_strCompExtraOptions = "-Xlint";
         },
         None, false, "javac  -classpath /lib -d /out -g -nowarn -O -verbose -deprecation -Xlint "},
        {"without a project the project's fields do not count",
         [](CToolOptions& o) { o.m_bCompDebug = o.m_bCompUseOther = TRUE; o.m_strCompOtherCommand = "jx"; },
         [](CToolOptions& o) { o.m_bCompOptimize = TRUE; }, true, "javac   -O "},
        {"global fields alone",
         None,
         [](CToolOptions& o) {
             o.m_bCompClassPath = o.m_bCompOutputDir = o.m_bCompExtraOptions = TRUE;
             o.m_strCompClassPath = "/g lib";
             o.m_strCompOutputDir = "/gout/";
             o.m_strCompExtraOptions = "-x";
         },
         true, "javac  -classpath \"/g lib\" -d /gout -x "},
        {"project's other compiler with its extra options",
         [](CToolOptions& o) {
             o.m_bCompUseOther = o.m_bCompExtraOptions = o.m_bCompDebug = o.m_bCompClassPath = TRUE;
             o.m_strCompOtherCommand = "jx";
             o.m_strCompExtraOptions = "+E";
             o.m_strCompClassPath = "/lib";
         },
         [](CToolOptions& o) { o.m_bCompUseOther = TRUE; o.m_strCompOtherCommand = "gx"; }, false, "jx +E "},
        {"project's other compiler without extra options",
         [](CToolOptions& o) { o.m_bCompUseOther = TRUE; o.m_strCompOtherCommand = "jx"; },
         [](CToolOptions& o) { o.m_bCompExtraOptions = TRUE; o.m_strCompExtraOptions = "-g"; }, false, "jx "},
        {"global other compiler",
         None,
         [](CToolOptions& o) {
             o.m_bCompUseOther = o.m_bCompExtraOptions = TRUE;
             o.m_strCompOtherCommand = "gx -q";
             o.m_strCompExtraOptions = "+F";
         },
         false, "gx -q +F "},
        {"global other compiler without a project", None,
         [](CToolOptions& o) { o.m_bCompUseOther = TRUE; o.m_strCompOtherCommand = "gx"; }, true, "gx "},
    };
    CheckCases(cases, std::size(cases), [](const CToolOptions* pProject, const CToolOptions& global) {
        return CToolCommandLine::Compiler(pProject, global, "");
    });
    CToolOptions global;
    EXPECT_EQ(CToolCommandLine::Compiler(nullptr, global, "/jdk/bin"), "/jdk/bin/javac   ");
}

TEST(ToolCommandLineTest, JavadocSwitchesAndSources)
{
    const OptionCase cases[] = {
        {"nothing set", None, None, false, "javadoc  "},
        {"class path", [](CToolOptions& o) { o.m_bDocClassPath = TRUE; o.m_strDocClassPath = "/a b"; }, None,
         false, "javadoc -classpath \"/a b\" "},
        {"global class path", None, [](CToolOptions& o) { o.m_bDocClassPath = TRUE; o.m_strDocClassPath = "/g"; },
         false, "javadoc -classpath /g "},
        {"output dir", [](CToolOptions& o) { o.m_bDocOutputDir = TRUE; o.m_strDocOutputDir = "/docs/"; }, None,
         false, "javadoc  -d /docs "},
        {"document type MIF is refused before the run", [](CToolOptions& o) { o.m_nDocType = 2; }, None, false,
         "javadoc  "},
        {"document type is the project's own", [](CToolOptions& o) { o.m_nDocType = 1; },
         [](CToolOptions& o) { o.m_nDocType = 2; }, false, "javadoc  "},
        {"global document type without a project", None, [](CToolOptions& o) { o.m_nDocType = 2; }, true,
         "javadoc  "},
        {"version", [](CToolOptions& o) { o.m_bDocVersion = TRUE; }, None, false, "javadoc  -version  "},
        {"global version", None, [](CToolOptions& o) { o.m_bDocVersion = TRUE; }, false, "javadoc  -version  "},
        {"no deprecated", [](CToolOptions& o) { o.m_bDocNoDeprecated = TRUE; }, None, false,
         "javadoc  -nodeprecated  "},
        {"author", [](CToolOptions& o) { o.m_bDocAuthor = TRUE; }, None, false, "javadoc  -author  "},
        {"no index", [](CToolOptions& o) { o.m_bDocNoIndex = TRUE; }, None, false, "javadoc  -noindex  "},
        {"no tree", [](CToolOptions& o) { o.m_bDocNoTree = TRUE; }, None, false, "javadoc  -notree  "},
        {"project extra text counts without a switch",
         [](CToolOptions& o) { o.m_strDocExtraOptions = "-private"; },
         [](CToolOptions& o) { o.m_bDocExtraOptions = TRUE; o.m_strDocExtraOptions = "-g"; }, false,
         "javadoc  -private "},
        {"global extra text when the project has none", None,
         [](CToolOptions& o) { o.m_bDocExtraOptions = TRUE; o.m_strDocExtraOptions = "-g"; }, false,
         "javadoc  -g "},
        {"global extra text needs its switch", None, [](CToolOptions& o) { o.m_strDocExtraOptions = "-g"; }, true,
         "javadoc  "},
        {"everything on",
         [](CToolOptions& o) {
             o.m_bDocClassPath = o.m_bDocOutputDir = o.m_bDocVersion = o.m_bDocNoDeprecated = TRUE;
             o.m_bDocAuthor = o.m_bDocNoIndex = o.m_bDocNoTree = TRUE;
             o.m_nDocType = 2;
             o.m_strDocClassPath = "/lib";
             o.m_strDocOutputDir = "/docs";
             o.m_strDocExtraOptions = "-private";
         },
         None, false,
         "javadoc -classpath /lib -d /docs -version  -nodeprecated  -author  -noindex  -notree  "
         "-private "},
        {"without a project the project's fields do not count",
         [](CToolOptions& o) { o.m_bDocAuthor = TRUE; o.m_strDocExtraOptions = "-p"; },
         [](CToolOptions& o) { o.m_bDocNoTree = TRUE; }, true, "javadoc  -notree  "},
    };
    CheckCases(cases, std::size(cases), [](const CToolOptions* pProject, const CToolOptions& global) {
        return CToolCommandLine::Javadoc(pProject, global, "");
    });
    CToolOptions global;
    EXPECT_EQ(CToolCommandLine::Javadoc(nullptr, global, "/jdk"), "/jdk/javadoc  ");
}

TEST(ToolCommandLineTest, InterpreterSwitchesAndSources)
{
    const OptionCase cases[] = {
        {"nothing set", None, None, false, "java   Main "},
        {"cs", [](CToolOptions& o) { o.m_bInterpCs = TRUE; }, None, false, "java   Main "},
        {"class path quoted", [](CToolOptions& o) { o.m_bInterpClassPath = TRUE; o.m_strInterpClassPath = "/c p"; },
         None, false, "java  -classpath \"/c p\"  Main "},
        {"mx", [](CToolOptions& o) { o.m_bInterpMx = TRUE; o.m_strInterpMx = "64m"; }, None, false,
         "java  -Xmx64m  Main "},
        {"ms", [](CToolOptions& o) { o.m_bInterpMs = TRUE; o.m_strInterpMs = "8m"; }, None, false,
         "java  -Xms8m  Main "},
        {"noasyncgc", [](CToolOptions& o) { o.m_bInterpNoAsyncGc = TRUE; }, None, false, "java   Main "},
        {"oss", [](CToolOptions& o) { o.m_bInterpOss = TRUE; o.m_strInterpOss = "1m"; }, None, false,
         "java   Main "},
        {"ss", [](CToolOptions& o) { o.m_bInterpSs = TRUE; o.m_strInterpSs = "2m"; }, None, false,
         "java  -Xss2m  Main "},
        {"verbose", [](CToolOptions& o) { o.m_bInterpVerbose = TRUE; }, None, false, "java  -verbose  Main "},
        {"verify", [](CToolOptions& o) { o.m_bInterpVerify = TRUE; }, None, false, "java   Main "},
        {"noverify", [](CToolOptions& o) { o.m_bInterpNoVerify = TRUE; }, None, false, "java   Main "},
        {"verifyremote", [](CToolOptions& o) { o.m_bInterpVerifyRemote = TRUE; }, None, false,
         "java   Main "},
        {"verbosegc", [](CToolOptions& o) { o.m_bInterpVerboseGc = TRUE; }, None, false, "java  -verbose:gc  Main "},
        {"define", [](CToolOptions& o) { o.m_bInterpD = TRUE; o.m_strInterpD = "a=b"; }, None, false,
         "java  -Da=b  Main "},
        {"global valued switch", [](CToolOptions& o) { o.m_strInterpMx = "1m"; },
         [](CToolOptions& o) { o.m_bInterpMx = TRUE; o.m_strInterpMx = "9m"; }, false, "java  -Xmx9m  Main "},
        {"project value wins", [](CToolOptions& o) { o.m_bInterpMx = TRUE; o.m_strInterpMx = "1m"; },
         [](CToolOptions& o) { o.m_bInterpMx = TRUE; o.m_strInterpMx = "9m"; }, false, "java  -Xmx1m  Main "},
        {"global extra options only",
         [](CToolOptions& o) { o.m_bInterpExtraOptions = TRUE; o.m_strInterpExtraOptions = "-Xp"; },
         [](CToolOptions& o) { o.m_bInterpExtraOptions = TRUE; o.m_strInterpExtraOptions = "-Xint"; }, false,
         "java   -Xint Main "},
        {"global other interpreter",
         [](CToolOptions& o) { o.m_bInterpUseOther = TRUE; o.m_strInterpOtherCommand = "px"; },
         [](CToolOptions& o) { o.m_bInterpUseOther = TRUE; o.m_strInterpOtherCommand = "kx"; }, false,
         "kx   Main "},
        {"project's other interpreter switch does nothing",
         [](CToolOptions& o) { o.m_bInterpUseOther = TRUE; o.m_strInterpOtherCommand = "px"; }, None, false,
         "java   Main "},
        {"program arguments",
         [](CToolOptions& o) { o.m_bInterpProgramArgs = TRUE; o.m_strInterpProgramArgs = "a b"; }, None, false,
         "java   Main a b"},
        {"program arguments need their switch", [](CToolOptions& o) { o.m_strInterpProgramArgs = "a b"; }, None,
         false, "java   Main "},
        {"no program arguments without a project",
         [](CToolOptions& o) { o.m_bInterpProgramArgs = TRUE; o.m_strInterpProgramArgs = "a b"; },
         [](CToolOptions& o) { o.m_bInterpProgramArgs = TRUE; o.m_strInterpProgramArgs = "g"; }, true,
         "java   Main "},
        {"everything on",
         [](CToolOptions& o) {
             o.m_bInterpCs = o.m_bInterpClassPath = o.m_bInterpMx = o.m_bInterpMs = o.m_bInterpNoAsyncGc = TRUE;
             o.m_bInterpOss = o.m_bInterpSs = o.m_bInterpVerbose = o.m_bInterpVerify = TRUE;
             o.m_bInterpNoVerify = o.m_bInterpVerifyRemote = o.m_bInterpVerboseGc = o.m_bInterpD = TRUE;
             o.m_bInterpProgramArgs = TRUE;
             o.m_strInterpClassPath = "/c";
             o.m_strInterpMx = "64m";
             o.m_strInterpMs = "8m";
             o.m_strInterpOss = "1m";
             o.m_strInterpSs = "2m";
             o.m_strInterpD = "a=b";
             o.m_strInterpProgramArgs = "x y";
         },
         [](CToolOptions& o) { o.m_bInterpExtraOptions = TRUE; o.m_strInterpExtraOptions = "-Xint"; }, false,
         "java  -classpath /c -Xmx64m -Xms8m -Xss2m -verbose -verbose:gc -Da=b  -Xint Main x y"},
    };
    CheckCases(cases, std::size(cases), [](const CToolOptions* pProject, const CToolOptions& global) {
        return CToolCommandLine::Interpreter(pProject, global, "", "Main");
    });

    CToolOptions project, global;
    project.m_bInterpProgramArgs = TRUE;
    project.m_strInterpProgramArgs = "a";
    // No class: no program arguments either.
    EXPECT_EQ(CToolCommandLine::Interpreter(&project, global, "", ""), "java    ");
    EXPECT_EQ(CToolCommandLine::Interpreter(nullptr, global, "/jdk/", "p.Q"), "/jdk/java   p.Q ");

    // What today's virtual machines refuse is named, in table order.
    struct LeftOut {
        void (*pfnSet)(CToolOptions&);
        const char* pszLeftOut;
    } leftOut[] = {
        {[](CToolOptions&) {}, ""},
        {[](CToolOptions& o) { o.m_bInterpVerbose = o.m_bInterpVerboseGc = o.m_bInterpMx = TRUE; }, ""},
        {[](CToolOptions& o) { o.m_bInterpCs = TRUE; }, "-cs"},
        {[](CToolOptions& o) { o.m_bInterpOss = o.m_bInterpNoVerify = TRUE; }, "-oss -noverify"},
        {[](CToolOptions& o) {
             o.m_bInterpCs = o.m_bInterpNoAsyncGc = o.m_bInterpOss = TRUE;
             o.m_bInterpVerify = o.m_bInterpNoVerify = o.m_bInterpVerifyRemote = TRUE;
         },
         "-cs -noasyncgc -oss -verify -noverify -verifyremote"},
    };
    for (const LeftOut& c : leftOut) {
        CToolOptions options;
        c.pfnSet(options);
        CString strLeftOut = "unset";
        CToolCommandLine::Interpreter(&options, CToolOptions(), "", "Main", &strLeftOut);
        EXPECT_EQ(strLeftOut, c.pszLeftOut);
    }
    CToolOptions mif;
    mif.m_nDocType = 2;
    EXPECT_FALSE(CToolCommandLine::IsDocTypeSupported(&mif, CToolOptions()));
    EXPECT_TRUE(CToolCommandLine::IsDocTypeSupported(&project, mif));
    EXPECT_FALSE(CToolCommandLine::IsDocTypeSupported(nullptr, mif));
}

TEST(ToolCommandLineTest, DebuggerTakesTheInterpreterClassPathAndArguments)
{
    const OptionCase cases[] = {
        {"nothing set", None, None, false, "jdb  Main "},
        {"project class path",
         [](CToolOptions& o) { o.m_bInterpClassPath = TRUE; o.m_strInterpClassPath = "/c d"; },
         [](CToolOptions& o) { o.m_bInterpClassPath = TRUE; o.m_strInterpClassPath = "/g"; }, false,
         "jdb  -classpath \"/c d\" Main "},
        {"global class path", [](CToolOptions& o) { o.m_strInterpClassPath = "/p"; },
         [](CToolOptions& o) { o.m_bInterpClassPath = TRUE; o.m_strInterpClassPath = "/g"; }, false,
         "jdb  -classpath /g Main "},
        {"program arguments",
         [](CToolOptions& o) { o.m_bInterpProgramArgs = TRUE; o.m_strInterpProgramArgs = "-n 3"; }, None, false,
         "jdb  Main -n 3"},
        {"interpreter switches do not apply", [](CToolOptions& o) { o.m_bInterpVerbose = o.m_bInterpCs = TRUE; },
         None, false, "jdb  Main "},
    };
    CheckCases(cases, std::size(cases), [](const CToolOptions* pProject, const CToolOptions& global) {
        return CToolCommandLine::Debugger(*pProject, global, "", "Main");
    });
    CToolOptions options;
    EXPECT_EQ(CToolCommandLine::Debugger(options, options, "/jdk", "a.B"), "/jdk/jdb  a.B ");
}

TEST(ToolCommandLineTest, AppletViewerLines)
{
    CToolOptions project, global, extra;
    extra.m_bInterpExtraOptions = TRUE;
    extra.m_strInterpExtraOptions = "-J-Xint";
    struct Case {
        const char* pszName;
        const CToolOptions* pProject;
        const CToolOptions* pGlobal;
        BOOL bDebug;
        const char* pszPage;
        const char* pszExpected;
    };
    const Case cases[] = {
        {"project", &project, &global, FALSE, "Default.htm", "appletviewer   Default.htm"},
        {"project debug", &project, &global, TRUE, "Default.htm", "appletviewer  -debug  Default.htm"},
        {"global extra options", &project, &extra, TRUE, "a.html", "appletviewer  -debug  -J-Xint a.html"},
        {"project extra options do not count", &extra, &global, FALSE, "a.html", "appletviewer   a.html"},
        {"without a project", nullptr, &extra, FALSE, "a.html", "appletviewer   -J-Xint a.html"},
        {"no debugging without a project", nullptr, &global, TRUE, "a.html", "appletviewer   a.html"},
        {"the page's name only", &project, &global, FALSE, "/p/web/Page.html", "appletviewer   Page.html"},
        {"spaced page name quoted", &project, &global, FALSE, "/p/My Page.html", "appletviewer   \"My Page.html\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CToolCommandLine::AppletViewer(c.pProject, *c.pGlobal, "", c.bDebug, c.pszPage), c.pszExpected)
            << c.pszName;
    EXPECT_EQ(CToolCommandLine::AppletViewer(nullptr, global, "/jdk", FALSE, "a.htm"), "/jdk/appletviewer   a.htm");
}

TEST(ToolCommandLineTest, JarLettersFilesAndFolder)
{
    using JarSetter = void (*)(CJarOptions&);
    struct Case {
        const char* pszName;
        JarSetter set;
        const char* pszExpected;
    };
    const Case cases[] = {
        {"all switches off", [](CJarOptions&) {}, "jar  A.class b/B.class "},
        {"create", [](CJarOptions& o) { o.m_bCreate = TRUE; }, "jar -c A.class b/B.class "},
        {"verbose", [](CJarOptions& o) { o.m_bVerbose = TRUE; }, "jar -v A.class b/B.class "},
        {"archive named", [](CJarOptions& o) { o.m_bSpecifyArchive = TRUE; }, "jar -f x.jar A.class b/B.class "},
        {"manifest", [](CJarOptions& o) { o.m_bIncludeManifest = TRUE; },
         "jar -m /p/out/X.mft A.class b/B.class "},
        {"no manifest entries", [](CJarOptions& o) { o.m_bNoManifestEntries = TRUE; }, "jar -M A.class b/B.class "},
        {"no compression", [](CJarOptions& o) { o.m_bNoCompression = TRUE; }, "jar -0 A.class b/B.class "},
        {"custom options", [](CJarOptions& o) { o.m_bCustom = TRUE; }, "jar  -C d A.class b/B.class "},
        {"custom options empty", [](CJarOptions& o) { o.m_bCustom = TRUE; o.m_strCustomOptions.Empty(); },
         "jar   A.class b/B.class "},
        {"everything on",
         [](CJarOptions& o) {
             o.m_bCreate = o.m_bVerbose = o.m_bSpecifyArchive = o.m_bIncludeManifest = TRUE;
             o.m_bNoManifestEntries = o.m_bNoCompression = o.m_bCustom = TRUE;
         },
         "jar -cvfmM0 x.jar /p/out/X.mft -C d A.class b/B.class "},
        {"files outside and relative",
         [](CJarOptions& o) {
             o.m_arrFiles.RemoveAll();
             o.m_arrFiles.Add("/p/src/A.java");
             o.m_arrFiles.Add("a/b");
             o.m_arrFiles.Add("*.class");
             o.m_arrFiles.Add("/p/out/my file.txt");
         },
         "jar  ../src/A.java a/b *.class \"my file.txt\" "},
        {"spaced archive and manifest quoted",
         [](CJarOptions& o) {
             o.m_bSpecifyArchive = o.m_bIncludeManifest = TRUE;
             o.m_strOutputFile = "/p/out/my x.jar";
             o.m_strManifestFile = "/p/my m.mft";
             o.m_arrFiles.RemoveAll();
         },
         "jar -fm \"my x.jar\" \"/p/my m.mft\" "},
    };
    for (const Case& c : cases) {
        CJarOptions options;
        options.m_strOutputFile = "/p/out/x.jar";
        options.m_strManifestFile = "/p/out/X.mft";
        options.m_strCustomOptions = "-C d";
        options.m_arrFiles.Add("/p/out/A.class");
        options.m_arrFiles.Add("/p/out/b/B.class");
        c.set(options);
        EXPECT_EQ(CToolCommandLine::Jar(options, ""), c.pszExpected) << c.pszName;
    }
    CJarOptions options;
    options.m_strOutputFile = "/p/a.jar";
    EXPECT_EQ(CToolCommandLine::Jar(options, "/jdk/bin"), "/jdk/bin/jar  ");

    struct DirCase {
        const char* pszOutput;
        const char* pszDir;
    };
    const DirCase dirs[] = {{"/p/out/x.jar", "/p/out"}, {"/x.jar", "/"}, {"x.jar", ""}, {"", ""}};
    for (const DirCase& d : dirs) {
        options.m_strOutputFile = d.pszOutput;
        EXPECT_EQ(options.GetWorkingDir(), d.pszDir) << d.pszOutput;
    }
}

TEST(ToolCommandLineTest, RmicSwitchesDirectoriesAndClasses)
{
    using RmiSetter = void (*)(CRmiOptions&);
    struct Case {
        const char* pszName;
        RmiSetter set;
        const char* pszClassPath;
        const char* pszExpected;
    };
    const Case cases[] = {
        {"nothing set", [](CRmiOptions&) {}, "/c", "rmic  a.Impl"},
        {"class path", [](CRmiOptions& o) { o.m_bClassPath = TRUE; }, "/c", "rmic -classpath /c  a.Impl"},
        {"spaced class path", [](CRmiOptions& o) { o.m_bClassPath = TRUE; }, "/c d", "rmic -classpath \"/c d\"  a.Impl"},
        {"class path switch with no path", [](CRmiOptions& o) { o.m_bClassPath = TRUE; }, "", "rmic  a.Impl"},
        {"debug", [](CRmiOptions& o) { o.m_bDebug = TRUE; }, "", "rmic -debug  a.Impl"},
        {"debug tables", [](CRmiOptions& o) { o.m_bDebugTables = TRUE; }, "", "rmic -g  a.Impl"},
        {"optimize", [](CRmiOptions& o) { o.m_bOptimize = TRUE; }, "", "rmic -O  a.Impl"},
        {"depend", [](CRmiOptions& o) { o.m_bDepend = TRUE; }, "", "rmic -depend  a.Impl"},
        {"verbose", [](CRmiOptions& o) { o.m_bVerbose = TRUE; }, "", "rmic -verbose  a.Impl"},
        {"keep generated", [](CRmiOptions& o) { o.m_bKeepGenerated = TRUE; }, "", "rmic -keepgenerated  a.Impl"},
        {"no warnings", [](CRmiOptions& o) { o.m_bNoWarnings = TRUE; }, "", "rmic -nowarn  a.Impl"},
        {"no write", [](CRmiOptions& o) { o.m_bNoWrite = TRUE; }, "", "rmic -nowrite  a.Impl"},
        {"show", [](CRmiOptions& o) { o.m_bShow = TRUE; }, "", "rmic -show  a.Impl"},
        {"output dir", [](CRmiOptions& o) { o.m_bOutputDir = TRUE; o.m_strOutputDir = "/out"; }, "",
         "rmic -d /out  a.Impl"},
        {"output dir needs a path", [](CRmiOptions& o) { o.m_bOutputDir = TRUE; }, "", "rmic  a.Impl"},
        {"output dir needs its switch", [](CRmiOptions& o) { o.m_strOutputDir = "/out"; }, "", "rmic  a.Impl"},
        {"stub dir", [](CRmiOptions& o) { o.m_bStubDir = TRUE; o.m_strStubDir = "/stubs"; }, "",
         "rmic -dstub /stubs  a.Impl"},
        {"skeleton dir", [](CRmiOptions& o) { o.m_bSkeletonDir = TRUE; o.m_strSkeletonDir = "/skel"; }, "",
         "rmic -d /skel  a.Impl"},
        {"three directories in order",
         [](CRmiOptions& o) {
             o.m_bOutputDir = o.m_bStubDir = o.m_bSkeletonDir = TRUE;
             o.m_strOutputDir = "/out";
             o.m_strStubDir = "/st ubs";
             o.m_strSkeletonDir = "/skel";
         },
         "", "rmic -d /out -dstub \"/st ubs\" -d /skel  a.Impl"},
        {"custom", [](CRmiOptions& o) { o.m_bCustom = TRUE; o.m_strCustomOptions = "-iiop"; }, "",
         "rmic  -iiop  a.Impl"},
        {"custom needs a text", [](CRmiOptions& o) { o.m_bCustom = TRUE; }, "", "rmic  a.Impl"},
        {"two classes", [](CRmiOptions& o) { o.m_arrClasses.Add("b.Other"); }, "", "rmic  a.Impl b.Other"},
        {"everything on",
         [](CRmiOptions& o) {
             o.m_bClassPath = o.m_bDebug = o.m_bDebugTables = o.m_bDepend = o.m_bOutputDir = TRUE;
             o.m_bKeepGenerated = o.m_bNoWarnings = o.m_bNoWrite = o.m_bOptimize = o.m_bShow = TRUE;
             o.m_bSkeletonDir = o.m_bStubDir = o.m_bVerbose = o.m_bCustom = TRUE;
             o.m_strOutputDir = "/out";
             o.m_strStubDir = "/stubs";
             o.m_strSkeletonDir = "/skel";
             o.m_strCustomOptions = "-iiop";
             o.m_arrClasses.Add("b.Other");
         },
         "/c",
         "rmic -classpath /c -debug -g -O -depend -verbose -keepgenerated -nowarn -nowrite -show -d /out "
         "-dstub /stubs -d /skel  -iiop  a.Impl b.Other"},
    };
    for (const Case& c : cases) {
        CRmiOptions options;
        options.m_arrClasses.Add("a.Impl");
        c.set(options);
        EXPECT_EQ(CToolCommandLine::Rmic(options, c.pszClassPath, ""), c.pszExpected) << c.pszName;
    }
    CRmiOptions options;
    EXPECT_EQ(CToolCommandLine::Rmic(options, "", "/jdk"), "/jdk/rmic ");
}

TEST(ToolCommandLineTest, EffectiveClassPathAndOutputDir)
{
    struct Case {
        const char* pszName;
        BOOL bProjectOn, bGlobalOn, bWithProject;
        const char* pszExpected;
    };
    const Case cases[] = {
        {"project's when on", TRUE, TRUE, TRUE, "/p/"},
        {"global's when the project's is off", FALSE, TRUE, TRUE, "/g/"},
        {"none when both are off", FALSE, FALSE, TRUE, ""},
        {"global alone", TRUE, TRUE, FALSE, "/g/"},
        {"global alone, switched off", TRUE, FALSE, FALSE, ""},
    };
    CProjectHost host;
    for (const Case& c : cases) {
        CProject project(host);
        CToolOptions global;
        project.m_options.m_bCompClassPath = project.m_options.m_bCompOutputDir = c.bProjectOn;
        project.m_options.m_strCompClassPath = project.m_options.m_strCompOutputDir = "/p/";
        global.m_bCompClassPath = global.m_bCompOutputDir = c.bGlobalOn;
        global.m_strCompClassPath = global.m_strCompOutputDir = "/g/";
        EXPECT_EQ(CToolCommandLine::EffectiveCompilerClassPath(c.bWithProject ? &project : nullptr, global),
                  c.pszExpected)
            << c.pszName;
        if (c.bWithProject) {
            EXPECT_EQ(CToolCommandLine::EffectiveOutputDir(project, global), c.pszExpected) << c.pszName;
        }
    }
}
