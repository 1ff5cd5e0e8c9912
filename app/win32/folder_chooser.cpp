#include "app/win32/folder_chooser.h"

#include <shobjidl.h>

#include <memory>
#include <string>

#include "app/launch/launch_texts.h"
#include "app/win32/com_handles.h"
#include "app/win32/win32_text.h"
#include "settings/translation.h"

namespace vesko {

namespace {

struct FreeTaskMemory {
    void operator()(wchar_t* text) const { ::CoTaskMemFree(text); }
};

}  // namespace

std::optional<Folder> ChooseFolder(HWND owner) {
    IFileOpenDialog* raw = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(&raw)))) {
        return std::nullopt;
    }
    const ComRef<IFileOpenDialog> dialog(raw);
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog->SetTitle(ToWide(Tr(launch_texts::kChooseCard)).c_str());
    if (FAILED(dialog->Show(owner))) {
        return std::nullopt;  // cancelled
    }
    IShellItem* item = nullptr;
    if (FAILED(dialog->GetResult(&item))) {
        return std::nullopt;
    }
    const ComRef<IShellItem> chosen(item);
    wchar_t* path = nullptr;
    if (FAILED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
        return std::nullopt;
    }
    const std::unique_ptr<wchar_t, FreeTaskMemory> owned(path);
    const std::wstring text(owned.get());
    return Folder(text.begin(), text.end());
}

}  // namespace vesko
