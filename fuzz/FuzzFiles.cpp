#include "FuzzFiles.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <string_view>
#include <unistd.h>

namespace {

std::string& FolderName()
{
    static std::string s_strFolder;
    return s_strFolder;
}

// Removes the folder and what the readers and writers left in it.
void RemoveFolder()
{
    const std::string& strFolder = FolderName();
    if (DIR* pDir = opendir(strFolder.c_str())) {
        while (dirent* pEntry = readdir(pDir))
            if (std::string_view(pEntry->d_name) != "." && std::string_view(pEntry->d_name) != "..")
                unlink((strFolder + "/" + pEntry->d_name).c_str());
        closedir(pDir);
    }
    rmdir(strFolder.c_str());
}

const std::string& Folder()
{
    std::string& strFolder = FolderName();
    if (strFolder.empty()) {
        std::string strTemplate = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        strTemplate += "/mosk-fuzz-XXXXXX";
        if (!mkdtemp(strTemplate.data()))
            abort();
        strFolder = strTemplate;
        std::atexit(RemoveFolder);
    }
    return strFolder;
}

} // namespace

std::string CFuzzFiles::PathOf(const char* pszName)
{
    return Folder() + "/" + pszName;
}

std::string CFuzzFiles::Write(const char* pszName, const void* pData, size_t nSize)
{
    std::string strPath = PathOf(pszName);
    FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (!pFile || std::fwrite(pData, 1, nSize, pFile) != nSize || std::fclose(pFile) != 0)
        abort();
    return strPath;
}
