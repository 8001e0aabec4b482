// The repaint cases the benchmark measures and the checksum test guards:
// a headless form with one Zorvane in a given look, state, size and caption,
// built on the public API alone so that the benchmark can run it through
// the shared library.
//
// A case's name reads "<appearance>/<state>/<width>x<height>/<content>/<text>",
// for example "WindowsXP/hover/120x32/caption/builtin".
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <vemmix/Control.h>
#include <vemmix/headless/HeadlessContainer.h>

namespace vemmix::bench {

enum class ButtonState { Released, Hover, Pressed };

// What the button shows besides its face.
enum class Content {
    None,     // no caption
    Caption,  // a one-word caption
    Full,     // caption, picture, drop-down arrow and the focus mark
};

// A text renderer the cases can run with. `make` returns the renderer the
// platform should use, or null for the headless container's built-in one;
// the variant owns what it makes.
struct TextVariant {
    std::string name;
    std::unique_ptr<TextRenderer> (*make)() = nullptr;
};

// The deterministic built-in renderer: the one the checksums are taken with.
const TextVariant& BuiltinText();

struct RepaintCase {
    std::int32_t appearance = 0;  // ecAppearance
    ButtonState state = ButtonState::Released;
    int width = 120;
    int height = 32;
    Content content = Content::None;
    const TextVariant* text = nullptr;  // null: the built-in renderer

    std::string Name() const;
    // "<state>/<width>x<height>/<content>": a peer measured with the same
    // key is what the case is compared with.
    std::string PeerKey() const;
};

const char* AppearanceName(std::int32_t appearance);
const char* StateName(ButtonState state);
const char* ContentName(Content content);
std::string SizeName(int width, int height);  // "120x32"

// The button sizes measured: a typical button and a large one.
struct Size {
    int width;
    int height;
};
const std::vector<Size>& BenchSizes();

// Every case for one text renderer: each appearance x state x size with and
// without caption, and each appearance x size with full content (released).
std::vector<RepaintCase> AllRepaintCases(const TextVariant& text);

// A form holding one button set up for a case: appearance, caption, state
// (the pointer over it for hover, the left button down for pressed).
class RepaintScene {
public:
    explicit RepaintScene(const RepaintCase& c);
    ~RepaintScene();
    RepaintScene(const RepaintScene&) = delete;
    RepaintScene& operator=(const RepaintScene&) = delete;

    // One full repaint, as the container's paint request runs it.
    void Repaint();
    // FNV-1a over the window's pixels and, for a transparent window, its
    // visible shape.
    std::uint64_t Checksum() const;

    headless::HeadlessForm& form() { return m_Form; }
    headless::HeadlessSite& site() { return *m_Site; }
    Control& control() { return m_Site->control(); }

private:
    std::unique_ptr<TextRenderer> m_Text;
    headless::HeadlessForm m_Form;
    headless::HeadlessSite* m_Site = nullptr;
    std::size_t m_Repaints = 0;
};

// Sets a property through the automation interface; returns the error.
std::int32_t PutProperty(Control& control, std::u16string_view name, Variant value,
                         bool byReference = false);

// FNV-1a, 64 bits, over 32-bit values.
std::uint64_t Fnv1a(std::uint64_t hash, std::uint32_t value);
constexpr std::uint64_t kFnvOffset = 0xCBF29CE484222325ull;

}  // namespace vemmix::bench
