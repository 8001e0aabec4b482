#include "NativeControls.h"

#include <vemmix/host/FormControls.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <span>
#include <vector>

#include <vemmix/Errors.h>
#include <vemmix/StdObjects.h>
#include <vemmix/TextRenderer.h>

namespace vemmix::host::detail {

namespace {

using typelib::Access;
using typelib::Member;
using typelib::ValueType;

// ---- the properties of the native classes ------------------------------------------
// Dispatch identifiers are positions in these tables, from 1.

constexpr Member kFrameMembers[] = {
    {u"Caption", 1, Access::GetPut, ValueType::String, {}, false, false, u"The text in the frame's border"},
    {u"BackColor", 2, Access::GetPut, ValueType::Colour, {}, false, false, u"The frame's background colour"},
    {u"ForeColor", 3, Access::GetPut, ValueType::Colour, {}, false, false, u"The caption's colour"},
    {u"Font", 4, Access::GetPutRef, ValueType::Font, {}, false, false, u"The caption's font"},
    {u"Enabled", 5, Access::GetPut, ValueType::Bool, {}, false, false, u"Whether the frame is enabled"},
};

constexpr Member kLabelMembers[] = {
    {u"Caption", 1, Access::GetPut, ValueType::String, {}, false, false, u"The label's text"},
    {u"BackColor", 2, Access::GetPut, ValueType::Colour, {}, false, false, u"The background colour"},
    {u"ForeColor", 3, Access::GetPut, ValueType::Colour, {}, false, false, u"The text's colour"},
    {u"Font", 4, Access::GetPutRef, ValueType::Font, {}, false, false, u"The text's font"},
    {u"Enabled", 5, Access::GetPut, ValueType::Bool, {}, false, false, u"Whether the label is enabled"},
    {u"Alignment", 6, Access::GetPut, ValueType::Int32, {}, false, false, u"0 left, 1 right, 2 centre"},
    {u"BackStyle", 7, Access::GetPut, ValueType::Int32, {}, false, false, u"0 transparent, 1 opaque"},
};

enum Dispid { kCaption = 1, kBackColor, kForeColor, kFont, kEnabled, kAlignment, kBackStyle };

const typelib::TypeInfo kFrameInfo{.libraryName = u"Vemmix host", .className = u"Frame",
                                   .progId = u"Frame", .members = kFrameMembers};
const typelib::TypeInfo kLabelInfo{.libraryName = u"Vemmix host", .className = u"Label",
                                   .progId = u"Label", .members = kLabelMembers};
const typelib::TypeInfo kPlaceholderInfo{.libraryName = u"Vemmix host", .className = u"Placeholder",
                                         .progId = u"Placeholder"};

// The classic system colours the native controls draw with.
constexpr int kButtonShadow = 16, kGreyText = 17, kButtonHighlight = 20;

// An image the size of the window, drawn into and then copied to it whole.
class Canvas {
public:
    Canvas(int width, int height)
        : m_Width(width), m_Height(height), m_Pixels(static_cast<std::size_t>(width) * height) {}

    gdi::PixelView View() { return gdi::PixelView{m_Width, m_Height, 32, m_Pixels}; }
    int width() const { return m_Width; }
    int height() const { return m_Height; }

    void Fill(int left, int top, int right, int bottom, COLORREF colour) {
        left = std::clamp(left, 0, m_Width);
        right = std::clamp(right, 0, m_Width);
        top = std::clamp(top, 0, m_Height);
        bottom = std::clamp(bottom, 0, m_Height);
        const std::uint32_t pixel = gdi::PixelFromColor(colour) & 0x00FFFFFFu;
        for (int y = top; y < bottom; ++y)
            std::fill_n(m_Pixels.begin() + static_cast<std::ptrdiff_t>(y) * m_Width + left,
                        std::max(0, right - left), pixel);
    }
    // The outline of left..right-1, top..bottom-1.
    void Frame(int left, int top, int right, int bottom, COLORREF colour) {
        Fill(left, top, right, top + 1, colour);
        Fill(left, bottom - 1, right, bottom, colour);
        Fill(left, top, left + 1, bottom, colour);
        Fill(right - 1, top, right, bottom, colour);
    }
    std::span<const std::uint32_t> pixels() const { return m_Pixels; }

private:
    int m_Width, m_Height;
    std::vector<std::uint32_t> m_Pixels;
};

// The LOGFONT the caption code builds from a font: character height from
// the points at the screen's resolution, rounded as MulDiv rounds.
gdi::LOGFONT LogFontOf(const FontDescription& font, int dpiY) {
    gdi::LOGFONT lf;
    const double points = std::nearbyint(font.size);  // halves to even
    const double height = std::floor(points * dpiY / 72.0 + 0.5);
    lf.lfHeight = -static_cast<std::int32_t>(std::clamp(height, 0.0, 100000.0));
    lf.lfWeight = font.bold ? 700 : 400;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strikethrough;
    lf.lfCharSet = static_cast<std::uint8_t>(font.charset);
    for (std::size_t i = 0; i < font.name.size() && i < 31; ++i)
        lf.lfFaceName[i] = font.name[i] < 0x100 ? static_cast<char>(font.name[i]) : '?';
    return lf;
}

// What every native control does the same way: its window, its fonts and
// colours, the lifecycle, and the notifications it has no use for.
class NativeControl : public Control {
public:
    explicit NativeControl(ControlSite& site) : m_Site(site) {}

    void Initialize() override {}
    void Show() override {
        m_Hidden = false;
        Redraw();
    }
    void Hide() override { m_Hidden = true; }
    void Resize() override { Redraw(); }
    void Paint() override { Redraw(); }
    void Terminate() override {}
    void AmbientChanged(std::u16string_view) override { Redraw(); }
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
    std::int32_t GetInterfaceSafetyOptions(const Guid&, std::uint32_t& supported, std::uint32_t& enabled) override {
        supported = enabled = kSafeForUntrustedCaller | kSafeForUntrustedData;
        return errors::kNone;
    }
    std::int32_t SetInterfaceSafetyOptions(const Guid&, std::uint32_t, std::uint32_t) override {
        return errors::kNone;
    }

protected:
    virtual void Draw(Canvas& canvas) = 0;

    COLORREF Translate(OleColor colour) {
        return TranslateColor(colour, m_Site.GetPlatform().SystemColors());
    }
    COLORREF System(int index) { return Translate(SystemColorRef(index)); }
    FontRef AmbientFont() const {
        const std::optional<FontRef> font = m_Site.AmbientFont();
        return font ? *font : nullptr;
    }

    // DrawText with `font` (the ambient font when none) into the canvas.
    int Text(Canvas& canvas, const FontRef& font, std::u16string_view text, gdi::RECT& rect,
             unsigned format, COLORREF colour) {
        const FontRef use = font ? font : AmbientFont();
        const FontDescription description = use ? use->Description() : FontDescription{};
        const gdi::LOGFONT lf = LogFontOf(description, m_Site.ScreenDpiY());
        TextRenderer::Target target;
        target.pixels = canvas.View();
        target.textColor = colour;
        target.backgroundMode = gdi::TRANSPARENT;
        target.direction = m_Site.RightToLeft() ? TextRenderer::Direction::RightToLeft
                                                : TextRenderer::Direction::LeftToRight;
        return m_Site.GetPlatform().Text().DrawText(target, TextRenderer::Font{lf, description.name}, text,
                                                    rect, format);
    }

    void Redraw() {
        if (m_Hidden) return;
        const int w = static_cast<int>(m_Site.ScaleWidth());
        const int h = static_cast<int>(m_Site.ScaleHeight());
        const gdi::PixelView window = gdi::GetBitmapPixels(gdi::GetCurrentBitmap(m_Site.WindowDC()));
        if (w <= 0 || h <= 0 || window.bitsPerPixel != 32 || window.width != w || window.height != h) return;
        Canvas canvas(w, h);
        Draw(canvas);
        std::copy(canvas.pixels().begin(), canvas.pixels().end(), window.pixels.begin());
        Finished(canvas);
        m_Site.WindowImageChanged();
    }
    // After the image is in the window, before the container is told.
    virtual void Finished(Canvas&) {}

    ControlSite& m_Site;
    bool m_Hidden = true;
};

// A native control whose properties are the members of its class, kept as
// values, persisted with their defaults and reached through dispatch.
class PropertyControl : public NativeControl {
public:
    PropertyControl(ControlSite& site, const typelib::TypeInfo& info)
        : NativeControl(site), m_Info(info), m_Values(info.members.size()) {}

    const typelib::TypeInfo& GetTypeInfo() const override { return m_Info; }

    void InitProperties() override {
        for (const Member& m : m_Info.members) Slot(m.dispid) = Default(m.dispid);
    }
    void ReadProperties(PropertyBag& bag) override {
        for (const Member& m : m_Info.members) {
            const std::optional<Variant> value = bag.ReadProperty(m.name, Default(m.dispid));
            std::optional<Variant> converted = value ? Convert(m, *value) : std::nullopt;
            if (!converted) {
                bag.LogError(m.name, errors::kTypeMismatch, u"not a value of the property's kind");
                continue;
            }
            Slot(m.dispid) = std::move(*converted);
        }
    }
    void WriteProperties(PropertyBag& bag) override {
        for (const Member& m : m_Info.members) bag.WriteProperty(m.name, Slot(m.dispid), Default(m.dispid));
    }

    std::int32_t GetIDOfName(std::u16string_view name, std::int32_t& dispid) const override {
        const Member* m = m_Info.FindMember(name);
        if (!m) return errors::kUnknownMember;
        dispid = m->dispid;
        return errors::kNone;
    }
    std::int32_t Invoke(std::int32_t dispid, InvokeKind kind, std::span<Variant> args, Variant& result) override {
        const Member* m = m_Info.FindMember(dispid);
        if (!m || kind == InvokeKind::Method) return errors::kUnknownMember;
        if (kind == InvokeKind::PropertyGet) {
            if (!args.empty()) return errors::kWrongArgumentCount;
            result = Slot(dispid);
            return errors::kNone;
        }
        if (args.size() != 1) return errors::kWrongArgumentCount;
        std::optional<Variant> converted = Convert(*m, args[0]);
        if (!converted) return errors::kTypeMismatch;
        Slot(dispid) = std::move(*converted);
        m_Site.PropertyChanged(m->name);
        Redraw();
        return errors::kNone;
    }

protected:
    Variant& Slot(std::int32_t dispid) { return m_Values[static_cast<std::size_t>(dispid - 1)]; }
    std::u16string Caption() { return ToString(Slot(kCaption)).value_or(std::u16string()); }
    COLORREF ColourOf(std::int32_t dispid) { return Translate(ToInt32(Slot(dispid)).value_or(0)); }
    FontRef Font() { return ToFont(Slot(kFont)).value_or(nullptr); }
    bool Enabled() { return ToBool(Slot(kEnabled)).value_or(kTrue) != kFalse; }
    std::int32_t Number(std::int32_t dispid) { return ToInt32(Slot(dispid)).value_or(0); }

private:
    Variant Default(std::int32_t dispid) const {
        switch (dispid) {
        case kCaption: return Variant(m_Site.AmbientDisplayName().value_or(std::u16string()));
        case kBackColor: return Variant(SystemColorRef(15));
        case kForeColor: return Variant(SystemColorRef(18));
        case kFont: return Variant(AmbientFont());
        case kEnabled: return Variant::Boolean(true);
        case kAlignment: return Variant(std::int32_t{0});
        case kBackStyle: return Variant(std::int32_t{1});
        default: return Variant();
        }
    }
    static std::optional<Variant> Convert(const Member& m, const Variant& value) {
        switch (m.type) {
        case ValueType::String:
            if (auto s = ToString(value)) return Variant(std::move(*s));
            return std::nullopt;
        case ValueType::Colour:
        case ValueType::Int32:
            if (auto n = ToInt32(value)) return Variant(*n);
            return std::nullopt;
        case ValueType::Bool:
            if (auto b = ToBool(value)) return Variant::Boolean(*b != kFalse);
            return std::nullopt;
        case ValueType::Font:
            if (auto f = ToFont(value)) return Variant(std::move(*f));
            return std::nullopt;
        default: return std::nullopt;
        }
    }

    const typelib::TypeInfo& m_Info;
    std::vector<Variant> m_Values;
};

class FrameControl final : public PropertyControl {
public:
    explicit FrameControl(ControlSite& site) : PropertyControl(site, kFrameInfo) {}

private:
    void Draw(Canvas& canvas) override {
        const int w = canvas.width(), h = canvas.height();
        const COLORREF back = ColourOf(kBackColor);
        canvas.Fill(0, 0, w, h, back);
        const std::u16string caption = Caption();
        // the border runs through the middle of the caption's line
        gdi::RECT measured{0, 0, w, 0};
        const int lineHeight =
            Text(canvas, Font(), caption.empty() ? u"X" : std::u16string_view(caption), measured,
                 gdi::DT_SINGLELINE | gdi::DT_CALCRECT, 0);
        const int top = lineHeight / 2;
        // etched border: shadow, then highlight one pixel in
        canvas.Frame(0, top, w - 1, h - 1, System(kButtonShadow));
        canvas.Frame(1, top + 1, w, h, System(kButtonHighlight));
        if (caption.empty()) return;
        // the caption cuts the border
        canvas.Fill(6, 0, std::min(w, measured.right + 10), lineHeight, back);
        gdi::RECT rect{8, 0, w, lineHeight};
        Text(canvas, Font(), caption, rect, gdi::DT_LEFT | gdi::DT_SINGLELINE,
             Enabled() ? ColourOf(kForeColor) : System(kGreyText));
    }
};

class LabelControl final : public PropertyControl {
public:
    explicit LabelControl(ControlSite& site) : PropertyControl(site, kLabelInfo) {}

private:
    void Draw(Canvas& canvas) override {
        const COLORREF back = ColourOf(kBackColor);
        canvas.Fill(0, 0, canvas.width(), canvas.height(), back);
        const std::int32_t alignment = Number(kAlignment);
        const unsigned align = alignment == 1 ? gdi::DT_RIGHT : alignment == 2 ? gdi::DT_CENTER : gdi::DT_LEFT;
        gdi::RECT rect{0, 0, canvas.width(), canvas.height()};
        Text(canvas, Font(), Caption(), rect, align | gdi::DT_WORDBREAK,
             Enabled() ? ColourOf(kForeColor) : System(kGreyText));
    }
    // A transparent label shows only its text: the window's shape is the
    // pixels that differ from the back colour.
    void Finished(Canvas& canvas) override {
        const bool transparent = Number(kBackStyle) == 0;
        m_Site.SetBackStyle(transparent ? 0 : 1);
        if (!transparent) return;
        std::vector<std::uint32_t> pixels(canvas.pixels().begin(), canvas.pixels().end());
        m_Site.SetMaskColor(ColourOf(kBackColor));
        m_Site.SetMaskPicture(MakeBitmapPicture(canvas.width(), canvas.height(), pixels));
    }
};

class PlaceholderControl final : public NativeControl {
public:
    PlaceholderControl(ControlSite& site, const QString& className, std::int32_t error)
        : NativeControl(site),
          m_Text(QStringLiteral("%1\n(error %2)").arg(className).arg(error).toStdU16String()) {}

    const typelib::TypeInfo& GetTypeInfo() const override { return kPlaceholderInfo; }
    // The container keeps the property set; the placeholder has no properties.
    void InitProperties() override {}
    void ReadProperties(PropertyBag&) override {}
    void WriteProperties(PropertyBag&) override {}
    std::int32_t GetIDOfName(std::u16string_view, std::int32_t&) const override { return errors::kUnknownMember; }
    std::int32_t Invoke(std::int32_t, InvokeKind, std::span<Variant>, Variant&) override {
        return errors::kUnknownMember;
    }

private:
    void Draw(Canvas& canvas) override {
        const int w = canvas.width(), h = canvas.height();
        constexpr COLORREF kRed = 0x000000C0;
        canvas.Fill(0, 0, w, h, 0x00E0E0E0);
        canvas.Frame(0, 0, w, h, kRed);
        canvas.Frame(1, 1, w - 1, h - 1, kRed);
        gdi::RECT rect{3, 3, w - 3, h - 3};
        Text(canvas, nullptr, m_Text, rect, gdi::DT_CENTER | gdi::DT_WORDBREAK | gdi::DT_NOPREFIX, 0x00000080);
    }

    std::u16string m_Text;
};

}  // namespace

bool IsNativeClass(QStringView className) {
    return className.compare(QLatin1String("Frame"), Qt::CaseInsensitive) == 0 ||
           className.compare(QLatin1String("Label"), Qt::CaseInsensitive) == 0;
}

std::unique_ptr<Control> MakeNativeControl(QStringView className, ControlSite& site) {
    if (className.compare(QLatin1String("Frame"), Qt::CaseInsensitive) == 0)
        return std::make_unique<FrameControl>(site);
    if (className.compare(QLatin1String("Label"), Qt::CaseInsensitive) == 0)
        return std::make_unique<LabelControl>(site);
    return nullptr;
}

}  // namespace vemmix::host::detail

namespace vemmix::host {

std::unique_ptr<Control> MakePlaceholder(ControlSite& site, const QString& className, std::int32_t error) {
    return std::make_unique<detail::PlaceholderControl>(site, className, error);
}

}  // namespace vemmix::host
