// Event arguments are passed by reference: a handler gets one object whose
// fields it may change, and the button reads back what the handler left.
const form = host.form({width: 200, height: 100});
const b = form.add("Vemmix.Zorvane", "cmdOK");
function events() {
    const lines = host.events().filter(l => l.includes(" event "));
    host.clearEvents();
    return lines.map(l => l.replace(/^\S+ event /, "")).join(", ");
}
host.clearEvents();

// KeyCode 0 swallows Enter and Space: no Click
b.on("KeyDown", e => { e.KeyCode = 0; });
host.keyDown(b, 13);
host.keyDown(b, 32);
print("KeyCode = 0:", events());
b.off("KeyDown");

// a handler may also turn another key into Enter
b.on("KeyDown", e => { if (e.KeyCode === 65) e.KeyCode = 13; });
host.keyDown(b, 65, 1);
print("A made Enter:", events());
b.off("KeyDown");
host.keyUp(b, 13);

// KeyUp with KeyCode 0 keeps the button pressed: its face stays the pressed one
b.Appearance = 0;
const up = host.pixel(b, 1, 1);
host.keyDown(b, 13);
const pressed = host.pixel(b, 1, 1);
b.on("KeyUp", e => { e.KeyCode = 0; });
host.keyUp(b, 13);
print("KeyUp swallowed: still pressed", host.pixel(b, 1, 1) === pressed, "pressed differs from up", pressed !== up);
b.off("KeyUp");
host.keyUp(b, 13);
print("KeyUp read: released", host.pixel(b, 1, 1) === up);
host.clearEvents();

// what the handler gets, and the log shows the values it left
b.on("MouseDown", e => { print("MouseDown got", JSON.stringify(e), typeof e.x); e.x = 99; e.Shift = 4; });
host.mouseDown(b, 1, 3, 2.5, 7.75);
print("log:", events());
b.off();
b.on("KeyPress", e => { e.KeyAscii = e.KeyAscii + 1; });
host.keyPress(b, "a");
print("KeyPress:", events());
b.off();

// a value the argument cannot take is the handler's error; the argument keeps its value
b.on("KeyDown", e => { e.KeyCode = "Enter"; });
host.keyDown(b, 32);
print("a text for KeyCode:", events());
b.off();
b.on("KeyDown", e => { e.KeyCode = 100000; });
host.keyDown(b, 13);
print("KeyCode 100000:", events());
b.off();
b.on("KeyDown", e => { e.KeyCode = true; });
host.keyDown(b, 32);
print("KeyCode true (-1):", events());
b.off();

// fields that are not arguments are ignored; an argument deleted is undefined (Empty): 0
b.on("KeyDown", e => { e.extra = 1; delete e.KeyCode; });
host.keyDown(b, 13);
print("KeyCode deleted:", events());
