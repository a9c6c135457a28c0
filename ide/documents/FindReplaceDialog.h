// CFindReplaceDialog: the modeless Find and Replace dialog of a source
// window: Find Next (down or up, case, whole word), Replace (the selection
// when it matches, then on to the next match) and Replace All (its count
// goes to the output window).
#pragma once

#include <QDialog>

class CJavaIDEView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CFindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    // Works on pView (not owned; it must outlive the dialog).
    CFindReplaceDialog(CJavaIDEView* pView, QWidget* pParent = nullptr);

    // Opens as the find dialog, or the replace dialog, searching for strText.
    void Start(const QString& strText, bool bReplace);
    bool IsReplace() const { return m_bReplace; }

    QLineEdit* GetFindEdit() const { return m_pFind; }
    QLineEdit* GetReplaceEdit() const { return m_pReplace; }
    QCheckBox* GetMatchCase() const { return m_pCase; }
    QCheckBox* GetWholeWord() const { return m_pWord; }
    QCheckBox* GetUp() const { return m_pUp; }

    // The buttons' work; FALSE when nothing was found.
    bool FindNext();
    bool Replace();
    int ReplaceAll();

private:
    CJavaIDEView* m_pView;
    bool m_bReplace = false;
    QLineEdit* m_pFind;
    QLineEdit* m_pReplace;
    QLabel* m_pReplaceLabel;
    QCheckBox* m_pCase;
    QCheckBox* m_pWord;
    QCheckBox* m_pUp;
    QPushButton* m_pReplaceButton;
    QPushButton* m_pReplaceAllButton;
};
