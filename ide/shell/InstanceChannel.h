// CInstanceChannel: one running Mosk per user and settings folder. The
// running program listens on a local socket whose name is derived from the
// settings folder; a later start hands it the file it was asked to open
// (and the line) and ends. The socket lives in $XDG_RUNTIME_DIR (else in
// /tmp/mosk-<uid>, a folder only the user may enter), has mode 0600, and
// both ends check that the other runs as the same user. A socket nobody
// listens on any more (left by a crash) is removed and taken over.
//
// Requests that arrive before SetDelivering(true) wait (the main window is
// not up yet); then each is announced by OpenRequested.
#pragma once

#include <QObject>
#include <QString>
#include <QVector>

class QLocalServer;
class QLocalSocket;

class CInstanceChannel : public QObject {
    Q_OBJECT
public:
    // How long a starting program waits for the running one's answer.
    static constexpr int HAND_OVER_TIMEOUT_MS = 3000;

    // The channel of the settings folder strSettingsFolder.
    explicit CInstanceChannel(const QString& strSettingsFolder, QObject* pParent = nullptr);
    ~CInstanceChannel() override;

    // Path of the socket for a settings folder; empty when no safe folder for it exists.
    static QString SocketPathFor(const QString& strSettingsFolder);
    const QString& GetSocketPath() const { return m_strSocketPath; }

    // Hands strPath (absolute; empty: only come to the front) and nLine
    // (0: none) to the program listening on the channel; true when it took
    // them. False when none listens, it runs as another user, or it did not answer in time.
    bool HandOver(const QString& strPath, int nLine, int nTimeoutMs = HAND_OVER_TIMEOUT_MS);
    // Listens on the channel, taking over a socket left by a program that
    // ended; false when another program listens there or the socket cannot be made.
    bool Listen();
    bool IsListening() const;
    // While false, requests are kept; setting it true announces those kept.
    void SetDelivering(bool bDelivering);

    // Text of a request as it travels: "open LINE PATH\n", the path percent-encoded.
    static QByteArray EncodeRequest(const QString& strPath, int nLine);
    // The path and line of a request line (without its line end); false when it is not one.
    static bool DecodeRequest(const QByteArray& line, QString& strPath, int& nLine);

signals:
    // Another start asked to open strPath at nLine (0: no line); an empty
    // path only asks the window to come to the front.
    void OpenRequested(QString strPath, int nLine);

private:
    void OnNewConnection();
    void OnReadyRead(QLocalSocket* pSocket);
    void Deliver(const QString& strPath, int nLine);
    bool TryListen();

    QString m_strSocketPath;
    QLocalServer* m_pServer = nullptr;
    bool m_bDelivering = false;
    struct CRequest {
        QString strPath;
        int nLine;
    };
    QVector<CRequest> m_pending;
};
