// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "MainWindow.h"

#include "names/GenerateCommand.h"

namespace {

// The form of the main window, one row per control in the form's order. The two notices are
// the publisher's to fill in: 标签2 says where the tool was first published, 标签3 where to get
// help and updates.
constexpr std::string_view mainWindowForm = R"form(
# Kind    Name        Left Top  Width Height TabStop Order Colour   Font    Text
Window    MainWindow  -    -    348   286    no      0     default  default "Orvanta V2.0"
CheckBox  选择框1     195  42   96    17     yes     0     #000000  default "生成为QQ邮箱"
Label     标签3       158  103  169   80     no      0     #0060C0  default "失效或更新请加QQ群：\n10000000（示例）\n\n本工具用 C++ 与 Qt 编写，杀毒软件误报请添加信任。" wrap
Label     标签2       189  191  108   63     no      0     #FF0000  12px    "首发于示例论坛：\nbbs.example.org\n\n论坛 ID：000000" wrap
EditBox   编辑框2     1    6    143   250    yes     0     #000000  default "" multiline vscroll hand accessible=生成的用户名
Button    按钮1       203  65   80    32     yes     0     default  default "生成"
EditBox   编辑框1     242  12   48    24     yes     0     #000000  default "100" centred arrows
Label     标签1       178  12   56    24     no      0     #000000  default "生成个数：" for=编辑框1
)form";

} // namespace

const platform::WindowDefinition& mainWindowDefinition()
{
    static const platform::WindowDefinition definition {
        mainWindowForm,
        { { "按钮1", &OnGenerateClicked } },
    };
    return definition;
}
