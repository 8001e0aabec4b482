// The site of one control: its window (a memory context with a bitmap of
// the window's size), the window-held values, ambients, extender, log,
// timers, pointer and focus requests.
#include <algorithm>

#include <vemmix/headless/HeadlessContainer.h>

namespace vemmix::headless {

namespace {

int Width(const gdi::RECT& r) { return std::max(0, r.right - r.left); }
int Height(const gdi::RECT& r) { return std::max(0, r.bottom - r.top); }
// GetPixel's answer outside the bitmap (CLR_INVALID).
constexpr gdi::COLORREF kNoPixel = 0xFFFFFFFFu;
int TimerIndex(TimerId timer) { return timer == TimerId::Over ? 0 : 1; }

}  // namespace

HeadlessSite::HeadlessSite(HeadlessForm& form, std::u16string name, gdi::RECT bounds)
    : m_Form(form), m_Name(std::move(name)), m_Bounds(bounds), m_Handle(form.NextHandle()) {
    m_WindowDC = gdi::CreateCompatibleDC(gdi::HDC{});
    AllocateWindow();
}

HeadlessSite::~HeadlessSite() {
    // The control may still reach its site while it goes.
    m_Control.reset();
    if (m_StockBitmap) gdi::SelectObject(m_WindowDC, m_StockBitmap);
    if (m_WindowBitmap) gdi::DeleteObject(m_WindowBitmap);
    if (m_WindowDC) gdi::DeleteDC(m_WindowDC);
}

void HeadlessSite::AllocateWindow() {
    if (!m_WindowDC) return;
    gdi::HBITMAP old = m_WindowBitmap;
    m_WindowBitmap = {};
    const int width = Width(m_Bounds);
    const int height = Height(m_Bounds);
    // A window of no size has no image; the stock bitmap stands in.
    if (width > 0 && height > 0) m_WindowBitmap = gdi::CreateCompatibleBitmap(gdi::HDC{}, width, height);
    gdi::HBITMAP previous = gdi::SelectObject(m_WindowDC, m_WindowBitmap ? m_WindowBitmap : m_StockBitmap);
    if (!m_StockBitmap) m_StockBitmap = previous;
    if (old) gdi::DeleteObject(old);
}

void HeadlessSite::SetBounds(gdi::RECT bounds) {
    const bool resized = Width(bounds) != Width(m_Bounds) || Height(bounds) != Height(m_Bounds);
    m_Bounds = bounds;
    if (!resized) return;
    AllocateWindow();
    if (m_Control) m_Control->Resize();
}

void HeadlessSite::SetVisible(bool visible) {
    if (visible == m_Visible) return;
    m_Visible = visible;
    if (!m_Control) return;
    if (visible) m_Control->Show();
    else m_Control->Hide();
}

// ---- window object --------------------------------------------------------------

Platform& HeadlessSite::GetPlatform() {
    m_Form.m_PlatformCaller = this;
    return m_Form.platform();
}

std::int32_t HeadlessSite::SetEnabled(bool enabled) {
    if (windowError != 0) return windowError;
    m_Enabled = enabled;
    return errors::kNone;
}

std::int32_t HeadlessSite::SetMousePointer(std::int16_t pointer) {
    if (windowError != 0) return windowError;
    m_MousePointer = pointer;
    return errors::kNone;
}

std::int32_t HeadlessSite::SetMouseIcon(PictureRef icon) {
    if (windowError != 0) return windowError;
    m_MouseIcon = std::move(icon);
    return errors::kNone;
}

std::int32_t HeadlessSite::SetRightToLeft(bool rightToLeft) {
    if (windowError != 0) return windowError;
    m_RightToLeft = rightToLeft;
    return errors::kNone;
}

std::int32_t HeadlessSite::SetOLEDropMode(std::int16_t mode) {
    if (windowError != 0) return windowError;
    m_OLEDropMode = mode;
    return errors::kNone;
}

double HeadlessSite::ScaleWidth() const { return Width(m_Bounds); }
double HeadlessSite::ScaleHeight() const { return Height(m_Bounds); }

gdi::HDC HeadlessSite::WindowDC() { return m_WindowDC; }

void HeadlessSite::WindowImageChanged() {
    ++m_RepaintCount;
    LogEntry entry = LogEntry::Make(LogEntry::Kind::Repaint, m_Name, u"");
    if (m_Form.snapshotRepaints) {
        const gdi::PixelView view = pixels();
        entry.pixels.assign(view.pixels.begin(), view.pixels.end());
    }
    m_Form.Append(std::move(entry));
}

// A Shaped button asks for it after every repaint: the window's pixels go
// into the picture in one copy (MakeBitmapPicture clears stray high bytes).
PictureRef HeadlessSite::Image() {
    const gdi::PixelView view = pixels();
    if (view.width <= 0 || view.height <= 0 || view.bitsPerPixel != 32) return nullptr;
    return MakeBitmapPicture(view.width, view.height, view.pixels, m_Form.platform().ScreenDpiX());
}

std::int32_t HeadlessSite::OLEDrag() {
    m_Form.Append(LogEntry::Make(LogEntry::Kind::Drag, m_Name, u""));
    return errors::kNone;
}

gdi::PixelView HeadlessSite::pixels() const {
    if (!m_WindowBitmap) return {};
    return gdi::GetBitmapPixels(m_WindowBitmap);
}

std::vector<bool> HeadlessSite::shape() const {
    const int width = Width(m_Bounds);
    const int height = Height(m_Bounds);
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (m_BackStyle != 0) return std::vector<bool>(count, true);

    // Transparent: the mask picture cuts the window; outside it nothing shows.
    std::vector<bool> visible(count, false);
    if (!m_MaskPicture || m_MaskPicture->type != PictureType::Bitmap || !m_MaskPicture->bitmap)
        return visible;
    const gdi::PixelView mask = gdi::GetBitmapPixels(m_MaskPicture->bitmap);
    const int w = std::min(width, mask.width);
    const int h = std::min(height, mask.height);
    const std::uint32_t maskPixel = gdi::PixelFromColor(m_MaskColor) & 0x00FFFFFFu;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = mask.pixels[static_cast<std::size_t>(y) * mask.width + x];
            const bool differs = mask.bitsPerPixel == 32 ? (p & 0x00FFFFFFu) != maskPixel
                                                         : (p ? 0x00FFFFFFu : 0u) != maskPixel;
            visible[static_cast<std::size_t>(y) * width + x] = differs;
        }
    }
    return visible;
}

gdi::COLORREF HeadlessSite::PixelAt(int x, int y) const {
    const gdi::PixelView view = pixels();
    if (x < 0 || y < 0 || x >= view.width || y >= view.height) return kNoPixel;
    const std::uint32_t p = view.pixels[static_cast<std::size_t>(y) * view.width + x];
    if (view.bitsPerPixel != 32) return p ? 0x00FFFFFFu : 0u;
    return gdi::ColorFromPixel(p & 0x00FFFFFFu);
}

// ---- ambient properties and extender --------------------------------------------

std::optional<OleColor> HeadlessSite::AmbientBackColor() const {
    if (!m_Form.offerAmbients) return std::nullopt;
    return m_Form.ambientBackColor;
}

std::optional<std::u16string> HeadlessSite::AmbientDisplayName() const {
    if (!m_Form.offerAmbients) return std::nullopt;
    return displayName.value_or(m_Name);
}

std::optional<FontRef> HeadlessSite::AmbientFont() const {
    if (!m_Form.offerAmbients) return std::nullopt;
    return m_Form.ambientFont;
}

std::optional<bool> HeadlessSite::AmbientUserMode() const {
    if (!m_Form.offerAmbients) return std::nullopt;
    return m_Form.ambientUserMode;
}

std::optional<bool> HeadlessSite::AmbientDisplayAsDefault() const {
    if (!m_Form.offerAmbients) return std::nullopt;
    return displayAsDefault;
}

std::optional<std::u16string> HeadlessSite::ExtenderToolTipText() const { return extenderToolTipText; }

bool HeadlessSite::SetExtenderToolTipText(std::u16string_view text) {
    if (!extenderToolTipText) return false;
    extenderToolTipText = std::u16string(text);
    return true;
}

// ---- notifications and events ---------------------------------------------------

void HeadlessSite::PropertyChanged(std::u16string_view name) {
    m_Form.Append(LogEntry::Make(LogEntry::Kind::PropertyChanged, m_Name, std::u16string(name)));
}

namespace {

// The event's name from the control's own type information.
std::u16string EventName(const Control* control, std::int32_t dispid) {
    if (const typelib::Event* event = control ? control->GetTypeInfo().FindEvent(dispid) : nullptr)
        return std::u16string(event->name);
    std::u16string name = u"Event";
    for (char c : std::to_string(dispid)) name.push_back(static_cast<char16_t>(c));
    return name;
}

}  // namespace

std::int32_t HeadlessSite::RaiseEvent(std::int32_t dispid, std::span<Variant> args) {
    // Nesting across the form's controls is bounded (kMaxEventNesting): the
    // raise that would go deeper, and every raise after it until the
    // outermost has returned, fails with 28 and reaches no handler.
    const EventNesting::Scope scope(m_Form.m_EventNesting);
    if (!scope.Entered()) return errors::kOutOfStackSpace;

    // The entry goes in first so that what the handler causes follows it;
    // its arguments are what the handler left.
    const std::size_t index = m_Form.m_Log.size();
    LogEntry entry = LogEntry::Make(LogEntry::Kind::Event, m_Name, EventName(m_Control.get(), dispid));
    entry.dispid = dispid;
    m_Form.Append(std::move(entry));

    std::int32_t error = errors::kNone;
    if (onEvent) error = onEvent(dispid, args);
    if (index < m_Form.m_Log.size()) m_Form.m_Log[index].args.assign(args.begin(), args.end());
    return error;
}

// ---- timers ------------------------------------------------------------------------

void HeadlessSite::SetTimer(TimerId timer, std::uint32_t intervalMs, bool enabled) {
    Timer& t = m_Timers[TimerIndex(timer)];
    if (!enabled) {
        t.enabled = false;
        t.interval = intervalMs;
        return;
    }
    // Enabling a running timer with the same interval keeps its schedule.
    if (t.enabled && t.interval == intervalMs) return;
    t.enabled = true;
    t.interval = intervalMs;
    t.nextDue = m_Form.now() + intervalMs;
}

bool HeadlessSite::TimerEnabled(TimerId timer) const { return m_Timers[TimerIndex(timer)].enabled; }

// ---- pointer and focus ---------------------------------------------------------------

bool HeadlessSite::IsPointerOverWindow() const { return m_Form.WindowAtPointer() == m_Handle; }

void HeadlessSite::MoveFocus(bool forward) {
    m_Form.Append(LogEntry::Make(LogEntry::Kind::Focus, m_Name, forward ? u"next" : u"previous"));
    m_Form.MoveFocusFrom(this, forward);
}

}  // namespace vemmix::headless
