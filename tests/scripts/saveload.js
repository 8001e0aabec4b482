// A form built by a script, saved, and loaded again: every value comes back.
const form = host.form({width: 240, height: 120, name: "frmSaved", backColor: 0x00E0E0E0, visualStyle: "olive",
                        font: host.font({name: "Tahoma", size: 9})});
const a = form.add("Vemmix.Zorvane", "cmdNav", {index: 0, left: 8, top: 8, width: 100, height: 30});
const b = form.add("Vemmix.Zorvane", "cmdNav", {index: 1, left: 8, top: 48, width: 100, height: 30, toolTipText: "Next page"});
a.Caption = "&Back";
a.Appearance = 6;
a.Font = host.font({name: "Courier New", size: 11, bold: true});
b.Caption = "Ne&xt";
b.AppearanceMode = 1;
b.ToggleValue = true;
// a flat button keeps its state colours (an XP-family one takes them from
// the desktop's theme again at every load)
b.Appearance = 1;
b.BackColorOver = 0x80000012;
b.Picture = host.picture("data/disc.png");
b.TextFadeSpeed = 7;
print("before:", a.Caption, a.Appearance, a.Font.Name, a.Font.Bold, b.Caption, b.ToggleValue, b.BackColorOver, b.Picture.Type, b.TextFadeSpeed);
form.save("saved.json");

const again = host.load("saved.json");
print("loaded:", again, again.controls().length, again.problems.length);
const a2 = again.control("cmdNav", 0), b2 = again.control("CMDNAV", 1);
print("after:", a2.Caption, a2.Appearance, a2.Font.Name, a2.Font.Bold, b2.Caption, b2.ToggleValue, b2.BackColorOver, b2.Picture.Type, b2.TextFadeSpeed);
print("same size of picture:", b2.Picture.Width === b.Picture.Width && b2.Picture.Height === b.Picture.Height);
print("same pixels:", [0, 5, 50, 99].every(x => host.pixel(a, x, 15) === host.pixel(a2, x, 15) && host.pixel(b, x, 15) === host.pixel(b2, x, 15)));
print("no such control:", again.control("cmdNav", 2), again.control("cmdOK"));

// saving the loaded form again gives the same file: load it a third time and compare the buttons
again.save("again.json");
const third = host.load("again.json");
print("third:", third.controls().map(c => c.Caption).join(", "));

// a form file that refers to a picture beside it
const withPicture = host.load("data/picture-form.json");
print("picture form:", withPicture.control("cmdPicture").Picture.Type);
