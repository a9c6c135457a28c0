#include "InstanceChannel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A request line is a path and a number; anything longer is not one.
constexpr qint64 MAX_REQUEST_BYTES = 16384;
// A connection that says nothing is dropped after this long.
constexpr int IDLE_CONNECTION_MS = 5000;
// Time given to a socket found in place to show that someone listens on it.
constexpr int PROBE_TIMEOUT_MS = 500;

// A folder only this user may change: a real folder (not a link) owned by
// the user and not writable by anybody else.
bool IsPrivateFolder(const QByteArray& path)
{
    struct stat st;
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid()
        && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

QByteArray RuntimeFolder()
{
    const char* pszRuntime = std::getenv("XDG_RUNTIME_DIR");
    if (pszRuntime && pszRuntime[0] == '/' && IsPrivateFolder(pszRuntime))
        return QByteArray(pszRuntime);
    QByteArray folder = "/tmp/mosk-" + QByteArray::number(static_cast<qulonglong>(::getuid()));
    ::mkdir(folder.constData(), 0700);
    return IsPrivateFolder(folder) ? folder : QByteArray();
}

// User id of the process at the other end of a connected local socket; -1 when unknown.
long PeerUid(qintptr nSocket)
{
    struct ucred cred;
    socklen_t nLength = sizeof cred;
    if (nSocket < 0 || ::getsockopt(static_cast<int>(nSocket), SOL_SOCKET, SO_PEERCRED, &cred, &nLength) != 0)
        return -1;
    return static_cast<long>(cred.uid);
}

bool IsSameUser(qintptr nSocket)
{
    return PeerUid(nSocket) == static_cast<long>(::getuid());
}

// An exclusive lock on a file beside the socket while a program decides whether it becomes the instance.
class CListenLock {
public:
    explicit CListenLock(const QString& strSocketPath)
    {
        QByteArray path = QFile::encodeName(strSocketPath + QStringLiteral(".lock"));
        m_nFd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (m_nFd >= 0)
            ::flock(m_nFd, LOCK_EX);
    }
    ~CListenLock()
    {
        if (m_nFd >= 0)
            ::close(m_nFd);
    }
    CListenLock(const CListenLock&) = delete;
    CListenLock& operator=(const CListenLock&) = delete;

private:
    int m_nFd = -1;
};

} // namespace

CInstanceChannel::CInstanceChannel(const QString& strSettingsFolder, QObject* pParent)
    : QObject(pParent)
    , m_strSocketPath(SocketPathFor(strSettingsFolder))
{
}

CInstanceChannel::~CInstanceChannel()
{
    // Closing the server removes its socket file.
    if (m_pServer)
        m_pServer->close();
}

QString CInstanceChannel::SocketPathFor(const QString& strSettingsFolder)
{
    QByteArray folder = RuntimeFolder();
    if (folder.isEmpty())
        return QString();
    QString strKey = QDir::cleanPath(QDir(strSettingsFolder).absolutePath());
    QByteArray hash = QCryptographicHash::hash(strKey.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    QByteArray path = folder + "/mosk-" + hash + ".sock";
    if (path.size() >= static_cast<int>(sizeof(sockaddr_un::sun_path)))
        return QString();
    return QFile::decodeName(path);
}

QByteArray CInstanceChannel::EncodeRequest(const QString& strPath, int nLine)
{
    return "open " + QByteArray::number(nLine < 0 ? 0 : nLine) + ' ' + strPath.toUtf8().toPercentEncoding("/")
         + '\n';
}

bool CInstanceChannel::DecodeRequest(const QByteArray& line, QString& strPath, int& nLine)
{
    if (!line.startsWith("open "))
        return false;
    int nSpace = line.indexOf(' ', 5);
    if (nSpace < 0)
        return false;
    bool bOk = false;
    int nNumber = line.mid(5, nSpace - 5).toInt(&bOk);
    if (!bOk || nNumber < 0)
        return false;
    QByteArray encoded = line.mid(nSpace + 1);
    if (encoded.contains(' '))
        return false;
    QString strDecoded = QString::fromUtf8(QByteArray::fromPercentEncoding(encoded));
    // The receiver's current folder is not the sender's: only absolute paths travel.
    if (!strDecoded.isEmpty() && !strDecoded.startsWith(QLatin1Char('/')))
        return false;
    strPath = strDecoded;
    nLine = nNumber;
    return true;
}

bool CInstanceChannel::HandOver(const QString& strPath, int nLine, int nTimeoutMs)
{
    if (m_strSocketPath.isEmpty())
        return false;
    QElapsedTimer timer;
    timer.start();
    QLocalSocket socket;
    socket.connectToServer(m_strSocketPath);
    if (!socket.waitForConnected(nTimeoutMs))
        return false;
    if (!IsSameUser(socket.socketDescriptor())) {
        socket.abort();
        return false;
    }
    socket.write(EncodeRequest(strPath, nLine));
    if (!socket.waitForBytesWritten(nTimeoutMs))
        return false;
    while (!socket.canReadLine()) {
        int nLeft = nTimeoutMs - static_cast<int>(timer.elapsed());
        if (nLeft <= 0 || !socket.waitForReadyRead(nLeft))
            return false;
    }
    return socket.readLine().trimmed() == "ok";
}

bool CInstanceChannel::IsListening() const
{
    return m_pServer && m_pServer->isListening();
}

bool CInstanceChannel::TryListen()
{
    if (!m_pServer) {
        m_pServer = new QLocalServer(this);
        connect(m_pServer, &QLocalServer::newConnection, this, &CInstanceChannel::OnNewConnection);
    }
    if (!m_pServer->listen(m_strSocketPath))
        return false;
    ::chmod(QFile::encodeName(m_strSocketPath).constData(), 0600);
    return true;
}

bool CInstanceChannel::Listen()
{
    if (m_strSocketPath.isEmpty())
        return false;
    if (IsListening())
        return true;
    CListenLock lock(m_strSocketPath);
    if (TryListen())
        return true;
    if (m_pServer->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // Something is in place: a running program, or the socket of one that ended.
    QLocalSocket probe;
    probe.connectToServer(m_strSocketPath);
    if (probe.waitForConnected(PROBE_TIMEOUT_MS)) {
        probe.abort();
        return false;
    }
    QByteArray path = QFile::encodeName(m_strSocketPath);
    struct stat st;
    if (::lstat(path.constData(), &st) != 0 || !S_ISSOCK(st.st_mode) || st.st_uid != ::getuid())
        return false;
    ::unlink(path.constData());
    return TryListen();
}

void CInstanceChannel::SetDelivering(bool bDelivering)
{
    m_bDelivering = bDelivering;
    if (!bDelivering)
        return;
    QVector<CRequest> pending;
    pending.swap(m_pending);
    for (const CRequest& request : pending)
        emit OpenRequested(request.strPath, request.nLine);
}

void CInstanceChannel::OnNewConnection()
{
    while (QLocalSocket* pSocket = m_pServer->nextPendingConnection()) {
        connect(pSocket, &QLocalSocket::disconnected, pSocket, &QObject::deleteLater);
        if (!IsSameUser(pSocket->socketDescriptor())) {
            pSocket->abort();
            continue;
        }
        connect(pSocket, &QLocalSocket::readyRead, this, [this, pSocket] { OnReadyRead(pSocket); });
        QTimer::singleShot(IDLE_CONNECTION_MS, pSocket, [pSocket] { pSocket->abort(); });
        if (pSocket->bytesAvailable() > 0)
            OnReadyRead(pSocket);
    }
}

void CInstanceChannel::OnReadyRead(QLocalSocket* pSocket)
{
    if (!pSocket->canReadLine()) {
        if (pSocket->bytesAvailable() > MAX_REQUEST_BYTES)
            pSocket->abort();
        return;
    }
    QByteArray line = pSocket->readLine(MAX_REQUEST_BYTES + 1);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    QString strPath;
    int nLine = 0;
    bool bOk = DecodeRequest(line, strPath, nLine);
    // The answer goes first: the sender may end while the file opens.
    pSocket->write(bOk ? "ok\n" : "error\n");
    pSocket->flush();
    pSocket->disconnectFromServer();
    if (bOk)
        Deliver(strPath, nLine);
}

void CInstanceChannel::Deliver(const QString& strPath, int nLine)
{
    if (!m_bDelivering) {
        m_pending.append({strPath, nLine});
        return;
    }
    emit OpenRequested(strPath, nLine);
}
