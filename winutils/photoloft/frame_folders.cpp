#include "photoloft/frame_folders.h"

#include "common/folders.h"
#include "common/text_file.h"
#include "photoloft/rotatable_list.h"

FrameFolders DefaultFrameFolders() {
    FrameFolders folders;
    const std::wstring userData = UserDataFolder();
    if (!userData.empty()) folders.userFrames = userData + L"photoframes";
    const std::wstring program = InstallFolder();
    folders.programFrames = program + L"photoframes";
    folders.genericLayouts = program + L"data/genericphotomasks.xml";
    folders.rotatableList = program + L"data\\RotatablePhotoFrames.txt";
    return folders;
}

std::wstring ReadRotatableList(const std::wstring& listFile, std::wstring_view userList) {
    std::wstring text;
    if (ReadTextFile(listFile, text) <= 0) text.clear();
    return MakeRotatableList(text, userList);
}
