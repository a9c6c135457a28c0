// Fuzz target: the archive reader and the source-model readers on arbitrary
// bytes. The first byte chooses what is read:
//   0  a package index (a DWORD count of package objects),
//   1  one object of any class,
//   2  strings, counts and string arrays until the input ends.
// Every input must either load or raise CArchiveException; what loads must
// write and load again to the same dump.
#include "Archive.h"
#include "PackageObject.h"
#include "StringArray.h"
#include "VarObject.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using CPackages = std::vector<std::unique_ptr<CPackageObject>>;

void SerializeIndex(CArchive& ar, CPackages& packages)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(packages.size());
        for (auto& p : packages)
            ar.WriteObject(p.get());
        return;
    }
    DWORD nCount = ar.ReadBoundedCount(2);
    for (DWORD i = 0; i < nCount; ++i)
        packages.emplace_back(static_cast<CPackageObject*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CPackageObject))));
}

CString DumpIndex(const CPackages& packages)
{
    CString str;
    for (auto& p : packages)
        p->DumpTo(str, 0);
    return str;
}

void Check(bool bOk)
{
    if (!bOk)
        abort();
}

void FuzzIndex(const uint8_t* pData, size_t nSize)
{
    CPackages packages;
    {
        CArchive ar(pData, nSize);
        SerializeIndex(ar, packages);
    }
    CArchive out;
    SerializeIndex(out, packages);
    CPackages again;
    CArchive in(out.GetData().data(), out.GetData().size());
    SerializeIndex(in, again);
    Check(in.GetRemaining() == 0);
    Check(DumpIndex(again) == DumpIndex(packages));
}

void FuzzObject(const uint8_t* pData, size_t nSize)
{
    std::unique_ptr<CObject> pObject;
    {
        CArchive ar(pData, nSize);
        pObject.reset(ar.ReadObject(MOSK_RUNTIME_CLASS(CObject)));
    }
    if (!pObject)
        return;
    CArchive out;
    out.WriteObject(pObject.get());
    CArchive in(out.GetData().data(), out.GetData().size());
    std::unique_ptr<CObject> pAgain(in.ReadObject(MOSK_RUNTIME_CLASS(CObject)));
    Check(pAgain && pAgain->Dump() == pObject->Dump());
}

void FuzzPrimitives(const uint8_t* pData, size_t nSize)
{
    CArchive ar(pData, nSize);
    while (ar.GetRemaining() > 0) {
        BYTE bySelect;
        ar >> bySelect;
        switch (bySelect % 4) {
        case 0: {
            CString str;
            ar >> str;
            break;
        }
        case 1:
            (void)ar.ReadCount();
            break;
        case 2: {
            CStringArray arr;
            ar.SerializeStrings(arr);
            break;
        }
        default:
            (void)ar.ReadBoundedCount(1 + bySelect % 7);
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    if (nSize == 0)
        return 0;
    try {
        switch (pData[0] % 3) {
        case 0: FuzzIndex(pData + 1, nSize - 1); break;
        case 1: FuzzObject(pData + 1, nSize - 1); break;
        default: FuzzPrimitives(pData + 1, nSize - 1); break;
        }
    } catch (const CArchiveException&) {
        // The expected answer to a malformed stream.
    }
    CVarObject::SetOldFormatRead(FALSE);
    return 0;
}
