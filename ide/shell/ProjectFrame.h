// CProjectFrame: the window the project window floats in, a child of the
// document area titled "Mosk Tab". It takes its place and size from the
// layout's "ProjWnd" values and, when it closes, gives them back (in
// document-area coordinates) unless it is minimised.
#pragma once

#include <QMdiSubWindow>

#include <functional>

class CMainFrameLayout;

class CProjectFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    static constexpr const char* TITLE = "Mosk Tab";

    explicit CProjectFrame(QWidget* pParent = nullptr);

    // Place and size from the layout: restored when "Maximize" is 0 and both
    // width and height are non-zero; maximised when "Maximize" is set.
    void RestorePlacement(const CMainFrameLayout& layout);
    // Writes place, size and "Maximize" into the layout; nothing when minimised.
    void StorePlacement(CMainFrameLayout& layout) const;
    // Called from the close, before the window goes (the main window docks the project window again).
    void SetCloseHandler(std::function<void()> fnClose) { m_fnClose = std::move(fnClose); }

protected:
    void closeEvent(QCloseEvent* pEvent) override;

private:
    std::function<void()> m_fnClose;
};
