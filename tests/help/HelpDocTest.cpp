// The help tree "mosk.hpg": its bytes, its reader on damaged files, the
// edits with their messages and the depth limit, and the saving.
#include "Archive.h"
#include "AtomicFile.h"
#include "HTMLItem.h"
#include "HelpDoc.h"
#include "ScriptedUserInterface.h"
#include "StringArray.h"
#include "TempFolder.h"
#include "TreeFolder.h"
#include "URLItem.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <vector>

namespace {

// Archive bytes written by hand.
struct CBytes {
    std::string s;
    CBytes& Dword(uint32_t n)
    {
        for (int i = 0; i < 4; ++i)
            s += static_cast<char>((n >> (8 * i)) & 0xFF);
        return *this;
    }
    CBytes& Word(uint16_t n)
    {
        s += static_cast<char>(n & 0xFF);
        s += static_cast<char>(n >> 8);
        return *this;
    }
    CBytes& Str(const std::string& str)
    {
        s += static_cast<char>(str.size());
        s += str;
        return *this;
    }
    // A class met for the first time, schema 1.
    CBytes& NewClass(const std::string& strName)
    {
        Word(0xFFFF).Word(1).Word(static_cast<uint16_t>(strName.size()));
        s += strName;
        return *this;
    }
    CBytes& OldClass(uint16_t nIndex) { return Word(static_cast<uint16_t>(0x8000 | nIndex)); }
};

// Help / [doc 3 "a.html"], [link "Site" "http://h/"], API / [doc 0 "/x/b.htm"]
// Numbers: 1 CTreeFolder, 2 root, 3 CHTMLItem, 4 item, 5 CURLItem, 6 link, 7 folder API, 8 item.
std::string SampleBytes()
{
    CBytes b;
    b.Dword(1).NewClass("CTreeFolder").Dword(3).Str("Help");
    b.Dword(2).NewClass("CHTMLItem").Dword(3).Str("a.html");
    b.Dword(2).NewClass("CURLItem").Str("Site").Str("http://h/");
    b.Dword(1).OldClass(1).Dword(1).Str("API");
    b.Dword(2).OldClass(3).Dword(0).Str("/x/b.htm");
    return b.s;
}

const char* const SAMPLE_DUMP = "Folder Help\n"
                                "  HTML 3 a.html\n"
                                "  URL Site <http://h/>\n"
                                "  Folder API\n"
                                "    HTML 0 /x/b.htm\n";

CStringArray HelpDirs()
{
    CStringArray dirs;
    dirs.Add("/prog");
    dirs.Add("/prog/help");
    dirs.Add("/doc/api");
    return dirs;
}

std::string Stored(const CHelpDoc& doc)
{
    CArchive ar;
    doc.Store(ar);
    return ar.GetData();
}

TEST(HelpDoc, ReadsAndWritesTheTreeRecordsByteForByte)
{
    CStringArray dirs = HelpDirs();
    CHelpDoc doc(dirs);
    CString strError;
    ASSERT_TRUE(doc.ReadBytes(SampleBytes(), strError)) << strError.c_str();
    EXPECT_EQ(SAMPLE_DUMP, doc.Dump());
    EXPECT_EQ(SampleBytes(), Stored(doc));
    auto* pItem = dynamic_cast<CHTMLItem*>(doc.GetRoot()->GetChild(0));
    ASSERT_NE(nullptr, pItem);
    EXPECT_EQ("/doc/api/a.html", doc.GetAddress(*pItem));
}

TEST(HelpDoc, DamagedFilesAreRefusedAndTheTreeKept)
{
    const std::string strGood = SampleBytes();
    struct Case {
        const char* pszName;
        std::string strBytes;
    };
    std::vector<Case> cases = {
        {"empty", ""},
        {"tag only", CBytes().Dword(1).s},
        {"root of an item class", CBytes().Dword(1).NewClass("CHTMLItem").Dword(0).Str("x").s},
        {"root of a project class", CBytes().Dword(1).NewClass("CProjectVirtualFolder").Dword(0).Str("x").s},
        {"unknown class", CBytes().Dword(1).NewClass("CNoSuchThing").Dword(0).Str("x").s},
        {"wrong schema", [] {
             CBytes b;
             b.Dword(1).Word(0xFFFF).Word(7).Word(11);
             b.s += "CTreeFolder";
             b.Dword(0).Str("Help");
             return b.s;
         }()},
        {"absurd child count", CBytes().Dword(1).NewClass("CTreeFolder").Dword(0xFFFFFFFF).Str("Help").s},
        {"count beyond the children", CBytes().Dword(1).NewClass("CTreeFolder").Dword(2).Str("Help")
                                          .Dword(2).NewClass("CURLItem").Str("t").Str("u").s},
        {"item tag before a folder", CBytes().Dword(1).NewClass("CTreeFolder").Dword(1).Str("Help")
                                         .Dword(2).OldClass(1).Dword(0).Str("Sub").s},
        {"folder tag before an item", CBytes().Dword(1).NewClass("CTreeFolder").Dword(1).Str("Help")
                                          .Dword(7).NewClass("CHTMLItem").Dword(0).Str("/a.html").s},
        {"item reference to the root", CBytes().Dword(1).NewClass("CTreeFolder").Dword(1).Str("Help")
                                           .Dword(2).Word(2).s},
        {"null item", CBytes().Dword(1).NewClass("CTreeFolder").Dword(1).Str("Help").Dword(2).Word(0).s},
        {"string longer than the file", CBytes().Dword(1).NewClass("CTreeFolder").Dword(0).Word(0x40FF).s},
        {"folders nested too deep", [] {
             CBytes b;
             b.Dword(1).NewClass("CTreeFolder").Dword(1).Str("Help");
             for (int i = 0; i < CHelpDoc::MAX_READ_DEPTH + 1; i++)
                 b.Dword(1).OldClass(1).Dword(1).Str("F");
             b.Dword(1).OldClass(1).Dword(0).Str("F");
             return b.s;
         }()},
    };
    for (size_t n = 0; n < strGood.size(); n++)
        cases.push_back({"truncated sample", strGood.substr(0, n)});

    CStringArray dirs = HelpDirs();
    CHelpDoc doc(dirs);
    CString strError;
    ASSERT_TRUE(doc.ReadBytes(strGood, strError));
    for (const Case& c : cases) {
        strError.Empty();
        EXPECT_FALSE(doc.ReadBytes(c.strBytes, strError)) << c.pszName << " (" << c.strBytes.size() << " bytes)";
        EXPECT_FALSE(strError.IsEmpty()) << c.pszName;
        EXPECT_EQ(SAMPLE_DUMP, doc.Dump()) << c.pszName;
    }
}

TEST(HelpDoc, FoldersJustInsideTheReadDepthAreRead)
{
    CBytes b;
    b.Dword(1).NewClass("CTreeFolder").Dword(1).Str("Help");
    for (int i = 0; i < CHelpDoc::MAX_READ_DEPTH - 1; i++)
        b.Dword(1).OldClass(1).Dword(1).Str("F");
    b.Dword(1).OldClass(1).Dword(0).Str("F");
    CStringArray dirs;
    CHelpDoc doc(dirs);
    CString strError;
    EXPECT_TRUE(doc.ReadBytes(b.s, strError)) << strError.c_str();
    // A tag other than 2 reads as a folder record, as any older file may have it.
    CBytes odd;
    odd.Dword(9).NewClass("CTreeFolder").Dword(1).Str("Help").Dword(5).OldClass(1).Dword(0).Str("Sub");
    ASSERT_TRUE(doc.ReadBytes(odd.s, strError)) << strError.c_str();
    EXPECT_EQ("Folder Help\n  Folder Sub\n", doc.Dump());
}

TEST(HelpDoc, OpenStartsNewWithoutAFileAndLeavesADamagedOneAlone)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs = HelpDirs();
    CHelpDoc doc(dirs);
    int nReloads = 0;
    doc.SetReloadHandler([&] { nReloads++; });

    CString strMissing = temp.File("mosk.hpg");
    EXPECT_TRUE(doc.Open(strMissing));
    EXPECT_EQ("Folder Help\n", doc.Dump());
    EXPECT_EQ(strMissing, doc.GetPathName());
    EXPECT_EQ("", ReadWholeFile(strMissing));
    EXPECT_TRUE(ui.m_shown.empty());
    EXPECT_EQ(1, nReloads);

    std::string strDamaged = SampleBytes().substr(0, 30);
    CString strPath = temp.Write("damaged.hpg", strDamaged);
    EXPECT_FALSE(doc.Open(strPath));
    ASSERT_EQ(1u, ui.m_shown.size());
    EXPECT_EQ(0, ui.m_shown[0].strText.Find("Error reading the help tree " + strPath + ": "));
    EXPECT_EQ("Folder Help\n", doc.Dump());
    EXPECT_EQ(2, nReloads);
    // Edits after a failed read are not written over the damaged file.
    EXPECT_NE(nullptr, doc.AddFolder(doc.GetRoot()));
    EXPECT_EQ(strDamaged, ReadWholeFile(strPath));

    CString strGood = temp.Write("good.hpg", SampleBytes());
    EXPECT_TRUE(doc.Open(strGood));
    EXPECT_EQ(SAMPLE_DUMP, doc.Dump());
}

TEST(HelpDoc, EditsAreSavedAndReadBack)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs;
    dirs.Add(temp.Path());
    CString strPage = temp.Write("page.html", "<p>x");
    ASSERT_EQ(0, ::mkdir(temp.File("sub"), 0755));
    CString strOther = temp.Write("sub/other.htm", "<p>y");
    CString strPath = temp.File("mosk.hpg");
    CHelpDoc doc(dirs);
    ASSERT_TRUE(doc.Open(strPath));

    CTreeFolder* pFolder = doc.AddFolder(doc.GetRoot());
    ASSERT_NE(nullptr, pFolder);
    EXPECT_TRUE(doc.Rename(pFolder, "  Guides "));
    CHTMLItem* pPage = doc.AddFile(pFolder, strPage);
    ASSERT_NE(nullptr, pPage);
    EXPECT_EQ(1u, pPage->m_nDirNumber);
    EXPECT_EQ("page.html", pPage->m_strLabel);
    CHTMLItem* pOther = doc.AddFile(doc.GetRoot(), strOther);
    ASSERT_NE(nullptr, pOther);
    EXPECT_EQ(0u, pOther->m_nDirNumber);
    EXPECT_EQ(strOther, pOther->m_strLabel);
    CURLItem* pLink = doc.AddURL(doc.GetRoot(), "http://localhost/x");
    ASSERT_NE(nullptr, pLink);
    EXPECT_EQ("New URL", pLink->m_strLabel);
    EXPECT_TRUE(doc.Rename(pLink, "Local"));
    EXPECT_TRUE(doc.SetURL(pLink, "http://localhost/y"));
    // Documents are named by their paths.
    EXPECT_FALSE(doc.Rename(pPage, "other"));
    EXPECT_FALSE(doc.Rename(pFolder, "   "));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(ui.m_shown.empty());

    const CString strExpected = "Folder Help\n"
                                "  Folder Guides\n"
                                "    HTML 1 page.html\n"
                                "  HTML 0 " + strOther + "\n"
                                "  URL Local <http://localhost/y>\n";
    EXPECT_EQ(strExpected, doc.Dump());
    CHelpDoc again(dirs);
    ASSERT_TRUE(again.Open(strPath));
    EXPECT_EQ(strExpected, again.Dump());
    EXPECT_EQ(Stored(doc), ReadWholeFile(strPath));
}

TEST(HelpDoc, AddFileRefusesMissingAndRepeatedFiles)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs;
    dirs.Add(temp.Path());
    CString strPage = temp.Write("page.html", "<p>x");
    CHelpDoc doc(dirs);
    ASSERT_TRUE(doc.Open(temp.File("mosk.hpg")));
    CTreeFolder* pFolder = doc.AddFolder(doc.GetRoot());

    struct Case {
        const char* pszName;
        CTreeFolder* pFolder;
        CString strPath;
        bool bAdded;
        CString strMessage;
    };
    const Case cases[] = {
        {"missing", pFolder, temp.File("gone.html"), false, "File " + temp.File("gone.html") + " does not exist !!!"},
        {"a folder is no file", pFolder, temp.Path(), false, "File " + temp.Path() + " does not exist !!!"},
        {"first time", pFolder, strPage, true, ""},
        {"again in the same folder", pFolder, strPage, false,
         "File " + strPage + " already found under folder New Folder !!!"},
        {"again in another folder", doc.GetRoot(), strPage, true, ""},
    };
    for (const Case& c : cases) {
        ui.m_shown.clear();
        EXPECT_EQ(c.bAdded, doc.AddFile(c.pFolder, c.strPath) != nullptr) << c.pszName;
        if (c.strMessage.IsEmpty()) {
            EXPECT_TRUE(ui.m_shown.empty()) << c.pszName;
        } else {
            ASSERT_EQ(1u, ui.m_shown.size()) << c.pszName;
            EXPECT_EQ(c.strMessage, ui.m_shown[0].strText) << c.pszName;
        }
    }
    EXPECT_EQ("Folder Help\n  Folder New Folder\n    HTML 1 page.html\n  HTML 1 page.html\n", doc.Dump());
}

TEST(HelpDoc, AFifthLevelOfFoldersIsNestedTooDeep)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs;
    CHelpDoc doc(dirs);
    ASSERT_TRUE(doc.Open(temp.File("mosk.hpg")));
    CTreeFolder* pFolder = doc.GetRoot();
    for (int nLevel = 1; nLevel <= CHelpDoc::MAX_FOLDER_DEPTH; nLevel++) {
        pFolder = doc.AddFolder(pFolder);
        ASSERT_NE(nullptr, pFolder) << nLevel;
        EXPECT_EQ(nLevel, CHelpDoc::DepthOf(pFolder));
    }
    EXPECT_TRUE(ui.m_shown.empty());
    EXPECT_EQ(nullptr, doc.AddFolder(pFolder));
    ASSERT_EQ(1u, ui.m_shown.size());
    EXPECT_EQ("Nested too deep !!!", ui.m_shown[0].strText);
    // Links and documents may still go into the deepest folder.
    EXPECT_NE(nullptr, doc.AddURL(pFolder, "http://localhost/"));
}

TEST(HelpDoc, DeleteAsksAndNeverTakesTheRoot)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs;
    CString strPath = temp.File("mosk.hpg");
    CHelpDoc doc(dirs);
    ASSERT_TRUE(doc.Open(strPath));
    CTreeFolder* pFolder = doc.AddFolder(doc.GetRoot());
    doc.AddURL(pFolder, "http://localhost/a");
    CURLItem* pLink = doc.AddURL(doc.GetRoot(), "http://localhost/b");

    EXPECT_FALSE(doc.DeleteItem(doc.GetRoot()));
    EXPECT_TRUE(ui.m_shown.empty());
    ui.Answer(IDNO);
    EXPECT_FALSE(doc.DeleteItem(pLink));
    ASSERT_EQ(1u, ui.m_shown.size());
    EXPECT_EQ("Are you sure you want to delete ???", ui.m_shown[0].strText);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), ui.m_shown[0].nType);
    ui.Answer(IDYES);
    EXPECT_TRUE(doc.DeleteItem(pFolder));  // with the link inside it
    EXPECT_EQ("Folder Help\n  URL New URL <http://localhost/b>\n", doc.Dump());
    CHelpDoc again(dirs);
    ASSERT_TRUE(again.Open(strPath));
    EXPECT_EQ(doc.Dump(), again.Dump());
}

BOOL FailEveryWrite(size_t) { return FALSE; }

TEST(HelpDoc, AFailedSaveLeavesTheOldFileWhole)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs;
    CString strPath = temp.Write("mosk.hpg", SampleBytes());
    CHelpDoc doc(dirs);
    ASSERT_TRUE(doc.Open(strPath));
    CAtomicFile::SetFaultHook(&FailEveryWrite);
    EXPECT_NE(nullptr, doc.AddFolder(doc.GetRoot()));
    CAtomicFile::SetFaultHook(nullptr);
    ASSERT_EQ(1u, ui.m_shown.size());
    EXPECT_EQ(0, ui.m_shown[0].strText.Find("Error saving the help tree " + strPath + ": "));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(SampleBytes(), ReadWholeFile(strPath));
    // The next change writes the whole tree.
    EXPECT_NE(nullptr, doc.AddURL(doc.GetRoot(), "http://localhost/"));
    EXPECT_FALSE(doc.IsModified());
    CHelpDoc again(dirs);
    ASSERT_TRUE(again.Open(strPath));
    EXPECT_EQ(doc.Dump(), again.Dump());
}

TEST(HTMLItem, PathsInsideTheHelpDirectoriesKeepOnlyTheirNames)
{
    CStringArray dirs = HelpDirs();
    struct Case {
        const char* pszPath;
        DWORD nDir;
        const char* pszLabel;
        const char* pszAddress;
    };
    const Case cases[] = {
        {"/doc/api/index.html", 3, "index.html", "/doc/api/index.html"},
        {"/prog/help/notes.hlp", 2, "notes.hlp", "/prog/help/notes.hlp"},
        {"/doc/api/java/lang/Object.html", 0, "/doc/api/java/lang/Object.html", "/doc/api/java/lang/Object.html"},
        {"/elsewhere/a.htm", 0, "/elsewhere/a.htm", "/elsewhere/a.htm"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CHTMLItem> pItem(CHTMLItem::FromPath(c.pszPath, dirs));
        EXPECT_EQ(c.nDir, pItem->m_nDirNumber) << c.pszPath;
        EXPECT_EQ(c.pszLabel, pItem->m_strLabel) << c.pszPath;
        EXPECT_EQ(c.pszAddress, pItem->GetAddress(dirs)) << c.pszPath;
    }
    // A number the list does not hold (settings changed since) falls back on the label.
    CHTMLItem stale(57, "gone.html");
    EXPECT_EQ("gone.html", stale.GetAddress(dirs));
    EXPECT_TRUE(CHTMLItem(2, "NOTES.HLP").IsHelpFile());
    EXPECT_FALSE(CHTMLItem(2, "notes.html").IsHelpFile());
}

} // namespace

namespace {

// Runs a shell command line; its standard output and error, and its exit status in nStatus.
std::string RunShell(const CString& strCommand, int& nStatus)
{
    std::string strOut;
    FILE* pPipe = ::popen(strCommand + " 2>&1", "r");
    if (!pPipe)
        return strOut;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pPipe)) > 0;)
        strOut.append(buffer, n);
    int nRaw = ::pclose(pPipe);
    nStatus = WIFEXITED(nRaw) ? WEXITSTATUS(nRaw) : -1;
    return strOut;
}

TEST(HelpDoc, MoskToolIndexPrintsHelpTrees)
{
    CTempFolder temp;
    const CString strTool = MOSK_BUILD_DIR "/tools/mosk-tool index '";
    struct Case {
        const char* pszName;
        std::string strBytes;
        int nStatus;
        const char* pszOut;   // the whole output, or (status 1) a part of it
    };
    const Case cases[] = {
        {"mosk.hpg", SampleBytes(), 0, SAMPLE_DUMP},
        {"copy.bin", SampleBytes(), 0, SAMPLE_DUMP},  // told from a bean index by its item classes
        {"cut.hpg", SampleBytes().substr(0, 40), 1, "cut.hpg: "},
    };
    for (const Case& c : cases) {
        CString strPath = temp.Write(c.pszName, c.strBytes);
        int nStatus = -1;
        std::string strOut = RunShell(strTool + strPath + "'", nStatus);
        EXPECT_EQ(c.nStatus, nStatus) << c.pszName << ": " << strOut;
        if (c.nStatus == 0)
            EXPECT_EQ(c.pszOut, strOut) << c.pszName;
        else
            EXPECT_NE(std::string::npos, strOut.find(c.pszOut)) << c.pszName << ": " << strOut;
    }
}

} // namespace
