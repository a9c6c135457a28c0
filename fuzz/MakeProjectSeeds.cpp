// Writes the seed corpus of project_fuzz into the folder given as argument:
// project files of every version and project lists of every version.
#include "ProjectSamples.h"

#include <cstdio>
#include <string>

namespace {

bool WriteSeed(const std::string& strPath, char chMode, const std::string& strData)
{
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
    bool bOk = true;
    for (int nVersion = 1; nVersion <= 12; ++nVersion) {
        CProjectSample sample;
        sample.nVersion = nVersion;
        sample.strStoredDir = "\\fuzz\\proj\\";
        sample.strStoredPath = "/fuzz/proj/P.mosk";
        sample.oldFiles = {"\\fuzz\\proj\\A.java", "/fuzz/B.res"};
        bOk = bOk && WriteSeed(strFolder + "/project" + std::to_string(nVersion), 0, BuildProjectFile(sample));
    }
    for (int nVersion = 100; nVersion <= 104; ++nVersion)
        bOk = bOk && WriteSeed(strFolder + "/list" + std::to_string(nVersion), 1,
                               BuildProjectList(nVersion, "C:\\a\\First.mosk", "/b/Second.mosk"));
    if (!bOk) {
        std::perror(strFolder.c_str());
        return 1;
    }
    return 0;
}
