#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// Puts QorvPanel in Qt Designer's widget box as a container.
class QorvPanelDesignerPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    using QObject::QObject;

    QString name() const override { return "QorvPanel"; }
    QString group() const override { return "Containers"; }
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override { return "qorvpanel.h"; }
    QIcon icon() const override { return {}; }
    bool isContainer() const override { return true; }
    QWidget* createWidget(QWidget* parent) override;
    QString domXml() const override;
};
