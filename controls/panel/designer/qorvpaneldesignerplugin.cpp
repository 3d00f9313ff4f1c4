#include "qorvpaneldesignerplugin.h"

#include "panelmetadata.h"
#include "qorvpanel.h"

QString QorvPanelDesignerPlugin::toolTip() const
{
    return qorvpanel::ClassIdentity::typeLibHelpString;
}

QString QorvPanelDesignerPlugin::whatsThis() const
{
    QStringList lines;
    for (const qorvpanel::MemberInfo& m : qorvpanel::members())
        lines.append(m.name + ": " + m.helpText);
    return lines.join('\n');
}

QWidget* QorvPanelDesignerPlugin::createWidget(QWidget* parent)
{
    qorv::AmbientProperties ambient;
    ambient.userMode = false;
    ambient.font = parent ? parent->font() : QFont();
    ambient.displayName = "QorvPanel1";
    auto* panel = new QorvPanel(ambient, parent);
    panel->initProperties();
    return panel;
}

QString QorvPanelDesignerPlugin::domXml() const
{
    QString tooltips;
    for (const qorvpanel::MemberInfo& m : qorvpanel::members())
        tooltips += QStringLiteral("    <tooltip name=\"%1\">%2</tooltip>\n").arg(m.name, m.helpText.toHtmlEscaped());
    return QStringLiteral("<ui language=\"c++\" displayname=\"QorvPanel\">\n"
                          " <widget class=\"QorvPanel\" name=\"QorvPanel1\">\n"
                          "  <property name=\"geometry\"><rect><x>0</x><y>0</y><width>200</width><height>100</height></rect></property>\n"
                          " </widget>\n"
                          " <customwidgets>\n"
                          "  <customwidget>\n"
                          "   <class>QorvPanel</class>\n"
                          "   <propertyspecifications>\n%1"
                          "   </propertyspecifications>\n"
                          "  </customwidget>\n"
                          " </customwidgets>\n"
                          "</ui>\n")
        .arg(tooltips);
}
