// CArchive: the object stream that the program's files are written in.
//
// Values are little-endian. Strings carry a length prefix: one byte below
// 255; else byte 0xFF and a WORD below 0xFFFE; else 0xFF, WORD 0xFFFF and a
// DWORD. Counts of string arrays and lists are a WORD below 0xFFFF, else WORD
// 0xFFFF and a DWORD. Objects are tagged: WORD 0 is a null object; WORD
// 0xFFFF starts a class met for the first time (WORD schema, WORD name
// length, the name); WORD 0x8000|n refers to class n; any other WORD n to the
// object n already in the stream. Classes and objects share one numbering
// from 1 upwards in stream order. Numbers from 0x7FFF on are written as WORD
// 0x7FFF followed by a DWORD: the object number, or 0x80000000|n for class n.
//
// A storing archive collects the bytes in memory; a loading archive reads
// from memory and never past its end. Every malformed input raises
// CArchiveException; nothing is allocated beyond what the input can hold.
#pragma once

#include "ArchiveException.h"
#include "String.h"

#include <string>
#include <unordered_map>
#include <vector>

class CObject;
class CStringArray;
class CStringList;
struct CRuntimeClass;

class CArchive {
public:
    // A storing archive whose bytes GetData() returns.
    CArchive();
    // A loading archive over nSize bytes at pData (not copied: they must outlive the archive).
    CArchive(const void* pData, size_t nSize);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return m_bLoading; }
    BOOL IsStoring() const { return !m_bLoading; }

    // The bytes written so far (storing archives).
    const std::string& GetData() const { return m_strOut; }
    // Offset of the next byte to read, or the number of bytes written.
    size_t GetPosition() const { return m_bLoading ? m_nPos : m_strOut.size(); }
    // Bytes not yet read (0 for storing archives).
    size_t GetRemaining() const { return m_bLoading ? m_nSize - m_nPos : 0; }

    CArchive& operator<<(BYTE by);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(DWORD dw);
    CArchive& operator<<(int n);
    // A counted string.
    CArchive& operator<<(const CString& str);

    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(int& n);
    CArchive& operator>>(CString& str);

    // Raw bytes.
    void Write(const void* pData, size_t nCount);
    void Read(void* pData, size_t nCount);
    // The next nCount bytes where they lie (loading archives), skipped over;
    // valid as long as the archive's input.
    const char* ReadInPlace(size_t nCount);

    // A count in the WORD-or-escaped form.
    void WriteCount(DWORD nCount);
    DWORD ReadCount();
    // Reads a DWORD count of items that take at least nMinBytesEach (>= 1)
    // bytes each; a count the rest of the stream cannot hold is a badCount error.
    DWORD ReadBoundedCount(size_t nMinBytesEach);
    // Throws badCount unless nCount items of nMinBytesEach bytes fit in the rest.
    void CheckCount(DWORD nCount, size_t nMinBytesEach) const;

    // A string array or string list: a count, then the strings. Loading
    // replaces the contents.
    void SerializeStrings(CStringArray& arr);
    void SerializeStrings(CStringList& list);

    // Writes an object (null allowed) with its class tag, or a reference when
    // it was written before; the object's Serialize writes its fields.
    void WriteObject(const CObject* pObject);
    // Reads what WriteObject wrote: a new object (owned by the caller), an
    // object read before (owned by whoever took it then) or null. The object
    // must be of pExpected or derived from it.
    CObject* ReadObject(const CRuntimeClass* pExpected);
    // Reads an object the caller will own: a reference to an object read
    // before is a badIndex error, as is null unless bAllowNull.
    CObject* ReadOwnedObject(const CRuntimeClass* pExpected, BOOL bAllowNull = FALSE);
    // The schema stored for the object being read, valid inside its Serialize
    // (all levels of its class); (UINT)-1 outside of ReadObject.
    UINT GetObjectSchema() const { return m_nSchema; }

    // Raises the archive error with the current stream offset.
    [[noreturn]] void ThrowError(int nCause, const char* pszDetail = nullptr) const;

    // Deepest nesting of objects a loading archive accepts.
    static constexpr int MAX_DEPTH = 1000;
    // Tags of the stream.
    static constexpr WORD NULL_TAG = 0x0000;
    static constexpr WORD NEW_CLASS_TAG = 0xFFFF;
    static constexpr WORD CLASS_TAG = 0x8000;
    static constexpr WORD BIG_OBJECT_TAG = 0x7FFF;
    static constexpr DWORD BIG_CLASS_TAG = 0x80000000u;

private:
    struct CLoadEntry {
        const CRuntimeClass* pClass;  // class entries: the class; object entries: null
        CObject* pObject;             // object entries: the object (null once discarded)
        UINT nSchema;                 // class entries: the stored schema
    };

    void Need(size_t nCount) const;
    void WriteIndexTag(DWORD nIndex, BOOL bClass);
    DWORD NextIndex();
    CObject* ReadObjectImpl(const CRuntimeClass* pExpected, int nMode);
    const CRuntimeClass* ReadNewClass(UINT& nSchema);

    BOOL m_bLoading;
    // storing
    std::string m_strOut;
    std::unordered_map<const void*, DWORD> m_storeMap;  // objects and classes written, by number
    DWORD m_nNextIndex = 1;
    // loading
    const BYTE* m_pIn = nullptr;
    size_t m_nSize = 0;
    size_t m_nPos = 0;
    std::vector<CLoadEntry> m_loadMap;  // [0] unused: number 0 is the null object
    UINT m_nSchema = static_cast<UINT>(-1);
    int m_nDepth = 0;
};
