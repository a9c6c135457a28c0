#include "TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

CTempFolder::CTempFolder()
{
    const char* pszTmp = std::getenv("TMPDIR");
    CString strTemplate = CString(pszTmp && *pszTmp ? pszTmp : "/tmp") + "/mosk-test-XXXXXX";
    char* p = strTemplate.GetBuffer(strTemplate.GetLength());
    if (!mkdtemp(p))
        std::abort();
    m_strPath = strTemplate;
}

CTempFolder::~CTempFolder()
{
    if (m_bSetEnv) {
        if (m_bHadConfig)
            setenv("MOSK_CONFIG_DIR", m_strOldConfig, 1);
        else
            unsetenv("MOSK_CONFIG_DIR");
        if (m_bHadData)
            setenv("MOSK_DATA_DIR", m_strOldData, 1);
        else
            unsetenv("MOSK_DATA_DIR");
    }
    std::error_code ec;
    std::filesystem::remove_all(m_strPath.c_str(), ec);
}

CString CTempFolder::Write(const char* pszName, const std::string& contents) const
{
    CString strPath = File(pszName);
    std::ofstream out(strPath.c_str(), std::ios::binary);
    out << contents;
    return strPath;
}

void CTempFolder::SetAsAppFolders()
{
    if (!m_bSetEnv) {
        const char* psz = std::getenv("MOSK_CONFIG_DIR");
        m_bHadConfig = psz != nullptr;
        m_strOldConfig = psz;
        psz = std::getenv("MOSK_DATA_DIR");
        m_bHadData = psz != nullptr;
        m_strOldData = psz;
        m_bSetEnv = true;
    }
    setenv("MOSK_CONFIG_DIR", File("config"), 1);
    setenv("MOSK_DATA_DIR", File("data"), 1);
}

std::string ReadWholeFile(const char* pszPath)
{
    std::ifstream in(pszPath, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
