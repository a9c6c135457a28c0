// mosk-tool: the command-line companion of Mosk.
#include "AddBeansCommand.h"
#include "AddPackagesCommand.h"
#include "CommandsCommand.h"
#include "FindCommand.h"
#include "HelpCommand.h"
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
    {"rtf", &CRtfCommand::Run,
     "rtf [--modern] FILE  the coloured rich text the editor receives for FILE\n"
     "                   (--modern: with the keywords Java gained after 1.1, as the editor colours them)"},
    {"outline", &COutlineCommand::Run,
     "outline FILE...  the declarations of Java files, one per line:\n"
     "                   FILE START END KIND NAME TYPE ACCESS FLAGS DETAIL (tab-separated, \"-\" when empty)"},
    {"commands", &CCommandsCommand::Run, "commands FILE    the user commands of a user.cmd file, every field by name"},
    {"project", &CProjectCommand::Run, "project FILE     a project file (.mosk) or the project list (mosk.proj) as text"},
    {"help-index", &CHelpCommand::RunIndex,
     "help-index DOCDIR OUT.ipg  the system search index from the JDK API documentation under DOCDIR"},
    {"help-search", &CHelpCommand::RunSearch,
     "help-search [--doc DOCDIR] INDEX KEYWORD  the topics of KEYWORD: display text and address"},
    {"find", &CFindCommand::Run, "find TEXT FILE... the lines Find in Files lists for TEXT, once per hit"},
    {"index", &CIndexCommand::Run,
     "index FILE       a package (mosk.pkg), bean (mosk.bns), help tree (mosk.hpg) or search index (.ipg), one entry a line"},
    {"add-packages", &CAddPackagesCommand::Run,
     "add-packages INDEX FILE...  Add/Update (.java) and Add Class (.class) on the package index INDEX"},
    {"add-beans", &CAddBeansCommand::Run, "add-beans INDEX FILE...     Add Bean (.jar, .class) into the bean index's root folder"},
};

int Usage(FILE* pOut = stderr)
{
    std::fprintf(pOut, "usage: mosk-tool COMMAND ARGS...\n       mosk-tool --help | --version\n");
    for (const CCommandEntry& entry : s_commands)
        std::fprintf(pOut, "  %s\n", entry.pszUsage);
    return pOut == stderr ? 2 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)
        return Usage(stdout);
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("mosk-tool %s\n", MOSK_VERSION);
        return 0;
    }
    for (const CCommandEntry& entry : s_commands)
        if (std::strcmp(argv[1], entry.pszName) == 0)
            return entry.pfnRun(argc - 2, argv + 2);
    std::fprintf(stderr, "mosk-tool: unknown command %s\n", argv[1]);
    return Usage();
}
