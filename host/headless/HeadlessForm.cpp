// The headless form: its controls in z-order (bottom first, which is also
// the order of creation and the tab order), popups, pointer, focus and the
// virtual clock.
#include <stdexcept>

#include <vemmix/headless/HeadlessContainer.h>

namespace vemmix::headless {

namespace {

bool Contains(const gdi::RECT& r, gdi::POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

HeadlessForm::HeadlessForm() : m_Platform(std::make_unique<HeadlessPlatform>(*this)) {
    ambientFont = MakeFont(FontDescription{});
}

HeadlessForm::~HeadlessForm() {
    // Every control ends before any window goes, as when a form closes.
    for (auto& site : m_Sites)
        if (site->m_Control) site->m_Control->Terminate();
    m_Focus = nullptr;
    m_PlatformCaller = nullptr;
    m_Sites.clear();
}

HeadlessSite* HeadlessForm::AddControl(std::u16string_view classId, std::u16string name,
                                       gdi::RECT bounds, std::int32_t* error) {
    auto site = std::make_unique<HeadlessSite>(*this, std::move(name), bounds);
    std::int32_t createError = errors::kNone;
    std::unique_ptr<Control> control = CreateControl(classId, *site, &createError);
    if (!control) {
        if (error) *error = createError != errors::kNone ? createError : errors::kCannotCreateObject;
        return nullptr;
    }
    if (error) *error = errors::kNone;
    HeadlessSite* result = site.get();
    result->m_Control = std::move(control);
    m_Sites.push_back(std::move(site));
    result->m_Control->Initialize();
    return result;
}

HeadlessSite* HeadlessForm::AddCustomControl(const ControlMaker& make, std::u16string name,
                                             gdi::RECT bounds) {
    auto site = std::make_unique<HeadlessSite>(*this, std::move(name), bounds);
    std::unique_ptr<Control> control = make ? make(*site) : nullptr;
    if (!control) return nullptr;
    HeadlessSite* result = site.get();
    result->m_Control = std::move(control);
    m_Sites.push_back(std::move(site));
    result->m_Control->Initialize();
    return result;
}

Control& HeadlessForm::AddButton(std::u16string name, gdi::RECT bounds) {
    std::int32_t error = errors::kNone;
    HeadlessSite* site = AddControl(u"Vemmix.Zorvane", std::move(name), bounds, &error);
    if (!site)
        throw std::runtime_error("cannot create Vemmix.Zorvane (error " + std::to_string(error) + ")");
    Control& button = site->control();
    button.InitProperties();
    button.Show();
    return button;
}

void HeadlessForm::RemoveControl(HeadlessSite& site) {
    if (site.m_Control) site.m_Control->Terminate();
    if (m_Focus == &site) m_Focus = nullptr;
    if (m_PlatformCaller == &site) m_PlatformCaller = nullptr;
    std::erase_if(m_Sites, [&](const std::unique_ptr<HeadlessSite>& s) { return s.get() == &site; });
}

HeadlessSite* HeadlessForm::Find(std::u16string_view name) {
    for (auto& site : m_Sites)
        if (site->name() == name) return site.get();
    return nullptr;
}

// ---- windows and the pointer ------------------------------------------------------

int HeadlessForm::AddPopup(gdi::RECT area) {
    const int id = NextHandle();
    m_Popups.push_back(Popup{id, area});
    return id;
}

void HeadlessForm::RemovePopup(int id) {
    std::erase_if(m_Popups, [id](const Popup& p) { return p.id == id; });
}

std::int32_t HeadlessForm::WindowAtPointer() const {
    if (!m_Pointer) return 0;
    const gdi::POINT p = *m_Pointer;

    // popups, latest on top
    for (auto it = m_Popups.rbegin(); it != m_Popups.rend(); ++it)
        if (Contains(it->area, p)) return it->id;

    // tooltips over their tools, latest on top
    if (tooltipsHitTest) {
        const auto& tips = m_Platform->TooltipRecords();
        for (auto it = tips.rbegin(); it != tips.rend(); ++it) {
            if (!it->alive || it->window == 0) continue;
            for (const auto& site : m_Sites) {
                if (site->WindowHandle() != it->window || !site->visible()) continue;
                const gdi::RECT b = site->bounds();
                const gdi::RECT area{it->area.left + b.left, it->area.top + b.top,
                                     it->area.right + b.left, it->area.bottom + b.top};
                if (Contains(area, p)) return it->handle;
            }
        }
    }

    // control windows, top of the z-order first
    for (auto it = m_Sites.rbegin(); it != m_Sites.rend(); ++it)
        if ((*it)->visible() && Contains((*it)->bounds(), p)) return (*it)->WindowHandle();
    return 0;
}

// ---- focus ---------------------------------------------------------------------------

void HeadlessForm::SetFocus(HeadlessSite* site) {
    if (site == m_Focus) return;
    HeadlessSite* old = m_Focus;
    m_Focus = site;
    if (old && old->m_Control) {
        old->m_Control->LostFocus();
        old->m_Control->ExitFocus();
    }
    if (site && site->m_Control) site->m_Control->GotFocus();
}

void HeadlessForm::MoveFocusFrom(HeadlessSite* origin, bool forward) {
    const int count = static_cast<int>(m_Sites.size());
    if (count == 0) return;
    HeadlessSite* from = m_Focus ? m_Focus : origin;
    int start = -1;
    for (int i = 0; i < count; ++i)
        if (m_Sites[i].get() == from) start = i;
    if (start < 0) start = forward ? count - 1 : 0;  // from nowhere: the first or the last

    // Disabled windows take no focus, as on the desktop.
    for (int step = 1; step <= count; ++step) {
        const int i = ((forward ? start + step : start - step) % count + count) % count;
        HeadlessSite* candidate = m_Sites[i].get();
        if (candidate->tabStop && candidate->Enabled()) {
            SetFocus(candidate);
            return;
        }
    }
}

// ---- the virtual clock ----------------------------------------------------------------

void HeadlessForm::AdvanceTime(std::uint64_t milliseconds) {
    const std::uint64_t end = m_Now + milliseconds;
    for (;;) {
        // The earliest due tick; ties go to the lower window, then timerOver.
        HeadlessSite* dueSite = nullptr;
        int dueTimer = 0;
        std::uint64_t dueAt = end + 1;
        for (auto& site : m_Sites) {
            for (int t = 0; t < 2; ++t) {
                const HeadlessSite::Timer& timer = site->m_Timers[t];
                // An interval of 0 never fires, as with a form's timer.
                if (!timer.enabled || timer.interval == 0 || timer.nextDue > end) continue;
                if (timer.nextDue < dueAt) {
                    dueAt = timer.nextDue;
                    dueSite = site.get();
                    dueTimer = t;
                }
            }
        }
        if (!dueSite) break;
        m_Now = dueAt;
        HeadlessSite::Timer& timer = dueSite->m_Timers[dueTimer];
        // Schedule first: the handler may stop or restart the timer.
        timer.nextDue += timer.interval;
        if (dueSite->m_Control) dueSite->m_Control->TimerTick(dueTimer == 0 ? TimerId::Over : TimerId::Fading);
    }
    m_Now = end;
}

}  // namespace vemmix::headless
