#include "AddBeansCommand.h"

#include "AddPackagesCommand.h"
#include "BeanDoc.h"
#include "BeanIntrospectionQueue.h"
#include "BrowserHost.h"
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
    void ClearOutput() override
    {
        if (!m_strOutput.IsEmpty())
            std::fputs("\n", stdout);
        CBrowserHost::ClearOutput();
    }
};

} // namespace

int CAddBeansCommand::Run(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: mosk-tool add-beans INDEX FILE...\n"
                     "Adds the beans of archives (.jar) and class files (.class), described by the\n"
                     "DumpBean helper of classes.zip, to the root folder of the bean index INDEX (mosk.bns).\n");
        return 2;
    }
    CConsoleHost host;
    CBeanDoc doc(&host);
    if (!doc.Open(argv[0]))
        return 1;
    CStringArray arrFiles;
    for (int i = 1; i < argc; i++)
        arrFiles.Add(argv[i]);
    CAddPackagesCommand::PrepareHelpers();
    CBeanIntrospectionQueue queue(doc, arrFiles);
    queue.RunToEnd();
    int nAdded = queue.Finish(doc.GetRoot());
    std::fputs("\n", stdout);
    return nAdded > 0 && !doc.IsModified() ? 0 : 1;
}
