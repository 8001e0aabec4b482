// Qt Designer's face of the Button: it sits in the widget box under
// "Buttons" and is created with the caption "Button" at a push button's
// size; its properties are the Q_PROPERTYs of <vemmix/qt/Button.h>, the
// .ui file keeps them under the type library's names.
#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace vemmix::qt {

class ButtonPlugin final : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit ButtonPlugin(QObject* parent = nullptr) : QObject(parent) {}

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return m_Initialized; }
    void initialize(QDesignerFormEditorInterface*) override { m_Initialized = true; }
    QString domXml() const override;

private:
    bool m_Initialized = false;
};

}  // namespace vemmix::qt
