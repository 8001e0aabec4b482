// args: --window
// Real windows (on the offscreen platform here): the same API as headless,
// with time passing in real time.
print("window:", host.window);
const form = host.form({width: 240, height: 80, visualStyle: "none"});
const b = form.add("Vemmix.Zorvane", "cmdOK", {left: 10, top: 10, width: 100, height: 30});
const c = form.add("Vemmix.Zorvane", "cmdCancel", {left: 120, top: 10, width: 100, height: 30});
c.Caption = "&Cancel";
b.Caption = "&OK";
b.on("Click", () => print("Click, Value", b.Value));
b.on("KeyDown", e => { if (e.KeyCode === 32) e.KeyCode = 0; });
host.clearEvents();
host.mouseDown(b, 1, 0, 5, 5);
host.mouseUp(b, 1, 0, 5, 5);
host.keyDown(b, 32);
host.keyDown(b, 13);
host.keyUp(b, 13);
print(host.events().filter(l => l.includes(" event ")).join(", "));
try { b.Version = "6"; } catch (e) { print("error", e.number, e.message); }

b.Appearance = 1;  // flat
b.BackColor = 0x00336699;
b.Caption = "";
print("pixel", host.pixel(b, 50, 15).toString(16));

const start = host.now();
host.advance(120);
print("real time passed:", host.now() - start >= 120);

// hover on the real timers: MouseOver ticks, then MouseOut once the pointer leaves
let overs = 0;
b.on("MouseOver", () => ++overs);
host.mouseMove(b, 0, 0, 50, 15);
host.advance(150);
print("MouseOver ticks:", overs > 0);
host.pointer(null);
host.advance(150);
print("MouseOut:", host.events().includes("cmdOK event MouseOut"));

host.focus(b);
print("focus:", form.focus, "Tab:", (host.tab(), form.focus), "access key c:", host.accessKey("c"));
form.save("window.json");
print("saved and loaded:", host.load("window.json").control("cmdOK").BackColor.toString(16));
host.snapshot(form, "form.png");
print("snapshot:", host.picture("form.png").Width);

// a saved form with a default button, a label and a frame
const dialog = host.load("data/dialog.json");
print(dialog.controls().join(" "), "| Enter:", host.accessKey(13), "| Escape:", host.accessKey(27));
