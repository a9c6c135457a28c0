#include "HelpSearchDlg.h"

#include "SearchIndex.h"
#include "UserInterface.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

CHelpSearchDlg::CHelpSearchDlg(CSearchIndex* pSystem, CSearchIndex* pUser, QWidget* pParent)
    : QDialog(pParent), m_search(pSystem, pUser)
{
    setWindowTitle(QStringLiteral("Help Search"));
    setModal(false);
    auto* pLayout = new QVBoxLayout(this);
    m_pText = new QLineEdit;
    pLayout->addWidget(m_pText);
    m_pTabs = new QTabWidget;
    for (int nTab : {CHelpSearch::TAB_JDK, CHelpSearch::TAB_USER}) {
        m_pKeywords[nTab] = new QListWidget;
        m_pKeywords[nTab]->setUniformItemSizes(true);
        m_pTabs->addTab(m_pKeywords[nTab], nTab == CHelpSearch::TAB_JDK ? QStringLiteral("JDK") : QStringLiteral("User"));
        connect(m_pKeywords[nTab], &QListWidget::itemClicked, this, [this, nTab](QListWidgetItem* pItem) {
            CHelpSearch::CResult result;
            m_search.ListTopics(nTab, m_pKeywords[nTab]->row(pItem), result);
            ShowResult(result);
        });
    }
    pLayout->addWidget(m_pTabs, 2);
    pLayout->addWidget(new QLabel(QStringLiteral("Topics:")));
    m_pTopics = new QListWidget;
    pLayout->addWidget(m_pTopics, 1);
    connect(m_pText, &QLineEdit::textEdited, this, &CHelpSearchDlg::OnTextChanged);
    connect(m_pTopics, &QListWidget::itemDoubleClicked, this, [this] { OpenSelectedTopic(); });
    resize(360, 480);
}

void CHelpSearchDlg::FillKeywords()
{
    for (int nTab : {CHelpSearch::TAB_JDK, CHelpSearch::TAB_USER}) {
        QListWidget* pList = m_pKeywords[nTab];
        pList->clear();
        CSearchIndex* pIndex = m_search.GetIndex(nTab);
        if (!pIndex)
            continue;
        const CKeywordTable& table = pIndex->GetKeywords();
        QStringList keywords;
        keywords.reserve(table.GetCount());
        for (int i = 0; i < table.GetCount(); ++i)
            keywords << QString::fromUtf8(table.GetKeyword(i).c_str(), table.GetKeyword(i).GetLength());
        pList->addItems(keywords);
    }
    m_bFilled = true;
}

void CHelpSearchDlg::ShowSearch()
{
    for (int nTab : {CHelpSearch::TAB_JDK, CHelpSearch::TAB_USER})
        if (CSearchIndex* pIndex = m_search.GetIndex(nTab))
            pIndex->WaitForLoad();
    if (!m_bFilled)
        FillKeywords();
    if (QWidget* pParent = parentWidget())
        move(pParent->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    m_pText->setFocus();
}

void CHelpSearchDlg::ShowResult(const CHelpSearch::CResult& result)
{
    m_pTopics->clear();
    m_addresses = result.addresses;
    for (int i = 0; i < result.displays.GetSize(); ++i)
        m_pTopics->addItem(QString::fromUtf8(result.displays[i].c_str(), result.displays[i].GetLength()));
    if (result.nTab == CHelpSearch::TAB_NONE)
        return;
    m_pTabs->setCurrentIndex(result.nTab);
    QListWidget* pList = m_pKeywords[result.nTab];
    if (result.nKeyword >= 0 && result.nKeyword < pList->count()) {
        pList->setCurrentRow(result.nKeyword);
        pList->scrollToItem(pList->item(result.nKeyword), QAbstractItemView::PositionAtTop);
    }
}

void CHelpSearchDlg::OnTextChanged(const QString& strText)
{
    QByteArray text = strText.toUtf8();
    CHelpSearch::CResult result = m_search.Lookup(text.constData());
    ShowResult(result);
    if (result.nTab == CHelpSearch::TAB_NONE || strText.isEmpty()) {
        m_pText->setFocus();
        return;
    }
    if (m_addresses.GetSize() == 1) {
        m_pTopics->setCurrentRow(0);
        OpenSelectedTopic();
    } else if (m_addresses.GetSize() > 1) {
        show();
    }
}

void CHelpSearchDlg::OpenSelectedTopic()
{
    int nRow = m_pTopics->currentRow();
    if (nRow < 0 || nRow >= m_addresses.GetSize())
        return;
    CString strAddress = m_addresses[nRow];
    CUserInterface& ui = CUserInterface::Get();
    ui.SetWaitCursor(TRUE);
    hide();
    BOOL bShown = m_fnOpen && m_fnOpen(strAddress);
    ui.SetWaitCursor(FALSE);
    if (!bShown)
        show();
}

void CHelpSearchDlg::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter) {
        if (m_pTopics->currentItem() && m_pTopics->currentItem()->isSelected()) {
            OpenSelectedTopic();
        } else {
            int nTab = m_pTabs->currentIndex();
            int nKeyword = m_pKeywords[nTab]->currentRow();
            if (nKeyword >= 0) {
                CHelpSearch::CResult result;
                m_search.ListTopics(nTab, nKeyword, result);
                ShowResult(result);
            }
            m_pText->setFocus();
        }
        return;
    }
    QDialog::keyPressEvent(pEvent);
}
