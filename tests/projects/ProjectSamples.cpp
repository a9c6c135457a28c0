#include "ProjectSamples.h"

#include "ByteBuilder.h"

std::string BuildProjectFile(const CProjectSample& s)
{
    const int v = s.nVersion;
    CByteBuilder b;
    b.Dword(static_cast<uint32_t>(v));
    if (v < 10) {
        b.Word(static_cast<uint32_t>(s.oldFiles.size()));
        for (const std::string& str : s.oldFiles)
            b.Str(str);
    }
    b.Str(s.strMainClass);
    if (v >= 2)
        b.Str(s.strMainHtml);
    if (v >= 3) {
        // compiler: class path on, output directory on, -g, no warnings, verbose, optimize
        b.Dword(1).Dword(0).Dword(1).Dword(0).Dword(1).Dword(0);
        b.Str("cp1").Str("out1");
        // interpreter: 14 switches, every other one on
        for (int i = 0; i < 14; ++i)
            b.Dword(i % 2 == 0 ? 1 : 0);
        b.Str("icp").Str("mx").Str("ms").Str("oss").Str("ss").Str("D").Str("args").Str("Other");
    }
    if (v >= 4) {
        b.Dword(1).Str("A").Dword(2).Str("pkg.A").Word(10).Str("pkg.A").Word(20);
    }
    if (v >= 5)
        b.Str(s.strStoredDir);
    if (v >= 7) {
        b.Dword(1);                                          // deprecation
        b.Str("-X").Str("dcp").Str("dout").Str("-dx");       // compiler extra; javadoc texts
        b.Dword(2).Dword(1).Dword(0).Dword(1).Dword(0).Dword(1).Dword(1).Dword(0);
    }
    if (v >= 8)
        b.Strings({"h1"}).Dword(s.bUseOtherCompiler).Str("jikes");
    if (v >= 9)
        b.Dword(1).Strings({"e1"});
    if (v >= 10) {
        b.Dword(1).NewClass("CProjectFolder", 1).Dword(2).Str("P").Str(s.strStoredPath);
        b.Dword(2).NewClass("CProjectFileItem", 2).Str("src\\A.java").Dword(1);
        b.Dword(1).NewClass("CProjectVirtualFolder", 1).Dword(1).Str("Docs");
        // A resource item of schema 1: the relative path only.
        b.Dword(2).NewClass("CResourceFileItem", 1).Str("..\\shared\\dialog.res");
    }
    if (v >= 11)
        b.Strings({"c1"}).Strings({"o1"}).Strings({"i1"});
    if (v >= 12)
        b.Dword(s.bOtherMainOn).Dword(s.bProgramArgsOn).Strings({"dc1"}).Strings({"do1"});
    return b.Data();
}

std::string BuildProjectList(int v, const std::string& strFirst, const std::string& strSecond)
{
    CByteBuilder b;
    b.Dword(static_cast<uint32_t>(v));
    if (v >= 101) {
        // interpreter: 14 switches (1, 0, 1, ...), extra options on (103), use other (104)
        for (int i = 0; i < 14; ++i)
            b.Dword(i % 2 == 0 ? 1 : 0);
        if (v >= 103)
            b.Dword(1);
        if (v >= 104)
            b.Dword(1);
        b.Str("gcp").Str("32m").Str("8m").Str("oss").Str("ss").Str("k=v").Str("res");
        if (v >= 103)
            b.Str("-Xint");
        if (v >= 104)
            b.Str("kaffe");
        b.Strings({"gcp", "old"});
        // compiler: 9 switches, 5 texts, 3 histories
        b.Dword(1).Dword(1).Dword(0).Dword(1).Dword(0).Dword(1).Dword(0).Dword(1).Dword(1);
        b.Str("ccp").Str("cout").Str("cres").Str("-cx").Str("guavac");
        b.Strings({"-cx"}).Strings({"ccp"}).Strings({"cout"});
        // javadoc
        b.Dword(1).Dword(0).Str("jcp").Str("jout").Str("-jx").Dword(2);
        b.Dword(1).Dword(1).Dword(0).Dword(0).Dword(1);
        if (v >= 103)
            b.Dword(1);
        b.Strings({"jcp"}).Strings({});
    }
    b.Dword(1).NewClass("CProjectRootFolder", 1).Dword(2).Str("Mosk Projects");
    // Project nodes keep the child count they had when written; their children are not here.
    b.Dword(1).NewClass("CProjectFolder", 1).Dword(3).Str("First").Str(strFirst);
    b.Dword(1).ClassRef(3).Dword(0).Str("Second").Str(strSecond);
    return b.Data();
}
