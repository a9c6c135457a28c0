#include "CommandsCommand.h"

#include "CommandsDoc.h"

#include <cstdio>

int CCommandsCommand::Run(int argc, char** argv)
{
    if (argc != 1) {
        std::fprintf(stderr,
                     "usage: mosk-tool commands FILE\n"
                     "Prints a user commands file (user.cmd): its version, the number of commands and,\n"
                     "for each command, name, command, startup directory, arguments and the switches\n"
                     "use IDE class path, capture output, on file menu, on project menu (0 or 1).\n"
                     "A file that cannot be read gets one line on standard error; exit status 1.\n");
        return 2;
    }
    CCommandsDoc doc;
    CString strError;
    if (!doc.Load(argv[0], strError, TRUE)) {
        std::fprintf(stderr, "mosk-tool: cannot read %s: %s\n", argv[0], strError.c_str());
        return 1;
    }
    CString strOut = doc.Dump();
    std::fwrite(strOut.c_str(), 1, static_cast<size_t>(strOut.GetLength()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
