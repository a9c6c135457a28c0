#include "Corpus.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

bool CCorpus::Load(const std::string& strFolder, const std::string& strExtension)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(strFolder, ec))
        return false;
    for (auto it = std::filesystem::recursive_directory_iterator(strFolder, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        if (!it->is_regular_file() || it->path().extension() != strExtension)
            continue;
        std::ifstream in(it->path(), std::ios::binary);
        std::ostringstream ss;
        ss << in.rdbuf();
        m_files.push_back({it->path().string(), ss.str()});
        m_nTotal += m_files.back().strText.size();
    }
    std::sort(m_files.begin(), m_files.end(), [](const CFile& a, const CFile& b) { return a.strPath < b.strPath; });
    return !m_files.empty();
}

bool CCorpus::LoadDefault(const char* pszProgram)
{
    std::string strFolder = DefaultFolder();
    if (!Load(strFolder, ".java")) {
        std::fprintf(stderr, "%s: no Java sources under %s (set MOSK_BENCH_CORPUS)\n", pszProgram, strFolder.c_str());
        return false;
    }
    std::printf("corpus: %s, %zu files, %.1f MB\n", strFolder.c_str(), m_files.size(),
                static_cast<double>(m_nTotal) / 1e6);
    return true;
}

std::string CCorpus::DefaultFolder()
{
    const char* psz = std::getenv("MOSK_BENCH_CORPUS");
    return psz && *psz ? psz : "build-bench/corpus/java.base";
}
