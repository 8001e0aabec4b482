// A form with one button: its properties by name, a Click handler, a
// press and release of the left mouse button, and a picture of it.
//
//   build/bin/vemmix-script examples/scripts/hello.js [OUTPUT-FOLDER]
const out = host.args[0] || ".";
const form = host.form({width: 160, height: 60, visualStyle: "blue"});
const ok = form.add("Vemmix.Zorvane", "cmdOK", {left: 30, top: 15, width: 100, height: 30});
ok.Caption = "&OK";
print(ok, "version", ok.Version, "appearance", ok.Appearance, "font", ok.Font.Name, ok.Font.Size);

ok.on("Click", () => print("Click, Value is", ok.Value));
ok.on("MouseUp", e => print("MouseUp at", e.x, e.y));
host.mouseDown(ok, 1, 0, 50, 15);
host.mouseUp(ok, 1, 0, 50, 15);

try {
    ok.Version = "6.0";
} catch (e) {
    print("error", e.number + ":", e.message);
}
host.snapshot(form, out + "/hello.png");
