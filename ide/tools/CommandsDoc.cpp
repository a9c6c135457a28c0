#include "CommandsDoc.h"

#include "Archive.h"
#include "ArchiveFile.h"
#include "Command.h"

#include <cassert>
#include <sys/stat.h>

CCommandsDoc::CCommandsDoc() = default;
CCommandsDoc::~CCommandsDoc() = default;

void CCommandsDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << CURRENT_VERSION << static_cast<DWORD>(m_commands.size());
        for (const auto& pCommand : m_commands)
            ar.WriteObject(pCommand.get());
        return;
    }
    DWORD dwVersion;
    ar >> dwVersion;
    if (dwVersion != CURRENT_VERSION) {
        CString strDetail;
        strDetail.Format("version %u", static_cast<unsigned>(dwVersion));
        ar.ThrowError(CArchiveException::badSchema, strDetail);
    }
    // Every command takes at least its two-byte tag.
    DWORD nCount = ar.ReadBoundedCount(2);
    std::vector<std::unique_ptr<CCommand>> commands;
    for (DWORD i = 0; i < nCount; ++i)
        commands.emplace_back(static_cast<CCommand*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CCommand))));
    m_dwVersion = dwVersion;
    m_commands.swap(commands);
}

void CCommandsDoc::DumpTo(CString& strOut, int nIndent) const
{
    CString strLine;
    strLine.Format("version: %u\ncommands: %d\n", static_cast<unsigned>(m_dwVersion), GetCount());
    DumpIndent(strOut, nIndent);
    strOut += strLine;
    for (int i = 0; i < GetCount(); ++i) {
        strLine.Format("command %d\n", i + 1);
        DumpIndent(strOut, nIndent);
        strOut += strLine;
        m_commands[static_cast<size_t>(i)]->DumpTo(strOut, nIndent + 2);
    }
}

BOOL CCommandsDoc::Load(const char* pszPath, CString& strError, BOOL bMissingIsError)
{
    struct stat st;
    if (!bMissingIsError && ::stat(pszPath, &st) != 0) {
        RemoveAll();
        m_dwVersion = CURRENT_VERSION;
        return TRUE;
    }
    CCommandsDoc loaded;
    if (!CArchiveFile::Load(pszPath, [&](CArchive& ar) { loaded.Serialize(ar); }, strError))
        return FALSE;
    m_dwVersion = loaded.m_dwVersion;
    m_commands.swap(loaded.m_commands);
    return TRUE;
}

BOOL CCommandsDoc::Save(const char* pszPath, CString& strError)
{
    return CArchiveFile::Save(pszPath, [&](CArchive& ar) { Serialize(ar); }, strError);
}

CCommand* CCommandsDoc::GetAt(int nIndex) const
{
    assert(nIndex >= 0 && nIndex < GetCount());
    return m_commands[static_cast<size_t>(nIndex)].get();
}

int CCommandsDoc::Add(CCommand* pCommand)
{
    assert(pCommand);
    m_commands.emplace_back(pCommand);
    return GetCount() - 1;
}

void CCommandsDoc::RemoveAt(int nIndex)
{
    assert(nIndex >= 0 && nIndex < GetCount());
    m_commands.erase(m_commands.begin() + nIndex);
}

void CCommandsDoc::RemoveAll()
{
    m_commands.clear();
}

std::vector<int> CCommandsDoc::GetMenuCommands(BOOL bProjectMenu) const
{
    std::vector<int> indices;
    for (int i = 0; i < GetCount() && i < MENU_COMMANDS; ++i) {
        const CCommand& command = *m_commands[static_cast<size_t>(i)];
        BOOL bOnMenu = bProjectMenu ? command.m_bOnProjectMenu : command.m_bOnFileMenu;
        if (bOnMenu && command.IsComplete())
            indices.push_back(i);
    }
    return indices;
}

UINT CCommandsDoc::GetMenuCommandId(int nIndex, BOOL bProjectMenu)
{
    assert(nIndex >= 0 && nIndex < MENU_COMMANDS);
    return (bProjectMenu ? FIRST_PROJECT_COMMAND_ID : FIRST_FILE_COMMAND_ID) + static_cast<UINT>(nIndex);
}

CCommand* CCommandsDoc::FindMenuCommand(UINT nId, BOOL bProjectMenu) const
{
    UINT nFirst = bProjectMenu ? FIRST_PROJECT_COMMAND_ID : FIRST_FILE_COMMAND_ID;
    if (nId < nFirst || nId >= nFirst + MENU_COMMANDS)
        return nullptr;
    int nIndex = static_cast<int>(nId - nFirst);
    for (int i : GetMenuCommands(bProjectMenu))
        if (i == nIndex)
            return GetAt(i);
    return nullptr;
}
