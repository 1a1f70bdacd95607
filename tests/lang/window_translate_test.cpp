// Translation of a live dialog (from a resource template), its menu and its controls.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "automation.h"
#include "common/handles.h"
#include "lang/lang_state.h"
#include "lang/window_translate.h"
#include "lang_test_res.h"

namespace {

const wchar_t kEnglish[] =
    L"ProjectName=Korvane\n1=Cancel\n2=Open\n3=File\n4=Target language\n5=Process photo\n"
    L"6=Save\n7=Language file manager\n8=Clip photo\n9=More functions\n10=First\n11=Second\n"
    L"12=Third\n13=Column one\n14=Column two\n15=Root\n16=Leaf\n17=Tab one\n18=Tab two\n"
    L"19=Would you like to apply automatic photo shrinking on this domain?\n20=Photo frame\n";
const wchar_t kGerman[] =
    L"ProjectName=Korvane\n1=Abbrechen\n2=\u00d6ffnen\n3=Datei\n4=Zielsprache\n"
    L"5=Foto vor dem Hochladen bearbeiten\n6=Speichern\n7=Sprachdatei-Verwaltung\n"
    L"8=Foto zuschneiden\n9=Weitere Funktionen\n10=Erstes\n11=Zweites\n12=Drittes\n"
    L"13=Spalte eins\n14=Spalte zwei\n15=Wurzel\n16=Blatt\n17=Reiter eins\n18=Reiter zwei\n"
    L"19=M\u00f6chten Sie die automatische Verkleinerung verwenden?\n20=Fotorahmen\n";

const int kGeometryIds[] = {
    IDC_LABEL,          IDC_LABEL_EDIT,        IDC_CHECK_WIDE, IDC_CHECK_WIDE_EDIT,
    IDC_CHECK_NARROW,   IDC_CHECK_NARROW_EDIT, IDC_PUSH,       IDC_PUSH_EDIT,
    IDC_PUSH_MULTILINE, IDC_MULTILINE_LABEL};

std::wstring Text(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}

RECT RectOf(HWND dialog, int id) {
    RECT rect = {};
    HWND control = GetDlgItem(dialog, id);
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int TextWidth(HWND control, const std::wstring& text) {
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT rect = {};
    DrawTextW(dc, text.c_str(), -1, &rect, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return rect.right - rect.left;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterPlainClass(const wchar_t* name) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = PlainWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}

HWND Child(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int x, int y,
           int width, int height, int id = 0) {
    HWND control = CreateWindowExW(
        0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return control;
}

void FillControls(HWND dialog) {
    HWND combo = GetDlgItem(dialog, IDC_COMBO_LIST);
    const wchar_t* items[] = {L"First", L"Second", L"Third"};
    for (int i = 0; i < 3; ++i) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i]));
        SendMessageW(combo, CB_SETITEMDATA, i, 101 + i);
    }
    SendMessageW(combo, CB_SETCURSEL, 1, 0);

    HWND editable = GetDlgItem(dialog, IDC_COMBO_EDITABLE);
    for (int i = 0; i < 2; ++i) {
        SendMessageW(editable, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i]));
        SendMessageW(editable, CB_SETITEMDATA, i, 201 + i);
    }
    SetWindowTextW(editable, L"Cancel");

    HWND list = GetDlgItem(dialog, IDC_LIST);
    const wchar_t* listItems[] = {L"First", L"Second", L"Unknown"};
    for (int i = 0; i < 3; ++i) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(listItems[i]));
        SendMessageW(list, LB_SETITEMDATA, i, 301 + i);
    }
    SendMessageW(list, LB_SETCURSEL, 2, 0);

    SetDlgItemTextW(dialog, IDC_EDIT, L"Cancel");
    SetDlgItemTextW(dialog, IDC_LABEL_EDIT, L"Open");

    HWND view = GetDlgItem(dialog, IDC_LISTVIEW);
    const wchar_t* columns[] = {L"Column one", L"Column two"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 60;
        column.pszText = const_cast<wchar_t*>(columns[i]);
        SendMessageW(view, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }

    HWND tabs = GetDlgItem(dialog, IDC_TABS);
    const wchar_t* tabTexts[] = {L"Tab one", L"Tab two"};
    for (int i = 0; i < 2; ++i) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(tabTexts[i]);
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }

    HWND tree = GetDlgItem(dialog, IDC_TREE);
    auto insert = [&](HTREEITEM parent, const wchar_t* text) {
        TVINSERTSTRUCTW insert = {};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<wchar_t*>(text);
        return reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    };
    insert(insert(TVI_ROOT, L"Root"), L"Leaf");
    insert(TVI_ROOT, L"Second");

    // A web page inside the dialog keeps its own texts.
    RegisterPlainClass(L"Shell Embedding");
    HWND browser = Child(dialog, L"Shell Embedding", L"Cancel", 0, 320, 240, 100, 40, IDC_BROWSER);
    Child(browser, L"Static", L"Cancel", 0, 0, 0, 10, 10);

    HWND comboEx =
        Child(dialog, WC_COMBOBOXEXW, L"", CBS_DROPDOWNLIST, 10, 260, 150, 100, IDC_COMBO_EX);
    for (int i = 0; i < 2; ++i) {
        COMBOBOXEXITEMW item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(items[i]);
        SendMessageW(comboEx, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(comboEx, CB_SETCURSEL, 1, 0);

    HWND toolbar = Child(dialog, TOOLBARCLASSNAMEW, L"",
                         TBSTYLE_LIST | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 170, 260,
                         150, 30, IDC_TOOLBAR);
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON button = {};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = IDM_SAVE;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_SHOWTEXT | BTNS_AUTOSIZE;
    button.iString = reinterpret_cast<INT_PTR>(L"Save");
    SendMessageW(toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
}

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) return FALSE;
    FillControls(dialog);
    TranslateWindowTree(dialog);
    return TRUE;
}

// The test dialog, opened (and translated) in the current language.
struct TestDialog {
    TestDialog()
        : window(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_LANG_TEST),
                                    nullptr, TestDialogProc, 0)) {}
    ~TestDialog() { DestroyWindow(window); }
    HWND Item(int id) const { return GetDlgItem(window, id); }
    std::wstring Text(int id) const { return ::Text(Item(id)); }
    RECT Rect(int id) const { return RectOf(window, id); }
    std::wstring ComboItem(int id, int index) const {
        wchar_t buffer[256] = {};
        SendMessageW(Item(id), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
    std::wstring MenuText(HMENU menu, int position) const {
        wchar_t buffer[256] = {};
        GetMenuStringW(menu, position, buffer, 256, MF_BYPOSITION);
        return buffer;
    }
    HWND window;
};

class WindowTranslation : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX init = {sizeof(init), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES |
                                                       ICC_TREEVIEW_CLASSES | ICC_USEREX_CLASSES |
                                                       ICC_BAR_CLASSES};
        InitCommonControlsEx(&init);
        SetLangCacheData(nullptr, nullptr, "English (US)");
        TestDialog english;
        ASSERT_NE(english.window, nullptr);
        for (int id : kGeometryIds)
            englishLayout_[id] = english.Rect(id);
    }
    void TearDown() override { SetLangCacheData(nullptr, nullptr, "English (US)"); }

    static inline std::map<int, RECT> englishLayout_;
};

TEST_F(WindowTranslation, EnglishChangesNothing) {
    SetLangCacheData(kEnglish, kGerman, "English (US)");
    TestDialog dialog;
    EXPECT_EQ(Text(dialog.window), L"Language file manager");
    EXPECT_EQ(dialog.Text(IDC_LABEL), L"Target language:");
    EXPECT_EQ(dialog.ComboItem(IDC_COMBO_LIST, 0), L"First");
    EXPECT_EQ(dialog.MenuText(GetMenu(dialog.window), 0), L"File");
    for (int id : kGeometryIds)
        EXPECT_TRUE(SameRect(dialog.Rect(id), englishLayout_[id])) << id;
}

TEST_F(WindowTranslation, TestLangMarksEveryTranslatableText) {
    SetLangCacheData(kEnglish, nullptr, "TestLang");
    TestDialog dialog;
    EXPECT_EQ(Text(dialog.window), L"[Language file manager]");
    EXPECT_EQ(dialog.Text(IDC_LABEL), L"[Target language]:");
    EXPECT_EQ(dialog.Text(IDC_CHECK_WIDE), L"[Process photo]");
    EXPECT_EQ(dialog.Text(IDC_PUSH_MULTILINE), L"[Cancel]");
    EXPECT_EQ(dialog.Text(IDC_MULTILINE_LABEL),
              L"[Would you like to apply automatic photo shrinking on this domain?]");
    EXPECT_EQ(dialog.Text(IDC_GROUP), L"[Photo frame]");

    // Fields that hold what the user types keep their texts.
    EXPECT_EQ(dialog.Text(IDC_EDIT), L"Cancel");
    EXPECT_EQ(dialog.Text(IDC_LABEL_EDIT), L"Open");
    EXPECT_EQ(dialog.Text(IDC_COMBO_EDITABLE), L"Cancel");

    // A combo box keeps item data and selection.
    HWND combo = dialog.Item(IDC_COMBO_LIST);
    const wchar_t* expected[] = {L"[First]", L"[Second]", L"[Third]"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(dialog.ComboItem(IDC_COMBO_LIST, i), expected[i]);
        EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, i, 0), 101 + i);
    }
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(dialog.ComboItem(IDC_COMBO_EDITABLE, 1), L"[Second]");
    EXPECT_EQ(SendMessageW(dialog.Item(IDC_COMBO_EDITABLE), CB_GETITEMDATA, 1, 0), 202);

    // A list box keeps its selection, and its item data too.
    HWND list = dialog.Item(IDC_LIST);
    const wchar_t* listExpected[] = {L"[First]", L"[Second]", L"Unknown"};
    for (int i = 0; i < 3; ++i) {
        wchar_t buffer[64] = {};
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer));
        EXPECT_STREQ(buffer, listExpected[i]);
        EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, i, 0), 301 + i);
    }
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);

    const wchar_t* columns[] = {L"[Column one]", L"[Column two]"};
    for (int i = 0; i < 2; ++i) {
        wchar_t buffer[64] = {};
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT;
        column.pszText = buffer;
        column.cchTextMax = 64;
        SendMessageW(dialog.Item(IDC_LISTVIEW), LVM_GETCOLUMNW, i,
                     reinterpret_cast<LPARAM>(&column));
        EXPECT_STREQ(buffer, columns[i]);
    }

    const wchar_t* tabs[] = {L"[Tab one]", L"[Tab two]"};
    for (int i = 0; i < 2; ++i) {
        wchar_t buffer[64] = {};
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = 64;
        SendMessageW(dialog.Item(IDC_TABS), TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(buffer, tabs[i]);
    }

    HWND tree = dialog.Item(IDC_TREE);
    auto itemText = [&](HTREEITEM item) {
        wchar_t buffer[64] = {};
        TVITEMW info = {};
        info.mask = TVIF_TEXT;
        info.hItem = item;
        info.pszText = buffer;
        info.cchTextMax = 64;
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
        return std::wstring(buffer);
    };
    auto next = [&](HTREEITEM item, WPARAM relation) {
        return reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    };
    HTREEITEM root = next(nullptr, TVGN_ROOT);
    EXPECT_EQ(itemText(root), L"[Root]");
    EXPECT_EQ(itemText(next(root, TVGN_CHILD)), L"[Leaf]");
    EXPECT_EQ(itemText(next(root, TVGN_NEXT)), L"[Second]");

    HWND comboEx = dialog.Item(IDC_COMBO_EX);
    wchar_t buffer[64] = {};
    COMBOBOXEXITEMW item = {};
    item.mask = CBEIF_TEXT;
    item.iItem = 0;
    item.pszText = buffer;
    item.cchTextMax = 64;
    SendMessageW(comboEx, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(buffer, L"[First]");
    EXPECT_EQ(SendMessageW(comboEx, CB_GETCURSEL, 0, 0), 1);

    wchar_t toolText[64] = {};
    SendMessageW(dialog.Item(IDC_TOOLBAR), TB_GETBUTTONTEXTW, IDM_SAVE,
                 reinterpret_cast<LPARAM>(toolText));
    EXPECT_STREQ(toolText, L"[Save]");

    // A web browser control and everything in it are left alone.
    HWND browser = dialog.Item(IDC_BROWSER);
    EXPECT_EQ(Text(browser), L"Cancel");
    EXPECT_EQ(Text(GetWindow(browser, GW_CHILD)), L"Cancel");
}

TEST_F(WindowTranslation, MenuKeepsShortcutsStatesAndSubmenus) {
    SetLangCacheData(kEnglish, kGerman, "German (Germany)");
    TestDialog dialog;
    HMENU bar = GetMenu(dialog.window);
    EXPECT_EQ(dialog.MenuText(bar, 0), L"Datei");
    HMENU file = GetSubMenu(bar, 0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(dialog.MenuText(file, 0), L"\u00d6ffnen\tCtrl+O");
    EXPECT_EQ(GetMenuItemID(file, 0), static_cast<UINT>(IDM_OPEN));
    EXPECT_EQ(GetMenuItemID(file, 1), 0u); // the separator stays
    EXPECT_EQ(dialog.MenuText(file, 2), L"Speichern");
    EXPECT_TRUE(GetMenuState(file, 2, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_EQ(dialog.MenuText(file, 3), L"Weitere Funktionen");
    HMENU more = GetSubMenu(file, 3);
    ASSERT_NE(more, nullptr);
    EXPECT_EQ(dialog.MenuText(more, 0), L"Foto zuschneiden");
    EXPECT_EQ(GetMenuItemID(more, 0), static_cast<UINT>(IDM_CLIP));
    EXPECT_TRUE(GetMenuState(more, 0, MF_BYPOSITION) & MF_CHECKED);
}

TEST_F(WindowTranslation, LabelsAndChoiceButtonsGrowAndPushTheirEditFields) {
    SetLangCacheData(kEnglish, kGerman, "German (Germany)");
    TestDialog dialog;
    EXPECT_EQ(dialog.Text(IDC_CHECK_WIDE), L"Foto vor dem Hochladen bearbeiten");
    ShowWindow(dialog.window, SW_SHOWNOACTIVATE);
    UpdateWindow(dialog.window);
    kvtest::SaveWindowPng(dialog.window, kvtest::OutDir() + L"\\lang_dialog_german.png");

    // A one-line label becomes exactly as wide as its text; the edit field moves aside.
    RECT label = dialog.Rect(IDC_LABEL);
    EXPECT_EQ(label.right - label.left, TextWidth(dialog.Item(IDC_LABEL), L"Zielsprache:"));
    EXPECT_EQ(label.left, englishLayout_[IDC_LABEL].left);
    RECT labelEdit = dialog.Rect(IDC_LABEL_EDIT);
    EXPECT_EQ(labelEdit.left, label.right + 2);
    EXPECT_EQ(labelEdit.right, englishLayout_[IDC_LABEL_EDIT].right);

    // A check box widens; the edit field behind it starts 2 pixels after it.
    RECT wide = dialog.Rect(IDC_CHECK_WIDE);
    EXPECT_GT(wide.right, englishLayout_[IDC_CHECK_WIDE].right);
    EXPECT_GT(wide.right - wide.left,
              TextWidth(dialog.Item(IDC_CHECK_WIDE), L"Foto vor dem Hochladen bearbeiten"));
    RECT wideEdit = dialog.Rect(IDC_CHECK_WIDE_EDIT);
    EXPECT_EQ(wideEdit.left, wide.right + 2);
    EXPECT_EQ(wideEdit.right, englishLayout_[IDC_CHECK_WIDE_EDIT].right);
    EXPECT_EQ(wideEdit.top, englishLayout_[IDC_CHECK_WIDE_EDIT].top);

    // The edit field keeps 50 pixels; the check box is cut back to end 2 pixels before it.
    RECT narrowEdit = dialog.Rect(IDC_CHECK_NARROW_EDIT);
    RECT narrow = dialog.Rect(IDC_CHECK_NARROW);
    EXPECT_EQ(narrowEdit.right, englishLayout_[IDC_CHECK_NARROW_EDIT].right);
    EXPECT_EQ(narrowEdit.right - narrowEdit.left, 50);
    EXPECT_EQ(narrow.right, narrowEdit.left - 2);
    EXPECT_EQ(narrow.left, englishLayout_[IDC_CHECK_NARROW].left);
}

TEST_F(WindowTranslation, PushButtonsWidenWithoutPushingAndMultiLineControlsStay) {
    SetLangCacheData(kEnglish, kGerman, "German (Germany)");
    TestDialog dialog;
    RECT push = dialog.Rect(IDC_PUSH);
    EXPECT_GT(push.right - push.left, TextWidth(dialog.Item(IDC_PUSH), L"Abbrechen"));
    EXPECT_EQ(push.left, englishLayout_[IDC_PUSH].left);
    EXPECT_TRUE(SameRect(dialog.Rect(IDC_PUSH_EDIT), englishLayout_[IDC_PUSH_EDIT]));
    EXPECT_EQ(dialog.Text(IDC_PUSH_MULTILINE), L"Abbrechen");
    EXPECT_TRUE(SameRect(dialog.Rect(IDC_PUSH_MULTILINE), englishLayout_[IDC_PUSH_MULTILINE]));
    EXPECT_EQ(dialog.Text(IDC_MULTILINE_LABEL),
              L"M\u00f6chten Sie die automatische Verkleinerung verwenden?");
    EXPECT_TRUE(SameRect(dialog.Rect(IDC_MULTILINE_LABEL), englishLayout_[IDC_MULTILINE_LABEL]));
}

class FitControl : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterPlainClass(L"KvFitParent");
        parent_ = CreateWindowExW(0, L"KvFitParent", L"", WS_OVERLAPPEDWINDOW, 0, 0, 600, 300,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
    }
    void TearDown() override { DestroyWindow(parent_); }
    RECT Rect(HWND control) const { return RectOf(parent_, GetDlgCtrlID(control)); }
    HWND parent_ = nullptr;
};

TEST_F(FitControl, FindsTheNearestEditOnTheSameRow) {
    HWND control = Child(parent_, L"Button", L"Label", BS_AUTOCHECKBOX, 10, 10, 50, 20, 1);
    Child(parent_, L"Edit", L"", 0, 100, 12, 50, 16, 2); // same row, further right
    HWND nearest = Child(parent_, L"Edit", L"", 0, 70, 14, 50, 20, 3);
    Child(parent_, L"Edit", L"", 0, 65, 20, 50, 20, 4);            // 10 pixels lower
    Child(parent_, L"Edit", L"", 0, 40, 10, 50, 20, 5);            // starts inside the control
    Child(parent_, L"Static", L"", 0, 60, 10, 5, 20, 6);           // not an edit field
    HWND tie = Child(parent_, L"Edit", L"", 0, 70, 10, 30, 20, 7); // same left, found later
    EXPECT_EQ(FindEditToTheRight(control), nearest);
    DestroyWindow(nearest);
    EXPECT_EQ(FindEditToTheRight(control), tie);
    HWND alone = Child(parent_, L"Button", L"Alone", BS_AUTOCHECKBOX, 10, 200, 50, 20, 8);
    EXPECT_EQ(FindEditToTheRight(alone), nullptr);
}

TEST_F(FitControl, WidensOnlyPlainButtonsAndOneLineLabels) {
    const wchar_t text[] = L"A rather long caption for a small control";
    struct Case {
        const wchar_t* className;
        DWORD style;
        int height;
        bool widened;
    };
    const Case cases[] = {
        {L"Button", BS_PUSHBUTTON, 24, true},
        {L"Button", BS_DEFPUSHBUTTON, 24, true},
        {L"Button", BS_CHECKBOX, 20, true},
        {L"Button", BS_AUTOCHECKBOX, 20, true},
        {L"Button", BS_RADIOBUTTON, 20, true},
        {L"Button", BS_AUTORADIOBUTTON, 20, true},
        {L"Button", BS_PUSHBUTTON | BS_MULTILINE, 24, false},
        {L"Button", BS_AUTOCHECKBOX | BS_LEFTTEXT, 20, false},
        {L"Button", BS_GROUPBOX, 20, false},
        {L"Button", BS_AUTO3STATE, 20, false},
        {L"Static", SS_LEFT, 14, true},
        {L"Static", SS_LEFT, 40, false}, // room for two lines
        {L"Static", SS_ICON, 14, false},
    };
    int y = 0, id = 100;
    for (const Case& c : cases) {
        HWND control = Child(parent_, c.className, text, c.style, 10, y, 30, c.height, ++id);
        y += 12;
        FitControlToText(control);
        RECT rect = Rect(control);
        EXPECT_EQ(rect.right - rect.left > 30, c.widened)
            << c.className << " " << std::hex << c.style;
        EXPECT_EQ(rect.left, 10);
        EXPECT_EQ(rect.bottom - rect.top, c.height);
    }
}

TEST_F(FitControl, WidenedLabelPushesItsEditButLeavesItFiftyPixels) {
    const wchar_t text[] = L"Maximum pixels (K):";
    HWND label = Child(parent_, L"Static", text, SS_LEFT, 10, 10, 20, 14, 1);
    HWND edit = Child(parent_, L"Edit", L"", 0, 40, 8, 200, 18, 2);
    FitControlToText(label);
    int width = TextWidth(label, text);
    EXPECT_EQ(Rect(label).right, 10 + width);
    EXPECT_EQ(Rect(edit).left, 10 + width + 2);
    EXPECT_EQ(Rect(edit).right, 240);

    HWND tight = Child(parent_, L"Static", text, SS_LEFT, 10, 50, 20, 14, 3);
    HWND small = Child(parent_, L"Edit", L"", 0, 40, 48, 60, 18, 4);
    FitControlToText(tight);
    EXPECT_EQ(Rect(small).left, 50);
    EXPECT_EQ(Rect(small).right, 100);
    EXPECT_EQ(Rect(tight).right, 48);
}

TEST_F(FitControl, WindowsOfOtherProcessesAreLeftAlone) {
    SetLangCacheData(L"ProjectName=Korvane\n1=Cancel\n", nullptr, "TestLang");
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring program = path;
    program = program.substr(0, program.find_last_of(L'\\') + 1) + L"lang_foreign_window.exe";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    UniqueHandle processHandle(process.hProcess), threadHandle(process.hThread);
    // Its window, once the check box inside exists.
    HWND window = nullptr, box = nullptr;
    for (int i = 0; i < 200 && !box; ++i) {
        window = FindWindowW(L"KvForeignWindow", nullptr);
        DWORD owner = 0;
        if (window) GetWindowThreadProcessId(window, &owner);
        box = owner == process.dwProcessId ? GetWindow(window, GW_CHILD) : nullptr;
        if (!box) Sleep(50);
    }
    ASSERT_NE(box, nullptr);
    RECT before = {};
    GetWindowRect(box, &before);
    TranslateWindowTree(window);
    EXPECT_EQ(Text(window), L"Cancel");
    EXPECT_EQ(Text(box), L"Cancel");
    RECT after = {};
    GetWindowRect(box, &after);
    EXPECT_TRUE(SameRect(before, after));
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
}

} // namespace
