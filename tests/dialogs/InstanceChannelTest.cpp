// One running program per user and settings folder: a later start hands
// its file over, requests wait until the window is up, a socket left by a
// program that ended is taken over, and nothing but a socket is removed.
#include "InstanceChannel.h"
#include "TempFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <mutex>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// A running program's channel: listens on a thread of its own, as the
// running program's event loop would, and records what it is handed.
class CRunningProgram {
public:
    explicit CRunningProgram(const QString& strSettingsFolder, bool bDelivering = true)
        : m_pChannel(new CInstanceChannel(strSettingsFolder))
    {
        QObject::connect(
            m_pChannel, &CInstanceChannel::OpenRequested, m_pChannel,
            [this](const QString& strPath, int nLine) {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_received.emplace_back(strPath, nLine);
            },
            Qt::DirectConnection);
        m_pChannel->moveToThread(&m_thread);
        m_thread.start();
        Run([this, bDelivering] {
            m_bListening = m_pChannel->Listen();
            m_pChannel->SetDelivering(bDelivering);
        });
    }
    ~CRunningProgram()
    {
        QThread* pMain = QCoreApplication::instance()->thread();
        Run([this, pMain] { m_pChannel->moveToThread(pMain); });
        m_thread.quit();
        m_thread.wait();
        delete m_pChannel;
    }

    // Runs fnWork on the channel's thread and waits for it.
    void Run(const std::function<void()>& fnWork)
    {
        QMetaObject::invokeMethod(m_pChannel, fnWork, Qt::BlockingQueuedConnection);
    }
    // What was handed over, once nCount requests arrived (or two seconds passed).
    std::vector<std::pair<QString, int>> Received(size_t nCount)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 2000) {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (m_received.size() >= nCount)
                    return m_received;
            }
            QThread::msleep(2);
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_received;
    }

    CInstanceChannel* m_pChannel;
    bool m_bListening = false;

private:
    QThread m_thread;
    std::mutex m_mutex;
    std::vector<std::pair<QString, int>> m_received;
};

QString SettingsFolder(const CTempFolder& folder, const char* pszName)
{
    return QString::fromUtf8(folder.File(pszName).c_str());
}

// A socket file nobody listens on, as a program that crashed leaves it.
void MakeStaleSocket(const QString& strPath)
{
    int nFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(nFd, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    QByteArray path = QFile::encodeName(strPath);
    ASSERT_LT(static_cast<size_t>(path.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    ASSERT_EQ(::bind(nFd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(nFd);
}

} // namespace

TEST(InstanceChannel, ALaterStartHandsItsFileOver)
{
    CTempFolder folder;
    QString strSettings = SettingsFolder(folder, "config");
    CRunningProgram running(strSettings);
    ASSERT_TRUE(running.m_bListening);

    CInstanceChannel later(strSettings);
    EXPECT_EQ(later.GetSocketPath(), running.m_pChannel->GetSocketPath());
    EXPECT_FALSE(later.Listen());  // the running program already is the instance
    const std::pair<QString, int> requests[] = {
        {QStringLiteral("/work/src/Hello.java"), 42},
        {QStringLiteral("/work/my src/Grüße 100%.java"), 0},
        {QString(), 0},  // no file: only come to the front
    };
    for (const auto& request : requests) {
        QElapsedTimer timer;
        timer.start();
        EXPECT_TRUE(later.HandOver(request.first, request.second)) << request.first.toStdString();
        EXPECT_LT(timer.elapsed(), 500);
    }
    auto received = running.Received(3);
    ASSERT_EQ(received.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(received[i].first, requests[i].first);
        EXPECT_EQ(received[i].second, requests[i].second);
    }
    // The socket is the user's alone.
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(later.GetSocketPath()).constData(), &st), 0);
    EXPECT_TRUE(S_ISSOCK(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(InstanceChannel, RequestsWaitUntilTheWindowIsUp)
{
    CTempFolder folder;
    QString strSettings = SettingsFolder(folder, "config");
    CRunningProgram running(strSettings, false);
    ASSERT_TRUE(running.m_bListening);
    CInstanceChannel later(strSettings);
    ASSERT_TRUE(later.HandOver(QStringLiteral("/a/One.java"), 1));
    ASSERT_TRUE(later.HandOver(QStringLiteral("/a/Two.java"), 2));
    QThread::msleep(50);
    EXPECT_TRUE(running.Received(0).empty());
    running.Run([&running] { running.m_pChannel->SetDelivering(true); });
    auto received = running.Received(2);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0], std::make_pair(QStringLiteral("/a/One.java"), 1));
    EXPECT_EQ(received[1], std::make_pair(QStringLiteral("/a/Two.java"), 2));
}

TEST(InstanceChannel, SettingsFoldersAreSeparateInstances)
{
    CTempFolder folder;
    QString strOne = SettingsFolder(folder, "one"), strTwo = SettingsFolder(folder, "two");
    EXPECT_NE(CInstanceChannel::SocketPathFor(strOne), CInstanceChannel::SocketPathFor(strTwo));
    EXPECT_EQ(CInstanceChannel::SocketPathFor(strOne), CInstanceChannel::SocketPathFor(strOne + "/"));
    EXPECT_EQ(CInstanceChannel::SocketPathFor(strOne), CInstanceChannel::SocketPathFor(strOne + "/../one"));
    EXPECT_TRUE(CInstanceChannel::SocketPathFor(strOne).startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/mosk-"));

    CRunningProgram running(strOne);
    ASSERT_TRUE(running.m_bListening);
    CInstanceChannel other(strTwo);
    EXPECT_FALSE(other.HandOver(QStringLiteral("/a/B.java"), 0));
    EXPECT_TRUE(other.Listen());
    EXPECT_TRUE(running.Received(0).empty());
}

TEST(InstanceChannel, StaleSocketIsTakenOver)
{
    CTempFolder folder;
    CInstanceChannel channel(SettingsFolder(folder, "config"));
    QString strPath = channel.GetSocketPath();
    MakeStaleSocket(strPath);
    ASSERT_TRUE(QFile::exists(strPath));

    CInstanceChannel later(SettingsFolder(folder, "config"));
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(later.HandOver(QStringLiteral("/a/A.java"), 0));
    EXPECT_LT(timer.elapsed(), 500);

    ASSERT_TRUE(channel.Listen());
    EXPECT_TRUE(channel.IsListening());
    QLocalSocket probe;
    probe.connectToServer(strPath);
    EXPECT_TRUE(probe.waitForConnected(1000));
    probe.abort();
}

TEST(InstanceChannel, NothingButASocketIsRemoved)
{
    CTempFolder folder;
    CInstanceChannel channel(SettingsFolder(folder, "config"));
    QString strPath = channel.GetSocketPath();
    {
        QFile file(strPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a socket");
    }
    EXPECT_FALSE(channel.Listen());
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not a socket"));
    file.remove();
}

TEST(InstanceChannel, ClosingRemovesTheSocket)
{
    CTempFolder folder;
    QString strPath;
    {
        CInstanceChannel channel(SettingsFolder(folder, "config"));
        ASSERT_TRUE(channel.Listen());
        strPath = channel.GetSocketPath();
        EXPECT_TRUE(QFile::exists(strPath));
    }
    EXPECT_FALSE(QFile::exists(strPath));
}

TEST(InstanceChannel, RequestLines)
{
    struct {
        const char* pszLine;
        bool bOk;
        const char* pszPath;
        int nLine;
    } cases[] = {
        {"open 12 /a/B.java", true, "/a/B.java", 12},
        {"open 0 /a/my%20file.java", true, "/a/my file.java", 0},
        {"open 0 ", true, "", 0},
        {"open 3 relative/B.java", false, "", 0},
        {"open -1 /a/B.java", false, "", 0},
        {"open x /a/B.java", false, "", 0},
        {"open 1 /a/B.java extra", false, "", 0},
        {"close 1 /a/B.java", false, "", 0},
        {"open", false, "", 0},
        {"", false, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszLine);
        QString strPath = QStringLiteral("unchanged");
        int nLine = -7;
        EXPECT_EQ(CInstanceChannel::DecodeRequest(c.pszLine, strPath, nLine), c.bOk);
        if (c.bOk) {
            EXPECT_EQ(strPath, QString::fromUtf8(c.pszPath));
            EXPECT_EQ(nLine, c.nLine);
        } else {
            EXPECT_EQ(strPath, QStringLiteral("unchanged"));
        }
    }
    // Whatever a path holds, it travels on one line and comes back the same.
    QString strOdd = QStringLiteral("/a/line\nbreak and space %41.java");
    QByteArray encoded = CInstanceChannel::EncodeRequest(strOdd, 5);
    EXPECT_EQ(encoded.count('\n'), 1);
    EXPECT_TRUE(encoded.endsWith('\n'));
    QString strPath;
    int nLine = 0;
    ASSERT_TRUE(CInstanceChannel::DecodeRequest(encoded.chopped(1), strPath, nLine));
    EXPECT_EQ(strPath, strOdd);
    EXPECT_EQ(nLine, 5);
}
