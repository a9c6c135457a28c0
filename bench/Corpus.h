// CCorpus: the benchmark input, every file with a given extension under a
// folder, read into memory once.
#pragma once

#include <string>
#include <vector>

class CCorpus {
public:
    // Reads every file under strFolder whose name ends in strExtension (recursively).
    // FALSE when the folder does not exist or holds no such file.
    bool Load(const std::string& strFolder, const std::string& strExtension);

    struct CFile {
        std::string strPath;
        std::string strText;
    };
    const std::vector<CFile>& Files() const { return m_files; }
    size_t TotalBytes() const { return m_nTotal; }

    // The corpus folder: $MOSK_BENCH_CORPUS, else build-bench/corpus/java.base.
    static std::string DefaultFolder();
    // Loads the Java files of the default folder and prints a line about
    // them; on failure prints why (naming pszProgram) and returns false.
    bool LoadDefault(const char* pszProgram);

private:
    std::vector<CFile> m_files;
    size_t m_nTotal = 0;
};
