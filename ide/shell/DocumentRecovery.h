// CDocumentRecovery: keeps the unsaved text of the main window's documents
// in the recovery store: every 30 seconds, and when the program is asked to
// end by SIGTERM or SIGHUP (it then ends at once, without questions). At
// start-up it offers to restore what a crashed or killed program left, and
// a clean close removes the program's recovery files.
#pragma once

#include <QObject>
#include <QTimer>

#include <memory>

class CDocumentWindows;
class CRecoveryStore;
class QSocketNotifier;

class CDocumentRecovery : public QObject {
    Q_OBJECT
public:
    // pWindows (not owned) are the documents to keep; pszFolder: the store's
    // folder (null: the data folder's). MOSK_RECOVERY_SECONDS sets another
    // interval (for tests).
    explicit CDocumentRecovery(CDocumentWindows* pWindows, const char* pszFolder = nullptr,
                               QObject* pParent = nullptr);
    ~CDocumentRecovery() override;

    // Writes the text of every modified document and removes the files of
    // the others; returns how many were written.
    int SaveNow();
    // Asks about each document left by a program that no longer runs:
    // Yes (the default) opens it with the recovered text, shown modified;
    // No discards it. Returns how many were restored.
    int OfferRestore();
    // The clean close: this program's recovery files go.
    void RemoveOwn();
    // Installs the SIGTERM and SIGHUP handlers (once per process).
    void CatchTermination();
    const CRecoveryStore& GetStore() const { return *m_pStore; }

private:
    void OnTerminationSignal();

    CDocumentWindows* m_pWindows;
    std::unique_ptr<CRecoveryStore> m_pStore;
    QTimer m_timer;
    QSocketNotifier* m_pSignalNotifier = nullptr;
};
