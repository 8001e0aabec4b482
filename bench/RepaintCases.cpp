#include "bench/RepaintCases.h"

#include <stdexcept>

#include <vemmix/Enums.h>
#include <vemmix/StdObjects.h>

namespace vemmix::bench {
namespace {

constexpr std::int32_t kAppearances = 10;
constexpr ButtonState kStates[] = {ButtonState::Released, ButtonState::Hover, ButtonState::Pressed};

// The log records every repaint; it is emptied now and then so that a long
// run measures the button, not a growing log.
constexpr std::size_t kLogLimit = 1024;

// A 16 x 16 picture: a disc on the mask colour (magenta), for the picture
// step with its transparency mask.
PictureRef BenchPicture() {
    constexpr int kSide = 16;
    std::vector<std::uint32_t> pixels(kSide * kSide, 0x00FF00FFu);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const int dx = 2 * x - (kSide - 1), dy = 2 * y - (kSide - 1);
            if (dx * dx + dy * dy <= (kSide - 2) * (kSide - 2))
                pixels[y * kSide + x] = 0x00206090u + static_cast<std::uint32_t>(x * 8);
        }
    }
    return MakeBitmapPicture(kSide, kSide, pixels);
}

}  // namespace

const TextVariant& BuiltinText() {
    static const TextVariant builtin{"builtin", nullptr};
    return builtin;
}

const char* AppearanceName(std::int32_t appearance) {
    static const char* const kNames[kAppearances] = {
        "3d", "Flat", "Shaped", "WindowsXP", "ExplorerXP",
        "Office2003", "Office2007", "VistaSunrise", "VistaSunset", "Gradient"};
    return appearance >= 0 && appearance < kAppearances ? kNames[appearance] : "?";
}

const char* StateName(ButtonState state) {
    switch (state) {
    case ButtonState::Released: return "released";
    case ButtonState::Hover: return "hover";
    case ButtonState::Pressed: return "pressed";
    }
    return "?";
}

const char* ContentName(Content content) {
    switch (content) {
    case Content::None: return "none";
    case Content::Caption: return "caption";
    case Content::Full: return "full";
    }
    return "?";
}

std::string SizeName(int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

std::string RepaintCase::PeerKey() const {
    return std::string(StateName(state)) + "/" + SizeName(width, height) + "/" + ContentName(content);
}

std::string RepaintCase::Name() const {
    return std::string(AppearanceName(appearance)) + "/" + PeerKey() + "/" +
           (text ? text->name : BuiltinText().name);
}

const std::vector<Size>& BenchSizes() {
    static const std::vector<Size> sizes = {{120, 32}, {400, 120}};
    return sizes;
}

std::vector<RepaintCase> AllRepaintCases(const TextVariant& text) {
    std::vector<RepaintCase> cases;
    for (const Size size : BenchSizes()) {
        for (const Content content : {Content::None, Content::Caption}) {
            for (std::int32_t a = 0; a < kAppearances; ++a) {
                for (const ButtonState state : kStates)
                    cases.push_back(RepaintCase{a, state, size.width, size.height, content, &text});
            }
        }
        for (std::int32_t a = 0; a < kAppearances; ++a)
            cases.push_back(RepaintCase{a, ButtonState::Released, size.width, size.height,
                                        Content::Full, &text});
    }
    return cases;
}

std::int32_t PutProperty(Control& control, std::u16string_view name, Variant value,
                         bool byReference) {
    std::int32_t dispid = 0;
    if (const std::int32_t error = control.GetIDOfName(name, dispid)) return error;
    Variant args[] = {std::move(value)};
    Variant result;
    return control.Invoke(dispid, byReference ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut,
                          args, result);
}

RepaintScene::RepaintScene(const RepaintCase& c) {
    if (c.text && c.text->make) {
        m_Text = c.text->make();
        m_Form.platform().SetTextRenderer(m_Text.get());
    }
    m_Form.AddButton(u"B", gdi::RECT{0, 0, c.width, c.height});
    m_Site = m_Form.Find(u"B");
    if (m_Site == nullptr) throw std::runtime_error("the bench form has no button");
    Control& button = m_Site->control();

    auto put = [&](std::u16string_view name, Variant value, bool byReference = false) {
        if (PutProperty(button, name, std::move(value), byReference) != 0)
            throw std::runtime_error("the bench button refused a property");
    };
    put(u"Appearance", Variant(c.appearance));
    put(u"Caption", Variant(c.content == Content::None ? u"" : u"Caption"));
    if (c.content == Content::Full) {
        put(u"AppearanceMode", Variant(ecAppearanceMode::DropDown));
        put(u"Picture", Variant(BenchPicture()), true);
        m_Form.SetFocus(m_Site);
    }

    const float x = static_cast<float>(c.width / 4), y = static_cast<float>(c.height / 2);
    if (c.state != ButtonState::Released) {
        // the pointer enters; the first hover tick sets the hover look
        m_Form.SetPointer(gdi::POINT{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)});
        button.MouseMove(0, 0, x, y);
        m_Form.AdvanceTime(kOverIntervalMs);
    }
    if (c.state == ButtonState::Pressed) button.MouseDown(1, 0, x, y);
    m_Form.ClearLog();
}

RepaintScene::~RepaintScene() = default;

void RepaintScene::Repaint() {
    m_Site->control().Paint();
    if (++m_Repaints % kLogLimit == 0) m_Form.ClearLog();
}

std::uint64_t Fnv1a(std::uint64_t hash, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        hash ^= (value >> (8 * i)) & 0xFFu;
        hash *= 0x100000001B3ull;
    }
    return hash;
}

std::uint64_t RepaintScene::Checksum() const {
    std::uint64_t hash = kFnvOffset;
    for (const std::uint32_t p : m_Site->pixels().pixels) hash = Fnv1a(hash, p);
    if (m_Site->backStyle() == 0) {
        for (const bool visible : m_Site->shape()) hash = Fnv1a(hash, visible ? 1u : 0u);
    }
    return hash;
}

}  // namespace vemmix::bench
