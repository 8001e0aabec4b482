#include <vemmix/host/HostedForm.h>

#include <algorithm>
#include <functional>

#include <QGuiApplication>
#include <QPainter>

#include <vemmix/Dispatch.h>
#include <vemmix/Errors.h>
#include <vemmix/host/Desktop.h>
#include <vemmix/host/FormControls.h>
#include <vemmix/host/QtTextRenderer.h>

namespace vemmix::host {

namespace {

struct StateNameRow {
    ControlState state;
    const char* name;
};
constexpr StateNameRow kStateNames[] = {
    {ControlState::Released, "released"}, {ControlState::Hover, "hover"},
    {ControlState::Focus, "focus"},       {ControlState::Pressed, "pressed"},
    {ControlState::DropDownPressed, "dropdown-pressed"},
    {ControlState::Toggled, "toggled"},   {ControlState::Disabled, "disabled"},
};

QString FromU16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

gdi::RECT Intersect(const gdi::RECT& a, const gdi::RECT& b) {
    return gdi::RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                     std::min(a.bottom, b.bottom)};
}

// A window's pixels as an image: opaque where the window has its shape.
QImage WindowImage(const headless::HeadlessSite& site) {
    const gdi::PixelView view = site.pixels();
    if (view.bitsPerPixel != 32 || view.width <= 0 || view.height <= 0) return {};
    const std::vector<bool> shape = site.shape();
    QImage image(view.width, view.height, QImage::Format_ARGB32);
    for (int y = 0; y < view.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < view.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * view.width + x;
            row[x] = shape[i] ? 0xFF000000u | (view.pixels[i] & 0x00FFFFFFu) : 0u;
        }
    }
    return image;
}

}  // namespace

QString StateName(ControlState state) {
    for (const StateNameRow& row : kStateNames)
        if (row.state == state) return QLatin1String(row.name);
    return {};
}

std::optional<ControlState> ParseControlState(QStringView name) {
    for (const StateNameRow& row : kStateNames)
        if (name.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0) return row.state;
    return std::nullopt;
}

struct HostedForm::Impl {
    struct Entry {
        std::size_t index;  // in the document
        headless::HeadlessSite* site = nullptr;
        bool placeholder = false;
        int parent = -1;  // the entry of its frame
        gdi::RECT bounds;  // in form pixels
        bool shown = true;  // it and all its frames visible
    };

    // Declared in this order so that the form (and its controls) goes
    // first, then the renderer its platform draws with, then the libraries.
    std::shared_ptr<const ControlRegistry> registry;
    HostOptions options;
    FormDocument document;
    std::optional<VisualStyleName> visualStyle;
    int dpi = 96;
    std::unique_ptr<QtTextRenderer> text;
    std::unique_ptr<headless::HeadlessForm> form;
    std::vector<Entry> entries;
    QStringList problems;

    std::unique_ptr<headless::HeadlessForm> NewForm() const;
    headless::HeadlessSite* Create(headless::HeadlessForm& on, const FormControl& record, gdi::RECT bounds,
                                   bool* placeholder, QString* problem) const;
    PropertySet Written(const Entry& entry) const;
    QImage Capture(const Entry& entry, ControlState state) const;
    void Compose(QImage& canvas, int parent, const gdi::RECT& clip,
                 const std::function<QImage(const Entry&)>& imageOf) const;
    QImage Render(const std::function<QImage(const Entry&)>& imageOf) const;
};

// A headless form set up as this form's: ambients, platform answers, text.
std::unique_ptr<headless::HeadlessForm> HostedForm::Impl::NewForm() const {
    auto f = std::make_unique<headless::HeadlessForm>();
    headless::HeadlessPlatform& platform = f->platform();
    if (options.desktopColors && qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const PaletteSystemColors colors(QGuiApplication::palette());
        for (int i = 0; i < kSystemColorCount; ++i) platform.SetSystemColor(i, *colors.SystemColor(i));
    }
    if (visualStyle)
        platform.SetVisualStyle(visualStyle->themeFile, visualStyle->colorName, visualStyle->sizeName);
    else
        platform.SetVisualStyle(std::nullopt);
    platform.SetScreenDpi(dpi, dpi);
    platform.SetTextRenderer(text.get());
    f->ambientBackColor = document.form.backColor;
    f->ambientFont = MakeFont(document.form.font);
    f->ambientUserMode = !document.form.designMode;
    return f;
}

// The control of a record, or its placeholder; it has had Initialize.
headless::HeadlessSite* HostedForm::Impl::Create(headless::HeadlessForm& on, const FormControl& record,
                                                 gdi::RECT bounds, bool* placeholder, QString* problem) const {
    const QString reference = record.Reference();
    std::int32_t error = errors::kNone;
    headless::HeadlessSite* site = on.AddCustomControl(
        [&](ControlSite& s) { return CreateFormControl(record.className, *registry, s, &error); },
        reference.toStdU16String(), bounds);
    *placeholder = site == nullptr;
    if (!site) {
        if (problem) *problem = PlaceholderProblem(record.className, error);
        site = on.AddCustomControl([&](ControlSite& s) { return MakePlaceholder(s, record.className, error); },
                                   reference.toStdU16String(), bounds);
    }
    site->extenderToolTipText = record.toolTipText.toStdU16String();
    site->displayAsDefault = !document.form.defaultControl.isEmpty() &&
                             reference.compare(document.form.defaultControl, Qt::CaseInsensitive) == 0;
    return site;
}

// The set the control writes now, after the container's extent.
PropertySet HostedForm::Impl::Written(const Entry& entry) const {
    const FormControl& record = document.controls[entry.index];
    if (entry.placeholder) return record.properties;
    const gdi::RECT b = entry.site->bounds();
    return WriteControlProperties(entry.site->control(), document.pictures, b.right - b.left, b.bottom - b.top,
                                  dpi, dpi);
}

// One control on a form of its own, driven into `state`.
QImage HostedForm::Impl::Capture(const Entry& entry, ControlState state) const {
    const FormControl& record = document.controls[entry.index];
    const int w = entry.bounds.right - entry.bounds.left;
    const int h = entry.bounds.bottom - entry.bounds.top;
    std::unique_ptr<headless::HeadlessForm> alone = NewForm();
    bool placeholder = false;
    headless::HeadlessSite* site = Create(*alone, record, gdi::RECT{0, 0, w, h}, &placeholder, nullptr);
    if (!placeholder) ReadControlProperties(site->control(), Written(entry), document.pictures, {}, nullptr);
    Control& control = site->control();
    control.Show();

    const auto hover = [&](int x, int y) {
        alone->SetPointer(gdi::POINT{x, y});
        control.MouseMove(0, 0, static_cast<float>(x), static_cast<float>(y));
        alone->AdvanceTime(kOverIntervalMs);
    };
    const auto press = [&](int x, int y) {
        hover(x, y);
        control.MouseDown(1, 0, static_cast<float>(x), static_cast<float>(y));
    };
    switch (state) {
    case ControlState::Released: break;
    case ControlState::Hover: hover(w / 2, h / 2); break;
    case ControlState::Focus: alone->SetFocus(site); break;
    case ControlState::Pressed: press(w / 2, h / 2); break;
    case ControlState::DropDownPressed: {
        // in the middle of the drop-down zone at the right edge
        Variant zone;
        const int width = GetProperty(control, u"DropDownWidth", zone) == errors::kNone
                              ? ToInt32(zone).value_or(16)
                              : 16;
        press(std::clamp(w - std::max(1, width / 2), 0, std::max(0, w - 1)), h / 2);
        break;
    }
    case ControlState::Toggled:
        SetProperty(control, u"AppearanceMode", Variant(std::int32_t{1}));
        SetProperty(control, u"ToggleValue", Variant::Boolean(true));
        break;
    case ControlState::Disabled: SetProperty(control, u"Enabled", Variant::Boolean(false)); break;
    }
    return WindowImage(*site);
}

void HostedForm::Impl::Compose(QImage& canvas, int parent, const gdi::RECT& clip,
                               const std::function<QImage(const Entry&)>& imageOf) const {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        if (e.parent != parent || !e.shown) continue;
        const gdi::RECT inside = Intersect(clip, e.bounds);
        if (inside.left < inside.right && inside.top < inside.bottom) {
            const QImage image = imageOf(e);
            if (!image.isNull()) {
                QPainter painter(&canvas);
                painter.setClipRect(QRect(inside.left, inside.top, inside.right - inside.left,
                                          inside.bottom - inside.top));
                painter.drawImage(e.bounds.left, e.bounds.top, image);
            }
        }
        // a frame's contents, clipped by it
        Compose(canvas, static_cast<int>(i), inside, imageOf);
    }
}

QImage HostedForm::Impl::Render(const std::function<QImage(const Entry&)>& imageOf) const {
    QImage canvas(document.form.width, document.form.height, QImage::Format_RGB32);
    const COLORREF back = TranslateColor(document.form.backColor, form->platform().SystemColors());
    canvas.fill(QColor(static_cast<int>(back & 0xFF), static_cast<int>((back >> 8) & 0xFF),
                       static_cast<int>((back >> 16) & 0xFF)));
    Compose(canvas, -1, gdi::RECT{0, 0, document.form.width, document.form.height}, imageOf);
    return canvas;
}

// ---- the form ------------------------------------------------------------------------

HostedForm::HostedForm(std::unique_ptr<Impl> impl) : m_Impl(std::move(impl)) {}
HostedForm::~HostedForm() = default;

std::unique_ptr<HostedForm> HostedForm::Load(FormDocument document,
                                             std::shared_ptr<const ControlRegistry> registry,
                                             const HostOptions& options, FormError* error) {
    if (auto problem = CheckForm(document)) {
        if (error) *error = *problem;
        return nullptr;
    }
    auto impl = std::make_unique<Impl>();
    impl->registry = registry ? std::move(registry) : std::make_shared<const ControlRegistry>();
    impl->options = options;
    impl->document = std::move(document);
    const FormDocument& doc = impl->document;

    // the visual style: the caller's, else the environment's, else the form's
    VisualStyleSetting style = doc.form.visualStyle;
    if (options.visualStyle) {
        style = *options.visualStyle;
    } else {
        QString problem;
        style = EffectiveVisualStyle(doc.form.visualStyle, &problem);
        if (!problem.isEmpty()) impl->problems << problem;
    }
    impl->visualStyle = VisualStyleFor(style);
    impl->dpi = options.dpi > 0 ? options.dpi : DesktopDpiY();
    if (!options.deterministicText) {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            impl->text = std::make_unique<QtTextRenderer>();
        else
            impl->problems << QStringLiteral("text: no QGuiApplication, so the built-in renderer draws the text");
    }
    impl->form = impl->NewForm();

    // places in form pixels: each control in its frame
    const std::size_t count = doc.controls.size();
    impl->entries.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        impl->entries[i].index = i;
        if (const FormControl* parent = doc.controls[i].parent.isEmpty() ? nullptr : doc.Find(doc.controls[i].parent))
            impl->entries[i].parent = static_cast<int>(parent - doc.controls.data());
    }
    for (std::size_t i = 0; i < count; ++i) {
        const FormControl& c = doc.controls[i];
        int x = c.left, y = c.top;
        bool shown = c.visible;
        for (int p = impl->entries[i].parent; p >= 0; p = impl->entries[static_cast<std::size_t>(p)].parent) {
            const FormControl& frame = doc.controls[static_cast<std::size_t>(p)];
            x += frame.left;
            y += frame.top;
            shown = shown && frame.visible;
        }
        impl->entries[i].bounds = gdi::RECT{x, y, x + c.width, y + c.height};
        impl->entries[i].shown = shown;
    }

    // the controls in creation order, each read and shown
    for (Impl::Entry& entry : impl->entries) {
        const FormControl& record = doc.controls[entry.index];
        const QString location = QStringLiteral("controls[%1]").arg(entry.index);
        QString problem;
        entry.site = impl->Create(*impl->form, record, entry.bounds, &entry.placeholder, &problem);
        if (entry.placeholder) {
            impl->problems << QStringLiteral("%1.class: %2").arg(location, problem);
        } else {
            ReadControlProperties(entry.site->control(), record.properties, doc.pictures, location,
                                  &impl->problems);
        }
        if (entry.shown)
            entry.site->control().Show();
        else
            entry.site->SetVisible(false);
    }
    return std::unique_ptr<HostedForm>(new HostedForm(std::move(impl)));
}

headless::HeadlessForm& HostedForm::form() { return *m_Impl->form; }
const FormDocument& HostedForm::document() const { return m_Impl->document; }
const QStringList& HostedForm::problems() const { return m_Impl->problems; }

headless::HeadlessSite* HostedForm::Find(QStringView reference) {
    for (const Impl::Entry& e : m_Impl->entries)
        if (m_Impl->document.controls[e.index].Reference().compare(reference, Qt::CaseInsensitive) == 0)
            return e.site;
    return nullptr;
}

bool HostedForm::IsPlaceholder(QStringView reference) const {
    for (const Impl::Entry& e : m_Impl->entries)
        if (m_Impl->document.controls[e.index].Reference().compare(reference, Qt::CaseInsensitive) == 0)
            return e.placeholder;
    return false;
}

FormDocument HostedForm::Save() {
    FormDocument out = m_Impl->document;
    for (const Impl::Entry& e : m_Impl->entries) {
        FormControl& record = out.controls[e.index];
        if (const auto& tip = e.site->extenderToolTipText) record.toolTipText = FromU16(*tip);
        record.properties = m_Impl->Written(e);
    }
    return out;
}

QImage HostedForm::Render() {
    return m_Impl->Render([](const Impl::Entry& e) { return WindowImage(*e.site); });
}

QImage HostedForm::Render(ControlState state) {
    return m_Impl->Render([&](const Impl::Entry& e) { return m_Impl->Capture(e, state); });
}

QImage HostedForm::RenderControl(QStringView reference, ControlState state) {
    for (const Impl::Entry& e : m_Impl->entries)
        if (m_Impl->document.controls[e.index].Reference().compare(reference, Qt::CaseInsensitive) == 0)
            return m_Impl->Capture(e, state);
    return {};
}

}  // namespace vemmix::host
