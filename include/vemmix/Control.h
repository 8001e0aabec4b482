// The interface a container drives every control through: the framework's
// lifecycle notifications, input notifications, timer ticks, the automation
// (dispatch) entry point, the control's type information and the
// scripting-safety interface. The class factory creates controls by
// program identifier or class identifier.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include <vemmix/ContainerServices.h>
#include <vemmix/Export.h>
#include <vemmix/Guid.h>
#include <vemmix/TypeInfo.h>
#include <vemmix/Variant.h>

namespace vemmix {

// The option bits of the scripting-safety interface.
constexpr std::uint32_t kSafeForUntrustedCaller = 1;  // INTERFACESAFE_FOR_UNTRUSTED_CALLER
constexpr std::uint32_t kSafeForUntrustedData = 2;    // INTERFACESAFE_FOR_UNTRUSTED_DATA

enum class InvokeKind : std::uint8_t { PropertyGet, PropertyPut, PropertyPutRef, Method };

class VEMMIX_EXPORT Control {
public:
    virtual ~Control();

    // ---- lifecycle -----------------------------------------------------------
    virtual void Initialize() = 0;
    virtual void InitProperties() = 0;
    virtual void ReadProperties(PropertyBag& bag) = 0;
    virtual void WriteProperties(PropertyBag& bag) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void Resize() = 0;
    virtual void Paint() = 0;
    virtual void Terminate() = 0;
    virtual void AmbientChanged(std::u16string_view name) = 0;

    // ---- input (arguments by reference, as the framework passes them) ------
    virtual void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void Click() = 0;
    virtual void DblClick() = 0;
    virtual void KeyDown(std::int16_t& keyCode, std::int16_t& shift) = 0;
    virtual void KeyPress(std::int16_t& keyAscii) = 0;
    virtual void KeyUp(std::int16_t& keyCode, std::int16_t& shift) = 0;
    virtual void GotFocus() = 0;
    virtual void LostFocus() = 0;
    virtual void ExitFocus() = 0;
    virtual void AccessKeyPress(std::int16_t& keyAscii) = 0;
    virtual void OLEDragOver(DataObjectRef& data, std::int32_t& effect, std::int16_t& button,
                             std::int16_t& shift, float& x, float& y, std::int16_t& state) = 0;
    virtual void OLEDragDrop(DataObjectRef& data, std::int32_t& effect, std::int16_t& button,
                             std::int16_t& shift, float& x, float& y) = 0;
    virtual void OLEGiveFeedback(std::int32_t& effect, VBool& defaultCursors) = 0;
    virtual void OLEStartDrag(DataObjectRef& data, std::int32_t& allowedEffects) = 0;
    virtual void OLESetData(DataObjectRef& data, std::int16_t& dataFormat) = 0;
    virtual void OLECompleteDrag(std::int32_t& effect) = 0;

    virtual void TimerTick(TimerId timer) = 0;

    // ---- automation ----------------------------------------------------------
    // The class's members, events and enumerations: what GetIDOfName and
    // Invoke bind against, and what RaiseEvent's identifiers mean.
    virtual const typelib::TypeInfo& GetTypeInfo() const = 0;
    // Member name (without regard to case) -> dispatch identifier; 0 or 438.
    virtual std::int32_t GetIDOfName(std::u16string_view name, std::int32_t& dispid) const = 0;
    // Returns 0 or an error number (382, 387, 438, 13, 450, 28 …).
    virtual std::int32_t Invoke(std::int32_t dispid, InvokeKind kind, std::span<Variant> args,
                                Variant& result) = 0;

    // ---- scripting safety (IObjectSafety) ------------------------------------
    // Option bits: kSafeForUntrustedCaller, kSafeForUntrustedData.
    virtual std::int32_t GetInterfaceSafetyOptions(const Guid& riid, std::uint32_t& supported,
                                                   std::uint32_t& enabled) = 0;
    virtual std::int32_t SetInterfaceSafetyOptions(const Guid& riid, std::uint32_t mask,
                                                   std::uint32_t enabled) = 0;
};

// The class factory of the control library. `classId` is a program
// identifier ("Vemmix.Zorvane", without regard to case) or a class GUID in
// registry form ("{…}"). An unknown identifier gives no object and sets
// `error` to 429 (cannot create object).
VEMMIX_EXPORT std::unique_ptr<Control> CreateControl(std::u16string_view classId, ControlSite& site,
                                       std::int32_t* error = nullptr);

}  // namespace vemmix
