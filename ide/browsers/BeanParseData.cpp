#include "BeanParseData.h"

#include "ArchiveFile.h"
#include "BeanObject.h"
#include "UserInterface.h"

#include <cstring>

CBeanParseData::CBeanParseData(const char* pText, long lLength) : CJavaParseData(pText, lLength) {}

CBeanParseData::~CBeanParseData() = default;

CVarObject* CBeanParseData::NewDeclaration(const char* pszWord, int nLine)
{
    if (std::strcmp(pszWord, "class") != 0)
        return nullptr;
    m_beans.push_back(std::make_unique<CBeanObject>("", nLine));
    return m_beans.back().get();
}

std::vector<std::unique_ptr<CBeanObject>> CBeanParseData::TakeBeans()
{
    return std::move(m_beans);
}

void CBeanParseData::ReadText(const char* pText, long lLength, std::vector<std::unique_ptr<CBeanObject>>& beans)
{
    CBeanParseData reader(pText, lLength);
    reader.Run();
    for (auto& pBean : reader.TakeBeans())
        if (pBean->m_bComplete && !pBean->m_strName.IsEmpty())
            beans.push_back(std::move(pBean));
}

BOOL CBeanParseData::ReadFile(const char* pszPath, std::vector<std::unique_ptr<CBeanObject>>& beans)
{
    std::string strText;
    CString strError;
    if (!CArchiveFile::ReadWholeFile(pszPath, strText, strError)) {
        AfxMessageBox("Error opening the file " + CString(pszPath) + " for parsing !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (!strText.empty())
        ReadText(strText.data(), static_cast<long>(strText.size()), beans);
    return TRUE;
}
