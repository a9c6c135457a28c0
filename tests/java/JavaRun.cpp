#include "JavaRun.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

CJavaRun CJavaRun::Run(const std::string& strProgram, const std::vector<std::string>& args,
                       const std::string& strFolder)
{
    CJavaRun run;
    // The output goes to files in a folder of its own: no pipe can fill up.
    CTempFolder capture;
    std::string strOutPath = capture.File("out").str(), strErrPath = capture.File("err").str();
    std::vector<std::string> all = {strProgram};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& str : all)
        argv.push_back(str.data());
    argv.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        int nOut = open(strOutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int nErr = open(strErrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int nIn = open("/dev/null", O_RDONLY);
        if (nOut < 0 || nErr < 0 || nIn < 0 || chdir(strFolder.c_str()) != 0)
            _exit(126);
        dup2(nIn, STDIN_FILENO);
        dup2(nOut, STDOUT_FILENO);
        dup2(nErr, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (pid < 0)
        return run;
    int nStatus = 0;
    while (waitpid(pid, &nStatus, 0) < 0 && errno == EINTR) {
    }
    run.m_nExit = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    run.m_strOut = ReadWholeFile(strOutPath.c_str());
    run.m_strErr = ReadWholeFile(strErrPath.c_str());
    return run;
}

CJavaRun CJavaRun::Java(const std::vector<std::string>& args, const std::string& strFolder)
{
    std::vector<std::string> all = {"-XX:-UsePerfData", "-XX:TieredStopAtLevel=1", "-Xshare:auto",
                                    "-Djava.awt.headless=true", "-cp", MOSK_CLASSES_ZIP};
    all.insert(all.end(), args.begin(), args.end());
    return Run(MOSK_JAVA_EXE, all, strFolder);
}

void CJavaRun::Compile(const std::vector<std::string>& sources, const std::string& strOut,
                       const std::string& strFolder)
{
    std::vector<std::string> args = {"-J-XX:TieredStopAtLevel=1", "-encoding", "UTF-8", "-d", strOut};
    args.insert(args.end(), sources.begin(), sources.end());
    CJavaRun run = Run(MOSK_JAVAC_EXE, args, strFolder);
    ASSERT_EQ(run.m_nExit, 0) << run.m_strErr;
}
