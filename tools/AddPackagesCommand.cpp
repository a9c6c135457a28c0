#include "AddPackagesCommand.h"

#include "AppFolders.h"
#include "BrowserHost.h"
#include "ClassIntrospectionQueue.h"
#include "GuiBuilderSetup.h"
#include "Introspection.h"
#include "PkgDoc.h"
#include "Profile.h"
#include "StringArray.h"

#include <cstdio>

namespace {

class CConsoleHost : public CBrowserHost {
public:
    void WriteOutput(const char* pszText) override
    {
        CBrowserHost::WriteOutput(pszText);
        std::fputs(pszText, stdout);
    }
};

BOOL EndsWith(const CString& str, const char* pszEnd)
{
    CString strEnd = pszEnd;
    return str.GetLength() >= strEnd.GetLength() && str.Right(strEnd.GetLength()).CompareNoCase(strEnd) == 0;
}

} // namespace

void CAddPackagesCommand::PrepareHelpers()
{
    CProfile profile(CAppFolders::GetSettingsFolder() + "/mosk.ini");
    CIntrospection::SetJdkFolder(profile.GetString("Java", "ExePath", ""));
    CString strProgram = profile.GetString("Mosk", "Path", "");
    if (strProgram.IsEmpty())
        strProgram = CAppFolders::GetDataFolder();
    CGuiBuilderSetup::EnsureClassPath(strProgram, FALSE);
}

int CAddPackagesCommand::Run(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: mosk-tool add-packages INDEX FILE...\n"
                     "Adds Java sources (.java, parsed) and class files (.class, through the DumpClass\n"
                     "helper of classes.zip) to the package index INDEX (mosk.pkg), made when missing.\n");
        return 2;
    }
    CConsoleHost host;
    CPkgDoc doc(&host);
    if (!doc.Open(argv[0]))
        return 1;
    CStringArray arrSources, arrClasses;
    for (int i = 1; i < argc; i++)
        (EndsWith(argv[i], ".class") ? arrClasses : arrSources).Add(argv[i]);
    int nStatus = 0;
    if (arrSources.GetSize() > 0 && !doc.AddSourceFiles(arrSources))
        nStatus = 1;
    if (arrClasses.GetSize() > 0) {
        PrepareHelpers();
        CClassIntrospectionQueue queue(doc, arrClasses);
        if (queue.RunToEnd() != CIntrospectionQueue::STATE_DONE)
            nStatus = 1;
        queue.Finish();
        std::fputs("\n", stdout);
    }
    if (doc.IsModified())
        nStatus = 1;
    return nStatus;
}
