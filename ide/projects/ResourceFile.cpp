#include "ResourceFile.h"

#include "ArchiveFile.h"

const char* CResourceFile::HEADER = "// Mosk Resource file";

CString CResourceFile::BlockText(const char* pszName, BOOL bFrame)
{
    const char* pszKind = bFrame ? "Frame" : "Dialog";
    const char* pszUpper = bFrame ? "FRAME" : "DIALOG";
    CString strText;
    strText.Format("Begin %s 1.0 \"%s\"\n\tBegin ComponentGroup\n\tEnd ComponentGroup\n"
                   "\t\"BACKCOLOR\" \"192,192,192\"\n\t\"GRIDSIZE\" \"10,10\"\n\t\"GRIDSNAP\" \"false\"\n"
                   "\t\"%sSIZE\" \"100,100\"\n\t\"%sTITLE\" \"\"\n",
                   pszKind, pszName, pszUpper, pszUpper);
    if (!bFrame)
        strText += "\t\"DIALOGMODAL\" \"true\"\n";
    strText += CString("End ") + pszKind;
    return strText;
}

BOOL CResourceFile::Read(const char* pszPath)
{
    m_strPath = pszPath;
    m_designs.clear();
    CString strError;
    if (!CArchiveFile::ReadWholeFile(pszPath, m_strText, strError))
        return FALSE;
    size_t nStart = 0;
    while (nStart < m_strText.size()) {
        size_t nEnd = m_strText.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = m_strText.size();
        std::string strLine = m_strText.substr(nStart, nEnd - nStart);
        for (BOOL bFrame : {FALSE, TRUE}) {
            std::string strBegin = bFrame ? "Begin Frame " : "Begin Dialog ";
            if (strLine.compare(0, strBegin.size(), strBegin) != 0)
                continue;
            size_t nOpen = strLine.find('"');
            size_t nClose = nOpen == std::string::npos ? nOpen : strLine.find('"', nOpen + 1);
            if (nClose == std::string::npos)
                continue;
            CDesign design;
            design.bFrame = bFrame;
            design.strName = strLine.substr(nOpen + 1, nClose - nOpen - 1).c_str();
            design.nNameOffset = nStart + nOpen + 1;
            m_designs.push_back(design);
        }
        nStart = nEnd + 1;
    }
    return TRUE;
}

const CResourceFile::CDesign* CResourceFile::GetFirstDesign() const
{
    for (const CDesign& design : m_designs)
        if (!design.bFrame)
            return &design;
    return m_designs.empty() ? nullptr : &m_designs.front();
}

BOOL CResourceFile::RenameDesign(int nIndex, const char* pszName)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(m_designs.size()))
        return FALSE;
    const CDesign& design = m_designs[nIndex];
    std::string strText = m_strText;
    strText.replace(design.nNameOffset, design.strName.GetLength(), pszName);
    CString strError;
    if (!CArchiveFile::WriteWholeFile(m_strPath, strText, strError))
        return FALSE;
    return Read(m_strPath);
}
