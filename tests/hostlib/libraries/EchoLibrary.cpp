// A control library the host was not linked against: one class,
// "Test.Echo", whose control keeps the property set it was given and
// writes it back, and paints itself one colour (its "Color" property).
#include <map>
#include <string>

#include <vemmix/ControlLibrary.h>
#include <vemmix/Errors.h>
#include <vemmix/Surface.h>

namespace {

using namespace vemmix;

constexpr typelib::Member kMembers[] = {
    {u"Color", 1, typelib::Access::GetPut, typelib::ValueType::Colour, {}, false, false, u"The colour it paints"},
    {u"Label", 2, typelib::Access::GetPut, typelib::ValueType::String, {}, false, false, u"A text it keeps"},
};
const typelib::TypeInfo kInfo{.libraryName = u"EchoLibrary", .className = u"Echo", .progId = u"Test.Echo",
                              .members = kMembers};

class Echo final : public Control {
public:
    explicit Echo(ControlSite& site) : m_Site(site) {}
    const typelib::TypeInfo& GetTypeInfo() const override { return kInfo; }
    void Initialize() override {}
    void InitProperties() override {}
    void ReadProperties(PropertyBag& bag) override {
        m_Color = ToInt32(bag.ReadProperty(u"Color", Variant(std::int32_t{0})).value_or(Variant())).value_or(0);
        m_Label = ToString(bag.ReadProperty(u"Label", Variant(u"")).value_or(Variant())).value_or(u"");
    }
    void WriteProperties(PropertyBag& bag) override {
        bag.WriteProperty(u"Color", Variant(m_Color), Variant(std::int32_t{0}));
        bag.WriteProperty(u"Label", Variant(m_Label), Variant(u""));
    }
    void Show() override { Paint(); }
    void Hide() override {}
    void Resize() override { Paint(); }
    void Paint() override {
        const gdi::PixelView view = gdi::GetBitmapPixels(gdi::GetCurrentBitmap(m_Site.WindowDC()));
        if (view.bitsPerPixel != 32) return;
        for (std::uint32_t& p : view.pixels) p = gdi::PixelFromColor(static_cast<gdi::COLORREF>(m_Color));
        m_Site.WindowImageChanged();
    }
    void Terminate() override {}
    void AmbientChanged(std::u16string_view) override {}
    void MouseDown(std::int16_t, std::int16_t, float, float) override {}
    void MouseMove(std::int16_t, std::int16_t, float, float) override {}
    void MouseUp(std::int16_t, std::int16_t, float, float) override {}
    void Click() override {}
    void DblClick() override {}
    void KeyDown(std::int16_t&, std::int16_t&) override {}
    void KeyPress(std::int16_t&) override {}
    void KeyUp(std::int16_t&, std::int16_t&) override {}
    void GotFocus() override {}
    void LostFocus() override {}
    void ExitFocus() override {}
    void AccessKeyPress(std::int16_t&) override {}
    void OLEDragOver(DataObjectRef&, std::int32_t&, std::int16_t&, std::int16_t&, float&, float&,
                     std::int16_t&) override {}
    void OLEDragDrop(DataObjectRef&, std::int32_t&, std::int16_t&, std::int16_t&, float&, float&) override {}
    void OLEGiveFeedback(std::int32_t&, VBool&) override {}
    void OLEStartDrag(DataObjectRef&, std::int32_t&) override {}
    void OLESetData(DataObjectRef&, std::int16_t&) override {}
    void OLECompleteDrag(std::int32_t&) override {}
    void TimerTick(TimerId) override {}
    std::int32_t GetIDOfName(std::u16string_view, std::int32_t&) const override { return errors::kUnknownMember; }
    std::int32_t Invoke(std::int32_t, InvokeKind, std::span<Variant>, Variant&) override {
        return errors::kUnknownMember;
    }
    std::int32_t GetInterfaceSafetyOptions(const Guid&, std::uint32_t&, std::uint32_t&) override { return 0; }
    std::int32_t SetInterfaceSafetyOptions(const Guid&, std::uint32_t, std::uint32_t) override { return 0; }

private:
    ControlSite& m_Site;
    std::int32_t m_Color = 0;
    std::u16string m_Label;
};

const ControlClass kClasses[] = {
    {u"Test.Echo", Guid{0x0E0E0E0E, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}},
     [](ControlSite& site) -> std::unique_ptr<Control> { return std::make_unique<Echo>(site); }, &kInfo},
};
const ControlLibraryInfo kLibrary{kControlLibraryAbiVersion, u"EchoLibrary", u"1.0", kClasses};

}  // namespace

extern "C" const vemmix::ControlLibraryInfo* vemmix_control_library() { return &kLibrary; }
