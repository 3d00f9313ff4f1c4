#include "vindarodesignerplugin.h"

#include <vindaro.h>

#include <QIcon>

VindaroDesignerPlugin::VindaroDesignerPlugin(QObject* parent)
    : QObject(parent)
{
}

QString VindaroDesignerPlugin::name() const
{
    return QStringLiteral("Vindaro");
}

QString VindaroDesignerPlugin::group() const
{
    return QStringLiteral("VindaroOCX");
}

QString VindaroDesignerPlugin::toolTip() const
{
    return QStringLiteral("Hyperlink label");
}

QString VindaroDesignerPlugin::whatsThis() const
{
    return QStringLiteral("A web or e-mail address that opens when clicked.");
}

QString VindaroDesignerPlugin::includeFile() const
{
    return QStringLiteral("vindaro.h");
}

QIcon VindaroDesignerPlugin::icon() const
{
    return {};
}

bool VindaroDesignerPlugin::isContainer() const
{
    return false;
}

QWidget* VindaroDesignerPlugin::createWidget(QWidget* parent)
{
    auto* link = new Vindaro(parent, qorv::AmbientProperties{.userMode = false, .font = parent ? parent->font() : QFont(), .displayName = {}});
    link->initProperties();
    return link;
}

QString VindaroDesignerPlugin::domXml() const
{
    return QStringLiteral(R"(<ui language="c++">
  <widget class="Vindaro" name="vindaro">
    <property name="geometry"><rect><x>0</x><y>0</y><width>144</width><height>54</height></rect></property>
  </widget>
</ui>
)");
}
