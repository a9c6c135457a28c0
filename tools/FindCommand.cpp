#include "FindCommand.h"

#include "FindInFiles.h"

#include <cstdio>

int CFindCommand::Run(int argc, char** argv)
{
    if (argc < 2 || argv[0][0] == '\0') {
        std::fprintf(stderr, "usage: mosk-tool find TEXT FILE...\n");
        return 2;
    }
    CStringArray files;
    for (int i = 1; i < argc; ++i)
        files.Add(argv[i]);
    std::string strOut;
    CFindInFiles::Search(argv[0], files, strOut);
    std::fwrite(strOut.data(), 1, strOut.size(), stdout);
    return 0;
}
