// CStatusBarProgress: the help side's progress bar in the main window's
// status bar (the bar named "Progress", made on first use). Begin, Step
// and End may come from any thread: on the user-interface thread the bar
// follows at once, from another thread the counts are kept and a timer of
// the user-interface thread shows them.
#pragma once

#include "HelpProgress.h"
#include "WinTypes.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <atomic>

class QProgressBar;
class QStatusBar;

class CStatusBarProgress : public QObject, public CHelpProgress {
    Q_OBJECT
public:
    // pStatusBar (not owned) may be null: nothing is shown then.
    explicit CStatusBarProgress(QStatusBar* pStatusBar, QObject* pParent = nullptr);
    ~CStatusBarProgress() override;

    void Begin(int nMax) override;
    void Step() override;
    void End() override;

    // The bar (null before the first Begin or without a status bar).
    QProgressBar* GetBar() const;
    // The counts as the last Begin and Step left them.
    int GetMax() const { return m_nMax; }
    int GetValue() const { return m_nValue; }
    BOOL IsShown() const { return m_bShown; }

private:
    void Show(BOOL bRepaint);
    BOOL IsUiThread() const;

    QPointer<QStatusBar> m_pStatusBar;
    QTimer m_timer;
    std::atomic<int> m_nMax{0};
    std::atomic<int> m_nValue{0};
    std::atomic<bool> m_bShown{false};
};
