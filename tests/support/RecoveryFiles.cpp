#include "RecoveryFiles.h"

#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

int EndedProcess()
{
    pid_t pid = fork();
    if (pid == 0)
        _exit(0);
    waitpid(pid, nullptr, 0);
    return static_cast<int>(pid);
}

void HandOverRecoveryFiles(const CString& strFolder, int nProcess)
{
    const std::string strOwn = std::to_string(getpid()) + "-";
    for (const auto& entry : std::filesystem::directory_iterator(strFolder.c_str())) {
        std::string strName = entry.path().filename();
        if (strName.rfind(strOwn, 0) == 0)
            std::filesystem::rename(entry.path(), entry.path().parent_path()
                                                      / (std::to_string(nProcess) + "-" + strName.substr(strOwn.size())));
    }
}
