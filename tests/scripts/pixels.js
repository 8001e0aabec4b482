// args: --deterministic-text
// Pixels of the window as 0xBBGGRR, snapshots as PNG files.
const form = host.form({width: 200, height: 60, visualStyle: "none", backColor: 0x00C0C0C0});
const b = form.add("Vemmix.Zorvane", "cmdFlat", {left: 10, top: 10, width: 80, height: 30});
b.Appearance = 1;  // flat
b.BackColor = 0x00336699;
b.Caption = "";
const hex = p => "0x" + p.toString(16).padStart(6, "0");
print("middle:", hex(host.pixel(b, 40, 15)), "corner:", hex(host.pixel(b, 0, 0)));
b.BackColorOver = 0x0000FF00;
host.mouseMove(b, 0, 0, 40, 15);
host.advance(10);
print("hover middle:", hex(host.pixel(b, 40, 15)));
host.pointer(null);
host.advance(10);
print("left again:", hex(host.pixel(b, 40, 15)));
b.Enabled = false;
b.BackColorDisabled = 0x00808080;
print("disabled middle:", hex(host.pixel(b, 40, 15)));

host.snapshot(b, "button.png");
host.snapshot(form, "form.png");
// read back as pictures: 80 x 30 and 200 x 60 pixels at 96 dpi in HIMETRIC
const shot = host.picture("button.png"), whole = host.picture("form.png");
print("snapshots:", shot.Width, shot.Height, whole.Width, whole.Height);
const c = form.add("Vemmix.Zorvane", "cmdShown", {left: 100, top: 10, width: 80, height: 30});
c.Appearance = 1;
c.BackColor = 0x000000FF;
c.Caption = "";
host.snapshot(form, "form2.png");
const two = host.form({width: 200, height: 60}).add("Vemmix.Zorvane", "cmdShot", {width: 200, height: 60});
two.Appearance = 1;
two.Caption = "";
two.Picture = host.picture("form2.png");
two.PictureAlignment = 0;
print("the form's image as a picture: red at", hex(host.pixel(two, 140, 25)), "grey at", hex(host.pixel(two, 195, 55)));
