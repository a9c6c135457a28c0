#include "SearchView.h"

#include "FindInFiles.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>

CSearchView::CSearchView(QWidget* pParent) : QPlainTextEdit(pParent)
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void CSearchView::Clear()
{
    m_strAll.clear();
    m_lines.assign(1, std::string());
    clear();
}

void CSearchView::AppendResults(const std::string& strText)
{
    m_strAll += strText;
    m_lines.clear();
    size_t nStart = 0;
    for (;;) {
        size_t nEnd = m_strAll.find('\n', nStart);
        if (nEnd == std::string::npos) {
            m_lines.push_back(m_strAll.substr(nStart));
            break;
        }
        m_lines.push_back(m_strAll.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    // One block per results line.
    setPlainText(QString::fromUtf8(m_strAll.data(), static_cast<qsizetype>(m_strAll.size())));
    moveCursor(QTextCursor::End);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

std::string CSearchView::GetResultLine(int nLine) const
{
    if (nLine < 0 || nLine >= static_cast<int>(m_lines.size()))
        return std::string();
    return m_lines[static_cast<size_t>(nLine)];
}

void CSearchView::OpenLine(int nLine)
{
    std::string strLine = GetResultLine(nLine);
    if (strLine.size() > CFindInFiles::LINE_BUFFER)
        strLine.resize(CFindInFiles::LINE_BUFFER);
    CString strPath;
    int nFileLine = 0;
    if (CFindInFiles::ParseResultLine(strLine.c_str(), strPath, nFileLine))
        emit OpenResult(QByteArray(strPath.c_str(), strPath.GetLength()), nFileLine);
}

void CSearchView::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Escape) {
        emit EscapePressed();
        return;
    }
    QPlainTextEdit::keyPressEvent(pEvent);
}

void CSearchView::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    QPlainTextEdit::mouseDoubleClickEvent(pEvent);
    OpenLine(cursorForPosition(pEvent->position().toPoint()).blockNumber());
}
