// The generic automation path: names to identifiers, Invoke for every
// property and method, argument conversion and the error numbers a
// late-binding caller sees.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <vemmix/Dispatch.h>

#include "control/TypeLibrary.h"
#include "tests/support/ButtonFixture.h"
#include "tests/support/PersistedProperties.h"

namespace vemmix {
namespace {

using typelib::Access;
using typelib::ValueType;

std::string Narrow(std::u16string_view s) { return std::string(s.begin(), s.end()); }

class DispatchTest : public ButtonTest {
protected:
    Control& ctl() { return site->control(); }

    std::int32_t Id(std::u16string_view name) {
        std::int32_t id = 0;
        EXPECT_EQ(ctl().GetIDOfName(name, id), 0) << Narrow(name);
        return id;
    }
    std::int32_t Put(std::u16string_view name, Variant value,
                     InvokeKind kind = InvokeKind::PropertyPut) {
        Variant result;
        std::vector<Variant> args{std::move(value)};
        return ctl().Invoke(Id(name), kind, args, result);
    }
    std::int32_t PutRef(std::u16string_view name, Variant value) {
        return Put(name, std::move(value), InvokeKind::PropertyPutRef);
    }
    Variant Get(std::u16string_view name) {
        Variant result;
        EXPECT_EQ(ctl().Invoke(Id(name), InvokeKind::PropertyGet, {}, result), 0) << Narrow(name);
        return result;
    }
    std::int32_t Call(std::u16string_view name, InvokeKind kind = InvokeKind::Method) {
        Variant result(std::int32_t{99});
        const std::int32_t error = ctl().Invoke(Id(name), kind, {}, result);
        EXPECT_TRUE(result.IsEmpty());
        return error;
    }
};

class DispatchDesignTimeTest : public DispatchTest {
protected:
    void ConfigureForm() override { form.ambientUserMode = false; }
};

// ---- names --------------------------------------------------------------------

TEST_F(DispatchTest, EveryMemberNameGivesItsIdentifier) {
    for (const auto& m : typelib::kMembers) EXPECT_EQ(Id(m.name), m.dispid) << Narrow(m.name);
}

TEST_F(DispatchTest, NamesMatchWithoutRegardToCase) {
    EXPECT_EQ(Id(u"backcolor"), 0x68030033);
    EXPECT_EQ(Id(u"BACKCOLOR"), 0x68030033);
    EXPECT_EQ(Id(u"hWnd"), 0x6803002E);
    EXPECT_EQ(Id(u"textfade_start"), 0x60030089);
    EXPECT_EQ(Id(u"FONT"), -512);
}

TEST_F(DispatchTest, UnknownNamesGive438) {
    for (std::u16string_view name : {u"Nope", u"BackColor ", u"", u"Click", u"m_Pressed", u"Redraw"}) {
        std::int32_t id = 7;
        EXPECT_EQ(ctl().GetIDOfName(name, id), errors::kUnknownMember) << Narrow(name);
        EXPECT_EQ(id, -1);
    }
}

// ---- every property round trip ----------------------------------------------

// A value of each type, distinct per member so that a row bound to another
// member's accessors shows.
Variant SampleFor(const typelib::Member& m, std::size_t index) {
    const auto n = static_cast<std::int32_t>(index);
    switch (m.type) {
        case ValueType::Colour: return Variant(std::int32_t{0x00102030 + n});
        case ValueType::Int16: return Variant(static_cast<std::int16_t>(3 + n % 5));
        case ValueType::Int32: return Variant(std::int32_t{2 + n % 7});
        case ValueType::Enum: return Variant(std::int32_t{1 + n % 2});
        case ValueType::Bool: return Variant::Boolean(true);
        case ValueType::String: return Variant(u"Text " + std::u16string(1, char16_t(u'A' + n % 26)));
        case ValueType::Font: {
            FontDescription f;
            f.name = u"Tahoma";
            return Variant(MakeFont(f));
        }
        case ValueType::Picture: return Variant(MakeOtherPicture(PictureType::Metafile, 100 + n, 50));
        default: return Variant();
    }
}

TEST_F(DispatchTest, EveryWritablePropertyReadsBackWhatItWasGiven) {
    int checked = 0;
    for (std::size_t i = 0; i < typelib::kMembers.size(); ++i) {
        const auto& m = typelib::kMembers[i];
        // Version refuses; Value raises Click and resets itself.
        if (m.IsMethod() || m.readOnly || m.name == u"Value") continue;
        const Variant sample = SampleFor(m, i);
        const auto kind = m.access == Access::GetPutRef ? InvokeKind::PropertyPutRef
                                                        : InvokeKind::PropertyPut;
        EXPECT_EQ(Put(m.name, sample, kind), 0) << Narrow(m.name);
        const Variant back = Get(m.name);
        EXPECT_TRUE(test::SameValue(back, sample)) << Narrow(m.name);
        // The getter gives the type library's type.
        switch (m.type) {
            case ValueType::Int16: EXPECT_EQ(back.type(), Variant::Type::Int16); break;
            case ValueType::Bool: EXPECT_EQ(back.type(), Variant::Type::Bool); break;
            case ValueType::String: EXPECT_EQ(back.type(), Variant::Type::String); break;
            case ValueType::Font: EXPECT_EQ(back.type(), Variant::Type::Font); break;
            case ValueType::Picture: EXPECT_EQ(back.type(), Variant::Type::Picture); break;
            default: EXPECT_EQ(back.type(), Variant::Type::Int32) << Narrow(m.name);
        }
        ++checked;
    }
    EXPECT_EQ(checked, 63);  // 66 properties less hwnd, Version and Value
}

// ---- the dispatch path is the typed API ----------------------------------------

TEST_F(DispatchTest, PutsReachTheTypedSetters) {
    EXPECT_EQ(Put(u"BackColor", std::int32_t{0x00ABCDEF}), 0);
    EXPECT_EQ(btn().BackColor(), 0x00ABCDEF);
    EXPECT_EQ(Put(u"BorderWidth", std::int16_t{4}), 0);
    EXPECT_EQ(btn().BorderWidth(), 4);
    EXPECT_EQ(Put(u"CaptionAlignment", std::int32_t{ecAlignment::BottomRight}), 0);
    EXPECT_EQ(btn().CaptionAlignment(), ecAlignment::BottomRight);
    EXPECT_EQ(Put(u"ShowFocus", Variant::Boolean(false)), 0);
    EXPECT_EQ(btn().ShowFocus(), kFalse);
    EXPECT_EQ(Put(u"ToolTipTitle", u"Hint"), 0);
    EXPECT_EQ(btn().ToolTipTitle(), u"Hint");
    const FontRef font = MakeFont(FontDescription{});
    EXPECT_EQ(PutRef(u"Font", font), 0);
    EXPECT_EQ(btn().Font(), font);  // the object itself, not a copy
    const PictureRef picture = MakeEmptyPicture();
    EXPECT_EQ(PutRef(u"DropDownPicture", picture), 0);
    EXPECT_EQ(btn().DropDownPicture(), picture);
    // window-held
    EXPECT_EQ(Put(u"MousePointer", std::int16_t{11}), 0);
    EXPECT_EQ(site->MousePointer(), 11);
    EXPECT_EQ(Put(u"Enabled", Variant::Boolean(false)), 0);
    EXPECT_FALSE(site->Enabled());
}

TEST_F(DispatchTest, GetsReadTheTypedGetters) {
    btn().SetForeColorOver(SystemColorRef(8));
    EXPECT_EQ(Get(u"ForeColorOver"), Variant(SystemColorRef(8)));
    btn().SetDepth(-3);
    EXPECT_EQ(Get(u"Depth"), Variant(std::int16_t{-3}));
    btn().SetGradientType(ecGradientType::LightTowardsColor);
    EXPECT_EQ(Get(u"GradientType"), Variant(std::int32_t{3}));
    btn().SetCaption(u"Go");
    EXPECT_EQ(Get(u"Caption"), Variant(u"Go"));
    EXPECT_EQ(Get(u"Version"), Variant(btn().Version()));
    EXPECT_EQ(Get(u"hwnd"), Variant(site->WindowHandle()));
    ASSERT_EQ(site->SetRightToLeft(true), 0);  // the container changes the window directly
    EXPECT_EQ(Get(u"RightToLeft"), Variant::Boolean(true));
}

TEST_F(DispatchTest, SetterRulesApplyThroughDispatch) {
    EXPECT_EQ(Put(u"TextFadeSpeed", std::int16_t{500}), 0);
    EXPECT_EQ(Get(u"TextFadeSpeed"), Variant(std::int16_t{100}));
    EXPECT_EQ(Put(u"TextFadeCycle", std::int16_t{-5}), 0);
    EXPECT_EQ(Get(u"TextFadeCycle"), Variant(std::int16_t{0}));
    EXPECT_EQ(Put(u"Caption", std::u16string(u"ab\0cd", 5)), 0);
    EXPECT_EQ(Get(u"Caption"), Variant(u"ab"));
    EXPECT_EQ(Put(u"PictureStretch", Variant::Boolean(true)), 0);
    EXPECT_EQ(Get(u"CaptionPosition"), Variant(std::int32_t{ecCaptionPos::AbovePicture}));
}

TEST_F(DispatchTest, ValueAtRunTimeRaisesClickThroughTheHost) {
    std::vector<std::int32_t> raised;
    site->onEvent = [&](std::int32_t dispid, std::span<Variant>) {
        raised.push_back(dispid);
        return 0;
    };
    EXPECT_EQ(Put(u"Value", Variant::Boolean(true)), 0);
    EXPECT_EQ(raised, std::vector<std::int32_t>{EventId::Click});
    EXPECT_EQ(Get(u"Value"), Variant::Boolean(false));
}

// ---- methods ------------------------------------------------------------------------

TEST_F(DispatchTest, MethodsAreCalledAndReturnNothing) {
    const auto mark = Mark();
    EXPECT_EQ(Call(u"Refresh"), 0);
    EXPECT_GE(RepaintsSince(mark), 1);
    EXPECT_EQ(Call(u"TextFade_Start"), 0);
    EXPECT_TRUE(btn().IsFading());
    EXPECT_EQ(Call(u"TextFade_Stop"), 0);
    EXPECT_FALSE(btn().IsFading());
    const auto dragMark = Mark();
    EXPECT_EQ(Call(u"OLEDrag"), 0);
    bool dragged = false;
    for (const auto& e : EntriesSince(dragMark)) dragged |= e.kind == headless::LogEntry::Kind::Drag;
    EXPECT_TRUE(dragged);
}

TEST_F(DispatchTest, AMethodMayBeCalledAsAPropertyGetAndAPropertyReadAsAMethod) {
    const auto mark = Mark();
    EXPECT_EQ(Call(u"Refresh", InvokeKind::PropertyGet), 0);
    EXPECT_GE(RepaintsSince(mark), 1);
    btn().SetBorderWidth(3);
    Variant result;
    EXPECT_EQ(ctl().Invoke(Id(u"BorderWidth"), InvokeKind::Method, {}, result), 0);
    EXPECT_EQ(result, Variant(std::int16_t{3}));
}

// ---- conversions ------------------------------------------------------------------

TEST_F(DispatchTest, ArgumentsConvertWithTheAutomationRules) {
    EXPECT_EQ(Put(u"BorderWidth", 2.5), 0);  // half to even
    EXPECT_EQ(btn().BorderWidth(), 2);
    EXPECT_EQ(Put(u"BorderWidth", u" 7 "), 0);
    EXPECT_EQ(btn().BorderWidth(), 7);
    EXPECT_EQ(Put(u"DropDownWidth", 10.5f), 0);
    EXPECT_EQ(btn().DropDownWidth(), 10);
    EXPECT_EQ(Put(u"ShowFocus", std::int32_t{1}), 0);  // stored as exactly True
    EXPECT_EQ(btn().ShowFocus(), kTrue);
    EXPECT_EQ(Put(u"ShowFocus", u"False"), 0);
    EXPECT_EQ(btn().ShowFocus(), kFalse);
    EXPECT_EQ(Put(u"Caption", std::int32_t{42}), 0);
    EXPECT_EQ(btn().Caption(), u"42");
    EXPECT_EQ(Put(u"Caption", Variant()), 0);
    EXPECT_EQ(btn().Caption(), u"");
    EXPECT_EQ(Put(u"Appearance", u"5"), 0);
    EXPECT_EQ(btn().Appearance(), ecAppearance::Office2003);
}

TEST_F(DispatchTest, ColoursAcceptSignedAndUnsignedForms) {
    EXPECT_EQ(Put(u"BackColorOver", 2147483666.0), 0);  // 0x80000012 as a script writes it
    EXPECT_EQ(btn().BackColorOver(), SystemColorRef(18));
    EXPECT_EQ(Put(u"BackColorOver", SystemColorRef(5)), 0);
    EXPECT_EQ(btn().BackColorOver(), SystemColorRef(5));
    EXPECT_EQ(Put(u"BackColorOver", u"&H80000011"), 0);
    EXPECT_EQ(btn().BackColorOver(), SystemColorRef(17));
    EXPECT_EQ(Put(u"ToolTipBackColor", 4294967295.0), 0);
    EXPECT_EQ(btn().ToolTipBackColor(), -1);
    EXPECT_EQ(Put(u"BackColorOver", std::int16_t{255}), 0);
    EXPECT_EQ(btn().BackColorOver(), 255);
    EXPECT_EQ(Put(u"BackColorOver", 4294967296.0), errors::kOverflow);
    EXPECT_EQ(Put(u"BackColorOver", -2147483649.0), errors::kOverflow);
    EXPECT_EQ(btn().BackColorOver(), 255);
}

TEST_F(DispatchTest, ObjectPropertiesTakeLetOfAnObjectAsSet) {
    const PictureRef picture = MakeEmptyPicture();
    EXPECT_EQ(Put(u"Picture", picture), 0);
    EXPECT_EQ(btn().Picture(), picture);
    EXPECT_EQ(Put(u"Picture", Variant()), 0);  // no object
    EXPECT_EQ(btn().Picture(), nullptr);
    const FontRef font = MakeFont(FontDescription{});
    EXPECT_EQ(Put(u"Font", font), 0);
    EXPECT_EQ(btn().Font(), font);
    EXPECT_EQ(PutRef(u"PictureOver", FontRef{}), 0);  // Nothing, whatever its declared kind
    EXPECT_EQ(btn().PictureOver(), nullptr);
    EXPECT_EQ(PutRef(u"MouseIcon", picture), 0);
    EXPECT_EQ(site->MouseIcon(), picture);
}

// ---- error numbers ---------------------------------------------------------------

TEST_F(DispatchTest, WrongKindsGiveTypeMismatchAndKeepTheValue) {
    btn().SetBorderWidth(3);
    EXPECT_EQ(Put(u"BorderWidth", u"abc"), errors::kTypeMismatch);
    EXPECT_EQ(Put(u"BorderWidth", MakeFont(FontDescription{})), errors::kTypeMismatch);
    EXPECT_EQ(btn().BorderWidth(), 3);
    EXPECT_EQ(Put(u"ShowFocus", u"maybe"), errors::kTypeMismatch);
    EXPECT_EQ(Put(u"Caption", MakeEmptyPicture()), errors::kTypeMismatch);
    EXPECT_EQ(Put(u"BackColor", MakeEmptyPicture()), errors::kTypeMismatch);
    const FontRef font = btn().Font();
    EXPECT_EQ(Put(u"Font", u"Arial"), errors::kTypeMismatch);
    EXPECT_EQ(PutRef(u"Font", std::int32_t{5}), errors::kTypeMismatch);
    EXPECT_EQ(PutRef(u"Font", MakeEmptyPicture()), errors::kTypeMismatch);
    EXPECT_EQ(btn().Font(), font);
    EXPECT_EQ(PutRef(u"Picture", u"c:\\x.bmp"), errors::kTypeMismatch);
}

TEST_F(DispatchTest, NumbersOutOfRangeOverflow) {
    btn().SetBorderWidth(3);
    EXPECT_EQ(Put(u"BorderWidth", std::int32_t{40000}), errors::kOverflow);
    EXPECT_EQ(Put(u"BorderWidth", u"40000"), errors::kOverflow);
    EXPECT_EQ(Put(u"BorderWidth", 32767.5), errors::kOverflow);
    EXPECT_EQ(btn().BorderWidth(), 3);
    EXPECT_EQ(Put(u"DropDownWidth", 3e9), errors::kOverflow);
    EXPECT_EQ(Put(u"Appearance", 1e10), errors::kOverflow);
}

TEST_F(DispatchTest, OverlongStringsAreInvalidValues) {
    btn().SetCaption(u"Keep");
    EXPECT_EQ(Put(u"Caption", std::u16string(kMaxStringLength + 1, u'x')),
              errors::kInvalidPropertyValue);
    EXPECT_EQ(btn().Caption(), u"Keep");
}

TEST_F(DispatchTest, ArgumentCountsAreChecked) {
    Variant result;
    std::vector<Variant> none, one{Variant(std::int16_t{1})},
        two{Variant(std::int16_t{1}), Variant(std::int16_t{2})};
    const std::int32_t width = Id(u"BorderWidth");
    EXPECT_EQ(ctl().Invoke(width, InvokeKind::PropertyGet, one, result), errors::kWrongArgumentCount);
    EXPECT_EQ(ctl().Invoke(width, InvokeKind::PropertyPut, none, result), errors::kWrongArgumentCount);
    EXPECT_EQ(ctl().Invoke(width, InvokeKind::PropertyPut, two, result), errors::kWrongArgumentCount);
    EXPECT_EQ(ctl().Invoke(Id(u"Refresh"), InvokeKind::Method, one, result),
              errors::kWrongArgumentCount);
    EXPECT_EQ(ctl().Invoke(Id(u"Font"), InvokeKind::PropertyPutRef, none, result),
              errors::kWrongArgumentCount);
}

TEST_F(DispatchTest, AccessorsThatDoNotExist) {
    Variant result;
    std::vector<Variant> one{Variant(std::int32_t{1})};
    EXPECT_EQ(ctl().Invoke(0x12345678, InvokeKind::PropertyGet, {}, result), errors::kUnknownMember);
    EXPECT_EQ(ctl().Invoke(Id(u"Refresh"), InvokeKind::PropertyPut, one, result),
              errors::kUnknownMember);
    EXPECT_EQ(PutRef(u"Caption", u"x"), errors::kUnknownMember);  // a value has no Set
    EXPECT_EQ(PutRef(u"BackColor", std::int32_t{1}), errors::kUnknownMember);
}

TEST_F(DispatchTest, HwndIsReadOnly) {
    const Variant before = Get(u"hwnd");
    EXPECT_EQ(Put(u"hwnd", std::int32_t{5}), errors::kReadOnlyProperty);
    EXPECT_EQ(PutRef(u"hwnd", std::int32_t{5}), errors::kReadOnlyProperty);
    EXPECT_EQ(Get(u"hwnd"), before);
}

TEST_F(DispatchTest, VersionRefusesAtRunTimeWith382) {
    EXPECT_EQ(Put(u"Version", u"6.0"), errors::kNotSupportedAtRunTime);
    EXPECT_EQ(Get(u"Version"), Variant(u"5.16"));
}

TEST_F(DispatchDesignTimeTest, VersionAndValueRefuseInADesignerWith387) {
    EXPECT_EQ(Put(u"Version", u"6.0"), errors::kNotPermitted);
    EXPECT_EQ(Get(u"Version"), Variant(u"5.16"));
    EXPECT_EQ(Put(u"Value", Variant::Boolean(true)), errors::kNotPermitted);
    EXPECT_EQ(Get(u"Value"), Variant::Boolean(false));
}

TEST_F(DispatchTest, WindowErrorsReachTheCaller) {
    site->windowError = errors::kInvalidPropertyValue;
    EXPECT_EQ(Put(u"MousePointer", std::int16_t{3}), errors::kInvalidPropertyValue);
    EXPECT_EQ(Put(u"Enabled", Variant::Boolean(false)), errors::kInvalidPropertyValue);
    EXPECT_EQ(Put(u"OLEDropMode", std::int16_t{1}), errors::kInvalidPropertyValue);
    EXPECT_EQ(PutRef(u"MouseIcon", MakeEmptyPicture()), errors::kInvalidPropertyValue);
    EXPECT_EQ(Get(u"MousePointer"), Variant(std::int16_t{0}));
    EXPECT_EQ(Get(u"Enabled"), Variant::Boolean(true));
}

TEST_F(DispatchTest, ResultIsEmptyAfterAPutOrAnError) {
    Variant result(std::int32_t{5});
    std::vector<Variant> one{Variant(std::int16_t{1})};
    EXPECT_EQ(ctl().Invoke(Id(u"BorderWidth"), InvokeKind::PropertyPut, one, result), 0);
    EXPECT_TRUE(result.IsEmpty());
    result = Variant(std::int32_t{5});
    EXPECT_EQ(ctl().Invoke(Id(u"Version"), InvokeKind::PropertyPut, one, result),
              errors::kNotSupportedAtRunTime);
    EXPECT_TRUE(result.IsEmpty());
}

// ---- values a script host passes ---------------------------------------------------

TEST_F(DispatchTest, AMissingArgumentIsOneArgumentTooMany) {
    std::vector<Variant> missing{Variant::Missing()};
    Variant result;
    EXPECT_EQ(ctl().Invoke(Id(u"Refresh"), InvokeKind::Method, missing, result),
              errors::kWrongArgumentCount);
    EXPECT_EQ(ctl().Invoke(Id(u"Caption"), InvokeKind::PropertyGet, missing, result),
              errors::kWrongArgumentCount);
    EXPECT_EQ(Put(u"BorderWidth", Variant::Missing()), errors::kWrongArgumentCount);
    EXPECT_EQ(Get(u"BorderWidth"), Variant(std::int16_t{1}));
}

TEST_F(DispatchTest, AnErrorValueIsATypeMismatch) {
    EXPECT_EQ(Put(u"BorderWidth", Variant::Error(7)), errors::kTypeMismatch);
    EXPECT_EQ(Put(u"Caption", Variant::Error(7)), errors::kTypeMismatch);
    EXPECT_EQ(PutRef(u"Font", Variant::Error(7)), errors::kTypeMismatch);
}

TEST_F(DispatchTest, ABooleanFromAScriptIsTheSixteenBitBoolean) {
    EXPECT_EQ(Put(u"ShowFocus", Variant(true)), 0);
    EXPECT_EQ(Get(u"ShowFocus"), Variant::Boolean(true));
    EXPECT_EQ(btn().ShowFocus(), kTrue);
}

// ---- the class's own type information -------------------------------------------------

TEST_F(DispatchTest, TheControlDescribesItself) {
    const typelib::TypeInfo& info = ctl().GetTypeInfo();
    EXPECT_EQ(info.progId, u"Vemmix.Zorvane");
    EXPECT_EQ(info.className, u"Zorvane");
    EXPECT_EQ(info.classId, typelib::kClassId);
    EXPECT_EQ(info.interfaceName, u"_Zorvane");
    EXPECT_EQ(info.eventInterfaceName, u"__Zorvane");
    EXPECT_EQ(info.members.size(), 70u);
    EXPECT_EQ(info.events.size(), 18u);
    EXPECT_EQ(info.enumerations.size(), 14u);
    ASSERT_EQ(info.records.size(), 1u);
    EXPECT_EQ(info.records[0].name, u"RECT");
    EXPECT_EQ(info.propertyPages.size(), 3u);
    for (const typelib::Member& m : info.members) {
        EXPECT_EQ(info.FindMember(m.name), &m);
        EXPECT_EQ(info.FindMember(m.dispid), &m);
        std::int32_t id = 0;
        EXPECT_EQ(ctl().GetIDOfName(m.name, id), 0);
        EXPECT_EQ(id, m.dispid);
    }
    EXPECT_EQ(info.FindMember(u"backcolorover")->dispid, 0x68030025);
    EXPECT_EQ(info.FindMember(u"NoSuchMember"), nullptr);
    EXPECT_EQ(info.FindEvent(11)->name, u"DropDownClick");
    EXPECT_EQ(info.FindEvent(u"textfadeend")->dispid, 18);
    EXPECT_EQ(info.FindEvent(19), nullptr);
    EXPECT_EQ(info.FindEnumeration(u"ecAppearance")->members[9], u"Gradient");
}

// ---- late binding by name ----------------------------------------------------------------

TEST_F(DispatchTest, PropertiesAndMethodsByName) {
    EXPECT_EQ(SetProperty(ctl(), u"caption", Variant(u"&Go")), 0);
    Variant caption;
    EXPECT_EQ(GetProperty(ctl(), u"Caption", caption), 0);
    EXPECT_EQ(caption, Variant(u"&Go"));
    EXPECT_EQ(site->accessKeys(), u"G");

    const FontRef font = MakeFont(FontDescription{u"Verdana", 11});
    EXPECT_EQ(SetProperty(ctl(), u"Font", Variant(font)), 0);  // stored by reference
    EXPECT_EQ(btn().Font(), font);

    Variant result;
    EXPECT_EQ(CallMethod(ctl(), u"Refresh", {}, result), 0);
    EXPECT_EQ(SetProperty(ctl(), u"NoSuchMember", Variant(std::int32_t{1})), errors::kUnknownMember);
    EXPECT_EQ(GetProperty(ctl(), u"NoSuchMember", result), errors::kUnknownMember);
    EXPECT_EQ(SetProperty(ctl(), u"hwnd", Variant(std::int32_t{1})), errors::kReadOnlyProperty);
}

}  // namespace
}  // namespace vemmix
