// Writes the seed corpus of archive_fuzz into the folder given as argument:
// a package index, single objects of several classes and a primitives run.
#include "Archive.h"
#include "ModelSamples.h"
#include "PackageObject.h"
#include "VarClass.h"
#include "VarMethod.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

bool WriteSeed(const std::string& strFolder, const char* pszName, char chMode, const std::string& strData)
{
    std::string strPath = strFolder + "/" + pszName;
    FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (!pFile)
        return false;
    std::fputc(chMode, pFile);
    std::fwrite(strData.data(), 1, strData.size(), pFile);
    return std::fclose(pFile) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-folder\n", argv[0]);
        return 2;
    }
    std::string strFolder = argv[1];
    std::unique_ptr<CPackageObject> pPackage(MakeSamplePackage());
    CArchive index;
    index << static_cast<DWORD>(1);
    index.WriteObject(pPackage.get());

    CVarClass cls("Small", 1);
    cls.AddMethod(new CVarMethod("run", 2));
    CArchive primitives;
    primitives << static_cast<BYTE>(0) << CString("text") << static_cast<BYTE>(1) << static_cast<WORD>(5)
               << static_cast<BYTE>(2) << static_cast<WORD>(1) << CString("s");

    bool bOk = WriteSeed(strFolder, "index", 0, index.GetData()) &&
               WriteSeed(strFolder, "package", 1, StoreObject(pPackage.get())) &&
               WriteSeed(strFolder, "class", 1, StoreObject(&cls)) &&
               WriteSeed(strFolder, "primitives", 2, primitives.GetData());
    if (!bOk) {
        std::perror(strFolder.c_str());
        return 1;
    }
    return 0;
}
