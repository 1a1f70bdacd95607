// Translation of the item texts that common controls keep apart from their window text.
#pragma once
#include <windows.h>

void TranslateToolbarButtons(HWND toolbar);
void TranslateRebarBands(HWND rebar);
void TranslateTabs(HWND tabs);
void TranslateComboBoxExItems(HWND combo);
void TranslateComboBoxItems(HWND combo);
void TranslateListBoxItems(HWND list);
void TranslateListViewColumns(HWND list);
void TranslateTreeViewItems(HWND tree);
