#include "vindarometadata.h"

#include <array>

namespace vindaro {

namespace {

constexpr std::array<MemberInfo, 11> Properties{{
    {"BackColor", 0x68030009, "返回/设置对象中文本和图形的背景色。"},
    {"BorderStyle", 0x68030008, "返回/设置对象的边框样式。"},
    {"Font", -512, "返回一个 Font 对象。"},
    {"hWnd", 0x68030007, "返回一个句柄到(from Microsoft Windows)一个对象的窗口。"},
    {"MouseIcon", 0x68030006, "设置一个自定义鼠标图标。"},
    {"MousePointer", 0x68030005, "返回/设置当鼠标经过对象某一部分时鼠标的指针类型。"},
    {"LinkText", 0x68030004, ""},
    {"LinkColor", 0x68030003, ""},
    {"AutoSize", 0x68030002, "决定控件是否能自动调整大小以显示所有的内容。"},
    {"LinkUnderline", 0x68030001, ""},
    {"LinkType", 0x68030000, ""},
}};

constexpr std::array<MemberInfo, 10> Events{{
    {"MouseLeave", 1, ""},
    {"Click", 2, "当用户在一个对象上按下并释放鼠标按钮时发生。"},
    {"DblClick", 3, "当用户在一个对象上按下并释放鼠标按钮后再次按下并释放鼠标按钮时发生。"},
    {"MouseDown", 4, "当用户在拥有焦点的对象上按下鼠标按钮时发生。"},
    {"MouseMove", 5, "当用户移动鼠标时发生。"},
    {"MouseUp", 6, "当用户在拥有焦点的对象上释放鼠标发生。"},
    {"Resize", 7, "当第一次显示一个窗体时或改变一个对象的大小时发生。"},
    {"KeyDown", 8, "当用户在拥有焦点的对象上按下任意键时发生。"},
    {"KeyPress", 9, "当用户按下和释放 ANSI 键时发生。"},
    {"KeyUp", 10, "当用户在拥有焦点的对象上释放键时发生。"},
}};

} // namespace

std::span<const MemberInfo> propertyInfos()
{
    return Properties;
}

std::span<const MemberInfo> eventInfos()
{
    return Events;
}

QString helpStringOf(const QString& memberName)
{
    for (const auto infos : {propertyInfos(), eventInfos()}) {
        for (const MemberInfo& info : infos) {
            if (memberName == QLatin1String(info.name))
                return QString::fromUtf8(info.helpString);
        }
    }
    return {};
}

} // namespace vindaro
