// The transfer's messages in another language, with the language files that ship.
#include <windows.h>

#include <gtest/gtest.h>

#include "automation.h"
#include "common/text_file.h"
#include "lang/lang_state.h"
#include "net/http_transfer.h"
#include "net_test_support.h"

namespace {

std::wstring ShippedText(const std::wstring& language) {
    std::wstring text;
    ReadTextFile(kvtest::RuntimeDir() + L"\\language\\" + language + L".ini", text);
    return text;
}

class GermanTransferMessages : public ::testing::Test {
  protected:
    void SetUp() override {
        std::wstring english = ShippedText(L"English (US)");
        std::wstring german = ShippedText(L"German (Germany)");
        ASSERT_FALSE(english.empty());
        ASSERT_FALSE(german.empty());
        SetLangCacheData(english.c_str(), german.c_str(), "German (Germany)");
        dir_ = kvtest::MakeTempDir(L"net-german");
    }
    void TearDown() override { SetLangCacheData(nullptr, nullptr, "English (US)"); }

    std::wstring dir_;
};

TEST_F(GermanTransferMessages, ShowTheTranslatedTexts) {
    const struct {
        const wchar_t* url;
        const wchar_t* message; // start of the text shown
    } cases[] = {
        {L"ftp://127.0.0.1/file", L"Ung\u00fcltige URL:ftp://127.0.0.1/file"},
        // Nothing listens on port 1: the connection is refused.
        {L"http://127.0.0.1:1/x", L"Internetfehler:\n"},
    };
    for (const auto& c : cases) {
        nettest::CMessageBoxWatcher watcher;
        EXPECT_FALSE(HttpTransfer(nullptr, c.url, dir_ + L"\\a.bin", L"", L"", 0, 0, nullptr, L"",
                                  L"", L""));
        std::vector<std::wstring> texts = watcher.Texts();
        ASSERT_EQ(texts.size(), 1u) << c.url;
        EXPECT_EQ(texts[0].rfind(c.message, 0), 0u) << kvtest::Utf8(texts[0]);
        EXPECT_EQ(texts[0].find(L"Internet Exception"), std::wstring::npos);
    }
}

} // namespace
