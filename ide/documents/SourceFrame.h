// CSourceFrame: the document window of one source file inside the main
// window's document area. It owns the document and shows its control in a
// CRichEditWidget; its title is the file's name, marked while modified.
#pragma once

#include "RichEditObserver.h"

#include <QMdiSubWindow>

#include <memory>

class CRichEditWidget;
class CSourceDocument;

class CSourceFrame : public QMdiSubWindow, public IRichEditObserver {
    Q_OBJECT
public:
    // Takes over an opened document.
    explicit CSourceFrame(std::unique_ptr<CSourceDocument> pDocument, QWidget* pParent = nullptr);
    ~CSourceFrame() override;

    CSourceDocument& GetDocument() const { return *m_pDocument; }
    CRichEditWidget* GetEditor() const { return m_pEditor; }
    // Saves the document (an untitled one asks for a path first); false
    // when it was not written (the user was told or cancelled).
    bool Save();
    // Asks for a path and saves the document there; false when cancelled or not written.
    bool SaveAs();
    // Title shown for the document: its name, " *" added while modified.
    QString DocumentTitle() const;

    void OnTextChanged(LONG nPos, LONG nRemoved, LONG nInserted) override;

protected:
    // Asks the document whether it may close; a refusal keeps the window.
    void closeEvent(QCloseEvent* pEvent) override;

private:
    void UpdateTitle();

    std::unique_ptr<CSourceDocument> m_pDocument;
    CRichEditWidget* m_pEditor;
};
