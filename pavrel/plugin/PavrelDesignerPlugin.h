// The component entry of the Pavrel library for form designers and QUiLoader: it announces the
// control (name, group, toolbox icon, default geometry) and is the factory that creates it by
// class name. Putting the built plugin into a `designer/` folder on the plugin path registers
// the control; taking it out unregisters it. Its metadata carries the version record and the
// identifiers of the control's interfaces.
#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class PavrelDesignerPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QDesignerCustomWidgetInterface_iid FILE "pavrel.json")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

  public:
    explicit PavrelDesignerPlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return initialized_; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

    // Whether the library could be let go now (no control alive); the plugin itself refuses
    // to be unloaded while that is false.
    Q_INVOKABLE bool canUnloadNow() const;

  private:
    bool initialized_ = false;
};
