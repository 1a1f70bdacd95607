#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "automation.h"
#include "lang/lang_state.h"
#include "notices/input_box.h"
#include "notices/message_box.h"
#include "notices/notices_res.h"
#include "notices/wait_dialog.h"
#include "test_window.h"

namespace {

const wchar_t kEnglish[] = L"ProjectName=Korvane\n1=OK\n2=Cancel\n3=Don't tell me again\n4=Error\n"
                           L"5=Input box\n6=Finalizing photos\n";
const wchar_t kGerman[] = L"ProjectName=Korvane\n1=OK\n2=Abbrechen\n3=Nicht mehr anzeigen\n"
                          L"4=Fehler\n5=Eingabe\n6=Fotos werden fertiggestellt\n";

class InGerman : public testing::Test {
  protected:
    void SetUp() override { SetLangCacheData(kEnglish, kGerman, "German (Germany)"); }
    void TearDown() override { SetLangCacheData(nullptr, nullptr, "English (US)"); }
};

TEST_F(InGerman, TheMessageBoxShowsTranslatedCaptionAndCheckBox) {
    std::wstring check;
    RECT client = {}, box = {};
    std::thread driver([&] {
        HWND dialog = kvtest::WaitForWindow(L"Fehler", L"#32770", GetCurrentProcessId());
        if (!dialog) return;
        HWND checkBox = nullptr;
        kvtest::WaitUntil(
            [&] { return (checkBox = kvtest::FindControl(dialog, 5555)) != nullptr; });
        check = kvtest::GetText(checkBox);
        GetClientRect(dialog, &client);
        GetWindowRect(checkBox, &box);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
        kvtest::ClickButton(dialog, IDOK);
    });
    EXPECT_EQ(XMessageBox(nullptr, L"Kurz.", L""), 1);
    driver.join();
    EXPECT_EQ(check, L"Nicht mehr anzeigen");
    EXPECT_LE(box.right, client.right);
}

TEST_F(InGerman, TheInputBoxKeepsItsTranslatedCaption) {
    std::wstring cancel;
    std::thread driver([&] {
        HWND dialog = kvtest::WaitForWindow(L"Eingabe", L"#32770", GetCurrentProcessId());
        if (!dialog) return;
        cancel = kvtest::GetText(kvtest::FindControl(dialog, IDCANCEL));
        kvtest::ClickButton(dialog, IDCANCEL);
    });
    CInputBox box;
    box.prompt = L"Name:";
    EXPECT_EQ(box.DoModal(nullptr), IDCANCEL);
    driver.join();
    EXPECT_EQ(cancel, L"Abbrechen");
}

TEST_F(InGerman, TheWaitWindowShowsTheTranslatedText) {
    TestWindow owner(L"Photoloft", 400, 300);
    ShowWaitText(L"Finalizing photos...", owner.hwnd());
    HWND window = WaitMsgDlg().Window();
    ASSERT_TRUE(window);
    EXPECT_EQ(kvtest::GetText(GetDlgItem(window, IDC_WAIT_TEXT)),
              L"Fotos werden fertiggestellt...");
    ShowWaitText(L"", nullptr);
}

} // namespace
