// The order of events as the button raises them, driven through the
// host's input functions, and the script's handlers with on and off.
const form = host.form({width: 300, height: 100});
const b = form.add("Vemmix.Zorvane", "cmdA", {left: 0, top: 0, width: 100, height: 30});
const c = form.add("Vemmix.Zorvane", "cmdB", {left: 0, top: 40, width: 100, height: 30});
b.Caption = "&Apply";
host.clearEvents();

// the events of the log only, then the log starts again
function events() {
    const lines = host.events().filter(l => l.includes(" event ") || l.includes(" focus "));
    host.clearEvents();
    return lines.map(l => l.replace(/^(\S+) (event|focus) /, "$1 ")).join(", ");
}

print("left click:", (host.mouseDown(b, 1, 0, 10, 10), host.mouseUp(b, 1, 0, 10, 10), events()));
print("double click:", (host.mouseDown(b, 1, 0, 10, 10), host.mouseUp(b, 1, 0, 10, 10), host.dblClick(b),
                        host.mouseUp(b, 1, 0, 10, 10), events()));
print("release outside:", (host.mouseDown(b, 1, 0, 10, 10), host.mouseUp(b, 1, 0, 150, 10), events()));
print("release on the edge:", (host.mouseDown(b, 1, 0, 10, 10), host.mouseUp(b, 1, 0, 100, 30), events()));
print("right button:", (host.mouseDown(b, 2, 0, 10, 10), host.mouseUp(b, 2, 0, 10, 10), events()));

b.AppearanceMode = 2;
b.DropDownWidth = 16;
print("x 84, outside the zone:", (host.mouseDown(b, 1, 0, 84, 5), host.mouseUp(b, 1, 0, 84, 5), events()));
print("x 85, in the zone:", (host.mouseDown(b, 1, 0, 85, 5), host.mouseUp(b, 1, 0, 85, 5), events()));
print("double click in the zone:", (host.dblClick(b), host.mouseUp(b, 1, 0, 85, 5), events()));

b.AppearanceMode = 1;
print("toggle mode resets ToggleValue:", b.ToggleValue);
b.on("Click", () => print("  in Click: Value", b.Value, "ToggleValue", b.ToggleValue));
host.mouseDown(b, 1, 0, 5, 5);
host.mouseUp(b, 1, 0, 5, 5);
print("after a mouse click: ToggleValue", b.ToggleValue, "Value", b.Value);
host.keyDown(b, 32);
print("after Space: ToggleValue", b.ToggleValue);
host.keyUp(b, 32);
b.off("Click");
b.AppearanceMode = 0;
host.clearEvents();

print("Space:", (host.keyDown(b, 32), host.keyPress(b, " "), host.keyUp(b, 32), events()));
print("Enter:", (host.keyDown(b, 13), host.keyPress(b, 13), host.keyUp(b, 13), events()));
host.focus(b);
print("focus:", events(), form.focus);
print("Right arrow:", (host.keyDown(b, 39), events()), form.focus);
print("Left arrow from cmdB:", (host.keyDown(c, 37), events()), form.focus);
print("Tab:", (host.tab(), events()), form.focus, "Shift+Tab:", (host.tab(false), events()), form.focus);
host.focus(null);
print("no focus:", form.focus, "Shift+Tab:", (host.tab(false), form.focus));
print("access key a:", host.accessKey("a"), events());
print("access key A:", host.accessKey("A"), events());
print("access key q:", host.accessKey("q"), events());
c.Enabled = false;
print("a disabled control hears nothing:", (host.mouseDown(c, 1, 0, 5, 5), host.keyDown(c, 13), events()) === "");
c.Enabled = true;

// hover: MouseOver at every tick while the pointer is over, one MouseOut
host.pointer(null);
host.mouseMove(b, 0, 0, 50, 15);
host.advance(35);
print("hover 35 ms:", events());
host.pointer(null);
host.advance(30);
print("pointer gone:", events());
host.mouseMove(b, 0, 0, 50, 15);
host.pointer(c, 5, 5);
host.advance(10);
print("pointer on another control:", events());

// handlers: this is the control, several run in order, off removes them
const order = [];
function first(e) { order.push("first " + (this === b)); }
function second(e) { order.push("second " + JSON.stringify(e)); }
b.on("MouseDown", first);
b.on("mousedown", second);
host.mouseDown(b, 1, 2, 3.5, 4.25);
print("handlers:", order.join("; "));
b.off("MouseDown", first);
order.length = 0;
host.mouseDown(b, 1, 0, 1, 1);
print("after off(first):", order.join("; "));
b.off("MouseDown");
order.length = 0;
host.mouseDown(b, 1, 0, 1, 1);
print("after off(MouseDown):", order.length);
b.on("Click", () => order.push("click"));
b.on("DblClick", () => order.push("dblclick"));
b.off();
host.mouseDown(b, 1, 0, 1, 1);
host.mouseUp(b, 1, 0, 1, 1);
host.dblClick(b);
print("after off():", order.length);

// a handler may drive the control again: events nest
host.clearEvents();
b.on("Click", () => host.keyDown(c, 13));
host.mouseDown(b, 1, 0, 5, 5);
host.mouseUp(b, 1, 0, 5, 5);
print("nested:", events());
