// mosk-tool: the command-line companion of Mosk.
#include "AddBeansCommand.h"
#include "AddPackagesCommand.h"
#include "CommandsCommand.h"
#include "IndexCommand.h"
#include "OutlineCommand.h"
#include "ProjectCommand.h"
#include "RtfCommand.h"

#include <cstdio>
#include <cstring>

namespace {

struct CCommandEntry {
    const char* pszName;
    int (*pfnRun)(int argc, char** argv);
    const char* pszUsage;
};

const CCommandEntry s_commands[] = {
    {"rtf", &CRtfCommand::Run, "rtf FILE         the coloured rich text the editor receives for FILE"},
    {"outline", &COutlineCommand::Run,
     "outline FILE...  the declarations of Java files, one per line:\n"
     "                   FILE START END KIND NAME TYPE ACCESS FLAGS DETAIL (tab-separated, \"-\" when empty)"},
    {"commands", &CCommandsCommand::Run, "commands FILE    the user commands of a user.cmd file, every field by name"},
    {"project", &CProjectCommand::Run, "project FILE     a project file (.mosk) or the project list (mosk.proj) as text"},
    {"index", &CIndexCommand::Run, "index FILE       a package index (mosk.pkg) or bean index (mosk.bns), one entry a line"},
    {"add-packages", &CAddPackagesCommand::Run,
     "add-packages INDEX FILE...  Add/Update (.java) and Add Class (.class) on the package index INDEX"},
    {"add-beans", &CAddBeansCommand::Run, "add-beans INDEX FILE...     Add Bean (.jar, .class) into the bean index's root folder"},
};

int Usage()
{
    std::fprintf(stderr, "usage: mosk-tool COMMAND ARGS...\n");
    for (const CCommandEntry& entry : s_commands)
        std::fprintf(stderr, "  %s\n", entry.pszUsage);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    for (const CCommandEntry& entry : s_commands)
        if (std::strcmp(argv[1], entry.pszName) == 0)
            return entry.pfnRun(argc - 2, argv + 2);
    std::fprintf(stderr, "mosk-tool: unknown command %s\n", argv[1]);
    return Usage();
}
