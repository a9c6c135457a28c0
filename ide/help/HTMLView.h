// CHTMLView: the help view of the "Mosk Help" and "Mosk Temp" windows: a
// display component (CQtHTMLClient) with the help browser's behaviour
// (addresses checked before loading, title and history following the
// page, the settings pushed in) and its context menu (Previous, Next,
// Copy, Select All).
#pragma once

#include "HelpBrowser.h"

#include <QWidget>

#include <memory>

class CQtHTMLClient;
class QMenu;
struct CBrowserOptions;

class CHTMLView : public QWidget {
    Q_OBJECT
public:
    // bTemporary: the view of the "Mosk Temp" window.
    explicit CHTMLView(BOOL bTemporary, QWidget* pParent = nullptr);
    ~CHTMLView() override;

    // Shows an address (CHelpBrowser::ShowAddress); the window is restored, titled and focused on success.
    BOOL ShowAddress(const char* pszAddress);
    // Pushes the options into the component; a shown page is shown again in them.
    void ApplyOptions(CBrowserOptions& options);
    CHelpBrowser& GetBrowser() { return *m_pBrowser; }
    CQtHTMLClient* GetClient() const { return m_pClient; }
    // The context menu (the caller owns it).
    QMenu* CreateContextMenu();

protected:
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    CQtHTMLClient* m_pClient;
    std::unique_ptr<CHelpBrowser> m_pBrowser;
};
