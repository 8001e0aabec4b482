// Property-based: whatever values reach a button through its API, in
// whatever order, saving it, loading the saved set and saving again gives
// the same set (save -> load -> save is idempotent), and the loaded button
// equals the saved one key by key. (One thing a load changes by design:
// under automatic theme detection the XP-family styles take their theme
// colours from the desktop again; the first property chooses a theme.)
#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <string>
#include <vector>

#include "control/TypeLibrary.h"
#include "control/Zorvane.h"
#include "tests/support/PersistedProperties.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix::test {
namespace {

using headless::HeadlessForm;
using headless::HeadlessSite;
using headless::MemoryPropertyBag;

// A value of any kind the automation boundary carries, leaning towards the
// edges: extreme numbers, system colours, long and odd texts, fonts and
// pictures inside and outside the bounds.
rc::Gen<Variant> AnyValue() {
    return rc::gen::oneOf(
        rc::gen::map(rc::gen::arbitrary<std::int16_t>(), [](std::int16_t v) { return Variant(v); }),
        rc::gen::map(rc::gen::arbitrary<std::int32_t>(), [](std::int32_t v) { return Variant(v); }),
        rc::gen::map(rc::gen::element(-1, 0, 1, 2, 3, 5, 8, 9, 100, 0x00FFFFFF),
                     [](int v) { return Variant(std::int32_t{v}); }),
        rc::gen::map(rc::gen::inRange(0, 31),
                     [](int i) { return Variant::FromInteger(std::int64_t{0x80000000} + i); }),
        rc::gen::map(rc::gen::arbitrary<double>(), [](double v) { return Variant(v); }),
        rc::gen::map(rc::gen::arbitrary<bool>(), [](bool v) { return Variant::Boolean(v); }),
        rc::gen::map(rc::gen::container<std::u16string>(rc::gen::element<char16_t>(
                         u'a', u'&', u'\0', u' ', char16_t(0xD800), char16_t(0x4E2D))),
                     [](std::u16string s) { return Variant(std::move(s)); }),
        rc::gen::map(rc::gen::element<std::size_t>(0, 255, 256, 65535, 65536),
                     [](std::size_t n) { return Variant(std::u16string(n, u'n')); }),
        rc::gen::map(rc::gen::pair(rc::gen::inRange<std::size_t>(0, 300),
                                   rc::gen::element(0.0, 0.5, 1.0, 8.25, 2048.0, 2049.0, 5000.0)),
                     [](std::pair<std::size_t, double> f) {
                         return Variant(MakeFont(FontDescription{std::u16string(f.first, u'F'), f.second}));
                     }),
        rc::gen::map(rc::gen::tuple(rc::gen::inRange(1, 5), rc::gen::inRange(1, 5),
                                    rc::gen::element(0, 13, 14, 100, 26458, 433488, 4000000)),
                     [](std::tuple<int, int, int> p) {
                         const auto [w, h, declared] = p;
                         PictureRef picture = MakeBitmapPicture(
                             w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w * h), 0x445566u));
                         if (declared != 0) picture->widthHimetric = declared;
                         return Variant(picture);
                     }),
        rc::gen::map(rc::gen::element(0, 13, 14, 529167, 433488),
                     [](int size) { return Variant(MakeOtherPicture(PictureType::Metafile, size, size)); }),
        rc::gen::just(Variant(MakeEmptyPicture())),
        rc::gen::just(Variant(PictureRef{})),
        rc::gen::just(Variant()));
}

std::int32_t Put(Zorvane& b, std::u16string_view name, Variant value) {
    std::int32_t dispid = 0;
    if (b.GetIDOfName(name, dispid) != 0) return errors::kUnknownMember;
    const bool object = value.type() == Variant::Type::Font || value.type() == Variant::Type::Picture;
    Variant args[] = {std::move(value)};
    Variant result;
    return b.Invoke(dispid, object ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut, args, result);
}

HeadlessSite& Place(HeadlessForm& form, std::u16string name) {
    HeadlessSite* site = form.AddControl(u"Vemmix.Zorvane", std::move(name), {0, 0, 60, 20});
    RC_ASSERT(site != nullptr);
    site->displayName = u"Same";
    return *site;
}

// Saves `a`, loads the set into a second button and saves that: the two
// sets are the same. Returns the loaded button.
Zorvane& SaveLoadSave(HeadlessForm& form, Zorvane& a) {
    MemoryPropertyBag first;
    a.WriteProperties(first);
    Zorvane& b = *ZorvaneOf(Place(form, u"B"));
    b.ReadProperties(first);
    MemoryPropertyBag second;
    b.WriteProperties(second);
    RC_ASSERT(second.entries() == first.entries());
    return b;
}

RC_GTEST_PROP(SaveLoadProperty, SaveLoadSaveIsIdempotent, ()) {
    HeadlessForm form;
    Zorvane& a = *ZorvaneOf(Place(form, u"A"));
    a.InitProperties();
    const auto puts = *rc::gen::container<std::vector<std::pair<std::size_t, Variant>>>(
        rc::gen::pair(rc::gen::inRange<std::size_t>(0, PersistedKeys().size()), AnyValue()));
    for (const auto& [key, value] : puts) Put(a, PersistedKeys()[key].key, value);
    // Under automatic theme detection a load takes the XP-family styles'
    // theme colours from the desktop again, by design; a chosen theme
    // keeps the colours as set.
    const std::int32_t appearance = a.Appearance();
    if (a.AppearanceThemes() == ecAppearanceThemes::AutoDetect &&
        (appearance == ecAppearance::WindowsXP || (appearance >= ecAppearance::Office2003 &&
                                                    appearance <= ecAppearance::VistaSunset)))
        Put(a, u"AppearanceThemes", std::int32_t{*rc::gen::inRange(1, 6)});

    Zorvane& b = SaveLoadSave(form, a);
    // the loaded button equals the saved one, but for a picture key holding
    // the empty picture (a new button's Picture), which loads as no object
    for (const std::string& key : DifferingKeys(a, b)) {
        const Variant value = PersistedValue(a, std::u16string(key.begin(), key.end()));
        const PictureRef* p = value.get_if<PictureRef>();
        RC_ASSERT(p && *p && (*p)->type == PictureType::None);
    }
}

// The same from a saved set of any values (a hostile form): what one load
// takes, the next save and load keep.
RC_GTEST_PROP(SaveLoadProperty, AnyLoadedSetSavesAndLoadsAlike, ()) {
    HeadlessForm form;
    MemoryPropertyBag hostile;
    const auto entries = *rc::gen::container<std::vector<std::pair<std::size_t, Variant>>>(
        rc::gen::pair(rc::gen::inRange<std::size_t>(0, PersistedKeys().size()), AnyValue()));
    for (const auto& [key, value] : entries) hostile.Set(PersistedKeys()[key].key, value);
    Zorvane& a = *ZorvaneOf(Place(form, u"A"));
    a.ReadProperties(hostile);
    SaveLoadSave(form, a);
}

}  // namespace
}  // namespace vemmix::test
