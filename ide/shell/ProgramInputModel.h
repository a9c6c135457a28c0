// CProgramInputModel: the program input window without its widgets: a text
// field, the drop-down list of the lines sent (newest first), and Send,
// which writes the line and CR LF to the standard input of the program run.
// It is a message window so that the program run's waiter can close it when
// the child ends.
#pragma once

#include "MessageWindow.h"
#include "StringArray.h"

#include <functional>

class CProgramRunner;

class CProgramInputModel : public CMessageWindow {
public:
    // runner (not owned) must outlive the model.
    explicit CProgramInputModel(CProgramRunner& runner) : m_runner(runner) {}

    // Shows the window (the view follows IsOpen).
    void Open();
    // Hides it; the history stays.
    void Close();
    BOOL IsOpen() const { return m_bOpen; }

    void SetText(const char* pszText) { m_strText = pszText; }
    const CString& GetText() const { return m_strText; }
    // The lines sent, newest first.
    const CStringArray& GetHistory() const { return m_history; }

    // Send: nothing when the field is empty; else the text goes to the top of
    // the history, text and "\r\n" go to the program's standard input and the
    // field is emptied. FALSE when the field was empty or the write failed.
    BOOL Send();

    // Called when the window opens or closes (the view shows or hides itself).
    void SetStateHandler(std::function<void(BOOL bOpen)> fnState) { m_fnState = std::move(fnState); }

    // WM_CLOSE from the program run's waiter closes the window.
    LRESULT OnWindowMessage(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

    // "open=...", "text=..." and the history, one line each.
    CString Dump() const;

private:
    CProgramRunner& m_runner;
    CString m_strText;
    CStringArray m_history;
    BOOL m_bOpen = FALSE;
    std::function<void(BOOL)> m_fnState;
};
