#include "Archive.h"
#include "ArchiveFile.h"
#include "Object.h"
#include "StringArray.h"
#include "StringList.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace {

// A tree node: owned children, one non-owned link to any node of the stream.
class CTestNode : public CObject {
    MOSK_DECLARE_SERIAL(CTestNode)
public:
    CTestNode() = default;
    explicit CTestNode(const char* pszName, DWORD nValue = 0) : m_strName(pszName), m_nValue(nValue) {}
    ~CTestNode() override
    {
        for (CTestNode* p : m_children)
            delete p;
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_strName << m_nValue << static_cast<DWORD>(m_children.size());
            for (CTestNode* p : m_children)
                ar.WriteObject(p);
            ar.WriteObject(m_pLink);
        } else {
            ar >> m_strName >> m_nValue;
            DWORD nCount = ar.ReadBoundedCount(2);
            for (DWORD i = 0; i < nCount; ++i)
                m_children.push_back(static_cast<CTestNode*>(ar.ReadOwnedObject(GetThisClass())));
            m_pLink = static_cast<CTestNode*>(ar.ReadObject(GetThisClass()));
        }
    }
    void DumpTo(CString& strOut, int nIndent) const override
    {
        DumpIndent(strOut, nIndent);
        CString str;
        str.Format("%s=%u link=%s\n", m_strName.c_str(), m_nValue, m_pLink ? m_pLink->m_strName.c_str() : "-");
        strOut += str;
        for (CTestNode* p : m_children)
            p->DumpTo(strOut, nIndent + 2);
    }
    CTestNode* Add(CTestNode* p)
    {
        m_children.push_back(p);
        return p;
    }

    CString m_strName;
    DWORD m_nValue = 0;
    std::vector<CTestNode*> m_children;
    CTestNode* m_pLink = nullptr;
};
MOSK_IMPLEMENT_SERIAL(CTestNode, CObject, 1)

// A class that reads its schema 1 form (without m_nB) as well as schema 2.
class CTestVersioned : public CObject {
    MOSK_DECLARE_SERIAL(CTestVersioned)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_nA << m_nB;
            return;
        }
        m_nLoadedSchema = ar.GetObjectSchema();
        ar >> m_nA;
        if (m_nLoadedSchema >= 2)
            ar >> m_nB;
    }
    int m_nA = 0, m_nB = -1;
    UINT m_nLoadedSchema = 0;
};
MOSK_IMPLEMENT_SERIAL(CTestVersioned, CObject, VERSIONABLE_SCHEMA | 2)

// Derived from CTestNode but not a CTestVersioned: for expected-class checks.
class CTestLeaf : public CTestNode {
    MOSK_DECLARE_SERIAL(CTestLeaf)
};
MOSK_IMPLEMENT_SERIAL(CTestLeaf, CTestNode, 1)

std::string Bytes(std::initializer_list<int> bytes)
{
    std::string str;
    for (int b : bytes)
        str += static_cast<char>(b);
    return str;
}

std::string NewClass(const char* pszName, WORD wSchema)
{
    std::string str = Bytes({0xFF, 0xFF, wSchema & 0xFF, wSchema >> 8, static_cast<int>(strlen(pszName)), 0});
    return str + pszName;
}

std::string Store(const CObject* pObject)
{
    CArchive ar;
    ar.WriteObject(pObject);
    return ar.GetData();
}

// Reads one CTestNode from bytes; the archive error's cause, or none.
int LoadCause(const std::string& data, std::unique_ptr<CObject>* pResult = nullptr)
{
    try {
        CArchive ar(data.data(), data.size());
        std::unique_ptr<CObject> p(ar.ReadObject(MOSK_RUNTIME_CLASS(CObject)));
        if (pResult)
            *pResult = std::move(p);
    } catch (const CArchiveException& e) {
        EXPECT_FALSE(e.GetMessage().IsEmpty());
        return e.m_cause;
    }
    return CArchiveException::none;
}

CTestNode* MakeTree()
{
    auto* pRoot = new CTestNode("root", 1);
    CTestNode* pA = pRoot->Add(new CTestNode("a", 2));
    CTestNode* pB = pRoot->Add(new CTestNode("b", 3));
    pA->Add(new CTestLeaf());
    pB->Add(new CTestNode(std::string(300, 'x').c_str(), 0xFFFFFFFF));
    pB->m_pLink = pA;
    pA->m_pLink = pRoot;
    return pRoot;
}

} // namespace

TEST(ArchiveTest, StringAndCountPrefixes)
{
    struct {
        size_t nLength;
        std::string strPrefix;
    } cases[] = {
        {0, Bytes({0})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& c : cases) {
        CString str(std::string(c.nLength, 'q'));
        CArchive ar;
        ar << str;
        ASSERT_EQ(ar.GetData().size(), c.strPrefix.size() + c.nLength) << c.nLength;
        EXPECT_EQ(ar.GetData().substr(0, c.strPrefix.size()), c.strPrefix) << c.nLength;
        CArchive in(ar.GetData().data(), ar.GetData().size());
        CString strBack;
        in >> strBack;
        EXPECT_EQ(strBack, str);
        EXPECT_EQ(in.GetRemaining(), 0u);
    }

    struct {
        DWORD nCount;
        std::string strBytes;
    } counts[] = {
        {0, Bytes({0, 0})},
        {0xFFFE, Bytes({0xFE, 0xFF})},
        {0xFFFF, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0})},
        {0x12345678, Bytes({0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12})},
    };
    for (const auto& c : counts) {
        CArchive ar;
        ar.WriteCount(c.nCount);
        EXPECT_EQ(ar.GetData(), c.strBytes);
        CArchive in(c.strBytes.data(), c.strBytes.size());
        EXPECT_EQ(in.ReadCount(), c.nCount);
    }
}

TEST(ArchiveTest, ScalarsAreLittleEndian)
{
    CArchive ar;
    ar << static_cast<BYTE>(0x12) << static_cast<WORD>(0x3456) << static_cast<DWORD>(0x789ABCDE) << -2;
    EXPECT_EQ(ar.GetData(), Bytes({0x12, 0x56, 0x34, 0xDE, 0xBC, 0x9A, 0x78, 0xFE, 0xFF, 0xFF, 0xFF}));
    CArchive in(ar.GetData().data(), ar.GetData().size());
    BYTE by;
    WORD w;
    DWORD dw;
    int n;
    in >> by >> w >> dw >> n;
    EXPECT_EQ(by, 0x12);
    EXPECT_EQ(w, 0x3456);
    EXPECT_EQ(dw, 0x789ABCDEu);
    EXPECT_EQ(n, -2);
}

TEST(ArchiveTest, StringArrayAndListRoundTrip)
{
    CStringArray arr;
    arr.Add("one");
    arr.Add("");
    arr.Add(CString(std::string(400, 'z')));
    CStringList list;
    list.AddTail("x");
    list.AddTail("y.z");
    CArchive ar;
    ar.SerializeStrings(arr);
    ar.SerializeStrings(list);
    EXPECT_EQ(ar.GetData().substr(0, 6), Bytes({3, 0, 3, 'o', 'n', 'e'}));

    CArchive in(ar.GetData().data(), ar.GetData().size());
    CStringArray arr2;
    arr2.Add("stale");
    CStringList list2;
    in.SerializeStrings(arr2);
    in.SerializeStrings(list2);
    ASSERT_EQ(arr2.GetSize(), 3);
    EXPECT_EQ(arr2[2], arr[2]);
    ASSERT_EQ(list2.GetCount(), 2);
    EXPECT_EQ(list2.GetTail(), "y.z");
}

TEST(ArchiveTest, ObjectTagsAndNumbering)
{
    CTestNode root("r");
    CTestNode* pA = root.Add(new CTestNode("a"));
    pA->m_pLink = &root;
    // root: class 1, object 2; a: class tag 0x8001, object 3; a's link refers to object 2.
    std::string strExpected = NewClass("CTestNode", 1) + Bytes({1, 'r', 0, 0, 0, 0, 1, 0, 0, 0}) +
                              Bytes({0x01, 0x80}) + Bytes({1, 'a', 0, 0, 0, 0, 0, 0, 0, 0}) +
                              Bytes({0x02, 0x00}) + Bytes({0x00, 0x00});
    EXPECT_EQ(Store(&root), strExpected);
}

TEST(ArchiveTest, TreeRoundTripKeepsStructureAndLinks)
{
    std::unique_ptr<CTestNode> pTree(MakeTree());
    std::string strData = Store(pTree.get());
    std::unique_ptr<CObject> pBack;
    ASSERT_EQ(LoadCause(strData, &pBack), CArchiveException::none);
    ASSERT_TRUE(pBack->IsKindOf(MOSK_RUNTIME_CLASS(CTestNode)));
    EXPECT_EQ(pBack->Dump(), pTree->Dump());
    auto* pRoot = static_cast<CTestNode*>(pBack.get());
    EXPECT_EQ(pRoot->m_children[1]->m_pLink, pRoot->m_children[0]);
    EXPECT_TRUE(pRoot->m_children[0]->m_children[0]->IsKindOf(MOSK_RUNTIME_CLASS(CTestLeaf)));
    // Writing the loaded tree again gives the same bytes.
    EXPECT_EQ(Store(pBack.get()), strData);
}

TEST(ArchiveTest, BigIndicesUseTheEscapedForms)
{
    // 40000 nodes push the numbering past 0x7FFF; a leaf class met after
    // that gets a big class number, and the last link a big object number.
    CTestNode root("root");
    const int nNodes = 40000;
    for (int i = 0; i < nNodes; ++i)
        root.Add(new CTestNode("", static_cast<DWORD>(i)));
    CTestNode* pLeaf1 = root.Add(new CTestLeaf());
    root.Add(new CTestLeaf());
    root.m_pLink = pLeaf1;
    std::string strData = Store(&root);

    // Numbers: CTestNode class 1, root 2, children 3..40002, CTestLeaf class 40003, leaves 40004, 40005.
    const DWORD nLeafClass = nNodes + 3;
    std::string strBigClass = Bytes({0xFF, 0x7F}) + Bytes({static_cast<int>(nLeafClass & 0xFF),
                                                         static_cast<int>((nLeafClass >> 8) & 0xFF),
                                                         static_cast<int>(nLeafClass >> 16), 0x80});
    EXPECT_NE(strData.find(strBigClass), std::string::npos);
    const DWORD nLeafObject = nLeafClass + 1;
    std::string strBigObject = Bytes({0xFF, 0x7F}) + Bytes({static_cast<int>(nLeafObject & 0xFF),
                                                          static_cast<int>((nLeafObject >> 8) & 0xFF),
                                                          static_cast<int>(nLeafObject >> 16), 0x00});
    EXPECT_EQ(strData.substr(strData.size() - 6), strBigObject);
    // Node 0x7FFE is still written with a small class tag.
    EXPECT_NE(strData.find(Bytes({0x01, 0x80, 0})), std::string::npos);

    std::unique_ptr<CObject> pBack;
    ASSERT_EQ(LoadCause(strData, &pBack), CArchiveException::none);
    auto* pRoot = static_cast<CTestNode*>(pBack.get());
    ASSERT_EQ(pRoot->m_children.size(), static_cast<size_t>(nNodes + 2));
    EXPECT_EQ(pRoot->m_children[nNodes - 1]->m_nValue, static_cast<DWORD>(nNodes - 1));
    EXPECT_EQ(pRoot->m_pLink, pRoot->m_children[nNodes]);
    EXPECT_TRUE(pRoot->m_children[nNodes + 1]->IsKindOf(MOSK_RUNTIME_CLASS(CTestLeaf)));
}

TEST(ArchiveTest, VersionableClassGetsTheStoredSchema)
{
    struct {
        WORD wSchema;
        std::string strFields;
        int nB;
    } cases[] = {
        {1, Bytes({7, 0, 0, 0}), -1},
        {2, Bytes({7, 0, 0, 0, 9, 0, 0, 0}), 9},
    };
    for (const auto& c : cases) {
        std::unique_ptr<CObject> p;
        ASSERT_EQ(LoadCause(NewClass("CTestVersioned", c.wSchema) + c.strFields, &p), CArchiveException::none);
        auto* pV = static_cast<CTestVersioned*>(p.get());
        EXPECT_EQ(pV->m_nLoadedSchema, c.wSchema);
        EXPECT_EQ(pV->m_nA, 7);
        EXPECT_EQ(pV->m_nB, c.nB);
    }
    CTestVersioned v;
    EXPECT_EQ(Store(&v).substr(0, 4), Bytes({0xFF, 0xFF, 2, 0}));
}

TEST(ArchiveTest, MalformedStreamsRaiseTheArchiveError)
{
    const std::string strNode = NewClass("CTestNode", 1);
    const std::string strEmptyFields = Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});  // name, value, count, link
    struct {
        const char* pszWhat;
        std::string strData;
        int nCause;
    } cases[] = {
        {"empty", "", CArchiveException::endOfFile},
        {"unknown class", NewClass("CNoSuchThing", 1) + strEmptyFields, CArchiveException::badClass},
        {"class name past the end", Bytes({0xFF, 0xFF, 1, 0, 50, 0, 'C'}), CArchiveException::endOfFile},
        {"non-versionable schema", NewClass("CTestNode", 2) + strEmptyFields, CArchiveException::badSchema},
        {"class reference first", Bytes({0x01, 0x80}), CArchiveException::badIndex},
        {"class tag zero", Bytes({0x00, 0x80}), CArchiveException::badIndex},
        {"object reference first", Bytes({0x05, 0x00}), CArchiveException::badIndex},
        {"big object reference", Bytes({0xFF, 0x7F, 0x00, 0x00, 0x01, 0x00}), CArchiveException::badIndex},
        {"big class reference", Bytes({0xFF, 0x7F, 0x01, 0x00, 0x00, 0x80}), CArchiveException::badIndex},
        {"reference to a class as object",
         strNode + Bytes({0, 0, 0, 0, 0, 1, 0, 0, 0}) + Bytes({0x01, 0x00}), CArchiveException::badIndex},
        {"owned child refers to its parent",
         strNode + Bytes({0, 0, 0, 0, 0, 1, 0, 0, 0}) + Bytes({0x02, 0x00}), CArchiveException::badIndex},
        {"owned child is null", strNode + Bytes({0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}), CArchiveException::badIndex},
        {"absurd child count", strNode + Bytes({0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F}), CArchiveException::badCount},
        {"absurd string length", strNode + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x0F, 'a'}),
         CArchiveException::badCount},
        {"wide string marker", strNode + Bytes({0xFF, 0xFE, 0xFF, 1, 'a'}), CArchiveException::genericException},
        {"child of a foreign class",
         strNode + Bytes({0, 0, 0, 0, 0, 1, 0, 0, 0}) + NewClass("CTestVersioned", 2) + Bytes({0, 0, 0, 0, 0, 0, 0, 0}),
         CArchiveException::badClass},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadCause(c.strData), c.nCause) << c.pszWhat;
}

TEST(ArchiveTest, ExpectedClassIsEnforcedForNewObjectsAndReferences)
{
    std::string strData = Store(std::unique_ptr<CTestNode>(MakeTree()).get());
    CArchive ar(strData.data(), strData.size());
    EXPECT_THROW(ar.ReadObject(MOSK_RUNTIME_CLASS(CTestVersioned)), CArchiveException);
}

TEST(ArchiveTest, EveryTruncationRaisesTheArchiveError)
{
    std::unique_ptr<CTestNode> pTree(MakeTree());
    std::string strData = Store(pTree.get());
    for (size_t n = 0; n < strData.size(); ++n) {
        // A copy of exactly n bytes, so reading past it would touch no valid memory.
        std::unique_ptr<char[]> pCopy(new char[n ? n : 1]);
        memcpy(pCopy.get(), strData.data(), n);
        int nCause = CArchiveException::none;
        try {
            CArchive ar(pCopy.get(), n);
            delete ar.ReadObject(MOSK_RUNTIME_CLASS(CObject));
        } catch (const CArchiveException& e) {
            nCause = e.m_cause;
        }
        EXPECT_NE(nCause, CArchiveException::none) << "truncated at " << n;
    }
}

TEST(ArchiveTest, DeepNestingIsRefused)
{
    // Each level: a new object tag of a known class, empty name, value, one child.
    std::string strData = NewClass("CTestNode", 1) + Bytes({0, 0, 0, 0, 0, 1, 0, 0, 0});
    for (int i = 0; i < CArchive::MAX_DEPTH + 5; ++i)
        strData += Bytes({0x01, 0x80, 0, 0, 0, 0, 0, 1, 0, 0, 0});
    EXPECT_EQ(LoadCause(strData), CArchiveException::tooDeep);
}

TEST(ArchiveTest, FileHelpersReportErrorsAndNeverLeaveHalfFiles)
{
    CTempFolder folder;
    CString strPath = folder.File("tree.bin");
    std::unique_ptr<CTestNode> pTree(MakeTree());
    CString strError;
    ASSERT_TRUE(CArchiveFile::Save(strPath, [&](CArchive& ar) { ar.WriteObject(pTree.get()); }, strError)) << strError.c_str();

    std::unique_ptr<CObject> pBack;
    ASSERT_TRUE(CArchiveFile::Load(strPath, [&](CArchive& ar) { pBack.reset(ar.ReadObject(MOSK_RUNTIME_CLASS(CTestNode))); },
                                   strError));
    EXPECT_EQ(pBack->Dump(), pTree->Dump());

    // A writer that fails leaves the old file as it was and no temporary behind.
    std::string strBefore = ReadWholeFile(strPath);
    EXPECT_FALSE(CArchiveFile::Save(strPath, [&](CArchive& ar) {
        ar << CString("partial");
        ar.ThrowError(CArchiveException::genericException);
    }, strError));
    EXPECT_EQ(ReadWholeFile(strPath), strBefore);
    int nFiles = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path().c_str()))
        ++nFiles;
    EXPECT_EQ(nFiles, 1);

    // A damaged file gives a message, not a crash.
    folder.Write("bad.bin", Bytes({0xFF, 0xFF, 1, 0, 3, 0, 'C', 'Q', 'Q'}));
    EXPECT_FALSE(CArchiveFile::Load(folder.File("bad.bin"), [](CArchive& ar) { delete ar.ReadObject(MOSK_RUNTIME_CLASS(CObject)); },
                                    strError));
    EXPECT_NE(strError.Find("CQQ"), -1) << strError.c_str();

    EXPECT_FALSE(CArchiveFile::Load(folder.File("missing.bin"), [](CArchive&) {}, strError));
    EXPECT_NE(strError.Find("missing.bin"), -1);
    EXPECT_FALSE(CArchiveFile::Save(folder.File("no/such/dir/x.bin"), [](CArchive& ar) { ar << 1; }, strError));
}

TEST(ArchiveTest, DynamicCreationByName)
{
    const CRuntimeClass* pClass = CRuntimeClass::FromName("CTestLeaf");
    ASSERT_EQ(pClass, MOSK_RUNTIME_CLASS(CTestLeaf));
    std::unique_ptr<CObject> p(pClass->CreateObject());
    EXPECT_TRUE(p->IsKindOf(MOSK_RUNTIME_CLASS(CTestNode)));
    EXPECT_FALSE(p->IsKindOf(MOSK_RUNTIME_CLASS(CTestVersioned)));
    EXPECT_EQ(CRuntimeClass::FromName("CTestLea"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), nullptr);  // not creatable
}
