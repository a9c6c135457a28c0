#include "IndexReader.h"

#include <cstring>
#include <sys/stat.h>

CIndexReader::~CIndexReader() { Close(); }

BOOL CIndexReader::Open(const char* pszPath)
{
    Close();
    m_pFile = std::fopen(pszPath, "rb");
    if (!m_pFile)
        return FALSE;
    struct stat st {};
    if (fstat(fileno(m_pFile), &st) != 0 || !S_ISREG(st.st_mode)) {
        Close();
        return FALSE;
    }
    std::setvbuf(m_pFile, nullptr, _IOFBF, 1 << 16);
    m_nSize = static_cast<size_t>(st.st_size);
    m_nPos = 0;
    return TRUE;
}

void CIndexReader::OpenMemory(const char* pData, size_t nSize)
{
    Close();
    m_pData = pData;
    m_nSize = nSize;
    m_nPos = 0;
}

void CIndexReader::Close()
{
    if (m_pFile)
        std::fclose(m_pFile);
    m_pFile = nullptr;
    m_pData = nullptr;
    m_nSize = m_nPos = 0;
}

BOOL CIndexReader::ReadBytes(void* pOut, size_t nCount)
{
    if (nCount > m_nSize - m_nPos || m_nPos > m_nSize)
        return FALSE;
    if (m_pData) {
        std::memcpy(pOut, m_pData + m_nPos, nCount);
    } else {
        if (!m_pFile || std::fread(pOut, 1, nCount, m_pFile) != nCount)
            return FALSE;
    }
    m_nPos += nCount;
    return TRUE;
}

BOOL CIndexReader::ReadDword(DWORD& nValue)
{
    unsigned char bytes[4];
    if (!ReadBytes(bytes, 4))
        return FALSE;
    nValue = static_cast<DWORD>(bytes[0]) | (static_cast<DWORD>(bytes[1]) << 8) | (static_cast<DWORD>(bytes[2]) << 16) |
             (static_cast<DWORD>(bytes[3]) << 24);
    return TRUE;
}

BOOL CIndexReader::ReadCounted(CString& str)
{
    DWORD nLength = 0;
    if (!ReadDword(nLength) || nLength > m_nSize - m_nPos)
        return FALSE;
    std::string& s = str.str();
    s.resize(nLength);
    return nLength == 0 || ReadBytes(s.data(), nLength);
}

BOOL CIndexReader::ReadCount(DWORD& nCount)
{
    if (!Seek(0) || !ReadDword(nCount))
        return FALSE;
    return nCount <= (m_nSize - 4) / MIN_ENTRY_SIZE;
}

BOOL CIndexReader::Seek(DWORD nPos)
{
    if (nPos > m_nSize)
        return FALSE;
    if (m_pFile && std::fseek(m_pFile, static_cast<long>(nPos), SEEK_SET) != 0)
        return FALSE;
    m_nPos = nPos;
    return TRUE;
}

BOOL CIndexReader::ReadEntry(CSearchEntry& entry)
{
    entry.m_nFilePos = static_cast<DWORD>(m_nPos);
    return ReadDword(entry.m_nDirNumber) && ReadCounted(entry.m_strFile) && ReadDword(entry.m_nExtCode) &&
           ReadCounted(entry.m_strAnchor) && ReadCounted(entry.m_strKeyword);
}
