// CSourceDocument: one source file being edited. It owns the rich-edit
// control holding the text and the colouring view that fills it, and knows
// the file's path, title, read-only state and line-end style. Problems are
// told to the user through the framework's message boxes.
#pragma once

#include "RichEditCtrl.h"
#include "String.h"
#include "TinctoView.h"

#include <functional>

class CSourceDocument {
public:
    CSourceDocument();
    CSourceDocument(const CSourceDocument&) = delete;
    CSourceDocument& operator=(const CSourceDocument&) = delete;

    // Makes this an empty untitled document (title "Untitled", saved with
    // LF line ends once it has a path).
    void NewUntitled();
    // Reads the file and streams it, coloured by its language, into the
    // control; FALSE after telling the user why it cannot be read.
    BOOL Open(const char* pszPath);
    // Writes the text back as plain text (LF line ends when the file had
    // them); FALSE after telling the user why it could not be written.
    BOOL Save();
    // Saves under a new path, which the document keeps on success; FALSE
    // (path unchanged) after telling the user why it could not be written.
    BOOL SaveAs(const char* pszPath);
    // Asks whether a modified document should be saved first; TRUE when it
    // may close (saved, or the changes discarded). fnSave saves on "Yes"
    // (default: Save()), so a window can ask an untitled document for a path.
    BOOL CanClose(const std::function<BOOL()>& fnSave = nullptr);

    // Path of the file; empty for an untitled document.
    const CString& GetPathName() const { return m_strPathName; }
    BOOL IsUntitled() const { return m_strPathName.IsEmpty(); }
    // The file's name without its folder.
    const CString& GetTitle() const { return m_strTitle; }
    // TRUE when the text changed since it was opened or saved.
    BOOL IsModified() const { return m_ctrl.GetModify(); }
    // TRUE when the file cannot be written; the control then refuses edits.
    BOOL IsReadOnly() const { return m_ctrl.GetReadOnly(); }
    // TRUE when the file had LF line ends and no CR.
    BOOL IsUnix() const { return m_bUnix; }

    CRichEditCtrl& GetEditCtrl() { return m_ctrl; }
    CTinctoView& GetView() { return m_view; }
    // Where the editor widget sends the user's input (owned by the document).
    IMessageTarget* GetMessageTarget() { return &m_view; }

private:
    CRichEditCtrl m_ctrl;   // first: the view points at it
    CTinctoView m_view;
    CString m_strPathName;
    CString m_strTitle;
    BOOL m_bUnix = FALSE;
};
