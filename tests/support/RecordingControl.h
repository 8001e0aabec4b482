// A test double of a control: it does nothing but write down, in order,
// every notification the container sends it ("Initialize", "TimerTick Over",
// "GotFocus", …), so container behaviour can be tested without a button.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <vemmix/Control.h>

#include "control/TypeLibrary.h"

namespace vemmix::test {

class RecordingControl final : public Control {
public:
    explicit RecordingControl(ControlSite& site, std::vector<std::string>* journal = nullptr,
                              std::string name = "control")
        : m_Site(site), m_Journal(journal), m_Name(std::move(name)) {}

    ControlSite& site() { return m_Site; }
    const std::vector<std::string>& calls() const { return m_Calls; }
    // Runs inside each timer tick (to stop or restart timers from a tick).
    std::function<void(TimerId)> onTick;

    // A class of no members that raises the button's events.
    const typelib::TypeInfo& GetTypeInfo() const override {
        static const typelib::TypeInfo info{.libraryName = u"Test", .className = u"RecordingControl",
                                            .progId = u"Test.RecordingControl",
                                            .events = typelib::kEvents};
        return info;
    }
    void Initialize() override { Note("Initialize"); }
    void InitProperties() override { Note("InitProperties"); }
    void ReadProperties(PropertyBag&) override { Note("ReadProperties"); }
    void WriteProperties(PropertyBag&) override { Note("WriteProperties"); }
    void Show() override { Note("Show"); }
    void Hide() override { Note("Hide"); }
    void Resize() override { Note("Resize"); }
    void Paint() override { Note("Paint"); }
    void Terminate() override { Note("Terminate"); }
    void AmbientChanged(std::u16string_view) override { Note("AmbientChanged"); }
    void MouseDown(std::int16_t, std::int16_t, float, float) override { Note("MouseDown"); }
    void MouseMove(std::int16_t, std::int16_t, float, float) override { Note("MouseMove"); }
    void MouseUp(std::int16_t, std::int16_t, float, float) override { Note("MouseUp"); }
    void Click() override { Note("Click"); }
    void DblClick() override { Note("DblClick"); }
    void KeyDown(std::int16_t&, std::int16_t&) override { Note("KeyDown"); }
    void KeyPress(std::int16_t&) override { Note("KeyPress"); }
    void KeyUp(std::int16_t&, std::int16_t&) override { Note("KeyUp"); }
    void GotFocus() override { Note("GotFocus"); }
    void LostFocus() override { Note("LostFocus"); }
    void ExitFocus() override { Note("ExitFocus"); }
    void AccessKeyPress(std::int16_t&) override { Note("AccessKeyPress"); }
    void OLEDragOver(DataObjectRef&, std::int32_t&, std::int16_t&, std::int16_t&, float&, float&,
                     std::int16_t&) override { Note("OLEDragOver"); }
    void OLEDragDrop(DataObjectRef&, std::int32_t&, std::int16_t&, std::int16_t&, float&,
                     float&) override { Note("OLEDragDrop"); }
    void OLEGiveFeedback(std::int32_t&, VBool&) override { Note("OLEGiveFeedback"); }
    void OLEStartDrag(DataObjectRef&, std::int32_t&) override { Note("OLEStartDrag"); }
    void OLESetData(DataObjectRef&, std::int16_t&) override { Note("OLESetData"); }
    void OLECompleteDrag(std::int32_t&) override { Note("OLECompleteDrag"); }
    void TimerTick(TimerId timer) override {
        Note(timer == TimerId::Over ? "TimerTick Over" : "TimerTick Fading");
        if (onTick) onTick(timer);
    }
    std::int32_t GetIDOfName(std::u16string_view, std::int32_t&) const override { return 438; }
    std::int32_t Invoke(std::int32_t, InvokeKind, std::span<Variant>, Variant&) override { return 438; }
    std::int32_t GetInterfaceSafetyOptions(const Guid&, std::uint32_t&, std::uint32_t&) override {
        return 0;
    }
    std::int32_t SetInterfaceSafetyOptions(const Guid&, std::uint32_t, std::uint32_t) override {
        return 0;
    }

private:
    void Note(const std::string& call) {
        m_Calls.push_back(call);
        if (m_Journal) m_Journal->push_back(m_Name + " " + call);
    }

    ControlSite& m_Site;
    std::vector<std::string>* m_Journal;
    std::string m_Name;
    std::vector<std::string> m_Calls;
};

}  // namespace vemmix::test
