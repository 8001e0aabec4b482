// The headless platform: every answer settable, every tooltip request recorded.
#include <algorithm>

#include <vemmix/headless/BuiltinTextRenderer.h>
#include <vemmix/headless/HeadlessContainer.h>

namespace vemmix::headless {

namespace {

// The classic table with the owner's overrides on top.
class OverriddenSystemColors final : public SystemColorTable {
public:
    explicit OverriddenSystemColors(const std::map<int, gdi::COLORREF>& overrides)
        : m_Overrides(overrides) {}
    std::optional<COLORREF> SystemColor(int index) const override {
        if (auto it = m_Overrides.find(index); it != m_Overrides.end()) return it->second;
        return ClassicSystemColors().SystemColor(index);
    }

private:
    const std::map<int, gdi::COLORREF>& m_Overrides;
};

// As the visual-style call fills a buffer of 256 spaces: the name, a NUL,
// and the spaces it did not touch.
std::u16string FillBuffer(std::u16string_view name) {
    constexpr std::size_t kCapacity = 256;
    std::u16string buffer(kCapacity, u' ');
    const std::size_t length = std::min(name.size(), kCapacity - 1);
    buffer.replace(0, length, name.substr(0, length));
    buffer[length] = u'\0';
    return buffer;
}

}  // namespace

HeadlessPlatform::HeadlessPlatform(HeadlessForm& form)
    : m_Form(form),
      m_SystemColors(std::make_unique<OverriddenSystemColors>(m_SystemColorOverrides)) {
    // The default desktop: Windows XP, Luna blue.
    SetVisualStyle(u"C:\\WINDOWS\\resources\\Themes\\Luna\\Luna.msstyles", u"NormalColor",
                   u"NormalSize");
}

HeadlessPlatform::~HeadlessPlatform() = default;

const SystemColorTable& HeadlessPlatform::SystemColors() const { return *m_SystemColors; }

std::optional<VisualStyleBuffers> HeadlessPlatform::CurrentThemeName() const {
    return m_VisualStyle;
}

TextRenderer& HeadlessPlatform::Text() {
    if (m_Text) return *m_Text;
    if (!m_BuiltinText) m_BuiltinText = MakeBuiltinTextRenderer();
    return *m_BuiltinText;
}

void HeadlessPlatform::SetSystemColor(int index, gdi::COLORREF colour) {
    m_SystemColorOverrides[index] = colour;
}

void HeadlessPlatform::SetVisualStyle(std::optional<std::u16string> themeFile,
                                      std::u16string colorName, std::u16string sizeName) {
    if (!themeFile) {
        m_VisualStyle.reset();
        return;
    }
    m_VisualStyle = VisualStyleBuffers{FillBuffer(*themeFile), FillBuffer(colorName),
                                       FillBuffer(sizeName)};
}

void HeadlessPlatform::SetVisualStyleBuffers(std::optional<VisualStyleBuffers> buffers) {
    m_VisualStyle = std::move(buffers);
}

void HeadlessPlatform::SetScreenDpi(int dpiX, int dpiY) {
    m_DpiX = dpiX;
    m_DpiY = dpiY;
}

void HeadlessPlatform::SetTextRenderer(TextRenderer* renderer) { m_Text = renderer; }

const TooltipRecord* HeadlessPlatform::FindTooltip(std::int32_t handle) const {
    for (const TooltipRecord& record : m_Tooltips)
        if (record.handle == handle) return &record;
    return nullptr;
}

// ---- tooltip facility --------------------------------------------------------

namespace {

TooltipRecord* FindLive(std::vector<TooltipRecord>& records, std::int32_t handle) {
    for (TooltipRecord& record : records)
        if (record.handle == handle && record.alive) return &record;
    return nullptr;
}

}  // namespace

std::int32_t HeadlessPlatform::CreateTooltip(bool balloon) {
    TooltipRecord record;
    // Tooltips are windows: their handles share the form's window numbering.
    record.handle = m_Form.NextHandle();
    record.balloon = balloon;
    if (m_Form.m_PlatformCaller) record.control = m_Form.m_PlatformCaller->name();
    m_Tooltips.push_back(record);

    LogEntry entry = LogEntry::Make(LogEntry::Kind::Tooltip, record.control, u"create");
    entry.args.push_back(Variant::Boolean(balloon));
    m_Form.Append(std::move(entry));
    return record.handle;
}

bool HeadlessPlatform::AddTool(std::int32_t tooltip, std::int32_t window, gdi::RECT area,
                               std::u16string_view text) {
    TooltipRecord* record = FindLive(m_Tooltips, tooltip);
    if (!record) return false;
    record->window = window;
    record->area = area;
    record->text = std::u16string(text);
    for (const auto& site : m_Form.sites())
        if (site->WindowHandle() == window) record->control = site->name();

    LogEntry entry = LogEntry::Make(LogEntry::Kind::Tooltip, record->control, u"addtool");
    entry.args.emplace_back(record->text);
    m_Form.Append(std::move(entry));
    return true;
}

bool HeadlessPlatform::SetTitle(std::int32_t tooltip, std::int32_t icon, std::u16string_view title) {
    TooltipRecord* record = FindLive(m_Tooltips, tooltip);
    if (!record) return false;
    record->titleIcon = icon;
    record->title = std::u16string(title);

    LogEntry entry = LogEntry::Make(LogEntry::Kind::Tooltip, record->control, u"title");
    entry.args.emplace_back(icon);
    entry.args.emplace_back(record->title);
    m_Form.Append(std::move(entry));
    return true;
}

bool HeadlessPlatform::SetBackColor(std::int32_t tooltip, gdi::COLORREF colour) {
    TooltipRecord* record = FindLive(m_Tooltips, tooltip);
    if (!record) return false;
    record->backColor = colour;

    LogEntry entry = LogEntry::Make(LogEntry::Kind::Tooltip, record->control, u"backcolor");
    entry.args.emplace_back(static_cast<std::int32_t>(colour));
    m_Form.Append(std::move(entry));
    return true;
}

bool HeadlessPlatform::SetTextColor(std::int32_t tooltip, gdi::COLORREF colour) {
    TooltipRecord* record = FindLive(m_Tooltips, tooltip);
    if (!record) return false;
    record->textColor = colour;

    LogEntry entry = LogEntry::Make(LogEntry::Kind::Tooltip, record->control, u"textcolor");
    entry.args.emplace_back(static_cast<std::int32_t>(colour));
    m_Form.Append(std::move(entry));
    return true;
}

void HeadlessPlatform::DestroyTooltip(std::int32_t tooltip) {
    TooltipRecord* record = FindLive(m_Tooltips, tooltip);
    if (!record) return;
    record->alive = false;
    m_Form.Append(LogEntry::Make(LogEntry::Kind::Tooltip, record->control, u"destroy"));
}

}  // namespace vemmix::headless
