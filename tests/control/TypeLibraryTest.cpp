// The type library as hosts see it: members, identifiers, help strings,
// events, enumerations, the record, identity and the class factory.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include <vemmix/Enums.h>
#include "control/TypeLibrary.h"
#include "control/Zorvane.h"
#include <vemmix/headless/HeadlessContainer.h>
#include "tests/support/ZorvaneAccess.h"

namespace vemmix {
namespace {

using typelib::Access;
using typelib::ValueType;

const typelib::Member& MemberNamed(std::u16string_view name) {
    const typelib::Member* m = typelib::FindMember(name);
    EXPECT_NE(m, nullptr);
    static const typelib::Member kNone{};
    return m ? *m : kNone;
}

TEST(TypeLibraryMembers, SeventyMembersOfWhichFourMethods) {
    EXPECT_EQ(typelib::kMembers.size(), 70u);
    const auto methods = std::count_if(typelib::kMembers.begin(), typelib::kMembers.end(),
                                       [](const typelib::Member& m) { return m.IsMethod(); });
    EXPECT_EQ(methods, 4);
}

TEST(TypeLibraryMembers, IdentifiersAreUniqueAndInTheirRanges) {
    std::set<std::int32_t> all, properties;
    for (const auto& m : typelib::kMembers) {
        EXPECT_TRUE(all.insert(m.dispid).second) << std::string(m.name.begin(), m.name.end());
        if (m.IsMethod()) {
            EXPECT_EQ(static_cast<std::uint32_t>(m.dispid) & 0xFFFF0000u, 0x60030000u);
        } else if (m.name != u"Font") {
            properties.insert(m.dispid);
        }
    }
    // The properties other than Font fill 0x68030000 .. 0x68030041 except
    // the slot 0x34, whose number Refresh carries as a method.
    std::set<std::int32_t> expected;
    for (std::int32_t n = 0; n <= 0x41; ++n)
        if (n != 0x34) expected.insert(0x68030000 + n);
    EXPECT_EQ(properties, expected);
    EXPECT_EQ(MemberNamed(u"Font").dispid, typelib::kDispidFont);
}

TEST(TypeLibraryMembers, InterfaceOrderBeginsAndEndsAsDeclared) {
    const std::u16string_view first[] = {u"BackColor", u"ForeColor", u"Enabled", u"Font",
                                         u"Refresh", u"Appearance", u"DefaultThemes", u"hwnd"};
    for (std::size_t i = 0; i < std::size(first); ++i) EXPECT_EQ(typelib::kMembers[i].name, first[i]);
    const std::u16string_view last[] = {u"OLEDropMode",   u"OLEDrag",        u"OLEDragMode",
                                        u"Value",         u"GradientType",   u"TextFadeToColor",
                                        u"TextFadeCycle", u"TextFadeEvents", u"TextFadeSpeed",
                                        u"TextFade_Start", u"TextFade_Stop"};
    for (std::size_t i = 0; i < std::size(last); ++i)
        EXPECT_EQ(typelib::kMembers[59 + i].name, last[i]);
    EXPECT_EQ(typelib::kMembers[53].name, u"Version");
    EXPECT_EQ(typelib::kMembers[54].name, u"ToolTipBackColor");
}

struct RowCase {
    std::u16string_view name;
    std::int32_t dispid;
    Access access;
    ValueType type;
    std::u16string_view enumName;
    bool readOnly;
    bool windowHeld;
};

class TypeLibraryRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(TypeLibraryRow, MatchesItsDeclaration) {
    const RowCase& c = GetParam();
    const typelib::Member& m = MemberNamed(c.name);
    EXPECT_EQ(m.dispid, c.dispid);
    EXPECT_EQ(m.access, c.access);
    EXPECT_EQ(m.type, c.type);
    EXPECT_EQ(m.enumName, c.enumName);
    EXPECT_EQ(m.readOnly, c.readOnly);
    EXPECT_EQ(m.windowHeld, c.windowHeld);
    EXPECT_EQ(typelib::FindMember(c.dispid), &m);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, TypeLibraryRow,
    ::testing::Values(
        RowCase{u"BackColor", 0x68030033, Access::GetPut, ValueType::Colour, u"", false, false},
        RowCase{u"Enabled", 0x68030031, Access::GetPut, ValueType::Bool, u"", false, true},
        RowCase{u"Font", -512, Access::GetPutRef, ValueType::Font, u"", false, false},
        RowCase{u"Refresh", 0x60030034, Access::Method, ValueType::Void, u"", false, false},
        RowCase{u"DefaultThemes", 0x6803002F, Access::GetPut, ValueType::Enum,
                u"ecAppearanceThemesDefault", false, false},
        RowCase{u"hwnd", 0x6803002E, Access::Get, ValueType::Int32, u"", true, true},
        RowCase{u"MouseIcon", 0x6803002C, Access::GetPutRef, ValueType::Picture, u"", false, true},
        RowCase{u"MousePointer", 0x6803002B, Access::GetPut, ValueType::Int16, u"", false, true},
        RowCase{u"DropDownWidth", 0x68030014, Access::GetPut, ValueType::Int32, u"", false, false},
        RowCase{u"CaptionPosition", 0x68030018, Access::GetPut, ValueType::Enum, u"ecCaptionPos",
                false, false},
        RowCase{u"DropDownPicture", 0x68030003, Access::GetPutRef, ValueType::Picture, u"", false,
                false},
        RowCase{u"Version", 0x68030000, Access::GetPut, ValueType::String, u"", true, false},
        RowCase{u"ToolTipIcon", 0x68030035, Access::GetPut, ValueType::Enum, u"ecToolTipIcon",
                false, false},
        RowCase{u"OLEDropMode", 0x68030041, Access::GetPut, ValueType::Int16, u"", false, true},
        RowCase{u"OLEDrag", 0x60030051, Access::Method, ValueType::Void, u"", false, false},
        RowCase{u"Value", 0x6803003F, Access::GetPut, ValueType::Bool, u"", false, false},
        RowCase{u"TextFadeCycle", 0x6803003C, Access::GetPut, ValueType::Int16, u"", false, false},
        RowCase{u"TextFadeEvents", 0x6803003B, Access::GetPut, ValueType::Enum, u"ecEvents", false,
                false},
        RowCase{u"TextFade_Start", 0x60030089, Access::Method, ValueType::Void, u"", false, false},
        RowCase{u"TextFade_Stop", 0x6003008A, Access::Method, ValueType::Void, u"", false,
                false}));

TEST(TypeLibraryMembers, ObjectPropertiesAreSetByReference) {
    for (const auto& m : typelib::kMembers) {
        const bool object = m.type == ValueType::Font || m.type == ValueType::Picture;
        if (m.IsMethod() || m.name == u"hwnd") continue;
        EXPECT_EQ(m.access == Access::GetPutRef, object);
    }
}

TEST(TypeLibraryMembers, EveryEnumeratedMemberNamesAnExistingEnumeration) {
    for (const auto& m : typelib::kMembers) {
        if (m.type == ValueType::Enum) {
            EXPECT_NE(typelib::FindEnumeration(m.enumName), nullptr);
        } else {
            EXPECT_TRUE(m.enumName.empty());
        }
    }
}

TEST(TypeLibraryMembers, NamesMatchWithoutRegardToCase) {
    EXPECT_EQ(typelib::FindMember(u"backcolorover"), typelib::FindMember(u"BackColorOver"));
    EXPECT_EQ(typelib::FindMember(u"HWND"), &MemberNamed(u"hwnd"));
    EXPECT_EQ(typelib::FindMember(u"BackColor "), nullptr);
    EXPECT_EQ(typelib::FindMember(u""), nullptr);
    EXPECT_EQ(typelib::FindMember(0x12345678), nullptr);
}

struct HelpCase {
    std::u16string_view name;
    std::u16string_view help;
};

class TypeLibraryHelp : public ::testing::TestWithParam<HelpCase> {};

TEST_P(TypeLibraryHelp, IsStoredVerbatim) {
    EXPECT_EQ(MemberNamed(GetParam().name).helpString, GetParam().help);
}

// The stored texts keep their slips (double spaces, a missing space, an
// unclosed parenthesis, a trailing blank): hosts show them as they are.
INSTANTIATE_TEST_SUITE_P(
    Samples, TypeLibraryHelp,
    ::testing::Values(
        HelpCase{u"TextFadeCycle",
                 u"Returns/sets the number of fade cycle to make when text fadingis active. Set to "
                 u"0 for unlimited."},
        HelpCase{u"DefaultThemes",
                 u"Returns/sets the default theme used when AppearanceThemes is set to AutoDetect "
                 u"and no theme is available on system.(only for Windows XP, Office 2003,2007 "
                 u"and Vista  button appearance)."},
        HelpCase{u"AppearanceMode",
                 u"For each button style you can select a Toggle Mode (on/off), a DropDown effect "
                 u"to popup a menu or standard mode. "},
        HelpCase{u"BorderDrawEvent",
                 u"Returns/sets the event to draw the border button (only for appearance 3D, "
                 u"flat, Office 2003 and explorer."},
        HelpCase{u"CaptionOffsetY", u"Returns/sets a precision position to the caption. Can be negative."},
        HelpCase{u"PictureOffsetX", u"Returns/sets a precision position to the picture. Can be negative."},
        HelpCase{u"Refresh", u"Forces a complete repaint of a object."},
        HelpCase{u"hwnd", u"Returns a handle (from Microsoft Windows) to an object's window."},
        HelpCase{u"GradientType",
                 u"When Appareance button is Gradient, you can select the gradient direction and "
                 u"type here."},
        HelpCase{u"ForeColorDisabled",
                 u"Returns/sets the foreground color used to display text when button is "
                 u"enable=false."},
        HelpCase{u"Version", u"Returns the current control version."},
        HelpCase{u"TextFadeSpeed",
                 u"Returns/sets the speed of fading. more value is high more it is slow."}));

TEST(TypeLibraryHelp, TwelveMembersHaveNone) {
    const std::set<std::u16string_view> without = {
        u"TransparentColor", u"ToolTipBackColor", u"ToolTipForeColor", u"ToolTipTitle",
        u"ToolTipStyle",     u"ToolTipIcon",      u"OLEDropMode",      u"OLEDrag",
        u"OLEDragMode",      u"Value",            u"TextFade_Start",   u"TextFade_Stop"};
    for (const auto& m : typelib::kMembers)
        EXPECT_EQ(m.helpString.empty(), without.count(m.name) != 0)
            << std::string(m.name.begin(), m.name.end());
}

// ---- events ------------------------------------------------------------------

TEST(TypeLibraryEvents, EighteenNumberedOneToEighteen) {
    ASSERT_EQ(typelib::kEvents.size(), 18u);
    const std::u16string_view names[] = {
        u"Click",         u"DblClick",    u"KeyDown",     u"KeyPress",        u"KeyUp",
        u"MouseDown",     u"MouseMove",   u"MouseUp",     u"MouseOver",       u"MouseOut",
        u"DropDownClick", u"OLEDragOver", u"OLEDragDrop", u"OLEGiveFeedback", u"OLEStartDrag",
        u"OLESetData",    u"OLECompleteDrag", u"TextFadeEnd"};
    for (std::int32_t id = 1; id <= 18; ++id) {
        const typelib::Event* e = typelib::FindEvent(id);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->dispid, id);
        EXPECT_EQ(e->name, names[id - 1]);
        EXPECT_EQ(typelib::FindEvent(e->name), e);
    }
    EXPECT_EQ(typelib::FindEvent(0), nullptr);
    EXPECT_EQ(typelib::FindEvent(19), nullptr);
    EXPECT_EQ(typelib::FindEvent(u"dropdownclick"), typelib::FindEvent(EventId::DropDownClick));
}

TEST(TypeLibraryEvents, IdentifiersAgreeWithTheButtonsConstants) {
    EXPECT_EQ(typelib::FindEvent(u"Click")->dispid, EventId::Click);
    EXPECT_EQ(typelib::FindEvent(u"MouseOut")->dispid, EventId::MouseOut);
    EXPECT_EQ(typelib::FindEvent(u"OLECompleteDrag")->dispid, EventId::OLECompleteDrag);
    EXPECT_EQ(typelib::FindEvent(u"TextFadeEnd")->dispid, EventId::TextFadeEnd);
}

TEST(TypeLibraryEvents, FunctionTableListsTheOleEventsFirst) {
    const std::int32_t expected[] = {12, 13, 14, 15, 16, 17, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 18};
    ASSERT_EQ(typelib::kEventFunctionOrder.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(typelib::kEventFunctionOrder[i], expected[i]);
}

std::u16string Signature(const typelib::Event& e) {
    std::u16string s;
    for (const auto& a : e.args) {
        if (!s.empty()) s += u", ";
        s += a.name;
        s += u' ';
        s += typelib::TypeName(a.type);
    }
    return s;
}

TEST(TypeLibraryEvents, ArgumentsByNameAndType) {
    auto sig = [](std::u16string_view name) { return Signature(*typelib::FindEvent(name)); };
    EXPECT_EQ(sig(u"Click"), u"");
    EXPECT_EQ(sig(u"KeyDown"), u"KeyCode Integer, Shift Integer");
    EXPECT_EQ(sig(u"KeyPress"), u"KeyAscii Integer");
    EXPECT_EQ(sig(u"KeyUp"), u"KeyCode Integer, Shift Integer");
    EXPECT_EQ(sig(u"MouseMove"), u"Button Integer, Shift Integer, x Single, y Single");
    EXPECT_EQ(sig(u"OLEDragOver"),
              u"Data DataObject, Effect Long, Button Integer, Shift Integer, x Single, y Single, "
              u"State Integer");
    EXPECT_EQ(sig(u"OLEDragDrop"),
              u"Data DataObject, Effect Long, Button Integer, Shift Integer, x Single, y Single");
    EXPECT_EQ(sig(u"OLEGiveFeedback"), u"Effect Long, DefaultCursors Boolean");
    EXPECT_EQ(sig(u"OLEStartDrag"), u"Data DataObject, AllowedEffects Long");
    EXPECT_EQ(sig(u"OLESetData"), u"Data DataObject, DataFormat Integer");
    EXPECT_EQ(sig(u"OLECompleteDrag"), u"Effect Long");
    EXPECT_EQ(sig(u"TextFadeEnd"), u"");
}

TEST(TypeLibraryEvents, HelpStrings) {
    auto help = [](std::u16string_view name) { return typelib::FindEvent(name)->helpString; };
    EXPECT_EQ(help(u"DblClick"),
              u"Occurs when the user presses and releases a mouse button and then presses and "
              u"releases it again over an object.");
    EXPECT_EQ(help(u"KeyPress"), u"Occurs when the user presses and releases an ANSI key.");
    EXPECT_EQ(help(u"MouseDown"),
              u"Occurs when the user presses the mouse button while an object has the focus.");
    EXPECT_EQ(help(u"MouseOut"), u"Occurs when the user moves the mouse out of the button.");
    for (auto name : {u"Click", u"DropDownClick", u"OLEDragOver", u"OLECompleteDrag", u"TextFadeEnd"})
        EXPECT_TRUE(help(name).empty());
}

// ---- enumerations, record, identity ------------------------------------------

std::u16string Joined(const typelib::Enumeration& e) {
    std::u16string s;
    for (auto m : e.members) {
        if (!s.empty()) s += u'|';
        s += m;
    }
    return s;
}

TEST(TypeLibraryEnumerations, MembersWithTheirSpaces) {
    ASSERT_EQ(typelib::kEnumerations.size(), 14u);
    auto members = [](std::u16string_view name) {
        const auto* e = typelib::FindEnumeration(name);
        return e ? Joined(*e) : u"<missing>";
    };
    EXPECT_EQ(members(u"ecAppearance"),
              u"3d|flat|Shaped|Windows XP|Explorer XP|Office 2003|Office 2007|Vista Sunrise|Vista "
              u"Sunset|Gradient");
    EXPECT_EQ(members(u"ecAppearanceMode"), u"Standard Mode|Toggle Mode|DropDown Mode");
    EXPECT_EQ(members(u"ecAppearanceThemes"),
              u"XP AutoDetect Theme|XP blue Theme|XP Olive Theme|XP Silver Theme|Royal Theme|Black "
              u"Theme");
    EXPECT_EQ(members(u"ecAppearanceThemesDefault"),
              u"XP blue Theme Default|XP Olive Theme Default|XP Silver Theme Default|Royal Theme "
              u"Default|Standard 3D Default|Black Theme Default");
    EXPECT_EQ(members(u"ecGradientType"),
              u"Color towards dark|Dark towards color|Color towards light|Light towards color");
    EXPECT_EQ(members(u"ecImageEffect"), u"No Effect|Grey Effect|Light Effect|Dark Effect");
    EXPECT_EQ(members(u"ecPictureEffect"),
              u"No Effect|Gray Picture|Lighter Picture|Darkness Picture");
    EXPECT_EQ(members(u"ecEvents"),
              u"Always|Never|On Focus|On Click|On Mouse Over|On Focus or Mouse Over|On Focus or "
              u"Mouse Over or click");
    EXPECT_EQ(members(u"ecDepthMode"), u"Caption and Picture|Only Caption|Only Picture");
    EXPECT_EQ(members(u"ecCaptionPos"),
              u"Left of Picture|Right of Picture|Top of Picture|Bottom of Picture|Above Picture");
    EXPECT_EQ(members(u"ecAlignment"),
              u"Top Left|Top Center|Top Right|Middle Left|Middle Center|Middle Right|Bottom "
              u"Left|Bottom Center|Bottom Right");
    EXPECT_EQ(members(u"ecCaptionEffect"), u"Shadowed|Embossed|Engraved");
    EXPECT_EQ(members(u"ecToolTipStyle"), u"Classic|Balloon|Rectangular");
    EXPECT_EQ(members(u"ecToolTipIcon"), u"Icon_NONE|Icon_INFO|Icon_WARNING|Icon_ERROR");
}

TEST(TypeLibraryEnumerations, PositionsAreTheButtonsConstants) {
    auto position = [](std::u16string_view en, std::u16string_view member) {
        const auto& ms = typelib::FindEnumeration(en)->members;
        return static_cast<std::int32_t>(std::find(ms.begin(), ms.end(), member) - ms.begin());
    };
    EXPECT_EQ(position(u"ecAppearance", u"Vista Sunset"), ecAppearance::VistaSunset);
    EXPECT_EQ(position(u"ecAppearance", u"Gradient"), ecAppearance::Gradient);
    EXPECT_EQ(position(u"ecAppearanceThemesDefault", u"Standard 3D Default"),
              ecAppearanceThemesDefault::Standard3D);
    EXPECT_EQ(position(u"ecEvents", u"On Focus or Mouse Over or click"),
              ecEvents::OnFocusOrMouseOverOrClick);
    EXPECT_EQ(position(u"ecCaptionPos", u"Above Picture"), ecCaptionPos::AbovePicture);
    EXPECT_EQ(position(u"ecAlignment", u"Middle Center"), ecAlignment::MiddleCenter);
    EXPECT_EQ(position(u"ecToolTipIcon", u"Icon_ERROR"), ecToolTipIcon::Error);
}

TEST(TypeLibraryRecord, RectHasFourLongs) {
    EXPECT_EQ(typelib::kRectRecord.name, u"RECT");
    ASSERT_EQ(typelib::kRectRecord.fields.size(), 4u);
    const std::u16string_view names[] = {u"Left", u"Top", u"Right", u"Bottom"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(typelib::kRectRecord.fields[i].name, names[i]);
        EXPECT_EQ(typelib::kRectRecord.fields[i].type, ValueType::Int32);
    }
}

TEST(TypeLibraryIdentity, NamesPagesAndProgramIdentifier) {
    EXPECT_EQ(typelib::kLibraryName, u"Vemmix");
    EXPECT_EQ(typelib::kLibraryHelpString, u"Vemmix");
    EXPECT_EQ(typelib::kClassName, u"Zorvane");
    EXPECT_EQ(typelib::kInterfaceName, u"_Zorvane");
    EXPECT_EQ(typelib::kEventInterfaceName, u"__Zorvane");
    EXPECT_EQ(typelib::kProgId, u"Vemmix.Zorvane");
    ASSERT_EQ(typelib::kPropertyPages.size(), 3u);
    EXPECT_EQ(typelib::kPropertyPages[0], u"StandardFont");
    EXPECT_EQ(typelib::kPropertyPages[1], u"StandardColor");
    EXPECT_EQ(typelib::kPropertyPages[2], u"StandardPicture");
}

TEST(TypeLibraryIdentity, FourDistinctFixedGuids) {
    const Guid ids[] = {typelib::kLibraryId, typelib::kClassId, typelib::kInterfaceId,
                        typelib::kEventInterfaceId};
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = i + 1; j < 4; ++j) EXPECT_NE(ids[i], ids[j]);
    // Registered identifiers never change.
    EXPECT_EQ(ToString(typelib::kClassId), u"{961F8B38-DC45-42F7-A3EE-82781EC68FB3}");
    EXPECT_EQ(ToString(typelib::kLibraryId), u"{6EC5574A-1EE3-4E5F-AB7C-062CBBD86160}");
    EXPECT_EQ(ToString(typelib::kInterfaceId), u"{D2C99147-3056-4628-8178-D8C4EC76F388}");
    EXPECT_EQ(ToString(typelib::kEventInterfaceId), u"{5C263711-27A9-41DC-A075-E21AC4E1D90F}");
}

TEST(GuidText, RoundTripsInAnyCaseWithOrWithoutBraces) {
    const Guid g{0x01234567, 0x89AB, 0xCDEF, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};
    EXPECT_EQ(ToString(g), u"{01234567-89AB-CDEF-0123-456789ABCDEF}");
    EXPECT_EQ(ParseGuid(ToString(g)), g);
    EXPECT_EQ(ParseGuid(u"{01234567-89ab-cdef-0123-456789abcdef}"), g);
    EXPECT_EQ(ParseGuid(u"01234567-89AB-CDEF-0123-456789ABCDEF"), g);
    for (const Guid& id : {typelib::kLibraryId, typelib::kClassId, typelib::kInterfaceId,
                           typelib::kEventInterfaceId})
        EXPECT_EQ(ParseGuid(ToString(id)), id);
}

TEST(GuidText, RejectsMalformedText) {
    for (std::u16string_view bad :
         {u"", u"{}", u"{01234567-89AB-CDEF-0123-456789ABCDEF", u"01234567-89AB-CDEF-0123-456789ABCDEF}",
          u"{01234567-89AB-CDEF-0123-456789ABCDEG}", u"{0123456789AB-CDEF-0123-456789ABCDEF--}",
          u"{01234567-89AB-CDEF-0123-456789ABCDE}", u"{01234567-89AB-CDEF-0123-456789ABCDEF0}",
          u"{+1234567-89AB-CDEF-0123-456789ABCDEF}", u"Vemmix.Zorvane"})
        EXPECT_FALSE(ParseGuid(bad).has_value()) << std::string(bad.begin(), bad.end());
}

// ---- class factory ------------------------------------------------------------

TEST(ClassFactory, CreatesByProgramIdentifierWithoutRegardToCase) {
    headless::HeadlessForm form;
    for (std::u16string_view id : {u"Vemmix.Zorvane", u"vemmix.zorvane", u"VEMMIX.ZORVANE"}) {
        std::int32_t error = -1;
        headless::HeadlessSite* site = form.AddControl(id, std::u16string(u"B").append(id), {0, 0, 50, 20}, &error);
        ASSERT_NE(site, nullptr);
        EXPECT_EQ(error, 0);
        EXPECT_NE(ZorvaneOf(*site), nullptr);
    }
}

TEST(ClassFactory, CreatesByClassIdentifier) {
    headless::HeadlessForm form;
    std::u16string lower = ToString(typelib::kClassId);
    for (auto& c : lower)
        if (c >= u'A' && c <= u'F') c = static_cast<char16_t>(c + 32);
    for (const std::u16string& id : {ToString(typelib::kClassId), lower}) {
        std::int32_t error = -1;
        headless::HeadlessSite* site = form.AddControl(id, u"B" + id, {0, 0, 50, 20}, &error);
        ASSERT_NE(site, nullptr);
        EXPECT_EQ(error, 0);
    }
}

TEST(ClassFactory, UnknownIdentifiersGive429AndNoObject) {
    headless::HeadlessForm form;
    Zorvane& button = AddButton(form);
    for (const std::u16string& id :
         {std::u16string(u"Vemmix.Zorvan"), std::u16string(u"Vemmix.Zorvane "), std::u16string(u""),
          std::u16string(u"VB.CommandButton"), ToString(typelib::kLibraryId),
          ToString(typelib::kInterfaceId), std::u16string(u"{not-a-guid}")}) {
        std::int32_t error = 0;
        EXPECT_EQ(CreateControl(id, button.Site(), &error), nullptr);
        EXPECT_EQ(error, errors::kCannotCreateObject);
        EXPECT_EQ(CreateControl(id, button.Site()), nullptr);  // no error slot: still no crash
    }
}

}  // namespace
}  // namespace vemmix
