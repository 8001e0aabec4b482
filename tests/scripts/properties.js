// Properties and methods resolved by name at run time through the
// button's dispatch entry point, without regard to case; values cross as
// automation values (a JavaScript true is the 16-bit Boolean True).
const form = host.form({width: 200, height: 100, visualStyle: "blue"});
const b = form.add("Vemmix.Zorvane", "cmdOK", {left: 10, top: 20, width: 100, height: 30});
print(b, typeof b);
print("Version", b.Version, "Caption", b.Caption, b.caption === b.CAPTION);

// strings, numbers, enumerations, Booleans, colours
b.Caption = "&OK";
b.appearance = 5;
b.AppearanceMode = 2;
b.DropDownWidth = 0;
print("Caption", b.Caption, "Appearance", b.Appearance, "DropDownWidth", b.DropDownWidth);
b.DropDownWidth = 1000;
print("DropDownWidth", b.DropDownWidth, "(the width)");
b.TextFadeSpeed = 500;
b.TextFadeCycle = -5;
print("TextFadeSpeed", b.TextFadeSpeed, "TextFadeCycle", b.TextFadeCycle);
b.ShowFocus = false;
print("ShowFocus", b.ShowFocus, typeof b.ShowFocus);
b.ShowFocus = 7;
print("ShowFocus", b.ShowFocus, "(a number other than 0 is True)");
b.BackColor = 0x00FF8040;
print("BackColor", b.BackColor.toString(16));
b.BackColor = 0x8000000F;
print("BackColor", b.BackColor, (b.BackColor >>> 0).toString(16), "(a system colour is a negative Long)");
b.Caption = "A\u0000B";
print("Caption", JSON.stringify(b.Caption), "(stops at a NUL)");
b.CaptionOffsetX = "7";
print("CaptionOffsetX", b.CaptionOffsetX, typeof b.CaptionOffsetX, "(a numeric text converts)");
b.Depth = 2.5;
print("Depth", b.Depth, "(2.5 rounds to the even 2)");
print("hwnd is a number:", typeof b.hwnd === "number");

// the names a script can ask about
print("in:", "Caption" in b, "caption" in b, "TextFade_Start" in b, "Nothing" in b, "on" in b);
print("methods are one function each:", b.Refresh === b.refresh, typeof b.TextFade_Stop);

// methods
host.clearEvents();
b.Refresh();
print(host.events().join(" | "));

// fonts are shared objects: a change through any reference reaches the button
const font = b.Font;
print("Font", font, font.Name, font.size, font.Bold, font.ITALIC, font.Charset);
host.clearEvents();
b.Font.Bold = true;
print(host.events().join(" | "));
print("Bold", b.Font.Bold, font.Bold);

// one font for two buttons: both hear of its change
const c = form.add("Vemmix.Zorvane", "cmdCancel", {left: 10, top: 60, width: 100, height: 30});
const shared = host.font({name: "Tahoma", size: 10});
b.Font = shared;
c.Font = shared;
host.clearEvents();
shared.Size = 12;
print(host.events().join(" | "));
print("Size", b.Font.Size, c.Font.Size);
shared.name = "Courier New";
print("Name", b.Font.Name, c.Font.Name);
print("a copy is not shared:", host.font(shared).Size, (() => { const copy = host.font(shared); copy.Size = 20; return b.Font.Size; })());

// pictures, and no picture
print("Picture", b.Picture, b.PictureOverEffect);
b.PictureOverEffect = 1;
b.PictureOver = null;
print("PictureOver", b.PictureOver, "PictureOverEffect", b.PictureOverEffect, "(reset by assigning no object)");
const disc = host.picture("data/disc.png");
b.Picture = disc;
print("Picture", b.Picture, b.Picture.Type, b.Picture.Width, b.Picture.Height);
b.PictureStretch = true;
print("CaptionPosition", b.CaptionPosition, "(PictureStretch sets 4)");
b.Picture = null;
print("Picture", b.Picture);
