// Reading a fuzz input as a sequence of choices: numbers in a range, picks
// from a list, and values of every kind the automation boundary carries.
// An exhausted input reads as zeros, so every input is a valid sequence.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include <vemmix/StdObjects.h>
#include <vemmix/Variant.h>

namespace vemmix::fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_Data(data, size) {}

    bool Empty() { return m_Data.remaining_bytes() == 0; }
    template <class T>
    T In(T lo, T hi) { return m_Data.ConsumeIntegralInRange<T>(lo, hi); }
    template <class T>
    T Any() { return m_Data.ConsumeIntegral<T>(); }
    bool Bool() { return m_Data.ConsumeBool(); }
    double Double() { return m_Data.ConsumeFloatingPoint<double>(); }
    template <class T>
    const T& Pick(std::span<const T> items) { return items[In<std::size_t>(0, items.size() - 1)]; }

    // A number near the edges more often than not.
    std::int32_t Number() {
        static constexpr std::int32_t kEdges[] = {0, 1, -1, 2, 3, 5, 9, 16, 100, 255, 32767, -32768,
                                                  65535, 0x00FFFFFF, std::numeric_limits<std::int32_t>::max(),
                                                  std::numeric_limits<std::int32_t>::min(),
                                                  static_cast<std::int32_t>(0x80000012u)};
        return Bool() ? Pick<std::int32_t>(kEdges) : Any<std::int32_t>();
    }

    // Mostly short; now and then one of the lengths at a bound.
    std::u16string Text() {
        const std::size_t length = In(0, 15) != 0 ? In<std::size_t>(0, 12)
                                                  : Pick<std::size_t>(kLengths);
        std::u16string text;
        if (length > 64) return std::u16string(length, static_cast<char16_t>(In<int>(0, 0xFFFF)));
        for (std::size_t i = 0; i < length; ++i) text.push_back(static_cast<char16_t>(In<int>(0, 0xFFFF)));
        return text;
    }

    FontRef Font() {
        FontDescription d;
        d.name = Bool() ? std::u16string(u"Arial") : Text();
        d.size = Bool() ? static_cast<double>(In<int>(0, 3000)) / 4 : Double();
        d.bold = Bool();
        d.italic = Bool();
        d.underline = Bool();
        d.strikethrough = Bool();
        d.charset = Any<std::int16_t>();
        return MakeFont(d);
    }

    // A picture of any type; a bitmap or icon of a few pixels whose declared
    // size may lie about it.
    PictureRef Picture() {
        PictureRef picture;
        switch (In(0, 4)) {
        case 0: return MakeEmptyPicture();
        case 1: {
            const int w = In(1, 6), h = In(1, 6);
            std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w * h));
            for (std::uint32_t& p : pixels) p = Bool() ? 0x00FF00FFu : Any<std::uint32_t>() & 0xFFFFFFu;
            picture = MakeBitmapPicture(w, h, pixels, In(1, 400));
            break;
        }
        case 2: {
            gdi::Icon icon;
            icon.width = In(1, 6);
            icon.height = In(1, 6);
            icon.hasAlpha = Bool();
            for (int i = 0; i < icon.width * icon.height; ++i) icon.pixels.push_back(Any<std::uint32_t>());
            if (!icon.hasAlpha)
                for (int i = 0; i < icon.width * icon.height; ++i) icon.andMask.push_back(In(0, 1));
            picture = MakeIconPicture(icon, In(1, 400));
            break;
        }
        default:
            picture = MakeOtherPicture(Bool() ? PictureType::Metafile : PictureType::EnhMetafile,
                                       In(0, 600000), In(0, 600000));
            break;
        }
        if (picture && Bool()) {
            // a declared size of the loader's choosing
            picture->widthHimetric = Bool() ? In(-10, 600000) : Any<std::int32_t>();
            picture->heightHimetric = Bool() ? In(-10, 600000) : Any<std::int32_t>();
        }
        return picture;
    }

    Variant Value() {
        switch (In(0, 11)) {
        case 0: return Variant();
        case 1: return Variant(Any<std::int16_t>());
        case 2: case 3: return Variant(Number());
        case 4: return Variant(static_cast<float>(Double()));
        case 5: return Variant(Double());
        case 6: return Variant::Boolean(Bool());
        case 7: return Variant(Text());
        case 8: return Variant(Font());
        case 9: return Variant(Picture());
        case 10: return Variant::Error(Number());
        default: return Bool() ? Variant(FontRef{}) : Variant(PictureRef{});
        }
    }

private:
    static constexpr std::size_t kLengths[] = {0, 1, 255, 256, 300, 65535, 65536};
    FuzzedDataProvider m_Data;
};

}  // namespace vemmix::fuzz
