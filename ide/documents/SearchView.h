// CSearchView: the "Search Results" window's text, a read-only plain text
// view in the editor font. It keeps the results as the search made them
// (bytes, whatever the paths are made of) beside the text it shows, so a
// double click on a result opens the very file. Escape asks the main
// window to make room for the results.
#pragma once

#include <QPlainTextEdit>

#include <string>
#include <vector>

class CSearchView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CSearchView(QWidget* pParent = nullptr);

    // Empties the results.
    void Clear();
    // Appends text; each "\n" starts a new line; the view scrolls to the end.
    void AppendResults(const std::string& strText);
    // The results line nLine (0-based) as the search made it; empty outside.
    std::string GetResultLine(int nLine) const;
    int GetResultLineCount() const { return static_cast<int>(m_lines.size()); }
    // The double click's work for line nLine: the opening is signalled when the line names a file and a line.
    void OpenLine(int nLine);

signals:
    // A result was chosen: the file (its bytes) and the 1-based line.
    void OpenResult(const QByteArray& path, int nLine);
    // Escape was pressed.
    void EscapePressed();

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;

private:
    std::string m_strAll;               // every result, as appended
    std::vector<std::string> m_lines;   // m_strAll cut at each "\n"
};
