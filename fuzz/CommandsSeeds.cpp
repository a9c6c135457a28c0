// Writes the seed corpus of commands_fuzz into the folder given as
// argument: user commands files with no, one and several commands.
#include "Archive.h"
#include "Command.h"
#include "CommandsDoc.h"

#include <cstdio>
#include <string>

namespace {

bool WriteSeed(const std::string& strFolder, const char* pszName, const std::string& strData)
{
    std::string strPath = strFolder + "/" + pszName;
    FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (!pFile)
        return false;
    std::fwrite(strData.data(), 1, strData.size(), pFile);
    return std::fclose(pFile) == 0;
}

std::string Store(CCommandsDoc& doc)
{
    CArchive ar;
    doc.Serialize(ar);
    return ar.GetData();
}

CCommand* Make(const char* pszName, const char* pszCommand, const char* pszDir, const char* pszArgs, BOOL bFlags)
{
    CCommand* pCommand = new CCommand;
    pCommand->m_strName = pszName;
    pCommand->m_strCommand = pszCommand;
    pCommand->m_strStartupDir = pszDir;
    pCommand->m_strArguments = pszArgs;
    pCommand->m_bUseIDEClassPath = pCommand->m_bOnFileMenu = bFlags;
    pCommand->m_bCaptureOutput = pCommand->m_bOnProjectMenu = !bFlags;
    return pCommand;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-folder\n", argv[0]);
        return 2;
    }
    std::string strFolder = argv[1];
    CCommandsDoc empty;
    CCommandsDoc one;
    one.Add(Make("Javap", "javap", "<File Directory>", "-c <File Name>", TRUE));
    CCommandsDoc several;
    several.Add(Make("List", "ls -l", "", "<Open Project Files With Path>", FALSE));
    several.Add(Make("Jar", "jar", "<Project Directory>", "cf out.jar <Open Project Class Files>", TRUE));
    several.Add(Make(std::string(300, 'n').c_str(), "x", "", "", FALSE));
    bool bOk = WriteSeed(strFolder, "empty", Store(empty)) && WriteSeed(strFolder, "one", Store(one))
               && WriteSeed(strFolder, "several", Store(several));
    if (!bOk) {
        std::perror(strFolder.c_str());
        return 1;
    }
    return 0;
}
