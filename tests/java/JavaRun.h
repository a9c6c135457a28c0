// CJavaRun: runs a program of the JDK (java, javac, jar) as a real child
// process in a working folder and keeps its exit status and its output.
// The java/ helpers of the tests are run from the built classes.zip.
#pragma once

#include <string>
#include <vector>

class CJavaRun {
public:
    // Runs strProgram (a path) with args in strFolder and waits for it;
    // standard output and standard error are kept separately.
    static CJavaRun Run(const std::string& strProgram, const std::vector<std::string>& args,
                        const std::string& strFolder);
    // "java -cp classes.zip" and the arguments, with java.awt.headless set.
    static CJavaRun Java(const std::vector<std::string>& args, const std::string& strFolder);
    // javac -d strOut on the sources (paths); fails the test when it does not compile.
    static void Compile(const std::vector<std::string>& sources, const std::string& strOut,
                        const std::string& strFolder);

    int m_nExit = -1;      // exit code, or -1 when it did not end normally
    std::string m_strOut;  // its standard output
    std::string m_strErr;  // its standard error
};
