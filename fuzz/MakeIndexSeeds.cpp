// Writes the seed corpus of index_fuzz into the folder named on the command
// line: package indices filled from small Java sources.
#include "Archive.h"
#include "BeanDoc.h"
#include "BeanObject.h"
#include "BeanParseData.h"
#include "TreeFolder.h"
#include "JavaParser.h"
#include "PkgDoc.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* const s_sources[] = {
    "package a.b;\npublic class C extends D implements E, F { public int x; protected static void m(int a, "
    "String[] b) throws IOException { } class Inner { } interface In { } }\n",
    "interface I extends J { void run(); int size(); }\nclass K { K() { } synchronized native void n(); }\n",
    "package p;\npublic abstract class Q<T> { public abstract T get(int arg0) throws Exception; }\n"
    "enum Color { RED, GREEN; void paint() { } }\n",
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: index_fuzz_seeds FOLDER\n");
        return 2;
    }
    CPkgDoc doc;
    int nSeed = 0;
    for (const char* pszSource : s_sources) {
        doc.AddParsedFile(CJavaParser::ParseText(pszSource, static_cast<long>(std::strlen(pszSource))));
        CArchive ar;
        doc.Serialize(ar);
        std::string strPath = std::string(argv[1]) + "/pkg" + std::to_string(++nSeed);
        FILE* pFile = std::fopen(strPath.c_str(), "wb");
        if (!pFile)
            return 1;
        std::fputc(0, pFile);  // the package index reader
        std::fwrite(ar.GetData().data(), 1, ar.GetData().size(), pFile);
        std::fclose(pFile);
    }
    // A bean index with a folder and a bean.
    CBeanDoc beans;
    CTreeFolder* pFolder = beans.AddFolder(beans.GetRoot());
    const char* pszBean = "class a.Gauge { Properties { int v getV setV; [Ljava.lang.String; s getS; } "
                          "Events { a.L addL removeL e1 e2; } Methods { public void m(int arg0); } }";
    std::vector<std::unique_ptr<CBeanObject>> found;
    CBeanParseData::ReadText(pszBean, static_cast<long>(std::strlen(pszBean)), found);
    beans.AddBeans(pFolder, found);
    CArchive ar;
    beans.Store(ar);
    FILE* pFile = std::fopen((std::string(argv[1]) + "/bns1").c_str(), "wb");
    if (!pFile)
        return 1;
    std::fputc(1, pFile);  // the bean index reader
    std::fwrite(ar.GetData().data(), 1, ar.GetData().size(), pFile);
    std::fclose(pFile);
    return 0;
}
