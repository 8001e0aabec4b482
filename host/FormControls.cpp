#include <vemmix/host/FormControls.h>

#include <vemmix/Errors.h>
#include <vemmix/StdObjects.h>
#include "NativeControls.h"

namespace vemmix::host {

namespace {

QString FromU16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::unique_ptr<Control> CreateFormControl(QStringView className, const ControlRegistry& registry,
                                           ControlSite& site, std::int32_t* error) {
    if (detail::IsNativeClass(className)) {
        if (error) *error = errors::kNone;
        return detail::MakeNativeControl(className, site);
    }
    std::int32_t failure = errors::kNone;
    std::unique_ptr<Control> control = registry.Create(className.toString().toStdU16String(), site, &failure);
    if (!control && failure == errors::kNone) failure = errors::kCannotCreateObject;
    if (error) *error = control ? errors::kNone : failure;
    return control;
}

QString PlaceholderProblem(const QString& className, std::int32_t error) {
    return QStringLiteral("\"%1\" cannot be created (error %2: %3); a placeholder keeps its properties")
        .arg(className)
        .arg(error)
        .arg(FromU16(errors::Message(error)));
}

void ReadControlProperties(Control& control, const PropertySet& set, std::shared_ptr<PictureSources> pictures,
                           const QString& location, QStringList* problems) {
    if (set.empty()) {
        control.InitProperties();
        return;
    }
    PropertySet copy = set;
    JsonPropertyBag bag(copy, &control.GetTypeInfo(), std::move(pictures));
    control.ReadProperties(bag);
    if (!problems) return;
    for (const PropertyProblem& p : bag.problems())
        *problems << QStringLiteral("%1.properties.%2: refused (error %3: %4): %5")
                         .arg(location, p.key)
                         .arg(p.error)
                         .arg(FromU16(errors::Message(p.error)), p.reason);
}

PropertySet WriteControlProperties(Control& control, std::shared_ptr<PictureSources> pictures, int width,
                                   int height, int dpiX, int dpiY) {
    PropertySet set;
    JsonPropertyBag bag(set, &control.GetTypeInfo(), std::move(pictures));
    // the default Empty never matches, so both are always written
    bag.WriteProperty(u"_ExtentX", Variant(HimetricFromPixels(width, dpiX)), Variant());
    bag.WriteProperty(u"_ExtentY", Variant(HimetricFromPixels(height, dpiY)), Variant());
    control.WriteProperties(bag);
    return set;
}

}  // namespace vemmix::host
