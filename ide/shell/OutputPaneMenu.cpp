#include "OutputPaneMenu.h"

#include "OutputText.h"
#include "RichEditWidget.h"
#include "UserInterface.h"

#include <QMenu>
#include <QShortcut>

#include <memory>

COutputPaneMenu::COutputPaneMenu(CRichEditWidget* pWidget, std::function<COutputText*()> fnText)
    : QObject(pWidget), m_pWidget(pWidget), m_fnText(std::move(fnText))
{
    connect(pWidget, &CRichEditWidget::ContextMenuRequested, this, [this](const QPoint& at, LONG) {
        std::unique_ptr<QMenu> pMenu(BuildMenu());
        if (QAction* pChosen = pMenu->exec(at))
            Run(pChosen->data().toUInt());
    });
    auto* pNext = new QShortcut(QKeySequence(Qt::Key_F6), pWidget);
    pNext->setContext(Qt::WidgetWithChildrenShortcut);
    connect(pNext, &QShortcut::activated, this, [this] { Run(ID_FIND_NEXT_ERROR); });
    auto* pPrevious = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), pWidget);
    pPrevious->setContext(Qt::WidgetWithChildrenShortcut);
    connect(pPrevious, &QShortcut::activated, this, [this] { Run(ID_FIND_PREVIOUS_ERROR); });
}

QMenu* COutputPaneMenu::BuildMenu()
{
    COutputText* pText = m_fnText();
    auto* pMenu = new QMenu(m_pWidget);
    auto add = [pMenu](const char* pszText, unsigned nId, QKeySequence key, bool bEnabled) {
        QAction* pAction = pMenu->addAction(QString::fromUtf8(pszText));
        pAction->setData(nId);
        pAction->setShortcut(key);
        pAction->setEnabled(bEnabled);
    };
    add("Find &Next Error", ID_FIND_NEXT_ERROR, QKeySequence(Qt::Key_F6), pText && pText->CanFindNextError());
    add("Find &Previous Error", ID_FIND_PREVIOUS_ERROR, QKeySequence(Qt::SHIFT | Qt::Key_F6),
        pText && pText->CanFindPreviousError());
    pMenu->addSeparator();
    LONG nStart = 0, nEnd = 0;
    if (pText)
        pText->GetEditCtrl().GetSel(nStart, nEnd);
    add("&Copy", ID_COPY, QKeySequence(), pText && nEnd > nStart);
    add("C&lear", ID_CLEAR, QKeySequence(), pText && pText->GetEditCtrl().GetTextLength() > 0);
    return pMenu;
}

bool COutputPaneMenu::Run(unsigned nCommand)
{
    COutputText* pText = m_fnText();
    if (!pText)
        return false;
    switch (nCommand) {
    case ID_FIND_NEXT_ERROR: return pText->FindNextError();
    case ID_FIND_PREVIOUS_ERROR: return pText->FindPreviousError();
    case ID_COPY: {
        CString strText = pText->GetEditCtrl().GetSelText();
        return !strText.IsEmpty() && CUserInterface::Get().SetClipboardText(strText);
    }
    case ID_CLEAR:
        pText->Clear();
        return true;
    default:
        return false;
    }
}
