// Compiled into every test program: before any test runs, the settings and
// data folders, the XDG folders and the home folder point into a fresh
// temporary folder, so no test reads or writes the user's own files; the
// folder is removed at exit. It also names the sanitizers' suppression files,
// so a test program run by hand reports what it reports under ctest.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>

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
        setenv("XDG_CACHE_HOME", (m_strRoot + "/xdg-cache").c_str(), 1);
        // Qt keeps its runtime files here; it must exist with mode 0700.
        std::string strRuntime = m_strRoot + "/xdg-runtime";
        mkdir(strRuntime.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", strRuntime.c_str(), 1);
        setenv("HOME", (m_strRoot + "/home").c_str(), 1);
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

// Read by the sanitizer runtimes at start-up (LSAN_OPTIONS and TSAN_OPTIONS
// of the environment come after them); unused in a build without them.
extern "C" const char* __lsan_default_options()
{
    return "suppressions=" MOSK_TEST_DATA "/../support/lsan.supp:print_suppressions=0";
}

extern "C" const char* __tsan_default_options()
{
    return "suppressions=" MOSK_TEST_DATA "/../support/tsan.supp:halt_on_error=1:second_deadlock_stack=1";
}
