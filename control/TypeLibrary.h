// The type library of the control library, as data: the library and its
// control class, the automation interface _Zorvane (every member with its
// dispatch identifier, accessors, value type and help string), the event
// interface __Zorvane, the enumerations, the RECT record, the property pages
// and the program identifier. The dispatch entry point binds names and
// identifiers against these tables; hosts read them to browse properties
// and to describe the events they receive.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include <vemmix/Guid.h>
#include <vemmix/TypeInfo.h>

namespace vemmix::typelib {

// ---- identity ---------------------------------------------------------------
inline constexpr std::u16string_view kLibraryName = u"Vemmix";
inline constexpr std::u16string_view kLibraryHelpString = u"Vemmix";
inline constexpr std::u16string_view kClassName = u"Zorvane";
inline constexpr std::u16string_view kInterfaceName = u"_Zorvane";        // default, dual
inline constexpr std::u16string_view kEventInterfaceName = u"__Zorvane";  // default source
inline constexpr std::u16string_view kProgId = u"Vemmix.Zorvane";

// These four never change between releases: saved forms and registrations
// name them.
inline constexpr Guid kLibraryId{0x6EC5574A, 0x1EE3, 0x4E5F,
                                 {0xAB, 0x7C, 0x06, 0x2C, 0xBB, 0xD8, 0x61, 0x60}};
inline constexpr Guid kClassId{0x961F8B38, 0xDC45, 0x42F7,
                               {0xA3, 0xEE, 0x82, 0x78, 0x1E, 0xC6, 0x8F, 0xB3}};
inline constexpr Guid kInterfaceId{0xD2C99147, 0x3056, 0x4628,
                                   {0x81, 0x78, 0xD8, 0xC4, 0xEC, 0x76, 0xF3, 0x88}};
inline constexpr Guid kEventInterfaceId{0x5C263711, 0x27A9, 0x41DC,
                                        {0xA0, 0x75, 0xE2, 0x1A, 0xC4, 0xE1, 0xD9, 0x0F}};

// Design-time property pages: the container's standard pages.
inline constexpr std::array<std::u16string_view, 3> kPropertyPages = {
    u"StandardFont", u"StandardColor", u"StandardPicture"};

// ---- _Zorvane -------------------------------------------------------------------
// Properties have dispatch identifiers 0x68030000 + n, methods 0x6003xxxx;
// Font has the standard font identifier.
inline constexpr std::int32_t kDispidFont = -512;

namespace rows {
using enum Access;
using enum ValueType;
inline constexpr bool ReadOnly = true, Writable = false;
inline constexpr bool Window = true, Own = false;

// Interface order: also the order of the dual interface's function table.
// clang-format off
inline constexpr std::array<Member, 70> kMembers = {{
//   name                      dispid      access     type     enumeration                   read-only window  help string
    {u"BackColor",             0x68030033, GetPut,    Colour,  u"",                          Writable, Own,    u"Returns/sets the primary background color used to display the button."},
    {u"ForeColor",             0x68030032, GetPut,    Colour,  u"",                          Writable, Own,    u"Returns/sets the foreground color used to display text."},
    {u"Enabled",               0x68030031, GetPut,    Bool,    u"",                          Writable, Window, u"Returns/sets a value that determines whether an object can respond to user-generated events."},
    {u"Font",                  -512,       GetPutRef, Font,    u"",                          Writable, Own,    u"Returns a Font object."},
    {u"Refresh",               0x60030034, Method,    Void,    u"",                          Writable, Own,    u"Forces a complete repaint of a object."},
    {u"Appearance",            0x68030030, GetPut,    Enum,    u"ecAppearance",              Writable, Own,    u"Returns/sets the button preset style."},
    {u"DefaultThemes",         0x6803002F, GetPut,    Enum,    u"ecAppearanceThemesDefault", Writable, Own,    u"Returns/sets the default theme used when AppearanceThemes is set to AutoDetect and no theme is available on system.(only for Windows XP, Office 2003,2007 and Vista  button appearance)."},
    {u"hwnd",                  0x6803002E, Get,       Int32,   u"",                          ReadOnly, Window, u"Returns a handle (from Microsoft Windows) to an object's window."},
    {u"MaskColor",             0x6803002D, GetPut,    Colour,  u"",                          Writable, Own,    u"Returns/sets the color that specifies transparent areas in the MaskPicture."},
    {u"MouseIcon",             0x6803002C, GetPutRef, Picture, u"",                          Writable, Window, u"Sets a custom mouse icon."},
    {u"MousePointer",          0x6803002B, GetPut,    Int16,   u"",                          Writable, Window, u"Returns/sets the type of mouse pointer displayed when over part of an object."},
    {u"Picture",               0x6803002A, GetPutRef, Picture, u"",                          Writable, Own,    u"Returns/sets a graphic to be displayed in the button."},
    {u"RightToLeft",           0x68030029, GetPut,    Bool,    u"",                          Writable, Window, u"Determines text display direction and control visual appearance on a bidirectional system."},
    {u"AppearanceMode",        0x68030028, GetPut,    Enum,    u"ecAppearanceMode",          Writable, Own,    u"For each button style you can select a Toggle Mode (on/off), a DropDown effect to popup a menu or standard mode. "},
    {u"AppearanceThemes",      0x68030027, GetPut,    Enum,    u"ecAppearanceThemes",        Writable, Own,    u"Returns/sets the colors preset for button appearance Windows XP, Office 2003, 2007 and Vista."},
    {u"BackColorDown",         0x68030026, GetPut,    Colour,  u"",                          Writable, Own,    u"Returns/sets the background color used to draw the button when user click on it or toggle mode is activated and value is True."},
    {u"BackColorOver",         0x68030025, GetPut,    Colour,  u"",                          Writable, Own,    u"Returns/sets the background color used to draw the button when mouse is over."},
    {u"BackColorFocus",        0x68030024, GetPut,    Colour,  u"",                          Writable, Own,    u"Returns/sets the background color used to draw the button when it get the focus."},
    {u"BackColorDisabled",     0x68030023, GetPut,    Colour,  u"",                          Writable, Own,    u"Returns/sets the background color used to draw the button when Enabled is False."},
    {u"BorderColor",           0x68030022, GetPut,    Colour,  u"",                          Writable, Own,    u"Returns/sets the border color."},
    {u"BorderDrawEvent",       0x68030021, GetPut,    Enum,    u"ecEvents",                  Writable, Own,    u"Returns/sets the event to draw the border button (only for appearance 3D, flat, Office 2003 and explorer."},
    {u"BorderWidth",           0x68030020, GetPut,    Int16,   u"",                          Writable, Own,    u"Returns/sets the border size (only for appearance 3D and flat)."},
    {u"TransparentColor",      0x6803001F, GetPut,    Colour,  u"",                          Writable, Own,    u""},
    {u"Caption",               0x6803001E, GetPut,    String,  u"",                          Writable, Own,    u"Text which appear on button."},
    {u"CaptionAlignment",      0x6803001D, GetPut,    Enum,    u"ecAlignment",               Writable, Own,    u"Returns/sets the alignment of the caption in the button. Take a look also to CaptionPos."},
    {u"CaptionEffect",         0x6803001C, GetPut,    Enum,    u"ecCaptionEffect",           Writable, Own,    u"Returns/sets the caption effect."},
    {u"CaptionEffectEvent",    0x6803001B, GetPut,    Enum,    u"ecEvents",                  Writable, Own,    u"Returns/sets the event to create the caption effect."},
    {u"CaptionOffsetX",        0x6803001A, GetPut,    Int16,   u"",                          Writable, Own,    u"Returns/sets a precision position to the caption. Can be negative."},
    {u"CaptionOffsetY",        0x68030019, GetPut,    Int16,   u"",                          Writable, Own,    u"Returns/sets a precision position to the caption. Can be negative."},
    {u"CaptionPosition",       0x68030018, GetPut,    Enum,    u"ecCaptionPos",              Writable, Own,    u"Returns/sets a position relative to the picture."},
    {u"Depth",                 0x68030017, GetPut,    Int16,   u"",                          Writable, Own,    u"Returns/sets a value to move the caption and/or the picture when user click on it or following DepthEvents."},
    {u"DepthMode",             0x68030016, GetPut,    Enum,    u"ecDepthMode",               Writable, Own,    u"Returns/sets which item to move when DepthEffect is different than Never."},
    {u"DepthEvent",            0x68030015, GetPut,    Enum,    u"ecEvents",                  Writable, Own,    u"Returns/sets the event to move the caption and/or picture."},
    {u"DropDownWidth",         0x68030014, GetPut,    Int32,   u"",                          Writable, Own,    u"Returns/sets the DropDown width in pixel."},
    {u"ForeColorDisabled",     0x68030013, GetPut,    Colour,  u"",                          Writable, Own,    u"Returns/sets the foreground color used to display text when button is enable=false."},
    {u"ForeColorOver",         0x68030012, GetPut,    Colour,  u"",                          Writable, Own,    u"Returns/sets the foreground color used to display text when mouse is moving over the button."},
    {u"ForeColorFocus",        0x68030011, GetPut,    Colour,  u"",                          Writable, Own,    u"Returns/sets the foreground color used to display text when button have the focus."},
    {u"ForeColorDown",         0x68030010, GetPut,    Colour,  u"",                          Writable, Own,    u"Returns/sets the foreground color used to display text when user click on button."},
    {u"PictureAlignment",      0x6803000F, GetPut,    Enum,    u"ecAlignment",               Writable, Own,    u"Returns/sets the alignment of the picture on the button."},
    {u"PictureDisabled",       0x6803000E, GetPutRef, Picture, u"",                          Writable, Own,    u"Returns/sets a graphic to be displayed in the button when enable=false."},
    {u"PictureDown",           0x6803000D, GetPutRef, Picture, u"",                          Writable, Own,    u"Returns/sets a graphic to be displayed in the button when the user click on it."},
    {u"PictureFocus",          0x6803000C, GetPutRef, Picture, u"",                          Writable, Own,    u"Returns/sets a graphic to be displayed in the button when button have the focus."},
    {u"PictureOffsetX",        0x6803000B, GetPut,    Int16,   u"",                          Writable, Own,    u"Returns/sets a precision position to the picture. Can be negative."},
    {u"PictureOffsetY",        0x6803000A, GetPut,    Int16,   u"",                          Writable, Own,    u"Returns/sets a precision position to the picture. Can be negative."},
    {u"PictureStretch",        0x68030009, GetPut,    Bool,    u"",                          Writable, Own,    u"Returns/sets if the picture is stretch to the button size."},
    {u"PictureOver",           0x68030008, GetPutRef, Picture, u"",                          Writable, Own,    u"Returns/sets a graphic to be displayed in the button when mouse is over it."},
    {u"PictureDisabledEffect", 0x68030007, GetPut,    Enum,    u"ecPictureEffect",           Writable, Own,    u"Picture Disabled can be automatically created with the following effect from the original Picture."},
    {u"PictureFocusEffect",    0x68030006, GetPut,    Enum,    u"ecPictureEffect",           Writable, Own,    u"Picture focus can be automatically created with the following effect from the original Picture."},
    {u"PictureDownEffect",     0x68030005, GetPut,    Enum,    u"ecPictureEffect",           Writable, Own,    u"Picture Down can be automatically created with the following effect from the original Picture."},
    {u"PictureOverEffect",     0x68030004, GetPut,    Enum,    u"ecPictureEffect",           Writable, Own,    u"Picture Over can be automatically created with the following effect from the original Picture."},
    {u"DropDownPicture",       0x68030003, GetPutRef, Picture, u"",                          Writable, Own,    u"Returns/sets a graphic to be displayed in the DropDownZone."},
    {u"ShowFocus",             0x68030002, GetPut,    Bool,    u"",                          Writable, Own,    u"Returns/sets if the button draw a focus (only for appearance=3d, flat, shaped)."},
    {u"ToggleValue",           0x68030001, GetPut,    Bool,    u"",                          Writable, Own,    u"Returns/sets a value to indicate if button is toggle On or Off (only with AppearanceMode at Toggle Mode)."},
    {u"Version",               0x68030000, GetPut,    String,  u"",                          ReadOnly, Own,    u"Returns the current control version."},
    {u"ToolTipBackColor",      0x68030039, GetPut,    Colour,  u"",                          Writable, Own,    u""},
    {u"ToolTipForeColor",      0x68030038, GetPut,    Colour,  u"",                          Writable, Own,    u""},
    {u"ToolTipTitle",          0x68030037, GetPut,    String,  u"",                          Writable, Own,    u""},
    {u"ToolTipStyle",          0x68030036, GetPut,    Enum,    u"ecToolTipStyle",            Writable, Own,    u""},
    {u"ToolTipIcon",           0x68030035, GetPut,    Enum,    u"ecToolTipIcon",             Writable, Own,    u""},
    {u"OLEDropMode",           0x68030041, GetPut,    Int16,   u"",                          Writable, Window, u""},
    {u"OLEDrag",               0x60030051, Method,    Void,    u"",                          Writable, Own,    u""},
    {u"OLEDragMode",           0x68030040, GetPut,    Int16,   u"",                          Writable, Own,    u""},
    {u"Value",                 0x6803003F, GetPut,    Bool,    u"",                          Writable, Own,    u""},
    {u"GradientType",          0x6803003E, GetPut,    Enum,    u"ecGradientType",            Writable, Own,    u"When Appareance button is Gradient, you can select the gradient direction and type here."},
    {u"TextFadeToColor",       0x6803003D, GetPut,    Colour,  u"",                          Writable, Own,    u"Returns/sets the color to fade to. The fade start using the ForeColor and will fade to this color."},
    {u"TextFadeCycle",         0x6803003C, GetPut,    Int16,   u"",                          Writable, Own,    u"Returns/sets the number of fade cycle to make when text fadingis active. Set to 0 for unlimited."},
    {u"TextFadeEvents",        0x6803003B, GetPut,    Enum,    u"ecEvents",                  Writable, Own,    u"Returns/sets the event to start/stop the text fading. You can also call the method to start or stop fading."},
    {u"TextFadeSpeed",         0x6803003A, GetPut,    Int16,   u"",                          Writable, Own,    u"Returns/sets the speed of fading. more value is high more it is slow."},
    {u"TextFade_Start",        0x60030089, Method,    Void,    u"",                          Writable, Own,    u""},
    {u"TextFade_Stop",         0x6003008A, Method,    Void,    u"",                          Writable, Own,    u""},
}};
// clang-format on
}  // namespace rows

inline constexpr std::span<const Member, 70> kMembers = rows::kMembers;

// The member of a name (without regard to case) or of a dispatch
// identifier; null when there is none.
const Member* FindMember(std::u16string_view name);
const Member* FindMember(std::int32_t dispid);
// Position of a member in interface order.
inline std::size_t IndexOf(const Member& member) {
    return static_cast<std::size_t>(&member - kMembers.data());
}

// ---- __Zorvane ------------------------------------------------------------------
namespace rows {
inline constexpr EventArg kKeyArgs[] = {{u"KeyCode", Int16}, {u"Shift", Int16}};
inline constexpr EventArg kKeyPressArgs[] = {{u"KeyAscii", Int16}};
inline constexpr EventArg kMouseArgs[] = {
    {u"Button", Int16}, {u"Shift", Int16}, {u"x", Single}, {u"y", Single}};
inline constexpr EventArg kDragOverArgs[] = {
    {u"Data", DataObject}, {u"Effect", Int32}, {u"Button", Int16}, {u"Shift", Int16},
    {u"x", Single}, {u"y", Single}, {u"State", Int16}};
inline constexpr EventArg kDragDropArgs[] = {
    {u"Data", DataObject}, {u"Effect", Int32}, {u"Button", Int16}, {u"Shift", Int16},
    {u"x", Single}, {u"y", Single}};
inline constexpr EventArg kGiveFeedbackArgs[] = {{u"Effect", Int32}, {u"DefaultCursors", Bool}};
inline constexpr EventArg kStartDragArgs[] = {{u"Data", DataObject}, {u"AllowedEffects", Int32}};
inline constexpr EventArg kSetDataArgs[] = {{u"Data", DataObject}, {u"DataFormat", Int16}};
inline constexpr EventArg kCompleteDragArgs[] = {{u"Effect", Int32}};

// In dispatch-identifier order.
// clang-format off
inline constexpr std::array<Event, 18> kEvents = {{
//   name                 dispid  arguments           help string
    {u"Click",            1,      {},                 u""},
    {u"DblClick",         2,      {},                 u"Occurs when the user presses and releases a mouse button and then presses and releases it again over an object."},
    {u"KeyDown",          3,      kKeyArgs,           u"Occurs when the user presses a key while an object has the focus."},
    {u"KeyPress",         4,      kKeyPressArgs,      u"Occurs when the user presses and releases an ANSI key."},
    {u"KeyUp",            5,      kKeyArgs,           u"Occurs when the user releases a key while an object has the focus."},
    {u"MouseDown",        6,      kMouseArgs,         u"Occurs when the user presses the mouse button while an object has the focus."},
    {u"MouseMove",        7,      kMouseArgs,         u"Occurs when the user moves the mouse."},
    {u"MouseUp",          8,      kMouseArgs,         u"Occurs when the user releases the mouse button while an object has the focus."},
    {u"MouseOver",        9,      {},                 u"Occurs when the user moves the mouse over the button."},
    {u"MouseOut",         10,     {},                 u"Occurs when the user moves the mouse out of the button."},
    {u"DropDownClick",    11,     {},                 u""},
    {u"OLEDragOver",      12,     kDragOverArgs,      u""},
    {u"OLEDragDrop",      13,     kDragDropArgs,      u""},
    {u"OLEGiveFeedback",  14,     kGiveFeedbackArgs,  u""},
    {u"OLEStartDrag",     15,     kStartDragArgs,     u""},
    {u"OLESetData",       16,     kSetDataArgs,       u""},
    {u"OLECompleteDrag",  17,     kCompleteDragArgs,  u""},
    {u"TextFadeEnd",      18,     {},                 u""},
}};
// clang-format on

// The order of the event interface's function table: the six OLE events,
// then Click … DropDownClick, then TextFadeEnd.
inline constexpr std::array<std::int32_t, 18> kEventFunctionOrder = {
    12, 13, 14, 15, 16, 17, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 18};
}  // namespace rows

inline constexpr std::span<const Event, 18> kEvents = rows::kEvents;
inline constexpr std::span<const std::int32_t, 18> kEventFunctionOrder = rows::kEventFunctionOrder;

// What a host needs to describe an event it receives: name, arguments
// with their names and types, help string. Null for an unknown identifier.
const Event* FindEvent(std::int32_t dispid);
const Event* FindEvent(std::u16string_view name);  // without regard to case

// ---- enumerations -----------------------------------------------------------------
namespace rows {
// clang-format off
inline constexpr std::u16string_view kAppearance[] = {u"3d", u"flat", u"Shaped", u"Windows XP", u"Explorer XP", u"Office 2003", u"Office 2007", u"Vista Sunrise", u"Vista Sunset", u"Gradient"};
inline constexpr std::u16string_view kAppearanceMode[] = {u"Standard Mode", u"Toggle Mode", u"DropDown Mode"};
inline constexpr std::u16string_view kAppearanceThemes[] = {u"XP AutoDetect Theme", u"XP blue Theme", u"XP Olive Theme", u"XP Silver Theme", u"Royal Theme", u"Black Theme"};
inline constexpr std::u16string_view kAppearanceThemesDefault[] = {u"XP blue Theme Default", u"XP Olive Theme Default", u"XP Silver Theme Default", u"Royal Theme Default", u"Standard 3D Default", u"Black Theme Default"};
inline constexpr std::u16string_view kGradientType[] = {u"Color towards dark", u"Dark towards color", u"Color towards light", u"Light towards color"};
inline constexpr std::u16string_view kImageEffect[] = {u"No Effect", u"Grey Effect", u"Light Effect", u"Dark Effect"};
inline constexpr std::u16string_view kPictureEffect[] = {u"No Effect", u"Gray Picture", u"Lighter Picture", u"Darkness Picture"};
inline constexpr std::u16string_view kEventsEnum[] = {u"Always", u"Never", u"On Focus", u"On Click", u"On Mouse Over", u"On Focus or Mouse Over", u"On Focus or Mouse Over or click"};
inline constexpr std::u16string_view kDepthMode[] = {u"Caption and Picture", u"Only Caption", u"Only Picture"};
inline constexpr std::u16string_view kCaptionPos[] = {u"Left of Picture", u"Right of Picture", u"Top of Picture", u"Bottom of Picture", u"Above Picture"};
inline constexpr std::u16string_view kAlignment[] = {u"Top Left", u"Top Center", u"Top Right", u"Middle Left", u"Middle Center", u"Middle Right", u"Bottom Left", u"Bottom Center", u"Bottom Right"};
inline constexpr std::u16string_view kCaptionEffect[] = {u"Shadowed", u"Embossed", u"Engraved"};
inline constexpr std::u16string_view kToolTipStyle[] = {u"Classic", u"Balloon", u"Rectangular"};
inline constexpr std::u16string_view kToolTipIcon[] = {u"Icon_NONE", u"Icon_INFO", u"Icon_WARNING", u"Icon_ERROR"};

inline constexpr std::array<Enumeration, 14> kEnumerations = {{
    {u"ecAppearance",              kAppearance},
    {u"ecAppearanceMode",          kAppearanceMode},
    {u"ecAppearanceThemes",        kAppearanceThemes},
    {u"ecAppearanceThemesDefault", kAppearanceThemesDefault},
    {u"ecGradientType",            kGradientType},
    {u"ecImageEffect",             kImageEffect},  // declared, used by no member
    {u"ecPictureEffect",           kPictureEffect},
    {u"ecEvents",                  kEventsEnum},
    {u"ecDepthMode",               kDepthMode},
    {u"ecCaptionPos",              kCaptionPos},
    {u"ecAlignment",               kAlignment},
    {u"ecCaptionEffect",           kCaptionEffect},
    {u"ecToolTipStyle",            kToolTipStyle},
    {u"ecToolTipIcon",             kToolTipIcon},
}};
// clang-format on
}  // namespace rows

inline constexpr std::span<const Enumeration, 14> kEnumerations = rows::kEnumerations;

const Enumeration* FindEnumeration(std::u16string_view name);  // without regard to case

// ---- records ------------------------------------------------------------------------
namespace rows {
inline constexpr RecordField kRectFields[] = {
    {u"Left", Int32}, {u"Top", Int32}, {u"Right", Int32}, {u"Bottom", Int32}};
}  // namespace rows

inline constexpr Record kRectRecord = {u"RECT", rows::kRectFields};

// ---- the control class -------------------------------------------------------------
inline constexpr std::array<Record, 1> kRecords = {kRectRecord};

// Everything above as one description, as Zorvane::GetTypeInfo answers it.
extern const TypeInfo kTypeInfo;

}  // namespace vemmix::typelib
