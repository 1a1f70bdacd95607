// HttpTransfer against the local test server (tests/net/server.py).
#include <windows.h>

#include <gtest/gtest.h>

#include "automation.h"
#include "net/http_transfer.h"
#include "net/service.h"
#include "net_test_support.h"

namespace {

using nettest::ReadBytes;
using nettest::ServerState;
using nettest::WriteBytes;

// The server's frame archive changed last on Sun, 14 Mar 2021 15:09:26 GMT.
const std::uint64_t kArchiveTime = 132602081660000000ull;
const std::uint64_t kOneDay = 86400ull * 10000000ull;
const std::string kPrevious = "previous content, kept when a transfer fails";

class Transfer : public ::testing::Test {
  protected:
    void SetUp() override {
        base_ = nettest::ServerBase();
        ASSERT_FALSE(base_.empty())
            << "run through ctest: the net_server fixture starts the server";
        SetEnvironmentVariableW(L"KORVANE_SERVICE_URL", base_.c_str());
        dir_ = kvtest::MakeTempDir(L"net-transfer");
    }

    bool Get(const std::wstring& url, const std::wstring& destination, int flags = 0,
             std::uint64_t ifModifiedSince = 0, int* status = nullptr) {
        return HttpTransfer(nullptr, url, destination, L"Test transfer", L"", flags,
                            ifModifiedSince, status, L"", L"", L"");
    }

    std::wstring base_;
    std::wstring dir_;
};

TEST_F(Transfer, DownloadWritesTheBodyAndTakesLastModified) {
    const struct {
        std::wstring url;
        bool hasLastModified;
    } cases[] = {
        {PickedFramesUrl(), true},
        {base_ + L"/plain/data.bin", false},
    };
    for (const auto& c : cases) {
        std::wstring destination = dir_ + L"\\download.bin";
        // Longer than any body here: what is left of it would show.
        WriteBytes(destination, std::string(8000, 'x'));
        nettest::ForgetServerState(L"served.bin");
        std::uint64_t before = nettest::Now();
        int status = 0;
        EXPECT_TRUE(Get(c.url, destination, 0, kArchiveTime, &status)) << c.url;
        EXPECT_EQ(status, 200);
        std::string served = ServerState(L"served.bin");
        ASSERT_FALSE(served.empty());
        EXPECT_EQ(ReadBytes(destination), served) << c.url;
        if (c.hasLastModified)
            EXPECT_EQ(nettest::LastWriteTime(destination), kArchiveTime);
        else
            EXPECT_GE(nettest::LastWriteTime(destination) + 20000000, before);
        // Without flag 4 the time is not sent.
        EXPECT_EQ(ServerState(L"get-headers.txt").find("If-Modified-Since"), std::string::npos);
    }
}

TEST_F(Transfer, IfModifiedSinceDecidesBetween304AndTheArchive) {
    const struct {
        std::uint64_t since;
        bool ok;
        int status;
        const char* header;
    } cases[] = {
        {kArchiveTime, false, 304, "If-Modified-Since: Sun, 14 Mar 2021 15:09:26 GMT\n"},
        {kArchiveTime + kOneDay, false, 304, "If-Modified-Since: Mon, 15 Mar 2021 15:09:26 GMT\n"},
        {kArchiveTime - kOneDay, true, 200, "If-Modified-Since: Sat, 13 Mar 2021 15:09:26 GMT\n"},
    };
    for (const auto& c : cases) {
        std::wstring destination = dir_ + L"\\picked.zip";
        WriteBytes(destination, kPrevious);
        int status = 0;
        bool ok = Get(PickedFramesUrl(), destination,
                      kTransferViaTempFile | kTransferIfModifiedSince, c.since, &status);
        EXPECT_EQ(ok, c.ok) << c.header;
        EXPECT_EQ(status, c.status);
        EXPECT_NE(ServerState(L"get-headers.txt").find(c.header), std::string::npos) << c.header;
        if (c.ok) {
            EXPECT_EQ(ReadBytes(destination), ServerState(L"served.bin"));
            // The copy keeps the time the download was given.
            EXPECT_EQ(nettest::LastWriteTime(destination), kArchiveTime);
        } else {
            EXPECT_EQ(ReadBytes(destination), kPrevious);
        }
        EXPECT_FALSE(nettest::FileExists(nettest::TempDownloadPath()));
    }
}

TEST_F(Transfer, PostSendsTheMultipartBodyByteForByte) {
    std::wstring langFile = dir_ + L"\\Deutsch.ini";
    const char kFileBytes[] = "[Lang]\r\n1=Datei \xC3\xB6\x00\xFF\r\n--AaB03x";
    const std::string fileBytes(kFileBytes, sizeof(kFileBytes) - 1);
    WriteBytes(langFile, fileBytes);
    std::wstring reply = dir_ + L"\\reply.html";
    WriteBytes(reply, kPrevious);
    std::wstring referer = SubmitLanguageReferer();

    bool ok = HttpTransfer(nullptr, SubmitLanguageUrl(), reply, L"Submit language file...",
                           L"name=J%u00e9r%F4me+Dupont&email=a%40b.c&comments=line1%0D%0Aline2+%2B",
                           kTransferViaTempFile, 0, nullptr, L"", L"langfile=" + langFile, referer);
    EXPECT_TRUE(ok);
    EXPECT_EQ(ReadBytes(reply), "OK");
    const std::string expected =
        "--AaB03xDeGy\r\n"
        "Content-Disposition: form-data; name=\"name\"\r\n"
        "\r\n"
        "J\xC3\xA9r\xC3\xB4me Dupont\r\n"
        "--AaB03xDeGy\r\n"
        "Content-Disposition: form-data; name=\"email\"\r\n"
        "\r\n"
        "a@b.c\r\n"
        "--AaB03xDeGy\r\n"
        "Content-Disposition: form-data; name=\"comments\"\r\n"
        "\r\n"
        "line1\r\nline2 +\r\n"
        "--AaB03xDeGy\r\n"
        "Content-Disposition: form-data; name=\"langfile\"; filename=\"Deutsch.ini\"\r\n"
        "Content-Type: application/octet-stream\r\n"
        "Content-Transfer-Encoding: binary\r\n"
        "\r\n" +
        fileBytes +
        "\r\n"
        "--AaB03xDeGy--\r\n";
    EXPECT_EQ(ServerState(L"post-body.bin"), expected);
    std::string headers = ServerState(L"post-headers.txt");
    EXPECT_NE(headers.find("Content-Length: " + std::to_string(expected.size()) + "\n"),
              std::string::npos)
        << headers;
    EXPECT_NE(headers.find("Content-Type: multipart/form-data; boundary=AaB03xDeGy\n"),
              std::string::npos)
        << headers;
    EXPECT_NE(headers.find("Referer: " + kvtest::Utf8(referer) + "\n"), std::string::npos);
    EXPECT_FALSE(nettest::FileExists(nettest::TempDownloadPath()));
}

TEST_F(Transfer, ContentHoldingTheBoundaryArrivesWhole) {
    std::wstring file = dir_ + L"\\tricky.ini";
    const std::string fileBytes = "head\r\n--AaB03xDeGy0\r\ntail";
    WriteBytes(file, fileBytes);
    std::wstring reply = dir_ + L"\\reply.html";
    // "--AaB03xDeGy--" escaped as the language submission escapes it.
    bool ok = HttpTransfer(nullptr, SubmitLanguageUrl(), reply, L"",
                           L"comments=a%0D%0A--AaB03xDeGy--%0D%0Ab", 0, 0, nullptr, L"",
                           L"langfile=" + file, L"");
    EXPECT_TRUE(ok);
    EXPECT_EQ(ReadBytes(reply), "OK");
    EXPECT_NE(ServerState(L"post-headers.txt").find("boundary=AaB03xDeGy1\n"), std::string::npos);
    EXPECT_EQ(ServerState(L"parts.txt"), "comments\t\t20\nlangfile\ttricky.ini\t25\n");
    EXPECT_EQ(ServerState(L"part0.bin"), "a\r\n--AaB03xDeGy--\r\nb");
    EXPECT_EQ(ServerState(L"part1.bin"), fileBytes);
}

TEST_F(Transfer, FilesAloneArePosted) {
    std::wstring file = dir_ + L"\\only.ini";
    WriteBytes(file, "1=x");
    std::wstring reply = dir_ + L"\\reply.html";
    nettest::ForgetServerState(L"parts.txt");
    EXPECT_TRUE(HttpTransfer(nullptr, SubmitLanguageUrl(), reply, L"", L"", 0, 0, nullptr, L"",
                             L"langfile=" + file, L""));
    EXPECT_EQ(ReadBytes(reply), "OK");
    EXPECT_EQ(ServerState(L"parts.txt"), "langfile\tonly.ini\t3\n");
}

TEST_F(Transfer, FailedCopyOfTheTemporaryFileFails) {
    // A folder cannot be overwritten by a file.
    std::wstring destination = dir_ + L"\\folder";
    CreateDirectoryW(destination.c_str(), nullptr);
    int status = 0;
    EXPECT_FALSE(Get(base_ + L"/plain/data.bin", destination, kTransferViaTempFile, 0, &status));
    EXPECT_EQ(status, 200);
    EXPECT_FALSE(nettest::FileExists(nettest::TempDownloadPath()));
}

TEST_F(Transfer, FaultsFailWithoutTouchingTheDestination) {
    const struct {
        const wchar_t* path;
        int status;
        bool internetMessage;
    } cases[] = {
        {L"/fault/short", 200, false},
        {L"/fault/404", 404, false},
        {L"/fault/500", 500, false},
        {L"/fault/drop", 0, true},
    };
    for (const auto& c : cases) {
        std::wstring destination = dir_ + L"\\fault.bin";
        WriteBytes(destination, kPrevious);
        int status = -1;
        nettest::CMessageBoxWatcher watcher;
        EXPECT_FALSE(Get(base_ + c.path, destination, kTransferViaTempFile, 0, &status)) << c.path;
        EXPECT_EQ(status, c.status) << c.path;
        EXPECT_EQ(ReadBytes(destination), kPrevious) << c.path;
        EXPECT_FALSE(nettest::FileExists(nettest::TempDownloadPath())) << c.path;
        std::vector<std::wstring> texts = watcher.Texts();
        if (c.internetMessage) {
            ASSERT_EQ(texts.size(), 1u) << c.path;
            EXPECT_EQ(texts[0].rfind(L"Internet Exception:\n", 0), 0u) << texts[0];
            EXPECT_GT(texts[0].size(), 20u) << "the platform's text follows";
        } else {
            EXPECT_TRUE(texts.empty()) << c.path;
        }
    }
}

TEST_F(Transfer, ResponseWithoutLengthSucceedsWithAnySize) {
    std::wstring destination = dir_ + L"\\nolength.bin";
    int status = 0;
    EXPECT_TRUE(Get(base_ + L"/fault/no-length", destination, kTransferViaTempFile, 0, &status));
    EXPECT_EQ(status, 200);
    EXPECT_EQ(ReadBytes(destination), ServerState(L"served.bin"));
}

TEST_F(Transfer, BareHostNameGetsHttp) {
    std::wstring port = base_.substr(base_.rfind(L':') + 1);
    for (const std::wstring host : {L"127.0.0.1", L"localhost"}) {
        std::wstring destination = dir_ + L"\\bare.bin";
        EXPECT_TRUE(Get(host + L":" + port + L"/plain/data.bin", destination)) << host;
        EXPECT_EQ(ReadBytes(destination), ServerState(L"served.bin")) << host;
    }
}

TEST_F(Transfer, UnusableAddressesAndDestinationsFail) {
    const struct {
        std::wstring url;
        std::wstring destination;
        const wchar_t* message; // start of the text shown, or null for none
    } cases[] = {
        {L"ftp://127.0.0.1/file", dir_ + L"\\a.bin", L"Invalid URL:ftp://127.0.0.1/file"},
        {L"http://", dir_ + L"\\a.bin", L"Invalid URL:http://"},
        // Nothing listens on port 1: the connection is refused.
        {L"http://127.0.0.1:1/x", dir_ + L"\\a.bin", L"Internet Exception:\n"},
        {base_ + L"/plain/data.bin", dir_ + L"\\no such folder\\a.bin", nullptr},
    };
    for (const auto& c : cases) {
        nettest::CMessageBoxWatcher watcher;
        int status = -1;
        EXPECT_FALSE(Get(c.url, c.destination, 0, 0, &status)) << c.url;
        EXPECT_EQ(status, 0);
        std::vector<std::wstring> texts = watcher.Texts();
        if (c.message) {
            ASSERT_EQ(texts.size(), 1u) << c.url;
            EXPECT_EQ(texts[0].rfind(c.message, 0), 0u) << texts[0];
        } else {
            EXPECT_TRUE(texts.empty()) << c.url;
        }
    }
}

} // namespace
