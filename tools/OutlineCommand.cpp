#include "OutlineCommand.h"

#include "FileObject.h"
#include "JavaOutline.h"
#include "JavaParser.h"

#include <cstdio>
#include <memory>

int COutlineCommand::Run(int argc, char** argv)
{
    if (argc < 1) {
        std::fprintf(stderr, "usage: mosk-tool outline FILE...\n");
        return 2;
    }
    int nStatus = 0;
    for (int i = 0; i < argc; ++i) {
        CString strError;
        std::unique_ptr<CFileObject> pFile(CJavaParser::ParseFile(argv[i], strError));
        if (!pFile) {
            std::fprintf(stderr, "mosk-tool: cannot read %s: %s\n", argv[i], strError.c_str());
            nStatus = 1;
            continue;
        }
        CString strOut;
        CJavaOutline::Write(*pFile, argv[i], strOut);
        std::fwrite(strOut.c_str(), 1, static_cast<size_t>(strOut.GetLength()), stdout);
    }
    if (std::fflush(stdout) != 0)
        return 1;
    return nStatus;
}
