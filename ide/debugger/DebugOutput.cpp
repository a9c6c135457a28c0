#include "DebugOutput.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr int MAX_LINE_READ = 3000;
}

CDebugOutput::CDebugOutput(QWidget* pParent) : QWidget(pParent)
{
    setAccessibleName(QStringLiteral("Debug output"));
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(2);
    m_pToolBar = new QToolBar;
    m_pToolBar->setIconSize(QSize(16, 16));
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_pToolBar->setAccessibleName(QStringLiteral("Debug page tool bar"));
    m_pCommand = new QComboBox;
    m_pCommand->setEditable(true);
    m_pCommand->setInsertPolicy(QComboBox::NoInsert);
    m_pCommand->setAccessibleName(QStringLiteral("Debugger command"));
    m_pText = new QPlainTextEdit;
    m_pText->setReadOnly(true);
    m_pText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pText->setUndoRedoEnabled(false);
    m_pText->setAccessibleName(QStringLiteral("Debugger output"));
    m_pText->viewport()->installEventFilter(this);
    pLayout->addWidget(m_pToolBar);
    pLayout->addWidget(m_pCommand);
    pLayout->addWidget(m_pText, 1);
    connect(m_pCommand->lineEdit(), &QLineEdit::returnPressed, this, &CDebugOutput::OnCommandEntered);
}

CDebugOutput::~CDebugOutput() = default;

void CDebugOutput::AppendText(const char* pszText)
{
    QTextCursor cursor(m_pText->document());
    cursor.movePosition(QTextCursor::End);
    QString strText = QString::fromUtf8(pszText);
    strText.remove(QLatin1Char('\r'));
    cursor.insertText(strText);
    m_pText->verticalScrollBar()->setValue(m_pText->verticalScrollBar()->maximum());
}

void CDebugOutput::Clear()
{
    m_pText->clear();
}

QString CDebugOutput::GetText() const
{
    return m_pText->toPlainText();
}

void CDebugOutput::SetOutputFont(const QFont& font)
{
    m_pText->setFont(font);
}

void CDebugOutput::SetCommandHandlers(std::function<BOOL(const CString&)> fnTyped,
                                      std::function<std::vector<CString>()> fnHistory)
{
    m_fnTyped = std::move(fnTyped);
    m_fnHistory = std::move(fnHistory);
}

void CDebugOutput::OnCommandEntered()
{
    QString strText = m_pCommand->currentText();
    if (!m_fnTyped || !m_fnTyped(CString(strText.toUtf8().constData())))
        return;
    m_pCommand->clear();
    if (m_fnHistory)
        for (const CString& str : m_fnHistory())
            m_pCommand->addItem(QString::fromUtf8(str.c_str()));
    m_pCommand->setEditText(QString());
}

void CDebugOutput::SetToolCommands(const std::vector<CButton>& buttons, std::function<void(UINT)> fnCommand,
                                   std::function<BOOL(UINT)> fnEnabled)
{
    m_pToolBar->clear();
    m_fnEnabled = std::move(fnEnabled);
    for (const CButton& button : buttons) {
        QAction* pAction = m_pToolBar->addAction(QString::fromUtf8(button.m_pszText));
        pAction->setData(button.m_nId);
        const UINT nId = button.m_nId;
        connect(pAction, &QAction::triggered, this, [fnCommand, nId] { fnCommand(nId); });
    }
    UpdateToolBar();
}

void CDebugOutput::UpdateToolBar()
{
    if (!m_fnEnabled)
        return;
    for (QAction* pAction : m_pToolBar->actions()) {
        const bool bEnabled = m_fnEnabled(pAction->data().toUInt());
        if (pAction->isEnabled() != bEnabled)
            pAction->setEnabled(bEnabled);
    }
}

CString CDebugOutput::GetLineText(int nLine) const
{
    QTextBlock block = m_pText->document()->findBlockByNumber(nLine);
    if (!block.isValid())
        return CString();
    return CString(block.text().left(MAX_LINE_READ).toUtf8().constData());
}

void CDebugOutput::DoubleClickLine(int nLine)
{
    if (m_fnLine)
        m_fnLine(GetLineText(nLine));
}

bool CDebugOutput::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == m_pText->viewport() && pEvent->type() == QEvent::MouseButtonDblClick) {
        auto* pMouse = static_cast<QMouseEvent*>(pEvent);
        QTextCursor cursor = m_pText->cursorForPosition(pMouse->position().toPoint());
        DoubleClickLine(cursor.blockNumber());
        return true;
    }
    return QWidget::eventFilter(pWatched, pEvent);
}
