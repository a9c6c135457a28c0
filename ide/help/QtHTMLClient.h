// CQtHTMLClient: the help view's display component, a QTextBrowser that
// renders local HTML pages, behind the CHTMLClient members the view uses.
// Links are not followed by the browser itself: a click is handed to the
// view (through SetLinkHandler) so that it obeys the view's address checks.
#pragma once

#include "HTMLClient.h"

#include <QTextBrowser>

#include <functional>

class CQtHTMLClient : public QTextBrowser, public CHTMLClient {
    Q_OBJECT
public:
    explicit CQtHTMLClient(QWidget* pParent = nullptr);

    int Load(const char* pszAddress) override;
    void Forward() override;
    void Back() override;
    CString GetLocation() const override;
    int GetLinkCount() const override;
    CString GetLink(int nIndex) const override;
    void SetAutoload(BOOL bAutoload) override;
    void SetColors(COLORREF clrBack, COLORREF clrText, COLORREF clrLink) override;
    CString GetFontFace(int nFont) const override;
    void SetFontFace(int nFont, const char* pszFace) override;
    void SetElementSize(int nElement, int nPoints) override;

    // The followed link's address (resolved against the page) goes to fn.
    void SetLinkHandler(std::function<void(const CString&)> fn) { m_fnLink = std::move(fn); }
    // The links of the page, as the page gives them, in order.
    const QStringList& GetLinks() const { return m_links; }

protected:
    QVariant loadResource(int nType, const QUrl& url) override;

private:
    void CollectLinks();
    void UpdateStyle();

    std::function<void(const CString&)> m_fnLink;
    QStringList m_links;
    BOOL m_bAutoload = TRUE;
    QString m_strFaces[3];
    int m_nSizes[8] = {0, 12, 8, 10, 12, 14, 18, 24};
    QString m_strLinkColor = QStringLiteral("#0000ff");
};
