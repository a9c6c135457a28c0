// CJavaIDEDoc: the document of one source file shown by a CJavaIDEView. It
// adds to the framework's document a title that shows the read-only and
// modified states (and the full path of a file outside the working folder),
// opening through its view, the save paths (an untitled file proposes the
// name of its first class and may join the open project), saving through a
// temporary file, and the remembered modification time by which its view
// notices changes made by other programs.
#pragma once

#include "Document.h"

class CJavaIDEView;
class CJavaIDEViewHost;
class CProject;

class CJavaIDEDoc : public CDocument {
public:
    // Default name of a new document, numbered: "untitled1", "untitled2", ...
    static constexpr const char* UNTITLED = "untitled";
    // The save dialogs' filters.
    static constexpr const char* SAVE_FILTER = "Java Files (*.java)|*.java|HTML files (*.html)|*.html|All Files (*.*)|*.*||";
    static constexpr const char* SAVE_AS_FILTER = "Java Files (*.java)|*.java|HTML Files (*.html)|*.html|All Files (*.*)|*.*||";

    // pHost (not owned; null: one that does nothing) must outlive the document.
    explicit CJavaIDEDoc(CJavaIDEViewHost* pHost = nullptr);
    ~CJavaIDEDoc() override;

    CJavaIDEViewHost& GetHost() const { return *m_pHost; }
    // The first view showing the document; null before one is attached.
    CJavaIDEView* GetView() const;

    // A new empty document titled "untitledN", saved with LF line ends.
    void OnNewDocument();
    // Sets the path (heading the recent-file list) and loads the file into
    // the view; on failure the path becomes empty, the user was told why and
    // FALSE is returned.
    BOOL OnOpenDocument(const char* pszPath);
    // Sets the path; the title follows (SetTitle rules).
    void SetPathName(const char* pszPath) override { SetPathName(pszPath, TRUE); }
    void SetPathName(const char* pszPath, BOOL bAddToRecent);
    // Applies the title rules: full path outside the working folder,
    // " (RO)" for a read-only view, " *" while modified (never when read-only).
    void SetTitle(const char* pszTitle) override;
    // The flag changes bring the title up to date.
    void SetModifiedFlag(BOOL bModified = TRUE) override;
    BOOL IsUntitled() const { return m_strPathName.IsEmpty(); }

    // "&Save": the framework's save for a file with a path; an untitled file
    // is parsed for a name to propose, saved through the save dialog and may
    // be added to the open project. FALSE when not saved.
    BOOL OnFileSave();
    // "Save &As...": the dialog, ".jav" made ".java", a missing file created
    // empty, the new path taken, then DoFileSave. FALSE when not saved.
    BOOL OnFileSaveAs();
    // Saves under the document's path (a dialog when it has none or the file
    // is read-only); remembers no modification time; re-parses into the
    // project and tells it the file was saved. FALSE when not saved.
    BOOL DoFileSave();
    // Writes the text to pszPath (null or empty: asks for a path first);
    // with bReplace the document takes that path. FALSE when not saved.
    BOOL DoSave(const char* pszPath, BOOL bReplace = TRUE);
    // Writes the view's text to pszPath; FALSE after telling the user why not.
    BOOL OnSaveDocument(const char* pszPath);
    // A modified document asks "Save changes to ...?": TRUE when saved or
    // discarded, FALSE when cancelled or the save failed.
    BOOL SaveModified();
    // Loads the file again from its path (after a change by another program).
    BOOL Reload();

    // The modification time remembered when the view lost the focus (0: none).
    long long GetRememberedTime() const { return m_nRememberedTime; }
    void SetRememberedTime(long long nTime) { m_nRememberedTime = nTime; }
    // The file's modification time when this document last read or wrote
    // it, or when the user last chose to keep the text over a change made
    // outside; 0 when unknown.
    long long GetDiskTime() const { return m_nDiskTime; }
    void SetDiskTime(long long nTime) { m_nDiskTime = nTime; }

    // The open project, or null.
    CProject* GetOpenProject() const;
    // ".jav" (any case) becomes ".java".
    static CString FixJavExtension(const CString& strPath);

private:
    // The save dialog (untitled file or read-only file) proposing pszProposed; empty when cancelled.
    CString AskSavePath(const char* pszProposed);
    // The name of the first class, else interface, of the view's text ("" if none).
    CString ProposeName() const;
    // The title without " (RO)" and " *".
    CString BaseTitle() const;

    CJavaIDEViewHost* m_pHost;
    long long m_nRememberedTime = 0;
    long long m_nDiskTime = 0;
    BOOL m_bInSetTitle = FALSE;
    static int m_nUntitledCount;
};
