#include "dialog/about_template.h"

#include <array>

#include "dialog/control_ids.h"

namespace vesko {

namespace {

constexpr std::array kAboutControls = {
    ControlTemplate{IDC_STATIC, "", ControlKind::kIcon, 0, {14, 14, 20, 20}, u""},
    ControlTemplate{
        IDC_STATIC, "", ControlKind::kLabel, kNoPrefix, {42, 14, 114, 8}, u"ver:20170421"},
    ControlTemplate{IDC_STATIC, "", ControlKind::kLabel, 0, {42, 26, 114, 8}, u""},
    ControlTemplate{IDOK,
                    "IDOK",
                    ControlKind::kPushButton,
                    kTabStop | kDefaultButton,
                    {114, 42, 50, 14},
                    u"确定"},
};

}  // namespace

constinit const DialogTemplate kAboutDialog{
    IDD_ABOUTBOX, 171, 63, u"MS Shell Dlg", 9, u"Version", false, kAboutControls,
};

}  // namespace vesko
