#include "JavaParser.h"

#include "FileObject.h"
#include "JavaParseData.h"
#include "UserInterface.h"
#include "VarClass.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The buffer files are read into, kept between parses so that reading a
// folder of sources does not allocate (and fault in) fresh memory per file.
class CReadBuffer {
public:
    ~CReadBuffer() { Release(); }
    // At least nSize bytes; the contents are undefined.
    char* Get(size_t nSize)
    {
        if (nSize > m_nSize) {
            Release();
            m_pText = new char[nSize];
            m_nSize = nSize;
        }
        return m_pText;
    }
    // Gives back memory a very large file needed.
    void Trim()
    {
        if (m_nSize > s_nKeep)
            Release();
    }

private:
    void Release()
    {
        delete[] m_pText;
        m_pText = nullptr;
        m_nSize = 0;
    }

    static constexpr size_t s_nKeep = 4 << 20;
    char* m_pText = nullptr;
    size_t m_nSize = 0;
};

thread_local CReadBuffer s_readBuffer;

// Reads a whole regular file into the read buffer, terminated with a zero
// byte. On failure returns FALSE with the reason.
BOOL ReadWholeFile(const char* pszPath, char*& pText, long& lLength, long long& nTime, CString& strError)
{
    int fd = open(pszPath, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        strError = std::strerror(errno);
        return FALSE;
    }
    struct stat st;
    BOOL bOk = fstat(fd, &st) == 0;
    if (!bOk)
        strError = std::strerror(errno);
    else if (!S_ISREG(st.st_mode))
        strError = S_ISDIR(st.st_mode) ? "is a folder" : "is not a regular file";
    else if (st.st_size >= INT_MAX)
        strError = "is too large";  // the tokenizer counts positions in int
    bOk = bOk && strError.IsEmpty();
    if (bOk) {
        pText = s_readBuffer.Get(static_cast<size_t>(st.st_size) + 1);
        lLength = 0;
        while (lLength < st.st_size) {
            ssize_t n = read(fd, pText + lLength, static_cast<size_t>(st.st_size - lLength));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                strError = std::strerror(errno);
                bOk = FALSE;
                break;
            }
            if (n == 0)
                break;  // the file shrank while being read
            lLength += n;
        }
        pText[lLength] = '\0';
        nTime = static_cast<long long>(st.st_mtim.tv_sec);
    }
    close(fd);
    return bOk;
}

void ShowOpenError(const char* pszPath)
{
    CString strText;
    strText.Format("Error opening the file %s for parsing !!!", pszPath);
    AfxMessageBox(strText, MB_OK | MB_ICONEXCLAMATION);
}

BOOL FileExists(const CString& strPath)
{
    struct stat st;
    return stat(strPath, &st) == 0 && S_ISREG(st.st_mode);
}

CString JoinSourcePath(const CString& strDir, const char* pszPackage, const char* pszClass)
{
    CString strPath = strDir;
    if (!strPath.IsEmpty() && strPath[strPath.GetLength() - 1] != '/')
        strPath += '/';
    CString strPackage(pszPackage ? pszPackage : "");
    strPackage.Replace('.', '/');
    if (!strPackage.IsEmpty())
        strPath += strPackage + "/";
    return strPath + (pszClass ? pszClass : "") + ".java";
}

} // namespace

CFileObject* CJavaParser::ParseText(const char* pText, long lLength)
{
    CJavaParseData data(pText, lLength);
    if (!data.Run())
        return nullptr;
    return data.DetachResult();
}

CFileObject* CJavaParser::ParseFile(const char* pszPath, CString& strError)
{
    return ReadAndParse(pszPath, TRUE, &strError);
}

CFileObject* CJavaParser::ParseFile(const char* pszPath)
{
    return ReadAndParse(pszPath, TRUE, nullptr);
}

CFileObject* CJavaParser::ParseIntrospectionFile(const char* pszPath)
{
    return ReadAndParse(pszPath, FALSE, nullptr);
}

CFileObject* CJavaParser::ReadAndParse(const char* pszPath, BOOL bFromDisk, CString* pError)
{
    char* pText = nullptr;
    long lLength = 0;
    long long nTime = 0;
    CString strError;
    if (!ReadWholeFile(pszPath, pText, lLength, nTime, strError)) {
        if (pError)
            *pError = strError;
        else
            ShowOpenError(pszPath);
        return nullptr;
    }
    CFileObject* pFile = nullptr;
    if (bFromDisk || lLength > 0) {
        pFile = ParseText(pText, lLength);
        if (pFile && bFromDisk)
            pFile->m_nLastWriteTime = nTime;
        if (!pFile && pError)
            *pError = "out of memory";
    }
    s_readBuffer.Trim();
    return pFile;
}

BOOL CJavaParser::HasMainMethod(const CVarClass* pClass)
{
    for (POSITION pos = pClass->m_Methods.GetHeadPosition(); pos;) {
        const CVarObject* pMethod = pClass->m_Methods.GetNext(pos);
        if (pMethod->m_strName == "main" && pMethod->m_bStatic)
            return TRUE;
    }
    return FALSE;
}

CVarClass* CJavaParser::FindMainClass(const CFileObject* pFile)
{
    for (POSITION pos = pFile->m_Classes.GetHeadPosition(); pos;) {
        CVarClass* pClass = pFile->m_Classes.GetNext(pos);
        if (HasMainMethod(pClass))
            return pClass;
    }
    return nullptr;
}

CString CJavaParser::GetSourcePath(const char* pszPackage, const char* pszClass, const char* pszSourceDir,
                                   const char* pszClassPath)
{
    CString strFirst = JoinSourcePath(pszSourceDir ? pszSourceDir : "", pszPackage, pszClass);
    if (FileExists(strFirst))
        return strFirst;
    CString strRest(pszClassPath ? pszClassPath : "");
    while (!strRest.IsEmpty()) {
        int nColon = strRest.Find(':');
        CString strEntry = nColon < 0 ? strRest : strRest.Left(nColon);
        strRest = nColon < 0 ? CString() : strRest.Mid(nColon + 1);
        if (strEntry.IsEmpty())
            continue;
        CString strPath = JoinSourcePath(strEntry, pszPackage, pszClass);
        if (FileExists(strPath))
            return strPath;
    }
    return strFirst;
}
