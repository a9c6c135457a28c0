#include "OutlineCommand.h"

#include "FileObject.h"
#include "JavaOutline.h"
#include "JavaParser.h"

#include <cstdio>
#include <memory>

int COutlineCommand::Run(int argc, char** argv)
{
    if (argc < 1) {
        std::fprintf(stderr,
                     "usage: mosk-tool outline FILE...\n"
                     "Prints every declaration of each Java file, depth first in source order, one per line,\n"
                     "with tab-separated fields (\"-\" when empty):\n"
                     "  FILE START END KIND NAME TYPE ACCESS FLAGS DETAIL\n"
                     "  START, END  1-based lines (a class starts at its opening brace)\n"
                     "  KIND    package, import, class, interface, inner class, inner interface,\n"
                     "          local class, method, field, argument\n"
                     "  NAME    qualified by the enclosing classes (Outer.Inner.method; locals and\n"
                     "          arguments also by their method)\n"
                     "  TYPE    of a field or argument; a method's return type; for a class or\n"
                     "          interface its keyword: class, enum, record, interface, @interface\n"
                     "  ACCESS  public, protected or private\n"
                     "  FLAGS   static, final, abstract, synchronized, native, incomplete (joined by \",\")\n"
                     "  DETAIL  \"extends X implements A, B\" of a class or interface, \"throws E\" of a method\n"
                     "A file that cannot be read gets one line on standard error; exit status 1.\n");
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
