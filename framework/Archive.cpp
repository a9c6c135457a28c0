#include "Archive.h"

#include "Object.h"
#include "StringArray.h"
#include "StringList.h"

#include <cassert>
#include <cstring>

namespace {

enum { READ_ANY, READ_OWNED, READ_OWNED_OR_NULL };

// A class name from a stream made fit for a message: printable, bounded.
CString PrintableName(const char* pch, size_t nLength)
{
    CString str;
    for (size_t i = 0; i < nLength && i < 64; ++i) {
        unsigned char ch = static_cast<unsigned char>(pch[i]);
        str += (ch >= 0x20 && ch < 0x7F) ? static_cast<char>(ch) : '?';
    }
    if (nLength > 64)
        str += "...";
    return str;
}

} // namespace

CArchive::CArchive() : m_bLoading(FALSE)
{
}

CArchive::CArchive(const void* pData, size_t nSize)
    : m_bLoading(TRUE), m_pIn(static_cast<const BYTE*>(pData)), m_nSize(pData ? nSize : 0)
{
    m_loadMap.push_back({nullptr, nullptr, 0});
}

void CArchive::ThrowError(int nCause, const char* pszDetail) const
{
    throw CArchiveException(nCause, static_cast<long long>(GetPosition()), pszDetail);
}

void CArchive::Need(size_t nCount) const
{
    assert(m_bLoading);
    if (nCount > m_nSize - m_nPos)
        ThrowError(CArchiveException::endOfFile);
}

void CArchive::Write(const void* pData, size_t nCount)
{
    assert(!m_bLoading);
    m_strOut.append(static_cast<const char*>(pData), nCount);
}

void CArchive::Read(void* pData, size_t nCount)
{
    Need(nCount);
    if (nCount)
        std::memcpy(pData, m_pIn + m_nPos, nCount);
    m_nPos += nCount;
}

const char* CArchive::ReadInPlace(size_t nCount)
{
    Need(nCount);
    const char* p = reinterpret_cast<const char*>(m_pIn) + m_nPos;
    m_nPos += nCount;
    return p;
}

CArchive& CArchive::operator<<(BYTE by)
{
    Write(&by, 1);
    return *this;
}

CArchive& CArchive::operator<<(WORD w)
{
    BYTE ab[2] = {static_cast<BYTE>(w), static_cast<BYTE>(w >> 8)};
    Write(ab, 2);
    return *this;
}

CArchive& CArchive::operator<<(DWORD dw)
{
    BYTE ab[4] = {static_cast<BYTE>(dw), static_cast<BYTE>(dw >> 8), static_cast<BYTE>(dw >> 16),
                  static_cast<BYTE>(dw >> 24)};
    Write(ab, 4);
    return *this;
}

CArchive& CArchive::operator<<(int n)
{
    return *this << static_cast<DWORD>(n);
}

CArchive& CArchive::operator>>(BYTE& by)
{
    Read(&by, 1);
    return *this;
}

CArchive& CArchive::operator>>(WORD& w)
{
    BYTE ab[2];
    Read(ab, 2);
    w = static_cast<WORD>(ab[0] | (ab[1] << 8));
    return *this;
}

CArchive& CArchive::operator>>(DWORD& dw)
{
    BYTE ab[4];
    Read(ab, 4);
    dw = static_cast<DWORD>(ab[0]) | (static_cast<DWORD>(ab[1]) << 8) | (static_cast<DWORD>(ab[2]) << 16) |
         (static_cast<DWORD>(ab[3]) << 24);
    return *this;
}

CArchive& CArchive::operator>>(int& n)
{
    DWORD dw;
    *this >> dw;
    n = static_cast<int>(dw);
    return *this;
}

CArchive& CArchive::operator<<(const CString& str)
{
    size_t nLength = str.str().size();
    if (nLength < 0xFF) {
        *this << static_cast<BYTE>(nLength);
    } else if (nLength < 0xFFFE) {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(nLength);
    } else {
        if (nLength > 0xFFFFFFFFu)
            ThrowError(CArchiveException::badCount, "string too long");
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(nLength);
    }
    Write(str.str().data(), nLength);
    return *this;
}

CArchive& CArchive::operator>>(CString& str)
{
    BYTE by;
    *this >> by;
    DWORD nLength = by;
    if (by == 0xFF) {
        WORD w;
        *this >> w;
        nLength = w;
        // 0xFFFE marks a wide-character string, which this program never writes.
        if (w == 0xFFFE)
            ThrowError(CArchiveException::genericException, "wide-character string");
        if (w == 0xFFFF)
            *this >> nLength;
    }
    if (nLength > GetRemaining())
        ThrowError(CArchiveException::badCount, "string length");
    str = CString(std::string(reinterpret_cast<const char*>(m_pIn + m_nPos), nLength));
    m_nPos += nLength;
    return *this;
}

void CArchive::WriteCount(DWORD nCount)
{
    if (nCount < 0xFFFF) {
        *this << static_cast<WORD>(nCount);
    } else {
        *this << static_cast<WORD>(0xFFFF) << nCount;
    }
}

DWORD CArchive::ReadCount()
{
    WORD w;
    *this >> w;
    if (w != 0xFFFF)
        return w;
    DWORD dw;
    *this >> dw;
    return dw;
}

void CArchive::CheckCount(DWORD nCount, size_t nMinBytesEach) const
{
    assert(nMinBytesEach >= 1);
    if (nCount > GetRemaining() / nMinBytesEach)
        ThrowError(CArchiveException::badCount);
}

DWORD CArchive::ReadBoundedCount(size_t nMinBytesEach)
{
    DWORD nCount;
    *this >> nCount;
    CheckCount(nCount, nMinBytesEach);
    return nCount;
}

void CArchive::SerializeStrings(CStringArray& arr)
{
    if (IsStoring()) {
        WriteCount(static_cast<DWORD>(arr.GetSize()));
        for (int i = 0; i < arr.GetSize(); ++i)
            *this << arr[i];
        return;
    }
    arr.RemoveAll();
    DWORD nCount = ReadCount();
    CheckCount(nCount, 1);
    for (DWORD i = 0; i < nCount; ++i) {
        CString str;
        *this >> str;
        arr.Add(str);
    }
}

void CArchive::SerializeStrings(CStringList& list)
{
    if (IsStoring()) {
        WriteCount(static_cast<DWORD>(list.GetCount()));
        for (POSITION pos = list.GetHeadPosition(); pos;)
            *this << list.GetNext(pos);
        return;
    }
    list.RemoveAll();
    DWORD nCount = ReadCount();
    CheckCount(nCount, 1);
    for (DWORD i = 0; i < nCount; ++i) {
        CString str;
        *this >> str;
        list.AddTail(str);
    }
}

DWORD CArchive::NextIndex()
{
    // Class references keep the top bit for the big class tag.
    if (m_nNextIndex >= BIG_CLASS_TAG - 1)
        ThrowError(CArchiveException::genericException, "too many objects");
    return m_nNextIndex++;
}

void CArchive::WriteIndexTag(DWORD nIndex, BOOL bClass)
{
    if (nIndex < BIG_OBJECT_TAG) {
        *this << static_cast<WORD>(bClass ? (CLASS_TAG | nIndex) : nIndex);
    } else {
        *this << BIG_OBJECT_TAG << (bClass ? (BIG_CLASS_TAG | nIndex) : nIndex);
    }
}

void CArchive::WriteObject(const CObject* pObject)
{
    assert(!m_bLoading);
    if (!pObject) {
        *this << NULL_TAG;
        return;
    }
    auto itObject = m_storeMap.find(pObject);
    if (itObject != m_storeMap.end()) {
        WriteIndexTag(itObject->second, FALSE);
        return;
    }
    const CRuntimeClass* pClass = pObject->GetRuntimeClass();
    assert(pClass->IsSerializable());
    auto itClass = m_storeMap.find(pClass);
    if (itClass != m_storeMap.end()) {
        WriteIndexTag(itClass->second, TRUE);
    } else {
        size_t nNameLength = std::strlen(pClass->m_lpszClassName);
        assert(nNameLength < 0xFFFF);
        *this << NEW_CLASS_TAG << static_cast<WORD>(pClass->GetSchemaNumber()) << static_cast<WORD>(nNameLength);
        Write(pClass->m_lpszClassName, nNameLength);
        m_storeMap.emplace(pClass, NextIndex());
    }
    m_storeMap.emplace(pObject, NextIndex());
    const_cast<CObject*>(pObject)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pExpected)
{
    return ReadObjectImpl(pExpected, READ_ANY);
}

CObject* CArchive::ReadOwnedObject(const CRuntimeClass* pExpected, BOOL bAllowNull)
{
    return ReadObjectImpl(pExpected, bAllowNull ? READ_OWNED_OR_NULL : READ_OWNED);
}

const CRuntimeClass* CArchive::ReadNewClass(UINT& nSchema)
{
    WORD wSchema, wLength;
    *this >> wSchema >> wLength;
    Need(wLength);
    const char* pchName = reinterpret_cast<const char*>(m_pIn + m_nPos);
    const CRuntimeClass* pClass = CRuntimeClass::FromName(pchName, wLength);
    if (!pClass || !pClass->IsSerializable())
        ThrowError(CArchiveException::badClass, CString("unknown class ") + PrintableName(pchName, wLength));
    m_nPos += wLength;
    if (!pClass->IsVersionable() && wSchema != pClass->GetSchemaNumber()) {
        CString strDetail;
        strDetail.Format("%s schema %u", pClass->m_lpszClassName, static_cast<unsigned>(wSchema));
        ThrowError(CArchiveException::badSchema, strDetail);
    }
    nSchema = wSchema;
    m_loadMap.push_back({pClass, nullptr, nSchema});
    return pClass;
}

CObject* CArchive::ReadObjectImpl(const CRuntimeClass* pExpected, int nMode)
{
    assert(m_bLoading && pExpected);
    size_t nTagPos = m_nPos;
    WORD wTag;
    *this >> wTag;

    DWORD nIndex = 0;
    BOOL bClassTag = FALSE;
    if (wTag == BIG_OBJECT_TAG) {
        DWORD dw;
        *this >> dw;
        bClassTag = (dw & BIG_CLASS_TAG) != 0;
        nIndex = dw & ~BIG_CLASS_TAG;
    } else if (wTag != NEW_CLASS_TAG) {
        bClassTag = (wTag & CLASS_TAG) != 0;
        nIndex = wTag & ~CLASS_TAG;
    }

    const CRuntimeClass* pClass = nullptr;
    UINT nSchema = 0;
    if (wTag == NEW_CLASS_TAG) {
        pClass = ReadNewClass(nSchema);
    } else if (bClassTag) {
        if (nIndex == 0 || nIndex >= m_loadMap.size() || !m_loadMap[nIndex].pClass)
            throw CArchiveException(CArchiveException::badIndex, static_cast<long long>(nTagPos), "class reference");
        pClass = m_loadMap[nIndex].pClass;
        nSchema = m_loadMap[nIndex].nSchema;
    } else if (nIndex == 0) {
        if (nMode == READ_OWNED)
            throw CArchiveException(CArchiveException::badIndex, static_cast<long long>(nTagPos), "missing object");
        return nullptr;
    } else {
        if (nIndex >= m_loadMap.size() || m_loadMap[nIndex].pClass || !m_loadMap[nIndex].pObject)
            throw CArchiveException(CArchiveException::badIndex, static_cast<long long>(nTagPos), "object reference");
        if (nMode != READ_ANY)
            throw CArchiveException(CArchiveException::badIndex, static_cast<long long>(nTagPos),
                                    "object stored twice");
        CObject* pObject = m_loadMap[nIndex].pObject;
        if (!pObject->IsKindOf(pExpected))
            throw CArchiveException(CArchiveException::badClass, static_cast<long long>(nTagPos),
                                    pObject->GetRuntimeClass()->m_lpszClassName);
        return pObject;
    }

    if (!pClass->IsDerivedFrom(pExpected))
        throw CArchiveException(CArchiveException::badClass, static_cast<long long>(nTagPos),
                                (CString(pClass->m_lpszClassName) + " where " + pExpected->m_lpszClassName +
                                 " was expected").c_str());
    if (m_nDepth >= MAX_DEPTH)
        ThrowError(CArchiveException::tooDeep);

    CObject* pObject = pClass->CreateObject();
    assert(pObject);
    size_t nEntry = m_loadMap.size();
    m_loadMap.push_back({nullptr, pObject, 0});

    UINT nOuterSchema = m_nSchema;
    m_nSchema = nSchema;
    ++m_nDepth;
    try {
        pObject->Serialize(*this);
    } catch (...) {
        --m_nDepth;
        m_nSchema = nOuterSchema;
        // The object was never handed out: nobody else owns it.
        m_loadMap[nEntry].pObject = nullptr;
        delete pObject;
        throw;
    }
    --m_nDepth;
    m_nSchema = nOuterSchema;
    return pObject;
}
