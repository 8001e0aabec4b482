// A control library for the scripting host's safety tests: two classes
// that are the package's button in every respect but their answers to the
// scripting-safety interface.
//
//   "Test.CallerSafe"  safe for untrusted callers, not for untrusted data
//   "Test.Unsafe"      its safety interface answers E_NOINTERFACE
#include <cstdint>
#include <memory>

#include <vemmix/ControlLibrary.h>
#include <vemmix/Errors.h>

namespace {

using namespace vemmix;

constexpr std::int32_t kNoInterface = static_cast<std::int32_t>(0x80004002u);

// The button inside, with the safety answers of its class.
class Guarded final : public Control {
public:
    Guarded(ControlSite& site, bool callerSafe) : m_Inner(CreateControl(u"Vemmix.Zorvane", site)), m_CallerSafe(callerSafe) {}

    void Initialize() override { m_Inner->Initialize(); }
    void InitProperties() override { m_Inner->InitProperties(); }
    void ReadProperties(PropertyBag& bag) override { m_Inner->ReadProperties(bag); }
    void WriteProperties(PropertyBag& bag) override { m_Inner->WriteProperties(bag); }
    void Show() override { m_Inner->Show(); }
    void Hide() override { m_Inner->Hide(); }
    void Resize() override { m_Inner->Resize(); }
    void Paint() override { m_Inner->Paint(); }
    void Terminate() override { m_Inner->Terminate(); }
    void AmbientChanged(std::u16string_view name) override { m_Inner->AmbientChanged(name); }
    void MouseDown(std::int16_t b, std::int16_t s, float x, float y) override { m_Inner->MouseDown(b, s, x, y); }
    void MouseMove(std::int16_t b, std::int16_t s, float x, float y) override { m_Inner->MouseMove(b, s, x, y); }
    void MouseUp(std::int16_t b, std::int16_t s, float x, float y) override { m_Inner->MouseUp(b, s, x, y); }
    void Click() override { m_Inner->Click(); }
    void DblClick() override { m_Inner->DblClick(); }
    void KeyDown(std::int16_t& k, std::int16_t& s) override { m_Inner->KeyDown(k, s); }
    void KeyPress(std::int16_t& k) override { m_Inner->KeyPress(k); }
    void KeyUp(std::int16_t& k, std::int16_t& s) override { m_Inner->KeyUp(k, s); }
    void GotFocus() override { m_Inner->GotFocus(); }
    void LostFocus() override { m_Inner->LostFocus(); }
    void ExitFocus() override { m_Inner->ExitFocus(); }
    void AccessKeyPress(std::int16_t& k) override { m_Inner->AccessKeyPress(k); }
    void OLEDragOver(DataObjectRef& d, std::int32_t& e, std::int16_t& b, std::int16_t& s, float& x, float& y,
                     std::int16_t& st) override {
        m_Inner->OLEDragOver(d, e, b, s, x, y, st);
    }
    void OLEDragDrop(DataObjectRef& d, std::int32_t& e, std::int16_t& b, std::int16_t& s, float& x, float& y) override {
        m_Inner->OLEDragDrop(d, e, b, s, x, y);
    }
    void OLEGiveFeedback(std::int32_t& e, VBool& c) override { m_Inner->OLEGiveFeedback(e, c); }
    void OLEStartDrag(DataObjectRef& d, std::int32_t& e) override { m_Inner->OLEStartDrag(d, e); }
    void OLESetData(DataObjectRef& d, std::int16_t& f) override { m_Inner->OLESetData(d, f); }
    void OLECompleteDrag(std::int32_t& e) override { m_Inner->OLECompleteDrag(e); }
    void TimerTick(TimerId t) override { m_Inner->TimerTick(t); }
    const typelib::TypeInfo& GetTypeInfo() const override { return m_Inner->GetTypeInfo(); }
    std::int32_t GetIDOfName(std::u16string_view name, std::int32_t& dispid) const override {
        return m_Inner->GetIDOfName(name, dispid);
    }
    std::int32_t Invoke(std::int32_t dispid, InvokeKind kind, std::span<Variant> args, Variant& result) override {
        return m_Inner->Invoke(dispid, kind, args, result);
    }

    std::int32_t GetInterfaceSafetyOptions(const Guid&, std::uint32_t& supported, std::uint32_t& enabled) override {
        if (!m_CallerSafe) return kNoInterface;
        supported = enabled = kSafeForUntrustedCaller;
        return errors::kNone;
    }
    std::int32_t SetInterfaceSafetyOptions(const Guid&, std::uint32_t mask, std::uint32_t) override {
        if (!m_CallerSafe) return kNoInterface;
        return (mask & ~kSafeForUntrustedCaller) == 0 ? errors::kNone : kNoInterface;
    }

private:
    std::unique_ptr<Control> m_Inner;
    bool m_CallerSafe;
};

// The classes as the library names them; a control itself answers with
// the button's type information.
const typelib::TypeInfo kCallerSafeInfo{.libraryName = u"GuardedLibrary", .className = u"CallerSafe",
                                        .progId = u"Test.CallerSafe"};
const typelib::TypeInfo kUnsafeInfo{.libraryName = u"GuardedLibrary", .className = u"Unsafe", .progId = u"Test.Unsafe"};

const ControlClass kClasses[] = {
    {u"Test.CallerSafe", Guid{0x6A4D0001, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}},
     [](ControlSite& site) -> std::unique_ptr<Control> { return std::make_unique<Guarded>(site, true); },
     &kCallerSafeInfo},
    {u"Test.Unsafe", Guid{0x6A4D0002, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}},
     [](ControlSite& site) -> std::unique_ptr<Control> { return std::make_unique<Guarded>(site, false); },
     &kUnsafeInfo},
};
const ControlLibraryInfo kLibrary{kControlLibraryAbiVersion, u"GuardedLibrary", u"1.0", kClasses};

}  // namespace

extern "C" const vemmix::ControlLibraryInfo* vemmix_control_library() { return &kLibrary; }
