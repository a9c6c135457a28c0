// CDebugOutput: the debug page beside the output window: the debugger's
// output in a read-only text field (in the output font, always scrolled to
// its end), a combo box where commands are typed (its list newest first)
// and a tool bar with the stepping and inspection commands. A double click
// on a line of the text hands the line (at most 3000 characters) to the
// line handler, which opens the source position it names.
#pragma once

#include "String.h"
#include "WinTypes.h"

#include <QWidget>

#include <functional>
#include <vector>

class QComboBox;
class QPlainTextEdit;
class QToolBar;

class CDebugOutput : public QWidget {
    Q_OBJECT
public:
    // A tool bar button: its command number and text.
    struct CButton {
        UINT m_nId;
        const char* m_pszText;
    };

    explicit CDebugOutput(QWidget* pParent = nullptr);
    ~CDebugOutput() override;

    // Appends text at the end (line feeds make new lines) and scrolls to it.
    void AppendText(const char* pszText);
    void Clear();
    // The whole text, lines separated by line feeds.
    QString GetText() const;
    void SetOutputFont(const QFont& font);

    // Return in the combo box: fnTyped gets the text; when it returns TRUE
    // the box's list becomes the history fnHistory gives and the field is emptied.
    void SetCommandHandlers(std::function<BOOL(const CString&)> fnTyped,
                            std::function<std::vector<CString>()> fnHistory);
    // A double click on a line of the text.
    void SetLineHandler(std::function<void(const CString&)> fnLine) { m_fnLine = std::move(fnLine); }
    // The tool bar's buttons run fnCommand with their number; fnEnabled tells whether one is enabled now.
    void SetToolCommands(const std::vector<CButton>& buttons, std::function<void(UINT)> fnCommand,
                         std::function<BOOL(UINT)> fnEnabled);
    // The buttons' enabled state brought up to date.
    void UpdateToolBar();

    // The text of the line nLine (0-based), at most 3000 characters.
    CString GetLineText(int nLine) const;
    // What a double click on line nLine does.
    void DoubleClickLine(int nLine);

    QPlainTextEdit* GetTextField() const { return m_pText; }
    QComboBox* GetCommandBox() const { return m_pCommand; }
    QToolBar* GetToolBar() const { return m_pToolBar; }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void OnCommandEntered();

    QPlainTextEdit* m_pText = nullptr;
    QComboBox* m_pCommand = nullptr;
    QToolBar* m_pToolBar = nullptr;
    std::function<BOOL(const CString&)> m_fnTyped;
    std::function<std::vector<CString>()> m_fnHistory;
    std::function<void(const CString&)> m_fnLine;
    std::function<BOOL(UINT)> m_fnEnabled;
};
