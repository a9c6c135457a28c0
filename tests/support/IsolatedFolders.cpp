// Compiled into every test program: before any test runs, the settings and
// data folders point into a fresh temporary folder, so no test reads or
// writes the user's own settings; the folder is removed at exit.
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class CIsolatedFolders {
public:
    CIsolatedFolders()
    {
        const char* pszTmp = std::getenv("TMPDIR");
        std::string strTemplate = std::string(pszTmp && *pszTmp ? pszTmp : "/tmp") + "/mosk-tests-XXXXXX";
        if (!mkdtemp(strTemplate.data()))
            std::abort();
        m_strRoot = strTemplate;
        setenv("MOSK_CONFIG_DIR", (m_strRoot + "/config").c_str(), 1);
        setenv("MOSK_DATA_DIR", (m_strRoot + "/data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (m_strRoot + "/xdg-config").c_str(), 1);
        setenv("XDG_DATA_HOME", (m_strRoot + "/xdg-data").c_str(), 1);
    }
    ~CIsolatedFolders()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_strRoot, ec);
    }

private:
    std::string m_strRoot;
};

CIsolatedFolders g_isolatedFolders;

} // namespace
