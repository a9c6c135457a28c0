// The external browser: the command line it starts and a real start of a
// browser stand-in that records the arguments it was given.
#include "ExternalBrowser.h"
#include "ProcessSpawner.h"
#include "RunThreads.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/stat.h>
#include <thread>

namespace {

TEST(ExternalBrowser, EveryArgumentComesBackWhole)
{
    const char* const args[] = {
        "",
        "plain",
        "http://localhost/a b?c=d&e",
        "say \"hi\"",
        "back\\slash",
        "ends in backslash\\",
        "two\\\\\"quoted",
        "\\\\server\\share",
        "tab\there",
    };
    for (const char* pszArg : args) {
        std::vector<CString> split = CProcessSpawner::SplitCommandLine(CExternalBrowser::QuoteArgument(pszArg));
        ASSERT_EQ(1u, split.size()) << pszArg;
        EXPECT_EQ(pszArg, split[0]) << pszArg;
    }
    std::vector<CString> split =
        CProcessSpawner::SplitCommandLine(CExternalBrowser::CommandLine("", "file:///tmp/a b.html"));
    ASSERT_EQ(2u, split.size());
    EXPECT_EQ("xdg-open", split[0]);
    EXPECT_EQ("file:///tmp/a b.html", split[1]);
    split = CProcessSpawner::SplitCommandLine(CExternalBrowser::CommandLine("/opt/my browser/run", "x"));
    ASSERT_EQ(2u, split.size());
    EXPECT_EQ("/opt/my browser/run", split[0]);
}

TEST(ExternalBrowser, StartsTheBrowserWithTheAddressAndReapsIt)
{
    CTempFolder temp;
    CString strOut = temp.File("args.txt");
    CString strScript = temp.Write("my browser", "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > '" + strOut.str() + ".part'\n"
                                                 "mv '" + strOut.str() + ".part' '" + strOut.str() + "'\n");
    ASSERT_EQ(0, ::chmod(strScript, 0755));
    const char* pszAddress = "http://localhost/q?a=\"1\" b\\";
    CString strError;
    ASSERT_TRUE(CExternalBrowser::Open(strScript, pszAddress, strError)) << strError.c_str();
    auto tEnd = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (ReadWholeFile(strOut).empty() && std::chrono::steady_clock::now() < tEnd)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(std::string("1|") + pszAddress + "|", ReadWholeFile(strOut));
    // The waiter reaps the browser once it has ended.
    while (CRunThreads::GetCount() > 0 && std::chrono::steady_clock::now() < tEnd)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(0, CRunThreads::GetCount());

    EXPECT_FALSE(CExternalBrowser::Open(temp.File("no-browser"), "x", strError));
    EXPECT_FALSE(strError.IsEmpty());
}

} // namespace
