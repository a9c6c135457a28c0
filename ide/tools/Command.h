// CCommand: one user-defined command: a program with arguments and a
// start-up directory (both may hold macros in angle brackets), shown on the
// context menus of file items and project nodes. Stored in "user.cmd" as an
// object of schema 1: four DWORD switches, then name, command, start-up
// directory and arguments.
#pragma once

#include "Object.h"

class CCommand : public CObject {
    MOSK_DECLARE_SERIAL(CCommand)
public:
    CCommand() = default;
    CCommand(const CCommand&) = default;
    CCommand& operator=(const CCommand&) = default;

    // Stored order: use IDE class path, capture output, on file menu, on
    // project menu (DWORDs, non-zero read as set), then the four strings.
    void Serialize(CArchive& ar) override;
    // One line per field, by name.
    void DumpTo(CString& strOut, int nIndent) const override;

    // TRUE when the command can be offered on a menu: it has a name and a command text.
    BOOL IsComplete() const { return !m_strName.IsEmpty() && !m_strCommand.IsEmpty(); }

    CString m_strName;            // text shown on the menus
    CString m_strCommand;         // program to run, with its own options if wanted
    CString m_strStartupDir;      // working directory, may hold directory macros; empty: current
    CString m_strArguments;       // appended to the command, may hold macros
    BOOL m_bUseIDEClassPath = FALSE;  // CLASSPATH is the IDE's interpreter class path while starting
    BOOL m_bCaptureOutput = FALSE;    // run in an output window with redirected output
    BOOL m_bOnFileMenu = FALSE;       // offered on file items' context menu
    BOOL m_bOnProjectMenu = FALSE;    // offered on project nodes' context menu
};
