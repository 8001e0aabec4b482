#include "ButtonPlugin.h"

#include <QIcon>

#include <vemmix/qt/Button.h>

namespace vemmix::qt {

QString ButtonPlugin::name() const { return QStringLiteral("vemmix::qt::Button"); }
QString ButtonPlugin::group() const { return QStringLiteral("Buttons"); }
QString ButtonPlugin::toolTip() const { return QStringLiteral("Zorvane command button"); }
QString ButtonPlugin::whatsThis() const {
    return QStringLiteral("A command button in one of ten looks (3d, flat, Shaped, Windows XP …) and "
                          "three modes (standard, toggle, drop-down).");
}
QString ButtonPlugin::includeFile() const { return QStringLiteral("vemmix/qt/Button.h"); }
QIcon ButtonPlugin::icon() const { return QIcon(); }

QWidget* ButtonPlugin::createWidget(QWidget* parent) { return new Button(parent); }

QString ButtonPlugin::domXml() const {
    return QStringLiteral(
        R"(<ui language="c++">
 <widget class="vemmix::qt::Button" name="button">
  <property name="geometry"><rect><x>0</x><y>0</y><width>75</width><height>23</height></rect></property>
  <property name="Caption"><string>Button</string></property>
 </widget>
</ui>)");
}

}  // namespace vemmix::qt
